"""What quillary-spatial costs a host per tick, side by side with what it would use instead.

Every peer is checked to produce the same result as ours (the same bytes, for the encoders)
before anything is timed. Times are medians over repeated runs. Writes a markdown table to
stdout and to bench/results.md, and a plot of cost against timeline capacity to
bench/scaling.png.
"""

import argparse
import json
import os
import platform
import statistics
import timeit
from collections.abc import Callable
from pathlib import Path

import matplotlib
import msgspec
import orjson
import pydantic

import _spatial as spatial
import instructions
import peers
import session_bench
from example_frames import event_for, full_example_frame
from quillary_spatial import _native

HERE = Path(__file__).resolve().parent

CAPACITIES = (240, 2_400, 24_000)


class Bench:
    def __init__(self, quick: bool):
        self.number, self.repeat = (50, 3) if quick else (5_000, 15)
        self.quick = quick
        # section, subject, ns, ratio: one row per run of the whole comparison set
        self.rows: list[tuple[str, str, float, float]] = []

    def time(self, call: Callable[[], object], number: int | None = None) -> float:
        n = number or self.number
        return statistics.median(timeit.repeat(call, number=n, repeat=self.repeat)) / n * 1e9

    def compare(self, section: str, ours: tuple[str, Callable[[], object]],
                others: list[tuple[str, Callable[[], object]]], number: int | None = None) -> None:
        """Times the subjects in rounds, each round running every subject once, rather than
        one subject after another: the shared machine's speed drifts by more than some of the
        differences asked about, and a drift then reaches every subject of the row alike."""
        n = number or self.number
        subjects = [ours, *others]
        runs: dict[str, list[float]] = {name: [] for name, _ in subjects}
        for _ in range(self.repeat):
            for name, call in subjects:
                runs[name].append(timeit.timeit(call, number=n) / n * 1e9)
        base = statistics.median(runs[ours[0]])
        for name, _ in subjects:
            ns = statistics.median(runs[name])
            self.rows.append((section, name, ns, ns / base))


def same(name: str, got: object, want: str) -> None:
    got = got.decode() if isinstance(got, bytes) else got
    if got != want:
        raise SystemExit(f"{name} does not write the same line:\n{got}\n{want}")


def encoding(bench: Bench) -> None:
    full = full_example_frame()
    for label, record, ms_type, pd_type in [
        ("default frame", spatial.SpatialIntentFrame(), peers.MsFrame, peers.PdFrame),
        ("full frame", full, peers.MsFrame, peers.PdFrame),
        ("event", event_for(full, "put it there", 76543211), peers.MsEvent, peers.PdEvent),
    ]:
        line = spatial.to_jsonl(record)
        data = json.loads(line)
        struct = msgspec.convert(data, ms_type)
        model = pd_type.model_validate(data)
        encoder = msgspec.json.Encoder()
        others = [
            ("msgspec Struct", lambda: encoder.encode(struct)),
            ("orjson.dumps(dict)", lambda: orjson.dumps(data)),
            ("pydantic model_dump_json", lambda: peers.pydantic_json(model)),
            ("json.dumps(dict)", lambda: json.dumps(data, separators=(",", ":"), ensure_ascii=False)),
        ]
        for name, call in others:
            same(name, call(), line)
        bench.compare(f"encode {label} ({len(line)} B)", ("to_jsonl", lambda: spatial.to_jsonl(record)), others)


def decoding(bench: Bench) -> None:
    full = full_example_frame()
    line = spatial.to_jsonl(full)
    data = spatial.to_dict(full)

    def by_hand() -> dict:
        p = full.pointing
        return {"schema": "quillary.spatial-intent", "version": 1, "timestamp_ns": full.timestamp_ns,
                "timestamp_domain": full.timestamp_domain,
                "reference_space": {"type": full.reference_space.type, "id": full.reference_space.id,
                                    "generation": full.reference_space.generation},
                "head": pose_dict(full.head_pose), "head_tracking": full.head_tracking.name.lower(),
                "pointing": {"source": p.source.name.lower(), "confidence": p.confidence.name.lower(),
                             "origin": vec(p.ray.origin), "direction": vec(p.ray.direction)},
                "capabilities": {"enabled_extensions": full.capabilities.enabled_extensions}}

    if json.loads(line) != data:
        raise SystemExit("to_dict and json.loads disagree")
    bench.compare("full frame to dict", ("to_dict", lambda: spatial.to_dict(full)),
                  [("json.loads(to_jsonl(frame))", lambda: json.loads(spatial.to_jsonl(full))),
                   ("json.loads(line)", lambda: json.loads(line)),
                   ("hand-built dict (partial)", by_hand)])


def vec(v: spatial.Vec3) -> list[float]:
    return [v.x, v.y, v.z]


def pose_dict(p: spatial.Pose) -> dict:
    o = p.orientation
    return {"position": vec(p.position), "orientation": [o.x, o.y, o.z, o.w]}


def filled_timelines(capacity: int, full: spatial.SpatialIntentFrame):
    """Ours and the two Python timelines, each holding `capacity` frames at 0, 10, 20, ... ns."""
    ours = spatial.IntentTimeline(capacity, 2**62)
    deque_timeline = peers.DequeTimeline(capacity, 2**62)
    bisect_timeline = peers.BisectTimeline(capacity, 2**62)
    for t in range(capacity):
        full.timestamp_ns = t * 10
        ours.push(full)
        py = peers.DcFrame(timestamp_ns=t * 10)
        deque_timeline.push(py)
        bisect_timeline.push(py)
    return ours, deque_timeline, bisect_timeline


def submit_cases(ours: spatial.IntentTimeline, peers_: list[object]) -> list[tuple[str, int]]:
    """The usual submit (just after the newest frame) and the worst (just after the oldest frame
    still held, which it must pair with), each checked to give that event, and the same one
    from every peer, before anything is timed."""
    newest = ours.latest()
    assert newest is not None
    oldest = _native.pair(ours, newest.timestamp_ns, False).history_start_ns
    cases = [("usual: after the newest", newest.timestamp_ns + 1, newest.timestamp_ns),
             ("worst: just after the oldest held", oldest + 1, oldest)]
    for case, at, paired in cases:
        event = ours.submit_text("put it there", at)
        if event is None or event.spatial_context.timestamp_ns != paired:
            raise SystemExit(f"submit_text, {case}: no event with the frame at {paired}")
        for peer in peers_:
            theirs = peer.submit_text("put it there", at)  # type: ignore[attr-defined]
            if theirs is None or theirs[2].timestamp_ns != paired:  # (time, text, frame, age)
                raise SystemExit(f"submit_text, {case}: {type(peer).__name__} pairs differently")
    return [(case, at) for case, at, _ in cases]


def timeline_ops(bench: Bench) -> None:
    full = full_example_frame()
    ours, deque_timeline, bisect_timeline = filled_timelines(240, full)
    # The submits first: the pushes timed below evict the frames they aim at.
    for case, at in submit_cases(ours, [deque_timeline, bisect_timeline]):
        bench.compare(f"submit_text, {case} (240)", ("IntentTimeline.submit_text", lambda: ours.submit_text("put it there", at)),
                      [("deque timeline", lambda: deque_timeline.submit_text("put it there", at)),
                       ("bisect timeline", lambda: bisect_timeline.submit_text("put it there", at))])
    full.timestamp_ns = 2390
    py_newest = peers.DcFrame(timestamp_ns=2390)

    bench.compare("push full frame (capacity 240)", ("IntentTimeline.push", lambda: ours.push(full)),
                  [("deque timeline", lambda: deque_timeline.push(py_newest)),
                   ("bisect timeline", lambda: bisect_timeline.push(py_newest))])
    bench.compare("latest", ("IntentTimeline.latest", ours.latest),
                  [("deque timeline", deque_timeline.latest)])
    bench.compare("push + latest", ("IntentTimeline", lambda: (ours.push(full), ours.latest())),
                  [("deque timeline", lambda: (deque_timeline.push(py_newest), deque_timeline.latest()))])


def build_frame(t_ns: int) -> spatial.SpatialIntentFrame:
    frame = spatial.SpatialIntentFrame()
    frame.timestamp_ns = t_ns
    frame.timestamp_domain = "monotonic"
    frame.reference_space.type = "stage"
    frame.reference_space.id = "room-1"
    frame.head_pose.position = spatial.Vec3(0.0, 1.6, 0.0)
    frame.head_pose.orientation = spatial.Quaternion(0.0, 0.1, 0.0, 0.995)
    frame.head_tracking = spatial.TrackingConfidence.POSITION_AND_ORIENTATION
    pointing = spatial.PointingIntent()
    pointing.ray = spatial.Ray(spatial.Vec3(0.1, 1.2, -0.3), spatial.Vec3(0.0, 0.0, -1.0))
    pointing.source = spatial.PointingSource.HAND
    frame.pointing = pointing
    select = spatial.SelectState()
    select.pressed = True
    frame.primary_select = select
    left = spatial.Pose()
    left.position = spatial.Vec3(-0.2, 1.1, -0.4)
    frame.left_hand_pose = left
    frame.gaze_ray = spatial.Ray(spatial.Vec3(0.0, 1.6, 0.0), spatial.Vec3(0.0, -0.5, -0.87))
    caps = frame.capabilities
    caps.head_pose = caps.action_input = caps.hand_tracking = True
    caps.enabled_extensions = ["ext.hands", "ext.gaze"]
    return frame


def build_dataclass_frame(t_ns: int) -> peers.DcFrame:
    return peers.DcFrame(
        timestamp_ns=t_ns, timestamp_domain="monotonic", space_type="stage", space_id="room-1",
        head_pose=peers.DcPose(peers.V3(0.0, 1.6, 0.0), peers.Q4(0.0, 0.1, 0.0, 0.995)), head_tracking=2,
        pointing=peers.DcRay(peers.V3(0.1, 1.2, -0.3), peers.V3(0.0, 0.0, -1.0)), pointing_source=1,
        pressed=True, left_hand_pose=peers.DcPose(peers.V3(-0.2, 1.1, -0.4)),
        gaze_ray=peers.DcRay(peers.V3(0.0, 1.6, 0.0), peers.V3(0.0, -0.5, -0.87)),
        capabilities=(True, True, True, False, False), enabled_extensions=["ext.hands", "ext.gaze"])


def build_nested_dataclass_frame(t_ns: int) -> peers.NestedFrame:
    """build_frame, line for line, with dataclasses of the same shape."""
    frame = peers.NestedFrame()
    frame.timestamp_ns = t_ns
    frame.timestamp_domain = "monotonic"
    frame.reference_space.type = "stage"
    frame.reference_space.id = "room-1"
    frame.head_pose.position = peers.V3(0.0, 1.6, 0.0)
    frame.head_pose.orientation = peers.Q4(0.0, 0.1, 0.0, 0.995)
    frame.head_tracking = 2
    pointing = peers.DcPointing()
    pointing.ray = peers.DcRay(peers.V3(0.1, 1.2, -0.3), peers.V3(0.0, 0.0, -1.0))
    pointing.source = 1
    frame.pointing = pointing
    select = peers.DcSelect()
    select.pressed = True
    frame.primary_select = select
    left = peers.DcPose()
    left.position = peers.V3(-0.2, 1.1, -0.4)
    frame.left_hand_pose = left
    frame.gaze_ray = peers.DcRay(peers.V3(0.0, 1.6, 0.0), peers.V3(0.0, -0.5, -0.87))
    caps = frame.capabilities
    caps.head_pose = caps.action_input = caps.hand_tracking = True
    caps.enabled_extensions = ["ext.hands", "ext.gaze"]
    return frame


def content(frame: object) -> tuple:
    """What a built frame says, the same for ours and both dataclass peers: each peer is
    checked to build exactly this before it is timed."""
    def v(p: object) -> tuple:
        return (p.x, p.y, p.z) + ((p.w,) if hasattr(p, "w") else ())  # type: ignore[attr-defined]

    f: object = frame
    if isinstance(f, peers.DcFrame):
        return (f.timestamp_ns, f.timestamp_domain, f.space_type, f.space_id, v(f.head_pose.position),
                v(f.head_pose.orientation), f.head_tracking, v(f.pointing.origin), v(f.pointing.direction),
                f.pointing_source, f.pressed, v(f.left_hand_pose.position), v(f.gaze_ray.origin),
                v(f.gaze_ray.direction), f.capabilities[:3], f.enabled_extensions,
                None if f.target is None else f.target.host_id)
    tracking = f.head_tracking if isinstance(f, peers.NestedFrame) else int(f.head_tracking)  # type: ignore[attr-defined]
    source = f.pointing.source if isinstance(f, peers.NestedFrame) else int(f.pointing.source)  # type: ignore[attr-defined]
    caps = f.capabilities  # type: ignore[attr-defined]
    return (f.timestamp_ns, f.timestamp_domain, f.reference_space.type, f.reference_space.id,  # type: ignore[attr-defined]
            v(f.head_pose.position), v(f.head_pose.orientation), tracking,  # type: ignore[attr-defined]
            v(f.pointing.ray.origin), v(f.pointing.ray.direction), source, f.primary_select.pressed,  # type: ignore[attr-defined]
            v(f.left_hand_pose.position), v(f.gaze_ray.origin), v(f.gaze_ray.direction),  # type: ignore[attr-defined]
            (caps.head_pose, caps.action_input, caps.hand_tracking), caps.enabled_extensions,
            None if f.target is None else f.target.host_id)  # type: ignore[attr-defined]


def per_tick(bench: Bench) -> None:
    hit = spatial.SpatialHit()
    hit.host_id = "table-7"
    dc_hit = peers.DcHit(host_id="table-7")

    # What a real ray cast does: it makes the hit it returns.
    def cast_ours(ray: spatial.Ray) -> spatial.SpatialHit:
        made = spatial.SpatialHit()
        made.position = spatial.Vec3(0.1, 0.75, -1.5)
        made.normal = spatial.Vec3(0.0, 1.0, 0.0)
        made.host_id = "table-7"
        return made

    def cast_dataclass(ray: peers.DcRay) -> peers.DcHit:
        return peers.DcHit(peers.V3(0.1, 0.75, -1.5), peers.V3(0.0, 1.0, 0.0), "table-7")

    ours, flat, nested = spatial.IntentTimeline(), peers.DequeTimeline(), peers.DequeTimeline()
    clock = iter(range(10**12))
    builds = [
        ("_spatial", lambda t: build_frame(t), lambda f, cast: spatial.resolve_target(f, cast), ours),
        ("dataclasses, nested, built attribute by attribute (as a host does)", build_nested_dataclass_frame,
         peers.nested_resolve_target, nested),
        ("dataclasses, flattened, built by constructor", build_dataclass_frame, peers.dc_resolve_target, flat),
    ]
    want = content(spatial.resolve_target(build_frame(1), lambda ray: hit))
    for name, build, ground, _ in builds:
        for cast in ((lambda ray: hit), cast_ours) if name == "_spatial" else ((lambda ray: dc_hit), cast_dataclass):
            if content(ground(build(1), cast)) != want:
                raise SystemExit(f"per tick: {name} does not build the same frame")

    def ticks(prebuilt: bool) -> list[tuple[str, Callable[[], object]]]:
        subjects = []
        for name, build, ground, timeline in builds:
            cast = (lambda ray: hit) if name == "_spatial" and prebuilt else cast_ours if name == "_spatial" \
                else (lambda ray: dc_hit) if prebuilt else cast_dataclass
            subjects.append((name, lambda b=build, g=ground, c=cast, tl=timeline: tl.push(g(b(next(clock)), c))))
        return subjects

    for prebuilt, how in [(True, "the ray cast returns a hit made once"), (False, "the ray cast makes its hit")]:
        first, *others = ticks(prebuilt)
        bench.compare(f"per tick: build full frame, ground ({how}), push", first, others)
    bench.compare("per tick: build full frame only", ("_spatial", lambda: build_frame(1)),
                  [(builds[1][0], lambda: build_nested_dataclass_frame(1)),
                   (builds[2][0], lambda: build_dataclass_frame(1))])


def scaling(bench: Bench) -> dict[str, list[float]]:
    full = full_example_frame()
    series: dict[str, list[float]] = {name: [] for name in (
        "IntentTimeline.push", "IntentTimeline.submit_text, usual", "IntentTimeline.submit_text, worst",
        "Python deque timeline submit, worst", "Python bisect timeline submit, worst")}
    push, usual, worst, deque_worst, bisect_worst = series.values()
    for capacity in CAPACITIES:
        ours, deque_timeline, bisect_timeline = filled_timelines(capacity, full)
        (_, usual_at), (_, worst_at) = submit_cases(ours, [deque_timeline, bisect_timeline])
        few = max(5, bench.number // (capacity // 240))
        usual.append(bench.time(lambda: ours.submit_text("x", usual_at)))
        worst.append(bench.time(lambda: ours.submit_text("x", worst_at), few))
        deque_worst.append(bench.time(lambda: deque_timeline.submit_text("x", worst_at), few))
        bisect_worst.append(bench.time(lambda: bisect_timeline.submit_text("x", worst_at), few))
        # Last: pushing evicts the frames the submits above aim at.
        full.timestamp_ns = capacity * 10
        push.append(bench.time(lambda: ours.push(full)))
    for i, capacity in enumerate(CAPACITIES):
        for name, values in series.items():
            bench.rows.append((f"scale: capacity {capacity:,}", name, values[i], values[i] / series[name][0]))
    return series


def plot(series: dict[str, list[float]], path: Path) -> None:
    matplotlib.use("Agg")
    from matplotlib import pyplot

    figure, axes = pyplot.subplots(figsize=(7, 4.5))
    for name, values in series.items():
        axes.plot(CAPACITIES, [v / 1000 for v in values], marker="o", label=name)
    axes.set_xscale("log")
    axes.set_yscale("log")
    axes.set_xlabel("timeline capacity (frames)")
    axes.set_ylabel("microseconds per call (median)")
    axes.set_title("IntentTimeline from Python: cost against capacity")
    axes.grid(True, which="both", alpha=0.3)
    axes.legend()
    figure.tight_layout()
    figure.savefig(path, dpi=110)


def per_number_ns(benchmark: dict) -> float:
    """A benchmark's time per call, or per number where it counts numbers (stored in seconds)."""
    return benchmark["ns_per_number"] * 1e9 if "ns_per_number" in benchmark else benchmark["real_time"]


def core_rows(path: Path | None) -> list[str]:
    """Google Benchmark's results for the core alone (medians when it ran repetitions)."""
    if path is None or not path.exists():
        return []
    results = json.loads(path.read_text())["benchmarks"]
    medians = [b for b in results if b.get("aggregate_name") == "median"] or \
              [b for b in results if b.get("run_type") == "iteration"]
    rows = ["", "## Core alone (C++, Google Benchmark)", "", "BM_NumberRandom: ns per number, over 4,096 random "
            "tracking values.", "", "| benchmark | ns per call | bytes per second |",
            "|---|---:|---:|"]
    # By name: repetitions run interleaved at random, and are reported in that order.
    for b in sorted(medians, key=lambda b: b["name"]):
        name = b["name"].removesuffix("_median")
        rate = b.get("bytes_per_second")
        rows.append(f"| {name} | {per_number_ns(b):,.1f} | {f'{rate / 2**20:,.0f} MiB/s' if rate else ''} |")
    return rows


# The landed main's own run (its bench/results.md), before the performance work: the "before"
# of each goal. Ratios are within that run, as the "after" ones are within this run.
BEFORE = {
    "to_jsonl(full frame) / orjson": "817 / 707 ns = 1.16",
    "to_jsonl(event) / orjson": "1,300 / 803 ns = 1.62",
    "to_dict / json.loads(to_jsonl)": "6,585 / (5,171 + 817) ns = 1.10",
    "submit_text worst / usual, 240": "276 / 360 ns = 0.77",
    "submit_text worst / usual, 2,400": "1,305 / 339 ns = 3.85",
    "submit_text worst / usual, 24,000": "57,476 / 341 ns = 168",
    "push at 24,000 / push at 240": "264 / 186 ns = 1.42",
    "to_chars(general, 9) / ours, random numbers": "about 2 (47-58 against 97-124 ns, the issue's own run)",
    "{fmt} / ours, random numbers": "not measured",
}


def goal_rows(bench: Bench, core_json: Path | None) -> list[str]:
    """Each goal's before and after; the after from this run."""
    ns = {key: statistics.median(times) for key, (times, _) in over_runs(bench).items()}
    core: dict[str, float] = {}
    if core_json is not None and core_json.exists():
        for b in json.loads(core_json.read_text())["benchmarks"]:
            if b.get("aggregate_name", "median") == "median":
                core[b["name"].removesuffix("_median")] = per_number_ns(b)

    def ratio(a: float, b: float, goal: str, met: bool) -> tuple[str, str, str]:
        return f"{a:,.0f} / {b:,.0f} ns = {a / b:.2f}", goal, "yes" if met else "no"

    after: dict[str, tuple[str, str, str]] = {}
    for label, section in [("full frame", "encode full frame (837 B)"), ("event", "encode event (990 B)")]:
        ours, orjson_ns = ns[(section, "to_jsonl")], ns[(section, "orjson.dumps(dict)")]
        after[f"to_jsonl({label}) / orjson"] = ratio(ours, orjson_ns, "<= 1", ours <= orjson_ns)
    to_dict, loads = ns[("full frame to dict", "to_dict")], ns[("full frame to dict", "json.loads(to_jsonl(frame))")]
    after["to_dict / json.loads(to_jsonl)"] = ratio(to_dict, loads, "<= 1", to_dict <= loads)
    for capacity in CAPACITIES:
        section = f"scale: capacity {capacity:,}"
        worst, usual = ns[(section, "IntentTimeline.submit_text, worst")], ns[(section, "IntentTimeline.submit_text, usual")]
        after[f"submit_text worst / usual, {capacity:,}"] = ratio(worst, usual, "<= 2", worst <= 2 * usual)
    push_low = ns[(f"scale: capacity {CAPACITIES[0]:,}", "IntentTimeline.push")]
    push_high = ns[(f"scale: capacity {CAPACITIES[-1]:,}", "IntentTimeline.push")]
    after["push at 24,000 / push at 240"] = ratio(push_high, push_low, "flat", push_high <= 1.5 * push_low)
    numbers = {k: core.get(f"BM_NumberRandom/{k}") for k in ("ours", "to_chars_general_9", "fmt_9g")}
    if all(numbers.values()):
        mine, to_chars_ns, fmt_ns = numbers["ours"], numbers["to_chars_general_9"], numbers["fmt_9g"]
        assert mine and to_chars_ns and fmt_ns
        after["to_chars(general, 9) / ours, random numbers"] = (
            f"{to_chars_ns:.1f} / {mine:.1f} ns = {to_chars_ns / mine:.2f}", ">= 4", "yes" if to_chars_ns >= 4 * mine else "no")
        after["{fmt} / ours, random numbers"] = (
            f"{fmt_ns:.1f} / {mine:.1f} ns = {fmt_ns / mine:.2f}", "> 1", "yes" if fmt_ns > mine else "no")
    rows = ["", "## Goals", "", "Before: the landed main's own run; after: this run (ratios within each run).", "",
            "| goal | before | after | wanted | met |", "|---|---|---|---|---|"]
    for goal, before in BEFORE.items():
        if goal in after:
            value, wanted, met = after[goal]
            rows.append(f"| {goal} | {before} | {value} | {wanted} | {met} |")
    return rows


def over_runs(bench: Bench) -> dict[tuple[str, str], tuple[list[float], list[float]]]:
    """Each row's times and ratios, one per run, in the order the rows were first made."""
    rows: dict[tuple[str, str], tuple[list[float], list[float]]] = {}
    for section, subject, ns, ratio in bench.rows:
        times, ratios = rows.setdefault((section, subject), ([], []))
        times.append(ns)
        ratios.append(ratio)
    return rows


def report(bench: Bench, core_json: Path | None, session_rows: list[str], runs: int,
           openxr_report: Path | None = None) -> str:
    cpu = next((line.split(":", 1)[1].strip() for line in Path("/proc/cpuinfo").read_text().splitlines()
                if line.startswith("model name")), platform.processor())
    lines = [
        "# Benchmark results",
        "",
        "Written by `tools/dev bench`; see docs/costs.md for what they mean for a frame budget.",
        "",
        "## From Python, against what a host would use instead",
        "",
        f"Machine: {cpu}, {os.cpu_count()} cores, {platform.system()} {platform.release()}.  ",
        f"Python {platform.python_version()}; msgspec {msgspec.__version__}, orjson {orjson.__version__}, "
        f"pydantic {pydantic.VERSION}.  ",
        f"{runs} run{'s' if runs > 1 else ''} of the whole set, each the median of {bench.repeat} rounds of "
        f"{bench.number} calls (fewer for the slow worst cases), the subjects of a group taking turns round by "
        "round; the table gives the median over the runs and their range; "
        "ratio: the row's time over the first row of its group (scaling rows: over capacity 240).",
        "",
        "| what | subject | ns per call | range over runs | ratio |",
        "|---|---|---:|---:|---:|",
    ]
    for (section, subject), (times, ratios) in over_runs(bench).items():
        lines.append(f"| {section} | {subject} | {statistics.median(times):,.0f} | "
                     f"{min(times):,.0f}-{max(times):,.0f} | {statistics.median(ratios):.2f}x |")
    lines += goal_rows(bench, core_json)
    lines += instructions.rows(bench.quick)
    lines += core_rows(core_json)
    lines += session_rows
    lines += openxr_rows(openxr_report)
    return "\n".join(lines) + "\n"


def openxr_rows(report: Path | None) -> list[str]:
    """The tick rate the OpenXR host kept against a live Monado in the test run (a measurement
    of the machine as much as of the host, so the test reports it rather than asserting it)."""
    measured = report.read_text().strip() if report is not None and report.is_file() else \
        "not measured in this run: run `tools/dev test` first"
    return ["", "## The OpenXR host against a live runtime", "", f"From the last test run: {measured}."]


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--quick", action="store_true",
                        help="a smoke run: few iterations, numbers not meaningful, nothing written")
    parser.add_argument("--core-json", type=Path, help="Google Benchmark JSON output of bench/core_bench")
    parser.add_argument("--openxr-report", type=Path, help="the tick-rate report the OpenXR test wrote")
    parser.add_argument("--runs", type=int, default=3, help="runs of the whole set, for the ranges (default 3)")
    args = parser.parse_args()
    runs = 1 if args.quick else max(args.runs, 1)
    bench = Bench(args.quick)
    for _ in range(runs):
        encoding(bench)
        decoding(bench)
        timeline_ops(bench)
        per_tick(bench)
        series = scaling(bench)
    text = report(bench, args.core_json, session_bench.rows(args.quick, runs), runs, args.openxr_report)
    print(text)
    if not args.quick:
        (HERE / "results.md").write_text(text)
        plot(series, HERE / "scaling.png")


if __name__ == "__main__":
    main()

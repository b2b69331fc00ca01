"""What session logs cost: recording in the host's tick, and reading and replaying a long log.

An hour at 90 Hz (324,000 frames, an utterance every ten seconds) is recorded through a
Recorder, then replayed with `python -m quillary_spatial replay --verify` in a child process,
which reports its time and peak memory; a minute-long log is replayed the same way, so that
the two peaks show whether memory stays flat. Run by host_bench.py; alone it prints its rows.
"""

from __future__ import annotations

import os
import random
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
import timeit
from pathlib import Path

import inspector_bench
import quillary_spatial as qs
from example_frames import full_example_frame

HERE = Path(__file__).resolve().parent

TICK_NS = 1_000_000_000 // 90

REPLAY_AND_MEASURE = """
import os, resource, sys, time
from quillary_spatial.cli import main
sys.stdout = open(os.devnull, "w")  # the event lines
start = time.perf_counter()
status = main(["replay", sys.argv[1], "--verify"])
seconds = time.perf_counter() - start
print(seconds, resource.getrusage(resource.RUSAGE_SELF).ru_maxrss, status, file=sys.__stdout__)
"""


def record(path: Path, seconds: int) -> int:
    """A session of `seconds` at 90 Hz with an utterance every ten seconds; returns its frames."""
    frame = full_example_frame()
    frame.right_hand_pose = qs.Pose()
    frames = seconds * 90
    rng = random.Random(seconds)
    # Everything a tracker reports moves a little every tick, as it does in a real session.
    moving = [frame.head_pose.position, frame.head_pose.orientation, frame.pointing.ray.origin,
              frame.pointing.ray.direction, frame.left_hand_pose.position, frame.right_hand_pose.position,
              frame.right_hand_pose.orientation, frame.gaze_ray.direction, frame.target.position]
    with qs.Recorder(path, host={"bench": "session_bench"}) as recorder:
        for tick in range(frames):
            frame.timestamp_ns = tick * TICK_NS
            for record in moving:
                record.x += rng.uniform(-0.001, 0.001)
                record.y += rng.uniform(-0.001, 0.001)
            frame.target.host_id = ("table", "lamp", "wall")[tick // 200 % 3]
            recorder.push(frame)
            if tick % 900 == 450:
                recorder.submit_text("put it there", frame.timestamp_ns + 3_000_000)
    return frames


# A typed decoder doing comparable work: every line of the same log decoded, frame lines into
# msgspec Structs of the frame (bench/peers.py), the rest as plain objects.
DECODE_AND_MEASURE = """
import resource, sys, time
import msgspec
from peers import MsFrame
frame = msgspec.json.Decoder(MsFrame)
plain = msgspec.json.Decoder()
prefix = b'{"schema":"quillary.spatial-intent",'
start = time.perf_counter()
with open(sys.argv[1], "rb") as log:
    for line in log:
        (frame if line.startswith(prefix) else plain).decode(line)
seconds = time.perf_counter() - start
print(seconds, resource.getrusage(resource.RUSAGE_SELF).ru_maxrss, 0)
"""


def decode_in_child(path: Path) -> float:
    """Seconds msgspec takes to decode every line of the log, typed, in a fresh interpreter."""
    result = subprocess.run([sys.executable, "-c", DECODE_AND_MEASURE, str(path)], capture_output=True, text=True,
                            env=dict(os.environ, PYTHONPATH=os.pathsep.join([str(HERE), os.environ.get("PYTHONPATH", "")])),
                            check=True)
    return float(result.stdout.split()[0])


def instructions_per_frame(script: str, short: Path, longer: Path, frames: int) -> float | None:
    """callgrind's instruction count of a child's work per frame: the difference between a log
    and a longer one, so that start-up and imports are taken out."""
    if shutil.which("valgrind") is None:
        return None

    def count(path: Path) -> int:
        result = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null", sys.executable,
                                 "-c", script, str(path)], capture_output=True, text=True, check=True,
                                env=dict(os.environ, PYTHONHASHSEED="0",
                                         PYTHONPATH=os.pathsep.join([str(HERE), os.environ.get("PYTHONPATH", "")])))
        return int(re.search(r"Collected : (\d+)", result.stderr)[1])  # type: ignore[index]

    return (count(longer) - count(short)) / frames


def replay_in_child(path: Path) -> tuple[float, float]:
    """Seconds and peak resident MiB of a `replay --verify` of the log, in a fresh interpreter."""
    result = subprocess.run([sys.executable, "-c", REPLAY_AND_MEASURE, str(path)], capture_output=True, text=True,
                            env=dict(os.environ), check=True)
    seconds, peak_kib, status = result.stdout.split()
    if status != "0":
        raise SystemExit(f"replay --verify of {path} failed:\n{result.stderr}")
    return float(seconds), int(peak_kib) / 1024


def recorder_cost(number: int, repeat: int) -> list[tuple[str, str, float]]:
    """Per tick: what a host that writes its frames pays already, and what the recorder pays."""
    frame = full_example_frame()
    timeline = qs.IntentTimeline()
    with tempfile.TemporaryDirectory() as scratch, open(os.path.join(scratch, "frames.jsonl"), "w") as out, \
            qs.Recorder(os.path.join(scratch, "session.jsonl")) as recorder, \
            qs.Recorder(os.path.join(scratch, "session.jsonl.zst")) as compressing:
        def time_ns(call: object) -> float:
            return statistics.median(timeit.repeat(call, number=number, repeat=repeat)) / number * 1e9  # type: ignore[arg-type]

        line = time_ns(lambda: qs.to_jsonl(frame))
        plain = time_ns(lambda: (timeline.push(frame), out.write(qs.to_jsonl(frame) + "\n")))
        recorded = time_ns(lambda: recorder.push(frame))
        compressed = time_ns(lambda: compressing.push(frame))
    return [
        ("record a frame", "to_jsonl(frame)", line),
        ("record a frame", "push + to_jsonl + write (a host logging frames)", plain),
        ("record a frame", "Recorder.push", recorded),
        ("record a frame", "added by the recorder (over a host logging frames)", recorded - plain),
        ("record a frame", "Recorder.push to a .jsonl.zst", compressed),
    ]


def spread(values: list[float], form: str) -> str:
    """The median, and the range when there was more than one run."""
    def shown(value: float) -> str:
        text = form.format(value)
        return text[1:] if text.startswith("-0 ") else text  # a small negative rounds to 0, not -0

    middle = shown(statistics.median(values))
    if len(values) < 2:
        return middle
    return f"{middle} ({shown(min(values))} to {shown(max(values))})"


def rows(quick: bool, runs: int = 1) -> list[str]:
    seconds = 60 if quick else 3600
    lines = ["", "## Session logs (Python)", ""]
    measured: dict[str, tuple[list[float], str]] = {}

    def note(what: str, value: float, form: str) -> None:
        measured.setdefault(what, ([], form))[0].append(value)

    with tempfile.TemporaryDirectory() as scratch:
        short, long = Path(scratch) / "minute.jsonl", Path(scratch) / "session.jsonl"
        middle, packed = Path(scratch) / "ten-minutes.jsonl", Path(scratch) / "session.jsonl.zst"
        two = Path(scratch) / "two-minutes.jsonl"
        short_frames = record(short, 60)
        middle_frames = record(middle, 60 if quick else 600)
        start = time.perf_counter()
        frames = record(long, seconds)
        recording = time.perf_counter() - start
        size = long.stat().st_size
        record(packed, seconds)
        for _ in range(runs):
            # Interleaved: ours and the typed decoder on the same log, one after the other.
            long_s, long_mib = replay_in_child(long)
            decoded = decode_in_child(long)
            middle_s, middle_mib = replay_in_child(middle)
            short_s, short_mib = replay_in_child(short)
            packed_s, packed_mib = replay_in_child(packed)
            note("read and replay the whole log with `replay --verify`", long_s, "{:.2f} s")
            note("its cost per frame", long_s / frames * 1e6, "{:.1f} µs")
            note("msgspec decoding every line of the same log into typed Structs, per frame", decoded / frames * 1e6,
                 "{:.1f} µs")
            note("replay --verify over msgspec's typed decoding (ratio)", long_s / decoded, "{:.2f}")
            note("replay --verify per frame, a one-minute log",
                 short_s / short_frames * 1e6, "{:.1f} µs")
            note("replay --verify per frame, a ten-minute log", middle_s / middle_frames * 1e6, "{:.1f} µs")
            note("peak memory of that replay", long_mib, "{:,.0f} MiB")
            note("peak memory replaying a ten-minute log", middle_mib, "{:,.0f} MiB")
            note("peak memory replaying a one-minute log", short_mib, "{:,.0f} MiB")
            note("the same log compressed (.jsonl.zst): its size", packed.stat().st_size / 2**20, "{:,.1f} MiB")
            note("compressed size over the plain log's (ratio)", packed.stat().st_size / size, "{:.3f}")
            note("replay --verify of the compressed log", packed_s, "{:.2f} s")
            note("peak memory of that replay", packed_mib, "{:,.0f} MiB")
            costs = {subject: ns for _, subject, ns in recorder_cost(200 if quick else 20_000, 3 if quick else 9)}
            for subject, ns in costs.items():
                note(f"record a frame: {subject}", ns, "{:,.0f} ns")
            note("record a frame: Recorder.push to a .jsonl.zst over a host logging frames (ratio)",
                 costs["Recorder.push to a .jsonl.zst"] / costs["push + to_jsonl + write (a host logging frames)"], "{:.2f}")
            for what, value, form in inspector_bench.measure(long, quick):
                note(what, value, form)
            for what, value, form in inspector_bench.many_utterances(quick):
                note(what, value, form)
        if not quick:
            record(two, 120)
            ours = instructions_per_frame(REPLAY_AND_MEASURE, short, two, 60 * 90)
            theirs = instructions_per_frame(DECODE_AND_MEASURE, short, two, 60 * 90)
            if ours is not None and theirs is not None:
                note("instructions per frame (callgrind): replay --verify", ours, "{:,.0f}")
                note("instructions per frame (callgrind): msgspec's typed decoding", theirs, "{:,.0f}")
                note("instructions: replay --verify over msgspec (ratio)", ours / theirs, "{:.2f}")
    lines += [
        f"A log of {seconds} s at 90 Hz: {frames:,} frames, {seconds // 10:,} utterances, {size / 2**20:,.0f} MiB "
        f"(recorded in {recording:.1f} s). {runs} run{'s' if runs > 1 else ''}: the median, and the range.",
        "",
        "| what | value |",
        "|---|---:|",
    ]
    lines += [f"| {what} | {spread(values, form)} |" for what, (values, form) in measured.items()]
    return lines


if __name__ == "__main__":
    print("\n".join(rows("--quick" in sys.argv)))

"""to_jsonl from Python, side by side with what a host might use instead to write the same line.

Each peer encodes data built from our own line (so integral numbers are ints, annotated as
int | float so that msgspec keeps them, and every float already has its 9-digit value): for these inputs every peer must produce our exact bytes, which
is checked before anything is timed. Prints a markdown table of median times per call.
"""

import argparse
import json
import platform
import statistics
import sys
import timeit
from pathlib import Path

import msgspec
import orjson

import _spatial as spatial

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "python"))
from frames import event_for, full_example_frame  # noqa: E402


class RefSpace(msgspec.Struct):
    type: str
    id: str
    generation: int


class PoseS(msgspec.Struct):
    position: list[int | float]
    orientation: list[int | float]


class Pointing(msgspec.Struct):
    source: str
    confidence: str
    origin: list[int | float]
    direction: list[int | float]


class Select(msgspec.Struct):
    pressed: bool
    changed: bool
    last_change_time_ns: int


class Gaze(msgspec.Struct):
    origin: list[int | float]
    direction: list[int | float]


class Target(msgspec.Struct, omit_defaults=True):
    position: list[int | float]
    normal: list[int | float]
    host_id: str | None = None


class Caps(msgspec.Struct):
    head_pose: bool
    action_input: bool
    hand_tracking: bool
    hand_interaction: bool
    eye_gaze: bool
    enabled_extensions: list[str]


class Frame(msgspec.Struct, kw_only=True, omit_defaults=True):
    schema: str
    version: int
    timestamp_ns: int
    timestamp_domain: str
    reference_space: RefSpace
    head: PoseS
    head_tracking: str
    pointing: Pointing | None = None
    primary_select: Select | None = None
    left_hand: PoseS | None = None
    right_hand: PoseS | None = None
    gaze: Gaze | None = None
    target: Target | None = None
    capabilities: Caps


class Event(msgspec.Struct):
    schema: str
    version: int
    timestamp_ns: int
    text: str
    spatial_age_ns: int
    spatial_context: Frame


def median_ns(call, number, repeat):
    runs = timeit.repeat(call, number=number, repeat=repeat)
    return statistics.median(runs) / number * 1e9


def compare(name, record, struct_type, number, repeat):
    ours = spatial.to_jsonl(record)
    data = json.loads(ours)
    struct = msgspec.convert(data, struct_type)
    encoder = msgspec.json.Encoder()
    peers = {
        "msgspec Struct": lambda: encoder.encode(struct),
        "orjson dict": lambda: orjson.dumps(data),
        "json.dumps dict": lambda: json.dumps(data, separators=(",", ":"), ensure_ascii=False),
    }
    for peer, call in peers.items():
        out = call()
        out = out.decode() if isinstance(out, bytes) else out
        if out != ours:
            raise SystemExit(f"{peer} does not write the same line for {name}:\n{out}\n{ours}")
    rows = [("quillary to_jsonl", median_ns(lambda: spatial.to_jsonl(record), number, repeat))]
    rows += [(peer, median_ns(call, number, repeat)) for peer, call in peers.items()]
    return name, len(ours), rows


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--quick", action="store_true", help="a smoke run: few iterations, numbers not meaningful")
    args = parser.parse_args()
    number, repeat = (200, 3) if args.quick else (20000, 15)

    full = full_example_frame()
    cases = [
        compare("default frame", spatial.SpatialIntentFrame(), Frame, number, repeat),
        compare("full frame", full, Frame, number, repeat),
        compare("event", event_for(full, "put it there", 76543211), Event, number, repeat),
    ]
    print(f"Python {platform.python_version()}, msgspec {msgspec.__version__}, orjson {orjson.__version__}, "
          f"{platform.machine()}; median of {repeat} runs of {number} calls")
    print()
    print("| line | bytes | encoder | ns per call | vs ours |")
    print("|---|---:|---|---:|---:|")
    for name, size, rows in cases:
        ours = rows[0][1]
        for encoder, ns in rows:
            print(f"| {name} | {size} | {encoder} | {ns:.0f} | {ns / ours:.2f}x |")


if __name__ == "__main__":
    main()

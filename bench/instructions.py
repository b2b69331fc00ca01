"""The Python-facing goals in instructions, counted by callgrind.

Time on a shared machine varies by more than some of the differences being asked about;
instruction counts do not (the hash seed is fixed, since it changes how dicts probe). They are
not time: orjson, for one, does more per instruction. Each way runs twice, with N and 11 N
calls, in a fresh interpreter; the difference of the two totals over 10 N is one call, with
start-up and imports taken out.
"""

from __future__ import annotations

import os
import re
import shutil
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent

CALLS = """
import json, sys
import orjson
from example_frames import event_for, full_example_frame
from _spatial import to_dict, to_jsonl
frame = full_example_frame()
event = event_for(frame, "put it there", 76_543_211)
frame_dict, event_dict = json.loads(to_jsonl(frame)), json.loads(to_jsonl(event))
way = {{
    "to_dict(frame)": lambda: to_dict(frame),
    "json.loads(to_jsonl(frame))": lambda: json.loads(to_jsonl(frame)),
    "to_jsonl(frame)": lambda: to_jsonl(frame),
    "orjson.dumps(frame dict)": lambda: orjson.dumps(frame_dict),
    "to_jsonl(event)": lambda: to_jsonl(event),
    "orjson.dumps(event dict)": lambda: orjson.dumps(event_dict),
}}[sys.argv[1]]
# Each pair does the same work: the same bytes, or the same dict.
assert orjson.dumps(frame_dict).decode() == to_jsonl(frame) and orjson.dumps(event_dict).decode() == to_jsonl(event)
assert to_dict(frame) == json.loads(to_jsonl(frame))
for _ in range(int(sys.argv[2])):
    way()
"""

PAIRS = [("to_dict(frame)", "json.loads(to_jsonl(frame))"), ("to_jsonl(frame)", "orjson.dumps(frame dict)"),
         ("to_jsonl(event)", "orjson.dumps(event dict)")]


def instructions(way: str, calls: int) -> int:
    script = CALLS.format()
    result = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null", sys.executable, "-c",
                             script, way, str(calls)], capture_output=True, text=True, check=True,
                            env=dict(os.environ, PYTHONHASHSEED="0"))
    return int(re.search(r"Collected : (\d+)", result.stderr)[1])  # type: ignore[index]


def per_call(way: str, calls: int) -> float:
    return (instructions(way, 11 * calls) - instructions(way, calls)) / (10 * calls)


def rows(quick: bool) -> list[str]:
    if shutil.which("valgrind") is None:
        return []
    calls = 100 if quick else 1000
    lines = ["", "## In instructions (callgrind)", "",
             "| ours | instructions per call | peer | instructions per call | ours / peer |", "|---|---:|---|---:|---:|"]
    for ours, peer in PAIRS:
        a, b = per_call(ours, calls), per_call(peer, calls)
        lines.append(f"| {ours} | {a:,.0f} | {peer} | {b:,.0f} | {a / b:.3f} |")
    return lines


if __name__ == "__main__":
    print("\n".join(rows("--quick" in sys.argv)))

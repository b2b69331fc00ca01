"""to_dict against json.loads(to_jsonl(frame)) in instructions, counted by callgrind.

Time on a shared machine varies by more than the difference being asked about; instruction
counts do not (the hash seed is fixed, since it changes how dicts probe). Each way runs twice,
with N and 11 N calls, in a fresh interpreter; the difference of the two totals over 10 N is
the cost of one call, with start-up and import taken out.
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
sys.path.insert(0, {fixtures!r})
from example_frames import full_example_frame
from _spatial import to_dict, to_jsonl
frame = full_example_frame()
if sys.argv[1] == "to_dict":
    for _ in range(int(sys.argv[2])): to_dict(frame)
else:
    for _ in range(int(sys.argv[2])): json.loads(to_jsonl(frame))
"""


def instructions(way: str, calls: int) -> int:
    script = CALLS.format(fixtures=str(HERE.parent / "fixtures"))
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
    to_dict, loads = per_call("to_dict", calls), per_call("loads", calls)
    return ["", "## to_dict in instructions (callgrind)", "",
            "| way | instructions per call |", "|---|---:|",
            f"| to_dict(frame) | {to_dict:,.0f} |",
            f"| json.loads(to_jsonl(frame)) | {loads:,.0f} |",
            f"| difference | {to_dict - loads:+,.0f} ({to_dict / loads - 1:+.2%}) |"]


if __name__ == "__main__":
    print("\n".join(rows("--quick" in sys.argv)))

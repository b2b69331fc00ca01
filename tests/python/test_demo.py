"""The demo host as a user runs it: a subprocess whose every output line is strict JSON."""

import subprocess
import sys
from pathlib import Path

import pytest

from frames import strict_loads

DEMO = Path(__file__).resolve().parents[2] / "examples" / "demo.py"


@pytest.fixture(scope="module")
def demo_run(tmp_path_factory):
    out = tmp_path_factory.mktemp("demo")
    result = subprocess.run(
        [sys.executable, str(DEMO), "--out", str(out / "events.jsonl"), "--frames", str(out / "frames.jsonl"),
         "--record", str(out / "session.jsonl")],
        capture_output=True, text=True, check=True, timeout=120,
    )
    events = [strict_loads(line) for line in (out / "events.jsonl").read_text().splitlines()]
    frames = [strict_loads(line) for line in (out / "frames.jsonl").read_text().splitlines()]
    return result, events, frames, out


def test_each_utterance_refers_to_what_the_script_points_at(demo_run):
    _, events, _, _ = demo_run
    said = [(e["text"], e["spatial_context"]["target"]["host_id"]) for e in events]
    assert said == [
        ("what is that?", "table"),
        ("turn this on", "lamp"),
        ("hang the picture there", "wall"),
        ("put it there", "floor"),
    ]
    for event in events:
        assert event["schema"] == "quillary.contextual-intent"
        assert 0 <= event["spatial_age_ns"] <= 2_000_000_000
        assert event["timestamp_ns"] - event["spatial_age_ns"] == event["spatial_context"]["timestamp_ns"]


def test_the_select_press_is_in_the_context_of_turn_this_on(demo_run):
    _, events, _, _ = demo_run
    turn_on = next(e for e in events if e["text"] == "turn this on")
    assert turn_on["spatial_context"]["primary_select"]["pressed"] is True


def test_frames_are_recorded_at_90_hz_and_grounded(demo_run):
    _, _, frames, _ = demo_run
    assert len(frames) == 360
    steps = {b["timestamp_ns"] - a["timestamp_ns"] for a, b in zip(frames, frames[1:])}
    assert steps <= {11_111_111, 11_111_112}
    assert all(f["schema"] == "quillary.spatial-intent" for f in frames)
    assert {f["target"]["host_id"] for f in frames if "target" in f} >= {"table", "lamp", "wall", "floor"}
    changes = [f["primary_select"]["pressed"] for f in frames if f["primary_select"]["changed"]]
    assert changes == [True, False]


def test_summary_explains_utterances_without_context(demo_run):
    result, _, _, _ = demo_run
    summary = result.stderr
    assert "'' " in summary and "empty text" in summary
    never_mind = next(line for line in summary.splitlines() if "never mind" in line)
    assert "no event" in never_mind and "limit 2000 ms" in never_mind
    assert result.stdout == ""


def test_events_go_to_stdout_without_out(tmp_path):
    result = subprocess.run([sys.executable, str(DEMO)], capture_output=True, text=True, check=True, timeout=120)
    lines = result.stdout.splitlines()
    assert len(lines) == 4
    assert all(strict_loads(line)["schema"] == "quillary.contextual-intent" for line in lines)


def test_help_documents_the_flags():
    result = subprocess.run([sys.executable, str(DEMO), "--help"], capture_output=True, text=True, check=True)
    for flag in ("--out", "--frames", "--record", "--seed"):
        assert flag in result.stdout


def test_the_recorded_session_replays_to_the_events_and_summary_of_the_run(demo_run):
    result, events, _, out = demo_run
    replay = subprocess.run([sys.executable, "-m", "quillary_spatial", "replay", str(out / "session.jsonl"), "--verify"],
                            capture_output=True, text=True, timeout=120)
    assert replay.returncode == 0, replay.stderr
    assert [strict_loads(line) for line in replay.stdout.splitlines()] == events
    summary = subprocess.run([sys.executable, "-m", "quillary_spatial", "summary", str(out / "session.jsonl")],
                             capture_output=True, text=True, check=True, timeout=120)
    # The same explanation for each utterance as the demo gave while it ran.
    ran = [line.split("-> ", 1)[1] for line in result.stderr.splitlines() if "-> " in line]
    replayed = [line.split("-> ", 1)[1] for line in summary.stdout.splitlines() if "-> " in line]
    assert replayed == ran and len(ran) == 6

"""Grounding each deictic word: the put-that-there agent, and a property against the timeline's
own pairing rule."""

import io
import json
import re
import subprocess
import sys
from pathlib import Path

from hypothesis import given, settings
from hypothesis import strategies as st

import quillary_spatial as qs
from frames import full_example_frame
from quillary_spatial.grounding.words import compact_json

REPO = Path(__file__).resolve().parents[2]
EXAMPLE = REPO / "examples" / "put_that_there.py"
GROUNDED = qs.schemas.validator("quillary.grounded-utterance")

# The table's top, where the script rests the pointer (examples/scene.py's aim point).
TABLE_TOP = [-0.3, 0.75, -1.5]
EXPECTED_CALLS = [
    {"tool": "move", "arguments": {"object": "lamp", "destination": {"host_id": "table", "position": TABLE_TOP}}},
    {"tool": "describe", "arguments": {"object": "wall"}},
    {"tool": "refuse", "arguments": {"word": "here", "reason": "nothing_hit",
                                     "message": '"put it here": no referent for "here": the pointer was on nothing'}},
]


def run_example(*args):
    result = subprocess.run([sys.executable, str(EXAMPLE), *map(str, args)], capture_output=True, text=True,
                            check=True, timeout=120)
    return [json.loads(line) for line in result.stdout.splitlines()]


def test_put_that_there_live_and_from_its_recording(tmp_path):
    live = run_example("--grounded", "--record", tmp_path / "session.jsonl")
    grounded, calls = live[0::2], live[1::2]
    assert calls == EXPECTED_CALLS
    for record in grounded:
        GROUNDED.validate(record)
        # A few hundred bytes a word, candidates included.
        assert len(json.dumps(record, separators=(",", ":"))) < 100 + 480 * len(record["references"])
    assert [[r["word"] for r in g["references"]] for g in grounded] == [["that", "there"], ["this"], ["it", "here"]]
    assert run_example("--replay", tmp_path / "session.jsonl") == EXPECTED_CALLS

    # summary of the recording names, word by word, what the agent was given live.
    summary = subprocess.run([sys.executable, "-m", "quillary_spatial", "summary", str(tmp_path / "session.jsonl")],
                             capture_output=True, text=True, check=True).stdout
    per_word = [line.strip() for line in summary.splitlines() if line.startswith(" " * 16) and ": " in line]
    assert per_word == ["words meant: " + ", ".join(
        f"{r['word']}: {r['referent']} ({r['certainty']:.2f}{', ask' if r['ask'] else ''})" if "referent" in r
        else f"{r['word']}: {r['reason']}" for r in g["references"]) for g in grounded]


# A session: frames at increasing (sometimes reset) times, each pointing at one of a few ids or
# at nothing; then an utterance whose words fall anywhere in or around them.
frames_st = st.lists(st.tuples(st.integers(0, 60), st.sampled_from(["lamp", "table", None]), st.booleans()),
                     min_size=0, max_size=25)
words_st = st.lists(st.tuples(st.sampled_from(["put", "that", "There,", "it", "here", "what"]),
                              st.integers(-20, 1500), st.integers(0, 40)), min_size=1, max_size=5)


@settings(max_examples=150, deadline=None)
@given(frames_st, words_st, st.integers(1, 8), st.integers(0, 300))
def test_each_word_is_paired_by_the_timelines_own_rule_and_replays_exactly(steps, words, capacity, max_age):
    log = io.StringIO()
    recorder = qs.Recorder(log, capacity=capacity, max_context_age_ns=max_age)
    plain = qs.IntentTimeline(capacity, max_age)
    t = 0
    for step, host_id, pressed in steps:
        t = t + step if step else max(t - 200, 0)  # a zero step jumps back: a clock reset
        frame = full_example_frame()
        frame.timestamp_ns = t
        frame.primary_select.pressed = pressed
        frame.primary_select.last_change_time_ns = -1
        if host_id is None:
            frame.target = None
        else:
            frame.target.host_id = host_id
        recorder.push(frame)
        plain.push(frame)
    said = [qs.Word(text, start, start + length) for text, start, length in words]
    text = " ".join(w.text for w in said)
    recorder.submit_text(text, 2_000, words=said)
    grounded = qs.ground(recorder, text, said, 2_000)
    GROUNDED.validate(grounded.to_dict())
    at_onset = qs.ground_at_onset(recorder, text, said, 2_000)

    deictic = [i for i, w in enumerate(said) if w.text.strip(",").lower() in qs.DEICTIC_WORDS]
    assert [r.index for r in grounded.references] == [r.index for r in at_onset.references] == deictic
    for ref in at_onset.references:
        word = said[ref.index]
        event = plain.submit_text(word.text, word.start_ns)  # the rule, applied directly
        if event is None:
            assert ref.referent is None and ref.reason in ("no_frame", "before_history", "too_old")
            continue
        target = event.spatial_context.target
        assert ref.context_age_ns == event.spatial_age_ns
        assert ref.referent == (target.host_id if target is not None else None)
        assert ref.reason == (None if target is not None else "nothing_hit")
        ended = plain.submit_text(word.text, word.end_ns)
        assert ref.select_held == any(e is not None and e.spatial_context.primary_select.pressed for e in (event, ended))

    recorder.close()
    (replayed,) = qs.replay(io.BytesIO(log.getvalue().encode()))
    assert replayed.grounded == grounded



@settings(max_examples=300, deadline=None)
@given(st.floats(allow_nan=False, allow_infinity=False))
def test_grounded_records_write_numbers_as_frame_lines_do(x):
    frame = qs.SpatialIntentFrame()
    frame.head_pose.position = qs.Vec3(x, 0, 0)
    as_the_frame_writer_writes_it = re.search(r'"head":\{"position":\[([^,]+),', qs.to_jsonl(frame))[1]
    assert compact_json({"p": [x]}) == '{"p":[' + as_the_frame_writer_writes_it + "]}"

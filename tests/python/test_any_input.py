"""Every value the public types accept, through grounding, recording, replay, reading lines,
summary and MCP over the recording: nothing but the documented errors escapes, every
reference agrees with itself, and a replay gives what the host got.

QUILLARY_PROPERTY_EXAMPLES sets how many sessions are tried (a few dozen by default, so that
CI passes with both cores busy; thousands for a hunt)."""

import contextlib
import io
import json
import math
import os

import pytest
from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st

import quillary_spatial as qs
from quillary_spatial import cli, mcp

INT64_MIN, INT64_MAX = -(2**63), 2**63 - 1
EXAMPLES = int(os.environ.get("QUILLARY_PROPERTY_EXAMPLES") or "40")

# Times anywhere on the clock, crowded near its ends and near zero.
times = st.one_of(st.integers(-3_000_000_000, 3_000_000_000), st.integers(INT64_MIN, INT64_MIN + 3_000_000_000),
                  st.integers(INT64_MAX - 3_000_000_000, INT64_MAX), st.integers(INT64_MIN, INT64_MAX))
coordinates = st.one_of(st.floats(-5, 5), st.floats(allow_nan=True, allow_infinity=True),
                        st.sampled_from([1e308, -1e308, 1e300, -1e300, 5e-324, -5e-324, 2.2e-308, 0.0, -0.0]))
vectors = st.builds(qs.Vec3, coordinates, coordinates, coordinates)
host_ids = st.one_of(st.sampled_from(["lamp", "table", "", "x" * 70_000]), st.text(max_size=4))
hit_ids = st.one_of(host_ids, st.binary(max_size=4))  # a hit's id may be set byte for byte
# Lone surrogates too: a str from a recogniser or an agent may hold them.
texts = st.one_of(st.sampled_from(["that", "There,", "it", "these", "put", "what"]),
                  st.text(st.characters(codec=None, categories=None), max_size=6))


@st.composite
def frames(draw, at_ns):
    frame = qs.SpatialIntentFrame()
    frame.timestamp_ns = at_ns
    frame.head_pose.position = draw(vectors)
    if draw(st.booleans()):
        pointing = qs.PointingIntent()
        pointing.ray = qs.Ray(draw(vectors), draw(vectors))
        pointing.source = draw(st.sampled_from(list(qs.PointingSource.__members__.values())))
        pointing.confidence = draw(st.sampled_from(list(qs.TrackingConfidence.__members__.values())))
        frame.pointing = pointing
    if draw(st.booleans()):
        hit = qs.SpatialHit()
        hit.position, hit.normal = draw(vectors), draw(vectors)
        hit.host_id = draw(st.one_of(st.none(), hit_ids))
        frame.target = hit
    if draw(st.booleans()):
        frame.gaze_ray = qs.Ray(draw(vectors), draw(vectors))
    if draw(st.booleans()):
        select = qs.SelectState()
        select.pressed, select.last_change_time_ns = draw(st.booleans()), draw(times)
        frame.primary_select = select
    return frame


@st.composite
def sessions(draw):
    start = draw(times)
    steps = draw(st.lists(st.one_of(st.integers(0, 40_000_000), st.integers(INT64_MIN, INT64_MAX)), max_size=12))
    moments, t = [], start
    for step in steps:
        t = min(max(t + step, INT64_MIN), INT64_MAX)  # out of order, repeated, pinned at the ends
        moments.append(t)
    pushed = [draw(frames(at)) for at in moments]
    # Words around the frames, or anywhere: out of order, overlapping, ending before they start.
    near = st.one_of(st.sampled_from(moments or [start]), times)
    words = st.lists(st.builds(lambda text, at, length: qs.Word(text, at, min(max(at + length, INT64_MIN), INT64_MAX)),
                               texts, near, st.integers(-10, 900_000_000)), max_size=5)
    utterances = draw(st.lists(st.tuples(words, near, st.booleans()), min_size=1, max_size=3))
    scene = draw(st.lists(st.builds(qs.SceneObject, host_ids, st.tuples(coordinates, coordinates, coordinates),
                                    st.tuples(coordinates, coordinates, coordinates),
                                    st.tuples(coordinates, coordinates, coordinates, coordinates)), max_size=4))
    hits = draw(st.lists(st.one_of(st.none(), st.tuples(hit_ids, vectors, vectors)), min_size=1, max_size=4))
    return dict(capacity=draw(st.sampled_from([1, 2, 240])),
                max_age=draw(st.sampled_from([0, -1, INT64_MIN, 50_000_000, 2_000_000_000, INT64_MAX])),
                frames=pushed, utterances=[(w, " ".join(x.text for x in w), at, first) for w, at, first in utterances],
                scene=scene if draw(st.booleans()) else None, hits=hits)


def raycast_answering(answers):
    """A host's ray cast that answers each ray in turn from a fixed list."""
    calls = iter(range(1 << 30))

    def raycast(ray):
        answer = answers[next(calls) % len(answers)]
        if answer is None:
            return None
        hit = qs.SpatialHit()
        hit.host_id, hit.position, hit.normal = answer
        return hit

    return raycast


def assert_consistent(grounded, with_certainty):
    for ref in grounded.references:
        assert (ref.referent is None) == (ref.reason is not None), ref
        if ref.referent is not None and with_certainty:
            assert ref.candidates and ref.candidates[0].referent == ref.referent, ref
            assert ref.candidates[0].score == ref.certainty and 0.0 <= ref.certainty <= 1.0, ref
        for candidate in ref.candidates or ():
            assert 0.0 <= candidate.score <= 1.0
        assert sum(c.score for c in ref.candidates or ()) <= 1.0 + 1e-2
        for v in (ref.position, ref.normal):
            assert v is None or all(math.isfinite(c) for c in v)
    json.loads(grounded.to_json())


def is_text(text):
    try:
        text.encode()
    except UnicodeEncodeError:
        return False
    return True


@settings(max_examples=EXAMPLES, deadline=None, suppress_health_check=list(HealthCheck))
@given(sessions())
def test_any_session_grounds_records_and_replays_as_the_host_saw_it(tmp_path_factory, session):
    log = tmp_path_factory.mktemp("any") / "session.jsonl"
    recorder = qs.Recorder(log, capacity=session["capacity"], max_context_age_ns=session["max_age"])
    if session["scene"] is not None:
        with contextlib.suppress(ValueError):  # a scene a log cannot hold (NaN, an empty id) is refused whole
            recorder.record_scene(session["scene"], 0)
    for frame in session["frames"]:
        try:
            recorder.push(frame)
        except ValueError:
            continue  # a frame a log cannot hold is refused, and not pushed
        assert qs.to_jsonl(qs.read_line(qs.to_jsonl(frame))) == qs.to_jsonl(frame)

    live = []
    for words, text, at_ns, ground_first in session["utterances"]:
        if any(w.end_ns < w.start_ns for w in words):  # refused alike by grounding and the recorder
            for refused in (lambda: qs.ground(recorder, text, words, at_ns), lambda: qs.ground_at_onset(
                    recorder, text, words, at_ns), lambda: recorder.submit_text("that", at_ns, words=words)):
                with pytest.raises(ValueError, match=r"words\[\d\]\.end_ns: the word ends"):
                    refused()
            continue
        assert_consistent(qs.ground_at_onset(recorder, text, words, at_ns), with_certainty=False)
        recordable = is_text(text)
        if recordable and not ground_first:
            recorder.submit_text(text, at_ns, words=words)
        grounded = qs.ground(recorder, text, words, at_ns, raycast=raycast_answering(session["hits"]))
        assert_consistent(grounded, with_certainty=True)
        if recordable and ground_first:
            recorder.submit_text(text, at_ns, words=words)
        if recordable:
            live.append(grounded)
    recorder.close()

    assert [r.grounded for r in qs.replay(log)] == live
    text, at_ns = session["utterances"][0][1:3]
    words = session["utterances"][0][0]

    with contextlib.redirect_stdout(io.StringIO()) as out, contextlib.redirect_stderr(io.StringIO()):
        assert cli.main(["summary", str(log)]) == 0
    assert out.getvalue()
    if not is_text(text):
        return

    answers = []
    connection = mcp.Connection(mcp.application(mcp.RecordedSession(str(log))), answers.append)
    said = [connection.handle(json.dumps(m)) for m in [
        {"jsonrpc": "2.0", "id": 1, "method": "initialize", "params": {"protocolVersion": "2025-11-25",
                                                                         "capabilities": {}}},
        {"jsonrpc": "2.0", "id": 2, "method": "tools/call", "params": {"name": "ground_utterance", "arguments": {
            "text": text, "timestamp_ns": at_ns,
            "words": [{"text": w.text, "start_ns": w.start_ns, "end_ns": w.end_ns} for w in words]}}},
        {"jsonrpc": "2.0", "id": 3, "method": "tools/call", "params": {"name": "spatial_context",
                                                                         "arguments": {"timestamp_ns": at_ns}}},
        {"jsonrpc": "2.0", "id": 4, "method": "tools/call", "params": {"name": "recent_utterances", "arguments": {}}},
        {"jsonrpc": "2.0", "id": 5, "method": "tools/call", "params": {"name": "scene_objects", "arguments": {}}},
    ]]
    for reply in said:
        answer = json.loads(reply.text)
        assert answer.get("error", {}).get("code") != -32603, answer  # no fault of ours
        reply.text.encode()  # text, whatever it echoes


@settings(max_examples=EXAMPLES * 5, deadline=None)
@given(st.one_of(st.text(st.characters(codec=None, categories=None)), st.binary()), st.data())
def test_any_line_reads_or_says_why_not(tail, data):
    # The start of a real frame line, then anything: the native reader's fast path, then the checker.
    line = data.draw(st.sampled_from(['{"schema":"quillary.spatial-intent","version":1,"timestamp_ns":',
                                      '{"schema":"quillary.spatial-intent","version":1,"a":1,"a":', ""]))
    line = line + tail if isinstance(tail, str) else line.encode() + tail
    for read in (qs.read_line, qs.read_frame):
        with contextlib.suppress(qs.ReadError):
            read(line)


@pytest.mark.parametrize("case", [
    "word at the clock's start", "word at the clock's end", "coordinates 1e300 apart", "nothing behind the referent",
    "lone surrogate str line", "lone surrogate member twice",
])
def test_the_cases_found_by_random_sessions(tmp_path, case):
    frame = qs.SpatialIntentFrame()
    frame.pointing = qs.PointingIntent()
    frame.pointing.ray = qs.Ray(qs.Vec3(0, 1.5, 0), qs.Vec3(0, 0, -1))
    frame.target = qs.SpatialHit()
    frame.target.position, frame.target.host_id = qs.Vec3(0, 1, -2), "lamp"
    word, at_ns = qs.Word("that", 0, 300_000_000), 0
    if case == "word at the clock's start":
        frame.timestamp_ns, word, at_ns = INT64_MIN, qs.Word("that", INT64_MIN + 10, INT64_MIN + 400_000_000), INT64_MIN + 1
    elif case == "word at the clock's end":
        frame.timestamp_ns, word, at_ns = INT64_MAX - 10, qs.Word("that", INT64_MAX - 5, INT64_MAX), INT64_MAX
    elif case == "coordinates 1e300 apart":
        frame.head_pose.position = qs.Vec3(-1e300, 1e300, 1e300)
        frame.pointing.ray = qs.Ray(qs.Vec3(-1e300, 1e300, 1e300), qs.Vec3(1e300, -1e300, -1e300))
        frame.target.position = qs.Vec3(1e300, -1e300, -1e300)
    elif case == "nothing behind the referent":  # the only frame is from long before the word
        frame.timestamp_ns, word = -1_500_000_000, qs.Word("that", 0, 1)
    elif case.startswith("lone surrogate"):
        line = qs.to_jsonl(frame)
        line = line.replace('"lamp"', '"\ud800"') if case.endswith("line") else \
            line.replace('"timestamp_ns":0', '"\\ud800":1,"\\ud800":2,"timestamp_ns":0')
        with pytest.raises(qs.ReadError, match="lone surrogate" if case.endswith("line") else "member given twice"):
            qs.read_line(line)
        return
    with qs.Recorder(tmp_path / "s.jsonl") as recorder:
        recorder.push(frame)
        recorder.submit_text("that", at_ns, words=[word])
        live = qs.ground(recorder, "that", [word], at_ns)
    (ref,) = live.references
    assert ref.referent == "lamp" and ref.candidates[0].referent == "lamp" and ref.candidates[0].score == ref.certainty
    (replayed,) = qs.replay(tmp_path / "s.jsonl")
    assert replayed.grounded == live

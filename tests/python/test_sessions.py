"""Reading lines back, session logs, replay and explanations, as a host and an agent developer use them."""

import io
import os
import json
import subprocess
import sys
import textwrap

import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

import quillary_spatial as qs
from frames import event_for, events, frames, full_example_frame


@settings(max_examples=300, deadline=None)
@given(frames())
def test_every_frame_line_reads_back_to_the_same_bytes(frame):
    line = qs.to_jsonl(frame)
    assert qs.to_jsonl(qs.read_frame(line)) == line
    # A dict says what the line says, but for the sign of a zero (json reads -0 as the int 0).
    assert qs.to_dict(qs.frame_from_dict(qs.to_dict(frame))) == qs.to_dict(frame)


@settings(max_examples=150, deadline=None)
@given(events())
def test_every_event_line_reads_back_as_a_real_event_with_the_same_bytes(event):
    line = qs.to_jsonl(event)
    read = qs.read_line(line)
    assert isinstance(read, qs.ContextualIntentEvent)
    assert qs.to_jsonl(read) == line


# --- bad input: one table, every case a clear message naming the member ---------------------

FULL = qs.to_dict(full_example_frame())


def changed(path, value, base=FULL):
    record = json.loads(json.dumps(base))
    *parents, last = path
    target = record
    for step in parents:
        target = target[step]
    if value is DELETE:
        del target[last]
    else:
        target[last] = value
    return json.dumps(record, allow_nan=True)


DELETE = object()
EVENT = qs.to_dict(event_for(full_example_frame(), "put it there", 5))

BAD_LINES = [
    ("{not json", "not JSON"),
    ("[1, 2]", "expected an object"),
    (changed(["schema"], "quillary.other"), 'schema: expected "quillary.spatial-intent"'),
    (changed(["version"], 2), "version: unsupported version 2"),
    (changed(["version"], True), "version: unsupported version true"),
    (changed(["timestamp_ns"], "1"), "timestamp_ns: expected an integer"),
    (changed(["timestamp_ns"], 2**63), "timestamp_ns: 9223372036854775808 is out of range"),
    (changed(["timestamp_ns"], 1.0), "timestamp_ns: expected an integer, got 1.0"),
    (changed(["reference_space", "generation"], -1), "reference_space.generation: -1 is out of range"),
    (changed(["reference_space", "generation"], 2**64), "reference_space.generation: 18446744073709551616 is out"),
    (changed(["pointing", "source"], "laser"), 'pointing.source: unknown value "laser"'),
    (changed(["head_tracking"], 2), "head_tracking: expected a string"),
    (changed(["head"], DELETE), "head: missing member"),
    (changed(["gaze", "origin"], DELETE), "gaze.origin: missing member"),
    (changed(["laser"], 1), "laser: unknown member"),
    (changed(["target", "colour"], "red"), "target.colour: unknown member"),
    (changed(["head", "position"], [1, 2]), "head.position: expected an array of 3 numbers"),
    (changed(["head", "orientation"], [0, 0, "0", 1]), "head.orientation[2]: expected a number or null"),
    (changed(["head", "position"], [float("nan"), 0, 0]), "NaN is not JSON"),
    (changed(["primary_select", "pressed"], 1), "primary_select.pressed: expected true or false"),
    (changed(["capabilities", "enabled_extensions"], ["a", 3]), "capabilities.enabled_extensions[1]: expected a string"),
    (changed(["timestamp_domain"], "\ud800"), "timestamp_domain: string holds a lone surrogate"),
    (changed(["spatial_context", "pointing", "source"], "laser", EVENT), 'spatial_context.pointing.source: unknown value "laser"'),
    (changed(["spatial_age_ns"], 6, EVENT), "spatial_age_ns: 6 is not timestamp_ns minus spatial_context.timestamp_ns (5)"),
    (changed(["spatial_age_ns"], -1, EVENT), "spatial_age_ns: -1 is out of range"),
    (changed(["text"], "", EVENT), "text: empty text"),
    ("[" * 100_000, "not JSON (nested too deeply)"),
    (changed(["head", "position"], [10**400, 0, 0]), "head.position[0]: 1000000000000"),
    (changed(["head", "position"], [1.5, 0, 0]).replace("1.5", "1e400"), "head.position[0]: Infinity is beyond a 64-bit float"),
    (changed(["timestamp_ns"], 10**400), "timestamp_ns: 1000"),
    (changed(["timestamp_domain"], "a").replace('"timestamp_domain": "a"', '"timestamp_domain": "a", "timestamp_domain": "b"'),
     "timestamp_domain: member given twice"),
]


@pytest.mark.parametrize("line, message", BAD_LINES, ids=[m.split(":")[0] for _, m in BAD_LINES])
def test_bad_lines_are_refused_naming_the_member(line, message):
    with pytest.raises(qs.ReadError) as raised:
        qs.read_line(line)
    assert message in str(raised.value)


def test_a_bad_record_in_a_log_names_the_file_and_line(tmp_path):
    log = tmp_path / "session.jsonl"
    with qs.Recorder(log) as recorder:
        recorder.push(full_example_frame())
    log.write_text(log.read_text() + changed(["pointing", "source"], "laser") + "\n")
    with pytest.raises(qs.ReadError, match=r'^.*session\.jsonl:3: pointing\.source: unknown value "laser"'):
        list(qs.read_session(log))


# --- random sessions: replayed exactly, every utterance explained as the rules say -------------

# A session is a list of steps: ("push", time) or ("say", text, time). Times wander forward,
# sometimes jump back (a clock reset); texts are sometimes empty; some come long after the
# newest frame (stale) or before the history (dropped at capacity, or cleared by a reset).
steps = st.lists(
    st.one_of(
        st.tuples(st.just("push"), st.integers(-50, 400)),
        st.tuples(st.just("say"), st.sampled_from(["put that there", "", "this?"]), st.integers(-100, 500)),
    ),
    max_size=40,
)


def expected_outcome(pushed, capacity, max_age, text, t):
    """The rules, worked out from the whole push history (not incrementally, as the library is)."""
    if not text:
        return ("empty_text",)
    resets = [i for i in range(1, len(pushed)) if pushed[i] < pushed[i - 1]]
    since = pushed[resets[-1]:] if resets else pushed
    held = since[-max(capacity, 1):]
    if not held:
        return ("no_frame",)
    if t < held[0]:
        start = "capacity" if len(since) > len(held) else "reset" if resets else "first_frame"
        return ("before_history", held[0], start)
    age = t - max(x for x in held if x <= t)
    return ("event", age) if age <= max(max_age, 0) else ("too_old", age - max(max_age, 0))


def outcome_of(explanation):
    e = explanation
    if e.outcome == "before_history":
        return (e.outcome.value, e.history_start_ns, e.history_start.value)
    if e.outcome == "too_old":
        return (e.outcome.value, e.too_old_by_ns)
    return (e.outcome.value, e.age_ns) if e.outcome == "event" else (e.outcome.value,)


@settings(max_examples=200, deadline=None)
@given(steps, st.integers(0, 4), st.integers(-5, 120))
def test_random_sessions_replay_exactly_and_every_reason_matches_the_rules(session, capacity, max_age):
    log = io.StringIO()
    recorder = qs.Recorder(log, capacity=capacity, max_context_age_ns=max_age, host={"test": True})
    pushed, expected = [], []
    for step in session:
        if step[0] == "push":
            frame = full_example_frame()
            frame.timestamp_ns = step[1]
            recorder.push(frame)
            pushed.append(step[1])
        else:
            recorder.submit_text(step[1], step[2])
            expected.append(expected_outcome(pushed, capacity, max_age, step[1], step[2]))
            assert outcome_of(recorder.last_explanation) == expected[-1]
    recorder.close()

    replayed = list(qs.replay(io.BytesIO(log.getvalue().encode())))
    assert [outcome_of(r.explanation) for r in replayed] == expected
    assert all(qs.first_difference(r) is None for r in replayed)


# --- the command line and a host that dies ------------------------------------------------------

HOST_THAT_DIES = textwrap.dedent("""
    import os, sys
    import quillary_spatial as qs
    from frames import full_example_frame
    MS = 1_000_000
    recorder = qs.Recorder(sys.argv[1], max_context_age_ns=50 * MS, flush_every=10)
    for step in range(100):
        frame = full_example_frame()
        frame.timestamp_ns = step * 10 * MS
        recorder.push(frame)
        if step % 10 == 5:  # every 100 ms; every other one 60 ms late, past the maximum age
            recorder.submit_text(f"at {step}", frame.timestamp_ns + 60 * MS * (step % 20 == 5))
        if step == 73:  # the host dies inside its next write, half a line out
            real_write = os.write
            os.write = lambda fd, data: (real_write(fd, bytes(data[:30])), os._exit(1))
""")

def run(*args):
    return subprocess.run([sys.executable, "-m", "quillary_spatial", *map(str, args)], capture_output=True, text=True)


def test_a_host_that_dies_leaves_a_log_that_replays_up_to_its_last_whole_line(tmp_path):
    log = tmp_path / "died.jsonl"
    fixtures = os.path.dirname(__import__("frames").__file__)
    env = dict(os.environ, PYTHONPATH=os.pathsep.join([fixtures, os.environ.get("PYTHONPATH", "")]))
    subprocess.run([sys.executable, "-c", HOST_THAT_DIES, str(log)], check=False, env=env)
    result = run("replay", log, "--verify")
    assert result.returncode == 0, result.stderr
    assert "ends mid-record" in result.stderr and "identical" in result.stderr
    assert [json.loads(line)["text"] for line in result.stdout.splitlines()] == ["at 15", "at 35", "at 55"]
    summary = run("summary", log)
    assert summary.stdout.count("too old by 10.0 ms") == 4


@pytest.mark.parametrize("args, status, message", [
    (["--max-context-age-ns", "1"], 1, "verify: "),
    ([], 0, "verify: every event is identical"),
    (["--capacity", "-1"], 2, "outside"),
])
def test_replay_exit_status(tmp_path, args, status, message):
    log = tmp_path / "s.jsonl"
    with qs.Recorder(log) as recorder:
        frame = full_example_frame()
        recorder.push(frame)
        recorder.submit_text("put it there", frame.timestamp_ns + 10)
    result = run("replay", log, "--verify", *args)
    assert result.returncode == status and message in result.stderr


def test_an_overlong_line_is_refused_without_being_read_whole(tmp_path, monkeypatch):
    from quillary_spatial.log import reader
    monkeypatch.setattr(reader, "MAX_LINE_BYTES", 1_000)
    log = tmp_path / "long.jsonl"
    with qs.Recorder(log) as recorder:
        recorder.push(full_example_frame())  # a line of about 1 kB, and a longer one
        frame = full_example_frame()
        frame.timestamp_domain = "x" * 2_000
        recorder.push(frame)
    with pytest.raises(qs.ReadError, match=r"long\.jsonl:3: line is longer than 1000 bytes"):
        list(qs.read_session(log))


@pytest.mark.parametrize("content", ["", "{}\n", '{"schema":"quillary.session","version":1}\n', "\xff\n"])
def test_bad_logs_exit_2_with_one_line_and_no_traceback(tmp_path, content):
    log = tmp_path / "bad.jsonl"
    log.write_bytes(content.encode("latin-1"))
    result = run("replay", log)
    assert result.returncode == 2
    assert len(result.stderr.splitlines()) == 1 and "bad.jsonl" in result.stderr and "Traceback" not in result.stderr

"""A recorded session is never lost, corrupted or refused, and no input escapes as a traceback:
bad calls to the recorder, writes that fail, damaged logs, a command line in a pipe, and the
inspector's server."""

import contextlib
import errno
import io
import math
import os
import signal
import socket
import subprocess
import sys
import threading
import time
import http.client
from decimal import Decimal

import pytest
from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st

import quillary_spatial as qs
from frames import full_example_frame
from quillary_spatial import cli, inspector
from quillary_spatial.log.checks import MAX_FREE_FORM_DEPTH

MS = 1_000_000


def frame_at(t_ns, host_id="table-7", select_changed_ns=None):
    frame = full_example_frame()
    frame.timestamp_ns = t_ns
    frame.target.host_id = host_id
    if select_changed_ns is not None:
        frame.primary_select.pressed = False
        frame.primary_select.last_change_time_ns = select_changed_ns
    return frame


def scripted_session(recorder, utterances=4):
    """A host's session: a frame every 10 ms, the pointer on the lamp, then the table, and an
    utterance with its words every 100 ms, every other one too late for an event; its scene first."""
    yield lambda: recorder.record_scene([qs.SceneObject("lamp", (0.35, 1.0, -1.65), (0.2, 0.5, 0.2))], 0)
    for step in range(10 * utterances):
        t = step * 10 * MS
        yield lambda t=t, step=step: recorder.push(frame_at(t, "lamp" if step % 20 < 10 else "table"))
        if step % 10 == 5:
            said = t + 3 * MS * (step % 20 == 15) * 1000
            words = [qs.Word("put", said - 4 * MS, said - 3 * MS), qs.Word("that", said - 2 * MS, said - MS)]
            yield lambda said=said, words=words: recorder.submit_text("put that", said, words=words)


def record(log, **options):
    with qs.Recorder(log, max_context_age_ns=50 * MS, flush_every=4, **options) as recorder:
        for call in scripted_session(recorder):
            call()


# --- what the recorder refuses, and that a refusal changes nothing ---------------------------------

class Index:
    def __index__(self):
        return 57 * MS


REFUSED = [
    (lambda r: r.submit_text("put that", 10, words=[qs.Word("that", 5, 1)]), ValueError, "words[0].end_ns"),
    (lambda r: r.submit_text("put that", 10, words=[qs.Word("that", 5.0, 6)]), TypeError, "words[0].start_ns"),
    (lambda r: r.submit_text("put that", 10, words=[qs.Word("that", 1, 2**63)]), TypeError, "words[0].end_ns"),
    (lambda r: r.submit_text("put that", 10, words=[qs.Word(b"that", 1, 2)]), TypeError, "words[0].text"),
    (lambda r: r.submit_text("put that", 10, words=[qs.Word("th\ud800t", 1, 2)]), ValueError, "words[0].text"),
    (lambda r: r.submit_text("put that", 10, words=["that"]), TypeError, "words[0]"),
    (lambda r: r.submit_text("put th\ud800t", 10), ValueError, "text"),
    (lambda r: r.submit_text(b"put \xff", 10), UnicodeDecodeError, "utf-8"),
    (lambda r: r.submit_text(5, 10), TypeError, "text"),
    (lambda r: r.submit_text("put that", 1.5), TypeError, "timestamp_ns"),
    (lambda r: r.record_scene([box(size=(1, -1, 0))], 0), ValueError, "objects[0].size"),
    (lambda r: r.record_scene([box(orientation=(0, 0, 0, 0))], 0), ValueError, "objects[0].orientation"),
    (lambda r: r.record_scene([box(position=(math.nan, 0, 0))], 0), ValueError, "objects[0].position[0]"),
    (lambda r: r.record_scene([box(position=(0, 0))], 0), ValueError, "objects[0].position"),
    (lambda r: r.record_scene([box(), box("table"), box()], 0), ValueError, "objects[2].id"),
    (lambda r: r.record_scene([box(id=7)], 0), ValueError, "objects[0].id"),
    (lambda r: r.record_scene(["lamp"], 0), TypeError, "objects[0]"),
    (lambda r: r.record_scene("lamp", 0), TypeError, "objects"),
    (lambda r: r.record_scene([box()], 0.5), TypeError, "timestamp_ns"),
]


def box(id="lamp", position=(0.35, 1.0, -1.65), size=(0.2, 0.5, 0.2), orientation=(0.0, 0.0, 0.0, 1.0)):
    return qs.SceneObject(id, position, size, orientation)


def test_a_scene_reads_back_and_replays_as_recorded(tmp_path):
    log = tmp_path / "s.jsonl"
    room = (box(), box("tilted", (1e-7, 0.1 + 0.2, -3), (0.0, 2.5, 1 / 3), (0.0, 0.38268343, 0.0, 0.92387953)))
    with qs.Recorder(log) as recorder:
        recorder.record_scene(room, -5)
        recorder.push(frame_at(0))
        recorder.record_scene(room[1:], 7)  # the lamp is taken away
    read = [e.record for e in qs.read_session(log) if isinstance(e.record, qs.Scene)]
    assert read == [qs.Scene(-5, room), qs.Scene(7, room[1:])]
    seen = []
    replay = qs.Replay(log, on_scene=seen.append)
    assert list(replay) == [] and seen == read and replay.scene == read[-1]


@pytest.mark.parametrize("call, error, member", REFUSED, ids=[m for *_, m in REFUSED])
def test_a_refused_call_names_the_member_and_changes_nothing(tmp_path, call, error, member):
    log = tmp_path / "s.jsonl"
    recorder = qs.Recorder(log, max_context_age_ns=50 * MS)
    recorder.push(frame_at(0))
    recorder.submit_text("put that", 1 * MS)
    before, explanation = log.read_bytes(), recorder.last_explanation
    with pytest.raises(error, match=member.replace("[", r"\[").replace("]", r"\]")):
        call(recorder)
    recorder.flush()
    assert log.read_bytes() == before and recorder.last_explanation is explanation
    recorder.close()
    assert [type(e.record).__name__ for e in qs.read_session(log)] == \
        ["SessionHeader", "SpatialIntentFrame", "Utterance", "ContextualIntentEvent"]


@pytest.mark.parametrize("at", [Index(), Decimal(57 * MS), True], ids=["__index__", "Decimal", "bool"])
def test_integer_likes_are_recorded_as_the_timeline_takes_them(tmp_path, at):
    log = tmp_path / "s.jsonl"
    with qs.Recorder(log) as recorder:
        recorder.push(frame_at(0))
        event = recorder.submit_text("put that", at, words=[qs.Word("that", at, at)])
    utterance, recorded = [e.record for e in qs.read_session(log)][2:]
    assert utterance.timestamp_ns == event.timestamp_ns == recorded.timestamp_ns == int(at)
    assert utterance.words == (qs.Word("that", int(at), int(at)),)


def open_descriptors():
    return len(os.listdir("/proc/self/fd"))


@pytest.mark.parametrize("host, error", [
    ({"tags": {1, 2}}, TypeError), ({"scale": math.nan}, ValueError), ({"who": "\ud800"}, ValueError),
    ({"\ud800": 1}, ValueError), ({"deep": [[[[[[[[[[[[[[[[0]]]]]]]]]]]]]]]] * 5}, None),
], ids=["set", "nan", "surrogate", "surrogate key", "nesting"])
def test_a_header_that_cannot_be_written_is_refused_before_the_file_is_touched(tmp_path, host, error):
    log = tmp_path / "kept.jsonl"
    log.write_text("what was here before\n")
    if error is None:  # nesting: deeper than a reader takes is refused, as deep as it takes is not
        deep: object = 0
        for _ in range(MAX_FREE_FORM_DEPTH - 1):  # the host object is the first level
            deep = [deep]
        qs.Recorder(tmp_path / "ok.jsonl", host={"deep": deep}).close()
        assert next(iter(qs.read_session(tmp_path / "ok.jsonl"))).record.host == {"deep": deep}
        host, error = {"deep": [deep]}, ValueError
    opened = open_descriptors()
    with pytest.raises(error, match="host"):
        qs.Recorder(log, host=host)
    assert log.read_text() == "what was here before\n" and open_descriptors() == opened


def test_a_log_that_cannot_be_written_at_all_leaves_no_file_open():
    opened = open_descriptors()
    with pytest.raises(OSError):
        qs.Recorder("/dev/full")
    assert open_descriptors() == opened


# --- writes that fail: every write of a scripted session in turn ------------------------------------

class FailingWrites:
    """os.write to one file that, at its Nth call, writes half and then fails on the call after
    (a disk filling up), or fails outright, once; every other call goes through."""

    def __init__(self, path, fail_at, half):
        self.path, self.fail_at, self.half = str(path), fail_at, half
        self.calls, self.failed = 0, False
        self.real = os.write

    def __call__(self, fd, data):
        if os.readlink(f"/proc/self/fd/{fd}") != self.path:
            return self.real(fd, data)
        self.calls += 1
        if self.calls == self.fail_at and self.half and len(data) > 1:
            return self.real(fd, bytes(data[:len(data) // 2]))
        if self.calls == self.fail_at + self.half:
            self.failed = True
            raise OSError(errno.ENOSPC, os.strerror(errno.ENOSPC))
        return self.real(fd, data)


def lines_of(path):
    return [entry.line for entry in qs.read_session(path)]


def record_through_failures(log, writes, monkeypatch, cut_back):
    """Runs the scripted session, going on after a call that raised as a host would (making
    the recorder again if that raised); where the file can be cut back, the log must end at a
    whole line after each failure and hold exactly what it reports."""
    if not cut_back:
        monkeypatch.setattr(os, "ftruncate", lambda fd, size: (_ for _ in ()).throw(OSError(errno.EINVAL, "a pipe")))
    monkeypatch.setattr(os, "write", writes)
    while True:
        with contextlib.suppress(OSError):
            recorder = qs.Recorder(log, max_context_age_ns=50 * MS, flush_every=4)
            break
    for call in scripted_session(recorder):
        try:
            call()
        except OSError:
            if cut_back:
                content = log.read_bytes()
                assert content.endswith(b"\n")
                assert len(lines_of(log)) == content.count(b"\n")  # no cut record, nothing refused
    recorder.close()
    monkeypatch.undo()


@pytest.mark.parametrize("cut_back", [True, False], ids=["file", "file that cannot be cut back"])
@pytest.mark.parametrize("half", [False, True], ids=["fails", "writes half, then fails"])
def test_every_failed_write_leaves_whole_lines_and_the_log_ends_complete(tmp_path, monkeypatch, half, cut_back):
    record(tmp_path / "clean.jsonl")
    clean = (tmp_path / "clean.jsonl").read_bytes()
    counter = FailingWrites(tmp_path / "count.jsonl", 0, False)
    with monkeypatch.context() as m:
        m.setattr(os, "write", counter)
        record(tmp_path / "count.jsonl")
    assert counter.calls > 10
    for fail_at in range(1, counter.calls + 1):
        log = tmp_path / f"failing-{fail_at}.jsonl"
        writes = FailingWrites(log, fail_at, half)
        record_through_failures(log, writes, monkeypatch, cut_back)
        assert writes.failed
        assert log.read_bytes() == clean, f"write {fail_at} failed"


class Stream(io.StringIO):
    def __init__(self, seekable, fail_at):
        super().__init__()
        self._seekable, self.fail_at, self.writes = seekable, fail_at, 0

    def seekable(self):
        return self._seekable

    def write(self, text):
        self.writes += 1
        if self.writes == self.fail_at:
            super().write(text[:len(text) // 2])  # the stream took half before it raised
            if not self._seekable:
                raise OSError(errno.EIO, "half taken")
            raise OSError(errno.EIO, "failed")
        return super().write(text)


def test_a_seekable_stream_is_put_back_after_a_failed_write():
    clean = Stream(True, 0)
    record(clean)
    for fail_at in range(1, clean.writes + 1):
        stream = Stream(True, fail_at)
        record_going_on(stream)
        assert stream.getvalue() == clean.getvalue(), f"write {fail_at} failed"


def record_going_on(log):
    while True:
        with contextlib.suppress(OSError):
            recorder = qs.Recorder(log, max_context_age_ns=50 * MS, flush_every=4)
            break
    for call in scripted_session(recorder):
        with contextlib.suppress(OSError):
            call()
    recorder.close()


def test_close_closes_even_when_the_last_write_fails(tmp_path, monkeypatch):
    log = tmp_path / "s.jsonl"
    recorder = qs.Recorder(log)
    recorder.push(frame_at(0))
    opened = open_descriptors()
    monkeypatch.setattr(os, "write", FailingWrites(log, 1, False))
    with pytest.raises(OSError):
        recorder.close()
    assert open_descriptors() == opened - 1


def record_compressed_through_failure(log, fail_at=0, half=False, at_close=False):
    """The scripted session into a compressed log whose native writer fails its fail_at-th
    write (0: none), or close's write, going on after a call that raised as a host would;
    how many writes it made before close."""
    recorder = qs.Recorder(log, max_context_age_ns=50 * MS, flush_every=4)
    writer = recorder._output._compressed
    writer.fail_write(fail_at, half)
    for call in scripted_session(recorder):
        with contextlib.suppress(OSError):
            call()
    writer.wait_idle()
    writes = writer.writes
    assert writer.injected == (0 < fail_at <= writes)  # the failure asked for happened, once
    # A busy machine merges batches into fewer writes: a failure asked for beyond them would
    # land on close's write, which only at_close is about.
    writer.fail_write(1 if at_close else 0, half)
    recorder.close()
    return writes


@pytest.mark.parametrize("half", [False, True], ids=["fails", "writes half, then fails"])
def test_every_failed_write_of_a_compressed_log_leaves_it_complete_in_the_end(tmp_path, half):
    clean = tmp_path / "clean.jsonl.zst"
    writes = record_compressed_through_failure(clean)
    # Every write but close's, which ends the stream: the log comes out as if none had failed.
    for fail_at in range(1, writes + 1):
        log = tmp_path / f"failing-{fail_at}.jsonl.zst"
        record_compressed_through_failure(log, fail_at, half)
        assert log.read_bytes() == clean.read_bytes(), f"write {fail_at} failed"
    # Close's write failing: close says so; every record is there, and the log says it was not finished.
    log = tmp_path / "unfinished.jsonl.zst"
    with pytest.raises(OSError):
        record_compressed_through_failure(log, half=half, at_close=True)
    read = []
    with pytest.raises(qs.TruncatedLog):
        for entry in qs.read_session(log):
            read.append(entry.line)
    assert read == [e.line for e in qs.read_session(clean)]


def test_the_log_is_flushed_as_often_as_the_policy_says(tmp_path):
    # A host that dies loses at most the frames since the last flush: a second at 90 Hz.
    log = tmp_path / "s.jsonl"
    recorder = qs.Recorder(log)
    for step in range(89):
        recorder.push(frame_at(step * MS))
    assert log.read_text().count("\n") == 1
    recorder.push(frame_at(89 * MS))
    assert log.read_text().count("\n") == 91
    recorder.submit_text("that", 90 * MS)
    assert log.read_text().count("\n") == 93  # an utterance and its event go out at once


# --- damaged logs: every command answers with a status, never a traceback ----------------------------

@pytest.fixture(scope="module")
def real_log(tmp_path_factory):
    log = tmp_path_factory.mktemp("log") / "session.jsonl"
    record(log)
    return log.read_bytes()


damage = st.lists(st.one_of(
    st.tuples(st.just("cut"), st.floats(0, 1)),
    st.tuples(st.just("flip"), st.floats(0, 1), st.integers(1, 255)),
    st.tuples(st.just("insert"), st.floats(0, 1), st.sampled_from([b"", b"{", b"[" * 5000, b"\r", b"1e400", b"\xff"])),
    st.tuples(st.just("double"), st.floats(0, 1)),
), min_size=1, max_size=3)


def damaged(content, operations):
    for op, where, *more in operations:
        at = int(where * len(content))
        if op == "cut":
            content = content[:at]
        elif op == "flip":
            content = content[:at] + bytes([content[at] ^ more[0]]) + content[at + 1:] if at < len(content) else content
        else:
            lines = content.split(b"\n")
            i = min(int(where * len(lines)), len(lines) - 1)
            lines.insert(i, more[0] if op == "insert" else lines[i])
            content = b"\n".join(lines)
    return content


@settings(max_examples=60, deadline=None, suppress_health_check=[HealthCheck.function_scoped_fixture])
@given(damage)
def test_damaged_logs_get_an_exit_status_and_no_traceback(tmp_path, real_log, capsys, operations):
    log = tmp_path / "damaged.jsonl"
    log.write_bytes(damaged(real_log, operations))
    for args in (["summary"], ["replay"], ["replay", "--verify"], ["view", "--html", str(tmp_path / "page.html")]):
        status = cli.main([*args, str(log)])
        out, err = capsys.readouterr()
        assert status in (0, 1, 2), (args, err)
        assert "Traceback" not in err and len(err.strip().splitlines()) <= 3, (args, err)


def test_replay_is_as_strict_as_the_reader_and_the_page_keeps_what_came_before(tmp_path, real_log):
    log = tmp_path / "s.jsonl"
    lines = real_log.split(b"\n")
    # A huge integer in the frame an utterance pairs with, then a damaged last line.
    lines[5] = lines[5].replace(b'"position":[0.1,0.75', b'"position":[' + b"9" * 400 + b",0.75", 1)
    log.write_bytes(b"\n".join(lines))
    with pytest.raises(qs.ReadError, match="s.jsonl:6: target.position"):
        list(qs.read_session(log))
    assert cli.main(["replay", str(log)]) == 2
    log.write_bytes(real_log.rstrip(b"\n") + b"\nhello\n")
    data = inspector.session_data(str(log), "s.jsonl")
    assert data["error"]["line"] == len(real_log.split(b"\n"))
    assert len(data["utterances"]) == real_log.count(b'"schema":"quillary.utterance"')


@pytest.mark.parametrize("tail, status, said", [
    (b"hello", 2, "not JSON"),  # whole but wrong: not a cut
    (b'{"schema":"quillary.spatial-intent","version":1,"timestamp_ns":12', 0, "ends mid-record"),
    (None, 0, "identical"),  # the last event line cut in half
], ids=["invalid last line", "cut frame", "cut event"])
def test_only_a_cut_off_record_is_truncation(tmp_path, real_log, capsys, tail, status, said):
    log = tmp_path / "s.jsonl"
    if tail is None:
        lines = real_log.split(b"\n")
        last = max(i for i, line in enumerate(lines) if b"quillary.contextual-intent" in line)
        log.write_bytes(b"\n".join(lines[:last]) + b"\n" + lines[last][:len(lines[last]) // 2])
    else:
        log.write_bytes(real_log + tail)
    assert cli.main(["replay", "--verify", str(log)]) == status
    assert said in capsys.readouterr().err


def test_a_log_with_crlf_line_ends_replays_identically(tmp_path, real_log, capsys):
    log = tmp_path / "s.jsonl"
    log.write_bytes(real_log.replace(b"\n", b"\r\n"))
    assert cli.main(["replay", "--verify", str(log)]) == 0
    assert "identical" in capsys.readouterr().err


# --- the command line in a pipe, and what it prints ---------------------------------------------

def run(*args, **options):
    return subprocess.run([sys.executable, "-m", "quillary_spatial", *map(str, args)], capture_output=True,
                          text=True, **options)


def test_a_closed_pipe_ends_replay_quietly(tmp_path):
    log = tmp_path / "long.jsonl"
    with qs.Recorder(log) as recorder:
        for step in range(300):  # far more event lines than a pipe holds
            recorder.push(frame_at(step * MS))
            recorder.submit_text("that", step * MS)
    result = subprocess.run(["bash", "-c", f'{sys.executable} -m quillary_spatial replay "$1" | head -1 >/dev/null; '
                             'exit ${PIPESTATUS[0]}', "-", str(log)], capture_output=True, text=True)
    assert (result.returncode, result.stderr) == (0, "")


def test_output_that_cannot_be_written_is_blamed_on_the_output(tmp_path, real_log):
    log = tmp_path / "s.jsonl"
    log.write_bytes(real_log)
    with open("/dev/full", "w") as full:
        result = subprocess.run([sys.executable, "-m", "quillary_spatial", "replay", str(log)], stdout=full,
                                stderr=subprocess.PIPE, text=True)
    assert result.returncode == 2
    assert "cannot write the output: No space left on device" in result.stderr and str(log) not in result.stderr


def test_what_a_log_holds_reaches_the_terminal_escaped(tmp_path):
    log = tmp_path / "s.jsonl"
    with qs.Recorder(log) as recorder:
        recorder.push(frame_at(0, "lamp\n\x1b[31mred\u202e"))
        recorder.submit_text("what\tis that?\x1b]0;x\x07", 0)
    result = run("summary", log)
    assert result.returncode == 0
    assert "\x1b" not in result.stdout and "\u202e" not in result.stdout and "\t" not in result.stdout
    assert len(result.stdout.splitlines()) == 2 and "lamp\\n\\x1b[31mred\\u202e" in result.stdout


@pytest.mark.parametrize("option", [["--capacity", "0"], ["--max-context-age-ns", "-1"]])
def test_what_ifs_the_timeline_would_change_are_refused(tmp_path, real_log, option):
    log = tmp_path / "s.jsonl"
    log.write_bytes(real_log)
    result = run("replay", log, *option)
    assert result.returncode == 2 and "outside" in result.stderr


def test_a_log_and_a_file_name_that_are_not_text_give_a_page_and_one_line(tmp_path, real_log):
    name = os.fsdecode(b"s\xff.jsonl")
    header, rest = real_log.split(b"\n", 1)
    (tmp_path / name).write_bytes(header.replace(b'"host":{}', b'"host":{"who":"\\ud800"}') + b"\n" + rest)
    result = run("view", "--html", tmp_path / "page.html", tmp_path / name)
    assert result.returncode == 2 and "Traceback" not in result.stderr
    assert "host.who: string holds a lone surrogate" in result.stderr and "s\\udcff.jsonl" in result.stderr
    assert "s\\udcff.jsonl" in (tmp_path / "page.html").read_text()


# --- the inspector's server ----------------------------------------------------------------------

@pytest.fixture
def server(tmp_path, real_log):
    log = tmp_path / "s.jsonl"
    log.write_bytes(real_log)
    served = inspector.serve(log)
    thread = threading.Thread(target=served.serve_forever, daemon=True)
    thread.start()
    yield served
    served.shutdown()
    served.server_close()


def get(server, host=None, origin=None):
    port = server.server_address[1]
    connection = http.client.HTTPConnection("127.0.0.1", port, timeout=10)
    headers = {"Host": host or f"127.0.0.1:{port}"} | ({"Origin": origin} if origin else {})
    connection.request("GET", "/", headers=headers)
    response = connection.getresponse()
    response.read()
    connection.close()
    return response


@pytest.mark.parametrize("host, origin, status", [
    (None, None, 200), ("localhost:{port}", None, 200), (None, "http://127.0.0.1:{port}", 200),
    ("attacker.example:{port}", None, 403), ("127.0.0.1:1", None, 403), (None, "http://attacker.example", 403),
], ids=["address", "localhost", "same origin", "rebound name", "other port", "other origin"])
def test_the_server_answers_only_requests_addressed_to_it(server, host, origin, status):
    port = server.server_address[1]
    response = get(server, host and host.format(port=port), origin and origin.format(port=port))
    assert response.status == status
    assert response.getheader("X-Content-Type-Options") == "nosniff"
    assert "frame-ancestors 'none'" in ", ".join(response.headers.get_all("Content-Security-Policy"))


@pytest.mark.parametrize("slow, slots", [(200, 512), (12, 8)], ids=["held", "beyond the slots"])
def test_slow_clients_do_not_keep_a_real_one_waiting(server, slow, slots):
    # Long enough that a server that serves the slow ones first never answers the real one.
    server.TIMEOUT_S, server.MAX_CONNECTIONS = 60.0, slots
    stalled = []
    for _ in range(slow):
        s = socket.create_connection(server.server_address, timeout=20)
        s.sendall(b"GET / HTTP/1.1\r\nHost: ")
        stalled.append(s)
    assert get(server).status == 200
    # Beyond the slots, the ones that waited longest were let go for it; the rest are still held.
    let_go = max(0, slow + 1 - slots)
    for s in stalled[let_go:]:
        s.setblocking(False)
        with pytest.raises(BlockingIOError):
            s.recv(1)
    for s in stalled[:let_go]:
        s.settimeout(20)
        with contextlib.suppress(ConnectionResetError):
            assert s.recv(1024) == b""
    for s in stalled:
        s.close()


def test_a_request_sent_a_byte_at_a_time_is_ended_at_its_deadline(server):
    server.TIMEOUT_S = 1.0
    # Each byte well within the deadline, the whole (23 s of them) far beyond it: a server that
    # timed each read alone would take it all and answer it.
    request = f"GET / HTTP/1.1\r\nHost: 127.0.0.1:{server.server_address[1]}\r\nX-Pad: {'a' * 200}\r\n\r\n"
    with socket.create_connection(server.server_address, timeout=60) as s:
        try:
            for byte in request.encode():
                s.sendall(bytes([byte]))
                time.sleep(0.1)
            outcome = s.recv(1024)
        except OSError:
            outcome = b""
    assert outcome == b"", outcome[:80]
    assert get(server).status == 200


def test_ctrl_c_stops_the_server_quietly_whatever_clients_did(tmp_path, real_log):
    log = tmp_path / "s.jsonl"
    log.write_bytes(real_log)
    process = subprocess.Popen([sys.executable, "-m", "quillary_spatial", "view", str(log)],
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    url = process.stdout.readline().split(" at ")[1].split()[0]
    port = int(url.rsplit(":", 1)[1].strip("/"))
    for _ in range(5):  # clients that hang up mid-request, and mid-answer
        with socket.create_connection(("127.0.0.1", port)) as s:
            s.sendall(f"GET / HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n".encode())
        with socket.create_connection(("127.0.0.1", port)) as s:
            s.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, b"\x01\x00\x00\x00\x00\x00\x00\x00")
            s.sendall(f"GET / HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n\r\n".encode())
    process.send_signal(signal.SIGINT)
    _, err = process.communicate(timeout=20)
    assert process.returncode == 0, err
    assert "Traceback" not in err and "Fatal" not in err, err


# --- grounding: live and replayed alike, and the select input at a word's very start --------------------

def test_a_replayed_grounding_equals_the_live_one_at_a_rounding_edge(tmp_path):
    log = tmp_path / "s.jsonl"
    frame = frame_at(0)
    frame.target.position = qs.Vec3(0.300150000002, 0.75, -1.5)  # 0.3002 from the full value, 0.30015 as logged
    words = [qs.Word("that", 1 * MS, 2 * MS)]
    with qs.Recorder(log) as recorder:
        recorder.push(frame)
        live = qs.ground(recorder, "that", words, 3 * MS)
        recorder.submit_text("that", 3 * MS, words=words)
    replayed = next(iter(qs.replay(log))).grounded
    assert replayed.to_dict() == live.to_dict()
    assert live.references[0].position == (round(0.30015, 4), 0.75, -1.5)


@pytest.mark.parametrize("changed_at_ns, held", [(-1, False), (0, True), (1, True)])
def test_a_select_change_at_the_word_start_counts_as_held(changed_at_ns, held):
    # Released at, just before or just after the word's start, seen in the frame at its end.
    timeline = qs.IntentTimeline()
    start = 10 * MS
    timeline.push(frame_at(start - 5 * MS, select_changed_ns=start - 1000 * MS))
    timeline.push(frame_at(start + 5 * MS, select_changed_ns=start + changed_at_ns))
    grounded = qs.ground(timeline, "that", [qs.Word("that", start, start + 5 * MS)], start + 6 * MS)
    assert grounded.references[0].select_held is held


def test_verify_names_the_event_line_and_shows_the_difference_aligned(tmp_path, real_log, capsys):
    lines = real_log.split(b"\n")
    number = next(i for i, line in enumerate(lines) if b"quillary.contextual-intent" in line) + 1
    tampered = lines[number - 1].replace(b'"host_id":"lamp"', b'"host_id":"lamb"', 1)
    assert tampered != lines[number - 1]
    lines[number - 1] = tampered
    log = tmp_path / "s.jsonl"
    log.write_bytes(b"\n".join(lines))
    assert cli.main(["replay", "--verify", str(log)]) == 1
    err = capsys.readouterr().err
    assert f"s.jsonl: line {number}: the event differs from character" in err
    recorded, replayed, caret = [line for line in err.splitlines() if line.startswith(("  recorded:", "  replayed:"))
                                 or line.strip() == "^"]
    column = caret.index("^")
    assert (recorded[column], replayed[column]) == ("b", "p")  # lamb / lamp, one under the other


# --- compressed logs: the same records, and a cut one reads up to its last whole block ----------

def test_a_compressed_log_reads_as_the_plain_one_and_a_cut_one_up_to_where_it_was_cut(tmp_path):
    plain, packed = tmp_path / "s.jsonl", tmp_path / "s.jsonl.zst"
    record(plain)
    record(packed)
    lines = plain.read_text().splitlines()
    assert [e.line for e in qs.read_session(packed)] == lines
    assert packed.stat().st_size < plain.stat().st_size / 3
    assert cli.main(["replay", "--verify", str(packed)]) == 0
    content = packed.read_bytes()
    for cut in range(0, len(content), max(1, len(content) // 97)):
        log = tmp_path / f"cut-{cut}.jsonl.zst"
        log.write_bytes(content[:cut])
        read = []
        with pytest.raises(qs.ReadError) as ended:
            for entry in qs.read_session(log):
                read.append(entry.line)
        assert read == lines[:len(read)], cut  # a prefix, nothing changed or made up
        # Cut inside its header, it holds nothing, and says so as an empty log does.
        assert isinstance(ended.value, qs.TruncatedLog) if read else "quillary.session header" in str(ended.value), cut


@pytest.fixture(scope="module")
def real_packed_log(tmp_path_factory):
    log = tmp_path_factory.mktemp("log") / "session.jsonl.zst"
    record(log)
    return log.read_bytes()


@settings(max_examples=40, deadline=None, suppress_health_check=[HealthCheck.function_scoped_fixture])
@given(st.lists(st.tuples(st.floats(0, 1), st.integers(1, 255)), min_size=1, max_size=3))
def test_damaged_compressed_logs_get_an_exit_status_and_no_traceback(tmp_path, real_packed_log, capsys, flips):
    log = tmp_path / "damaged.jsonl.zst"
    content = bytearray(real_packed_log)
    for where, mask in flips:
        content[int(where * (len(content) - 1))] ^= mask
    log.write_bytes(bytes(content))
    for args in (["summary"], ["replay", "--verify"], ["view", "--html", str(tmp_path / "page.html")]):
        status = cli.main([*args, str(log)])
        out, err = capsys.readouterr()
        assert status in (0, 1, 2), (args, err)
        assert "Traceback" not in err and len(err.strip().splitlines()) <= 3, (args, err)

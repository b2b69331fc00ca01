"""Logs made to hurt: damaged or forged compressed logs, names that are not text, and logs that
would take all the memory there is. Every command answers with one line and a status; what a
checksum covers cannot change unseen; readers stay within their bound."""

import io
import os
import random
import resource
import subprocess
import sys
from compression import zstd

import pytest

import quillary_spatial as qs
from frames import full_example_frame
from quillary_spatial import cli

MS = 1_000_000


@pytest.fixture(scope="module")
def logs(tmp_path_factory):
    """The same session, plain and compressed."""
    folder = tmp_path_factory.mktemp("logs")
    for name in ("s.jsonl", "s.jsonl.zst"):
        with qs.Recorder(folder / name, max_context_age_ns=50 * MS, flush_every=4) as recorder:
            for i in range(40):
                frame = full_example_frame()
                frame.timestamp_ns = i * 11 * MS
                recorder.push(frame)
                if i % 10 == 9:
                    recorder.submit_text("what is that?", frame.timestamp_ns + MS)
    return (folder / "s.jsonl").read_bytes(), (folder / "s.jsonl.zst").read_bytes()


def surrogate_twice(plain, where):
    header, first, rest = plain.split(b"\n", 2)
    if where == "header":
        return header.replace(b'"host":{}', b'"host":{"\\ud800":1,"\\ud800":2}') + b"\n" + first + b"\n" + rest
    return header + b"\n" + first.replace(b'"version":1,', b'"version":1,"\\ud800":1,"\\ud800":2,', 1) + b"\n" + rest


def from_the_future(plain, packed):
    """A record of a kind this version does not know, after the first frame."""
    header, first, rest = plain.split(b"\n", 2)
    return b"\n".join([header, first, b'{"schema":"quillary.future","version":1}', rest])


# (what the log is made of, the command, its exit status, what its one line of error says)
DAMAGED = {
    **{f"a kind no reader knows, {command}": (from_the_future, command, 2, ':3: schema: unknown record "quillary.future"')
       for command in ("replay", "summary", "mcp", "view --html PAGE")},
    "zst cut inside its header": (lambda plain, packed: packed[:10], "summary", 2,
                                  ": the log ends before its quillary.session header is whole"),
    "zst cut inside its header, verified": (lambda plain, packed: packed[:10], "replay --verify", 2,
                                            ": the log ends before its quillary.session header is whole"),
    "plain cut inside its header": (lambda plain, packed: plain[:30], "summary", 2,
                                    ": the log ends before its quillary.session header is whole"),
    "garbage after the stream": (lambda plain, packed: packed + b"\x00garbage", "replay", 2,
                                 ": not a readable zstd stream after line 49 (about compressed byte"),
    "surrogate twice in the header": (lambda plain, packed: surrogate_twice(plain, "header"), "summary", 2,
                                      ":1: \\ud800: member given twice"),
    "surrogate twice in a frame": (lambda plain, packed: surrogate_twice(plain, "frame"), "replay", 2,
                                   ":2: \\ud800: member given twice"),
    "surrogate twice, on the page": (lambda plain, packed: surrogate_twice(plain, "frame"), "view --html PAGE", 2,
                                     ":2: \\ud800: member given twice"),
    "surrogate twice, for MCP": (lambda plain, packed: surrogate_twice(plain, "frame"), "mcp", 2,
                                 ":2: \\ud800: member given twice"),
}


@pytest.mark.parametrize("make, command, status, said", DAMAGED.values(), ids=DAMAGED.keys())
def test_a_damaged_log_gets_its_status_and_one_line(tmp_path, logs, capsys, make, command, status, said):
    log = tmp_path / "s.log"
    log.write_bytes(make(*logs))
    args = [str(tmp_path / "page.html") if a == "PAGE" else a for a in command.split()]
    got = cli.main([*args, str(log)])
    err = capsys.readouterr().err
    said_lines = [line for line in err.splitlines() if not line.startswith("wrote ")]  # view names its page
    assert got == status and len(said_lines) == 1, err
    assert said_lines[0].startswith(f"quillary_spatial: {log}{said}"), err


def test_every_flipped_bit_of_a_compressed_log_is_found_or_changes_nothing(tmp_path, logs):
    plain, packed = logs
    lines = plain.decode().splitlines()
    flips = random.Random(7)
    changed_silently = []
    for _ in range(200):
        content = bytearray(packed)
        bit = flips.randrange(len(content) * 8)
        content[bit // 8] ^= 1 << bit % 8
        try:
            read = [entry.line for entry in qs.read_session(io.BytesIO(bytes(content)))]
        except qs.ReadError:
            continue  # found (the checksum is checked where the stream ends)
        if read != lines:
            changed_silently.append(bit)
    assert not changed_silently


def test_any_binary_stream_is_a_log_whatever_it_can_do(logs):
    plain, packed = logs

    class Unseekable(io.RawIOBase):  # a pipe's read end: no peek, no seek
        def __init__(self, data):
            self.data = io.BytesIO(data)

        def readable(self):
            return True

        def readinto(self, buffer):
            return self.data.readinto(buffer)

    expected = plain.decode().splitlines()
    for stream in (io.BytesIO(packed), Unseekable(packed), io.BytesIO(plain), Unseekable(plain)):
        assert [e.line for e in qs.read_session(stream)] == expected


def write_bomb(path, kind):
    """A log past the readers' bound: capacity 2^64 - 1 and 350 MiB of ordinary frames, or
    capacity 240 and frames each carrying a 40 MiB string."""
    frame = full_example_frame()
    if kind == "capacity":
        header = b'{"schema":"quillary.session","version":1,"capacity":18446744073709551615,' \
                 b'"max_context_age_ns":2000000000,"library_version":"0","host":{}}\n'
        count, domain = 400_000, "monotonic"
    else:
        header = b'{"schema":"quillary.session","version":1,"capacity":240,' \
                 b'"max_context_age_ns":2000000000,"library_version":"0","host":{}}\n'
        count, domain = 9, "m" * (40 << 20)
    frame.timestamp_domain = domain
    with zstd.open(path, "wb", level=1) as out:
        out.write(header)
        for i in range(count):
            frame.timestamp_ns = i * MS
            out.write(qs.to_jsonl(frame).encode() + b"\n")


def limited(megabytes):
    def apply():
        resource.setrlimit(resource.RLIMIT_AS, (megabytes << 20, megabytes << 20))
    return apply


@pytest.mark.skipif("asan" in os.environ.get("LD_PRELOAD", ""), reason="the sanitizer reserves far more address space")
@pytest.mark.parametrize("kind", ["capacity", "lines"])
def test_a_log_that_would_take_all_memory_is_refused_within_the_bound(tmp_path, kind):
    log = tmp_path / "bomb.jsonl.zst"
    write_bomb(log, kind)
    for command in (["summary"], ["mcp"]):
        result = subprocess.run([sys.executable, "-m", "quillary_spatial", *command, str(log)], capture_output=True,
                                text=True, stdin=subprocess.DEVNULL, preexec_fn=limited(1536), timeout=300)
        assert result.returncode == 2, result.stderr
        assert "MiB: a reader keeps no more than that" in result.stderr and "Traceback" not in result.stderr

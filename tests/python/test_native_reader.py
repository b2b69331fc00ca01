"""The native frame-line reader against the checker it stands in for: on the writer's lines and
on damaged ones, it reads a line only when the checker accepts it, and then as the same frame;
it never refuses the plain lines the writer writes."""

import re

from hypothesis import given, settings
from hypothesis import strategies as st

import quillary_spatial as qs
from frames import frames
from quillary_spatial import _native
from quillary_spatial.log.checks import ReadError, checked_frame, parse

# What only the checker reads: an escape, a negative zero, a surrogate's bytes.
NEEDS_THE_CHECKER = re.compile(rb"\\u|-0(?![.0-9eE])|\xed[\xa0-\xbf]")

# Pieces a damaged or hand-edited log holds: JSON the checker refuses or reads otherwise.
PIECES = [b"", b"\\u0000", b"\\ud800", b"-0", b"1.0", b"1e400", b"1e308", b"18446744073709551616", b"true", b"null",
          b'"', b",", b"}", b"]", b"{", b"[", b" ", b"\t", b"\r", b"\xff", b"\xed\xa0\x80", b"\xc3\xa9", b"NaN",
          b'"host_id":"x",', b'"schema":"quillary.spatial-intent",', b'"version":1,', b"-1", b"99999999999999999999"]


def checker(line):
    """What the package's checker makes of a line: the frame's line as written back, or None."""
    try:
        return qs.to_jsonl(_native.frame_from_members(checked_frame(parse(line))))
    except ReadError:
        return None


def damaged(line, edits):
    for kind, where, piece in edits:
        at = int(where * len(line))
        if kind == "insert":
            line = line[:at] + piece + line[at:]
        elif kind == "replace":
            line = line[:at] + piece + line[at + 1:]
        elif kind == "cut":
            line = line[:at] + line[at + 1 + len(piece):]
        else:  # a member given twice: the text from here to the next comma, again
            end = line.find(b",", at)
            line = line[:end + 1] + line[at:end + 1] + line[end + 1:] if end > at else line
    return line


edits = st.lists(st.tuples(st.sampled_from(["insert", "replace", "cut", "double"]), st.floats(0, 1),
                           st.sampled_from(PIECES)), max_size=3)


@settings(max_examples=600, deadline=None)
@given(frames(), edits)
def test_the_native_reader_reads_only_what_the_checker_accepts_and_as_the_same_frame(frame, changes):
    written = qs.to_jsonl(frame).encode()
    line = damaged(written, changes)
    native = _native.frame_from_line(line)
    if native is not None:
        assert checker(line) == qs.to_jsonl(native), line
    if not changes and not NEEDS_THE_CHECKER.search(line):
        assert native is not None, line  # the plain case is the fast one
    # Whatever path a reader takes, it gives what the checker gives.
    try:
        read = qs.to_jsonl(qs.read_frame(line))
    except ReadError:
        read = None
    assert read == checker(line)


def test_replay_hands_on_every_frame_as_its_line_holds_it_however_it_was_read(tmp_path):
    log = tmp_path / "s.jsonl"
    with qs.Recorder(log) as recorder:
        for i, host_id in enumerate(["lamp", "wall\u0007", "table"]):  # an escape takes the checker's path
            frame = qs.SpatialIntentFrame()
            frame.timestamp_ns = i
            frame.target = qs.SpatialHit()
            frame.target.host_id = host_id
            recorder.push(frame)
    seen = []
    list(qs.Replay(log, on_frame=seen.append))
    lines = [line for line in log.read_text().splitlines() if '"quillary.spatial-intent"' in line]
    assert [qs.to_jsonl(frame) for frame in seen] == lines

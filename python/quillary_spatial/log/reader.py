"""Reading a session log back, record by record, plain or zstd-compressed."""

from __future__ import annotations

import io
import os
from compression import zstd
from collections.abc import Callable, Iterator
from typing import IO, Any, NamedTuple

from _spatial import ContextualIntentEvent, SpatialIntentFrame

from .. import _native
from .checks import FRAME_PREFIX_BYTES, MAX_LINE_BYTES, ReadError, fail, is_cut_short
from .records import Record, SessionHeader, Utterance, record_from_line


class Entry(NamedTuple):
    """One record of a log, with where it stands and its line as written."""

    number: int
    line: str
    record: Record


class TruncatedLog(ReadError):
    """The log's last line is incomplete: the host stopped while writing it. `partial` is the
    beginning of the record it holds."""

    def __init__(self, message: str, source: str | None = None, line: int | None = None, partial: str = ""):
        super().__init__(message, "", source, line)
        self.partial = partial



Source = str | os.PathLike[str] | IO[bytes]
CUT_SHORT = "the log ends mid-record (the host stopped while writing)"
EMPTY = "the log is empty: it has no quillary.session header"
NO_WHOLE_HEADER = "the log ends before its quillary.session header is whole: it holds nothing"


class SessionReader:
    """Reads a log record by record, streaming: memory stays flat however long the log.

    Iterating yields an Entry per record, the header first. A last line that is incomplete
    (the host died while writing it) ends the iteration with TruncatedLog, after every
    record before it; any other fault raises ReadError naming the file, line and member.

    With `on_frame`, frames are not yielded: each goes to `on_frame(frame, size)` as it is
    read, `size` its line's length in bytes (how a replay pushes them with no Entry made).
    """

    def __init__(self, source: Source, on_frame: Callable[[SpatialIntentFrame, int], None] | None = None):
        self._on_frame = on_frame
        if isinstance(source, (str, os.PathLike)):
            self.name = os.fspath(source)
            self._file: IO[bytes] = open(source, "rb")
            self._owned = True
        else:
            self.name = str(getattr(source, "name", "<log>"))
            self._file, self._owned = source, False
        self._file, self.compressed = told_apart(self._file)
        self._stored = self._file  # the file as stored: compressed, for a compressed log
        if self.compressed:
            self._file = zstd.ZstdFile(self._file)  # type: ignore[assignment]
        self._cut = False
        self.bytes_read = 0
        self.lines_read = 0
        self.line_start = 0  # where the line of the record last yielded begins, in bytes
        try:
            self.total_bytes: int | None = os.fstat(self._file.fileno()).st_size
        except (OSError, ValueError, AttributeError):
            self.total_bytes = None

    def close(self) -> None:
        if self.compressed:
            self._file.close()  # not the file beneath
        if self._owned:
            self._stored.close()

    def done(self) -> float:
        """The share of the file read so far (0 when its size is unknown)."""
        if not self.total_bytes:
            return 0.0
        return (self._stored.tell() if self.compressed else self.bytes_read) / self.total_bytes

    def _readline(self) -> bytes:
        try:
            return self._file.readline(MAX_LINE_BYTES + 1)
        except EOFError:
            # A compressed log whose last block is cut off (the host died while writing it):
            # everything in the blocks before it was read.
            self._cut = True
            return b""
        except zstd.ZstdError as error:
            raise ReadError(f"not a readable zstd stream after line {self.lines_read} (about compressed byte "
                            f"{self._stored.tell()}): {error}", "", self.name, None) from None

    def __enter__(self) -> SessionReader:
        return self

    def __exit__(self, *exc: object) -> None:
        self.close()

    def __iter__(self) -> Iterator[Entry]:
        number = 0
        previous: Record | None = None
        frame_from_line, prefix, on_frame = _native.frame_from_line, FRAME_PREFIX_BYTES, self._on_frame
        # (A line longer than MAX_LINE_BYTES does not end within the read, so never takes this path.)
        while raw := self._readline():
            number += 1
            self.lines_read = number
            self.line_start = self.bytes_read
            self.bytes_read += len(raw)
            # Most lines are frames as the library writes them: read natively, whole lines only
            # (a frame comes in order anywhere after the header).
            if previous is not None and raw.startswith(prefix) and raw.endswith(b"\n") and \
                    (frame := frame_from_line(raw)) is not None:
                previous = frame
                if on_frame is not None:
                    on_frame(frame, len(raw))
                    continue
                yield Entry(number, (raw[:-2] if raw.endswith(b"\r\n") else raw[:-1]).decode(), frame)
                continue
            complete = raw.endswith(b"\n")
            if not complete and len(raw) > MAX_LINE_BYTES:
                raise ReadError(f"line is longer than {MAX_LINE_BYTES} bytes", "", self.name, number)
            # A line ends at "\n", or at "\r\n" where a log passed through a tool that writes those.
            body = raw[:-2] if raw.endswith(b"\r\n") else raw[:-1] if complete else raw
            line = ""
            try:
                line = body.decode()
                record = record_from_line(line)
                check_order(previous, record, number)
            except UnicodeDecodeError as error:
                if not complete and error.reason == "unexpected end of data":
                    raise self._cut_short(number, previous) from None
                raise ReadError(f"not UTF-8 ({error.reason} at byte {error.start})", "", self.name, number) from None
            except ReadError as error:
                # Only a last line that is the beginning of a record is a cut: anything else
                # there is as wrong as it would be anywhere.
                if not complete and is_cut_short(line):
                    raise self._cut_short(number, previous, line) from None
                raise error.located(self.name, number) from None
            previous = record
            if on_frame is not None and isinstance(record, SpatialIntentFrame):
                on_frame(record, len(raw))
                continue
            yield Entry(number, line, record)
        if self._cut:
            raise self._cut_short(number + 1, previous)
        if number == 0:
            raise ReadError(EMPTY, "", self.name, None)

    def _cut_short(self, number: int, previous: Record | None, partial: str = "") -> ReadError:
        """A log that ends mid-record: cut after what it holds, or, cut before its header was
        whole, a log that holds nothing, as an empty one."""
        if previous is None:
            return ReadError(NO_WHOLE_HEADER, "", self.name, None)
        return TruncatedLog(CUT_SHORT, self.name, number, partial)


ZSTD_MAGIC = b"\x28\xb5\x2f\xfd"


def told_apart(file: IO[bytes]) -> tuple[IO[bytes], bool]:
    """The log's stream, and whether it is zstd-compressed (a .jsonl.zst), by its first bytes,
    not its name. A stream that can neither peek nor seek back is read through a buffer."""
    peek = getattr(file, "peek", None)
    if peek is None and file.seekable():
        at = file.tell()
        head = file.read(4)
        file.seek(at)
        return file, head == ZSTD_MAGIC
    if peek is None:
        buffered = io.BufferedReader(_Unbuffered(file))
        return buffered, buffered.peek(4)[:4] == ZSTD_MAGIC
    return file, peek(4)[:4] == ZSTD_MAGIC


class _Unbuffered(io.RawIOBase):
    """Any binary stream with read(), as the raw stream beneath a buffer."""

    def __init__(self, file: IO[bytes]):
        self.file = file

    def readable(self) -> bool:
        return True

    def readinto(self, buffer: Any) -> int:
        data = self.file.read(len(buffer))
        buffer[:len(data)] = data
        return len(data)


def check_order(previous: Record | None, record: Record, number: int) -> None:
    if previous is None and not isinstance(record, SessionHeader):
        fail("schema", "the log must begin with a quillary.session header")
    if previous is not None and isinstance(record, SessionHeader):
        fail("schema", "a second quillary.session header")
    if isinstance(record, ContextualIntentEvent):
        if not isinstance(previous, Utterance):
            fail("schema", "an event must come right after the utterance that made it")
        if record.timestamp_ns != previous.timestamp_ns:
            fail("timestamp_ns", f"{record.timestamp_ns} is not its utterance's time {previous.timestamp_ns}")
        if record.text != previous.text:
            fail("text", "differs from its utterance's text")


def read_session(source: Source) -> Iterator[Entry]:
    """The records of a log, header first (see SessionReader)."""
    with SessionReader(source) as reader:
        yield from reader


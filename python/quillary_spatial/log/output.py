"""Whole lines out to a log, so that the log always reads back.

A write can fail part-way (a full disk, an I/O error, a stream that raises). Lines that were
not written stay with the caller and go out on the next write; none is written twice, and a
file is cut back to its last whole line so that a reader never meets a half line followed by
its own retry.
"""

from __future__ import annotations

import errno
import os
from typing import IO

from .. import _native


class LogOutput:
    """Writes lists of lines (without their newlines) to a file this object opens and owns, or
    to a text stream the caller owns.

    `write(lines)` removes from `lines` each line as soon as it is wholly out, so after a
    failure `lines` holds exactly what is still to be written.

    With `compressed`, the file is one zstd stream (level 1: on frame lines, a block a flush,
    it compresses better than the default, to about a tenth, at half its cost), compressed
    and written by a native thread of its own so that the caller's tick only hands each batch
    over (module/native/compressed_log.hpp). `write` takes the lines and clears them; a failed
    write keeps its bytes for the next, and is raised by the next `write` or `close` while
    they still wait. `close` waits for everything and ends the stream.
    """

    def __init__(self, target: str | os.PathLike[str] | IO[str], compressed: bool = False):
        self._stream: IO[str] | None = None
        self._fd = -1
        if isinstance(target, (str, os.PathLike)):
            self._fd = os.open(target, os.O_WRONLY | os.O_CREAT | os.O_TRUNC | os.O_CLOEXEC, 0o666)
        else:
            self._stream = target
        self._whole = 0  # bytes of whole lines in the file
        self._ahead = 0  # bytes of the first pending line already out, where the file cannot be cut back
        self._compressed = _native.CompressedLog(self._fd) if compressed and self._fd >= 0 else None

    def write(self, lines: list[str]) -> None:
        if self._stream is not None:
            self._write_stream(self._stream, lines)
        elif self._fd < 0:
            raise ValueError("the log is closed")
        elif self._compressed is not None:
            data = ("\n".join(lines) + "\n").encode()
            lines.clear()
            self._compressed.write(data)
        else:
            self._write_file(lines)

    def _write_file(self, lines: list[str]) -> None:
        data = ("\n".join(lines) + "\n").encode()
        view = memoryview(data)
        done = self._ahead
        try:
            while done < len(data):
                written = os.write(self._fd, view[done:])
                if written <= 0:
                    raise OSError(errno.EIO, os.strerror(errno.EIO))
                done += written
        except BaseException:
            whole = data.rfind(b"\n", 0, done) + 1
            del lines[:data.count(b"\n", 0, whole)]
            self._whole += whole
            self._ahead = done - whole
            if self._ahead:
                try:
                    os.ftruncate(self._fd, self._whole)
                    os.lseek(self._fd, self._whole, os.SEEK_SET)
                    self._ahead = 0
                except OSError:
                    pass  # a pipe or a device: the rest of the line follows on the next write
            raise
        self._whole += len(data)
        self._ahead = 0
        lines.clear()

    @staticmethod
    def _write_stream(stream: IO[str], lines: list[str]) -> None:
        # A stream that can seek is put back where it was after a failure, so everything is
        # still to be written; one that cannot takes a line at a time, and a line whose write
        # raised is taken as not written.
        try:
            position = stream.tell() if stream.seekable() else None
        except (OSError, ValueError):
            position = None
        if position is None:
            while lines:
                stream.write(lines[0] + "\n")
                del lines[0]
            stream.flush()
            return
        try:
            stream.write("\n".join(lines) + "\n")
            stream.flush()
        except BaseException:
            try:
                stream.seek(position)
                stream.truncate()
            except (OSError, ValueError):
                lines.clear()  # the stream keeps what it took and may still write it: never twice
            raise
        lines.clear()

    def close(self) -> None:
        if self._fd >= 0:
            try:
                if self._compressed is not None:
                    # Everything handed over, then the stream's end: a reader can tell a
                    # finished log from a cut one.
                    compressed, self._compressed = self._compressed, None
                    compressed.close()
            finally:
                fd, self._fd = self._fd, -1
                os.close(fd)

"""A timeline that explains its answers and records the session as it runs."""

from __future__ import annotations

import os
from collections.abc import Mapping, Sequence
from typing import IO, Any

from _spatial import ContextualIntentEvent, ReferenceSpace, SelectState, SpatialIntentFrame, to_jsonl

from .. import _native
from .checks import ReadError
from ..timeline import ExplainedTimeline
from ..version import __version__
from .checks import like_timeline
from .output import LogOutput
from .records import (GazeHit, GazeHits, Record, Scene, SceneObject, SessionHeader, Utterance, Word, checked_word, line_of,
                      record_from_line)


class Recorder(ExplainedTimeline):
    """An ExplainedTimeline that writes the session log as the session runs.

    Flush policy: every record is written as one whole line; the log is flushed after every
    utterance (with its event), every `flush_every` frames (90 by default: once a second at
    90 Hz), and on close. A host that dies loses at most the frames since the last flush, and
    its log reads back up to there (a last, partial line is reported and skipped).

    Every record is checked by the reader's own rules before a byte of it is written, so what
    the recorder takes reads back as it was given. A call it refuses raises ValueError or
    TypeError naming the member and changes nothing: nothing is pushed, paired or written. A
    log holds text, so a frame or text that is not UTF-8 is refused with UnicodeDecodeError.

    A write that fails raises OSError and leaves the log at its last whole line; the records
    not written stay pending and go out, in order and once each, with the next flush that
    works. `close()` always closes the file.

    A path ending in `.zst` is written as one zstd stream (`.jsonl.zst`, about a tenth of the
    size), each flush ending a block of it. It is compressed and written by a thread of the
    log's own, so the tick pays no more than for a plain log; a host that dies loses at most
    what it flushed in the last moments. A failed write of a compressed log is raised by the
    next flush or by close() while its bytes still wait (they go out first with the next write
    that works); close() waits for everything to be written.
    """

    def __init__(self, log: str | os.PathLike[str] | IO[str], *, capacity: int = 240,
                 max_context_age_ns: int = 2_000_000_000, host: Mapping[str, Any] | None = None,
                 flush_every: int = 90):
        capacity = like_timeline(capacity, "capacity", unsigned=True)
        max_context_age_ns = like_timeline(max_context_age_ns, "max_context_age_ns")
        # Checked before the log is created: a bad header must not empty an existing file.
        header = checked(SessionHeader(capacity, max_context_age_ns, __version__, dict(host or {})), "host")
        super().__init__(capacity, max_context_age_ns)
        self.flush_every = max(flush_every, 1)
        # A replay reads gaze hits right after their utterance: hits that ground recorded before
        # the host submitted the utterance wait for it here.
        self._last_utterance: tuple[int, str] | None = None  # its time and text
        self._waiting_gaze: tuple[int, str | None, str] | None = None
        # A path ending in .zst is written compressed (zstd), every flush a block of its own.
        self._output = LogOutput(log, compressed=isinstance(log, (str, os.PathLike)) and os.fspath(log).endswith(".zst"))
        self._lines: list[str] = [header]
        try:
            self.flush()
        except BaseException:
            self._output.close()
            raise

    def push(self, frame: SpatialIntentFrame, /) -> int:
        # The line first: a frame that cannot be written is not pushed either.
        try:
            line = to_jsonl(frame)
        except UnicodeDecodeError as error:  # a string set from bytes
            raise ValueError(f"frame: a string set from bytes is not UTF-8 ({error.reason} at byte {error.start} "
                             "of its line), which a log cannot hold") from None
        number = _native.push(self.timeline, frame)
        self._last_utterance = None  # a replay has grounded it by now
        lines = self._lines
        lines.append(line)
        if len(lines) >= self.flush_every:
            self.flush()
        return number

    def submit_text(self, text: str, timestamp_ns: int,
                    words: Sequence[Word] | None = None) -> ContextualIntentEvent | None:
        timestamp_ns = like_timeline(timestamp_ns, "timestamp_ns")
        if isinstance(text, (bytes, bytearray)):
            recorded = bytes(text).decode()
        elif isinstance(text, str):
            recorded = text
        else:
            raise TypeError(f"text: expected str or bytes, got {type(text).__name__}")
        if words is not None:
            words = tuple(checked_word(word, f"words[{i}]") for i, word in enumerate(words))
        line = checked(Utterance(timestamp_ns, recorded, words), "")
        event = super().submit_text(text, timestamp_ns, words)
        self._lines.append(line)
        if event is not None:
            self._lines.append(to_jsonl(event))
        self._last_utterance = (timestamp_ns, recorded)
        waiting, self._waiting_gaze = self._waiting_gaze, None
        if waiting is not None and waiting[0] == timestamp_ns and waiting[1] in (None, recorded):
            self._lines.append(waiting[2])
            self._last_utterance = None
        self.flush()
        return event

    def record_scene(self, objects: Sequence[SceneObject], timestamp_ns: int) -> None:
        """Records the objects the host's ray cast can hit, all of them, as they are from
        `timestamp_ns` on: call it when the scene is loaded and whenever it changes. Viewers
        draw the boxes and pick out the referents; the timeline does not use them."""
        timestamp_ns = like_timeline(timestamp_ns, "timestamp_ns")
        if isinstance(objects, (str, bytes)) or not isinstance(objects, Sequence):
            raise TypeError(f"objects: expected a sequence of SceneObject, got {type(objects).__name__}")
        for i, o in enumerate(objects):
            if not isinstance(o, SceneObject):
                raise TypeError(f"objects[{i}]: expected a SceneObject, got {type(o).__name__}")
        scene = Scene(timestamp_ns, tuple(objects))
        self._lines.append(checked(scene, ""))
        self.last_scene = scene
        self.flush()

    def record_gaze_hits(self, timestamp_ns: int, hits: Sequence[GazeHit], text: str | None = None) -> None:
        """Records what the host's ray cast found along the gaze rays `ground(raycast=)` weighed
        for the utterance of `timestamp_ns` (and `text`): `ground` calls it. Hits for an
        utterance not submitted yet wait until it is, so that they follow it in the log."""
        if not hits:
            return
        timestamp_ns = like_timeline(timestamp_ns, "timestamp_ns")
        line = checked(GazeHits(timestamp_ns, tuple(hits)), "")
        last = self._last_utterance
        if last is None or last[0] != timestamp_ns or text not in (None, last[1]):
            self._waiting_gaze = (timestamp_ns, text, line)  # grounded before it was submitted
            return
        self._last_utterance = None  # one record of hits an utterance: a replay reads the first
        self._lines.append(line)
        self.flush()

    def flush(self) -> None:
        """Writes the pending records; on failure they stay pending (see the class)."""
        if self._lines:
            self._output.write(self._lines)

    def close(self) -> None:
        try:
            self.flush()
        finally:
            self._output.close()

    def __enter__(self) -> Recorder:
        return self

    def __exit__(self, *exc: object) -> None:
        self.close()


def checked(record: Record, member: str) -> str:
    """The record's line, once the reader takes it back: a ValueError or TypeError naming the
    member otherwise."""
    try:
        line = line_of(record)
    except TypeError as error:
        raise TypeError(f"{member}: {error}" if member else str(error)) from None
    except (ValueError, RecursionError) as error:
        raise ValueError(f"{member}: {error}" if member else str(error)) from None
    try:
        record_from_line(line)
    except ReadError as error:
        raise ValueError(str(error)) from None
    return line

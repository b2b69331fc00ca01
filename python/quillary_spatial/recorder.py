"""Timelines that explain their answers, and one that also records the session."""

from __future__ import annotations

import os
from collections.abc import Mapping, Sequence
from typing import IO, Any

from _spatial import ContextualIntentEvent, IntentTimeline, SpatialIntentFrame, to_jsonl

from .explain import Explanation, TimelineModel
from .session import SessionHeader, Utterance, Word, header_line, utterance_line
from .version import __version__


# Frame times kept before the explanation model catches up, so that a host that never
# submits text does not grow them without bound.
CATCH_UP_AFTER = 4096


class ExplainedTimeline:
    """An IntentTimeline (push, latest, submit_text, with the same arguments) that also says
    why each submitted text got its event or none: see `last_explanation`."""

    def __init__(self, capacity: int = 240, max_context_age_ns: int = 2_000_000_000):
        self.timeline = IntentTimeline(capacity, max_context_age_ns)
        self.capacity, self.max_context_age_ns = capacity, max_context_age_ns
        self.model = TimelineModel(capacity, max_context_age_ns)
        # Frame times since the last submit; the model catches up only when it has to explain.
        self._pushed: list[int] = []
        self.last_explanation: Explanation | None = None

    def push(self, frame: SpatialIntentFrame, /) -> None:
        self.timeline.push(frame)
        pushed = self._pushed
        pushed.append(frame.timestamp_ns)
        if len(pushed) >= CATCH_UP_AFTER:
            self._catch_up()

    def latest(self) -> SpatialIntentFrame | None:
        return self.timeline.latest()

    def submit_text(self, text: str, timestamp_ns: int) -> ContextualIntentEvent | None:
        event = self.timeline.submit_text(text, timestamp_ns)
        self.last_explanation = self.explain(text, timestamp_ns, event)
        return event

    def explain(self, text: str | bytes, timestamp_ns: int, event: ContextualIntentEvent | None) -> Explanation:
        self._catch_up()
        return self.model.explain(text, timestamp_ns, event)

    def _catch_up(self) -> None:
        self.model.push(self._pushed)
        self._pushed = []


class Recorder(ExplainedTimeline):
    """An ExplainedTimeline that writes the session log as the session runs.

    Flush policy: every record is written as one whole line; the log is flushed after every
    utterance (with its event), every `flush_every` frames (90 by default: once a second at
    90 Hz), and on close. A host that dies loses at most the frames since the last flush, and
    its log reads back up to there (a last, partial line is reported and skipped).

    A log holds text, so strings must be UTF-8: a frame or text that is not is refused with
    UnicodeDecodeError before anything is pushed, submitted or written.
    """

    def __init__(self, log: str | os.PathLike[str] | IO[str], *, capacity: int = 240,
                 max_context_age_ns: int = 2_000_000_000, host: Mapping[str, Any] | None = None,
                 flush_every: int = 90):
        super().__init__(capacity, max_context_age_ns)
        if isinstance(log, (str, os.PathLike)):
            self._file: IO[str] = open(log, "w", encoding="utf-8", newline="")
            self._owned = True
        else:
            self._file, self._owned = log, False
        self.flush_every = max(flush_every, 1)
        self._lines: list[str] = []
        header = SessionHeader(capacity, max_context_age_ns, __version__, dict(host or {}))
        self._file.write(header_line(header) + "\n")
        self._file.flush()

    def push(self, frame: SpatialIntentFrame, /) -> None:
        # Written out rather than through the base class: this runs in every tick.
        line = to_jsonl(frame)
        self.timeline.push(frame)
        self._pushed.append(frame.timestamp_ns)
        lines = self._lines
        lines.append(line)
        if len(lines) >= self.flush_every:
            self.flush()

    def submit_text(self, text: str, timestamp_ns: int, words: Sequence[Word] | None = None) -> ContextualIntentEvent | None:
        recorded = text if isinstance(text, str) else bytes(text).decode()
        event = super().submit_text(text, timestamp_ns)
        self._lines.append(utterance_line(Utterance(timestamp_ns, recorded, None if words is None else tuple(words))))
        if event is not None:
            self._lines.append(to_jsonl(event))
        self.flush()
        return event

    def flush(self) -> None:
        if len(self._pushed) >= CATCH_UP_AFTER:
            self._catch_up()
        if self._lines:
            self._lines.append("")
            self._file.write("\n".join(self._lines))
            self._lines.clear()
        self._file.flush()

    def close(self) -> None:
        self.flush()
        if self._owned:
            self._file.close()

    def __enter__(self) -> Recorder:
        return self

    def __exit__(self, *exc: object) -> None:
        self.close()

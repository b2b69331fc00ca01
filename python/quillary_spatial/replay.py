"""Replay a recorded session through a fresh timeline, and compare what it gives."""

from __future__ import annotations

from collections.abc import Iterator
from dataclasses import dataclass

from _spatial import ContextualIntentEvent, SpatialIntentFrame, to_jsonl

from .explain import Explanation
from .recorder import ExplainedTimeline
from .session import SessionHeader, SessionReader, Source, TruncatedLog, Utterance


@dataclass(frozen=True)
class Replayed:
    """One utterance of the log, submitted again."""

    line_number: int
    utterance: Utterance
    event: ContextualIntentEvent | None
    explanation: Explanation
    recorded_event_line: str | None  # the event line the log holds for it, if any

    @property
    def event_line(self) -> str | None:
        return None if self.event is None else to_jsonl(self.event)


@dataclass(frozen=True)
class Difference:
    line_number: int
    recorded: str | None
    replayed: str | None

    def describe(self) -> str:
        def shown(line: str | None) -> str:
            return "no event" if line is None else line if len(line) <= 200 else line[:197] + "..."

        if self.recorded is not None and self.replayed is not None:
            at = next((i for i, (a, b) in enumerate(zip(self.recorded, self.replayed)) if a != b),
                      min(len(self.recorded), len(self.replayed)))
            return (f"line {self.line_number}: the event differs from character {at + 1}:\n"
                    f"  recorded: {shown(self.recorded)}\n  replayed: {shown(self.replayed)}")
        return f"line {self.line_number}: recorded {shown(self.recorded)}, replayed {shown(self.replayed)}"


class Replay:
    """Feeds a log's frames and utterances, in their order, through a fresh timeline.

    The timeline has the settings the log recorded, or the overrides given. Iterating yields
    a Replayed for every utterance. After iterating, `frames` counts the frames pushed and
    `truncated` holds the TruncatedLog that ended a log whose last line was incomplete (the
    records before it were all replayed).
    """

    def __init__(self, source: Source, *, capacity: int | None = None, max_context_age_ns: int | None = None):
        self.reader = SessionReader(source)
        self.capacity_override, self.age_override = capacity, max_context_age_ns
        self.header: SessionHeader | None = None
        self.timeline: ExplainedTimeline | None = None
        self.frames = 0
        self.first_frame_ns: int | None = None
        self.truncated: TruncatedLog | None = None

    def __iter__(self) -> Iterator[Replayed]:
        pending: tuple[int, Utterance, ContextualIntentEvent | None, Explanation] | None = None
        timeline: ExplainedTimeline | None = None
        try:
            with self.reader as reader:
                for number, line, record in reader:
                    if isinstance(record, SpatialIntentFrame):
                        if pending is not None:
                            yield Replayed(*pending, None)
                            pending = None
                        assert timeline is not None  # the reader puts the header first
                        timeline.push(record)
                        self.frames += 1
                        if self.first_frame_ns is None:
                            self.first_frame_ns = record.timestamp_ns
                    elif isinstance(record, Utterance):
                        if pending is not None:
                            yield Replayed(*pending, None)
                        assert timeline is not None
                        event = timeline.submit_text(record.text, record.timestamp_ns)
                        assert timeline.last_explanation is not None
                        pending = (number, record, event, timeline.last_explanation)
                    elif isinstance(record, SessionHeader):
                        timeline = self.timeline = self.start(record)
                    else:
                        assert pending is not None  # the reader puts an event right after its utterance
                        yield Replayed(*pending, line)
                        pending = None
        except TruncatedLog as error:
            self.truncated = error
        if pending is not None:
            yield Replayed(*pending, None)

    def start(self, header: SessionHeader) -> ExplainedTimeline:
        self.header = header
        capacity = header.capacity if self.capacity_override is None else self.capacity_override
        age = header.max_context_age_ns if self.age_override is None else self.age_override
        return ExplainedTimeline(capacity, age)


def replay(source: Source, *, capacity: int | None = None, max_context_age_ns: int | None = None) -> Iterator[Replayed]:
    """Every utterance of the log, submitted again to a fresh timeline (see Replay)."""
    return iter(Replay(source, capacity=capacity, max_context_age_ns=max_context_age_ns))


def first_difference(replayed: Replayed) -> Difference | None:
    """How a replayed utterance differs from the log, byte for byte, if it does."""
    line = replayed.event_line
    if line != replayed.recorded_event_line:
        return Difference(replayed.line_number, replayed.recorded_event_line, line)
    return None

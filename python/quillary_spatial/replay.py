"""Replay a recorded session through a fresh timeline, and compare what it gives."""

from __future__ import annotations

import functools
from collections import deque
from collections.abc import Callable, Iterable, Iterator
from dataclasses import dataclass, replace
from typing import Any

from _spatial import ContextualIntentEvent, SpatialIntentFrame, to_jsonl

from . import _native
from .grounding.evidence import GazeCasts
from .grounding.words import DEICTIC_WORDS, GroundedUtterance, ground_from_evidence
from .log.checks import ReadError
from .log.reader import SessionReader, Source, TruncatedLog
from .log.records import GazeHits, Record, Scene, SessionHeader, Utterance
from .timeline import ExplainedTimeline, Explanation


@dataclass(frozen=True)
class Replayed:
    """One utterance of the log, submitted again."""

    line_number: int
    utterance: Utterance
    event: ContextualIntentEvent | None
    explanation: Explanation
    grounded: GroundedUtterance | None  # its deictic words grounded, when the log has its words
    recorded_event_line: str | None  # the event line the log holds for it, if any
    frame_index: int | None = None  # which of the log's frames (0 the first) the event was paired with
    frames_before: int = 0  # how many of the log's frames came before it
    # The beginning of its event line, when the log ends inside that line (the host died writing it).
    recorded_event_prefix: str | None = None

    @functools.cached_property
    def event_line(self) -> str | None:
        """The event's line: the recorded one itself when the library writes the same."""
        if self.event is None:
            return None
        line = to_jsonl(self.event)
        return self.recorded_event_line if line == self.recorded_event_line else line


@dataclass(frozen=True)
class Difference:
    line_number: int  # the recorded event's line, or the utterance's when the log has no event for it
    recorded: str | None
    replayed: str | None

    CONTEXT = 40  # characters shown on each side of the first difference

    def describe(self) -> str:
        def shown(line: str | None) -> str:
            return "no event" if line is None else line if len(line) <= 200 else line[:197] + "..."

        if self.recorded is not None and self.replayed is not None:
            at = next((i for i, (a, b) in enumerate(zip(self.recorded, self.replayed)) if a != b),
                      min(len(self.recorded), len(self.replayed)))
            start = max(0, at - self.CONTEXT)

            def around(line: str) -> str:
                end = at + self.CONTEXT
                return ("..." if start else "") + line[start:end] + ("..." if end < len(line) else "")

            # Both excerpts begin at the same character, so the difference lines up under the caret.
            caret = " " * (len("  recorded: ") + (3 if start else 0) + at - start) + "^"
            return (f"line {self.line_number}: the event differs from character {at + 1}:\n"
                    f"  recorded: {around(self.recorded)}\n  replayed: {around(self.replayed)}\n{caret}")
        return f"line {self.line_number}: recorded {shown(self.recorded)}, replayed {shown(self.replayed)}"


# What a reader's timeline may hold, in the bytes of the frame lines it keeps: neither a log's
# own capacity (up to 2^64 - 1 frames) nor its lines (up to 64 MiB each) may make a reader
# take all the memory there is. A frame takes about as much memory as its line, or less.
MAX_HELD_BYTES = 256 << 20


class Replay:
    """Feeds a log's frames and utterances, in their order, through a fresh timeline.

    The timeline has the settings the log recorded, or the overrides given. Iterating yields
    a Replayed for every utterance. After iterating, `frames` counts the frames pushed and
    `truncated` holds the TruncatedLog that ended a log whose last line was incomplete (the
    records before it were all replayed).

    Every line is checked as strictly as the reader checks it, and every frame pushed as the
    frame its line holds; the timeline's own decision says which frame an event was paired
    with (`frame_index`) and why an utterance got none.

    `on_frame`, when given, is called with every frame as it is pushed, and `on_scene` with
    every Scene the log records; `scene` is the last one read.
    """

    def __init__(self, source: Source, *, capacity: int | None = None, max_context_age_ns: int | None = None,
                 deictics: Iterable[str] = DEICTIC_WORDS, on_frame: Callable[[SpatialIntentFrame], None] | None = None,
                 on_scene: Callable[[Scene], None] | None = None):
        self.on_frame, self.on_scene = on_frame, on_scene
        self.scene: Scene | None = None
        self.reader = SessionReader(source, on_frame=self._pushed)
        self.deictics = frozenset(deictics)
        self.capacity_override, self.age_override = capacity, max_context_age_ns
        self.header: SessionHeader | None = None
        self.timeline: ExplainedTimeline | None = None
        self.frames = 0
        self.first_frame_ns: int | None = None
        self.truncated: TruncatedLog | None = None
        # The utterance whose words wait to be grounded: until its gaze hits are read, or until
        # anything that changes the timeline comes first.
        self._unsettled: dict[str, Any] | None = None
        self._pending: dict[str, Any] | None = None  # the last utterance, until its event line (if any) is read
        self._held: deque[int] = deque()  # the line sizes of the frames the timeline keeps
        self._held_bytes = 0
        self._kept = 0  # how many frames the timeline keeps, at most
        self._newest_ns = 0

    def _settle(self, gaze: GazeHits | None = None) -> None:
        """Grounds the waiting utterance's words, with the gaze hits the log recorded for it."""
        pending, self._unsettled = self._unsettled, None
        if pending is None:
            return
        assert self.timeline is not None
        said, casts = pending["utterance"], GazeCasts.from_record(None if gaze is None else gaze.hits)
        pending["grounded"] = ground_from_evidence(self.timeline, said.text, said.words, said.timestamp_ns,
                                                   self.deictics, casts, self.scene)

    def _done(self) -> Replayed | None:
        """The last utterance, once nothing more of the log belongs to it."""
        self._settle()
        pending, self._pending = self._pending, None
        return None if pending is None else Replayed(**pending)

    def _pushed(self, frame: SpatialIntentFrame, size: int) -> None:
        assert self.timeline is not None  # the reader puts the header first
        self._settle()
        self._hold(frame, size)
        self.timeline.push(frame)
        if self.on_frame is not None:
            self.on_frame(frame)
        self.frames += 1
        if self.first_frame_ns is None:
            self.first_frame_ns = frame.timestamp_ns

    def _said(self, number: int, said: Utterance) -> None:
        assert self.timeline is not None
        event = self.timeline.submit_text(said.text, said.timestamp_ns, said.words)
        pairing, explanation = self.timeline.last_pairing, self.timeline.last_explanation
        assert pairing is not None and explanation is not None
        self._pending = {"line_number": number, "utterance": said, "event": event, "explanation": explanation,
                         "grounded": None, "recorded_event_line": None,
                         "frame_index": None if event is None else pairing.frame, "frames_before": self.frames}
        self._unsettled = None if said.words is None else self._pending

    def _read(self, number: int, line: str, record: Record) -> Replayed | None:
        """Takes one record of the log (frames come through _pushed); the utterance it ends, if any."""
        match record:
            case SessionHeader():
                self.timeline = self.start(record)
            case Utterance():
                done = self._done()
                self._said(number, record)
                return done
            case ContextualIntentEvent():
                assert self._pending is not None  # the reader puts an event right after its utterance
                self._pending["recorded_event_line"] = line
            case Scene():
                self.scene = record
                if self.on_scene is not None:
                    self.on_scene(record)
            case GazeHits():
                if self._unsettled is not None and self._unsettled["utterance"].timestamp_ns == record.timestamp_ns:
                    self._settle(record)
            case _:
                raise ReadError(f"a replay does not know the record {type(record).__name__}", "", self.reader.name,
                                number)
        return None

    def __iter__(self) -> Iterator[Replayed]:
        try:
            with self.reader as reader:
                for number, line, record in reader:
                    done = self._read(number, line, record)
                    if done is not None:
                        yield done
                    if self._pending is not None and self._pending["frames_before"] != self.frames:
                        yield self._done()  # type: ignore[misc]
        except TruncatedLog as error:
            self.truncated = error
        except ReadError:
            # What came before the fault was replayed in full: it is not lost with it.
            done = self._done()
            if done is not None:
                yield done
            raise
        done = self._done()
        if done is not None:
            cut = self.truncated.partial if self.truncated is not None else ""
            yield replace(done, recorded_event_prefix=cut or None)

    def start(self, header: SessionHeader) -> ExplainedTimeline:
        self.header = header
        capacity = header.capacity if self.capacity_override is None else self.capacity_override
        age = header.max_context_age_ns if self.age_override is None else self.age_override
        timeline = ExplainedTimeline(capacity, age)
        self._kept = _native.settings(timeline.timeline)[0]
        return timeline

    def _hold(self, frame: SpatialIntentFrame, size: int) -> None:
        """Counts a frame the timeline is about to keep, as the timeline keeps it (a frame older
        than the newest clears it; the oldest beyond its capacity go); a ReadError when what it
        would keep passes MAX_HELD_BYTES."""
        if self._held and frame.timestamp_ns < self._newest_ns:  # the frame pushed last is the newest held
            self._held.clear()
            self._held_bytes = 0
        self._held.append(size)
        self._held_bytes += size
        self._newest_ns = frame.timestamp_ns
        while len(self._held) > self._kept:
            self._held_bytes -= self._held.popleft()
        if self._held_bytes > MAX_HELD_BYTES:
            raise ReadError(f"the last {len(self._held)} frames, which a timeline of capacity {self._kept} keeps, hold "
                            f"more than {MAX_HELD_BYTES >> 20} MiB: a reader keeps no more than that (a smaller "
                            "--capacity keeps fewer)", "", self.reader.name, self.reader.lines_read)


def replay(source: Source, *, capacity: int | None = None, max_context_age_ns: int | None = None,
           deictics: Iterable[str] = DEICTIC_WORDS) -> Iterator[Replayed]:
    """Every utterance of the log, submitted again to a fresh timeline (see Replay)."""
    return iter(Replay(source, capacity=capacity, max_context_age_ns=max_context_age_ns, deictics=deictics))


def first_difference(replayed: Replayed) -> Difference | None:
    """How a replayed utterance differs from the log, byte for byte, if it does."""
    line = replayed.event_line
    prefix = replayed.recorded_event_prefix
    if prefix is not None and line is not None and line.startswith(prefix):
        return None  # all the log kept of its event agrees
    if line != replayed.recorded_event_line:
        # A recorded event is the line right after its utterance's.
        number = replayed.line_number + (replayed.recorded_event_line is not None)
        return Difference(number, replayed.recorded_event_line, line)
    return None

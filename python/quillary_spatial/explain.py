"""Why an utterance got its event, or why it got none.

The timeline decides; this only explains, from what it saw pushed. It keeps the times of the
frames the timeline holds (the same rules: a frame older than the newest starts a new history,
the oldest frame beyond the capacity is dropped) and, when `submit_text` returns None, names
the rule that applied.
"""

from __future__ import annotations

import enum
import operator
from collections import deque
from dataclasses import dataclass

from _spatial import ContextualIntentEvent


class Outcome(enum.StrEnum):
    EVENT = "event"
    EMPTY_TEXT = "empty_text"
    NO_FRAME = "no_frame"
    BEFORE_HISTORY = "before_history"
    TOO_OLD = "too_old"


class HistoryStart(enum.StrEnum):
    """Why the oldest frame the timeline holds is the oldest."""

    FIRST_FRAME = "first_frame"  # nothing older was ever pushed
    CAPACITY = "capacity"  # older frames were dropped to stay within the capacity
    RESET = "reset"  # a frame older than the newest cleared what came before


@dataclass(frozen=True)
class Explanation:
    outcome: Outcome
    timestamp_ns: int
    max_context_age_ns: int
    age_ns: int | None = None  # EVENT: the context's age; TOO_OLD: the newest fitting frame's age
    history_start_ns: int | None = None  # BEFORE_HISTORY: the oldest frame held
    history_start: HistoryStart | None = None
    reset_at_ns: int | None = None  # BEFORE_HISTORY after a reset: the time of the frame that reset it

    @property
    def too_old_by_ns(self) -> int | None:
        return None if self.outcome is not Outcome.TOO_OLD or self.age_ns is None else self.age_ns - self.max_context_age_ns

    def describe(self) -> str:
        """One line for a person."""
        if self.outcome is Outcome.EVENT:
            return f"event (context {ms(self.age_ns)} old)"
        if self.outcome is Outcome.EMPTY_TEXT:
            return "no event: empty text"
        if self.outcome is Outcome.NO_FRAME:
            return "no event: no frame pushed yet"
        if self.outcome is Outcome.TOO_OLD:
            return (f"no event: newest frame is {ms(self.age_ns)} old, limit {self.max_context_age_ns / 1e6:g} ms "
                    f"(too old by {ms(self.too_old_by_ns)})")
        start = f"the history begins at {self.history_start_ns} ns"
        if self.history_start is HistoryStart.CAPACITY:
            cause = "older frames were dropped at capacity"
        elif self.history_start is HistoryStart.RESET:
            cause = f"a clock reset at {self.reset_at_ns} ns cleared the frames before it"
        else:
            cause = "no frame before it was ever pushed"
        return f"no event: submitted before the oldest frame held ({start}: {cause})"


def ms(ns: int | None) -> str:
    return "?" if ns is None else f"{ns / 1e6:.1f} ms"


class TimelineModel:
    """The frame times an IntentTimeline with these settings holds, pushed the same way."""

    def __init__(self, capacity: int, max_context_age_ns: int):
        # The core's floors: a capacity of 0 keeps one frame, a negative age acts as 0.
        self.capacity = max(capacity, 1)
        self.max_context_age_ns = max(max_context_age_ns, 0)
        self.times: deque[int] = deque(maxlen=min(self.capacity, 2**31))
        self.start = HistoryStart.FIRST_FRAME
        self.reset_at_ns: int | None = None

    def push(self, times: list[int]) -> None:
        """Frames pushed in this order, by their times."""
        if not times:
            return
        held = self.times
        # Each frame older than the one before it starts a new history; only the last counts.
        # Found without a Python loop: this runs for every frame of a session.
        last_reset = bytes(map(operator.lt, times[1:], times)).rfind(1)
        if last_reset >= 0:
            times = times[last_reset + 1:]
        if last_reset >= 0 or (held and times[0] < held[-1]):
            held.clear()
            self.start, self.reset_at_ns = HistoryStart.RESET, times[0]
        if len(held) + len(times) > self.capacity:
            self.start = HistoryStart.CAPACITY
        held.extend(times)

    def explain(self, text: str | bytes, timestamp_ns: int, event: ContextualIntentEvent | None) -> Explanation:
        """Why `submit_text(text, timestamp_ns)` returned `event` on the timeline modelled."""
        max_age = self.max_context_age_ns
        if event is not None:
            return Explanation(Outcome.EVENT, timestamp_ns, max_age, age_ns=event.spatial_age_ns)
        if not text:
            return Explanation(Outcome.EMPTY_TEXT, timestamp_ns, max_age)
        times = self.times
        if not times:
            return Explanation(Outcome.NO_FRAME, timestamp_ns, max_age)
        if timestamp_ns < times[0]:
            return Explanation(Outcome.BEFORE_HISTORY, timestamp_ns, max_age, history_start_ns=times[0],
                               history_start=self.start,
                               reset_at_ns=self.reset_at_ns if self.start is HistoryStart.RESET else None)
        # Newest first, as the timeline looks; text usually comes after the newest frame.
        chosen = next(t for t in reversed(times) if t <= timestamp_ns)
        age = timestamp_ns - chosen
        if age <= max_age:
            raise RuntimeError(f"the timeline returned no event at {timestamp_ns} ns, but its frame at {chosen} ns "
                               f"is {age} ns old, within {max_age} ns: this explanation no longer matches the library")
        return Explanation(Outcome.TOO_OLD, timestamp_ns, max_age, age_ns=age)

"""The intent timeline that says why: ExplainedTimeline, and the Explanation of why an
utterance got its event or none.

The timeline decides, and says what it decided and why (the outcome, the frame, its age, what
bounds the history it holds); this turns that into an Explanation for people and tools.
"""

from __future__ import annotations

import enum
from collections import deque
from collections.abc import Callable, Sequence
from dataclasses import dataclass
from typing import TYPE_CHECKING

from _spatial import ContextualIntentEvent, IntentTimeline, SpatialIntentFrame

from . import _native
from .log.records import GazeHit, Scene, Word

if TYPE_CHECKING:
    from .grounding.words import Earlier


# How many of the latest utterances submitted with words a timeline keeps for "it" to refer back to.
WORDED_KEPT = 16


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


def explanation(pairing: _native.Pairing, timestamp_ns: int, max_context_age_ns: int) -> Explanation:
    """The Explanation of the timeline's decision at `timestamp_ns` (its maximum age as it uses it)."""
    outcome = Outcome(pairing.outcome)
    if outcome is Outcome.EVENT or outcome is Outcome.TOO_OLD:
        return Explanation(outcome, timestamp_ns, max_context_age_ns, age_ns=pairing.age_ns)
    if outcome is Outcome.BEFORE_HISTORY:
        start = HistoryStart(pairing.history_start)
        return Explanation(outcome, timestamp_ns, max_context_age_ns, history_start_ns=pairing.history_start_ns,
                           history_start=start,
                           reset_at_ns=pairing.reset_at_ns if start is HistoryStart.RESET else None)
    return Explanation(outcome, timestamp_ns, max_context_age_ns)


@dataclass(frozen=True)
class Said:
    """One submit_text, as its listeners hear it."""

    text: str
    timestamp_ns: int
    words: tuple[Word, ...] | None
    event: ContextualIntentEvent | None
    explanation: Explanation


class ExplainedTimeline:
    """An IntentTimeline (push, latest, submit_text, with the same arguments) that also says
    why each submitted text got its event or none: see `last_explanation`, and `last_pairing`
    for the timeline's own decision. `push` returns the frame's number (0 for the first), the
    number `last_pairing.frame` names.

    `add_listener(f)` has `f(Said)` called after every `submit_text`, on the caller's thread:
    how a server in the host's process (quillary_spatial.mcp) hears what was said. A listener
    must be quick and must not raise."""

    def __init__(self, capacity: int = 240, max_context_age_ns: int = 2_000_000_000):
        self.timeline = IntentTimeline(capacity, max_context_age_ns)
        self.capacity, self.max_context_age_ns = capacity, max_context_age_ns  # as given
        self.last_explanation: Explanation | None = None
        self.last_pairing: _native.Pairing | None = None
        # The capacity and maximum age the timeline works with (0 keeps one frame, a negative
        # age acts as 0): fixed when it is made, so read once.
        self.settings: tuple[int, int] = _native.settings(self.timeline)
        self.listeners: list[Callable[[Said], None]] = []
        # The scene `ground` weighs pointing against when it is given none: a Recorder's last
        # recorded one.
        self.last_scene: Scene | None = None
        # The conversation, for an "it" with no gesture of its own: the latest utterances
        # submitted with words (time, text), and what `ground` found each named last.
        self.worded: deque[tuple[int, str]] = deque(maxlen=WORDED_KEPT)
        self.referents: dict[tuple[int, str], Earlier | None] = {}

    def describe_settings(self) -> str:
        """The settings it works with, as replay and summary print them."""
        capacity, max_age_ns = self.settings
        return f"capacity {capacity}, max context age {max_age_ns / 1e6:g} ms"

    def add_listener(self, listener: Callable[[Said], None]) -> None:
        self.listeners.append(listener)

    def push(self, frame: SpatialIntentFrame, /) -> int:
        return _native.push(self.timeline, frame)

    def latest(self) -> SpatialIntentFrame | None:
        return self.timeline.latest()

    def submit_text(self, text: str, timestamp_ns: int,
                    words: Sequence[Word] | None = None) -> ContextualIntentEvent | None:
        """As IntentTimeline.submit_text; `words`, the recogniser's word times, go to the
        listeners (a Recorder also records them)."""
        event, pairing = _native.submit(self.timeline, text, timestamp_ns)
        self.last_pairing = pairing
        if words is not None:
            self.worded.append((timestamp_ns, text))
        said = explanation(pairing, timestamp_ns, self.settings[1])
        self.last_explanation = said
        for listener in self.listeners:
            listener(Said(text, timestamp_ns, None if words is None else tuple(words), event, said))
        return event

    def record_gaze_hits(self, timestamp_ns: int, hits: Sequence[GazeHit], text: str | None = None) -> None:
        """What `ground(raycast=)` found along the gaze rays it weighed for an utterance: a
        Recorder writes it into the log; this timeline keeps nothing."""

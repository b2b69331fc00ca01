"""What a deictic word refers to, weighed from the frames around it.

People point and look a little before, during and after the word they mean: the gesture's
apex falls near the word's onset (usually a little before, sometimes after), the pointer
holds there and moves on; the eyes reach the referent some hundreds of milliseconds before
the word. So no single frame decides. Each frame in a window around the word adds evidence
for what its pointing ray hit, weighted by when it came and how still the ray was; the gaze
ray adds evidence for what it hit, when the host's ray cast is at hand; a click during the
word adds weight to what was clicked. docs/grounding.md gives the model and its sources.
"""

from __future__ import annotations

import math
from collections.abc import Callable
from dataclasses import dataclass, field
from typing import TYPE_CHECKING

from _spatial import IntentTimeline, Ray, SpatialHit, Vec3

from . import _native

if TYPE_CHECKING:
    from ._native import Point, Ray6, Sample

# The window around a word: from this long before its onset to this long after its end.
BEFORE_ONSET_NS = 800_000_000
AFTER_END_NS = 100_000_000
# When pointing and gaze tell most, relative to the word's onset (seconds): the middle and
# spread of a Gaussian weight. The apex comes near the onset and is held into the word; the
# eyes arrive earlier.
POINTING_PEAK_S, POINTING_SPREAD_S = 0.05, 0.3
GAZE_PEAK_S, GAZE_SPREAD_S = -0.15, 0.2
# A pointer moving this fast (degrees a second) counts half: holds are slow, transits fast.
STILL_DEG_S = 40.0
# A ray aimed this steeply down is a pointer at rest (a controller at the user's side).
RESTING_PITCH = math.radians(-50.0)
RESTING_WEIGHT = 0.2
GAZE_WEIGHT = 0.6  # the eyes also look at what they do not mean
# The eyes leave for the next word's referent about this long before that word.
NEXT_GAZE_LEAD_NS = 300_000_000
# The frame at the onset, when the pointer is still there, counts as much as this many
# seconds more: calm users hold still at the onset, and that frame alone is nearly always right.
ONSET_WEIGHT = 0.1
SELECT_WEIGHT = 3.0  # what the pointer was on when select was pressed during the word
# One gaze ray is cast per this long (four frames at 90 Hz): a fixation lasts longer.
GAZE_PERIOD_NS = 44_444_444
UNSEEN = 0.03  # evidence no frame showed (seconds): keeps a single glance from being certain
# The candidates: (True, host id) for what was hit; (False, why) for pointing at nothing.
Key = tuple[bool, str]

# From the weighed evidence to a confidence that is right as often as it says: a logistic
# fitted on a corpus of simulated users apart from the benchmark's (bench/grounding_bench.py
# --fit), on the top candidate's share (as log odds) and the evidence's total weight.
CERTAINTY = (1.907, -0.350, 0.288)  # coefficient of log odds, of log weight, intercept


@dataclass
class Weighed:
    """The evidence for one candidate."""

    pointing: float = 0.0
    gaze: float = 0.0
    best: float = 0.0  # the strongest single frame's weight, and that frame's sample
    sample: Sample | None = None
    gaze_hit: GazeHit | None = None

    @property
    def total(self) -> float:
        return self.pointing + self.gaze

    @property
    def evidence(self) -> str:
        return "both" if self.pointing and self.gaze else "pointing" if self.pointing else "gaze"


@dataclass(frozen=True)
class GazeHit:
    """What the host's ray cast found along a frame's gaze ray, as a log records it."""

    frame_ns: int
    referent: str | None = None
    position: Point | None = None
    normal: Point | None = None

    @property
    def hit(self) -> bool:
        return self.position is not None


@dataclass
class GazeCasts:
    """The host's ray cast for gaze rays, once per frame time, each answer kept: `ground` with
    `raycast=` records them with the utterance, and a replay answers from the record."""

    raycast: Callable[[Ray], SpatialHit | None] | None = None
    recorded: dict[int, GazeHit] | None = None
    made: dict[int, GazeHit] = field(default_factory=dict)

    def __call__(self, frame_ns: int, gaze: Ray6) -> GazeHit:
        known = self.made.get(frame_ns)
        if known is not None:
            return known
        if self.recorded is not None:
            answer = self.recorded.get(frame_ns, GazeHit(frame_ns))
        else:
            assert self.raycast is not None
            answer = gaze_hit(frame_ns, self.raycast(Ray(Vec3(*gaze[:3]), Vec3(*gaze[3:]))))
        self.made[frame_ns] = answer
        return answer

    @property
    def usable(self) -> bool:
        return self.raycast is not None or self.recorded is not None


def gaze_hit(frame_ns: int, hit: object) -> GazeHit:
    if hit is None:
        return GazeHit(frame_ns)
    if not isinstance(hit, SpatialHit):
        raise TypeError(f"raycast: expected a SpatialHit or None, got {type(hit).__name__}")
    return GazeHit(frame_ns, hit.host_id, as_logged(hit.position), as_logged(hit.normal))


def as_logged(v: Vec3) -> Point:
    """The vector as a log holds it (nine significant digits), so a replay weighs the same."""
    return (float(f"{v.x:.9g}"), float(f"{v.y:.9g}"), float(f"{v.z:.9g}"))


@dataclass(frozen=True)
class Found:
    """The evidence for one word, ranked."""

    ranked: tuple[tuple[Key, Weighed], ...]  # strongest first
    total: float  # all evidence weighed, UNSEEN included
    samples: int  # frames in the window
    pointed: bool  # some frame had a pointing ray

    def share(self, weighed: Weighed) -> float:
        return weighed.total / self.total

    def certainty(self) -> float:
        if not self.ranked:
            return 0.0
        share = min(max(self.share(self.ranked[0][1]), 1e-6), 1 - 1e-6)
        a, b, c = CERTAINTY
        x = a * math.log(share / (1 - share)) + b * math.log(self.total) + c
        return 1 / (1 + math.exp(-x))


def weigh(timeline: IntentTimeline, onset_ns: int, end_ns: int, gaze: GazeCasts, next_onset_ns: int | None = None) -> Found:
    """The evidence of the frames around a word said from `onset_ns` to `end_ns`; the gaze's
    only until the eyes may have left for the next deictic word's referent (said from
    `next_onset_ns`)."""
    gaze_until = math.inf if next_onset_ns is None else max(onset_ns, next_onset_ns - NEXT_GAZE_LEAD_NS)
    samples = _native.word_window(timeline, onset_ns - BEFORE_ONSET_NS, max(end_ns, onset_ns) + AFTER_END_NS)
    found: dict[Key, Weighed] = {}
    previous: tuple[int, Ray6] | None = None
    pointed = False
    gazed_in = -1  # the gaze period last cast in
    for i, sample in enumerate(samples):
        _, at_ns, pointing, target, gaze_ray, select, _ = sample
        # Each frame stands for the time until the next (at most 50 ms: a gap is no evidence).
        following = samples[i + 1][1] if i + 1 < len(samples) else at_ns + 11_111_111
        span = min(max(following - at_ns, 0), 50_000_000) / 1e9
        since = (at_ns - onset_ns) / 1e9
        if pointing is not None:
            pointed = True
            ray = pointing[0]
            still = 1.0
            if previous is not None and at_ns > previous[0]:
                speed = angle_between(ray, previous[1]) / ((at_ns - previous[0]) / 1e9)
                still = 1 / (1 + (speed / STILL_DEG_S) ** 2)
            weight = span * gaussian(since, POINTING_PEAK_S, POINTING_SPREAD_S) * still
            if at_ns <= onset_ns < following:
                weight += ONSET_WEIGHT * still
            if pitch(ray) < RESTING_PITCH:
                weight *= RESTING_WEIGHT
            if select is not None and onset_ns <= at_ns and (select[0] or onset_ns <= select[1] <= at_ns):
                weight *= SELECT_WEIGHT
            previous = (at_ns, ray)
            if target is None:
                key: Key = (False, "nothing_hit")
            else:
                key = (False, "no_host_id") if target[0] is None else (True, target[0])
            w = found.setdefault(key, Weighed())
            w.pointing += weight
            if weight > w.best or w.gaze_hit is not None:
                w.best, w.sample, w.gaze_hit = weight, sample, None
        period = at_ns // GAZE_PERIOD_NS
        if gaze_ray is not None and gaze.usable and period != gazed_in and at_ns <= gaze_until:
            gazed_in = period
            hit = gaze(at_ns, gaze_ray)
            if hit.referent is not None:
                weight = GAZE_WEIGHT * GAZE_PERIOD_NS / 1e9 * gaussian(since, GAZE_PEAK_S, GAZE_SPREAD_S)
                w = found.setdefault((True, hit.referent), Weighed())
                w.gaze += weight
                if not w.pointing and weight > w.best:
                    w.best, w.sample, w.gaze_hit = weight, sample, hit
    total = UNSEEN + sum(w.total for w in found.values())
    ranked = tuple(sorted(found.items(), key=lambda item: (-item[1].total, item[0])))
    return Found(ranked, total, len(samples), pointed)


def gaussian(x: float, middle: float, spread: float) -> float:
    z = (x - middle) / spread
    return math.exp(-0.5 * z * z)


def angle_between(a: Ray6, b: Ray6) -> float:
    """Degrees between two rays' directions."""
    dot = a[3] * b[3] + a[4] * b[4] + a[5] * b[5]
    norms = math.sqrt((a[3] ** 2 + a[4] ** 2 + a[5] ** 2) * (b[3] ** 2 + b[4] ** 2 + b[5] ** 2))
    if not norms or not math.isfinite(norms):
        return 0.0
    return math.degrees(math.acos(min(1.0, max(-1.0, dot / norms))))


def pitch(ray: Ray6) -> float:
    horizontal = math.hypot(ray[3], ray[5])
    return math.atan2(ray[4], horizontal) if math.isfinite(horizontal) else 0.0

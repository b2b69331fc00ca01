"""What a deictic word refers to, weighed from the frames around it.

People point and look a little before, during and after the word they mean: the gesture's
apex falls near the word's onset (usually a little before, sometimes after), the pointer
holds there and moves on; the eyes reach the referent some hundreds of milliseconds before
the word. So no single frame decides. Each frame in a window around the word adds evidence
for what its pointing ray hit, weighted by when it came and how still the ray was; the gaze
ray adds evidence for what it hit (with a scene, also for what it passed beside), when the
host's ray cast is at hand; a click during the word adds weight to what was clicked.
docs/grounding.md gives the model and its sources.
"""

from __future__ import annotations

import math
from collections.abc import Callable, Container, Sequence
from dataclasses import dataclass, field
from typing import TYPE_CHECKING

from _spatial import IntentTimeline, PointingSource, Ray, SpatialHit, Vec3

from .. import _native
from ..log.checks import INT64_MAX, INT64_MIN
from ..log.records import GazeHit, SceneObject
from .settings import DEFAULT_SETTINGS, GroundingSettings
from .sight import Box, box_around, box_of, hidden, ring

if TYPE_CHECKING:
    from .._native import Point, Ray6, Sample

# The window around a word: from this long before its onset to this long after its end.
BEFORE_ONSET_NS = 600_000_000
AFTER_END_NS = 250_000_000
# When pointing and gaze tell most, relative to the word's onset (seconds): the middle and
# spread of a Gaussian weight. The apex comes near the onset and is held into the word; the
# eyes arrive earlier.
POINTING_PEAK_S, POINTING_SPREAD_S = 0.1, 0.3
GAZE_PEAK_S, GAZE_SPREAD_S = -0.15, 0.2
# A pointer moving this fast (degrees a second) counts half: holds are slow, transits fast.
STILL_DEG_S = 40.0
# A ray aimed this steeply down is a pointer at rest (a controller at the user's side).
RESTING_PITCH = math.radians(-50.0)
RESTING_WEIGHT = 0.02
# What a head pointer's frames say pointed (no controller, no tracked hand: the head's ray).
HEAD_SOURCE = int(PointingSource.HEAD)
GAZE_WEIGHT = 0.6  # the eyes also look at what they do not mean
# Without eye tracking, where the head faces: it turns only part of the way the eyes go, and
# later (Freedman 2008), so it says less, later and more loosely.
HEAD_WEIGHT = 0.1
HEAD_PEAK_S, HEAD_SPREAD_S = -0.2, 0.3
# A look moving this fast (degrees a second) counts half: fixations are slow, saccades fast
# (a velocity threshold, as I-VT fixation filters use; Salvucci and Goldberg 2000).
FIXATION_DEG_S = 30.0
# The eyes leave for the next word's referent about this long before that word.
NEXT_GAZE_LEAD_NS = 500_000_000
# The frame at the onset, when the pointer is still there, counts as much as this many
# seconds more: calm users hold still at the onset, and that frame alone is nearly always right.
ONSET_WEIGHT = 0.1
SELECT_WEIGHT = 3.0  # what the pointer was on when select was pressed during the word
# Frames are weighed once per this long of the clock (about one in four at 90 Hz): neighbours
# say nearly the same.
SAMPLE_EVERY_NS = 40_000_000
# One gaze ray is cast per this long (twelve frames at 90 Hz): a fixation lasts longer.
GAZE_PERIOD_NS = 133_333_333
NEGLIGIBLE = 1e-4  # a frame that weighs less (seconds) is not weighed further
UNSEEN = 0.03  # evidence no frame showed (seconds): keeps a single glance from being certain
# The candidates: (True, host id) for what was hit; (False, why) for pointing at nothing.
Key = tuple[bool, str]
# Where the scene's objects are, by host id: the middle and the radius of a ball around it.
Places = dict[str, tuple[tuple[float, float, float], float]]
# People aim and look near the middle of an object (fixations: Nuthmann and Henderson 2010),
# across 0.3 of its angular radius, off by a degree or two of bias and tremor.
AIM_ACROSS = 0.3
AIM_ERROR_DEG = 2.0
# A ray that hit nothing fits "nothing" as well as one two aim errors off an object.
NEAR_MISS = math.exp(-2.0) / AIM_ERROR_DEG ** 2


def calibrated(chance: float, settings: GroundingSettings = DEFAULT_SETTINGS) -> float:
    """`chance` through the settings' calibration, in log odds."""
    if chance <= 0.0 or chance >= 1.0:
        return min(max(chance, 0.0), 1.0)
    slope, offset = settings.calibration
    return 1 / (1 + math.exp(-max(min(slope * math.log(chance / (1 - chance)) + offset, 50.0), -50.0)))


@dataclass
class Weighed:
    """The evidence for one candidate."""

    pointing: float = 0.0
    gaze: float = 0.0
    head: float = 0.0  # looks by the head, without eye tracking: coarser than the eyes'
    timed: float = 0.0  # the weights times their moments from the onset (seconds): when it was seen
    best: float = 0.0  # the strongest single frame's weight, and that frame's sample
    sample: Sample | None = None
    gaze_hit: GazeHit | None = None
    by_head: bool = False  # the strongest look was the head's, not the eyes'
    # For what the conversation named before and nothing showed now: what showed it then.
    earlier: str | None = None

    @property
    def total(self) -> float:
        return self.pointing + self.gaze + self.head

    @property
    def evidence(self) -> str:
        if self.earlier is not None and not self.total:
            return self.earlier
        looked = self.gaze or self.head
        return "both" if self.pointing and looked else "pointing" if self.pointing else "gaze"


@dataclass
class GazeCasts:
    """The host's ray cast for gaze rays (once per frame time) and, without a scene, for the
    rays around an aim (by frame time and `probe`), each answer kept: `ground` with `raycast=`
    records them with the utterance, and a replay answers from the record."""

    raycast: Callable[[Ray], SpatialHit | None] | None = None
    recorded: dict[tuple[int, int | None], GazeHit] | None = None
    made: dict[tuple[int, int | None], GazeHit] = field(default_factory=dict)

    def __call__(self, frame_ns: int, ray: Ray6, probe: int | None = None) -> GazeHit:
        key = (frame_ns, probe)
        known = self.made.get(key)
        if known is not None:
            return known
        if self.recorded is not None:
            answer = self.recorded.get(key, GazeHit(frame_ns, probe=probe))
        else:
            assert self.raycast is not None
            answer = gaze_hit(frame_ns, self.raycast(Ray(Vec3(*ray[:3]), Vec3(*ray[3:]))), probe)
        self.made[key] = answer
        return answer

    @classmethod
    def from_record(cls, hits: Sequence[GazeHit] | None) -> GazeCasts:
        """A replay's casts: the hits a log recorded, the first for a frame time (and probe)
        answering it as the first cast answered it live."""
        if hits is None:
            return cls()
        recorded: dict[tuple[int, int | None], GazeHit] = {}
        for hit in hits:
            recorded.setdefault((hit.frame_ns, hit.probe), hit)
        return cls(recorded=recorded)

    @property
    def usable(self) -> bool:
        return self.raycast is not None or self.recorded is not None


def gaze_hit(frame_ns: int, hit: object, probe: int | None = None) -> GazeHit:
    if hit is None:
        return GazeHit(frame_ns, probe=probe)
    if not isinstance(hit, SpatialHit):
        raise TypeError(f"raycast: expected a SpatialHit or None, got {type(hit).__name__}")
    position, normal = as_logged(hit.position), as_logged(hit.normal)
    referent = _native.hit_id(hit)
    if not all(math.isfinite(c) for c in position + normal):
        return GazeHit(frame_ns, referent, probe=probe)  # what was hit, without a place a log can hold
    return GazeHit(frame_ns, referent, position, normal, probe)


def as_logged(v: Vec3) -> Point:
    """The vector as a log holds it (nine significant digits), so a replay weighs the same."""
    x, y, z = _native.as_logged((v.x, v.y, v.z))
    return (x, y, z)


@dataclass
class Shared:
    """What the words of one utterance weigh alike, worked out once: each pointing frame's fit
    to each place (by frame number and host id), and each look's shares (by frame time)."""

    fits: dict[tuple[int, str], float] = field(default_factory=dict)
    looks: dict[int, list[tuple[str, float]]] = field(default_factory=dict)
    # A word's frames and which are cast, by its onset, end and the next deictic word's onset.
    windows: dict[tuple[int, int, int | None], tuple[list[Sample], set[int]]] = field(default_factory=dict)
    # The scene's objects by host id (none without a scene), their boxes as far as asked for,
    # what the utterance's rays hit (all that may hide a thing near them) and what is hidden.
    # Without a scene, the balls around what the rays hit stand for boxes.
    objects: dict[str, SceneObject] | None = None
    seen: Places | None = None
    boxes: dict[str, Box | None] = field(default_factory=dict)
    occluders: frozenset[str] = frozenset()
    hidden: dict[str, bool] = field(default_factory=dict)

    def visible(self, eye: Point, name: str) -> bool:
        """Whether `name` may be seen from `eye` (the first eye asked for it: the head hardly
        moves in an utterance), past what the rays hit; what a ray hit is seen, and with no
        box for it, it may be."""
        known = self.hidden.get(name)
        if known is None and name in self.occluders:
            known = self.hidden[name] = False  # a ray hit it: it is seen
        if known is None:
            box = self.box(name)
            known = self.hidden[name] = box is not None and hidden(eye, box, (
                b for b in map(self.box, self.occluders) if b is not None))
        return not known

    def box(self, name: str) -> Box | None:
        if name not in self.boxes:
            if self.objects is None:
                ball = None if self.seen is None else self.seen.get(name)
                self.boxes[name] = None if ball is None else box_around(*ball)
            else:
                o = self.objects.get(name)
                self.boxes[name] = None if o is None else box_of(o)
        return self.boxes[name]


@dataclass(frozen=True)
class Found:
    """The evidence for one word, ranked."""

    ranked: tuple[tuple[Key, Weighed], ...]  # strongest first
    total: float  # all evidence weighed, UNSEEN included
    steadiness: float = 0.0  # how still the pointer was around the onset, 0 to 1 (0: nothing pointed)
    scene: bool = True  # where things are came from a scene, not only from what the rays hit
    headed: float = 0.0  # the share of the pointing around the onset that was the head's (a head pointer)

    def share(self, weighed: Weighed) -> float:
        return weighed.total / self.total

    def judged(self, onset_referent: str | None,
               settings: GroundingSettings = DEFAULT_SETTINGS) -> list[tuple[float, Key, Weighed]]:
        """The three strongest candidates that name a referent, each with how likely it is
        the one meant, the likeliest first."""
        judged = []
        for key, w in self.referents()[:3]:
            x = sum(a * b for a, b in zip(settings.certainty, self.features(key, w, onset_referent)))
            judged.append((1 / (1 + math.exp(-max(min(x, 50.0), -50.0))), key, w))
        return sorted(judged, key=lambda j: (-j[0], j[1]))

    def referents(self) -> list[tuple[Key, Weighed]]:
        return [item for item in self.ranked if item[0][0]]

    def features(self, key: Key, w: Weighed, onset_referent: str | None) -> tuple[float, ...]:
        """What the certainty is a logistic of (GroundingSettings.certainty): the candidate's
        share of the weight (as log odds), the total weight (log), whether the frame at the onset
        hit it, its share of the pointing and of the gaze weight, its lead over the strongest
        rival (nothing included), how far from the apex's usual moment its evidence lies on
        average, whether no gaze was seen at all (a host without eye tracking, or the eyes
        shut), its share of its own weight that is the head's looking, whether nothing pointed
        (the user only looked), how still the pointer was around the onset (a deliberate point
        holds; a hurried one is on its way), and that stillness times the share's log odds (a
        share means more from a steady pointer); whether the host gave no scene, and that times
        the share's log odds (where things are is then only what the rays hit: coarser); how
        much of the pointing was the head's (a head pointer points where it looks, and sweeps
        with every glance); then 1, for the intercept."""
        pointed = sum(o.pointing for _, o in self.ranked)
        pointing = pointed or 1.0
        gazed = sum(o.gaze for _, o in self.ranked)
        gaze = gazed or 1.0
        share = min(max(self.share(w), 1e-6), 1 - 1e-6)
        rival = max((self.share(o) for k, o in self.ranked if k != key), default=0.0)
        # Seen around the onset, or mostly well before or after it (the other word's referent).
        moment = w.timed / w.total if w.total else 0.0
        odds = math.log(share / (1 - share))
        return (odds, math.log(self.total), float(key[1] == onset_referent),
                w.pointing / pointing, w.gaze / gaze, share - rival, abs(moment - POINTING_PEAK_S),
                float(not gazed), w.head / w.total if w.total else 0.0, float(not pointed), self.steadiness,
                self.steadiness * odds, float(not self.scene), float(not self.scene) * odds, self.headed, 1.0)


def weigh(timeline: IntentTimeline, onset_ns: int, end_ns: int, gaze: GazeCasts, next_onset_ns: int | None = None,
          places: Places | None = None, shared: Shared | None = None,
          previous_end_ns: int | None = None, scene: bool = True) -> Found:
    """The evidence of the frames around a word said from `onset_ns` to `end_ns`: the
    pointer's from the end of the deictic word before (`previous_end_ns`) to the onset of the
    next (`next_onset_ns`), the gaze's until the eyes may have left for the next word's
    referent. With `places`, where the scene's objects are (from a `scene`, or only from what
    the rays hit), each pointing frame's weight is shared among the candidates by how near its
    ray passes to each one's middle."""
    shared = Shared() if shared is None else shared
    looks, fits = shared.looks, shared.fits
    # One gesture a deictic word: the pointer's hold on the word before and its reach for the
    # word after are theirs.
    pointing_from = -math.inf if previous_end_ns is None else min(previous_end_ns, onset_ns)
    pointing_until = math.inf if next_onset_ns is None else next_onset_ns
    samples, cast = word_frames(timeline, onset_ns, end_ns, next_onset_ns, gaze, shared)
    found: dict[Key, Weighed] = {}
    previous: tuple[int, Ray6] | None = None
    pointed_at: list[tuple[float, Key, Sample, float]] = []
    looked_on: set[str] = set()  # what a look hit
    looked: tuple[int, Ray6] | None = None
    # The pointing frames' weights by time alone, times their stillness, and the head's.
    timely = steady = headed = 0.0
    for i, sample in enumerate(samples):
        _, at_ns, pointing, target, _, select, _, _, _ = sample
        # Each frame stands for the time until the next (at most 50 ms: a gap is no evidence).
        following = samples[i + 1][1] if i + 1 < len(samples) else at_ns + 11_111_111
        span = min(max(following - at_ns, 0), 50_000_000) / 1e9
        since = (at_ns - onset_ns) / 1e9
        if pointing is not None:
            ray = pointing[0]
            still = stillness(ray, at_ns, previous, STILL_DEG_S)
            timed = span * gaussian(since, POINTING_PEAK_S, POINTING_SPREAD_S)
            weight = timed * still
            if at_ns <= onset_ns < following:
                weight += ONSET_WEIGHT * still
            if pitch(ray) < RESTING_PITCH:
                weight *= RESTING_WEIGHT
            else:
                timely, steady = timely + timed, steady + timed * still
                headed += timed if pointing[1] == HEAD_SOURCE else 0.0
            if select is not None and onset_ns <= at_ns and (select[0] or onset_ns <= select[1] <= at_ns):
                weight *= SELECT_WEIGHT
            previous = (at_ns, ray)
            if target is None:
                key: Key = (False, "nothing_hit")
            else:
                key = (False, "no_host_id") if target[0] is None else (True, target[0])
            if weight >= NEGLIGIBLE and pointing_from <= at_ns < pointing_until:
                pointed_at.append((weight, key, sample, since))
                found.setdefault(key, Weighed())
        look, by_head = look_of(sample)
        if look is None:
            continue
        before, looked = looked, (at_ns, look)
        if i in cast:
            # How still the look is, from the sample before: only where one is cast.
            fixed = stillness(look, at_ns, before, FIXATION_DEG_S)
            hit = gaze(at_ns, look)
            if hit.referent is not None:
                looked_on.add(hit.referent)
            weight = GAZE_PERIOD_NS / 1e9 * fixed * (
                HEAD_WEIGHT * gaussian(since, HEAD_PEAK_S, HEAD_SPREAD_S) if by_head else
                GAZE_WEIGHT * gaussian(since, GAZE_PEAK_S, GAZE_SPREAD_S))
            # With a scene, the eyes' look is shared as a pointer's is: an eye tracker's error
            # of a degree or so puts the ray beside a small thing, on what is behind it.
            if places and not by_head:
                on = looks.get(at_ns)
                if on is None:
                    on = looks[at_ns] = looked_at(look, hit.referent, places, shared.visible)
            else:
                on = [(hit.referent, 1.0)] if hit.referent is not None else []
            for name, share in on:
                w = found.setdefault((True, name), Weighed())
                if by_head:
                    w.head += weight * share
                else:
                    w.gaze += weight * share
                w.timed += weight * share * since
                if weight * share > w.best:
                    seen = hit if name == hit.referent else GazeHit(at_ns, name)  # only beside the ray: no place
                    w.best, w.sample, w.gaze_hit, w.by_head = weight * share, sample, seen, by_head
    # Pointing is credited once every candidate is known: with places, a frame's weight is
    # shared among them by how well its ray fits each.
    # Candidates: what a ray hit, not what a look only passed beside.
    hit_names = {key[1] for _, key, _, _ in pointed_at}
    candidates = [key for key in found if key[0] and places is not None and key[1] in places
                  and (key[1] in hit_names or key[1] in looked_on)]
    if places:
        candidates += passed_near(pointed_at, places, candidates, shared.visible)
    for weight, key, sample, since in pointed_at:
        shares = aimed_at(sample, key, candidates, places, fits) if places and candidates else ((key, 1.0),)
        for share_key, share in shares:
            w = found.setdefault(share_key, Weighed())
            w.pointing += weight * share
            w.timed += weight * share * since
            # Where a reference says its referent was hit is where a frame's ray hit it.
            if share_key == key and (weight * share > w.best or w.gaze_hit is not None):
                w.best, w.sample, w.gaze_hit = weight * share, sample, None
            elif share_key[1] not in hit_names and w.gaze_hit is None and weight * share > w.best:
                w.best, w.sample = weight * share, sample  # only passed beside: where it pointed from
    found = {key: w for key, w in found.items() if w.total > 0}
    total = UNSEEN + sum(w.total for w in found.values())
    ranked = tuple(sorted(found.items(), key=lambda item: (-item[1].total, item[0])))
    return Found(ranked, total, steady / timely if timely > 0 else 0.0, scene,
                 headed / timely if timely > 0 else 0.0)


def word_frames(timeline: IntentTimeline, onset_ns: int, end_ns: int, next_onset_ns: int | None, gaze: GazeCasts,
                shared: Shared) -> tuple[list[Sample], set[int]]:
    """The frames weighed for a word said from `onset_ns` to `end_ns` (the first of each
    SAMPLE_EVERY_NS of its window), and which of them have their look cast: until the eyes may
    have left for the next deictic word's referent. Worked out once an utterance."""
    known = shared.windows.get((onset_ns, end_ns, next_onset_ns))
    if known is None:
        samples = _native.word_window(timeline, on_clock(onset_ns - BEFORE_ONSET_NS),
                                      on_clock(max(end_ns, onset_ns) + AFTER_END_NS), SAMPLE_EVERY_NS)
        gaze_until = math.inf if next_onset_ns is None else next_onset_ns - NEXT_GAZE_LEAD_NS
        known = shared.windows[onset_ns, end_ns, next_onset_ns] = (samples, cast_looks(samples, gaze, gaze_until))
    return known


def look_of(sample: Sample) -> tuple[Ray6 | None, bool]:
    """What the user looked along in a frame, and whether it is the head's: the eyes, or
    without eye tracking where the head faces."""
    _, _, _, _, gaze_ray, _, _, head_ray, eye_tracking = sample
    by_head = gaze_ray is None and not eye_tracking
    return (head_ray if by_head else gaze_ray), by_head


def cast_looks(samples: list[Sample], gaze: GazeCasts, until_ns: float) -> set[int]:
    """Which samples' looks are cast (by their place in `samples`): the first with a look in
    each gaze period, up to `until_ns`."""
    cast: set[int] = set()
    if not gaze.usable:
        return cast
    gazed_in = -1  # the gaze period last cast in
    for i, sample in enumerate(samples):
        at_ns = sample[1]
        if look_of(sample)[0] is not None and at_ns <= until_ns and at_ns // GAZE_PERIOD_NS != gazed_in:
            gazed_in = at_ns // GAZE_PERIOD_NS
            cast.add(i)
    return cast


# Without a scene, a thing seen only at one point is taken to be at least this large (metres).
SEEN_RADIUS = 0.05


def seen_places(hits: dict[str, list[Point]], around: dict[str, list[Point]]) -> Places:
    """Where the things are, as far as the rays of the words' windows show without a scene:
    each thing a pointing ray or a cast look hit (`hits`, of rays_hits) or a ray cast around
    the aim hit (`around`, of around_aims), a ball around the points where they hit it. A ray
    aimed beside the vase hits the table behind it, but the look that hit the vase tells where
    the vase is, and so does a ray cast a little to its side."""
    seen = {name: list(points) for name, points in hits.items()}
    for name, points in around.items():
        seen.setdefault(name, []).extend(points)
    places: Places = {}
    for name, points in seen.items():
        n = len(points)
        middle = (sum(p[0] for p in points) / n, sum(p[1] for p in points) / n, sum(p[2] for p in points) / n)
        if all(math.isfinite(c) for c in middle):
            places[name] = (middle, max([SEEN_RADIUS] + [math.dist(p, middle) for p in points]))
    return places


def rays_hits(timeline: IntentTimeline, windows: Sequence[tuple[int, int, int | None]], gaze: GazeCasts,
              shared: Shared) -> dict[str, list[Point]]:
    """Where the pointing rays and the cast looks of the words' windows hit each thing."""
    points: dict[str, list[Point]] = {}
    for onset_ns, end_ns, next_onset_ns in windows:
        samples, cast = word_frames(timeline, onset_ns, end_ns, next_onset_ns, gaze, shared)
        for i, sample in enumerate(samples):
            target = sample[3]
            if target is not None and target[0] is not None:
                points.setdefault(target[0], []).append(target[1])
            if i in cast:
                look = look_of(sample)[0]
                assert look is not None
                hit = gaze(sample[1], look)
                if hit.referent is not None and hit.position is not None:
                    points.setdefault(hit.referent, []).append(hit.position)
    return points


# Without a scene, what an aim may have just missed is found by casting rays around it: on
# rings at about one and two aim errors, around the steadiest pointing ray of each word
# (around its steadiest look when nothing points). The probes around a look are numbered on
# from those around a pointing ray: one frame may be both.
PROBE_DEGREES = (2.0, 4.0)
PROBE_AROUND = 6
LOOK_PROBES = len(PROBE_DEGREES) * PROBE_AROUND


def around_aims(timeline: IntentTimeline, windows: Sequence[tuple[int, int, int | None]], gaze: GazeCasts,
                shared: Shared) -> dict[str, list[Point]]:
    """Where the rays cast around each word's steadiest aim hit each thing."""
    points: dict[str, list[Point]] = {}
    if not gaze.usable:
        return points
    for onset_ns, end_ns, next_onset_ns in windows:
        samples, cast = word_frames(timeline, onset_ns, end_ns, next_onset_ns, gaze, shared)
        aim = steadiest(samples, onset_ns, next_onset_ns, cast)
        if aim is None:
            continue
        at_ns, ray, first = aim
        for k, direction in enumerate(ring(ray, PROBE_DEGREES, PROBE_AROUND), first):
            hit = gaze(at_ns, (ray[0], ray[1], ray[2], *direction), k)
            if hit.referent is not None and hit.position is not None:
                points.setdefault(hit.referent, []).append(hit.position)
    return points


def steadiest(samples: list[Sample], onset_ns: int, next_onset_ns: int | None,
              cast: set[int]) -> tuple[int, Ray6, int] | None:
    """The frame time and ray of a word's pointing frame that weighs most by its moment and
    stillness (as `weigh` weighs them; not a pointer at rest, nor one on the next word), and
    the first probe number around it; when nothing points, the cast look that does."""
    best: tuple[float, int, Ray6, int] | None = None
    previous: tuple[int, Ray6] | None = None
    for sample in samples:
        at_ns, pointing = sample[1], sample[2]
        if pointing is None:
            continue
        ray, before, previous = pointing[0], previous, (at_ns, pointing[0])
        if (next_onset_ns is not None and at_ns >= next_onset_ns) or pitch(ray) < RESTING_PITCH:
            continue
        weight = gaussian((at_ns - onset_ns) / 1e9, POINTING_PEAK_S, POINTING_SPREAD_S) * stillness(
            ray, at_ns, before, STILL_DEG_S)
        if best is None or weight > best[0]:
            best = (weight, at_ns, ray, 0)
    if best is None:
        looked: tuple[int, Ray6] | None = None
        for i, sample in enumerate(samples):
            look, by_head = look_of(sample)
            if look is None:
                continue
            before, looked = looked, (sample[1], look)
            if i not in cast:
                continue
            peak, spread = (HEAD_PEAK_S, HEAD_SPREAD_S) if by_head else (GAZE_PEAK_S, GAZE_SPREAD_S)
            weight = gaussian((sample[1] - onset_ns) / 1e9, peak, spread) * stillness(look, sample[1], before,
                                                                                    FIXATION_DEG_S)
            if best is None or weight > best[0]:
                best = (weight, sample[1], look, LOOK_PROBES)
    return None if best is None else best[1:]


def stillness(ray: Ray6, at_ns: int, before: tuple[int, Ray6] | None, half_deg_s: float) -> float:
    """1 / (1 + (speed / half_deg_s)²), the speed from the ray `before` (1 without one)."""
    if before is None or at_ns <= before[0]:
        return 1.0
    return 1 / (1 + (angle_between(ray, before[1]) / ((at_ns - before[0]) / 1e9) / half_deg_s) ** 2)


# The strongest pointing frames of a word whose rays may make a candidate of an object they
# passed near without hitting it, and how near: within this many aim errors of its ball.
NEAR_FRAMES = 3
NEAR_ERRORS = 1.0


def passed_near(pointed_at: list[tuple[float, Key, Sample, float]], places: Places, known: list[Key],
                visible: Callable[[Point, str], bool]) -> list[Key]:
    """The objects of the scene the strongest rays passed near but no ray hit, and the eyes
    can see: a steady aim error puts the ray beside a small object as often as on it."""
    near: list[Key] = []
    seen = {key[1] for key in known}
    for _, _, sample, _ in sorted(pointed_at, key=lambda p: -p[0])[:NEAR_FRAMES]:
        assert sample[2] is not None
        for name in beside(sample[2][0], places, NEAR_ERRORS * AIM_ERROR_DEG, seen):
            if visible(sample[6], name):
                seen.add(name)
                near.append((True, name))
    return near


def beside(ray: Ray6, places: Places, within_deg: float, skip: Container[str]) -> list[str]:
    """The places but those in `skip` whose ball the ray passes within `within_deg` of (the
    angle from the ray to the ball's middle less the angle the ball spans)."""
    length = math.hypot(ray[3], ray[4], ray[5])
    if not length or not math.isfinite(length):
        return []
    # Written out: this runs for every place at every look, the grounding's inner loop.
    ux, uy, uz = ray[3] / length, ray[4] / length, ray[5] / length
    near = []
    for name, (middle, radius) in places.items():
        vx, vy, vz = middle[0] - ray[0], middle[1] - ray[1], middle[2] - ray[2]
        reach = math.hypot(vx, vy, vz)
        if name in skip or not reach or not math.isfinite(reach):
            continue
        off = math.degrees(math.acos(min(1.0, max(-1.0, (vx * ux + vy * uy + vz * uz) / reach))))
        if off - math.degrees(math.atan2(radius, reach)) < within_deg:
            near.append(name)
    return near


# An eye tracker's error (degrees): a degree or so of bias, and jitter (Schuetz and Fiehler 2022).
GAZE_ERROR_DEG = 1.5


def looked_at(look: Ray6, hit: str | None, places: Places,
              visible: Callable[[Point, str], bool]) -> list[tuple[str, float]]:
    """How a look is shared among the scene's objects: what it hit, and each object it passed
    within two errors of and the eyes can see, by the likelihood of the look if the eyes were
    on it. What it hit fits as a look at its middle does (as a pointing ray fits what it hit):
    a small thing hit is surely looked at; a large one, no surer than a small
    thing the look passed beside (looks on the wall around a small speaker add up for the
    speaker)."""
    if hit is None:
        fits: list[tuple[str, float]] = []
    elif hit in places:
        fits = [(hit, fitness(look, *places[hit], hit=True, error=GAZE_ERROR_DEG))]
    else:
        fits = [(hit, 1 / GAZE_ERROR_DEG ** 2)]
    eye = (look[0], look[1], look[2])
    passed = beside(look, places, 2 * GAZE_ERROR_DEG, () if hit is None else (hit,))
    fits += [(name, fitness(look, *places[name], error=GAZE_ERROR_DEG)) for name in passed if visible(eye, name)]
    total = sum(f for _, f in fits)
    return [(name, f / total) for name, f in fits if f > 0] if total > 0 else []


def aimed_at(sample: Sample, hit: Key, candidates: list[Key], places: Places,
             fits: dict[tuple[int, str], float]) -> list[tuple[Key, float]]:
    """How a pointing frame's weight is shared: each candidate by the likelihood of the ray
    if the user meant it (aimed somewhere on it, off by the aim's error); what the ray hit
    without a known place as if hit in the middle; pointing at nothing as a near miss.
    `fits` keeps each frame's fit to each place, for the next word's window."""
    assert sample[2] is not None
    ray = sample[2][0]
    shares: list[tuple[Key, float]] = []
    for key in candidates:
        fit = fits.get((sample[0], key[1]))
        if fit is None:
            fit = fits[sample[0], key[1]] = fitness(ray, *places[key[1]], hit=key == hit)
        shares.append((key, fit))
    if not hit[0]:
        shares.append((hit, NEAR_MISS))
    elif hit[1] not in places:
        shares.append((hit, 1 / AIM_ERROR_DEG ** 2))
    total = sum(f for _, f in shares)
    return [(key, f / total) for key, f in shares if f > 0] if total > 0 else [(hit, 1.0)]


def fitness(ray: Ray6, middle: Point, radius: float, hit: bool = False, error: float = AIM_ERROR_DEG) -> float:
    """The likelihood of a ray aimed at an object around `middle`: a Gaussian of the angle
    from the ray to the middle, as wide as the aim's spread across the object and its error.
    A ray that `hit` the object fits it as one aimed at its middle: a table's top seen from
    above is far from its middle, and still aimed at."""
    # degrees_between() written out: this runs for every frame and candidate.
    vx, vy, vz = middle[0] - ray[0], middle[1] - ray[1], middle[2] - ray[2]
    reach, length = math.hypot(vx, vy, vz), math.hypot(ray[3], ray[4], ray[5])
    if not reach or not length or not math.isfinite(reach) or not math.isfinite(length):
        return 0.0
    spread = math.hypot(AIM_ACROSS * math.degrees(math.atan2(radius, reach)), error)
    if hit:
        return 1 / (spread * spread)
    # Each scaled to unit length first, so that components as large as 1e300 do not overflow.
    dot = (vx / reach) * (ray[3] / length) + (vy / reach) * (ray[4] / length) + (vz / reach) * (ray[5] / length)
    off = math.degrees(math.acos(min(1.0, max(-1.0, dot))))
    return math.exp(-0.5 * (off / spread) ** 2) / (spread * spread)


def gaussian(x: float, middle: float, spread: float) -> float:
    z = (x - middle) / spread
    return math.exp(-0.5 * z * z)


def angle_between(a: Ray6, b: Ray6) -> float:
    """Degrees between two rays' directions (0 when either has none)."""
    return degrees_between(a[3:], b[3:]) or 0.0


def degrees_between(a: Sequence[float], b: Sequence[float]) -> float | None:
    """Degrees between two directions (of three components), None when either is zero or not finite. Each is
    scaled to unit length first: a product of components as large as 1e300 would overflow."""
    na, nb = math.hypot(*a), math.hypot(*b)
    if not na or not nb or not math.isfinite(na) or not math.isfinite(nb):
        return None
    # Three components, written out: the same sum, in the same order, without a generator.
    dot = (a[0] / na) * (b[0] / nb) + (a[1] / na) * (b[1] / nb) + (a[2] / na) * (b[2] / nb)
    return math.degrees(math.acos(min(1.0, max(-1.0, dot))))


def on_clock(ns: int) -> int:
    """A moment on the 64-bit clock: a window reaching past either end stops there."""
    return min(max(ns, INT64_MIN), INT64_MAX)


def pitch(ray: Ray6) -> float:
    horizontal = math.hypot(ray[3], ray[5])
    return math.atan2(ray[4], horizontal) if math.isfinite(horizontal) else 0.0

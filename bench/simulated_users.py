"""Simulated users saying "put that there" in a furnished room: the corpus the grounding
benchmark (bench/grounding_bench.py) and the calibration test measure against.

Seeded and deterministic: the same seed gives the same users, words, frames and true
referents. Each user pushes a frame every 1/90 s while speaking, pointing and looking; the
model of how they do it, and where its numbers come from, is in docs/grounding.md
("The simulated users"). In short, per deictic word:

- the recogniser reports each word's start and end with an error;
- the pointing gesture reaches its apex near the word's onset (usually a little before),
  holds, and moves on in a minimum-jerk transit that sweeps across whatever lies between;
- the aim has a per-user bias and autocorrelated tremor; the tracker drops out now and then;
- a controller at rest points at the floor; a tracked hand at rest points at nothing;
- the eyes reach the referent some hundreds of milliseconds before the word, with blinks and
  the eye tracker's own bias; some users only look.
"""

from __future__ import annotations

import math
import random
from collections.abc import Iterator
from dataclasses import dataclass

import quillary_spatial as qs

TICK_HZ = 90
TICK_NS = 1_000_000_000 // TICK_HZ
Point = tuple[float, float, float]


@dataclass(frozen=True)
class Box:
    host_id: str
    low: Point
    high: Point

    @property
    def centre(self) -> Point:
        return tuple((a + b) / 2 for a, b in zip(self.low, self.high))  # type: ignore[return-value]

    @property
    def size(self) -> Point:
        return tuple(b - a for a, b in zip(self.low, self.high))  # type: ignore[return-value]

    def entry(self, o: Point, d: Point) -> tuple[float, int, float] | None:
        """The distance along the ray to where it enters, the axis and side of that face."""
        near, far, axis, side = -math.inf, math.inf, 0, 1.0
        for a in range(3):
            if d[a] == 0.0:
                if not self.low[a] <= o[a] <= self.high[a]:
                    return None
                continue
            t1, t2 = (self.low[a] - o[a]) / d[a], (self.high[a] - o[a]) / d[a]
            s = -1.0 if d[a] > 0 else 1.0
            if t1 > t2:
                t1, t2 = t2, t1
            if t1 > near:
                near, axis, side = t1, a, s
            far = min(far, t2)
        if near > far or near < 0:
            return None
        return near, axis, side


# The room: the user stands at the origin facing -z. Furniture and small objects 1-5 m away,
# some side by side on the table (lamp, vase, mug) and on the shelf (books, clock).
ROOM = (
    Box("floor", (-4.0, -0.05, -6.0), (4.0, 0.0, 2.0)),
    Box("wall", (-4.0, 0.0, -6.0), (4.0, 3.0, -5.9)),
    Box("sofa", (-1.2, 0.0, -5.0), (1.0, 0.85, -4.1)),
    Box("table", (-0.7, 0.0, -2.2), (0.5, 0.74, -1.5)),
    Box("lamp", (0.15, 0.74, -2.05), (0.33, 1.25, -1.87)),
    Box("vase", (-0.08, 0.74, -2.0), (0.08, 1.02, -1.86)),
    Box("mug", (-0.45, 0.74, -1.72), (-0.35, 0.84, -1.62)),
    Box("shelf", (-3.2, 0.0, -3.4), (-2.3, 1.9, -3.05)),
    Box("books", (-3.15, 1.15, -3.1), (-2.7, 1.45, -3.0)),
    Box("clock", (-2.65, 1.5, -3.06), (-2.35, 1.8, -3.0)),
    Box("plant", (1.9, 0.0, -3.3), (2.4, 1.3, -2.8)),
    Box("chair", (1.0, 0.0, -1.6), (1.5, 0.9, -1.1)),
    Box("tv", (-0.6, 1.2, -5.88), (0.6, 1.9, -5.82)),
)
REFERABLE = tuple(b for b in ROOM if b.host_id not in ("floor", "wall"))
BY_ID = {b.host_id: b for b in ROOM}
SCENE = [qs.SceneObject(b.host_id, b.centre, b.size) for b in ROOM]


def cast(o: Point, d: Point) -> tuple[Box, Point, Point] | None:
    """The nearest box the ray enters: the box, the hit and the face's normal."""
    best: tuple[float, Box, int, float] | None = None
    for box in ROOM:
        hit = box.entry(o, d)
        if hit is not None and (best is None or hit[0] < best[0]):
            best = (hit[0], box, hit[1], hit[2])
    if best is None:
        return None
    t, box, axis, side = best
    normal = [0.0, 0.0, 0.0]
    normal[axis] = side
    return box, (o[0] + t * d[0], o[1] + t * d[1], o[2] + t * d[2]), (normal[0], normal[1], normal[2])


def raycast(ray: qs.Ray) -> qs.SpatialHit | None:
    """The host's ray cast, as `resolve_target` and `ground(raycast=)` call it."""
    o, d = ray.origin, ray.direction
    found = cast((o.x, o.y, o.z), (d.x, d.y, d.z))
    if found is None:
        return None
    return hit_of(*found)


def hit_of(box: Box, position: Point, normal: Point) -> qs.SpatialHit:
    hit = qs.SpatialHit()
    hit.position, hit.normal, hit.host_id = qs.Vec3(*position), qs.Vec3(*normal), box.host_id
    return hit


@dataclass(frozen=True)
class Level:
    """How a population of users speaks, points and looks; ranges per user or per word."""

    name: str
    word_s: tuple[float, float]  # a deictic word's duration
    word_error_s: float  # the recogniser's word-time error (sd)
    apex_s: tuple[float, float]  # the gesture's apex minus the word's onset: mean, sd
    hold_s: tuple[float, float]  # how long the pointer holds on the referent
    transit_s: tuple[float, float]  # a pointing movement's duration
    bias_deg: float  # per-user aim bias (sd, each axis)
    tremor_deg: float  # tremor (sd, each axis), autocorrelated
    dropouts_per_s: float  # tracking dropouts
    gaze_lead_s: tuple[float, float]  # the eyes reach the referent this long before the word: mean, sd
    gaze_bias_deg: float  # the eye tracker's per-user bias (sd, each axis)
    look_only: float  # share of utterances where the user only looks
    select: float  # share of words the user also clicks on (controller users)


LEVELS = {
    "calm": Level("calm", word_s=(0.28, 0.42), word_error_s=0.02, apex_s=(-0.12, 0.06), hold_s=(0.5, 0.9),
                  transit_s=(0.45, 0.7), bias_deg=0.3, tremor_deg=0.1, dropouts_per_s=0.02,
                  gaze_lead_s=(0.6, 0.15), gaze_bias_deg=0.5, look_only=0.0, select=0.2),
    "realistic": Level("realistic", word_s=(0.2, 0.36), word_error_s=0.05, apex_s=(-0.05, 0.12),
                       hold_s=(0.15, 0.5), transit_s=(0.3, 0.55), bias_deg=0.8, tremor_deg=0.35,
                       dropouts_per_s=0.3, gaze_lead_s=(0.45, 0.2), gaze_bias_deg=1.0, look_only=0.08,
                       select=0.1),
    "hurried": Level("hurried", word_s=(0.14, 0.26), word_error_s=0.08, apex_s=(0.05, 0.16), hold_s=(0.06, 0.25),
                     transit_s=(0.2, 0.4), bias_deg=1.5, tremor_deg=0.6, dropouts_per_s=0.6,
                     gaze_lead_s=(0.3, 0.2), gaze_bias_deg=1.5, look_only=0.15, select=0.05),
}

# Utterances: the words, with None where a deictic word goes (its referent drawn per use).
TEMPLATES = (
    ("put", None, None),
    ("what", "is", None),
    ("move", None, "next", "to", None),
    ("turn", None, "off"),
    ("give", "me", None),
    ("put", "the", "keys", "on", None),
    ("is", None, "mine"),
    ("swap", None, "and", None),
)
DEICTIC = {1: ("that", "this", "it"), 2: ("there", "here", "that")}


@dataclass(frozen=True)
class SpokenWord:
    word: qs.Word  # as the recogniser reports it
    referent: str | None  # the true referent, for a deictic word


@dataclass(frozen=True)
class Utterance:
    text: str
    words: tuple[SpokenWord, ...]
    delivered_ns: int


@dataclass(frozen=True)
class User:
    controller: bool  # a controller's ray, or a tracked hand's
    bias: tuple[float, float]  # aim bias, radians (yaw, pitch)
    gaze_bias: tuple[float, float]


def min_jerk(s: float) -> float:
    """Flash and Hogan's minimum-jerk profile: position along a straight reach, 0 to 1."""
    s = min(max(s, 0.0), 1.0)
    return s * s * s * (10 - 15 * s + 6 * s * s)


def angles_to(o: Point, p: Point) -> tuple[float, float]:
    dx, dy, dz = p[0] - o[0], p[1] - o[1], p[2] - o[2]
    return math.atan2(dx, -dz), math.atan2(dy, math.hypot(dx, dz))


def direction(yaw: float, pitch: float) -> Point:
    return (math.sin(yaw) * math.cos(pitch), math.sin(pitch), -math.cos(yaw) * math.cos(pitch))


HEAD: Point = (0.0, 1.62, 0.0)
HAND_UP: Point = (0.22, 1.3, -0.4)
HAND_DOWN: Point = (0.25, 0.85, -0.1)
REST = (0.25, math.radians(-65))  # a controller at rest points at the floor by the feet
DEG = math.pi / 180


class Session:
    """One user's utterances, frame by frame."""

    def __init__(self, level: Level, rng: random.Random, start_ns: int):
        self.level, self.rng, self.now_ns = level, rng, start_ns
        g = rng.gauss
        self.user = User(controller=rng.random() < 0.5, bias=(g(0, level.bias_deg) * DEG, g(0, level.bias_deg) * DEG),
                         gaze_bias=(g(0, level.gaze_bias_deg) * DEG, g(0, level.gaze_bias_deg) * DEG))
        self.tremor = [0.0, 0.0]

    def utterance(self, timeline: qs.IntentTimeline) -> Utterance:
        """Speaks one utterance while pushing its frames; returns what the recogniser gives."""
        level, rng = self.level, self.rng
        template = rng.choice(TEMPLATES)
        slots = [i for i, w in enumerate(template) if w is None]
        referents = rng.sample(REFERABLE, len(slots))
        start = self.now_ns / 1e9 + rng.uniform(1.0, 1.6)  # the first word's onset, in seconds
        words, t, deictic = [], start, []
        for i, w in enumerate(template):
            k = slots.index(i) if w is None else -1
            text = rng.choice(DEICTIC[1 if k == 0 else 2]) if w is None else w
            length = rng.uniform(*level.word_s) if w is None else rng.uniform(0.15, 0.35)
            words.append((text, t, t + length))
            if w is None:
                deictic.append((len(words) - 1, referents[k].host_id, t, t + length))
            t += length + rng.uniform(0.0, 0.12)
        end = t
        delivered = end + rng.uniform(0.25, 0.6)
        look_only = rng.random() < level.look_only
        pointing = self.pointing_plan(deictic, look_only)
        gaze = self.gaze_plan(deictic, start)
        apexes = [] if look_only else [time for time, _, _ in pointing[2:2 + 2 * len(deictic):2]]
        selects = [(apex, apex + 0.12) for apex in apexes if self.user.controller and rng.random() < level.select]
        self.push_frames(timeline, delivered, pointing, gaze, selects)
        err = level.word_error_s
        reported = []
        truth = {i: ref for i, ref, _, _ in deictic}
        for i, (text, a, b) in enumerate(words):
            a2, b2 = a + rng.gauss(0, err), b + rng.gauss(0, err)
            a2, b2 = min(a2, b2 - 0.02), max(b2, a2 + 0.02)
            reported.append(SpokenWord(qs.Word(text, ns(a2), ns(b2)), truth.get(i)))
        return Utterance(" ".join(w for w, *_ in words), tuple(reported), ns(delivered))

    def pointing_plan(self, deictic: list, look_only: bool) -> list[tuple[float, tuple[float, float], bool]]:
        """Keyframes (time, (yaw, pitch), raised): transits between them are minimum-jerk."""
        level, rng = self.level, self.rng
        plan = [(-math.inf, REST, False)]
        if look_only:
            return plan
        apexes = [onset + rng.gauss(*level.apex_s) for _, _, onset, _ in deictic]
        transits = [rng.uniform(*level.transit_s) for _ in deictic]
        free_from = -math.inf
        for k, (_, ref, _, _) in enumerate(deictic):
            box = BY_ID[ref]
            yaw, pitch = angles_to(HAND_UP, visible_point(box, HAND_UP, rng, 0.2))
            start = max(apexes[k] - transits[k], free_from)
            apex = max(apexes[k], start + 0.12)
            plan.append((start, plan[-1][1], plan[-1][2]))
            plan.append((apex, (yaw + self.user.bias[0], pitch + self.user.bias[1]), True))
            # Held until the next gesture must leave to reach its apex in time.
            free_from = apex + rng.uniform(*level.hold_s)
            if k + 1 < len(deictic):
                free_from = max(apex + 0.05, min(free_from, apexes[k + 1] - transits[k + 1]))
        plan.append((free_from, plan[-1][1], True))
        plan.append((free_from + rng.uniform(0.3, 0.5), REST, False))
        return plan

    def gaze_plan(self, deictic: list, start: float) -> list[tuple[float, Point]]:
        """Fixations (from, point): roaming before, on each referent ahead of its word."""
        level, rng = self.level, self.rng
        fixations: list[tuple[float, Point]] = []
        t = start - 1.3
        first = deictic[0][2] - max(0.05, rng.gauss(*level.gaze_lead_s))
        while t < first:
            fixations.append((t, rng.choice(ROOM[2:]).centre))
            t += rng.uniform(0.2, 0.5)
        after = -math.inf
        for _, ref, onset, _ in deictic:
            arrive = max(onset - max(0.05, rng.gauss(*level.gaze_lead_s)), after + 0.15)
            box = BY_ID[ref]
            fixations.append((arrive, visible_point(box, HEAD, rng, 0.1)))
            after = arrive
        t = max(after, deictic[-1][3]) + rng.uniform(0.3, 0.7)
        fixations.append((t, rng.choice(ROOM[2:]).centre))
        return fixations

    def push_frames(self, timeline: qs.IntentTimeline, until: float, pointing: list, gaze: list,
                    selects: list[tuple[float, float]]) -> None:
        level, rng, user = self.level, self.rng, self.user
        t_ns = self.now_ns
        dropout_until = blink_until = -1.0
        pressed, changed_ns = False, 0
        ar = math.exp(-1 / (TICK_HZ * 0.12))  # tremor keeps its direction for about 0.12 s
        gaze_jitter = [0.0, 0.0]
        while t_ns / 1e9 < until:
            t_ns += TICK_NS
            t = t_ns / 1e9
            for axis in range(2):
                self.tremor[axis] = ar * self.tremor[axis] + math.sqrt(1 - ar * ar) * rng.gauss(0, level.tremor_deg * DEG)
                gaze_jitter[axis] = 0.6 * gaze_jitter[axis] + 0.8 * rng.gauss(0, 0.3 * DEG)
            if rng.random() < level.dropouts_per_s / TICK_HZ:
                dropout_until = t + rng.uniform(0.05, 0.3)
            if rng.random() < 0.3 / TICK_HZ:  # about one blink every three seconds
                blink_until = t + rng.uniform(0.1, 0.3)
            frame = qs.SpatialIntentFrame()
            frame.timestamp_ns = t_ns
            frame.timestamp_domain = "monotonic"
            frame.head_pose.position = qs.Vec3(*HEAD)
            frame.head_tracking = qs.TrackingConfidence.POSITION_AND_ORIENTATION
            (yaw, pitch), raised = pose_at(pointing, t)
            hand = lerp(HAND_DOWN, HAND_UP, raised)
            if t >= dropout_until and (user.controller or raised > 0.4):
                d = direction(yaw + self.tremor[0], pitch + self.tremor[1])
                p = qs.PointingIntent()
                p.ray = qs.Ray(qs.Vec3(*hand), qs.Vec3(*d))
                p.source = qs.PointingSource.CONTROLLER if user.controller else qs.PointingSource.HAND
                p.confidence = qs.TrackingConfidence.POSITION_AND_ORIENTATION
                frame.pointing = p
                found = cast(hand, d)
                if found is not None:
                    frame.target = hit_of(*found)
            if t >= blink_until:
                looked = next(p for s, p in reversed(gaze) if s <= t) if gaze[0][0] <= t else gaze[0][1]
                g_yaw, g_pitch = angles_to(HEAD, looked)
                frame.gaze_ray = qs.Ray(qs.Vec3(*HEAD), qs.Vec3(*direction(
                    g_yaw + user.gaze_bias[0] + gaze_jitter[0], g_pitch + user.gaze_bias[1] + gaze_jitter[1])))
            if user.controller:
                now = any(a <= t < b for a, b in selects)
                if now != pressed:
                    pressed, changed_ns = now, t_ns
                select = qs.SelectState()
                select.pressed, select.changed, select.last_change_time_ns = pressed, changed_ns == t_ns, changed_ns
                frame.primary_select = select
            timeline.push(frame)
        self.now_ns = t_ns


def visible_point(box: Box, eye: Point, rng: random.Random, spread: float) -> Point:
    """A point of `box` seen from `eye`, near its middle: people aim at what they see of an
    object (the sofa above the table, not through it)."""
    for _ in range(50):
        p = tuple(c + rng.uniform(-spread, spread) * s for c, s in zip(box.centre, box.size))
        found = cast(eye, tuple(a - b for a, b in zip(p, eye)))  # type: ignore[arg-type]
        if found is not None and found[0] is box:
            return p  # type: ignore[return-value]
        spread = min(0.5, spread + 0.02)
    return box.centre


def pose_at(plan: list, t: float) -> tuple[tuple[float, float], float]:
    """The pointer's (yaw, pitch) and how far the hand is raised (0 to 1) at `t`."""
    for (t0, a0, r0), (t1, a1, r1) in zip(plan, plan[1:]):
        if t0 <= t < t1:
            s = min_jerk((t - t0) / (t1 - t0)) if a0 != a1 or r0 != r1 else 0.0
            return (a0[0] + s * (a1[0] - a0[0]), a0[1] + s * (a1[1] - a0[1])), float(r0) + s * (float(r1) - float(r0))
    last = plan[-1] if t >= plan[-1][0] else plan[0]
    return last[1], float(last[2])


def lerp(a: Point, b: Point, s: float) -> Point:
    return (a[0] + s * (b[0] - a[0]), a[1] + s * (b[1] - a[1]), a[2] + s * (b[2] - a[2]))


def ns(seconds: float) -> int:
    return round(seconds * 1e9)


def corpus(level: str, seed: int, users: int, utterances: int) -> Iterator[tuple[qs.IntentTimeline, Utterance]]:
    """`users` users of `level`, each saying `utterances` utterances into a timeline of their
    own (90 Hz, the default capacity). Yields the timeline right after each utterance is
    delivered, as a host would ground it then."""
    rng = random.Random(f"{level}:{seed}")
    for _ in range(users):
        timeline = qs.IntentTimeline(240, 2_000_000_000)
        session = Session(LEVELS[level], random.Random(rng.getrandbits(64)), start_ns=1_000_000_000_000)
        for _ in range(utterances):
            yield timeline, session.utterance(timeline)

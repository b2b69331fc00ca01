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


def cast(o: Point, d: Point, room: tuple[Box, ...] = ROOM) -> tuple[Box, Point, Point] | None:
    """The nearest box the ray enters: the box, the hit and the face's normal."""
    best: tuple[float, Box, int, float] | None = None
    for box in room:
        hit = box.entry(o, d)
        if hit is not None and (best is None or hit[0] < best[0]):
            best = (hit[0], box, hit[1], hit[2])
    if best is None:
        return None
    t, box, axis, side = best
    normal = [0.0, 0.0, 0.0]
    normal[axis] = side
    return box, (o[0] + t * d[0], o[1] + t * d[1], o[2] + t * d[2]), (normal[0], normal[1], normal[2])


def raycast(ray: qs.Ray, room: tuple[Box, ...] = ROOM) -> qs.SpatialHit | None:
    """The host's ray cast, as `resolve_target` and `ground(raycast=)` call it."""
    o, d = ray.origin, ray.direction
    found = cast((o.x, o.y, o.z), (d.x, d.y, d.z), room)
    if found is None:
        return None
    return hit_of(*found)


@dataclass(frozen=True)
class World:
    """A room and the host's ray cast through it."""

    room: tuple[Box, ...]

    @property
    def referable(self) -> tuple[Box, ...]:
        return tuple(b for b in self.room if b.host_id not in ("floor", "wall"))

    @property
    def scene(self) -> list[qs.SceneObject]:
        return [qs.SceneObject(b.host_id, b.centre, b.size) for b in self.room]

    def raycast(self, ray: qs.Ray) -> qs.SpatialHit | None:
        return raycast(ray, self.room)

    def box(self, host_id: str) -> Box:
        return next(b for b in self.room if b.host_id == host_id)


HOME = World(ROOM)
FURNITURE = (("table", (1.2, 0.74, 0.7)), ("desk", (1.4, 0.75, 0.7)), ("shelf", (0.9, 1.9, 0.35)),
             ("sideboard", (1.6, 0.9, 0.45)), ("sofa", (2.1, 0.85, 0.9)), ("bench", (1.2, 0.45, 0.4)))
SMALL = (("lamp", (0.18, 0.5, 0.18)), ("vase", (0.15, 0.28, 0.15)), ("mug", (0.09, 0.1, 0.09)),
         ("book", (0.16, 0.24, 0.04)), ("clock", (0.3, 0.3, 0.06)), ("plant", (0.3, 0.45, 0.3)),
         ("bowl", (0.22, 0.09, 0.22)), ("phone", (0.08, 0.01, 0.16)), ("box", (0.3, 0.2, 0.25)),
         ("bottle", (0.08, 0.3, 0.08)), ("remote", (0.05, 0.02, 0.18)), ("speaker", (0.15, 0.25, 0.15)))


def random_world(rng: random.Random, objects: tuple[int, int]) -> World:
    """A room of `objects` (inclusive range) things with ids: furniture 1-5 m away, small
    things on it side by side and one behind another, a floor and a back wall."""
    wanted = rng.randint(*objects)
    room = [Box("floor", (-5.0, -0.05, -7.0), (5.0, 0.0, 3.0)), Box("wall", (-5.0, 0.0, -7.0), (5.0, 3.0, -6.9))]
    tops: list[tuple[float, float, float, float, float]] = []  # x0, x1, z0, z1, height of each surface
    count: dict[str, int] = {}

    def named(kind: str) -> str:
        count[kind] = count.get(kind, 0) + 1
        return kind if count[kind] == 1 else f"{kind}-{count[kind]}"

    def free(low: Point, high: Point) -> bool:
        return all(high[0] <= b.low[0] or low[0] >= b.high[0] or high[2] <= b.low[2] or low[2] >= b.high[2]
                   or high[1] <= b.low[1] or low[1] >= b.high[1] for b in room[2:])

    for _ in range(max(1, min(wanted - 2, rng.randint(2, 6)))):
        kind, (w, h, d) = rng.choice(FURNITURE)
        for _ in range(20):
            distance, yaw = rng.uniform(1.2, 5.0), rng.uniform(-1.0, 1.0)
            x, z = distance * math.sin(yaw), -distance * math.cos(yaw)
            low, high = (x - w / 2, 0.0, z - d / 2), (x + w / 2, h, z + d / 2)
            if free(low, high):
                room.append(Box(named(kind), low, high))
                tops.append((low[0], high[0], low[2], high[2], h))
                break
    while len(room) < wanted and tops:
        kind, (w, h, d) = rng.choice(SMALL)
        x0, x1, z0, z1, top = rng.choice(tops)
        for _ in range(10):
            x, z = rng.uniform(x0 + w / 2, max(x0 + w / 2, x1 - w / 2)), rng.uniform(z0 + d / 2, max(z0 + d / 2, z1 - d / 2))
            low, high = (x - w / 2, top, z - d / 2), (x + w / 2, top + h, z + d / 2)
            if free(low, high):
                room.append(Box(named(kind), low, high))
                break
        else:
            tops.remove((x0, x1, z0, z1, top))
    return World(tuple(room))


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
# Follow-ups: "it" (the slot marked "before") means the thing the utterance before named last,
# said without a gesture of its own ("what is that?" "turn it off").
FOLLOW_UPS = (
    ("turn", "before", "off"),
    ("what", "is", "before"),
    ("give", "me", "before"),
    ("put", "before", None),
)
# Utterances with "it" after another deictic word: the slot marked "again" means the
# referent of the first slot; one marked "IT" is a deictic slot said "it", meaning another.
REPEATS = (
    ("take", None, "and", "put", "again", None),
    ("pick", "up", None, "and", "give", "again", "to", "me"),
    ("put", None, "next", "to", "IT"),
)


@dataclass(frozen=True)
class SpokenWord:
    word: qs.Word  # as the recogniser reports it
    referent: str | None  # the true referent, for a deictic word


@dataclass(frozen=True)
class Utterance:
    text: str
    words: tuple[SpokenWord, ...]
    delivered_ns: int
    look_only: bool = False
    follow_up: bool = False  # its "it" means the thing the utterance before named last


@dataclass(frozen=True)
class Population:
    """Who the users are and what their hosts can do, drawn per user. `home` keeps the one
    room of 13 objects; otherwise every user has a room of their own."""

    eye_tracking: float = 1.0  # share of hosts with eye tracking
    pointers: tuple[float, float, float] = (0.5, 0.5, 0.0)  # shares of controller, tracked hand, head
    look_only: tuple[float, float] | None = None  # a user's share of look-only utterances (range); None: the level's
    # A user's aim bias: the level's spread times a factor drawn from this range, at most
    # MAX_BIAS_DEG; None: the level's spread as it is.
    bias_scale: tuple[float, float] | None = None
    rate_hz: tuple[int, ...] = (90,)
    seated: float = 0.0
    left_handed: float = 0.0
    latency_s: tuple[float, float] = (0.0, 0.0)  # the recogniser's per-user lag in word times: mean, sd
    objects: tuple[int, int] | None = None  # objects in a room (range); None: the one room
    # Share of utterances with "it" after another deictic word: two in three refer back
    # ("take that and put it there"), one means another thing ("put that next to it").
    repeats: float = 0.0
    # Share of utterances after one that named a thing that refer back to it (FOLLOW_UPS).
    follow_ups: float = 0.0
    scene: float = 1.0  # share of hosts that pass ground() the room's objects; the others only ray-cast


LEGACY = Population()
# The broad population: hosts with and without eye tracking, controllers, hands and head
# pointing, people who only look, rooms of 4-30 things, steady aim errors up to 4 degrees
# (larger the more hurried: a calm user sees the ray or cursor beside the thing and corrects),
# 30-120 Hz, seated and standing, either hand, recogniser lag, hosts with and without a scene
# to pass; docs/grounding.md gives the sources.
BROAD = Population(eye_tracking=0.5, pointers=(0.45, 0.4, 0.15), look_only=(0.0, 0.4), bias_scale=(0.5, 2.0),
                   rate_hz=(30, 45, 60, 72, 90, 120), seated=0.4, left_handed=0.12, latency_s=(0.03, 0.05),
                   objects=(4, 30), repeats=0.15, follow_ups=0.1, scene=0.5)


@dataclass(frozen=True)
class User:
    controller: bool  # a controller's ray, or a tracked hand's (or, with `head`, the head's)
    bias: tuple[float, float]  # aim bias, radians (yaw, pitch)
    gaze_bias: tuple[float, float]
    eye_tracking: bool = True
    head: bool = False  # points with the head (no controller, no tracked hand)
    look_only: float | None = None
    tick_ns: int = TICK_NS
    height: float = 1.62
    side: float = 1.0  # the pointing hand: right (1) or left (-1)
    latency_s: float = 0.0
    oriented: bool = False  # the head turns toward what the eyes look at (else it faces -z)
    scene: bool = True  # the host passes ground() its scene


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
MAX_BIAS_DEG = 4.0  # the largest steady aim error a broad population's user has


class Session:
    """One user's utterances, frame by frame."""

    def __init__(self, level: Level, rng: random.Random, start_ns: int, population: Population = LEGACY,
                 world: World = HOME):
        self.level, self.rng, self.now_ns, self.world = level, rng, start_ns, world
        self.population = population
        g = rng.gauss
        if population is LEGACY:
            self.user = User(controller=rng.random() < 0.5,
                             bias=(g(0, level.bias_deg) * DEG, g(0, level.bias_deg) * DEG),
                             gaze_bias=(g(0, level.gaze_bias_deg) * DEG, g(0, level.gaze_bias_deg) * DEG))
        else:
            self.user = drawn_user(level, population, rng)
        self.tremor = [0.0, 0.0]
        self.head_angles = (0.0, 0.0)  # where the head faces (yaw, pitch), following the eyes
        # People speak of what they can see: in a room of one's own, what some of is in view.
        self.seen = world.referable if world is HOME else \
            tuple(b for b in world.referable if in_view(b, self.head_point(), world.room))
        self.last_thing: str | None = None  # what the utterance before named last, not a place

    def utterance(self, timeline: qs.IntentTimeline | qs.ExplainedTimeline) -> Utterance:
        """Speaks one utterance while pushing its frames; returns what the recogniser gives."""
        level, rng = self.level, self.rng
        repeats, follow_ups = self.population.repeats, self.population.follow_ups
        follow_up = self.last_thing is not None and follow_ups > 0 and rng.random() < follow_ups
        template = rng.choice(FOLLOW_UPS) if follow_up else \
            rng.choice(REPEATS) if repeats and rng.random() < repeats else rng.choice(TEMPLATES)
        slots = [i for i, w in enumerate(template) if w in (None, "IT")]
        pool = [b for b in (self.seen if len(self.seen) > len(slots) else self.world.referable)
                if not follow_up or b.host_id != self.last_thing]
        referents = rng.sample(pool, len(slots))
        start = self.now_ns / 1e9 + rng.uniform(1.0, 1.6)  # the first word's onset, in seconds
        words, t, deictic = [], start, []
        again: list[tuple[int, str]] = []  # words that refer back, and to what
        for i, w in enumerate(template):
            k = slots.index(i) if w in (None, "IT") else -1
            # A follow-up's new slot is where the thing goes: "put it there".
            first = k == 0 and not follow_up
            text = rng.choice(DEICTIC[1 if first else 2]) if w is None else "it" if w in ("again", "IT", "before") else w
            length = rng.uniform(*level.word_s) if w in (None, "again", "IT", "before") else rng.uniform(0.15, 0.35)
            words.append((text, t, t + length))
            if w in (None, "IT"):
                deictic.append((len(words) - 1, referents[k].host_id, t, t + length))
            elif w == "again":
                again.append((len(words) - 1, referents[0].host_id))
            elif w == "before":
                assert self.last_thing is not None
                again.append((len(words) - 1, self.last_thing))
            t += length + rng.uniform(0.0, 0.12)
        end = t
        delivered = end + rng.uniform(0.25, 0.6)
        look_only = rng.random() < (level.look_only if self.user.look_only is None else self.user.look_only)
        pointing = self.pointing_plan(deictic, look_only)
        # A follow-up's "it" has no gesture; half the time the eyes go to what it means.
        looked = sorted(deictic + [(i, ref, words[i][1], words[i][2]) for i, ref in again
                                   if follow_up and rng.random() < 0.5], key=lambda d: d[2])
        gaze = self.gaze_plan(looked, start, end)
        apexes = [] if look_only else [time for time, _, _ in pointing[2:2 + 2 * len(deictic):2]]
        selects = [(apex, apex + 0.12) for apex in apexes if self.user.controller and rng.random() < level.select]
        self.push_frames(timeline, delivered, pointing, gaze, selects)
        err, lag = level.word_error_s, self.user.latency_s
        reported = []
        truth = {i: ref for i, ref, _, _ in deictic} | dict(again)
        for i, (text, a, b) in enumerate(words):
            a2, b2 = a + lag + rng.gauss(0, err), b + lag + rng.gauss(0, err)
            a2, b2 = min(a2, b2 - 0.02), max(b2, a2 + 0.02)
            reported.append(SpokenWord(qs.Word(text, ns(a2), ns(b2)), truth.get(i)))
        things = [truth[i] for i in sorted(truth) if words[i][0] not in ("here", "there")]
        self.last_thing = things[-1] if things else self.last_thing
        return Utterance(" ".join(w for w, *_ in words), tuple(reported), ns(delivered), look_only, follow_up)

    def pointing_plan(self, deictic: list, look_only: bool) -> list[tuple[float, tuple[float, float], bool]]:
        """Keyframes (time, (yaw, pitch), raised): transits between them are minimum-jerk."""
        level, rng = self.level, self.rng
        plan = [(-math.inf, REST, False)]
        if look_only or not deictic:
            return plan
        apexes = [onset + rng.gauss(*level.apex_s) for _, _, onset, _ in deictic]
        transits = [rng.uniform(*level.transit_s) for _ in deictic]
        free_from = -math.inf
        for k, (_, ref, _, _) in enumerate(deictic):
            box = self.world.box(ref)
            origin = self.head_point() if self.user.head else self.hand_up()
            yaw, pitch = angles_to(origin, visible_point(box, origin, rng, 0.2, self.world.room))
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

    def gaze_plan(self, deictic: list, start: float, end: float) -> list[tuple[float, Point]]:
        """Fixations (from, point): roaming before, on each referent ahead of its word (roaming
        throughout when none is looked at)."""
        level, rng = self.level, self.rng
        fixations: list[tuple[float, Point]] = []
        t = start - 1.3
        first = deictic[0][2] - max(0.05, rng.gauss(*level.gaze_lead_s)) if deictic else end + 0.5
        while t < first:
            fixations.append((t, rng.choice(self.world.room[2:]).centre))
            t += rng.uniform(0.2, 0.5)
        after = -math.inf
        for _, ref, onset, _ in deictic:
            arrive = max(onset - max(0.05, rng.gauss(*level.gaze_lead_s)), after + 0.15)
            box = self.world.box(ref)
            fixations.append((arrive, visible_point(box, self.head_point(), rng, 0.1, self.world.room)))
            after = arrive
        t = max(after, deictic[-1][3] if deictic else end) + rng.uniform(0.3, 0.7)
        fixations.append((t, rng.choice(self.world.room[2:]).centre))
        return fixations

    def head_point(self) -> Point:
        return (0.0, self.user.height, 0.0)

    def hand_up(self) -> Point:
        return (HAND_UP[0] * self.user.side, self.user.height - 0.32, HAND_UP[2])

    def hand_down(self) -> Point:
        return (HAND_DOWN[0] * self.user.side, self.user.height - 0.77, HAND_DOWN[2])

    def push_frames(self, timeline: qs.IntentTimeline | qs.ExplainedTimeline, until: float, pointing: list, gaze: list,
                    selects: list[tuple[float, float]]) -> None:
        level, rng, user = self.level, self.rng, self.user
        t_ns = self.now_ns
        dropout_until = blink_until = -1.0
        pressed, changed_ns = False, 0
        tick_s = user.tick_ns / 1e9
        ar = math.exp(-tick_s / 0.12)  # tremor keeps its direction for about 0.12 s
        follow = 1 - math.exp(-tick_s / 0.15)  # the head follows the eyes about 150 ms behind
        gaze_jitter = [0.0, 0.0]
        head = self.head_point()
        while t_ns / 1e9 < until:
            t_ns += user.tick_ns
            t = t_ns / 1e9
            for axis in range(2):
                self.tremor[axis] = ar * self.tremor[axis] + math.sqrt(1 - ar * ar) * rng.gauss(0, level.tremor_deg * DEG)
                gaze_jitter[axis] = 0.6 * gaze_jitter[axis] + 0.8 * rng.gauss(0, 0.3 * DEG)
            if rng.random() < level.dropouts_per_s * tick_s:
                dropout_until = t + rng.uniform(0.05, 0.3)
            if rng.random() < 0.3 * tick_s:  # about one blink every three seconds
                blink_until = t + rng.uniform(0.1, 0.3)
            frame = qs.SpatialIntentFrame()
            frame.timestamp_ns = t_ns
            frame.timestamp_domain = "monotonic"
            frame.head_pose.position = qs.Vec3(*head)
            frame.head_tracking = qs.TrackingConfidence.POSITION_AND_ORIENTATION
            looked = next(p for s, p in reversed(gaze) if s <= t) if gaze[0][0] <= t else gaze[0][1]
            g_yaw, g_pitch = angles_to(head, looked)
            (yaw, pitch), raised = pose_at(pointing, t)
            if user.oriented:
                # The head turns part of the way the eyes go (most of a large shift, little of a
                # small one), later than the eyes; a head pointer aims with it instead.
                aim = (yaw, pitch) if user.head and raised > 0.5 else (0.75 * g_yaw, 0.55 * g_pitch + 0.1 * REST[1])
                hy, hp = self.head_angles
                self.head_angles = (hy + follow * (aim[0] - hy), hp + follow * (aim[1] - hp))
                frame.head_pose.orientation = orientation(*self.head_angles)
            hand = lerp(self.hand_down(), self.hand_up(), raised)
            if user.head:
                if t >= dropout_until:
                    hy, hp = self.head_angles
                    self.point(frame, head, direction(hy + self.tremor[0], hp + self.tremor[1]), qs.PointingSource.HEAD)
            elif t >= dropout_until and (user.controller or raised > 0.4):
                self.point(frame, hand, direction(yaw + self.tremor[0], pitch + self.tremor[1]),
                           qs.PointingSource.CONTROLLER if user.controller else qs.PointingSource.HAND)
            frame.capabilities.eye_gaze = user.eye_tracking
            frame.capabilities.head_pose = True
            if user.eye_tracking and t >= blink_until:
                frame.gaze_ray = qs.Ray(qs.Vec3(*head), qs.Vec3(*direction(
                    g_yaw + user.gaze_bias[0] + gaze_jitter[0], g_pitch + user.gaze_bias[1] + gaze_jitter[1])))
            if user.controller and not user.head:
                now = any(a <= t < b for a, b in selects)
                if now != pressed:
                    pressed, changed_ns = now, t_ns
                select = qs.SelectState()
                select.pressed, select.changed, select.last_change_time_ns = pressed, changed_ns == t_ns, changed_ns
                frame.primary_select = select
            timeline.push(frame)
        self.now_ns = t_ns

    def point(self, frame: qs.SpatialIntentFrame, origin: Point, d: Point, source: qs.PointingSource) -> None:
        p = qs.PointingIntent()
        p.ray = qs.Ray(qs.Vec3(*origin), qs.Vec3(*d))
        p.source = source
        p.confidence = qs.TrackingConfidence.POSITION_AND_ORIENTATION
        frame.pointing = p
        found = cast(origin, d, self.world.room)
        if found is not None:
            frame.target = hit_of(*found)


def orientation(yaw: float, pitch: float) -> qs.Quaternion:
    """Facing (yaw, pitch) from -z: yaw about +y (to the right is positive), then pitch."""
    cy, sy, cp, sp = math.cos(-yaw / 2), math.sin(-yaw / 2), math.cos(pitch / 2), math.sin(pitch / 2)
    # q = yaw(y) * pitch(x)
    return qs.Quaternion(cy * sp, sy * cp, -sy * sp, cy * cp)


def drawn_user(level: Level, population: Population, rng: random.Random) -> User:
    """One user of a population: their pointer, host, body and steady aim error."""
    r = rng.random()
    controller_share, hand_share, _ = population.pointers
    head = r >= controller_share + hand_share
    spread = level.bias_deg * (1.0 if population.bias_scale is None else rng.uniform(*population.bias_scale))
    bias = (rng.gauss(0, spread), rng.gauss(0, spread))
    size = math.hypot(*bias)
    if population.bias_scale is not None and size > MAX_BIAS_DEG:
        bias = (bias[0] * MAX_BIAS_DEG / size, bias[1] * MAX_BIAS_DEG / size)
    bias = (bias[0] * DEG, bias[1] * DEG)
    g = level.gaze_bias_deg * DEG
    return User(controller=r < controller_share, bias=bias, gaze_bias=(rng.gauss(0, g), rng.gauss(0, g)),
                eye_tracking=rng.random() < population.eye_tracking, head=head,
                look_only=None if population.look_only is None else rng.uniform(*population.look_only),
                tick_ns=1_000_000_000 // rng.choice(population.rate_hz),
                height=1.2 if rng.random() < population.seated else rng.uniform(1.5, 1.8),
                side=-1.0 if rng.random() < population.left_handed else 1.0,
                latency_s=rng.gauss(*population.latency_s), oriented=True, scene=rng.random() < population.scene)


def visible_point(box: Box, eye: Point, rng: random.Random, spread: float, room: tuple[Box, ...] = ROOM) -> Point:
    """A point of `box` seen from `eye`, near its middle: people aim at what they see of an
    object (the sofa above the table, not through it)."""
    for _ in range(50):
        p = tuple(c + rng.uniform(-spread, spread) * s for c, s in zip(box.centre, box.size))
        found = cast(eye, tuple(a - b for a, b in zip(p, eye)), room)  # type: ignore[arg-type]
        if found is not None and found[0] is box:
            return p  # type: ignore[return-value]
        spread = min(0.5, spread + 0.02)
    return box.centre


def in_view(box: Box, eye: Point, room: tuple[Box, ...]) -> bool:
    """Whether a fair part of the box (a quarter of 27 points across it) is seen from `eye`."""
    seen = 0
    for i in range(27):
        p = tuple(lo + (hi - lo) * (0.15 + 0.35 * ((i // 3 ** a) % 3)) for a, (lo, hi) in enumerate(zip(box.low, box.high)))
        found = cast(eye, tuple(a - b for a, b in zip(p, eye)), room)  # type: ignore[arg-type]
        seen += found is not None and found[0] is box
    return seen >= 7


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


def corpus(level: str, seed: int, users: int, utterances: int) -> Iterator[tuple[qs.ExplainedTimeline, Utterance]]:
    """`users` users of `level`, each saying `utterances` utterances into a timeline of their
    own (90 Hz, the default capacity), in the one room. Yields the timeline right after each
    utterance is delivered, as a host would ground it then."""
    for timeline, said, _ in population_corpus(level, seed, users, utterances, LEGACY):
        yield timeline, said


@dataclass(frozen=True)
class Spoken:
    """One utterance of a population's user, with who said it and where."""

    world: World
    user: User


def population_corpus(level: str, seed: int, users: int, utterances: int, population: Population,
                      ) -> Iterator[tuple[qs.ExplainedTimeline, Utterance, Spoken]]:
    rng = random.Random(f"{level}:{seed}" if population is LEGACY else f"{level}:{seed}:{population}")
    for _ in range(users):
        # An ExplainedTimeline: grounding on it remembers what the conversation referred to.
        timeline = qs.ExplainedTimeline(240, 2_000_000_000)
        user_rng = random.Random(rng.getrandbits(64))
        world = HOME if population.objects is None else random_world(user_rng, population.objects)
        session = Session(LEVELS[level], user_rng, 1_000_000_000_000, population, world)
        for _ in range(utterances):
            said = session.utterance(timeline)
            yield timeline, said, Spoken(world, session.user)

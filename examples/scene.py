"""A small room the demo host owns: planes and axis-aligned boxes with stable host ids, the
ray cast that the library's grounding pass calls back into, and the room as a session log
records it."""

import math
from dataclasses import dataclass

from _spatial import Ray, SpatialHit, Vec3
from quillary_spatial import SceneObject

Point = tuple[float, float, float]


@dataclass(frozen=True)
class Plane:
    host_id: str
    point: Point
    normal: Point  # unit length, facing the room
    shown_centre: Point  # the part of it inside the room, as a flat box: for viewers only
    shown_size: Point

    def scene_object(self) -> SceneObject:
        return SceneObject(self.host_id, self.shown_centre, self.shown_size)

    def intersect(self, origin: Point, direction: Point) -> tuple[float, Point] | None:
        facing = dot(direction, self.normal)
        if facing >= 0:  # parallel, or seen from behind
            return None
        t = dot(sub(self.point, origin), self.normal) / facing
        return (t, self.normal) if t >= 0 else None


@dataclass(frozen=True)
class Box:
    host_id: str
    low: Point
    high: Point

    def scene_object(self) -> SceneObject:
        return SceneObject(self.host_id, scale(add(self.low, self.high), 0.5), sub(self.high, self.low))

    def intersect(self, origin: Point, direction: Point) -> tuple[float, Point] | None:
        # Slab method: the ray is inside the box between the last entry and the first exit.
        t_enter, t_exit = -math.inf, math.inf
        entry_normal: Point = (0.0, 0.0, 0.0)
        for axis in range(3):
            o, d = origin[axis], direction[axis]
            lo, hi = self.low[axis], self.high[axis]
            if d == 0:
                if not lo <= o <= hi:
                    return None
                continue
            t_near, t_far = (lo - o) / d, (hi - o) / d
            sign = -1.0 if d > 0 else 1.0  # the face the ray enters through faces back at it
            if t_near > t_far:
                t_near, t_far = t_far, t_near
            if t_near > t_enter:
                t_enter = t_near
                entry_normal = unit(axis, sign)
            t_exit = min(t_exit, t_far)
        if t_enter > t_exit or t_exit < 0 or t_enter < 0:
            return None  # missed, behind the origin, or the origin is inside the box
        return t_enter, entry_normal


ROOM = (
    Plane("floor", (0.0, 0.0, 0.0), (0.0, 1.0, 0.0), shown_centre=(0.0, 0.0, -1.0), shown_size=(6.0, 0.0, 6.0)),
    Plane("wall", (0.0, 0.0, -3.0), (0.0, 0.0, 1.0), shown_centre=(0.0, 1.5, -3.0), shown_size=(6.0, 3.0, 0.0)),
    Box("table", (-0.6, 0.0, -2.0), (0.6, 0.75, -1.2)),
    Box("lamp", (0.25, 0.75, -1.75), (0.45, 1.25, -1.55)),
)

# A point on each surface that a pointer can rest on, for scripted sessions.
AIM_POINTS: dict[str, Point] = {
    "table": (-0.3, 0.75, -1.5),  # the table top
    "lamp": (0.35, 1.0, -1.65),  # the lamp's front
    "wall": (-0.8, 1.6, -3.0),
    "floor": (0.9, 0.0, -1.0),  # beside the table
}
# Up and behind the user, from where the hands are: a ray towards it hits nothing in the room.
SKY: Point = (0.25, 3.0, 2.0)


def raycast(ray: Ray) -> SpatialHit | None:
    """The callable handed to resolve_target: the nearest surface the ray meets, if any."""
    origin = (ray.origin.x, ray.origin.y, ray.origin.z)
    direction = (ray.direction.x, ray.direction.y, ray.direction.z)
    if direction == (0.0, 0.0, 0.0):
        return None
    nearest = None
    for shape in ROOM:
        found = shape.intersect(origin, direction)
        if found is not None and (nearest is None or found[0] < nearest[0]):
            nearest = (found[0], found[1], shape.host_id)
    if nearest is None:
        return None
    t, normal, host_id = nearest
    hit = SpatialHit()
    hit.position = Vec3(*add(origin, scale(direction, t)))
    hit.normal = Vec3(*normal)
    hit.host_id = host_id
    return hit


def unit(axis: int, sign: float) -> Point:
    return (sign if axis == 0 else 0.0, sign if axis == 1 else 0.0, sign if axis == 2 else 0.0)


def lerp(a: Point, b: Point, f: float) -> Point:
    return (a[0] + (b[0] - a[0]) * f, a[1] + (b[1] - a[1]) * f, a[2] + (b[2] - a[2]) * f)


def dot(a: Point, b: Point) -> float:
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


def add(a: Point, b: Point) -> Point:
    return (a[0] + b[0], a[1] + b[1], a[2] + b[2])


def sub(a: Point, b: Point) -> Point:
    return (a[0] - b[0], a[1] - b[1], a[2] - b[2])


def scale(a: Point, s: float) -> Point:
    return (a[0] * s, a[1] * s, a[2] * s)


def normalize(a: Point) -> Point:
    length = math.sqrt(dot(a, a))
    return scale(a, 1.0 / length) if length else a


# What a host hands Recorder.record_scene: every surface with its host id.
SCENE_OBJECTS = tuple(shape.scene_object() for shape in ROOM)

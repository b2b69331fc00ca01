"""What of the scene the user can see: a thing behind another, seen from the eyes, is no
thing a ray passing near it was aimed at. People point at and look at what they see; a
bottle on a bench behind the shelf the ray hits is not what the ray just missed. And,
without a scene, the rays around an aim that show what it may have just missed."""

from __future__ import annotations

import math
from collections.abc import Iterable

from ..log.records import SceneObject

Point = tuple[float, float, float]
# A box as occlusion is tested against it: the middle, the half sizes and its own three axes.
Box = tuple[Point, Point, tuple[Point, Point, Point]]


def box_of(o: SceneObject) -> Box | None:
    """The object's box; None for one without a finite place, size or rotation."""
    middle = (float(o.position[0]), float(o.position[1]), float(o.position[2]))
    half = (abs(float(o.size[0])) / 2, abs(float(o.size[1])) / 2, abs(float(o.size[2])) / 2)
    axes = rotation_axes(*(float(c) for c in o.orientation))
    if axes is None or not all(math.isfinite(c) for c in middle + half):
        return None
    return middle, half, axes


def box_around(middle: Point, radius: float) -> Box:
    """The box around a ball (a thing seen only where rays hit it, without a scene)."""
    return middle, (radius, radius, radius), ((1.0, 0.0, 0.0), (0.0, 1.0, 0.0), (0.0, 0.0, 1.0))


def rotation_axes(x: float, y: float, z: float, w: float) -> tuple[Point, Point, Point] | None:
    """The box's x, y and z axes in the world, from its rotation (normalised; None for no
    rotation at all: zero or not finite)."""
    n = math.sqrt(x * x + y * y + z * z + w * w)
    if not n or not math.isfinite(n):
        return None
    x, y, z, w = x / n, y / n, z / n, w / n
    return ((1 - 2 * (y * y + z * z), 2 * (x * y + w * z), 2 * (x * z - w * y)),
            (2 * (x * y - w * z), 1 - 2 * (x * x + z * z), 2 * (y * z + w * x)),
            (2 * (x * z + w * y), 2 * (y * z - w * x), 1 - 2 * (x * x + y * y)))


def hidden(eye: Point, box: Box, occluders: Iterable[Box]) -> bool:
    """Whether a thing's `box` is hidden from `eye` behind the `occluders`: the lines to its
    middle and to the middle of its top (what is seen of a thing on a table) both blocked."""
    middle, half, axes = box
    up = axes[1]
    top = (middle[0] + up[0] * half[1], middle[1] + up[1] * half[1], middle[2] + up[2] * half[1])
    occluders = tuple(occluders)
    return blocked(eye, middle, occluders) and blocked(eye, top, occluders)


def blocked(eye: Point, point: Point, occluders: Iterable[Box]) -> bool:
    """Whether the line from `eye` to `point` passes through one of the boxes, one that holds
    neither end (a thing inside a shelf, the floor under a chair's legs)."""
    dx, dy, dz = point[0] - eye[0], point[1] - eye[1], point[2] - eye[2]
    length2 = dx * dx + dy * dy + dz * dz
    for middle, half, axes in occluders:
        # Far from the line: its ball cannot reach it.
        mx, my, mz = middle[0] - eye[0], middle[1] - eye[1], middle[2] - eye[2]
        t = min(max((mx * dx + my * dy + mz * dz) / length2, 0.0), 1.0) if length2 else 0.0
        ox, oy, oz = mx - t * dx, my - t * dy, mz - t * dz
        if ox * ox + oy * oy + oz * oz > half[0] * half[0] + half[1] * half[1] + half[2] * half[2]:
            continue
        if crosses(eye, point, middle, half, axes):
            return True
    return False


def crosses(start: Point, end: Point, middle: Point, half: Point, axes: tuple[Point, Point, Point]) -> bool:
    """Whether the segment from `start` to `end` passes through the box, neither end inside it."""
    # Both ends in the box's own frame, written out: this runs for each box near each line.
    sx, sy, sz = start[0] - middle[0], start[1] - middle[1], start[2] - middle[2]
    ex, ey, ez = end[0] - middle[0], end[1] - middle[1], end[2] - middle[2]
    a = [sx * u[0] + sy * u[1] + sz * u[2] for u in axes]
    b = [ex * u[0] + ey * u[1] + ez * u[2] for u in axes]
    if all(abs(c) <= h for c, h in zip(a, half)) or all(abs(c) <= h for c, h in zip(b, half)):
        return False
    near, far = 0.0, 1.0
    for a_i, b_i, h in zip(a, b, half):
        d = b_i - a_i
        if not d:
            if abs(a_i) > h:
                return False  # beside the box along this axis, all the way
            continue
        t1, t2 = (-h - a_i) / d, (h - a_i) / d
        if t1 > t2:
            t1, t2 = t2, t1
        near, far = max(near, t1), min(far, t2)
        if near > far:
            return False
    return True


def ring(ray: tuple[float, ...], degrees: Iterable[float], around: int) -> list[Point]:
    """Directions `around` to a ring, at each of `degrees` from the ray's direction, each ring
    turned half a step from the one inside it; none for a ray without a direction."""
    x, y, z = ray[3], ray[4], ray[5]
    n = math.sqrt(x * x + y * y + z * z)
    if not n or not math.isfinite(n):
        return []
    x, y, z = x / n, y / n, z / n
    # Two unit vectors across the ray: the level one, unless the ray is near vertical.
    ux, uy, uz = (-z, 0.0, x) if abs(y) < 0.9 else (1.0 - x * x, -x * y, -x * z)  # x, less its part along the ray
    m = math.sqrt(ux * ux + uy * uy + uz * uz)
    ux, uy, uz = ux / m, uy / m, uz / m
    vx, vy, vz = y * uz - z * uy, z * ux - x * uz, x * uy - y * ux
    directions = []
    for step, off in enumerate(degrees):
        c, s = math.cos(math.radians(off)), math.sin(math.radians(off))
        for j in range(around):
            phi = 2 * math.pi * (j + step / 2) / around
            a, b = s * math.cos(phi), s * math.sin(phi)
            directions.append((c * x + a * ux + b * vx, c * y + a * uy + b * vy, c * z + a * uz + b * vz))
    return directions

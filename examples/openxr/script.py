"""What the scripted user does, in seconds from the start of the session: where the head
turns, where the right controller points, when select is held and what is said. The remote
driver plays it into the runtime; the host only knows when to submit the utterances."""

import math
from collections.abc import Callable
from dataclasses import dataclass
from typing import TypeVar

import put_that_there
from agent_rules import SCRIPT, Spoken
from scene import AIM_POINTS, Point as Point, lerp, normalize, sub

# A tour of the room's objects for five seconds, then put_that_there.py's scene.
PUT_THAT_THERE_AT = 5.0
SESSION_SECONDS = PUT_THAT_THERE_AT + put_that_there.SESSION_SECONDS + 0.1
TICK_RATE_HZ = 90

HEAD_POSITION: Point = (0.0, 1.6, 0.0)
RIGHT_CONTROLLER: Point = (0.25, 1.2, -0.3)
LEFT_CONTROLLER: Point = (-0.25, 0.9, -0.1)

# Head yaw in degrees, positive turns left (about +y): ahead, a turn left, then to the right.
HEAD_YAW_KEYFRAMES: list[tuple[float, float]] = [
    (0.0, 0.0), (1.5, 0.0), (2.5, 35.0), (3.5, 35.0), (4.5, -20.0), (5.0, -20.0),
]

# Where the right controller points: held on each object of the demo's room, swept between.
AIM_KEYFRAMES: list[tuple[float, Point]] = [
    (0.0, AIM_POINTS["table"]), (1.0, AIM_POINTS["table"]),
    (1.2, AIM_POINTS["lamp"]), (2.4, AIM_POINTS["lamp"]),
    (2.6, AIM_POINTS["wall"]), (3.4, AIM_POINTS["wall"]),
    (3.6, AIM_POINTS["floor"]), (5.0, AIM_POINTS["floor"]),
    *[(PUT_THAT_THERE_AT + t, point) for t, point in put_that_there.AIM],
]

SELECT_HELD = (1.7, 1.9)


@dataclass(frozen=True)
class Utterance:
    at_seconds: float
    text: str
    referent: str  # the host id the pointer is on when it is said


UTTERANCES = [
    Utterance(0.5, "what is that?", "table"),
    Utterance(1.8, "turn this on", "lamp"),
    Utterance(3.0, "hang the picture there", "wall"),
    Utterance(4.2, "put it there", "floor"),
]

# Said with the recogniser's word times, and grounded word by word.
SPOKEN = [Spoken(s.text, [(w, PUT_THAT_THERE_AT + a, PUT_THAT_THERE_AT + b) for w, a, b in s.words],
                                PUT_THAT_THERE_AT + s.delivered_at) for s in SCRIPT]


Value = TypeVar("Value")


def _keyframed(keyframes: list[tuple[float, Value]], seconds: float,
               mix: Callable[[Value, Value, float], Value]) -> Value:
    for (t0, v0), (t1, v1) in zip(keyframes, keyframes[1:]):
        if seconds <= t1:
            return mix(v0, v1, 0.0 if t1 == t0 else max(0.0, (seconds - t0) / (t1 - t0)))
    return keyframes[-1][1]


def head_yaw_degrees(seconds: float) -> float:
    return _keyframed(HEAD_YAW_KEYFRAMES, seconds, lambda a, b, f: a + (b - a) * f)


def aim_point(seconds: float) -> Point:
    return _keyframed(AIM_KEYFRAMES, seconds, lerp)


def select_held(seconds: float) -> bool:
    return SELECT_HELD[0] <= seconds < SELECT_HELD[1]


Quat = tuple[float, float, float, float]


def yaw_rotation(degrees: float) -> Quat:
    half = math.radians(degrees) / 2
    return (0.0, math.sin(half), 0.0, math.cos(half))


def look_rotation(direction: Point) -> Quat:
    """The rotation that turns OpenXR's forward (-z) onto `direction`: yaw, then pitch."""
    dx, dy, dz = normalize(direction)
    yaw = math.atan2(-dx, -dz)
    pitch = math.asin(max(-1.0, min(1.0, dy)))
    cy, sy = math.cos(yaw / 2), math.sin(yaw / 2)
    cp, sp = math.cos(pitch / 2), math.sin(pitch / 2)
    # yaw about +y times pitch about +x
    return (cy * sp, sy * cp, -sy * sp, cy * cp)


def aim_rotation(seconds: float) -> Quat:
    return look_rotation(sub(aim_point(seconds), RIGHT_CONTROLLER))

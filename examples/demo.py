"""A scripted XR session fed through quillary-spatial, the way a host application would.

Every 90 Hz tick the host builds a frame from its (here: scripted) runtime, grounds the
pointing ray against its own scene with resolve_target, and pushes the frame into an
intent timeline. When the "user" says something, the host submits the text and hands the
resulting contextual-intent event, as one JSON line, to its agent. With --record, the whole
session goes to a session log that `python -m quillary_spatial replay` reproduces.
"""

import argparse
import math
import random
import sys
from dataclasses import dataclass
from typing import TextIO

import quillary_spatial as spatial
from scene import AIM_POINTS, SCENE_OBJECTS, Point, add, lerp, normalize, raycast, sub

TICK_RATE_HZ = 90
SESSION_SECONDS = 4.0
SESSION_START_NS = 5_000_000_000_000  # the host's monotonic clock when the session began
MAX_CONTEXT_AGE_NS = 2_000_000_000

HAND_ORIGIN = (0.25, 1.2, -0.3)
HEAD_ORIGIN = (0.0, 1.6, 0.0)

# Where the right-hand pointer aims over time: held on each object, moved between them.
AIM_KEYFRAMES: list[tuple[float, Point]] = [
    (0.0, AIM_POINTS["table"]), (1.0, AIM_POINTS["table"]),
    (1.2, AIM_POINTS["lamp"]), (2.2, AIM_POINTS["lamp"]),
    (2.4, AIM_POINTS["wall"]), (3.2, AIM_POINTS["wall"]),
    (3.4, AIM_POINTS["floor"]), (4.0, AIM_POINTS["floor"]),
]
SELECT_HELD = (1.7, 1.9)  # seconds into the session


@dataclass(frozen=True)
class Utterance:
    at_seconds: float
    text: str


UTTERANCES = [
    Utterance(0.503, "what is that?"),
    Utterance(1.805, "turn this on"),
    Utterance(2.0, ""),
    Utterance(2.807, "hang the picture there"),
    Utterance(3.706, "put it there"),
    Utterance(6.5, "never mind"),  # said long after the last frame: its context is stale
]


def ns_at(seconds: float) -> int:
    return SESSION_START_NS + round(seconds * 1e9)


def aim_at(seconds: float, keyframes: list[tuple[float, Point]] = AIM_KEYFRAMES) -> Point:
    for (t0, p0), (t1, p1) in zip(keyframes, keyframes[1:]):
        if seconds <= t1:
            f = 0.0 if t1 == t0 else (seconds - t0) / (t1 - t0)
            return lerp(p0, p1, max(0.0, f))
    return keyframes[-1][1]


def yaw_towards(origin: Point, target: Point) -> spatial.Quaternion:
    dx, _, dz = sub(target, origin)
    yaw = math.atan2(-dx, -dz)  # 0 looks down -z, the room's forward
    return spatial.Quaternion(0.0, math.sin(yaw / 2), 0.0, math.cos(yaw / 2))


def pose(position: Point, orientation: spatial.Quaternion | None = None) -> spatial.Pose:
    p = spatial.Pose()
    p.position = spatial.Vec3(*position)
    if orientation is not None:
        p.orientation = orientation
    return p


class ScriptedRuntime:
    """Stands in for an XR runtime: head, hands, gaze and select for any instant."""

    def __init__(self, seed: int, aim: list[tuple[float, Point]] = AIM_KEYFRAMES,
                 select_held: tuple[float, float] = SELECT_HELD):
        self.aim, self.select_held = aim, select_held
        self.rng = random.Random(seed)
        self.select_pressed = False
        self.select_changed_ns = 0

    def jitter(self, point: Point, amount: float) -> Point:
        def shake() -> float:
            return self.rng.uniform(-amount, amount)

        return add(point, (shake(), shake(), shake()))

    def frame_at(self, seconds: float) -> spatial.SpatialIntentFrame:
        now_ns = ns_at(seconds)
        aim = aim_at(seconds, self.aim)
        frame = spatial.SpatialIntentFrame()
        frame.timestamp_ns = now_ns
        frame.timestamp_domain = "monotonic"
        frame.reference_space.type = "stage"
        frame.reference_space.id = "demo-room"
        frame.reference_space.generation = 1

        head = self.jitter(HEAD_ORIGIN, 0.003)
        frame.head_pose = pose(head, yaw_towards(head, aim))
        frame.head_tracking = spatial.TrackingConfidence.POSITION_AND_ORIENTATION

        hand = self.jitter(HAND_ORIGIN, 0.002)
        pointing = spatial.PointingIntent()
        pointing.ray = spatial.Ray(spatial.Vec3(*hand), spatial.Vec3(*normalize(sub(aim, hand))))
        pointing.source = spatial.PointingSource.CONTROLLER
        pointing.confidence = spatial.TrackingConfidence.POSITION_AND_ORIENTATION
        frame.pointing = pointing

        pressed = self.select_held[0] <= seconds < self.select_held[1]
        select = spatial.SelectState()
        select.changed = pressed != self.select_pressed
        if select.changed:
            self.select_pressed, self.select_changed_ns = pressed, now_ns
        select.pressed = pressed
        select.last_change_time_ns = self.select_changed_ns
        frame.primary_select = select

        frame.left_hand_pose = pose(self.jitter((-0.25, 0.9, -0.1), 0.002))
        frame.right_hand_pose = pose(hand, yaw_towards(hand, aim))
        # The eyes look where the user points.
        frame.gaze_ray = spatial.Ray(spatial.Vec3(*head), spatial.Vec3(*normalize(sub(aim, head))))

        caps = frame.capabilities
        caps.head_pose = caps.action_input = caps.hand_tracking = caps.eye_gaze = True
        caps.enabled_extensions = ["XR_EXT_hand_tracking", "XR_EXT_eye_gaze_interaction"]
        return frame


def run(events_out: TextIO, frames_out: TextIO | None, seed: int, record: str | None = None) -> None:
    runtime = ScriptedRuntime(seed)
    # The timeline explains every utterance that gets no event; a recorder also logs the session.
    timeline = (spatial.Recorder(record, capacity=240, max_context_age_ns=MAX_CONTEXT_AGE_NS,
                                 host={"host": "examples/demo.py", "seed": seed})
                if record else spatial.ExplainedTimeline(capacity=240, max_context_age_ns=MAX_CONTEXT_AGE_NS))
    if isinstance(timeline, spatial.Recorder):
        timeline.record_scene(SCENE_OBJECTS, ns_at(0))  # what the pointer can hit, for viewers
    pending = sorted(UTTERANCES, key=lambda u: u.at_seconds)
    summary: list[str] = []

    def submit(utterance: Utterance) -> None:
        event = timeline.submit_text(utterance.text, ns_at(utterance.at_seconds))
        if event is not None:
            events_out.write(spatial.to_jsonl(event) + "\n")
        assert timeline.last_explanation is not None
        summary.append(spatial.describe_utterance(utterance.at_seconds, utterance.text, event,
                                                  timeline.last_explanation))

    ticks = round(SESSION_SECONDS * TICK_RATE_HZ)
    for tick in range(ticks):
        seconds = tick / TICK_RATE_HZ
        frame = spatial.resolve_target(runtime.frame_at(seconds), raycast)
        timeline.push(frame)
        if frames_out is not None:
            frames_out.write(spatial.to_jsonl(frame) + "\n")
        # Speech arrives between ticks: submit what was said before the next frame.
        while pending and pending[0].at_seconds < (tick + 1) / TICK_RATE_HZ:
            submit(pending.pop(0))
    for utterance in pending:
        submit(utterance)
    if isinstance(timeline, spatial.Recorder):
        timeline.close()

    print(f"quillary-spatial demo: {ticks} frames at {TICK_RATE_HZ} Hz, {len(UTTERANCES)} utterances",
          file=sys.stderr)
    print("\n".join(summary), file=sys.stderr)


def main(argv: list[str] | None = None) -> int:
    parser = argparse.ArgumentParser(
        description="Run a scripted 90 Hz XR session through quillary-spatial and print the "
        "contextual-intent events an agent would receive, one JSON line each.")
    parser.add_argument("--out", metavar="FILE", help="write the events here instead of stdout")
    parser.add_argument("--frames", metavar="FILE", help="also write every grounded frame here, one JSON line each")
    parser.add_argument("--record", metavar="FILE", help="record the session as a session log here")
    parser.add_argument("--seed", type=int, default=7, help="seed of the scripted tremor (default: 7)")
    args = parser.parse_args(argv)

    events_out = open(args.out, "w", encoding="utf-8") if args.out else sys.stdout
    frames_out = open(args.frames, "w", encoding="utf-8") if args.frames else None
    try:
        run(events_out, frames_out, args.seed, args.record)
    finally:
        if args.out:
            events_out.close()
        if frames_out is not None:
            frames_out.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())

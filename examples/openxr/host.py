"""An OpenXR host fed through quillary-spatial: every tick it reads head, controllers, hands
and select from a live OpenXR runtime, builds a SpatialIntentFrame, grounds its pointing ray
against the demo's room and pushes it into an IntentTimeline. The scripted utterances are
submitted the moment they are said, and each contextual-intent event goes out as one JSON line.

Run it through the launcher (tools/dev openxr-demo), which starts the runtime and the
scripted user; on its own it needs a running OpenXR runtime with XR_MND_headless.
"""

import argparse
import json
import signal
import sys
import time
from pathlib import Path
from typing import TextIO

from agent_rules import Spoken
import quillary_spatial as spatial
import script
import xr
from runtime import HAND_INTERACTION_PROFILE, Location, OpenXRRuntime
from scene import SCENE_OBJECTS, raycast

TIMESTAMP_DOMAIN = "XrTime"
MAX_CONTEXT_AGE_NS = 100_000_000  # speech pairs with what the user did within the last 100 ms
FOCUS_TIMEOUT_S = 10.0


def confidence(location: Location) -> spatial.TrackingConfidence:
    flags = location.flags
    orientation = xr.SPACE_LOCATION_ORIENTATION_VALID_BIT | xr.SPACE_LOCATION_ORIENTATION_TRACKED_BIT
    position = xr.SPACE_LOCATION_POSITION_VALID_BIT | xr.SPACE_LOCATION_POSITION_TRACKED_BIT
    if flags & orientation != orientation:
        return spatial.TrackingConfidence.UNAVAILABLE
    if flags & position != position:
        return spatial.TrackingConfidence.ORIENTATION_ONLY
    return spatial.TrackingConfidence.POSITION_AND_ORIENTATION


def to_pose(location: Location) -> spatial.Pose:
    """The located pose, keeping the default for whichever half the runtime marks invalid."""
    pose = spatial.Pose()
    p, q = location.pose.position, location.pose.orientation
    if location.position_valid:
        pose.position = spatial.Vec3(p.x, p.y, p.z)
    if location.orientation_valid:
        pose.orientation = spatial.Quaternion(q.x, q.y, q.z, q.w)
    return pose


def forward(q: xr.Quaternionf) -> spatial.Vec3:
    """OpenXR's forward (-z) rotated by q."""
    x, y, z, w = q.x, q.y, q.z, q.w
    return spatial.Vec3(-2 * (x * z + w * y), -2 * (y * z - w * x), -(1 - 2 * (x * x + y * y)))


class FrameSource:
    """Builds one SpatialIntentFrame per tick from the runtime."""

    def __init__(self, runtime: OpenXRRuntime):
        self.runtime = runtime
        system = runtime.system
        extensions = runtime.enabled_extensions
        self.capabilities = spatial.CapabilitySnapshot()
        self.capabilities.head_pose = system.orientation_tracking
        self.capabilities.hand_tracking = system.hand_tracking
        self.capabilities.hand_interaction = "XR_EXT_hand_interaction" in extensions
        self.capabilities.eye_gaze = system.eye_gaze
        self.capabilities.enabled_extensions = extensions
        self.reference_space = spatial.ReferenceSpace()
        self.reference_space.type = runtime.reference_space_type
        self.reference_space.id = f"{system.name}/{runtime.reference_space_type}"
        self.pointing_source = spatial.PointingSource.CONTROLLER
        self.right_hand_profile = ""

    def on_interaction_profile_changed(self) -> None:
        self.right_hand_profile = self.runtime.right_hand_profile()
        hand = self.right_hand_profile == HAND_INTERACTION_PROFILE
        self.pointing_source = spatial.PointingSource.HAND if hand else spatial.PointingSource.CONTROLLER

    def sample(self) -> spatial.SpatialIntentFrame:
        """The frame of this instant. Actions are synced first, so that the select state's
        change time is never later than the frame's own timestamp."""
        runtime = self.runtime
        runtime.sync_actions()
        at = runtime.xr_time(time.monotonic_ns())
        frame = spatial.SpatialIntentFrame()
        frame.timestamp_ns = at
        frame.timestamp_domain = TIMESTAMP_DOMAIN
        # A reference-space change moves every pose: a new generation tells the agent so.
        self.reference_space.generation = runtime.log.reference_space_changes
        frame.reference_space = self.reference_space

        head = runtime.locate(runtime.view_space, at)
        frame.head_pose = to_pose(head)
        frame.head_tracking = confidence(head)

        if runtime.aim_active():
            aim = runtime.locate(runtime.aim_space, at)
            if aim.orientation_valid and aim.position_valid:
                pointing = spatial.PointingIntent()
                p = aim.pose.position
                pointing.ray = spatial.Ray(spatial.Vec3(p.x, p.y, p.z), forward(aim.pose.orientation))
                pointing.source = self.pointing_source
                pointing.confidence = confidence(aim)
                frame.pointing = pointing

        select = runtime.select()
        if select.active:
            state = spatial.SelectState()
            state.pressed = select.pressed
            state.changed = select.changed
            state.last_change_time_ns = select.last_change_time
            frame.primary_select = state

        frame.left_hand_pose = self._hand_pose(xr.HAND_LEFT_EXT, at)
        frame.right_hand_pose = self._hand_pose(xr.HAND_RIGHT_EXT, at)

        capabilities = self.capabilities
        capabilities.action_input = runtime.focused  # actions only deliver input while focused
        frame.capabilities = capabilities
        return frame

    def _hand_pose(self, hand: int, at: int) -> spatial.Pose | None:
        # The tracked palm when hands are tracked, else the controller's grip, located only then.
        palm = self.runtime.palm(hand, at)
        if palm is not None and palm.orientation_valid and palm.position_valid:
            return to_pose(palm)
        grip = self.runtime.locate(self.runtime.grip_spaces[hand], at)
        return to_pose(grip) if grip.orientation_valid and grip.position_valid else None


def sleep_until(monotonic_ns: int) -> None:
    remaining = monotonic_ns - time.monotonic_ns()
    if remaining > 0:
        time.sleep(remaining / 1e9)


def run(runtime: OpenXRRuntime, epoch_ns: int, events_out: TextIO, frames_out: TextIO | None,
        record: str | None = None) -> dict[str, object]:
    source = FrameSource(runtime)
    capacity = script.TICK_RATE_HZ * 2
    # The timeline explains every utterance that gets no event; a recorder also logs the session.
    timeline = (spatial.Recorder(record, capacity=capacity, max_context_age_ns=MAX_CONTEXT_AGE_NS,
                                 host={"host": "examples/openxr/host.py", "runtime": runtime.system.name,
                                       "reference_space": runtime.reference_space_type})
                if record else spatial.ExplainedTimeline(capacity=capacity, max_context_age_ns=MAX_CONTEXT_AGE_NS))
    period_ns = 1_000_000_000 // script.TICK_RATE_HZ
    ticks = round(script.SESSION_SECONDS * script.TICK_RATE_HZ)
    pending = sorted(script.UTTERANCES, key=lambda u: u.at_seconds)
    spoken = sorted(script.SPOKEN, key=lambda s: s.delivered_at)
    summary: list[str] = []
    late_ticks = 0
    tick_starts: list[int] = []  # when each tick began: the rate the session actually kept
    work_ns: list[int] = []  # what each tick costs the host: runtime calls, frame, grounding, push

    runtime.wait_until_focused(FOCUS_TIMEOUT_S)
    if isinstance(timeline, spatial.Recorder):
        timeline.record_scene(SCENE_OBJECTS, runtime.xr_time(epoch_ns))  # what the pointer can hit
    started_late_ms = max(0, time.monotonic_ns() - epoch_ns) / 1e6

    def deliver(spoken: Spoken) -> None:
        sleep_until(epoch_ns + round(spoken.delivered_at * 1e9))
        at = runtime.xr_time(time.monotonic_ns())
        words = [spatial.Word(text, runtime.xr_time(epoch_ns + round(start * 1e9)),
                              runtime.xr_time(epoch_ns + round(end * 1e9))) for text, start, end in spoken.words]
        said_s = (time.monotonic_ns() - epoch_ns) / 1e9  # when it was recorded, not when it was planned
        event = (timeline.submit_text(spoken.text, at, words=words) if isinstance(timeline, spatial.Recorder)
                 else timeline.submit_text(spoken.text, at))
        if event is not None:
            events_out.write(spatial.to_jsonl(event) + "\n")
        assert timeline.last_explanation is not None
        grounded = spatial.ground(timeline, spoken.text, words, at, raycast=raycast, scene=SCENE_OBJECTS)
        summary.append(spatial.describe_utterance(said_s, spoken.text, event, timeline.last_explanation, grounded))

    def submit(utterance: script.Utterance) -> None:
        said_ns = epoch_ns + round(utterance.at_seconds * 1e9)
        sleep_until(said_ns)
        now_ns = time.monotonic_ns()
        said_s = (now_ns - epoch_ns) / 1e9  # when it was recorded, not when it was planned
        event = timeline.submit_text(utterance.text, runtime.xr_time(now_ns))
        if event is not None:
            events_out.write(spatial.to_jsonl(event) + "\n")
        assert timeline.last_explanation is not None
        summary.append(spatial.describe_utterance(said_s, utterance.text, event, timeline.last_explanation))

    for tick in range(ticks):
        deadline_ns = epoch_ns + tick * period_ns
        if time.monotonic_ns() > deadline_ns + period_ns:
            late_ticks += 1
        sleep_until(deadline_ns)
        work_start_ns = time.monotonic_ns()
        tick_starts.append(work_start_ns)
        runtime.poll_events()
        if not runtime.focused:
            raise RuntimeError(f"the session lost focus at tick {tick}: {' -> '.join(runtime.log.states)}")
        if runtime.interaction_profile_changed:
            runtime.interaction_profile_changed = False
            source.on_interaction_profile_changed()
        frame = spatial.resolve_target(source.sample(), raycast)
        timeline.push(frame)
        if frames_out is not None:
            frames_out.write(spatial.to_jsonl(frame) + "\n")
        work_ns.append(time.monotonic_ns() - work_start_ns)
        # Speech arrives between ticks: submit what is said before the next one.
        next_tick_s = (tick + 1) / script.TICK_RATE_HZ
        while pending and pending[0].at_seconds < next_tick_s:
            submit(pending.pop(0))
        while spoken and spoken[0].delivered_at < next_tick_s:
            deliver(spoken.pop(0))

    if isinstance(timeline, spatial.Recorder):
        timeline.close()
    runtime.exit(timeout_s=2.0)
    rate_hz = (len(tick_starts) - 1) / ((tick_starts[-1] - tick_starts[0]) / 1e9) if len(tick_starts) > 1 else 0.0
    summary.insert(0, f"openxr host: {ticks} frames at {rate_hz:.1f} Hz (measured; {script.TICK_RATE_HZ} Hz asked) "
                      f"from {runtime.system.name} "
                      f"({runtime.reference_space_type} space), {len(script.UTTERANCES) + len(script.SPOKEN)} utterances")
    print("\n".join(summary), file=sys.stderr)
    return {
        "summary": summary,
        "epoch_xr_time": runtime.xr_time(epoch_ns),
        "system_name": runtime.system.name,
        "session_states": runtime.log.states,
        "reference_space": runtime.reference_space_type,
        "right_hand_profile": source.right_hand_profile,
        "enabled_extensions": runtime.enabled_extensions,
        "ticks": ticks,
        "late_ticks": late_ticks,
        "tick_work_us": {"median": sorted(work_ns)[len(work_ns) // 2] / 1e3, "max": max(work_ns) / 1e3},
        "started_late_ms": started_late_ms,
    }


def main(argv: list[str] | None = None) -> int:
    parser = argparse.ArgumentParser(description="Feed quillary-spatial from a live OpenXR runtime for the "
                                     "scripted session of script.py; events go out as JSON lines.")
    parser.add_argument("--epoch-ns", type=int, default=None,
                        help="CLOCK_MONOTONIC time, in ns, at which the script starts (default: in 1 s)")
    parser.add_argument("--out", metavar="FILE", help="write the events here instead of stdout")
    parser.add_argument("--frames", metavar="FILE", help="also write every grounded frame here, one JSON line each")
    parser.add_argument("--report", metavar="FILE", help="write what the session went through here, as JSON")
    parser.add_argument("--record", metavar="FILE", help="record the session as a session log here")
    args = parser.parse_args(argv)
    # Stopped from outside (the launcher does so on failure or Ctrl-C): leave through the
    # `with` below, so that the runtime sees the session and instance destroyed.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(128 + signal.SIGTERM))
    epoch_ns = args.epoch_ns if args.epoch_ns is not None else time.monotonic_ns() + 1_000_000_000

    events_out = open(args.out, "w", encoding="utf-8") if args.out else sys.stdout
    frames_out = open(args.frames, "w", encoding="utf-8") if args.frames else None
    try:
        with OpenXRRuntime("quillary-spatial openxr host") as runtime:
            report = run(runtime, epoch_ns, events_out, frames_out, args.record)
    except (xr.OpenXRError, RuntimeError) as error:
        print(f"openxr host: {error}", file=sys.stderr)
        return 1
    except KeyboardInterrupt:
        return 130  # the runtime is released on the way out of the `with`
    finally:
        if args.out:
            events_out.close()
        if frames_out is not None:
            frames_out.close()
    if args.report:
        Path(args.report).write_text(json.dumps(report, indent=2) + "\n", encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())

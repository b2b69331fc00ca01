"""Typed host code touching every class and function, checked by mypy --strict against the stub."""

from collections.abc import Iterator

import _spatial as spatial


def build_frame(t_ns: int) -> spatial.SpatialIntentFrame:
    frame = spatial.SpatialIntentFrame()
    frame.timestamp_ns = t_ns
    frame.timestamp_domain = "monotonic"
    space: spatial.ReferenceSpace = frame.reference_space
    space.type, space.id, space.generation = "stage", "room", 1
    pose = spatial.Pose()
    pose.position = spatial.Vec3(0.0, 1.6, 0.0)
    pose.orientation = spatial.Quaternion(0.0, 0.0, 0.0, 1.0)
    frame.head_pose = pose
    frame.head_tracking = spatial.TrackingConfidence.POSITION_AND_ORIENTATION
    pointing = spatial.PointingIntent()
    pointing.ray = spatial.Ray(spatial.Vec3(), spatial.Vec3(0.0, 0.0, -1.0))
    pointing.source = spatial.PointingSource.CONTROLLER
    pointing.confidence = spatial.TrackingConfidence.ORIENTATION_ONLY
    frame.pointing = pointing
    select = spatial.SelectState()
    select.pressed = True
    select.changed = False
    select.last_change_time_ns = t_ns
    frame.primary_select = select
    frame.left_hand_pose = spatial.Pose()
    frame.right_hand_pose = None
    frame.gaze_ray = spatial.Ray()
    caps: spatial.CapabilitySnapshot = frame.capabilities
    caps.head_pose = caps.action_input = caps.hand_tracking = True
    caps.hand_interaction = caps.eye_gaze = False
    caps.enabled_extensions = ["ext.hands"]
    return frame


def raycast(ray: spatial.Ray) -> spatial.SpatialHit | None:
    if ray.direction.z >= 0:
        return None
    hit = spatial.SpatialHit()
    hit.position = spatial.Vec3(ray.origin.x, 0.0, ray.origin.z)
    hit.normal = spatial.Vec3(0.0, 1.0, 0.0)
    hit.host_id = "floor"
    return hit


def events(timeline: spatial.IntentTimeline) -> Iterator[str]:
    for t_ns in range(0, 100_000_000, 11_111_111):
        timeline.push(spatial.resolve_target(build_frame(t_ns), raycast))
    latest = timeline.latest()
    if latest is not None:
        yield spatial.to_jsonl(latest)
    event = timeline.submit_text("put it there", 100_000_000)
    if event is not None:
        age: int = event.spatial_age_ns
        text: str = event.text
        context: spatial.SpatialIntentFrame = event.spatial_context
        yield f"{text} {age} {context.timestamp_ns} {event.timestamp_ns}"
        yield spatial.to_jsonl(event)
        record: object = spatial.to_dict(event)
        yield str(record)


if __name__ == "__main__":
    for line in events(spatial.IntentTimeline(capacity=240, max_context_age_ns=2_000_000_000)):
        print(line)

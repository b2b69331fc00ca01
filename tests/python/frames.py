"""Frames the tests build the way a host would, and hypothesis strategies for many more."""

import json
import math
import sys
from pathlib import Path

from hypothesis import strategies as st

from _spatial import (
    CapabilitySnapshot,
    PointingIntent,
    PointingSource,
    Pose,
    Quaternion,
    Ray,
    ReferenceSpace,
    SelectState,
    SpatialHit,
    SpatialIntentFrame,
    TrackingConfidence,
    Vec3,
)

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "fixtures"))
from example_frames import FULL_EXAMPLE_LINE, event_for, full_example_frame  # noqa: E402,F401

# --- strategies ---------------------------------------------------------------------------

numbers = st.floats(allow_nan=True, allow_infinity=True)
int64 = st.integers(-(2**63), 2**63 - 1)
text = st.text()  # any code points but lone surrogates, which str attributes cannot encode
flags = st.booleans()


@st.composite
def vec3s(draw):
    return Vec3(draw(numbers), draw(numbers), draw(numbers))


@st.composite
def poses(draw):
    pose = Pose()
    pose.position = draw(vec3s())
    pose.orientation = Quaternion(draw(numbers), draw(numbers), draw(numbers), draw(numbers))
    return pose


@st.composite
def rays(draw):
    return Ray(draw(vec3s()), draw(vec3s()))


def enum_values(enum):
    return st.integers(-3, 6).map(enum)


@st.composite
def frames(draw):
    frame = SpatialIntentFrame()
    # Stay clear of the ends so that events at small ages can be made from these frames.
    frame.timestamp_ns = draw(st.integers(-(2**62), 2**62))
    frame.timestamp_domain = draw(text)
    space = ReferenceSpace()
    space.type, space.id = draw(text), draw(text)
    space.generation = draw(st.integers(0, 2**64 - 1))
    frame.reference_space = space
    frame.head_pose = draw(poses())
    frame.head_tracking = draw(enum_values(TrackingConfidence))
    if draw(flags):
        pointing = PointingIntent()
        pointing.ray = draw(rays())
        pointing.source = draw(enum_values(PointingSource))
        pointing.confidence = draw(enum_values(TrackingConfidence))
        frame.pointing = pointing
    if draw(flags):
        select = SelectState()
        select.pressed, select.changed = draw(flags), draw(flags)
        select.last_change_time_ns = draw(int64)
        frame.primary_select = select
    if draw(flags):
        frame.left_hand_pose = draw(poses())
    if draw(flags):
        frame.right_hand_pose = draw(poses())
    if draw(flags):
        frame.gaze_ray = draw(rays())
    if draw(flags):
        hit = SpatialHit()
        hit.position, hit.normal = draw(vec3s()), draw(vec3s())
        hit.host_id = draw(st.none() | text)
        frame.target = hit
    caps = CapabilitySnapshot()
    caps.head_pose, caps.action_input, caps.hand_tracking = draw(flags), draw(flags), draw(flags)
    caps.hand_interaction, caps.eye_gaze = draw(flags), draw(flags)
    caps.enabled_extensions = draw(st.lists(text, max_size=4))
    frame.capabilities = caps
    return frame


@st.composite
def events(draw):
    return event_for(draw(frames()), draw(text.filter(bool)), draw(st.integers(0, 2**40)))


def strict_loads(line):
    """What a strict consumer (JavaScript's JSON.parse, say) accepts: no NaN or Infinity."""

    def refuse(name):
        raise ValueError(f"non-standard JSON constant {name}")

    return json.loads(line, parse_constant=refuse)


# --- what a frame's dict must be, worked out from its attributes, not from its line -------------

CONFIDENCE_NAMES = {0: "unavailable", 1: "orientation_only", 2: "position_and_orientation"}
SOURCE_NAMES = {0: "controller", 1: "hand", 2: "eye_gaze", 3: "head"}


def number(value):
    """A component as a strict parser reads it back: 9 significant digits, null if not finite."""
    return json.loads(f"{value:.9g}") if math.isfinite(value) else None


def vector(v):
    return [number(v.x), number(v.y), number(v.z)]


def pose_dict(pose):
    q = pose.orientation
    return {"position": vector(pose.position), "orientation": [number(q.x), number(q.y), number(q.z), number(q.w)]}


def expected_dict(frame):
    d = {
        "schema": "quillary.spatial-intent",
        "version": 1,
        "timestamp_ns": frame.timestamp_ns,
        "timestamp_domain": frame.timestamp_domain,
        "reference_space": {"type": frame.reference_space.type, "id": frame.reference_space.id,
                            "generation": frame.reference_space.generation},
        "head": pose_dict(frame.head_pose),
        "head_tracking": CONFIDENCE_NAMES.get(frame.head_tracking.value, "unavailable"),
    }
    if frame.pointing is not None:
        p = frame.pointing
        d["pointing"] = {"source": SOURCE_NAMES.get(p.source.value, "head"),
                         "confidence": CONFIDENCE_NAMES.get(p.confidence.value, "unavailable"),
                         "origin": vector(p.ray.origin), "direction": vector(p.ray.direction)}
    if frame.primary_select is not None:
        s = frame.primary_select
        d["primary_select"] = {"pressed": s.pressed, "changed": s.changed, "last_change_time_ns": s.last_change_time_ns}
    for member, key in (("left_hand_pose", "left_hand"), ("right_hand_pose", "right_hand")):
        if getattr(frame, member) is not None:
            d[key] = pose_dict(getattr(frame, member))
    if frame.gaze_ray is not None:
        d["gaze"] = {"origin": vector(frame.gaze_ray.origin), "direction": vector(frame.gaze_ray.direction)}
    if frame.target is not None:
        d["target"] = {"position": vector(frame.target.position), "normal": vector(frame.target.normal)}
        if frame.target.host_id is not None:
            d["target"]["host_id"] = frame.target.host_id
    c = frame.capabilities
    d["capabilities"] = {"head_pose": c.head_pose, "action_input": c.action_input, "hand_tracking": c.hand_tracking,
                         "hand_interaction": c.hand_interaction, "eye_gaze": c.eye_gaze,
                         "enabled_extensions": c.enabled_extensions}
    return d

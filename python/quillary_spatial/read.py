"""Frame and event lines (and their dicts) back into _spatial objects.

Strict: the schema name and version, every member's JSON type, the enumerations' wire names
and the integer ranges are checked, and a missing or unknown member is an error. Nothing
half-built is returned: a value is built only after its whole record has been checked.
Components written as null (non-finite numbers) read as NaN. For every line the library
writes, writing what was read gives the same bytes.
"""

from __future__ import annotations

import json
import math
import re
from collections.abc import Mapping
from typing import Any, NoReturn

from _spatial import (
    CapabilitySnapshot,
    ContextualIntentEvent,
    IntentTimeline,
    PointingIntent,
    PointingSource,
    Pose,
    Quaternion,
    Ray,
    SelectState,
    SpatialHit,
    SpatialIntentFrame,
    TrackingConfidence,
    Vec3,
)

FRAME_SCHEMA = "quillary.spatial-intent"
EVENT_SCHEMA = "quillary.contextual-intent"

INT64_MIN, INT64_MAX, UINT64_MAX = -(2**63), 2**63 - 1, 2**64 - 1

# A line longer than this is refused rather than read: a frame line is about a kilobyte, and
# an unbounded read of a damaged log could take all the memory there is.
MAX_LINE_BYTES = 64 * 1024 * 1024

CONFIDENCE_BY_NAME = {
    "unavailable": TrackingConfidence.UNAVAILABLE,
    "orientation_only": TrackingConfidence.ORIENTATION_ONLY,
    "position_and_orientation": TrackingConfidence.POSITION_AND_ORIENTATION,
}
SOURCE_BY_NAME = {
    "controller": PointingSource.CONTROLLER,
    "hand": PointingSource.HAND,
    "eye_gaze": PointingSource.EYE_GAZE,
    "head": PointingSource.HEAD,
}
CONFIDENCE_NAMES = {int(value): name for name, value in CONFIDENCE_BY_NAME.items()}
SOURCE_NAMES = {int(value): name for name, value in SOURCE_BY_NAME.items()}


class ReadError(ValueError):
    """A line or record that is not what the library writes: where, which member, and why."""

    def __init__(self, message: str, path: str = "", source: str | None = None, line: int | None = None):
        self.message, self.path, self.source, self.line = message, path, source, line
        super().__init__(str(self))

    def __str__(self) -> str:
        where = ""
        if self.source is not None and self.line is not None:
            where = f"{self.source}:{self.line}: "
        elif self.source is not None:
            where = f"{self.source}: "
        elif self.line is not None:
            where = f"line {self.line}: "
        return f"{where}{self.path}: {self.message}" if self.path else f"{where}{self.message}"

    def located(self, source: str | None, line: int | None) -> ReadError:
        """The same error, placed in a file and line."""
        return ReadError(self.message, self.path, source, line)


def fail(path: str, message: str) -> NoReturn:
    raise ReadError(message, path.rstrip("."))


def describe(value: object) -> str:
    text = json.dumps(value, ensure_ascii=False) if isinstance(value, (str, int, float, bool, type(None))) else type(value).__name__
    return text if len(text) <= 60 else text[:57] + "..."


def members(record: object, path: str, required: frozenset[str], optional: frozenset[str] = frozenset()) -> Mapping[str, Any]:
    if type(record) is not dict:
        fail(path, f"expected an object, got {describe(record)}")
    keys = record.keys()
    if not required <= keys:
        missing = sorted(required - keys)[0]
        fail(path + missing, "missing member")
    if len(keys) > len(required) and not keys - required <= optional:
        unknown = sorted(keys - required - optional)[0]
        fail(path + unknown, "unknown member")
    return record


def schema_and_version(record: Mapping[str, Any], path: str, schema: str) -> None:
    if record["schema"] != schema:
        fail(path + "schema", f"expected {json.dumps(schema)}, got {describe(record['schema'])}")
    version = record["version"]
    if type(version) is not int or version != 1:
        fail(path + "version", f"unsupported version {describe(version)} (this library reads version 1)")


def integer(value: object, path: str, low: int = INT64_MIN, high: int = INT64_MAX) -> int:
    if type(value) is not int:
        fail(path, f"expected an integer, got {describe(value)}")
    if not low <= value <= high:
        fail(path, f"{value} is out of range [{low}, {high}]")
    return value


def boolean(value: object, path: str) -> bool:
    if type(value) is not bool:
        fail(path, f"expected true or false, got {describe(value)}")
    return value


def string(value: object, path: str) -> str:
    if type(value) is not str:
        fail(path, f"expected a string, got {describe(value)}")
    if not value.isascii():
        try:
            value.encode()
        except UnicodeEncodeError:
            fail(path, "string holds a lone surrogate, which is not text")
    return value


def number(value: object, path: str) -> float:
    kind = type(value)
    if kind is float or kind is int:
        return value  # type: ignore[return-value]
    if value is None:
        return math.nan
    fail(path, f"expected a number or null, got {describe(value)}")


def components(value: object, path: str, count: int) -> list[float]:
    if type(value) is not list or len(value) != count:
        fail(path, f"expected an array of {count} numbers, got {describe(value)}")
    return [number(c, f"{path}[{i}]") for i, c in enumerate(value)]


def vec3(value: object, path: str) -> Vec3:
    return Vec3(*components(value, path, 3))


POSE_MEMBERS = frozenset({"position", "orientation"})


def pose(value: object, path: str) -> Pose:
    record = members(value, path + ".", POSE_MEMBERS)
    position = vec3(record["position"], path + ".position")
    orientation = Quaternion(*components(record["orientation"], path + ".orientation", 4))
    result = Pose()
    result.position, result.orientation = position, orientation
    return result


def enumeration(value: object, path: str, names: Mapping[str, Any]) -> Any:
    if type(value) is not str:
        fail(path, f"expected a string, got {describe(value)}")
    found = names.get(value)
    if found is None:
        fail(path, f"unknown value {json.dumps(value, ensure_ascii=False)} (one of {', '.join(names)})")
    return found


SPACE_MEMBERS = frozenset({"type", "id", "generation"})
POINTING_MEMBERS = frozenset({"source", "confidence", "origin", "direction"})
SELECT_MEMBERS = frozenset({"pressed", "changed", "last_change_time_ns"})
RAY_MEMBERS = frozenset({"origin", "direction"})
TARGET_MEMBERS = frozenset({"position", "normal"})
CAPABILITY_FLAGS = ("head_pose", "action_input", "hand_tracking", "hand_interaction", "eye_gaze")
CAPABILITY_MEMBERS = frozenset((*CAPABILITY_FLAGS, "enabled_extensions"))
FRAME_REQUIRED = frozenset({"schema", "version", "timestamp_ns", "timestamp_domain", "reference_space", "head",
                            "head_tracking", "capabilities"})
FRAME_OPTIONAL = frozenset({"pointing", "primary_select", "left_hand", "right_hand", "gaze", "target"})
EVENT_MEMBERS = frozenset({"schema", "version", "timestamp_ns", "text", "spatial_age_ns", "spatial_context"})


def frame_from_dict(record: object, path: str = "") -> SpatialIntentFrame:
    """A frame from the dict of its line (what `to_dict` returns, or `json.loads` of the line)."""
    d = members(record, path, FRAME_REQUIRED, FRAME_OPTIONAL)
    schema_and_version(d, path, FRAME_SCHEMA)
    frame = SpatialIntentFrame()
    frame.timestamp_ns = integer(d["timestamp_ns"], path + "timestamp_ns")
    frame.timestamp_domain = string(d["timestamp_domain"], path + "timestamp_domain")
    space = members(d["reference_space"], path + "reference_space.", SPACE_MEMBERS)
    frame.reference_space.type = string(space["type"], path + "reference_space.type")
    frame.reference_space.id = string(space["id"], path + "reference_space.id")
    frame.reference_space.generation = integer(space["generation"], path + "reference_space.generation", 0, UINT64_MAX)
    frame.head_pose = pose(d["head"], path + "head")
    frame.head_tracking = enumeration(d["head_tracking"], path + "head_tracking", CONFIDENCE_BY_NAME)
    if "pointing" in d:
        p = members(d["pointing"], path + "pointing.", POINTING_MEMBERS)
        pointing = PointingIntent()
        pointing.source = enumeration(p["source"], path + "pointing.source", SOURCE_BY_NAME)
        pointing.confidence = enumeration(p["confidence"], path + "pointing.confidence", CONFIDENCE_BY_NAME)
        pointing.ray = Ray(vec3(p["origin"], path + "pointing.origin"), vec3(p["direction"], path + "pointing.direction"))
        frame.pointing = pointing
    if "primary_select" in d:
        s = members(d["primary_select"], path + "primary_select.", SELECT_MEMBERS)
        select = SelectState()
        select.pressed = boolean(s["pressed"], path + "primary_select.pressed")
        select.changed = boolean(s["changed"], path + "primary_select.changed")
        select.last_change_time_ns = integer(s["last_change_time_ns"], path + "primary_select.last_change_time_ns")
        frame.primary_select = select
    if "left_hand" in d:
        frame.left_hand_pose = pose(d["left_hand"], path + "left_hand")
    if "right_hand" in d:
        frame.right_hand_pose = pose(d["right_hand"], path + "right_hand")
    if "gaze" in d:
        g = members(d["gaze"], path + "gaze.", RAY_MEMBERS)
        frame.gaze_ray = Ray(vec3(g["origin"], path + "gaze.origin"), vec3(g["direction"], path + "gaze.direction"))
    if "target" in d:
        t = members(d["target"], path + "target.", TARGET_MEMBERS, frozenset({"host_id"}))
        hit = SpatialHit()
        hit.position = vec3(t["position"], path + "target.position")
        hit.normal = vec3(t["normal"], path + "target.normal")
        if "host_id" in t:
            hit.host_id = string(t["host_id"], path + "target.host_id")
        frame.target = hit
    c = members(d["capabilities"], path + "capabilities.", CAPABILITY_MEMBERS)
    caps = frame.capabilities
    for flag in CAPABILITY_FLAGS:
        setattr(caps, flag, boolean(c[flag], f"{path}capabilities.{flag}"))
    extensions = c["enabled_extensions"]
    if type(extensions) is not list:
        fail(path + "capabilities.enabled_extensions", f"expected an array of strings, got {describe(extensions)}")
    caps.enabled_extensions = [string(e, f"{path}capabilities.enabled_extensions[{i}]") for i, e in enumerate(extensions)]
    return frame


def event_from_dict(record: object, path: str = "") -> ContextualIntentEvent:
    """An event from the dict of its line.

    Events have no constructor: they come only from a timeline. So the event is made the way
    the library makes every event, by a one-frame timeline whose maximum age is the event's
    own age; that is possible exactly when the record is consistent (its age is its time minus
    its frame's time, and its text is not empty), which every line the library writes is.
    """
    d = members(record, path, EVENT_MEMBERS)
    schema_and_version(d, path, EVENT_SCHEMA)
    timestamp_ns = integer(d["timestamp_ns"], path + "timestamp_ns")
    text = string(d["text"], path + "text")
    if not text:
        fail(path + "text", "empty text, which never makes an event")
    age_ns = integer(d["spatial_age_ns"], path + "spatial_age_ns", 0, INT64_MAX)
    frame = frame_from_dict(d["spatial_context"], path + "spatial_context.")
    if timestamp_ns - age_ns != frame.timestamp_ns:
        fail(path + "spatial_age_ns", f"{age_ns} is not timestamp_ns minus spatial_context.timestamp_ns "
                                      f"({timestamp_ns - frame.timestamp_ns})")
    timeline = IntentTimeline(capacity=1, max_context_age_ns=age_ns)
    timeline.push(frame)
    event = timeline.submit_text(text, timestamp_ns)
    assert event is not None  # guaranteed by the checks above
    return event


def _refuse_constant(name: str) -> NoReturn:
    raise ReadError(f"{name} is not JSON (the library writes non-finite numbers as null)")


# The writer writes a negative zero component as -0, which json reads as the integer 0; only
# lines that hold one take the slower path that keeps the sign.
_NEGATIVE_ZERO = re.compile(r"-0(?![.0-9eE])")


def _int_or_negative_zero(text: str) -> int | float:
    return -0.0 if text == "-0" else int(text)


def parse(line: str | bytes, path: str = "") -> Any:
    """Strict JSON: one value, no NaN or Infinity, no line longer than MAX_LINE_BYTES."""
    if len(line) > MAX_LINE_BYTES:
        fail(path, f"line is longer than {MAX_LINE_BYTES} bytes")
    try:
        if isinstance(line, bytes):
            line = line.decode()
        if _NEGATIVE_ZERO.search(line):
            return json.loads(line, parse_constant=_refuse_constant, parse_int=_int_or_negative_zero)
        return json.loads(line, parse_constant=_refuse_constant)
    except ReadError:
        raise
    except UnicodeDecodeError as error:
        fail(path, f"not UTF-8 ({error.reason} at byte {error.start})")
    except ValueError as error:
        fail(path, f"not JSON ({error})")


def read_frame(line: str | bytes) -> SpatialIntentFrame:
    """A frame from its line."""
    return frame_from_dict(parse(line))


def read_event(line: str | bytes) -> ContextualIntentEvent:
    """An event from its line."""
    return event_from_dict(parse(line))


def read_line(line: str | bytes) -> SpatialIntentFrame | ContextualIntentEvent:
    """A frame or an event, whichever the line's schema names."""
    record = parse(line)
    if type(record) is dict and record.get("schema") == EVENT_SCHEMA:
        return event_from_dict(record)
    return frame_from_dict(record)

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
import sys
from collections.abc import Callable, Mapping, Sequence
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
    ReferenceSpace,
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
        return printable(self._text())

    def _text(self) -> str:
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


def printable(text: str) -> str:
    """The text with control characters, lone surrogates and everything else unprintable
    escaped: what a log or a file name holds reaches a terminal or a page as it reads."""
    if text.isprintable():
        return text
    return "".join(c if c.isprintable() else _escaped(ord(c)) for c in text)


_SHORT_ESCAPES = {0x09: "\\t", 0x0A: "\\n", 0x0D: "\\r"}


def _escaped(code: int) -> str:
    if code in _SHORT_ESCAPES:
        return _SHORT_ESCAPES[code]
    return f"\\x{code:02x}" if code < 0x100 else f"\\u{code:04x}" if code < 0x10000 else f"\\U{code:08x}"


def fail(path: str, message: str) -> NoReturn:
    raise ReadError(message, path.rstrip("."))


def describe(value: object) -> str:
    text = json.dumps(value, ensure_ascii=False) if isinstance(value, (str, int, float, bool, type(None))) else type(value).__name__
    # A lone surrogate cannot be printed or encoded: shown as its escape.
    text = text.encode("utf-8", "backslashreplace").decode()
    return text if len(text) <= 60 else text[:57] + "..."


def members(record: object, path: str, name: str, required: frozenset[str],
            allowed: frozenset[str] | None = None) -> Mapping[str, Any]:
    """The record, once it is an object with every required member and no other."""
    if type(record) is dict:
        keys = record.keys()
        if keys == required or (allowed is not None and required <= keys <= allowed):
            return record
    where = f"{path}{name}." if name else path
    if type(record) is not dict:
        fail(where, f"expected an object, got {describe(record)}")
    keys = record.keys()
    if not required <= keys:
        fail(where + sorted(required - keys)[0], "missing member")
    fail(where + sorted(keys - (allowed or required))[0], "unknown member")


def schema_and_version(record: Mapping[str, Any], path: str, schema: str) -> None:
    if record["schema"] != schema:
        fail(path + "schema", f"expected {json.dumps(schema)}, got {describe(record['schema'])}")
    version = record["version"]
    if type(version) is not int or version != 1:
        fail(path + "version", f"unsupported version {describe(version)} (this library reads version 1)")


def integer(value: object, path: str, name: str = "", low: int = INT64_MIN, high: int = INT64_MAX) -> int:
    if type(value) is int and low <= value <= high:
        return value
    if type(value) is not int:
        fail(path + name, f"expected an integer, got {describe(value)}")
    fail(path + name, f"{describe(value)} is out of range [{low}, {high}]")


# How deep the host's free-form metadata may nest, counting the host object itself: far beyond any real use, and well within
# what every JSON reader (and this one's recursion) takes.
MAX_FREE_FORM_DEPTH = 64


def free_form(value: object, path: str, depth: int = 0) -> None:
    """Checks free-form JSON (the header's host): objects with string keys, arrays, strings
    that are text, finite numbers, true, false and null, nested at most MAX_FREE_FORM_DEPTH."""
    kind = type(value)
    if kind is str:
        string(value, path)
    elif kind is dict or kind is list:
        if depth >= MAX_FREE_FORM_DEPTH:
            fail(path, f"nested deeper than {MAX_FREE_FORM_DEPTH} levels")
        if isinstance(value, dict):
            for key, member in value.items():
                name = f"{path}.{printable(key)}"
                string(key, name)
                free_form(member, name, depth + 1)
        elif isinstance(value, list):
            for i, item in enumerate(value):
                free_form(item, f"{path}[{i}]", depth + 1)
    elif (kind is float or kind is int) and not -FLOAT_MAX <= value <= FLOAT_MAX:  # type: ignore[operator]
        fail(path, f"{describe(value)} is beyond a 64-bit float")
    elif kind not in (int, float, bool, type(None)):
        fail(path, f"expected a JSON value, got {describe(value)}")


def boolean(value: object, path: str, name: str = "") -> bool:
    if type(value) is not bool:
        fail(path + name, f"expected true or false, got {describe(value)}")
    return value


def string(value: object, path: str, name: str = "") -> str:
    if type(value) is not str:
        fail(path + name, f"expected a string, got {describe(value)}")
    if not value.isascii():
        try:
            value.encode()
        except UnicodeEncodeError:
            fail(path + name, "string holds a lone surrogate, which is not text")
    return value


# What a 64-bit float holds: json reads 1e400 as infinity and a 400-digit integer as an int,
# and neither would write back as it was read.
FLOAT_MAX = sys.float_info.max


def number(value: object, path: str) -> float:
    kind = type(value)
    if kind is float or kind is int:
        if -FLOAT_MAX <= value <= FLOAT_MAX:  # type: ignore[operator]
            return value  # type: ignore[return-value]
        fail(path, f"{describe(value)} is beyond a 64-bit float")
    if value is None:
        return math.nan
    fail(path, f"expected a number or null, got {describe(value)}")


def components(value: object, path: str, count: int) -> list[float]:
    if type(value) is not list or len(value) != count:
        fail(path, f"expected an array of {count} numbers, got {describe(value)}")
    return [number(c, f"{path}[{i}]") for i, c in enumerate(value)]


# Reading a frame is checking each member (the functions below return plain values) and, unless
# only checking, building it (the make_ functions). The fast paths take what the library writes
# (finite numbers, exact members) with as few checks as that allows; anything else goes through
# the checking path, which also builds the error message. Paths are joined only for a message.
NUMBER_TYPES = frozenset({int, float})
Numbers = Sequence[float]


def vec3(value: object, path: str, name: str) -> Numbers:
    if type(value) is list and len(value) == 3:
        x, y, z = value
        if type(x) in NUMBER_TYPES and type(y) in NUMBER_TYPES and type(z) in NUMBER_TYPES and \
                -FLOAT_MAX <= x <= FLOAT_MAX and -FLOAT_MAX <= y <= FLOAT_MAX and -FLOAT_MAX <= z <= FLOAT_MAX:
            return value
    return components(value, path + name, 3)


def pose(value: object, path: str, name: str) -> tuple[Numbers, Numbers]:
    if type(value) is dict and value.keys() == POSE_MEMBERS:
        position, orientation = value["position"], value["orientation"]
        if type(position) is list and len(position) == 3 and type(orientation) is list and len(orientation) == 4:
            x, y, z = position
            qx, qy, qz, qw = orientation
            if {type(x), type(y), type(z), type(qx), type(qy), type(qz), type(qw)} <= NUMBER_TYPES and \
                    -FLOAT_MAX <= min(x, y, z, qx, qy, qz, qw) and max(x, y, z, qx, qy, qz, qw) <= FLOAT_MAX:
                return position, orientation
    record = members(value, path, name, POSE_MEMBERS)
    return (vec3(record["position"], path + name, ".position"),
            components(record["orientation"], path + name + ".orientation", 4))


def ray(value: object, path: str, name: str) -> tuple[Numbers, Numbers]:
    r = members(value, path, name, RAY_MEMBERS)
    return vec3(r["origin"], path + name, ".origin"), vec3(r["direction"], path + name, ".direction")


def make_pose(position: Numbers, orientation: Numbers) -> Pose:
    result = Pose()
    result.position = Vec3(*position)
    result.orientation = Quaternion(*orientation)
    return result


def make_ray(origin: Numbers, direction: Numbers) -> Ray:
    return Ray(Vec3(*origin), Vec3(*direction))


POSE_MEMBERS = frozenset({"position", "orientation"})


def enumeration(value: object, path: str, names: Mapping[str, Any]) -> Any:
    found = names.get(value) if type(value) is str else None
    if found is None:
        if type(value) is not str:
            fail(path, f"expected a string, got {describe(value)}")
        fail(path, f"unknown value {describe(value)} (one of {', '.join(names)})")
    return found


SPACE_MEMBERS = frozenset({"type", "id", "generation"})
POINTING_MEMBERS = frozenset({"source", "confidence", "origin", "direction"})
SELECT_MEMBERS = frozenset({"pressed", "changed", "last_change_time_ns"})
RAY_MEMBERS = frozenset({"origin", "direction"})
TARGET_MEMBERS = frozenset({"position", "normal"})
TARGET_ALLOWED = TARGET_MEMBERS | {"host_id"}
CAPABILITY_FLAGS = ("head_pose", "action_input", "hand_tracking", "hand_interaction", "eye_gaze")
CAPABILITY_MEMBERS = frozenset((*CAPABILITY_FLAGS, "enabled_extensions"))
FRAME_REQUIRED = frozenset({"schema", "version", "timestamp_ns", "timestamp_domain", "reference_space", "head",
                            "head_tracking", "capabilities"})
FRAME_ALLOWED = FRAME_REQUIRED | {"pointing", "primary_select", "left_hand", "right_hand", "gaze", "target"}
EVENT_MEMBERS = frozenset({"schema", "version", "timestamp_ns", "text", "spatial_age_ns", "spatial_context"})


# One reader per frame member: each checks its member's value and, given a frame, writes it.

def _timestamp(frame: SpatialIntentFrame | None, value: object, path: str) -> None:
    t = integer(value, path, "timestamp_ns")
    if frame is not None:
        frame.timestamp_ns = t


def _domain(frame: SpatialIntentFrame | None, value: object, path: str) -> None:
    domain = string(value, path, "timestamp_domain")
    if frame is not None:
        frame.timestamp_domain = domain


def _reference_space(frame: SpatialIntentFrame | None, value: object, path: str) -> None:
    s = members(value, path, "reference_space", SPACE_MEMBERS)
    kind = string(s["type"], path, "reference_space.type")
    identifier = string(s["id"], path, "reference_space.id")
    generation = integer(s["generation"], path, "reference_space.generation", 0, UINT64_MAX)
    if frame is not None:
        space = ReferenceSpace()
        space.type, space.id, space.generation = kind, identifier, generation
        frame.reference_space = space


def _head_tracking(frame: SpatialIntentFrame | None, value: object, path: str) -> None:
    tracking = enumeration(value, path + "head_tracking", CONFIDENCE_BY_NAME)
    if frame is not None:
        frame.head_tracking = tracking


def _pointing(frame: SpatialIntentFrame | None, value: object, path: str) -> None:
    p = members(value, path, "pointing", POINTING_MEMBERS)
    source = enumeration(p["source"], path + "pointing.source", SOURCE_BY_NAME)
    confidence = enumeration(p["confidence"], path + "pointing.confidence", CONFIDENCE_BY_NAME)
    origin, direction = vec3(p["origin"], path, "pointing.origin"), vec3(p["direction"], path, "pointing.direction")
    if frame is not None:
        pointing = PointingIntent()
        pointing.source, pointing.confidence, pointing.ray = source, confidence, make_ray(origin, direction)
        frame.pointing = pointing


def _select(frame: SpatialIntentFrame | None, value: object, path: str) -> None:
    s = members(value, path, "primary_select", SELECT_MEMBERS)
    pressed = boolean(s["pressed"], path, "primary_select.pressed")
    changed = boolean(s["changed"], path, "primary_select.changed")
    last_change = integer(s["last_change_time_ns"], path, "primary_select.last_change_time_ns")
    if frame is not None:
        select = SelectState()
        select.pressed, select.changed, select.last_change_time_ns = pressed, changed, last_change
        frame.primary_select = select


def _gaze(frame: SpatialIntentFrame | None, value: object, path: str) -> None:
    gaze = ray(value, path, "gaze")
    if frame is not None:
        frame.gaze_ray = make_ray(*gaze)


def _target(frame: SpatialIntentFrame | None, value: object, path: str) -> None:
    t = members(value, path, "target", TARGET_MEMBERS, TARGET_ALLOWED)
    position, normal = vec3(t["position"], path, "target.position"), vec3(t["normal"], path, "target.normal")
    host_id = string(t["host_id"], path, "target.host_id") if "host_id" in t else None
    if frame is not None:
        hit = SpatialHit()
        hit.position, hit.normal, hit.host_id = Vec3(*position), Vec3(*normal), host_id
        frame.target = hit


def _capabilities(frame: SpatialIntentFrame | None, value: object, path: str) -> None:
    c = members(value, path, "capabilities", CAPABILITY_MEMBERS)
    flags = [boolean(c[flag], path, "capabilities." + flag) for flag in CAPABILITY_FLAGS]
    extensions = c["enabled_extensions"]
    if type(extensions) is not list:
        fail(path + "capabilities.enabled_extensions", f"expected an array of strings, got {describe(extensions)}")
    names = [string(e, path, f"capabilities.enabled_extensions[{i}]") for i, e in enumerate(extensions)]
    if frame is not None:
        caps = CapabilitySnapshot()
        caps.head_pose, caps.action_input, caps.hand_tracking, caps.hand_interaction, caps.eye_gaze = flags
        caps.enabled_extensions = names
        frame.capabilities = caps


MemberReader = Callable[[SpatialIntentFrame | None, object, str], None]


def _pose_member(key: str, attribute: str) -> MemberReader:
    def read(frame: SpatialIntentFrame | None, value: object, path: str) -> None:
        read_pose = pose(value, path, key)
        if frame is not None:
            setattr(frame, attribute, make_pose(*read_pose))

    return read


_head, _left_hand = _pose_member("head", "head_pose"), _pose_member("left_hand", "left_hand_pose")
_right_hand = _pose_member("right_hand", "right_hand_pose")
MEMBER_READERS: dict[str, MemberReader] = {
    "timestamp_ns": _timestamp, "timestamp_domain": _domain, "reference_space": _reference_space, "head": _head,
    "head_tracking": _head_tracking, "pointing": _pointing, "primary_select": _select, "left_hand": _left_hand,
    "right_hand": _right_hand, "gaze": _gaze, "target": _target, "capabilities": _capabilities,
}


def read_frame_dict(record: object, frame: SpatialIntentFrame | None, path: str = "") -> Mapping[str, Any]:
    """Checks a frame's dict, writing every member into `frame` unless it is None."""
    if type(record) is dict and FRAME_REQUIRED <= record.keys() <= FRAME_ALLOWED and \
            record["schema"] == FRAME_SCHEMA and type(record["version"]) is int and record["version"] == 1:
        d: Mapping[str, Any] = record
    else:
        d = members(record, path, "", FRAME_REQUIRED, FRAME_ALLOWED)
        schema_and_version(d, path, FRAME_SCHEMA)
    for key, value in d.items():
        reader = MEMBER_READERS.get(key)
        if reader is not None:
            reader(frame, value, path)
    return d


def frame_from_dict(record: object, path: str = "") -> SpatialIntentFrame:
    """A frame from the dict of its line (what `to_dict` returns, or `json.loads` of the line)."""
    frame = SpatialIntentFrame()
    read_frame_dict(record, frame, path)
    return frame


def check_frame_dict(record: object) -> int:
    """Checks a frame's dict as frame_from_dict does, without building the frame; its time."""
    d = read_frame_dict(record, None)
    timestamp_ns: int = d["timestamp_ns"]
    return timestamp_ns


def event_from_dict(record: object, path: str = "") -> ContextualIntentEvent:
    """An event from the dict of its line.

    Events have no constructor: they come only from a timeline. So the event is made the way
    the library makes every event, by a one-frame timeline whose maximum age is the event's
    own age; that is possible exactly when the record is consistent (its age is its time minus
    its frame's time, and its text is not empty), which every line the library writes is.
    """
    d = members(record, path, "", EVENT_MEMBERS)
    schema_and_version(d, path, EVENT_SCHEMA)
    timestamp_ns = integer(d["timestamp_ns"], path, "timestamp_ns")
    text = string(d["text"], path, "text")
    if not text:
        fail(path + "text", "empty text, which never makes an event")
    age_ns = integer(d["spatial_age_ns"], path, "spatial_age_ns", 0, INT64_MAX)
    frame = frame_from_dict(d["spatial_context"], path + "spatial_context.")
    if timestamp_ns - age_ns != frame.timestamp_ns:
        fail(path + "spatial_age_ns", f"{age_ns} is not timestamp_ns minus spatial_context.timestamp_ns "
                                      f"({timestamp_ns - frame.timestamp_ns})")
    return event_of(frame, text, timestamp_ns, age_ns)


def event_of(frame: SpatialIntentFrame, text: str, timestamp_ns: int, age_ns: int) -> ContextualIntentEvent:
    """The event of `text` at `timestamp_ns` with `frame` as its context, `age_ns` old, made as
    every event is made: by a timeline, here of one frame whose maximum age is exactly that.
    The caller vouches that the frame's time is `timestamp_ns - age_ns` and the text not empty."""
    timeline = IntentTimeline(capacity=1, max_context_age_ns=age_ns)
    timeline.push(frame)
    event = timeline.submit_text(text, timestamp_ns)
    assert event is not None and event.spatial_age_ns == age_ns
    return event


def _refuse_constant(name: str) -> NoReturn:
    raise ReadError(f"{name} is not JSON (the library writes non-finite numbers as null)")


def _int_or_negative_zero(text: str) -> int | float:
    # The writer writes a negative zero component as -0; json would read the integer 0.
    return -0.0 if text == "-0" else int(text)


def _unique_members(pairs: list[tuple[str, Any]]) -> dict[str, Any]:
    record = dict(pairs)
    if len(record) != len(pairs):
        seen: set[str] = set()
        duplicate = next(key for key, _ in pairs if key in seen or seen.add(key))  # type: ignore[func-returns-value]
        raise ReadError("member given twice", printable(duplicate))
    return record


# Only lines that hold a negative zero take the slower path that keeps its sign.
_NEGATIVE_ZERO = re.compile(r"-0(?![.0-9eE])")
_decode = json.JSONDecoder(object_pairs_hook=_unique_members, parse_constant=_refuse_constant).decode
_decode_keeping_zero_sign = json.JSONDecoder(object_pairs_hook=_unique_members, parse_constant=_refuse_constant,
                                             parse_int=_int_or_negative_zero).decode


def parse(line: str | bytes, path: str = "") -> Any:
    """Strict JSON: one value, no NaN or Infinity, no member twice, no nesting past the
    interpreter's limit, no line longer than MAX_LINE_BYTES. (Numbers beyond a 64-bit float,
    which json reads as infinity or a huge int, are refused by the member that holds them.)"""
    if len(line) > MAX_LINE_BYTES:
        fail(path, f"line is longer than {MAX_LINE_BYTES} bytes")
    try:
        if isinstance(line, bytes):
            line = line.decode()
        return (_decode_keeping_zero_sign if _NEGATIVE_ZERO.search(line) else _decode)(line)
    except ReadError:
        raise
    except UnicodeDecodeError as error:
        fail(path, f"not UTF-8 ({error.reason} at byte {error.start})")
    except RecursionError:
        fail(path, "not JSON (nested too deeply)")
    except ValueError as error:
        fail(path, f"not JSON ({error})")


# A token the text may end inside of: a literal, a number, or a string's \u escape.
_PARTIAL_TOKEN = re.compile(r"(?:t|tr|tru|f|fa|fal|fals|n|nu|nul|-?[0-9][0-9.eE+-]*|-|\\u[0-9a-fA-F]{0,3})$")


def is_cut_short(line: str) -> bool:
    """Whether `line` is the beginning of a record whose end is missing: a JSON object whose
    text runs out before it closes, as a host that died mid-write leaves it."""
    if not line.lstrip(" \t").startswith("{"):
        return False
    text = _PARTIAL_TOKEN.sub("", line)
    try:
        json.loads(text)
    except json.JSONDecodeError as error:
        return error.pos >= len(text.rstrip(" \t")) or error.msg.startswith("Unterminated string")
    except (ValueError, RecursionError):
        return False
    return False


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

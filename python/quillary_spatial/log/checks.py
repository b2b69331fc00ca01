"""The checks behind every reader of the package: strict JSON, and each member of a record
checked for its JSON type, range and name, with messages that name the member.

Writers use the same checks before they write (see recorder.py and records.py), so that what is written
reads back.
"""

from __future__ import annotations

import json
import math
import re
import sys
from collections.abc import Callable, Mapping, Sequence
from typing import Any, NoReturn

from _spatial import PointingSource, ReferenceSpace, SelectState, SpatialIntentFrame, TrackingConfidence

from .. import _native

FRAME_SCHEMA = "quillary.spatial-intent"
EVENT_SCHEMA = "quillary.contextual-intent"

INT64_MIN, INT64_MAX, UINT64_MAX = -(2**63), 2**63 - 1, 2**64 - 1

# A line longer than this is refused rather than read: a frame line is about a kilobyte, and
# an unbounded read of a damaged log could take all the memory there is.
MAX_LINE_BYTES = 64 * 1024 * 1024

# The writer's own names of the enumerations.
CONFIDENCE_BY_NAME: Mapping[str, TrackingConfidence] = _native.TRACKING_CONFIDENCE_NAMES
SOURCE_BY_NAME: Mapping[str, PointingSource] = _native.POINTING_SOURCE_NAMES
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


def counted(count: int, thing: str) -> str:
    """"1 frame", "2 frames": how every view counts."""
    return f"{count} {thing}" if count == 1 else f"{count} {thing}s"


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


def schema_and_version(record: Mapping[str, Any], path: str, schema: str, newest: int = 1) -> None:
    """The record's schema is `schema`, in a version from 1 to `newest`."""
    if record["schema"] != schema:
        fail(path + "schema", f"expected {json.dumps(schema)}, got {describe(record['schema'])}")
    version = record["version"]
    if type(version) is not int or not 1 <= version <= newest:
        known = "version 1" if newest == 1 else f"versions 1 to {newest}"
        fail(path + "version", f"unsupported version {describe(version)} (this library reads {known})")


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


# Each member is checked by a function of its own. The fast paths take what the library writes
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


# One check per frame member.

def _timestamp(value: object, path: str) -> None:
    integer(value, path, "timestamp_ns")


def _domain(value: object, path: str) -> None:
    string(value, path, "timestamp_domain")


def _reference_space(value: object, path: str) -> None:
    s = members(value, path, "reference_space", SPACE_MEMBERS)
    string(s["type"], path, "reference_space.type")
    string(s["id"], path, "reference_space.id")
    integer(s["generation"], path, "reference_space.generation", 0, UINT64_MAX)


def _head_tracking(value: object, path: str) -> None:
    enumeration(value, path + "head_tracking", CONFIDENCE_BY_NAME)


def _pointing(value: object, path: str) -> None:
    p = members(value, path, "pointing", POINTING_MEMBERS)
    enumeration(p["source"], path + "pointing.source", SOURCE_BY_NAME)
    enumeration(p["confidence"], path + "pointing.confidence", CONFIDENCE_BY_NAME)
    vec3(p["origin"], path, "pointing.origin")
    vec3(p["direction"], path, "pointing.direction")


def _select(value: object, path: str) -> None:
    s = members(value, path, "primary_select", SELECT_MEMBERS)
    boolean(s["pressed"], path, "primary_select.pressed")
    boolean(s["changed"], path, "primary_select.changed")
    integer(s["last_change_time_ns"], path, "primary_select.last_change_time_ns")


def _gaze(value: object, path: str) -> None:
    ray(value, path, "gaze")


def _target(value: object, path: str) -> None:
    t = members(value, path, "target", TARGET_MEMBERS, TARGET_ALLOWED)
    vec3(t["position"], path, "target.position")
    vec3(t["normal"], path, "target.normal")
    if "host_id" in t:
        string(t["host_id"], path, "target.host_id")


def _capabilities(value: object, path: str) -> None:
    c = members(value, path, "capabilities", CAPABILITY_MEMBERS)
    for flag in CAPABILITY_FLAGS:
        boolean(c[flag], path, "capabilities." + flag)
    extensions = c["enabled_extensions"]
    if type(extensions) is not list:
        fail(path + "capabilities.enabled_extensions", f"expected an array of strings, got {describe(extensions)}")
    for i, e in enumerate(extensions):
        string(e, path, f"capabilities.enabled_extensions[{i}]")


def _pose_member(key: str) -> Callable[[object, str], None]:
    def check(value: object, path: str) -> None:
        pose(value, path, key)

    return check


MEMBER_CHECKS: dict[str, Callable[[object, str], None]] = {
    "timestamp_ns": _timestamp, "timestamp_domain": _domain, "reference_space": _reference_space,
    "head": _pose_member("head"), "head_tracking": _head_tracking, "pointing": _pointing, "primary_select": _select,
    "left_hand": _pose_member("left_hand"), "right_hand": _pose_member("right_hand"), "gaze": _gaze,
    "target": _target, "capabilities": _capabilities,
}


def checked_frame(record: object, path: str = "") -> dict[str, Any]:
    """The frame's object, once every member is what the library writes (ReadError if not)."""
    if type(record) is dict and FRAME_REQUIRED <= record.keys() <= FRAME_ALLOWED and \
            record["schema"] == FRAME_SCHEMA and type(record["version"]) is int and record["version"] == 1:
        d: dict[str, Any] = record
    else:
        d = dict(members(record, path, "", FRAME_REQUIRED, FRAME_ALLOWED))
        schema_and_version(d, path, FRAME_SCHEMA)
    for key, value in d.items():
        check = MEMBER_CHECKS.get(key)
        if check is not None:
            check(value, path)
    return d


FRAME_PREFIX = '{"schema":"quillary.spatial-intent",'
FRAME_PREFIX_BYTES = FRAME_PREFIX.encode()


def native_frame(line: str | bytes) -> SpatialIntentFrame | None:
    """The frame of a line exactly as the library writes it, read natively in one step; None
    for any other line, which the checker then reads (or refuses, saying why). The native
    reader accepts nothing the checker refuses, and builds what the checker's path builds."""
    if len(line) <= MAX_LINE_BYTES and \
            line.startswith(FRAME_PREFIX if isinstance(line, str) else FRAME_PREFIX_BYTES):  # type: ignore[arg-type]
        frame: SpatialIntentFrame | None = _native.frame_from_line(line)
        return frame
    return None


def _refuse_constant(name: str) -> NoReturn:
    raise ReadError(f"{name} is not JSON (the library writes non-finite numbers as null)")


def _int_or_negative_zero(text: str) -> int | float:
    # The writer writes a negative zero component as -0; json would read the integer 0.
    return -0.0 if text == "-0" else int(text)




# Only lines that hold a negative zero take the slower path that keeps its sign.
_NEGATIVE_ZERO = re.compile(r"-0(?![.0-9eE])")
_decode = json.JSONDecoder(object_pairs_hook=_native.unique_members, parse_constant=_refuse_constant).decode
_decode_keeping_zero_sign = json.JSONDecoder(object_pairs_hook=_native.unique_members, parse_constant=_refuse_constant,
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
    except KeyError as error:  # from the object hook
        fail(printable(str(error.args[0])), "member given twice")
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


def like_timeline(value: object, member: str, unsigned: bool = False) -> int:
    """The integer the library takes `value` as (anything with __index__, for one), or a
    TypeError naming the member: a setter of the library's own converts it as the timeline
    does (its signed 64-bit nanoseconds, or with `unsigned` its 64-bit capacity)."""
    holder: ReferenceSpace | SelectState = ReferenceSpace() if unsigned else SelectState()
    try:
        if isinstance(holder, ReferenceSpace):
            holder.generation = value  # type: ignore[assignment]
            return holder.generation
        holder.last_change_time_ns = value  # type: ignore[assignment]
        return holder.last_change_time_ns
    except TypeError:
        low, high = (0, UINT64_MAX) if unsigned else (INT64_MIN, INT64_MAX)
        raise TypeError(f"{member}: expected an integer in [{low}, {high}], got {describe(value)}") from None

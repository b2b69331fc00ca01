"""Frame and event lines (and their dicts) back into _spatial objects.

Strict: the schema name and version, every member's JSON type, the enumerations' wire names
and the integer ranges are checked, and a missing or unknown member is an error. Nothing
half-built is returned: a value is built only after its whole record has been checked.
Components written as null (non-finite numbers) read as NaN. For every line the library
writes, writing what was read gives the same bytes.
"""

from __future__ import annotations

from _spatial import ContextualIntentEvent, SpatialIntentFrame

from .. import _native
from .checks import (
    EVENT_MEMBERS,
    EVENT_SCHEMA,
    FRAME_SCHEMA,
    INT64_MAX,
    MAX_LINE_BYTES,
    ReadError,
    checked_frame,
    fail,
    integer,
    members,
    native_frame,
    parse,
    schema_and_version,
    string,
)

__all__ = ["EVENT_SCHEMA", "FRAME_SCHEMA", "MAX_LINE_BYTES", "ReadError", "event_from_dict", "frame_from_dict",
           "read_event", "read_frame", "read_line"]


def frame_from_dict(record: object, path: str = "") -> SpatialIntentFrame:
    """A frame from the dict of its line (what `to_dict` returns, or `json.loads` of the line)."""
    frame: SpatialIntentFrame = _native.frame_from_members(checked_frame(record, path))
    return frame


def event_from_dict(record: object, path: str = "") -> ContextualIntentEvent:
    """An event from the dict of its line: only a consistent one, as the library makes them
    (its age is its time minus its frame's, and its text is not empty)."""
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
    event: ContextualIntentEvent = _native.event(frame, text, timestamp_ns, age_ns)
    return event


def read_frame(line: str | bytes) -> SpatialIntentFrame:
    """A frame from its line."""
    frame = native_frame(line)
    return frame if frame is not None else frame_from_dict(parse(line))


def read_event(line: str | bytes) -> ContextualIntentEvent:
    """An event from its line."""
    return event_from_dict(parse(line))


def read_line(line: str | bytes) -> SpatialIntentFrame | ContextualIntentEvent:
    """A frame or an event, whichever the line's schema names."""
    frame = native_frame(line)
    if frame is not None:
        return frame
    record = parse(line)
    if type(record) is dict and record.get("schema") == EVENT_SCHEMA:
        return event_from_dict(record)
    return frame_from_dict(record)

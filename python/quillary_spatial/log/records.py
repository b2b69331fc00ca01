"""Every kind of record a session log holds, in one place: its schema name, its value, how
it is written and how it is read back.

A log is one JSON Lines stream: a header (the timeline's settings, the library's version, the
host's own metadata); then every pushed frame as its frame line, every submitted utterance
(those that got no event too), and, right after an utterance that got one, its event line.
A host may also record its scene (the objects its ray cast can hit, whole, when it is loaded
and whenever it changes) and `ground` the gaze hits it weighed for an utterance. A new kind is
one entry of KINDS here, and its schema file.
"""

from __future__ import annotations

import json
import math
from collections.abc import Callable, Mapping, Sequence
from dataclasses import dataclass, field
from typing import Any

from _spatial import ContextualIntentEvent, SpatialIntentFrame, to_jsonl

from .checks import (
    EVENT_SCHEMA,
    FRAME_SCHEMA,
    UINT64_MAX,
    components,
    describe,
    fail,
    free_form,
    integer,
    like_timeline,
    members,
    native_frame,
    parse,
    schema_and_version,
    string,
    vec3,
)
from .lines import event_from_dict, frame_from_dict

SESSION_SCHEMA = "quillary.session"
UTTERANCE_SCHEMA = "quillary.utterance"
SCENE_SCHEMA = "quillary.scene"
GAZE_HITS_SCHEMA = "quillary.gaze-hits"
GAZE_HITS_VERSION = 2
MAX_PROBE = 2**31 - 1


@dataclass(frozen=True)
class SessionHeader:
    capacity: int
    max_context_age_ns: int
    library_version: str
    host: Mapping[str, Any] = field(default_factory=dict)


@dataclass(frozen=True)
class Word:
    """One recognised word and when it was said, on the frames' clock."""

    text: str
    start_ns: int
    end_ns: int


@dataclass(frozen=True)
class Utterance:
    timestamp_ns: int
    text: str
    words: tuple[Word, ...] | None = None


@dataclass(frozen=True)
class SceneObject:
    """Something the host's ray cast can hit, as a box: `id` is the host id its hits carry,
    `position` the box's centre, `orientation` its rotation (x, y, z, w) and `size` its full
    width, height and depth along its own axes, in metres (0 for a flat surface)."""

    id: str
    position: tuple[float, float, float]
    size: tuple[float, float, float]
    orientation: tuple[float, float, float, float] = (0.0, 0.0, 0.0, 1.0)


@dataclass(frozen=True)
class Scene:
    """Every object of the host's scene from `timestamp_ns` on, until the next Scene."""

    timestamp_ns: int
    objects: tuple[SceneObject, ...]


@dataclass(frozen=True)
class GazeHit:
    """What the host's ray cast found along a frame's gaze ray, as a log records it; with
    `probe`, along the probe-th ray cast around the frame's aim (without a scene: what the aim
    may have just missed)."""

    frame_ns: int
    referent: str | None = None
    position: tuple[float, float, float] | None = None
    normal: tuple[float, float, float] | None = None
    probe: int | None = None


@dataclass(frozen=True)
class GazeHits:
    """What the host's ray cast found along the gaze rays `ground` weighed for the utterance of
    `timestamp_ns`: recorded right after it, so that a replay weighs the same without the host."""

    timestamp_ns: int
    hits: tuple[GazeHit, ...]


Record = SessionHeader | SpatialIntentFrame | Utterance | ContextualIntentEvent | Scene | GazeHits


def dumps(value: object) -> str:
    return json.dumps(value, separators=(",", ":"), ensure_ascii=False, allow_nan=False)


def checked_word(word: object, member: str) -> Word:
    if not isinstance(word, Word):
        raise TypeError(f"{member}: expected a Word, got {type(word).__name__}")
    if not isinstance(word.text, str):
        raise TypeError(f"{member}.text: expected a str, got {describe(word.text)}")
    start, end = like_timeline(word.start_ns, member + ".start_ns"), like_timeline(word.end_ns, member + ".end_ns")
    if end < start:
        raise ValueError(f"{member}.end_ns: the word ends ({end}) before it starts ({start})")
    return Word(word.text, start, end)


def header_line(header: SessionHeader) -> str:
    return dumps({"schema": SESSION_SCHEMA, "version": 1, "capacity": header.capacity,
                  "max_context_age_ns": header.max_context_age_ns, "library_version": header.library_version,
                  "host": dict(header.host)})


def utterance_line(utterance: Utterance) -> str:
    record: dict[str, object] = {"schema": UTTERANCE_SCHEMA, "version": 1, "timestamp_ns": utterance.timestamp_ns,
                                 "text": utterance.text}
    if utterance.words is not None:
        record["words"] = [{"text": w.text, "start_ns": w.start_ns, "end_ns": w.end_ns} for w in utterance.words]
    return dumps(record)


def scene_line(scene: Scene) -> str:
    return dumps({"schema": SCENE_SCHEMA, "version": 1, "timestamp_ns": scene.timestamp_ns,
                  "objects": [object_members(o) for o in scene.objects]})


def gaze_hits_line(gaze: GazeHits) -> str:
    def hit(h: GazeHit) -> dict[str, Any]:
        d: dict[str, Any] = {"frame_ns": h.frame_ns}
        if h.referent is not None:
            d["referent"] = h.referent
        if h.position is not None and h.normal is not None:
            d.update(position=list(h.position), normal=list(h.normal))
        if h.probe is not None:
            d["probe"] = h.probe
        return d

    return dumps({"schema": GAZE_HITS_SCHEMA, "version": GAZE_HITS_VERSION, "timestamp_ns": gaze.timestamp_ns,
                  "hits": [hit(h) for h in gaze.hits]})


def object_members(o: SceneObject) -> dict[str, Any]:
    """A scene object as its record holds it, JSON-ready."""
    def numbers(values: Sequence[float]) -> list[float | None]:
        # As the frame writer writes them: a number that is not finite is null, which the
        # reader then refuses by its member.
        return [None if isinstance(v, float) and not math.isfinite(v) else v for v in values]

    return {"id": o.id, "position": numbers(o.position), "orientation": numbers(o.orientation),
            "size": numbers(o.size)}


HEADER_MEMBERS = frozenset({"schema", "version", "capacity", "max_context_age_ns", "library_version", "host"})
UTTERANCE_MEMBERS = frozenset({"schema", "version", "timestamp_ns", "text"})
WORD_MEMBERS = frozenset({"text", "start_ns", "end_ns"})
SCENE_MEMBERS = frozenset({"schema", "version", "timestamp_ns", "objects"})
OBJECT_MEMBERS = frozenset({"id", "position", "orientation", "size"})


def header_from_dict(record: object) -> SessionHeader:
    d = members(record, "", "", HEADER_MEMBERS)
    schema_and_version(d, "", SESSION_SCHEMA)
    host = d["host"]
    if type(host) is not dict:
        fail("host", "expected an object")
    free_form(host, "host")
    return SessionHeader(integer(d["capacity"], "capacity", "", 0, UINT64_MAX),
                         integer(d["max_context_age_ns"], "max_context_age_ns"),
                         string(d["library_version"], "library_version"), host)


def utterance_from_dict(record: object) -> Utterance:
    d = members(record, "", "", UTTERANCE_MEMBERS, UTTERANCE_MEMBERS | {"words"})
    schema_and_version(d, "", UTTERANCE_SCHEMA)
    words = None
    if "words" in d:
        if type(d["words"]) is not list:
            fail("words", "expected an array")
        words = tuple(word_from_dict(w, f"words[{i}]") for i, w in enumerate(d["words"]))
    return Utterance(integer(d["timestamp_ns"], "timestamp_ns"), string(d["text"], "text"), words)


def word_from_dict(record: object, path: str) -> Word:
    w = members(record, "", path, WORD_MEMBERS)
    start = integer(w["start_ns"], path, ".start_ns")
    end = integer(w["end_ns"], path, ".end_ns")
    if end < start:
        fail(path + ".end_ns", f"the word ends ({end}) before it starts ({start})")
    return Word(string(w["text"], path, ".text"), start, end)


def scene_from_dict(record: object) -> Scene:
    d = members(record, "", "", SCENE_MEMBERS)
    schema_and_version(d, "", SCENE_SCHEMA)
    if type(d["objects"]) is not list:
        fail("objects", "expected an array")
    objects = tuple(object_from_dict(o, f"objects[{i}]") for i, o in enumerate(d["objects"]))
    seen: set[str] = set()
    for i, o in enumerate(objects):
        if o.id in seen:
            fail(f"objects[{i}].id", f"{describe(o.id)} is the id of an object before it")
        seen.add(o.id)
    return Scene(integer(d["timestamp_ns"], "timestamp_ns"), objects)


GAZE_HITS_MEMBERS = frozenset({"schema", "version", "timestamp_ns", "hits"})
HIT_MEMBERS = frozenset({"frame_ns"})


def gaze_hits_from_dict(record: object) -> GazeHits:
    d = members(record, "", "", GAZE_HITS_MEMBERS)
    schema_and_version(d, "", GAZE_HITS_SCHEMA, GAZE_HITS_VERSION)
    # Version 1 held only the gaze rays' hits; version 2 adds the rays cast around an aim.
    optional = {"referent", "position", "normal"} | ({"probe"} if d["version"] >= 2 else set())
    if type(d["hits"]) is not list:
        fail("hits", "expected an array")
    hits = []
    for i, h in enumerate(d["hits"]):
        path = f"hits[{i}]"
        m = members(h, "", path, HIT_MEMBERS, HIT_MEMBERS | optional)
        if ("position" in m) != ("normal" in m):
            fail(path, "a hit has both a position and a normal, or neither")
        where = {k: tuple(finite(vec3(m[k], path, "." + k), f"{path}.{k}")) for k in ("position", "normal") if k in m}
        hits.append(GazeHit(integer(m["frame_ns"], path, ".frame_ns"),
                            string(m["referent"], path, ".referent") if "referent" in m else None,
                            where.get("position"), where.get("normal"),  # type: ignore[arg-type]
                            integer(m["probe"], path, ".probe", 0, MAX_PROBE) if "probe" in m else None))
    return GazeHits(integer(d["timestamp_ns"], "timestamp_ns"), tuple(hits))


def object_from_dict(record: object, path: str) -> SceneObject:
    o = members(record, "", path, OBJECT_MEMBERS)
    position = finite(vec3(o["position"], path, ".position"), path + ".position")
    size = finite(vec3(o["size"], path, ".size"), path + ".size")
    orientation = finite(components(o["orientation"], path + ".orientation", 4), path + ".orientation")
    if any(s < 0 for s in size):
        fail(path + ".size", "a box's size cannot be negative")
    if not any(orientation):
        fail(path + ".orientation", "a rotation cannot be all zeros")
    return SceneObject(string(o["id"], path, ".id"), (position[0], position[1], position[2]),
                       (size[0], size[1], size[2]), (orientation[0], orientation[1], orientation[2], orientation[3]))


def finite(values: Sequence[float], path: str) -> Sequence[float]:
    # A scene is drawn and compared with hits: a box without a place or a size means nothing.
    for i, value in enumerate(values):
        if not math.isfinite(value):
            fail(f"{path}[{i}]", "expected a finite number")
    return values


@dataclass(frozen=True)
class Kind:
    """One kind of record: the `schema` member that names it, the value it holds, and how that
    value is read from its line's object and written as its line."""

    schema: str
    type: type
    read: Callable[[object], Record]
    line: Callable[[Any], str]


KINDS = (
    Kind(SESSION_SCHEMA, SessionHeader, header_from_dict, header_line),
    Kind(FRAME_SCHEMA, SpatialIntentFrame, frame_from_dict, to_jsonl),
    Kind(EVENT_SCHEMA, ContextualIntentEvent, event_from_dict, to_jsonl),
    Kind(UTTERANCE_SCHEMA, Utterance, utterance_from_dict, utterance_line),
    Kind(SCENE_SCHEMA, Scene, scene_from_dict, scene_line),
    Kind(GAZE_HITS_SCHEMA, GazeHits, gaze_hits_from_dict, gaze_hits_line),
)
BY_SCHEMA = {kind.schema: kind for kind in KINDS}
BY_TYPE = {kind.type: kind for kind in KINDS}


def line_of(record: Record) -> str:
    """The line a record is written as."""
    return BY_TYPE[type(record)].line(record)


def record_from_line(line: str | bytes) -> Record:
    """The record a log line holds; a ReadError naming the member, or an unknown kind, otherwise."""
    frame = native_frame(line)
    if frame is not None:
        return frame
    record = parse(line)
    if type(record) is not dict:
        fail("", "expected a JSON object")
    if "schema" not in record:
        fail("schema", "missing member")
    schema = record["schema"]
    kind = BY_SCHEMA.get(schema) if type(schema) is str else None
    if kind is None:
        fail("schema", f"unknown record {json.dumps(schema, ensure_ascii=False)[:60]}")
    return kind.read(record)

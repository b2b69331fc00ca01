"""The session log: one JSON Lines stream of a whole session, in call order.

Every record names its schema and version. The first is a header (the timeline's settings,
the library's version, the host's own metadata); then every pushed frame as its frame line,
every submitted utterance (those that got no event too), and, right after an utterance that
got one, its event line. A host may also record its scene: the objects its ray cast can hit,
whole, when it is loaded and whenever it changes.
"""

from __future__ import annotations

import io
import json
import math
import os
from compression import zstd
from collections.abc import Callable, Iterator, Mapping, Sequence
from dataclasses import dataclass, field
from typing import IO, Any, NamedTuple

from _spatial import ContextualIntentEvent, SpatialIntentFrame

from . import _native
from ._checks import (
    EVENT_SCHEMA,
    FRAME_SCHEMA,
    FRAME_PREFIX_BYTES,
    MAX_LINE_BYTES,
    UINT64_MAX,
    ReadError,
    describe,
    checked_frame,
    components,
    fail,
    free_form,
    integer,
    is_cut_short,
    members,
    native_frame,
    parse,
    schema_and_version,
    string,
    vec3,
)
from .evidence import GazeHit
from .read import event_from_dict, frame_from_dict

SESSION_SCHEMA = "quillary.session"
UTTERANCE_SCHEMA = "quillary.utterance"
SCENE_SCHEMA = "quillary.scene"
GAZE_HITS_SCHEMA = "quillary.gaze-hits"


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


class CheckedFrame:
    """A frame line that was checked but not handed out as a frame (SessionReader with
    check_frames_only): its time, and the frame or its checked object when asked for."""

    __slots__ = ("timestamp_ns", "_frame", "_members", "_line")

    def __init__(self, timestamp_ns: int, members: Mapping[str, Any] | None = None, *,
                 frame: SpatialIntentFrame | None = None, line: str | bytes = b""):
        self.timestamp_ns = timestamp_ns
        self._frame, self._members, self._line = frame, members, line

    @property
    def members(self) -> Mapping[str, Any]:
        """The checked JSON object of the line (null read as None)."""
        if self._members is None:
            self._members = parse(self._line)
        return self._members

    @property
    def frame(self) -> SpatialIntentFrame:
        if self._frame is None:
            self._frame = _native.frame_from_members(self.members)
        return self._frame


@dataclass(frozen=True)
class GazeHits:
    """What the host's ray cast found along the gaze rays `ground` weighed for the utterance of
    `timestamp_ns`: recorded right after it, so that a replay weighs the same without the host."""

    timestamp_ns: int
    hits: tuple[GazeHit, ...]


Record = SessionHeader | SpatialIntentFrame | CheckedFrame | Utterance | ContextualIntentEvent | Scene | GazeHits


class Entry(NamedTuple):
    """One record of a log, with where it stands and its line as written."""

    number: int
    line: str
    record: Record


class TruncatedLog(ReadError):
    """The log's last line is incomplete: the host stopped while writing it. `partial` is the
    beginning of the record it holds."""

    def __init__(self, message: str, source: str | None = None, line: int | None = None, partial: str = ""):
        super().__init__(message, "", source, line)
        self.partial = partial


def dumps(value: object) -> str:
    return json.dumps(value, separators=(",", ":"), ensure_ascii=False, allow_nan=False)


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
        return d

    return dumps({"schema": GAZE_HITS_SCHEMA, "version": 1, "timestamp_ns": gaze.timestamp_ns,
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
    schema_and_version(d, "", GAZE_HITS_SCHEMA)
    if type(d["hits"]) is not list:
        fail("hits", "expected an array")
    hits = []
    for i, h in enumerate(d["hits"]):
        path = f"hits[{i}]"
        m = members(h, "", path, HIT_MEMBERS, HIT_MEMBERS | {"referent", "position", "normal"})
        if ("position" in m) != ("normal" in m):
            fail(path, "a hit has both a position and a normal, or neither")
        where = {k: tuple(finite(vec3(m[k], path, "." + k), f"{path}.{k}")) for k in ("position", "normal") if k in m}
        hits.append(GazeHit(integer(m["frame_ns"], path, ".frame_ns"),
                            string(m["referent"], path, ".referent") if "referent" in m else None,
                            where.get("position"), where.get("normal")))  # type: ignore[arg-type]
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


def record_from_line(line: str | bytes, check_frames_only: bool = False) -> Record:
    """The record a log line holds (frames only checked, when asked)."""
    frame = native_frame(line)
    if frame is not None:
        return CheckedFrame(frame.timestamp_ns, frame=frame, line=line) if check_frames_only else frame
    record = parse(line)
    schema = record.get("schema") if type(record) is dict else None
    if schema == FRAME_SCHEMA:
        if check_frames_only:
            checked = checked_frame(record)
            return CheckedFrame(checked["timestamp_ns"], checked, line=line)
        return frame_from_dict(record)
    if schema == UTTERANCE_SCHEMA:
        return utterance_from_dict(record)
    if schema == EVENT_SCHEMA:
        return event_from_dict(record)
    if schema == SESSION_SCHEMA:
        return header_from_dict(record)
    if schema == SCENE_SCHEMA:
        return scene_from_dict(record)
    if schema == GAZE_HITS_SCHEMA:
        return gaze_hits_from_dict(record)
    if type(record) is not dict:
        fail("", "expected a JSON object")
    if "schema" not in record:
        fail("schema", "missing member")
    fail("schema", f"unknown record {json.dumps(schema, ensure_ascii=False)[:60]}")


Source = str | os.PathLike[str] | IO[bytes]
CUT_SHORT = "the log ends mid-record (the host stopped while writing)"
EMPTY = "the log is empty: it has no quillary.session header"
NO_WHOLE_HEADER = "the log ends before its quillary.session header is whole: it holds nothing"


class SessionReader:
    """Reads a log record by record, streaming: memory stays flat however long the log.

    Iterating yields an Entry per record, the header first. A last line that is incomplete
    (the host died while writing it) ends the iteration with TruncatedLog, after every
    record before it; any other fault raises ReadError naming the file, line and member.

    With `check_frames_only`, frame lines are checked as strictly but not built: they come as
    CheckedFrame (their time), with the line in the Entry to build the frame from when needed.
    """

    def __init__(self, source: Source, check_frames_only: bool = False):
        self._check_frames_only = check_frames_only
        if isinstance(source, (str, os.PathLike)):
            self.name = os.fspath(source)
            self._file: IO[bytes] = open(source, "rb")
            self._owned = True
        else:
            self.name = str(getattr(source, "name", "<log>"))
            self._file, self._owned = source, False
        self._file, self.compressed = told_apart(self._file)
        self.raw = self._file  # the file as stored: compressed, for a compressed log
        if self.compressed:
            self._file = zstd.ZstdFile(self._file)  # type: ignore[assignment]
        self.cut = False
        # Where frame lines the native reader read go instead of being yielded, when set (how
        # replay takes a frame without an Entry or CheckedFrame made for it).
        self.frames_to: Callable[[SpatialIntentFrame, bytes], None] | None = None
        self.bytes_read = 0
        self.lines_read = 0
        self.line_start = 0  # where the line of the record last yielded begins, in bytes
        try:
            self.total_bytes: int | None = os.fstat(self._file.fileno()).st_size
        except (OSError, ValueError, AttributeError):
            self.total_bytes = None

    def close(self) -> None:
        if self.compressed:
            self._file.close()  # not the file beneath
        if self._owned:
            self.raw.close()

    def done(self) -> float:
        """The share of the file read so far (0 when its size is unknown)."""
        if not self.total_bytes:
            return 0.0
        return (self.raw.tell() if self.compressed else self.bytes_read) / self.total_bytes

    def _readline(self) -> bytes:
        try:
            return self._file.readline(MAX_LINE_BYTES + 1)
        except EOFError:
            # A compressed log whose last block is cut off (the host died while writing it):
            # everything in the blocks before it was read.
            self.cut = True
            return b""
        except zstd.ZstdError as error:
            raise ReadError(f"not a readable zstd stream after line {self.lines_read} (about compressed byte "
                            f"{self.raw.tell()}): {error}", "", self.name, None) from None

    def __enter__(self) -> SessionReader:
        return self

    def __exit__(self, *exc: object) -> None:
        self.close()

    def __iter__(self) -> Iterator[Entry]:
        number = 0
        previous: Record | None = None
        frame_from_line, prefix, checked_only = _native.frame_from_line, FRAME_PREFIX_BYTES, self._check_frames_only
        # (A line longer than MAX_LINE_BYTES does not end within the read, so never takes this path.)
        while raw := self._readline():
            number += 1
            self.lines_read = number
            self.line_start = self.bytes_read
            self.bytes_read += len(raw)
            # Most lines are frames as the library writes them: read natively, whole lines only
            # (a frame comes in order anywhere after the header).
            if previous is not None and raw.startswith(prefix) and raw.endswith(b"\n") and \
                    (frame := frame_from_line(raw)) is not None:
                if self.frames_to is not None:
                    self.frames_to(frame, raw)  # taken as it is: no entry made
                    previous = frame
                    continue
                line = (raw[:-2] if raw.endswith(b"\r\n") else raw[:-1]).decode()
                previous = CheckedFrame(frame.timestamp_ns, None, frame=frame, line=line) if checked_only else frame
                yield Entry(number, line, previous)
                continue
            complete = raw.endswith(b"\n")
            if not complete and len(raw) > MAX_LINE_BYTES:
                raise ReadError(f"line is longer than {MAX_LINE_BYTES} bytes", "", self.name, number)
            # A line ends at "\n", or at "\r\n" where a log passed through a tool that writes those.
            body = raw[:-2] if raw.endswith(b"\r\n") else raw[:-1] if complete else raw
            line = ""
            try:
                line = body.decode()
                record = record_from_line(line, self._check_frames_only)
                check_order(previous, record, number)
            except UnicodeDecodeError as error:
                if not complete and error.reason == "unexpected end of data":
                    raise self.cut_short(number, previous) from None
                raise ReadError(f"not UTF-8 ({error.reason} at byte {error.start})", "", self.name, number) from None
            except ReadError as error:
                # Only a last line that is the beginning of a record is a cut: anything else
                # there is as wrong as it would be anywhere.
                if not complete and is_cut_short(line):
                    raise self.cut_short(number, previous, line) from None
                raise error.located(self.name, number) from None
            yield Entry(number, line, record)
            previous = record
        if self.cut:
            raise self.cut_short(number + 1, previous)
        if number == 0:
            raise ReadError(EMPTY, "", self.name, None)

    def cut_short(self, number: int, previous: Record | None, partial: str = "") -> ReadError:
        """A log that ends mid-record: cut after what it holds, or, cut before its header was
        whole, a log that holds nothing, as an empty one."""
        if previous is None:
            return ReadError(NO_WHOLE_HEADER, "", self.name, None)
        return TruncatedLog(CUT_SHORT, self.name, number, partial)


ZSTD_MAGIC = b"\x28\xb5\x2f\xfd"


def told_apart(file: IO[bytes]) -> tuple[IO[bytes], bool]:
    """The log's stream, and whether it is zstd-compressed (a .jsonl.zst), by its first bytes,
    not its name. A stream that can neither peek nor seek back is read through a buffer."""
    peek = getattr(file, "peek", None)
    if peek is None and file.seekable():
        at = file.tell()
        head = file.read(4)
        file.seek(at)
        return file, head == ZSTD_MAGIC
    if peek is None:
        buffered = io.BufferedReader(_Unbuffered(file))
        return buffered, buffered.peek(4)[:4] == ZSTD_MAGIC
    return file, peek(4)[:4] == ZSTD_MAGIC


class _Unbuffered(io.RawIOBase):
    """Any binary stream with read(), as the raw stream beneath a buffer."""

    def __init__(self, file: IO[bytes]):
        self.file = file

    def readable(self) -> bool:
        return True

    def readinto(self, buffer: Any) -> int:
        data = self.file.read(len(buffer))
        buffer[:len(data)] = data
        return len(data)


def check_order(previous: Record | None, record: Record, number: int) -> None:
    if previous is None and not isinstance(record, SessionHeader):
        fail("schema", "the log must begin with a quillary.session header")
    if previous is not None and isinstance(record, SessionHeader):
        fail("schema", "a second quillary.session header")
    if isinstance(record, ContextualIntentEvent):
        if not isinstance(previous, Utterance):
            fail("schema", "an event must come right after the utterance that made it")
        if record.timestamp_ns != previous.timestamp_ns:
            fail("timestamp_ns", f"{record.timestamp_ns} is not its utterance's time {previous.timestamp_ns}")
        if record.text != previous.text:
            fail("text", "differs from its utterance's text")


def read_session(source: Source) -> Iterator[Entry]:
    """The records of a log, header first (see SessionReader)."""
    with SessionReader(source) as reader:
        yield from reader


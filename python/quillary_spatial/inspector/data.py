"""What the inspector page shows of a session log, gathered in one pass over it.

Frames become flat binary arrays (every frame, full resolution: the page searches them all
and decimates only what it draws); utterances come from a replay, so the page shows the
library's own pairing and the reason an utterance got no event. A bad log still gives data:
everything read before the fault, and the fault with its line number.
"""

from __future__ import annotations

import base64
import sys
import zlib
from array import array
from collections.abc import Iterator, Mapping
from typing import Any

from _spatial import SpatialIntentFrame

from .. import _native
from ..log.checks import ReadError, printable
from ..log.reader import Source
from ..log.records import Scene, object_members
from ..replay import Replay, Replayed

FORMAT = 1
# Per frame: flags and 31 floats (head position and orientation, left and right hand
# positions, pointing origin and direction, gaze origin and direction, target position and
# normal), packed natively (_native.frame_arrays) as web/src/data.ts reads them.
NO_TARGET_ID = -1
# A page holds at most this many frames (about 3 hours at 90 Hz, some 140 MB of arrays while
# it is made): a longer log's page shows its beginning and says where it stops.
MAX_FRAMES = 1_000_000


class FrameArrays:
    """Collects frames into the arrays the page reads."""

    def __init__(self) -> None:
        self.origin_ns: int | None = None
        self.times = array("d")  # ns after the first frame (exact to 2**53 ns, 104 days)
        self.values = array("f")
        self.flags = array("B")
        self.targets = array("i")
        self.target_ids: dict[str, int] = {}

    def __len__(self) -> int:
        return len(self.flags)

    def add(self, frame: SpatialIntentFrame) -> None:
        if len(self.flags) >= MAX_FRAMES:
            raise ReadError(f"a page holds at most {MAX_FRAMES} frames: the rest of the log is not shown")
        if self.origin_ns is None:
            self.origin_ns = frame.timestamp_ns
        self.times.append(frame.timestamp_ns - self.origin_ns)
        # Packed natively from the frame the reader built: no Python object per member.
        flags, values, host_id = _native.frame_arrays(frame)
        self.values.frombytes(values)
        self.flags.append(flags)
        self.targets.append(NO_TARGET_ID if host_id is None else
                            self.target_ids.setdefault(host_id, len(self.target_ids)))

    def to_json(self, lazily: bool = False) -> dict[str, Any]:
        pack: Any = PackedArray if lazily else packed
        return {"count": len(self), "originNs": str(self.origin_ns or 0),
                "times": pack(self.times), "values": pack(self.values), "flags": pack(self.flags),
                "targets": pack(self.targets), "targetIds": list(self.target_ids)}


def packed(values: array[Any]) -> str:
    """Base64 of the array's bytes, little-endian as typed arrays are read on every browser."""
    return "".join(PackedArray(values).pieces())


class PackedArray:
    """An array's base64 (see packed), made a piece at a time as a page is written: an hour's
    page would otherwise hold its frames three times over (bytes, base64, the page)."""

    PIECE = 3 << 20  # bytes; a multiple of 3, so that the pieces' base64 joins up

    def __init__(self, values: array[Any]):
        if sys.byteorder != "little":
            values = array(values.typecode, values)
            values.byteswap()
        self.values = values

    def pieces(self) -> Iterator[str]:
        data = memoryview(self.values).cast("B")
        for at in range(0, len(data), self.PIECE):
            yield base64.b64encode(data[at:at + self.PIECE]).decode("ascii")


# Event lines are most of a long session's page (a whole frame each) and are read one at a
# time, when one is shown: the page keeps them deflated in chunks and inflates a chunk when
# an event of it is wanted, so that a page of 100,000 events opens in seconds.
EVENT_LINES_PER_CHUNK = 500


class EventLines:
    def __init__(self) -> None:
        self.chunks: list[str] = []
        self.pending: list[str] = []
        self.count = 0

    def add(self, line: str | None) -> int | None:
        """The line's number among the page's event lines."""
        if line is None:
            return None
        self.pending.append(line)
        if len(self.pending) == EVENT_LINES_PER_CHUNK:
            self.seal()
        self.count += 1
        return self.count - 1

    def seal(self) -> None:
        if self.pending:
            packed = zlib.compress("\n".join(self.pending).encode(), 6)
            self.chunks.append(base64.b64encode(packed).decode("ascii"))
            self.pending = []

    def to_json(self) -> dict[str, Any]:
        self.seal()
        return {"perChunk": EVENT_LINES_PER_CHUNK, "chunks": self.chunks}


def event_lines(data: Mapping[str, Any]) -> list[str]:
    """The event lines of session_data(), inflated: `utterance["event"]` indexes them."""
    packed = data["eventLines"]
    return [line for chunk in packed["chunks"] for line in zlib.decompress(base64.b64decode(chunk)).decode().split("\n")]


def utterance_json(result: Replayed, origin_ns: int, lines: EventLines) -> dict[str, Any]:
    event, explanation = result.event, result.explanation
    target = None if event is None else event.spatial_context.target
    words, grounded = result.utterance.words, result.grounded
    return {"line": result.line_number, "timeNs": result.utterance.timestamp_ns - origin_ns,
            "text": result.utterance.text, "outcome": str(explanation.outcome), "reason": explanation.describe(),
            "frame": result.frame_index, "framesBefore": result.frames_before,
            "ageNs": None if event is None else event.spatial_age_ns,
            "referent": None if target is None else target.host_id,
            "hit": target is not None, "event": lines.add(result.event_line),
            "words": None if words is None else [{"text": w.text, "startNs": w.start_ns - origin_ns,
                                                  "endNs": w.end_ns - origin_ns} for w in words],
            # Each deictic word as the agent got it: the grounding replay repeats live, exactly.
            "references": None if grounded is None else [
                {"word": r.word, "index": r.index, "frame": r.frame, "referent": r.referent,
                 "reason": r.reason, "position": r.position, "certainty": r.certainty, "ask": r.ask}
                for r in grounded.references]}


def scene_json(scene: Scene, frames_before: int, origin_ns: int) -> dict[str, Any]:
    return {"timeNs": scene.timestamp_ns - origin_ns, "framesBefore": frames_before,
            "objects": [object_members(o) for o in scene.objects]}


def session_data(source: Source, name: str, lazily: bool = False) -> dict[str, Any]:
    """Everything the page needs, as one JSON-ready object; `lazily`, with the frames' arrays
    as PackedArray, which page.write_page writes a piece at a time."""
    frames = FrameArrays()
    scenes: list[tuple[Scene, int]] = []
    replay = Replay(source, on_frame=frames.add, on_scene=lambda scene: scenes.append((scene, len(frames))))
    utterances: list[Replayed] = []
    error: dict[str, Any] | None = None
    try:
        for result in replay:
            utterances.append(result)
    except ReadError as fault:
        error = {"message": printable(fault.message), "line": fault.line, "text": str(fault)}
    header = replay.header
    origin = frames.origin_ns or 0
    lines = EventLines()
    return {
        "format": FORMAT,
        "name": printable(name),  # a file name need not be text
        "header": None if header is None else header_json(header.capacity, header.max_context_age_ns,
                                                          header.library_version, header.host),
        "error": error,
        "truncated": None if replay.truncated is None else str(replay.truncated),
        "frames": frames.to_json(lazily),
        "utterances": [utterance_json(result, origin, lines) for result in utterances],
        "eventLines": lines.to_json(),
        "scenes": [scene_json(scene, before, origin) for scene, before in scenes],
    }


def header_json(capacity: int, max_age_ns: int, library_version: str, host: Mapping[str, Any]) -> dict[str, Any]:
    # Strings: both may be beyond what a JavaScript number holds exactly.
    return {"capacity": str(capacity), "maxContextAgeNs": str(max_age_ns), "libraryVersion": library_version, "host": host}

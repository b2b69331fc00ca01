"""What the MCP server offers an agent: the user's spatial context at a moment, an utterance
grounded word by word, the recent utterances with their outcomes, and the scene; over a
recorded session log or a live timeline in the host's own process.
"""

from __future__ import annotations

import bisect
import contextlib
import json
import tempfile
import threading
from array import array
from collections import deque
from collections.abc import Callable, Sequence
from compression import zstd
from typing import IO, Any, Protocol

from _spatial import ContextualIntentEvent, Ray, SpatialHit, SpatialIntentFrame, to_jsonl

from .. import _native
from ..grounding.settings import DEFAULT_SETTINGS
from ..grounding.words import DEICTIC_WORDS, GroundedUtterance, ground
from ..log.checks import ReadError, counted
from ..log.records import Scene, SceneObject, Word, checked_word, object_members, record_from_line
from ..replay import Replay, Replayed
from ..timeline import ExplainedTimeline, Explanation, Said, explanation
from ..version import __version__
from .protocol import Application, Resource, Tool, ToolError, invalid_params

SUMMARY_URI = "quillary://session/summary"
LATEST_URI = "quillary://utterances/latest-grounded"
RECENT_KEPT = 100


# The frame a text at a moment pairs with and its age (None when it gets none), and why; no
# explanation when there is no frame at all.
Context = tuple[SpatialIntentFrame | None, int, Explanation | None]


def context_at(timeline: ExplainedTimeline, timestamp_ns: int) -> Context:
    frame, pairing = _native.frame_at(timeline.timeline, timestamp_ns)
    return frame, pairing.age_ns, explanation(pairing, timestamp_ns, timeline.settings[1])


class Source(Protocol):
    """Where the answers come from: a recorded log, or the host's live timeline."""

    def context(self, timestamp_ns: int | None) -> Context: ...
    def ground(self, text: str, words: Sequence[Word], timestamp_ns: int) -> GroundedUtterance: ...
    def recent(self) -> list[dict[str, Any]]: ...
    def scene(self) -> Scene | None: ...
    def summary(self) -> str: ...
    def latest_grounded(self) -> GroundedUtterance | None: ...


def said_json(text: str, timestamp_ns: int, words: Sequence[Word] | None, event: ContextualIntentEvent | None,
              explained: Explanation, grounded: GroundedUtterance | None) -> dict[str, Any]:
    """An utterance as recent_utterances lists it: what was said and when, its recognised
    words with their times, the outcome, and each deictic word's referent."""
    target = None if event is None else event.spatial_context.target
    entry: dict[str, Any] = {"timestamp_ns": timestamp_ns, "text": text, "outcome": str(explained.outcome),
                             "reason": explained.describe()}
    if event is not None:
        entry["referent"] = None if target is None else target.host_id
        entry["context_age_ns"] = event.spatial_age_ns
    if words is not None:
        entry["words"] = [{"text": w.text, "start_ns": w.start_ns, "end_ns": w.end_ns} for w in words]
    if grounded is not None:
        entry["references"] = [{"word": r.word, "referent": r.referent, "reason": r.reason,
                                "certainty": r.certainty, "ask": r.ask} for r in grounded.references]
    return entry


# A compressed log's frames are read again from a decompressed copy of it, no larger than this.
MAX_UNPACKED_BYTES = 1 << 30


def nine_digits(members: dict[str, Any]) -> dict[str, Any]:
    """Numbers to nine significant digits, as every other answer writes them (0.2, not
    0.19999999999999996)."""
    return {name: [_native.as_logged((v,))[0] if isinstance(v, float) else v for v in value]
            if isinstance(value, list) else value for name, value in members.items()}


class RecordedSession:
    """A session log, read once: every frame's time and place in the file (not the frame), the
    utterances as replay gives them, and the scene. A frame is read again when asked about."""

    def __init__(self, path: str):
        self.path = path
        self.times = array("q")
        self.offsets = array("q")
        self.segments: list[int] = [0]  # the first frame of each stretch between clock resets
        self.utterances: deque[dict[str, Any]] = deque(maxlen=RECENT_KEPT)
        self.latest: GroundedUtterance | None = None
        # What the host's agent got for each utterance the log holds with its words: asked
        # about again, it is answered the same, gaze included.
        self.recorded: dict[tuple[int, str, tuple[Word, ...]], GroundedUtterance] = {}
        self.scenes: list[Scene] = []  # every scene the log records, in its order
        self.replay = Replay(path, on_frame=self.add_frame, on_scene=self.scenes.append)
        self.count = 0
        for result in self.replay:
            self.add(result)
        # Frames are read again by their place in the file: a compressed log's place is in
        # its text, kept in a temporary file (a seek in a zstd stream reads it from its start).
        self.lines: IO[bytes] = open(path, "rb")
        if self.replay.reader.compressed:
            if self.replay.reader.bytes_read > MAX_UNPACKED_BYTES:
                self.lines.close()
                raise ReadError(f"its text is more than {MAX_UNPACKED_BYTES >> 30} GiB: the server reads a "
                                "compressed log's frames from a decompressed copy, which it keeps no larger than "
                                "that (serve the log decompressed: zstd -d, which it reads in place)", "", path)
            with self.lines, zstd.ZstdFile(self.lines) as text:
                self.lines = tempfile.TemporaryFile()
                with contextlib.suppress(EOFError):  # cut short: the lines replay read are all here
                    while line := text.readline():
                        self.lines.write(line)
        self.lines_lock = threading.Lock()
        self.held: tuple[int, ExplainedTimeline] | None = None  # the timeline holding() made last
        self.scene_at_end = self.replay.scene
        assert self.replay.header is not None  # the reader puts it first, or raises
        self.capacity, self.max_age_ns = self.replay.header.capacity, self.replay.header.max_context_age_ns

    def add_frame(self, frame: SpatialIntentFrame) -> None:
        if self.times and frame.timestamp_ns < self.times[-1]:
            self.segments.append(len(self.times))
        self.times.append(frame.timestamp_ns)
        self.offsets.append(self.replay.reader.line_start)

    def add(self, result: Replayed) -> None:
        self.count += 1
        said = result.utterance
        if result.grounded is not None and said.words is not None:
            self.latest = result.grounded
            self.recorded[said.timestamp_ns, said.text, said.words] = result.grounded
        self.utterances.append(said_json(said.text, said.timestamp_ns, said.words, result.event, result.explanation,
                                         result.grounded))

    def timeline_at(self, timestamp_ns: int) -> ExplainedTimeline:
        """A timeline with the log's settings holding what a live one held at that moment: the
        frames up to the newest at or before it, in the last stretch that began by then."""
        times, starts = self.times, self.segments
        stretch = max((j for j, start in enumerate(starts) if start < len(times) and times[start] <= timestamp_ns),
                      default=0)
        end = starts[stretch + 1] if stretch + 1 < len(starts) else len(times)
        return self.holding(bisect.bisect_right(times, timestamp_ns, starts[stretch], end))

    def holding(self, last: int) -> ExplainedTimeline:
        """The timeline once the log's first `last` frames were pushed. One frame more than
        its capacity is enough: older frames are gone from it, and that one's drop (or a reset
        among them) says why its history begins where it does, as it did live. The last one
        made is kept: an agent asks about the same moment again (its context, then its words)."""
        with self.lines_lock:  # one reader at a time: the HTTP server answers from many threads
            if self.held is not None and self.held[0] == last:
                return self.held[1]
            timeline = ExplainedTimeline(self.capacity, self.max_age_ns)
            for i in range(max(0, last - max(self.capacity, 1) - 1), last):
                self.lines.seek(self.offsets[i])
                frame = record_from_line(self.lines.readline().rstrip(b"\r\n"))
                timeline.push(frame)  # type: ignore[arg-type]
            self.held = (last, timeline)
            return timeline

    def context(self, timestamp_ns: int | None) -> Context:
        if timestamp_ns is None:
            if not self.times:
                return None, 0, None
            timestamp_ns = self.times[-1]
        return context_at(self.timeline_at(timestamp_ns), timestamp_ns)

    def ground(self, text: str, words: Sequence[Word], timestamp_ns: int) -> GroundedUtterance:
        recorded = self.recorded.get((timestamp_ns, text, tuple(words)))
        if recorded is not None:
            return recorded
        # Words the log does not hold were not looked at through the host's ray cast: pointing
        # alone, weighed where the log's scene has things.
        return ground(self.timeline_at(timestamp_ns), text, words, timestamp_ns, scene=self.scene_at(timestamp_ns))

    def scene_at(self, timestamp_ns: int) -> Scene | None:
        """The scene the host had recorded last by that moment (the first, before any)."""
        recorded = [scene for scene in self.scenes if scene.timestamp_ns <= timestamp_ns]
        return recorded[-1] if recorded else self.scenes[0] if self.scenes else None

    def recent(self) -> list[dict[str, Any]]:
        return list(self.utterances)

    def scene(self) -> Scene | None:
        return self.scene_at_end

    def summary(self) -> str:
        assert self.replay.timeline is not None  # made from the header, which the reader puts first
        lines = [f"{self.path}: {counted(len(self.times), 'frame')}, {counted(self.count, 'utterance')} "
                 f"({self.replay.timeline.describe_settings()})"]
        if self.scene_at_end is not None:
            lines.append("scene: " + ", ".join(o.id for o in self.scene_at_end.objects))
        if self.replay.truncated is not None:
            lines.append(str(self.replay.truncated))
        return "\n".join(lines) + "\n"

    def latest_grounded(self) -> GroundedUtterance | None:
        return self.latest


class LiveSession:
    """The host's own timeline, as it runs: what it says is heard through its listener, and
    the resource of the latest grounded utterance changes as utterances with words come in."""

    def __init__(self, timeline: ExplainedTimeline, on_grounded: Any = None,
                 raycast: Callable[[Ray], SpatialHit | None] | None = None,
                 scene: Sequence[SceneObject] | None = None):
        self.timeline, self.raycast = timeline, raycast
        # A scene given to serve holds from when the server starts: the newest frame's time.
        latest = timeline.latest()
        self.served_scene = None if scene is None else Scene(0 if latest is None else latest.timestamp_ns, tuple(scene))
        self.lock = threading.Lock()
        self.utterances: deque[dict[str, Any]] = deque(maxlen=RECENT_KEPT)
        self.latest: GroundedUtterance | None = None
        self.count = 0
        self.on_grounded = on_grounded
        timeline.add_listener(self.heard)

    def heard(self, said: Said) -> None:
        # On the host's thread, as it submits: grounding an utterance costs well under a
        # millisecond, and only utterances with words are grounded.
        grounded = None if said.words is None else \
            ground(self.timeline, said.text, said.words, said.timestamp_ns, DEICTIC_WORDS, raycast=self.raycast,
                   scene=self.served_scene)
        with self.lock:
            self.count += 1
            self.utterances.append(said_json(said.text, said.timestamp_ns, said.words, said.event, said.explanation,
                                             grounded))
            if grounded is not None:
                self.latest = grounded
        if grounded is not None and self.on_grounded is not None:
            self.on_grounded()

    def context(self, timestamp_ns: int | None) -> Context:
        if timestamp_ns is None:
            latest = self.timeline.latest()
            if latest is None:
                return None, 0, None
            timestamp_ns = latest.timestamp_ns
        return context_at(self.timeline, timestamp_ns)

    def ground(self, text: str, words: Sequence[Word], timestamp_ns: int) -> GroundedUtterance:
        return ground(self.timeline, text, words, timestamp_ns, raycast=self.raycast, scene=self.served_scene)

    def recent(self) -> list[dict[str, Any]]:
        with self.lock:
            return list(self.utterances)

    def scene(self) -> Scene | None:
        # What serve was given, or what a Recorder recorded last.
        return self.served_scene if self.served_scene is not None else self.timeline.last_scene

    def summary(self) -> str:
        with self.lock:
            count = self.count
        return f"live session: {count} utterances so far ({self.timeline.describe_settings()})\n"

    def latest_grounded(self) -> GroundedUtterance | None:
        with self.lock:
            return self.latest


# --- the tools and resources ------------------------------------------------------------------

INT64 = {"type": "integer", "minimum": -(2**63), "maximum": 2**63 - 1}

CONTEXT_SCHEMA = {
    "type": "object", "additionalProperties": False,
    "properties": {"timestamp_ns": {**INT64, "description": "The moment, on the frames' clock (nanoseconds); "
                                                           "leave out for the newest frame."}},
}
GROUND_SCHEMA = {
    "type": "object", "additionalProperties": False, "required": ["text", "timestamp_ns", "words"],
    "properties": {
        "text": {"type": "string", "description": "What the user said."},
        "timestamp_ns": {**INT64, "description": "When the sentence was delivered, on the frames' clock."},
        "words": {"type": "array", "description": "The recogniser's words with their start and end times.",
                  "items": {"type": "object", "additionalProperties": False, "required": ["text", "start_ns", "end_ns"],
                            "properties": {"text": {"type": "string"}, "start_ns": INT64, "end_ns": INT64}}},
    },
}
RECENT_SCHEMA = {
    "type": "object", "additionalProperties": False,
    "properties": {"limit": {"type": "integer", "minimum": 1, "maximum": RECENT_KEPT,
                             "description": f"How many, newest last (default 10, at most {RECENT_KEPT})."}},
}
NO_ARGUMENTS = {"type": "object", "additionalProperties": False, "properties": {}}


def compact_context(paired: SpatialIntentFrame, age_ns: int) -> dict[str, Any]:
    """The frame an utterance at that moment would be paired with, in short: what the user
    pointed at and how, where the head was, the select input, and how old it was."""
    frame = json.loads(to_jsonl(paired))  # numbers as the wire writes them
    context: dict[str, Any] = {"timestamp_ns": frame["timestamp_ns"], "age_ns": age_ns,
                               "head": frame["head"], "pointing": frame.get("pointing"),
                               "target": frame.get("target"), "select": frame.get("primary_select")}
    if "gaze" in frame:
        context["gaze"] = frame["gaze"]
    return context


def checked_words(words: list[dict[str, Any]]) -> list[Word]:
    """The arguments' words, checked as a Recorder checks them (the schema has their types)."""
    try:
        return [checked_word(Word(w["text"], w["start_ns"], w["end_ns"]), f"words[{i}]") for i, w in enumerate(words)]
    except ValueError as error:
        member, _, message = str(error).partition(": ")
        raise invalid_params(member, message) from None


def application(source: Source) -> Application:
    """The server's tools and resources over `source`: each tool declared where it is made."""
    tools: list[Tool] = []

    def tool(name: str, title: str, schema: dict[str, Any], description: str) -> Callable[[ToolCall], ToolCall]:
        def declared(call: ToolCall) -> ToolCall:
            tools.append(Tool(name, title, description, schema, call))
            return call
        return declared

    @tool("spatial_context", "Spatial context at a moment", CONTEXT_SCHEMA,
          "What the user was pointing at (the target's host_id, where the ray hit), with what, where the head was, "
          "whether select was pressed, and how old that was: the frame an utterance at `timestamp_ns` is paired "
          "with, or the newest frame. A tool error when there is none fresh enough.")
    def context(arguments: dict[str, Any]) -> dict[str, Any]:
        frame, age_ns, explained = source.context(arguments.get("timestamp_ns"))
        if frame is None:
            raise ToolError("no context: " + ("no frame yet" if explained is None else explained.describe()))
        return compact_context(frame, age_ns)

    @tool("ground_utterance", "Ground an utterance word by word", GROUND_SCHEMA,
          "Each deictic word (this, that, these, those, it, here, there) weighed from the frames around it (where "
          "the pointer rested, what the eyes looked at, a click during the word): its referent with a certainty, "
          f"the chance it is the one meant (ask the user which one below {DEFAULT_SETTINGS.ask_below}), and up to "
          "three candidates, or why it has none. Returns a quillary.grounded-utterance record.")
    def grounded(arguments: dict[str, Any]) -> dict[str, Any]:
        words = checked_words(arguments["words"])
        return source.ground(arguments["text"], words, arguments["timestamp_ns"]).to_dict()

    @tool("recent_utterances", "Recent utterances", RECENT_SCHEMA,
          "What was said, newest last: its time, its recognised words with their times (when the host gave them), "
          "the outcome (an event or why none), the referent and each deictic word's referent.")
    def recent(arguments: dict[str, Any]) -> dict[str, Any]:
        return {"utterances": source.recent()[-arguments.get("limit", 10):]}

    @tool("scene_objects", "Scene objects", NO_ARGUMENTS,
          "The objects the host's ray cast can hit, as boxes (id, centre, rotation, size in metres), as the host "
          "recorded them last. A tool error when it recorded none.")
    def scene(arguments: dict[str, Any]) -> dict[str, Any]:
        found = source.scene()
        if found is None:
            raise ToolError("no scene: the host recorded none")
        return {"timestamp_ns": found.timestamp_ns, "objects": [nine_digits(object_members(o)) for o in found.objects]}

    def latest() -> str:
        found = source.latest_grounded()
        return "null" if found is None else found.to_json()

    resources = [
        Resource(SUMMARY_URI, "session-summary", "Session summary", "Frames, utterances, settings and scene.",
                 "text/plain", source.summary),
        Resource(LATEST_URI, "latest-grounded-utterance", "Latest grounded utterance",
                 "The last utterance with words, grounded (a quillary.grounded-utterance record), or null.",
                 "application/json", latest),
    ]
    return Application("quillary-spatial", __version__,
                       "The user's spatial intent in extended reality: ask what they pointed at when they said a "
                       "word (ground_utterance) or at a moment (spatial_context).", tools, resources)


ToolCall = Callable[[dict[str, Any]], dict[str, Any]]

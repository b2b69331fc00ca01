"""What a host developer would write or use instead of quillary-spatial, for the benchmarks:
the same records as msgspec Structs, pydantic models and dataclasses, and the timeline's rules
in plain Python."""

import bisect
import threading
from collections import deque
from dataclasses import dataclass, field, replace

import msgspec
import pydantic

Numbers = list[int | float]  # int stays int, as in our lines, so every peer writes our bytes


# --- msgspec --------------------------------------------------------------------------------

class MsRefSpace(msgspec.Struct):
    type: str
    id: str
    generation: int


class MsPose(msgspec.Struct):
    position: Numbers
    orientation: Numbers


class MsPointing(msgspec.Struct):
    source: str
    confidence: str
    origin: Numbers
    direction: Numbers


class MsSelect(msgspec.Struct):
    pressed: bool
    changed: bool
    last_change_time_ns: int


class MsGaze(msgspec.Struct):
    origin: Numbers
    direction: Numbers


class MsTarget(msgspec.Struct, omit_defaults=True):
    position: Numbers
    normal: Numbers
    host_id: str | None = None


class MsCaps(msgspec.Struct):
    head_pose: bool
    action_input: bool
    hand_tracking: bool
    hand_interaction: bool
    eye_gaze: bool
    enabled_extensions: list[str]


class MsFrame(msgspec.Struct, kw_only=True, omit_defaults=True):
    schema: str
    version: int
    timestamp_ns: int
    timestamp_domain: str
    reference_space: MsRefSpace
    head: MsPose
    head_tracking: str
    pointing: MsPointing | None = None
    primary_select: MsSelect | None = None
    left_hand: MsPose | None = None
    right_hand: MsPose | None = None
    gaze: MsGaze | None = None
    target: MsTarget | None = None
    capabilities: MsCaps


class MsEvent(msgspec.Struct):
    schema: str
    version: int
    timestamp_ns: int
    text: str
    spatial_age_ns: int
    spatial_context: MsFrame


# --- pydantic -------------------------------------------------------------------------------

class PdRefSpace(pydantic.BaseModel):
    type: str
    id: str
    generation: int


class PdPose(pydantic.BaseModel):
    position: Numbers
    orientation: Numbers


class PdPointing(pydantic.BaseModel):
    source: str
    confidence: str
    origin: Numbers
    direction: Numbers


class PdSelect(pydantic.BaseModel):
    pressed: bool
    changed: bool
    last_change_time_ns: int


class PdGaze(pydantic.BaseModel):
    origin: Numbers
    direction: Numbers


class PdTarget(pydantic.BaseModel):
    position: Numbers
    normal: Numbers
    host_id: str | None = None


class PdCaps(pydantic.BaseModel):
    head_pose: bool
    action_input: bool
    hand_tracking: bool
    hand_interaction: bool
    eye_gaze: bool
    enabled_extensions: list[str]


class PdFrame(pydantic.BaseModel):
    schema_: str = pydantic.Field(alias="schema")
    version: int
    timestamp_ns: int
    timestamp_domain: str
    reference_space: PdRefSpace
    head: PdPose
    head_tracking: str
    pointing: PdPointing | None = None
    primary_select: PdSelect | None = None
    left_hand: PdPose | None = None
    right_hand: PdPose | None = None
    gaze: PdGaze | None = None
    target: PdTarget | None = None
    capabilities: PdCaps


class PdEvent(pydantic.BaseModel):
    schema_: str = pydantic.Field(alias="schema")
    version: int
    timestamp_ns: int
    text: str
    spatial_age_ns: int
    spatial_context: PdFrame


def pydantic_json(model: pydantic.BaseModel) -> str:
    return model.model_dump_json(by_alias=True, exclude_none=True)


# --- dataclasses and a plain-Python timeline ---------------------------------------------------

@dataclass(slots=True)
class V3:
    x: float = 0.0
    y: float = 0.0
    z: float = 0.0


@dataclass(slots=True)
class Q4:
    x: float = 0.0
    y: float = 0.0
    z: float = 0.0
    w: float = 1.0


@dataclass(slots=True)
class DcPose:
    position: V3 = field(default_factory=V3)
    orientation: Q4 = field(default_factory=Q4)


@dataclass(slots=True)
class DcRay:
    origin: V3 = field(default_factory=V3)
    direction: V3 = field(default_factory=V3)


@dataclass(slots=True)
class DcHit:
    position: V3 = field(default_factory=V3)
    normal: V3 = field(default_factory=V3)
    host_id: str | None = None


@dataclass(slots=True)
class DcFrame:
    timestamp_ns: int = 0
    timestamp_domain: str = ""
    space_type: str = ""
    space_id: str = ""
    generation: int = 0
    head_pose: DcPose = field(default_factory=DcPose)
    head_tracking: int = 0
    pointing: DcRay | None = None
    pointing_source: int = 3
    pointing_confidence: int = 0
    pressed: bool = False
    changed: bool = False
    last_change_time_ns: int = 0
    left_hand_pose: DcPose | None = None
    gaze_ray: DcRay | None = None
    target: DcHit | None = None
    capabilities: tuple[bool, ...] = (False,) * 5
    enabled_extensions: list[str] = field(default_factory=list)


@dataclass(slots=True)
class DcSpace:
    type: str = ""
    id: str = ""
    generation: int = 0


@dataclass(slots=True)
class DcPointing:
    ray: DcRay = field(default_factory=DcRay)
    source: int = 3
    confidence: int = 0


@dataclass(slots=True)
class DcSelect:
    pressed: bool = False
    changed: bool = False
    last_change_time_ns: int = 0


@dataclass(slots=True)
class DcCaps:
    head_pose: bool = False
    action_input: bool = False
    hand_tracking: bool = False
    hand_interaction: bool = False
    eye_gaze: bool = False
    enabled_extensions: list[str] = field(default_factory=list)


@dataclass(slots=True)
class NestedFrame:
    """The frame's shape as _spatial has it, nested record by record, for a host that builds
    it the same way: attribute by attribute."""

    timestamp_ns: int = 0
    timestamp_domain: str = ""
    reference_space: DcSpace = field(default_factory=DcSpace)
    head_pose: DcPose = field(default_factory=DcPose)
    head_tracking: int = 0
    pointing: DcPointing | None = None
    primary_select: DcSelect | None = None
    left_hand_pose: DcPose | None = None
    right_hand_pose: DcPose | None = None
    gaze_ray: DcRay | None = None
    target: DcHit | None = None
    capabilities: DcCaps = field(default_factory=DcCaps)


def nested_resolve_target(frame: NestedFrame, raycast) -> NestedFrame:
    if frame.pointing is None:
        return replace(frame, target=None)
    return replace(frame, target=raycast(replace(frame.pointing.ray)))


def dc_resolve_target(frame: DcFrame, raycast) -> DcFrame:
    if frame.pointing is None:
        return replace(frame, target=None)
    return replace(frame, target=raycast(replace(frame.pointing)))


class DequeTimeline:
    """The timeline's rules the obvious way: a locked deque and a walk from the newest end.
    It stores references (no copies), which is what such code usually does."""

    def __init__(self, capacity: int = 240, max_age_ns: int = 2_000_000_000):
        self.capacity = max(capacity, 1)
        self.max_age_ns = max(max_age_ns, 0)
        self.frames: deque = deque()
        self.lock = threading.Lock()

    def push(self, frame) -> None:
        with self.lock:
            if self.frames and frame.timestamp_ns < self.frames[-1].timestamp_ns:
                self.frames.clear()
            self.frames.append(frame)
            if len(self.frames) > self.capacity:
                self.frames.popleft()

    def latest(self):
        with self.lock:
            return self.frames[-1] if self.frames else None

    def submit_text(self, text: str, timestamp_ns: int):
        if not text:
            return None
        with self.lock:
            for frame in reversed(self.frames):
                if frame.timestamp_ns <= timestamp_ns:
                    age = timestamp_ns - frame.timestamp_ns
                    return (timestamp_ns, text, frame, age) if age <= self.max_age_ns else None
        return None


class BisectTimeline(DequeTimeline):
    """The same rules with a sorted list of times searched by bisection."""

    def __init__(self, capacity: int = 240, max_age_ns: int = 2_000_000_000):
        super().__init__(capacity, max_age_ns)
        self.frames: list = []  # type: ignore[assignment]
        self.times: list[int] = []

    def push(self, frame) -> None:
        with self.lock:
            if self.times and frame.timestamp_ns < self.times[-1]:
                self.frames.clear()
                self.times.clear()
            self.frames.append(frame)
            self.times.append(frame.timestamp_ns)
            if len(self.frames) > self.capacity:
                del self.frames[0]
                del self.times[0]

    def submit_text(self, text: str, timestamp_ns: int):
        if not text:
            return None
        with self.lock:
            i = bisect.bisect_right(self.times, timestamp_ns)
            if i == 0:
                return None
            frame = self.frames[i - 1]
            age = timestamp_ns - frame.timestamp_ns
            return (timestamp_ns, text, frame, age) if age <= self.max_age_ns else None

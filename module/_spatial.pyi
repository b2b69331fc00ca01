"""
Host-neutral spatial intent values and host grounding pass
"""
from __future__ import annotations
import collections.abc
import typing
__all__: list[str] = ['CapabilitySnapshot', 'ContextualIntentEvent', 'IntentTimeline', 'PointingIntent', 'PointingSource', 'Pose', 'Quaternion', 'Ray', 'ReferenceSpace', 'SelectState', 'SpatialHit', 'SpatialIntentFrame', 'TrackingConfidence', 'Vec3', 'resolve_target', 'to_dict', 'to_jsonl']
class Vec3:
    @typing.overload
    def __init__(self) -> None:
        ...
    @typing.overload
    def __init__(self, arg0: typing.SupportsFloat | typing.SupportsIndex, arg1: typing.SupportsFloat | typing.SupportsIndex, arg2: typing.SupportsFloat | typing.SupportsIndex) -> None:
        ...
    @property
    def x(self) -> float:
        ...
    @x.setter
    def x(self, arg0: typing.SupportsFloat | typing.SupportsIndex) -> None:
        ...
    @property
    def y(self) -> float:
        ...
    @y.setter
    def y(self, arg0: typing.SupportsFloat | typing.SupportsIndex) -> None:
        ...
    @property
    def z(self) -> float:
        ...
    @z.setter
    def z(self, arg0: typing.SupportsFloat | typing.SupportsIndex) -> None:
        ...
class Quaternion:
    @typing.overload
    def __init__(self) -> None:
        ...
    @typing.overload
    def __init__(self, arg0: typing.SupportsFloat | typing.SupportsIndex, arg1: typing.SupportsFloat | typing.SupportsIndex, arg2: typing.SupportsFloat | typing.SupportsIndex, arg3: typing.SupportsFloat | typing.SupportsIndex) -> None:
        ...
    @property
    def w(self) -> float:
        ...
    @w.setter
    def w(self, arg0: typing.SupportsFloat | typing.SupportsIndex) -> None:
        ...
    @property
    def x(self) -> float:
        ...
    @x.setter
    def x(self, arg0: typing.SupportsFloat | typing.SupportsIndex) -> None:
        ...
    @property
    def y(self) -> float:
        ...
    @y.setter
    def y(self, arg0: typing.SupportsFloat | typing.SupportsIndex) -> None:
        ...
    @property
    def z(self) -> float:
        ...
    @z.setter
    def z(self, arg0: typing.SupportsFloat | typing.SupportsIndex) -> None:
        ...
class Pose:
    orientation: Quaternion
    position: Vec3
    def __init__(self) -> None:
        ...
class Ray:
    direction: Vec3
    origin: Vec3
    @typing.overload
    def __init__(self) -> None:
        ...
    @typing.overload
    def __init__(self, arg0: Vec3, arg1: Vec3) -> None:
        ...
class TrackingConfidence:
    """
    Members:
    
      UNAVAILABLE
    
      ORIENTATION_ONLY
    
      POSITION_AND_ORIENTATION
    """
    ORIENTATION_ONLY: typing.ClassVar[TrackingConfidence]
    POSITION_AND_ORIENTATION: typing.ClassVar[TrackingConfidence]
    UNAVAILABLE: typing.ClassVar[TrackingConfidence]
    __members__: typing.ClassVar[dict[str, TrackingConfidence]]
    @typing.overload
    def __eq__(self, other: TrackingConfidence) -> bool:
        ...
    @typing.overload
    def __eq__(self, other: typing.Any) -> bool:
        ...
    def __getstate__(self) -> int:
        ...
    def __hash__(self) -> int:
        ...
    def __index__(self) -> int:
        ...
    def __init__(self, value: int) -> None:
        ...
    def __int__(self) -> int:
        ...
    @typing.overload
    def __ne__(self, other: TrackingConfidence) -> bool:
        ...
    @typing.overload
    def __ne__(self, other: typing.Any) -> bool:
        ...
    def __repr__(self) -> str:
        ...
    def __setstate__(self, state: int) -> None:
        ...
    def __str__(self) -> str:
        ...
    @property
    def name(self) -> str:
        ...
    @property
    def value(self) -> int:
        ...
class PointingSource:
    """
    Members:
    
      CONTROLLER
    
      HAND
    
      EYE_GAZE
    
      HEAD
    """
    CONTROLLER: typing.ClassVar[PointingSource]
    EYE_GAZE: typing.ClassVar[PointingSource]
    HAND: typing.ClassVar[PointingSource]
    HEAD: typing.ClassVar[PointingSource]
    __members__: typing.ClassVar[dict[str, PointingSource]]
    @typing.overload
    def __eq__(self, other: PointingSource) -> bool:
        ...
    @typing.overload
    def __eq__(self, other: typing.Any) -> bool:
        ...
    def __getstate__(self) -> int:
        ...
    def __hash__(self) -> int:
        ...
    def __index__(self) -> int:
        ...
    def __init__(self, value: int) -> None:
        ...
    def __int__(self) -> int:
        ...
    @typing.overload
    def __ne__(self, other: PointingSource) -> bool:
        ...
    @typing.overload
    def __ne__(self, other: typing.Any) -> bool:
        ...
    def __repr__(self) -> str:
        ...
    def __setstate__(self, state: int) -> None:
        ...
    def __str__(self) -> str:
        ...
    @property
    def name(self) -> str:
        ...
    @property
    def value(self) -> int:
        ...
class PointingIntent:
    confidence: TrackingConfidence
    ray: Ray
    source: PointingSource
    def __init__(self) -> None:
        ...
class SelectState:
    changed: bool
    pressed: bool
    def __init__(self) -> None:
        ...
    @property
    def last_change_time_ns(self) -> int:
        ...
    @last_change_time_ns.setter
    def last_change_time_ns(self, arg1: int) -> None:
        ...
class SpatialHit:
    host_id: str | None
    normal: Vec3
    position: Vec3
    def __init__(self) -> None:
        ...
class ReferenceSpace:
    id: str
    type: str
    def __init__(self) -> None:
        ...
    @property
    def generation(self) -> int:
        ...
    @generation.setter
    def generation(self, arg0: int) -> None:
        ...
class CapabilitySnapshot:
    action_input: bool
    eye_gaze: bool
    hand_interaction: bool
    hand_tracking: bool
    head_pose: bool
    def __init__(self) -> None:
        ...
    @property
    def enabled_extensions(self) -> list[str]:
        ...
    @enabled_extensions.setter
    def enabled_extensions(self, arg0: collections.abc.Sequence[str]) -> None:
        ...
class SpatialIntentFrame:
    capabilities: CapabilitySnapshot
    gaze_ray: Ray | None
    head_pose: Pose
    head_tracking: TrackingConfidence
    left_hand_pose: Pose | None
    pointing: PointingIntent | None
    primary_select: SelectState | None
    reference_space: ReferenceSpace
    right_hand_pose: Pose | None
    target: SpatialHit | None
    timestamp_domain: str
    def __init__(self) -> None:
        ...
    @property
    def timestamp_ns(self) -> int:
        ...
    @timestamp_ns.setter
    def timestamp_ns(self, arg1: int) -> None:
        ...
class ContextualIntentEvent:
    @property
    def spatial_age_ns(self) -> int:
        ...
    @property
    def spatial_context(self) -> SpatialIntentFrame:
        ...
    @property
    def text(self) -> str:
        ...
    @property
    def timestamp_ns(self) -> int:
        ...
class IntentTimeline:
    def __init__(self, capacity: int = 240, max_context_age_ns: int = 2000000000) -> None:
        ...
    def latest(self) -> SpatialIntentFrame | None:
        ...
    def push(self, arg0: SpatialIntentFrame) -> None:
        ...
    def submit_text(self, text: str, timestamp_ns: int) -> ContextualIntentEvent | None:
        ...
def resolve_target(frame: SpatialIntentFrame, raycast: collections.abc.Callable[[Ray], SpatialHit | None]) -> SpatialIntentFrame:
    """
    Ground a copied frame using a host Python callback.
    """
@typing.overload
def to_dict(arg0: SpatialIntentFrame) -> typing.Any:
    """
    Return a JSON-compatible realtime frame.
    """
@typing.overload
def to_dict(arg0: ContextualIntentEvent) -> typing.Any:
    """
    Return JSON-compatible agent/tool input.
    """
@typing.overload
def to_jsonl(arg0: SpatialIntentFrame) -> str:
    ...
@typing.overload
def to_jsonl(arg0: ContextualIntentEvent) -> str:
    ...

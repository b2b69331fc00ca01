"""quillary-spatial: the user's spatial intent for XR agents.

Everything of the native module `_spatial` (frames, the intent timeline, JSON lines, the
grounding pass) under one import, and what hosts and agent developers need around it: reading
lines back, session logs, replay and explanations, and grounding each deictic word of an
utterance ("put that there") for agents.
"""

import pkgutil

# The package's native module is installed beside these files; in a build tree it is built
# into a quillary_spatial folder of its own, which this adds to the package.
__path__ = pkgutil.extend_path(__path__, __name__)
del pkgutil

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
    resolve_target,
    to_dict,
    to_jsonl,
)

from . import schemas
from .grounding.settings import GroundingSettings
from .grounding.words import DEICTIC_WORDS, Candidate, GroundedUtterance, Reference, ground, ground_at_onset
from .log.checks import ReadError
from .log.lines import event_from_dict, frame_from_dict, read_event, read_frame, read_line
from .log.reader import Entry, SessionReader, TruncatedLog, read_session
from .log.recorder import Recorder
from .log.records import Scene, SceneObject, SessionHeader, Utterance, Word
from .replay import Difference, Replay, Replayed, first_difference, replay
from .timeline import ExplainedTimeline, Explanation, HistoryStart, Outcome
from .version import __version__
from .views.describe import describe_utterance

__all__ = [
    "Candidate", "CapabilitySnapshot", "ContextualIntentEvent", "DEICTIC_WORDS", "Difference", "Entry",
    "ExplainedTimeline", "Explanation", "GroundedUtterance", "GroundingSettings", "HistoryStart", "IntentTimeline",
    "Outcome", "PointingIntent", "PointingSource", "Pose", "Quaternion", "Ray", "ReadError", "Recorder", "Reference",
    "ReferenceSpace", "Replay", "Replayed", "Scene", "SceneObject", "SelectState", "SessionHeader", "SessionReader",
    "SpatialHit", "SpatialIntentFrame", "TrackingConfidence", "TruncatedLog", "Utterance", "Vec3", "Word",
    "__version__", "describe_utterance", "event_from_dict", "first_difference", "frame_from_dict", "ground",
    "ground_at_onset", "read_event", "read_frame", "read_line", "read_session", "replay", "resolve_target", "schemas",
    "to_dict", "to_jsonl",
]

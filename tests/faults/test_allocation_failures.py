"""Every public operation, run with its 1st, 2nd, ... allocation failing in turn until it
completes: each failure must surface as MemoryError, crash nothing, and leave what the
operation was changing as it was (for push: a reset that happened may stay, the frame is not
stored). Leaks are left to the sanitizer run, whose leak check covers this whole process."""

import ctypes
import itertools

import pytest

import _spatial as spatial

from frames import event_for, full_example_frame

_process = ctypes.CDLL(None)
if not hasattr(_process, "quillary_fail_allocation"):
    pytest.skip("needs the allocation-failure library preloaded (run through ctest)", allow_module_level=True)
_fail_allocation = _process.quillary_fail_allocation
_fail_allocation.argtypes = [ctypes.c_long]
_allocation_failed = _process.quillary_allocation_failed

# Strings long enough to live on the heap rather than inside std::string.
LONG = "a name long enough to need its own allocation"


def run_failing_each_allocation(case):
    """Returns how many of the operation's allocations were failed, one run each."""
    for n in itertools.count(1):
        state = case.setup()
        _fail_allocation(n)
        try:
            result = case.run(state)
        except MemoryError:
            _fail_allocation(0)
            assert _allocation_failed(), "MemoryError without an allocation failure"
            case.unchanged(state)
            continue
        finally:
            _fail_allocation(0)
        if _allocation_failed():
            # The failure was absorbed on the way; the result must still be right.
            case.succeeded(state, result)
            continue
        case.succeeded(state, result)
        return n - 1


class Case:
    def __init__(self, run, setup=lambda: None, unchanged=lambda state: None, succeeded=lambda state, result: None):
        self.setup, self.run, self.unchanged, self.succeeded = setup, run, unchanged, succeeded


def frame_at(timestamp_ns):
    frame = full_example_frame()
    frame.timestamp_ns = timestamp_ns
    frame.timestamp_domain = LONG
    frame.target.host_id = LONG
    frame.reference_space.id = LONG
    frame.capabilities.enabled_extensions = [LONG, LONG + "2"]
    return frame


# --- a record write leaves the record whole: as before, or as written -------------------------


def record_write(assign):
    class State:
        def __init__(self):
            self.frame = frame_at(1_000)
            self.before = spatial.to_jsonl(self.frame)

    def unchanged(state):
        assert spatial.to_jsonl(state.frame) == state.before

    def succeeded(state, result):
        assert spatial.to_jsonl(state.frame) != state.before

    return Case(lambda state: assign(state.frame), State, unchanged, succeeded)


def new_hit(frame):
    hit = spatial.SpatialHit()
    hit.position = spatial.Vec3(9, 9, 9)
    hit.host_id = LONG + " else"
    frame.target = hit


def new_space(frame):
    space = spatial.ReferenceSpace()
    space.type, space.id = LONG + " type", LONG + " id"
    frame.reference_space = space


def new_capabilities(frame):
    caps = spatial.CapabilitySnapshot()
    caps.eye_gaze = True
    caps.enabled_extensions = [LONG + " 3", LONG + " 4", LONG + " 5"]
    frame.capabilities = caps


def new_pointing(frame):
    pointing = spatial.PointingIntent()
    pointing.ray = spatial.Ray(spatial.Vec3(5, 5, 5), spatial.Vec3(0, 1, 0))
    frame.pointing = pointing


RECORD_WRITES = {
    "target": new_hit,
    "reference_space": new_space,
    "capabilities": new_capabilities,
    "enabled_extensions": lambda f: setattr(f.capabilities, "enabled_extensions", [LONG + " 6", LONG + " 7"]),
    "timestamp_domain": lambda f: setattr(f, "timestamp_domain", LONG + " other"),
    "host_id_through_a_view": lambda f: setattr(f.target, "host_id", LONG + " other"),
    "pointing": new_pointing,
}


# --- clearing an optional member with live views: all views detach, or none ------------------

OPTIONAL_VIEWS = {
    # member: paths of the views taken below it, and an attribute each writes to
    "pointing": [((), "confidence"), (("ray",), "origin"), (("ray", "origin"), "x"), (("ray", "direction"), "z")],
    "target": [((), "host_id"), (("position",), "y"), (("normal",), "z")],
    "left_hand_pose": [((), "position"), (("position",), "x"), (("orientation",), "w")],
    "primary_select": [((), "last_change_time_ns")],
    "gaze_ray": [((), "direction"), (("origin",), "x")],
}

NEW_VALUES = {"confidence": spatial.TrackingConfidence.POSITION_AND_ORIENTATION, "host_id": "moved",
              "origin": spatial.Vec3(4, 4, 4), "direction": spatial.Vec3(4, 4, 4), "position": spatial.Vec3(4, 4, 4),
              "last_change_time_ns": 4, "x": 4.0, "y": 4.0, "z": 4.0, "w": 4.0}


def walk(obj, path):
    for step in path:
        obj = getattr(obj, step)
    return obj


def same(a, b):
    if isinstance(a, spatial.Vec3):
        return (a.x, a.y, a.z) == (b.x, b.y, b.z)
    return a == b


def clearing_with_views(member):
    class State:
        def __init__(self):
            self.frame = frame_at(1_000)
            self.frame.left_hand_pose = spatial.Pose()
            self.views = [(walk(getattr(self.frame, member), path), path, attribute)
                          for path, attribute in OPTIONAL_VIEWS[member]]

    def unchanged(state):
        # Still set, and every view still writes through to it.
        assert getattr(state.frame, member) is not None
        for view, path, attribute in state.views:
            setattr(view, attribute, NEW_VALUES[attribute])
            assert same(getattr(walk(getattr(state.frame, member), path), attribute), NEW_VALUES[attribute])

    def succeeded(state, result):
        assert getattr(state.frame, member) is None
        for view, path, attribute in state.views:
            setattr(view, attribute, NEW_VALUES[attribute])
            assert same(getattr(view, attribute), NEW_VALUES[attribute])

    return Case(lambda state: setattr(state.frame, member, None), State, unchanged, succeeded)


# --- the timeline --------------------------------------------------------------------------


class TimelineState:
    def __init__(self):
        self.timeline = spatial.IntentTimeline(capacity=3)
        for t in (1_000, 2_000, 3_000):
            self.timeline.push(frame_at(t))
        self.newest = spatial.to_jsonl(self.timeline.latest())
        self.middle = spatial.to_jsonl(self.timeline.submit_text("x", 2_500))


def history_intact(state):
    assert spatial.to_jsonl(state.timeline.latest()) == state.newest
    assert spatial.to_jsonl(state.timeline.submit_text("x", 2_500)) == state.middle


def reset_or_intact(state):
    # An older frame clears the history before it is stored; failing to store it may leave the
    # timeline empty, but never holding the frame half-stored or the old history half-cleared.
    if state.timeline.latest() is not None:
        history_intact(state)


def pushed(timestamp_ns):
    def succeeded(state, result):
        assert state.timeline.latest().timestamp_ns == timestamp_ns

    return succeeded


def raycast(ray):
    hit = spatial.SpatialHit()
    hit.position = ray.origin
    hit.host_id = LONG + " hit"
    return hit


class FrameState:
    def __init__(self):
        self.frame = frame_at(1_000)
        self.line = spatial.to_jsonl(self.frame)
        self.event = spatial.IntentTimeline().submit_text("x", 0) or event_for(self.frame, LONG, 5)
        self.event_line = spatial.to_jsonl(self.event)


class LongLineState(FrameState):
    """Lines too long for the writer to keep its buffer, so that writing one allocates."""

    def __init__(self):
        self.frame = frame_at(1_000)
        self.frame.reference_space.id = "r" * 100_000
        self.line = spatial.to_jsonl(self.frame)
        self.event = event_for(self.frame, LONG, 5)
        self.event_line = spatial.to_jsonl(self.event)


def frame_unchanged(state):
    assert spatial.to_jsonl(state.frame) == state.line


CASES = {
    **{f"construct {name}": Case(make) for name, make in {
        "Vec3": lambda _: spatial.Vec3(1, 2, 3),
        "Quaternion": lambda _: spatial.Quaternion(),
        "Pose": lambda _: spatial.Pose(),
        "Ray": lambda _: spatial.Ray(spatial.Vec3(), spatial.Vec3()),
        "PointingIntent": lambda _: spatial.PointingIntent(),
        "SelectState": lambda _: spatial.SelectState(),
        "SpatialHit": lambda _: spatial.SpatialHit(),
        "ReferenceSpace": lambda _: spatial.ReferenceSpace(),
        "CapabilitySnapshot": lambda _: spatial.CapabilitySnapshot(),
        "SpatialIntentFrame": lambda _: spatial.SpatialIntentFrame(),
        "IntentTimeline": lambda _: spatial.IntentTimeline(),
        "TrackingConfidence": lambda _: spatial.TrackingConfidence(1),
    }.items()},
    **{f"write {name}": record_write(assign) for name, assign in RECORD_WRITES.items()},
    **{f"clear {member} with views": clearing_with_views(member) for member in OPTIONAL_VIEWS},
    "read a nested view": Case(lambda state: state.frame.pointing.ray.origin, FrameState, frame_unchanged),
    "push": Case(lambda state: state.timeline.push(frame_at(4_000)), TimelineState, history_intact, pushed(4_000)),
    "push an older frame": Case(lambda state: state.timeline.push(frame_at(500)), TimelineState, reset_or_intact, pushed(500)),
    "latest": Case(lambda state: state.timeline.latest(), TimelineState, history_intact,
                   lambda state, frame: spatial.to_jsonl(frame) == state.newest or pytest.fail("wrong frame")),
    "submit_text": Case(lambda state: state.timeline.submit_text(LONG, 3_001), TimelineState, history_intact,
                        lambda state, event: event.spatial_context.timestamp_ns == 3_000 or pytest.fail("wrong frame")),
    "resolve_target": Case(lambda state: spatial.resolve_target(state.frame, raycast), FrameState, frame_unchanged,
                           lambda state, grounded: grounded.target.host_id == LONG + " hit" or pytest.fail("no target")),
    "to_jsonl frame": Case(lambda state: spatial.to_jsonl(state.frame), LongLineState, frame_unchanged,
                           lambda state, line: line == state.line or pytest.fail("wrong line")),
    "to_jsonl event": Case(lambda state: spatial.to_jsonl(state.event), LongLineState, frame_unchanged,
                           lambda state, line: line == state.event_line or pytest.fail("wrong line")),
    "to_dict frame": Case(lambda state: spatial.to_dict(state.frame), LongLineState, frame_unchanged,
                          lambda state, d: d["timestamp_domain"] == LONG or pytest.fail("wrong dict")),
    "to_dict event": Case(lambda state: spatial.to_dict(state.event), LongLineState, frame_unchanged,
                          lambda state, d: d["text"] == LONG or pytest.fail("wrong dict")),
}


@pytest.mark.parametrize("name", list(CASES))
def test_every_allocation_failure_is_a_clean_memory_error(name):
    failed = run_failing_each_allocation(CASES[name])
    assert failed >= 1, "the operation allocated nothing, so nothing was tested"

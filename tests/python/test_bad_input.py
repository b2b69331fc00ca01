"""Bad input everywhere a host can pass it: each gets its documented exception and changes nothing."""

import math

import pytest

import _spatial as spatial
import quillary_spatial as qs
from _spatial import (
    CapabilitySnapshot,
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
)
from frames import event_for, full_example_frame

HUGE = "x" * 10_000_000


def state(value):
    """Everything a record says, read through its properties, for before/after comparisons."""
    if isinstance(value, (TrackingConfidence, PointingSource)):
        return (type(value).__name__, value.value)
    if isinstance(value, float):
        return repr(value)
    if isinstance(value, (int, str, bool, type(None))):
        return value
    if isinstance(value, list):
        return [state(v) for v in value]
    names = [n for n, d in vars(type(value)).items() if isinstance(d, property)]
    return {name: state(getattr(value, name)) for name in names}


def full_hit():
    return full_example_frame().target


def full_pointing():
    return full_example_frame().pointing


def full_caps():
    return full_example_frame().capabilities


class NotAVec3:
    x = y = z = 1.0


class SubVec3(Vec3):
    pass


FLOAT_BAD = ["1.0", b"1", None, [1.0], NotAVec3(), HUGE]
NS_BAD = [1.5, math.nan, 2**63, -(2**63) - 1, "1", None, HUGE]
UINT_BAD = [-1, 2**64, 1.0, None, "3"]
BOOL_BAD = ["yes", HUGE, [True], object()]
STR_BAD = [None, 5, 1.5, ["a"], object()]
OPT_STR_BAD = [5, ["a"], object()]
LIST_BAD = ["ab", HUGE, b"ab", [1], [None], iter(["a"]), 5, None]
ENUM_BAD = [0, None, "HEAD", 1.0]

ATTRIBUTE_CASES = [
    *[(lambda: Vec3(1, 2, 3), name, bad) for name in "xyz" for bad in FLOAT_BAD],
    *[(lambda: Quaternion(1, 2, 3, 4), "w", bad) for bad in FLOAT_BAD],
    (Pose, "position", Quaternion()),
    (Pose, "position", None),
    (Pose, "orientation", Vec3()),
    (Ray, "origin", None),
    (Ray, "direction", (0, 0, 1)),
    *[(full_pointing, "source", bad) for bad in ENUM_BAD + [TrackingConfidence.UNAVAILABLE]],
    *[(full_pointing, "confidence", bad) for bad in ENUM_BAD + [PointingSource.HAND]],
    (full_pointing, "ray", Pose()),
    *[(SelectState, "pressed", bad) for bad in BOOL_BAD],
    *[(SelectState, "last_change_time_ns", bad) for bad in NS_BAD],
    *[(full_hit, "host_id", bad) for bad in OPT_STR_BAD],
    (full_hit, "normal", None),
    *[(ReferenceSpace, "id", bad) for bad in STR_BAD],
    *[(ReferenceSpace, "generation", bad) for bad in UINT_BAD],
    *[(full_caps, "eye_gaze", bad) for bad in BOOL_BAD],
    *[(full_caps, "enabled_extensions", bad) for bad in LIST_BAD],
    *[(full_example_frame, "timestamp_ns", bad) for bad in NS_BAD],
    *[(full_example_frame, "timestamp_domain", bad) for bad in STR_BAD],
    *[(full_example_frame, "head_tracking", bad) for bad in ENUM_BAD],
    *[(full_example_frame, name, bad)
      for name in ("pointing", "primary_select", "left_hand_pose", "gaze_ray", "target")
      for bad in (1, Vec3(), "x")],
    *[(full_example_frame, name, None) for name in ("reference_space", "head_pose", "capabilities")],
]


def case_id(case):
    factory, name, bad = case
    shown = "HUGE" if bad is HUGE else type(bad).__name__
    return f"{name}-{shown}"


@pytest.mark.parametrize("factory, name, bad", ATTRIBUTE_CASES, ids=[case_id(c) for c in ATTRIBUTE_CASES])
def test_bad_attribute_writes_raise_type_error_and_change_nothing(factory, name, bad):
    owner = factory()
    before = state(owner)
    with pytest.raises(TypeError):
        setattr(owner, name, bad)
    assert state(owner) == before


def test_odd_but_valid_values_are_kept():
    frame = full_example_frame()
    frame.head_pose.position = SubVec3(math.nan, math.inf, -0.0)  # a subclass is a Vec3
    assert math.isnan(frame.head_pose.position.x)
    frame.timestamp_domain = HUGE
    assert len(frame.timestamp_domain) == len(HUGE)
    assert len(spatial.to_jsonl(frame)) > len(HUGE)
    frame.reference_space.id = b"\xff\xfe"
    with pytest.raises(UnicodeDecodeError):
        frame.reference_space.id
    for function in (spatial.to_jsonl, spatial.to_dict):
        with pytest.raises(UnicodeDecodeError):
            function(frame)


@pytest.mark.parametrize(
    "name, make",
    [
        ("unknown attribute", lambda: setattr(Vec3(), "w", 1.0)),
        ("event text", lambda: setattr(event_for(full_example_frame()), "text", "x")),
        ("event frame", lambda: setattr(event_for(full_example_frame()), "spatial_context", SpatialIntentFrame())),
        ("timeline attribute", lambda: setattr(IntentTimeline(), "capacity", 1)),
    ],
)
def test_attribute_errors(name, make):
    with pytest.raises(AttributeError):
        make()


CONSTRUCTOR_CASES = [
    (Vec3, (1, 2)), (Vec3, ("1", 2, 3)), (Vec3, (None, 2, 3)), (Quaternion, (1, 2, 3)),
    (Pose, (Vec3(), Quaternion())), (Ray, (Vec3(),)), (Ray, (None, None)), (Ray, (Pose(), Vec3())),
    (PointingIntent, (1,)), (SelectState, (True,)), (SpatialHit, ("id",)), (ReferenceSpace, ("t", "i", 0)),
    (CapabilitySnapshot, (True,)), (SpatialIntentFrame, (0,)), (spatial.ContextualIntentEvent, ()),
    (TrackingConfidence, (2**31,)), (PointingSource, ("HAND",)), (PointingSource, (None,)),
    (IntentTimeline, (-1,)), (IntentTimeline, (240.0,)), (IntentTimeline, (2**64,)), (IntentTimeline, (None,)),
    (IntentTimeline, (240, 2**63)), (IntentTimeline, (240, 1.5)), (IntentTimeline, (240, "2")),
]


@pytest.mark.parametrize("cls, args", CONSTRUCTOR_CASES, ids=[f"{c.__name__}{a!r:.30}" for c, a in CONSTRUCTOR_CASES])
def test_bad_constructor_arguments_raise_type_error(cls, args):
    with pytest.raises(TypeError):
        cls(*args)


def filled_timeline():
    timeline = IntentTimeline(4, 1000)
    for t in (100, 200, 300):
        frame = full_example_frame()
        frame.timestamp_ns = t
        timeline.push(frame)
    return timeline


def timeline_state(timeline):
    return [state(timeline.submit_text("probe", t)) for t in (100, 200, 300, 400)]


CALL_CASES = [
    ("push None", lambda t: t.push(None)),
    ("push Pose", lambda t: t.push(Pose())),
    ("push event", lambda t: t.push(event_for(full_example_frame()))),
    ("push two", lambda t: t.push(full_example_frame(), full_example_frame())),
    ("submit None", lambda t: t.submit_text(None, 300)),
    ("submit int", lambda t: t.submit_text(5, 300)),
    ("submit surrogate", lambda t: t.submit_text("\udc80", 300)),
    ("submit float time", lambda t: t.submit_text("x", 300.0)),
    ("submit huge time", lambda t: t.submit_text("x", 2**63)),
    ("submit no time", lambda t: t.submit_text("x")),
    ("latest argument", lambda t: t.latest(1)),
]


@pytest.mark.parametrize("name, call", CALL_CASES, ids=[n for n, _ in CALL_CASES])
def test_bad_timeline_calls_raise_type_error_and_leave_it_unchanged(name, call):
    timeline = filled_timeline()
    before = timeline_state(timeline)
    with pytest.raises(TypeError):
        call(timeline)
    assert timeline_state(timeline) == before


def test_huge_and_invalid_text_is_taken_byte_for_byte():
    timeline = filled_timeline()
    assert len(timeline.submit_text(HUGE, 300).text) == len(HUGE)
    assert timeline.submit_text(bytearray(b"\xc3\x28"), 300) is not None


FUNCTION_CASES = [
    ("resolve None frame", lambda f: spatial.resolve_target(None, lambda r: None)),
    ("resolve Pose frame", lambda f: spatial.resolve_target(Pose(), lambda r: None)),
    ("resolve None callable", lambda f: spatial.resolve_target(f, None)),
    ("resolve number callable", lambda f: spatial.resolve_target(f, 5)),
    ("resolve str callable", lambda f: spatial.resolve_target(f, "raycast")),
    ("to_jsonl None", lambda f: spatial.to_jsonl(None)),
    ("to_jsonl Vec3", lambda f: spatial.to_jsonl(Vec3())),
    ("to_jsonl keyword", lambda f: spatial.to_jsonl(frame=f)),
    ("to_dict int", lambda f: spatial.to_dict(1)),
    ("to_dict two", lambda f: spatial.to_dict(f, f)),
]


@pytest.mark.parametrize("name, call", FUNCTION_CASES, ids=[n for n, _ in FUNCTION_CASES])
def test_bad_function_arguments_raise_type_error_and_leave_the_frame_unchanged(name, call):
    frame = full_example_frame()
    before = state(frame)
    with pytest.raises(TypeError, match="incompatible function arguments"):
        call(frame)
    assert state(frame) == before


@pytest.mark.parametrize("answer", [42, "hit", Vec3(), full_example_frame(), [SpatialHit()]],
                         ids=["int", "str", "vec3", "frame", "list"])
def test_wrong_raycast_answers_raise_runtime_error_and_leave_the_frame_unchanged(answer):
    frame = full_example_frame()
    before = state(frame)
    with pytest.raises(RuntimeError, match="^Unable to cast Python instance of type "):
        spatial.resolve_target(frame, lambda ray: answer)
    assert state(frame) == before


# --- instances whose __init__ never ran -------------------------------------------------------
# __new__ alone gives an instance with no value behind it. Every way it can enter the module
# must refuse it by name, never touch the storage behind it.

BARE_CLASSES = [Vec3, Quaternion, Pose, Ray, TrackingConfidence, PointingSource, PointingIntent, SelectState,
                SpatialHit, ReferenceSpace, CapabilitySnapshot, SpatialIntentFrame, spatial.ContextualIntentEvent,
                IntentTimeline]


def properties(cls):
    """The instance attributes (an enumeration's __doc__ and __members__ belong to the class)."""
    return [name for name, d in vars(cls).items() if isinstance(d, property) and not name.startswith("__")]


def entry_points(cls):
    """Every way a bare instance of `cls` can be handed to the module, as calls."""
    calls = [(f"read {name}", lambda bare, name=name: getattr(bare, name)) for name in properties(cls)]
    calls += [(f"write {name}", lambda bare, name=name: setattr(bare, name, getattr(cls(), name)))
              for name in properties(cls) if cls not in (spatial.ContextualIntentEvent, IntentTimeline)
              and vars(cls)[name].fset is not None and cls not in (TrackingConfidence, PointingSource)]
    if cls in (TrackingConfidence, PointingSource):
        calls += [("int", lambda bare: int(bare)), ("repr", lambda bare: repr(bare)), ("==", lambda bare: bare == bare)]
    for function in (spatial.to_jsonl, spatial.to_dict):
        calls.append((function.__name__, lambda bare, f=function: f(bare)))
    calls.append(("push", lambda bare: IntentTimeline().push(bare)))
    if cls is IntentTimeline:
        calls += [("push to it", lambda bare: bare.push(SpatialIntentFrame())), ("latest", lambda bare: bare.latest()),
                  ("submit_text", lambda bare: bare.submit_text("x", 1))]
    if cls is Vec3:
        calls.append(("Ray(origin, direction)", lambda bare: Ray(bare, Vec3())))
    if cls is SpatialIntentFrame:
        calls.append(("resolve_target", lambda bare: spatial.resolve_target(bare, lambda ray: None)))
    if cls is SpatialHit:
        def ground(bare):
            frame = SpatialIntentFrame()
            frame.pointing = PointingIntent()
            return spatial.resolve_target(frame, lambda ray: bare)
        calls.append(("returned by the ray cast", ground))

        def gaze_cast(bare):
            timeline = IntentTimeline()
            frame = SpatialIntentFrame()
            frame.gaze_ray = Ray(Vec3(), Vec3(0, 0, -1))
            timeline.push(frame)
            return qs.ground(timeline, "that", [qs.Word("that", 0, 1)], 2, raycast=lambda ray: bare)
        calls.append(("returned by ground's gaze ray cast", gaze_cast))
    # As the value written to a record member of that type.
    holders = {Vec3: (Pose, "position"), Quaternion: (Pose, "orientation"), Pose: (SpatialIntentFrame, "head_pose"),
               Ray: (PointingIntent, "ray"), PointingIntent: (SpatialIntentFrame, "pointing"),
               SelectState: (SpatialIntentFrame, "primary_select"), SpatialHit: (SpatialIntentFrame, "target"),
               ReferenceSpace: (SpatialIntentFrame, "reference_space"),
               CapabilitySnapshot: (SpatialIntentFrame, "capabilities"),
               TrackingConfidence: (SpatialIntentFrame, "head_tracking"), PointingSource: (PointingIntent, "source")}
    if cls in holders:
        holder, name = holders[cls]
        calls.append((f"{holder.__name__}.{name} = it", lambda bare: setattr(holder(), name, bare)))
    return calls


BARE_CASES = [(cls, name, call) for cls in BARE_CLASSES for name, call in entry_points(cls)]


@pytest.mark.parametrize("cls, entry, call", BARE_CASES, ids=[f"{c.__name__}-{e}" for c, e, _ in BARE_CASES])
def test_a_bare_instance_is_refused_at_every_entry_point(cls, entry, call):
    bare = cls.__new__(cls)
    try:
        call(bare)
    except TypeError as error:
        # Refused by name where it is the instance itself; elsewhere as a wrong argument.
        assert "__init__() was not called on this instance" in str(error) or "incompatible" in str(error)
        assert f"_spatial.{cls.__name__}.__init__" in str(error) or "incompatible" in str(error)
    else:
        pytest.fail(f"{entry} accepted a {cls.__name__} whose __init__ never ran")

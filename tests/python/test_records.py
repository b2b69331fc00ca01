import copy
import gc
import pickle

import pytest

from _spatial import (
    CapabilitySnapshot,
    ContextualIntentEvent,
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
    to_jsonl,
)

from frames import event_for

INT64_MIN, INT64_MAX, UINT64_MAX = -(2**63), 2**63 - 1, 2**64 - 1


class Indexy:
    def __init__(self, value):
        self.value = value

    def __index__(self):
        return self.value


# --- enumerations -----------------------------------------------------------------------


@pytest.mark.parametrize(
    "enum, members",
    [
        (TrackingConfidence, ["UNAVAILABLE", "ORIENTATION_ONLY", "POSITION_AND_ORIENTATION"]),
        (PointingSource, ["CONTROLLER", "HAND", "EYE_GAZE", "HEAD"]),
    ],
)
def test_enumeration_members_values_and_doc(enum, members):
    assert list(enum.__members__) == members
    assert [int(enum.__members__[name]) for name in members] == list(range(len(members)))
    assert enum.__doc__ == "Members:" + "".join(f"\n\n  {name}" for name in members)


def test_enumeration_instances_from_integers():
    one = TrackingConfidence(1)
    assert one == TrackingConfidence.ORIENTATION_ONLY
    assert repr(one) == "<TrackingConfidence.ORIENTATION_ONLY: 1>"
    assert str(one) == "TrackingConfidence.ORIENTATION_ONLY"
    assert TrackingConfidence(value=2) == TrackingConfidence.POSITION_AND_ORIENTATION
    unlisted = TrackingConfidence(7)
    assert unlisted.name == "???" and unlisted.value == 7
    assert int(PointingSource.HEAD) == 3
    assert TrackingConfidence.UNAVAILABLE != 0
    assert TrackingConfidence.UNAVAILABLE != PointingSource.CONTROLLER
    assert hash(PointingSource.HAND) == hash(1)


@pytest.mark.parametrize("value", [2**31, -(2**31) - 1, 1.0, "1"])
def test_enumeration_constructor_refuses_out_of_range_and_non_int(value):
    with pytest.raises(TypeError):
        TrackingConfidence(value)


def test_enumerations_pickle_and_copy():
    assert pickle.loads(pickle.dumps(PointingSource.EYE_GAZE)) == PointingSource.EYE_GAZE
    assert copy.copy(TrackingConfidence(7)).value == 7


# --- defaults ----------------------------------------------------------------------------


def test_frame_defaults():
    frame = SpatialIntentFrame()
    assert frame.timestamp_ns == 0
    assert frame.timestamp_domain == ""
    assert (frame.reference_space.type, frame.reference_space.id) == ("", "")
    assert frame.reference_space.generation == 0
    assert frame.head_pose.orientation.w == 1.0
    assert frame.head_tracking == TrackingConfidence.UNAVAILABLE
    assert frame.head_tracking is not TrackingConfidence.UNAVAILABLE
    for name in ("pointing", "primary_select", "left_hand_pose", "right_hand_pose", "gaze_ray", "target"):
        assert getattr(frame, name) is None
    caps = frame.capabilities
    assert not any(
        (caps.head_pose, caps.action_input, caps.hand_tracking, caps.hand_interaction, caps.eye_gaze)
    )
    assert caps.enabled_extensions == []


def test_record_defaults():
    pointing = PointingIntent()
    assert pointing.source == PointingSource.HEAD
    assert pointing.confidence == TrackingConfidence.UNAVAILABLE
    select = SelectState()
    assert (select.pressed, select.changed, select.last_change_time_ns) == (False, False, 0)
    assert SpatialHit().host_id is None


@pytest.mark.parametrize(
    "cls", [PointingIntent, SelectState, SpatialHit, ReferenceSpace, CapabilitySnapshot, SpatialIntentFrame]
)
def test_records_take_no_constructor_arguments(cls):
    with pytest.raises(TypeError):
        cls(1)


def test_event_has_no_constructor():
    with pytest.raises(TypeError, match=r"^_spatial\.ContextualIntentEvent: No constructor defined!$"):
        ContextualIntentEvent()


# --- attribute conversions ---------------------------------------------------------------

INTEGER_ATTRIBUTES = [
    # (make record, attribute, lowest accepted, highest accepted)
    (SpatialIntentFrame, "timestamp_ns", INT64_MIN, INT64_MAX),
    (SelectState, "last_change_time_ns", INT64_MIN, INT64_MAX),
    (ReferenceSpace, "generation", 0, UINT64_MAX),
]


@pytest.mark.parametrize("cls, name, lowest, highest", INTEGER_ATTRIBUTES)
def test_integer_attributes_take_their_full_range(cls, name, lowest, highest):
    record = cls()
    for value, expected in ((lowest, lowest), (highest, highest), (Indexy(5), 5), (True, 1)):
        setattr(record, name, value)
        assert getattr(record, name) == expected
        assert type(getattr(record, name)) is int


@pytest.mark.parametrize("cls, name, lowest, highest", INTEGER_ATTRIBUTES)
@pytest.mark.parametrize("offset", ["below", "above", "float", "str", "none"])
def test_integer_attributes_refuse_with_type_error(cls, name, lowest, highest, offset):
    bad = {"below": lowest - 1, "above": highest + 1, "float": 1.5, "str": "1", "none": None}[offset]
    record = cls()
    setattr(record, name, 3)
    with pytest.raises(TypeError, match=r"\(\): incompatible"):
        setattr(record, name, bad)
    assert getattr(record, name) == 3


class Truthy:
    def __bool__(self):
        return True


@pytest.mark.parametrize("value, stored", [(True, True), (False, False), (None, False), (2, True), (0.0, False), (Truthy(), True)])
def test_bool_attributes(value, stored):
    select = SelectState()
    select.pressed = value
    assert select.pressed is stored


def test_bool_attributes_refuse_str():
    caps = CapabilitySnapshot()
    with pytest.raises(TypeError):
        caps.eye_gaze = "yes"


@pytest.mark.parametrize("value, read", [("stage", "stage"), (b"room", "room"), (bytearray(b"x"), "x"), ("é", "é")])
def test_str_attributes_take_str_bytes_and_bytearray(value, read):
    space = ReferenceSpace()
    space.type = value
    assert space.type == read


def test_str_attributes_refuse_other_types_and_decode_strictly():
    frame = SpatialIntentFrame()
    with pytest.raises(TypeError):
        frame.timestamp_domain = 5
    with pytest.raises(TypeError):
        frame.timestamp_domain = None
    frame.timestamp_domain = b"\xff"
    with pytest.raises(UnicodeDecodeError):
        frame.timestamp_domain


def test_optional_str_host_id():
    hit = SpatialHit()
    hit.host_id = ""
    assert hit.host_id == ""
    hit.host_id = b"table-7"
    assert hit.host_id == "table-7"
    hit.host_id = None
    assert hit.host_id is None


def gen():
    yield "g"


@pytest.mark.parametrize(
    "value, read",
    [
        (("a", "b"), ["a", "b"]),
        (["a", b"b", bytearray(b"c")], ["a", "b", "c"]),
        ({"s"}, ["s"]),
        (frozenset(["f"]), ["f"]),
        (gen(), ["g"]),
        ({"k": 1}.keys(), ["k"]),
        ({1: "v"}.values(), ["v"]),
        (map(str, [1, 2]), ["1", "2"]),
        (["dup", "dup"], ["dup", "dup"]),
    ],
    ids=["tuple", "list", "set", "frozenset", "generator", "keys", "values", "map", "duplicates"],
)
def test_extension_list_takes_iterables(value, read):
    caps = CapabilitySnapshot()
    caps.enabled_extensions = value
    assert caps.enabled_extensions == read


@pytest.mark.parametrize("value", ["ab", b"ab", iter(["a"]), [1], None], ids=["str", "bytes", "iterator", "ints", "none"])
def test_extension_list_refuses_single_strings_and_plain_iterators(value):
    caps = CapabilitySnapshot()
    caps.enabled_extensions = ["kept"]
    with pytest.raises(TypeError):
        caps.enabled_extensions = value
    assert caps.enabled_extensions == ["kept"]


def test_extension_list_reads_a_new_list_each_time():
    caps = CapabilitySnapshot()
    caps.enabled_extensions.append("lost")
    assert caps.enabled_extensions == []
    assert caps.enabled_extensions is not caps.enabled_extensions


def test_enumeration_attributes_take_only_their_enumeration():
    pointing = PointingIntent()
    for bad in (1, TrackingConfidence.ORIENTATION_ONLY, None):
        with pytest.raises(TypeError):
            pointing.source = bad
    pointing.source = PointingSource(9)
    assert pointing.source.value == 9 and pointing.source.name == "???"


# --- record attributes and views ---------------------------------------------------------


def test_optional_record_views_write_through_and_none_clears():
    frame = SpatialIntentFrame()
    frame.pointing = PointingIntent()
    assert frame.pointing.source == PointingSource.HEAD
    frame.pointing.ray.direction.z = 1.0
    assert frame.pointing.ray.direction.z == 1.0
    frame.pointing = None
    assert frame.pointing is None


def test_assigning_an_optional_record_copies_it():
    frame = SpatialIntentFrame()
    hit = SpatialHit()
    hit.host_id = "lamp"
    frame.target = hit
    hit.host_id = "wall"
    assert frame.target.host_id == "lamp"


def test_assigning_a_value_keeps_existing_views_live():
    frame = SpatialIntentFrame()
    frame.left_hand_pose = Pose()
    view = frame.left_hand_pose
    replacement = Pose()
    replacement.position.x = 4.0
    frame.left_hand_pose = replacement
    assert view.position.x == 4.0


def test_assigning_the_wrong_type_to_a_record_attribute_fails():
    frame = SpatialIntentFrame()
    with pytest.raises(TypeError):
        frame.pointing = Pose()
    with pytest.raises(TypeError):
        frame.head_pose = None


def test_event_attributes_are_read_only_but_its_frame_view_is_writable():
    event = event_for(SpatialIntentFrame())
    for name, value in [("text", "x"), ("timestamp_ns", 1), ("spatial_age_ns", 1), ("spatial_context", SpatialIntentFrame())]:
        with pytest.raises(AttributeError):
            setattr(event, name, value)
    event.spatial_context.timestamp_ns = 42
    assert event.spatial_context.timestamp_ns == 42


# --- views of optional members after the member is cleared -------------------------------
# A view obtained before `frame.<member> = None` becomes an independent copy of its last value.

STALE_VIEW_CASES = [
    # (member, value factory, path to the view below the member, attribute read/written)
    ("target", SpatialHit, (), "host_id"),
    ("target", SpatialHit, ("position",), "x"),
    ("pointing", PointingIntent, ("ray", "origin"), "x"),
    ("pointing", PointingIntent, ("ray",), "origin"),
    ("primary_select", SelectState, (), "last_change_time_ns"),
    ("left_hand_pose", Pose, ("orientation",), "w"),
    ("right_hand_pose", Pose, (), "position"),
    ("gaze_ray", Ray, ("direction",), "z"),
]


def value_for(attribute):
    return {"host_id": "table-7", "x": 1.5, "w": 0.5, "z": -1.0, "last_change_time_ns": 99}.get(attribute)


def walk(obj, path):
    for step in path:
        obj = getattr(obj, step)
    return obj


@pytest.mark.parametrize("member, factory, path, attribute", STALE_VIEW_CASES)
@pytest.mark.parametrize("drop_frame_first", [True, False])
def test_stale_view_becomes_a_detached_copy(member, factory, path, attribute, drop_frame_first):
    frame = SpatialIntentFrame()
    setattr(frame, member, factory())
    view = walk(getattr(frame, member), path)
    if value_for(attribute) is not None:
        setattr(view, attribute, value_for(attribute))
    before = getattr(view, attribute)

    setattr(frame, member, None)
    assert getattr(frame, member) is None
    after = getattr(view, attribute)
    if isinstance(before, Vec3):
        assert (after.x, after.y, after.z) == (before.x, before.y, before.z)
    else:
        assert after == before

    # Writing to the detached view never reaches the frame, even after it gets a new value.
    setattr(frame, member, factory())
    if isinstance(before, Vec3):
        setattr(view, attribute, Vec3(7, 7, 7))
        assert walk(getattr(frame, member), path + (attribute,)).x != 7
    elif attribute == "host_id":
        view.host_id = "x"
        assert frame.target.host_id is None
    if drop_frame_first:
        del frame
        gc.collect()
        getattr(view, attribute)
    del view
    gc.collect()


def test_nested_stale_views_of_one_member_are_independent_afterwards():
    frame = SpatialIntentFrame()
    frame.pointing = PointingIntent()
    ray = frame.pointing.ray
    origin = frame.pointing.ray.origin
    origin.x = 2.0
    frame.pointing = None
    assert ray.origin.x == 2.0 and origin.x == 2.0
    origin.x = 3.0
    assert ray.origin.x == 2.0


# Every view an optional member can hand out, below each member.
VIEW_PATHS = {
    "pointing": (PointingIntent, [(), ("ray",), ("ray", "origin"), ("ray", "direction")]),
    "primary_select": (SelectState, [()]),
    "left_hand_pose": (Pose, [(), ("position",), ("orientation",)]),
    "right_hand_pose": (Pose, [(), ("position",), ("orientation",)]),
    "gaze_ray": (Ray, [(), ("origin",), ("direction",)]),
    "target": (SpatialHit, [(), ("position",), ("normal",)]),
}


def scribble(view):
    """Writes a new value to every field that can be reached through the view."""
    if isinstance(view, (Vec3, Quaternion)):
        for name in ("x", "y", "z", "w"):
            if hasattr(view, name):
                setattr(view, name, 7.0)
        return
    fields = {
        Pose: ["position", "orientation"], Ray: ["origin", "direction"], PointingIntent: ["ray"],
        SpatialHit: ["position", "normal"],
    }
    for name in fields.get(type(view), []):
        scribble(getattr(view, name))
    if isinstance(view, PointingIntent):
        view.source, view.confidence = PointingSource.HAND, TrackingConfidence.ORIENTATION_ONLY
    if isinstance(view, SelectState):
        view.pressed, view.changed, view.last_change_time_ns = True, True, 7
    if isinstance(view, SpatialHit):
        view.host_id = "scribbled"


@pytest.mark.parametrize("member, path", [(m, p) for m, (_, paths) in VIEW_PATHS.items() for p in paths])
def test_a_stale_view_never_writes_into_the_next_value(member, path):
    factory = VIEW_PATHS[member][0]
    frame = SpatialIntentFrame()
    setattr(frame, member, factory())
    view = walk(getattr(frame, member), path)
    setattr(frame, member, None)
    setattr(frame, member, factory())
    before = to_jsonl(frame)
    scribble(view)
    assert to_jsonl(frame) == before

#include "frame_from_members.hpp"

#include <cmath>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>

#include "json_writers.hpp"

namespace py = pybind11;

namespace quillary::spatial::native {

namespace {

// The member names as str objects, made once: a lookup by a char* would make one each time,
// and a frame has forty members. Kept for the life of the process.
enum Key : std::size_t {
    TIMESTAMP_NS,
    TIMESTAMP_DOMAIN,
    REFERENCE_SPACE,
    TYPE,
    ID,
    GENERATION,
    HEAD,
    HEAD_TRACKING,
    POINTING,
    SOURCE,
    CONFIDENCE,
    ORIGIN,
    DIRECTION,
    PRIMARY_SELECT,
    PRESSED,
    CHANGED,
    LAST_CHANGE_TIME_NS,
    LEFT_HAND,
    RIGHT_HAND,
    GAZE,
    TARGET,
    POSITION,
    NORMAL,
    HOST_ID,
    CAPABILITIES,
    HEAD_POSE,
    ACTION_INPUT,
    HAND_TRACKING,
    HAND_INTERACTION,
    EYE_GAZE,
    ENABLED_EXTENSIONS,
    ORIENTATION,
    KEY_COUNT
};
constexpr const char* key_names[KEY_COUNT] = {
    "timestamp_ns",
    "timestamp_domain",
    "reference_space",
    "type",
    "id",
    "generation",
    "head",
    "head_tracking",
    "pointing",
    "source",
    "confidence",
    "origin",
    "direction",
    "primary_select",
    "pressed",
    "changed",
    "last_change_time_ns",
    "left_hand",
    "right_hand",
    "gaze",
    "target",
    "position",
    "normal",
    "host_id",
    "capabilities",
    "head_pose",
    "action_input",
    "hand_tracking",
    "hand_interaction",
    "eye_gaze",
    "enabled_extensions",
    "orientation",
};
PyObject* keys[KEY_COUNT] = {};

// A member's value, or nullptr when absent.
PyObject* find(const py::dict& record, Key name) {
    PyObject* found = PyDict_GetItemWithError(record.ptr(), keys[name]);
    if (found == nullptr && PyErr_Occurred()) {
        throw py::error_already_set();
    }
    return found;
}

// A member's value; a missing member raises KeyError.
py::handle member(const py::dict& record, Key name) {
    PyObject* found = find(record, name);
    if (found == nullptr) {
        throw py::key_error(key_names[name]);
    }
    return found;
}

// Type-checked: anything but a dict or list raises rather than being read as one.
py::dict as_dict(py::handle value) { return value.cast<py::dict>(); }
py::list as_list(py::handle value) { return value.cast<py::list>(); }

// null is how the writer writes a non-finite number.
double number(py::handle value) {
    return value.is_none() ? std::numeric_limits<double>::quiet_NaN() : value.cast<double>();
}

Vec3 vec3(py::handle value) {
    const auto list = as_list(value);
    if (list.size() != 3) {
        throw py::value_error("expected 3 numbers");
    }
    return {number(list[0]), number(list[1]), number(list[2])};
}

Pose pose(py::handle value) {
    const auto record = as_dict(value);
    const auto orientation = as_list(member(record, ORIENTATION));
    if (orientation.size() != 4) {
        throw py::value_error("expected 4 numbers");
    }
    return {vec3(member(record, POSITION)),
            {number(orientation[0]), number(orientation[1]), number(orientation[2]), number(orientation[3])}};
}

Ray ray(const py::dict& record) { return {vec3(member(record, ORIGIN)), vec3(member(record, DIRECTION))}; }

template <class Enum>
Enum named(std::string_view name, std::string_view (*name_of)(Enum), int count) {
    for (int value = 0; value < count; ++value) {
        if (name_of(static_cast<Enum>(value)) == name) {
            return static_cast<Enum>(value);
        }
    }
    throw py::value_error("unknown value " + std::string(name));
}

bool flag(const py::dict& record, Key name) {
    const auto value = member(record, name);
    if (!PyBool_Check(value.ptr())) {
        throw py::type_error(std::string(key_names[name]) + ": expected true or false");
    }
    return value.ptr() == Py_True;
}

// The enumerations by their wire names, from the writer's own names.
TrackingConfidence confidence_named(std::string_view name) {
    return named<TrackingConfidence>(name, json::tracking_confidence_name, tracking_confidence_count);
}

PointingSource source_named(std::string_view name) {
    return named<PointingSource>(name, json::pointing_source_name, pointing_source_count);
}

}  // namespace

void make_member_keys() {
    for (std::size_t i = 0; i < KEY_COUNT; ++i) {
        if (keys[i] == nullptr) {
            keys[i] = PyUnicode_InternFromString(key_names[i]);
            if (keys[i] == nullptr) {
                throw py::error_already_set();
            }
        }
    }
}

SpatialIntentFrame frame_from_members(const py::dict& members) {
    SpatialIntentFrame frame;
    frame.timestamp_ns = Nanoseconds{member(members, TIMESTAMP_NS).cast<std::int64_t>()};
    frame.timestamp_domain = member(members, TIMESTAMP_DOMAIN).cast<std::string>();
    const auto space = as_dict(member(members, REFERENCE_SPACE));
    frame.reference_space = {member(space, TYPE).cast<std::string>(), member(space, ID).cast<std::string>(),
                             member(space, GENERATION).cast<std::uint64_t>()};
    frame.head_pose = pose(member(members, HEAD));
    frame.head_tracking = confidence_named(member(members, HEAD_TRACKING).cast<std::string_view>());
    if (const auto found = find(members, POINTING)) {
        const auto pointing = as_dict(found);
        frame.pointing = PointingIntent{ray(pointing), source_named(member(pointing, SOURCE).cast<std::string_view>()),
                                        confidence_named(member(pointing, CONFIDENCE).cast<std::string_view>())};
    }
    if (const auto found = find(members, PRIMARY_SELECT)) {
        const auto select = as_dict(found);
        frame.primary_select = SelectState{flag(select, PRESSED), flag(select, CHANGED),
                                           Nanoseconds{member(select, LAST_CHANGE_TIME_NS).cast<std::int64_t>()}};
    }
    if (const auto found = find(members, LEFT_HAND)) {
        frame.left_hand_pose = pose(found);
    }
    if (const auto found = find(members, RIGHT_HAND)) {
        frame.right_hand_pose = pose(found);
    }
    if (const auto found = find(members, GAZE)) {
        frame.gaze_ray = ray(as_dict(found));
    }
    if (const auto found = find(members, TARGET)) {
        const auto target = as_dict(found);
        SpatialHit hit{vec3(member(target, POSITION)), vec3(member(target, NORMAL)), std::nullopt};
        if (const auto id = find(target, HOST_ID)) {
            hit.host_id = py::handle(id).cast<std::string>();
        }
        frame.target = std::move(hit);
    }
    const auto caps = as_dict(member(members, CAPABILITIES));
    frame.capabilities.head_pose = flag(caps, HEAD_POSE);
    frame.capabilities.action_input = flag(caps, ACTION_INPUT);
    frame.capabilities.hand_tracking = flag(caps, HAND_TRACKING);
    frame.capabilities.hand_interaction = flag(caps, HAND_INTERACTION);
    frame.capabilities.eye_gaze = flag(caps, EYE_GAZE);
    for (const auto extension : as_list(member(caps, ENABLED_EXTENSIONS))) {
        frame.capabilities.enabled_extensions.push_back(extension.cast<std::string>());
    }
    return frame;
}

}  // namespace quillary::spatial::native

#include "frame_from_members.hpp"

#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include "json_writers.hpp"

namespace py = pybind11;

namespace quillary::spatial::native {

namespace {

// A member's value; a missing member raises KeyError.
py::handle member(const py::dict& record, const char* name) {
    PyObject* found = PyDict_GetItemString(record.ptr(), name);
    if (found == nullptr) {
        throw py::key_error(name);
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
    const auto orientation = as_list(member(record, "orientation"));
    if (orientation.size() != 4) {
        throw py::value_error("expected 4 numbers");
    }
    return {vec3(member(record, "position")),
            {number(orientation[0]), number(orientation[1]), number(orientation[2]), number(orientation[3])}};
}

Ray ray(const py::dict& record) { return {vec3(member(record, "origin")), vec3(member(record, "direction"))}; }

template <class Enum>
Enum named(std::string_view name, std::string_view (*name_of)(Enum), int count) {
    for (int value = 0; value < count; ++value) {
        if (name_of(static_cast<Enum>(value)) == name) {
            return static_cast<Enum>(value);
        }
    }
    throw py::value_error("unknown value " + std::string(name));
}

bool flag(const py::dict& record, const char* name) {
    const auto value = member(record, name);
    if (!PyBool_Check(value.ptr())) {
        throw py::type_error(std::string(name) + ": expected true or false");
    }
    return value.ptr() == Py_True;
}

}  // namespace

TrackingConfidence confidence_named(std::string_view name) {
    return named<TrackingConfidence>(name, json::tracking_confidence_name, 3);
}

PointingSource source_named(std::string_view name) { return named<PointingSource>(name, json::pointing_source_name, 4); }

SpatialIntentFrame frame_from_members(const py::dict& members) {
    SpatialIntentFrame frame;
    frame.timestamp_ns = Nanoseconds{member(members, "timestamp_ns").cast<std::int64_t>()};
    frame.timestamp_domain = member(members, "timestamp_domain").cast<std::string>();
    const auto space = as_dict(member(members, "reference_space"));
    frame.reference_space = {member(space, "type").cast<std::string>(), member(space, "id").cast<std::string>(),
                             member(space, "generation").cast<std::uint64_t>()};
    frame.head_pose = pose(member(members, "head"));
    frame.head_tracking = confidence_named(member(members, "head_tracking").cast<std::string_view>());
    if (members.contains("pointing")) {
        const auto pointing = as_dict(members["pointing"]);
        frame.pointing = PointingIntent{ray(pointing), source_named(member(pointing, "source").cast<std::string_view>()),
                                        confidence_named(member(pointing, "confidence").cast<std::string_view>())};
    }
    if (members.contains("primary_select")) {
        const auto select = as_dict(members["primary_select"]);
        frame.primary_select = SelectState{flag(select, "pressed"), flag(select, "changed"),
                                           Nanoseconds{member(select, "last_change_time_ns").cast<std::int64_t>()}};
    }
    if (members.contains("left_hand")) {
        frame.left_hand_pose = pose(members["left_hand"]);
    }
    if (members.contains("right_hand")) {
        frame.right_hand_pose = pose(members["right_hand"]);
    }
    if (members.contains("gaze")) {
        frame.gaze_ray = ray(as_dict(members["gaze"]));
    }
    if (members.contains("target")) {
        const auto target = as_dict(members["target"]);
        SpatialHit hit{vec3(member(target, "position")), vec3(member(target, "normal")), std::nullopt};
        if (target.contains("host_id")) {
            hit.host_id = target["host_id"].cast<std::string>();
        }
        frame.target = std::move(hit);
    }
    const auto caps = as_dict(member(members, "capabilities"));
    frame.capabilities.head_pose = flag(caps, "head_pose");
    frame.capabilities.action_input = flag(caps, "action_input");
    frame.capabilities.hand_tracking = flag(caps, "hand_tracking");
    frame.capabilities.hand_interaction = flag(caps, "hand_interaction");
    frame.capabilities.eye_gaze = flag(caps, "eye_gaze");
    for (const auto extension : as_list(member(caps, "enabled_extensions"))) {
        frame.capabilities.enabled_extensions.push_back(extension.cast<std::string>());
    }
    return frame;
}

}  // namespace quillary::spatial::native

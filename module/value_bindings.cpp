// Python classes for the value records, registered in field order. Attribute kinds follow the
// field types: scalars through def_readwrite, members that own memory (records, strings,
// lists) through a setter that builds the new value whole before moving it in, nanosecond
// counts as plain ints, optional records through a setter that also keeps earlier views safe.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cstdint>
#include <optional>
#include <type_traits>
#include <utility>

#include "bindings.hpp"
#include "stale_views.hpp"
#include "values.hpp"

namespace py = pybind11;

namespace quillary::spatial::bindings {
namespace {

// Nanosecond quantities cross the boundary as an int count, not as datetime.timedelta.
template <class Class, class Record>
void def_nanoseconds(Class& cls, const char* name, Nanoseconds Record::*member) {
    cls.def_property(
        name, [member](const Record& record) { return (record.*member).count(); },
        [member](Record& record, std::int64_t count) { record.*member = Nanoseconds{count}; });
}

template <class Class, class Record>
void def_nanoseconds_readonly(Class& cls, const char* name, Nanoseconds Record::*member) {
    cls.def_property_readonly(name,
                              [member](const Record& record) { return (record.*member).count(); });
}

// A write either happens whole or not at all: the argument arrives as a complete copy, and
// moving it in cannot fail. Record members are moved into, not replaced, so views of them
// stay valid and show the new value. Reads are as def_readwrite's (records as views that keep
// their owner alive).
template <class Class, class Record, class T>
void def_member(Class& cls, const char* name, T Record::*member) {
    static_assert(std::is_nothrow_move_assignable_v<T>);
    cls.def_property(
        name, [member](const Record& record) -> const T& { return record.*member; },
        // Made with is_method, as def_readwrite does, so the value renders as arg0.
        py::cpp_function([member](Record& record, T value) { record.*member = std::move(value); },
                         py::is_method(cls)));
}

// Reads give None or a view of the contained value. Writing a value moves a complete copy into
// the contained record, so earlier views see it; writing None detaches earlier views before the
// value is destroyed.
template <class Class, class Record, class T>
void def_optional_record(Class& cls, const char* name, std::optional<T> Record::*member) {
    static_assert(std::is_nothrow_move_assignable_v<T> && std::is_nothrow_move_constructible_v<T>);
    cls.def_property(
        name, [member](const Record& record) -> const std::optional<T>& { return record.*member; },
        [member](Record& record, std::optional<T> value) {
            if (value) {
                record.*member = std::move(*value);
            } else {
                reset_detaching_views(record.*member);
            }
        });
}

// pybind11's enum_ gives __init__ and __setstate__ its own constructor path; these take the
// same arguments through ours.
template <class Enum, class Class>
void def_enum_constructors(Class& cls) {
    const auto make = [](std::int32_t value) { return static_cast<Enum>(value); };
    py::delattr(cls, "__init__");
    def_constructor<Enum, std::int32_t>(cls, "__init__", make, py::arg("value"));
    py::delattr(cls, "__setstate__");
    def_constructor<Enum, std::int32_t>(cls, "__setstate__", make, py::arg("state"),
                                        py::pos_only());
}

}  // namespace

void register_geometry(py::module_& m) {
    py::class_<Vec3> vec3(m, "Vec3");
    def_init<Vec3>(vec3);
    def_init<Vec3, double, double, double>(vec3);
    vec3.def_readwrite("x", &Vec3::x)
        .def_readwrite("y", &Vec3::y)
        .def_readwrite("z", &Vec3::z);

    py::class_<Quaternion> quaternion(m, "Quaternion");
    def_init<Quaternion>(quaternion);
    def_init<Quaternion, double, double, double, double>(quaternion);
    quaternion.def_readwrite("x", &Quaternion::x)
        .def_readwrite("y", &Quaternion::y)
        .def_readwrite("z", &Quaternion::z)
        .def_readwrite("w", &Quaternion::w);

    py::class_<Pose> pose(m, "Pose");
    def_init<Pose>(pose);
    def_member(pose, "position", &Pose::position);
    def_member(pose, "orientation", &Pose::orientation);

    py::class_<Ray> ray(m, "Ray");
    def_init<Ray>(ray);
    def_init<Ray, const Vec3&, const Vec3&>(ray);
    def_member(ray, "origin", &Ray::origin);
    def_member(ray, "direction", &Ray::direction);
}

void register_enumerations(py::module_& m) {
    py::enum_<TrackingConfidence> confidence(m, "TrackingConfidence");
    def_enum_constructors<TrackingConfidence>(confidence);
    confidence.value("UNAVAILABLE", TrackingConfidence::UNAVAILABLE)
        .value("ORIENTATION_ONLY", TrackingConfidence::ORIENTATION_ONLY)
        .value("POSITION_AND_ORIENTATION", TrackingConfidence::POSITION_AND_ORIENTATION);

    py::enum_<PointingSource> source(m, "PointingSource");
    def_enum_constructors<PointingSource>(source);
    source.value("CONTROLLER", PointingSource::CONTROLLER)
        .value("HAND", PointingSource::HAND)
        .value("EYE_GAZE", PointingSource::EYE_GAZE)
        .value("HEAD", PointingSource::HEAD);
}

void register_records(py::module_& m) {
    py::class_<PointingIntent> pointing(m, "PointingIntent");
    def_init<PointingIntent>(pointing);
    def_member(pointing, "ray", &PointingIntent::ray);
    pointing.def_readwrite("source", &PointingIntent::source)
        .def_readwrite("confidence", &PointingIntent::confidence);

    py::class_<SelectState> select(m, "SelectState");
    def_init<SelectState>(select);
    select.def_readwrite("pressed", &SelectState::pressed)
        .def_readwrite("changed", &SelectState::changed);
    def_nanoseconds(select, "last_change_time_ns", &SelectState::last_change_time_ns);

    py::class_<SpatialHit> hit(m, "SpatialHit");
    def_init<SpatialHit>(hit);
    def_member(hit, "position", &SpatialHit::position);
    def_member(hit, "normal", &SpatialHit::normal);
    def_member(hit, "host_id", &SpatialHit::host_id);

    py::class_<ReferenceSpace> space(m, "ReferenceSpace");
    def_init<ReferenceSpace>(space);
    def_member(space, "type", &ReferenceSpace::type);
    def_member(space, "id", &ReferenceSpace::id);
    space.def_readwrite("generation", &ReferenceSpace::generation);

    py::class_<CapabilitySnapshot> capabilities(m, "CapabilitySnapshot");
    def_init<CapabilitySnapshot>(capabilities);
    capabilities.def_readwrite("head_pose", &CapabilitySnapshot::head_pose)
        .def_readwrite("action_input", &CapabilitySnapshot::action_input)
        .def_readwrite("hand_tracking", &CapabilitySnapshot::hand_tracking)
        .def_readwrite("hand_interaction", &CapabilitySnapshot::hand_interaction)
        .def_readwrite("eye_gaze", &CapabilitySnapshot::eye_gaze);
    def_member(capabilities, "enabled_extensions", &CapabilitySnapshot::enabled_extensions);

    py::class_<SpatialIntentFrame> frame(m, "SpatialIntentFrame");
    def_init<SpatialIntentFrame>(frame);
    def_nanoseconds(frame, "timestamp_ns", &SpatialIntentFrame::timestamp_ns);
    def_member(frame, "timestamp_domain", &SpatialIntentFrame::timestamp_domain);
    def_member(frame, "reference_space", &SpatialIntentFrame::reference_space);
    def_member(frame, "head_pose", &SpatialIntentFrame::head_pose);
    frame.def_readwrite("head_tracking", &SpatialIntentFrame::head_tracking);
    def_optional_record(frame, "pointing", &SpatialIntentFrame::pointing);
    def_optional_record(frame, "primary_select", &SpatialIntentFrame::primary_select);
    def_optional_record(frame, "left_hand_pose", &SpatialIntentFrame::left_hand_pose);
    def_optional_record(frame, "right_hand_pose", &SpatialIntentFrame::right_hand_pose);
    def_optional_record(frame, "gaze_ray", &SpatialIntentFrame::gaze_ray);
    def_optional_record(frame, "target", &SpatialIntentFrame::target);
    def_member(frame, "capabilities", &SpatialIntentFrame::capabilities);

    // Events come only from IntentTimeline.submit_text: no constructor, read-only attributes.
    py::class_<ContextualIntentEvent> event(m, "ContextualIntentEvent");
    def_nanoseconds_readonly(event, "timestamp_ns", &ContextualIntentEvent::timestamp_ns);
    event.def_readonly("text", &ContextualIntentEvent::text)
        .def_readonly("spatial_context", &ContextualIntentEvent::spatial_context);
    def_nanoseconds_readonly(event, "spatial_age_ns", &ContextualIntentEvent::spatial_age_ns);
}

}  // namespace quillary::spatial::bindings

// Python classes for the value records, registered in field order. Attribute kinds follow the
// field types: plain members through def_readwrite (record members read as views into their
// owner), nanosecond counts as plain ints, optional records through a setter that keeps
// earlier views safe.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cstdint>
#include <optional>

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

// Reads give None or a view of the contained value (pybind11's property getters keep the
// owner alive). Writing a value copies into the contained record, so earlier views see it;
// writing None detaches earlier views before the value is destroyed.
template <class Class, class Record, class T>
void def_optional_record(Class& cls, const char* name, std::optional<T> Record::*member) {
    cls.def_property(
        name, [member](const Record& record) -> const std::optional<T>& { return record.*member; },
        [member](Record& record, const std::optional<T>& value) {
            if (value) {
                record.*member = *value;
            } else {
                reset_detaching_views(record.*member);
            }
        });
}

}  // namespace

void register_geometry(py::module_& m) {
    py::class_<Vec3>(m, "Vec3")
        .def(py::init<>())
        .def(py::init<double, double, double>())
        .def_readwrite("x", &Vec3::x)
        .def_readwrite("y", &Vec3::y)
        .def_readwrite("z", &Vec3::z);

    py::class_<Quaternion>(m, "Quaternion")
        .def(py::init<>())
        .def(py::init<double, double, double, double>())
        .def_readwrite("x", &Quaternion::x)
        .def_readwrite("y", &Quaternion::y)
        .def_readwrite("z", &Quaternion::z)
        .def_readwrite("w", &Quaternion::w);

    py::class_<Pose>(m, "Pose")
        .def(py::init<>())
        .def_readwrite("position", &Pose::position)
        .def_readwrite("orientation", &Pose::orientation);

    py::class_<Ray>(m, "Ray")
        .def(py::init<>())
        .def(py::init<const Vec3&, const Vec3&>())
        .def_readwrite("origin", &Ray::origin)
        .def_readwrite("direction", &Ray::direction);
}

void register_enumerations(py::module_& m) {
    py::enum_<TrackingConfidence>(m, "TrackingConfidence")
        .value("UNAVAILABLE", TrackingConfidence::UNAVAILABLE)
        .value("ORIENTATION_ONLY", TrackingConfidence::ORIENTATION_ONLY)
        .value("POSITION_AND_ORIENTATION", TrackingConfidence::POSITION_AND_ORIENTATION);

    py::enum_<PointingSource>(m, "PointingSource")
        .value("CONTROLLER", PointingSource::CONTROLLER)
        .value("HAND", PointingSource::HAND)
        .value("EYE_GAZE", PointingSource::EYE_GAZE)
        .value("HEAD", PointingSource::HEAD);
}

void register_records(py::module_& m) {
    py::class_<PointingIntent>(m, "PointingIntent")
        .def(py::init<>())
        .def_readwrite("ray", &PointingIntent::ray)
        .def_readwrite("source", &PointingIntent::source)
        .def_readwrite("confidence", &PointingIntent::confidence);

    py::class_<SelectState> select(m, "SelectState");
    select.def(py::init<>())
        .def_readwrite("pressed", &SelectState::pressed)
        .def_readwrite("changed", &SelectState::changed);
    def_nanoseconds(select, "last_change_time_ns", &SelectState::last_change_time_ns);

    py::class_<SpatialHit>(m, "SpatialHit")
        .def(py::init<>())
        .def_readwrite("position", &SpatialHit::position)
        .def_readwrite("normal", &SpatialHit::normal)
        .def_readwrite("host_id", &SpatialHit::host_id);

    py::class_<ReferenceSpace>(m, "ReferenceSpace")
        .def(py::init<>())
        .def_readwrite("type", &ReferenceSpace::type)
        .def_readwrite("id", &ReferenceSpace::id)
        .def_readwrite("generation", &ReferenceSpace::generation);

    py::class_<CapabilitySnapshot>(m, "CapabilitySnapshot")
        .def(py::init<>())
        .def_readwrite("head_pose", &CapabilitySnapshot::head_pose)
        .def_readwrite("action_input", &CapabilitySnapshot::action_input)
        .def_readwrite("hand_tracking", &CapabilitySnapshot::hand_tracking)
        .def_readwrite("hand_interaction", &CapabilitySnapshot::hand_interaction)
        .def_readwrite("eye_gaze", &CapabilitySnapshot::eye_gaze)
        .def_readwrite("enabled_extensions", &CapabilitySnapshot::enabled_extensions);

    py::class_<SpatialIntentFrame> frame(m, "SpatialIntentFrame");
    frame.def(py::init<>());
    def_nanoseconds(frame, "timestamp_ns", &SpatialIntentFrame::timestamp_ns);
    frame.def_readwrite("timestamp_domain", &SpatialIntentFrame::timestamp_domain)
        .def_readwrite("reference_space", &SpatialIntentFrame::reference_space)
        .def_readwrite("head_pose", &SpatialIntentFrame::head_pose)
        .def_readwrite("head_tracking", &SpatialIntentFrame::head_tracking);
    def_optional_record(frame, "pointing", &SpatialIntentFrame::pointing);
    def_optional_record(frame, "primary_select", &SpatialIntentFrame::primary_select);
    def_optional_record(frame, "left_hand_pose", &SpatialIntentFrame::left_hand_pose);
    def_optional_record(frame, "right_hand_pose", &SpatialIntentFrame::right_hand_pose);
    def_optional_record(frame, "gaze_ray", &SpatialIntentFrame::gaze_ray);
    def_optional_record(frame, "target", &SpatialIntentFrame::target);
    frame.def_readwrite("capabilities", &SpatialIntentFrame::capabilities);

    // Events come only from IntentTimeline.submit_text: no constructor, read-only attributes.
    py::class_<ContextualIntentEvent> event(m, "ContextualIntentEvent");
    def_nanoseconds_readonly(event, "timestamp_ns", &ContextualIntentEvent::timestamp_ns);
    event.def_readonly("text", &ContextualIntentEvent::text)
        .def_readonly("spatial_context", &ContextualIntentEvent::spatial_context);
    def_nanoseconds_readonly(event, "spatial_age_ns", &ContextualIntentEvent::spatial_age_ns);
}

}  // namespace quillary::spatial::bindings

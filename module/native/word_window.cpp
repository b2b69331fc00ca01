#include "word_window.hpp"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <vector>
#include <utility>

#include "json_writers.hpp"

namespace py = pybind11;

namespace quillary::spatial::native {

namespace {

// What a frame line holds for `value`: its nine significant digits read back.
double as_logged(double value) {
    if (!std::isfinite(value)) {
        return value;
    }
    char text[json::number_room];
    const char* end = json::format_number(text, value);
    double logged = value;
    std::from_chars(text, end, logged);
    return logged;
}

py::tuple ray_numbers(const Ray& ray) {
    return py::make_tuple(as_logged(ray.origin.x), as_logged(ray.origin.y), as_logged(ray.origin.z),
                          as_logged(ray.direction.x), as_logged(ray.direction.y), as_logged(ray.direction.z));
}

py::tuple vec(const Vec3& v) { return py::make_tuple(as_logged(v.x), as_logged(v.y), as_logged(v.z)); }

// Where the head faces: -z turned by its orientation, from the numbers a log holds, so that a
// replay weighs the same direction. None without a usable orientation.
py::object head_ray(const SpatialIntentFrame& frame) {
    if (frame.head_tracking == TrackingConfidence::UNAVAILABLE) {
        return py::none();
    }
    const auto& q = frame.head_pose.orientation;
    const double x = as_logged(q.x), y = as_logged(q.y), z = as_logged(q.z), w = as_logged(q.w);
    const double norm = x * x + y * y + z * z + w * w;
    if (!std::isfinite(norm) || norm == 0.0) {
        return py::none();
    }
    const Vec3 forward{-2 * (x * z + w * y) / norm, -2 * (y * z - w * x) / norm, -(1 - 2 * (x * x + y * y) / norm)};
    const auto& p = frame.head_pose.position;
    return py::make_tuple(as_logged(p.x), as_logged(p.y), as_logged(p.z), forward.x, forward.y, forward.z);
}

}  // namespace

py::tuple as_logged_numbers(const std::vector<double>& values) {
    py::tuple logged(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        logged[i] = py::float_(as_logged(values[i]));
    }
    return logged;
}

std::string number_text(double value) {
    char text[json::number_room];
    return {text, json::format_number(text, value)};
}

py::object readable_id(const std::optional<std::string>& id) {
    if (!id) {
        return py::none();
    }
    PyObject* text = PyUnicode_DecodeUTF8(id->data(), static_cast<Py_ssize_t>(id->size()), "backslashreplace");
    if (text == nullptr) {
        throw py::error_already_set();
    }
    return py::reinterpret_steal<py::object>(text);
}

py::list word_window(const IntentTimeline& timeline, std::int64_t from_ns, std::int64_t to_ns, std::int64_t every_ns) {
    const auto frames = timeline.frames_between(Nanoseconds{from_ns}, Nanoseconds{to_ns});
    py::list samples;
    // The first frame of each stretch of every_ns on the clock: stretches start at the same
    // times whatever the window, so the windows of two words pick the same frames.
    std::optional<std::int64_t> kept_stretch;
    for (const auto& [number, frame] : frames) {
        const std::int64_t at_ns = frame.timestamp_ns.count();
        if (every_ns > 0) {
            const std::int64_t stretch = at_ns / every_ns - (at_ns % every_ns < 0 ? 1 : 0);  // floor
            if (stretch == kept_stretch) {
                continue;
            }
            kept_stretch = stretch;
        }
        py::object pointing = py::none();
        if (frame.pointing) {
            pointing = py::make_tuple(ray_numbers(frame.pointing->ray), static_cast<int>(frame.pointing->source),
                                      static_cast<int>(frame.pointing->confidence));
        }
        py::object target = py::none();
        if (frame.target) {
            target = py::make_tuple(readable_id(frame.target->host_id), vec(frame.target->position), vec(frame.target->normal));
        }
        py::object gaze = frame.gaze_ray ? py::object(ray_numbers(*frame.gaze_ray)) : py::none();
        py::object select = py::none();
        if (frame.primary_select) {
            select = py::make_tuple(frame.primary_select->pressed, frame.primary_select->last_change_time_ns.count());
        }
        samples.append(py::make_tuple(number, frame.timestamp_ns.count(), std::move(pointing), std::move(target),
                                      std::move(gaze), std::move(select), vec(frame.head_pose.position),
                                      head_ray(frame), frame.capabilities.eye_gaze));
    }
    return samples;
}

}  // namespace quillary::spatial::native

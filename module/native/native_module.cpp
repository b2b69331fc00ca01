// quillary_spatial._native: what the quillary_spatial package needs from the core beyond
// _spatial's own surface. It takes and returns _spatial's objects (the same classes, found
// through pybind11's shared registry once _spatial is imported).
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <string_view>
#include <utility>

#include "compressed_log.hpp"
#include "frame_from_members.hpp"
#include "frame_line.hpp"
#include "instances.hpp"
#include "json_writers.hpp"
#include "timeline.hpp"
#include "word_window.hpp"

namespace py = pybind11;
using namespace quillary::spatial;

namespace {

std::string_view outcome_name(PairingOutcome outcome) {
    switch (outcome) {
        case PairingOutcome::EVENT: return "event";
        case PairingOutcome::EMPTY_TEXT: return "empty_text";
        case PairingOutcome::NO_FRAME: return "no_frame";
        case PairingOutcome::BEFORE_HISTORY: return "before_history";
        case PairingOutcome::TOO_OLD: break;
    }
    return "too_old";
}

std::string_view history_start_name(HistoryStart start) {
    switch (start) {
        case HistoryStart::CAPACITY: return "capacity";
        case HistoryStart::RESET: return "reset";
        case HistoryStart::FIRST_FRAME: break;
    }
    return "first_frame";
}

// A frame as the inspector page keeps it: flags, 31 floats (head position and orientation,
// hands, pointing ray, gaze ray, target position and normal; zeros where absent), and the
// target's id. The flag bits and the order are the page's (web/src/data.ts).
py::tuple frame_arrays(const SpatialIntentFrame& frame) {
    enum : int { POINTING = 1, SELECT_PRESSED = 2, LEFT_HAND = 4, RIGHT_HAND = 8, GAZE = 16, TARGET = 32,
                 HEAD_TRACKED = 64, HAS_SELECT = 128 };
    std::array<float, 31> v{};  // zeros where a part is absent
    const auto put = [&v](std::size_t at, const Vec3& p) {
        v[at] = static_cast<float>(p.x);
        v[at + 1] = static_cast<float>(p.y);
        v[at + 2] = static_cast<float>(p.z);
    };
    int flags = frame.head_tracking == TrackingConfidence::UNAVAILABLE ? 0 : HEAD_TRACKED;
    put(0, frame.head_pose.position);
    const auto& q = frame.head_pose.orientation;
    v[3] = static_cast<float>(q.x);
    v[4] = static_cast<float>(q.y);
    v[5] = static_cast<float>(q.z);
    v[6] = static_cast<float>(q.w);
    if (frame.left_hand_pose) {
        flags |= LEFT_HAND;
        put(7, frame.left_hand_pose->position);
    }
    if (frame.right_hand_pose) {
        flags |= RIGHT_HAND;
        put(10, frame.right_hand_pose->position);
    }
    if (frame.pointing) {
        flags |= POINTING;
        put(13, frame.pointing->ray.origin);
        put(16, frame.pointing->ray.direction);
    }
    if (frame.gaze_ray) {
        flags |= GAZE;
        put(19, frame.gaze_ray->origin);
        put(22, frame.gaze_ray->direction);
    }
    py::object host_id = py::none();
    if (frame.target) {
        flags |= TARGET;
        put(25, frame.target->position);
        put(28, frame.target->normal);
        host_id = native::readable_id(frame.target->host_id);
    }
    if (frame.primary_select) {
        flags |= HAS_SELECT | (frame.primary_select->pressed ? SELECT_PRESSED : 0);
    }
    return py::make_tuple(flags, py::bytes(reinterpret_cast<const char*>(v.data()), sizeof v), std::move(host_id));
}

void raise_os_error(int error) {
    errno = error;
    PyErr_SetFromErrno(PyExc_OSError);
    throw py::error_already_set();
}

template <class Enum, class Name>
py::dict names(Name name_of, int count) {
    py::dict table;
    for (int value = 0; value < count; ++value) {
        table[py::str(std::string(name_of(static_cast<Enum>(value))))] = py::cast(static_cast<Enum>(value));
    }
    return table;
}

}  // namespace

PYBIND11_MODULE(_native, m) {
    m.doc() = "The quillary_spatial package's own access to the core: not a public interface";
    // Its classes are the ones these functions take and return.
    py::module_::import("_spatial");
    native::make_member_keys();

    py::class_<Pairing>(m, "Pairing")
        .def_property_readonly("outcome", [](const Pairing& p) { return outcome_name(p.outcome); })
        .def_readonly("frame", &Pairing::frame)
        .def_readonly("age_ns", &Pairing::age_ns)
        .def_property_readonly("history_start_ns", [](const Pairing& p) { return p.history_start_ns.count(); })
        .def_property_readonly("history_start", [](const Pairing& p) { return history_start_name(p.history_start); })
        .def_property_readonly("reset_at_ns", [](const Pairing& p) { return p.reset_at_ns.count(); });

    m.def("push", [](IntentTimeline& timeline, const SpatialIntentFrame& frame) { return timeline.push(frame); },
          "Pushes a copy of the frame; its number (0 for the first frame the timeline was given).");
    m.def(
        "pair",
        [](const IntentTimeline& timeline, std::int64_t timestamp_ns, bool text_empty) {
            return timeline.pair(Nanoseconds{timestamp_ns}, text_empty);
        },
        "What submit_text would decide, and why.");
    // The interpreter lock is held across both calls and every push from Python needs it, so
    // the decision is the one that made the event.
    m.def(
        "submit",
        [](const IntentTimeline& timeline, std::string_view text, std::int64_t timestamp_ns) {
            const auto at = Nanoseconds{timestamp_ns};
            return std::make_pair(timeline.submit_text(text, at), timeline.pair(at, text.empty()));
        },
        "submit_text, with the decision that made its result.");
    m.def(
        "frame_at",
        [](const IntentTimeline& timeline, std::int64_t timestamp_ns) {
            auto [pairing, frame] = timeline.context_at(Nanoseconds{timestamp_ns});
            return std::make_pair(std::move(frame), pairing);
        },
        "The frame a text at the time pairs with (None when it gets no event), and the decision.");
    m.def("as_logged", &native::as_logged_numbers, "The numbers as a frame line holds them (nine significant digits).");
    m.def("number_text", &native::number_text, "A number as a frame line writes it.");
    m.def(
        "settings",
        [](const IntentTimeline& timeline) {
            return std::make_pair(timeline.capacity(), timeline.max_context_age().count());
        },
        "The capacity and maximum age the timeline works with (after its floors).");
    // An event as the timeline would have made it: for a record that says so already.
    m.def(
        "event",
        [](const SpatialIntentFrame& frame, std::string_view text, std::int64_t timestamp_ns, std::int64_t age_ns) {
            return ContextualIntentEvent{Nanoseconds{timestamp_ns}, std::string(text), frame, Nanoseconds{age_ns}};
        },
        "An event from its parts, unchecked.");
    m.def(
        "frame_from_members", [](const py::dict& members) { return native::frame_from_members(members); },
        "A frame from its line's checked object.");
    py::class_<native::CompressedLog>(m, "CompressedLog",
                                      "A compressed log written off the caller's thread (see compressed_log.hpp).")
        .def(py::init<int>(), py::arg("fd"))
        .def("write",
             [](native::CompressedLog& log, std::string_view batch) {
                 if (const int error = log.write(std::string(batch))) {
                     raise_os_error(error);
                 }
             })
        .def("fail_write", &native::CompressedLog::fail_write, "For the fault-injection tests.")
        .def_property_readonly("writes", &native::CompressedLog::writes)
        .def_property_readonly("injected", &native::CompressedLog::injected)
        .def("wait_idle", &native::CompressedLog::wait_idle, py::call_guard<py::gil_scoped_release>(),
             "For the fault-injection tests.")
        .def("close", [](native::CompressedLog& log) {
            int error = 0;
            {
                py::gil_scoped_release unlocked;  // the thread may still be writing
                error = log.close();
            }
            if (error) {
                raise_os_error(error);
            }
        });
    m.def("word_window", &native::word_window, py::arg("timeline"), py::arg("from_ns"), py::arg("to_ns"),
          py::arg("every_ns"), "The frames held in [from_ns, to_ns], the first of each every_ns, as grounding weighs them.");
    m.def(
        "hit_id", [](const SpatialHit& hit) { return native::readable_id(hit.host_id); },
        "A hit's host id as grounding names it (bytes that are not UTF-8 escaped).");
    m.def("frame_arrays", &frame_arrays, "A frame as the inspector page keeps it: (flags, 31 float32s, target id).");
    m.def(
        "frame_from_line",
        [](const py::object& line) -> py::object {
            std::string_view text;
            if (PyBytes_Check(line.ptr())) {
                text = line.cast<std::string_view>();
            } else if (PyUnicode_Check(line.ptr())) {
                Py_ssize_t size = 0;
                const char* utf8 = PyUnicode_AsUTF8AndSize(line.ptr(), &size);
                if (utf8 == nullptr) {  // a lone surrogate: the checker says what is wrong with it
                    PyErr_Clear();
                    return py::none();
                }
                text = std::string_view(utf8, static_cast<std::size_t>(size));
            } else {
                return py::none();
            }
            auto frame = native::frame_from_line(text);
            return frame ? py::cast(std::move(*frame)) : py::none();
        },
        "The frame of a line (str or bytes) exactly as the library writes it; None for anything "
        "else, which the full checker then reads.");
    // The JSON reader's object hook: what json.loads would make, refusing a member given twice
    // (readers disagree on which one wins). Native, as it runs for every object of every line.
    m.def(
        "unique_members",
        [](const py::list& pairs) {
            py::dict record;
            for (const auto pair : pairs) {
                const auto item = pair.cast<py::tuple>();
                if (record.contains(item[0])) {
                    // The name as it was read: it need not be text (a lone surrogate).
                    PyErr_SetObject(PyExc_KeyError, item[0].ptr());
                    throw py::error_already_set();
                }
                record[item[0]] = item[1];
            }
            return record;
        },
        "A dict of (name, value) pairs; KeyError(name) for a name given twice.");
    m.attr("TRACKING_CONFIDENCE_NAMES") = names<TrackingConfidence>(json::tracking_confidence_name, tracking_confidence_count);
    m.attr("POINTING_SOURCE_NAMES") = names<PointingSource>(json::pointing_source_name, pointing_source_count);
}

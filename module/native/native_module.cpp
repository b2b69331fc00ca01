// quillary_spatial._native: what the quillary_spatial package needs from the core beyond
// _spatial's own surface. It takes and returns _spatial's objects (the same classes, found
// through pybind11's shared registry once _spatial is imported).
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cstdint>
#include <string_view>
#include <utility>

#include "frame_from_members.hpp"
#include "instances.hpp"
#include "json_writers.hpp"
#include "timeline.hpp"

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
    // The JSON reader's object hook: what json.loads would make, refusing a member given twice
    // (readers disagree on which one wins). Native, as it runs for every object of every line.
    m.def(
        "unique_members",
        [](const py::list& pairs) {
            py::dict record;
            for (const auto pair : pairs) {
                const auto item = pair.cast<py::tuple>();
                if (record.contains(item[0])) {
                    throw py::key_error(item[0].cast<std::string>());
                }
                record[item[0]] = item[1];
            }
            return record;
        },
        "A dict of (name, value) pairs; KeyError(name) for a name given twice.");
    m.attr("TRACKING_CONFIDENCE_NAMES") = names<TrackingConfidence>(json::tracking_confidence_name, 3);
    m.attr("POINTING_SOURCE_NAMES") = names<PointingSource>(json::pointing_source_name, 4);
}

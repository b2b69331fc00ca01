// IntentTimeline for Python. The interpreter lock stays held throughout; the core timeline's
// own mutex is taken inside each call and never waits on Python.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cstdint>
#include <memory>
#include <string_view>

#include "bindings.hpp"
#include "timeline.hpp"

namespace py = pybind11;

namespace quillary::spatial::bindings {

void register_timeline(py::module_& m) {
    py::class_<IntentTimeline> timeline(m, "IntentTimeline");
    def_constructor<IntentTimeline, std::uint64_t, std::int64_t>(
        timeline, "__init__",
        [](std::uint64_t capacity, std::int64_t max_context_age_ns) {
            return std::make_unique<IntentTimeline>(capacity, Nanoseconds{max_context_age_ns});
        },
        py::arg("capacity") = 240, py::arg("max_context_age_ns") = 2000000000);
    // One copy at the boundary; the core then moves it into its store.
    timeline.def("push", [](IntentTimeline& self, const SpatialIntentFrame& frame) { self.push(frame); })
        .def("latest", &IntentTimeline::latest)
        // The text arrives as a view of the interpreter's own UTF-8 (or the bytes object's
        // buffer); only the core copies it, into the event.
        .def(
            "submit_text",
            [](const IntentTimeline& self, std::string_view text, std::int64_t timestamp_ns) {
                return self.submit_text(text, Nanoseconds{timestamp_ns});
            },
            py::arg("text"), py::arg("timestamp_ns"));
}

}  // namespace quillary::spatial::bindings

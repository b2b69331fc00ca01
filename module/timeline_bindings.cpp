// IntentTimeline for Python. The interpreter lock stays held throughout; the core timeline's
// own mutex is taken inside each call and never waits on Python.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cstdint>
#include <string_view>

#include "bindings.hpp"
#include "timeline.hpp"

namespace py = pybind11;

namespace quillary::spatial::bindings {
namespace {

// An instance made by __new__ alone never ran __init__. pybind11 still hands such an instance's
// methods a pointer, to storage it allocated but never constructed; only constructed timelines
// are in pybind11's instance registry, so that pointer is refused before anything reads it.
template <class Timeline>
Timeline& constructed(Timeline* self) {
    static const auto* const type = py::detail::get_type_info(typeid(IntentTimeline));
    if (self == nullptr || !py::detail::get_object_handle(self, type)) {
        throw py::type_error("IntentTimeline.__init__() was not called on this instance");
    }
    return *self;
}

}  // namespace

void register_timeline(py::module_& m) {
    py::class_<IntentTimeline>(m, "IntentTimeline")
        .def(py::init([](std::uint64_t capacity, std::int64_t max_context_age_ns) {
                 return std::make_unique<IntentTimeline>(capacity,
                                                         Nanoseconds{max_context_age_ns});
             }),
             py::arg("capacity") = 240, py::arg("max_context_age_ns") = 2000000000)
        // One copy at the boundary; the core then moves it into its store.
        .def("push",
             [](IntentTimeline* self, const SpatialIntentFrame& frame) {
                 constructed(self).push(frame);
             })
        .def("latest", [](const IntentTimeline* self) { return constructed(self).latest(); })
        // The text arrives as a view of the interpreter's own UTF-8 (or the bytes object's
        // buffer); only the core copies it, into the event.
        .def(
            "submit_text",
            [](const IntentTimeline* self, std::string_view text, std::int64_t timestamp_ns) {
                return constructed(self).submit_text(text, Nanoseconds{timestamp_ns});
            },
            py::arg("text"), py::arg("timestamp_ns"));
}

}  // namespace quillary::spatial::bindings

// The grounding pass: the host casts the frame's pointing ray through its own callable, and
// the hit becomes the target of a copy of the frame. The input frame is never changed.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <optional>

#include "bindings.hpp"
#include "values.hpp"

namespace py = pybind11;

namespace quillary::spatial::bindings {
namespace {

SpatialIntentFrame resolve_target(const SpatialIntentFrame& frame, const py::function& raycast) {
    SpatialIntentFrame grounded = frame;
    if (!frame.pointing) {
        grounded.target.reset();
        return grounded;
    }
    // The callable gets its own Ray, so whatever it does to it reaches neither frame.
    const py::object hit = raycast(py::cast(frame.pointing->ray));
    // Always a copy: the returned object may be a view into another record (another frame's
    // target, say), and moving out of it would empty that record.
    grounded.target = hit.cast<std::optional<SpatialHit>>();
    return grounded;
}

}  // namespace

void register_grounding(py::module_& m) {
    m.def("resolve_target", &resolve_target, py::arg("frame"), py::arg("raycast"),
          "Ground a copied frame using a host Python callback.");
}

}  // namespace quillary::spatial::bindings

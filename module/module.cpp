// The _spatial extension: the module entry and the registration order of the Python surface.
// Each class must be registered before anything that names it in a signature.
#include <pybind11/pybind11.h>

#include "bindings.hpp"

namespace bindings = quillary::spatial::bindings;

PYBIND11_MODULE(_spatial, m) {
    m.doc() = "Host-neutral spatial intent values and host grounding pass";
    bindings::register_geometry(m);
    bindings::register_enumerations(m);
    bindings::register_records(m);
    bindings::register_timeline(m);
    bindings::register_grounding(m);
    bindings::register_serialisation(m);
}

// Registration steps of the _spatial module, called in this order by the module entry.
#pragma once

#include <pybind11/pybind11.h>

#include "instances.hpp"

namespace quillary::spatial::bindings {

void register_geometry(pybind11::module_& m);
void register_enumerations(pybind11::module_& m);
void register_records(pybind11::module_& m);
void register_timeline(pybind11::module_& m);
void register_grounding(pybind11::module_& m);
void register_serialisation(pybind11::module_& m);

}  // namespace quillary::spatial::bindings

// A frame from the object its line was read into, once the package's reader has checked it.
#pragma once

#include <pybind11/pybind11.h>

#include "values.hpp"

namespace quillary::spatial::native {

// Builds the frame without a Python object per member. A record that is not what the reader
// lets through raises (KeyError, TypeError, ValueError) instead of being half read.
SpatialIntentFrame frame_from_members(const pybind11::dict& members);

// Makes the member names the builder looks up; called once, when the module is made.
void make_member_keys();

}  // namespace quillary::spatial::native

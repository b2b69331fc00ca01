// The frames around a spoken word, as the evidence grounding reads them.
#pragma once

#include <pybind11/pybind11.h>

#include <cstdint>

#include "timeline.hpp"

namespace quillary::spatial::native {

// The frames held with times in [from_ns, to_ns], oldest first, the first of each `every_ns`
// of the clock (neighbouring frames say nearly the same), each as a plain tuple of what grounding weighs
// (see _native.pyi), every number as a frame line writes it: a live timeline and the replay
// of its log then weigh exactly the same numbers.
pybind11::list word_window(const IntentTimeline& timeline, std::int64_t from_ns, std::int64_t to_ns,
                           std::int64_t every_ns);

}  // namespace quillary::spatial::native

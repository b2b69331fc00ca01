// The frames around a spoken word, as the evidence grounding reads them.
#pragma once

#include <pybind11/pybind11.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "timeline.hpp"

namespace quillary::spatial::native {

// The frames held with times in [from_ns, to_ns], oldest first, the first of each `every_ns`
// of the clock (neighbouring frames say nearly the same), each as a plain tuple of what grounding weighs
// (see _native.pyi), every number as a frame line writes it: a live timeline and the replay
// of its log then weigh exactly the same numbers.
pybind11::list word_window(const IntentTimeline& timeline, std::int64_t from_ns, std::int64_t to_ns,
                           std::int64_t every_ns);

// Numbers as a frame line holds them: nine significant digits, read back (the one rounding
// every view and record of the package uses).
pybind11::tuple as_logged_numbers(const std::vector<double>& values);

// A number as a frame line writes it (`1`, `-0`, `1.5`, `1e-05`).
std::string number_text(double value);

// A host id as grounding and the inspector name it: its text, with any bytes that are not
// UTF-8 (an id set from bytes) written as \xNN escapes, as the package prints what is not
// text; None when absent.
pybind11::object readable_id(const std::optional<std::string>& id);

}  // namespace quillary::spatial::native

// A frame straight from its line, for lines exactly as the library writes them.
#pragma once

#include <optional>
#include <string_view>

#include "values.hpp"

namespace quillary::spatial::native {

// The frame a line holds when the line is plainly one the package's reader accepts: strict
// JSON, every member known, present where required and given once, of its type and range.
// Anything else (a fault, or what is merely unusual: an escaped character, a negative zero)
// gives nullopt, and the caller reads the line with the full checker, which accepts it or
// says what is wrong. So this never accepts a line the checker refuses, and what it builds
// is what the checker's path builds.
std::optional<SpatialIntentFrame> frame_from_line(std::string_view line);

}  // namespace quillary::spatial::native

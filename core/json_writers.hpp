// The value writers beneath the JSON lines. Each appends one JSON value to a caller-owned
// buffer, with no whitespace and independent of any locale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "values.hpp"

namespace quillary::spatial::json {

// Up to 9 significant digits, correctly rounded, general notation (%.9g without a locale).
// NaN and the infinities have no JSON form and are written as null.
void write_number(std::string& out, double value);
// The same into a buffer with at least number_room bytes at `p`; returns the end. A number
// takes at most 16 bytes; the rest is room the formatter may scribble on.
inline constexpr std::size_t number_room = 48;
char* format_number(char* p, double value);
void write_integer(std::string& out, std::int64_t value);
void write_unsigned(std::string& out, std::uint64_t value);
void write_bool(std::string& out, bool value);
// Quoted and escaped byte by byte; non-ASCII bytes pass through unvalidated.
void write_json_string(std::string& out, std::string_view bytes);
void write_vec3(std::string& out, const Vec3& v);
void write_pose(std::string& out, const Pose& pose);

// Wire names are the enumerator names in lower case; unlisted values get a fallback.
[[nodiscard]] std::string_view tracking_confidence_name(TrackingConfidence value);
[[nodiscard]] std::string_view pointing_source_name(PointingSource value);

}  // namespace quillary::spatial::json

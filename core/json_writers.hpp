// The value writers beneath the JSON lines. Each writes one JSON value at `p`, with no
// whitespace and independent of any locale, and returns its end. The caller provides the
// room each one names; a writer may scribble within that room past the end it returns. A line
// is written into room reserved for its longest form once, so no value checks for space.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "values.hpp"

namespace quillary::spatial::json {

// Up to 9 significant digits, correctly rounded, general notation (%.9g without a locale).
// NaN and the infinities have no JSON form and are written as null. A number takes at most
// 16 bytes ("-1.23456789e-308") and needs number_room.
inline constexpr std::size_t number_room = 48;
char* format_number(char* p, double value);
inline constexpr std::size_t integer_room = 20;  // "-9223372036854775808"
char* format_integer(char* p, std::int64_t value);
char* format_unsigned(char* p, std::uint64_t value);
inline constexpr std::size_t bool_room = 5;
char* format_bool(char* p, bool value);
// Quoted and escaped byte by byte; non-ASCII bytes pass through unvalidated. Writes exactly
// json_string_size(bytes) bytes, at most 2 + 6 * bytes.size().
[[nodiscard]] std::size_t json_string_size(std::string_view bytes);
char* format_json_string(char* p, std::string_view bytes);
// [x,y,z] and {"position":[x,y,z],"orientation":[x,y,z,w]}, with room for their numbers.
char* format_vec3(char* p, const Vec3& v);
char* format_pose(char* p, const Pose& pose);

// Text known when compiling, copied with its length known too.
template <std::size_t Size>
char* put(char* p, const char (&text)[Size]) {
    std::memcpy(p, text, Size - 1);
    return p + Size - 1;
}

// Wire names are the enumerator names in lower case; unlisted values get a fallback.
[[nodiscard]] std::string_view tracking_confidence_name(TrackingConfidence value);
[[nodiscard]] std::string_view pointing_source_name(PointingSource value);

}  // namespace quillary::spatial::json

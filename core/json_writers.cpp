#include "json_writers.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace quillary::spatial::json {
namespace {

template <class Number, class... Format>
void append_chars(std::string& out, Number value, Format... format) {
    // Enough for "-1.23456789e-308" and for every 64-bit integer.
    std::array<char, 32> digits;
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value, format...);
    out.append(digits.data(), result.ptr);
}

}  // namespace

void write_number(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    // to_chars never consults a locale, and with a precision it rounds the exact binary value
    // correctly, ties to even, exactly as the wire format requires.
    append_chars(out, value, std::chars_format::general, 9);
}

void write_integer(std::string& out, std::int64_t value) { append_chars(out, value); }

void write_unsigned(std::string& out, std::uint64_t value) { append_chars(out, value); }

void write_bool(std::string& out, bool value) { out += value ? "true" : "false"; }

void write_json_string(std::string& out, std::string_view bytes) {
    static constexpr char hex[] = "0123456789abcdef";
    out += '"';
    std::size_t run_start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= 0x20 && byte != '"' && byte != '\\') {
            continue;  // copied with the rest of its run
        }
        out.append(bytes.substr(run_start, i - run_start));
        run_start = i + 1;
        switch (byte) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            default: {
                const char escape[] = {'\\', 'u', '0', '0', hex[byte >> 4], hex[byte & 0xF]};
                out.append(escape, sizeof escape);
            }
        }
    }
    out.append(bytes.substr(run_start));
    out += '"';
}

void write_vec3(std::string& out, const Vec3& v) {
    out += '[';
    write_number(out, v.x);
    out += ',';
    write_number(out, v.y);
    out += ',';
    write_number(out, v.z);
    out += ']';
}

void write_pose(std::string& out, const Pose& pose) {
    out += R"({"position":)";
    write_vec3(out, pose.position);
    out += R"(,"orientation":[)";
    write_number(out, pose.orientation.x);
    out += ',';
    write_number(out, pose.orientation.y);
    out += ',';
    write_number(out, pose.orientation.z);
    out += ',';
    write_number(out, pose.orientation.w);
    out += "]}";
}

std::string_view tracking_confidence_name(TrackingConfidence value) {
    switch (value) {
        case TrackingConfidence::ORIENTATION_ONLY: return "orientation_only";
        case TrackingConfidence::POSITION_AND_ORIENTATION: return "position_and_orientation";
        case TrackingConfidence::UNAVAILABLE: break;
    }
    return "unavailable";
}

std::string_view pointing_source_name(PointingSource value) {
    switch (value) {
        case PointingSource::CONTROLLER: return "controller";
        case PointingSource::HAND: return "hand";
        case PointingSource::EYE_GAZE: return "eye_gaze";
        case PointingSource::HEAD: break;
    }
    return "head";
}

}  // namespace quillary::spatial::json

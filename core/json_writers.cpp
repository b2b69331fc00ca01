#include "json_writers.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
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

__extension__ typedef unsigned __int128 uint128;

constexpr std::uint64_t lowest_nine_digits = 100'000'000;
constexpr std::uint64_t past_nine_digits = 1'000'000'000;
constexpr int fast_min_exponent = -10;  // decimal exponents the fast path handles
constexpr int fast_max_exponent = 8;

constexpr auto powers_of_ten = [] {
    std::array<std::uint64_t, 19> powers{};
    std::uint64_t p = 1;
    for (auto& power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

// |value| * 10^k rounded to an integer, exactly and ties to even. |value| = m * 2^e with
// e < 0 here, so the product is the 128-bit integer m * 10^k shifted right by -e.
std::uint64_t scaled_and_rounded(std::uint64_t mantissa, int binary_exponent, int k) {
    const uint128 product =
        static_cast<uint128>(mantissa) * powers_of_ten[static_cast<std::size_t>(k)];
    const int shift = -binary_exponent;
    auto whole = static_cast<std::uint64_t>(product >> shift);
    const uint128 rest = product & ((static_cast<uint128>(1) << shift) - 1);
    const uint128 half = static_cast<uint128>(1) << (shift - 1);
    if (rest > half || (rest == half && (whole & 1) != 0)) {
        ++whole;
    }
    return whole;
}

// The common case of tracking data: 1e-10 <= |value| < 1e9, several times faster than the
// general formatter. Returns false, writing nothing, for values it does not handle.
bool write_number_fast(std::string& out, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto biased_exponent = static_cast<int>((bits >> 52) & 0x7FF);
    const bool negative = (bits >> 63) != 0;
    if (biased_exponent == 0) {
        if ((bits << 1) != 0) {
            return false;  // subnormal: far outside the fast range
        }
        out += negative ? "-0" : "0";
        return true;
    }
    // |value| = mantissa * 2^binary_exponent, with 2^52 <= mantissa < 2^53.
    const std::uint64_t mantissa =
        (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int binary_exponent = biased_exponent - 1075;
    if (binary_exponent >= 0) {
        return false;  // at least 2^52: beyond the fast range
    }
    // floor(log10(2^(e+52))) from the binary exponent (78913 / 2^18 is log10(2)); it may be
    // one too small, which the size of the digits corrects below.
    int exponent = ((binary_exponent + 52) * 78913) >> 18;
    std::uint64_t digits = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (exponent < fast_min_exponent || exponent > fast_max_exponent) {
            return false;
        }
        digits = scaled_and_rounded(mantissa, binary_exponent, fast_max_exponent - exponent);
        if (digits >= past_nine_digits) {
            ++exponent;  // includes 999999999.5 rounding up to the next power of ten
        } else if (digits < lowest_nine_digits) {
            --exponent;
        } else {
            break;
        }
    }
    if (digits < lowest_nine_digits || digits >= past_nine_digits) {
        return false;
    }

    std::array<char, 9> text;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        *it = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    std::size_t count = text.size();
    while (count > 1 && text[count - 1] == '0') {
        --count;
    }

    // At most: sign, "0.", four zeros, nine digits; or sign, nine digits, '.', "e-10".
    std::array<char, 24> buffer;
    char* p = buffer.data();
    if (negative) {
        *p++ = '-';
    }
    if (exponent < -4) {
        // Exponent form: d[.ddd]e-XX (no exponent in the fast range is large enough for e+).
        *p++ = text[0];
        if (count > 1) {
            *p++ = '.';
            p = std::copy(text.data() + 1, text.data() + count, p);
        }
        *p++ = 'e';
        *p++ = '-';
        *p++ = static_cast<char>('0' + (-exponent) / 10);
        *p++ = static_cast<char>('0' + (-exponent) % 10);
    } else if (exponent < 0) {
        *p++ = '0';
        *p++ = '.';
        p = std::fill_n(p, -exponent - 1, '0');
        p = std::copy(text.data(), text.data() + count, p);
    } else {
        const auto integer_digits = static_cast<std::size_t>(exponent) + 1;
        if (count <= integer_digits) {
            p = std::copy(text.data(), text.data() + count, p);
            p = std::fill_n(p, integer_digits - count, '0');
        } else {
            p = std::copy(text.data(), text.data() + integer_digits, p);
            *p++ = '.';
            p = std::copy(text.data() + integer_digits, text.data() + count, p);
        }
    }
    out.append(buffer.data(), p);
    return true;
}

}  // namespace

void write_number(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    if (!write_number_fast(out, value)) {
        // to_chars never consults a locale, and with a precision it rounds the exact binary
        // value correctly, ties to even: the reference for the rule, and the path for values
        // outside the fast range.
        append_chars(out, value, std::chars_format::general, 9);
    }
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

#include "json_writers.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
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

// 10^0 ... 10^18 as doubles, all exact (5^18 < 2^53).
constexpr auto exact_powers_of_ten = [] {
    std::array<double, 19> powers{};
    for (std::size_t k = 0; k < powers.size(); ++k) {
        powers[k] = static_cast<double>(powers_of_ten[k]);
    }
    return powers;
}();

// 10^-10 ... 10^9, the nearest doubles.
constexpr auto powers_of_ten_as_doubles = [] {
    std::array<double, fast_max_exponent - fast_min_exponent + 2> powers{};
    for (int e = fast_min_exponent; e <= fast_max_exponent + 1; ++e) {
        // Exact for e >= 0; for e < 0 the division of exact values rounds once, to nearest.
        powers[static_cast<std::size_t>(e - fast_min_exponent)] =
            e >= 0 ? static_cast<double>(powers_of_ten[static_cast<std::size_t>(e)])
                   : 1.0 / static_cast<double>(powers_of_ten[static_cast<std::size_t>(-e)]);
    }
    return powers;
}();

// "00" to "99".
constexpr auto digit_pairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// The nine decimal digits of n < 10^9, without a chain of divisions. y = n * ceil(2^57 / 10^8)
// is n / 10^8 in fixed point with 57 fraction bits, too large by less than n / 2^57 < 10^-8;
// each step's integer part is then the next digit (or pair): the true fraction left is at
// most 1 - 10^-(digits left), and the error, scaled by the same power of ten, stays below
// that gap.
// Written into the first nine of 24 bytes: the rest is zeros, read by fixed-size copies.
std::array<char, 24> nine_digits(std::uint32_t n) {
    constexpr int fraction_bits = 57;
    constexpr std::uint64_t mask = (std::uint64_t{1} << fraction_bits) - 1;
    std::uint64_t y = static_cast<std::uint64_t>(n) * ((std::uint64_t{1} << fraction_bits) / 100'000'000 + 1);
    std::array<char, 24> text{};
    text[0] = static_cast<char>('0' + (y >> fraction_bits));
    for (std::size_t i = 1; i < 9; i += 2) {
        y = (y & mask) * 100;
        const auto pair = static_cast<std::size_t>(y >> fraction_bits);
        text[i] = digit_pairs[2 * pair];
        text[i + 1] = digit_pairs[2 * pair + 1];
    }
    return text;
}

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

// The nine digits of |value| rounded exactly (ties to even) at decimal exponent `exponent`,
// which is corrected when off by one; 0 when the value falls outside the fast range.
std::uint64_t exact_digits(std::uint64_t mantissa, int binary_exponent, int& exponent) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (exponent < fast_min_exponent || exponent > fast_max_exponent) {
            return 0;
        }
        const auto digits = scaled_and_rounded(mantissa, binary_exponent, fast_max_exponent - exponent);
        if (digits >= past_nine_digits) {
            ++exponent;  // includes 999999999.5 rounding up to the next power of ten
        } else if (digits < lowest_nine_digits) {
            --exponent;
        } else {
            return digits;
        }
    }
    return 0;
}

// The common case of tracking data: 1e-10 <= |value| < 1e9, several times faster than the
// general formatter. Writes at `p` (which has number_room bytes) and returns the end, or
// returns null, having written nothing, for values it does not handle.
char* format_number_fast(char* p, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto biased_exponent = static_cast<int>((bits >> 52) & 0x7FF);
    const bool negative = (bits >> 63) != 0;
    if (biased_exponent == 0) {
        if ((bits << 1) != 0) {
            return nullptr;  // subnormal: far outside the fast range
        }
        if (negative) {
            std::memcpy(p, "-0", 2);
            return p + 2;
        }
        *p = '0';
        return p + 1;
    }
    // |value| = mantissa * 2^binary_exponent, with 2^52 <= mantissa < 2^53.
    const std::uint64_t mantissa =
        (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int binary_exponent = biased_exponent - 1075;
    if (binary_exponent >= 0) {
        return nullptr;  // at least 2^52: beyond the fast range
    }
    // floor(log10(2^(e+52))) from the binary exponent (78913 / 2^18 is log10(2)); the decimal
    // exponent is that or one more, which a comparison with the next power of ten decides
    // without a branch. That power is inexact below 1, and rounding to nine digits can carry
    // into the next power: both show as digits outside [10^8, 10^9), set right below.
    int exponent = ((binary_exponent + 52) * 78913) >> 18;
    if (exponent < fast_min_exponent - 1 || exponent > fast_max_exponent) {
        return nullptr;
    }
    exponent += static_cast<int>(std::fabs(value) >= powers_of_ten_as_doubles[static_cast<std::size_t>(
                                                         exponent + 1 - fast_min_exponent)]);
    if (exponent < fast_min_exponent || exponent > fast_max_exponent) {
        return nullptr;
    }
    // Usually the double product |value| * 10^k (10^k is exact) rounds the same way as the
    // exact one: it is off by at most half a unit in its last place, under 1.2e-7 below 10^9,
    // so only a fraction within 10^-6 of one half needs the exact product.
    const double scaled =
        std::fabs(value) * exact_powers_of_ten[static_cast<std::size_t>(fast_max_exponent - exponent)];
    // Truncation is floor here: the product is positive and below 2^63.
    const auto whole = static_cast<std::int64_t>(scaled);
    const double fraction = scaled - static_cast<double>(whole);
    auto digits = static_cast<std::uint64_t>(whole) + static_cast<std::uint64_t>(fraction > 0.5);
    const bool near_half = std::fabs(fraction - 0.5) < 1e-6;
    if (near_half || digits < lowest_nine_digits || digits >= past_nine_digits) [[unlikely]] {
        digits = exact_digits(mantissa, binary_exponent, exponent);
        if (digits == 0) {
            return nullptr;
        }
    }

    // Nine digits and spare bytes, so that every copy below has a fixed size (a couple of
    // moves, no branch on the length); only the length taken at the end varies.
    const auto text = nine_digits(static_cast<std::uint32_t>(digits));
    std::size_t count = 9;
    while (count > 1 && text[count - 1] == '0') {
        --count;
    }

    // At most: sign, "0.", four zeros, nine digits; or sign, nine digits, '.', "e-10"; the
    // fixed-size copies write up to 26 bytes.
    *p = '-';
    p += negative ? 1 : 0;
    if (exponent >= 0) {
        // ddd.dddd: the integer digits, a point, the rest; the point only if digits follow it.
        const auto integer_digits = static_cast<std::size_t>(exponent) + 1;
        std::memcpy(p, text.data(), 16);
        std::memcpy(p + integer_digits + 1, text.data() + integer_digits, 8);
        p[integer_digits] = '.';
        p += count > integer_digits ? count + 1 : integer_digits;
    } else if (exponent >= -4) {
        // 0.000ddd
        std::memcpy(p, "0.0000", 6);
        const auto leading = static_cast<std::size_t>(1 - exponent);  // "0." and the zeros
        std::memcpy(p + leading, text.data(), 16);
        p += leading + count;
    } else {
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
    }
    return p;
}

}  // namespace

char* format_number(char* p, double value) {
    if (!std::isfinite(value)) {
        std::memcpy(p, "null", 4);
        return p + 4;
    }
    if (char* end = format_number_fast(p, value)) {
        return end;
    }
    // to_chars never consults a locale, and with a precision it rounds the exact binary value
    // correctly, ties to even: the reference for the rule, and the path for values outside
    // the fast range. "-1.23456789e-308" is the longest it writes.
    return std::to_chars(p, p + number_room, value, std::chars_format::general, 9).ptr;
}

void write_number(std::string& out, double value) {
    std::array<char, number_room> text;
    out.append(text.data(), format_number(text.data(), value));
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

namespace {

// Vectors and poses are formatted into one local buffer and appended once: most of a line is
// numbers, and a string append per number and per comma costs as much as formatting them.
char* format_vec3(char* p, const Vec3& v) {
    *p++ = '[';
    p = format_number(p, v.x);
    *p++ = ',';
    p = format_number(p, v.y);
    *p++ = ',';
    p = format_number(p, v.z);
    *p++ = ']';
    return p;
}

template <std::size_t Size>
char* put(char* p, const char (&text)[Size]) {
    std::memcpy(p, text, Size - 1);
    return p + Size - 1;
}

}  // namespace

void write_vec3(std::string& out, const Vec3& v) {
    std::array<char, 3 * number_room + 4> text;
    out.append(text.data(), format_vec3(text.data(), v));
}

void write_pose(std::string& out, const Pose& pose) {
    std::array<char, 7 * number_room + 40> text;
    char* p = put(text.data(), R"({"position":)");
    p = format_vec3(p, pose.position);
    p = put(p, R"(,"orientation":[)");
    p = format_number(p, pose.orientation.x);
    *p++ = ',';
    p = format_number(p, pose.orientation.y);
    *p++ = ',';
    p = format_number(p, pose.orientation.z);
    *p++ = ',';
    p = format_number(p, pose.orientation.w);
    p = put(p, "]}");
    out.append(text.data(), p);
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

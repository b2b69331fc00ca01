#include "json_writers.hpp"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace quillary::spatial::json {
namespace {

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

// The eight decimal digits of n < 10^8 as byte values 0-9, most significant in the lowest byte
// (first in memory), worked out in parallel lanes of one register rather than by a chain of
// divisions: n splits into two four-digit halves in 32-bit lanes, each half into two pairs in
// 16-bit lanes, each pair into two digits in bytes. x * 10486 >> 20 is x / 100 for x < 10^4
// and x * 103 >> 10 is x / 10 for x < 100; no lane's product reaches the next lane.
std::uint64_t eight_digits(std::uint32_t n) {
    const std::uint64_t halves = n / 10000 | static_cast<std::uint64_t>(n % 10000) << 32;
    const std::uint64_t high_pairs = (halves * 10486 >> 20) & 0x0000007F'0000007FULL;
    const std::uint64_t pairs = high_pairs | (halves - high_pairs * 100) << 16;
    const std::uint64_t high_digits = (pairs * 103 >> 10) & 0x000F000F'000F000FULL;
    return high_digits | (pairs - high_digits * 10) << 8;
}

constexpr std::uint64_t ascii_zeros = 0x30303030'30303030ULL;

// Eight bytes of text held in a register, its lowest byte first.
void store_8(char* p, std::uint64_t text) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(p, &text, 8);
    } else {
        for (int i = 0; i < 8; ++i) {
            p[i] = static_cast<char>(text >> (8 * i));
        }
    }
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

    // The nine digits as text in registers, the first digit apart and the other eight in one
    // word, lowest byte first; they are stored, never read back, which would stall waiting
    // for the stores. The significant digits end before the trailing zeros, the high zero
    // bytes of the eight. A full-precision value has none: behind a branch the processor
    // predicts, the next number need not wait for this one's digits to know where it starts.
    const auto first = static_cast<char>('0' + digits / lowest_nine_digits);
    const std::uint64_t last_eight = eight_digits(static_cast<std::uint32_t>(digits % lowest_nine_digits));
    std::size_t significant = 9;
    if ((last_eight >> 56) == 0) {
        significant -= static_cast<std::size_t>(std::countl_zero(last_eight)) / 8;
    }
    const std::uint64_t last_eight_text = last_eight | ascii_zeros;

    // At most: sign, "0.", four zeros, nine digits; or sign, nine digits, '.', "e-10". The
    // stores below reach 19 bytes past where the number starts, within number_room.
    *p = '-';
    p += negative ? 1 : 0;
    if (exponent >= 0) {
        // ddd.dddd: the integer digits, a point, the rest; the point only if digits follow it.
        // With nine integer digits nothing follows, and what is stored past them is scratch.
        const auto integer_digits = static_cast<std::size_t>(exponent) + 1;
        *p = first;
        store_8(p + 1, last_eight_text);
        p[integer_digits] = '.';
        store_8(p + integer_digits + 1, last_eight_text >> (8 * static_cast<unsigned>(exponent) & 63));
        p += significant > integer_digits ? significant + 1 : integer_digits;
    } else if (exponent >= -4) {
        // 0.000ddd
        store_8(p, 0x30303030'30302E30ULL);  // "0.000000"
        const auto leading = static_cast<std::size_t>(1 - exponent);  // "0." and the zeros
        p[leading] = first;
        store_8(p + leading + 1, last_eight_text);
        p += leading + significant;
    } else {
        // Exponent form: d[.ddd]e-XX (no exponent in the fast range is large enough for e+).
        p[0] = first;
        p[1] = '.';
        store_8(p + 2, last_eight_text);
        p += significant > 1 ? significant + 1 : 1;
        const char power[] = {'e', '-', static_cast<char>('0' + (-exponent) / 10),
                              static_cast<char>('0' + (-exponent) % 10)};
        std::memcpy(p, power, sizeof power);
        p += sizeof power;
    }
    return p;
}

}  // namespace

char* format_number(char* p, double value) {
    // The fast path turns away NaN and the infinities with the other large exponents.
    if (char* end = format_number_fast(p, value)) {
        return end;
    }
    if (!std::isfinite(value)) {
        std::memcpy(p, "null", 4);
        return p + 4;
    }
    // to_chars never consults a locale, and with a precision it rounds the exact binary value
    // correctly, ties to even: the reference for the rule, and the path for values outside
    // the fast range. "-1.23456789e-308" is the longest it writes.
    return std::to_chars(p, p + number_room, value, std::chars_format::general, 9).ptr;
}

namespace {

// Up to eight digits of n < 10^8, without leading zeros ("0" for zero).
char* format_up_to_eight(char* p, std::uint32_t n) {
    const std::uint64_t digits = eight_digits(n);
    // Leading zeros are the low zero bytes; zero keeps its last digit.
    const auto leading_zeros = static_cast<unsigned>(std::countr_zero(digits | (std::uint64_t{1} << 56))) / 8;
    store_8(p, (digits | ascii_zeros) >> (8 * leading_zeros));
    return p + 8 - leading_zeros;
}

}  // namespace

char* format_unsigned(char* p, std::uint64_t value) {
    // In eight-digit groups, the first without its leading zeros: a timestamp in nanoseconds
    // has nineteen digits, which to_chars writes two at a time.
    constexpr std::uint64_t group = 100'000'000;
    if (value < group) {
        return format_up_to_eight(p, static_cast<std::uint32_t>(value));
    }
    const std::uint64_t high = value / group;
    const auto low = static_cast<std::uint32_t>(value % group);
    if (high < group) {
        p = format_up_to_eight(p, static_cast<std::uint32_t>(high));
    } else {
        p = format_up_to_eight(p, static_cast<std::uint32_t>(high / group));
        store_8(p, eight_digits(static_cast<std::uint32_t>(high % group)) | ascii_zeros);
        p += 8;
    }
    store_8(p, eight_digits(low) | ascii_zeros);
    return p + 8;
}

char* format_integer(char* p, std::int64_t value) {
    *p = '-';
    // The magnitude in unsigned arithmetic, where the lowest value's has no overflow.
    const auto magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    return format_unsigned(p + (value < 0 ? 1 : 0), magnitude);
}

char* format_bool(char* p, bool value) {
    std::memcpy(p, value ? "true " : "false", bool_room);
    return p + (value ? 4 : 5);
}

namespace {

constexpr std::uint64_t each_byte(unsigned char byte) { return 0x01010101'01010101ULL * byte; }

// Whether any of the eight bytes is below 0x20, a quote or a backslash (Anderson's "has a byte
// less than n" and "has a zero byte", exact as to whether there is one).
bool needs_escaping(std::uint64_t word) {
    const auto has_zero = [](std::uint64_t v) { return (v - each_byte(1)) & ~v & each_byte(0x80); };
    const std::uint64_t control = (word - each_byte(0x20)) & ~word & each_byte(0x80);
    return (control | has_zero(word ^ each_byte('"')) | has_zero(word ^ each_byte('\\'))) != 0;
}

bool escaped(unsigned char byte) { return byte < 0x20 || byte == '"' || byte == '\\'; }

// Bytes an escape adds to its byte: \" \\ \t \n \r add one, \u00XX five.
std::size_t escape_extra(unsigned char byte) {
    if (!escaped(byte)) {
        return 0;
    }
    return byte == '"' || byte == '\\' || byte == '\t' || byte == '\n' || byte == '\r' ? 1 : 5;
}

}  // namespace

std::size_t json_string_size(std::string_view bytes) {
    std::size_t size = 2 + bytes.size();
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + i, 8);
        if (needs_escaping(word)) {
            for (std::size_t j = i; j < i + 8; ++j) {
                size += escape_extra(static_cast<unsigned char>(bytes[j]));
            }
        }
    }
    for (; i < bytes.size(); ++i) {
        size += escape_extra(static_cast<unsigned char>(bytes[i]));
    }
    return size;
}

char* format_json_string(char* p, std::string_view bytes) {
    static constexpr char hex[] = "0123456789abcdef";
    *p++ = '"';
    std::size_t i = 0;
    // Eight bytes at a time while none needs escaping, as nearly no text does.
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + i, 8);
        if (needs_escaping(word)) {
            break;
        }
        std::memcpy(p, &word, 8);
        p += 8;
    }
    for (; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (!escaped(byte)) [[likely]] {
            *p++ = static_cast<char>(byte);
            continue;
        }
        *p++ = '\\';
        switch (byte) {
            case '"': *p++ = '"'; break;
            case '\\': *p++ = '\\'; break;
            case '\t': *p++ = 't'; break;
            case '\n': *p++ = 'n'; break;
            case '\r': *p++ = 'r'; break;
            default: {
                const char escape[] = {'u', '0', '0', hex[byte >> 4], hex[byte & 0xF]};
                std::memcpy(p, escape, sizeof escape);
                p += sizeof escape;
            }
        }
    }
    *p++ = '"';
    return p;
}

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

char* format_pose(char* p, const Pose& pose) {
    p = put(p, R"({"position":)");
    p = format_vec3(p, pose.position);
    p = put(p, R"(,"orientation":[)");
    p = format_number(p, pose.orientation.x);
    *p++ = ',';
    p = format_number(p, pose.orientation.y);
    *p++ = ',';
    p = format_number(p, pose.orientation.z);
    *p++ = ',';
    p = format_number(p, pose.orientation.w);
    return put(p, "]}");
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

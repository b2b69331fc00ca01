#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <limits>
#include <ostream>
#include <string>
#include <type_traits>

#include "json_writers.hpp"

namespace qs = quillary::spatial;
namespace json = quillary::spatial::json;

namespace {

// What one writer writes, given more than the room any value here needs.
template <class Format, class Value>
std::string written(Format format, const Value& value) {
    std::string out(256, '\0');
    out.resize(static_cast<std::size_t>(format(out.data(), value) - out.data()));
    return out;
}

}  // namespace

struct NumberCase {
    double value;
    const char* text;
};

// Printed by value: gtest would otherwise dump the struct's bytes, padding included.
void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.value << " -> " << c.text; }

class NumberRule : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberRule, NineSignificantDigitsGeneralNotation) {
    EXPECT_EQ(written(json::format_number, GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberRule,
    testing::Values(NumberCase{0.0, "0"}, NumberCase{-0.0, "-0"}, NumberCase{1.0, "1"},
                    NumberCase{1.6, "1.6"}, NumberCase{-1.5, "-1.5"}, NumberCase{0.1, "0.1"},
                    NumberCase{0.1 + 0.2, "0.3"}, NumberCase{1.0 / 3.0, "0.333333333"},
                    NumberCase{2.0 / 3.0, "0.666666667"},
                    NumberCase{-0.8660254037844386, "-0.866025404"},
                    // Exponent boundaries: fixed form from 1e-4 up to 9 integer digits.
                    NumberCase{123456789.0, "123456789"}, NumberCase{100000000.0, "100000000"},
                    NumberCase{1234567890.0, "1.23456789e+09"}, NumberCase{1e9, "1e+09"},
                    NumberCase{0.0001, "0.0001"}, NumberCase{0.00012345, "0.00012345"},
                    NumberCase{0.00001, "1e-05"}, NumberCase{2.5e-5, "2.5e-05"},
                    NumberCase{1e100, "1e+100"}, NumberCase{1e-300, "1e-300"},
                    NumberCase{std::numeric_limits<double>::max(), "1.79769313e+308"},
                    NumberCase{std::numeric_limits<double>::denorm_min(), "4.94065646e-324"},
                    // Exact ties go to the even digit, also when the exponent changes.
                    NumberCase{123456788.5, "123456788"}, NumberCase{123456789.5, "123456790"},
                    NumberCase{999999999.5, "1e+09"}, NumberCase{-123456788.5, "-123456788"},
                    // No JSON form: written as null so every line stays strict JSON.
                    NumberCase{std::numeric_limits<double>::quiet_NaN(), "null"},
                    NumberCase{std::numeric_limits<double>::infinity(), "null"},
                    NumberCase{-std::numeric_limits<double>::infinity(), "null"}));

// Integers are written in eight-digit groups: every length, every group boundary and both
// signs must read as std::to_chars writes them.
TEST(IntegerWriters, AgreeWithToCharsAtEveryLength) {
    std::mt19937_64 random(20261209);
    std::uniform_int_distribution<std::uint64_t> any_bits;
    const auto check = [](auto value) {
        char expected[24];
        const std::string_view want(expected, std::to_chars(expected, expected + sizeof expected, value).ptr);
        if constexpr (std::is_signed_v<decltype(value)>) {
            ASSERT_EQ(written(json::format_integer, value), want);
        } else {
            ASSERT_EQ(written(json::format_unsigned, value), want);
        }
    };
    std::uint64_t power = 1;
    for (int digits = 1; digits <= 20; ++digits) {
        for (const std::uint64_t value : {power, power - 1, power + 1, power * 9 / 10 * 10 + 9}) {
            check(value);
            check(static_cast<std::int64_t>(value));
            check(-static_cast<std::int64_t>(value >> 1));
        }
        for (int i = 0; i < 2000; ++i) {
            // Below 10^digits, so that every length is as common as every other.
            const std::uint64_t value = digits == 20 ? any_bits(random) : any_bits(random) % (power * 10);
            check(value);
            check(static_cast<std::int64_t>(value));
        }
        power = digits < 20 ? power * 10 : power;
    }
}

TEST(IntegerWriters, FullSixtyFourBitRanges) {
    EXPECT_EQ(written(json::format_integer, std::numeric_limits<std::int64_t>::min()),
              "-9223372036854775808");
    EXPECT_EQ(written(json::format_integer, std::numeric_limits<std::int64_t>::max()),
              "9223372036854775807");
    EXPECT_EQ(written(json::format_integer, std::int64_t{0}), "0");
    EXPECT_EQ(written(json::format_unsigned, std::numeric_limits<std::uint64_t>::max()),
              "18446744073709551615");
}

TEST(BoolWriter, Literals) {
    EXPECT_EQ(written(json::format_bool, true), "true");
    EXPECT_EQ(written(json::format_bool, false), "false");
}

struct EscapeCase {
    std::string input;
    std::string output;
};

void PrintTo(const EscapeCase& c, std::ostream* os) { *os << testing::PrintToString(c.input); }

class StringEscaping : public testing::TestWithParam<EscapeCase> {};

// The size counted beforehand is the room the line reserves for the string: it must be
// exactly what is written.
TEST_P(StringEscaping, ByteByByteInTheSizeCountedBeforehand) {
    const std::string_view input(GetParam().input);
    EXPECT_EQ(written(json::format_json_string, input), GetParam().output);
    EXPECT_EQ(json::json_string_size(input), GetParam().output.size());
}

INSTANTIATE_TEST_SUITE_P(
    Table, StringEscaping,
    testing::Values(EscapeCase{"", R"("")"},
                    EscapeCase{"\"\\\t\n\r\b\x01\x1f", R"("\"\\\t\n\r\u0008\u0001\u001f")"},
                    EscapeCase{std::string("a\0b", 3), R"("a\u0000b")"},
                    EscapeCase{"\f\x1b", R"("\u000c\u001b")"},
                    EscapeCase{"/\x7f", "\"/\x7f\""},
                    EscapeCase{"caf\xc3\xa9", "\"caf\xc3\xa9\""},       // UTF-8 passes through
                    EscapeCase{"\xff\xfe", "\"\xff\xfe\""},             // so does invalid UTF-8
                    EscapeCase{"plain text", R"("plain text")"},
                    // Escapes in the first eight bytes, the second eight and after them.
                    EscapeCase{"\x01" "bcdefgh\"jklmnop\\q\x7f", R"("\u0001bcdefgh\"jklmnop\\q)" "\x7f\""},
                    EscapeCase{"abcdefgh\nABCDEFG\x1f", R"("abcdefgh\nABCDEFG\u001f")"}));

TEST(StringEscaping, NumbersAfterAnEscapeStayDecimal) {
    std::string out(256, '\0');
    char* p = json::format_json_string(out.data(), "\x1b");
    p = json::format_number(p, 10.0);
    p = json::format_integer(p, 10);
    out.resize(static_cast<std::size_t>(p - out.data()));
    EXPECT_EQ(out, R"("\u001b"1010)");
}

TEST(GeometryWriters, VectorsAndPoses) {
    EXPECT_EQ(written(json::format_vec3, qs::Vec3{}), "[0,0,0]");
    EXPECT_EQ(written(json::format_pose, qs::Pose{}),
              R"({"position":[0,0,0],"orientation":[0,0,0,1]})");
}

TEST(WireNames, ListedAndFallback) {
    using qs::PointingSource;
    using qs::TrackingConfidence;
    EXPECT_EQ(json::tracking_confidence_name(TrackingConfidence::UNAVAILABLE), "unavailable");
    EXPECT_EQ(json::tracking_confidence_name(TrackingConfidence::ORIENTATION_ONLY), "orientation_only");
    EXPECT_EQ(json::tracking_confidence_name(TrackingConfidence::POSITION_AND_ORIENTATION),
              "position_and_orientation");
    EXPECT_EQ(json::tracking_confidence_name(static_cast<TrackingConfidence>(7)), "unavailable");
    EXPECT_EQ(json::pointing_source_name(PointingSource::CONTROLLER), "controller");
    EXPECT_EQ(json::pointing_source_name(PointingSource::HAND), "hand");
    EXPECT_EQ(json::pointing_source_name(PointingSource::EYE_GAZE), "eye_gaze");
    EXPECT_EQ(json::pointing_source_name(PointingSource::HEAD), "head");
    EXPECT_EQ(json::pointing_source_name(static_cast<PointingSource>(-1)), "head");
    EXPECT_EQ(json::pointing_source_name(static_cast<PointingSource>(4)), "head");
}

// The C library's %.9g in the "C" locale is an independent statement of the same rule; the
// writer must agree with it everywhere (non-finite values aside), fast path and general path.
TEST(NumberRule, AgreesWithPrintfAcrossMagnitudes) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> exponent(-14.0, 14.0);
    std::uniform_int_distribution<std::uint64_t> any_bits;
    char expected[64];
    constexpr std::array<double, 10> powers{1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    auto check = [&](double value) {
        std::snprintf(expected, sizeof expected, "%.9g", value);
        ASSERT_EQ(written(json::format_number, value), expected) << "for " << value;
    };
    for (int i = 0; i < 200000; ++i) {
        const double magnitude = std::pow(10.0, exponent(random));
        check(i % 2 == 0 ? magnitude : -magnitude);
        // Values right at 9-digit ties and at powers of ten, where rounding can carry.
        const double tie = (std::floor(magnitude * 1e3) + 0.5) / 1e3;
        check(tie);
        // Short decimals, whose trailing zeros are dropped: every count of significant digits
        // at every position of the point, on both sides of 1.
        const auto up_to_digits = static_cast<std::uint64_t>(powers[1 + any_bits(random) % 9]);
        const double short_decimal = static_cast<double>(any_bits(random) % up_to_digits) /
                                     powers[any_bits(random) % powers.size()] /
                                     powers[any_bits(random) % powers.size()];
        check(short_decimal);
        check(-short_decimal);
        const double bits = std::bit_cast<double>(any_bits(random));
        if (std::isfinite(bits)) {
            check(bits);
        }
    }
    for (int p = -12; p <= 12; ++p) {
        const double power = std::pow(10.0, p);
        check(power);
        check(std::nextafter(power, 0.0));
        check(std::nextafter(power, 1e300));
        check(power * 0.9999999995);
        check(power * 0.99999999949999);
    }
}

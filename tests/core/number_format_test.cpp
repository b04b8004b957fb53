#include "core/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace {

struct FormatCase {
    double value;
    const char *text;
};

class GeneralNumberFormat : public ::testing::TestWithParam<FormatCase>
{
};

TEST_P(GeneralNumberFormat, WritesTheShortestText)
{
    EXPECT_EQ(core::formatNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, GeneralNumberFormat,
    ::testing::Values(
        // leading zero, sign, no trailing zeros or point
        FormatCase{0.6, "0.6"}, FormatCase{2.45, "2.45"}, FormatCase{-0.5, "-0.5"},
        FormatCase{28.15, "28.15"}, FormatCase{17.6, "17.6"}, FormatCase{100.0, "100"},
        FormatCase{245.0 / 100.0, "2.45"}, FormatCase{5097447.0, "5097447"}, FormatCase{0.0, "0"},
        FormatCase{-0.0, "0"},
        // 15 significant digits at most; binary noise disappears
        FormatCase{0.1 + 0.2, "0.3"}, FormatCase{1.0 / 3.0, "0.333333333333333"},
        FormatCase{2.0 / 3.0, "0.666666666666667"}, FormatCase{1.1 * 90.0, "99"},
        FormatCase{99999999999999.9, "99999999999999.9"},
        FormatCase{123456789012345.0, "123456789012345"},
        // exponent form below 0.0001 and from 1E+15
        FormatCase{0.0001, "0.0001"}, FormatCase{0.00012345, "0.00012345"},
        FormatCase{0.00001, "1E-05"}, FormatCase{-0.00001, "-1E-05"}, FormatCase{1.5e-7, "1.5E-07"},
        FormatCase{1e15, "1E+15"}, FormatCase{1234567890123456.0, "1.23456789012346E+15"},
        FormatCase{999999999999999.9, "1E+15"}, FormatCase{1e100, "1E+100"},
        FormatCase{-2.5e-120, "-2.5E-120"}));

// The general format written the slow way: printf's rounding to 15 significant digits, laid
// out by the same rules.
std::string roundedTo15Digits(double value)
{
    if (value == 0)
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    std::string digits = std::string(1, buffer[0]) + std::string(buffer + 2, buffer + 16);
    const int exponent = std::atoi(buffer + 17);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string text = value < 0 ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        text += digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "");
        std::snprintf(buffer, sizeof buffer, "E%c%02d", exponent < 0 ? '-' : '+',
                      std::abs(exponent));
        return text + buffer;
    }
    if (exponent < 0)
        return text + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const auto whole = static_cast<std::size_t>(exponent + 1);
    if (digits.size() <= whole)
        return text + digits + std::string(whole - digits.size(), '0');
    return text + digits.substr(0, whole) + "." + digits.substr(whole);
}

// Any finite double, from its bits, and the short decimals a design writes, whose binary
// values lie next to a text of few digits.
TEST(GeneralNumberFormat, IsTheValueRoundedToFifteenSignificantDigits)
{
    std::mt19937_64 random(15);
    std::uniform_int_distribution<int> decimals(0, 6);
    std::uniform_real_distribution<double> scale(-3, 7);
    for (int i = 0; i < 200000; ++i) {
        double value = 0;
        if (i % 2) {
            const std::uint64_t bits = random();
            std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value))
                continue;
        } else {
            const double power = std::pow(10.0, decimals(random));
            value = std::round(std::pow(10.0, scale(random)) * power) / power;
            value = i % 4 ? value : value * 1.1 / 3; // now and then the noise of arithmetic
        }
        ASSERT_EQ(core::formatNumber(value), roundedTo15Digits(value)) << value;
    }
}

struct RoundCase {
    double value;
    int decimals;
    double rounded;
};

class RoundHalfEven : public ::testing::TestWithParam<RoundCase>
{
};

TEST_P(RoundHalfEven, ScalesRoundsHalvesToEvenAndUnscales)
{
    EXPECT_EQ(core::roundHalfEven(GetParam().value, GetParam().decimals), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RoundHalfEven,
    ::testing::Values(RoundCase{2.5, 0, 2.0}, RoundCase{3.5, 0, 4.0}, RoundCase{-2.5, 0, -2.0},
                      RoundCase{0.125, 2, 0.12}, RoundCase{0.375, 2, 0.38},
                      RoundCase{17.6, 2, 17.6}, RoundCase{20.3456, 2, 20.35},
                      // 1.005 * 100 is 100.49999999999999 in binary: the scaled value rounds down
                      RoundCase{1.005, 2, 1.0}, RoundCase{113.9537, 2, 113.95},
                      RoundCase{-0.004, 2, 0.0}));

TEST(RoundHalfEven, RoundedValuesPrintWithTwoDecimalsAtMost)
{
    EXPECT_EQ(core::formatNumber(core::roundHalfEven(20.349999, 2)), "20.35");
    EXPECT_EQ(core::formatNumber(core::roundHalfEven(31.899999, 2)), "31.9");
    EXPECT_EQ(core::formatNumber(core::roundHalfEven(-0.004, 2)), "0");
}

TEST(Up5, RaisesToTheNextMultipleOfFiveStrictlyAbove)
{
    struct Case {
        double x, up;
    };
    for (const Case c :
         {Case{240, 245}, Case{241, 245}, Case{244.999, 245}, Case{0, 5}, Case{15.3, 20},
          Case{530, 535}, Case{528, 530}, Case{-3, 0}, Case{-5, 0}, Case{1e-12, 5}})
        EXPECT_EQ(core::up5(c.x), c.up) << "up5(" << c.x << ")";
}

} // namespace

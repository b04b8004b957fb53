#include "core/number_format.h"

#include <gtest/gtest.h>
#include <limits>

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

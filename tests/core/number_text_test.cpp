#include "core/number_text.h"

#include <gtest/gtest.h>

namespace {

using core::NumberTextError;

struct TextCase {
    const char *text;
    double value;
};

class AcceptedNumberText : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(AcceptedNumberText, ReadsTheNumber)
{
    const core::ParsedNumber parsed = core::parseNumber(GetParam().text);
    ASSERT_TRUE(parsed.ok()) << '"' << GetParam().text << '"';
    EXPECT_EQ(parsed.value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Examples, AcceptedNumberText,
                         ::testing::Values(TextCase{"90", 90}, TextCase{"1.25", 1.25},
                                           TextCase{"  3.2\t", 3.2}, TextCase{"-5", -5},
                                           TextCase{"+5", 5}, TextCase{".5", 0.5},
                                           TextCase{"5.", 5}, TextCase{"2400.0", 2400},
                                           TextCase{"1e3", 1000}, TextCase{"2.5E-2", 0.025},
                                           TextCase{"-0", 0}, TextCase{"007", 7}));

struct RefusedCase {
    const char *text;
    NumberTextError error;
};

class RefusedNumberText : public ::testing::TestWithParam<RefusedCase>
{
};

TEST_P(RefusedNumberText, SaysWhy)
{
    const core::ParsedNumber parsed = core::parseNumber(GetParam().text);
    ASSERT_FALSE(parsed.ok()) << '"' << GetParam().text << '"';
    EXPECT_EQ(*parsed.error, GetParam().error) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Examples, RefusedNumberText,
                         ::testing::Values(RefusedCase{"", NumberTextError::Empty},
                                           RefusedCase{"   ", NumberTextError::Empty},
                                           RefusedCase{"abc", NumberTextError::NotANumber},
                                           RefusedCase{"1,5", NumberTextError::NotANumber},
                                           RefusedCase{"1e", NumberTextError::NotANumber},
                                           RefusedCase{"inf", NumberTextError::NotANumber},
                                           RefusedCase{"nan", NumberTextError::NotANumber},
                                           RefusedCase{"1.2.3", NumberTextError::NotANumber},
                                           RefusedCase{"--5", NumberTextError::NotANumber},
                                           RefusedCase{"+-5", NumberTextError::NotANumber},
                                           RefusedCase{"+", NumberTextError::NotANumber},
                                           RefusedCase{".", NumberTextError::NotANumber},
                                           RefusedCase{"5 6", NumberTextError::NotANumber},
                                           RefusedCase{"0x10", NumberTextError::NotANumber},
                                           RefusedCase{"1e999", NumberTextError::OutOfRange},
                                           RefusedCase{"-1e999", NumberTextError::OutOfRange}));

} // namespace

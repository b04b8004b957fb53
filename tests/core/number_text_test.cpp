#include "core/number_text.h"

#include <gtest/gtest.h>
#include <string>

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

// How a message quotes typed text: one line, nothing a terminal or a message box would act
// on, and short.
std::string repeat(const std::string &piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

struct QuoteCase {
    const char *name;
    std::string text;
    std::string quoted;
};

class QuotedText : public ::testing::TestWithParam<QuoteCase>
{
};

TEST_P(QuotedText, IsOneHarmlessShortLine)
{
    EXPECT_EQ(core::quoteTyped(GetParam().text), GetParam().quoted);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, QuotedText,
    ::testing::Values(
        QuoteCase{"Plain", "12a", "\"12a\""}, QuoteCase{"Empty", "", "\"\""},
        QuoteCase{"NewlineTabReturn", "5\n6\t7\r", "\"5\\n6\\t7\\r\""},
        QuoteCase{"TerminalEscape", "5\x1b[2J", "\"5\\x1B[2J\""},
        QuoteCase{"NulAndDelete", std::string("a\0b\x7f", 4), "\"a\\x00b\\x7F\""},
        QuoteCase{"QuoteAndBackslash", "1\"2\\3", "\"1\\\"2\\\\3\""},
        QuoteCase{"ArabicAndGreekKept", "خمسة φ", "\"خمسة φ\""},
        QuoteCase{"RightToLeftOverride", "1\u202E2", "\"1\\u202E2\""},
        QuoteCase{"LineSeparator", "1\u20282", "\"1\\u20282\""},
        QuoteCase{"NextLineControl", "1\u00852", "\"1\\u00852\""},
        QuoteCase{"StrayByte",
                  "1\xff"
                  "2",
                  "\"1\\xFF2\""},
        QuoteCase{"CutSequence", "1\xe2\x80", "\"1\\xE2\\x80\""},
        QuoteCase{"OverlongSlash", "\xc0\xaf", "\"\\xC0\\xAF\""},
        QuoteCase{"Surrogate", "\xed\xa0\x80", "\"\\xED\\xA0\\x80\""},
        QuoteCase{"FortyCharacters", repeat("7", 40), "\"" + repeat("7", 40) + "\""},
        QuoteCase{"FortyOneCharacters", repeat("7", 41), "\"" + repeat("7", 40) + "…\""},
        // An escape is never cut in two: 38 characters and "\x1B" would make 42.
        QuoteCase{"EscapeAtTheEnd", repeat("7", 38) + "\x1b", "\"" + repeat("7", 38) + "…\""},
        // Characters are counted, not bytes.
        QuoteCase{"LongArabic", repeat("س", 50), "\"" + repeat("س", 40) + "…\""},
        QuoteCase{"HundredThousandNewlines", repeat("\n", 100000),
                  "\"" + repeat("\\n", 20) + "…\""}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

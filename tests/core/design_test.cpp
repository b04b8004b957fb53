#include "core/design.h"
#include "core/number_text.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

constexpr std::array kInputs{
    core::InputField{"Text1", "P (ton)"},
    core::InputField{"Text3", "Assume RC Footing Thickness"},
    core::InputField{"Text4", "Cover"},
};

// The same inputs with units and plausible ranges, and a moment that may be negative.
constexpr std::array kRanged{
    core::InputField{"Text1", "P (ton)", "P", "t", 1, 5000},
    core::InputField{"Text3", "Assume RC Footing Thickness", "t", "cm", 10, 400},
    core::InputField{"Text4", "Cover", "cover", "cm", 2, 15},
    core::InputField{"Text10", "M (t.m)", "M", "t.m", -1000, 1000},
    core::InputField{"Text9", "qall (kg\\cm2)", "qall", "kg/cm2", 0.25, 100},
};

TEST(FieldReader, ReadsNumbersAndKeepsTheFirstFailure)
{
    const core::FieldTexts texts{{"Text1", " 90 "}, {"Text3", "abc"}, {"Text4", ""}};
    core::FieldReader reader(texts, kInputs);
    EXPECT_EQ(reader.positive("Text1").value(), 90.0);
    EXPECT_FALSE(reader.failed());
    EXPECT_EQ(reader.number("Text3").value(), 0.0);
    EXPECT_EQ(reader.number("Text4").value(), 0.0); // a later failure does not replace the first
    ASSERT_TRUE(reader.failed());
    const core::DesignResult result = reader.refused();
    EXPECT_FALSE(result.accepted());
    EXPECT_TRUE(result.run.events().empty());
    EXPECT_EQ(result.refusal->control, "Text3");
    EXPECT_EQ(result.refusal->message, "\"Assume RC Footing Thickness\" must be a number, written "
                                       "with a decimal point (\"abc\" is not).");
}

TEST(FieldReader, MessagesNameTheFieldAndTheCondition)
{
    struct Case {
        const char *text;
        const char *message;
    };
    for (const Case c : {Case{"", "\"P (ton)\" is empty: type a number."},
                         Case{"0", "\"P (ton)\" must be greater than 0."},
                         Case{"-3", "\"P (ton)\" must be greater than 0."},
                         Case{"1e999", "\"P (ton)\" is out of range: type a number of ordinary "
                                       "size."}}) {
        const core::FieldTexts texts{{"Text1", c.text}};
        core::FieldReader reader(texts, kInputs);
        reader.positive("Text1").value();
        ASSERT_TRUE(reader.failed()) << c.text;
        EXPECT_EQ(reader.refused().refusal->message, c.message);
    }
}

// A number is refused outside its range, both ends included, with the range and the text as
// typed; a zero or negative text still gets the message of positive().
struct RangeCase {
    const char *name;
    const char *control;
    const char *text;
    bool signedNumber;   // read with number() rather than positive()
    const char *message; // empty when accepted
};

class FieldRange : public ::testing::TestWithParam<RangeCase>
{
};

TEST_P(FieldRange, RefusesNumbersOutsideTheRangeNamingFieldAndRange)
{
    const RangeCase &c = GetParam();
    const core::FieldTexts texts{{c.control, c.text}};
    core::FieldReader reader(texts, kRanged);
    const core::Term value = c.signedNumber ? reader.number(c.control) : reader.positive(c.control);
    if (std::string(c.message).empty()) {
        EXPECT_FALSE(reader.failed()) << reader.refused().refusal->message;
        EXPECT_EQ(value.value(), core::parseNumber(c.text).value);
        return;
    }
    ASSERT_TRUE(reader.failed());
    EXPECT_EQ(value.value(), 0.0);
    EXPECT_EQ(reader.refused().refusal->control, c.control);
    EXPECT_EQ(reader.refused().refusal->message, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FieldRange,
    ::testing::Values(
        RangeCase{"LowEnd", "Text1", "1", false, ""},
        RangeCase{"HighEnd", "Text1", "5e3", false, ""},
        RangeCase{"JustBelow", "Text1", "0.999", false,
                  "\"P (ton)\" must be from 1 to 5000 t (\"0.999\" is not)."},
        RangeCase{"JustAbove", "Text1", "5000.01", false,
                  "\"P (ton)\" must be from 1 to 5000 t (\"5000.01\" is not)."},
        RangeCase{"Zero", "Text1", "0", false, "\"P (ton)\" must be greater than 0."},
        RangeCase{"Tiny", "Text9", "1e-300", false,
                  "\"qall (kg\\cm2)\" must be from 0.25 to 100 kg/cm2 (\"1e-300\" is not)."},
        RangeCase{"TypedAsIs", "Text9", " +1E3 ", false,
                  "\"qall (kg\\cm2)\" must be from 0.25 to 100 kg/cm2 (\" +1E3 \" is not)."},
        RangeCase{"NegativeMoment", "Text10", "-1000", true, ""},
        RangeCase{"ZeroMoment", "Text10", "0", true, ""},
        RangeCase{"MomentTooNegative", "Text10", "-1000.5", true,
                  "\"M (t.m)\" must be from -1000 to 1000 t.m (\"-1000.5\" is not)."},
        RangeCase{"NoRange", "Text99", "1e300", true, ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FieldReader, QuotesTypedTextOnOneShortLine)
{
    const core::FieldTexts texts{{"Text1", "5\x1b[2J\n" + std::string(100000, '9') + "x"}};
    core::FieldReader reader(texts, kRanged);
    reader.positive("Text1");
    ASSERT_TRUE(reader.failed());
    EXPECT_EQ(reader.refused().refusal->message,
              "\"P (ton)\" must be a number, written with a decimal point (\"5\\x1B[2J\\n" +
                  std::string(30, '9') + "…\" is not).");
}

TEST(FieldReader, GreaterThanAnotherInput)
{
    const core::FieldTexts texts{{"Text3", "5"}, {"Text4", "5"}};
    core::FieldReader reader(texts, kInputs);
    const double cover = reader.number("Text4").value();
    reader.greaterThan("Text3", cover, "the cover (\"Cover\")").value();
    ASSERT_TRUE(reader.failed());
    EXPECT_EQ(reader.refused().refusal->message,
              "\"Assume RC Footing Thickness\" must be greater than the cover (\"Cover\").");
}

TEST(Finish, RefusesARunThatWouldShowInfinityOrNaN)
{
    core::Run good;
    good.setNumber("Label37", 2.45);
    good.note("qc", 2.1);
    EXPECT_TRUE(core::finish(good, "the loads").accepted());
    EXPECT_TRUE(core::finish(good, kRanged).accepted());

    for (double bad : {std::numeric_limits<double>::infinity(), std::nan("")}) {
        core::Run run;
        run.setNumber("Label37", 2.45);
        run.note("dreq", bad);
        const core::DesignResult result = core::finish(run, "the loads");
        ASSERT_FALSE(result.accepted());
        EXPECT_TRUE(result.run.events().empty());
        // The quantity's symbol means nothing to the user: the message names inputs.
        EXPECT_EQ(result.refusal->message, "These inputs give no finite value. Check the loads.");
    }
}

// The overflow refusal names the inputs behind the quantity, by caption, whatever the
// quantity or control was called.
TEST(Finish, NamesTheInputsBehindTheFirstQuantityThatOverflowed)
{
    const core::FieldTexts texts{{"Text1", "90"}, {"Text3", "60"}, {"Text4", "5"}};
    core::FieldReader in(texts, kRanged);
    const core::Term P = in.positive("Text1");
    const core::Term t = in.positive("Text3");
    const core::Term cover = in.positive("Text4");
    ASSERT_FALSE(in.failed());

    core::Run run;
    const core::Term d = run.step("d", t - cover, "cm");
    run.setNumber("Label42", d / 100);
    const core::Term huge = P * core::Term(1e308) * core::Term(1e308);
    run.setNumber("Label73", huge / d); // the first to overflow: P and, through d, t and cover
    run.step("qb", P / (t - t), "kg/cm2");
    const core::DesignResult result = core::finish(run, kRanged);
    ASSERT_FALSE(result.accepted());
    EXPECT_TRUE(result.run.events().empty());
    EXPECT_EQ(result.refusal->control, "Text1");
    EXPECT_EQ(result.refusal->message,
              "These inputs give no finite value: \"P (ton)\", \"Assume RC Footing Thickness\", "
              "\"Cover\". Check them.");
}

TEST(Finish, ABareNumberBlamesTheNumbersTheRunRead)
{
    core::Run run;
    run.setInputsRead({"Text4", "Text1"});
    run.note("ML", std::numeric_limits<double>::infinity());
    const core::DesignResult bare = core::finish(run, kRanged);
    ASSERT_FALSE(bare.accepted());
    EXPECT_EQ(bare.refusal->control, "Text1");
    EXPECT_EQ(bare.refusal->message,
              "These inputs give no finite value: \"P (ton)\", \"Cover\". Check them.");

    core::Run unread;
    unread.note("ML", std::nan(""));
    EXPECT_EQ(core::finish(unread, kRanged).refusal->message,
              "These inputs give no finite value. Check the loads, sizes and strengths.");
}

TEST(Run, DescribesEachEventAsOneLine)
{
    core::Run run;
    run.setNumber("Label37", 245.0 / 100.0);
    run.show("Picture2");
    run.hide("Picture3");
    run.messageBox("Unsafe Shear Stress", "Footing -1-");
    run.setColours("Label36", 0x00FFFF, 0xFF0000);
    run.note("qc", 2.106, "kg/cm2");
    std::vector<std::string> lines;
    for (const core::Event &event : run.events())
        lines.push_back(core::describe(event));
    EXPECT_EQ(lines, (std::vector<std::string>{"Label37=2.45", "show: Picture2", "hide: Picture3",
                                               "msgbox: Unsafe Shear Stress | Footing -1-",
                                               "colours: Label36 back=#00FFFF fore=#FF0000"}));
    EXPECT_EQ(core::describe(run.trace().front()), "trace: qc = 2.106 kg/cm2");
    EXPECT_EQ(run.textOf("Label37"), "2.45");
    EXPECT_FALSE(run.textOf("Label38").has_value());
}

TEST(DesignWindowInfo, DefaultsComeFromTheControlTable)
{
    static constexpr std::array kControls{
        core::Control{.name = "Text1", .kind = core::Kind::TextBox, .text = "90"},
        core::Control{.name = "Text3", .kind = core::Kind::TextBox, .text = "60"},
        core::Control{.name = "Text4", .kind = core::Kind::TextBox, .text = "5"},
    };
    const core::DesignWindowInfo window{
        .command = "test", .controls = kControls, .inputs = kInputs};
    const core::DesignRequest request = core::defaultRequest(window, 2);
    EXPECT_EQ(request.footingCase, 2);
    EXPECT_EQ(request.texts, (core::FieldTexts{{"Text1", "90"}, {"Text3", "60"}, {"Text4", "5"}}));
    EXPECT_EQ(core::captionOf(window, "Text4"), "Cover");
    EXPECT_EQ(core::captionOf(window, "Text9"), "");
}

TEST(Twips, FifteenTwipsMakeOnePixel)
{
    EXPECT_EQ(core::px(7680), 512);
    EXPECT_EQ(core::px(15), 1);
    EXPECT_EQ(core::px(7), 0);
    EXPECT_EQ(core::px(8), 1);
    EXPECT_EQ(core::px(-100), -7);
    EXPECT_EQ(core::px(-4500), -300);
    EXPECT_EQ(core::px(239), 16);
}

} // namespace

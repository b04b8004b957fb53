#include "core/design.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr std::array kInputs{
    core::InputField{"Text1", "P (ton)"},
    core::InputField{"Text3", "Assume RC Footing Thickness"},
    core::InputField{"Text4", "Cover"},
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

    for (double bad : {std::numeric_limits<double>::infinity(), std::nan("")}) {
        core::Run run;
        run.setNumber("Label37", 2.45);
        run.note("dreq", bad);
        const core::DesignResult result = core::finish(run, "the loads");
        ASSERT_FALSE(result.accepted());
        EXPECT_TRUE(result.run.events().empty());
        EXPECT_EQ(result.refusal->message,
                  "These inputs give no finite value for dreq. Check the loads.");
    }
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

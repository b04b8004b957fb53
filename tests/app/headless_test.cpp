#include "app/headless.h"

#include <array>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using namespace core;

constexpr std::array kControls{
    Control{.name = "Text1", .kind = Kind::TextBox, .text = "90"},
    Control{.name = "Combo1", .kind = Kind::ComboBox, .text = "12"},
    Control{.name = "Option1", .kind = Kind::OptionButton, .text = kSelected},
};
constexpr std::array kInputs{InputField{"Text1", "P (ton)", "P", "t", 1, 5000},
                             InputField{"Combo1", "Diam. Of Used Bars(mm)"},
                             InputField{"Option1", "Brick Wall"}};
constexpr std::array<std::string_view, 2> kCases{"Uniform Stress", "Just No Tention"};

// Echoes what it was given, so the tests see what the command passed on.
DesignResult echo(const DesignRequest &request)
{
    FieldReader reader(request.texts, kInputs);
    const double p = reader.positive("Text1").value();
    const bool brick = reader.selected("Option1");
    if (reader.failed())
        return reader.refused();
    Run run;
    run.setNumber("Label1", p);
    run.setText("Label2", request.texts.at("Combo1"));
    run.setNumber("Label3", request.footingCase);
    run.setText("Label4", brick ? "brick" : "concrete");
    run.show("Picture2");
    run.note("pt", 1.1 * p, "t");
    return finish(run, "P");
}

const DesignWindowInfo kWithCases{.command = "isolated",
                                  .title = "Design Of Isolated Footing",
                                  .controls = kControls,
                                  .inputs = kInputs,
                                  .caseNames = kCases,
                                  .design = echo};
const DesignWindowInfo kWithWall{.command = "strip",
                                 .title = "Design Of Strip Footing",
                                 .controls = kControls,
                                 .inputs = kInputs,
                                 .caseNames = kCases,
                                 .wallOption = "Option1",
                                 .design = echo};
const std::array<const DesignWindowInfo *, 2> kWindows{&kWithCases, &kWithWall};

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome run(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int code = headless::run(args, kWindows, out, err);
    return {code, out.str(), err.str()};
}

TEST(Headless, PrintsTheRunOneEventALine)
{
    const Outcome o = run({"isolated", "--case", "1", "Text1=100", "Combo1=16"});
    EXPECT_EQ(o.code, headless::kDesigned);
    EXPECT_EQ(o.out, "Label1=100\nLabel2=16\nLabel3=1\nLabel4=brick\nshow: Picture2\n");
    EXPECT_EQ(o.err, "");
}

TEST(Headless, TraceAddsTheIntermediateValues)
{
    const Outcome o = run({"strip", "--concrete", "--trace"});
    EXPECT_EQ(o.code, headless::kDesigned);
    EXPECT_EQ(o.out, "Label1=90\nLabel2=12\nLabel3=0\nLabel4=concrete\nshow: Picture2\n"
                     "trace: pt = 99 t\n");
}

TEST(Headless, RefusedInputPrintsTheMessageOnStderrOnly)
{
    const Outcome o = run({"isolated", "Text1=abc"});
    EXPECT_EQ(o.code, headless::kRefused);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err,
              "\"P (ton)\" must be a number, written with a decimal point (\"abc\" is not).\n");
}

TEST(Headless, AnOptionTakesOnlyItsTwoTexts)
{
    EXPECT_EQ(run({"strip", "Option1=0"}).out, run({"strip", "--concrete"}).out);
    const Outcome o = run({"strip", "Option1=yes"});
    EXPECT_EQ(o.code, headless::kRefused);
    EXPECT_EQ(o.err, "\"Brick Wall\" is an option: 1 selects it, 0 clears it.\n");
}

TEST(Headless, ANumberOutsideItsRangeIsRefusedNamingFieldAndRange)
{
    const Outcome o = run({"isolated", "Text1=1e300"});
    EXPECT_EQ(o.code, headless::kRefused);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, "\"P (ton)\" must be from 1 to 5000 t (\"1e300\" is not).\n");
}

TEST(Headless, UsageErrors)
{
    struct Case {
        std::vector<std::string> args;
        std::string says;
    };
    for (const Case &c : {Case{{}, "name a window"}, Case{{"spread"}, "unknown window \"spread\""},
                          Case{{"isolated", "Text99=5"}, "has no input \"Text99\""},
                          Case{{"isolated", "--case"}, "--case needs a number from 0 to 1"},
                          Case{{"isolated", "--case", "2"}, "--case needs a number from 0 to 1"},
                          Case{{"isolated", "--case", "0.5"}, "--case needs a number"},
                          // Far beyond an int: refused before any conversion (UBSan checks).
                          Case{{"isolated", "--case", "99999999999"}, "--case needs a number"},
                          Case{{"isolated", "--case", "-1e300"}, "--case needs a number"},
                          Case{{"isolated", "--case", "1e308"}, "--case needs a number"},
                          Case{{"isolated", "--case", "-0.5"}, "--case needs a number"},
                          // Typed text is quoted on one line, escapes shown, not acted on.
                          Case{{"spr\x1b[2J\nead"}, "unknown window \"spr\\x1B[2J\\nead\""},
                          Case{{"isolated", "Te\nxt1=5"}, "has no input \"Te\\nxt1\""},
                          Case{{"isolated", std::string(1000, '-')},
                               "unexpected argument \"" + std::string(40, '-') + "…\"."},
                          Case{{"isolated", "--concrete"}, "--concrete applies to the strip"},
                          Case{{"isolated", "extra"}, "unexpected argument \"extra\""}}) {
        const Outcome o = run(c.args);
        EXPECT_EQ(o.code, headless::kUsageError) << c.says;
        EXPECT_EQ(o.out, "") << c.says;
        EXPECT_NE(o.err.find(c.says), std::string::npos) << o.err;
        EXPECT_NE(o.err.find("Usage: foundations-calc"), std::string::npos);
    }
}

TEST(Headless, HelpListsEachWindowWithItsInputsCaptionsAndDefaults)
{
    const Outcome o = run({"--help"});
    EXPECT_EQ(o.code, headless::kDesigned);
    EXPECT_NE(o.out.find("isolated  (Design Of Isolated Footing)"), std::string::npos);
    EXPECT_NE(o.out.find("cases: 0 \"Uniform Stress\", 1 \"Just No Tention\""), std::string::npos);
    EXPECT_NE(o.out.find("Text1     P (ton)  [default \"90\", 1 to 5000 t]"), std::string::npos);
    EXPECT_NE(o.out.find("Combo1    Diam. Of Used Bars(mm)  [default \"12\"]"), std::string::npos);
    EXPECT_NE(o.out.find("wall: brick, or concrete with --concrete (Option1=0)"),
              std::string::npos);
    EXPECT_EQ(run({"strip", "--help"}).out, o.out);
}

} // namespace

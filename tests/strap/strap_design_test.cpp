#include "strap/strap_design.h"
#include "strap/strap_tables.h"
#include "strap_cases.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using strap_cases::DesignCase;
using strap_cases::Texts;

core::DesignResult designWith(const Texts &changes)
{
    core::DesignRequest request = core::defaultRequest(strap::windowInfo());
    for (const auto &[control, text] : changes)
        request.texts.at(control) = text;
    return strap::design(request);
}

std::vector<std::string> lines(const core::Run &run)
{
    std::vector<std::string> out;
    for (const core::Event &event : run.events())
        out.push_back(core::describe(event));
    return out;
}

double traced(const core::Run &run, const std::string &symbol)
{
    for (const core::TraceEntry &entry : run.trace()) {
        if (entry.symbol == symbol)
            return entry.value;
    }
    ADD_FAILURE() << "no trace entry " << symbol;
    return 0;
}

class StrapDesignCase : public ::testing::TestWithParam<DesignCase>
{
};

// Every field and message box of the run, in step order.
TEST_P(StrapDesignCase, WritesEveryFieldAndBoxInStepOrder)
{
    const core::DesignResult result = designWith(GetParam().inputs);
    ASSERT_TRUE(result.accepted()) << result.refusal->message;
    EXPECT_EQ(lines(result.run), GetParam().lines);
}

TEST_P(StrapDesignCase, EveryTargetIsALabelOfTheWindow)
{
    const core::DesignResult result = designWith(GetParam().inputs);
    for (const core::Event &event : result.run.events()) {
        if (event.kind == core::Event::Kind::MessageBox)
            continue;
        const core::Control *row = core::findControl(strap::kControls, event.target);
        ASSERT_NE(row, nullptr) << event.target;
        EXPECT_EQ(row->kind, core::Kind::Label) << event.target;
        EXPECT_TRUE(row->text.empty()) << event.target << " is a caption, not a result field";
    }
}

// The reactions add up to the column loads, so the shears at the two inner ends agree, and
// the punching stress of these footings is their shear stress.
TEST_P(StrapDesignCase, ShearsAtTheInnerEndsAgreeAndPunchingEqualsShear)
{
    const core::DesignResult result = designWith(GetParam().inputs);
    EXPECT_EQ(result.run.textOf("Label77"), result.run.textOf("Label78"));
    for (const char *footing : {" (1)", " (2)"})
        EXPECT_NEAR(traced(result.run, std::string("qp") + footing),
                    traced(result.run, std::string("qsh") + footing), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Strap, StrapDesignCase, ::testing::ValuesIn(strap_cases::designCases()),
                         [](const auto &info) { return info.param.name; });

TEST(StrapDesign, DefaultIntermediatesMatchTheWorkedExample)
{
    const core::Run run = designWith({}).run;
    struct Value {
        const char *symbol;
        double expected, tolerance;
    };
    for (const Value &v :
         {Value{"R1", 92.4, 1e-9}, Value{"R2", 94.6, 1e-9}, Value{"qc (1)", 2.432, 1e-3},
          Value{"c (1)", 85, 0}, Value{"dreq (1)", 17.78, 5e-3}, Value{"qsh (1)", 2.542, 1e-3},
          Value{"qcu", 9.682, 1e-3}, Value{"qcup (1)", 12.91, 5e-3}, Value{"qb (1)", 11.46, 5e-3},
          Value{"Bq (2)", 205.5, 5e-2}, Value{"qb (2)", 11.65, 5e-3}, Value{"w1", 48.63, 5e-3},
          Value{"w2", 51.14, 5e-3}, Value{"x0", 1.583, 1e-3}, Value{"dreq strap", 73.94, 5e-3},
          Value{"qsu", 9.856, 1e-3}, Value{"qs", 5.015, 1e-3}, Value{"s", 15.95, 5e-3},
          Value{"Atop", 6.9, 1e-9}})
        EXPECT_NEAR(traced(run, v.symbol), v.expected, v.tolerance) << v.symbol;
}

TEST(StrapDesign, AnExactMultipleOfFiveStillGoesUp)
{
    // pt1 = 55, R1 = 55 * 2.25 / 1.5 = 82.5, Apc = 55000, L1 = 220: Apc / L1 = 250 exactly.
    const core::Run run =
        designWith({{"Text1", "50"}, {"Text14", "2.25"}, {"Text13", "1"}, {"Text4", "70"}}).run;
    EXPECT_EQ(run.textOf("Label95"), "2.2");
    EXPECT_EQ(run.textOf("Label96"), "2.55");
    EXPECT_EQ(run.textOf("Label99"), "1.95");
}

TEST(StrapDesign, TheStrapListChangesOnlyItsSevenFields)
{
    const core::Run before = designWith({}).run;
    for (const char *diameter : {"10", "12", "18", "22"}) {
        const core::Run after = designWith({{"Combo5", diameter}}).run;
        ASSERT_EQ(after.events().size(), before.events().size());
        std::vector<std::string> changed;
        for (size_t i = 0; i < before.events().size(); ++i) {
            ASSERT_EQ(after.events()[i].target, before.events()[i].target);
            if (after.events()[i].text != before.events()[i].text)
                changed.push_back(after.events()[i].target);
        }
        for (const std::string &field : changed)
            EXPECT_NE(std::find(strap_cases::kStrapBarFields.begin(),
                                strap_cases::kStrapBarFields.end(), field),
                      strap_cases::kStrapBarFields.end())
                << diameter << " changed " << field;
        EXPECT_EQ(after.textOf("Label108"), diameter);
        EXPECT_EQ(after.textOf("Label114"), diameter);
    }
}

struct RefusedCase {
    std::string name;
    Texts inputs;
    std::string control; // the field blamed; empty when a quantity overflowed
    std::string message; // part of the message
};

class StrapRefusal : public ::testing::TestWithParam<RefusedCase>
{
};

TEST_P(StrapRefusal, WritesNothingAndShowsNoBox)
{
    const core::DesignResult result = designWith(GetParam().inputs);
    ASSERT_FALSE(result.accepted());
    EXPECT_TRUE(result.run.events().empty());
    EXPECT_EQ(result.refusal->control, GetParam().control);
    EXPECT_NE(result.refusal->message.find(GetParam().message), std::string::npos)
        << result.refusal->message;
}

INSTANTIATE_TEST_SUITE_P(
    Strap, StrapRefusal,
    ::testing::Values(
        RefusedCase{"NotANumber", {{"Text1", "7o"}}, "Text1", "\"P1 (ton)\" must be a number"},
        RefusedCase{"EmptyBearing", {{"Text13", " "}}, "Text13", "\"B\\C (kg\\cm2)\" is empty"},
        RefusedCase{"ZeroLoad", {{"Text2", "0"}}, "Text2", "\"P2 (ton)\" must be greater than 0"},
        RefusedCase{"NegativeColumn", {{"Text4", "-40"}}, "Text4", "\"C1 t (cm)\""},
        RefusedCase{"ZeroPcThickness", {{"Text7", "0"}}, "Text7", "\"Assume PC Footing (cm)\""},
        RefusedCase{"ZeroCover", {{"Text10", "0"}}, "Text10", "\"Cover (cm)\""},
        RefusedCase{"FootingWithinCover",
                    {{"Text8", "5"}},
                    "Text8",
                    "\"Assume RC Footing (cm)\" must be greater than \"Cover (cm)\" (5)"},
        RefusedCase{"StrapWithinCover", {{"Text9", "4"}}, "Text9", "\"Cover (cm)\" (5)"},
        RefusedCase{"ZeroStrength", {{"Text11", "0"}}, "Text11", "\"fcu (kg\\cm2)\""},
        RefusedCase{"NegativeSteel", {{"Text12", "-1"}}, "Text12", "\"fy (kg\\cm2)\""},
        RefusedCase{"ZeroBearing", {{"Text13", "0"}}, "Text13", "greater than 0"},
        RefusedCase{"SpacingAtEccentricity", {{"Text14", "0.75"}}, "Text14", "greater than 0.75 m"},
        RefusedCase{"ListNotANumber", {{"Combo1", "abc"}}, "Combo1", "Main Rienf."},
        RefusedCase{"ZeroStrapBar", {{"Combo5", "0"}}, "Combo5", "Strap Beam"},
        // B1 = up5(3520 / 190) = 20 cm.
        RefusedCase{
            "FootingOneTooSmall", {{"Text1", "5"}}, "Text1", "Footing -1- comes out only 0.2 m"},
        // R1 = 77 * 1 / 0.25 = 308 t > pt1 + pt2.
        RefusedCase{"NoReactionUnderFootingTwo", {{"Text14", "1"}}, "Text14", "-121 t"},
        // R2 = 6.6 t: B1 = up5(42.6) = 45 cm.
        RefusedCase{"FootingTwoTooSmall", {{"Text2", "20"}}, "Text2", "Footing -2- comes out only"},
        RefusedCase{"FootingNarrowerThanStrap",
                    {{"Text3", "250"}, {"Text5", "250"}},
                    "Text1",
                    "Footing -1- comes out 2 m wide, narrower than the strap (2.5 m"},
        // w1 = 462 * 100 / 190 = 243.2 t/m, x0 = 0.317 m: 77 * 0.117 - 243.2 * 0.317^2 / 2 < 0.
        RefusedCase{"NegativeStrapMoment",
                    {{"Text14", "0.9"}, {"Text2", "1000"}},
                    "Text14",
                    "largest strap moment comes out negative"},
        RefusedCase{"LoadFarAboveItsRange",
                    {{"Text1", "1e308"}},
                    "Text1",
                    "\"P1 (ton)\" must be from 1 to 5000 t"}),
    [](const auto &info) { return info.param.name; });

TEST(StrapTable, InputsAreFieldsAndListsWithTheirDefaultTexts)
{
    const std::vector<std::pair<std::string, std::string>> defaults{
        {"Text1", "70"},    {"Text2", "100"},  {"Text3", "30"},   {"Text4", "40"},
        {"Text5", "30"},    {"Text6", "70"},   {"Text7", "40"},   {"Text8", "60"},
        {"Text9", "120"},   {"Text10", "5"},   {"Text11", "250"}, {"Text12", "3600"},
        {"Text13", "1.25"}, {"Text14", "4.5"}, {"Combo1", "12"},  {"Combo2", "12"},
        {"Combo3", "12"},   {"Combo4", "12"},  {"Combo5", "16"}};
    ASSERT_EQ(strap::tables::kInputs.size(), defaults.size());
    for (size_t i = 0; i < defaults.size(); ++i) {
        EXPECT_EQ(strap::tables::kInputs[i].control, defaults[i].first);
        const core::Control *row = core::findControl(strap::kControls, defaults[i].first);
        ASSERT_NE(row, nullptr) << defaults[i].first;
        EXPECT_EQ(row->text, defaults[i].second);
        if (row->kind == core::Kind::ComboBox) {
            EXPECT_EQ(row->items, "10|12|16|18|22");
            EXPECT_EQ(row->action, core::Action::Design);
        } else {
            EXPECT_EQ(row->kind, core::Kind::TextBox) << row->name;
        }
    }
}

TEST(StrapTable, NamesAreUniqueAndContainersComeFirst)
{
    std::set<std::string_view> seen;
    for (const core::Control &row : strap::kControls) {
        ASSERT_FALSE(row.name.empty());
        EXPECT_TRUE(seen.insert(row.name).second) << "twice: " << row.name;
        if (row.name == "SSTab1")
            continue;
        EXPECT_TRUE(seen.count(row.parent)) << row.name << " before " << row.parent;
        if (row.parent == "SSTab1") {
            EXPECT_TRUE(row.tab >= 0 && row.tab <= 3) << row.name;
        }
    }
}

TEST(StrapTable, ButtonsCarryTheirActions)
{
    struct Button {
        const char *name;
        core::Action action;
        int tab;
    };
    for (const Button &b :
         {Button{"Command4", core::Action::Design, 0}, Button{"Command1", core::Action::Back, 0},
          Button{"Command2", core::Action::Print, 0}, Button{"Command3", core::Action::Exit, 0},
          Button{"Command6", core::Action::Print, 1}, Button{"Command5", core::Action::Back, 1},
          Button{"Command7", core::Action::Exit, 1}, Button{"Command8", core::Action::Print, 2},
          Button{"Command9", core::Action::Print, 3}}) {
        const core::Control *row = core::findControl(strap::kControls, b.name);
        ASSERT_NE(row, nullptr) << b.name;
        EXPECT_EQ(row->action, b.action) << b.name;
        EXPECT_EQ(row->tab, b.tab) << b.name;
        EXPECT_EQ(row->back, core::colours::lightOrange) << b.name;
        EXPECT_DOUBLE_EQ(row->font.points, b.tab >= 2 ? 9.75 : 8.25) << b.name;
    }
}

} // namespace

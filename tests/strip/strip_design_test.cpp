#include "app/headless.h"
#include "strip/strip_design.h"
#include "strip/strip_tables.h"
#include "strip_edge_cases.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>

namespace {

using strip_cases::EdgeCase;

core::DesignRequest requestFor(int footingCase, bool concrete = false,
                               const std::vector<strip_cases::Field> &inputs = {})
{
    core::DesignRequest request = core::defaultRequest(strip::windowInfo(), footingCase);
    request.texts["Option1"] = concrete ? core::kCleared : core::kSelected;
    for (const auto &[control, text] : inputs) {
        EXPECT_TRUE(request.texts.contains(control)) << control;
        request.texts[control] = text;
    }
    return request;
}

std::optional<double> traced(const core::Run &run, const std::string &symbol)
{
    for (const core::TraceEntry &entry : run.trace()) {
        if (entry.symbol == symbol)
            return entry.value;
    }
    return std::nullopt;
}

class StripEdgeCase : public ::testing::TestWithParam<EdgeCase>
{
};

TEST_P(StripEdgeCase, FieldsAndIntermediateValuesAreThoseWorkedByHand)
{
    const EdgeCase &edge = GetParam();
    const core::DesignResult result =
        strip::design(requestFor(edge.footingCase, edge.concrete, edge.inputs));
    ASSERT_TRUE(result.accepted()) << result.refusal->message;
    for (const auto &[control, text] : edge.expected)
        EXPECT_EQ(result.run.textOf(control), text) << control;
    for (const strip_cases::Quantity &quantity : edge.trace) {
        const std::optional<double> value = traced(result.run, quantity.symbol);
        ASSERT_TRUE(value) << quantity.symbol;
        EXPECT_NEAR(*value, quantity.value, quantity.tolerance) << quantity.symbol;
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, StripEdgeCase, ::testing::ValuesIn(strip_cases::edgeCases()),
                         [](const auto &info) { return info.param.name; });

// --- write order --------------------------------------------------------------------------------

std::vector<std::string> targetsOf(const core::Run &run)
{
    std::vector<std::string> targets;
    for (const core::Event &event : run.events()) {
        EXPECT_EQ(event.kind, core::Event::Kind::SetText) << event.target;
        targets.push_back(event.target);
    }
    return targets;
}

std::vector<std::string> wallOrder(const char *mainCount, const char *mainDiameter,
                                   const char *secCount, const char *secDiameter)
{
    return {"Label37", "Label38", "Label39",   "Label40",    "Label41", "Label42",
            "Label45", "Label44", "Label31",   "Label28",    "Label17", "Label27",
            secCount,  mainCount, secDiameter, mainDiameter, "Label43"};
}

TEST(StripWriteOrder, EachCaseWritesItsFieldsOnceInStepOrder)
{
    const auto centred = wallOrder("Label33", "Label34", "Label35", "Label60");
    EXPECT_EQ(targetsOf(strip::design(requestFor(0)).run), centred);
    EXPECT_EQ(targetsOf(strip::design(requestFor(1)).run),
              wallOrder("Label61", "Label62", "Label63", "Label64"));
    EXPECT_EQ(targetsOf(strip::design(requestFor(2)).run), centred);

    std::vector<std::string> columns{"Label57", "Label59", "Label70",
                                     "Label71", "Label72", "Label73"};
    for (const std::string &target : wallOrder("Label65", "Label66", "Label67", "Label68"))
        columns.push_back(target);
    EXPECT_EQ(targetsOf(strip::design(requestFor(3)).run), columns);
}

TEST(StripWriteOrder, ACaseOutsideZeroToThreeWritesNothing)
{
    for (int footingCase : {-1, 4, 7}) {
        const core::DesignResult result = strip::design(requestFor(footingCase));
        EXPECT_TRUE(result.accepted()) << footingCase;
        EXPECT_TRUE(result.run.events().empty()) << footingCase;
    }
}

TEST(StripTables, EveryNameTheDesignAndTheChooserUseIsAControlOfTheWindow)
{
    const auto table = strip::windowInfo().controls;
    for (int footingCase = 0; footingCase < 4; ++footingCase) {
        const core::DesignResult result = strip::design(requestFor(footingCase));
        for (const core::Event &event : result.run.events())
            EXPECT_NE(core::findControl(table, event.target), nullptr) << event.target;
        for (const core::CaseChange &change : strip::tables::caseChanges(footingCase))
            EXPECT_NE(core::findControl(table, change.control), nullptr) << change.control;
    }
    for (const core::InputField &input : strip::windowInfo().inputs) {
        const core::Control *row = core::findControl(table, input.control);
        ASSERT_NE(row, nullptr) << input.control;
        EXPECT_TRUE(row->kind == core::Kind::TextBox || row->kind == core::Kind::ComboBox ||
                    row->kind == core::Kind::OptionButton)
            << input.control;
    }
    EXPECT_TRUE(strip::tables::caseChanges(4).empty());
}

TEST(StripDesign, TheBondUsesTheMainBarsWhateverTheSecondaryDiameter)
{
    // Changing only the secondary diameter leaves the bond stress of the main bars alone.
    for (int footingCase = 0; footingCase < 4; ++footingCase) {
        const core::Run with12 = strip::design(requestFor(footingCase)).run;
        const core::Run with25 =
            strip::design(requestFor(footingCase, false, {{"Combo2", "25"}})).run;
        EXPECT_EQ(traced(with12, "qb"), traced(with25, "qb")) << footingCase;
        EXPECT_EQ(traced(with12, "So"), traced(with25, "So")) << footingCase;
    }
}

TEST(StripDesign, ColumnThicknessChangesNoField)
{
    const core::Run standard = strip::design(requestFor(3)).run;
    const core::Run thicker = strip::design(requestFor(3, false, {{"Text11", "100"}})).run;
    EXPECT_EQ(standard.events(), thicker.events());
}

TEST(StripDesign, ListTextsAreEchoedUnchangedInTheSketch)
{
    const core::Run run = strip::design(requestFor(0, false, {{"Combo1", " 14 "}})).run;
    EXPECT_EQ(run.textOf("Label34"), " 14 ");
    EXPECT_EQ(run.textOf("Label27"), "21"); // 32.18 / 1.539 = 20.9
}

// --- odd but computable input is accepted ------------------------------------------------------

struct Odd {
    const char *name;
    int footingCase;
    std::vector<strip_cases::Field> inputs;
    std::vector<strip_cases::Field> expected;
    std::vector<strip_cases::Quantity> trace;
};

class StripOddInput : public ::testing::TestWithParam<Odd>
{
};

TEST_P(StripOddInput, IsDesignedUnchanged)
{
    const Odd &odd = GetParam();
    const core::DesignResult result = strip::design(requestFor(odd.footingCase, false, odd.inputs));
    ASSERT_TRUE(result.accepted()) << result.refusal->message;
    for (const auto &[control, text] : odd.expected)
        EXPECT_EQ(result.run.textOf(control), text) << control;
    for (const strip_cases::Quantity &quantity : odd.trace) {
        const std::optional<double> value = traced(result.run, quantity.symbol);
        ASSERT_TRUE(value) << quantity.symbol;
        EXPECT_NEAR(*value, quantity.value, quantity.tolerance) << quantity.symbol;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, StripOddInput,
    ::testing::Values(
        // B1 = 65 leaves an RC footing 5 cm wide; the brick wall 10 cm thick gives x = 0.
        Odd{"NarrowFooting",
            0,
            {{"Text1", "10.5"}, {"Text5", "10"}},
            {{"Label38", "0.65"}, {"Label41", "0.05"}, {"Label17", "11"}},
            {{"x", 0, 0}, {"M", 0, 0}, {"Qb", 0, 0}}},
        // A negative moment moves the wall to the other side.
        Odd{"NegativeMomentOffCentre",
            1,
            {{"Text10", "-5"}},
            {{"Label17", "30.72"}},
            {{"e", -5.0505, 0.00005}, {"x", 214.9495, 0.00005}}},
        // ... and swaps the edge pressures of the non-uniform case.
        Odd{"NegativeMomentNonUniform",
            2,
            {{"Text10", "-5"}},
            {{"Label38", "3.7"}, {"Label41", "3.4"}, {"Label17", "20.71"}},
            {{"qmax", 2.6522, 0.00005}, {"qmin", 3.1713, 0.00005}}},
        // A stiff soil and a large moment: the soil pulls at one edge (qmin < 0).
        Odd{"TensionAtOneEdge",
            2,
            {{"Text10", "30"}, {"Text9", "10"}},
            {{"Label38", "1.9"}, {"Label41", "1.6"}, {"Label17", "15.09"}},
            {{"qmin", -0.84375, 1e-9}}},
        Odd{"MomentNotReadWithoutIt",
            0,
            {{"Text10", "abc"}, {"Text6", "x"}, {"Combo3", ""}},
            {},
            {}},
        Odd{"WallNotReadUnderColumns", 3, {{"Text5", "abc"}, {"Text10", ""}}, {}, {}}),
    [](const auto &info) { return std::string(info.param.name); });

// --- refused input ------------------------------------------------------------------------------

struct Bad {
    const char *name;
    int footingCase;
    std::vector<strip_cases::Field> inputs;
    const char *control; // the field the refusal names
    const char *message; // a part of the message
};

class StripRefusal : public ::testing::TestWithParam<Bad>
{
};

TEST_P(StripRefusal, WritesNothingAndNamesTheField)
{
    const Bad &bad = GetParam();
    const core::DesignResult result = strip::design(requestFor(bad.footingCase, false, bad.inputs));
    ASSERT_FALSE(result.accepted());
    EXPECT_TRUE(result.run.events().empty());
    EXPECT_EQ(result.refusal->control, bad.control);
    EXPECT_NE(result.refusal->message.find(bad.message), std::string::npos)
        << result.refusal->message;
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, StripRefusal,
    ::testing::Values(
        Bad{"LoadNotANumber",
            0,
            {{"Text1", "abc"}},
            "Text1",
            "\"P (ton\\m)\" must be a number, written with a decimal point (\"abc\" is not)."},
        Bad{"ColumnLoadZero", 3, {{"Text1", "0"}}, "Text1", "\"P (ton)\" must be greater than 0."},
        Bad{"MomentEmpty", 1, {{"Text10", " "}}, "Text10", "\"M (t.m)\" is empty"},
        Bad{"PcThicknessNegative",
            0,
            {{"Text2", "-40"}},
            "Text2",
            "\"Assume PC Footing Thickness\" must be greater than 0."},
        Bad{"RcThicknessNotAboveCover",
            1,
            {{"Text3", "12"}, {"Text4", "12"}},
            "Text3",
            "\"Assume RC Footing Thickness\" must be greater than the cover (\"Cover\")."},
        Bad{"CoverZero", 2, {{"Text4", "0"}}, "Text4", "\"Cover\" must be greater than 0."},
        Bad{"WallThicknessZero",
            0,
            {{"Text5", "0"}},
            "Text5",
            "\"Thickness (cm)\" must be greater than 0."},
        Bad{"FcuNegative", 2, {{"Text7", "-250"}}, "Text7", "\"fcu (kg\\cm2)\""},
        Bad{"FyZero", 0, {{"Text8", "0"}}, "Text8", "\"fy (kg\\cm2)\""},
        Bad{"QallZero", 1, {{"Text9", "0"}}, "Text9", "\"qall (kg\\cm2)\""},
        Bad{"MainDiameterZero",
            0,
            {{"Combo1", "0"}},
            "Combo1",
            "\"Main Rienforcement: Diam. Of Used Bars(mm)\" must be greater than 0."},
        Bad{"SecondaryDiameterText",
            3,
            {{"Combo2", "twelve"}},
            "Combo2",
            "\"Secondary Rienforcement: Diam. Of Used Bars(mm)\""},
        Bad{"ColumnWidthZero", 3, {{"Text6", "0"}}, "Text6", "\"b (cm)\""},
        Bad{"ColumnThicknessText", 3, {{"Text11", "x"}}, "Text11", "\"t (cm)\""},
        Bad{"SpacingZero", 3, {{"Text12", "0"}}, "Text12", "\"Column Spacing\""},
        Bad{"BeamNotAboveCover",
            3,
            {{"Text13", "12"}, {"Text4", "12"}},
            "Text13",
            "\"Assume Beam Thickness\" must be greater than the cover (\"Cover\")."},
        Bad{"StirrupZero", 3, {{"Combo3", "0"}}, "Combo3", "\"Stirrup Diam.\""},
        Bad{"BeamBarEmpty", 3, {{"Combo4", ""}}, "Combo4", "\"Bar Diam. For Beam\" is empty"},
        // The first bad field on the window is the one named.
        Bad{"FirstFailureWins", 0, {{"Text9", "x"}, {"Text1", "y"}}, "Text1", "\"P (ton\\m)\""},
        // k < 0: the footing width would come out at 0 or less (and B = 0 divides).
        Bad{"MomentTooNegativeForTheWidth",
            2,
            {{"Text10", "-17"}},
            "Text10",
            "\"M (t.m)\" is a negative moment too large"},
        // The moment at the wall comes out negative: no square root for the depth.
        Bad{"MomentTooNegativeForTheDepth",
            2,
            {{"Text10", "-14"}},
            "Text10",
            "no depth can be found"},
        Bad{"HugeLoad",
            0,
            {{"Text1", "1e300"}},
            "Text1",
            "\"P (ton\\m)\" must be from 1 to 500 t/m"},
        Bad{"VanishingBars", 1, {{"Combo1", "1e-200"}}, "Combo1", "must be from 6 to 50 mm"}),
    [](const auto &info) { return std::string(info.param.name); });

// --- the headless command -----------------------------------------------------------------------

int calc(const std::vector<std::string> &args, std::string &out, std::string &err)
{
    const std::array<const core::DesignWindowInfo *, 1> windows{&strip::windowInfo()};
    std::ostringstream o, e;
    const int status = headless::run(args, windows, o, e);
    out = o.str();
    err = e.str();
    return status;
}

TEST(StripHeadless, RunsTheCaseAndWallTypeAsked)
{
    std::string out, err;
    EXPECT_EQ(calc({"strip", "--case", "3", "Text1=200"}, out, err), headless::kDesigned);
    EXPECT_NE(out.find("Label73=35\n"), std::string::npos) << out;
    EXPECT_EQ(calc({"strip", "--concrete"}, out, err), headless::kDesigned);
    EXPECT_NE(out.find("Label17=27.94\n"), std::string::npos) << out;
    EXPECT_EQ(calc({"strip", "--case", "1", "Text10=abc"}, out, err), headless::kRefused);
    EXPECT_TRUE(out.empty());
    EXPECT_NE(err.find("\"M (t.m)\""), std::string::npos) << err;
    EXPECT_EQ(calc({"--help"}, out, err), headless::kDesigned);
    EXPECT_NE(out.find("3 \"Series Of Column\""), std::string::npos) << out;
}

} // namespace

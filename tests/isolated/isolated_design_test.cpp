#include "app/headless.h"
#include "core/number_format.h"
#include "core/number_text.h"
#include "isolated/isolated_design.h"
#include "isolated/isolated_tables.h"
#include "isolated_examples.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>
#include <sstream>

namespace {

using isolated_examples::Example;
using isolated_examples::Texts;

core::DesignRequest request(int footingCase, const Texts &inputs = {})
{
    core::DesignRequest r = core::defaultRequest(isolated::windowInfo(), footingCase);
    for (const auto &[control, text] : inputs) {
        EXPECT_TRUE(r.texts.contains(control)) << control << " is not an input";
        r.texts[control] = text;
    }
    return r;
}

core::DesignResult designed(int footingCase, const Texts &inputs = {})
{
    return isolated::design(request(footingCase, inputs));
}

std::vector<std::string> targets(const core::Run &run)
{
    std::vector<std::string> names;
    for (const core::Event &event : run.events())
        names.push_back(event.target);
    return names;
}

const core::TraceEntry *traced(const core::Run &run, const std::string &symbol)
{
    for (const core::TraceEntry &entry : run.trace()) {
        if (entry.symbol == symbol)
            return &entry;
    }
    return nullptr;
}

// --- worked examples ---------------------------------------------------------------------------

class WorkedExample : public ::testing::TestWithParam<Example>
{
};

TEST_P(WorkedExample, FieldsShowExactlyTheseTexts)
{
    const Example &example = GetParam();
    const core::DesignResult result = designed(example.footingCase, example.inputs);
    ASSERT_TRUE(result.accepted()) << result.refusal->message;
    for (const auto &[control, text] : example.fields)
        EXPECT_EQ(result.run.textOf(control).value_or("<not written>"), text) << control;
    for (const isolated_examples::Approx &expected : example.trace) {
        const core::TraceEntry *entry = traced(result.run, expected.symbol);
        ASSERT_NE(entry, nullptr) << expected.symbol;
        EXPECT_NEAR(entry->value, expected.value, expected.tolerance) << expected.symbol;
    }
}

INSTANTIATE_TEST_SUITE_P(Isolated, WorkedExample,
                         ::testing::ValuesIn(isolated_examples::examples()),
                         [](const auto &info) { return info.param.name; });

TEST(IsolatedDesign, MildSteelChangesOnlyTheBondCheck)
{
    const core::Run defaults = designed(0).run;
    const core::Run mild = designed(0, {{"Text8", "2400"}}).run;
    ASSERT_EQ(targets(defaults), targets(mild));
    for (size_t i = 0; i < defaults.events().size(); ++i) {
        const core::Event &event = defaults.events()[i];
        if (event.target != "Label35") {
            EXPECT_EQ(event, mild.events()[i]) << event.target;
        }
    }
    EXPECT_EQ(mild.textOf("Label35"), "Unsafe Flexural Bond");
}

// --- the order of the writes -------------------------------------------------------------------

struct OrderRow {
    int footingCase;
    std::vector<std::string> writes;
};

const std::vector<std::string> kCentredWrites{"Label37", "Label38", "Label39", "Label40", "Label41",
                                              "Label42", "Label33", "Label34", "Label31", "Label28",
                                              "Label17", "Label27", "Label46", "Label48", "Label47",
                                              "Label49", "Label35"};
const std::vector<std::string> kOffCentreWrites{
    "Label37", "Label38", "Label39", "Label40", "Label41", "Label42",
    "Label33", "Label34", "Label31", "Label28", "Label17", "Label27",
    "Label54", "Label56", "Label55", "Label57", "Label35"};

class WriteOrder : public ::testing::TestWithParam<OrderRow>
{
};

TEST_P(WriteOrder, OneRunWritesEachResultOnceInStepOrder)
{
    const core::DesignResult result = designed(GetParam().footingCase);
    ASSERT_TRUE(result.accepted());
    EXPECT_EQ(targets(result.run), GetParam().writes);
    for (const core::Event &event : result.run.events())
        EXPECT_EQ(event.kind, core::Event::Kind::SetText) << event.target;
}

INSTANTIATE_TEST_SUITE_P(Isolated, WriteOrder,
                         ::testing::Values(OrderRow{0, kCentredWrites}, OrderRow{1, kCentredWrites},
                                           OrderRow{2, kOffCentreWrites},
                                           OrderRow{3, kCentredWrites}),
                         [](const auto &info) {
                             return "Case" + std::to_string(info.param.footingCase);
                         });

TEST(IsolatedDesign, CaseOutsideTheChooserWritesNothing)
{
    for (int footingCase : {-1, 4, 99}) {
        const core::DesignResult result = designed(footingCase, {{"Text1", "not read"}});
        EXPECT_TRUE(result.accepted()) << footingCase;
        EXPECT_TRUE(result.run.events().empty()) << footingCase;
    }
}

// --- input that cannot be designed -------------------------------------------------------------

struct RefusalRow {
    std::string name;
    int footingCase;
    Texts inputs;
    std::string control; // the field blamed; empty when the run as a whole is refused
    std::string message; // a part of the message
};

class RefusedInput : public ::testing::TestWithParam<RefusalRow>
{
};

TEST_P(RefusedInput, StopsBeforeWritingAndNamesTheField)
{
    const RefusalRow &row = GetParam();
    const core::DesignResult result = designed(row.footingCase, row.inputs);
    ASSERT_FALSE(result.accepted());
    EXPECT_EQ(result.refusal->control, row.control);
    EXPECT_NE(result.refusal->message.find(row.message), std::string::npos)
        << result.refusal->message;
    EXPECT_TRUE(result.run.events().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Isolated, RefusedInput,
    ::testing::Values(
        RefusalRow{
            "LoadNotANumber", 0, {{"Text1", "abc"}}, "Text1", "\"P (ton)\" must be a number"},
        RefusalRow{"DecimalComma", 0, {{"Text9", "1,25"}}, "Text9", "\"qall (kg\\cm2)\""},
        RefusalRow{"EmptyStrength", 0, {{"Text7", ""}}, "Text7", "\"fcu (kg\\cm2)\" is empty"},
        RefusalRow{"ZeroLoad", 0, {{"Text1", "0"}}, "Text1", "must be greater than 0"},
        RefusalRow{"ZeroAllowableStress", 0, {{"Text9", "0"}}, "Text9", "greater than 0"},
        RefusalRow{"ZeroColumnWidth", 0, {{"Text6", "0"}}, "Text6", "\"b (cm)\" must be greater"},
        RefusalRow{"NegativeColumnSide", 1, {{"Text5", "-60"}}, "Text5", "\"t (cm)\""},
        RefusalRow{"ZeroSteelStress", 0, {{"Text8", "0"}}, "Text8", "\"fy (kg\\cm2)\""},
        RefusalRow{"ZeroPcThickness", 0, {{"Text2", "0"}}, "Text2", "Assume PC Footing Thickness"},
        RefusalRow{"ThicknessEqualToCover",
                   0,
                   {{"Text3", "12"}, {"Text4", "12"}},
                   "Text3",
                   "\"Assume RC Footing Thickness\" must be greater than \"Cover\""},
        RefusalRow{"ZeroLongBars", 0, {{"Combo2", "0"}}, "Combo2", "Long Rienforcement"},
        RefusalRow{"ShortBarsNotANumber", 2, {{"Combo1", "12mm"}}, "Combo1", "Short Rienforcement"},
        RefusalRow{"NoMomentInJustNoTension", 1, {{"Text10", "0"}}, "Text10", "\"M (t.m)\""},
        RefusalRow{"EmptyMoment", 2, {{"Text10", " "}}, "Text10", "\"M (t.m)\" is empty"},
        RefusalRow{"MomentNotANumber", 3, {{"Text10", "five"}}, "Text10", "\"M (t.m)\""},
        RefusalRow{"ZeroAssumedLength", 2, {{"Text11", "0"}}, "Text11", "\"Assume L1 (m)\""},
        RefusalRow{"NegativeAssumedLength", 3, {{"Text11", "-3.2"}}, "Text11", "Assume L1"},
        // 1 + 6 e / L1 <= 0: the width formula divides by zero or turns negative.
        RefusalRow{"MomentFarBelowZero", 3, {{"Text10", "-60"}}, "Text10", "\"Assume L1 (m)\""},
        // A negative edge pressure turns the long moment: no square root.
        RefusalRow{"NegativeLongMoment",
                   3,
                   {{"Text10", "-50"}, {"Text5", "200"}},
                   "Text10",
                   "long-direction moment negative"},
        RefusalRow{"LoadFarAboveItsRange",
                   0,
                   {{"Text1", "1e308"}},
                   "Text1",
                   "\"P (ton)\" must be from 1 to 5000 t (\"1e308\" is not)."}),
    [](const auto &info) { return info.param.name; });

TEST(IsolatedDesign, HiddenFieldsOfOtherCasesAreNotRead)
{
    const core::DesignResult concentric = designed(0, {{"Text10", "abc"}, {"Text11", ""}});
    ASSERT_TRUE(concentric.accepted());
    EXPECT_EQ(concentric.run.events(), designed(0).run.events());
    const core::DesignResult noTension = designed(1, {{"Text11", "abc"}});
    ASSERT_TRUE(noTension.accepted());
    EXPECT_EQ(noTension.run.events(), designed(1).run.events());
}

TEST(IsolatedDesign, BlanksAroundNumbersAreAcceptedAndListTextsEchoedUnchanged)
{
    const core::DesignResult result = designed(0, {{"Text1", " 90 "}, {"Combo2", "12 "}});
    ASSERT_TRUE(result.accepted());
    EXPECT_EQ(result.run.textOf("Label37"), "2.45");
    EXPECT_EQ(result.run.textOf("Label47"), "12 ");
}

TEST(IsolatedDesign, MomentMayBeZeroOrNegativeWhereTheFormulasAllowIt)
{
    for (int footingCase : {2, 3}) {
        for (const char *moment : {"0", "-5", "-20"}) {
            const core::DesignResult result = designed(footingCase, {{"Text10", moment}});
            EXPECT_TRUE(result.accepted()) << footingCase << " M=" << moment;
        }
    }
}

// Whatever the numbers, a run that is accepted shows only finite numbers.
TEST(IsolatedDesign, NeverShowsInfinityOrNotANumber)
{
    const std::vector<std::string> extremes{"1e-300", "1e-12", "1e12", "1e150", "1e300", "-1e300"};
    int accepted = 0;
    for (int footingCase = 0; footingCase < 4; ++footingCase) {
        for (const core::InputField &input : isolated::tables::kInputs) {
            for (const std::string &value : extremes) {
                const core::DesignResult result =
                    designed(footingCase, {{std::string(input.control), value}});
                if (!result.accepted()) {
                    EXPECT_FALSE(result.refusal->message.empty());
                    continue;
                }
                ++accepted;
                for (const core::Event &event : result.run.events()) {
                    if (event.target == "Label47" || event.target == "Label49" ||
                        event.target == "Label55" || event.target == "Label57" ||
                        event.text.find("Shear") != std::string::npos ||
                        event.text.find("Punch") != std::string::npos ||
                        event.text.find("Bond") != std::string::npos)
                        continue;
                    EXPECT_TRUE(core::parseNumber(event.text).ok())
                        << input.control << "=" << value << " case " << footingCase << ": "
                        << event.target << "=" << event.text;
                }
            }
        }
    }
    EXPECT_GT(accepted, 0);
}

// --- the calculation record --------------------------------------------------------------------

const core::Check *checkNamed(const core::Run &run, std::string_view name)
{
    for (const core::Check &check : run.checks()) {
        if (check.name == name)
            return &check;
    }
    return nullptr;
}

double valueOf(const core::Run &run, const std::string &symbol)
{
    const core::TraceEntry *entry = traced(run, symbol);
    EXPECT_NE(entry, nullptr) << symbol;
    return entry ? entry->value : std::nan("");
}

struct RatioRow {
    std::string name;
    int footingCase;
    Texts inputs;
    std::string check;
    double ratio; // worked by hand, to five digits
};

class SummaryRatio : public ::testing::TestWithParam<RatioRow>
{
};

TEST_P(SummaryRatio, MatchesTheHandWorking)
{
    const RatioRow &row = GetParam();
    const core::DesignResult result = designed(row.footingCase, row.inputs);
    ASSERT_TRUE(result.accepted());
    const core::Check *check = checkNamed(result.run, row.check);
    ASSERT_NE(check, nullptr) << row.check;
    EXPECT_EQ(check->footing, "Footing");
    EXPECT_NEAR(check->ratio(), row.ratio, 5e-5);
}

// Hand working, defaults (P 90, tc 60, bc 30, t 60, cover 5, fcu 250, fy 3600, qall 1.25, Φ 12):
// pt = 99, Pw = 66; L1 = 245, B1 = 220, L = 185, B = 160, d = 55;
// qc = 99000 / (185 × 160) = 3.34459; qcu = 0.75 √(250 / 1.5) = 9.68246; r = 12.9099.
INSTANTIATE_TEST_SUITE_P(
    Isolated, SummaryRatio,
    ::testing::Values(
        // 66000 / (245 × 220) = 1.22449 against 1.25.
        RatioRow{"Concentric_Bearing", 0, {}, "Bearing", 0.97959},
        // ML = 3.34459 × 125² × 160 / 8 = 1045186; dreq = 3 √(1045186 / 40000) = 15.335; / 55.
        RatioRow{"Concentric_Depth", 0, {}, "Depth", 0.27882},
        // x = 62.5 − 27.5 = 35; qsh = 3.34459 × 35 / 55 = 2.12838; / 9.68246.
        RatioRow{"Concentric_Shear", 0, {}, "One-way shear", 0.21982},
        // Qp = 3.34459 (29600 − 115 × 85) = 66307; qp = 66307 / (400 × 55) = 3.01394; qcup = r.
        RatioRow{"Concentric_Punching", 0, {}, "Punching", 0.23346},
        // AsL = 0.2 × 160 × 55 / 100 = 17.6 against 16 × 1.13097 = 18.0956.
        RatioRow{"Concentric_LongSteel", 0, {}, "Steel, long direction", 0.97261},
        // AsS = 0.2 × 185 × 55 / 100 = 20.35 against 18 × 1.13097 = 20.3575.
        RatioRow{"Concentric_ShortSteel", 0, {}, "Steel, short direction", 0.99963},
        // Qb = 3.34459 × 62.5 × 160 = 33446; Σo = 1.2 π 16 = 60.3186;
        // qb = 33446 / (0.87 × 55 × 60.3186) = 11.588; / 35.
        RatioRow{"Concentric_Bond", 0, {}, "Flexural bond", 0.33109},
        // The same qb against 11 for mild steel.
        RatioRow{"Concentric_MildSteelBond", 0, {{"Text8", "2400"}}, "Flexural bond", 1.05346},
        // e = 5000 / 99 = 50.505; L1 = 305, B1 = 350: 66000 / (305 × 350) × (1 + 6e / 305)
        // = 0.61827 × 1.99355 = 1.23254 against 1.25.
        RatioRow{"JustNoTension_M50_Bearing", 1, {{"Text10", "50"}}, "Bearing", 0.98603},
        // L = 245, B = 290; qc = 1.39338; qmax = 3.11681, qmin = −0.33004, s = 0.014069;
        // x = 92.5 − 27.5 = 65; q2 = 3.11681 − 0.91448 = 2.20233;
        // qsh = 65 (2.20233 + 0.5 × 0.91448) / 55 = 3.14313; / 9.68246.
        RatioRow{"JustNoTension_M50_Shear", 1, {{"Text10", "50"}}, "One-way shear", 0.32462},
        // L = 260, B = 110, qc = 99000 / 28600 = 3.46154; c' = 130 + 5.0505 − 30 = 105.0505;
        // qsh = 3.46154 × (105.0505 − 27.5) / 55 = 4.88081; / 9.68246.
        RatioRow{"UniformWithMoment_Shear", 2, {}, "One-way shear", 0.50409},
        // Qb = 3.46154 × 105.0505 × 110 = 40000; nL = 12, Σo = 45.2389;
        // qb = 40000 / (0.87 × 55 × 45.2389) = 18.478; / 35.
        RatioRow{"UniformWithMoment_Bond", 2, {}, "Flexural bond", 0.52796},
        // L = 260, B = 125, qc = 3.04615; qmax = 3.40119, qmin = 2.69112, s = 0.0027310;
        // x = 72.5: q2 = 3.20319, qa = 2.88912; Qp = 99000 − 9775 × 3.04615 = 69224;
        // qp = 69224 / 22000 = 3.14654; / 12.9099.
        RatioRow{"NonUniform_Punching", 3, {}, "Punching", 0.24373},
        // q1 = 3.40119 − 0.27310 = 3.12809; Qb = 100 × 125 × (3.12809 + 0.13655) = 40808;
        // nL = 13, Σo = 49.0088; qb = 40808 / (0.87 × 55 × 49.0088) = 17.402; / 35.
        RatioRow{"NonUniform_Bond", 3, {}, "Flexural bond", 0.49719}),
    [](const auto &info) { return info.param.name; });

// Both sides of every choice the design makes: the quantity it gives, or a step it equals.
struct BranchRow {
    std::string name;
    int footingCase;
    Texts inputs;
    std::vector<std::pair<std::string, double>> values;
    std::vector<std::pair<std::string, std::string>> equal; // symbol, the step it takes
    std::vector<std::pair<std::string, core::Check::Outcome>> outcomes;
};

class Branch : public ::testing::TestWithParam<BranchRow>
{
};

TEST_P(Branch, TakesTheExpectedSide)
{
    const BranchRow &row = GetParam();
    const core::DesignResult result = designed(row.footingCase, row.inputs);
    ASSERT_TRUE(result.accepted()) << result.refusal->message;
    for (const auto &[symbol, value] : row.values)
        EXPECT_DOUBLE_EQ(valueOf(result.run, symbol), value) << symbol;
    for (const auto &[symbol, other] : row.equal)
        EXPECT_EQ(valueOf(result.run, symbol), valueOf(result.run, other)) << symbol;
    for (const auto &[name, outcome] : row.outcomes) {
        const core::Check *check = checkNamed(result.run, name);
        ASSERT_NE(check, nullptr) << name;
        EXPECT_EQ(check->outcome, outcome) << name;
        EXPECT_EQ(check->reason.empty(), outcome != core::Check::Outcome::NotApplicable) << name;
    }
}

using Outcome = core::Check::Outcome;
const Texts kBigColumnThinFooting{
    {"Text1", "1000"}, {"Text5", "300"}, {"Text6", "300"}, {"Text3", "30"}};

INSTANTIATE_TEST_SUITE_P(
    Isolated, Branch,
    ::testing::Values(
        // 245 − 60 and 220 − 60; dr = 20 ≤ 55: d = t − cover, h = t; the least steel governs
        // both ways; r = 12.91 is below 2.5 (0.55 + 0.2) r and 2.5 r.
        BranchRow{"Defaults",
                  0,
                  {},
                  {{"L", 185}, {"B", 160}, {"d", 55}, {"h", 60}, {"qb,all", 35}},
                  {{"AsL", "AsL,min"}, {"AsS", "AsS,min"}, {"qcup", "qcup3"}},
                  {{"Bearing", Outcome::Pass},
                   {"One-way shear", Outcome::Pass},
                   {"Punching", Outcome::Pass},
                   {"Flexural bond", Outcome::Pass}}},
        // L1 = 40 and B1 = 15: both sides keep the PC size; x and L B − Ap are ≤ 0.
        BranchRow{
            "P1_RcTakesPcSize",
            0,
            {{"Text1", "1"}},
            {{"L", 40}, {"B", 15}},
            {},
            {{"One-way shear", Outcome::NotApplicable}, {"Punching", Outcome::NotApplicable}}},
        // L1 = 35 falls back to itself, B1 = 2815 does not.
        BranchRow{"JustNoTension_OneSideFallsBack", 1, {}, {{"L", 35}, {"B", 2755}}, {}, {}},
        // dr = 40 > 35: d = dr, h = dr + cover; the moment governs the long steel.
        BranchRow{"P400_Thin",
                  0,
                  {{"Text1", "400"}, {"Text3", "40"}},
                  {{"d", 40}, {"h", 45}},
                  {{"AsL", "AsL,calc"}, {"AsS", "AsS,calc"}},
                  {{"One-way shear", Outcome::Fail}, {"Punching", Outcome::Fail}}},
        // tc / bc = 1/3: (0.5 + 0.333) r < r.
        BranchRow{
            "SlenderColumn", 0, {{"Text5", "30"}, {"Text6", "90"}}, {}, {{"qcup", "qcup2"}}, {}},
        // per = 1200 + 4 d with d = 45: 2.5 (180 / 1380 + 0.2) r = 0.826 r.
        BranchRow{"LongPerimeter", 0, kBigColumnThinFooting, {{"d", 45}}, {{"qcup", "qcup1"}}, {}},
        BranchRow{"MildSteel", 0, {{"Text8", "2400"}}, {{"qb,all", 11}}, {}, {}},
        // c' = 20 + 5.05 − 30 < 0: no cantilever; with tc = 30, c' > 0 and x < 0: qsh ≤ 0.
        BranchRow{"OffCentre_NoCantilever",
                  2,
                  {{"Text11", "1"}, {"Text5", "60"}},
                  {},
                  {},
                  {{"One-way shear", Outcome::NotApplicable}}},
        BranchRow{"OffCentre_SectionOutsideButCantilever",
                  2,
                  {{"Text11", "1"}, {"Text5", "30"}},
                  {},
                  {},
                  {{"One-way shear", Outcome::Pass}}},
        // M = −20: e = −20.2, the width is sized with k = 0.62 for the lower edge, so the
        // other edge carries 66000 / (320 × 105) × (1 + 6 × 20.2 / 320) = 2.708 > 1.25.
        BranchRow{"NonUniform_NegativeMoment",
                  3,
                  {{"Text10", "-20"}},
                  {},
                  {},
                  {{"Bearing", Outcome::Fail}}}),
    [](const auto &info) { return info.param.name; });

// Where the linear pressure turns negative the soil touches the footing over
// Lc = 3 (L / 2 − e) only, with the largest pressure 2 (1000 pt) / (3 B (L / 2 − e)).
struct ContactRow {
    std::string name;
    int footingCase;
    Texts inputs;
    double Lc, qmaxContact; // worked by hand
};

class PartialContact : public ::testing::TestWithParam<ContactRow>
{
};

TEST_P(PartialContact, NotesTheContactPressureAndWarns)
{
    const ContactRow &row = GetParam();
    const core::DesignResult result = designed(row.footingCase, row.inputs);
    ASSERT_TRUE(result.accepted());
    EXPECT_LT(valueOf(result.run, "qmin"), 0);
    EXPECT_NEAR(valueOf(result.run, "Lc"), row.Lc, 5e-4);
    EXPECT_NEAR(valueOf(result.run, "qmax'"), row.qmaxContact, 5e-5);
    EXPECT_GT(valueOf(result.run, "qmax'"), valueOf(result.run, "qmax"));
    ASSERT_EQ(result.run.warnings().size(), 1u);
    const core::Warning &warning = result.run.warnings().front();
    EXPECT_EQ(warning.footing, "Footing");
    EXPECT_EQ(warning.controls, (std::vector<std::string>{"Label40", "Label41"}));
    EXPECT_EQ(warning.text.find(". "), std::string::npos) << warning.text;
    EXPECT_EQ(warning.text.back(), '.');
}

INSTANTIATE_TEST_SUITE_P(
    Isolated, PartialContact,
    ::testing::Values(
        // e = 5000 / 99 = 50.50505, L = 245, B = 290: L / 2 − e = 71.99495;
        // Lc = 215.98485; 198000 / (3 × 290 × 71.99495) = 3.16117 (linear qmax 3.117).
        ContactRow{"JustNoTension_M50", 1, {{"Text10", "50"}}, 215.98485, 3.16117},
        // e = 4000 / 99 = 40.40404, L = 140, B = 525: L / 2 − e = 29.59596;
        // Lc = 88.78788; 198000 / (3 × 525 × 29.59596) = 4.24769 (linear qmax 3.679).
        ContactRow{
            "NonUniform_M40_L1_2", 3, {{"Text10", "40"}, {"Text11", "2"}}, 88.78788, 4.24769}),
    [](const auto &info) { return info.param.name; });

// The warnings about the soil under the footing (not those about its size against the column).
std::vector<core::Warning> soilWarnings(const core::Run &run)
{
    std::vector<core::Warning> soil;
    for (const core::Warning &warning : run.warnings()) {
        if (warning.text.find("smaller than the column") == std::string::npos)
            soil.push_back(warning);
    }
    return soil;
}

TEST(IsolatedDesign, ResultantOutsideTheFootingWarnsWithoutAContactPressure)
{
    // e = 1390 / 99 = 14.04 cm, L1 = up5(84.2) = 85, L = 25: e ≥ L / 2.
    const core::DesignResult result = designed(1, {{"Text10", "13.9"}});
    ASSERT_TRUE(result.accepted());
    ASSERT_EQ(soilWarnings(result.run).size(), 1u);
    EXPECT_NE(soilWarnings(result.run).front().text.find("outside"), std::string::npos);
    EXPECT_EQ(traced(result.run, "Lc"), nullptr);
}

TEST(IsolatedDesign, QuantitiesOfTheDefaultFooting)
{
    const core::Run run = designed(0).run;
    ASSERT_EQ(run.concrete().size(), 2u);
    EXPECT_NEAR(run.concrete()[0].volume(), 2.156, 1e-9); // PC 2.45 × 2.2 × 0.4
    EXPECT_NEAR(run.concrete()[1].volume(), 1.776, 1e-9); // RC 1.85 × 1.6 × 0.6
    ASSERT_EQ(run.bars().size(), 2u);
    // 16 Φ 12 of 1.85 − 0.1 = 1.75 m: 28 m, 28 × 0.00617 × 144 = 24.877 kg.
    EXPECT_EQ(run.bars()[0].count, 16);
    EXPECT_NEAR(run.bars()[0].length, 1.75, 1e-12);
    EXPECT_NEAR(run.bars()[0].mass(), 24.877, 5e-4);
    // 18 Φ 12 of 1.6 − 0.1 = 1.5 m: 27 m, 27 × 0.888 = 23.989 kg.
    EXPECT_EQ(run.bars()[1].count, 18);
    EXPECT_NEAR(run.bars()[1].length, 1.5, 1e-12);
    EXPECT_NEAR(run.bars()[1].mass(), 23.989, 5e-4);
    EXPECT_FALSE(run.assumptions().empty());
}

TEST(IsolatedDesign, SketchesShowTheDesignedSizesAndBars)
{
    const core::Run run = designed(2).run;
    std::set<std::string> texts;
    for (const core::Sketch &sketch : run.sketches()) {
        for (const core::SketchShape &shape : sketch.shapes)
            texts.insert(shape.text);
    }
    for (const char *text :
         {"3.20 m", "1.70 m", "2.60 m", "1.10 m", "0.60 m", "0.40 m", "12 Φ 12", "26 Φ 12"})
        EXPECT_TRUE(texts.contains(text)) << text;
}

// The symbols a formula uses: what is left once the operators and numbers are taken out.
std::vector<std::string> symbolsIn(std::string formula)
{
    for (const std::string mark : {"up5(", "min(", "max(", ", ", "(", ")", "√", "⌊", "⌋", "²",
                                   " × ", " / ", " + ", " − ", "−"}) {
        for (size_t at = formula.find(mark); at != std::string::npos; at = formula.find(mark))
            formula.replace(at, mark.size(), " ");
    }
    std::vector<std::string> symbols;
    std::istringstream words(formula);
    for (std::string word; words >> word;) {
        double number = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
        if (error != std::errc() || end != word.data() + word.size())
            symbols.push_back(word);
    }
    return symbols;
}

// Random footings within half to twice the default inputs, every case.
TEST(IsolatedDesignProperty, ChecksAgreeWithTheWindowAndEveryLineCanBeRedone)
{
    // The texts a check field shows when its check does not apply, passes or fails.
    using isolated_examples::kNoPunch, isolated_examples::kNoShear;
    const std::map<std::string, std::array<std::string, 3>> checkTexts{
        {"Label33", {kNoShear, isolated_examples::kSafeShear, isolated_examples::kUnsafeShear}},
        {"Label34", {kNoPunch, isolated_examples::kSafePunch, isolated_examples::kUnsafePunch}},
        {"Label35", {"", isolated_examples::kSafeBond, isolated_examples::kUnsafeBond}}};
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> scale(0.5, 2.0);
    const std::array<const char *, 5> bars{"12", "16", "18", "22", "25"};
    for (int run = 0; run < 400; ++run) {
        const int footingCase = run % 4;
        core::DesignRequest r = request(footingCase);
        for (auto &[control, text] : r.texts)
            text = control.starts_with("Combo")
                       ? bars[random() % bars.size()]
                       : core::formatNumber(core::parseNumber(text).value * scale(random));
        const core::DesignResult result = isolated::design(r);
        ASSERT_TRUE(result.accepted()) << footingCase << ": " << result.refusal->message;
        const core::Run &out = result.run;
        for (const core::Check &check : out.checks()) {
            ASSERT_TRUE(std::isfinite(check.ratio()) || !check.applies()) << check.name;
            const auto text = checkTexts.find(check.control);
            if (text == checkTexts.end()) {
                // Depth and bars are chosen to cover what is required.
                EXPECT_EQ(check.outcome, Outcome::Pass) << check.name;
                continue;
            }
            const int shown = !check.applies() ? 0 : *check.passes() ? 1 : 2;
            EXPECT_EQ(out.textOf(check.control), text->second[shown]) << check.name;
        }
        std::set<std::string> defined{"π"};
        for (const core::InputField &input : isolated::tables::kInputs)
            defined.insert(std::string(input.symbol));
        for (const core::TraceEntry &entry : out.trace()) {
            EXPECT_TRUE(std::isfinite(entry.value)) << entry.symbol;
            ASSERT_TRUE(entry.expression.has_value()) << entry.symbol;
            for (const std::string &symbol : symbolsIn(entry.expression->formula()))
                EXPECT_TRUE(defined.contains(symbol)) << entry.symbol << " uses " << symbol;
            EXPECT_FALSE(entry.heading.empty()) << entry.symbol;
            defined.insert(entry.symbol);
        }
        const bool linear = footingCase == 1 || footingCase == 3;
        const bool tension = linear && std::min(valueOf(out, "qmin"), valueOf(out, "qmax")) < 0;
        EXPECT_EQ(soilWarnings(out).size(), tension ? 1u : 0u);
    }
}

// --- tables ------------------------------------------------------------------------------------

TEST(IsolatedTables, EveryNameTheDesignAndTheWindowUseIsAControl)
{
    using namespace isolated::tables;
    std::set<std::string_view> names;
    for (const core::Control &row : kIsolated) {
        EXPECT_TRUE(names.insert(row.name).second) << "twice: " << row.name;
        if (!row.parent.empty()) {
            EXPECT_NE(core::findControl(kIsolated, row.parent), nullptr) << row.name;
        }
    }
    for (const core::InputField &input : kInputs)
        EXPECT_TRUE(names.contains(input.control)) << input.control;
    for (int footingCase = 0; footingCase < 4; ++footingCase) {
        const core::DesignResult result = designed(footingCase);
        for (const core::Event &event : result.run.events())
            EXPECT_TRUE(names.contains(event.target)) << event.target;
        for (const core::CaseChange &change : caseChanges(footingCase))
            EXPECT_TRUE(names.contains(change.control)) << change.control;
    }
    for (const core::BlinkField &field : kBlinkFields)
        EXPECT_TRUE(names.contains(field.control)) << field.control;
    for (const char *name : {"Picture1(0)", "Picture1(1)", "Picture1(2)", "Picture1(3)", "Label1",
                             "Label2", "Label3", "Label4"})
        EXPECT_NE(core::findControl(kForm3, name), nullptr) << name;
}

// --- the headless command ----------------------------------------------------------------------

TEST(IsolatedHeadless, CaseTwoPrintsItsWritesInOrder)
{
    const std::array<const core::DesignWindowInfo *, 1> windows{&isolated::windowInfo()};
    const std::vector<std::string> args{"isolated", "--case", "2"};
    std::ostringstream out, err;
    EXPECT_EQ(headless::run(args, windows, out, err), headless::kDesigned);
    EXPECT_EQ(out.str(), "Label37=3.2\nLabel38=1.7\nLabel39=0.4\nLabel40=2.6\nLabel41=1.1\n"
                         "Label42=0.6\nLabel33=Safe Shear Stress\nLabel34=Safe Punch Stress\n"
                         "Label31=13.26\nLabel28=12\nLabel17=28.6\nLabel27=26\nLabel54=12\n"
                         "Label56=26\nLabel55=12\nLabel57=12\nLabel35=Safe Flexural Bond\n");
    EXPECT_EQ(err.str(), "");
}

TEST(IsolatedHeadless, RefusedInputPrintsTheMessageAndNoWrites)
{
    const std::array<const core::DesignWindowInfo *, 1> windows{&isolated::windowInfo()};
    const std::vector<std::string> args{"isolated", "--case", "3", "Text11=0"};
    std::ostringstream out, err;
    EXPECT_EQ(headless::run(args, windows, out, err), headless::kRefused);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("\"Assume L1 (m)\" must be greater than 0."), std::string::npos);
}

} // namespace

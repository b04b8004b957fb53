// The calculation record of the strip design: the checks against ratios worked by hand, the
// quantities of one metre, the warning where the soil pressure changes sign, both sides of every
// choice, and properties of the record over random inputs.
#include "core/check_messages.h"
#include "strip/strip_design.h"
#include "strip/strip_tables.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;
using Outcome = core::Check::Outcome;

core::Run designed(int footingCase, const Texts &inputs = {}, bool concrete = false)
{
    core::DesignRequest request = core::defaultRequest(strip::windowInfo(), footingCase);
    request.texts["Option1"] = concrete ? core::kCleared : core::kSelected;
    for (const auto &[control, text] : inputs)
        request.texts[control] = text;
    core::DesignResult result = strip::design(request);
    EXPECT_TRUE(result.accepted()) << result.refusal->message;
    return result.run;
}

const core::TraceEntry *stepOf(const core::Run &run, const std::string &symbol)
{
    for (const core::TraceEntry &entry : run.trace()) {
        if (entry.symbol == symbol)
            return &entry;
    }
    return nullptr;
}

const core::Check *checkOf(const core::Run &run, const std::string &footing,
                           const std::string &name)
{
    for (const core::Check &check : run.checks()) {
        if (check.footing == footing && check.name == name)
            return &check;
    }
    return nullptr;
}

// --- ratios worked by hand ------------------------------------------------------------------

struct Ratio {
    const char *name;
    int footingCase;
    Texts inputs;
    const char *footing, *check;
    double ratio;
    Outcome outcome;
};

class StripRatio : public ::testing::TestWithParam<Ratio>
{
};

TEST_P(StripRatio, IsTheOneWorkedByHand)
{
    const Ratio &row = GetParam();
    const core::Run run = designed(row.footingCase, row.inputs);
    const core::Check *check = checkOf(run, row.footing, row.check);
    ASSERT_NE(check, nullptr) << row.check;
    EXPECT_NEAR(check->ratio(), row.ratio, 5e-5);
    EXPECT_EQ(check->outcome, row.outcome);
}

// The defaults: P = 90 t/m, t = 60, cover 5, brick wall 60 cm, fcu 250, fy 3600, qall 1.25,
// Φ 12. Then pt = 99, Pw = 66, B1 = up5(528) = 530, B = 470, qc = 99000 / 47000 = 2.10638,
// x = 205 + 15 = 220, M = qc 220² 50 = 5097447, d = 55; qcu = 0.75 √(250 / 1.5) = 9.68246.
INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, StripRatio,
    ::testing::Values(
        // 66000 / (100 × 530) = 1.24528 on 1.25.
        Ratio{"UniformBearing", 0, {}, "Strip footing", "Bearing", 0.996226, Outcome::Pass},
        // dreq = 3 √(5097447 / 25000) = 42.838 on d = 55.
        Ratio{"UniformDepth", 0, {}, "Strip footing", "Depth", 0.778870, Outcome::Pass},
        // qsh = 2.10638 × 192.5 / 55 = 7.37234 on 9.68246.
        Ratio{"UniformShear", 0, {}, "Strip footing", "One-way shear", 0.761412, Outcome::Pass},
        // qp = 2.10638 × (47000 − 11500) / (200 × 55) = 6.79787 on √(250 / 1.5) = 12.9099.
        Ratio{"UniformPunching", 0, {}, "Strip footing", "Punching", 0.526561, Outcome::Pass},
        // max(6.78 × 4.7, 0.2 × 55 × 470 / 100) = 51.7 on 46 × 1.13097 = 52.0248.
        Ratio{
            "UniformSecondary", 0, {}, "Strip footing", "Secondary steel", 0.993757, Outcome::Pass},
        // 5097447 / (0.8 × 3600 × 55) = 32.1809 on 29 × 1.13097 = 32.7982.
        Ratio{"UniformMain", 0, {}, "Strip footing", "Main steel", 0.981177, Outcome::Pass},
        // qb = 46340.4 / (0.87 × 55 × 1.2 π 29) = 8.85827 on 35.
        Ratio{"UniformBond", 0, {}, "Strip footing", "Flexural bond", 0.253093, Outcome::Pass},
        // P 400, qall 4: B = 675, qc = 6.51852, x = 322.5, d = 115: qsh = 15.0209 on 9.68246,
        // qp = 6.51852 (67500 − 17500) / (200 × 115) = 14.1707 on 12.9099.
        Ratio{"HeavyShear",
              0,
              {{"Text1", "400"}, {"Text9", "4"}},
              "Strip footing",
              "One-way shear",
              1.551355,
              Outcome::Fail},
        Ratio{"HeavyPunching",
              0,
              {{"Text1", "400"}, {"Text9", "4"}},
              "Strip footing",
              "Punching",
              1.097657,
              Outcome::Fail},
        // fy 2400, Φ 25: 10 bars, qb = 46340.4 / (0.87 × 55 × 2.5 π 10) = 12.3307 on 11.
        Ratio{"MildBond",
              0,
              {{"Text8", "2400"}, {"Combo1", "25"}},
              "Strip footing",
              "Flexural bond",
              1.120974,
              Outcome::Fail},
        // e = 500 / 99 = 5.0505, B1 = 690: 66000 / 69000 × (1 + 6 e / 690) = 0.99853 on 1.25.
        Ratio{"NonUniformBearing", 2, {}, "Strip footing", "Bearing", 0.798824, Outcome::Pass},
        // P 30, M −2, qall 5: e = −6.0606, B1 = 30 < 6 |e|: Lc1 = 3 (15 − 6.0606) = 26.818,
        // 2 × 22000 / (100 × 26.818) = 16.4068 on 5.
        Ratio{"PartialContactBearing",
              2,
              {{"Text1", "30"}, {"Text10", "-2"}, {"Text9", "5"}},
              "Strip footing",
              "Bearing",
              3.281356,
              Outcome::Fail},
        // Columns: w = 22.5, Pw = 16.5, B1 = 135: 16500 / 13500 = 1.22222 on 1.25.
        Ratio{"ColumnsBearing", 3, {}, "Strip footing", "Bearing", 0.977778, Outcome::Pass},
        // Mb = 30: dbreq = 3 √(3000000 / 7500) = 60 on db = 115.
        Ratio{"BeamDepth", 3, {}, "Beam", "Depth", 0.521739, Outcome::Pass},
        // 3000000 / (0.8 × 3600 × 115) = 9.05797 on 5 × 2.01062 = 10.0531.
        Ratio{"BeamSteel", 3, {}, "Beam", "Steel", 0.901013, Outcome::Pass},
        // qs' = 13.0435 − 4.84123 = 8.20225; 12 a metre, 8.3333 apart, carry
        // 2 × 0.502655 × 2400 / 1.15 / (30 × 8.3333) = 8.39215.
        Ratio{"BeamStirrups", 3, {}, "Beam", "Stirrups", 0.977372, Outcome::Pass},
        // P 20: Vb = 10, qsb = 10000 / (115 × 30) = 2.89855 on 9.68246.
        Ratio{"BeamConcreteShear",
              3,
              {{"Text1", "20"}},
              "Beam",
              "Shear by concrete",
              0.299361,
              Outcome::Pass}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(StripRatio, ANoShearAndNoPunchCheckDoesNotApplyAndSaysWhy)
{
    // Columns: B = 75, x = 22.5 < d / 2 = 27.5 and B < d + b = 85.
    const core::Run run = designed(3);
    for (const char *name : {"One-way shear", "Punching"}) {
        const core::Check *check = checkOf(run, "Strip footing", name);
        ASSERT_NE(check, nullptr);
        EXPECT_FALSE(check->applies());
        EXPECT_NE(check->reason.find("beyond the footing"), std::string::npos) << check->reason;
    }
    // P 10, M 5, qall 5: e = 45.45 cm, more than half of B1 = 55: the load is outside.
    const core::Run overturning = designed(2, {{"Text1", "10"}, {"Text10", "5"}, {"Text9", "5"}});
    const core::Check *bearing = checkOf(overturning, "Strip footing", "Bearing");
    ASSERT_NE(bearing, nullptr);
    EXPECT_EQ(bearing->outcome, Outcome::Fail);
    EXPECT_NE(bearing->reason.find("outside the PC footing"), std::string::npos);
}

// --- the soil pressure that changes sign ----------------------------------------------------

TEST(StripPartialContact, IsWarnedWithTheLengthInContactAndItsPeakPressure)
{
    // M 30, qall 10: e = 3000 / 99 = 30.303 > B / 6 = 160 / 6. Lc = 3 (80 − 30.303) = 149.091,
    // q'max = 2 × 99000 / (100 × 149.091) = 13.2805 beside the linear qmax = 13.2188.
    const core::Run run = designed(2, {{"Text10", "30"}, {"Text9", "10"}});
    ASSERT_EQ(run.warnings().size(), 1u);
    const core::Warning &warning = run.warnings().front();
    EXPECT_EQ(warning.controls, std::vector<std::string>{"Label41"});
    EXPECT_NE(warning.text.find("1.49 m"), std::string::npos) << warning.text;
    EXPECT_NE(warning.text.find("13.28"), std::string::npos) << warning.text;
    EXPECT_NEAR(stepOf(run, "Lc")->value, 149.0909, 5e-5);
    EXPECT_NEAR(stepOf(run, "q'max")->value, 13.28049, 5e-6);
    EXPECT_NEAR(stepOf(run, "qmax")->value, 13.21875, 1e-12);
    EXPECT_EQ(run.textOf("Label17"), "15.09"); // the window's results stay as they were

    // A negative moment puts the tension at the other edge: 3 (B / 2 + e).
    const core::Run negative = designed(2, {{"Text1", "30"}, {"Text10", "-2"}, {"Text9", "5"}});
    // The 0.3 m footing is also narrower than the 0.6 m wall, which is a warning of its own.
    ASSERT_EQ(negative.warnings().size(), 2u);
    EXPECT_NEAR(stepOf(negative, "Lc")->value, 3 * (15 - 200.0 / 33), 1e-9);

    for (int footingCase = 0; footingCase < 4; ++footingCase)
        EXPECT_TRUE(designed(footingCase).warnings().empty()) << footingCase;
}

// --- quantities -----------------------------------------------------------------------------

TEST(StripQuantities, OneMetreOfTheDefaultsWorkedByHand)
{
    // PC 1 × 5.30 × 0.40 = 2.12 m3, RC 1 × 4.70 × 0.60 = 2.82 m3; 29 Φ 12 of 4.70 − 0.10 = 4.60 m
    // = 133.4 m, × 0.00617 × 144 = 118.52 kg; 46 Φ 12 of 1 m = 46 m = 40.87 kg.
    const core::Run run = designed(0);
    ASSERT_EQ(run.concrete().size(), 2u);
    EXPECT_NEAR(run.concrete()[0].volume(), 2.12, 1e-9);
    EXPECT_NEAR(run.concrete()[1].volume(), 2.82, 1e-9);
    ASSERT_EQ(run.bars().size(), 2u);
    EXPECT_NEAR(run.bars()[0].length, 4.60, 1e-9);
    EXPECT_NEAR(run.bars()[0].mass(), 118.523, 5e-4);
    EXPECT_EQ(run.bars()[1].count, 46);
    EXPECT_NEAR(run.bars()[1].mass(), 40.870, 5e-4);
    std::set<std::string> texts;
    for (const core::SketchShape &shape : run.sketches().at(0).shapes)
        texts.insert(shape.text);
    for (const char *text : {"5.30 m", "4.70 m", "0.60 m", "0.40 m", "29 Φ 12 / m", "46 Φ 12"})
        EXPECT_TRUE(texts.contains(text)) << text;

    // The beam: 0.30 × 1.20 = 0.36 m3 a metre; over a span of 4 m, 5 Φ 16 top and bottom of
    // 4 m (20 m, 31.59 kg each) and 12 × 4 = 48 stirrups Φ 8 of 2 (20 + 110) = 260 cm
    // (124.8 m, 49.28 kg).
    const core::Run columns = designed(3);
    ASSERT_EQ(columns.concrete().size(), 3u);
    EXPECT_NEAR(columns.concrete()[2].volume(), 0.36, 1e-9);
    ASSERT_EQ(columns.bars().size(), 5u);
    EXPECT_NEAR(columns.bars()[2].mass(), 31.590, 5e-4);
    EXPECT_NEAR(columns.bars()[3].totalLength(), 20.0, 1e-9);
    EXPECT_EQ(columns.bars()[4].count, 48);
    EXPECT_NEAR(columns.bars()[4].length, 2.60, 1e-9);
    EXPECT_NEAR(columns.bars()[4].mass(), 49.281, 5e-4);

    // Four legs from b = 40: two stirrups at each of the 5 × 4 places.
    EXPECT_EQ(designed(3, {{"Text6", "40"}}).bars()[4].count, 40);
    // An RC footing 5 cm wide leaves no room for a bar between the covers: 0 m, not −0.05 m.
    EXPECT_EQ(designed(0, {{"Text1", "10.5"}, {"Text5", "10"}}).bars()[0].length, 0.0);
}

// --- both sides of every choice ---------------------------------------------------------------

struct Branch {
    const char *name;
    int footingCase;
    Texts inputs;
    const char *symbol;
    const char *note; // a part of the step's note
    bool concrete = false;
};

class StripBranch : public ::testing::TestWithParam<Branch>
{
};

TEST_P(StripBranch, IsTakenAndSaysWhy)
{
    const Branch &row = GetParam();
    const core::Run run = designed(row.footingCase, row.inputs, row.concrete);
    const core::TraceEntry *entry = stepOf(run, row.symbol);
    ASSERT_NE(entry, nullptr) << row.symbol;
    EXPECT_NE(entry->note.find(row.note), std::string::npos) << entry->note;
}

// P 5 with t = 12: B1 = B = 30, x = 0, d = 7, so 4 d / per + 0.2 = 0.34 < 0.4 and
// 6.78 × 0.3 = 2.03 > 0.2 × 7 × 30 / 100 = 0.42.
const Texts kThinAndLight{{"Text1", "5"}, {"Text3", "12"}};
const Texts kOverturning{{"Text1", "10"}, {"Text10", "5"}, {"Text9", "5"}};
const Texts kTensionAtOneEdge{{"Text10", "30"}, {"Text9", "10"}};

INSTANTIATE_TEST_SUITE_P(
    EachSide, StripBranch,
    ::testing::Values(
        Branch{"RcNarrower", 0, {}, "B", "projects 30 cm"},
        Branch{"RcTakesThePcWidth", 0, {{"Text1", "5"}}, "B", "takes the PC width"},
        Branch{"RcNarrowerUnderAMoment", 2, {}, "B", "projects 15 cm"},
        Branch{"BrickWallSection", 1, {}, "x", "brick wall"},
        Branch{"ConcreteWallSection", 1, {}, "x", "concrete wall", true},
        Branch{"AssumedThicknessStands", 0, {}, "d", "assumed thickness stands"},
        Branch{"ThicknessFromTheMoment", 0, {{"Text1", "400"}, {"Text9", "4"}}, "d", "dr + cover"},
        Branch{"BeamThicknessStands", 3, {}, "db", "assumed thickness stands"},
        Branch{"BeamThicknessFromTheMoment", 3, {{"Text13", "60"}}, "db", "dbr + cover"},
        Branch{"PerimeterRuleGoverns", 0, kThinAndLight, "qcup", "qcup1 governs"},
        Branch{"RootRuleGoverns", 0, {}, "qcup", "qcup3 governs"},
        Branch{"MeshGoverns", 0, kThinAndLight, "AsSec", "6.78"},
        Branch{"SectionGoverns", 0, {}, "AsSec", "0.2 %"},
        Branch{"MainMomentGoverns", 0, {}, "AsMain", "moment governs"},
        Branch{"MainLeastSteelGoverns", 3, {}, "AsMain", "least steel"},
        Branch{"BeamMomentGoverns", 3, {}, "Asb", "moment governs"},
        Branch{"BeamLeastSteelGoverns", 3, {{"Text1", "20"}}, "Asb", "least steel"},
        Branch{"DesignedStirrups", 3, {}, "ns", "designed"},
        Branch{"NominalStirrups", 3, {{"Text1", "20"}}, "ns", "nominal"},
        Branch{"TwoLegs", 3, {}, "legs", "two legs"},
        Branch{"FourLegs", 3, {{"Text6", "40"}}, "legs", "four legs"},
        Branch{"HighTensileBond", 0, {}, "qba", "high-tensile"},
        Branch{"MildSteelBond", 0, {{"Text8", "2400"}}, "qba", "mild steel"},
        Branch{"PunchingLineInside", 1, {}, "a2", "d / 2 from the face"},
        Branch{"PunchingLineAtTheEdge", 1, {{"Text10", "200"}}, "a2", "stops at the edge"},
        Branch{"PcBearsWhole", 2, {}, "qwmax", "whole width bears"},
        Branch{"PcBearsInPart",
               2,
               {{"Text1", "30"}, {"Text10", "-2"}, {"Text9", "5"}},
               "Lc1",
               "only this length bears"},
        Branch{"PcOverturns", 2, kOverturning, "Lc1", "falls outside"},
        Branch{"RcBearsInPart", 2, kTensionAtOneEdge, "Lc", "only this length bears"},
        Branch{"RcOverturns", 2, kOverturning, "Lc", "falls outside"}),
    [](const auto &info) { return std::string(info.param.name); });

// --- properties over random inputs ------------------------------------------------------------

// The symbols a formula uses: what is left between its operators, less the numbers.
std::vector<std::string> symbolsOf(std::string formula)
{
    for (const char *sign : {"×", "−", "√", "⌊", "⌋", "²", "up5(", "min(", "max("}) {
        for (size_t at = formula.find(sign); at != std::string::npos; at = formula.find(sign))
            formula.replace(at, std::string(sign).size(), " ");
    }
    std::vector<std::string> symbols;
    std::string word;
    for (char c : formula + " ") {
        if (std::string(" /+(),").find(c) == std::string::npos) {
            word += c;
            continue;
        }
        double number = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
        if (!word.empty() && (error != std::errc() || end != word.data() + word.size()))
            symbols.push_back(word);
        word.clear();
    }
    return symbols;
}

std::string randomText(std::mt19937 &random, double text)
{
    char buffer[32];
    const double value = text * std::uniform_real_distribution<double>(0.5, 2.0)(random);
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    return std::string(buffer, end);
}

core::DesignRequest randomRequest(std::mt19937 &random, int footingCase)
{
    core::DesignRequest request = core::defaultRequest(strip::windowInfo(), footingCase);
    for (const core::InputField &input : strip::tables::kInputs) {
        const core::Control *row = core::findControl(strip::tables::kDesign, input.control);
        std::string &text = request.texts[std::string(input.control)];
        if (row->kind == core::Kind::TextBox) {
            text = randomText(random, std::stod(text));
        } else if (row->kind == core::Kind::ComboBox) {
            std::vector<std::string> items;
            for (std::string_view rest = row->items; !rest.empty();) {
                const size_t bar = rest.find('|');
                items.emplace_back(rest.substr(0, bar));
                rest = bar == std::string_view::npos ? "" : rest.substr(bar + 1);
            }
            text = items[std::uniform_int_distribution<size_t>(0, items.size() - 1)(random)];
        } else {
            text = random() % 2 ? core::kSelected : core::kCleared;
        }
    }
    return request;
}

std::string_view expectedText(const core::Check &check)
{
    namespace message = core::check;
    const bool pass = check.outcome == Outcome::Pass;
    if (check.control == "Label45")
        return !check.applies() ? message::kNoShear
                                : (pass ? message::kSafeShear : message::kUnsafeShear);
    if (check.control == "Label44")
        return !check.applies() ? message::kNoPunch
                                : (pass ? message::kSafePunch : message::kUnsafePunch);
    return pass ? message::kSafeBond : message::kUnsafeBond;
}

TEST(StripRecordProperty, ChecksAgreeWithTheWindowAndEveryFormulaIsBuiltFromKnownSymbols)
{
    std::mt19937 random(20240611);
    std::set<std::string> inputs{"π"};
    for (const core::InputField &input : strip::tables::kInputs)
        inputs.insert(std::string(input.symbol));
    for (int n = 0; n < 400; ++n) {
        const int footingCase = n % 4;
        const core::DesignResult result = strip::design(randomRequest(random, footingCase));
        ASSERT_TRUE(result.accepted()) << result.refusal->message;
        const core::Run &run = result.run;
        std::set<std::string> known = inputs;
        for (const core::TraceEntry &entry : run.trace()) {
            EXPECT_TRUE(std::isfinite(entry.value)) << entry.symbol;
            ASSERT_TRUE(entry.expression) << entry.symbol;
            for (const std::string &symbol : symbolsOf(entry.expression->formula()))
                EXPECT_TRUE(known.contains(symbol)) << symbol << " in " << entry.symbol;
            known.insert(entry.symbol);
        }
        EXPECT_EQ(run.checks().size(), footingCase == 3 ? 10u : 7u);
        for (const core::Check &check : run.checks()) {
            for (const std::string &symbol :
                 symbolsOf(check.demandSymbol + " " + check.capacitySymbol))
                EXPECT_TRUE(known.contains(symbol)) << symbol << " in " << check.name;
            if (check.applies()) {
                EXPECT_TRUE(std::isfinite(check.ratio())) << check.name;
            }
            // The checks no field shows always hold by construction, but for the bearing
            // under a linearly varying stress, which the window does not check.
            if (!check.control.empty()) {
                EXPECT_EQ(run.textOf(check.control), expectedText(check)) << check.name;
            } else if (!(footingCase == strip::kNonUniformStress && check.name == "Bearing")) {
                EXPECT_EQ(check.outcome, Outcome::Pass) << check.footing << " " << check.name;
            }
        }
        for (const core::BarLine &bars : run.bars())
            EXPECT_TRUE(std::isfinite(bars.mass()) && bars.mass() >= 0) << bars.description;
    }
}

} // namespace

// The calculation record of the strap design: the checks with their ratios against values
// worked by hand, random designs whose checks must agree with the message boxes and whose every
// step a checker can redo, the quantities and bar schedule, the sketch, and both sides of every
// choice the design makes.
#include "core/check_messages.h"
#include "core/number_format.h"
#include "strap/strap_design.h"
#include "strap/strap_tables.h"
#include "strap_cases.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>

namespace {

using Outcome = core::Check::Outcome;
using strap_cases::Texts;

// The inputs of a worked case of strap_cases.h, by its name.
Texts inputsOf(const std::string &name)
{
    for (const strap_cases::DesignCase &c : strap_cases::designCases()) {
        if (c.name == name)
            return c.inputs;
    }
    ADD_FAILURE() << "no worked case " << name;
    return {};
}

core::Run designWith(const Texts &changes)
{
    core::DesignRequest request = core::defaultRequest(strap::windowInfo());
    for (const auto &[control, text] : changes)
        request.texts.at(control) = text;
    core::DesignResult result = strap::design(request);
    EXPECT_TRUE(result.accepted()) << result.refusal->message;
    return std::move(result.run);
}

const core::Check *checkOf(const core::Run &run, std::string_view footing, std::string_view name)
{
    for (const core::Check &check : run.checks()) {
        if (check.footing == footing && check.name == name)
            return &check;
    }
    return nullptr;
}

const core::TraceEntry *stepOf(const core::Run &run, std::string_view symbol)
{
    for (const core::TraceEntry &entry : run.trace()) {
        if (entry.symbol == symbol)
            return &entry;
    }
    return nullptr;
}

// --- the checks of the worked cases ----------------------------------------------------------

struct CheckCase {
    std::string name;
    std::string worked; // the worked case of strap_cases.h, or "" for the inputs below
    Texts inputs;
    std::string footing, check;
    Outcome outcome;
    double ratio; // worked by hand; not looked at when the check does not apply
};

class StrapCheck : public ::testing::TestWithParam<CheckCase>
{
};

TEST_P(StrapCheck, RatioAndOutcomeAsWorkedByHand)
{
    const CheckCase &c = GetParam();
    const core::Run run = designWith(c.worked.empty() ? c.inputs : inputsOf(c.worked));
    const core::Check *check = checkOf(run, c.footing, c.check);
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->outcome, c.outcome);
    EXPECT_TRUE(check->control.empty()) << "the strap window reports in message boxes";
    if (c.outcome == Outcome::NotApplicable) {
        EXPECT_FALSE(check->reason.empty());
    } else {
        EXPECT_NEAR(check->ratio(), c.ratio, 1e-4);
    }
}

constexpr Outcome kPass = Outcome::Pass, kFail = Outcome::Fail, kNone = Outcome::NotApplicable;

INSTANTIATE_TEST_SUITE_P(
    Strap, StrapCheck,
    ::testing::Values(
        // qpc = 92.4 / 1.5 * 1000 / (190 * 260) = 61600 / 49400 = 1.24696; over qall 1.25.
        CheckCase{"Bearing1", "Defaults", {}, "Footing -1-", "Bearing", kPass, 0.99757},
        // dreq = 3 sqrt(1668975 / (250 * 190)) = 17.783 against d = 55.
        CheckCase{"Depth1", "Defaults", {}, "Footing -1-", "Depth", kPass, 0.32332},
        // qsh = 2.4316 * (85 - 27.5) / 55 = 2.5421 against qcu = 0.75 sqrt(250 / 1.5) = 9.6825.
        CheckCase{"Shear1", "Defaults", {}, "Footing -1-", "One-way shear", kPass, 0.26255},
        // qp = qsh = 2.5421 against qcup = sqrt(250 / 1.5) = 12.910.
        CheckCase{"Punching1", "Defaults", {}, "Footing -1-", "Punching", kPass, 0.19691},
        // 22 cm2 against 20 bars of 1.13097 = 22.619.
        CheckCase{"Secondary1", "Defaults", {}, "Footing -1-", "Secondary steel", kPass, 0.97261},
        // 20.35 cm2 against 18 bars of 1.13097 = 20.3575.
        CheckCase{"Main2", "Defaults", {}, "Footing -2-", "Main steel", kPass, 0.99963},
        // qb = 39270 / (0.87 * 55 * 19 * pi * 1.2) = 11.458 against 35.
        CheckCase{"Bond1", "Defaults", {}, "Footing -1-", "Flexural bond", kPass, 0.32736},
        // dreq = 3 sqrt(4555830 / (250 * 30)) = 73.939 against d = 115.
        CheckCase{"StrapDepth", "Defaults", {}, "Strap beam", "Depth", kPass, 0.64295},
        // Ast = 4555830 / (0.8 * 3600 * 115) = 13.7555 against 7 bars of 2.01062 = 14.0743.
        CheckCase{"StrapMain", "Defaults", {}, "Strap beam", "Main steel", kPass, 0.97735},
        // Atop = 6.9 against 4 bars of 2.01062 = 8.0425.
        CheckCase{"StrapOther", "Defaults", {}, "Strap beam", "Other-face steel", kPass, 0.85794},
        // qsu = 9.8565 against half qcu, 4.8412, and 7 stirrups a metre: 2400 * 7 / 3000 = 5.6.
        CheckCase{"StrapShear", "Defaults", {}, "Strap beam", "Shear", kPass, 0.94400},
        // Nominal stirrups: qsu = 10.13 * 1000 / (0.87 * 30 * 195) = 1.9907 against qcu 9.6825.
        CheckCase{"NominalShear", "ThickStrap", {}, "Strap beam", "Shear", kPass, 0.20560},
        // Mild steel: the same bond stress against 11.
        CheckCase{"MildBond1", "MildSteel", {}, "Footing -1-", "Flexural bond", kFail, 1.04160},
        // fcu 100: qcu = 6.1237, qcup = 8.1650. Footing 1, d = 20: qsh = 7.3130 * 22.5 / 20 =
        // 8.2271; qb = 45157.9 / (0.87 * 20 * 12 * pi * 1.2) = 57.368.
        CheckCase{
            "Shear1Fails", "FailsEveryCheck", {}, "Footing -1-", "One-way shear", kFail, 1.3435},
        CheckCase{
            "Punching1Fails", "FailsEveryCheck", {}, "Footing -1-", "Punching", kFail, 1.00762},
        CheckCase{
            "Bond1Fails", "FailsEveryCheck", {}, "Footing -1-", "Flexural bond", kFail, 1.6391},
        // Footing 2, d = 35: qp = qsh = 8.6275 * (52.5 - 17.5) / 35 = 8.6275.
        CheckCase{
            "Punching2Fails", "FailsEveryCheck", {}, "Footing -2-", "Punching", kFail, 1.05664},
        // d = 195: c = 85 <= 97.5 and bs + d = 225 >= B = 200: neither section lies in the
        // footing.
        CheckCase{
            "NoShearSection", "", {{"Text8", "200"}}, "Footing -1-", "One-way shear", kNone, 0},
        CheckCase{"NoPunchingSection", "", {{"Text8", "200"}}, "Footing -2-", "Punching", kNone, 0},
        // d = 175 - 5 = 170, just the edge: c = 85 = d / 2 and bs + d = 200 = B.
        CheckCase{"ShearSectionAtTheEdge",
                  "",
                  {{"Text8", "175"}},
                  "Footing -1-",
                  "One-way shear",
                  kNone,
                  0},
        CheckCase{"PunchingSectionAtTheEdge",
                  "",
                  {{"Text8", "175"}},
                  "Footing -1-",
                  "Punching",
                  kNone,
                  0}),
    [](const auto &info) { return info.param.name; });

// --- random designs ----------------------------------------------------------------------------

// A number as the user types it: at most two decimals, never an exponent.
std::string typed(double value)
{
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, std::round(value * 100) / 100,
                                            std::chars_format::fixed);
    return error == std::errc() ? std::string(text, end) : "0";
}

double number(const std::string &text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// What is left of a formula once every known symbol, number, operator and function is taken
// out: empty when every symbol in it is known. A symbol is taken out only where it stands on
// its own, so "bs" does not hide an unknown "bs2".
std::string unknownIn(std::string formula, const std::vector<std::string> &known)
{
    const auto word = [&](std::size_t at) {
        return at < formula.size() && std::isalnum(static_cast<unsigned char>(formula[at]));
    };
    for (const std::string &symbol : known) {
        for (std::size_t at = 0; (at = formula.find(symbol, at)) != std::string::npos;) {
            if ((at > 0 && word(at - 1)) || word(at + symbol.size()))
                at += symbol.size();
            else
                formula.replace(at, symbol.size(), " ");
        }
    }
    for (const char *sign : {"up5", "min", "max", "×", "−", "²", "√", "⌊", "⌋"}) {
        for (std::size_t at; (at = formula.find(sign)) != std::string::npos;)
            formula.replace(at, std::string_view(sign).size(), " ");
    }
    std::string left;
    for (char ch : formula) {
        if (std::string_view(" 0123456789.+/(),").find(ch) == std::string_view::npos)
            left += ch;
    }
    return left;
}

// Which message box a failing check of a footing raises.
const std::map<std::string, std::string_view> kBoxOf{
    {"One-way shear", core::check::kUnsafeShear},
    {"Punching", core::check::kUnsafePunch},
    {"Flexural bond", core::check::kUnsafeBond},
};

// The bar sets of the schedule and the window's field that counts each.
const std::map<std::pair<std::string, std::string>, std::string> kCountField{
    {{"Footing -1-", "1"}, "Label48"}, {{"Footing -1-", "2"}, "Label53"},
    {{"Footing -2-", "1"}, "Label59"}, {{"Footing -2-", "2"}, "Label64"},
    {{"Strap beam", "1"}, "Label73"},  {{"Strap beam", "2"}, "Label113"},
    {{"Strap beam", "4"}, ""}, // stirrups: a count a metre over the strap's length
    {{"Strap beam", "3"}, ""}, // side bars: fixed on the drawing
};

void expectSoundRecord(const core::Run &run, const std::string &inputs)
{
    // Every check agrees with the boxes: a failing shear, punching or bond check raises its box
    // under its footing's title, and nothing else fails.
    std::multiset<std::pair<std::string, std::string>> boxes;
    for (const core::Event &event : run.events()) {
        if (event.kind == core::Event::Kind::MessageBox)
            boxes.insert({event.text, event.title});
    }
    ASSERT_EQ(run.checks().size(), 18u) << inputs;
    std::size_t failing = 0;
    for (const core::Check &check : run.checks()) {
        const std::string what = check.footing + " " + check.name + " for " + inputs;
        EXPECT_TRUE(check.control.empty()) << what;
        if (check.applies()) {
            EXPECT_TRUE(std::isfinite(check.ratio())) << what;
        }
        const bool fails = check.passes() == false;
        failing += fails;
        const auto box = kBoxOf.find(check.name);
        if (box == kBoxOf.end() || check.footing == "Strap beam") {
            EXPECT_FALSE(fails) << what;
            continue;
        }
        EXPECT_EQ(boxes.count({std::string(box->second), check.footing}), fails ? 1u : 0u) << what;
    }
    EXPECT_EQ(boxes.size(), failing) << inputs;

    // Every step is written from inputs, named constants and earlier steps, and is finite.
    std::vector<std::string> known{"π", "e"};
    for (const core::InputField &input : strap::tables::kInputs)
        known.emplace_back(input.symbol);
    for (const core::TraceEntry &entry : run.trace()) {
        const std::string what = entry.symbol + " for " + inputs;
        EXPECT_TRUE(std::isfinite(entry.value)) << what;
        EXPECT_FALSE(entry.heading.empty()) << what;
        ASSERT_TRUE(entry.expression.has_value()) << what;
        std::sort(known.begin(), known.end(),
                  [](const std::string &a, const std::string &b) { return a.size() > b.size(); });
        EXPECT_EQ(unknownIn(entry.expression->formula(), known), "") << what;
        known.push_back(entry.symbol);
    }

    // The bar schedule counts what the window counts.
    for (const core::BarLine &line : run.bars()) {
        const auto field = kCountField.find({line.footing, line.mark});
        ASSERT_NE(field, kCountField.end()) << line.footing << " " << line.mark;
        if (!field->second.empty()) {
            EXPECT_EQ(run.textOf(field->second), core::formatNumber(line.count)) << inputs;
        }
        EXPECT_GT(line.length, 0) << line.footing << " " << line.mark << " for " << inputs;
    }
}

TEST(StrapRecordProperty, ChecksAgreeWithTheBoxesAndEveryStepIsRedoneFromWhatCameBefore)
{
    const core::DesignWindowInfo &window = strap::windowInfo();
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> scale(0.5, 2.0);
    const std::array<const char *, 5> diameters{"10", "12", "16", "18", "22"};
    int designed = 0, refused = 0;
    for (int i = 0; i < 300; ++i) {
        core::DesignRequest request = core::defaultRequest(window);
        std::string inputs;
        for (const core::InputField &input : strap::tables::kInputs) {
            std::string &text = request.texts.at(std::string(input.control));
            if (input.control.starts_with("Combo"))
                text = diameters[random() % diameters.size()];
            else if (input.control == "Text12" && random() % 4 == 0)
                text = "2400"; // mild steel now and then, for its bond limit
            else
                text = typed(number(text) * scale(random));
            inputs += std::string(input.control) + "=" + text + " ";
        }
        const core::DesignResult result = strap::design(request);
        if (!result.accepted()) {
            ++refused;
            continue;
        }
        ++designed;
        expectSoundRecord(result.run, inputs);
        if (HasFailure())
            return;
    }
    EXPECT_GT(designed, 200);
    EXPECT_GT(refused, 0);
}

// --- quantities --------------------------------------------------------------------------------

TEST(StrapQuantities, ConcreteAndBarsOfTheDefaultsAsWorkedByHand)
{
    const core::Run run = designWith({});
    struct Block {
        const char *footing, *part;
        double volume;
    };
    // 1.9 * 2.6 * 0.4; 1.9 * 2.0 * 0.6; 2.45 * 2.1 * 0.4; 1.85 * 1.5 * 0.6; the strap from the
    // property line to the far face of C2, 0.2 + 4.5 + 0.35 = 5.05 m, by 0.3 by 1.2.
    const std::vector<Block> blocks{{"Footing -1-", "PC footing", 1.976},
                                    {"Footing -1-", "RC footing", 2.28},
                                    {"Footing -2-", "PC footing", 2.058},
                                    {"Footing -2-", "RC footing", 1.665},
                                    {"Strap beam", "Strap beam", 1.818}};
    ASSERT_EQ(run.concrete().size(), blocks.size());
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        EXPECT_EQ(run.concrete()[i].footing, blocks[i].footing);
        EXPECT_EQ(run.concrete()[i].part, blocks[i].part);
        EXPECT_NEAR(run.concrete()[i].volume(), blocks[i].volume, 1e-9) << i;
    }
    struct Bars {
        const char *footing, *mark;
        double diameter, count, length, mass;
    };
    // Bars less 5 cm of cover at each end; 0.00617 * 144 = 0.88848 kg/m for 12 mm,
    // 0.00617 * 256 = 1.57952 for 16 mm, 0.00617 * 64 = 0.39488 for 8 mm.
    const std::vector<Bars> bars{
        {"Footing -1-", "1", 12, 19, 1.90, 19 * 1.90 * 0.88848}, // across: B 2.0 - 0.1
        {"Footing -1-", "2", 12, 20, 1.80, 20 * 1.80 * 0.88848}, // along: L 1.9 - 0.1
        {"Footing -2-", "1", 12, 18, 1.40, 18 * 1.40 * 0.88848}, // across: 1.5 - 0.1
        {"Footing -2-", "2", 12, 15, 1.75, 15 * 1.75 * 0.88848}, // along: 1.85 - 0.1
        {"Strap beam", "1", 16, 7, 4.95, 7 * 4.95 * 1.57952},    // 5.05 - 0.1
        {"Strap beam", "2", 16, 4, 4.95, 4 * 4.95 * 1.57952},    //
        {"Strap beam", "3", 12, 6, 4.95, 6 * 4.95 * 0.88848},    // three rows of two
        {"Strap beam", "4", 8, 36, 2.60, 36 * 2.60 * 0.39488}};  // 7 * 5.05 = 35.35 -> 36;
                                                                 // 2 (20 + 110) cm around
    ASSERT_EQ(run.bars().size(), bars.size());
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const core::BarLine &line = run.bars()[i];
        EXPECT_EQ(line.footing, bars[i].footing) << i;
        EXPECT_EQ(line.mark, bars[i].mark) << i;
        EXPECT_EQ(line.diameter, bars[i].diameter) << i;
        EXPECT_EQ(line.count, bars[i].count) << i;
        EXPECT_NEAR(line.length, bars[i].length, 1e-9) << i;
        EXPECT_NEAR(line.mass(), bars[i].mass, 1e-9) << i;
    }
    EXPECT_EQ(run.assumptions().size(), 3u);
}

// --- the sketch ----------------------------------------------------------------------------------

TEST(StrapSketch, PlanAndSectionCarryTheDesignedSizesAndBars)
{
    const core::Run run = designWith({});
    ASSERT_EQ(run.sketches().size(), 2u);
    using Kind = core::SketchShape::Kind;
    const auto texts = [](const core::Sketch &sketch, Kind kind) {
        std::multiset<std::string> all;
        for (const core::SketchShape &shape : sketch.shapes) {
            if (shape.kind == kind)
                all.insert(shape.text);
        }
        return all;
    };
    const core::Sketch &plan = run.sketches()[0];
    const std::multiset<std::string> sizes = texts(plan, Kind::Dimension);
    for (const char *size :
         {"1.90 m", "2.60 m", "2.00 m", "2.45 m", "2.10 m", "1.85 m", "1.50 m", "4.50 m"})
        EXPECT_EQ(sizes.count(size), 1u) << size;
    EXPECT_EQ(texts(plan, Kind::Bars), (std::multiset<std::string>{"19 Φ 12", "20 Φ 12", "18 Φ 12",
                                                                   "15 Φ 12", "7 Φ 16 top"}));
    // C2 (70 along the strap) stands at the centre of footing 2: 20 + 450 = 470 cm from the
    // property line, and footing 2's RC outline reaches 92.5 cm either side of it.
    const auto c2 = std::find_if(plan.shapes.begin(), plan.shapes.end(),
                                 [](const core::SketchShape &s) { return s.text == "C2"; });
    ASSERT_NE(c2, plan.shapes.end());
    EXPECT_DOUBLE_EQ((c2->x1 + c2->x2) / 2, 470.0);
    const core::Sketch &section = run.sketches()[1];
    EXPECT_EQ(texts(section, Kind::Bars), (std::multiset<std::string>{"7 Φ 16", "4 Φ 16"}));
    EXPECT_EQ(texts(section, Kind::Dimension), (std::multiset<std::string>{"0.30 m", "1.20 m"}));
}

// --- both sides of every choice ------------------------------------------------------------------

struct BranchCase {
    std::string name;
    std::string worked; // a worked case of strap_cases.h, or "" for the inputs below
    Texts inputs;
    std::string symbol;
    double value;     // worked by hand
    std::string note; // part of the step's note that says which side was taken
};

class StrapBranch : public ::testing::TestWithParam<BranchCase>
{
};

TEST_P(StrapBranch, TakesTheSideWorkedByHandAndSaysWhy)
{
    const BranchCase &c = GetParam();
    const core::Run run = designWith(c.worked.empty() ? c.inputs : inputsOf(c.worked));
    const core::TraceEntry *entry = stepOf(run, c.symbol);
    ASSERT_NE(entry, nullptr) << c.symbol;
    EXPECT_NEAR(entry->value, c.value, 5e-4 * std::max(1.0, std::fabs(c.value)));
    EXPECT_NE(entry->note.find(c.note), std::string::npos) << entry->note;
}

INSTANTIATE_TEST_SUITE_P(
    Strap, StrapBranch,
    ::testing::Values(
        BranchCase{"StrapAsWideAsC1", "", {{"Text3", "25"}}, "bs", 25, "as wide as C1"},
        BranchCase{"StrapAsWideAsC2", "", {{"Text5", "25"}}, "bs", 25, "as wide as C2"},
        // dr = 20 <= 60 - 5.
        BranchCase{"FootingThicknessStands", "Defaults", {}, "d (1)", 55, "stands"},
        // fcu 100: dreq = 3 sqrt(733816 / (100 * 190)) = 18.64, dr = 20 > 20 - 5.
        BranchCase{"FootingTooThin", "FailsEveryCheck", {}, "d (1)", 20, "too thin"},
        BranchCase{"FootingTooThinThickness", "FailsEveryCheck", {}, "h (1)", 25, ""},
        BranchCase{"StrapThicknessStands", "Defaults", {}, "d strap", 115, "stands"},
        BranchCase{"StrapTooThin", "ShallowStrap", {}, "d strap", 75, "too thin"},
        BranchCase{"PunchingUpperLimit", "Defaults", {}, "qcup (1)", 12.9099, "upper limit"},
        // tc1 = 100: L = 250, B = 140, M = 2.64 * 55² * 250 / 2, dreq = 11.99, d = 25 - 5 = 20:
        // 2.5 (4 * 20 / 500 + 0.2) * 12.9099 = 11.619.
        BranchCase{"PunchingPerimeterRule",
                   "",
                   {{"Text4", "100"}, {"Text8", "25"}},
                   "qcup (1)",
                   11.619,
                   "perimeter rule"},
        // 6.78 * 95 / 100 = 6.441 against 0.2 * 20 * 95 / 100 = 3.8.
        BranchCase{"SecondaryMesh", "FailsEveryCheck", {}, "As secondary (1)", 6.441, "mesh"},
        // 0.2 * 55 * 200 / 100 = 22 against 6.78 * 2 = 13.56.
        BranchCase{"SecondaryRatio", "Defaults", {}, "As secondary (1)", 22, "0.2 %"},
        // 733816 / (0.8 * 3600 * 20) = 12.740 against 0.2 * 20 * 190 / 100 = 7.6.
        BranchCase{"MainMoment", "FailsEveryCheck", {}, "As main (1)", 12.740, "moment"},
        // 0.2 * 55 * 190 / 100 = 20.9 against 1668975 / (0.8 * 3600 * 55) = 10.54.
        BranchCase{"MainRatio", "Defaults", {}, "As main (1)", 20.9, "0.2 %"},
        // 4555830 / (0.8 * 3600 * 115) = 13.7555 against 0.2 * 115 * 30 / 100 = 6.9.
        BranchCase{"StrapMoment", "Defaults", {}, "Ast", 13.7555, "moment"},
        // 0.2 * 195 * 30 / 100 = 11.7 against 4555830 / (0.8 * 3600 * 195) = 8.11.
        BranchCase{"StrapRatio", "ThickStrap", {}, "Ast", 11.7, "0.2 %"},
        // 0.2 * 30 * 115 / 100 = 6.9 against 0.3 * 13.7555 = 4.13.
        BranchCase{"OtherFaceRatio", "Defaults", {}, "Atop", 6.9, "0.2 %"},
        // 0.3 * 4555830 / (0.8 * 3600 * 75) = 0.3 * 21.0918 = 6.3275 against 0.2 * 30 * 75 /
        // 100 = 4.5.
        BranchCase{"OtherFaceShare", "ShallowStrap", {}, "Atop", 6.3275, "share of the main"},
        // qsu = 9.8565 > qcu = 9.6825: the stirrups carry 9.8565 - 4.8412 = 5.0152; then
        // s = 2400 / (30 * 5.0152) = 15.95 and 100 / 15.95 = 6.27: 7 a metre.
        BranchCase{"StirrupsDesigned", "Defaults", {}, "qs", 5.0152, "stirrups carry"},
        BranchCase{"StirrupsDesignedCount", "Defaults", {}, "nst", 7, "100 / s"},
        // qsu = 1.99 <= qcu.
        BranchCase{"NominalStirrups", "ThickStrap", {}, "nst", 6, "nominal"},
        BranchCase{"BondLimitHighTensile", "Defaults", {}, "qbu", 35, "not mild"},
        BranchCase{"BondLimitMild", "MildSteel", {}, "qbu", 11, "mild steel"}),
    [](const auto &info) { return info.param.name; });

TEST(StrapWarning, FootingsThatRunIntoEachOtherAreSaidOnlyThen)
{
    EXPECT_TRUE(designWith({}).warnings().empty());
    // S = 2: C2 at 20 + 200 = 220 cm; R2 = 63.8 t, Apc = 34026.7, Bq = 165.5, B1 = 170,
    // L1 = up5(200.16) = 205: footing 2 starts at 117.5 cm, inside footing 1 (190 cm) by 0.725 m.
    const core::Run close = designWith({{"Text14", "2"}});
    ASSERT_EQ(close.warnings().size(), 1u);
    EXPECT_NE(close.warnings()[0].text.find("overlap by 0.72 m"), std::string::npos)
        << close.warnings()[0].text;
}

} // namespace

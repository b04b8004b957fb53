// The calculation record of the combined footing: the checks with their ratios, the steps a
// checker redoes by hand, the branches the notes explain, the quantities and the sketches.
#include "combined/combined_design.h"
#include "core/check_messages.h"
#include "core/number_format.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;

core::DesignResult designWith(const Texts &inputs)
{
    core::DesignRequest request = core::defaultRequest(combined::windowInfo());
    for (const auto &[control, text] : inputs)
        request.texts[control] = text;
    return combined::design(request);
}

const core::TraceEntry *entry(const core::Run &run, std::string_view symbol)
{
    for (const core::TraceEntry &e : run.trace()) {
        if (e.symbol == symbol)
            return &e;
    }
    return nullptr;
}

const core::Check *findCheck(const core::Run &run, std::string_view footing, std::string_view name)
{
    for (const core::Check &c : run.checks()) {
        if (c.footing == footing && c.name == name)
            return &c;
    }
    return nullptr;
}

// --- ratios worked by hand ------------------------------------------------------------------

struct RatioCase {
    std::string name;
    Texts inputs;
    std::string footing, check;
    double ratio;
    bool passes;
};

class CombinedCheckRatio : public ::testing::TestWithParam<RatioCase>
{
};

TEST_P(CombinedCheckRatio, MatchesTheHandWorking)
{
    const RatioCase &c = GetParam();
    const core::DesignResult result = designWith(c.inputs);
    ASSERT_TRUE(result.accepted()) << result.refusal->message;
    const core::Check *check = findCheck(result.run, c.footing, c.check);
    ASSERT_NE(check, nullptr) << c.footing << " / " << c.check;
    EXPECT_NEAR(check->ratio(), c.ratio, 5e-4);
    EXPECT_EQ(check->passes(), c.passes);
}

const Texts kDefaults{};
const Texts kC2Flush{{"Text1", "150"}, {"Text2", "110"}};
const Texts kSmallC1{{"Text6", "20"}, {"Text7", "20"}, {"Text4", "40"}};
const Texts kMildSteel{{"Text11", "2400"}, {"Combo1", "22"}};

INSTANTIATE_TEST_SUITE_P(
    Examples, CombinedCheckRatio,
    ::testing::Values(
        // Working load 275 / 1.5 = 183.33 t on 475 × 310 cm: 1.2451 kg/cm2 of 1.25.
        RatioCase{"DefaultsBearing", kDefaults, "Footing", "Bearing", 0.9960, true},
        // dreq = 3 √(77e5 / (250 × 250)) = 33.30 cm against d = 55 cm.
        RatioCase{"DefaultsDepth", kDefaults, "Footing", "Depth", 0.6054, true},
        // Qd = 86.84 − 57.89 × 0.275 = 70.92 t; 70920 / (0.87 × 250 × 55) = 5.929 of 9.682.
        RatioCase{"DefaultsShear", kDefaults, "Footing", "One-way shear", 0.6123, true},
        // C1 flush: a = 50 + 27.5, Ap = 77.5 × 85 / 1e4 = 0.6588 m2, per = 325 cm,
        // qp = (110 − 23.16 × 0.6588) × 1000 / (325 × 55) = 5.300 of √(250 / 1.5) = 12.91.
        RatioCase{"DefaultsPunchingC1", kDefaults, "Footing, C1", "Punching", 0.4106, true},
        // C2 whole section: a = 125, Ap = 1.0625 m2, per = 420 cm, qp = 6.078 of 12.91.
        RatioCase{"DefaultsPunchingC2", kDefaults, "Footing, C2", "Punching", 0.4708, true},
        // Asm = 0.2 × 55 = 11 cm2/m; 10 bars of 1.131 cm2 = 11.31.
        RatioCase{"DefaultsMesh", kDefaults, "Footing", "Steel, minimum mesh", 0.9726, true},
        // 77e5 / (0.8 × 3600 × 55) = 48.61 cm2; 25 Φ 16 = 50.27 cm2.
        RatioCase{"DefaultsTop", kDefaults, "Footing", "Steel, top", 0.9671, true},
        // Asmin = 0.2 × 55 × 250 / 100 = 27.5 cm2; 25 Φ 12 = 28.27 cm2.
        RatioCase{"DefaultsBottom", kDefaults, "Footing", "Steel, bottom", 0.9726, true},
        // Mb1 = 44 × 2.2² / 8 = 26.62 t.m, 16.81 cm2; 9 Φ 16 = 18.10 cm2.
        RatioCase{"DefaultsBeamC1", kDefaults, "Transverse beam under C1", "Steel", 0.9287, true},
        // Mb2 = 66 × 2.2² / 8 = 39.93 t.m, 25.21 cm2; 13 Φ 16 = 26.14 cm2.
        RatioCase{"DefaultsBeamC2", kDefaults, "Transverse beam under C2", "Steel", 0.9644, true},
        // so = 1.6 π × 25 = 125.7 cm; 86842 / (0.87 × 55 × 125.7) = 14.44 of 35.
        RatioCase{"DefaultsBond", kDefaults, "Footing", "Flexural bond", 0.4126, true},
        // C2 flush: Qmax = Q1 = 95.76, Qd = 95.76 − 60.21 × 0.275 = 79.20 t, qsh = 6.246.
        RatioCase{"C2FlushShear", kC2Flush, "Footing", "One-way shear", 0.6451, true},
        // C1 whole section: a = 105, Ap = 0.8925, per = 380, qp = 6.925 of 12.91.
        RatioCase{"C2FlushPunchingC1", kC2Flush, "Footing, C1", "Punching", 0.5364, true},
        // C2 flush: a = 97.5, Ap = 0.8288, per = 365, qp = 5.089 of 12.91.
        RatioCase{"C2FlushPunchingC2", kC2Flush, "Footing, C2", "Punching", 0.3942, true},
        // 50.02 cm2 against 25 Φ 16 = 50.27 cm2.
        RatioCase{"C2FlushTop", kC2Flush, "Footing", "Steel, top", 0.9951, true},
        // 20 × 20 column, d = 35: a = 37.5, Ap = 0.2063, per = 185, qp = 16.26 of 12.91.
        RatioCase{"SmallC1Punching", kSmallC1, "Footing, C1", "Punching", 1.2594, false},
        // C2 at d = 35: a = 105, Ap = 0.6825, per = 340, qp = 12.55 of 12.91.
        RatioCase{"SmallC1PunchingC2", kSmallC1, "Footing, C2", "Punching", 0.9723, true},
        // Qd = 97.64 − 61.80 × 0.175 = 86.83 t over 0.87 × 270 × 35: 10.56 of 9.682.
        RatioCase{"SmallC1Shear", kSmallC1, "Footing", "One-way shear", 1.0907, false},
        // 20 Φ 22: so = 2.2 π × 20 = 138.2 cm, qb = 86842 / (0.87 × 55 × 138.2) = 13.13 of 11.
        RatioCase{"MildSteelBond", kMildSteel, "Footing", "Flexural bond", 1.1936, false}),
    [](const auto &info) { return info.param.name; });

// --- properties over random inputs ----------------------------------------------------------

// The symbols a formula may name: the inputs, π and every step before it.
std::set<std::string> inputSymbols()
{
    std::set<std::string> symbols{"π"};
    for (const core::InputField &input : combined::windowInfo().inputs)
        symbols.emplace(input.symbol);
    return symbols;
}

// A symbol ends where no letter or digit follows it ("d" is not the start of "dx").
bool continuesAWord(char c)
{
    return std::isalnum(static_cast<unsigned char>(c));
}

// What is left of a formula once the known symbols, the numbers, the operators and the
// function names are taken away: "" when the formula names nothing undefined.
std::string undefinedIn(const std::string &formula, const std::set<std::string> &known)
{
    static const std::vector<std::string> marks{" ", "×", "/", "+", "−",    "(",    ")",   "²",
                                                "√", "⌊", "⌋", ",", "up5(", "min(", "max("};
    std::string rest;
    std::size_t i = 0;
    while (i < formula.size()) {
        std::size_t longest = 0;
        for (const std::string &symbol : known) {
            const std::size_t end = i + symbol.size();
            if (symbol.size() > longest && formula.compare(i, symbol.size(), symbol) == 0 &&
                (end == formula.size() || !continuesAWord(formula[end])))
                longest = symbol.size();
        }
        for (const std::string &mark : marks) {
            if (mark.size() > longest && formula.compare(i, mark.size(), mark) == 0)
                longest = mark.size();
        }
        if (longest == 0 &&
            (std::isdigit(static_cast<unsigned char>(formula[i])) || formula[i] == '.'))
            longest = 1;
        if (longest == 0)
            rest += formula[i++];
        i += longest;
    }
    return rest;
}

std::string text(double value)
{
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3).ptr;
    return std::string(buffer, end);
}

// Inputs between half and twice the defaults, bars from the lists.
Texts randomInputs(std::mt19937 &random)
{
    struct Default {
        const char *control;
        double value;
    };
    static constexpr Default kNumbers[]{
        {"Text1", 100},  {"Text2", 150},  {"Text6", 30},    {"Text7", 50},    {"Text8", 30},
        {"Text9", 70},   {"Text10", 250}, {"Text11", 3600}, {"Text12", 1.25}, {"Text5", 5},
        {"Text13", 3.5}, {"Text3", 40},   {"Text4", 60}};
    std::uniform_real_distribution<double> factor(0.5, 2.0);
    std::uniform_int_distribution<int> pick(0, 4);
    static constexpr const char *kBars[]{"10", "12", "16", "18", "22"};
    Texts inputs;
    for (const Default &d : kNumbers)
        inputs.emplace_back(d.control, text(d.value * factor(random)));
    for (const char *list : {"Combo1", "Combo2", "Combo3", "Combo4"})
        inputs.emplace_back(list, kBars[pick(random)]);
    return inputs;
}

// Every check agrees with the window's message of the same run.
void expectChecksAgreeWithTheWindow(const core::Run &run)
{
    int punching = 0, shear = 0, bond = 0;
    bool punchingSafe = true;
    for (const core::Check &c : run.checks()) {
        EXPECT_TRUE(std::isfinite(c.ratio())) << c.footing << " " << c.name;
        ASSERT_TRUE(c.applies()) << c.name;
        if (c.name == "One-way shear") {
            ++shear;
            EXPECT_EQ(run.textOf(c.control),
                      *c.passes() ? core::check::kSafeShear : core::check::kUnsafeShear);
        } else if (c.name == "Punching") {
            ++punching;
            EXPECT_EQ(c.control, "Label37");
            punchingSafe = punchingSafe && *c.passes();
        } else if (c.name == "Flexural bond") {
            ++bond;
            EXPECT_EQ(run.textOf(c.control),
                      *c.passes() ? core::check::kSafeBond : core::check::kUnsafeBond);
        } else {
            EXPECT_TRUE(*c.passes()) << c.footing << " " << c.name << " is met by design";
        }
    }
    EXPECT_EQ(shear, 1);
    EXPECT_EQ(bond, 1);
    ASSERT_EQ(punching, 2);
    EXPECT_EQ(run.textOf("Label37"),
              punchingSafe ? core::check::kSafePunch : core::check::kUnsafePunch);
}

// Every step is finite and names only inputs, constants and earlier steps.
void expectStepsCanBeRedone(const core::Run &run)
{
    std::set<std::string> known = inputSymbols();
    for (const core::TraceEntry &e : run.trace()) {
        EXPECT_TRUE(std::isfinite(e.value)) << e.symbol;
        if (e.expression) {
            EXPECT_EQ(undefinedIn(e.expression->formula(), known), "")
                << e.symbol << " = " << e.expression->formula();
            EXPECT_FALSE(e.heading.empty()) << e.symbol;
        }
        known.insert(e.symbol);
    }
}

bool inside(const core::SketchShape &s, double x1, double y1, double x2, double y2)
{
    constexpr double tolerance = 1e-9;
    return std::min(s.x1, s.x2) >= x1 - tolerance && std::max(s.x1, s.x2) <= x2 + tolerance &&
           std::min(s.y1, s.y2) >= y1 - tolerance && std::max(s.y1, s.y2) <= y2 + tolerance;
}

// The columns, beams and bars of the plan lie on the RC footing, unless a warning says that a
// column is wider than the footing; the schedule counts the bars the window shows.
void expectDrawingAndScheduleMatchTheWindow(const core::Run &run)
{
    ASSERT_EQ(run.sketches().size(), 2u);
    const double L = entry(run, "L")->value, B = entry(run, "B")->value;
    std::size_t overhanging = 0;
    for (const core::SketchShape &s : run.sketches()[0].shapes) {
        using K = core::SketchShape::Kind;
        if (s.kind == K::Column && std::fabs(s.y2 - s.y1) > B) {
            ++overhanging;
        } else if (s.kind == K::Column || s.kind == K::Beam || s.kind == K::Bars) {
            EXPECT_TRUE(inside(s, 0, 0, L, B)) << s.text;
        }
    }
    EXPECT_EQ(run.warnings().size(), overhanging);
    ASSERT_EQ(run.bars().size(), 6u);
    EXPECT_EQ(core::formatNumber(run.bars()[0].count), run.textOf("Label30"));
    EXPECT_EQ(core::formatNumber(run.bars()[1].count), run.textOf("Label35"));
    EXPECT_EQ(core::formatNumber(run.bars()[4].count), run.textOf("Label43"));
    EXPECT_EQ(core::formatNumber(run.bars()[5].count), run.textOf("Label48"));
    ASSERT_EQ(run.concrete().size(), 2u);
    EXPECT_EQ(core::formatNumber(run.concrete()[1].thickness), run.textOf("Label80"));
}

TEST(CombinedRecordProperties, RandomInputsGiveAConsistentRecord)
{
    std::mt19937 random(20240611);
    int accepted = 0, c2Flush = 0, failedShear = 0, failedPunching = 0;
    for (int i = 0; i < 300; ++i) {
        const Texts inputs = randomInputs(random);
        const core::DesignResult result = designWith(inputs);
        if (!result.accepted())
            continue;
        ++accepted;
        const core::Run &run = result.run;
        expectChecksAgreeWithTheWindow(run);
        expectStepsCanBeRedone(run);
        expectDrawingAndScheduleMatchTheWindow(run);
        c2Flush += entry(run, "layout")->value == 2;
        failedShear += run.textOf("Label36") == core::check::kUnsafeShear;
        failedPunching += run.textOf("Label37") == core::check::kUnsafePunch;
        if (HasFailure()) {
            std::string typed;
            for (const auto &[control, value] : inputs)
                typed += " " + control + "=" + value;
            FAIL() << "run " << i << ":" << typed;
        }
    }
    // The inputs reach both layouts and both outcomes of the checks.
    EXPECT_GT(accepted, 200);
    EXPECT_GT(c2Flush, 20);
    EXPECT_GT(failedShear, 10);
    EXPECT_GT(failedPunching, 10);
}

TEST(CombinedRecordProperties, AnUndefinedSymbolIsFound)
{
    const std::set<std::string> known{"d", "Ap(C1)", "π"};
    EXPECT_EQ(undefinedIn("2 × (Ap(C1) + d) / π", known), "");
    EXPECT_EQ(undefinedIn("up5(dx) − 0.2", known), "dx");
    EXPECT_NE(undefinedIn("Ap(C2) × d", known), "");
}

// --- branches, each explained in numbers -------------------------------------------------------

struct Branch {
    std::string name;
    Texts inputs;
    std::string symbol; // the step that chooses
    std::string equals; // the step whose value it takes
    std::string note;   // part of its note
};

class CombinedBranch : public ::testing::TestWithParam<Branch>
{
};

TEST_P(CombinedBranch, TakesTheValueItsNoteGives)
{
    const Branch &b = GetParam();
    const core::DesignResult result = designWith(b.inputs);
    ASSERT_TRUE(result.accepted()) << result.refusal->message;
    const core::TraceEntry *chosen = entry(result.run, b.symbol);
    ASSERT_NE(chosen, nullptr);
    if (!b.equals.empty()) {
        const core::TraceEntry *source = entry(result.run, b.equals);
        ASSERT_NE(source, nullptr) << b.equals;
        EXPECT_EQ(chosen->value, source->value);
    }
    EXPECT_NE(chosen->note.find(b.note), std::string::npos) << chosen->note;
}

// d / 2 = 75.5 beyond a 75 cm overhang; a 20 cm side on a 60 cm wide C1 (tc / bc < 0.5); a
// 200 × 100 C2 on d = 35 (4 d / per < 0.2); a light C2, flush, with 1.2 m of overhang at C1.
const Texts kShortOverhang{{"Text9", "50"}, {"Text4", "156"}};
const Texts kFlatC1{{"Text6", "60"}, {"Text7", "20"}};
const Texts kLargeC2{{"Text8", "200"}, {"Text9", "100"}, {"Text4", "40"}};
const Texts kLongOverhang{{"Text1", "150"}, {"Text2", "80"}};

INSTANTIATE_TEST_SUITE_P(
    Choices, CombinedBranch,
    ::testing::Values(
        Branch{"FlushWithC1", {}, "Lf", "Lf(C1 flush)", "4.7 ≥ Lc = 4.1"},
        Branch{"FlushWithC2", kC2Flush, "Lf", "", "3.462 < Lc = 4.1"},
        Branch{"AssumedThicknessStands", {}, "d", "", "dr = 35 ≤ t − cover = 55"},
        Branch{"RequiredDepthGoverns", {{"Text4", "35"}}, "d", "dr", "dr = 35 > t − cover = 30"},
        Branch{"ShearAtC2", {}, "Qmax", "Q2", "Q2 = 86.84 > Q1 = 81.05"},
        Branch{"ShearAtC1", kC2Flush, "Qmax", "Q1", "Q1 = 95.76 ≥ Q2 = 78.85"},
        Branch{"FlushColumnSection", {}, "a(C1)", "", "C1 is flush"},
        Branch{"WholeSection", {}, "a(C2)", "", "27.5 < 100 Lo = 65"},
        Branch{"SectionCutByTheOverhang", kShortOverhang, "a(C2)", "", "75.5 ≥ 100 Lo = 75"},
        Branch{"PunchingRootGoverns", {}, "qcup(C1)", "qcup3(C1)", "qcup3 = 12.91"},
        Branch{"ColumnShapeGoverns", kFlatC1, "qcup(C1)", "qcup2(C1)", "qcup2 = 10.76"},
        Branch{"PerimeterGoverns", kLargeC2, "qcup(C2)", "qcup1(C2)", "qcup1 = 12.56"},
        Branch{"MeshFromTheDepth", {}, "Asm", "", "0.2 d = 11 > 6.78"},
        // fcu = 400: dreq = 26.3, dr = 30 = t − cover, 0.2 d = 6 < 6.78.
        Branch{"LeastMesh", {{"Text10", "400"}, {"Text4", "35"}}, "Asm", "", "0.2 d = 6 ≤ 6.78"},
        Branch{"TopFromTheMoment", {}, "Astop", "As(top)", "the moment governs"},
        Branch{"TopLeastSteel", {{"Text4", "150"}}, "Astop", "Asmin", "least steel"},
        Branch{"BottomLeastSteel", {}, "Asbot", "Asmin", "least steel"},
        Branch{"BottomFromTheMoment", kLongOverhang, "Asbot", "As(bottom)", "moment governs"},
        Branch{"FlushBeam", {}, "wb1", "", "inner side only"},
        Branch{"InnerBeam", {}, "wb2", "", "each side"},
        Branch{"MildSteelBond", kMildSteel, "qb allowed", "", "mild steel"},
        Branch{"HighTensileBond", {}, "qb allowed", "", "3600 ≠ 2400"}),
    [](const auto &info) { return info.param.name; });

// --- quantities of the default footing, worked by hand ------------------------------------------

TEST(CombinedQuantities, DefaultFootingByHand)
{
    const core::DesignResult result = designWith({});
    ASSERT_TRUE(result.accepted());
    const core::Run &run = result.run;
    ASSERT_EQ(run.concrete().size(), 2u);
    EXPECT_NEAR(run.concrete()[0].volume(), 5.89, 1e-9);  // PC 4.75 × 3.10 × 0.40
    EXPECT_NEAR(run.concrete()[1].volume(), 7.125, 1e-9); // RC 4.75 × 2.50 × 0.60
    struct Line {
        double diameter, count, length, mass;
    };
    // Along: 4.75 − 2 × 0.05 = 4.65 m; across: 2.50 − 0.10 = 2.40 m; 0.00617 φ² kg/m.
    const std::vector<Line> expected{
        {16, 25, 4.65, 183.62}, // 116.25 m × 1.5795 kg/m
        {12, 25, 4.65, 103.29}, // 116.25 m × 0.8885 kg/m
        {12, 48, 2.40, 102.35}, // 10 / m over 4.75 m = 47.5, 48 bars: 115.2 m × 0.8885
        {12, 48, 2.40, 102.35}, {16, 9, 2.40, 34.12}, // 21.6 m × 1.5795
        {16, 13, 2.40, 49.28},                        // 31.2 m × 1.5795
    };
    ASSERT_EQ(run.bars().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const core::BarLine &bar = run.bars()[i];
        EXPECT_EQ(bar.diameter, expected[i].diameter) << i;
        EXPECT_EQ(bar.count, expected[i].count) << i;
        EXPECT_NEAR(bar.length, expected[i].length, 1e-9) << i;
        EXPECT_NEAR(bar.mass(), expected[i].mass, 5e-3) << i;
    }
}

TEST(CombinedSketches, DimensionTheDesignedFootingAndCountTheBars)
{
    struct Row {
        Texts inputs;
        std::vector<std::string> plan, section;
    };
    for (const Row &row :
         {Row{{},
              {"4.75 m", "2.50 m", "3.10 m", "3.50 m", "25 Φ 16 top", "25 Φ 12 bottom", "9 Φ 16"},
              {"0.60 m", "0.40 m", "1.05 m", "1.80 m", "13 Φ 16"}},
          // C2 flush: the beam under C1 is the wide one.
          Row{kC2Flush,
              {"4.75 m", "2.65 m", "3.25 m", "26 Φ 12 bottom", "14 Φ 16", "10 Φ 16"},
              {"1.60 m", "1.25 m"}}}) {
        const core::DesignResult result = designWith(row.inputs);
        ASSERT_TRUE(result.accepted());
        ASSERT_EQ(result.run.sketches().size(), 2u);
        for (std::size_t i = 0; i < 2; ++i) {
            std::set<std::string> texts;
            for (const core::SketchShape &s : result.run.sketches()[i].shapes)
                texts.insert(s.text);
            for (const std::string &t : i == 0 ? row.plan : row.section)
                EXPECT_TRUE(texts.count(t)) << t << " in " << result.run.sketches()[i].title;
        }
    }
}

TEST(CombinedRecord, RecordsTheInputsItRead)
{
    const core::DesignResult result = designWith({});
    ASSERT_TRUE(result.accepted());
    EXPECT_EQ(result.run.inputsRead().size(), combined::windowInfo().inputs.size());
    EXPECT_EQ(result.run.inputsRead().front(), "Text1");
}

} // namespace

namespace {

TEST(CombinedWarnings, AColumnWiderThanTheFootingIsPointedOut)
{
    // C2 300 cm wide on a 250 cm footing; the defaults' 30 cm columns stand well inside it.
    const core::DesignResult wide = designWith({{"Text8", "300"}});
    ASSERT_TRUE(wide.accepted());
    ASSERT_EQ(wide.run.warnings().size(), 1u);
    EXPECT_EQ(wide.run.warnings()[0].controls, (std::vector<std::string>{"Label79", "Text8"}));
    EXPECT_NE(wide.run.warnings()[0].text.find("narrower than C2, 300 cm"), std::string::npos);
    EXPECT_TRUE(designWith({}).run.warnings().empty());
}

} // namespace

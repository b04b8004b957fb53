// The report model: built from a run that records every kind of calculation record, it must
// carry each record over unchanged, in order, and add only what it derives by plain sums.
#include "report/report.h"
#include "tests/report/fake_design.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using core::Check;

struct Built {
    core::DesignRequest request;
    core::DesignResult result;
    report::Report report;
};

Built buildPad(int footingCase,
               std::initializer_list<std::pair<const char *, const char *>> texts = {})
{
    const core::DesignWindowInfo &window = fake::padWindow();
    Built b;
    b.request = core::defaultRequest(window, footingCase);
    for (const auto &[control, text] : texts)
        b.request.texts[control] = text;
    b.result = window.design(b.request);
    report::TitleBlock title;
    title.project = "Tower A";
    title.mark = "F1";
    title.designer = "R. Engineer";
    title.date = "2000-01-01";
    title.version = "9.9";
    title.caseName = "left over"; // build() names the case itself
    b.report = report::build(window, b.request, b.result.run, title);
    return b;
}

// ---- one calculation line ---------------------------------------------------------------

struct LineCase {
    const char *name;
    report::Line line;
    const char *text;
};

class LineText : public testing::TestWithParam<LineCase>
{
};

TEST_P(LineText, WritesEachPartOnceAndTheValueWithItsUnit)
{
    EXPECT_EQ(GetParam().line.text(), GetParam().text);
}

const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Lines, LineText,
    testing::Values(
        LineCase{
            "Full", {"pt", "1.1 × P", "1.1 × 90", 99, "t", ""}, "pt = 1.1 × P = 1.1 × 90 = 99 t"},
        LineCase{"SymbolOnly", {"d", "dr", "45", 45, "cm", ""}, "d = dr = 45 cm"},
        LineCase{"NotedWithoutFormula", {"L1", "", "", 245, "cm", ""}, "L1 = 245 cm"},
        LineCase{"NumbersOnly", {"x", "60 − 2", "60 − 2", 58, "", ""}, "x = 60 − 2 = 58"},
        LineCase{"ConstantOnly", {"x", "60", "60", 60, "cm", ""}, "x = 60 cm"},
        LineCase{
            "UnitWithPower", {"A", "B × L", "2 × 3", 6, "cm2", ""}, "A = B × L = 2 × 3 = 6 cm²"},
        LineCase{
            "LargeValueWhole", {"M", "", "", 5097446.80851064, "kg.cm", ""}, "M = 5097447 kg.cm"},
        LineCase{
            "SmallValueFourDigits", {"s", "", "", 0.00273148, "kg/cm3", ""}, "s = 0.002731 kg/cm³"},
        LineCase{"NotFinite",
                 {"q", "P / A", "90 / 0", kInf, "kg/cm2", ""},
                 "q = P / A = 90 / 0 = — kg/cm²"}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- units, concrete kinds, verdicts ----------------------------------------------------

TEST(DisplayUnit, WritesSquaresAndCubesOfLengthsAsPowers)
{
    const std::pair<const char *, const char *> cases[] = {
        {"cm2", "cm²"},   {"kg/cm2", "kg/cm²"}, {"kg/cm3", "kg/cm³"}, {"m3", "m³"},
        {"t/m2", "t/m²"}, {"t.m", "t.m"},       {"kg.cm", "kg.cm"},   {"mm", "mm"},
        {"", ""},         {"cm22", "cm22"},     {"m2x", "m2x"},       {"2", "2"},
        {"bars", "bars"}, {"cm2/m", "cm²/m"},
    };
    for (const auto &[unit, shown] : cases)
        EXPECT_EQ(report::displayUnit(unit), shown) << unit;
}

TEST(ConcreteKind, PlainOnlyWhenThePartSaysSo)
{
    const std::pair<const char *, bool> cases[] = {
        {"PC footing", true},  {"pc blinding", true}, {"Plain concrete", true},
        {"RC footing", false}, {"Strap beam", false}, {"Footing beam", false},
        {"", false},
    };
    for (const auto &[part, plain] : cases)
        EXPECT_EQ(report::isPlainConcrete({"F", part, 1, 1, 1}), plain) << part;
}

TEST(CheckVerdict, UtilisationOnlyForAChecksThatApplyWithAFiniteRatio)
{
    struct Case {
        Check::Outcome outcome;
        double demand, capacity;
        const char *reason;
        std::optional<double> percent;
        const char *verdict;
    };
    const Case cases[] = {
        {Check::Outcome::Pass, 3, 12, "", 25.0, "pass"},
        {Check::Outcome::Pass, 12, 12, "", 100.0, "pass"},
        {Check::Outcome::Fail, 18, 12, "", 150.0, "FAIL"},
        {Check::Outcome::NotApplicable, 0, 12, "x ≤ 0: no shear section", std::nullopt,
         "n/a — x ≤ 0: no shear section"},
        {Check::Outcome::NotApplicable, 0, 12, "", std::nullopt, "n/a"},
        {Check::Outcome::Fail, 1, 0, "", std::nullopt, "FAIL"}, // ratio would be infinite
        {Check::Outcome::Pass, 0, 0, "", std::nullopt, "pass"}, // 0 / 0
    };
    for (const Case &c : cases) {
        Check check;
        check.outcome = c.outcome;
        check.demand = c.demand;
        check.capacity = c.capacity;
        check.reason = c.reason;
        EXPECT_EQ(report::utilisation(check), c.percent) << c.verdict << " " << c.demand;
        EXPECT_EQ(report::verdict(check), c.verdict);
    }
}

// ---- the model built from a run ---------------------------------------------------------

TEST(Build, TitleBlockKeepsTheCallersFieldsAndNamesWindowAndCase)
{
    const Built centred = buildPad(fake::kCentred);
    EXPECT_EQ(centred.report.title.project, "Tower A");
    EXPECT_EQ(centred.report.title.mark, "F1");
    EXPECT_EQ(centred.report.title.designer, "R. Engineer");
    EXPECT_EQ(centred.report.title.date, "2000-01-01");
    EXPECT_EQ(centred.report.title.version, "9.9");
    EXPECT_EQ(centred.report.title.units, "t, m, cm, kg/cm²");
    EXPECT_EQ(centred.report.title.window, "Design Of Pad Footing");
    EXPECT_EQ(centred.report.title.caseName, "Centred");
    EXPECT_EQ(buildPad(fake::kEccentric).report.title.caseName, "Eccentric");

    // A window without cases, or a case number it does not have, names no case.
    core::DesignWindowInfo noCases = fake::padWindow();
    noCases.caseNames = {};
    const core::Run run = centred.result.run;
    EXPECT_EQ(report::build(noCases, centred.request, run, {}).title.caseName, "");
    core::DesignRequest far = centred.request;
    far.footingCase = 7;
    EXPECT_EQ(report::build(fake::padWindow(), far, run, {}).title.caseName, "");
}

TEST(Build, InputsAreTheOnesTheRunReadInOrderWithTheTextAsTyped)
{
    struct Case {
        const char *name;
        int footingCase;
        std::vector<std::pair<const char *, const char *>> texts;
        std::vector<std::vector<std::string>> rows; // caption, symbol, text, unit
    };
    const std::vector<std::vector<std::string>> common{
        {"P (ton)", "P", "90.0", "t"},
        {"fcu (kg\\cm2)", "fcu", "250", "kg/cm2"},
        {"qall (kg\\cm2)", "qall", "1.5", "kg/cm2"},
        {"B (m)", "B", " 2.6 ", "m"},
        {"Assume RC Footing Thickness", "t", "50", "cm"},
        {"Cover", "cover", "5", "cm"}};
    auto with = [&](std::vector<std::vector<std::string>> tail) {
        std::vector<std::vector<std::string>> rows = common;
        rows.insert(rows.end(), tail.begin(), tail.end());
        return rows;
    };
    const Case cases[] = {
        {"centred reads no eccentricity",
         fake::kCentred,
         {{"Option1", "0"}},
         with({{"Diam. Of Used Bars(mm)", "φ", "12", "mm"}, {"Brick Wall", "", "cleared", ""}})},
        {"eccentric reads e; a selected option",
         fake::kEccentric,
         {{"Option1", "1"}},
         with({{"e (cm)", "e", "60", "cm"},
               {"Diam. Of Used Bars(mm)", "φ", "12", "mm"},
               {"Brick Wall", "", "selected", ""}})},
    };
    for (const Case &c : cases) {
        core::DesignRequest request = core::defaultRequest(fake::padWindow(), c.footingCase);
        request.texts["Text1"] = "90.0";
        request.texts["Text4"] = " 2.6 ";
        for (const auto &[control, text] : c.texts)
            request.texts[control] = text;
        const core::DesignResult result = fake::padWindow().design(request);
        ASSERT_TRUE(result.accepted()) << c.name;
        const report::Report r = report::build(fake::padWindow(), request, result.run, {});
        ASSERT_EQ(r.inputs.size(), c.rows.size()) << c.name;
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            const report::InputRow &row = r.inputs[i];
            EXPECT_EQ((std::vector<std::string>{row.caption, row.symbol, row.text, row.unit}),
                      c.rows[i])
                << c.name << ", row " << i;
        }
    }
}

TEST(Build, AnInputReadTwiceIsListedOnceAndAnUnknownOneByItsControl)
{
    const Built b = buildPad(fake::kCentred);
    core::Run run = b.result.run;
    run.setInputsRead({"Text1", "Text2", "Text1", "Text99"});
    const report::Report r = report::build(fake::padWindow(), b.request, run, {});
    ASSERT_EQ(r.inputs.size(), 3u);
    EXPECT_EQ(r.inputs[0].caption, "P (ton)");
    EXPECT_EQ(r.inputs[1].caption, "fcu (kg\\cm2)");
    EXPECT_EQ(r.inputs[2].caption, "Text99");
    EXPECT_EQ(r.inputs[2].text, "");
}

TEST(Build, TheCalculationIsTheTraceInOrderGroupedByConsecutiveHeadings)
{
    const Built b = buildPad(fake::kEccentric);
    const report::Report &r = b.report;
    std::vector<std::string> headings;
    std::vector<const report::Line *> lines;
    for (const report::Section &section : r.sections) {
        headings.push_back(section.heading);
        for (const report::Line &line : section.lines)
            lines.push_back(&line);
    }
    EXPECT_EQ(headings, (std::vector<std::string>{"Loads", "Soil pressure", "One-way shear",
                                                  "Punching", "Steel"}));
    const std::vector<core::TraceEntry> &trace = b.result.run.trace();
    ASSERT_EQ(lines.size(), trace.size());
    for (std::size_t i = 0; i < trace.size(); ++i) {
        EXPECT_EQ(lines[i]->symbol, trace[i].symbol);
        EXPECT_EQ(lines[i]->value, trace[i].value) << trace[i].symbol; // the same double
        EXPECT_EQ(lines[i]->unit, trace[i].unit);
        EXPECT_EQ(lines[i]->note, trace[i].note);
        EXPECT_EQ(lines[i]->formula.empty(), !trace[i].expression) << trace[i].symbol;
        if (trace[i].expression) {
            EXPECT_EQ(lines[i]->formula, trace[i].expression->formula());
            EXPECT_EQ(lines[i]->numbers, trace[i].expression->numbers());
        }
    }
    // Hand check of two lines: pt = 1.1 × 90 = 99 t; qmin = 0.9763 × (1 − 6 × 60 / 260).
    EXPECT_EQ(lines[0]->text(), "pt = 1.1 × P = 1.1 × 90 = 99 t");
    EXPECT_EQ(lines[2]->text(), "k = 1");
    const auto qmin = std::find_if(lines.begin(), lines.end(),
                                   [](const report::Line *l) { return l->symbol == "qmin"; });
    ASSERT_NE(qmin, lines.end());
    EXPECT_EQ((*qmin)->note, "e = 60 > B / 6");

    // A heading that comes back after another starts a section of its own.
    core::Run run;
    for (const char *heading : {"A", "B", "A"}) {
        run.heading(heading);
        run.note("x", 1);
    }
    run.heading("");
    run.note("y", 2);
    const report::Report again = report::build(fake::padWindow(), b.request, run, {});
    std::vector<std::string> seen;
    for (const report::Section &section : again.sections)
        seen.push_back(section.heading);
    EXPECT_EQ(seen, (std::vector<std::string>{"A", "B", "A", ""}));
}

TEST(Build, ChecksWarningsSketchesAndAssumptionsComeFromTheRunUnchanged)
{
    const Built centred = buildPad(fake::kCentred);
    const Built eccentric = buildPad(fake::kEccentric);
    for (const Built *b : {&centred, &eccentric}) {
        const core::Run &run = b->result.run;
        ASSERT_EQ(b->report.checks.size(), run.checks().size());
        for (std::size_t i = 0; i < run.checks().size(); ++i) {
            EXPECT_EQ(b->report.checks[i].name, run.checks()[i].name);
            EXPECT_EQ(b->report.checks[i].demand, run.checks()[i].demand);
            EXPECT_EQ(b->report.checks[i].capacity, run.checks()[i].capacity);
            EXPECT_EQ(b->report.checks[i].outcome, run.checks()[i].outcome);
        }
        ASSERT_EQ(b->report.sketches.size(), run.sketches().size());
        EXPECT_EQ(b->report.sketches[0].title, "Footing, plan");
        EXPECT_EQ(b->report.sketches[0].shapes.size(), run.sketches()[0].shapes.size());
    }
    // Centred: bearing and shear pass, punching does not apply, bond fails.
    std::vector<std::optional<bool>> passes;
    for (const Check &check : centred.report.checks)
        passes.push_back(check.passes());
    EXPECT_EQ(passes, (std::vector<std::optional<bool>>{true, true, std::nullopt, false}));
    EXPECT_TRUE(centred.report.warnings.empty());
    ASSERT_EQ(eccentric.report.warnings.size(), 1u);
    EXPECT_EQ(eccentric.report.warnings[0].text,
              "Part of the footing has no contact with the soil (qmin < 0).");
    // The run's assumption, then the one the bar masses rest on.
    EXPECT_EQ(centred.report.assumptions,
              (std::vector<std::string>{
                  "Straight bars are as long as the footing less the cover at both ends.",
                  "Steel mass 0.00617 φ² kg/m with φ in mm (steel of 7850 kg/m³)."}));
}

TEST(Build, QuantitiesAreTheRunsBlocksAndBarsWithTheirSums)
{
    struct Case {
        const char *name;
        const char *wall;
        double plain, reinforced;
    };
    // PC: (2.6 + 0.6)² × 0.4 = 4.096 m³. RC: 2.6² × 0.5 = 3.38 m³, and with the wall's plinth
    // 2.6 × 0.25 × 0.5 = 0.325 m³ more, 3.705 m³.
    const Case cases[] = {{"column", "0", 4.096, 3.38}, {"brick wall", "1", 4.096, 3.705}};
    for (const Case &c : cases) {
        const Built b = buildPad(fake::kCentred, {{"Option1", c.wall}});
        const report::Quantities &q = b.report.quantities;
        EXPECT_NEAR(q.plainConcrete, c.plain, 1e-12) << c.name;
        EXPECT_NEAR(q.reinforcedConcrete, c.reinforced, 1e-12) << c.name;
        EXPECT_EQ(q.concrete.size(), b.result.run.concrete().size());

        // Bars: n = ⌊20 / 1.131⌋ + 1 = 18 of 12 mm in each direction, each 2.6 − 2 × 0.05 =
        // 2.5 m: 90 m, 90 × 0.00617 × 144 = 79.9632 kg; 8 starters of 16 mm × 1.2 m = 9.6 m,
        // 9.6 × 0.00617 × 256 = 15.163 kg; in all 95.126 kg.
        ASSERT_EQ(q.bars.size(), 3u) << c.name;
        ASSERT_EQ(q.steelByDiameter.size(), 2u);
        EXPECT_EQ(q.steelByDiameter[0].diameter, 12);
        EXPECT_NEAR(q.steelByDiameter[0].length, 90, 1e-9);
        EXPECT_NEAR(q.steelByDiameter[0].mass, 79.9632, 1e-9);
        EXPECT_EQ(q.steelByDiameter[1].diameter, 16);
        EXPECT_NEAR(q.steelByDiameter[1].length, 9.6, 1e-9);
        EXPECT_NEAR(q.steelByDiameter[1].mass, 15.163392, 1e-9);
        EXPECT_NEAR(q.steel, 95.126592, 1e-9);
    }
}

TEST(Build, ARunWithoutQuantitiesHasNoneAndStatesNoMassRule)
{
    core::Run run;
    run.note("x", 1);
    const Built b = buildPad(fake::kCentred);
    const report::Report r = report::build(fake::padWindow(), b.request, run, {});
    EXPECT_TRUE(r.quantities.concrete.empty());
    EXPECT_TRUE(r.quantities.bars.empty());
    EXPECT_TRUE(r.quantities.steelByDiameter.empty());
    EXPECT_EQ(r.quantities.steel, 0);
    EXPECT_TRUE(r.assumptions.empty());
    EXPECT_TRUE(r.inputs.empty());
}

TEST(TitleDefaults, TodayIsAnIsoDateAndTheVersionIsTheBuilds)
{
    const report::TitleBlock title = report::defaultTitle();
    ASSERT_EQ(title.date.size(), 10u);
    for (std::size_t i = 0; i < 10; ++i) {
        if (i == 4 || i == 7)
            EXPECT_EQ(title.date[i], '-');
        else
            EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(title.date[i]))) << title.date;
    }
    EXPECT_EQ(title.version, report::programVersion());
    EXPECT_FALSE(title.version.empty());
}

} // namespace

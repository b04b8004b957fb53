#include "app/design_windows.h"
#include "project/schedule.h"
#include "project/schedule_layout.h"
#include "project_support.h"

#include <gtest/gtest.h>

namespace {

using core::Check;
using project::Verdict;
using Outcome = core::Check::Outcome;

// What the fake design run records: checks, and texts written to controls ("msgbox" for a
// message box).
std::vector<Check> gChecks;
std::vector<std::pair<std::string, std::string>> gTexts;

constexpr std::array kControls{
    core::Control{.name = "Text1", .kind = core::Kind::TextBox, .text = "90"},
    core::Control{.name = "Combo1", .kind = core::Kind::ComboBox, .text = "12"},
    core::Control{.name = "Combo2", .kind = core::Kind::ComboBox, .text = "16"},
};
constexpr std::array kInputs{core::InputField{"Text1", "P (ton)", "P", "t"},
                             core::InputField{"Combo1", "Short bars", "φS", "mm"},
                             core::InputField{"Combo2", "Long bars", "φL", "mm"}};

core::DesignResult fakeDesign(const core::DesignRequest &request)
{
    core::FieldReader in(request.texts, kInputs);
    in.positive("Text1");
    in.positive("Combo1");
    in.positive("Combo2");
    if (in.failed())
        return in.refused();
    core::Run run;
    for (const auto &[target, text] : gTexts) {
        if (target == "msgbox")
            run.messageBox(text, "Footing -1-");
        else
            run.setText(target, text);
    }
    for (const Check &check : gChecks)
        run.check(check);
    return {run, std::nullopt};
}

const core::DesignWindowInfo kFake{.command = "fake",
                                   .title = "Design Of A Test Footing",
                                   .controls = kControls,
                                   .inputs = kInputs,
                                   .design = fakeDesign};
// Named as a real window, so the schedule reads its results where that window shows them.
const core::DesignWindowInfo kFakeIsolated{.command = "isolated",
                                           .title = "Design Of Isolated Footing",
                                           .controls = kControls,
                                           .inputs = kInputs,
                                           .design = fakeDesign};
const std::array<const core::DesignWindowInfo *, 2> kFakeWindows{&kFake, &kFakeIsolated};

project::ScheduleRow fakeRow(const std::string &window = "fake", const std::string &load = "90")
{
    project::Project building(kFakeWindows);
    project_test::expectAccepted(building.add(window));
    project_test::expectAccepted(building.setTexts(0, {{"Text1", load}}));
    return project::designFooting(building, 0);
}

Check check(Outcome outcome, std::string name, double demand, double capacity,
            std::string footing = "Footing")
{
    Check c;
    c.footing = std::move(footing);
    c.name = std::move(name);
    c.demand = demand;
    c.capacity = capacity;
    c.outcome = outcome;
    return c;
}
constexpr Outcome kPass = Outcome::Pass, kFail = Outcome::Fail, kNone = Outcome::NotApplicable;

struct Judgement {
    const char *name;
    std::vector<Check> checks;
    std::vector<std::pair<std::string, std::string>> texts;
    std::string judged; // result, utilisation and governing check; "-" for none
};

void PrintTo(const Judgement &judgement, std::ostream *out)
{
    *out << judgement.name;
}

class ScheduleVerdict : public ::testing::TestWithParam<Judgement>
{
};

TEST_P(ScheduleVerdict, WorstCheckGoverns)
{
    gChecks = GetParam().checks;
    gTexts = GetParam().texts;
    const project::ScheduleRow row = fakeRow();
    const std::string utilisation = project::utilisationText(row);
    EXPECT_EQ(std::string(project::verdictText(row.verdict)) + " " +
                  (utilisation.empty() ? "-" : utilisation) + " " +
                  (row.governing.empty() ? "-" : row.governing),
              GetParam().judged);
}

INSTANTIATE_TEST_SUITE_P(
    Schedule, ScheduleVerdict,
    ::testing::Values(
        Judgement{"AllPass",
                  {check(kPass, "Bearing", 1.0, 1.25), check(kPass, "Punching", 11.6, 12.9),
                   check(kPass, "Flexural bond", 11.59, 35)},
                  {},
                  "pass 0.9 Punching"},
        Judgement{"OneFails",
                  {check(kFail, "One-way shear", 12, 10), check(kPass, "Flexural bond", 30, 35)},
                  {},
                  "fail 1.2 One-way shear"},
        Judgement{"AJustFailingCheckNeverShowsOne",
                  {check(kFail, "Punching", 1.004, 1)},
                  {},
                  "fail 1.01 Punching"},
        Judgement{"AFailureGovernsAFullerPass",
                  {check(kPass, "Bearing", 0.99, 1), check(kFail, "One-way shear", 0.5, 1)},
                  {},
                  "fail 0.5 One-way shear"},
        Judgement{"ChecksThatDoNotApplyAreLeftOut",
                  {check(kNone, "One-way shear", 100, 1), check(kPass, "Flexural bond", 0.5, 1)},
                  {},
                  "pass 0.5 Flexural bond"},
        Judgement{"NoCheckApplies", {check(kNone, "One-way shear", 1, 1)}, {}, "pass - -"},
        Judgement{"TheFootingIsNamedWhenThereAreTwo",
                  {check(kPass, "Punching", 0.4, 1, "Footing -1-"),
                   check(kPass, "Punching", 0.7, 1, "Footing -2-")},
                  {},
                  "pass 0.7 Punching (Footing -2-)"},
        Judgement{"NoCapacityRanksFirstWithoutANumber",
                  {check(kFail, "One-way shear", 2, 1), check(kFail, "Bearing", 5, 0)},
                  {},
                  "fail - Bearing"},
        Judgement{"ChecksOutrankMessages",
                  {check(kPass, "Bearing", 0.5, 1)},
                  {{"Label33", "Unsafe Shear Stress"}},
                  "pass 0.5 Bearing"},
        Judgement{"WithoutChecksAnUnsafeMessageFails",
                  {},
                  {{"Label33", "Safe Shear Stress"}, {"Label34", "Unsafe Punch Stress"}},
                  "fail - Punching"},
        Judgement{"WithoutChecksAMessageBoxFails",
                  {},
                  {{"msgbox", "Unsafe Flexural Bond"}},
                  "fail - Flexural bond"},
        Judgement{"WithoutChecksSafeMessagesPass",
                  {},
                  {{"Label33", "No Shear"}, {"Label35", "Safe Flexural Bond"}},
                  "pass - -"},
        Judgement{"WithoutChecksOrMessagesNothingIsJudged", {}, {}, "designed - -"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Schedule, ARefusedFootingKeepsItsLoadAndSaysWhy)
{
    gChecks.clear();
    gTexts = {{"Label40", "2"}};
    const project::ScheduleRow row = fakeRow("isolated", "-90");
    EXPECT_EQ(row.verdict, Verdict::Refused);
    EXPECT_EQ(row.reason, "\"P (ton)\" must be greater than 0.");
    EXPECT_EQ(row.load, "-90 t");
    EXPECT_EQ(row.length, "");
}

TEST(Schedule, NumbersNeverComeInENotation)
{
    gChecks.clear();
    gTexts = {{"Label40", "1E+15"},
              {"Label41", "1E-05"},
              {"Label42", "0.6"},
              {"Label28", "3"},
              {"Label27", "4"}};
    const project::ScheduleRow row = fakeRow("isolated", "1e20");
    EXPECT_EQ(row.load, "100000000000000000000 t");
    EXPECT_EQ(row.length, "1000000000000000");
    EXPECT_EQ(row.width, "0.00001");
    EXPECT_EQ(row.mainBars, "3 Φ 16 (L) + 4 Φ 12 (B)");
}

// The real windows on their default inputs; the sizes and bar counts are those of the
// windows' worked examples.
struct DefaultRow {
    const char *name;
    std::string window;
    int footingCase;
    std::string wall; // "" or the option's text
    std::string caseName, load, length, width, thickness, bars;
};

void PrintTo(const DefaultRow &row, std::ostream *out)
{
    *out << row.name;
}

class ScheduleOfDefaults : public ::testing::TestWithParam<DefaultRow>
{
};

TEST_P(ScheduleOfDefaults, ListsWhatTheWindowShows)
{
    const DefaultRow &p = GetParam();
    project::Project building(app::designWindows());
    ASSERT_FALSE(building.add(p.window, p.footingCase));
    if (!p.wall.empty()) {
        ASSERT_FALSE(building.setTexts(0, {{"Option1", p.wall}}));
    }
    const project::ScheduleRow row = project::designFooting(building, 0);
    EXPECT_EQ(row.mark, "F1");
    EXPECT_EQ(row.caseName, p.caseName);
    EXPECT_EQ(row.load, p.load);
    EXPECT_EQ(row.length, p.length);
    EXPECT_EQ(row.width, p.width);
    EXPECT_EQ(row.thickness, p.thickness);
    EXPECT_EQ(row.mainBars, p.bars);
    EXPECT_EQ(row.verdict, Verdict::Pass) << row.reason;
}

INSTANTIATE_TEST_SUITE_P(
    Schedule, ScheduleOfDefaults,
    ::testing::Values(DefaultRow{"IsolatedCentred", "isolated", 0, "", "Uniform Stress", "90 t",
                                 "1.85", "1.6", "0.6", "16 Φ 12 (L) + 18 Φ 12 (B)"},
                      DefaultRow{"IsolatedOffCentre", "isolated", 2, "", "Uniform With Moment",
                                 "90 t", "2.6", "1.1", "0.6", "12 Φ 12 (L) + 26 Φ 12 (B)"},
                      DefaultRow{"StripBrickWall", "strip", 0, "1", "Uniform Stress, brick wall",
                                 "90 t/m", "", "4.7", "0.6", "29 Φ 12 / m"},
                      DefaultRow{"StripConcreteWall", "strip", 0, "0",
                                 "Uniform Stress, concrete wall", "90 t/m", "", "4.7", "0.6",
                                 "25 Φ 12 / m"},
                      DefaultRow{"StripColumns", "strip", 3, "", "Series Of Column", "90 t", "",
                                 "0.75", "0.6", "10 Φ 12 / m"},
                      DefaultRow{"Combined", "combined", 0, "", "", "100 + 150 t", "4.75", "2.5",
                                 "0.6", "25 Φ 12 (bottom) + 25 Φ 16 (top)"},
                      DefaultRow{"Strap", "strap", 0, "", "", "70 + 100 t", "1.9 / 1.85", "2 / 1.5",
                                 "0.6 / 0.6", "19 Φ 12 / 18 Φ 12"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Schedule, RealWindowsThatFailACheckAreMarkedFailed)
{
    struct Row {
        std::string window;
        core::FieldTexts texts;
        std::string governing;
    };
    for (const Row &row : {Row{"isolated", {{"Text1", "400"}}, "Punching"},
                           Row{"strap", {{"Combo1", "32"}, {"Text12", "2400"}}, "Flexural bond"}}) {
        project::Project building(app::designWindows());
        ASSERT_FALSE(building.add(row.window));
        ASSERT_FALSE(building.setTexts(0, row.texts));
        const project::ScheduleRow scheduled = project::designFooting(building, 0);
        EXPECT_EQ(scheduled.verdict, Verdict::Fail) << row.window;
        if (!scheduled.utilisation) { // judged by the check messages the window shows
            EXPECT_EQ(scheduled.governing, row.governing);
        }
    }
}

// Every control a layout names is one of its window's: a renamed label cannot silently
// empty a column of the schedule.
TEST(Schedule, LayoutsNameControlsOfTheirWindows)
{
    for (const project::ScheduleLayout &layout : project::kScheduleLayouts) {
        const core::DesignWindowInfo *window = app::findDesignWindow(layout.window);
        ASSERT_TRUE(window) << layout.window;
        for (std::string_view load : layout.loads) {
            if (!load.empty()) {
                EXPECT_FALSE(core::captionOf(*window, load).empty()) << load;
            }
        }
        for (const project::FootingSource &part : layout.footings) {
            for (std::string_view label : {part.length, part.width, part.thickness}) {
                if (!label.empty()) {
                    EXPECT_TRUE(core::findControl(window->controls, label)) << label;
                }
            }
            for (const project::BarsSource &bars : part.bars) {
                if (bars.count.empty())
                    continue;
                EXPECT_TRUE(core::findControl(window->controls, bars.count)) << bars.count;
                EXPECT_FALSE(core::captionOf(*window, bars.diameter).empty()) << bars.diameter;
            }
        }
    }
}

TEST(Schedule, CsvFieldsAreQuotedAndNeverFormulas)
{
    const std::pair<std::string, std::string> rows[] = {
        {"F1", "F1"},
        {"", ""},
        {"Uniform Stress, brick wall", "\"Uniform Stress, brick wall\""},
        {"\"Cover\" must be greater than 0.", "\"\"\"Cover\"\" must be greater than 0.\""},
        {"two\nlines", "\"two\nlines\""},
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"+1", "+1"},
        {"-0.5", "-0.5"},
        {"-5 t", "'-5 t"},
        {"16 Φ 12 (L)", "16 Φ 12 (L)"},
    };
    for (const auto &[text, field] : rows)
        EXPECT_EQ(project::csvField(text), field) << text;
}

TEST(Schedule, CsvHasAHeadingThenOneRowPerFootingMarkFirst)
{
    const std::vector<project::ScheduleRow> rows =
        project::designAll(project_test::sampleProject());
    const std::string csv = project::scheduleCsv(rows);
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = csv.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(csv.substr(at, end - at));
    ASSERT_EQ(lines.size(), 1 + rows.size());
    EXPECT_EQ(lines[0], "Mark,Type,Case,Load,L (m),B (m),t (m),Main bars,Utilisation,"
                        "Governing check,Result,Reason,Support,Governing row");
    EXPECT_EQ(lines[1].rfind("F1,Isolated,Uniform With Moment,90 t,2.6,1.1,0.6,", 0), 0u)
        << lines[1];
    EXPECT_EQ(lines[2].rfind("W1,Strip,\"Uniform Stress With Moment, brick wall\",90 t/m,,", 0), 0u)
        << lines[2];
    EXPECT_EQ(lines[3].rfind("F2,Combined,,100 + 150 t,4.75,2.5,0.6,", 0), 0u) << lines[3];
}

} // namespace

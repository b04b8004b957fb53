// A project's printed calculation as a model: each footing designed once for its row of the
// schedule and its report, the title block from the project, and the schedule as the blocks a
// page renderer writes.
#include "app/design_windows.h"
#include "project/project_report.h"
#include "project_support.h"
#include "report/render.h"

#include <gtest/gtest.h>

namespace {

using project::ProjectReport;
using report::Block;

// A footing's report as its window's Report… would make it, headed by the project.
report::Report designedAlone(const project::Project &building, std::size_t index)
{
    const project::Footing &footing = building.footings()[index];
    const core::DesignWindowInfo &window = building.windowOf(footing);
    const core::DesignRequest request = building.request(index);
    return report::build(window, request, window.design(request).run,
                         project::reportTitle(building.title(), footing.mark));
}

TEST(ProjectReport, EachFootingDesignedHasTheReportItsWindowWouldGiveAndRefusedOnesNone)
{
    std::mt19937 random(20250314);
    int refused = 0;
    for (int round = 0; round < 12; ++round) {
        const project::Project building = project_test::randomProject(app::designWindows(), random);
        const ProjectReport printed = project::buildProjectReport(building);
        // The schedule is the one the project's schedule is.
        EXPECT_EQ(project::scheduleCsv(printed.schedule),
                  project::scheduleCsv(project::designAll(building)));
        std::size_t next = 0;
        for (std::size_t i = 0; i < building.size(); ++i) {
            if (printed.schedule[i].verdict == project::Verdict::Refused) {
                ++refused;
                continue;
            }
            ASSERT_LT(next, printed.reports.size());
            EXPECT_EQ(report::toText(printed.reports[next++]),
                      report::toText(designedAlone(building, i)))
                << building.footings()[i].mark;
        }
        EXPECT_EQ(next, printed.reports.size());
        EXPECT_EQ(printed.title.project, building.title().name);
        EXPECT_EQ(printed.notes, building.title().notes);
        EXPECT_TRUE(printed.title.mark.empty());
        EXPECT_TRUE(printed.title.window.empty());
    }
    EXPECT_GT(refused, 0); // the random footings include refused ones
}

TEST(ProjectReport, TheTitleBlockIsTheProjectsWithTodayWhenItGivesNoDate)
{
    struct Case {
        project::TitleBlock project;
        std::string mark;
        std::string date;
    };
    for (const Case &c : {Case{{"Tower A", "R. E.", "2025-03-14", "notes"}, "F3", "2025-03-14"},
                          Case{{"Tower A", "", "", ""}, "", report::today()},
                          Case{{"", "", "14 March", ""}, "W1", "14 March"}}) {
        const report::TitleBlock title = project::reportTitle(c.project, c.mark);
        EXPECT_EQ(title.project, c.project.name);
        EXPECT_EQ(title.designer, c.project.designer);
        EXPECT_EQ(title.mark, c.mark);
        EXPECT_EQ(title.date, c.date);
        EXPECT_EQ(title.version, report::programVersion());
        EXPECT_EQ(title.units, report::kUnits);
        EXPECT_TRUE(title.window.empty());
    }
}

TEST(ProjectReport, TheScheduleIsTheColumnsAndARowPerFootingWithFailedAndRefusedMarked)
{
    project::Project building = project_test::sampleProject(); // F1, W1, F2
    ASSERT_FALSE(building.setTexts(0, {{"Text1", "400"}}));    // F1 fails punching
    ASSERT_FALSE(building.setTexts(1, {{"Text4", "-5"}}));     // W1 is refused
    const ProjectReport printed = project::buildProjectReport(building);
    ASSERT_EQ(printed.reports.size(), 2u);

    const std::vector<Block> blocks = project::scheduleDocument(printed);
    std::vector<Block::Kind> kinds;
    for (const Block &block : blocks)
        kinds.push_back(block.kind);
    EXPECT_EQ(kinds, (std::vector{Block::Kind::Heading, Block::Kind::Paragraph, Block::Kind::Table,
                                  Block::Kind::Warning, Block::Kind::Paragraph}));
    EXPECT_EQ(blocks[1].text, "Revision B.");
    EXPECT_EQ(blocks[3].text, "No calculation report follows for the refused footing W1.");

    const report::Table &table = blocks[2].table;
    const auto columns = project::scheduleColumns();
    ASSERT_EQ(table.columns.size(), columns.size());
    for (std::size_t c = 0; c < columns.size(); ++c) {
        EXPECT_EQ(table.columns[c].title, columns[c].heading);
        EXPECT_EQ(table.columns[c].numeric, columns[c].numeric);
        EXPECT_EQ(table.columns[c].wraps, columns[c].wraps);
    }
    ASSERT_EQ(table.rows.size(), 3u);
    for (std::size_t r = 0; r < 3; ++r) {
        for (std::size_t c = 0; c < columns.size(); ++c)
            EXPECT_EQ(table.rows[r][c], columns[c].text(printed.schedule[r]));
    }
    using Style = report::Table::RowStyle;
    EXPECT_EQ(table.styles, (std::vector{Style::Failed, Style::Failed, Style::Normal}));

    const auto fields = project::scheduleTitleFields(printed);
    EXPECT_EQ(fields[0], std::make_pair(std::string("Project"), std::string("Workshop")));
    EXPECT_NE(std::find(fields.begin(), fields.end(),
                        std::make_pair(std::string("Footings"), std::string("3 (1 refused)"))),
              fields.end());
}

} // namespace

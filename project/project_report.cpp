#include "project/project_report.h"

#include <algorithm>

namespace project {

report::TitleBlock reportTitle(const TitleBlock &title, std::string_view mark)
{
    report::TitleBlock head;
    head.project = title.name;
    head.designer = title.designer;
    head.date = title.date;
    head.mark = std::string(mark);
    return report::withDefaults(std::move(head));
}

ProjectReport buildProjectReport(const Project &project)
{
    ProjectReport all;
    all.title = reportTitle(project.title());
    all.notes = project.title().notes;
    for (std::size_t i = 0; i < project.size(); ++i) {
        const Footing &footing = project.footings()[i];
        const core::DesignWindowInfo &window = project.windowOf(footing);
        if (!window.design) {
            all.schedule.push_back(designFooting(project, i));
            continue;
        }
        const core::DesignRequest request = project.request(i);
        const core::DesignResult result = window.design(request);
        all.schedule.push_back(scheduleRow(footing, window, result));
        if (result.accepted())
            all.reports.push_back(report::build(window, request, result.run,
                                                reportTitle(project.title(), footing.mark)));
    }
    return all;
}

namespace {

std::vector<std::string> refusedMarks(const ProjectReport &report)
{
    std::vector<std::string> marks;
    for (const ScheduleRow &row : report.schedule) {
        if (row.verdict == Verdict::Refused)
            marks.push_back(row.mark);
    }
    return marks;
}

} // namespace

std::vector<std::pair<std::string, std::string>> scheduleTitleFields(const ProjectReport &report)
{
    const std::size_t refused = refusedMarks(report).size();
    std::string footings = std::to_string(report.schedule.size());
    if (refused > 0)
        footings += " (" + std::to_string(refused) + " refused)";
    return {{"Project", report.title.project},
            {"Designer", report.title.designer},
            {"Date", report.title.date},
            {"Footings", footings},
            {"Program", std::string(report::kProgramName) + " " + report.title.version},
            {"Units", report.title.units}};
}

std::vector<report::Block> scheduleDocument(const ProjectReport &report)
{
    using report::Block;
    std::vector<Block> blocks;
    blocks.push_back({.kind = Block::Kind::Heading, .text = "Footing schedule"});
    if (!report.notes.empty())
        blocks.push_back({.kind = Block::Kind::Paragraph, .text = report.notes});

    report::Table table;
    for (const ScheduleColumn &column : scheduleColumns())
        table.columns.push_back({std::string(column.heading), column.numeric, column.wraps});
    for (const ScheduleRow &row : report.schedule) {
        std::vector<std::string> cells;
        for (const ScheduleColumn &column : scheduleColumns())
            cells.push_back(column.text(row));
        table.rows.push_back(std::move(cells));
        const bool marked = row.verdict == Verdict::Fail || row.verdict == Verdict::Refused;
        table.styles.push_back(marked ? report::Table::RowStyle::Failed
                                      : report::Table::RowStyle::Normal);
    }
    blocks.push_back({.kind = Block::Kind::Table, .table = std::move(table)});

    const std::vector<std::string> refused = refusedMarks(report);
    if (!refused.empty()) {
        std::string list;
        for (const std::string &mark : refused)
            list += (list.empty() ? "" : ", ") + mark;
        blocks.push_back({.kind = Block::Kind::Warning,
                          .text = std::string("No calculation report follows for the refused ") +
                                  (refused.size() == 1 ? "footing " : "footings ") + list + "."});
    }
    if (!report.reports.empty())
        blocks.push_back({.kind = Block::Kind::Paragraph,
                          .text = "The calculation report of each footing designed follows, in "
                                  "the order of the schedule."});
    return blocks;
}

} // namespace project

#pragma once

#include "project/project.h"
#include "project/schedule.h"
#include "report/document.h"
#include "report/report.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace project {

// The title block of a footing's calculation report in a project: the project's name,
// designer and date (today's when the project gives none), this program's version and the
// footing's mark.
report::TitleBlock reportTitle(const TitleBlock &title, std::string_view mark = {});

// The printed calculation of a whole project: the footing schedule, then the calculation
// report of every footing that was designed, in the project's order. A refused footing is in
// the schedule with its reason and has no report.
struct ProjectReport {
    report::TitleBlock title; // the project's, without a window or a mark
    std::string notes;
    std::vector<ScheduleRow> schedule;   // one row per footing
    std::vector<report::Report> reports; // one per footing designed
};

// Designs every footing of the project once, for its row of the schedule and its report.
ProjectReport buildProjectReport(const Project &project);

// The title block of the schedule's pages as label and text pairs: project, designer, date,
// program, units and the number of footings.
std::vector<std::pair<std::string, std::string>> scheduleTitleFields(const ProjectReport &report);

// The schedule's pages as blocks: a heading, the project's notes, the table of
// scheduleColumns() with one row per footing (footings that fail a check or were refused
// marked), and a warning naming the refused footings, which have no report.
std::vector<report::Block> scheduleDocument(const ProjectReport &report);

} // namespace project

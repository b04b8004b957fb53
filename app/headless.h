#pragma once

#include "core/design.h"
#include "project/project_report.h"
#include "report/report.h"

#include <functional>
#include <iosfwd>
#include <span>
#include <string>
#include <vector>

namespace headless {

// Exit codes of the headless command.
inline constexpr int kDesigned = 0;
inline constexpr int kRefused = 1;
inline constexpr int kUsageError = 2;

// Writes the report of a run as a PDF file at `path`: returns an empty string when the file is
// written, otherwise a sentence that says why it is not (an earlier file stays intact). The
// executable provides it; this library stays free of Qt.
using PdfWriter = std::function<std::string(const report::Report &, const std::string &path)>;
// Writes the printed calculation of a project (its footing schedule, then the report of each
// footing designed) as one PDF file at `path`, with the same answer as a PdfWriter.
using ProjectPdfWriter =
    std::function<std::string(const project::ProjectReport &, const std::string &path)>;

// foundations-calc WINDOW [--case N] [--concrete] [--trace] [--report FILE.pdf | --report -]
//                  [--json] [--project-name T] [--mark T] [--designer T] [--date T] [Name=text ...]
// foundations-calc --help | --version.
// Runs the window's design on its default texts with the overrides and prints the run, one
// event a line; `--report -` prints the calculation report instead, `--json` the run and its
// report as one JSON object, and `--report FILE` also writes the report as a PDF with
// `writePdf`. Refused input: the message on `err`, nothing on `out`, no file, kRefused. A PDF
// that cannot be written: the reason on `err`, nothing on `out`, kRefused. Usage errors: a
// message on `err`, kUsageError.
// foundations-calc --project FILE.fdn [--csv FILE.csv] [--report FILE.pdf] designs every
// footing of a project file instead: one line per footing, kRefused after all lines when any
// footing was refused or a file cannot be written, and kRefused with nothing on `out` when the
// project file itself is refused. `--report` writes the schedule and the footings' reports as
// one PDF with `writeProjectPdf`, refused footings or not.
// foundations-calc import REACTIONS.csv ... -o FILE.fdn builds a project from a table of
// support reactions (runImport, app/headless_import.h).
int run(std::span<const std::string> args, std::span<const core::DesignWindowInfo *const> windows,
        std::ostream &out, std::ostream &err, const PdfWriter &writePdf = {},
        const ProjectPdfWriter &writeProjectPdf = {});

} // namespace headless

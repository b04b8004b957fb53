#pragma once

#include "core/design.h"
#include "project/project.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace project {

// What became of a footing's design.
enum class Verdict : std::uint8_t {
    Pass,     // designed, and every check that applies passes
    Fail,     // designed, and a check fails
    Designed, // designed, but the run reports no checks to judge it by
    Refused,  // its inputs were refused; `reason` says why
};

// One line of the footing schedule. Texts are as a window shows them (sizes in m, numbers
// never in E-notation); an empty text means "does not apply" or "not known" (a view shows a
// dash). A footing designed in two parts (a strap footing) lists both, "1.9 / 1.85".
struct ScheduleRow {
    std::string mark;
    std::string type;     // "Isolated", "Strip", "Combined", "Strap"
    std::string caseName; // "Uniform Stress", "Uniform Stress, brick wall"; "" without cases
    std::string load;     // "90 t", "90 t/m", "100 + 150 t"
    std::string length;   // RC plan, m; "" for a strip
    std::string width;
    std::string thickness;
    std::string mainBars;              // "16 Φ 12 (L) + 18 Φ 12 (B)", "29 Φ 12 / m"
    std::optional<double> utilisation; // worst demand / capacity of the checks that apply
    std::string governing;             // the check that governs: the failing or the fullest one
    Verdict verdict = Verdict::Designed;
    std::string reason;       // why the inputs were refused
    std::string support;      // the support an imported footing stands under: "A1"
    std::string governingRow; // the row of the reactions that governs it: "line 7, largest P"
};

// The row of a footing from its design's result.
ScheduleRow scheduleRow(const Footing &footing, const core::DesignWindowInfo &window,
                        const core::DesignResult &result);
// Designs one footing of the project and gives its row.
ScheduleRow designFooting(const Project &project, std::size_t index);
// Designs every footing, in the project's order.
std::vector<ScheduleRow> designAll(const Project &project);
// Designs the footings [begin, end) (end past the last is the last), in order. The design
// shares nothing mutable between calls: threads may design parts of one project at once.
std::vector<ScheduleRow> designRange(const Project &project, std::size_t begin, std::size_t end);

// How a long design tells a worker thread's caller where it is, and learns it must stop.
struct DesignProgress {
    // Called after each chunk with the footings designed so far and their number in all.
    std::function<void(std::size_t done, std::size_t total)> report;
    // Read before each footing; once true, the design stops there.
    const std::atomic<bool> *cancel = nullptr;
    std::size_t chunk = 256; // footings between two reports
};
// designAll on a worker thread: the rows designed before a cancel (all of them, if none came).
std::vector<ScheduleRow> designAll(const Project &project, const DesignProgress &progress);

// "pass", "fail", "designed", "refused".
std::string_view verdictText(Verdict verdict);
// The utilisation rounded up to two decimals ("0.87", "1.01"), or "" when no check gave one.
std::string utilisationText(const ScheduleRow &row);

// A column of the schedule: its heading and the text of a row in it. The CSV file and a
// table view show the same columns.
struct ScheduleColumn {
    std::string_view heading;
    std::string (*text)(const ScheduleRow &row);
    bool numeric = false; // loads, sizes, ratios: a view aligns them right
    bool wraps = false;   // texts that may run long: a narrow view breaks them between words
};
std::span<const ScheduleColumn> scheduleColumns();

// The schedule as CSV (RFC 4180, UTF-8, CRLF line ends): a heading row, then one row per
// footing, the mark first.
std::string scheduleCsv(std::span<const ScheduleRow> rows);
// One CSV field: quoted when it holds a comma, a double quote or a line break (quotes
// doubled); a text a spreadsheet would take for a formula (starting with =, +, -, @) gets a
// leading apostrophe unless it is a number.
std::string csvField(std::string_view text);

} // namespace project

#pragma once

#include "project/project.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace project {

// --- tables of delimited text ----------------------------------------------------------------

// A row of a table as read: the line of the text it starts on (from 1) and its cells, each
// without the blanks around it.
struct TableRow {
    std::size_t line = 0;
    std::vector<std::string> cells;
};

// A table with a heading row, as a spreadsheet or an analysis program writes it.
struct Table {
    char separator = ',';
    std::vector<std::string> headings;
    std::size_t headingLine = 0;
    std::vector<TableRow> rows; // blank rows left out
};

// Reads CSV, or text separated by semicolons or tabs (as a spreadsheet copies its cells): the
// separator is the one of the three that the heading row holds most of (outside quotes; a tie
// goes to the tab, then the semicolon). A UTF-8 byte-order mark is passed over; lines may end
// in CRLF, LF or CR; a field in double quotes may hold separators, line breaks and doubled
// quotes (RFC 4180); lines of nothing but blanks and separators are left out. Refuses, with
// the reason, text with no heading row and a quote that is never closed.
std::optional<std::string> readTable(std::string_view text, Table &table);

// --- importing the reactions of an analysis --------------------------------------------------

// The columns of a table of support reactions, named by their headings (compared without the
// blanks around them and without regard to the case of ASCII letters). The support label and
// the axial load are needed; without a moment column every moment is 0, and without a column
// for a side of the column that side keeps its default.
struct ReactionColumns {
    std::string mark; // the support's label: "Joint", "Node", "Label"
    std::string load; // P, compression positive
    std::string moment = {};
    std::string sideT = {}; // the column's side t (cm), along the footing's length
    std::string sideB = {}; // the column's side b (cm)
};

// Reads a column map "mark=Joint,P=F3,M=M2,t=Depth,b=Width": the keys mark, P, M, t and b (the
// case of their letters does not matter), each at most once, mark and P needed. A heading
// holding a comma or an equals sign cannot be named here.
std::optional<std::string> readColumnMap(std::string_view text, ReactionColumns &columns);

// The units of the loads in the table: t and t.m, or kN and kN.m. Sides are always in cm.
enum class LoadUnits { Tonnes, Kilonewtons };
// kN in a tonne-force, the g the loads are converted with: P (t) = P (kN) / 9.81, likewise M.
inline constexpr double kKilonewtonsPerTonne = 9.81;
// Loads are rounded to 3 decimals of t and t.m (a kilogram), sides to 1 decimal of a cm (a
// millimetre): more than the design can tell apart, and no long tails of digits.
inline constexpr int kLoadDecimals = 3;
inline constexpr int kSideDecimals = 1;
// A load or side beyond this (after conversion) is no load or size at all: the row is bad.
inline constexpr double kLargestImported = 1e6;

// A table of reactions is refused beyond this size rather than read into memory: some hundred
// thousand rows.
inline constexpr std::size_t kReactionsSizeLimit = 64 * 1024 * 1024;

// Which row of a support's load combinations its footing is designed for.
enum class GoverningRule {
    LargestLoad,   // the row with the largest P (the first of equal ones)
    LargestMoment, // the row with the largest |M|, with its own P (of equal |M|, the larger P)
    EachRow,       // every row its own footing, marked "A1-1", "A1-2", ... in the table's order
};

// The isolated window's loading case for a footing under a column with a moment, when the
// caller names none: 3 "Non Uniform". The footing is centred under the column over the assumed
// length L1 (the project's default), and the soil pressure varies along it, the larger edge
// pressure equal to qall; it sizes a sensible footing for any moment. Case 1 "Just No Tention"
// takes the length from the eccentricity alone (L = 6 e), so the small moments of most columns
// give a footing a few centimetres long and many metres wide (100 t with 0.5 t.m: 0.05 m by
// 181 m); case 2 "Uniform With Moment" sets the column off centre, right only for a moment of
// one sign in every combination. A footing without a moment is always case 0 "Uniform Stress".
inline constexpr int kDefaultMomentCase = 3;

struct ImportOptions {
    ReactionColumns columns;
    LoadUnits units = LoadUnits::Tonnes;
    GoverningRule rule = GoverningRule::LargestLoad;
    std::optional<int> momentCase; // the case of footings with a moment; kDefaultMomentCase
    bool skipBadRows = false;      // import the good rows and skip the bad; else refuse them all
};

// A row that cannot be imported and why: "line 12: the P cell "abc" is not a number".
struct BadRow {
    std::size_t line = 0;
    std::string reason;

    std::string text() const;
};

// A footing the import would add: the footing itself (an isolated footing at the project's
// default texts, with the support's loads and column sides, its case and its source) and the
// numbers put into it, in t, t.m and cm as written into its texts.
struct ImportedFooting {
    Footing footing;
    double load = 0;
    double moment = 0;
    std::optional<double> sideT, sideB;
};

// What an import would do, worked out before anything changes.
struct ImportPreview {
    // Why nothing of the table can be imported (no heading, a column the map names that it
    // does not have, a case the window has not); empty when the table can be read.
    std::optional<std::string> refusal;
    std::vector<ImportedFooting> footings; // in the order of the supports' first rows
    std::vector<BadRow> badRows;           // in the order of their lines
    std::size_t rows = 0;                  // the rows of the table under its heading
    std::size_t supports = 0;              // the supports among the good rows
    std::string summary;                   // what was read and how it was converted
};

// Reads a table of reactions into the footings it gives `target`: one per support (by the
// governing rule; every row with EachRow), each marked with the support's label. Bad rows are
// listed with their lines: too few cells to reach a named column, no label, a label that is
// not one line of text, a cell of P or M that is empty or not a number, a negative P (tension),
// a side that is not a positive number, a number too large for a load or a side, a mark
// already used by a footing of `target`, a support whose label differs from an earlier one
// only by the case of its letters or by blanks (they would be one mark), and a mark of EachRow
// taken by an earlier footing of the import. With a semicolon separator a number may have a
// decimal comma ("12,5"). A moment of either sign is written as its size in cases 1 and 3,
// whose footing is centred under the column, and with its sign otherwise (case 2 sets the
// column off centre by it).
ImportPreview previewImport(std::string_view text, const ImportOptions &options,
                            const Project &target);

// Adds every footing of the preview to `target`, or none: refused when the preview is, when it
// has bad rows and `skipBadRows` is false (the message counts them; the preview lists them),
// when it has no footing, or when a footing no longer fits the project.
std::optional<Problem> applyImport(const ImportPreview &preview, Project &target, bool skipBadRows);

// previewImport then applyImport with the options' skipBadRows; the preview is handed back in
// `preview` when one is given.
std::optional<Problem> importReactions(std::string_view text, const ImportOptions &options,
                                       Project &target, ImportPreview *preview = nullptr);

// "max-P", "max-M", "each", as the headless command names the rules, and back.
std::string_view ruleName(GoverningRule rule);
std::optional<GoverningRule> ruleNamed(std::string_view name);

} // namespace project

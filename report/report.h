#pragma once

#include "core/calculation.h"
#include "core/design.h"
#include "core/run.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The calculation report of one design run: what an engineer hands to a checker. It is a view
// of the run, never a second calculation: every number in it was computed by the design and
// recorded in the run (its steps, checks, warnings, concrete blocks, bar lines, sketches and
// assumptions). The text, JSON and page renderers all write this one model.
namespace report {

// The units line of every report.
inline constexpr std::string_view kUnits = "t, m, cm, kg/cm²";
// The program as the title block names it.
inline constexpr std::string_view kProgramName = "Foundations";

// What every page of the report is headed with. `build` fills `window` and `caseName` from the
// design window; the rest is the caller's.
struct TitleBlock {
    std::string project;
    std::string mark; // the footing mark on the drawings: "F1"
    std::string designer;
    std::string date;    // as printed: "2024-05-17"
    std::string version; // program version
    std::string units = std::string(kUnits);
    std::string window;   // the design window's title
    std::string caseName; // the case chosen; empty for a window without cases
};

// The program version this library was built as ("1.0").
std::string_view programVersion();
// Today's date (UTC) as YYYY-MM-DD.
std::string today();
// A title block with today's date and this program's version; the rest empty.
TitleBlock defaultTitle();
// `title` with what it leaves empty taken from defaultTitle(): today's date, this program's
// version and the units.
TitleBlock withDefaults(TitleBlock title);

// One input the run read: its caption, the symbol the calculation writes it by, the text as
// typed, and its unit. An option reads "selected" or "cleared".
struct InputRow {
    std::string control;
    std::string caption;
    std::string symbol;
    std::string text;
    std::string unit;
};

// One line of the calculation: symbol = formula = formula with the numbers = value unit, with
// the reason the formula applies when there is a choice. A quantity noted without its formula
// has empty `formula` and `numbers`.
struct Line {
    std::string symbol;
    std::string formula;
    std::string numbers;
    double value = 0;
    std::string unit;
    std::string note;

    // The parts of the line as a checker reads them, leaving out any part that would only
    // repeat the one after it: {"pt", "1.1 × P", "1.1 × 90", "99 t"}, {"d", "dr", "45 cm"},
    // {"L1", "245 cm"}.
    std::vector<std::string> parts() const;
    // The parts joined by " = ": "pt = 1.1 × P = 1.1 × 90 = 99 t".
    std::string text() const;
};

// The lines of the calculation under one heading (empty before the first heading), in the
// order they were computed.
struct Section {
    std::string heading;
    std::vector<Line> lines;
};

// Steel of one diameter over the whole bar schedule.
struct DiameterTotal {
    double diameter = 0; // mm
    double length = 0;   // m
    double mass = 0;     // kg
};

// What to order: concrete by block and in total, and the bar schedule with its masses.
struct Quantities {
    std::vector<core::ConcreteBlock> concrete;
    double plainConcrete = 0;      // m³
    double reinforcedConcrete = 0; // m³
    std::vector<core::BarLine> bars;
    std::vector<DiameterTotal> steelByDiameter; // by increasing diameter
    double steel = 0;                           // kg
};

struct Report {
    TitleBlock title;
    std::vector<InputRow> inputs;
    std::vector<core::Check> checks;
    std::vector<core::Warning> warnings;
    std::vector<Section> sections;
    Quantities quantities;
    std::vector<std::string> assumptions;
    std::vector<core::Sketch> sketches;
};

// The report of an accepted run of `window` made from `request`. Everything comes from the run;
// the window and the request give only the captions, symbols and units of the inputs, the texts
// as typed, the window title and the case name.
Report build(const core::DesignWindowInfo &window, const core::DesignRequest &request,
             const core::Run &run, const TitleBlock &title);

// A block of plain (unreinforced) concrete: its part is named "PC ..." or "plain ...".
bool isPlainConcrete(const core::ConcreteBlock &block);

// The utilisation of a check in percent (100 × demand / capacity), when the check applies and
// the ratio is a finite number.
std::optional<double> utilisation(const core::Check &check);

// "pass", "FAIL" or "n/a — reason".
std::string verdict(const core::Check &check);

// A unit as a report prints it: "cm2" → "cm²", "kg/cm3" → "kg/cm³", "m3" → "m³".
std::string displayUnit(std::string_view unit);

} // namespace report

#pragma once

#include "report/report.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// The report as a sequence of blocks that every page-based or text renderer writes in order,
// so the text and the printed pages always say the same things in the same place.
namespace report {

// A table of texts. Numeric columns align right; a column that wraps takes what width is left
// on a page and breaks its texts between words.
struct Table {
    struct Column {
        std::string title;
        bool numeric = false;
        bool wraps = false;
    };
    enum class RowStyle : unsigned char {
        Normal,
        Total,         // a sum: set in bold
        Failed,        // a check that fails: set in bold and marked
        NotApplicable, // a check that does not apply: set in grey
    };
    std::vector<Column> columns;
    std::vector<std::vector<std::string>> rows;
    std::vector<RowStyle> styles; // one per row
};

struct Block {
    enum class Kind : unsigned char {
        Heading,     // a part of the report: "Summary of checks"
        Subheading,  // a group within it: a heading of the calculation, "Bar schedule"
        Paragraph,   // a sentence
        Warning,     // a sentence the engineer must not miss
        Table,       // `table`
        Calculation, // `line`
        Sketch,      // sketches[`sketch`]
    };
    Kind kind = Kind::Paragraph;
    std::string text;
    Table table;
    Line line;
    std::size_t sketch = 0;
};

// The title block as label and text pairs, in the order they are printed.
std::vector<std::pair<std::string, std::string>> titleFields(const TitleBlock &title);

// The report's blocks after its title block: inputs, summary of checks with the warnings, the
// calculation by heading, quantities and bar schedule, assumptions, sketches.
std::vector<Block> document(const Report &report);

// The labelled texts of a sketch, for a renderer that cannot draw it: "2.45 m", "16 Φ 12".
std::vector<std::string> sketchTexts(const core::Sketch &sketch);

} // namespace report

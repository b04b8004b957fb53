#include "report/document.h"

#include "core/term.h"

namespace report {

namespace {

using Kind = Block::Kind;
using Style = Table::RowStyle;

Block heading(std::string text, Kind kind = Kind::Heading)
{
    Block block;
    block.kind = kind;
    block.text = std::move(text);
    return block;
}

Block tableBlock(Table table)
{
    Block block;
    block.kind = Kind::Table;
    block.table = std::move(table);
    return block;
}

void addRow(Table &table, std::vector<std::string> row, Style style = Style::Normal)
{
    table.rows.push_back(std::move(row));
    table.styles.push_back(style);
}

std::string number(double value)
{
    return core::reportNumber(value);
}

// "qp = 3.014", or the number alone when the check names no symbol ("35", not "35 = 35").
std::string named(const std::string &symbol, double value)
{
    const std::string shown = number(value);
    return symbol.empty() || symbol == shown ? shown : symbol + " = " + shown;
}

void inputs(const Report &report, std::vector<Block> &blocks)
{
    blocks.push_back(heading("Inputs"));
    if (report.inputs.empty()) {
        blocks.push_back(heading("The run did not list the inputs it read.", Kind::Paragraph));
        return;
    }
    Table table;
    table.columns = {{"Input", false, true}, {"Symbol"}, {"Value", true}, {"Unit"}};
    for (const InputRow &row : report.inputs)
        addRow(table, {row.caption, row.symbol, row.text, displayUnit(row.unit)});
    blocks.push_back(tableBlock(std::move(table)));
}

void checks(const Report &report, std::vector<Block> &blocks)
{
    blocks.push_back(heading("Summary of checks"));
    if (report.checks.empty()) {
        blocks.push_back(heading("The run recorded no checks.", Kind::Paragraph));
    } else {
        Table table;
        table.columns = {{"Footing"},
                         {"Check"},
                         {"Demand", true},
                         {"Capacity", true},
                         {"Unit"},
                         {"Utilisation", true},
                         {"Result", false, true}};
        for (const core::Check &check : report.checks) {
            const std::optional<double> percent = utilisation(check);
            const Style style = !check.applies()         ? Style::NotApplicable
                                : check.passes() == true ? Style::Normal
                                                         : Style::Failed;
            addRow(table,
                   {check.footing, check.name, named(check.demandSymbol, check.demand),
                    named(check.capacitySymbol, check.capacity), displayUnit(check.unit),
                    percent ? number(*percent) + " %" : std::string("—"), verdict(check)},
                   style);
        }
        blocks.push_back(tableBlock(std::move(table)));
    }
    for (const core::Warning &warning : report.warnings) {
        std::string text = "Warning: ";
        if (!warning.footing.empty())
            text += warning.footing + ": ";
        blocks.push_back(heading(text + warning.text, Kind::Warning));
    }
}

void calculation(const Report &report, std::vector<Block> &blocks)
{
    blocks.push_back(heading("Calculation"));
    if (report.sections.empty())
        blocks.push_back(heading("The run recorded no calculation.", Kind::Paragraph));
    for (const Section &section : report.sections) {
        if (!section.heading.empty())
            blocks.push_back(heading(section.heading, Kind::Subheading));
        for (const Line &line : section.lines) {
            Block block;
            block.kind = Kind::Calculation;
            block.line = line;
            blocks.push_back(std::move(block));
        }
    }
}

void quantities(const Report &report, std::vector<Block> &blocks)
{
    const Quantities &q = report.quantities;
    blocks.push_back(heading("Quantities"));
    if (q.concrete.empty() && q.bars.empty()) {
        blocks.push_back(heading("The run recorded no quantities.", Kind::Paragraph));
        return;
    }
    if (!q.concrete.empty()) {
        blocks.push_back(heading("Concrete", Kind::Subheading));
        Table table;
        table.columns = {{"Footing"},         {"Part", false, true},   {"Length (m)", true},
                         {"Width (m)", true}, {"Thickness (m)", true}, {"Volume (m³)", true}};
        for (const core::ConcreteBlock &block : q.concrete)
            addRow(table, {block.footing, block.part, number(block.length), number(block.width),
                           number(block.thickness), number(block.volume())});
        addRow(table, {"", "Plain concrete (PC) in all", "", "", "", number(q.plainConcrete)},
               Style::Total);
        addRow(table,
               {"", "Reinforced concrete (RC) in all", "", "", "", number(q.reinforcedConcrete)},
               Style::Total);
        blocks.push_back(tableBlock(std::move(table)));
    }
    if (!q.bars.empty()) {
        blocks.push_back(heading("Bar schedule", Kind::Subheading));
        Table table;
        table.columns = {{"Footing"},
                         {"Mark"},
                         {"φ (mm)", true},
                         {"Shape"},
                         {"Number", true},
                         {"Length (m)", true},
                         {"Total (m)", true},
                         {"Mass (kg)", true},
                         {"Description", false, true}};
        for (const core::BarLine &line : q.bars)
            addRow(table, {line.footing, line.mark, number(line.diameter), line.shape,
                           number(line.count), number(line.length), number(line.totalLength()),
                           number(line.mass()), line.description});
        blocks.push_back(tableBlock(std::move(table)));

        blocks.push_back(heading("Steel by diameter", Kind::Subheading));
        Table totals;
        totals.columns = {{"φ (mm)", true}, {"Total length (m)", true}, {"Mass (kg)", true}};
        double length = 0;
        for (const DiameterTotal &total : q.steelByDiameter) {
            addRow(totals, {number(total.diameter), number(total.length), number(total.mass)});
            length += total.length;
        }
        addRow(totals, {"in all", number(length), number(q.steel)}, Style::Total);
        blocks.push_back(tableBlock(std::move(totals)));
    }
}

} // namespace

std::vector<std::pair<std::string, std::string>> titleFields(const TitleBlock &title)
{
    std::vector<std::pair<std::string, std::string>> fields{{"Window", title.window}};
    if (!title.caseName.empty())
        fields.emplace_back("Case", title.caseName);
    fields.insert(fields.end(), {{"Project", title.project},
                                 {"Footing mark", title.mark},
                                 {"Designer", title.designer},
                                 {"Date", title.date},
                                 {"Program", std::string(kProgramName) + " " + title.version},
                                 {"Units", title.units}});
    return fields;
}

std::vector<std::string> sketchTexts(const core::Sketch &sketch)
{
    std::vector<std::string> texts;
    for (const core::SketchShape &shape : sketch.shapes) {
        if (!shape.text.empty())
            texts.push_back(shape.text);
    }
    return texts;
}

std::vector<Block> document(const Report &report)
{
    std::vector<Block> blocks;
    inputs(report, blocks);
    checks(report, blocks);
    calculation(report, blocks);
    quantities(report, blocks);
    if (!report.assumptions.empty()) {
        blocks.push_back(heading("Assumptions"));
        for (const std::string &assumption : report.assumptions)
            blocks.push_back(heading("• " + assumption, Kind::Paragraph));
    }
    if (!report.sketches.empty()) {
        blocks.push_back(heading("Sketches"));
        for (std::size_t i = 0; i < report.sketches.size(); ++i) {
            Block block;
            block.kind = Kind::Sketch;
            block.text = report.sketches[i].title;
            block.sketch = i;
            blocks.push_back(std::move(block));
        }
    }
    return blocks;
}

} // namespace report

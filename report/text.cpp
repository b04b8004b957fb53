#include "report/document.h"
#include "report/render.h"

#include <algorithm>
#include <cctype>

namespace report {

std::size_t displayWidth(std::string_view text)
{
    // Every byte that does not continue a multi-byte character starts one.
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
    }));
}

namespace {

std::string padded(const std::string &text, std::size_t width, bool right)
{
    const std::size_t shown = displayWidth(text);
    const std::string fill(width > shown ? width - shown : 0, ' ');
    return right ? fill + text : text + fill;
}

void trimRight(std::string &line)
{
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
}

void underlined(std::string &out, const std::string &title, char rule)
{
    out += title + "\n" + std::string(displayWidth(title), rule) + "\n";
}

std::string upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return c < 0x80 ? static_cast<char>(std::toupper(c)) : static_cast<char>(c);
    });
    return text;
}

void table(std::string &out, const Table &table)
{
    const std::size_t columns = table.columns.size();
    std::vector<std::size_t> widths(columns, 0);
    for (std::size_t c = 0; c < columns; ++c)
        widths[c] = displayWidth(table.columns[c].title);
    for (const auto &row : table.rows) {
        for (std::size_t c = 0; c < columns && c < row.size(); ++c)
            widths[c] = std::max(widths[c], displayWidth(row[c]));
    }
    auto writeRow = [&](const std::vector<std::string> &cells, const std::string &mark) {
        std::string line = mark;
        for (std::size_t c = 0; c < columns; ++c) {
            const std::string cell = c < cells.size() ? cells[c] : std::string();
            line += padded(cell, widths[c], table.columns[c].numeric);
            if (c + 1 < columns)
                line += "  ";
        }
        trimRight(line);
        out += line + "\n";
    };
    std::vector<std::string> titles;
    std::vector<std::string> rules;
    for (std::size_t c = 0; c < columns; ++c) {
        titles.push_back(table.columns[c].title);
        rules.push_back(std::string(widths[c], '-'));
    }
    writeRow(titles, "  ");
    writeRow(rules, "  ");
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        // A failing check is marked in the margin, where a reader's eye runs down the page.
        const bool failed = r < table.styles.size() && table.styles[r] == Table::RowStyle::Failed;
        writeRow(table.rows[r], failed ? "! " : "  ");
    }
}

} // namespace

std::string toText(const Report &report)
{
    std::string out;
    underlined(out, "CALCULATION REPORT", '=');
    const auto fields = titleFields(report.title);
    std::size_t labelWidth = 0;
    for (const auto &[label, text] : fields)
        labelWidth = std::max(labelWidth, displayWidth(label));
    for (const auto &[label, text] : fields) {
        std::string line = padded(label, labelWidth, false) + "  " + text;
        trimRight(line);
        out += line + "\n";
    }

    for (const Block &block : document(report)) {
        switch (block.kind) {
        case Block::Kind::Heading:
            out += "\n";
            underlined(out, upper(block.text), '-');
            break;
        case Block::Kind::Subheading:
            out += "\n" + block.text + "\n";
            break;
        case Block::Kind::Paragraph:
            out += "  " + block.text + "\n";
            break;
        case Block::Kind::Warning:
            out += "! " + block.text + "\n";
            break;
        case Block::Kind::Table:
            table(out, block.table);
            break;
        case Block::Kind::Calculation:
            out += "  " + block.line.text() + "\n";
            if (!block.line.note.empty())
                out += "      (" + block.line.note + ")\n";
            break;
        case Block::Kind::Sketch: {
            out += "  Sketch: " + block.text + "\n";
            const std::vector<std::string> texts = sketchTexts(report.sketches[block.sketch]);
            if (!texts.empty()) {
                std::string line = "    labels:";
                for (std::size_t i = 0; i < texts.size(); ++i)
                    line += (i ? "; " : " ") + texts[i];
                out += line + "\n";
            }
            break;
        }
        }
    }
    return out;
}

} // namespace report

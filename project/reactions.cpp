#include "project/reactions.h"

#include "core/number_format.h"
#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

namespace project {

namespace {

// The isolated window's fields the reactions go into, and the cases whose footing is centred
// under the column. The tests check them against the window.
constexpr std::string_view kIsolated = "isolated";
constexpr std::string_view kLoadField = "Text1";    // P (ton)
constexpr std::string_view kMomentField = "Text10"; // M (t.m)
constexpr std::string_view kSideTField = "Text5";   // t (cm)
constexpr std::string_view kSideBField = "Text6";   // b (cm)
constexpr int kNoMomentCase = 0;                    // Uniform Stress

// Cases 1 "Just No Tention" and 3 "Non Uniform" centre the footing under the column: the
// footing for a moment is the one for the same moment of the other sign.
bool centredCase(int footingCase)
{
    return footingCase == 1 || footingCase == 3;
}

constexpr std::string_view kBlanks = " \t";
// A message lists this many headings of a table, and this many lines of bad rows.
constexpr std::size_t kHeadingsListed = 12;
constexpr std::size_t kLinesListed = 10;

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool isBlank(std::string_view text)
{
    return text.find_first_not_of(kBlanks) == std::string_view::npos;
}

// A support label as labels are told apart: without blanks, ASCII letters in lower case. Two
// labels alike in this form would give one mark, or marks a reader cannot tell apart.
std::string labelKey(std::string_view label)
{
    std::string key;
    for (char c : label) {
        if (kBlanks.find(c) == std::string_view::npos)
            key += c;
    }
    return foldedMark(key);
}

std::string plural(std::size_t count, std::string_view one, std::string_view many)
{
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

// --- the table ---

class TableReader
{
public:
    explicit TableReader(std::string_view text) : m_text(text) {}

    bool atEnd() const { return m_at >= m_text.size(); }

    // The separator of the record that starts here: the one it holds most of outside quotes.
    char separatorAhead() const
    {
        std::array<std::size_t, 3> counts{}; // tab, semicolon, comma
        bool quoted = false;
        for (std::size_t i = m_at; i < m_text.size(); ++i) {
            const char c = m_text[i];
            if (c == '"')
                quoted = !quoted;
            else if (!quoted && (c == '\n' || c == '\r'))
                break;
            else if (!quoted && c == '\t')
                ++counts[0];
            else if (!quoted && c == ';')
                ++counts[1];
            else if (!quoted && c == ',')
                ++counts[2];
        }
        constexpr std::array kSeparators{'\t', ';', ','};
        const auto most = std::max_element(counts.begin(), counts.end());
        return *most == 0 ? ',' : kSeparators[static_cast<std::size_t>(most - counts.begin())];
    }

    // Reads the record that starts here into `row`.
    std::optional<std::string> next(char separator, TableRow &row)
    {
        row.line = m_line;
        row.cells.clear();
        std::string cell;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at];
            if (c == '"' && isBlank(cell)) {
                cell.clear();
                if (auto problem = quotedText(cell))
                    return problem;
            } else if (c == separator) {
                row.cells.emplace_back(trimmed(cell));
                cell.clear();
                ++m_at;
            } else if (c == '\r' || c == '\n') {
                lineEnd();
                break;
            } else {
                cell += c;
                ++m_at;
            }
        }
        row.cells.emplace_back(trimmed(cell));
        return std::nullopt;
    }

private:
    // A line ends in CRLF, LF or CR alone.
    void lineEnd()
    {
        if (m_text[m_at] == '\r' && m_at + 1 < m_text.size() && m_text[m_at + 1] == '\n')
            ++m_at;
        ++m_at;
        ++m_line;
    }

    // The text between a quote and the one that closes it, "" standing for a quote.
    std::optional<std::string> quotedText(std::string &cell)
    {
        const std::size_t opened = m_line;
        ++m_at;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at];
            if (c == '"') {
                if (m_at + 1 < m_text.size() && m_text[m_at + 1] == '"') {
                    cell += '"';
                    m_at += 2;
                    continue;
                }
                ++m_at;
                return std::nullopt;
            }
            if (c == '\r' || c == '\n') {
                cell += '\n';
                lineEnd();
                continue;
            }
            cell += c;
            ++m_at;
        }
        return "the quote opened on line " + std::to_string(opened) + " is never closed";
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    std::size_t m_line = 1;
};

bool isBlankRow(const TableRow &row)
{
    return std::all_of(row.cells.begin(), row.cells.end(),
                       [](const std::string &cell) { return cell.empty(); });
}

// --- the columns ---

struct ColumnIndices {
    std::size_t mark = 0;
    std::size_t load = 0;
    std::optional<std::size_t> moment, sideT, sideB;
    std::size_t cellsNeeded = 0; // a row must reach the last of them
};

std::string headingList(const std::vector<std::string> &headings)
{
    std::string list;
    for (std::size_t i = 0; i < headings.size() && i < kHeadingsListed; ++i)
        list += (i ? ", " : "") + quote(headings[i]);
    if (headings.size() > kHeadingsListed)
        list += ", …";
    return list;
}

std::optional<std::string> findColumn(const Table &table, std::string_view key,
                                      std::string_view name, std::size_t &index)
{
    const std::string wanted = foldedMark(trimmed(name));
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < table.headings.size(); ++i) {
        if (foldedMark(table.headings[i]) == wanted)
            found.push_back(i);
    }
    if (found.empty())
        return "the column " + quote(name) + " named for " + std::string(key) +
               " is not among the headings of line " + std::to_string(table.headingLine) + ": " +
               headingList(table.headings);
    if (found.size() > 1)
        return "the heading " + quote(name) + " named for " + std::string(key) + " heads columns " +
               std::to_string(found[0] + 1) + " and " + std::to_string(found[1] + 1) +
               "; name a column whose heading is its own";
    index = found.front();
    return std::nullopt;
}

std::optional<std::string> findColumns(const Table &table, const ReactionColumns &columns,
                                       ColumnIndices &indices)
{
    if (isBlank(columns.mark) || isBlank(columns.load))
        return "the column map must name the column of the support labels and that of P";
    struct Wanted {
        std::string_view key;
        const std::string *name;
        std::size_t *index;
        std::optional<std::size_t> *optional;
    };
    const std::array wanted{
        Wanted{"mark", &columns.mark, &indices.mark, nullptr},
        Wanted{"P", &columns.load, &indices.load, nullptr},
        Wanted{"M", &columns.moment, nullptr, &indices.moment},
        Wanted{"t", &columns.sideT, nullptr, &indices.sideT},
        Wanted{"b", &columns.sideB, nullptr, &indices.sideB},
    };
    std::vector<std::pair<std::size_t, std::string_view>> taken;
    for (const Wanted &column : wanted) {
        if (isBlank(*column.name))
            continue;
        std::size_t index = 0;
        if (auto problem = findColumn(table, column.key, *column.name, index))
            return problem;
        for (const auto &[other, key] : taken) {
            if (other == index)
                return std::string(key) + " and " + std::string(column.key) +
                       " name the same column " + quote(table.headings[index]);
        }
        taken.emplace_back(index, column.key);
        if (column.index)
            *column.index = index;
        else
            *column.optional = index;
        indices.cellsNeeded = std::max(indices.cellsNeeded, index + 1);
    }
    return std::nullopt;
}

// --- the rows ---

struct GoodRow {
    std::size_t line = 0;
    std::string label;
    double load = 0;
    double moment = 0;
    std::optional<double> sideT, sideB;
};

// What a number cell holds, or why it holds none a load or side can be.
struct CellNumber {
    double value = 0;
    std::optional<std::string> problem;
};

CellNumber readNumber(std::string_view cell, std::string_view what, std::string_view heading,
                      char separator)
{
    const auto problem = [&](std::string_view quoted, std::string_view is) {
        return CellNumber{0, "the " + std::string(what) + " cell" + std::string(quoted) +
                                 " (column " + quote(heading) + ") " + std::string(is)};
    };
    if (cell.empty())
        return problem({}, "is empty");
    std::string text(cell);
    // Where a semicolon separates the cells, a comma may be the decimal point: "12,5".
    if (separator == ';' && std::count(text.begin(), text.end(), ',') == 1 &&
        text.find('.') == std::string::npos)
        text[text.find(',')] = '.';
    const core::ParsedNumber parsed = core::parseNumber(text);
    if (parsed.error == core::NumberTextError::OutOfRange)
        return problem(" " + quote(cell), "is too large");
    if (!parsed.ok())
        return problem(" " + quote(cell), "is not a number");
    return {parsed.value, std::nullopt};
}

class RowReader
{
public:
    RowReader(const Table &table, const ColumnIndices &columns, const ImportOptions &options)
        : m_table(table), m_columns(columns), m_options(options)
    {}

    // The row's numbers in t, t.m and cm, or why the row is bad.
    std::optional<std::string> read(const TableRow &row, GoodRow &good) const
    {
        if (row.cells.size() < m_columns.cellsNeeded)
            return "the row has " + plural(row.cells.size(), "cell", "cells") +
                   ", too few to reach column " + std::to_string(m_columns.cellsNeeded) + " (" +
                   quote(m_table.headings[m_columns.cellsNeeded - 1]) + ")";
        good.line = row.line;
        good.label = row.cells[m_columns.mark];
        if (good.label.empty())
            return "the row has no support label (column " + heading(m_columns.mark) + " is empty)";
        if (!isUtf8(good.label))
            return "the support label is not valid UTF-8 text";
        if (markProblem(good.label))
            return "the support label " + quote(good.label) +
                   " holds a control character (a tab or a line break)";
        const CellNumber load = loadIn(row, m_columns.load, "P");
        if (load.problem)
            return load.problem;
        if (load.value < 0)
            return "the P cell " + quote(row.cells[m_columns.load]) +
                   " is negative: the support is in tension, and a footing is designed for "
                   "compression";
        good.load = load.value;
        if (m_columns.moment) {
            const CellNumber moment = loadIn(row, *m_columns.moment, "M");
            if (moment.problem)
                return moment.problem;
            good.moment = moment.value;
        }
        for (const auto &[column, side, name] :
             {std::tuple{m_columns.sideT, &good.sideT, "t"}, {m_columns.sideB, &good.sideB, "b"}}) {
            if (!column || row.cells[*column].empty())
                continue;
            const CellNumber read = number(row, *column, name);
            if (read.problem)
                return read.problem;
            // Checked as it will be written: to a millimetre.
            const double rounded = read.value > kLargestImported
                                       ? 0.0
                                       : core::roundHalfEven(read.value, kSideDecimals);
            if (!(rounded > 0))
                return std::string("the column side ") + name + " " + quote(row.cells[*column]) +
                       " (column " + heading(*column) + ") must be a size greater than 0";
            *side = rounded;
        }
        return std::nullopt;
    }

private:
    std::string heading(std::size_t column) const { return quote(m_table.headings[column]); }

    CellNumber number(const TableRow &row, std::size_t column, std::string_view what) const
    {
        return readNumber(row.cells[column], what, m_table.headings[column], m_table.separator);
    }

    // A load or moment in t or t.m, converted from kN when the table is in kN, and rounded.
    CellNumber loadIn(const TableRow &row, std::size_t column, std::string_view what) const
    {
        CellNumber read = number(row, column, what);
        if (read.problem)
            return read;
        const double tonnes = m_options.units == LoadUnits::Kilonewtons
                                  ? read.value / kKilonewtonsPerTonne
                                  : read.value;
        if (std::fabs(tonnes) > kLargestImported)
            return {0, "the " + std::string(what) + " cell " + quote(row.cells[column]) +
                           " (column " + heading(column) + ") is too large to be a load"};
        // Rounding may leave -0 of a tiny negative moment: it is no moment.
        const double rounded = core::roundHalfEven(tonnes, kLoadDecimals);
        return {rounded == 0 ? 0.0 : rounded, std::nullopt};
    }

    const Table &m_table;
    const ColumnIndices &m_columns;
    const ImportOptions &m_options;
};

// The rows of one support, in the table's order.
struct Support {
    std::string label;
    std::vector<GoodRow> rows;
    std::optional<std::size_t> sameAs; // the support whose label it cannot be told from
};

// The supports of the good rows in the order of their first rows; the rows of a support whose
// label cannot be told from an earlier one's become bad.
std::vector<Support> supportsOf(std::vector<GoodRow> rows, std::vector<BadRow> &bad)
{
    std::vector<Support> supports;
    std::unordered_map<std::string, std::size_t> byLabel;
    std::unordered_map<std::string, std::size_t> byKey;
    for (GoodRow &row : rows) {
        auto [at, added] = byLabel.try_emplace(row.label, supports.size());
        if (added) {
            Support support{row.label, {}, std::nullopt};
            const auto [key, fresh] = byKey.try_emplace(labelKey(row.label), supports.size());
            if (!fresh)
                support.sameAs = key->second;
            supports.push_back(std::move(support));
        }
        Support &support = supports[at->second];
        if (support.sameAs) {
            const Support &first = supports[*support.sameAs];
            bad.push_back({row.line, "the support " + quote(row.label) + " differs from " +
                                         quote(first.label) + " (line " +
                                         std::to_string(first.rows.front().line) +
                                         ") only by the case of its letters or by blanks; both "
                                         "would take one mark"});
            continue;
        }
        support.rows.push_back(std::move(row));
    }
    return supports;
}

// The row that governs a support's footing, and why, by the rule.
std::pair<const GoodRow *, std::string> governing(const Support &support, GoverningRule rule)
{
    const std::vector<GoodRow> &rows = support.rows;
    const GoodRow *best = &rows.front();
    for (const GoodRow &row : rows) {
        const bool better =
            rule == GoverningRule::LargestMoment
                ? std::fabs(row.moment) > std::fabs(best->moment) ||
                      (std::fabs(row.moment) == std::fabs(best->moment) && row.load > best->load)
                : row.load > best->load;
        if (better)
            best = &row;
    }
    if (rows.size() == 1)
        return {best, "the only row"};
    const std::string of = " of " + plural(rows.size(), "row", "rows");
    return {best, rule == GoverningRule::LargestMoment ? "largest |M|" + of : "largest P" + of};
}

std::string summaryOf(const ImportPreview &preview, const ImportOptions &options, int momentCase,
                      const core::DesignWindowInfo &window)
{
    std::string text = "Read " + plural(preview.rows, "row", "rows") + " of " +
                       plural(preview.supports, "support", "supports") + "; ";
    text += options.units == LoadUnits::Kilonewtons
                ? "loads in kN and kN.m converted to t and t.m with g = 9.81 (P / 9.81, M / 9.81)"
                : "loads in t and t.m";
    text += ", rounded to " + std::to_string(kLoadDecimals) + " decimals; ";
    switch (options.rule) {
    case GoverningRule::LargestLoad:
        text += "the row with the largest P governs each support";
        break;
    case GoverningRule::LargestMoment:
        text += "the row with the largest |M| governs each support";
        break;
    case GoverningRule::EachRow:
        text += "every row is a footing of its own";
        break;
    }
    const auto withMoment =
        std::count_if(preview.footings.begin(), preview.footings.end(),
                      [](const ImportedFooting &footing) { return footing.moment != 0; });
    text += "; " + plural(preview.footings.size(), "isolated footing", "isolated footings");
    if (withMoment > 0)
        text += ", " + std::to_string(withMoment) + " with a moment in case " +
                std::to_string(momentCase) + " \"" +
                std::string(window.caseNames[static_cast<std::size_t>(momentCase)]) + "\"";
    if (!preview.badRows.empty())
        text += "; " + plural(preview.badRows.size(), "bad row", "bad rows");
    return text + ".";
}

// The footings of the supports by the rule, each at the project's default texts with its own
// loads; a footing whose mark is taken makes its rows bad.
class FootingMaker
{
public:
    FootingMaker(const Project &target, const core::DesignWindowInfo &window, int momentCase)
        : m_target(target), m_window(window), m_momentCase(momentCase)
    {}

    void add(const GoodRow &row, std::string mark, std::string rowText,
             const std::vector<const GoodRow *> &rows, ImportPreview &preview)
    {
        if (auto problem = markTaken(mark)) {
            for (const GoodRow *each : rows)
                preview.badRows.push_back({each->line, *problem});
            return;
        }
        m_marks.emplace(foldedMark(mark), row.line);
        const int footingCase = row.moment == 0 ? kNoMomentCase : m_momentCase;
        const double moment = centredCase(footingCase) ? std::fabs(row.moment) : row.moment;
        ImportedFooting imported{{std::move(mark), std::string(m_window.command), footingCase,
                                  defaults(footingCase),
                                  ReactionSource{row.label, row.line, std::move(rowText)}},
                                 row.load,
                                 moment,
                                 row.sideT,
                                 row.sideB};
        core::FieldTexts &texts = imported.footing.texts;
        texts[std::string(kLoadField)] = core::formatNumber(row.load);
        texts[std::string(kMomentField)] = core::formatNumber(moment);
        if (row.sideT)
            texts[std::string(kSideTField)] = core::formatNumber(*row.sideT);
        if (row.sideB)
            texts[std::string(kSideBField)] = core::formatNumber(*row.sideB);
        preview.footings.push_back(std::move(imported));
    }

private:
    std::optional<std::string> markTaken(const std::string &mark) const
    {
        if (const auto other = m_target.findMark(mark))
            return "the mark " + quote(mark) + " is already used by " +
                   footingName(*other, m_target.footings()[*other].mark) + " of the project";
        if (const auto other = m_marks.find(foldedMark(mark)); other != m_marks.end())
            return "the mark " + quote(mark) + " is already taken by the footing of line " +
                   std::to_string(other->second);
        return std::nullopt;
    }

    const core::FieldTexts &defaults(int footingCase)
    {
        auto [at, added] = m_defaults.try_emplace(footingCase);
        if (added)
            at->second = m_target.defaultTexts(m_window.command, footingCase);
        return at->second;
    }

    const Project &m_target;
    const core::DesignWindowInfo &m_window;
    int m_momentCase;
    std::unordered_map<std::string, std::size_t> m_marks; // the import's, with their lines
    std::unordered_map<int, core::FieldTexts> m_defaults;
};

} // namespace

std::optional<std::string> readTable(std::string_view text, Table &table)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    table = Table{};
    TableReader reader(text);
    TableRow row;
    bool heading = false;
    while (!reader.atEnd()) {
        if (!heading)
            table.separator = reader.separatorAhead();
        if (auto problem = reader.next(table.separator, row))
            return problem;
        if (isBlankRow(row))
            continue;
        if (!heading) {
            table.headings = std::move(row.cells);
            table.headingLine = row.line;
            heading = true;
        } else {
            table.rows.push_back(std::move(row));
        }
    }
    if (!heading)
        return "the table is empty: it has no heading row";
    return std::nullopt;
}

std::optional<std::string> readColumnMap(std::string_view text, ReactionColumns &columns)
{
    ReactionColumns read;
    const std::array<std::pair<std::string_view, std::string *>, 5> keys{{{"mark", &read.mark},
                                                                          {"p", &read.load},
                                                                          {"m", &read.moment},
                                                                          {"t", &read.sideT},
                                                                          {"b", &read.sideB}}};
    while (!text.empty()) {
        const auto comma = text.find(',');
        const std::string_view entry = trimmed(text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
        const auto equals = entry.find('=');
        if (equals == std::string_view::npos)
            return "the column map takes KEY=HEADING entries separated by commas, not " +
                   quote(entry);
        const std::string key = foldedMark(trimmed(entry.substr(0, equals)));
        const std::string_view heading = trimmed(entry.substr(equals + 1));
        const auto found = std::find_if(keys.begin(), keys.end(),
                                        [&](const auto &known) { return known.first == key; });
        if (found == keys.end())
            return "the column map has no key " + quote(entry.substr(0, equals)) +
                   "; its keys are mark, P, M, t and b";
        if (!found->second->empty())
            return "the column map names the column of " + quote(entry.substr(0, equals)) +
                   " twice";
        if (heading.empty())
            return "the column map names no heading for " + quote(entry.substr(0, equals));
        *found->second = std::string(heading);
    }
    if (read.mark.empty() || read.load.empty())
        return "the column map must name the column of the support labels and that of P: "
               "mark=HEADING,P=HEADING";
    columns = std::move(read);
    return std::nullopt;
}

std::string BadRow::text() const
{
    return "line " + std::to_string(line) + ": " + reason;
}

ImportPreview previewImport(std::string_view text, const ImportOptions &options,
                            const Project &target)
{
    ImportPreview preview;
    const core::DesignWindowInfo *window = findWindow(target.windows(), kIsolated);
    if (!window || window->caseNames.empty()) {
        preview.refusal = "this program has no isolated window to import footings into";
        return preview;
    }
    const int momentCase = options.momentCase.value_or(kDefaultMomentCase);
    const auto cases = static_cast<int>(window->caseNames.size());
    if (momentCase < 0 || momentCase >= cases) {
        preview.refusal = "the isolated window's cases are 0 to " + std::to_string(cases - 1) +
                          ", not " + std::to_string(momentCase);
        return preview;
    }
    Table table;
    if (auto problem = readTable(text, table)) {
        preview.refusal = std::move(problem);
        return preview;
    }
    ColumnIndices columns;
    if (auto problem = findColumns(table, options.columns, columns)) {
        preview.refusal = std::move(problem);
        return preview;
    }
    if (table.rows.empty()) {
        preview.refusal = "the table has no rows under its heading";
        return preview;
    }

    preview.rows = table.rows.size();
    const RowReader reader(table, columns, options);
    std::vector<GoodRow> good;
    good.reserve(table.rows.size());
    for (const TableRow &row : table.rows) {
        GoodRow read;
        if (auto problem = reader.read(row, read))
            preview.badRows.push_back({row.line, std::move(*problem)});
        else
            good.push_back(std::move(read));
    }
    table = Table{}; // every cell needed is in the good rows now
    const std::vector<Support> supports = supportsOf(std::move(good), preview.badRows);

    FootingMaker maker(target, *window, momentCase);
    for (const Support &support : supports) {
        if (support.rows.empty())
            continue;
        ++preview.supports;
        if (options.rule != GoverningRule::EachRow) {
            const auto [row, why] = governing(support, options.rule);
            std::vector<const GoodRow *> rows;
            for (const GoodRow &each : support.rows)
                rows.push_back(&each);
            maker.add(*row, support.label, why, rows, preview);
            continue;
        }
        for (std::size_t k = 0; k < support.rows.size(); ++k) {
            const GoodRow &row = support.rows[k];
            maker.add(row, support.label + "-" + std::to_string(k + 1),
                      "row " + std::to_string(k + 1) + " of " + std::to_string(support.rows.size()),
                      {&row}, preview);
        }
    }
    std::stable_sort(preview.badRows.begin(), preview.badRows.end(),
                     [](const BadRow &a, const BadRow &b) { return a.line < b.line; });
    preview.summary = summaryOf(preview, options, momentCase, *window);
    return preview;
}

namespace {

// Why the preview cannot be applied, or nullopt.
std::optional<Problem> applyProblem(const ImportPreview &preview, bool skipBadRows)
{
    if (preview.refusal)
        return Problem{"The reactions cannot be imported: " + *preview.refusal + ".", {}, {}};
    if (!preview.badRows.empty() && !skipBadRows) {
        std::string lines;
        for (std::size_t i = 0; i < preview.badRows.size() && i < kLinesListed; ++i)
            lines += (i ? ", " : "") + std::to_string(preview.badRows[i].line);
        if (preview.badRows.size() > kLinesListed)
            lines += ", …";
        return Problem{"The reactions hold " +
                           plural(preview.badRows.size(), "bad row", "bad rows") + " (" +
                           (preview.badRows.size() == 1 ? "line " : "lines ") + lines +
                           "): correct them, or skip them; nothing was imported.",
                       {},
                       {}};
    }
    if (preview.footings.empty())
        return Problem{"The reactions give no footing to import: every row is bad.", {}, {}};
    return std::nullopt;
}

} // namespace

std::optional<Problem> applyImport(const ImportPreview &preview, Project &target, bool skipBadRows)
{
    if (auto problem = applyProblem(preview, skipBadRows))
        return problem;
    std::vector<Footing> footings;
    footings.reserve(preview.footings.size());
    for (const ImportedFooting &imported : preview.footings)
        footings.push_back(imported.footing);
    return target.append(std::move(footings));
}

std::optional<Problem> importReactions(std::string_view text, const ImportOptions &options,
                                       Project &target, ImportPreview *preview)
{
    ImportPreview made = previewImport(text, options, target);
    if (preview) {
        auto problem = applyImport(made, target, options.skipBadRows);
        *preview = std::move(made);
        return problem;
    }
    // Nobody reads the preview afterwards: its footings move into the project.
    if (auto problem = applyProblem(made, options.skipBadRows))
        return problem;
    std::vector<Footing> footings;
    footings.reserve(made.footings.size());
    for (ImportedFooting &imported : made.footings)
        footings.push_back(std::move(imported.footing));
    made.footings.clear();
    return target.append(std::move(footings));
}

std::string_view ruleName(GoverningRule rule)
{
    switch (rule) {
    case GoverningRule::LargestLoad:
        return "max-P";
    case GoverningRule::LargestMoment:
        return "max-M";
    case GoverningRule::EachRow:
        return "each";
    }
    return {};
}

std::optional<GoverningRule> ruleNamed(std::string_view name)
{
    for (GoverningRule rule :
         {GoverningRule::LargestLoad, GoverningRule::LargestMoment, GoverningRule::EachRow}) {
        if (ruleName(rule) == name)
            return rule;
    }
    return std::nullopt;
}

} // namespace project

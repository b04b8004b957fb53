#include "widgets/report_painter.h"

#include "project/project_report.h"
#include "report/document.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

// Pages are laid out in dots of 1/1200 inch, measured with fonts on a 1200-dpi device, so the
// layout (and with it the page count) is the same whatever device paints it: the PDF writer at
// 1200 dpi paints it one to one, a screen or an image scales it.

namespace ui {

namespace {

constexpr double kDpi = 1200;
constexpr double kDotsPerMm = kDpi / 25.4;

double mm(double millimetres)
{
    return millimetres * kDotsPerMm;
}

QString qs(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Pens: none thinner than 0.25 mm on paper.
constexpr double kThinPen = 0.3;
constexpr double kPen = 0.35;
constexpr double kThickPen = 0.5;

const QColor kInk(0x10, 0x10, 0x10);
const QColor kGrey(0x70, 0x70, 0x70);
const QColor kRuleGrey(0xA0, 0xA0, 0xA0);
const QColor kHeaderFill(0xE8, 0xE8, 0xE8);
const QColor kFailure(0xB0, 0x00, 0x00);
const QColor kBarColour(0x00, 0x40, 0xA0);

QPen pen(const QColor &colour, double widthMm, Qt::PenStyle style = Qt::SolidLine)
{
    QPen p(colour, mm(widthMm), style, Qt::FlatCap, Qt::MiterJoin);
    return p;
}

enum class Style : unsigned char {
    Body,
    Bold,
    Small,
    SmallBold,
    Note,
    Heading,
    Subheading,
    Caption,
};

struct FontLook {
    double points;
    bool bold;
    bool italic;
};

FontLook lookOf(Style style)
{
    switch (style) {
    case Style::Body:
        return {9, false, false};
    case Style::Bold:
        return {9, true, false};
    case Style::Small:
        return {8, false, false};
    case Style::SmallBold:
        return {8, true, false};
    case Style::Note:
        return {8, false, true};
    case Style::Heading:
        return {12, true, false};
    case Style::Subheading:
        return {10, true, false};
    case Style::Caption:
        return {11, true, false};
    }
    return {9, false, false};
}

// A font of `style` whose size in the painter's units is what the layout measured: on a
// device of `dpi` a point size of p × 1200 / dpi comes out as p points of 1200-dpi dots.
QFont fontFor(Style style, double dpi)
{
    const FontLook look = lookOf(style);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPointSizeF(look.points * kDpi / dpi);
    font.setBold(look.bold);
    font.setItalic(look.italic);
    return font;
}

// Measures texts as the 1200-dpi layout sees them.
class Metrics
{
public:
    Metrics() : m_device(1, 1, QImage::Format_RGB32)
    {
        const int dotsPerMetre = static_cast<int>(std::lround(kDpi / 0.0254));
        m_device.setDotsPerMeterX(dotsPerMetre);
        m_device.setDotsPerMeterY(dotsPerMetre);
    }

    const QFontMetricsF &of(Style style)
    {
        auto found = m_metrics.find(style);
        if (found == m_metrics.end())
            found = m_metrics
                        .emplace(style, std::make_unique<QFontMetricsF>(
                                            fontFor(style, m_device.logicalDpiY()), &m_device))
                        .first;
        return *found->second;
    }

    double width(const QString &text, Style style) { return of(style).horizontalAdvance(text); }
    double line(Style style) { return of(style).lineSpacing(); }
    double ascent(Style style) { return of(style).ascent(); }

    // Breaks a text into lines no wider than `width`, between words where it can; the lines
    // after the first start with `indent` blanks' worth of space (given in dots).
    std::vector<QString> wrap(const QString &text, Style style, double width, double indent = 0);

private:
    QImage m_device;
    std::map<Style, std::unique_ptr<QFontMetricsF>> m_metrics;
};

std::vector<QString> Metrics::wrap(const QString &text, Style style, double width, double indent)
{
    std::vector<QString> lines;
    const QStringList words = text.split(QLatin1Char(' '));
    QString current;
    auto room = [&] { return lines.empty() ? width : width - indent; };
    for (const QString &word : words) {
        const QString tried = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (current.isEmpty() || this->width(tried, style) <= room()) {
            current = tried;
        } else {
            lines.push_back(current);
            current = word;
        }
        // A word wider than the line is cut where it must be.
        while (this->width(current, style) > room() && current.size() > 1) {
            qsizetype fit = current.size() - 1;
            while (fit > 1 && this->width(current.left(fit), style) > room())
                --fit;
            lines.push_back(current.left(fit));
            current = current.mid(fit);
        }
    }
    lines.push_back(current);
    return lines;
}

// ---- layout of the blocks into pieces and pages -------------------------------------------

struct TableLayout {
    std::vector<double> widths;                          // per column, dots
    std::vector<std::vector<QString>> header;            // per column, wrapped lines
    std::vector<std::vector<std::vector<QString>>> rows; // row → column → lines
    std::vector<double> rowHeights;
    double headerHeight = 0;
};

constexpr double kCellPadX = 2.0 * kDotsPerMm; // inside a cell, each side
constexpr double kCellPadY = 0.9 * kDotsPerMm; // above and below the text of a cell

TableLayout layoutTable(const report::Table &table, double available, Metrics &metrics)
{
    TableLayout t;
    const std::size_t columns = table.columns.size();
    // The width of each column's longest text, and of its longest word.
    std::vector<double> natural(columns, 0), word(columns, 0);
    auto measure = [&](std::size_t c, const std::string &text, Style style) {
        const QString shown = qs(text);
        natural[c] = std::max(natural[c], metrics.width(shown, style));
        for (const QString &part : shown.split(QLatin1Char(' ')))
            word[c] = std::max(word[c], metrics.width(part, style));
    };
    for (std::size_t c = 0; c < columns; ++c) {
        measure(c, table.columns[c].title, Style::SmallBold);
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            if (c < table.rows[r].size()) {
                const bool bold = table.styles[r] != report::Table::RowStyle::Normal &&
                                  table.styles[r] != report::Table::RowStyle::NotApplicable;
                measure(c, table.rows[r][c], bold ? Style::SmallBold : Style::Small);
            }
        }
        natural[c] += 2 * kCellPadX + 1;
        word[c] += 2 * kCellPadX + 1;
    }
    t.widths = natural;
    double total = 0;
    for (double w : natural)
        total += w;
    if (total > available) {
        // The columns that wrap share what the others leave, in proportion to their texts.
        double fixed = 0, wrapping = 0;
        for (std::size_t c = 0; c < columns; ++c)
            (table.columns[c].wraps ? wrapping : fixed) += natural[c];
        const double least = mm(20);
        if (wrapping > 0 && available - fixed >= least) {
            // None narrower than its longest word while the room allows: a column that
            // would be is given that width, and the others share what is left.
            std::vector<std::size_t> sharing;
            double room = available - fixed, words = 0;
            for (std::size_t c = 0; c < columns; ++c) {
                if (table.columns[c].wraps) {
                    sharing.push_back(c);
                    words += word[c];
                }
            }
            auto weight = [&] {
                double sum = 0;
                for (std::size_t c : sharing)
                    sum += natural[c];
                return sum;
            };
            for (bool settled = words > room; !settled;) {
                settled = true;
                const double sum = weight();
                const auto narrow = std::find_if(sharing.begin(), sharing.end(), [&](auto c) {
                    return room * natural[c] / sum < word[c];
                });
                if (narrow != sharing.end()) {
                    t.widths[*narrow] = word[*narrow];
                    room -= word[*narrow];
                    sharing.erase(narrow);
                    settled = sharing.empty();
                }
            }
            const double sum = weight();
            for (std::size_t c : sharing)
                t.widths[c] = room * natural[c] / sum;
        } else {
            for (double &w : t.widths)
                w *= available / total; // every column gives way; their texts wrap
        }
    }
    auto cellLines = [&](const std::string &text, std::size_t c, Style style) {
        return metrics.wrap(qs(text), style, t.widths[c] - 2 * kCellPadX);
    };
    std::size_t most = 1;
    for (std::size_t c = 0; c < columns; ++c) {
        t.header.push_back(cellLines(table.columns[c].title, c, Style::SmallBold));
        most = std::max(most, t.header.back().size());
    }
    t.headerHeight = static_cast<double>(most) * metrics.line(Style::SmallBold) + 2 * kCellPadY;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const bool bold = table.styles[r] == report::Table::RowStyle::Total ||
                          table.styles[r] == report::Table::RowStyle::Failed;
        std::vector<std::vector<QString>> cells;
        std::size_t lines = 1;
        for (std::size_t c = 0; c < columns; ++c) {
            const std::string text = c < table.rows[r].size() ? table.rows[r][c] : std::string();
            cells.push_back(cellLines(text, c, bold ? Style::SmallBold : Style::Small));
            lines = std::max(lines, cells.back().size());
        }
        t.rows.push_back(std::move(cells));
        t.rowHeights.push_back(static_cast<double>(lines) * metrics.line(Style::Small) +
                               2 * kCellPadY);
    }
    return t;
}

// One piece of a page: a part of a block that is never split.
struct Piece {
    enum class Kind : unsigned char { Text, TableHeader, TableRow, Calculation, Sketch };
    Kind kind = Kind::Text;
    std::size_t block = 0;
    std::size_t row = 0;            // table rows
    Style style = Style::Body;      // text pieces
    std::vector<QString> lines;     // text pieces and calculation lines
    std::vector<QString> noteLines; // calculation notes
    double indent = 0;              // text pieces: of the lines after the first
    double spaceBefore = 0;
    double height = 0;
    bool keepWithNext = false; // headings stay with what they head
    bool rule = false;         // headings: a rule under the text
};

struct Placed {
    std::size_t piece;
    double y;
};

struct Layout {
    QSizeF page; // the printable area, dots
    QRectF body; // where the blocks go, dots
    double titleHeight = 0;
    std::vector<report::Block> blocks;
    std::map<std::size_t, TableLayout> tables;
    std::vector<Piece> pieces;
    std::vector<std::vector<Placed>> pages;
    std::vector<std::pair<std::string, std::string>> titleFields;
};

constexpr double kCalcIndent = 6.0 * kDotsPerMm; // continuation lines of a calculation
constexpr double kNoteIndent = 10.0 * kDotsPerMm;
constexpr double kSketchHeight = 95.0 * kDotsPerMm;

double titleBlockHeight(std::size_t fields, Metrics &metrics)
{
    const std::size_t rows = (fields + 1) / 2;
    return metrics.line(Style::Caption) + static_cast<double>(rows) * metrics.line(Style::Small) +
           mm(4);
}

void addText(Layout &l, Metrics &metrics, std::size_t block, const QString &text, Style style,
             double spaceBefore, bool keepWithNext, bool rule = false, double indent = 0)
{
    Piece piece;
    piece.kind = Piece::Kind::Text;
    piece.block = block;
    piece.style = style;
    piece.indent = indent;
    piece.lines = metrics.wrap(text, style, l.body.width() - indent, 0);
    piece.spaceBefore = spaceBefore;
    piece.height =
        static_cast<double>(piece.lines.size()) * metrics.line(style) + (rule ? mm(1.2) : 0);
    piece.keepWithNext = keepWithNext;
    piece.rule = rule;
    l.pieces.push_back(std::move(piece));
}

// The lines of a calculation: as much of "symbol = formula = numbers = value" as fits on a
// line, the rest on lines that start with "= ", each part broken between words if it must be.
std::vector<QString> calculationLines(const report::Line &line, double width, Metrics &metrics)
{
    const std::vector<std::string> parts = line.parts();
    const QString whole = qs(line.text());
    if (metrics.width(whole, Style::Body) <= width)
        return {whole};
    std::vector<QString> lines;
    QString current = qs(parts.front());
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const QString part = QStringLiteral("= ") + qs(parts[i]);
        const double room = lines.empty() ? width : width - kCalcIndent;
        if (metrics.width(current + QLatin1Char(' ') + part, Style::Body) <= room) {
            current += QLatin1Char(' ') + part;
            continue;
        }
        for (const QString &wrapped : metrics.wrap(current, Style::Body, room, 0))
            lines.push_back(wrapped);
        current = part;
    }
    for (const QString &wrapped :
         metrics.wrap(current, Style::Body, lines.empty() ? width : width - kCalcIndent, 0))
        lines.push_back(wrapped);
    return lines;
}

void addPieces(Layout &l, Metrics &metrics)
{
    using K = report::Block::Kind;
    for (std::size_t b = 0; b < l.blocks.size(); ++b) {
        const report::Block &block = l.blocks[b];
        switch (block.kind) {
        case K::Heading:
            addText(l, metrics, b, qs(block.text), Style::Heading, mm(5), true, true);
            break;
        case K::Subheading:
            addText(l, metrics, b, qs(block.text), Style::Subheading, mm(3), true);
            break;
        case K::Paragraph:
            addText(l, metrics, b, qs(block.text), Style::Body, mm(1), false);
            break;
        case K::Warning:
            addText(l, metrics, b, qs(block.text), Style::Bold, mm(2), false);
            break;
        case K::Table: {
            const TableLayout &t =
                l.tables.emplace(b, layoutTable(block.table, l.body.width(), metrics))
                    .first->second;
            Piece header;
            header.kind = Piece::Kind::TableHeader;
            header.block = b;
            header.spaceBefore = mm(1.5);
            header.height = t.headerHeight;
            header.keepWithNext = true;
            l.pieces.push_back(header);
            for (std::size_t r = 0; r < t.rows.size(); ++r) {
                Piece row;
                row.kind = Piece::Kind::TableRow;
                row.block = b;
                row.row = r;
                row.height = t.rowHeights[r];
                l.pieces.push_back(row);
            }
            break;
        }
        case K::Calculation: {
            Piece piece;
            piece.kind = Piece::Kind::Calculation;
            piece.block = b;
            piece.lines = calculationLines(block.line, l.body.width() - mm(3), metrics);
            if (!block.line.note.empty())
                piece.noteLines =
                    metrics.wrap(qs(block.line.note), Style::Note, l.body.width() - kNoteIndent, 0);
            piece.spaceBefore = mm(0.8);
            piece.height = static_cast<double>(piece.lines.size()) * metrics.line(Style::Body) +
                           static_cast<double>(piece.noteLines.size()) * metrics.line(Style::Note);
            l.pieces.push_back(std::move(piece));
            break;
        }
        case K::Sketch: {
            Piece piece;
            piece.kind = Piece::Kind::Sketch;
            piece.block = b;
            piece.spaceBefore = mm(3);
            piece.height =
                metrics.line(Style::Bold) + std::min(kSketchHeight, l.body.height() * 0.9);
            l.pieces.push_back(std::move(piece));
            break;
        }
        }
    }
}

// Places the pieces on pages: a piece that does not fit below the last one starts a new page;
// a heading moves with the piece after it; a table that goes on repeats its header row.
void paginate(Layout &l)
{
    l.pages.assign(1, {});
    double y = 0;
    const double bottom = l.body.height();
    for (std::size_t i = 0; i < l.pieces.size(); ++i) {
        const Piece &piece = l.pieces[i];
        // A run of pieces that must stay together: headings with what follows them.
        double together = piece.spaceBefore + piece.height;
        for (std::size_t j = i; j + 1 < l.pieces.size() && l.pieces[j].keepWithNext; ++j)
            together += l.pieces[j + 1].spaceBefore + l.pieces[j + 1].height;
        const bool first = l.pages.back().empty();
        if (!first && y + together > bottom) {
            l.pages.emplace_back();
            y = 0;
        }
        if (piece.kind == Piece::Kind::TableRow && l.pages.back().empty()) {
            // The table goes on from the page before: repeat its header.
            const auto header = std::find_if(l.pieces.begin(), l.pieces.end(), [&](const Piece &p) {
                return p.kind == Piece::Kind::TableHeader && p.block == piece.block;
            });
            l.pages.back().push_back({static_cast<std::size_t>(header - l.pieces.begin()), 0});
            y = header->height;
        }
        if (!l.pages.back().empty())
            y += piece.spaceBefore;
        l.pages.back().push_back({i, y});
        y += piece.height;
    }
}

// Lays blocks out on pages headed by a title block of `titleFields`.
Layout layOutBlocks(std::vector<report::Block> blocks,
                    std::vector<std::pair<std::string, std::string>> titleFields,
                    const QPageLayout &pageLayout)
{
    Metrics metrics;
    Layout l;
    const QRectF paintMm = pageLayout.paintRect(QPageLayout::Millimeter);
    l.page = QSizeF(mm(paintMm.width()), mm(paintMm.height()));
    l.titleFields = std::move(titleFields);
    l.titleHeight = titleBlockHeight(l.titleFields.size(), metrics);
    const double footer = metrics.line(Style::Small) + mm(3);
    const double top = l.titleHeight + mm(4);
    l.body = QRectF(0, top, l.page.width(), std::max(mm(20), l.page.height() - top - footer));
    l.blocks = std::move(blocks);
    addPieces(l, metrics);
    paginate(l);
    return l;
}

Layout layOut(const report::Report &report, const QPageLayout &pageLayout)
{
    return layOutBlocks(report::document(report), report::titleFields(report.title), pageLayout);
}

// How the footer numbers a page: the first page of the layout is page `first` + 1 of `total`
// (a document of several layouts numbers its pages through); a total of 0 is the layout's own.
struct Numbering {
    int first = 0;
    int total = 0;
};

// ---- painting --------------------------------------------------------------------------------

class PagePainter
{
public:
    PagePainter(QPainter &painter, const report::Report &report, const Layout &layout,
                Numbering numbering)
        : m_p(painter), m_report(report), m_l(layout), m_numbering(numbering),
          m_dpi(painter.device() ? painter.device()->logicalDpiY() : kDpi)
    {}

    void page(int index);

private:
    void text(double x, double top, const QString &text, Style style, const QColor &colour = kInk);
    void titleBlock();
    void footer(int index);
    void piece(const Piece &piece, double y);
    void tableRow(const Piece &piece, double y, bool header);
    void sketch(const core::Sketch &sketch, const QRectF &area);
    void dimension(const QPointF &a, const QPointF &b, const QString &label);

    QPainter &m_p;
    const report::Report &m_report;
    const Layout &m_l;
    Numbering m_numbering;
    double m_dpi;
    Metrics m_metrics;
};

void PagePainter::text(double x, double top, const QString &text, Style style, const QColor &colour)
{
    m_p.setFont(fontFor(style, m_dpi));
    m_p.setPen(colour);
    m_p.drawText(QPointF(x, top + m_metrics.ascent(style)), text);
}

void PagePainter::titleBlock()
{
    const double width = m_l.page.width();
    const double line = m_metrics.line(Style::Small);
    const QRectF box(0, 0, width, m_l.titleHeight);
    m_p.setBrush(Qt::NoBrush);
    m_p.setPen(pen(kInk, kThickPen));
    m_p.drawRect(box);
    text(mm(2), mm(1.5), QStringLiteral("Calculation report"), Style::Caption);
    const double top = mm(1.5) + m_metrics.line(Style::Caption) + mm(1);
    m_p.setPen(pen(kRuleGrey, kThinPen));
    m_p.drawLine(QPointF(0, top - mm(0.5)), QPointF(width, top - mm(0.5)));
    double labelWidth = 0;
    for (const auto &[label, value] : m_l.titleFields)
        labelWidth = std::max(labelWidth, m_metrics.width(qs(label), Style::SmallBold));
    const std::size_t rows = (m_l.titleFields.size() + 1) / 2;
    for (std::size_t i = 0; i < m_l.titleFields.size(); ++i) {
        const double x = i < rows ? mm(2) : width / 2 + mm(2);
        const double y = top + static_cast<double>(i % rows) * line;
        text(x, y, qs(m_l.titleFields[i].first), Style::SmallBold);
        // A long text is cut at the middle of the block rather than run into the other column.
        const double room = width / 2 - labelWidth - mm(6);
        QString value = qs(m_l.titleFields[i].second);
        const std::vector<QString> lines = m_metrics.wrap(value, Style::Small, room);
        if (lines.size() > 1)
            value = lines.front() + QStringLiteral("…");
        text(x + labelWidth + mm(2), y, value, Style::Small);
    }
    m_p.setPen(pen(kRuleGrey, kThinPen));
    m_p.drawLine(QPointF(width / 2, top - mm(0.5)), QPointF(width / 2, m_l.titleHeight));
}

void PagePainter::footer(int index)
{
    const double y = m_l.page.height() - m_metrics.line(Style::Small);
    m_p.setPen(pen(kRuleGrey, kThinPen));
    m_p.drawLine(QPointF(0, y - mm(1)), QPointF(m_l.page.width(), y - mm(1)));
    text(0, y, qs(std::string(report::kProgramName) + " " + m_report.title.version), Style::Small,
         kGrey);
    const int total =
        m_numbering.total > 0 ? m_numbering.total : static_cast<int>(m_l.pages.size());
    const QString number =
        QStringLiteral("page %1 of %2")
            .arg(QString::number(m_numbering.first + index + 1), QString::number(total));
    text(m_l.page.width() - m_metrics.width(number, Style::Small), y, number, Style::Small);
}

void PagePainter::tableRow(const Piece &piece, double y, bool header)
{
    const report::Table &table = m_l.blocks[piece.block].table;
    const TableLayout &t = m_l.tables.at(piece.block);
    const double height = header ? t.headerHeight : t.rowHeights[piece.row];
    double width = 0;
    for (double w : t.widths)
        width += w;
    const auto style = header ? report::Table::RowStyle::Normal : table.styles[piece.row];
    if (header) {
        m_p.setPen(Qt::NoPen);
        m_p.setBrush(kHeaderFill);
        m_p.drawRect(QRectF(0, y, width, height));
        m_p.setBrush(Qt::NoBrush);
    }
    const bool bold = header || style == report::Table::RowStyle::Total ||
                      style == report::Table::RowStyle::Failed;
    const Style font = bold ? Style::SmallBold : Style::Small;
    const QColor colour = style == report::Table::RowStyle::Failed          ? kFailure
                          : style == report::Table::RowStyle::NotApplicable ? kGrey
                                                                            : kInk;
    double x = 0;
    for (std::size_t c = 0; c < t.widths.size(); ++c) {
        const std::vector<QString> &lines = header ? t.header[c] : t.rows[piece.row][c];
        double ty = y + kCellPadY;
        for (const QString &line : lines) {
            const double shift = table.columns[c].numeric
                                     ? t.widths[c] - 2 * kCellPadX - m_metrics.width(line, font)
                                     : 0;
            text(x + kCellPadX + std::max(0.0, shift), ty, line, font, colour);
            ty += m_metrics.line(font);
        }
        x += t.widths[c];
    }
    m_p.setPen(pen(header || style == report::Table::RowStyle::Total ? kInk : kRuleGrey, kThinPen));
    m_p.drawLine(QPointF(0, y + height), QPointF(width, y + height));
    if (header)
        m_p.drawLine(QPointF(0, y), QPointF(width, y));
}

void PagePainter::piece(const Piece &piece, double y)
{
    switch (piece.kind) {
    case Piece::Kind::Text: {
        const report::Block &block = m_l.blocks[piece.block];
        const QColor colour = block.kind == report::Block::Kind::Warning ? kFailure : kInk;
        double ty = y;
        for (const QString &line : piece.lines) {
            text(piece.indent, ty, line, piece.style, colour);
            ty += m_metrics.line(piece.style);
        }
        if (piece.rule) {
            m_p.setPen(pen(kInk, kPen));
            m_p.drawLine(QPointF(0, ty + mm(0.4)), QPointF(m_l.page.width(), ty + mm(0.4)));
        }
        return;
    }
    case Piece::Kind::TableHeader:
        return tableRow(piece, y, true);
    case Piece::Kind::TableRow:
        return tableRow(piece, y, false);
    case Piece::Kind::Calculation: {
        double ty = y;
        for (std::size_t i = 0; i < piece.lines.size(); ++i) {
            text(mm(3) + (i ? kCalcIndent : 0), ty, piece.lines[i], Style::Body);
            ty += m_metrics.line(Style::Body);
        }
        for (const QString &line : piece.noteLines) {
            text(kNoteIndent, ty, line, Style::Note, kGrey);
            ty += m_metrics.line(Style::Note);
        }
        return;
    }
    case Piece::Kind::Sketch: {
        const report::Block &block = m_l.blocks[piece.block];
        text(0, y, qs(block.text), Style::Bold);
        const double top = y + m_metrics.line(Style::Bold);
        const QRectF area(0, top, m_l.page.width(), piece.height - m_metrics.line(Style::Bold));
        m_p.setPen(pen(kRuleGrey, kThinPen));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawRect(area);
        sketch(m_report.sketches[block.sketch], area.adjusted(mm(14), mm(10), -mm(14), -mm(10)));
        return;
    }
    }
}

// The order shapes are drawn in: concrete first, so columns, bars and texts sit on top.
int drawOrder(core::SketchShape::Kind kind)
{
    using K = core::SketchShape::Kind;
    switch (kind) {
    case K::PlainConcrete:
        return 0;
    case K::ReinforcedConcrete:
        return 1;
    case K::Beam:
        return 2;
    case K::Wall:
        return 3;
    case K::Column:
        return 4;
    case K::Bars:
        return 5;
    case K::Dimension:
        return 6;
    case K::Text:
        return 7;
    }
    return 7;
}

void PagePainter::dimension(const QPointF &a, const QPointF &b, const QString &label)
{
    const QPointF along = b - a;
    const double length = std::hypot(along.x(), along.y());
    m_p.setPen(pen(kInk, kThinPen));
    m_p.drawLine(a, b);
    if (length > 0) {
        const QPointF u = along / length;
        const QPointF n(-u.y(), u.x());
        const double head = mm(2.2), half = mm(0.7);
        m_p.setBrush(kInk);
        m_p.setPen(Qt::NoPen);
        for (const auto &[tip, dir] : {std::pair{a, u}, std::pair{b, -u}}) {
            const QPointF base = tip + dir * head;
            m_p.drawPolygon(QPolygonF({tip, base + n * half, base - n * half}));
        }
        m_p.setBrush(Qt::NoBrush);
        // Extension ticks across the ends.
        m_p.setPen(pen(kInk, kThinPen));
        m_p.drawLine(a - n * mm(1.5), a + n * mm(1.5));
        m_p.drawLine(b - n * mm(1.5), b + n * mm(1.5));
    }
    if (label.isEmpty())
        return;
    // The text sits beside the middle of the line, turned with it when it runs up the page.
    const QPointF middle = (a + b) / 2;
    const double w = m_metrics.width(label, Style::Small);
    m_p.save();
    m_p.translate(middle);
    if (std::fabs(along.y()) > std::fabs(along.x()))
        m_p.rotate(-90);
    text(-w / 2, -m_metrics.line(Style::Small) - mm(0.5), label, Style::Small);
    m_p.restore();
}

bool finite(const core::SketchShape &shape)
{
    return std::isfinite(shape.x1) && std::isfinite(shape.y1) &&
           (shape.kind == core::SketchShape::Kind::Text ||
            (std::isfinite(shape.x2) && std::isfinite(shape.y2)));
}

void PagePainter::sketch(const core::Sketch &sketch, const QRectF &area)
{
    // The extent of the shapes, in cm.
    double left = 0, top = 0, right = 0, bottom = 0;
    bool any = false;
    auto extend = [&](double x, double y) {
        if (!any) {
            left = right = x;
            top = bottom = y;
            any = true;
        }
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    };
    for (const core::SketchShape &shape : sketch.shapes) {
        if (!finite(shape))
            continue;
        extend(shape.x1, shape.y1);
        if (shape.kind != core::SketchShape::Kind::Text)
            extend(shape.x2, shape.y2);
    }
    if (!any)
        return;
    // A sketch of a single point (or a line) is drawn at one cm to the millimetre.
    const double spanX = right - left, spanY = bottom - top;
    const double scale = spanX < 1e-6 && spanY < 1e-6 ? mm(1)
                         : spanX < 1e-6               ? area.height() / spanY
                         : spanY < 1e-6               ? area.width() / spanX
                                        : std::min(area.width() / spanX, area.height() / spanY);
    if (!std::isfinite(scale) || scale <= 0)
        return;
    const QPointF origin(area.center().x() - (left + right) / 2 * scale,
                         area.center().y() - (top + bottom) / 2 * scale);
    auto at = [&](double x, double y) { return origin + QPointF(x * scale, y * scale); };
    auto rect = [&](const core::SketchShape &s) {
        return QRectF(at(s.x1, s.y1), at(s.x2, s.y2)).normalized();
    };

    std::vector<const core::SketchShape *> shapes;
    for (const core::SketchShape &shape : sketch.shapes)
        shapes.push_back(&shape);
    std::stable_sort(shapes.begin(), shapes.end(), [](const auto *a, const auto *b) {
        return drawOrder(a->kind) < drawOrder(b->kind);
    });

    using K = core::SketchShape::Kind;
    for (const core::SketchShape *shape : shapes) {
        if (!finite(*shape))
            continue; // a shape the run could not place is left out, never drawn at infinity
        const QRectF r = rect(*shape);
        switch (shape->kind) {
        case K::PlainConcrete: {
            m_p.save();
            m_p.setClipRect(r, Qt::IntersectClip);
            m_p.setPen(pen(kGrey, kThinPen));
            const double step = mm(2);
            for (double d = -r.height(); d < r.width(); d += step)
                m_p.drawLine(QPointF(r.left() + d, r.bottom()),
                             QPointF(r.left() + d + r.height(), r.top()));
            m_p.restore();
            m_p.setPen(pen(kInk, kPen));
            m_p.setBrush(Qt::NoBrush);
            m_p.drawRect(r);
            break;
        }
        case K::ReinforcedConcrete:
            m_p.setPen(pen(kInk, kThickPen));
            m_p.setBrush(Qt::white);
            m_p.drawRect(r);
            m_p.setBrush(Qt::NoBrush);
            break;
        case K::Column:
            m_p.setPen(pen(kInk, kPen));
            m_p.setBrush(QColor(0x40, 0x40, 0x40));
            m_p.drawRect(r);
            m_p.setBrush(Qt::NoBrush);
            break;
        case K::Wall:
            m_p.setPen(pen(kInk, kPen));
            m_p.setBrush(QColor(0xB0, 0xB0, 0xB0));
            m_p.drawRect(r);
            m_p.setBrush(Qt::NoBrush);
            break;
        case K::Beam:
            m_p.setPen(pen(kInk, kPen, Qt::DashLine));
            m_p.setBrush(Qt::NoBrush);
            m_p.drawRect(r);
            break;
        case K::Bars: {
            const QPointF a = at(shape->x1, shape->y1), b = at(shape->x2, shape->y2);
            m_p.setPen(pen(kBarColour, kThickPen));
            m_p.drawLine(a, b);
            if (!shape->text.empty()) {
                const QString label = qs(shape->text);
                const QPointF middle = (a + b) / 2;
                text(middle.x() - m_metrics.width(label, Style::Small) / 2,
                     middle.y() - m_metrics.line(Style::Small) - mm(0.6), label, Style::Small,
                     kBarColour);
            }
            break;
        }
        case K::Dimension:
            dimension(at(shape->x1, shape->y1), at(shape->x2, shape->y2), qs(shape->text));
            break;
        case K::Text: {
            const QPointF p = at(shape->x1, shape->y1);
            text(p.x(), p.y(), qs(shape->text), Style::Small);
            break;
        }
        }
    }
}

void PagePainter::page(int index)
{
    titleBlock();
    for (const Placed &placed : m_l.pages[static_cast<std::size_t>(index)]) {
        m_p.save();
        m_p.translate(0, m_l.body.top());
        piece(m_l.pieces[placed.piece], placed.y);
        m_p.restore();
    }
    footer(index);
}

} // namespace

QPageLayout reportPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

int reportPageCount(const report::Report &report, const QPageLayout &layout)
{
    return static_cast<int>(layOut(report, layout).pages.size());
}

namespace {

void paintLaidOut(QPainter &painter, const report::Report &report, const Layout &layout, int page,
                  const QRectF &paintRect, Numbering numbering = {})
{
    if (!painter.isActive() || page < 0 || static_cast<std::size_t>(page) >= layout.pages.size())
        return;
    const double scale = std::min(paintRect.width() / layout.page.width(),
                                  paintRect.height() / layout.page.height());
    if (!(scale > 0) || !std::isfinite(scale))
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(paintRect.center());
    painter.scale(scale, scale);
    painter.translate(-layout.page.width() / 2, -layout.page.height() / 2);
    PagePainter(painter, report, layout, numbering).page(page);
    painter.restore();
}

// A document of one or more laid-out parts, numbered through: a report, or a project's
// schedule followed by the reports of its footings.
struct Part {
    const report::Report *report; // the title's version for the footer, and the sketches
    QPageLayout pageLayout;
    Layout layout;
};

struct Document {
    report::Report scheduleSheet; // what the schedule's pages are painted from
    std::vector<Part> parts;

    int pageCount() const
    {
        int pages = 0;
        for (const Part &part : parts)
            pages += static_cast<int>(part.layout.pages.size());
        return pages;
    }

    // The part that holds page `page` of the whole document, and the number of the pages
    // before that part; nullptr past the end.
    const Part *partOf(int page, int &first) const
    {
        first = 0;
        for (const Part &part : parts) {
            const int pages = static_cast<int>(part.layout.pages.size());
            if (page >= first && page < first + pages)
                return &part;
            first += pages;
        }
        return nullptr;
    }

    // Paints page `page` of the whole document.
    void paint(QPainter &painter, int page, const QRectF &paintRect) const
    {
        int first = 0;
        if (const Part *part = partOf(page, first))
            paintLaidOut(painter, *part->report, part->layout, page - first, paintRect,
                         {first, pageCount()});
    }
};

Document reportDocument(const report::Report &report, const QPageLayout &pageLayout)
{
    Document document;
    document.parts.push_back({&report, pageLayout, layOut(report, pageLayout)});
    return document;
}

// The schedule first, across an A4 sheet turned to landscape (its columns need the width),
// then the report of each footing designed. The parts point into `project` and into the
// document itself, which must stay where it is made.
std::unique_ptr<Document> projectDocument(const project::ProjectReport &project,
                                          const QPageLayout &pageLayout)
{
    auto document = std::make_unique<Document>();
    document->scheduleSheet.title = project.title;
    QPageLayout across = pageLayout;
    across.setOrientation(QPageLayout::Landscape);
    document->parts.push_back({&document->scheduleSheet, across,
                               layOutBlocks(project::scheduleDocument(project),
                                            project::scheduleTitleFields(project), across)});
    for (const report::Report &report : project.reports)
        document->parts.push_back({&report, pageLayout, layOut(report, pageLayout)});
    return document;
}

// Paints every page of the document on a printer or a PDF writer, a new sheet for each, each
// part on its own page layout.
bool paintDocument(QPagedPaintDevice &device, const Document &document)
{
    if (document.parts.empty())
        return true;
    auto turnTo = [&device](const QPageLayout &layout) {
        return device.pageLayout().isEquivalentTo(layout) || device.setPageLayout(layout);
    };
    if (!turnTo(document.parts.front().pageLayout))
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int page = 0; page < document.pageCount(); ++page) {
        int first = 0;
        const Part *part = document.partOf(page, first);
        // A new layout applies from the next sheet on.
        if (page > 0 && (!turnTo(part->pageLayout) || !device.newPage())) {
            painter.end();
            return false;
        }
        const QRectF paintRect(QPointF(0, 0),
                               part->pageLayout.paintRectPixels(device.logicalDpiX()).size());
        paintLaidOut(painter, *part->report, part->layout, page - first, paintRect,
                     {first, document.pageCount()});
    }
    return painter.end();
}

// Writes the document as an A4 PDF through a temporary file and a rename; see writeReportPdf.
bool writePdf(const Document &document, const QString &path, const std::string &title,
              const std::string &version, QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(info.absoluteFilePath());
    const QString folder = QDir::toNativeSeparators(info.absolutePath());
    if (path.isEmpty())
        return fail(QStringLiteral("No file name was given for the report."));
    const QFileInfo parent(info.absolutePath());
    if (parent.exists() && !parent.isDir())
        return fail(QStringLiteral("The report was not written: %1 is not a folder.").arg(folder));
    if (!parent.isDir())
        return fail(QStringLiteral("The report was not written: the folder %1 does not exist.")
                        .arg(folder));
    if (info.isDir())
        return fail(QStringLiteral("The report was not written: %1 is a folder.").arg(shown));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("The report was not written: the folder %1 cannot be written "
                                   "to (%2).")
                        .arg(folder, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setResolution(static_cast<int>(kDpi));
        writer.setPageLayout(reportPageLayout());
        writer.setTitle(qs(title));
        writer.setCreator(qs(std::string(report::kProgramName) + " " + version));
        if (!paintDocument(writer, document)) {
            file.cancelWriting();
            return fail(QStringLiteral("The report was not written: %1 could not be opened for "
                                       "drawing.")
                            .arg(shown));
        }
    }
    if (!file.commit())
        return fail(QStringLiteral("The report was not written completely to %1 (%2): is the "
                                   "disk full? Any earlier file of that name is unchanged.")
                        .arg(shown, file.errorString()));
    return true;
}

} // namespace

void paintReportPage(QPainter &painter, const report::Report &report, int page,
                     const QRectF &paintRect, const QPageLayout &layout)
{
    paintLaidOut(painter, report, layOut(report, layout), page, paintRect);
}

bool paintReport(QPagedPaintDevice &device, const report::Report &report)
{
    return paintDocument(device, reportDocument(report, device.pageLayout()));
}

bool writeReportPdf(const report::Report &report, const QString &path, QString *error)
{
    return writePdf(reportDocument(report, reportPageLayout()), path,
                    "Calculation report — " + report.title.window, report.title.version, error);
}

int schedulePageCount(const project::ProjectReport &project, const QPageLayout &layout)
{
    return static_cast<int>(projectDocument(project, layout)->parts.front().layout.pages.size());
}

QPageLayout projectReportPageLayout(const project::ProjectReport &project, int page,
                                    const QPageLayout &layout)
{
    const auto document = projectDocument(project, layout);
    int first = 0;
    const Part *part = document->partOf(page, first);
    return part ? part->pageLayout : layout;
}

int projectReportPageCount(const project::ProjectReport &project, const QPageLayout &layout)
{
    return projectDocument(project, layout)->pageCount();
}

void paintProjectReportPage(QPainter &painter, const project::ProjectReport &project, int page,
                            const QRectF &paintRect, const QPageLayout &layout)
{
    projectDocument(project, layout)->paint(painter, page, paintRect);
}

bool writeProjectReportPdf(const project::ProjectReport &project, const QString &path,
                           QString *error)
{
    return writePdf(*projectDocument(project, reportPageLayout()), path,
                    "Footing schedule and calculation reports — " + project.title.project,
                    project.title.version, error);
}

QImage reportPageImage(const report::Report &report, int page, double dpi)
{
    const QPageLayout layout = reportPageLayout();
    const int resolution = std::max(1, static_cast<int>(std::lround(dpi)));
    const QSize size = layout.fullRectPixels(resolution).size();
    QImage image(size, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintReportPage(painter, report, page, QRectF(layout.paintRectPixels(resolution)), layout);
    return image;
}

} // namespace ui

#include "app/printed_text.h"

#include "widgets/form.h"
#include "widgets/painting.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace app {

namespace {

// Points to pixels at the 96 dpi every twip measure of the program assumes.
constexpr double kPixelsPerPoint = 96.0 / 72.0;
constexpr double kMinimumSpacing = 1.25;

} // namespace

PrintSurface::PrintSurface(ui::Form &form)
    : QWidget(&form), m_font(core::fonts::regular),
      m_colour(form.palette().color(QPalette::WindowText))
{
    setObjectName(QStringLiteral("printedText"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(form.rect());
    lower(); // the window's surface: every control lies on top of it
}

void PrintSurface::setFontSize(double points)
{
    m_font.points = points;
}

void PrintSurface::setBold(bool on)
{
    m_font.bold = on;
}

void PrintSurface::setUnderline(bool on)
{
    m_font.underline = on;
}

void PrintSurface::setColour(const QColor &colour)
{
    m_colour = colour;
}

QColor PrintSurface::buttonTextColour() const
{
    return palette().color(QPalette::ButtonText);
}

double PrintSurface::lineHeight(const core::Font &font)
{
    const QFontMetricsF metrics(ui::toQFont(font));
    return std::max(metrics.lineSpacing(), kMinimumSpacing * font.points * kPixelsPerPoint);
}

double PrintSurface::lineHeight() const
{
    return lineHeight(m_font);
}

void PrintSurface::print(const QString &text)
{
    const double height = lineHeight();
    m_lines.push_back({text, m_font, m_colour, m_y, height});
    m_y += height;
    if (!text.isEmpty())
        update(QRectF(0, m_lines.back().top, width(), height).toAlignedRect());
}

void PrintSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF dirty = event->rect();
    paintLines(painter, dirty.top(), dirty.bottom());
}

void PrintSurface::paintOn(QPainter &painter) const
{
    painter.save();
    paintLines(painter, 0, height());
    painter.restore();
}

void PrintSurface::paintLines(QPainter &painter, double top, double bottom) const
{
    for (const PrintedLine &line : m_lines) {
        if (line.text.isEmpty() || line.top > bottom + 1 || line.top + line.height < top)
            continue;
        const QFont font = ui::toQFont(line.font);
        const QFontMetricsF metrics(font);
        // The text sits in the middle of its line band.
        const double baseline = line.top + (line.height - metrics.height()) / 2 + metrics.ascent();
        painter.setFont(font);
        painter.setPen(line.colour);
        painter.drawText(QPointF(0, baseline), line.text);
    }
}

} // namespace app

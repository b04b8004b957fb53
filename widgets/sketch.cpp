#include "widgets/sketch.h"

#include "widgets/painting.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>
#include <vector>

namespace ui {

void Sketch::line(QPointF from, QPointF to, const QColor &colour, double widthPx,
                  Qt::PenStyle style)
{
    m_painter.setPen(cosmeticPen(colour, widthPx, style));
    m_painter.drawLine(from, to);
}

void Sketch::polyline(std::initializer_list<QPointF> points, const QColor &colour, double widthPx,
                      Qt::PenStyle style)
{
    m_painter.setPen(cosmeticPen(colour, widthPx, style));
    const std::vector<QPointF> list(points);
    m_painter.drawPolyline(list.data(), static_cast<int>(list.size()));
}

void Sketch::polygon(std::initializer_list<QPointF> points, const QColor &border,
                     const QColor &fill)
{
    const std::vector<QPointF> list(points);
    m_painter.setPen(border.isValid() ? cosmeticPen(border) : QPen(Qt::NoPen));
    m_painter.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
    m_painter.drawPolygon(list.data(), static_cast<int>(list.size()));
    m_painter.setBrush(Qt::NoBrush);
}

void Sketch::box(const QRectF &rect, const QColor &border, const QColor &back, core::Fill hatch,
                 const QColor &hatchColour, double widthPx)
{
    if (back.isValid())
        m_painter.fillRect(rect, back);
    QPainterPath area;
    area.addRect(rect);
    drawHatch(m_painter, area, hatch, hatchColour, 90.0);
    if (border.isValid()) {
        m_painter.setPen(cosmeticPen(border, widthPx));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(rect);
    }
}

void Sketch::ellipse(const QRectF &rect, const QColor &border, const QColor &back, double widthPx)
{
    m_painter.setPen(border.isValid() ? cosmeticPen(border, widthPx) : QPen(Qt::NoPen));
    m_painter.setBrush(back.isValid() ? QBrush(back) : QBrush(Qt::NoBrush));
    m_painter.drawEllipse(rect);
    m_painter.setBrush(Qt::NoBrush);
}

void Sketch::text(const QRectF &rect, const QString &text, const QColor &colour,
                  const core::Font &font, Qt::Alignment align)
{
    // Fonts are sized in points for the screen; the painter works in twips, so draw the text
    // at pixel scale around the box's corner.
    m_painter.save();
    m_painter.translate(rect.topLeft());
    m_painter.scale(core::kTwipsPerPixel, core::kTwipsPerPixel);
    m_painter.setFont(toQFont(font));
    m_painter.setPen(colour);
    const QRectF pixels(0, 0, rect.width() / core::kTwipsPerPixel,
                        rect.height() / core::kTwipsPerPixel);
    m_painter.drawText(pixels, static_cast<int>(align) | Qt::TextDontClip, text);
    m_painter.restore();
}

void Sketch::arrow(QPointF from, QPointF to, const QColor &colour, double widthPx)
{
    line(from, to, colour, widthPx);
    const double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
    const double head = 90.0;
    const double spread = 0.45;
    const QPointF left(to.x() - head * std::cos(angle - spread),
                       to.y() - head * std::sin(angle - spread));
    const QPointF right(to.x() - head * std::cos(angle + spread),
                        to.y() - head * std::sin(angle + spread));
    polygon({to, left, right}, colour, colour);
}

void Sketch::momentArrow(QPointF centre, double radius, double startDeg, double spanDeg,
                         const QColor &colour)
{
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    m_painter.setPen(cosmeticPen(colour, 1.5));
    m_painter.drawArc(circle, static_cast<int>(startDeg * 16), static_cast<int>(spanDeg * 16));
    const double end = (startDeg + spanDeg) * std::numbers::pi / 180.0;
    const QPointF tip(centre.x() + radius * std::cos(end), centre.y() - radius * std::sin(end));
    // Tangent direction at the end of the arc, following the sweep.
    const double sign = spanDeg >= 0 ? 1.0 : -1.0;
    const QPointF tangent(-std::sin(end) * sign, -std::cos(end) * sign);
    const QPointF back = tip - tangent * 80.0;
    const QPointF normal(tangent.y(), -tangent.x());
    polygon({tip, back + normal * 40.0, back - normal * 40.0}, colour, colour);
}

void Sketch::concrete(const QRectF &rect, const QColor &border)
{
    m_painter.fillRect(rect, QColor(0xE8, 0xE8, 0xE0));
    m_painter.setPen(cosmeticPen(QColor(0x90, 0x90, 0x88)));
    // Aggregate marks at fixed, irregular-looking places, scaled to the rectangle.
    static constexpr double marks[][2] = {{0.08, 0.3},  {0.21, 0.7},  {0.33, 0.25}, {0.46, 0.62},
                                          {0.58, 0.35}, {0.71, 0.75}, {0.83, 0.28}, {0.94, 0.6},
                                          {0.14, 0.52}, {0.52, 0.15}, {0.66, 0.55}, {0.9, 0.85}};
    for (const auto &mark : marks) {
        const QPointF p(rect.left() + mark[0] * rect.width(), rect.top() + mark[1] * rect.height());
        m_painter.drawEllipse(p, 12.0, 12.0);
    }
    m_painter.setPen(cosmeticPen(border));
    m_painter.drawRect(rect);
}

void Sketch::plainConcrete(const QRectF &rect)
{
    m_painter.fillRect(rect, QColor(0xB8, 0xB8, 0xB8));
    m_painter.setPen(cosmeticPen(Qt::black));
    m_painter.drawRect(rect);
}

void Sketch::soil(const QRectF &rect, const QColor &colour)
{
    m_painter.setPen(cosmeticPen(colour));
    for (double x = rect.left(); x < rect.right(); x += 120.0)
        m_painter.drawLine(QPointF(x, rect.top() + 80.0), QPointF(x + 80.0, rect.top()));
}

void Sketch::column(const QRectF &rect, const QColor &colour)
{
    box(rect, colour, QColor(0xF4, 0xF4, 0xF4), core::Fill::DiagonalCross,
        QColor(0x70, 0x70, 0x70));
}

void Sketch::barDots(double x1, double x2, double y, int count, double radius, const QColor &colour)
{
    if (count < 1)
        return;
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(colour);
    for (int i = 0; i < count; ++i) {
        const double x = count == 1 ? (x1 + x2) / 2 : x1 + (x2 - x1) * i / (count - 1);
        m_painter.drawEllipse(QPointF(x, y), radius, radius);
    }
    m_painter.setBrush(Qt::NoBrush);
}

void Sketch::pressure(double x1, double x2, double y, double h1, double h2, const QColor &colour)
{
    polygon({{x1, y}, {x2, y}, {x2, y + h2}, {x1, y + h1}}, colour, QColor());
    const int arrows = std::max(2, static_cast<int>(std::abs(x2 - x1) / 260.0));
    for (int i = 0; i <= arrows; ++i) {
        const double t = double(i) / arrows;
        const double x = x1 + (x2 - x1) * t;
        const double h = h1 + (h2 - h1) * t;
        if (std::abs(h) > 60.0)
            arrow(QPointF(x, y + h), QPointF(x, y), colour, 1.0);
    }
}

void Sketch::leaderWithPhi(std::initializer_list<QPointF> points, double strokeLength,
                           const QColor &colour)
{
    const std::vector<QPointF> list(points);
    if (list.empty())
        return;
    polyline(points, colour, 1.0);
    const QPointF end = list.back();
    line(QPointF(end.x() - strokeLength / 2, end.y()), QPointF(end.x() + strokeLength / 2, end.y()),
         colour, 1.0);
    text(QRectF(end.x() - 150, end.y() - 240, 300, 240), kPhi, colour, core::fonts::bold,
         Qt::AlignHCenter | Qt::AlignBottom);
}

void Sketch::block(const QRectF &front, QPointF depth, const QColor &face, const QColor &top,
                   const QColor &side, const QColor &edge)
{
    polygon({front.topLeft(), front.topLeft() + depth, front.topRight() + depth, front.topRight()},
            edge, top);
    polygon({front.topRight(), front.topRight() + depth, front.bottomRight() + depth,
             front.bottomRight()},
            edge, side);
    m_painter.fillRect(front, face);
    m_painter.setPen(cosmeticPen(edge));
    m_painter.drawRect(front);
}

} // namespace ui

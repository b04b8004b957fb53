#pragma once

#include "core/control_table.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <initializer_list>

class QPainter;

namespace ui {

// Drawing vocabulary of the footing sketches. Coordinates are twips of the picture box (the
// painter of a PictureBox drawing is already in twips); line widths are device pixels, so
// the drawings stay sharp on screen and on paper.
class Sketch
{
public:
    explicit Sketch(QPainter &painter) : m_painter(painter) {}

    QPainter &painter() { return m_painter; }

    void line(QPointF from, QPointF to, const QColor &colour, double widthPx = 1.0,
              Qt::PenStyle style = Qt::SolidLine);
    void polyline(std::initializer_list<QPointF> points, const QColor &colour, double widthPx = 1.0,
                  Qt::PenStyle style = Qt::SolidLine);
    void polygon(std::initializer_list<QPointF> points, const QColor &border, const QColor &fill);
    // A rectangle with an optional solid background and hatch.
    void box(const QRectF &rect, const QColor &border, const QColor &back = QColor(),
             core::Fill hatch = core::Fill::None, const QColor &hatchColour = Qt::black,
             double widthPx = 1.0);
    void ellipse(const QRectF &rect, const QColor &border, const QColor &back = QColor(),
                 double widthPx = 1.0);
    // Text whose box is given in twips, aligned inside it.
    void text(const QRectF &rect, const QString &text, const QColor &colour, const core::Font &font,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);

    // A straight arrow with a filled head at `to` (loads, pressures).
    void arrow(QPointF from, QPointF to, const QColor &colour, double widthPx = 1.5);
    // A curved moment arrow around `centre`, from angle `startDeg` sweeping `spanDeg`.
    void momentArrow(QPointF centre, double radius, double startDeg, double spanDeg,
                     const QColor &colour);
    // Concrete in section: a light fill with scattered aggregate marks.
    void concrete(const QRectF &rect, const QColor &border = Qt::black);
    // Plain concrete blinding: a grey band.
    void plainConcrete(const QRectF &rect);
    // Natural soil under a footing: short slanted strokes along the top edge of `rect`.
    void soil(const QRectF &rect, const QColor &colour = QColor(0x80, 0x50, 0x20));
    // A column or wall cut in elevation: outline and cross-hatch.
    void column(const QRectF &rect, const QColor &colour = Qt::black);
    // A row of bars seen end-on: `count` dots between x1 and x2 at height y.
    void barDots(double x1, double x2, double y, int count, double radius, const QColor &colour);
    // A soil-pressure diagram below a footing: from (x1, y) to (x2, y), ordinates h1 and h2
    // downwards, with arrows pointing up at the footing.
    void pressure(double x1, double x2, double y, double h1, double h2, const QColor &colour);
    // A leader: a line through the points, ending in a short horizontal stroke that carries
    // the bar symbol at its middle.
    void leaderWithPhi(std::initializer_list<QPointF> points, double strokeLength,
                       const QColor &colour);
    // A box in three-quarter view: front face `front`, depth offset `depth`.
    void block(const QRectF &front, QPointF depth, const QColor &face, const QColor &top,
               const QColor &side, const QColor &edge = Qt::black);

private:
    QPainter &m_painter;
};

// The bar symbol of the drawings.
inline const QString kPhi = QStringLiteral("\u03A6");

} // namespace ui

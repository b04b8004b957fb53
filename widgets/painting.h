#pragma once

#include "core/control_table.h"

#include <QColor>
#include <QFont>
#include <QPen>

class QPainter;
class QPainterPath;
class QRectF;

namespace ui {

QColor toQColor(std::uint32_t rgb);
QColor toQColor(core::Colour colour, const QColor &fallback);

// The designed "MS Sans Serif" at its size and style, realised by a sans-serif face with
// Arabic coverage.
QFont toQFont(const core::Font &font);

// A pen whose width is in device pixels whatever the painter's scale, so twip drawings keep
// hairlines sharp on screen and on paper.
QPen cosmeticPen(const QColor &colour, double widthPx = 1.0, Qt::PenStyle style = Qt::SolidLine);
Qt::PenStyle toPenStyle(core::Pen pen);

// Hatches an area with lines drawn as vectors (spacing in the painter's units).
void drawHatch(QPainter &painter, const QPainterPath &area, core::Fill fill, const QColor &colour,
               double spacing);

// Sets the painter to twips: one unit is one twip, the origin unchanged.
void useTwips(QPainter &painter);

} // namespace ui

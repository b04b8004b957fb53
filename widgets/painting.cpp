#include "widgets/painting.h"

#include <QPainter>
#include <QPainterPath>

namespace ui {

QColor toQColor(std::uint32_t rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb & 0xFFFFFFu) | 0xFF000000u);
}

QColor toQColor(core::Colour colour, const QColor &fallback)
{
    return colour.isSet ? toQColor(colour.rgb) : fallback;
}

QFont toQFont(const core::Font &font)
{
    QFont qfont;
    qfont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                       QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    qfont.setStyleHint(QFont::SansSerif);
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    return qfont;
}

QPen cosmeticPen(const QColor &colour, double widthPx, Qt::PenStyle style)
{
    QPen pen(colour, widthPx, style, Qt::FlatCap, Qt::MiterJoin);
    pen.setCosmetic(true);
    return pen;
}

Qt::PenStyle toPenStyle(core::Pen pen)
{
    switch (pen) {
    case core::Pen::Solid:
        return Qt::SolidLine;
    case core::Pen::Dash:
        return Qt::DashLine;
    case core::Pen::Dot:
        return Qt::DotLine;
    case core::Pen::None:
        return Qt::NoPen;
    }
    return Qt::SolidLine;
}

void drawHatch(QPainter &painter, const QPainterPath &area, core::Fill fill, const QColor &colour,
               double spacing)
{
    if (fill == core::Fill::None)
        return;
    painter.save();
    if (fill == core::Fill::Solid) {
        painter.fillPath(area, colour);
        painter.restore();
        return;
    }
    painter.setClipPath(area, Qt::IntersectClip);
    painter.setPen(cosmeticPen(colour));
    const QRectF box = area.boundingRect();
    const double span = box.width() + box.height();
    const bool down = fill == core::Fill::DownwardDiagonal || fill == core::Fill::DiagonalCross;
    const bool up = fill == core::Fill::UpwardDiagonal || fill == core::Fill::DiagonalCross;
    const bool horizontal = fill == core::Fill::Horizontal || fill == core::Fill::Cross;
    const bool vertical = fill == core::Fill::Vertical || fill == core::Fill::Cross;
    for (double offset = 0; offset <= span; offset += spacing) {
        if (down) // "\" lines, falling to the right
            painter.drawLine(QPointF(box.left() + offset - box.height(), box.top()),
                             QPointF(box.left() + offset, box.bottom()));
        if (up) // "/" lines, rising to the right
            painter.drawLine(QPointF(box.left() + offset - box.height(), box.bottom()),
                             QPointF(box.left() + offset, box.top()));
        if (horizontal && offset <= box.height())
            painter.drawLine(QPointF(box.left(), box.top() + offset),
                             QPointF(box.right(), box.top() + offset));
        if (vertical && offset <= box.width())
            painter.drawLine(QPointF(box.left() + offset, box.top()),
                             QPointF(box.left() + offset, box.bottom()));
    }
    painter.restore();
}

void useTwips(QPainter &painter)
{
    painter.scale(1.0 / core::kTwipsPerPixel, 1.0 / core::kTwipsPerPixel);
}

} // namespace ui

#include "widgets/page_painter.h"

#include "widgets/controls.h"
#include "widgets/painting.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <algorithm>

namespace ui {

namespace {

// The grey of a control's outline on paper.
QColor outlineColour(const QWidget &widget)
{
    return widget.palette().color(QPalette::Dark);
}

// A one-pixel rectangle just inside `rect`.
void outline(QPainter &painter, const QRectF &rect, const QColor &colour)
{
    painter.setPen(cosmeticPen(colour));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
}

void paintText(QPainter &painter, const QRectF &rect, int flags, const QString &text,
               const QFont &font, const QColor &colour)
{
    if (text.isEmpty())
        return;
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
}

void paintLineEdit(QPainter &painter, const QLineEdit &edit)
{
    const QRectF box(edit.rect());
    painter.fillRect(box, edit.palette().brush(QPalette::Base));
    int frame = 0;
    if (edit.hasFrame()) {
        outline(painter, box, outlineColour(edit));
        frame = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit);
    }
    // The text sits where the field puts it: inside the frame, two pixels from its sides.
    const QRectF text = box.adjusted(frame + 2, frame, -frame - 2, -frame);
    const Qt::Alignment align = QStyle::visualAlignment(edit.layoutDirection(), edit.alignment());
    paintText(painter, text,
              static_cast<int>((align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter), edit.text(),
              edit.font(), edit.palette().color(QPalette::Text));
}

void paintButton(QPainter &painter, const QPushButton &button)
{
    const QRectF box(button.rect());
    painter.fillRect(box, button.palette().brush(QPalette::Button));
    outline(painter, box, outlineColour(button));
    paintText(painter, box, Qt::AlignCenter | Qt::TextShowMnemonic, button.text(), button.font(),
              button.palette().color(QPalette::ButtonText));
}

void paintList(QPainter &painter, const QComboBox &list)
{
    const QRectF box(list.rect());
    const QColor border = outlineColour(list);
    painter.fillRect(box, list.palette().brush(QPalette::Base));
    outline(painter, box, border);
    // The drop-down button: a square at the right end with its arrow.
    const double side = std::min(box.height(), 17.0);
    const QRectF arrowBox(box.right() - side, box.top(), side, box.height());
    painter.fillRect(arrowBox.adjusted(0, 1, -1, -1), list.palette().brush(QPalette::Button));
    painter.setPen(cosmeticPen(border));
    painter.drawLine(QPointF(arrowBox.left() + 0.5, box.top() + 1),
                     QPointF(arrowBox.left() + 0.5, box.bottom() - 1));
    const QPointF centre = arrowBox.center();
    QPainterPath arrow;
    arrow.moveTo(centre + QPointF(-3.5, -1.5));
    arrow.lineTo(centre + QPointF(3.5, -1.5));
    arrow.lineTo(centre + QPointF(0, 2.5));
    arrow.closeSubpath();
    painter.fillPath(arrow, list.palette().color(QPalette::ButtonText));
    paintText(painter,
              QRectF(box.left() + 4, box.top(), arrowBox.left() - box.left() - 6, box.height()),
              Qt::AlignLeft | Qt::AlignVCenter, list.currentText(), list.font(),
              list.palette().color(QPalette::Text));
}

void paintOption(QPainter &painter, const QRadioButton &option)
{
    const QRectF box(option.rect());
    const double side = std::min(13.0, box.height() - 1);
    const QRectF circle(box.left() + 1, box.center().y() - side / 2, side, side);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(cosmeticPen(outlineColour(option)));
    painter.setBrush(option.palette().brush(QPalette::Base));
    painter.drawEllipse(circle);
    if (option.isChecked()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(option.palette().color(QPalette::Text));
        painter.drawEllipse(circle.center(), side / 4, side / 4);
    }
    painter.restore();
    paintText(painter, box.adjusted(side + 5, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
              option.text(), option.font(), option.palette().color(QPalette::WindowText));
}

void paintTabs(QPainter &painter, const QTabBar &bar)
{
    const QColor border = outlineColour(bar);
    for (int i = 0; i < bar.count(); ++i) {
        const bool current = i == bar.currentIndex();
        // The current tab stands two pixels taller and opens into its page.
        const QRectF tab = QRectF(bar.tabRect(i)).adjusted(0, current ? 0 : 2, 0, 0);
        const QColor back = bar.palette().color(QPalette::Window);
        painter.fillRect(tab, current ? back : back.darker(106));
        painter.setPen(cosmeticPen(border));
        const QRectF edge = tab.adjusted(0.5, 0.5, -0.5, -0.5);
        painter.drawLine(edge.bottomLeft(), edge.topLeft());
        painter.drawLine(edge.topLeft(), edge.topRight());
        painter.drawLine(edge.topRight(), edge.bottomRight());
        if (!current)
            painter.drawLine(edge.bottomLeft(), edge.bottomRight());
        paintText(painter, tab, Qt::AlignCenter | Qt::TextShowMnemonic, bar.tabText(i), bar.font(),
                  bar.palette().color(QPalette::WindowText));
    }
}

void paintControl(QPainter &painter, const QWidget &widget);

void paintChildren(QPainter &painter, const QWidget &parent)
{
    for (const QObject *object : parent.children()) {
        const auto *child = qobject_cast<const QWidget *>(object);
        if (!child || child->isWindow() || !child->isVisibleTo(&parent))
            continue;
        painter.save();
        painter.translate(child->pos());
        painter.setClipRect(child->rect(), Qt::IntersectClip);
        paintControl(painter, *child);
        painter.restore();
    }
}

// One control and what it holds, in its own pixels.
void paintControl(QPainter &painter, const QWidget &widget)
{
    if (widget.autoFillBackground())
        painter.fillRect(widget.rect(), widget.palette().brush(widget.backgroundRole()));
    if (const auto *painted = dynamic_cast<const PagePainted *>(&widget)) {
        painted->paintOn(painter);
    } else if (const auto *caption = qobject_cast<const CaptionLabel *>(&widget)) {
        paintLabelText(painter, *caption, caption->textColour());
    } else if (const auto *label = qobject_cast<const QLabel *>(&widget)) {
        paintLabelText(painter, *label, label->palette().color(label->foregroundRole()));
    } else if (const auto *edit = qobject_cast<const QLineEdit *>(&widget)) {
        paintLineEdit(painter, *edit);
    } else if (const auto *button = qobject_cast<const QPushButton *>(&widget)) {
        paintButton(painter, *button);
    } else if (const auto *list = qobject_cast<const QComboBox *>(&widget)) {
        paintList(painter, *list);
        return; // its text field is part of the list's picture
    } else if (const auto *option = qobject_cast<const QRadioButton *>(&widget)) {
        paintOption(painter, *option);
    } else if (const auto *tabs = qobject_cast<const QTabBar *>(&widget)) {
        paintTabs(painter, *tabs);
        return; // no scroll buttons on paper
    }
    paintChildren(painter, widget);
}

void paintPlaced(QPainter &painter, const QWidget &client, QSizeF printable)
{
    const PagePlacement place = placeOnPage(client.size(), printable);
    painter.translate(place.origin);
    painter.scale(place.scale, place.scale);
    painter.setClipRect(client.rect(), Qt::IntersectClip);
    paintClientArea(painter, client);
}

bool paintOnDevice(const QWidget &client, QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The painter starts at the top-left corner of the printable area.
    paintPlaced(painter, client, device.pageLayout().paintRectPixels(kPageDpi).size());
    return painter.end();
}

} // namespace

PagePlacement placeOnPage(QSizeF client, QSizeF printable)
{
    if (client.isEmpty() || printable.isEmpty())
        return {};
    const double scale =
        std::min({1.0, printable.width() / client.width(), printable.height() / client.height()});
    return {scale, QPointF((printable.width() - client.width() * scale) / 2, 0)};
}

void paintClientArea(QPainter &painter, const QWidget &client)
{
    painter.save();
    painter.fillRect(client.rect(), client.palette().brush(QPalette::Window));
    paintControl(painter, client);
    painter.restore();
}

bool printPage(const QWidget &client, QPrinter &printer)
{
    printer.setResolution(kPageDpi);
    return paintOnDevice(client, printer);
}

bool printPage(const QWidget &client, QPagedPaintDevice &device)
{
    if (auto *printer = dynamic_cast<QPrinter *>(&device))
        return printPage(client, *printer);
    return paintOnDevice(client, device);
}

QImage pageImage(const QWidget &client, const QPageLayout &layout, int dpi)
{
    QImage image(layout.fullRectPixels(dpi).size(), QImage::Format_RGB32);
    const int dotsPerMetre = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(layout.paintRectPixels(dpi).topLeft());
    painter.scale(dpi / double(kPageDpi), dpi / double(kPageDpi));
    paintPlaced(painter, client, layout.paintRectPixels(kPageDpi).size());
    return image;
}

QPageLayout defaultPageLayout(QSizeF client)
{
    const QPageSize paper(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                              ? QPageSize::Letter
                              : QPageSize::A4);
    const QMarginsF margins(10, 10, 10, 10);
    const QPageLayout portrait(paper, QPageLayout::Portrait, margins, QPageLayout::Millimeter);
    const QPageLayout landscape(paper, QPageLayout::Landscape, margins, QPageLayout::Millimeter);
    const auto scaleOn = [&](const QPageLayout &layout) {
        return placeOnPage(client, layout.paintRectPixels(kPageDpi).size()).scale;
    };
    return scaleOn(landscape) > scaleOn(portrait) ? landscape : portrait;
}

} // namespace ui

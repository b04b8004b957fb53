#include "widgets/controls.h"

#include "widgets/painting.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadioButton>
#include <QTabBar>
#include <algorithm>

namespace ui {

// --- CaptionLabel ---------------------------------------------------------------------------

CaptionLabel::CaptionLabel(QWidget *parent) : QLabel(parent) {}

void CaptionLabel::setCaption(const QString &text)
{
    setText(text);
    if (m_autoSize)
        adjustSize();
}

void CaptionLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept(); // a click on a caption is the caption's, not its picture's
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

// --- FrameBox -------------------------------------------------------------------------------

FrameBox::FrameBox(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
}

void FrameBox::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void FrameBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int lineY = metrics.height() / 2;
    const QRect box = rect().adjusted(0, lineY, -1, -1);
    // Etched border: a dark line with a light line beside it.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.adjusted(1, 1, 0, 0));
    if (m_caption.isEmpty())
        return;
    const int textWidth = metrics.horizontalAdvance(m_caption);
    const QRect textBox(8, 0, std::min(textWidth + 2, width() - 10), metrics.height());
    painter.fillRect(textBox, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textBox.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, m_caption);
}

// --- PictureBox -----------------------------------------------------------------------------

PictureBox::PictureBox(bool border, QWidget *parent) : QFrame(parent)
{
    setAutoFillBackground(true);
    if (border) {
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Sunken);
        setLineWidth(2);
    }
}

void PictureBox::setDrawing(Drawing drawing)
{
    m_drawing = std::move(drawing);
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    if (m_drawing) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipRect(contentsRect());
        painter.translate(contentOffset(), contentOffset());
        useTwips(painter);
        m_drawing(painter);
    }
    QFrame::paintEvent(event); // the border on top of the drawing
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

// --- ShapeControl ---------------------------------------------------------------------------

ShapeControl::ShapeControl(const core::Control &row, QWidget *parent) : QWidget(parent), m_row(row)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (row.kind == core::Kind::Line) {
        const QPointF a(row.left / double(core::kTwipsPerPixel),
                        row.top / double(core::kTwipsPerPixel));
        const QPointF b(row.width / double(core::kTwipsPerPixel),
                        row.height / double(core::kTwipsPerPixel));
        const double margin = row.penWidth + 1;
        const QPointF corner(std::min(a.x(), b.x()) - margin, std::min(a.y(), b.y()) - margin);
        m_from = a - corner;
        m_to = b - corner;
        setGeometry(QRectF(corner, QSizeF(std::abs(a.x() - b.x()) + 2 * margin,
                                          std::abs(a.y() - b.y()) + 2 * margin))
                        .toAlignedRect());
    }
}

void ShapeControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor lineColour = toQColor(m_row.fore, Qt::black);
    QPen pen = cosmeticPen(lineColour, m_row.penWidth, toPenStyle(m_row.pen));
    if (m_row.kind == core::Kind::Line) {
        painter.setPen(pen);
        painter.drawLine(m_from, m_to);
        return;
    }
    const double inset = m_row.penWidth / 2.0;
    const QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    QPainterPath area;
    if (m_row.kind == core::Kind::Ellipse)
        area.addEllipse(box);
    else
        area.addRect(box);
    if (m_row.back.isSet)
        painter.fillPath(area, toQColor(m_row.back.rgb));
    drawHatch(painter, area, m_row.fill, toQColor(m_row.fillColour, Qt::black), 6.0);
    painter.setRenderHint(QPainter::Antialiasing, m_row.kind == core::Kind::Ellipse);
    painter.setPen(pen);
    painter.drawPath(area);
}

// --- TabControl -----------------------------------------------------------------------------

TabControl::TabControl(const QStringList &captions, const core::Font &font, QWidget *parent)
    : QWidget(parent), m_bar(new QTabBar(this))
{
    m_bar->setFont(toQFont(font));
    m_bar->setExpanding(true);
    m_bar->setDrawBase(false);
    m_bar->setUsesScrollButtons(false);
    m_bar->setElideMode(Qt::ElideNone);
    for (const QString &caption : captions) {
        m_bar->addTab(caption);
        auto *page = new QWidget(this);
        m_pages.push_back(page);
    }
    m_bar->raise();
    connect(m_bar, &QTabBar::currentChanged, this, [this](int index) {
        showPage(index);
        emit currentChanged(index);
    });
    showPage(m_bar->currentIndex());
}

QWidget *TabControl::page(int index) const
{
    return index >= 0 && index < pageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

int TabControl::currentIndex() const
{
    return m_bar->currentIndex();
}

void TabControl::setCurrentIndex(int index)
{
    m_bar->setCurrentIndex(index);
    showPage(index);
}

void TabControl::showPage(int index)
{
    for (int i = 0; i < pageCount(); ++i)
        m_pages[static_cast<size_t>(i)]->setVisible(i == index);
}

void TabControl::resizeEvent(QResizeEvent *)
{
    m_bar->setGeometry(0, 0, width(), m_bar->sizeHint().height());
    for (QWidget *page : m_pages)
        page->setGeometry(rect());
}

void TabControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int top = m_bar->height() - 1;
    const QRect body = rect().adjusted(0, top, -1, -1);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(body.topLeft(), body.bottomLeft());
    painter.drawLine(body.topLeft(), body.topRight());
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawLine(body.bottomLeft(), body.bottomRight());
    painter.drawLine(body.topRight(), body.bottomRight());
}

// --- uniform access -------------------------------------------------------------------------

QString captionOf(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *frame = qobject_cast<const FrameBox *>(control))
        return frame->caption();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    return inputText(control);
}

void setCaption(QWidget *control, const QString &text)
{
    if (auto *caption = qobject_cast<CaptionLabel *>(control))
        caption->setCaption(text);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto *frame = qobject_cast<FrameBox *>(control))
        frame->setCaption(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(text);
    else
        setInputText(control, text);
}

QString inputText(const QWidget *control)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (const auto *option = qobject_cast<const QRadioButton *>(control))
        return QString::fromUtf8(option->isChecked() ? core::kSelected.data()
                                                     : core::kCleared.data());
    return {};
}

void setInputText(QWidget *control, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->setText(text);
    else if (auto *combo = qobject_cast<QComboBox *>(control))
        combo->setEditText(text);
    else if (auto *option = qobject_cast<QRadioButton *>(control))
        selectOption(option, text == QLatin1String(core::kSelected.data()));
}

void selectOption(QRadioButton *option, bool selected)
{
    if (selected || !option->isChecked()) {
        option->setChecked(selected);
        return;
    }
    // An exclusive option is cleared by selecting another of its group.
    for (auto *other : option->parentWidget()->findChildren<QRadioButton *>(
             QString(), Qt::FindDirectChildrenOnly)) {
        if (other != option) {
            other->setChecked(true);
            return;
        }
    }
}

void setColours(QWidget *control, const QColor &back, const QColor &fore)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::WindowText, fore);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

QColor backColour(const QWidget *control)
{
    return control->palette().color(QPalette::Window);
}

QColor foreColour(const QWidget *control)
{
    return control->palette().color(QPalette::WindowText);
}

} // namespace ui

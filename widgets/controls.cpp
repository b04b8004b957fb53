#include "widgets/controls.h"

#include "widgets/painting.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>
#include <QTabBar>
#include <algorithm>

namespace ui {

namespace {

// Out-of-date results: readable on every background the windows use, plainly not current.
const QColor kStaleText(0x60, 0x60, 0x60);

} // namespace

// --- CaptionLabel ---------------------------------------------------------------------------

CaptionLabel::CaptionLabel(QWidget *parent) : QLabel(parent) {}

void CaptionLabel::setCaption(const QString &text)
{
    setText(text);
    if (m_autoSize)
        adjustSize();
}

void CaptionLabel::setStale(bool stale)
{
    if (m_stale == stale)
        return;
    m_stale = stale;
    update();
}

QColor CaptionLabel::textColour() const
{
    return m_stale ? kStaleText : palette().color(foregroundRole());
}

void CaptionLabel::paintEvent(QPaintEvent *event)
{
    if (!m_stale) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    paintLabelText(painter, *this, textColour());
}

void paintLabelText(QPainter &painter, const QLabel &label, const QColor &colour)
{
    const QString text = label.text();
    if (text.isEmpty())
        return;
    // As the label itself aligns: a right-to-left caption mirrors its alignment.
    int flags = static_cast<int>(QStyle::visualAlignment(
        text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight, label.alignment()));
    if (label.wordWrap())
        flags |= Qt::TextWordWrap;
    painter.save();
    painter.setFont(label.font());
    painter.setPen(colour);
    painter.drawText(label.contentsRect(), flags, text);
    painter.restore();
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
    paintOn(painter);
}

void FrameBox::paintOn(QPainter &painter) const
{
    painter.save();
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const int lineY = metrics.height() / 2;
    const QRect box = rect().adjusted(0, lineY, -1, -1);
    // Etched border: a dark line with a light line beside it.
    painter.setPen(cosmeticPen(palette().color(QPalette::Dark)));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(cosmeticPen(palette().color(QPalette::Light)));
    painter.drawRect(box.adjusted(1, 1, 0, 0));
    if (!m_caption.isEmpty()) {
        const int textWidth = metrics.horizontalAdvance(m_caption);
        const QRect textBox(8, 0, std::min(textWidth + 2, width() - 10), metrics.height());
        painter.fillRect(textBox, palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(textBox.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, m_caption);
    }
    painter.restore();
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

void PictureBox::setChoosable(bool choosable)
{
    m_choosable = choosable;
    setFocusPolicy(choosable ? Qt::StrongFocus : Qt::NoFocus);
}

void PictureBox::paintDrawing(QPainter &painter) const
{
    if (!m_drawing)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(contentsRect(), Qt::IntersectClip);
    painter.translate(contentOffset(), contentOffset());
    useTwips(painter);
    m_drawing(painter);
    painter.restore();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        paintDrawing(painter);
    }
    QFrame::paintEvent(event); // the border on top of the drawing
    if (m_choosable && hasFocus()) {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(contentsRect()).adjusted(1, 1, -1, -1));
    }
}

void PictureBox::paintOn(QPainter &painter) const
{
    paintDrawing(painter);
    if (frameShape() == QFrame::NoFrame || lineWidth() <= 0)
        return;
    // The sunken border: dark above and on the left, light below and on the right, one
    // device pixel a line.
    painter.save();
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    for (int i = 0; i < lineWidth(); ++i) {
        const QRectF r = outer.adjusted(i, i, -i, -i);
        painter.setPen(cosmeticPen(palette().color(QPalette::Dark)));
        painter.drawLine(r.bottomLeft(), r.topLeft());
        painter.drawLine(r.topLeft(), r.topRight());
        painter.setPen(cosmeticPen(palette().color(QPalette::Light)));
        painter.drawLine(r.topRight(), r.bottomRight());
        painter.drawLine(r.bottomRight(), r.bottomLeft());
    }
    painter.restore();
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    if (!m_choosable) {
        QFrame::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit chosen();
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusNextChild();
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusPreviousChild();
        break;
    default:
        QFrame::keyPressEvent(event);
    }
}

void PictureBox::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent *event)
{
    QFrame::focusOutEvent(event);
    update();
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
    paintOn(painter);
}

void ShapeControl::paintOn(QPainter &painter) const
{
    painter.save();
    paintShape(painter);
    painter.restore();
}

void ShapeControl::paintShape(QPainter &painter) const
{
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

    // Shift+Tab arrives as Backtab; both spellings switch back.
    const std::pair<QKeySequence, int> steps[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
    };
    for (const auto &[keys, step] : steps) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] { stepTab(step); });
    }
}

void TabControl::stepTab(int step)
{
    const int count = pageCount();
    if (count == 0)
        return;
    setCurrentIndex(((currentIndex() + step) % count + count) % count);
}

int TabControl::pageOf(const QWidget *control) const
{
    for (const QWidget *widget = control; widget; widget = widget->parentWidget()) {
        if (widget->parentWidget() != this)
            continue;
        for (int i = 0; i < pageCount(); ++i) {
            if (m_pages[static_cast<size_t>(i)] == widget)
                return i;
        }
    }
    return -1;
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
    paintOn(painter);
}

void TabControl::paintOn(QPainter &painter) const
{
    painter.save();
    const int top = m_bar->height() - 1;
    const QRect body = rect().adjusted(0, top, -1, -1);
    painter.setPen(cosmeticPen(palette().color(QPalette::Light)));
    painter.drawLine(body.topLeft(), body.bottomLeft());
    painter.drawLine(body.topLeft(), body.topRight());
    painter.setPen(cosmeticPen(palette().color(QPalette::Shadow)));
    painter.drawLine(body.bottomLeft(), body.bottomRight());
    painter.drawLine(body.topRight(), body.bottomRight());
    painter.restore();
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
        setListText(combo, text);
    else if (auto *option = qobject_cast<QRadioButton *>(control))
        selectOption(option, text == QLatin1String(core::kSelected.data()));
}

void setListText(QComboBox *list, const QString &text)
{
    // The entry of that text becomes the current one, so leaving the list without a change
    // is not taken for a pick of another entry.
    if (const int entry = list->findText(text); entry >= 0)
        list->setCurrentIndex(entry);
    list->setEditText(text);
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

void revealControl(QWidget *control)
{
    for (QWidget *widget = control; widget; widget = widget->parentWidget()) {
        if (auto *tabs = qobject_cast<TabControl *>(widget)) {
            const int page = tabs->pageOf(control);
            if (page >= 0 && page != tabs->currentIndex())
                tabs->setCurrentIndex(page);
        }
    }
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

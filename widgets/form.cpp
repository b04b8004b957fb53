#include "widgets/form.h"

#include "widgets/controls.h"
#include "widgets/painting.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtDebug>

namespace ui {

namespace {

QString qstr(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::Alignment toAlignment(core::Align align)
{
    switch (align) {
    case core::Align::Left:
        return Qt::AlignLeft;
    case core::Align::Centre:
        return Qt::AlignHCenter;
    case core::Align::Right:
        return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

void setPaletteColours(QWidget *widget, const core::Control &row)
{
    QPalette palette = widget->palette();
    if (row.back.isSet) {
        palette.setColor(QPalette::Window, toQColor(row.back.rgb));
        palette.setColor(QPalette::Button, toQColor(row.back.rgb));
    }
    if (row.fore.isSet) {
        palette.setColor(QPalette::WindowText, toQColor(row.fore.rgb));
        palette.setColor(QPalette::ButtonText, toQColor(row.fore.rgb));
    }
    widget->setPalette(palette);
}

QRect pixelRect(const core::Control &row, int offset)
{
    return {core::px(row.left) + offset, core::px(row.top) + offset, core::px(row.width),
            core::px(row.height)};
}

// The designed colour as a flat fill: the style's own button is a light gradient that turns
// pale colours almost white. Pressed, the button darkens; with the keyboard focus, its border
// takes the highlight colour.
QString flatButtonStyle(const core::Control &row, const QPalette &palette)
{
    const QColor back = toQColor(row.back.rgb);
    QString sheet =
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid %2; "
                       "border-radius: 2px;%3 }"
                       "QPushButton:pressed { background-color: %4; }"
                       "QPushButton:focus { border: 2px solid %5; }")
            .arg(back.name(), palette.color(QPalette::Dark).name(),
                 row.fore.isSet ? QStringLiteral(" color: %1;").arg(toQColor(row.fore.rgb).name())
                                : QString(),
                 back.darker(115).name(), palette.color(QPalette::Highlight).name());
    return sheet;
}

// A caption sized to its text keeps the box it was designed in: the stand-in face is wider
// than the designed one, so a designed caption that would outgrow its box is set a little
// smaller, and the box keeps its designed centre (or right edge) rather than growing to the
// right of its designed left edge.
void keepDesignedBox(CaptionLabel *label, const QRect &designed, core::Align align)
{
    QFont font = label->font();
    const int textWidth = label->sizeHint().width();
    if (textWidth > designed.width() && designed.width() > 0) {
        int stretch = 100 * designed.width() / textWidth;
        font.setStretch(stretch);
        label->setFont(font);
        while (label->sizeHint().width() > designed.width() && stretch > 50) {
            font.setStretch(--stretch);
            label->setFont(font);
        }
    }
    label->adjustSize();
    int left = designed.left();
    if (align == core::Align::Centre)
        left += (designed.width() - label->width()) / 2;
    else if (align == core::Align::Right)
        left = designed.left() + designed.width() - label->width();
    label->move(left, label->y());
}

} // namespace

Form::Form(std::span<const core::Control> table, int width, int height, QWidget *parent)
    : QWidget(parent), m_table(table)
{
    setFixedSize(core::px(width), core::px(height));
    setFont(toQFont(core::fonts::regular));
    QList<QWidget *> decorations;
    for (const core::Control &row : m_table) {
        QWidget *widget = create(row, containerFor(row));
        if (!row.name.empty())
            m_controls.insert(qstr(row.name), widget);
        if (row.kind == core::Kind::Line || row.kind == core::Kind::Rectangle ||
            row.kind == core::Kind::Ellipse)
            decorations.append(widget);
        if (!row.visible)
            widget->hide();
    }
    // Lines and shapes lie beneath the other controls of their container.
    for (auto it = decorations.rbegin(); it != decorations.rend(); ++it)
        (*it)->lower();
}

const core::Control *Form::row(std::string_view name) const
{
    return core::findControl(m_table, name);
}

bool Form::has(std::string_view name) const
{
    return m_controls.contains(qstr(name));
}

QWidget *Form::control(std::string_view name) const
{
    QWidget *widget = m_controls.value(qstr(name));
    if (!widget)
        qWarning("Form: no control named %s", qPrintable(qstr(name)));
    return widget;
}

QList<QWidget *> Form::controlsWith(core::Action action) const
{
    QList<QWidget *> found;
    for (const core::Control &row : m_table) {
        if (row.action == action && !row.name.empty())
            found.append(m_controls.value(qstr(row.name)));
    }
    return found;
}

QWidget *Form::containerFor(const core::Control &row) const
{
    if (row.parent.empty())
        return const_cast<Form *>(this);
    QWidget *container = m_controls.value(qstr(row.parent));
    Q_ASSERT_X(container, "Form", "a container must come before its controls in the table");
    if (auto *tabs = qobject_cast<TabControl *>(container))
        return tabs->page(row.tab);
    return container;
}

QWidget *Form::create(const core::Control &row, QWidget *container)
{
    const int offset = [&] {
        if (auto *picture = qobject_cast<PictureBox *>(container))
            return picture->contentOffset();
        return 0;
    }();
    const QString text = qstr(row.text);
    QWidget *widget = nullptr;

    switch (row.kind) {
    case core::Kind::Label: {
        auto *label = new CaptionLabel(container);
        label->setAlignment(toAlignment(row.align) | Qt::AlignTop);
        label->setWordWrap(!row.autoSize);
        label->setAutoFillBackground(row.back.isSet);
        label->setAutoSize(row.autoSize);
        label->setGeometry(pixelRect(row, offset));
        label->setCaption(text);
        widget = label;
        break;
    }
    case core::Kind::TextBox: {
        auto *edit = new QLineEdit(text, container);
        edit->setFrame(row.border);
        edit->setTextMargins(0, 0, 0, 0);
        edit->setAlignment(toAlignment(row.align) | Qt::AlignVCenter);
        edit->setGeometry(pixelRect(row, offset));
        widget = edit;
        break;
    }
    case core::Kind::Button: {
        auto *button = new QPushButton(text, container);
        button->setAutoDefault(false);
        button->setGeometry(pixelRect(row, offset));
        if (row.back.isSet)
            button->setStyleSheet(flatButtonStyle(row, button->palette()));
        widget = button;
        break;
    }
    case core::Kind::Frame: {
        auto *frame = new FrameBox(container);
        frame->setCaption(text);
        frame->setGeometry(pixelRect(row, offset));
        widget = frame;
        break;
    }
    case core::Kind::ComboBox: {
        auto *combo = new QComboBox(container);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(qstr(row.items).split(QLatin1Char('|'), Qt::SkipEmptyParts));
        setInputText(combo, text);
        combo->setGeometry(pixelRect(row, offset));
        widget = combo;
        break;
    }
    case core::Kind::OptionButton: {
        // An option button's caption is a label beside it; its text says whether it starts
        // selected.
        auto *option = new QRadioButton(container);
        option->setChecked(row.text == core::kSelected);
        option->setAutoFillBackground(row.back.isSet);
        option->setGeometry(pixelRect(row, offset));
        widget = option;
        break;
    }
    case core::Kind::PictureBox:
    case core::Kind::Image: {
        auto *picture = new PictureBox(row.kind == core::Kind::PictureBox && row.border, container);
        picture->setGeometry(pixelRect(row, offset));
        widget = picture;
        break;
    }
    case core::Kind::Line:
    case core::Kind::Rectangle:
    case core::Kind::Ellipse: {
        auto *shape = new ShapeControl(row, container);
        if (row.kind == core::Kind::Line)
            shape->move(shape->pos() + QPoint(offset, offset));
        else
            shape->setGeometry(pixelRect(row, offset));
        widget = shape;
        break;
    }
    case core::Kind::TabControl: {
        const QStringList captions = qstr(row.items).split(QLatin1Char('|'));
        auto *tabs = new TabControl(captions, row.font, container);
        tabs->setGeometry(pixelRect(row, offset));
        for (int i = 0; i < tabs->pageCount(); ++i)
            tabs->page(i)->setObjectName(QStringLiteral("%1.tab%2").arg(qstr(row.name)).arg(i));
        widget = tabs;
        break;
    }
    }

    widget->setObjectName(qstr(row.name));
    setPaletteColours(widget, row);
    if (row.kind != core::Kind::TabControl)
        widget->setFont(toQFont(row.font));
    if (!row.tooltip.empty())
        widget->setToolTip(qstr(row.tooltip));
    // Autosized captions measure their text with their own font.
    if (auto *label = qobject_cast<CaptionLabel *>(widget); label && row.autoSize) {
        if (row.width > 0 && !row.text.empty())
            keepDesignedBox(label, pixelRect(row, offset), row.align);
        else
            label->adjustSize();
    }
    return widget;
}

} // namespace ui

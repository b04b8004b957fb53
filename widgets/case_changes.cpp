#include "widgets/case_changes.h"

#include "widgets/controls.h"
#include "widgets/form.h"

namespace ui {

void applyChanges(Form &form, std::span<const core::CaseChange> changes)
{
    for (const core::CaseChange &change : changes) {
        QWidget *control = form.control(change.control);
        if (!control)
            continue;
        // A picture box's children sit inside its border.
        const auto *picture = qobject_cast<const PictureBox *>(control->parentWidget());
        const int offset = picture ? picture->contentOffset() : 0;
        switch (change.op) {
        case core::CaseChange::Op::Show:
            control->show();
            break;
        case core::CaseChange::Op::Hide:
            control->hide();
            break;
        case core::CaseChange::Op::SetTop:
            control->move(control->x(), core::px(change.twips) + offset);
            break;
        case core::CaseChange::Op::SetLeft:
            control->move(core::px(change.twips) + offset, control->y());
            break;
        case core::CaseChange::Op::SetCaption:
            setCaption(control, QString::fromUtf8(change.text.data(),
                                                  static_cast<qsizetype>(change.text.size())));
            break;
        }
    }
}

void blinkStep(Form &form, std::span<const core::BlinkField> fields)
{
    const QColor cyan(0x00, 0xFF, 0xFF);
    const QColor red(0xFF, 0x00, 0x00);
    const QColor blue(0x00, 0x00, 0xFF);
    for (const core::BlinkField &field : fields) {
        QWidget *control = form.control(field.control);
        if (!control || captionOf(control) != QString::fromUtf8(field.unsafeText.data(),
                                                                qsizetype(field.unsafeText.size())))
            continue;
        if (backColour(control) == cyan)
            setColours(control, red, blue);
        else
            setColours(control, cyan, red);
    }
}

} // namespace ui

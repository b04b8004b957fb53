#include "widgets/apply_run.h"

#include "widgets/controls.h"
#include "widgets/form.h"
#include "widgets/painting.h"
#include "widgets/seams.h"

namespace ui {

void applyRun(Form &form, const core::Run &run)
{
    for (const core::Event &event : run.events()) {
        if (event.kind == core::Event::Kind::MessageBox) {
            messages().inform(form.window(), QString::fromStdString(event.title),
                              QString::fromStdString(event.text));
            continue;
        }
        QWidget *control = form.control(event.target);
        if (!control)
            continue;
        switch (event.kind) {
        case core::Event::Kind::SetText:
            setCaption(control, QString::fromStdString(event.text));
            break;
        case core::Event::Kind::Show:
            control->show();
            break;
        case core::Event::Kind::Hide:
            control->hide();
            break;
        case core::Event::Kind::SetColours:
            setColours(control, toQColor(event.back), toQColor(event.fore));
            break;
        case core::Event::Kind::MessageBox:
            break;
        }
    }
}

} // namespace ui

#include "ui/apply_run.h"

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/painting.h"
#include "ui/seams.h"

namespace ui {

void applyRun(Form &form, const Run &run)
{
    for (const Event &event : run.events()) {
        if (event.kind == Event::Kind::MessageBox) {
            messages().inform(form.window(), QString::fromStdString(event.title),
                              QString::fromStdString(event.text));
            continue;
        }
        QWidget *control = form.control(event.target);
        if (!control)
            continue;
        switch (event.kind) {
        case Event::Kind::SetText:
            setCaption(control, QString::fromStdString(event.text));
            break;
        case Event::Kind::Show:
            control->show();
            break;
        case Event::Kind::Hide:
            control->hide();
            break;
        case Event::Kind::SetColours:
            setColours(control, toQColor(event.back), toQColor(event.fore));
            break;
        case Event::Kind::MessageBox:
            break;
        }
    }
}

} // namespace ui

#include "strap/strap_windows.h"

#include "app/shell.h"
#include "strap/strap_design.h"
#include "strap/strap_drawing.h"
#include "strap/strap_table.h"
#include "ui/controls.h"

#include <QLabel>

namespace strap {

namespace {

// The captions were laid out for a face narrower than the sans-serif that stands in for it:
// a caption that would wrap stays on one line, its box widened about its alignment.
void keepCaptionsOnOneLine(const ui::Form &form)
{
    for (const ui::Control &row : form.table()) {
        if (row.kind != ui::Kind::Label || row.autoSize || row.text.empty())
            continue;
        auto *label = form.find<QLabel>(row.name);
        const int extra =
            label->fontMetrics().horizontalAdvance(label->text()) + 2 - label->width();
        if (extra <= 0)
            continue;
        label->setWordWrap(false);
        QRect box = label->geometry();
        switch (row.align) {
        case ui::Align::Left:
            box.adjust(0, 0, extra, 0);
            break;
        case ui::Align::Centre:
            box.adjust(-extra / 2, 0, extra - extra / 2, 0);
            break;
        case ui::Align::Right:
            box.adjust(-extra, 0, 0, 0);
            break;
        }
        label->setGeometry(box);
    }
}

} // namespace

StrapWindow::StrapWindow() : DesignWindow(shell::WindowKind::Strap, designSpec())
{
    auto *drawing = find<ui::PictureBox>("Image1");
    drawing->setDrawing(drawReinforcement);
    // The drawing lies beneath its border lines and the labels written on it.
    drawing->lower();
    keepCaptionsOnOneLine(form());
    showTab(table::kInputTab);
}

ui::TabControl *StrapWindow::tabs() const
{
    return find<ui::TabControl>(table::kTabControl);
}

int StrapWindow::currentTab() const
{
    return tabs()->currentIndex();
}

void StrapWindow::showTab(int index)
{
    tabs()->setCurrentIndex(index);
}

shell::ShellWindow *createDesignWindow()
{
    return new StrapWindow;
}

namespace {

// Opens the window as the foundation-type chooser does, designs with the defaults and shows
// one tab.
shell::Snapshot afterDesign(const char *name, int tab)
{
    return {QString::fromLatin1(name), [tab]() -> QWidget * {
                shell::openWindow(shell::WindowKind::Strap, 9350, 5800);
                auto *window = shell::instanceAs<StrapWindow>(shell::WindowKind::Strap);
                window->runDesign();
                window->showTab(tab);
                return window;
            }};
}

} // namespace

shell::Snapshots snapshots()
{
    return {
        afterDesign("strap-input-data", table::kInputTab),
        afterDesign("strap-output-data", table::kOutputTab),
        afterDesign("strap-sf-bm-diagrams", table::kDiagramTab),
        afterDesign("strap-rienforcement", table::kDrawingTab),
    };
}

} // namespace strap

#include "strap/strap_windows.h"

#include "shell/registry.h"
#include "strap/strap_design.h"
#include "strap/strap_sketches.h"
#include "strap/strap_tables.h"
#include "widgets/controls.h"

#include <QLabel>

namespace strap {

namespace {

// The captions were laid out for a face narrower than the sans-serif that stands in for it:
// a caption that would wrap stays on one line, its box widened about its alignment.
void keepCaptionsOnOneLine(const ui::Form &form)
{
    for (const core::Control &row : form.table()) {
        if (row.kind != core::Kind::Label || row.autoSize || row.text.empty())
            continue;
        auto *label = form.find<QLabel>(row.name);
        const int extra =
            label->fontMetrics().horizontalAdvance(label->text()) + 2 - label->width();
        if (extra <= 0)
            continue;
        label->setWordWrap(false);
        QRect box = label->geometry();
        switch (row.align) {
        case core::Align::Left:
            box.adjust(0, 0, extra, 0);
            break;
        case core::Align::Centre:
            box.adjust(-extra / 2, 0, extra - extra / 2, 0);
            break;
        case core::Align::Right:
            box.adjust(-extra, 0, 0, 0);
            break;
        }
        label->setGeometry(box);
    }
}

} // namespace

StrapWindow::StrapWindow() : DesignWindow(shell::WindowKind::Strap, windowInfo())
{
    auto *drawing = find<ui::PictureBox>("Image1");
    drawing->setDrawing(sketches::reinforcement);
    // The drawing lies beneath its border lines and the labels written on it.
    drawing->lower();
    keepCaptionsOnOneLine(form());
    showTab(tables::kInputTab);
}

ui::TabControl *StrapWindow::tabs() const
{
    return find<ui::TabControl>(tables::kTabControl);
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

} // namespace strap

#include "shell/registry.h"
#include "strap/strap_tables.h"
#include "strap/strap_windows.h"
#include "tools/snapshots/snapshots.h"

namespace snapshots {

using namespace strap;

namespace {

// Opens the window as the foundation-type chooser does, designs with the defaults and shows
// one tab.
Snapshot afterDesign(const char *name, int tab)
{
    return {QString::fromLatin1(name), [tab]() -> QWidget * {
                shell::openWindow(shell::WindowKind::Strap);
                auto *window = shell::instanceAs<StrapWindow>(shell::WindowKind::Strap);
                window->runDesign();
                window->showTab(tab);
                return window;
            }};
}

} // namespace

Snapshots strapWindows()
{
    return {
        afterDesign("strap-input-data", tables::kInputTab),
        afterDesign("strap-output-data", tables::kOutputTab),
        afterDesign("strap-sf-bm-diagrams", tables::kDiagramTab),
        afterDesign("strap-rienforcement", tables::kDrawingTab),
    };
}

} // namespace snapshots

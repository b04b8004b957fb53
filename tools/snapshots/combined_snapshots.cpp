#include "combined/combined_windows.h"
#include "shell/registry.h"
#include "tools/snapshots/snapshots.h"
#include "widgets/controls.h"

namespace snapshots {

using namespace combined;

namespace {

// The window as the type chooser opens it, designed with the default loads (the C1-flush
// layout) or with P1 = 150 t and P2 = 110 t (the C2-flush layout), showing one tab.
Snapshot designed(const QString &name, bool c2Flush, int tab)
{
    return {name, [c2Flush, tab]() -> QWidget * {
                shell::openWindow(shell::WindowKind::Combined);
                auto *window = shell::instanceAs<CombinedWindow>(shell::WindowKind::Combined);
                if (c2Flush) {
                    ui::setInputText(window->control("Text1"), QStringLiteral("150"));
                    ui::setInputText(window->control("Text2"), QStringLiteral("110"));
                }
                window->runDesign();
                window->tabs().setCurrentIndex(tab);
                return window;
            }};
}

} // namespace

Snapshots combinedWindows()
{
    Snapshots all{{QStringLiteral("combined"), []() -> QWidget * {
                       shell::openWindow(shell::WindowKind::Combined);
                       return shell::instance(shell::WindowKind::Combined);
                   }}};
    const char *tabNames[] = {"input", "output", "diagrams", "details"};
    for (const bool c2Flush : {false, true}) {
        for (int tab = 0; tab < 4; ++tab) {
            const QString name =
                QStringLiteral("combined-%1-%2")
                    .arg(c2Flush ? QStringLiteral("c2flush") : QStringLiteral("c1flush"))
                    .arg(QLatin1String(tabNames[tab]));
            all.push_back(designed(name, c2Flush, tab));
        }
    }
    all.push_back({QStringLiteral("combined-c1flush-details-printed"),
                   designed(QString(), false, 3).stage, true});
    return all;
}

} // namespace snapshots

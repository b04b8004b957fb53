#include "isolated/isolated_windows.h"
#include "shell/case_chooser.h"
#include "shell/registry.h"
#include "tools/snapshots/snapshots.h"

#include <QLineEdit>

namespace snapshots {

using namespace isolated;

namespace {

shell::ShellWindow *openChooser()
{
    shell::openWindow(shell::WindowKind::IsolatedCases);
    return shell::instance(shell::WindowKind::IsolatedCases);
}

// The design window of a case after Design, as a user who chose it from the chooser sees it.
IsolatedWindow *designedCase(int footingCase)
{
    auto *chooser = dynamic_cast<shell::CaseChooser *>(openChooser());
    if (!chooser)
        return nullptr;
    chooser->chooseByCaption(footingCase);
    auto *window = shell::instanceAs<IsolatedWindow>(shell::WindowKind::Isolated);
    if (window)
        window->runDesign();
    return window;
}

} // namespace

Snapshots isolatedWindows()
{
    Snapshots all{{QStringLiteral("Form3"), [] { return openChooser(); }}};
    for (int k = 0; k < 4; ++k) {
        all.push_back({QStringLiteral("isolated-case%1").arg(k),
                       [k]() -> QWidget * { return designedCase(k); }});
    }
    // An unsafe punching result one tick after Design.
    all.push_back({QStringLiteral("isolated-case0-unsafe-blink"), []() -> QWidget * {
                       IsolatedWindow *window = designedCase(0);
                       if (!window)
                           return nullptr;
                       window->find<QLineEdit>("Text1")->setText(QStringLiteral("400"));
                       window->runDesign();
                       window->blinkUnsafeChecks();
                       return window;
                   }});
    // An input changed since Design: the results in grey, the status line saying so.
    all.push_back({QStringLiteral("isolated-case0-out-of-date"), []() -> QWidget * {
                       IsolatedWindow *window = designedCase(0);
                       if (window)
                           window->find<QLineEdit>("Text1")->setText(QStringLiteral("120"));
                       return window;
                   }});
    // The sheet its Print gives.
    all.push_back({QStringLiteral("isolated-case0-printed"),
                   []() -> QWidget * { return designedCase(0); }, true});
    return all;
}

} // namespace snapshots

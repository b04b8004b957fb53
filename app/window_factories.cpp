#include "app/window_factories.h"

#include "app/info_windows.h"
#include "app/main_window.h"
#include "app/project_windows.h"
#include "app/start_window.h"
#include "combined/combined_windows.h"
#include "isolated/isolated_windows.h"
#include "shell/registry.h"
#include "shell/shell_window.h"
#include "strap/strap_windows.h"
#include "strip/strip_windows.h"

namespace app {

namespace {

// A design window in the program keeps its texts in the open project.
shell::ShellWindow *withProject(shell::ShellWindow *window)
{
    attachProject(static_cast<shell::DesignWindow &>(*window));
    return window;
}

} // namespace

void installWindowFactories()
{
    using shell::WindowKind;
    shell::setFactory(WindowKind::Start, [] { return new StartWindow; });
    shell::setFactory(WindowKind::MainWindow, [] {
        auto *window = new MainWindow;
        attachProject(*window);
        return window;
    });
    shell::setFactory(WindowKind::TypeChooser, [] { return new TypeChooser; });
    shell::setFactory(WindowKind::IsolatedCases, isolated::createCaseChooser);
    shell::setFactory(WindowKind::Isolated,
                      [] { return withProject(isolated::createDesignWindow()); });
    shell::setFactory(WindowKind::StripCases, strip::createCaseChooser);
    shell::setFactory(WindowKind::Strip, [] { return withProject(strip::createDesignWindow()); });
    shell::setFactory(WindowKind::Combined,
                      [] { return withProject(combined::createDesignWindow()); });
    shell::setFactory(WindowKind::Strap, [] { return withProject(strap::createDesignWindow()); });
    shell::setFactory(WindowKind::Equation, [] { return new EquationWindow; });
    shell::setFactory(WindowKind::Help, [] { return new HelpWindow; });
    shell::setFactory(WindowKind::Pictures, [] { return new PicturesWindow; });
    shell::setFactory(WindowKind::TheDesigner, [] { return new DesignerWindow; });
}

} // namespace app

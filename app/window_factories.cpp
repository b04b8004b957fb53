#include "app/window_factories.h"

#include "app/info_windows.h"
#include "app/main_window.h"
#include "app/start_window.h"
#include "combined/combined_windows.h"
#include "isolated/isolated_windows.h"
#include "shell/registry.h"
#include "shell/shell_window.h"
#include "strap/strap_windows.h"
#include "strip/strip_windows.h"

namespace app {

void installWindowFactories()
{
    using shell::WindowKind;
    shell::setFactory(WindowKind::Start, [] { return new StartWindow; });
    shell::setFactory(WindowKind::MainWindow, [] { return new MainWindow; });
    shell::setFactory(WindowKind::TypeChooser, [] { return new TypeChooser; });
    shell::setFactory(WindowKind::IsolatedCases, isolated::createCaseChooser);
    shell::setFactory(WindowKind::Isolated, isolated::createDesignWindow);
    shell::setFactory(WindowKind::StripCases, strip::createCaseChooser);
    shell::setFactory(WindowKind::Strip, strip::createDesignWindow);
    shell::setFactory(WindowKind::Combined, combined::createDesignWindow);
    shell::setFactory(WindowKind::Strap, strap::createDesignWindow);
    shell::setFactory(WindowKind::Equation, [] { return new EquationWindow; });
    shell::setFactory(WindowKind::Help, [] { return new HelpWindow; });
    shell::setFactory(WindowKind::Pictures, [] { return new PicturesWindow; });
    shell::setFactory(WindowKind::TheDesigner, [] { return new DesignerWindow; });
}

} // namespace app

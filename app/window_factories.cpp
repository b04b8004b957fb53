#include "app/window_factories.h"

#include "app/info_windows.h"
#include "app/main_window.h"
#include "app/shell.h"
#include "app/shell_window.h"
#include "app/start_window.h"
#include "combined/combined_windows.h"
#include "isolated/isolated_windows.h"
#include "strap/strap_windows.h"
#include "strip/strip_windows.h"

namespace app {

void installWindowFactories()
{
    using shell::WindowKind;
    shell::setFactory(WindowKind::Start, [] { return new StartWindow; });
    shell::setFactory(WindowKind::Form1, [] { return new MainWindow; });
    shell::setFactory(WindowKind::Form2, [] { return new TypeChooser; });
    shell::setFactory(WindowKind::Form3, isolated::createCaseChooser);
    shell::setFactory(WindowKind::Isolated, isolated::createDesignWindow);
    shell::setFactory(WindowKind::ChooseStrip, strip::createCaseChooser);
    shell::setFactory(WindowKind::DesignStrip, strip::createDesignWindow);
    shell::setFactory(WindowKind::Combined, combined::createDesignWindow);
    shell::setFactory(WindowKind::Strap, strap::createDesignWindow);
    shell::setFactory(WindowKind::Equation, [] { return new EquationWindow; });
    shell::setFactory(WindowKind::Help, [] { return new HelpWindow; });
    shell::setFactory(WindowKind::Pictures, [] { return new PicturesWindow; });
    shell::setFactory(WindowKind::TheDesigner, [] { return new DesignerWindow; });
}

namespace {

shell::Snapshots shellSnapshots()
{
    using shell::WindowKind;
    return {
        {QStringLiteral("start"),
         [] {
             shell::showWindow(WindowKind::Start);
             return shell::instance(WindowKind::Start);
         }},
        {QStringLiteral("Form1"),
         [] {
             shell::showWindow(WindowKind::Form1);
             return shell::instance(WindowKind::Form1);
         }},
        {QStringLiteral("Form2"),
         [] {
             shell::openWindow(WindowKind::Form2, 7300, 9400);
             return shell::instance(WindowKind::Form2);
         }},
        {QStringLiteral("Form2-design-size"),
         [] {
             shell::showWindow(WindowKind::Form2);
             return shell::instance(WindowKind::Form2);
         }},
    };
}

void append(shell::Snapshots &all, shell::Snapshots more)
{
    for (shell::Snapshot &snapshot : more)
        all.push_back(std::move(snapshot));
}

} // namespace

shell::Snapshots allSnapshots()
{
    shell::Snapshots all = shellSnapshots();
    append(all, infoSnapshots());
    append(all, isolated::snapshots());
    append(all, strip::snapshots());
    append(all, combined::snapshots());
    append(all, strap::snapshots());
    return all;
}

} // namespace app

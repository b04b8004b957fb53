#include "app/info_windows.h"
#include "shell/registry.h"
#include "shell/shell_window.h"
#include "tools/snapshots/snapshots.h"

namespace snapshots {

using shell::WindowKind;

Snapshots infoWindows()
{
    auto stage = [](void (*menuEntry)(), WindowKind kind, int times = 1) {
        return [menuEntry, kind, times] {
            shell::showWindow(WindowKind::MainWindow);
            for (int i = 0; i < times; ++i)
                menuEntry();
            return static_cast<QWidget *>(shell::instance(kind));
        };
    };
    return {
        {QStringLiteral("equation"), stage(&app::showEquations, WindowKind::Equation)},
        {QStringLiteral("equation-two-copies"),
         stage(&app::showEquations, WindowKind::Equation, 2)},
        {QStringLiteral("help"), stage(&app::showAbout, WindowKind::Help)},
        {QStringLiteral("pictures"), stage(&app::showPictures, WindowKind::Pictures)},
        {QStringLiteral("thedesigner"), stage(&app::showDesigner, WindowKind::TheDesigner)},
    };
}

Snapshots shellWindows()
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
             shell::showWindow(WindowKind::MainWindow);
             return shell::instance(WindowKind::MainWindow);
         }},
        {QStringLiteral("Form2"),
         [] {
             shell::openWindow(WindowKind::TypeChooser);
             return shell::instance(WindowKind::TypeChooser);
         }},
        {QStringLiteral("Form2-design-size"),
         [] {
             shell::showWindow(WindowKind::TypeChooser);
             return shell::instance(WindowKind::TypeChooser);
         }},
    };
}

namespace {

void append(Snapshots &all, Snapshots more)
{
    for (Snapshot &snapshot : more)
        all.push_back(std::move(snapshot));
}

} // namespace

Snapshots all()
{
    Snapshots all = shellWindows();
    append(all, infoWindows());
    append(all, isolatedWindows());
    append(all, stripWindows());
    append(all, combinedWindows());
    append(all, strapWindows());
    append(all, reportPages());
    append(all, projectWindows());
    return all;
}

} // namespace snapshots

#include "app/info_windows.h"

#include "app/shell.h"

namespace app {

void showEquations()
{
    shell::showWindow(shell::WindowKind::Equation);
}

void showDesigner()
{
    shell::showWindow(shell::WindowKind::TheDesigner);
}

void showPictures()
{
    shell::showWindow(shell::WindowKind::Pictures);
}

void showAbout()
{
    shell::showWindow(shell::WindowKind::Help);
}

} // namespace app

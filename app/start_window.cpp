#include "app/start_window.h"

#include "app/app_drawings.h"
#include "app/shell_tables.h"
#include "shell/registry.h"
#include "widgets/controls.h"

#include <QTimer>

namespace app {

StartWindow::StartWindow()
    : ShellWindow(shell::WindowKind::Start, tables::kStart), m_timer(new QTimer(this))
{
    find<ui::PictureBox>("Image2")->setDrawing(drawings::splash);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(3000);
    connect(m_timer, &QTimer::timeout, this, &StartWindow::splashTick);
    m_timer->start();
}

void StartWindow::splashTick()
{
    m_timer->stop();
    shell::WindowChange change;
    shell::closeWindow(shell::WindowKind::Start);
    shell::showWindow(shell::WindowKind::MainWindow);
}

} // namespace app

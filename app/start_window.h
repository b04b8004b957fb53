#pragma once

#include "shell/shell_window.h"

class QTimer;

namespace app {

// The splash window: a picture for three seconds, then the main window.
class StartWindow : public shell::ShellWindow
{
    Q_OBJECT
public:
    StartWindow();

    // The one tick of Timer1: closes the splash and shows the main window.
    void splashTick();
    QTimer *timer() const { return m_timer; }

private:
    QTimer *m_timer;
};

} // namespace app

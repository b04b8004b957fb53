#pragma once

#include "shell/shell_window.h"

class QTimer;

namespace ui {
class TabControl;
}

namespace combined {

// The combined-footing window: four tabs (inputs, results, straining actions, reinforcement
// details), opening on the results, with a timer that flashes unsafe check messages.
class CombinedWindow : public shell::DesignWindow
{
    Q_OBJECT
public:
    CombinedWindow();

    ui::TabControl &tabs() const;
    QTimer *blinkTimer() const { return m_blinkTimer; }

    // One tick of the blink timer: each check field that shows its unsafe message swaps
    // between cyan with red text and red with blue text.
    void blinkUnsafeChecks();

private:
    QTimer *m_blinkTimer;
};

// The design window, for the window registry.
shell::ShellWindow *createDesignWindow();

} // namespace combined

#pragma once

#include "shell/shell_window.h"

class QTimer;

namespace isolated {

// The design window of the isolated footing: the inputs of every case, the results, the two
// sketches, and the timer that flashes a check field while it reports an unsafe result.
class IsolatedWindow : public shell::DesignWindow
{
    Q_OBJECT
public:
    IsolatedWindow();

    // Timer1, 500 ms, running for the life of the window.
    QTimer *blinkTimer() const { return m_blink; }
    // One tick of Timer1.
    void blinkUnsafeChecks();

private:
    QTimer *m_blink;
};

// Shows the sketch, the extra inputs and the Design position of a loading case on a freshly
// created design window.
void prepareForCase(shell::ShellWindow &design, int footingCase);

// The case chooser (Form3).
shell::ShellWindow *createCaseChooser();
// The design window (isolated).
shell::ShellWindow *createDesignWindow();

} // namespace isolated

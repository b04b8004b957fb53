#pragma once

#include "shell/shell_window.h"

namespace strip {

// The strip design window: the Design action of the four strip cases, the brick or concrete
// wall choice and the three footing sketches.
class StripDesignWindow : public shell::DesignWindow
{
    Q_OBJECT
public:
    StripDesignWindow();

    // Selects the concrete wall or the brick wall, as a click on its caption does; runs nothing.
    void chooseWall(bool concrete);
    bool concreteWall() const;
};

// Applies the changes of a case to a freshly created design window, in order.
void prepareForCase(shell::ShellWindow &design, int footingCase);

// The case chooser.
shell::ShellWindow *createCaseChooser();
// The design window.
shell::ShellWindow *createDesignWindow();

} // namespace strip

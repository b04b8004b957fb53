#pragma once

#include "shell/shell_window.h"

namespace ui {
class TabControl;
}

namespace strap {

// The strap footing window: one tab control holding the inputs, the footing and strap results,
// the shear and moment sketch and the reinforcement drawing. A Design press or a pick in any
// bar-diameter list runs the whole design; the tab on show stays as it is.
class StrapWindow : public shell::DesignWindow
{
    Q_OBJECT
public:
    StrapWindow();

    ui::TabControl *tabs() const;
    int currentTab() const;
    void showTab(int index);
};

// The design window, opened with "Input Data" in front.
shell::ShellWindow *createDesignWindow();

} // namespace strap

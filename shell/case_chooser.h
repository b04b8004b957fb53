#pragma once

#include "shell/shell_window.h"

#include <functional>

namespace shell {

// A case chooser (isolated or strip): four sketches `Picture1(0)` to `Picture1(3)`, each with
// its caption `Label1` to `Label4`. A caption click runs sequence A, a sketch click sequence B;
// both write footingCase and prepare the design window for the case before it is sized. The
// sketches take the keyboard focus in turn (Tab, arrow keys); Enter or Space on one chooses its
// case as a caption click does.
class CaseChooser : public ShellWindow
{
    Q_OBJECT
public:
    // Prepares a freshly created design window for case k.
    using Prepare = std::function<void(ShellWindow &design, int footingCase)>;

    // The design window opens at its catalogue open size.
    CaseChooser(WindowKind self, std::span<const core::Control> table, WindowKind design,
                Prepare prepare);

    void chooseByCaption(int footingCase); // sequence A
    void chooseByPicture(int footingCase); // sequence B

private:
    void openDesign(int footingCase);

    WindowKind m_design;
    Prepare m_prepare;
};

} // namespace shell

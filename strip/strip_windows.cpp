#include "strip/strip_windows.h"

namespace strip {

shell::ShellWindow *createCaseChooser()
{
    return nullptr;
}

shell::ShellWindow *createDesignWindow()
{
    return nullptr;
}

shell::Snapshots snapshots()
{
    return {};
}

} // namespace strip

#include "isolated/isolated_windows.h"

namespace isolated {

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

} // namespace isolated

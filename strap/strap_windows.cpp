#include "strap/strap_windows.h"

namespace strap {

shell::ShellWindow *createDesignWindow()
{
    return nullptr;
}

shell::Snapshots snapshots()
{
    return {};
}

} // namespace strap

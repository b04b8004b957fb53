#include "combined/combined_windows.h"

namespace combined {

shell::ShellWindow *createDesignWindow()
{
    return nullptr;
}

shell::Snapshots snapshots()
{
    return {};
}

} // namespace combined

#pragma once

#include "app/snapshot.h"

namespace shell {
class ShellWindow;
}

namespace strap {

// The design window; nullptr until it is built.
shell::ShellWindow *createDesignWindow();

// Pictures of this footing's windows for the snapshot tool.
shell::Snapshots snapshots();

} // namespace strap

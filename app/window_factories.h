#pragma once

#include "app/snapshot.h"

namespace app {

// Puts a factory into every window slot; call once before the first window opens.
void installWindowFactories();

// Every snapshot of every window, the shell's first.
shell::Snapshots allSnapshots();

} // namespace app

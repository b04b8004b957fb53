#pragma once

namespace app {

// Puts a factory into every window slot; call once before the first window opens.
void installWindowFactories();

} // namespace app

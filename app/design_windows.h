#pragma once

#include "core/design.h"

#include <span>

namespace app {

// The four design windows, in the order the program offers them: isolated, strip, combined,
// strap.
std::span<const core::DesignWindowInfo *const> designWindows();

// The design window with this command name ("isolated", ...), or nullptr.
const core::DesignWindowInfo *findDesignWindow(std::string_view command);

} // namespace app

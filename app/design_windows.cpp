#include "app/design_windows.h"

#include "combined/combined_design.h"
#include "isolated/isolated_design.h"
#include "strap/strap_design.h"
#include "strip/strip_design.h"

#include <array>

namespace app {

std::span<const core::DesignWindowInfo *const> designWindows()
{
    static const std::array<const core::DesignWindowInfo *, 4> windows{
        &isolated::windowInfo(), &strip::windowInfo(), &combined::windowInfo(),
        &strap::windowInfo()};
    return windows;
}

const core::DesignWindowInfo *findDesignWindow(std::string_view command)
{
    for (const core::DesignWindowInfo *window : designWindows()) {
        if (window->command == command)
            return window;
    }
    return nullptr;
}

} // namespace app

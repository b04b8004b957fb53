#include "strip/strip_design.h"

namespace strip {

const ui::DesignSpec &designSpec()
{
    static const ui::DesignSpec spec{.command = "strip", .title = "Design Of Strip Footing"};
    return spec;
}

} // namespace strip

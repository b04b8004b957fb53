#include "isolated/isolated_design.h"

namespace isolated {

const ui::DesignSpec &designSpec()
{
    static const ui::DesignSpec spec{.command = "isolated", .title = "Design Of Isolated Footing"};
    return spec;
}

} // namespace isolated

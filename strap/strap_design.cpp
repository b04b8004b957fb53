#include "strap/strap_design.h"

namespace strap {

const ui::DesignSpec &designSpec()
{
    static const ui::DesignSpec spec{.command = "strap", .title = "Design Of Strap Footing"};
    return spec;
}

} // namespace strap

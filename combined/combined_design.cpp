#include "combined/combined_design.h"

namespace combined {

const ui::DesignSpec &designSpec()
{
    static const ui::DesignSpec spec{.command = "combined", .title = "Design Of Combined Footing"};
    return spec;
}

} // namespace combined

#pragma once

#include "ui/design.h"

namespace isolated {

// The design window as the headless command and the tests see it: control table, inputs
// and the design function.
const ui::DesignSpec &designSpec();

} // namespace isolated

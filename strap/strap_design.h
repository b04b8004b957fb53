#pragma once

#include "core/design.h"

#include <array>

namespace strap {

// The Design action of the strap footing: the soil reactions, both footings (sizes, depth,
// shear, punching and bond checks, steel) and then the strap beam (shear and moment values,
// depth, steel, stirrups). A failed check is a message box at its step; it never stops the run.
// The run also keeps the calculation as a report writes it: every quantity with its formula,
// the checks of both footings and the strap with their ratios, the concrete and bar schedule,
// and a plan and a section of the strap.
core::DesignResult design(const core::DesignRequest &request);

// The design window as the headless command and the tests see it: control table, inputs
// and the design function.
const core::DesignWindowInfo &windowInfo();

} // namespace strap

#pragma once

#include "core/design.h"

namespace isolated {

// The loading cases of the isolated footing, as the case chooser numbers them.
enum FootingCase : int {
    kUniformStress = 0,     // axial load, uniform soil stress
    kJustNoTension = 1,     // load and moment, soil stress zero at one edge
    kUniformWithMoment = 2, // load and moment on an off-centre column, uniform stress
    kNonUniform = 3,        // load and moment, trapezoidal soil stress
};

// The Design action of the isolated footing window: sizes the plain and reinforced footings,
// finds the depth and the steel of both directions, and checks shear, punching and bond.
// A case outside 0 to 3 gives an empty run.
core::DesignResult design(const core::DesignRequest &request);

// The design window as the headless command and the tests see it: control table, inputs
// and the design function.
const core::DesignWindowInfo &windowInfo();

} // namespace isolated

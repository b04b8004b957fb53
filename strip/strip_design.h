#pragma once

#include "core/design.h"

#include <array>
#include <string_view>

namespace strip {

// The four loading cases of a strip footing, by the value of footingCase.
enum StripCase : int {
    kUniformStress = 0,     // wall, uniform soil stress
    kUniformWithMoment = 1, // wall off the middle by the eccentricity of the load
    kNonUniformStress = 2,  // wall in the middle, linearly varying soil stress
    kSeriesOfColumn = 3,    // a row of columns on a beam over a strip slab
};

// The design of one metre of strip footing for the case in `request.footingCase` (0 to 3; any
// other case is an accepted run that writes nothing). Reads the input and list texts, refuses
// input that is not a number or out of range, and returns the ordered writes of the run.
core::DesignResult design(const core::DesignRequest &request);

// The design window as the headless command and the tests see it: control table, inputs
// and the design function.
const core::DesignWindowInfo &windowInfo();

} // namespace strip

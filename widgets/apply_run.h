#pragma once

#include "core/run.h"

namespace ui {

class Form;

// Applies a run to a window's form, event by event: captions, visibility, colours, and
// message boxes (through the message seam, so each box comes up after the earlier results
// are on the window).
void applyRun(Form &form, const core::Run &run);

} // namespace ui

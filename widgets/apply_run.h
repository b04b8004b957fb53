#pragma once

#include "core/run.h"

#include <QString>

namespace ui {

class Form;

// Applies a run to a window's form, event by event: captions, visibility, colours, and
// message boxes (through the message seam, so each box comes up after the earlier results
// are on the window). Then the run's record: each check's ratio becomes the tooltip of the
// label that shows the check, and each warning is added to the tooltips of the fields it
// names; tooltips a earlier run set go back to their designed text first.
void applyRun(Form &form, const core::Run &run);

// How a check reads as a tooltip: "qp = 3.15 kg/cm² ≤ qcup = 12.91 kg/cm²: 24 %", with ">"
// when it fails, or "Punching not applicable: the column is flush with the edge".
QString describeCheck(const core::Check &check);

// A unit as people write it: "kg/cm2" becomes "kg/cm²", "m3" becomes "m³".
QString unitText(const std::string &unit);

} // namespace ui

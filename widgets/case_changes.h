#pragma once

#include "core/case_table.h"

#include <span>

namespace ui {

class Form;

// Applies a window's case set-up, change by change.
void applyChanges(Form &form, std::span<const core::CaseChange> changes);

// One tick of a blink timer: each field, in the given order, whose caption is exactly its
// unsafe text turns red with blue text if its background is cyan, otherwise cyan with red
// text. Any other field keeps the colours it has.
void blinkStep(Form &form, std::span<const core::BlinkField> fields);

} // namespace ui

#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace ui {

class Form;

// One change a case chooser makes to its design window before showing it. A window's case
// set-up is a constant table of these, applied in order.
struct CaseChange {
    enum class Op : std::uint8_t { Show, Hide, SetTop, SetLeft, SetCaption };

    Op op;
    std::string_view control;
    int twips = 0;              // SetTop, SetLeft
    std::string_view text = {}; // SetCaption
};

constexpr CaseChange show(std::string_view control)
{
    return {CaseChange::Op::Show, control};
}
constexpr CaseChange hide(std::string_view control)
{
    return {CaseChange::Op::Hide, control};
}
constexpr CaseChange setTop(std::string_view control, int twips)
{
    return {CaseChange::Op::SetTop, control, twips};
}
constexpr CaseChange setLeft(std::string_view control, int twips)
{
    return {CaseChange::Op::SetLeft, control, twips};
}
constexpr CaseChange setCaption(std::string_view control, std::string_view text)
{
    return {CaseChange::Op::SetCaption, control, 0, text};
}

void applyChanges(Form &form, std::span<const CaseChange> changes);

// A check field and the caption at which the blink timer flashes it.
struct BlinkField {
    std::string_view control;
    std::string_view unsafeText;
};

// One tick of a blink timer: each field, in the given order, whose caption is exactly its
// unsafe text turns red with blue text if its background is cyan, otherwise cyan with red
// text. Any other field keeps the colours it has.
void blinkStep(Form &form, std::span<const BlinkField> fields);

} // namespace ui

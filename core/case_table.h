#pragma once

#include <cstdint>
#include <string_view>

namespace core {

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

// A check field and the caption at which the blink timer flashes it.
struct BlinkField {
    std::string_view control;
    std::string_view unsafeText;
};

} // namespace core

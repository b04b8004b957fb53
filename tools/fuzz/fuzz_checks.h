#pragma once

// What every fuzz target checks of what it gets back; a broken promise aborts, which libFuzzer
// reports with the input that caused it.

#include "core/design.h"

#include <string_view>

namespace fuzz {

// Aborts with the reason on stderr.
[[noreturn]] void fail(std::string_view why, std::string_view detail = {});

// A message for the user: one line of printable text, at most `longest` bytes. Tabs pass where
// `tabs` is set: a list text with blanks around its number is echoed as typed.
void expectOneSafeLine(std::string_view message, std::size_t longest, std::string_view what,
                       bool tabs = false);

// An accepted run writes something and shows no inf, nan, exponent or absurd magnitude; a
// refused one writes nothing and names, on one line, a field of `inputs` it points at.
void expectSound(const core::DesignResult &result, std::span<const core::InputField> inputs);

} // namespace fuzz

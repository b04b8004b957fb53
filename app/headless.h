#pragma once

#include "core/design.h"

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

namespace headless {

// Exit codes of the headless command.
inline constexpr int kDesigned = 0;
inline constexpr int kRefused = 1;
inline constexpr int kUsageError = 2;

// foundations-calc WINDOW [--case N] [--concrete] [--trace] [Name=text ...], or --help, or
// --version.
// Runs the window's design on its default texts with the overrides and prints the run, one
// event a line. Refused input: the message on `err`, nothing on `out`, kRefused. Usage
// errors: a message on `err`, kUsageError.
int run(std::span<const std::string> args, std::span<const core::DesignWindowInfo *const> windows,
        std::ostream &out, std::ostream &err);

} // namespace headless

#pragma once

#include <optional>
#include <string_view>

namespace core {

enum class NumberTextError {
    Empty,      // nothing but blanks
    NotANumber, // "abc", "1,5", "1e", "inf", "nan"
    OutOfRange, // a number a double cannot hold ("1e999", "1e-999")
};

struct ParsedNumber {
    double value = 0.0;
    std::optional<NumberTextError> error;
    bool ok() const { return !error; }
};

// Reads a decimal number typed into a field: an optional sign, digits with an optional decimal
// point, an optional exponent ("1.5", "-0.5", ".5", "2e3"), blanks around it allowed. Anything
// else is refused; the result is always finite. Independent of the process locale.
ParsedNumber parseNumber(std::string_view text);

} // namespace core

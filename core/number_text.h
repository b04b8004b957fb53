#pragma once

#include <cstddef>
#include <optional>
#include <string>
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

// The longest typed text a message quotes, in shown characters (an escape counts as its
// length); a longer text is cut and ends in "…".
inline constexpr std::size_t kQuotedTextLength = 40;

// Text the user typed, as a message quotes it: in double quotes, on one line, harmless on a
// terminal and in a message box. Control characters, line and paragraph separators, bidi
// controls and bytes that are not UTF-8 are shown escaped ("\n", "\t", "\x1B", "\u202E",
// "\xFF"); a quote or backslash is escaped too; other characters (Arabic, "φ") are kept.
// A file name is quoted the same way with a longer limit, so its folder still shows.
std::string quoteTyped(std::string_view text, std::size_t longest = kQuotedTextLength);

} // namespace core

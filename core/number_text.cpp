#include "core/number_text.h"

#include <charconv>
#include <cmath>

namespace core {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isNumberCharacter(char c)
{
    return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
}

} // namespace

ParsedNumber parseNumber(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty())
        return {0.0, NumberTextError::Empty};
    for (char c : text) {
        if (!isNumberCharacter(c))
            return {0.0, NumberTextError::NotANumber};
    }
    // std::from_chars takes no leading '+'; a '+' is fine in front of a digit or point.
    if (text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '+' || text.front() == '-')
            return {0.0, NumberTextError::NotANumber};
    }

    double value = 0.0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range)
        return {0.0, NumberTextError::OutOfRange};
    if (ec != std::errc() || end != text.data() + text.size())
        return {0.0, NumberTextError::NotANumber};
    if (!std::isfinite(value))
        return {0.0, NumberTextError::OutOfRange};
    return {value, std::nullopt};
}

} // namespace core

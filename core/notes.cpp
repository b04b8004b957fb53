#include "core/notes.h"

#include <charconv>
#include <cmath>

namespace core {

std::string noteNumber(const Term &value)
{
    return reportNumber(value.value());
}

std::string shown(const Term &value)
{
    return value.formula() + " = " + noteNumber(value);
}

std::string metres(double cm)
{
    const double m = cm / 100.0;
    char text[32];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, m, std::chars_format::fixed, 2);
    if (!std::isfinite(m) || error != std::errc())
        return "—";
    return std::string(text, end) + " m";
}

std::string barsText(double count, double diameter)
{
    return reportNumber(count) + " Φ " + reportNumber(diameter);
}

std::string barsText(const Term &count, const Term &diameter)
{
    return barsText(count.value(), diameter.value());
}

} // namespace core

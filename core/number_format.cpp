#include "core/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace core {

namespace {

constexpr int kSignificantDigits = 15;

double powerOfTen(int n)
{
    double p = 1.0;
    for (int i = 0; i < n; ++i)
        p *= 10.0; // exact up to 10^22
    return p;
}

} // namespace

std::string formatNumber(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    if (value == 0.0)
        return "0"; // also for -0

    // Round to 15 significant digits once, then lay the digits out.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string scientific(buffer, result.ptr); // d.dddddddddddddde+XX
    const auto ePos = scientific.find('e');
    std::string digits = scientific.substr(0, 1) + scientific.substr(2, ePos - 2);
    const int exponent = std::atoi(scientific.c_str() + ePos + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text = value < 0 ? "-" : "";
    if (exponent < -4 || exponent >= kSignificantDigits) {
        text += digits.front();
        if (digits.size() > 1)
            text += "." + digits.substr(1);
        text += exponent < 0 ? "E-" : "E+";
        const std::string magnitude = std::to_string(std::abs(exponent));
        if (magnitude.size() < 2)
            text += '0';
        text += magnitude;
        return text;
    }
    if (exponent < 0)
        return text + "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;

    const auto integerDigits = static_cast<size_t>(exponent + 1);
    if (digits.size() <= integerDigits)
        return text + digits + std::string(integerDigits - digits.size(), '0');
    return text + digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
}

double roundHalfEven(double value, int decimals)
{
    const double scale = powerOfTen(decimals);
    return std::nearbyint(value * scale) / scale; // the default rounding mode ties to even
}

double up5(double x)
{
    return 5.0 * (std::floor(x / 5.0) + 1.0);
}

} // namespace core

#include "core/number_format.h"

#include <algorithm>
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

    // The significant digits rounded to 15, without trailing zeros, and the decimal exponent.
    // The shortest text that reads back as the value is that rounding whenever it has 15
    // digits or fewer (the value lies within a tenth of a unit of the 15th digit of it), and
    // takes a fraction of the time; a longer one is rounded to 15 digits instead.
    char buffer[40];
    const double magnitude = std::fabs(value);
    auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                             std::chars_format::scientific)
                   .ptr; // d.ddde+XX
    const auto mantissaEnd = [&] {
        return static_cast<std::size_t>(std::find(buffer, end, 'e') - buffer);
    };
    if (mantissaEnd() > static_cast<std::size_t>(kSignificantDigits) + 1)
        end = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                            std::chars_format::scientific, kSignificantDigits - 1)
                  .ptr;
    const std::size_t ePos = mantissaEnd();
    char digits[kSignificantDigits + 1];
    std::size_t count = 0;
    for (std::size_t i = 0; i < ePos; ++i) {
        if (buffer[i] != '.')
            digits[count++] = buffer[i];
    }
    while (count > 1 && digits[count - 1] == '0')
        --count;
    int exponent = 0;
    const char *exponentText = buffer + ePos + 1;
    std::from_chars(exponentText + (*exponentText == '+'), end, exponent);

    char text[48];
    std::size_t length = 0;
    const auto put = [&](char c) { text[length++] = c; };
    const auto putDigits = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i)
            put(digits[i]);
    };
    if (value < 0)
        put('-');
    if (exponent < -4 || exponent >= kSignificantDigits) {
        put(digits[0]);
        if (count > 1) {
            put('.');
            putDigits(1, count);
        }
        put('E');
        put(exponent < 0 ? '-' : '+');
        const int size = std::abs(exponent);
        if (size < 10)
            put('0');
        length = static_cast<std::size_t>(
            std::to_chars(text + length, text + sizeof text, size).ptr - text);
    } else if (exponent < 0) {
        put('0');
        put('.');
        for (int i = -1; i > exponent; --i)
            put('0');
        putDigits(0, count);
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent + 1);
        putDigits(0, std::min(count, integerDigits));
        for (std::size_t i = count; i < integerDigits; ++i)
            put('0');
        if (count > integerDigits) {
            put('.');
            putDigits(integerDigits, count);
        }
    }
    return std::string(text, length);
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

#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

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

// One code point read from UTF-8, or the single byte that does not start a valid sequence.
struct CodePoint {
    char32_t value = 0;
    std::size_t length = 1; // bytes used
    bool valid = false;
};

CodePoint decode(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80)
        return {lead, 1, true};
    std::size_t length = 0;
    char32_t value = 0;
    char32_t smallest = 0; // overlong forms are refused
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
        smallest = 0x10000;
    } else {
        return {};
    }
    if (text.size() < length)
        return {};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {};
        value = (value << 6) | (byte(i) & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return {};
    return {value, length, true};
}

// Characters that move the cursor, end a line or reorder what follows when shown.
bool needsEscape(char32_t c)
{
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F) || c == 0x061C || c == 0x200E ||
           c == 0x200F || (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) ||
           c == 0xFEFF;
}

std::string hex(std::uint32_t value, int digits)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
    return text;
}

// How one code point (or stray byte) is shown, and how many characters that takes.
struct Shown {
    std::string text;
    std::size_t width = 0;
};

Shown show(const CodePoint &c, std::string_view bytes)
{
    if (!c.valid)
        return {"\\x" + hex(static_cast<std::uint8_t>(bytes[0]), 2), 4};
    switch (c.value) {
    case '\n':
        return {"\\n", 2};
    case '\r':
        return {"\\r", 2};
    case '\t':
        return {"\\t", 2};
    case '"':
        return {"\\\"", 2};
    case '\\':
        return {"\\\\", 2};
    default:
        break;
    }
    if (c.value < 0x80 && needsEscape(c.value))
        return {"\\x" + hex(c.value, 2), 4};
    if (needsEscape(c.value))
        return {"\\u" + hex(c.value, 4), 6};
    return {std::string(bytes.substr(0, c.length)), 1};
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

std::string quoteTyped(std::string_view text, std::size_t longest)
{
    std::string quoted = "\"";
    std::size_t width = 0;
    while (!text.empty()) {
        const CodePoint c = decode(text);
        const Shown shown = show(c, text);
        if (width + shown.width > longest) {
            quoted += "…";
            break;
        }
        quoted += shown.text;
        width += shown.width;
        text.remove_prefix(c.valid ? c.length : 1);
    }
    return quoted + "\"";
}

} // namespace core

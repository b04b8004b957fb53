// The number parser and the quoting of typed text, on any bytes.
#include "core/number_format.h"
#include "core/number_text.h"
#include "fuzz_checks.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const core::ParsedNumber parsed = core::parseNumber(text);
    if (parsed.ok()) {
        if (!std::isfinite(parsed.value))
            fuzz::fail("a number read is not finite", text);
        for (char c : text) {
            if (!((c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' ||
                  c == '-' || c == ' ' || c == '\t'))
                fuzz::fail("a number read from other characters", text);
        }
        // The general format writes it back as a number that reads again, close to it.
        const std::string shown = core::formatNumber(parsed.value);
        const core::ParsedNumber again = core::parseNumber(shown);
        if (!again.ok() || std::fabs(again.value - parsed.value) > 1e-14 * std::fabs(parsed.value))
            fuzz::fail("a number does not survive its format", shown);
    }
    // A quoted text is one line of at most 40 shown characters, each at most 6 bytes long
    // ("\u202E"), in quotes, with an ellipsis when cut.
    const std::string quoted = core::quoteTyped(text);
    fuzz::expectOneSafeLine(quoted, 2 + 40 * 6 + 3, "a quoted text is not one safe line");
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"')
        fuzz::fail("a quoted text is not in quotes", quoted);
    return 0;
}

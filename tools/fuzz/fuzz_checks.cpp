#include "fuzz_checks.h"

#include "core/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

void fail(std::string_view why, std::string_view detail)
{
    std::fprintf(stderr, "broken promise: %.*s %s\n", int(why.size()), why.data(),
                 core::quoteTyped(detail).c_str());
    std::abort();
}

void expectOneSafeLine(std::string_view message, std::size_t longest, std::string_view what,
                       bool tabs)
{
    if (message.size() > longest)
        fail(what, "longer than " + std::to_string(longest) + " bytes");
    for (unsigned char c : message) {
        if ((c < 0x20 && !(tabs && c == '\t')) || c == 0x7F)
            fail(what, message);
    }
}

void expectSound(const core::DesignResult &result, std::span<const core::InputField> inputs)
{
    if (!result.accepted()) {
        const core::Refusal &refusal = *result.refusal;
        if (!result.run.events().empty() || !result.run.trace().empty())
            fail("a refused run writes something", refusal.message);
        expectOneSafeLine(refusal.message, 600, "refusal is not one safe line");
        if (refusal.message.empty())
            fail("an empty refusal");
        if (refusal.control.empty())
            return;
        for (const core::InputField &input : inputs) {
            if (input.control == refusal.control) {
                if (refusal.message.find("\"" + std::string(input.caption) + "\"") ==
                    std::string::npos)
                    fail("the refusal does not name its field", refusal.message);
                return;
            }
        }
        fail("the refusal points at no input", refusal.control);
    }
    if (result.run.events().empty())
        fail("an accepted run writes nothing");
    for (const core::TraceEntry &entry : result.run.trace()) {
        if (!std::isfinite(entry.value))
            fail("a quantity is not finite", entry.symbol);
    }
    for (const core::BarLine &line : result.run.bars()) {
        if (!(line.count >= 0 && line.count <= core::kMostBars))
            fail("a line of bars holds an absurd count", line.description);
    }
    for (const core::ConcreteBlock &block : result.run.concrete()) {
        if (!(block.length <= core::kLargestPlan && block.width <= core::kLargestPlan))
            fail("a block of concrete of an absurd size", block.part);
    }
    for (const core::Event &event : result.run.events()) {
        expectOneSafeLine(event.text, event.text.size(), "a field shows more than one line", true);
        const core::ParsedNumber number = core::parseNumber(event.text);
        if (!number.ok())
            continue;
        if (event.text.find_first_of("eE") != std::string::npos)
            fail("a field shows an exponent", event.text);
        if (std::fabs(number.value) > core::kLargestShown)
            fail("a field shows an absurd magnitude", event.text);
    }
}

} // namespace fuzz

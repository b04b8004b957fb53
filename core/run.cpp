#include "core/run.h"

#include "core/number_format.h"

#include <cmath>
#include <cstdio>

namespace core {

void Run::setText(std::string_view target, std::string_view text)
{
    m_events.push_back({Event::Kind::SetText, std::string(target), std::string(text), {}, 0, 0});
}

void Run::setNumber(std::string_view target, double value)
{
    checkFinite(target, value);
    checkShown(target, value);
    setText(target, formatNumber(value));
}

void Run::setNumber(std::string_view target, const Term &value)
{
    checkFinite(target, value.value(), value.inputs());
    checkShown(target, value.value(), value.inputs());
    setText(target, formatNumber(value.value()));
}

void Run::show(std::string_view target)
{
    m_events.push_back({Event::Kind::Show, std::string(target), {}, {}, 0, 0});
}

void Run::hide(std::string_view target)
{
    m_events.push_back({Event::Kind::Hide, std::string(target), {}, {}, 0, 0});
}

void Run::setColours(std::string_view target, std::uint32_t back, std::uint32_t fore)
{
    m_events.push_back({Event::Kind::SetColours, std::string(target), {}, {}, back, fore});
}

void Run::messageBox(std::string_view text, std::string_view title)
{
    m_events.push_back({Event::Kind::MessageBox, {}, std::string(text), std::string(title), 0, 0});
}

void Run::note(std::string_view symbol, double value, std::string_view unit)
{
    checkFinite(symbol, value);
    m_trace.push_back({std::string(symbol), value, std::string(unit), std::nullopt, m_heading, {}});
}

void Run::heading(std::string_view title)
{
    m_heading = std::string(title);
}

Term Run::step(std::string_view symbol, const Term &value, std::string_view unit,
               std::string_view note)
{
    checkFinite(symbol, value.value(), value.inputs());
    m_trace.push_back({std::string(symbol), value.value(), std::string(unit), value, m_heading,
                       std::string(note)});
    return Term::symbol(symbol, value.value(), value.inputs());
}

void Run::check(Check check)
{
    checkFinite(check.name, check.demand);
    checkFinite(check.name, check.capacity);
    m_checks.push_back(std::move(check));
}

void Run::warn(Warning warning)
{
    m_warnings.push_back(std::move(warning));
}

void Run::concrete(ConcreteBlock block)
{
    checkFinite(block.part, block.volume());
    m_concrete.push_back(std::move(block));
}

void Run::bars(BarLine line)
{
    checkFinite(line.description, line.mass());
    m_bars.push_back(std::move(line));
}

void Run::sketch(Sketch sketch)
{
    m_sketches.push_back(std::move(sketch));
}

void Run::assume(std::string_view assumption)
{
    m_assumptions.emplace_back(assumption);
}

std::optional<std::string> Run::textOf(std::string_view target) const
{
    std::optional<std::string> text;
    for (const Event &event : m_events) {
        if (event.kind == Event::Kind::SetText && event.target == target)
            text = event.text;
    }
    return text;
}

void Run::checkFinite(std::string_view name, double value, std::uint64_t inputs)
{
    if (!std::isfinite(value) && m_allFinite) {
        m_allFinite = false;
        m_firstNonFinite = std::string(name);
        m_firstNonFiniteInputs = inputs;
    }
}

void Run::checkShown(std::string_view target, double value, std::uint64_t inputs)
{
    if (std::fabs(value) > kLargestShown && m_firstTooLarge.empty()) {
        m_firstTooLarge = std::string(target);
        m_firstTooLargeInputs = inputs;
    }
}

namespace {

std::string hexColour(std::uint32_t rgb)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFFu));
    return text;
}

} // namespace

std::string describe(const Event &event)
{
    switch (event.kind) {
    case Event::Kind::SetText:
        return event.target + "=" + event.text;
    case Event::Kind::Show:
        return "show: " + event.target;
    case Event::Kind::Hide:
        return "hide: " + event.target;
    case Event::Kind::SetColours:
        return "colours: " + event.target + " back=" + hexColour(event.back) +
               " fore=" + hexColour(event.fore);
    case Event::Kind::MessageBox:
        return "msgbox: " + event.text + " | " + event.title;
    }
    return {};
}

std::string describe(const TraceEntry &entry)
{
    std::string line = "trace: " + entry.symbol + " = " + formatNumber(entry.value);
    if (!entry.unit.empty())
        line += " " + entry.unit;
    return line;
}

} // namespace core

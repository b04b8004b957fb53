#include "core/run.h"

#include "core/number_format.h"

#include <cmath>
#include <cstdio>

namespace core {

namespace {

// Room for what a design usually writes and notes, made once at the first entry, rather than
// moving every entry to a larger array again and again as the run grows.
constexpr std::size_t kEventsUsually = 32;
constexpr std::size_t kStepsUsually = 64;
constexpr std::size_t kChecksUsually = 16;
constexpr std::size_t kPartsUsually = 8; // concrete blocks, bar lines, sketches, assumptions

template <class T> std::vector<T> &roomFor(std::vector<T> &entries, std::size_t usually)
{
    if (entries.capacity() == 0)
        entries.reserve(usually);
    return entries;
}

} // namespace

void Run::setText(std::string_view target, std::string_view text)
{
    roomFor(m_events, kEventsUsually)
        .push_back({Event::Kind::SetText, std::string(target), std::string(text), {}, 0, 0});
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
    roomFor(m_events, kEventsUsually)
        .push_back({Event::Kind::Show, std::string(target), {}, {}, 0, 0});
}

void Run::hide(std::string_view target)
{
    roomFor(m_events, kEventsUsually)
        .push_back({Event::Kind::Hide, std::string(target), {}, {}, 0, 0});
}

void Run::setColours(std::string_view target, std::uint32_t back, std::uint32_t fore)
{
    roomFor(m_events, kEventsUsually)
        .push_back({Event::Kind::SetColours, std::string(target), {}, {}, back, fore});
}

void Run::messageBox(std::string_view text, std::string_view title)
{
    roomFor(m_events, kEventsUsually)
        .push_back({Event::Kind::MessageBox, {}, std::string(text), std::string(title), 0, 0});
}

void Run::note(std::string_view symbol, double value, std::string_view unit)
{
    checkFinite(symbol, value);
    roomFor(m_trace, kStepsUsually)
        .push_back({std::string(symbol), value, std::string(unit), std::nullopt, m_heading, {}});
}

void Run::heading(std::string_view title)
{
    m_heading = std::string(title);
}

Term Run::step(std::string_view symbol, const Term &value, std::string_view unit,
               std::string_view note)
{
    checkFinite(symbol, value.value(), value.inputs());
    roomFor(m_trace, kStepsUsually)
        .push_back({std::string(symbol), value.value(), std::string(unit), value, m_heading,
                    std::string(note)});
    return Term::symbol(symbol, value.value(), value.inputs());
}

void Run::check(Check check)
{
    checkFinite(check.name, check.demand);
    checkFinite(check.name, check.capacity);
    roomFor(m_checks, kChecksUsually).push_back(std::move(check));
}

void Run::warn(Warning warning)
{
    roomFor(m_warnings, kPartsUsually).push_back(std::move(warning));
}

void Run::concrete(ConcreteBlock block)
{
    checkFinite(block.part, block.volume());
    roomFor(m_concrete, kPartsUsually).push_back(std::move(block));
}

void Run::bars(BarLine line)
{
    checkFinite(line.description, line.mass());
    roomFor(m_bars, kPartsUsually).push_back(std::move(line));
}

void Run::sketch(Sketch sketch)
{
    roomFor(m_sketches, kPartsUsually).push_back(std::move(sketch));
}

void Run::assume(std::string_view assumption)
{
    roomFor(m_assumptions, kPartsUsually).emplace_back(assumption);
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

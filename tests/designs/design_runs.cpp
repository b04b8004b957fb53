#include "design_runs.h"

#include "app/design_windows.h"
#include "core/number_text.h"
#include "strip/strip_design.h"
#include "strip/strip_tables.h"

#include <charconv>
#include <cmath>

namespace design_runs {

std::span<const core::InputField> Config::inputs() const
{
    // Under a row of columns the strip window's load is per column, with its own range.
    if (window->command == "strip" && footingCase == strip::kSeriesOfColumn)
        return strip::tables::kColumnInputs;
    return window->inputs;
}

std::vector<core::InputField> Config::numbers() const
{
    std::vector<core::InputField> numbers;
    for (const core::InputField &input : inputs()) {
        if (input.hasRange())
            numbers.push_back(input);
    }
    return numbers;
}

core::DesignRequest Config::defaults() const
{
    core::DesignRequest request = core::defaultRequest(*window, footingCase);
    if (brickWall)
        request.texts[std::string(window->wallOption)] =
            *brickWall ? core::kSelected : core::kCleared;
    return request;
}

void PrintTo(const Config &config, std::ostream *out)
{
    *out << config.name;
}

const std::vector<Config> &allConfigs()
{
    static const std::vector<Config> configs = [] {
        std::vector<Config> all;
        for (const core::DesignWindowInfo *window : app::designWindows()) {
            const int cases = window->caseNames.empty() ? 1 : int(window->caseNames.size());
            for (int footingCase = 0; footingCase < cases; ++footingCase) {
                std::string name(window->command);
                if (!window->caseNames.empty())
                    name += "_case" + std::to_string(footingCase);
                const bool wall =
                    !window->wallOption.empty() &&
                    !(window->command == "strip" && footingCase == strip::kSeriesOfColumn);
                if (!wall) {
                    all.push_back({window, footingCase, std::nullopt, name});
                    continue;
                }
                all.push_back({window, footingCase, true, name + "_brick"});
                all.push_back({window, footingCase, false, name + "_concrete"});
            }
        }
        return all;
    }();
    return configs;
}

std::uint64_t Random::next()
{
    // splitmix64
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Random::uniform(double low, double high)
{
    const double unit = double(next() >> 11) * 0x1.0p-53;
    return low + (high - low) * unit;
}

int Random::below(int n)
{
    return int(next() % std::uint64_t(n));
}

bool Random::chance(double p)
{
    return uniform(0, 1) < p;
}

double randomInRange(const core::InputField &input, Random &random)
{
    if (input.low > 0)
        return std::exp(random.uniform(std::log(input.low), std::log(input.high)));
    return random.uniform(input.low, input.high);
}

std::string typed(double value)
{
    if (value == 0)
        return "0";
    const int magnitude = int(std::floor(std::log10(std::fabs(value))));
    const int decimals = magnitude >= 3 ? 0 : 3 - magnitude;
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    std::string result(text, end);
    if (result.find('.') != std::string::npos) {
        while (result.back() == '0')
            result.pop_back();
        if (result.back() == '.')
            result.pop_back();
    }
    return result == "-0" ? "0" : result;
}

std::vector<ShownNumber> shownNumbers(const core::Run &run)
{
    std::vector<ShownNumber> numbers;
    for (const core::Event &event : run.events()) {
        if (event.kind != core::Event::Kind::SetText)
            continue;
        const core::ParsedNumber parsed = core::parseNumber(event.text);
        if (parsed.ok())
            numbers.push_back({event.target, event.text, parsed.value});
    }
    return numbers;
}

std::string whatIsWrong(const core::Run &run)
{
    for (const core::TraceEntry &entry : run.trace()) {
        if (!std::isfinite(entry.value))
            return "the quantity " + entry.symbol + " is not finite";
    }
    for (const core::Event &event : run.events()) {
        if (event.text == "NaN" || event.text == "Infinity" || event.text == "-Infinity")
            return event.target + " shows " + event.text;
        if (event.text.find('\n') != std::string::npos)
            return event.target + " shows more than one line: " + event.text;
    }
    for (const ShownNumber &number : shownNumbers(run)) {
        if (number.text.find_first_of("eE") != std::string::npos)
            return number.control + " shows an exponent: " + number.text;
        if (std::fabs(number.value) > core::kLargestShown)
            return number.control + " shows an absurd magnitude: " + number.text;
    }
    for (const core::BarLine &line : run.bars()) {
        if (!(line.count >= 0 && line.count <= core::kMostBars) ||
            line.count != std::floor(line.count))
            return line.description + ": a bar count of " + std::to_string(line.count);
    }
    for (const core::ConcreteBlock &block : run.concrete()) {
        if (!(block.length <= core::kLargestPlan && block.width <= core::kLargestPlan))
            return block.part + " of " + std::to_string(block.length) + " m × " +
                   std::to_string(block.width) + " m";
    }
    return {};
}

std::optional<double> traced(const core::Run &run, const std::string &symbol)
{
    for (const core::TraceEntry &entry : run.trace()) {
        if (entry.symbol == symbol)
            return entry.value;
    }
    return std::nullopt;
}

} // namespace design_runs

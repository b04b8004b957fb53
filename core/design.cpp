#include "core/design.h"

#include "core/number_format.h"
#include "core/number_text.h"

#include <algorithm>

namespace core {

std::string textOf(const FieldTexts &texts, std::string_view control)
{
    const auto found = texts.find(control);
    return found == texts.end() ? std::string{} : found->second;
}

std::string_view defaultText(const DesignWindowInfo &window, std::string_view control)
{
    const auto row = std::find_if(window.controls.begin(), window.controls.end(),
                                  [&](const Control &c) { return c.name == control; });
    if (row == window.controls.end())
        return {};
    if (row->kind == Kind::OptionButton)
        return row->text == kSelected ? kSelected : kCleared;
    return row->text;
}

DesignRequest defaultRequest(const DesignWindowInfo &window, int footingCase)
{
    DesignRequest request;
    request.footingCase = footingCase;
    for (const InputField &input : window.inputs)
        request.texts.emplace(std::string(input.control),
                              std::string(defaultText(window, input.control)));
    return request;
}

std::string_view captionOf(const DesignWindowInfo &window, std::string_view control)
{
    for (const InputField &input : window.inputs) {
        if (input.control == control)
            return input.caption;
    }
    return {};
}

std::string rangeText(const InputField &input)
{
    if (!input.hasRange())
        return {};
    std::string text = formatNumber(input.low) + " to " + formatNumber(input.high);
    if (!input.unit.empty())
        text += " " + std::string(input.unit);
    return text;
}

FieldReader::FieldReader(const FieldTexts &texts, std::span<const InputField> inputs)
    : m_texts(texts), m_inputs(inputs)
{
    m_read.reserve(inputs.size());
}

std::string FieldReader::quoted(std::string_view control) const
{
    for (const InputField &input : m_inputs) {
        if (input.control == control)
            return "\"" + std::string(input.caption) + "\"";
    }
    return "\"" + std::string(control) + "\"";
}

const InputField *FieldReader::field(std::string_view control) const
{
    for (const InputField &input : m_inputs) {
        if (input.control == control)
            return &input;
    }
    return nullptr;
}

std::string_view FieldReader::textOf(std::string_view control) const
{
    const auto text = m_texts.find(control);
    return text == m_texts.end() ? std::string_view{} : std::string_view(text->second);
}

std::optional<double> FieldReader::read(std::string_view control)
{
    if (failed())
        return std::nullopt;
    m_read.emplace_back(control);
    const std::string_view text = textOf(control);
    const ParsedNumber parsed = parseNumber(text);
    if (parsed.ok())
        return parsed.value;
    switch (*parsed.error) {
    case NumberTextError::Empty:
        refuse(control, quoted(control) + " is empty: type a number.");
        break;
    case NumberTextError::NotANumber:
        refuse(control, quoted(control) + " must be a number, written with a decimal point (" +
                            quoteTyped(text) + " is not).");
        break;
    case NumberTextError::OutOfRange:
        refuse(control, quoted(control) + " is out of range: type a number of ordinary size.");
        break;
    }
    return std::nullopt;
}

bool FieldReader::inRange(std::string_view control, double value)
{
    const InputField *input = field(control);
    if (!input || !input->hasRange() || (value >= input->low && value <= input->high))
        return true;
    refuse(control, quoted(control) + " must be from " + rangeText(*input) + " (" +
                        quoteTyped(textOf(control)) + " is not).");
    return false;
}

Term FieldReader::term(std::string_view control, double value) const
{
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        if (m_inputs[i].control == control) {
            const std::string_view symbol =
                m_inputs[i].symbol.empty() ? m_inputs[i].control : m_inputs[i].symbol;
            return Term::symbol(symbol, value, i < 64 ? std::uint64_t{1} << i : 0);
        }
    }
    return Term::symbol(control, value);
}

Term FieldReader::number(std::string_view control)
{
    const std::optional<double> value = read(control);
    if (!value || !inRange(control, *value))
        return term(control, 0.0);
    return term(control, *value);
}

bool FieldReader::selected(std::string_view control)
{
    if (failed())
        return false;
    m_read.emplace_back(control);
    const auto text = m_texts.find(control);
    if (text != m_texts.end() && text->second == kSelected)
        return true;
    if (text != m_texts.end() && text->second == kCleared)
        return false;
    refuse(control, quoted(control) + " is an option: " + std::string(kSelected) + " selects it, " +
                        std::string(kCleared) + " clears it.");
    return false;
}

Term FieldReader::positive(std::string_view control)
{
    return greaterThan(control, 0.0, "0");
}

Term FieldReader::greaterThan(std::string_view control, double limit, std::string_view limitWords)
{
    const std::optional<double> value = read(control);
    if (!value)
        return term(control, 0.0);
    if (!(*value > limit)) {
        refuse(control, quoted(control) + " must be greater than " + std::string(limitWords) + ".");
        return term(control, 0.0);
    }
    if (!inRange(control, *value))
        return term(control, 0.0);
    return term(control, *value);
}

void FieldReader::refuse(std::string_view control, std::string message)
{
    if (!failed())
        m_refusal = Refusal{std::string(control), std::move(message)};
}

DesignResult FieldReader::refused() const
{
    return {Run{}, m_refusal};
}

namespace {

// What is wrong with a finished run, in words, and the inputs behind it; nothing when the run
// can be shown.
struct Fault {
    std::string_view what;
    std::uint64_t inputs = 0;
};

std::optional<Fault> faultOf(const Run &run)
{
    if (!run.allFinite())
        return Fault{"no finite value", run.firstNonFiniteInputs()};
    if (!run.allShownPlausible())
        return Fault{"results too large for any footing", run.firstTooLargeInputs()};
    for (const ConcreteBlock &block : run.concrete()) {
        if (block.length > kLargestPlan || block.width > kLargestPlan)
            return Fault{"a footing larger than any foundation is built"};
    }
    for (const BarLine &line : run.bars()) {
        if (line.count > kMostBars)
            return Fault{"more bars than any footing holds"};
    }
    return std::nullopt;
}

} // namespace

DesignResult finish(Run run, std::span<const InputField> inputs)
{
    const std::optional<Fault> fault = faultOf(run);
    if (!fault)
        return {std::move(run), std::nullopt};
    // The inputs behind the quantity, in the order of the window's inputs.
    std::vector<const InputField *> named;
    for (std::size_t i = 0; i < inputs.size() && i < 64; ++i) {
        if (fault->inputs >> i & 1u)
            named.push_back(&inputs[i]);
    }
    // A quantity noted as a bare number does not know them: every number the run read.
    if (named.empty()) {
        const std::vector<std::string> &read = run.inputsRead();
        for (const InputField &input : inputs) {
            if (!input.unit.empty() &&
                std::find(read.begin(), read.end(), input.control) != read.end())
                named.push_back(&input);
        }
    }
    if (named.empty())
        return finish(std::move(run), "the loads, sizes and strengths");
    std::string message = "These inputs give " + std::string(fault->what) + ":";
    for (std::size_t i = 0; i < named.size(); ++i)
        message += (i ? ", \"" : " \"") + std::string(named[i]->caption) + "\"";
    message += ". Check them.";
    return {Run{}, Refusal{std::string(named.front()->control), std::move(message)}};
}

DesignResult finish(Run run, std::string_view blame)
{
    const std::optional<Fault> fault = faultOf(run);
    if (!fault)
        return {std::move(run), std::nullopt};
    return {Run{}, Refusal{{},
                           "These inputs give " + std::string(fault->what) + ". Check " +
                               std::string(blame) + "."}};
}

} // namespace core

#pragma once

#include "core/control_table.h"
#include "core/run.h"

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// The texts of a window's inputs and lists, by control name.
using FieldTexts = std::map<std::string, std::string, std::less<>>;

// An input of a design window: its control (a text box, a bar-diameter list or an option
// button) and the caption the user knows it by.
struct InputField {
    std::string_view control;
    std::string_view caption;
    std::string_view symbol = {}; // as the calculation writes it: "fcu", "qall", "φL"
    std::string_view unit = {};   // "t", "cm", "kg/cm2"; empty for an option
    // The plausible range of a number, both ends included; low == high means no range is set.
    // A number outside it is refused, naming the field and the range.
    double low = 0;
    double high = 0;

    constexpr bool hasRange() const { return low < high; }
};

// The range of an input as messages and the help text write it: "1800 to 8000 kg/cm2"; empty
// when the input has none.
std::string rangeText(const InputField &input);

// Why a run was refused: the field (by control and caption) and the condition it breaks.
struct Refusal {
    std::string control;
    std::string message; // a whole sentence naming the field by its caption
};

// What a design run hands back: either the complete Run, or a refusal and nothing to apply.
struct DesignResult {
    Run run;
    std::optional<Refusal> refusal;

    bool accepted() const { return !refusal; }
};

// Everything a design function reads: the case chosen in a chooser and the current texts of
// the inputs, lists and option buttons.
struct DesignRequest {
    int footingCase = 0;
    FieldTexts texts;
};

using DesignFunction = DesignResult (*)(const DesignRequest &);

// A design window as the headless command and the tests see it.
struct DesignWindowInfo {
    std::string_view command;                    // "isolated", "strip", "combined", "strap"
    std::string_view title;                      // the window caption
    std::span<const Control> controls;           // the window's control table (default texts)
    std::span<const InputField> inputs;          // every input and list the design reads, in order
    std::span<const std::string_view> caseNames; // empty when the window has no cases
    std::string_view wallOption = {}; // the option selected for a brick wall, cleared for concrete
    DesignFunction design = nullptr;
};

// The text of a control among the texts ("" when it is not there).
std::string textOf(const FieldTexts &texts, std::string_view control);

// The default text of an input, from the window's control table ("" if it has none); an
// option button's is kSelected or kCleared.
std::string_view defaultText(const DesignWindowInfo &window, std::string_view control);
// The request a freshly opened window would make: every input at its default text.
DesignRequest defaultRequest(const DesignWindowInfo &window, int footingCase = 0);
// The caption of an input ("" if unknown).
std::string_view captionOf(const DesignWindowInfo &window, std::string_view control);

// Reads and validates input texts, keeping the first failure. After a failure every read
// returns 0 and the design function should stop and return refused(). A number outside its
// input's plausible range is refused (after the condition of positive() or greaterThan(), so
// "must be greater than 0" still comes first for a zero or negative text).
class FieldReader
{
public:
    FieldReader(const FieldTexts &texts, std::span<const InputField> inputs);

    // Each number comes back as a term named by the input's symbol, marked with the input it
    // is, so every quantity computed from it knows the inputs behind it.
    Term number(std::string_view control);   // any number
    Term positive(std::string_view control); // greater than 0
    // greater than `limit`; `limitWords` completes "must be greater than ...".
    Term greaterThan(std::string_view control, double limit, std::string_view limitWords);
    bool selected(std::string_view control); // an option button: kSelected or kCleared

    // Record a failure found later by the design itself (a derived quantity out of range).
    void refuse(std::string_view control, std::string message);

    bool failed() const { return m_refusal.has_value(); }
    // The controls read so far, in the order they were read (the inputs a run used).
    const std::vector<std::string> &readControls() const { return m_read; }
    DesignResult refused() const;

    std::string quoted(std::string_view control) const; // the caption in double quotes

private:
    const InputField *field(std::string_view control) const;
    std::string_view textOf(std::string_view control) const;
    std::optional<double> read(std::string_view control);
    bool inRange(std::string_view control, double value);
    Term term(std::string_view control, double value) const;

    const FieldTexts &m_texts;
    std::span<const InputField> m_inputs;
    std::optional<Refusal> m_refusal;
    std::vector<std::string> m_read;
};

// Seals a finished run: refuses it if any number written or noted is not finite, so the
// window never shows inf or nan, or if a field would show more than kLargestShown, a block of
// concrete would be longer or wider than kLargestPlan or a line of bars hold more than
// kMostBars: the signs of inputs that are each plausible but absurd together. The refusal
// names, by caption, the inputs the first such quantity was computed from (or, for a quantity
// noted as a bare number, the numbers the run read), and is addressed to the first of them.
DesignResult finish(Run run, std::span<const InputField> inputs);
// The same for a run whose quantities do not carry their inputs: `blame` says in words which
// inputs to look at ("the loads, sizes and strengths").
DesignResult finish(Run run, std::string_view blame);

} // namespace core

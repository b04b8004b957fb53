#pragma once

#include "core/calculation.h"
#include "core/term.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// One thing a design run asks its window to do, in order.
struct Event {
    enum class Kind : std::uint8_t { SetText, Show, Hide, SetColours, MessageBox };

    Kind kind = Kind::SetText;
    std::string target;     // control name; empty for a message box
    std::string text;       // caption (SetText) or message text (MessageBox)
    std::string title;      // message box title
    std::uint32_t back = 0; // SetColours: background #RRGGBB
    std::uint32_t fore = 0; // SetColours: text colour #RRGGBB

    friend bool operator==(const Event &, const Event &) = default;
};

// A named intermediate quantity of a run, in step order. A step of the calculation also keeps
// the term it was computed from, so a report can write "symbol = formula = numbers = value".
struct TraceEntry {
    std::string symbol;
    double value = 0.0;
    std::string unit;
    std::optional<Term> expression; // absent for a value noted without its formula
    std::string heading;            // the group of steps it belongs to ("Punching")
    std::string note;               // why this formula applies: "dr = 45 ≤ t − cover = 55"
};

// The largest magnitude a result field may show. No footing within the plausible ranges of its
// inputs needs more (its sizes are metres, its steel areas some thousands of cm2, its bar
// counts some tens of thousands); a run that would show more has absurd inputs together, and
// is refused rather than shown.
inline constexpr double kLargestShown = 1e6;
// Tighter bounds on what a footing can be, for the same reason. The rules can give long, thin
// footings (a small moment without tension under the footing asks for a footing six
// eccentricities long and as wide as the bearing needs), which the design shows with a
// warning; but no foundation is a kilometre long, nor holds more than ten thousand bars in
// one line, one every 10 cm along that kilometre.
inline constexpr double kLargestPlan = 1000; // m, the length or width of a block of concrete
inline constexpr double kMostBars = 10000;   // bars of one line of the bar schedule

// The complete, ordered outcome of one design run.
class Run
{
public:
    void setText(std::string_view target, std::string_view text);
    void setNumber(std::string_view target, double value); // general number format
    void setNumber(std::string_view target, const Term &value);
    void show(std::string_view target);
    void hide(std::string_view target);
    void setColours(std::string_view target, std::uint32_t back, std::uint32_t fore);
    void messageBox(std::string_view text, std::string_view title);
    void note(std::string_view symbol, double value, std::string_view unit = {});

    // The calculation as a report writes it. `heading` starts a group of steps; `step` notes
    // a quantity with the term it is computed from and returns it as a symbol for the
    // formulas that follow. Every step is also a trace entry.
    void heading(std::string_view title);
    Term step(std::string_view symbol, const Term &value, std::string_view unit = {},
              std::string_view note = {});
    void check(Check check);
    void warn(Warning warning);
    void concrete(ConcreteBlock block);
    void bars(BarLine line);
    void sketch(Sketch sketch);
    void assume(std::string_view assumption); // a line of the report's stated assumptions
    // The input controls the run read, in order (FieldReader::readControls), for the report's
    // table of inputs.
    void setInputsRead(std::vector<std::string> controls) { m_inputsRead = std::move(controls); }

    const std::vector<Event> &events() const { return m_events; }
    const std::vector<TraceEntry> &trace() const { return m_trace; }
    const std::vector<Check> &checks() const { return m_checks; }
    const std::vector<Warning> &warnings() const { return m_warnings; }
    const std::vector<ConcreteBlock> &concrete() const { return m_concrete; }
    const std::vector<BarLine> &bars() const { return m_bars; }
    const std::vector<Sketch> &sketches() const { return m_sketches; }
    const std::vector<std::string> &assumptions() const { return m_assumptions; }
    const std::vector<std::string> &inputsRead() const { return m_inputsRead; }

    // The last text written to a control by this run, if any.
    std::optional<std::string> textOf(std::string_view target) const;
    // Every number written or noted was finite.
    bool allFinite() const { return m_allFinite; }
    // Name of the first non-finite quantity, and the inputs it depends on (bit i for the i-th
    // input field; 0 when it was noted as a bare number), for the refusal message.
    const std::string &firstNonFinite() const { return m_firstNonFinite; }
    std::uint64_t firstNonFiniteInputs() const { return m_firstNonFiniteInputs; }
    // Every number written to a field was at most kLargestShown in magnitude; else the first
    // field that would show more, and the inputs its number depends on.
    bool allShownPlausible() const { return m_firstTooLarge.empty(); }
    const std::string &firstTooLarge() const { return m_firstTooLarge; }
    std::uint64_t firstTooLargeInputs() const { return m_firstTooLargeInputs; }

private:
    void checkFinite(std::string_view name, double value, std::uint64_t inputs = 0);
    void checkShown(std::string_view target, double value, std::uint64_t inputs = 0);

    std::vector<Event> m_events;
    std::vector<TraceEntry> m_trace;
    std::string m_heading;
    std::vector<Check> m_checks;
    std::vector<Warning> m_warnings;
    std::vector<ConcreteBlock> m_concrete;
    std::vector<BarLine> m_bars;
    std::vector<Sketch> m_sketches;
    std::vector<std::string> m_assumptions;
    std::vector<std::string> m_inputsRead;
    bool m_allFinite = true;
    std::string m_firstNonFinite;
    std::uint64_t m_firstNonFiniteInputs = 0;
    std::string m_firstTooLarge;
    std::uint64_t m_firstTooLargeInputs = 0;
};

// One line of the headless command: "Label37=2.45", "show: Picture2", "hide: Picture3",
// "msgbox: TEXT | TITLE", "colours: Label36 back=#00FFFF fore=#FF0000".
std::string describe(const Event &event);
std::string describe(const TraceEntry &entry);

} // namespace core

#pragma once

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

// A named intermediate quantity of a run, in step order.
struct TraceEntry {
    std::string symbol;
    double value = 0.0;
    std::string unit;
};

// The complete, ordered outcome of one design run.
class Run
{
public:
    void setText(std::string_view target, std::string_view text);
    void setNumber(std::string_view target, double value); // general number format
    void show(std::string_view target);
    void hide(std::string_view target);
    void setColours(std::string_view target, std::uint32_t back, std::uint32_t fore);
    void messageBox(std::string_view text, std::string_view title);
    void note(std::string_view symbol, double value, std::string_view unit = {});

    const std::vector<Event> &events() const { return m_events; }
    const std::vector<TraceEntry> &trace() const { return m_trace; }

    // The last text written to a control by this run, if any.
    std::optional<std::string> textOf(std::string_view target) const;
    // Every number written or noted was finite.
    bool allFinite() const { return m_allFinite; }
    // Name of the first non-finite quantity, for the refusal message.
    const std::string &firstNonFinite() const { return m_firstNonFinite; }

private:
    void checkFinite(std::string_view name, double value);

    std::vector<Event> m_events;
    std::vector<TraceEntry> m_trace;
    bool m_allFinite = true;
    std::string m_firstNonFinite;
};

// One line of the headless command: "Label37=2.45", "show: Picture2", "hide: Picture3",
// "msgbox: TEXT | TITLE", "colours: Label36 back=#00FFFF fore=#FF0000".
std::string describe(const Event &event);
std::string describe(const TraceEntry &entry);

} // namespace core

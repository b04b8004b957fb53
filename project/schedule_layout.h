#pragma once

#include <array>
#include <string_view>

namespace project {

// Where a design window shows what the footing schedule lists. The sizes and bar counts are
// the texts the run writes into the window's result fields, so the schedule says what the
// window says; the loads and bar diameters are the footing's own input texts.

// One set of bars: its count (a result field), its diameter (a list), and what the schedule
// writes after "16 Φ 12" to say which bars they are (" (L)": along L; " / m": per metre).
struct BarsSource {
    std::string_view count;
    std::string_view diameter;
    std::string_view which = {};
};

// One footing of the window's design (a strap design has two): the result fields of its RC
// plan and thickness, in m, and its main bars.
struct FootingSource {
    std::string_view length;
    std::string_view width;
    std::string_view thickness;
    std::array<BarsSource, 2> bars;
};

struct ScheduleLayout {
    std::string_view window;                   // the window's command
    std::string_view type;                     // as the schedule names it
    std::array<std::string_view, 2> loads;     // the column or wall loads, added up as "P1 + P2"
    std::array<std::string_view, 4> loadUnits; // by case; a window without cases uses the first
    std::array<FootingSource, 2> footings;     // the second is used when it has a thickness field
    unsigned wallCases = 0;                    // bit c set: case c stands under a wall
    // The window shows a check's message only when it fails, so a run without one passed.
    bool silentWhenSafe = false;
};

inline constexpr std::array kScheduleLayouts{
    ScheduleLayout{
        .window = "isolated",
        .type = "Isolated",
        .loads = {"Text1"},
        .loadUnits = {"t", "t", "t", "t"},
        .footings = {FootingSource{
            "Label40",
            "Label41",
            "Label42",
            {BarsSource{"Label28", "Combo2", " (L)"}, BarsSource{"Label27", "Combo1", " (B)"}}}},
    },
    // A strip is designed per metre of wall: it has a width and no length, and its main bars
    // are counted per metre. Under a row of columns the load is that of one column.
    ScheduleLayout{
        .window = "strip",
        .type = "Strip",
        .loads = {"Text1"},
        .loadUnits = {"t/m", "t/m", "t/m", "t"},
        .footings = {FootingSource{
            "Label40", "Label41", "Label42", {BarsSource{"Label27", "Combo1", " / m"}}}},
        .wallCases = 0b0111,
    },
    ScheduleLayout{
        .window = "combined",
        .type = "Combined",
        .loads = {"Text1", "Text2"},
        .loadUnits = {"t"},
        .footings = {FootingSource{"Label78",
                                   "Label79",
                                   "Label80",
                                   {BarsSource{"Label35", "Combo2", " (bottom)"},
                                    BarsSource{"Label30", "Combo1", " (top)"}}}},
    },
    ScheduleLayout{
        .window = "strap",
        .type = "Strap",
        .loads = {"Text1", "Text2"},
        .loadUnits = {"t"},
        .footings =
            {FootingSource{"Label98", "Label99", "Label100", {BarsSource{"Label48", "Combo1"}}},
             FootingSource{"Label104", "Label105", "Label106", {BarsSource{"Label59", "Combo3"}}}},
        .silentWhenSafe = true,
    },
};

// The layout of a window, or nullptr for a window the schedule knows nothing about.
constexpr const ScheduleLayout *findScheduleLayout(std::string_view window)
{
    for (const ScheduleLayout &layout : kScheduleLayouts) {
        if (layout.window == window)
            return &layout;
    }
    return nullptr;
}

} // namespace project

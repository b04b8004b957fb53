#pragma once

#include "core/check_messages.h"
#include "core/design.h"

#include <array>
#include <string_view>
#include <utility>

namespace combined {

// The design window as the headless command and the tests see it: control table, inputs
// and the design function.
const core::DesignWindowInfo &windowInfo();

// One design run of the footing under two columns: reads the inputs and lists, places the
// footing under the resultant with one end flush with a column, and writes every result,
// the drawings of its layout and the check messages, with the calculation that led to them:
// its steps, checks, quantities, bar schedule and sketches.
core::DesignResult design(const core::DesignRequest &request);

// The drawings of a layout: straining actions and reinforcement section.
struct LayoutPictures {
    std::string_view diagrams;
    std::string_view section;
};
// Footing flush with the outer face of C1, projecting beyond C2.
inline constexpr LayoutPictures kC1Flush{"Picture2", "Picture4"};
// Footing flush with the outer face of C2, projecting beyond C1.
inline constexpr LayoutPictures kC2Flush{"Picture3", "Picture5"};

// The tab control and its tabs.
inline constexpr std::string_view kTabControl = "SSTab1";
inline constexpr int kInputTab = 0;
inline constexpr int kOutputTab = 1;
inline constexpr int kDiagramsTab = 2;
inline constexpr int kDetailsTab = 3;

// The check fields in the order the blink timer visits them, each with the text it flashes at.
inline constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kBlinkingChecks{{
    {"Label38", core::check::kUnsafeBond},
    {"Label36", core::check::kUnsafeShear},
    {"Label37", core::check::kUnsafePunch},
}};

} // namespace combined

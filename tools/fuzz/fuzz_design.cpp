// One design window's design function, on any texts: the first byte picks the case and the wall,
// the rest is split at each 0x1F into the texts of the window's inputs, in the order of its
// table (inputs past the end keep their defaults). FUZZ_WINDOW names the window.
#include "app/design_windows.h"
#include "fuzz_checks.h"
#include "strip/strip_design.h"
#include "strip/strip_tables.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const core::DesignWindowInfo *window = app::findDesignWindow(FUZZ_WINDOW);
    std::string_view bytes(reinterpret_cast<const char *>(data), size);
    if (bytes.empty())
        return 0;
    const auto choice = static_cast<std::uint8_t>(bytes.front());
    bytes.remove_prefix(1);
    const int cases = window->caseNames.empty() ? 1 : int(window->caseNames.size());
    core::DesignRequest request = core::defaultRequest(*window, choice % cases);
    if (!window->wallOption.empty())
        request.texts[std::string(window->wallOption)] =
            (choice & 0x80) ? core::kCleared : core::kSelected;
    for (const core::InputField &input : window->inputs) {
        if (bytes.empty())
            break;
        const std::size_t end = bytes.find('\x1f');
        request.texts[std::string(input.control)] = std::string(bytes.substr(0, end));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    // Under a row of columns the strip window's load is "P (ton)", with its own range.
    const bool columns =
        window->command == "strip" && request.footingCase == strip::kSeriesOfColumn;
    fuzz::expectSound(window->design(request),
                      columns ? std::span<const core::InputField>(strip::tables::kColumnInputs)
                              : window->inputs);
    return 0;
}

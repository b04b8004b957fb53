#include "project/schedule.h"

#include "core/check_messages.h"
#include "core/number_format.h"
#include "core/number_text.h"
#include "core/term.h"
#include "project/schedule_layout.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace project {

namespace {

// A number as the schedule writes it: as the window writes it, but never with an exponent.
std::string plainNumber(double value)
{
    std::string text = core::formatNumber(value);
    return text.find('E') == std::string::npos ? text : core::reportNumber(value);
}

// The number in a text, written plainly; "" when the text holds none ("-----").
std::string numberIn(std::string_view text)
{
    const core::ParsedNumber parsed = core::parseNumber(text);
    return parsed.ok() ? plainNumber(parsed.value) : std::string();
}

std::string textOf(const core::FieldTexts &texts, std::string_view control)
{
    const auto found = texts.find(control);
    return found == texts.end() ? std::string() : found->second;
}

std::string joined(const std::vector<std::string> &parts, std::string_view separator)
{
    std::string text;
    for (const std::string &part : parts) {
        if (part.empty())
            continue;
        if (!text.empty())
            text += separator;
        text += part;
    }
    return text;
}

std::string caseText(const Footing &footing, const core::DesignWindowInfo &window,
                     const ScheduleLayout *layout)
{
    if (footing.footingCase < 0 ||
        static_cast<std::size_t>(footing.footingCase) >= window.caseNames.size())
        return {};
    std::string text(window.caseNames[static_cast<std::size_t>(footing.footingCase)]);
    if (layout && !window.wallOption.empty() && (layout->wallCases >> footing.footingCase & 1u))
        text += textOf(footing.texts, window.wallOption) == core::kSelected ? ", brick wall"
                                                                            : ", concrete wall";
    return text;
}

std::string loadText(const Footing &footing, const ScheduleLayout &layout)
{
    std::vector<std::string> loads;
    for (std::string_view control : layout.loads) {
        if (control.empty())
            continue;
        loads.push_back(numberIn(textOf(footing.texts, control)));
        if (loads.back().empty())
            return {};
    }
    const auto unitIndex = static_cast<std::size_t>(footing.footingCase);
    const std::string_view unit =
        unitIndex < layout.loadUnits.size() && !layout.loadUnits[unitIndex].empty()
            ? layout.loadUnits[unitIndex]
            : layout.loadUnits[0];
    return joined(loads, " + ") + " " + std::string(unit);
}

// The sizes and bars the run wrote, one entry per footing of the design.
void readSizes(const Footing &footing, const core::Run &run, const ScheduleLayout &layout,
               ScheduleRow &row)
{
    const auto shown = [&](std::string_view control) {
        return numberIn(run.textOf(control).value_or(std::string()));
    };
    std::vector<std::string> lengths, widths, thicknesses, bars;
    for (const FootingSource &part : layout.footings) {
        if (part.thickness.empty())
            continue;
        lengths.push_back(shown(part.length));
        widths.push_back(shown(part.width));
        thicknesses.push_back(shown(part.thickness));
        std::vector<std::string> sets;
        for (const BarsSource &set : part.bars) {
            if (set.count.empty())
                continue;
            const std::string count = shown(set.count);
            const std::string diameter = numberIn(textOf(footing.texts, set.diameter));
            if (!count.empty() && !diameter.empty())
                sets.push_back(count + " Φ " + diameter + std::string(set.which));
        }
        bars.push_back(joined(sets, " + "));
    }
    row.length = joined(lengths, " / ");
    row.width = joined(widths, " / ");
    row.thickness = joined(thicknesses, " / ");
    row.mainBars = joined(bars, " / ");
}

// Judges the run by its checks: the governing check is a failing one if any fails, else the
// one nearest its capacity.
bool judgeByChecks(const core::Run &run, ScheduleRow &row)
{
    const std::vector<core::Check> &checks = run.checks();
    if (checks.empty())
        return false;
    const core::Check *governing = nullptr;
    bool severalFootings = false;
    for (const core::Check &check : checks) {
        severalFootings = severalFootings || check.footing != checks.front().footing;
        if (!check.applies())
            continue;
        if (!governing) {
            governing = &check;
            continue;
        }
        const bool fails = check.outcome == core::Check::Outcome::Fail;
        const bool governingFails = governing->outcome == core::Check::Outcome::Fail;
        // A ratio that is not a finite number (no capacity) ranks above every finite one.
        const double ratio = check.ratio();
        const double governingRatio = governing->ratio();
        const bool fuller =
            std::isfinite(governingRatio) && (!std::isfinite(ratio) || ratio > governingRatio);
        if ((fails && !governingFails) || (fails == governingFails && fuller))
            governing = &check;
    }
    // Checks that all do not apply leave nothing to fail.
    row.verdict = governing && governing->outcome == core::Check::Outcome::Fail ? Verdict::Fail
                                                                                : Verdict::Pass;
    if (!governing)
        return true;
    if (std::isfinite(governing->ratio()))
        row.utilisation = governing->ratio();
    row.governing = governing->name;
    if (severalFootings && !governing->footing.empty())
        row.governing += " (" + governing->footing + ")";
    return true;
}

// A run that records no checks is judged by the check messages it shows.
void judgeByMessages(const core::Run &run, const ScheduleLayout *layout, ScheduleRow &row)
{
    struct Message {
        std::string_view text;
        std::string_view check;
        std::optional<bool> passes;
    };
    static constexpr std::array kMessages{
        Message{core::check::kSafeShear, "One-way shear", true},
        Message{core::check::kUnsafeShear, "One-way shear", false},
        Message{core::check::kSafePunch, "Punching", true},
        Message{core::check::kUnsafePunch, "Punching", false},
        Message{core::check::kSafeBond, "Flexural bond", true},
        Message{core::check::kUnsafeBond, "Flexural bond", false},
    };
    bool anyPasses = false;
    for (const core::Event &event : run.events()) {
        if (event.kind != core::Event::Kind::SetText && event.kind != core::Event::Kind::MessageBox)
            continue;
        for (const Message &message : kMessages) {
            if (event.text != message.text)
                continue;
            if (!*message.passes) {
                row.verdict = Verdict::Fail;
                row.governing = std::string(message.check);
                return;
            }
            anyPasses = true;
        }
    }
    row.verdict =
        anyPasses || (layout && layout->silentWhenSafe) ? Verdict::Pass : Verdict::Designed;
}

std::string markOf(const ScheduleRow &row)
{
    return row.mark;
}
std::string typeOf(const ScheduleRow &row)
{
    return row.type;
}
std::string caseOf(const ScheduleRow &row)
{
    return row.caseName;
}
std::string loadOf(const ScheduleRow &row)
{
    return row.load;
}
std::string lengthOf(const ScheduleRow &row)
{
    return row.length;
}
std::string widthOf(const ScheduleRow &row)
{
    return row.width;
}
std::string thicknessOf(const ScheduleRow &row)
{
    return row.thickness;
}
std::string barsOf(const ScheduleRow &row)
{
    return row.mainBars;
}
std::string governingOf(const ScheduleRow &row)
{
    return row.governing;
}
std::string verdictOf(const ScheduleRow &row)
{
    return std::string(verdictText(row.verdict));
}
std::string reasonOf(const ScheduleRow &row)
{
    return row.reason;
}
std::string supportOf(const ScheduleRow &row)
{
    return row.support;
}
std::string governingRowOf(const ScheduleRow &row)
{
    return row.governingRow;
}

constexpr std::array kColumns{
    ScheduleColumn{"Mark", markOf},
    ScheduleColumn{"Type", typeOf},
    ScheduleColumn{"Case", caseOf, false, true},
    ScheduleColumn{"Load", loadOf, true},
    ScheduleColumn{"L (m)", lengthOf, true},
    ScheduleColumn{"B (m)", widthOf, true},
    ScheduleColumn{"t (m)", thicknessOf, true},
    ScheduleColumn{"Main bars", barsOf, false, true},
    ScheduleColumn{"Utilisation", utilisationText, true},
    ScheduleColumn{"Governing check", governingOf, false, true},
    ScheduleColumn{"Result", verdictOf},
    ScheduleColumn{"Reason", reasonOf, false, true},
    // Where an imported footing's loads came from; last, so that scripts reading the columns
    // before them by place read what they always did.
    ScheduleColumn{"Support", supportOf},
    ScheduleColumn{"Governing row", governingRowOf, false, true},
};

} // namespace

ScheduleRow scheduleRow(const Footing &footing, const core::DesignWindowInfo &window,
                        const core::DesignResult &result)
{
    const ScheduleLayout *layout = findScheduleLayout(window.command);
    ScheduleRow row;
    row.mark = footing.mark;
    row.type = layout ? std::string(layout->type) : std::string(window.title);
    row.caseName = caseText(footing, window, layout);
    if (footing.source) {
        row.support = footing.source->support;
        row.governingRow = governingRowText(*footing.source);
    }
    if (layout)
        row.load = loadText(footing, *layout);
    if (!result.accepted()) {
        row.verdict = Verdict::Refused;
        row.reason = result.refusal->message;
        return row;
    }
    if (layout)
        readSizes(footing, result.run, *layout, row);
    if (!judgeByChecks(result.run, row))
        judgeByMessages(result.run, layout, row);
    return row;
}

namespace {

// Designs a footing with `request` holding its case and texts; a request used for the footing
// before keeps the nodes and the room of its texts, so designing one footing after another
// copies the texts without making them anew.
ScheduleRow designWith(const Project &project, std::size_t index, core::DesignRequest &request)
{
    const Footing &footing = project.footings().at(index);
    const core::DesignWindowInfo &window = project.windowOf(footing);
    if (!window.design)
        return scheduleRow(
            footing, window,
            {{}, core::Refusal{{}, "The " + footing.window + " window designs nothing."}});
    request.footingCase = footing.footingCase;
    request.texts = footing.texts;
    return scheduleRow(footing, window, window.design(request));
}

} // namespace

ScheduleRow designFooting(const Project &project, std::size_t index)
{
    core::DesignRequest request;
    return designWith(project, index, request);
}

std::vector<ScheduleRow> designAll(const Project &project)
{
    return designRange(project, 0, project.size());
}

std::vector<ScheduleRow> designRange(const Project &project, std::size_t begin, std::size_t end)
{
    end = std::min(end, project.size());
    std::vector<ScheduleRow> rows;
    if (begin >= end)
        return rows;
    rows.reserve(end - begin);
    core::DesignRequest request;
    for (std::size_t i = begin; i < end; ++i)
        rows.push_back(designWith(project, i, request));
    return rows;
}

std::vector<ScheduleRow> designAll(const Project &project, const DesignProgress &progress)
{
    const std::size_t total = project.size();
    const std::size_t chunk = std::max<std::size_t>(progress.chunk, 1);
    std::vector<ScheduleRow> rows;
    rows.reserve(total);
    core::DesignRequest request;
    for (std::size_t i = 0; i < total; ++i) {
        if (progress.cancel && progress.cancel->load(std::memory_order_relaxed))
            break;
        rows.push_back(designWith(project, i, request));
        if (progress.report && (rows.size() % chunk == 0 || rows.size() == total))
            progress.report(rows.size(), total);
    }
    return rows;
}

std::string_view verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Pass:
        return "pass";
    case Verdict::Fail:
        return "fail";
    case Verdict::Designed:
        return "designed";
    case Verdict::Refused:
        return "refused";
    }
    return {};
}

std::string utilisationText(const ScheduleRow &row)
{
    if (!row.utilisation)
        return {};
    // Rounded up to hundredths (after rounding away the noise of the division), so a check
    // that fails by a little never shows 1.
    const double hundredths = std::ceil(core::roundHalfEven(*row.utilisation * 100, 6));
    return core::reportNumber(hundredths / 100);
}

std::span<const ScheduleColumn> scheduleColumns()
{
    return kColumns;
}

std::string csvField(std::string_view text)
{
    std::string field(text);
    if (!text.empty() && std::string_view("=+-@").find(text.front()) != std::string_view::npos &&
        !core::parseNumber(text).ok())
        field.insert(field.begin(), '\'');
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string scheduleCsv(std::span<const ScheduleRow> rows)
{
    std::string csv;
    const auto line = [&csv](auto &&field) {
        bool first = true;
        for (const ScheduleColumn &column : kColumns) {
            if (!first)
                csv += ',';
            first = false;
            csv += csvField(field(column));
        }
        csv += "\r\n";
    };
    line([](const ScheduleColumn &column) { return std::string(column.heading); });
    for (const ScheduleRow &row : rows)
        line([&row](const ScheduleColumn &column) { return column.text(row); });
    return csv;
}

} // namespace project

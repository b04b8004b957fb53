#include "report/report.h"

#include "core/control_table.h"
#include "core/term.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <map>

#ifndef FOUNDATIONS_VERSION
#define FOUNDATIONS_VERSION "0"
#endif

namespace report {

std::string_view programVersion()
{
    return FOUNDATIONS_VERSION;
}

namespace {

std::string twoDigits(unsigned value)
{
    return std::string{static_cast<char>('0' + value / 10 % 10),
                       static_cast<char>('0' + value % 10)};
}

} // namespace

std::string today()
{
    const auto days = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    const std::chrono::year_month_day date{days};
    return std::to_string(static_cast<int>(date.year())) + "-" +
           twoDigits(static_cast<unsigned>(date.month())) + "-" +
           twoDigits(static_cast<unsigned>(date.day()));
}

TitleBlock defaultTitle()
{
    TitleBlock title;
    title.date = today();
    title.version = std::string(programVersion());
    return title;
}

TitleBlock withDefaults(TitleBlock title)
{
    const TitleBlock defaults = defaultTitle();
    for (auto field : {&TitleBlock::date, &TitleBlock::version, &TitleBlock::units}) {
        if ((title.*field).empty())
            title.*field = defaults.*field;
    }
    return title;
}

std::vector<std::string> Line::parts() const
{
    const std::string valueText = core::reportNumber(value);
    std::vector<std::string> out{symbol};
    // Each part is written only when it says something the next one does not.
    if (!formula.empty() && formula != symbol && formula != valueText)
        out.push_back(formula);
    if (!numbers.empty() && numbers != formula && numbers != valueText)
        out.push_back(numbers);
    out.push_back(unit.empty() ? valueText : valueText + " " + displayUnit(unit));
    return out;
}

std::string Line::text() const
{
    const std::vector<std::string> all = parts();
    std::string line = all.front();
    for (std::size_t i = 1; i < all.size(); ++i)
        line += " = " + all[i];
    return line;
}

std::string displayUnit(std::string_view unit)
{
    std::string out;
    out.reserve(unit.size() + 4);
    for (std::size_t i = 0; i < unit.size(); ++i) {
        const char c = unit[i];
        const bool power =
            (c == '2' || c == '3') && i > 0 && unit[i - 1] == 'm' &&
            (i + 1 == unit.size() || !std::isalnum(static_cast<unsigned char>(unit[i + 1])));
        if (power)
            out += c == '2' ? "²" : "³";
        else
            out += c;
    }
    return out;
}

bool isPlainConcrete(const core::ConcreteBlock &block)
{
    std::string part = block.part;
    std::transform(part.begin(), part.end(), part.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return part.rfind("pc", 0) == 0 || part.find("plain") != std::string::npos;
}

std::optional<double> utilisation(const core::Check &check)
{
    if (!check.applies())
        return std::nullopt;
    const double percent = check.ratio() * 100;
    if (!std::isfinite(percent))
        return std::nullopt;
    return percent;
}

std::string verdict(const core::Check &check)
{
    switch (check.outcome) {
    case core::Check::Outcome::Pass:
        return "pass";
    case core::Check::Outcome::Fail:
        return "FAIL";
    case core::Check::Outcome::NotApplicable:
        break;
    }
    return check.reason.empty() ? std::string("n/a") : "n/a — " + check.reason;
}

namespace {

std::vector<InputRow> inputRows(const core::DesignWindowInfo &window,
                                const core::DesignRequest &request, const core::Run &run)
{
    std::vector<InputRow> rows;
    for (const std::string &control : run.inputsRead()) {
        // An input read twice is listed once.
        if (std::any_of(rows.begin(), rows.end(),
                        [&](const InputRow &row) { return row.control == control; }))
            continue;
        InputRow row;
        row.control = control;
        row.caption = control;
        const auto field =
            std::find_if(window.inputs.begin(), window.inputs.end(),
                         [&](const core::InputField &f) { return f.control == control; });
        if (field != window.inputs.end()) {
            row.caption = std::string(field->caption);
            row.symbol = std::string(field->symbol);
            row.unit = std::string(field->unit);
        }
        const auto text = request.texts.find(control);
        row.text = text == request.texts.end() ? std::string() : text->second;
        const auto kind = std::find_if(window.controls.begin(), window.controls.end(),
                                       [&](const core::Control &c) { return c.name == control; });
        if (kind != window.controls.end() && kind->kind == core::Kind::OptionButton)
            row.text = row.text == core::kSelected ? "selected" : "cleared";
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<Section> sections(const core::Run &run)
{
    std::vector<Section> out;
    for (const core::TraceEntry &entry : run.trace()) {
        if (out.empty() || out.back().heading != entry.heading)
            out.push_back({entry.heading, {}});
        Line line;
        line.symbol = entry.symbol;
        if (entry.expression) {
            line.formula = entry.expression->formula();
            line.numbers = entry.expression->numbers();
        }
        line.value = entry.value;
        line.unit = entry.unit;
        line.note = entry.note;
        out.back().lines.push_back(std::move(line));
    }
    return out;
}

Quantities quantities(const core::Run &run)
{
    Quantities q;
    q.concrete = run.concrete();
    for (const core::ConcreteBlock &block : q.concrete)
        (isPlainConcrete(block) ? q.plainConcrete : q.reinforcedConcrete) += block.volume();
    q.bars = run.bars();
    std::map<double, DiameterTotal> byDiameter;
    for (const core::BarLine &line : q.bars) {
        DiameterTotal &total = byDiameter[line.diameter];
        total.diameter = line.diameter;
        total.length += line.totalLength();
        total.mass += line.mass();
        q.steel += line.mass();
    }
    for (const auto &[diameter, total] : byDiameter)
        q.steelByDiameter.push_back(total);
    return q;
}

} // namespace

Report build(const core::DesignWindowInfo &window, const core::DesignRequest &request,
             const core::Run &run, const TitleBlock &title)
{
    Report report;
    report.title = title;
    report.title.window = std::string(window.title);
    report.title.caseName.clear();
    if (request.footingCase >= 0 &&
        static_cast<std::size_t>(request.footingCase) < window.caseNames.size())
        report.title.caseName = std::string(window.caseNames[request.footingCase]);
    report.inputs = inputRows(window, request, run);
    report.checks = run.checks();
    report.warnings = run.warnings();
    report.sections = sections(run);
    report.quantities = quantities(run);
    report.assumptions = run.assumptions();
    // The masses of the bar schedule rest on the density of steel: say so on the page.
    if (!report.quantities.bars.empty())
        report.assumptions.emplace_back(
            "Steel mass 0.00617 φ² kg/m with φ in mm (steel of 7850 kg/m³).");
    report.sketches = run.sketches();
    return report;
}

} // namespace report

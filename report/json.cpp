#include "report/render.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

namespace report {

namespace {

// Keys stay in the order they are written, as the documentation lists them.
using json = nlohmann::ordered_json;

// A number for scripts: the double itself, or null when it is not finite.
json number(double value)
{
    return std::isfinite(value) ? json(value) : json(nullptr);
}

std::string hexColour(std::uint32_t rgb)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFFu));
    return text;
}

json event(const core::Event &event)
{
    using K = core::Event::Kind;
    switch (event.kind) {
    case K::SetText:
        return {{"kind", "set_text"}, {"target", event.target}, {"text", event.text}};
    case K::Show:
        return {{"kind", "show"}, {"target", event.target}};
    case K::Hide:
        return {{"kind", "hide"}, {"target", event.target}};
    case K::SetColours:
        return {{"kind", "colours"},
                {"target", event.target},
                {"back", hexColour(event.back)},
                {"fore", hexColour(event.fore)}};
    case K::MessageBox:
        return {{"kind", "message_box"}, {"text", event.text}, {"title", event.title}};
    }
    return json::object();
}

json traceEntry(const core::TraceEntry &entry)
{
    json out{{"symbol", entry.symbol},   {"value", number(entry.value)}, {"unit", entry.unit},
             {"heading", entry.heading}, {"formula", nullptr},           {"numbers", nullptr},
             {"note", entry.note}};
    if (entry.expression) {
        out["formula"] = entry.expression->formula();
        out["numbers"] = entry.expression->numbers();
    }
    return out;
}

json title(const TitleBlock &t)
{
    return {{"project", t.project}, {"mark", t.mark},       {"designer", t.designer},
            {"date", t.date},       {"version", t.version}, {"units", t.units},
            {"window", t.window},   {"case", t.caseName}};
}

json check(const core::Check &c)
{
    const std::optional<bool> passes = c.passes();
    const std::optional<double> percent = utilisation(c);
    return {{"footing", c.footing},
            {"name", c.name},
            {"demand_symbol", c.demandSymbol},
            {"capacity_symbol", c.capacitySymbol},
            {"demand", number(c.demand)},
            {"capacity", number(c.capacity)},
            {"unit", c.unit},
            {"ratio", percent ? number(c.ratio()) : json(nullptr)},
            {"pass", passes ? json(*passes) : json(nullptr)},
            {"reason", c.reason},
            {"control", c.control}};
}

json line(const Line &l)
{
    return {{"symbol", l.symbol},       {"formula", l.formula}, {"numbers", l.numbers},
            {"value", number(l.value)}, {"unit", l.unit},       {"note", l.note},
            {"text", l.text()}};
}

json quantities(const Quantities &q)
{
    json concrete = json::array();
    for (const core::ConcreteBlock &b : q.concrete)
        concrete.push_back({{"footing", b.footing},
                            {"part", b.part},
                            {"plain", isPlainConcrete(b)},
                            {"length_m", number(b.length)},
                            {"width_m", number(b.width)},
                            {"thickness_m", number(b.thickness)},
                            {"volume_m3", number(b.volume())}});
    json bars = json::array();
    for (const core::BarLine &b : q.bars)
        bars.push_back({{"footing", b.footing},
                        {"mark", b.mark},
                        {"description", b.description},
                        {"diameter_mm", number(b.diameter)},
                        {"shape", b.shape},
                        {"count", number(b.count)},
                        {"length_m", number(b.length)},
                        {"total_length_m", number(b.totalLength())},
                        {"mass_kg", number(b.mass())}});
    json byDiameter = json::array();
    for (const DiameterTotal &t : q.steelByDiameter)
        byDiameter.push_back({{"diameter_mm", number(t.diameter)},
                              {"total_length_m", number(t.length)},
                              {"mass_kg", number(t.mass)}});
    return {{"pc_concrete_m3", number(q.plainConcrete)},
            {"rc_concrete_m3", number(q.reinforcedConcrete)},
            {"steel_kg", number(q.steel)},
            {"concrete", concrete},
            {"bars", bars},
            {"steel_by_diameter", byDiameter}};
}

const char *shapeKind(core::SketchShape::Kind kind)
{
    using K = core::SketchShape::Kind;
    switch (kind) {
    case K::PlainConcrete:
        return "plain_concrete";
    case K::ReinforcedConcrete:
        return "reinforced_concrete";
    case K::Column:
        return "column";
    case K::Wall:
        return "wall";
    case K::Beam:
        return "beam";
    case K::Bars:
        return "bars";
    case K::Dimension:
        return "dimension";
    case K::Text:
        return "text";
    }
    return "text";
}

json sketch(const core::Sketch &s)
{
    json shapes = json::array();
    for (const core::SketchShape &shape : s.shapes)
        shapes.push_back({{"kind", shapeKind(shape.kind)},
                          {"x1", number(shape.x1)},
                          {"y1", number(shape.y1)},
                          {"x2", number(shape.x2)},
                          {"y2", number(shape.y2)},
                          {"text", shape.text}});
    return {{"title", s.title}, {"shapes", shapes}};
}

template <typename T, typename F> json list(const std::vector<T> &items, F convert)
{
    json out = json::array();
    for (const T &item : items)
        out.push_back(convert(item));
    return out;
}

} // namespace

std::string toJson(const core::Run &run, const Report &report)
{
    json sections = json::array();
    for (const Section &section : report.sections)
        sections.push_back({{"heading", section.heading}, {"lines", list(section.lines, line)}});
    json warnings = json::array();
    for (const core::Warning &w : report.warnings)
        warnings.push_back({{"footing", w.footing}, {"text", w.text}, {"controls", w.controls}});
    json inputs = json::array();
    for (const InputRow &row : report.inputs)
        inputs.push_back({{"control", row.control},
                          {"caption", row.caption},
                          {"symbol", row.symbol},
                          {"text", row.text},
                          {"unit", row.unit}});

    const json document{{"events", list(run.events(), event)},
                        {"trace", list(run.trace(), traceEntry)},
                        {"report",
                         {{"title", title(report.title)},
                          {"inputs", inputs},
                          {"checks", list(report.checks, check)},
                          {"warnings", warnings},
                          {"sections", sections},
                          {"quantities", quantities(report.quantities)},
                          {"assumptions", report.assumptions},
                          {"sketches", list(report.sketches, sketch)}}}};
    // Texts typed by a user may hold bytes that are not UTF-8: replace them, never throw.
    return document.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

} // namespace report

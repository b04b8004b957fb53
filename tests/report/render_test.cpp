// The text and JSON renderers of the report: what a checker reads and what a script parses.
#include "report/document.h"
#include "report/render.h"
#include "tests/report/fake_design.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

namespace {

using nlohmann::json;

struct Made {
    core::DesignResult result;
    report::Report report;
};

Made make(int footingCase, const std::string &project = "Tower A")
{
    const core::DesignWindowInfo &window = fake::padWindow();
    const core::DesignRequest request = core::defaultRequest(window, footingCase);
    Made m{window.design(request), {}};
    report::TitleBlock title;
    title.project = project;
    title.date = "2000-01-01";
    title.version = "1.0";
    m.report = report::build(window, request, m.result.run, title);
    return m;
}

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool has(const std::vector<std::string> &lines, const std::string &line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// ---- text ------------------------------------------------------------------------------

TEST(TextReport, SaysEachPartInOrderWithTheLinesAChecckerRedoes)
{
    const std::vector<std::string> lines = linesOf(report::toText(make(fake::kEccentric).report));
    // Every part, in this order.
    std::size_t at = 0;
    for (const char *heading : {"CALCULATION REPORT", "INPUTS", "SUMMARY OF CHECKS", "CALCULATION",
                                "QUANTITIES", "ASSUMPTIONS", "SKETCHES"}) {
        const auto found = std::find(lines.begin() + static_cast<long>(at), lines.end(), heading);
        ASSERT_NE(found, lines.end()) << heading;
        at = static_cast<std::size_t>(found - lines.begin());
    }
    for (const char *expected : {
             "Window        Design Of Pad Footing",
             "Case          Eccentric",
             "Project       Tower A",
             "Program       Foundations 1.0",
             "Units         t, m, cm, kg/cm²",
             // pt = 1.1 × 90 = 99; Pw = 99 / 1.5 = 66.
             "  pt = 1.1 × P = 1.1 × 90 = 99 t",
             "  Pw = pt / 1.5 = 99 / 1.5 = 66 t",
             "  k = 1",
             "  A = Bc² = 260² = 67600 cm²",
             "      (a square footing)",
             "! Warning: Footing: Part of the footing has no contact with the soil (qmin < 0).",
             "  • Steel mass 0.00617 φ² kg/m with φ in mm (steel of 7850 kg/m³).",
             "  Sketch: Footing, plan",
             "    labels: 18 Φ 12; 2.6 m; 2.6 m; F1",
         })
        EXPECT_TRUE(has(lines, expected)) << expected;
    for (const std::string &line : lines)
        EXPECT_TRUE(line.empty() || line.back() != ' ') << "trailing blank: [" << line << "]";
}

TEST(TextReport, TablesAreInFixedWidthColumnsAndAFailingCheckIsMarked)
{
    const std::vector<std::string> lines = linesOf(report::toText(make(fake::kCentred).report));
    const auto header = std::find_if(lines.begin(), lines.end(), [](const std::string &l) {
        return l.rfind("  Footing  Check", 0) == 0;
    });
    ASSERT_NE(header, lines.end());
    // The rule under the header spans each column; every row of the table puts its unit
    // where the header puts "Unit".
    const std::size_t unitColumn = report::displayWidth(header->substr(0, header->find("Unit")));
    int rows = 0;
    for (auto row = header + 2; row != lines.end() && !row->empty() && row->size() > 2 &&
                                (row->front() == ' ' || row->front() == '!');
         ++row, ++rows) {
        const std::size_t unit = row->find("kg/cm²");
        ASSERT_NE(unit, std::string::npos) << *row;
        EXPECT_EQ(report::displayWidth(row->substr(0, unit)), unitColumn) << *row;
    }
    EXPECT_EQ(rows, 4);
    const auto bond = std::find_if(lines.begin(), lines.end(), [](const std::string &l) {
        return l.find("Flexural bond") != std::string::npos;
    });
    ASSERT_NE(bond, lines.end());
    EXPECT_EQ(bond->rfind("! ", 0), 0u) << *bond;
    EXPECT_NE(bond->find("FAIL"), std::string::npos);
    const auto punching = std::find_if(lines.begin(), lines.end(), [](const std::string &l) {
        return l.find("Punching") != std::string::npos && l.find("n/a") != std::string::npos;
    });
    ASSERT_NE(punching, lines.end());
    EXPECT_NE(punching->find("n/a — the punching perimeter lies outside the footing"),
              std::string::npos);
    EXPECT_NE(punching->find("—"), std::string::npos); // no utilisation
}

// A number in exponent form ("1e-09", "2E+15") or one that is not finite.
const std::regex kNotPlainNumber("[0-9][eE][-+]?[0-9]|\\b([Nn]a[Nn]|[Ii]nf(inity)?)\\b");

TEST(TextReport, NumbersNeverInExponentFormOrNotFinite)
{
    for (int footingCase : {fake::kCentred, fake::kEccentric}) {
        Made m = make(footingCase);
        // Push the numbers to their extremes.
        m.report.checks[0].demand = 1e-9;
        m.report.checks[0].capacity = 1e300;
        m.report.checks[1].capacity = 0;
        m.report.sections[0].lines[0].value = std::numeric_limits<double>::quiet_NaN();
        const std::string text = report::toText(m.report);
        EXPECT_FALSE(std::regex_search(text, kNotPlainNumber)) << text;
    }
}

TEST(TextReport, AnEmptyRunSaysWhatItLacks)
{
    const std::string text = report::toText(report::Report{});
    for (const char *said :
         {"The run did not list the inputs it read.", "The run recorded no checks.",
          "The run recorded no calculation.", "The run recorded no quantities."})
        EXPECT_NE(text.find(said), std::string::npos) << said;
    EXPECT_EQ(text.find("ASSUMPTIONS"), std::string::npos);
}

TEST(DisplayWidth, CountsCharactersNotBytes)
{
    EXPECT_EQ(report::displayWidth(""), 0u);
    EXPECT_EQ(report::displayWidth("abc"), 3u);
    EXPECT_EQ(report::displayWidth("√(fcu / γc) × φ²"), 16u);
    EXPECT_EQ(report::displayWidth("\xff\xfe"), 2u); // not UTF-8: a column a byte, no crash
}

// ---- JSON ------------------------------------------------------------------------------

TEST(JsonReport, TheRunsEventsAndTraceInOrder)
{
    const Made m = make(fake::kCentred);
    const json doc = json::parse(report::toJson(m.result.run, m.report));
    const auto &events = m.result.run.events();
    ASSERT_EQ(doc["events"].size(), events.size());
    const char *kinds[] = {"set_text", "show", "hide", "colours", "message_box"};
    for (std::size_t i = 0; i < events.size(); ++i) {
        const json &e = doc["events"][i];
        EXPECT_EQ(e["kind"], kinds[static_cast<int>(events[i].kind)]);
        if (events[i].kind == core::Event::Kind::MessageBox) {
            EXPECT_EQ(e["text"], events[i].text);
            EXPECT_EQ(e["title"], events[i].title);
        } else {
            EXPECT_EQ(e["target"], events[i].target);
        }
        if (events[i].kind == core::Event::Kind::SetText) {
            EXPECT_EQ(e["text"], events[i].text);
        }
    }
    const json colours = *std::find_if(doc["events"].begin(), doc["events"].end(),
                                       [](const json &e) { return e["kind"] == "colours"; });
    EXPECT_EQ(colours["back"], "#00FFFF");
    EXPECT_EQ(colours["fore"], "#FF0000");

    const auto &trace = m.result.run.trace();
    ASSERT_EQ(doc["trace"].size(), trace.size());
    for (std::size_t i = 0; i < trace.size(); ++i) {
        const json &t = doc["trace"][i];
        EXPECT_EQ(t["symbol"], trace[i].symbol);
        EXPECT_EQ(t["value"].get<double>(), trace[i].value) << trace[i].symbol; // bit for bit
        EXPECT_EQ(t["unit"], trace[i].unit);
        EXPECT_EQ(t["heading"], trace[i].heading);
        if (trace[i].expression)
            EXPECT_EQ(t["formula"], trace[i].expression->formula());
        else
            EXPECT_TRUE(t["formula"].is_null()) << trace[i].symbol;
    }
}

TEST(JsonReport, ChecksCarryDemandCapacityRatioAndPassOrNull)
{
    const Made m = make(fake::kEccentric);
    const json checks = json::parse(report::toJson(m.result.run, m.report))["report"]["checks"];
    ASSERT_EQ(checks.size(), m.report.checks.size());
    for (std::size_t i = 0; i < checks.size(); ++i) {
        const core::Check &c = m.report.checks[i];
        const json &j = checks[i];
        EXPECT_EQ(j["footing"], c.footing);
        EXPECT_EQ(j["name"], c.name);
        EXPECT_EQ(j["demand"].get<double>(), c.demand);
        EXPECT_EQ(j["capacity"].get<double>(), c.capacity);
        EXPECT_EQ(j["unit"], c.unit);
        EXPECT_EQ(j["demand_symbol"], c.demandSymbol);
        EXPECT_EQ(j["capacity_symbol"], c.capacitySymbol);
        EXPECT_EQ(j["control"], c.control);
        if (c.applies()) {
            EXPECT_EQ(j["ratio"].get<double>(), c.demand / c.capacity);
            EXPECT_EQ(j["pass"].get<bool>(), c.demand <= c.capacity) << c.name;
        } else {
            EXPECT_TRUE(j["ratio"].is_null());
            EXPECT_TRUE(j["pass"].is_null()) << c.name;
            EXPECT_EQ(j["reason"], "the punching perimeter lies outside the footing");
        }
    }
    // Eccentric: bearing fails (qmax = 0.9763 × (1 + 6 × 60 / 260) = 2.328 > 1.5), shear
    // passes, punching does not apply, bond fails.
    EXPECT_EQ(checks[0]["pass"], false);
    EXPECT_EQ(checks[1]["pass"], true);
    EXPECT_TRUE(checks[2]["pass"].is_null());
    EXPECT_EQ(checks[3]["pass"], false);
}

TEST(JsonReport, QuantitiesTitleInputsSectionsWarningsAndSketches)
{
    const Made m = make(fake::kEccentric);
    const json r = json::parse(report::toJson(m.result.run, m.report))["report"];
    const json &q = r["quantities"];
    EXPECT_EQ(q["pc_concrete_m3"].get<double>(), m.report.quantities.plainConcrete);
    EXPECT_EQ(q["rc_concrete_m3"].get<double>(), m.report.quantities.reinforcedConcrete);
    EXPECT_EQ(q["steel_kg"].get<double>(), m.report.quantities.steel);
    ASSERT_EQ(q["concrete"].size(), 2u);
    EXPECT_EQ(q["concrete"][0]["plain"], true);
    EXPECT_EQ(q["concrete"][1]["plain"], false);
    ASSERT_EQ(q["bars"].size(), 3u);
    EXPECT_EQ(q["bars"][2]["diameter_mm"], 16);
    EXPECT_EQ(q["bars"][2]["count"], 8);
    EXPECT_EQ(q["bars"][2]["shape"], "L-bar");
    EXPECT_EQ(q["steel_by_diameter"].size(), 2u);

    EXPECT_EQ(r["title"]["project"], "Tower A");
    EXPECT_EQ(r["title"]["window"], "Design Of Pad Footing");
    EXPECT_EQ(r["title"]["case"], "Eccentric");
    EXPECT_EQ(r["title"]["units"], "t, m, cm, kg/cm²");
    EXPECT_EQ(r["inputs"][0]["caption"], "P (ton)");
    EXPECT_EQ(r["inputs"][0]["text"], "90");
    EXPECT_EQ(r["sections"][0]["heading"], "Loads");
    EXPECT_EQ(r["sections"][0]["lines"][0]["text"], "pt = 1.1 × P = 1.1 × 90 = 99 t");
    EXPECT_EQ(r["warnings"][0]["controls"], json::array({"Label2"}));
    EXPECT_EQ(r["sketches"][1]["title"], "Footing, section");
    EXPECT_EQ(r["sketches"][0]["shapes"][0]["kind"], "plain_concrete");
    EXPECT_EQ(r["assumptions"].size(), 2u);
}

TEST(JsonReport, TextsThatAreNotUtf8AndNumbersThatAreNotFiniteStillGiveValidJson)
{
    Made m = make(fake::kCentred, "Tower \xff\xfe A");
    m.report.checks[0].capacity = 0; // an infinite ratio
    m.report.quantities.steel = std::numeric_limits<double>::infinity();
    std::string text;
    ASSERT_NO_THROW(text = report::toJson(m.result.run, m.report));
    const json doc = json::parse(text);
    EXPECT_EQ(doc["report"]["title"]["project"], "Tower \xEF\xBF\xBD\xEF\xBF\xBD A");
    EXPECT_TRUE(doc["report"]["checks"][0]["ratio"].is_null());
    EXPECT_TRUE(doc["report"]["quantities"]["steel_kg"].is_null());
}

} // namespace

// Properties of the report of every design window on random valid inputs: a checker can redo
// every line from the lines above it, and no report shows a number a reader cannot use.
#include "app/design_windows.h"
#include "report/render.h"
#include "tests/report/fake_design.h"

#include <charconv>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <random>
#include <regex>
#include <set>

namespace {

// Named constants a formula may use without defining them.

bool startsWith(std::string_view text, std::size_t at, std::string_view prefix)
{
    return text.substr(at, prefix.size()) == prefix;
}

// Where a name ends: at a blank, a bracket, a comma, a power or the end.
bool endsName(std::string_view text, std::size_t at)
{
    if (at >= text.size())
        return true;
    for (std::string_view end : {" ", ")", ",", "(", "²", "⌋"}) {
        if (startsWith(text, at, end))
            return true;
    }
    return false;
}

// The names a formula uses that are neither numbers nor in `known`. Operators, brackets and
// function names are skipped; a known name is matched whole, the longest first, so names with
// blanks or brackets in them ("qc (1)") are found as written.
std::vector<std::string> unknownNames(std::string_view formula, const std::set<std::string> &known)
{
    static const std::string_view punctuation[] = {"up5(", "min(", "max(", "√(", " + ", " − ",
                                                   " × ",  " / ",  ", ",   "(",  ")",   "⌊",
                                                   "⌋",    "²",    "−",    " "};
    std::vector<std::string> byLength(known.begin(), known.end());
    std::sort(byLength.begin(), byLength.end(),
              [](const std::string &a, const std::string &b) { return a.size() > b.size(); });
    std::vector<std::string> unknown;
    std::size_t at = 0;
    while (at < formula.size()) {
        const auto mark =
            std::find_if(std::begin(punctuation), std::end(punctuation),
                         [&](std::string_view p) { return startsWith(formula, at, p); });
        if (mark != std::end(punctuation)) {
            at += mark->size();
            continue;
        }
        const auto name = std::find_if(byLength.begin(), byLength.end(), [&](const std::string &n) {
            return startsWith(formula, at, n) && endsName(formula, at + n.size());
        });
        if (name != byLength.end()) {
            at += name->size();
            continue;
        }
        std::size_t end = at;
        while (!endsName(formula, end))
            ++end;
        const std::string token(formula.substr(at, std::max<std::size_t>(end - at, 1)));
        double ignored = 0;
        const auto [last, error] =
            std::from_chars(token.data(), token.data() + token.size(), ignored);
        if (error != std::errc() || last != token.data() + token.size())
            unknown.push_back(token);
        at += token.size();
    }
    return unknown;
}

// Every symbol in every step's formula is an input symbol, a named constant of that formula or
// a symbol noted earlier in the run: "qb uses ghost".
std::vector<std::string> undefinedSymbols(const core::DesignWindowInfo &window,
                                          const core::Run &run)
{
    std::set<std::string> known;
    for (const core::InputField &input : window.inputs)
        known.insert(std::string(input.symbol.empty() ? input.control : input.symbol));
    std::vector<std::string> problems;
    for (const core::TraceEntry &entry : run.trace()) {
        if (entry.expression) {
            std::set<std::string> here = known;
            for (const auto &[name, value] : entry.expression->constants())
                here.insert(name);
            for (const std::string &name : unknownNames(entry.expression->formula(), here))
                problems.push_back(entry.symbol + " uses " + name);
        }
        known.insert(entry.symbol);
    }
    return problems;
}

// A text of the default's order of size: between half and twice the default; a list takes one
// of its entries, an option is selected or cleared.
std::string randomText(const core::DesignWindowInfo &window, const core::InputField &input,
                       std::mt19937 &random)
{
    const auto control =
        std::find_if(window.controls.begin(), window.controls.end(),
                     [&](const core::Control &c) { return c.name == input.control; });
    if (control != window.controls.end() && control->kind == core::Kind::OptionButton)
        return random() % 2 ? std::string(core::kSelected) : std::string(core::kCleared);
    if (control != window.controls.end() && !control->items.empty()) {
        std::vector<std::string> items;
        std::string_view rest = control->items;
        for (std::size_t bar; (bar = rest.find('|')) != std::string_view::npos;
             rest.remove_prefix(bar + 1))
            items.emplace_back(rest.substr(0, bar));
        items.emplace_back(rest);
        return items[random() % items.size()];
    }
    const std::string_view text = core::defaultText(window, input.control);
    double value = 1;
    std::from_chars(text.data(), text.data() + text.size(), value);
    if (value == 0)
        value = 1;
    const double factor = std::uniform_real_distribution<double>(0.5, 2.0)(random);
    char out[32];
    const auto [end, error] =
        std::to_chars(out, out + sizeof out, value * factor, std::chars_format::fixed, 3);
    return error == std::errc() ? std::string(out, end) : std::string(text);
}

const std::regex kNotPlainNumber("[0-9][eE][-+]?[0-9]|\\b([Nn]a[Nn]|[Ii]nf(inity)?)\\b");

struct Window {
    const char *name;
    const core::DesignWindowInfo *info;
};

std::vector<Window> windows()
{
    std::vector<Window> all;
    for (const core::DesignWindowInfo *window : app::designWindows())
        all.push_back({window->command.data(), window});
    all.push_back({"pad", &fake::padWindow()});
    return all;
}

class ReportOfRandomRuns : public testing::TestWithParam<Window>
{
};

TEST_P(ReportOfRandomRuns, EveryLineCanBeRedoneAndEveryNumberIsPlain)
{
    const core::DesignWindowInfo &window = *GetParam().info;
    std::mt19937 random(20240517);
    const int cases = std::max<int>(1, static_cast<int>(window.caseNames.size()));
    int accepted = 0;
    for (int footingCase = 0; footingCase < cases; ++footingCase) {
        for (int i = 0; i < 60; ++i) {
            core::DesignRequest request = core::defaultRequest(window, footingCase);
            for (const core::InputField &input : window.inputs)
                request.texts[std::string(input.control)] = randomText(window, input, random);
            const core::DesignResult result = window.design(request);
            if (!result.accepted())
                continue;
            ++accepted;
            const core::Run &run = result.run;
            const std::vector<std::string> undefined = undefinedSymbols(window, run);
            ASSERT_TRUE(undefined.empty()) << "case " << footingCase << ": " << undefined.front();

            report::TitleBlock title;
            title.date = "2000-01-01";
            const report::Report report = report::build(window, request, run, title);
            const std::string text = report::toText(report);
            ASSERT_FALSE(std::regex_search(text, kNotPlainNumber)) << text;
            const nlohmann::json doc = nlohmann::json::parse(report::toJson(run, report));
            ASSERT_EQ(doc["report"]["checks"].size(), run.checks().size());
            for (std::size_t c = 0; c < run.checks().size(); ++c)
                EXPECT_EQ(doc["report"]["checks"][c]["pass"].is_null(), !run.checks()[c].applies());
            ASSERT_EQ(doc["trace"].size(), run.trace().size());
        }
    }
    // Most random inputs are valid designs: the property was tried, not skipped.
    EXPECT_GT(accepted, 30 * cases);
}

INSTANTIATE_TEST_SUITE_P(Windows, ReportOfRandomRuns, testing::ValuesIn(windows()),
                         [](const auto &info) { return std::string(info.param.name); });

// The search for undefined symbols finds what it is there to find.
TEST(UndefinedSymbols, FindsAFormulaThatUsesAQuantityNeverNoted)
{
    const core::DesignRequest request = core::defaultRequest(fake::brokenWindow());
    const core::DesignResult result = fake::brokenWindow().design(request);
    ASSERT_TRUE(result.accepted());
    EXPECT_EQ(undefinedSymbols(fake::brokenWindow(), result.run),
              std::vector<std::string>{"qb uses ghost"});
}

TEST(UndefinedSymbols, ReadsNamesWithBlanksBracketsPowersAndFunctions)
{
    const std::set<std::string> known{"qc (1)", "d", "dr", "B1", "φL", "π", "L'"};
    struct Case {
        const char *formula;
        std::vector<std::string> unknown;
    };
    const Case cases[] = {
        {"qc (1) × d / 2", {}},
        {"up5(dr) + min(B1, 0.5) − max(d, 3)", {}},
        {"π / 4 × (φL / 10)²", {}},
        {"⌊dr / 0.25⌋ + 1", {}},
        {"−d × (−3.5)", {}},
        {"L' × 2", {}},
        {"(-2) × d", {}},
        {"qc (2) × d", {"qc"}}, // not noted: its name is not known as a whole
        {"dq + d", {"dq"}},     // a known name inside an unknown one is not enough
        {"√(fcu / 1.5)", {"fcu"}},
        {"d²", {}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(unknownNames(c.formula, known), c.unknown) << c.formula;
    }
}

} // namespace

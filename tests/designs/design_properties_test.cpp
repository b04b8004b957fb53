// Properties of the four design windows over random input with fixed seeds: what a refused run
// says and leaves, and how the designs respond to more load, weaker soil and stronger concrete.
#include "core/check_messages.h"
#include "core/number_text.h"
#include "design_runs.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace {

using design_runs::Config;
using design_runs::Random;
using design_runs::traced;

class DesignProperty : public ::testing::TestWithParam<Config>
{
};

std::string describe(const core::DesignRequest &request)
{
    std::string text;
    for (const auto &[control, typed] : request.texts)
        text += " " + control + "=" + core::quoteTyped(typed);
    return text;
}

// --- the refusal contract -----------------------------------------------------------------------

// A text a user or an attacker could type into one input: a plausible number, a number at or
// just beyond an end of its range, a near-number, or garbage.
std::string randomText(const core::InputField &input, Random &random)
{
    static const char *const kNearNumbers[] = {
        "",      "   ",   "1,5",      "12a",   " 5 ",    "5.",  ".5",  "+5",
        "1e3",   "0x10",  "--5",      "1e999", "-1e999", "nan", "inf", "1e",
        "٥",     "5\n",   "5\x1b[2J", "1 2",   "0",      "-0",  "-1",  "1e-300",
        "1e300", "1e308", "Label37",  "Text1", "\"5\"",  "5%"};
    const double low = input.hasRange() ? input.low : 1, high = input.hasRange() ? input.high : 10;
    switch (random.below(6)) {
    case 0:
    case 1:
        return design_runs::typed(design_runs::randomInRange(
            input.hasRange() ? input : core::InputField{"", "", "", "", low, high}, random));
    case 2: {
        const double ends[] = {low, high, low * 0.999, high * 1.001, -high, low / 1000};
        return design_runs::typed(ends[random.below(6)]);
    }
    case 3:
        return kNearNumbers[random.below(int(std::size(kNearNumbers)))];
    case 4: {
        std::string bytes(std::size_t(random.below(60)), ' ');
        for (char &c : bytes)
            c = char(random.below(256));
        return bytes;
    }
    default:
        return random.chance(0.1) ? std::string(100000, '9') + "x"
                                  : std::string(std::size_t(random.below(200)), '7');
    }
}

// A refusal names the field (or, for the run as a whole, the inputs behind it) by its caption,
// on one line of sensible length, with no control name or symbol of the calculation.
std::string whatIsWrongWithRefusal(const Config &config, const core::DesignRequest &request,
                                   const core::DesignResult &result, bool designUsesTerms)
{
    const core::Refusal &refusal = *result.refusal;
    if (!result.run.events().empty() || !result.run.trace().empty() ||
        !result.run.checks().empty() || !result.run.bars().empty())
        return "a refused run writes something";
    const std::string &message = refusal.message;
    if (message.empty() || message.size() > 600)
        return "a message of " + std::to_string(message.size()) + " bytes";
    for (unsigned char c : message) {
        if (c < 0x20 || c == 0x7F)
            return "a control character in the message";
    }
    for (const std::string_view internal :
         {"Label", "Text", "Combo", "Option", "Picture", "Command"}) {
        for (auto at = message.find(internal); at != std::string::npos;
             at = message.find(internal, at + 1)) {
            std::size_t end = at + internal.size();
            while (end < message.size() && std::isdigit(static_cast<unsigned char>(message[end])))
                ++end;
            const std::string name = message.substr(at, end - at);
            // Unless the user typed it, and the message quotes it.
            const bool typed =
                std::any_of(request.texts.begin(), request.texts.end(), [&](const auto &text) {
                    return text.second.find(name) != std::string::npos;
                });
            if (end > at + internal.size() && !typed)
                return "a control name in the message";
        }
    }
    bool namesCaption = false;
    for (const core::InputField &input : config.inputs())
        namesCaption |= message.find("\"" + std::string(input.caption) + "\"") != std::string::npos;
    if (!refusal.control.empty()) {
        const auto inputs = config.inputs();
        const auto field = std::find_if(inputs.begin(), inputs.end(), [&](const auto &input) {
            return input.control == refusal.control;
        });
        if (field == inputs.end())
            return "the refusal points at " + refusal.control + ", not an input";
        if (message.find("\"" + std::string(field->caption) + "\"") == std::string::npos)
            return "the message does not name the field it points at";
        return {};
    }
    // A refusal of the whole run comes from sealing it. Only a design whose quantities carry
    // the inputs behind them (written as terms) can name those inputs.
    if (!namesCaption && designUsesTerms)
        return "the refusal names no input";
    if (!namesCaption && message.rfind("These inputs give ", 0) != 0)
        return "a refusal of the whole run that names no input";
    return {};
}

// Whether the design writes its calculation as terms that carry their inputs.
bool usesTerms(const Config &config)
{
    const core::DesignResult result = config.window->design(config.defaults());
    for (const core::TraceEntry &entry : result.run.trace()) {
        if (entry.expression && entry.expression->inputs() != 0)
            return true;
    }
    return false;
}

// For random texts in one to three inputs (and the defaults elsewhere), a run either applies
// completely and shows nothing unsound, or is refused with one line naming a caption and
// writes nothing.
TEST_P(DesignProperty, ARunAppliesCompletelyOrIsRefusedNamingACaption)
{
    const Config &config = GetParam();
    const bool terms = usesTerms(config);
    const auto inputs = config.inputs();
    Random random(0x5EED0000u + std::hash<std::string>{}(config.name) % 1000);
    int accepted = 0, refused = 0, failures = 0;
    for (int run = 0; run < 400 && failures < 5; ++run) {
        core::DesignRequest request = config.defaults();
        for (int changes = 1 + random.below(3); changes > 0; --changes) {
            const core::InputField &input = inputs[std::size_t(random.below(int(inputs.size())))];
            request.texts[std::string(input.control)] =
                input.unit.empty() ? (random.chance(0.5) ? std::string(core::kSelected)
                                                         : randomText(input, random))
                                   : randomText(input, random);
        }
        const core::DesignResult result = config.window->design(request);
        std::string wrong;
        if (result.accepted()) {
            ++accepted;
            wrong = result.run.events().empty() ? "an accepted run writes nothing"
                                                : design_runs::whatIsWrong(result.run);
        } else {
            ++refused;
            wrong = whatIsWrongWithRefusal(config, request, result, terms);
            if (!wrong.empty())
                wrong += ": " + core::quoteTyped(result.refusal->message);
        }
        if (!wrong.empty()) {
            ++failures;
            ADD_FAILURE() << wrong << "\n  with" << describe(request);
        }
    }
    EXPECT_GT(accepted, 20);
    EXPECT_GT(refused, 100);
}

// --- how the designs respond ------------------------------------------------------------------

// The quantities of each window that the properties compare, by the symbols of its trace.
struct Quantities {
    std::vector<std::pair<std::string, std::string>> plans; // length and width of a PC footing
    std::vector<std::string> sizes;                         // every size of the plan
    std::vector<std::string> depths;                        // the effective depths chosen
    std::vector<std::string> steel;                         // steel areas
};

const Quantities &quantitiesOf(const Config &config)
{
    static const std::map<std::string, Quantities, std::less<>> quantities{
        {"isolated", {{{"L1", "B1"}}, {"L1", "B1"}, {"d"}, {"AsL", "AsS"}}},
        {"strip", {{{"B1", ""}}, {"B1", "B"}, {"d", "db"}, {"AsSec", "AsMain", "Asb"}}},
        {"combined",
         {{{"L1", "B1"}}, {"L1", "B1", "L", "B"}, {"d"}, {"Astop", "Asbot", "Asbeam1", "Asbeam2"}}},
        {"strap",
         {{{"L1 (1)", "B1 (1)"}, {"L1 (2)", "B1 (2)"}},
          {"L1 (1)", "B1 (1)", "L1 (2)", "B1 (2)"},
          {"d (1)", "d (2)", "d strap"},
          {"As main (1)", "As secondary (1)", "As main (2)", "As secondary (2)", "Ast", "Atop"}}},
    };
    return quantities.find(config.window->command)->second;
}

// A request of a real footing: every number within a factor of two of its default (a moment
// up to twice its default either way).
core::DesignRequest randomFooting(const Config &config, Random &random)
{
    core::DesignRequest request = config.defaults();
    for (const core::InputField &input : config.numbers()) {
        const double byDefault =
            core::parseNumber(core::defaultText(*config.window, input.control)).value;
        double value = input.low < 0 ? random.uniform(-2 * byDefault, 2 * byDefault)
                                     : byDefault * std::exp2(random.uniform(-1, 1));
        value = std::clamp(value, input.low, input.high);
        request.texts[std::string(input.control)] = design_runs::typed(value);
    }
    return request;
}

// The same request with the inputs of these symbols multiplied by `factor`, if all stay in
// their ranges.
std::optional<core::DesignRequest> scaled(const Config &config, core::DesignRequest request,
                                          const std::vector<std::string> &symbols, double factor)
{
    bool changed = false;
    for (const core::InputField &input : config.numbers()) {
        if (std::find(symbols.begin(), symbols.end(), input.symbol) == symbols.end())
            continue;
        std::string &text = request.texts[std::string(input.control)];
        const double value = core::parseNumber(text).value * factor;
        if (value < input.low || value > input.high)
            return std::nullopt;
        text = design_runs::typed(value);
        changed = true;
    }
    return changed ? std::optional(request) : std::nullopt;
}

bool same(const core::Run &a, const core::Run &b, const std::vector<std::string> &symbols)
{
    return std::all_of(symbols.begin(), symbols.end(),
                       [&](const std::string &s) { return traced(a, s) == traced(b, s); });
}

// The heavier design (b) of a footing never has a smaller plan than the lighter one (a), but
// for one 5 cm rounding step: each side is rounded up to 5 cm in turn, so a side can come out
// one step shorter while the other grows. With the plan and the depths unchanged it never has
// less steel; a deeper section rightly needs less, and the minimum steel follows the plan.
void expectNoLessFootingOrSteel(const Config &config, const core::Run &a, const core::Run &b,
                                const std::string &inputs)
{
    const Quantities &q = quantitiesOf(config);
    for (const auto &[length, width] : q.plans) {
        const auto La = traced(a, length), Lb = traced(b, length);
        const double Ba = width.empty() ? 100 : traced(a, width).value_or(0);
        const double Bb = width.empty() ? 100 : traced(b, width).value_or(0);
        if (!La || !Lb)
            continue;
        EXPECT_GE(*Lb * Bb, *La * Ba - 5 * (*La + Ba))
            << length << " x " << width << ": " << *La << " x " << Ba << " became " << *Lb << " x "
            << Bb << "\n  lighter design:" << inputs;
    }
    if (!same(a, b, q.sizes) || !same(a, b, q.depths))
        return;
    for (const std::string &steel : q.steel) {
        const auto Asa = traced(a, steel), Asb = traced(b, steel);
        if (Asa && Asb) {
            EXPECT_GE(*Asb, *Asa) << steel << "\n  lighter design:" << inputs;
        }
    }
}

TEST_P(DesignProperty, MoreLoadNeverGivesASmallerFootingOrLessSteel)
{
    const Config &config = GetParam();
    Random random(0x10AD);
    int compared = 0;
    for (int i = 0; i < 300; ++i) {
        const core::DesignRequest lighter = randomFooting(config, random);
        // More of the same loading: every load and moment by the same factor.
        const auto heavier =
            scaled(config, lighter, {"P", "P1", "P2", "M"}, random.uniform(1.01, 1.5));
        if (!heavier)
            continue;
        const core::DesignResult a = config.window->design(lighter);
        const core::DesignResult b = config.window->design(*heavier);
        if (!a.accepted() || !b.accepted())
            continue;
        ++compared;
        expectNoLessFootingOrSteel(config, a.run, b.run, describe(lighter));
    }
    EXPECT_GT(compared, 100);
}

TEST_P(DesignProperty, LessAllowableSoilStressNeverGivesASmallerFootingOrLessSteel)
{
    const Config &config = GetParam();
    Random random(0x5011);
    int compared = 0;
    for (int i = 0; i < 300; ++i) {
        const core::DesignRequest firmer = randomFooting(config, random);
        const auto softer = scaled(config, firmer, {"qall"}, random.uniform(0.6, 0.99));
        if (!softer)
            continue;
        const core::DesignResult a = config.window->design(firmer);
        const core::DesignResult b = config.window->design(*softer);
        if (!a.accepted() || !b.accepted())
            continue;
        ++compared;
        expectNoLessFootingOrSteel(config, a.run, b.run, describe(firmer));
    }
    EXPECT_GT(compared, 100);
}

bool isSafe(std::string_view text)
{
    return text == core::check::kSafeShear || text == core::check::kSafePunch ||
           text == core::check::kSafeBond;
}

bool isUnsafe(std::string_view text)
{
    return text == core::check::kUnsafeShear || text == core::check::kUnsafePunch ||
           text == core::check::kUnsafeBond;
}

// With the same depths, a stronger concrete never turns a safe check unsafe. (With a free
// depth it can: the depth is chosen for bending, so a stronger concrete gives a thinner
// footing whose shear or punching check may then fail.)
TEST_P(DesignProperty, StrongerConcreteNeverTurnsASafeCheckUnsafe)
{
    const Config &config = GetParam();
    const Quantities &q = quantitiesOf(config);
    Random random(0xFC0);
    int compared = 0;
    for (int i = 0; i < 300; ++i) {
        const core::DesignRequest weaker = randomFooting(config, random);
        const auto stronger = scaled(config, weaker, {"fcu"}, random.uniform(1.01, 1.6));
        if (!stronger)
            continue;
        const core::DesignResult a = config.window->design(weaker);
        const core::DesignResult b = config.window->design(*stronger);
        if (!a.accepted() || !b.accepted() || !same(a.run, b.run, q.depths))
            continue;
        ++compared;
        for (const core::Event &event : a.run.events()) {
            if (event.kind != core::Event::Kind::SetText || !isSafe(event.text))
                continue;
            const auto after = b.run.textOf(event.target);
            EXPECT_FALSE(after && isUnsafe(*after))
                << event.target << ": " << event.text << " became " << *after
                << "\n  weaker concrete:" << describe(weaker);
        }
    }
    EXPECT_GT(compared, 50);
}

INSTANTIATE_TEST_SUITE_P(AllWindows, DesignProperty, ::testing::ValuesIn(design_runs::allConfigs()),
                         [](const auto &info) { return info.param.name; });

} // namespace

// Tests over every configuration of the four design windows: their tables agree with their
// design functions, the headless help lists every range, and no accepted run at the corners
// of the ranges shows inf, nan, an exponent or an absurd magnitude.
#include "app/design_windows.h"
#include "app/headless.h"
#include "core/check_messages.h"
#include "core/number_text.h"
#include "design_runs.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace {

using design_runs::Config;

class DesignConfig : public ::testing::TestWithParam<Config>
{
};

std::string configName(const ::testing::TestParamInfo<Config> &info)
{
    return info.param.name;
}

const core::Control *rowOf(const core::DesignWindowInfo &window, std::string_view name)
{
    const auto row = std::find_if(window.controls.begin(), window.controls.end(),
                                  [&](const core::Control &c) { return c.name == name; });
    return row == window.controls.end() ? nullptr : &*row;
}

// Every input is a field, list or option of the window's table, with a default text inside its
// range, and every control a run writes to is in the table.
TEST_P(DesignConfig, InputsAndWritesAreControlsOfTheWindowTable)
{
    const Config &config = GetParam();
    const core::DesignWindowInfo &window = *config.window;
    std::set<std::string_view> seen;
    for (const core::InputField &input : config.inputs()) {
        EXPECT_TRUE(seen.insert(input.control).second) << input.control << " twice";
        const core::Control *row = rowOf(window, input.control);
        ASSERT_NE(row, nullptr) << input.control;
        EXPECT_TRUE(row->kind == core::Kind::TextBox || row->kind == core::Kind::ComboBox ||
                    row->kind == core::Kind::OptionButton)
            << input.control;
        EXPECT_FALSE(input.caption.empty()) << input.control;
        // A number has a unit and a range; an option has neither.
        EXPECT_EQ(row->kind == core::Kind::OptionButton, input.unit.empty()) << input.control;
        EXPECT_EQ(input.hasRange(), !input.unit.empty()) << input.control;
        if (!input.hasRange())
            continue;
        const core::ParsedNumber value =
            core::parseNumber(core::defaultText(window, input.control));
        ASSERT_TRUE(value.ok()) << input.control;
        EXPECT_GE(value.value, input.low) << input.control;
        EXPECT_LE(value.value, input.high) << input.control;
        EXPECT_EQ(input.low < 0, -input.low == input.high) << input.control << ": a signed "
                                                           << "range is symmetric";
    }

    const core::DesignResult result = window.design(config.defaults());
    ASSERT_TRUE(result.accepted()) << result.refusal->message;
    EXPECT_FALSE(result.run.events().empty());
    for (const core::Event &event : result.run.events()) {
        if (event.kind != core::Event::Kind::MessageBox) {
            EXPECT_NE(rowOf(window, event.target), nullptr) << event.target;
        }
    }
}

// --help lists the range of every numeric input of every window, as the refusals state it.
TEST_P(DesignConfig, HelpListsTheRangeOfEveryNumber)
{
    const Config &config = GetParam();
    std::ostringstream out, err;
    const std::vector<std::string> args{"--help"};
    ASSERT_EQ(headless::run(args, app::designWindows(), out, err), headless::kDesigned);
    const std::string help = out.str();
    const std::string section =
        help.substr(help.find("\n" + std::string(config.window->command) + "  ("));
    for (const core::InputField &input : config.window->inputs) {
        std::string line = std::string(input.control);
        line.resize(std::max<size_t>(line.size(), 8), ' ');
        line += "  " + std::string(input.caption) + "  [default \"" +
                std::string(core::defaultText(*config.window, input.control)) + "\"";
        if (input.hasRange())
            line += ", " + core::rangeText(input);
        EXPECT_NE(section.find(line + "]\n"), std::string::npos) << line;
    }
}

// The requests of the sweep: every input at one end of its range and the others at their
// defaults, every pair of inputs at their ends, and a fixed sample of the full corners (each
// input at its low or its high end).
std::vector<core::DesignRequest> cornerRequests(const Config &config)
{
    const std::vector<core::InputField> numbers = config.numbers();
    const auto at = [&](core::DesignRequest &request, size_t i, bool high) {
        request.texts[std::string(numbers[i].control)] =
            design_runs::typed(high ? numbers[i].high : numbers[i].low);
    };
    std::vector<core::DesignRequest> requests;
    for (size_t i = 0; i < numbers.size(); ++i) {
        for (int ends = 0; ends < 2; ++ends) {
            requests.push_back(config.defaults());
            at(requests.back(), i, ends);
            for (size_t j = i + 1; j < numbers.size(); ++j) {
                for (int other = 0; other < 2; ++other) {
                    requests.push_back(config.defaults());
                    at(requests.back(), i, ends);
                    at(requests.back(), j, other);
                }
            }
        }
    }
    design_runs::Random random(0xC0FFEE);
    for (int corner = 0; corner < 1500; ++corner) {
        requests.push_back(config.defaults());
        for (size_t i = 0; i < numbers.size(); ++i)
            at(requests.back(), i, random.chance(0.5));
    }
    return requests;
}

TEST_P(DesignConfig, CornersOfTheRangesShowNoInfNanExponentOrAbsurdNumber)
{
    const Config &config = GetParam();
    int accepted = 0, shown = 0;
    double largest = 0;
    for (const core::DesignRequest &request : cornerRequests(config)) {
        const core::DesignResult result = config.window->design(request);
        if (!result.accepted()) {
            EXPECT_TRUE(result.run.events().empty());
            continue;
        }
        ++accepted;
        const std::string wrong = design_runs::whatIsWrong(result.run);
        if (!wrong.empty()) {
            std::string inputs;
            for (const auto &[control, text] : request.texts)
                inputs += " " + control + "=" + text;
            ADD_FAILURE() << wrong << "\n  with" << inputs;
            if (++shown == 5)
                return;
        }
        for (const design_runs::ShownNumber &number : design_runs::shownNumbers(result.run))
            largest = std::max(largest, std::fabs(number.value));
    }
    // Enough corners are designed for the sweep to mean something.
    EXPECT_GT(accepted, 100);
    RecordProperty("accepted", accepted);
    RecordProperty("largest", std::to_string(largest));
}

INSTANTIATE_TEST_SUITE_P(AllWindows, DesignConfig, ::testing::ValuesIn(design_runs::allConfigs()),
                         configName);

} // namespace

// The text report of every case of every design window on its default inputs, as the headless
// command prints it, against tests/golden/report_<window>_case<N>.txt. Any change to a line of a
// report shows here. tools/make_report_goldens.sh writes the files anew (it runs this test with
// FOUNDATIONS_UPDATE_REPORT_GOLDENS=1) once a change is meant.
#include "app/design_windows.h"
#include "app/headless.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

struct Golden {
    const core::DesignWindowInfo *window;
    int footingCase;
};

std::vector<Golden> goldens()
{
    std::vector<Golden> all;
    for (const core::DesignWindowInfo *window : app::designWindows()) {
        const int cases = std::max<int>(1, static_cast<int>(window->caseNames.size()));
        for (int c = 0; c < cases; ++c)
            all.push_back({window, c});
    }
    return all;
}

std::string fileName(const Golden &g)
{
    return "report_" + std::string(g.window->command) + "_case" + std::to_string(g.footingCase) +
           ".txt";
}

// The fixed title block keeps the files independent of the day they are made.
std::vector<std::string> arguments(const Golden &g)
{
    std::vector<std::string> args{std::string(g.window->command)};
    if (!g.window->caseNames.empty())
        args.insert(args.end(), {"--case", std::to_string(g.footingCase)});
    args.insert(args.end(), {"--project-name", "Golden reports", "--mark", "F1", "--designer",
                             "Checker", "--date", "2000-01-01", "--report", "-"});
    return args;
}

class ReportGolden : public testing::TestWithParam<Golden>
{
};

TEST_P(ReportGolden, TextReportOfTheDefaultInputsIsAsRecorded)
{
    std::ostringstream out, err;
    const int code = headless::run(arguments(GetParam()), app::designWindows(), out, err);
    ASSERT_EQ(code, headless::kDesigned) << err.str();
    // The files outlive a change of the program's version: the title block's is left out.
    std::string text = out.str();
    const std::string program = "Foundations " + std::string(report::programVersion()) + "\n";
    if (const std::size_t at = text.find(program); at != std::string::npos)
        text.replace(at, program.size(), "Foundations (version)\n");
    const std::string path = std::string(FOUNDATIONS_GOLDEN_DIR) + "/" + fileName(GetParam());
    const char *update = std::getenv("FOUNDATIONS_UPDATE_REPORT_GOLDENS");
    if (update && std::string(update) == "1") {
        std::ofstream(path, std::ios::binary) << text;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path << " is missing: run tools/make_report_goldens.sh";
    std::ostringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(text, expected.str()) << "to accept the new text: tools/make_report_goldens.sh";
}

INSTANTIATE_TEST_SUITE_P(Windows, ReportGolden, testing::ValuesIn(goldens()), [](const auto &info) {
    return std::string(info.param.window->command) + "_case" +
           std::to_string(info.param.footingCase);
});

} // namespace

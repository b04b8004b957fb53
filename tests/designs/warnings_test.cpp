// What the engineer is told beside results that stand as the rules give them: a footing
// smaller than the column, wall or beam it carries, and soil that would have to pull.
#include "app/design_windows.h"

#include <gtest/gtest.h>

namespace {

struct Warned {
    const char *name;
    const char *window;
    int footingCase;
    std::vector<std::pair<std::string, std::string>> texts;
    const char *says; // part of the warning; "" when the run warns of nothing
};

class DesignWarning : public testing::TestWithParam<Warned>
{
};

TEST_P(DesignWarning, IsGivenExactlyWhenItApplies)
{
    const Warned &c = GetParam();
    const core::DesignWindowInfo &window = *app::findDesignWindow(c.window);
    core::DesignRequest request = core::defaultRequest(window, c.footingCase);
    for (const auto &[control, text] : c.texts)
        request.texts[control] = text;
    const core::DesignResult result = window.design(request);
    ASSERT_TRUE(result.accepted()) << result.refusal->message;
    std::string all;
    for (const core::Warning &warning : result.run.warnings())
        all += warning.text + "\n";
    if (std::string(c.says).empty())
        EXPECT_EQ(all, "");
    else
        EXPECT_NE(all.find(c.says), std::string::npos) << all;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DesignWarning,
    testing::Values(
        Warned{"IsolatedDefaults", "isolated", 0, {}, ""},
        // P = 12 t with a 100 cm column: L1 = 120 → L = 60 cm < tc = 100 cm.
        Warned{"IsolatedSmallerThanItsColumn",
               "isolated",
               0,
               {{"Text1", "12"}, {"Text5", "100"}},
               "(0.60 m × 0.60 m) is smaller than the column (1.00 m × 0.30 m)"},
        Warned{"StripBeamDefaults", "strip", 3, {}, ""},
        // 45 t columns at 4 m: w = 11.25 t/m, B1 = up5(10 × 1.1 × 11.25 / (1.5 × 1.25)) = 70,
        // so B = 70 − 60 = 10 cm under a 30 cm beam.
        Warned{"StripNarrowerThanItsBeam",
               "strip",
               3,
               {{"Text1", "45"}},
               "(0.10 m wide) is narrower than the beam it carries (0.30 m)"},
        // A 60 cm wall on P = 8 t/m: B1 = up5(1000 × 5.867 / 100 / 1.25) = 50 → B = 50 < 60.
        Warned{"StripNarrowerThanItsWall",
               "strip",
               0,
               {{"Text1", "8"}},
               "(0.50 m wide) is narrower than the wall it carries (0.60 m)"}),
    [](const testing::TestParamInfo<Warned> &info) { return std::string(info.param.name); });

} // namespace

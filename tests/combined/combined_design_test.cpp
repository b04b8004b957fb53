#include "combined/combined_design.h"
#include "combined_cases.h"
#include "core/control_table.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace {

using combined_cases::DesignCase;
using combined_cases::Texts;

core::DesignResult designWith(const Texts &inputs)
{
    core::DesignRequest request = core::defaultRequest(combined::windowInfo());
    for (const auto &[control, text] : inputs)
        request.texts[control] = text;
    return combined::design(request);
}

double traced(const core::Run &run, std::string_view symbol)
{
    for (const core::TraceEntry &entry : run.trace()) {
        if (entry.symbol == symbol)
            return entry.value;
    }
    ADD_FAILURE() << "no trace entry " << symbol;
    return std::nan("");
}

std::vector<std::string> described(const core::Run &run)
{
    std::vector<std::string> lines;
    for (const core::Event &event : run.events())
        lines.push_back(core::describe(event));
    return lines;
}

// --- worked examples ---------------------------------------------------------------------------

class CombinedDesign : public ::testing::TestWithParam<DesignCase>
{
};

TEST_P(CombinedDesign, WritesTheWorkedResults)
{
    const DesignCase &c = GetParam();
    const core::DesignResult result = designWith(c.inputs);
    ASSERT_TRUE(result.accepted()) << result.refusal->message;
    for (const auto &[control, text] : c.expected)
        EXPECT_EQ(result.run.textOf(control).value_or("<not written>"), text) << control;
}

TEST_P(CombinedDesign, ShowsTheDrawingsOfItsLayoutAndHidesTheOthers)
{
    const DesignCase &c = GetParam();
    const core::DesignResult result = designWith(c.inputs);
    ASSERT_TRUE(result.accepted());
    const combined::LayoutPictures shown = c.c2Flush ? combined::kC2Flush : combined::kC1Flush;
    const combined::LayoutPictures hidden = c.c2Flush ? combined::kC1Flush : combined::kC2Flush;
    const std::vector<std::string> lines = described(result.run);
    const std::vector<std::string> first(lines.begin(), lines.begin() + 4);
    EXPECT_EQ(first, (std::vector<std::string>{
                         "show: " + std::string(shown.diagrams),
                         "show: " + std::string(shown.section),
                         "hide: " + std::string(hidden.diagrams),
                         "hide: " + std::string(hidden.section),
                     }));
}

TEST_P(CombinedDesign, EndsWithCyanChecksInRedText)
{
    const core::DesignResult result = designWith(GetParam().inputs);
    ASSERT_TRUE(result.accepted());
    const std::vector<std::string> lines = described(result.run);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
              (std::vector<std::string>{"colours: Label36 back=#00FFFF fore=#FF0000",
                                        "colours: Label37 back=#00FFFF fore=#FF0000",
                                        "colours: Label38 back=#00FFFF fore=#FF0000"}));
}

INSTANTIATE_TEST_SUITE_P(Examples, CombinedDesign,
                         ::testing::ValuesIn(combined_cases::designCases()),
                         [](const auto &info) { return info.param.name; });

TEST(CombinedDesignSteps, DefaultInputsFollowTheWorkedQuantities)
{
    const core::DesignResult result = designWith({});
    ASSERT_TRUE(result.accepted());
    const core::Run &run = result.run;
    EXPECT_DOUBLE_EQ(traced(run, "pt"), 275.0);
    EXPECT_NEAR(traced(run, "xr"), 2.1, 1e-12);
    EXPECT_NEAR(traced(run, "Lf"), 4.7, 1e-12);
    // 470 is an exact multiple of 5 and still gains a step.
    EXPECT_EQ(traced(run, "L1"), 475.0);
    EXPECT_EQ(traced(run, "B1"), 310.0);
    EXPECT_NEAR(traced(run, "qc"), 23.158, 5e-4);
    EXPECT_NEAR(traced(run, "w"), 57.895, 5e-4);
    EXPECT_NEAR(traced(run, "Lo"), 0.65, 1e-12);
    EXPECT_NEAR(traced(run, "dreq"), 33.30, 5e-3);
    EXPECT_EQ(traced(run, "dr"), 35.0);
    EXPECT_EQ(traced(run, "d"), 55.0);
    EXPECT_NEAR(traced(run, "qsh"), 5.93, 5e-3);
    EXPECT_NEAR(traced(run, "qcu"), 9.68, 5e-3);
    EXPECT_NEAR(traced(run, "qp(C1)"), 5.30, 5e-3);
    EXPECT_NEAR(traced(run, "qp(C2)"), 6.08, 5e-3);
    EXPECT_NEAR(traced(run, "qcup(C1)"), 12.91, 5e-3);
    EXPECT_NEAR(traced(run, "qcup(C2)"), 12.91, 5e-3);
    EXPECT_EQ(traced(run, "section(C2)"), 2.0); // d/2 = 27.5 < 100 Lo = 65
    EXPECT_NEAR(traced(run, "qb"), 14.44, 5e-3);
}

TEST(CombinedDesignSteps, C2FlushLayoutRecomputesTheFootingLength)
{
    const core::DesignResult result = designWith({{"Text1", "150"}, {"Text2", "110"}});
    ASSERT_TRUE(result.accepted());
    EXPECT_NEAR(traced(result.run, "Lf(C1 flush)"), 3.46, 5e-3); // short of C2's outer face
    EXPECT_NEAR(traced(result.run, "Lf"), 4.738, 5e-4);
    EXPECT_EQ(traced(result.run, "layout"), 2.0);
    EXPECT_NEAR(traced(result.run, "Lo"), 0.65, 1e-12);
}

TEST(CombinedDesignSteps, BothDepthBranchesGiveA40cmFootingWith35cmDepth)
{
    for (const char *ta : {"40", "35"}) {
        const core::DesignResult result = designWith({{"Text4", ta}});
        ASSERT_TRUE(result.accepted()) << ta;
        EXPECT_EQ(traced(result.run, "dr"), 35.0) << ta;
        EXPECT_EQ(traced(result.run, "d"), 35.0) << ta;
        EXPECT_EQ(result.run.textOf("Label80"), "0.4") << ta;
    }
}

TEST(CombinedDesignSteps, BondLimitComparesFyAsANumber)
{
    struct Row {
        const char *fy;
        double limit;
    };
    for (const Row row : {Row{"2400", 11}, Row{"2400.0", 11}, Row{" 2400 ", 11}, Row{"2.4e3", 11},
                          Row{"3600", 35}, Row{"2400.5", 35}}) {
        const core::DesignResult result = designWith({{"Text11", row.fy}});
        ASSERT_TRUE(result.accepted()) << row.fy;
        EXPECT_EQ(traced(result.run, "qb allowed"), row.limit) << row.fy;
    }
}

// --- ties ---------------------------------------------------------------------------------------

TEST(CombinedDesignTies, EqualLengthsSelectTheC1FlushLayout)
{
    // Equal loads at 4 m with equal 50 cm columns: Lf = 2 (2 + 0.25) = 4.5 = 4 + 0.25 + 0.25.
    const core::DesignResult result =
        designWith({{"Text2", "100"}, {"Text9", "50"}, {"Text13", "4"}});
    ASSERT_TRUE(result.accepted());
    EXPECT_EQ(traced(result.run, "Lf(C1 flush)"), 4.5);
    EXPECT_EQ(traced(result.run, "layout"), 1.0);
    EXPECT_EQ(result.run.textOf("Label75"), "4.55");
}

TEST(CombinedDesignTies, HalfDepthEqualToTheOverhangCutsThePunchingSection)
{
    // Both columns 50 cm: L = 475 cm, Lo = 4.75 - 4 = 0.75 m exactly; d = ta - 5.
    struct Row {
        const char *ta;
        double section;
    };
    for (const Row row : {Row{"154", 2}, Row{"155", 3}, Row{"156", 3}}) {
        const core::DesignResult result = designWith({{"Text9", "50"}, {"Text4", row.ta}});
        ASSERT_TRUE(result.accepted()) << row.ta;
        EXPECT_EQ(traced(result.run, "Lo"), 0.75);
        EXPECT_EQ(traced(result.run, "section(C2)"), row.section) << "ta = " << row.ta;
        EXPECT_EQ(traced(result.run, "section(C1)"), 1.0);
    }
}

// --- write order --------------------------------------------------------------------------------

TEST(CombinedDesignOrder, OneRunWritesInStepOrder)
{
    const core::DesignResult result = designWith({});
    ASSERT_TRUE(result.accepted());
    EXPECT_EQ(described(result.run), (std::vector<std::string>{
                                         "show: Picture2",
                                         "show: Picture4",
                                         "hide: Picture3",
                                         "hide: Picture5",
                                         "Label75=4.75",
                                         "Label76=3.1",
                                         "Label77=0.4",
                                         "Label78=4.75",
                                         "Label79=2.5",
                                         "Label81=81.05",
                                         "Label82=86.84",
                                         "Label83=37.63",
                                         "Label84=20.26",
                                         "Label85=77",
                                         "Label86=4.99",
                                         "Label87=12.23",
                                         "Label80=0.6",
                                         "Label36=Safe Shear Stress",
                                         "Label37=Safe Punch Stress",
                                         "Label95=10",
                                         "Label99=10",
                                         "Label103=10",
                                         "Label106=10",
                                         "Label96=12 \\ m",
                                         "Label100=12 \\ m",
                                         "Label104=12 \\ m",
                                         "Label105=12 \\ m",
                                         "Label29=48.61",
                                         "Label30=25",
                                         "Label97=25",
                                         "Label107=25",
                                         "Label98=16",
                                         "Label108=16",
                                         "Label34=27.5",
                                         "Label35=25",
                                         "Label101=25",
                                         "Label109=25",
                                         "Label102=12",
                                         "Label110=12",
                                         "Label50=1.05",
                                         "Label118=1.05",
                                         "Label40=16.81",
                                         "Label43=9",
                                         "Label123=9",
                                         "Label124=16",
                                         "Label52=1.8",
                                         "Label121=1.8",
                                         "Label46=25.21",
                                         "Label48=13",
                                         "Label125=13",
                                         "Label126=16",
                                         "Label38=Safe Flexural Bond",
                                         "colours: Label36 back=#00FFFF fore=#FF0000",
                                         "colours: Label37 back=#00FFFF fore=#FF0000",
                                         "colours: Label38 back=#00FFFF fore=#FF0000",
                                     }));
}

TEST(CombinedDesignOrder, C2FlushRunWritesTheOtherDrawingsLabels)
{
    const core::DesignResult result = designWith({{"Text1", "150"}, {"Text2", "110"}});
    ASSERT_TRUE(result.accepted());
    std::vector<std::string> targets;
    for (const core::Event &event : result.run.events())
        targets.push_back(event.target);
    const auto from = std::find(targets.begin(), targets.end(), "Label79") + 1;
    EXPECT_EQ(std::vector<std::string>(from, from + 7),
              (std::vector<std::string>{"Label89", "Label90", "Label88", "Label92", "Label93",
                                        "Label94", "Label91"}));
    const auto beams = std::find(targets.begin(), targets.end(), "Label50");
    EXPECT_EQ(std::vector<std::string>(beams, beams + 12),
              (std::vector<std::string>{"Label50", "Label112", "Label40", "Label43", "Label127",
                                        "Label128", "Label52", "Label115", "Label46", "Label48",
                                        "Label129", "Label130"}));
    for (std::string_view other : {"Label81", "Label87", "Label118", "Label123", "Label126"})
        EXPECT_FALSE(result.run.textOf(other)) << other << " belongs to the hidden drawings";
}

TEST(CombinedDesignOrder, ListTextsAreEchoedExactlyAsTyped)
{
    const core::DesignResult result =
        designWith({{"Combo1", "16.0"}, {"Combo2", " 12"}, {"Combo3", "18"}, {"Combo4", "2.2e1"}});
    ASSERT_TRUE(result.accepted());
    EXPECT_EQ(result.run.textOf("Label98"), "16.0");
    EXPECT_EQ(result.run.textOf("Label108"), "16.0");
    EXPECT_EQ(result.run.textOf("Label30"), "25"); // 16.0 mm is 16 mm
    EXPECT_EQ(result.run.textOf("Label102"), " 12");
    EXPECT_EQ(result.run.textOf("Label124"), "18");
    EXPECT_EQ(result.run.textOf("Label126"), "2.2e1");
}

// --- the table ----------------------------------------------------------------------------------

TEST(CombinedTable, NamesAreUniqueAndContainersComeFirst)
{
    std::set<std::string_view> seen;
    for (const core::Control &row : combined::windowInfo().controls) {
        EXPECT_TRUE(seen.insert(row.name).second) << row.name << " twice";
        if (!row.parent.empty()) {
            EXPECT_TRUE(seen.count(row.parent)) << row.name << " before " << row.parent;
        }
        if (row.parent == combined::kTabControl) {
            EXPECT_TRUE(row.tab >= 0 && row.tab <= 3) << row.name;
        }
    }
}

TEST(CombinedTable, EveryInputAndEveryWrittenControlExists)
{
    const core::DesignWindowInfo &window = combined::windowInfo();
    for (const core::InputField &input : window.inputs)
        EXPECT_NE(core::findControl(window.controls, input.control), nullptr) << input.control;
    for (const DesignCase &c : combined_cases::designCases()) {
        const core::DesignResult result = designWith(c.inputs);
        ASSERT_TRUE(result.accepted()) << c.name;
        for (const core::Event &event : result.run.events())
            EXPECT_NE(core::findControl(window.controls, event.target), nullptr) << event.target;
    }
}

TEST(CombinedTable, ListsHaveTheirOwnEntriesAndDefaults)
{
    const core::DesignWindowInfo &window = combined::windowInfo();
    struct Row {
        const char *list, *text, *items;
    };
    for (const Row row :
         {Row{"Combo1", "16", "10|12|16|18|22"}, Row{"Combo2", "12", "10|12|16|18|22"},
          Row{"Combo3", "16", "12|16|18|22"}, Row{"Combo4", "16", "12|16|18|22"}}) {
        const core::Control *list = core::findControl(window.controls, row.list);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->text, row.text);
        EXPECT_EQ(list->items, row.items);
        EXPECT_EQ(list->action, core::Action::Design) << "a pick reruns the design";
    }
}

TEST(CombinedTable, EveryButtonDoesItsJob)
{
    const core::DesignWindowInfo &window = combined::windowInfo();
    struct Row {
        const char *button;
        core::Action action;
    };
    for (const Row row :
         {Row{"Command1", core::Action::Design}, Row{"Command2", core::Action::Back},
          Row{"Command6", core::Action::Back}, Row{"Command4", core::Action::Exit},
          Row{"Command7", core::Action::Exit}, Row{"Command3", core::Action::Print},
          Row{"Command5", core::Action::Print}, Row{"Command8", core::Action::Print},
          Row{"Command9", core::Action::Print}, Row{"Command10", core::Action::Print},
          Row{"Command11", core::Action::Print}}) {
        const core::Control *button = core::findControl(window.controls, row.button);
        ASSERT_NE(button, nullptr) << row.button;
        EXPECT_EQ(button->action, row.action) << row.button;
    }
}

// --- refused input ------------------------------------------------------------------------------

struct Refusal {
    std::string name;
    Texts inputs;
    std::string control;  // the field the message blames
    std::string contains; // part of the message
};

class CombinedRefusal : public ::testing::TestWithParam<Refusal>
{
};

TEST_P(CombinedRefusal, NamesTheFieldAndWritesNothing)
{
    const Refusal &r = GetParam();
    const core::DesignResult result = designWith(r.inputs);
    ASSERT_FALSE(result.accepted());
    EXPECT_EQ(result.refusal->control, r.control);
    EXPECT_NE(result.refusal->message.find(r.contains), std::string::npos)
        << result.refusal->message;
    EXPECT_TRUE(result.run.events().empty());
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, CombinedRefusal,
    ::testing::Values(
        Refusal{"EmptyLoad", {{"Text1", ""}}, "Text1", "\"P1 (ton)\" is empty"},
        Refusal{"WordForLoad", {{"Text2", "abc"}}, "Text2", "\"P2 (ton)\" must be a number"},
        Refusal{"CommaDecimal", {{"Text12", "1,25"}}, "Text12", "must be a number"},
        Refusal{"ZeroLoad", {{"Text1", "0"}}, "Text1", "\"P1 (ton)\" must be greater than 0"},
        Refusal{"NegativeLoad", {{"Text2", "-150"}}, "Text2", "greater than 0"},
        Refusal{"ZeroColumnWidth", {{"Text6", "0"}}, "Text6", "\"C1 b (cm)\""},
        Refusal{"ZeroColumnSide", {{"Text7", "0"}}, "Text7", "\"C1 t (cm)\""},
        Refusal{"ZeroSecondWidth", {{"Text8", "0"}}, "Text8", "\"C2 b (cm)\""},
        Refusal{"ZeroSecondSide", {{"Text9", "-70"}}, "Text9", "\"C2 t (cm)\""},
        Refusal{"ZeroFcu", {{"Text10", "0"}}, "Text10", "\"fcu (kg\\cm2)\""},
        Refusal{"ZeroFy", {{"Text11", "0"}}, "Text11", "\"fy (kg\\cm2)\""},
        Refusal{"ZeroBearing", {{"Text12", "0"}}, "Text12", "\"B \\ C (kg\\cm2)\""},
        Refusal{"ZeroCover", {{"Text5", "0"}}, "Text5", "\"Cover (cm)\""},
        Refusal{"ZeroSpacing", {{"Text13", "0"}}, "Text13", "\"Column Spacing (L)\""},
        // 50 cm and 70 cm columns at 0.6 m touch; any closer and they overlap.
        Refusal{"OverlappingColumns",
                {{"Text13", "0.6"}},
                "Text13",
                "\"Column Spacing (L)\" must be greater than 0.6 m, half the two column sides"},
        Refusal{"ZeroPcDepth", {{"Text3", "0"}}, "Text3", "\"Assume PC Depth (cm)\""},
        Refusal{"ThicknessEqualToCover",
                {{"Text4", "5"}},
                "Text4",
                "\"Assume RC Depth (cm)\" must be greater than the cover, 5 cm"},
        Refusal{"ZeroTopBar", {{"Combo1", "0"}}, "Combo1", "\"Top Rienf. Diam. (mm)\""},
        Refusal{
            "WordForBottomBar", {{"Combo2", "twelve"}}, "Combo2", "\"Bott. Rienf. Diam. (mm)\""},
        Refusal{"NegativeBeamBar", {{"Combo3", "-16"}}, "Combo3", "\"Beam -1- Diam. (mm)\""},
        Refusal{"EmptyBeamBar", {{"Combo4", ""}}, "Combo4", "\"Beam -2- Diam. (mm)\""},
        // qall = 100: B1 = 5 cm. qall = 6.6667: Apc / L1 = 57.9, B1 = 60 cm, still no RC width.
        Refusal{"NarrowPcFooting", {{"Text12", "100"}}, "Text12", "only 0.05 m wide"},
        Refusal{"PcFootingOf60", {{"Text12", "6.6667"}}, "Text12", "only 0.6 m wide"},
        // A light column at the flush end: the soil pressure under it exceeds its load.
        Refusal{"NegativeMaximumMomentAtC1",
                {{"Text1", "1"}},
                "Text1",
                "Raise \"P1 (ton)\" or lower \"C1 t (cm)\""},
        Refusal{"NegativeMaximumMomentAtC2",
                {{"Text2", "1"}, {"Text1", "150"}},
                "Text2",
                "Raise \"P2 (ton)\" or lower \"C2 t (cm)\""},
        Refusal{"LoadsFarAboveTheirRange",
                {{"Text1", "1e306"}, {"Text2", "1e306"}},
                "Text1",
                "\"P1 (ton)\" must be from 1 to 5000 t"}),
    [](const auto &info) { return info.param.name; });

TEST(CombinedRefusalBoundary, APcFootingOf65cmLeavesA5cmRcFooting)
{
    const core::DesignResult result = designWith({{"Text12", "6"}});
    ASSERT_TRUE(result.accepted()) << result.refusal->message;
    EXPECT_EQ(result.run.textOf("Label76"), "0.65");
    EXPECT_EQ(result.run.textOf("Label79"), "0.05");
}

// Any mix of ordinary inputs gives either a refusal or a complete run of plain numbers.
TEST(CombinedRobustness, NeverWritesInfinityOrNotANumber)
{
    int accepted = 0;
    for (const char *p1 : {"1", "10", "100", "900"}) {
        for (const char *p2 : {"1", "60", "150", "2000"}) {
            for (const char *spacing : {"0.2", "3.5", "12"}) {
                for (const char *qall : {"0.3", "1.25", "40"}) {
                    for (const char *ta : {"12", "60", "300"}) {
                        const core::DesignResult result = designWith({{"Text1", p1},
                                                                      {"Text2", p2},
                                                                      {"Text13", spacing},
                                                                      {"Text12", qall},
                                                                      {"Text4", ta}});
                        if (!result.accepted()) {
                            EXPECT_TRUE(result.run.events().empty());
                            continue;
                        }
                        ++accepted;
                        for (const core::Event &event : result.run.events()) {
                            EXPECT_EQ(event.text.find("nan"), std::string::npos) << event.text;
                            EXPECT_EQ(event.text.find("inf"), std::string::npos) << event.text;
                        }
                        EXPECT_EQ(result.run.events().size(), 55u);
                    }
                }
            }
        }
    }
    EXPECT_GT(accepted, 50);
}

} // namespace

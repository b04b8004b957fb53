#include "app/headless.h"
#include "core/number_text.h"
#include "isolated/isolated_design.h"
#include "isolated/isolated_tables.h"
#include "isolated_examples.h"

#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace {

using isolated_examples::Example;
using isolated_examples::Texts;

core::DesignRequest request(int footingCase, const Texts &inputs = {})
{
    core::DesignRequest r = core::defaultRequest(isolated::windowInfo(), footingCase);
    for (const auto &[control, text] : inputs) {
        EXPECT_TRUE(r.texts.contains(control)) << control << " is not an input";
        r.texts[control] = text;
    }
    return r;
}

core::DesignResult designed(int footingCase, const Texts &inputs = {})
{
    return isolated::design(request(footingCase, inputs));
}

std::vector<std::string> targets(const core::Run &run)
{
    std::vector<std::string> names;
    for (const core::Event &event : run.events())
        names.push_back(event.target);
    return names;
}

const core::TraceEntry *traced(const core::Run &run, const std::string &symbol)
{
    for (const core::TraceEntry &entry : run.trace()) {
        if (entry.symbol == symbol)
            return &entry;
    }
    return nullptr;
}

// --- worked examples ---------------------------------------------------------------------------

class WorkedExample : public ::testing::TestWithParam<Example>
{
};

TEST_P(WorkedExample, FieldsShowExactlyTheseTexts)
{
    const Example &example = GetParam();
    const core::DesignResult result = designed(example.footingCase, example.inputs);
    ASSERT_TRUE(result.accepted()) << result.refusal->message;
    for (const auto &[control, text] : example.fields)
        EXPECT_EQ(result.run.textOf(control).value_or("<not written>"), text) << control;
    for (const isolated_examples::Approx &expected : example.trace) {
        const core::TraceEntry *entry = traced(result.run, expected.symbol);
        ASSERT_NE(entry, nullptr) << expected.symbol;
        EXPECT_NEAR(entry->value, expected.value, expected.tolerance) << expected.symbol;
    }
}

INSTANTIATE_TEST_SUITE_P(Isolated, WorkedExample,
                         ::testing::ValuesIn(isolated_examples::examples()),
                         [](const auto &info) { return info.param.name; });

TEST(IsolatedDesign, MildSteelChangesOnlyTheBondCheck)
{
    const core::Run defaults = designed(0).run;
    const core::Run mild = designed(0, {{"Text8", "2400"}}).run;
    ASSERT_EQ(targets(defaults), targets(mild));
    for (size_t i = 0; i < defaults.events().size(); ++i) {
        const core::Event &event = defaults.events()[i];
        if (event.target != "Label35") {
            EXPECT_EQ(event, mild.events()[i]) << event.target;
        }
    }
    EXPECT_EQ(mild.textOf("Label35"), "Unsafe Flexural Bond");
}

// --- the order of the writes -------------------------------------------------------------------

struct OrderRow {
    int footingCase;
    std::vector<std::string> writes;
};

const std::vector<std::string> kCentredWrites{"Label37", "Label38", "Label39", "Label40", "Label41",
                                              "Label42", "Label33", "Label34", "Label31", "Label28",
                                              "Label17", "Label27", "Label46", "Label48", "Label47",
                                              "Label49", "Label35"};
const std::vector<std::string> kOffCentreWrites{
    "Label37", "Label38", "Label39", "Label40", "Label41", "Label42",
    "Label33", "Label34", "Label31", "Label28", "Label17", "Label27",
    "Label54", "Label56", "Label55", "Label57", "Label35"};

class WriteOrder : public ::testing::TestWithParam<OrderRow>
{
};

TEST_P(WriteOrder, OneRunWritesEachResultOnceInStepOrder)
{
    const core::DesignResult result = designed(GetParam().footingCase);
    ASSERT_TRUE(result.accepted());
    EXPECT_EQ(targets(result.run), GetParam().writes);
    for (const core::Event &event : result.run.events())
        EXPECT_EQ(event.kind, core::Event::Kind::SetText) << event.target;
}

INSTANTIATE_TEST_SUITE_P(Isolated, WriteOrder,
                         ::testing::Values(OrderRow{0, kCentredWrites}, OrderRow{1, kCentredWrites},
                                           OrderRow{2, kOffCentreWrites},
                                           OrderRow{3, kCentredWrites}),
                         [](const auto &info) {
                             return "Case" + std::to_string(info.param.footingCase);
                         });

TEST(IsolatedDesign, CaseOutsideTheChooserWritesNothing)
{
    for (int footingCase : {-1, 4, 99}) {
        const core::DesignResult result = designed(footingCase, {{"Text1", "not read"}});
        EXPECT_TRUE(result.accepted()) << footingCase;
        EXPECT_TRUE(result.run.events().empty()) << footingCase;
    }
}

// --- input that cannot be designed -------------------------------------------------------------

struct RefusalRow {
    std::string name;
    int footingCase;
    Texts inputs;
    std::string control; // the field blamed; empty when the run as a whole is refused
    std::string message; // a part of the message
};

class RefusedInput : public ::testing::TestWithParam<RefusalRow>
{
};

TEST_P(RefusedInput, StopsBeforeWritingAndNamesTheField)
{
    const RefusalRow &row = GetParam();
    const core::DesignResult result = designed(row.footingCase, row.inputs);
    ASSERT_FALSE(result.accepted());
    EXPECT_EQ(result.refusal->control, row.control);
    EXPECT_NE(result.refusal->message.find(row.message), std::string::npos)
        << result.refusal->message;
    EXPECT_TRUE(result.run.events().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Isolated, RefusedInput,
    ::testing::Values(
        RefusalRow{
            "LoadNotANumber", 0, {{"Text1", "abc"}}, "Text1", "\"P (ton)\" must be a number"},
        RefusalRow{"DecimalComma", 0, {{"Text9", "1,25"}}, "Text9", "\"qall (kg\\cm2)\""},
        RefusalRow{"EmptyStrength", 0, {{"Text7", ""}}, "Text7", "\"fcu (kg\\cm2)\" is empty"},
        RefusalRow{"ZeroLoad", 0, {{"Text1", "0"}}, "Text1", "must be greater than 0"},
        RefusalRow{"ZeroAllowableStress", 0, {{"Text9", "0"}}, "Text9", "greater than 0"},
        RefusalRow{"ZeroColumnWidth", 0, {{"Text6", "0"}}, "Text6", "\"b (cm)\" must be greater"},
        RefusalRow{"NegativeColumnSide", 1, {{"Text5", "-60"}}, "Text5", "\"t (cm)\""},
        RefusalRow{"ZeroSteelStress", 0, {{"Text8", "0"}}, "Text8", "\"fy (kg\\cm2)\""},
        RefusalRow{"ZeroPcThickness", 0, {{"Text2", "0"}}, "Text2", "Assume PC Footing Thickness"},
        RefusalRow{"ThicknessEqualToCover",
                   0,
                   {{"Text3", "12"}, {"Text4", "12"}},
                   "Text3",
                   "\"Assume RC Footing Thickness\" must be greater than \"Cover\""},
        RefusalRow{"ZeroLongBars", 0, {{"Combo2", "0"}}, "Combo2", "Long Rienforcement"},
        RefusalRow{"ShortBarsNotANumber", 2, {{"Combo1", "12mm"}}, "Combo1", "Short Rienforcement"},
        RefusalRow{"NoMomentInJustNoTension", 1, {{"Text10", "0"}}, "Text10", "\"M (t.m)\""},
        RefusalRow{"EmptyMoment", 2, {{"Text10", " "}}, "Text10", "\"M (t.m)\" is empty"},
        RefusalRow{"MomentNotANumber", 3, {{"Text10", "five"}}, "Text10", "\"M (t.m)\""},
        RefusalRow{"ZeroAssumedLength", 2, {{"Text11", "0"}}, "Text11", "\"Assume L1 (m)\""},
        RefusalRow{"NegativeAssumedLength", 3, {{"Text11", "-3.2"}}, "Text11", "Assume L1"},
        // 1 + 6 e / L1 <= 0: the width formula divides by zero or turns negative.
        RefusalRow{"MomentFarBelowZero", 3, {{"Text10", "-60"}}, "Text10", "\"Assume L1 (m)\""},
        // A negative edge pressure turns the long moment: no square root.
        RefusalRow{"NegativeLongMoment",
                   3,
                   {{"Text10", "-50"}, {"Text5", "200"}},
                   "Text10",
                   "long-direction moment negative"},
        RefusalRow{"LoadFarAboveItsRange",
                   0,
                   {{"Text1", "1e308"}},
                   "Text1",
                   "\"P (ton)\" must be from 1 to 5000 t (\"1e308\" is not)."}),
    [](const auto &info) { return info.param.name; });

TEST(IsolatedDesign, HiddenFieldsOfOtherCasesAreNotRead)
{
    const core::DesignResult concentric = designed(0, {{"Text10", "abc"}, {"Text11", ""}});
    ASSERT_TRUE(concentric.accepted());
    EXPECT_EQ(concentric.run.events(), designed(0).run.events());
    const core::DesignResult noTension = designed(1, {{"Text11", "abc"}});
    ASSERT_TRUE(noTension.accepted());
    EXPECT_EQ(noTension.run.events(), designed(1).run.events());
}

TEST(IsolatedDesign, BlanksAroundNumbersAreAcceptedAndListTextsEchoedUnchanged)
{
    const core::DesignResult result = designed(0, {{"Text1", " 90 "}, {"Combo2", "12 "}});
    ASSERT_TRUE(result.accepted());
    EXPECT_EQ(result.run.textOf("Label37"), "2.45");
    EXPECT_EQ(result.run.textOf("Label47"), "12 ");
}

TEST(IsolatedDesign, MomentMayBeZeroOrNegativeWhereTheFormulasAllowIt)
{
    for (int footingCase : {2, 3}) {
        for (const char *moment : {"0", "-5", "-20"}) {
            const core::DesignResult result = designed(footingCase, {{"Text10", moment}});
            EXPECT_TRUE(result.accepted()) << footingCase << " M=" << moment;
        }
    }
}

// Whatever the numbers, a run that is accepted shows only finite numbers.
TEST(IsolatedDesign, NeverShowsInfinityOrNotANumber)
{
    const std::vector<std::string> extremes{"1e-300", "1e-12", "1e12", "1e150", "1e300", "-1e300"};
    int accepted = 0;
    for (int footingCase = 0; footingCase < 4; ++footingCase) {
        for (const core::InputField &input : isolated::tables::kInputs) {
            for (const std::string &value : extremes) {
                const core::DesignResult result =
                    designed(footingCase, {{std::string(input.control), value}});
                if (!result.accepted()) {
                    EXPECT_FALSE(result.refusal->message.empty());
                    continue;
                }
                ++accepted;
                for (const core::Event &event : result.run.events()) {
                    if (event.target == "Label47" || event.target == "Label49" ||
                        event.target == "Label55" || event.target == "Label57" ||
                        event.text.find("Shear") != std::string::npos ||
                        event.text.find("Punch") != std::string::npos ||
                        event.text.find("Bond") != std::string::npos)
                        continue;
                    EXPECT_TRUE(core::parseNumber(event.text).ok())
                        << input.control << "=" << value << " case " << footingCase << ": "
                        << event.target << "=" << event.text;
                }
            }
        }
    }
    EXPECT_GT(accepted, 0);
}

// --- tables ------------------------------------------------------------------------------------

TEST(IsolatedTables, EveryNameTheDesignAndTheWindowUseIsAControl)
{
    using namespace isolated::tables;
    std::set<std::string_view> names;
    for (const core::Control &row : kIsolated) {
        EXPECT_TRUE(names.insert(row.name).second) << "twice: " << row.name;
        if (!row.parent.empty()) {
            EXPECT_NE(core::findControl(kIsolated, row.parent), nullptr) << row.name;
        }
    }
    for (const core::InputField &input : kInputs)
        EXPECT_TRUE(names.contains(input.control)) << input.control;
    for (int footingCase = 0; footingCase < 4; ++footingCase) {
        const core::DesignResult result = designed(footingCase);
        for (const core::Event &event : result.run.events())
            EXPECT_TRUE(names.contains(event.target)) << event.target;
        for (const core::CaseChange &change : caseChanges(footingCase))
            EXPECT_TRUE(names.contains(change.control)) << change.control;
    }
    for (const core::BlinkField &field : kBlinkFields)
        EXPECT_TRUE(names.contains(field.control)) << field.control;
    for (const char *name : {"Picture1(0)", "Picture1(1)", "Picture1(2)", "Picture1(3)", "Label1",
                             "Label2", "Label3", "Label4"})
        EXPECT_NE(core::findControl(kForm3, name), nullptr) << name;
}

// --- the headless command ----------------------------------------------------------------------

TEST(IsolatedHeadless, CaseTwoPrintsItsWritesInOrder)
{
    const std::array<const core::DesignWindowInfo *, 1> windows{&isolated::windowInfo()};
    const std::vector<std::string> args{"isolated", "--case", "2"};
    std::ostringstream out, err;
    EXPECT_EQ(headless::run(args, windows, out, err), headless::kDesigned);
    EXPECT_EQ(out.str(), "Label37=3.2\nLabel38=1.7\nLabel39=0.4\nLabel40=2.6\nLabel41=1.1\n"
                         "Label42=0.6\nLabel33=Safe Shear Stress\nLabel34=Safe Punch Stress\n"
                         "Label31=13.26\nLabel28=12\nLabel17=28.6\nLabel27=26\nLabel54=12\n"
                         "Label56=26\nLabel55=12\nLabel57=12\nLabel35=Safe Flexural Bond\n");
    EXPECT_EQ(err.str(), "");
}

TEST(IsolatedHeadless, RefusedInputPrintsTheMessageAndNoWrites)
{
    const std::array<const core::DesignWindowInfo *, 1> windows{&isolated::windowInfo()};
    const std::vector<std::string> args{"isolated", "--case", "3", "Text11=0"};
    std::ostringstream out, err;
    EXPECT_EQ(headless::run(args, windows, out, err), headless::kRefused);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("\"Assume L1 (m)\" must be greater than 0."), std::string::npos);
}

} // namespace

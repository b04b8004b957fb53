// Input found by fuzzing the headless command and the design functions, as the command sees
// it: absurd numbers are refused naming the field and its range, typed text is quoted on one
// short harmless line, and a case number far beyond an int is a usage error.
#include "app/design_windows.h"
#include "app/headless.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

struct Absurd {
    const char *name;
    std::vector<std::string> args;
    int exit;
    std::string err; // the whole of stderr
};

class AbsurdInput : public ::testing::TestWithParam<Absurd>
{
};

TEST_P(AbsurdInput, IsRefusedWithOneLineNamingTheField)
{
    const Absurd &absurd = GetParam();
    std::ostringstream out, err;
    EXPECT_EQ(headless::run(absurd.args, app::designWindows(), out, err), absurd.exit);
    EXPECT_EQ(out.str(), "");
    // A usage error goes on with the usage lines, which are not what this test is about.
    const std::string said = err.str();
    EXPECT_EQ(absurd.exit == headless::kUsageError ? said.substr(0, said.find('\n') + 1) : said,
              absurd.err);
}

INSTANTIATE_TEST_SUITE_P(
    Found, AbsurdInput,
    ::testing::Values(
        // Once 2.4E+304 cm2 of steel and "Safe Flexural Bond".
        Absurd{"VanishingSteelStrength",
               {"isolated", "Text8=1e-300"},
               headless::kRefused,
               "\"fy (kg\\cm2)\" must be from 1800 to 8000 kg/cm2 (\"1e-300\" is not).\n"},
        // Once 5.3E+150 and both checks "Safe".
        Absurd{"VanishingConcreteStrength",
               {"combined", "Text10=1e-300"},
               headless::kRefused,
               "\"fcu (kg\\cm2)\" must be from 100 to 1000 kg/cm2 (\"1e-300\" is not).\n"},
        // Once a PC thickness of 1E+298 m.
        Absurd{"HugeThickness",
               {"isolated", "Text2=1e300"},
               headless::kRefused,
               "\"Assume PC Footing Thickness\" must be from 5 to 200 cm (\"1e300\" is not).\n"},
        // Once 3000000000.1 stirrups.
        Absurd{"HugeColumnSpacing",
               {"strip", "--case", "3", "Text12=1e20"},
               headless::kRefused,
               "\"Column Spacing\" must be from 0.5 to 20 m (\"1e20\" is not).\n"},
        Absurd{"ColumnLoadOfAStrip",
               {"strip", "--case", "3", "Text1=5001"},
               headless::kRefused,
               "\"P (ton)\" must be from 1 to 5000 t (\"5001\" is not).\n"},
        // Once cleared the terminal.
        Absurd{"TerminalEscape",
               {"isolated", "Text1=5\x1b[2J"},
               headless::kRefused,
               "\"P (ton)\" must be a number, written with a decimal point (\"5\\x1B[2J\" is "
               "not).\n"},
        // Once split the message over two lines.
        Absurd{"Newline",
               {"strap", "Text14=4.5\nexit: 0"},
               headless::kRefused,
               "\"Column Spacing (L)\" must be a number, written with a decimal point "
               "(\"4.5\\nexit: 0\" is not).\n"},
        // Once a 100 kB message.
        Absurd{"HundredThousandCharacters",
               {"combined", "Combo1=" + std::string(100000, '1') + "x"},
               headless::kRefused,
               "\"Top Rienf. Diam. (mm)\" must be a number, written with a decimal point (\"" +
                   std::string(40, '1') + "…\" is not).\n"},
        // Once undefined behaviour: the number was made an int before its range was checked.
        Absurd{"CaseFarBeyondAnInt",
               {"isolated", "--case", "99999999999"},
               headless::kUsageError,
               "foundations-calc: --case needs a number from 0 to 3.\n"}),
    [](const auto &info) { return std::string(info.param.name); });

// Numbers each inside its range can still be absurd together: a 5000 t column with a 5 t.m
// moment and no tension under the footing needs a footing 5 cm long and kilometres wide; the
// heaviest column on the softest soil with the shortest assumed length, a PC footing 9 km
// wide with 920,000 bars. Such a run is refused rather than shown, naming no internal symbol
// or control.
TEST(AbsurdTogether, ARunWithResultsTooLargeForAnyFootingIsRefused)
{
    struct Case {
        std::vector<std::string> args;
        std::string says;
    };
    for (const Case &c :
         {Case{{"isolated", "--case", "1", "Text1=5000", "Text10=5"},
               "These inputs give results too large for any footing"},
          Case{{"isolated", "--case", "3", "Text1=5000", "Text10=1000", "Text2=200", "Text3=400",
                "Text4=15", "Text5=400", "Text6=400", "Text7=100", "Text8=8000", "Text9=0.25",
                "Text11=0.5", "Combo2=50", "Combo1=6"},
               "These inputs give a footing larger than any foundation is built: \"P (ton)\", "
               "\"M (t.m)\""}}) {
        std::ostringstream out, err;
        EXPECT_EQ(headless::run(c.args, app::designWindows(), out, err), headless::kRefused);
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(err.str().rfind(c.says, 0), 0u) << err.str();
        EXPECT_EQ(err.str().find("Label"), std::string::npos) << err.str();
        EXPECT_EQ(err.str().find('\n'), err.str().size() - 1);
    }
}

} // namespace

#include "core/number_format.h"
#include "core/run.h"
#include "core/term.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {

using core::Term;

TEST(Term, ComputesWhatTheSameDoubleArithmeticComputesBitForBit)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> any(-1e4, 1e4);
    for (int i = 0; i < 2000; ++i) {
        const double a = any(random), b = any(random), c = std::fabs(any(random)) + 1;
        const Term A = Term::symbol("a", a), B = Term::symbol("b", b), C = Term::symbol("c", c);
        EXPECT_EQ((A * B * C / 7.3 - B).value(), a * b * c / 7.3 - b);
        EXPECT_EQ((0.75 * sqrt(C / 1.5)).value(), 0.75 * std::sqrt(c / 1.5));
        EXPECT_EQ((2.5 * (4 * C / (A * A + 1) + 0.2) * C).value(),
                  2.5 * (4 * c / (a * a + 1) + 0.2) * c);
        EXPECT_EQ(square(A - B).value(), (a - b) * (a - b));
        EXPECT_EQ(up5(C).value(), core::up5(c));
        EXPECT_EQ((floor(C / 3) + 1).value(), std::floor(c / 3) + 1);
        EXPECT_EQ(max(A, B).value(), std::max(a, b));
        EXPECT_EQ(min(A, B, C).value(), std::min({a, b, c}));
        EXPECT_EQ((-A).value(), -a);
    }
}

struct Written {
    const char *name;
    Term term;
    const char *formula;
    const char *numbers;
};

class TermText : public testing::TestWithParam<Written>
{
};

TEST_P(TermText, WritesTheFormulaAndTheNumbers)
{
    EXPECT_EQ(GetParam().term.formula(), GetParam().formula);
    EXPECT_EQ(GetParam().term.numbers(), GetParam().numbers);
}

const Term fcu = Term::symbol("fcu", 250);
const Term B = Term::symbol("B", 260);
const Term bc = Term::symbol("bc", 30);
const Term M = Term::symbol("M", -5);
const Term gc = Term::constant("γc", 1.5);

INSTANTIATE_TEST_SUITE_P(
    Examples, TermText,
    testing::Values(
        Written{"ShearStrength", 0.75 * sqrt(fcu / gc), "0.75 × √(fcu / γc)",
                "0.75 × √(250 / 1.5)"},
        Written{"SquareOfADifference", square(B - bc) / 8, "(B − bc)² / 8", "(260 − 30)² / 8"},
        Written{"RightOfADivision", fcu / (B * bc), "fcu / (B × bc)", "250 / (260 × 30)"},
        Written{"RightOfASubtraction", B - (bc - fcu), "B − (bc − fcu)", "260 − (30 − 250)"},
        Written{"LeftNeedsNoBrackets", B *bc / fcu, "B × bc / fcu", "260 × 30 / 250"},
        Written{"SumInAProduct", (B + bc) * 2, "(B + bc) × 2", "(260 + 30) × 2"},
        Written{"NegativeValueInBrackets", 2 * M, "2 × M", "2 × (-5)"},
        Written{"NegativeConstant", B * -1.5, "B × (-1.5)", "260 × (-1.5)"},
        Written{"Functions", max(floor(B / 5) + 1, up5(bc)), "max(⌊B / 5⌋ + 1, up5(bc))",
                "max(⌊260 / 5⌋ + 1, up5(30))"},
        Written{"Negation", -(B - bc), "−(B − bc)", "−(260 − 30)"},
        Written{"LongValuesRounded", Term::symbol("qcu", 9.682458365518542) * 1000, "qcu × 1000",
                "9.682 × 1000"}),
    [](const testing::TestParamInfo<Written> &info) { return std::string(info.param.name); });

TEST(ReportNumber, FourSignificantDigitsBelowAThousandWholeNumbersAboveNeverAnExponent)
{
    struct Case {
        double value;
        const char *text;
    };
    for (const Case &c :
         {Case{9.682458365518542, "9.682"}, Case{0.0125, "0.0125"}, Case{5097447.4, "5097447"},
          Case{-3.2, "-3.2"}, Case{999.96, "1000"}, Case{12.0, "12"}, Case{1e-9, "0"},
          Case{0.000123456, "0.0001235"}, Case{2.4e15, "2400000000000000"}, Case{0.0, "0"}}) {
        EXPECT_EQ(core::reportNumber(c.value), c.text) << c.value;
    }
    EXPECT_EQ(core::reportNumber(std::nan("")), "—");
}

} // namespace

namespace {

TEST(Term, KnowsTheInputsBehindEveryQuantity)
{
    const Term P = Term::symbol("P", 90, 0b001);
    const Term fcu = Term::symbol("fcu", 250, 0b100);
    const Term qcu = 0.75 * sqrt(fcu / 1.5);
    EXPECT_EQ(qcu.inputs(), 0b100u);
    EXPECT_EQ((P * qcu + 3).inputs(), 0b101u);
    EXPECT_EQ(Term(5).inputs(), 0u);
    // A named step keeps the inputs of what it was computed from.
    core::Run run;
    const Term step = run.step("x", P / fcu, "cm");
    EXPECT_EQ(step.inputs(), 0b101u);
    EXPECT_EQ(step.formula(), "x");
    run.setNumber("Label1", P / Term::symbol("zero", 0, 0b010));
    EXPECT_FALSE(run.allFinite());
    EXPECT_EQ(run.firstNonFinite(), "Label1");
    EXPECT_EQ(run.firstNonFiniteInputs(), 0b011u);
}

} // namespace

namespace {

TEST(Term, ListsTheNamedConstantsItWritesByName)
{
    const Term pi = Term::constant("π", 3.14159);
    const Term e = Term::constant("e", 75);
    const Term x = Term::symbol("x", 2);
    const auto constants = (pi / 4 * x + e * pi).constants();
    ASSERT_EQ(constants.size(), 2u);
    EXPECT_EQ(constants[0].first, "π");
    EXPECT_EQ(constants[1].first, "e");
    EXPECT_DOUBLE_EQ(constants[1].second, 75);
    EXPECT_TRUE(x.constants().empty());
}

} // namespace

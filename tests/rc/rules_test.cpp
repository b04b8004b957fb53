// The shared concrete rules, each against values worked by hand, and every min, max and choice
// of a rule from both sides.
#include "rc/rules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using core::Term;

Term sym(const char *name, double value)
{
    return Term::symbol(name, value);
}

TEST(Loads, OwnWeightAndWorkingLoad)
{
    EXPECT_DOUBLE_EQ(rc::totalLoad(90).value(), 99.0);
    EXPECT_DOUBLE_EQ(rc::workingLoad(99).value(), 66.0);
    EXPECT_EQ(rc::totalLoad(sym("P", 90)).formula(), "1.1 × P");
}

TEST(RcSide, SixtyCentimetresShorterUnlessNothingIsLeft)
{
    EXPECT_DOUBLE_EQ(rc::rcSide(320).value(), 260.0);
    EXPECT_DOUBLE_EQ(rc::rcSide(61).value(), 1.0);
    EXPECT_DOUBLE_EQ(rc::rcSide(60).value(), 60.0); // 0 left: the PC side
    EXPECT_DOUBLE_EQ(rc::rcSide(30).value(), 30.0);
    EXPECT_DOUBLE_EQ(rc::rcSide(100, 30).value(), 70.0);
    EXPECT_DOUBLE_EQ(rc::rcSide(30, 30).value(), 30.0);
}

TEST(ConcreteStrength, ShearAndTheThreePunchingRules)
{
    // fcu = 250: √(250 / 1.5) = 12.9099...; qcu = 0.75 of it.
    const double root = std::sqrt(250.0 / 1.5);
    EXPECT_NEAR(rc::shearStrength(250).value(), 9.6825, 5e-5);
    EXPECT_DOUBLE_EQ(rc::punchingRoot(250).value(), root);
    // d = 55, per = 2 (60 + 30) + 4 × 55 = 400: 2.5 (4 × 55 / 400 + 0.2) = 1.875.
    EXPECT_DOUBLE_EQ(rc::punchingPerimeterRule(55, 400, 250).value(), 1.875 * root);
    // The long side over the short side: tc = 60 along L, bc = 30 along B gives 2.5, the
    // other way round 1.0; a rule with the sides swapped is caught here.
    EXPECT_DOUBLE_EQ(rc::punchingShapeRule(60, 30, 250).value(), 2.5 * root);
    EXPECT_DOUBLE_EQ(rc::punchingShapeRule(30, 60, 250).value(), 1.0 * root);
    EXPECT_EQ(rc::punchingShapeRule(sym("tc", 60), sym("bc", 30), sym("fcu", 250)).formula(),
              "(0.5 + tc / bc) × √(fcu / 1.5)");
}

TEST(ConcreteStrength, EachPunchingRuleGovernsSomewhere)
{
    using Rule = rc::PunchingRule;
    struct Case {
        double d, per, tc, bc;
        Rule governing;
    };
    // Perimeter rule: shallow on a long perimeter. Shape rule: a slender column. The plain
    // root: deep on a short perimeter with a square column.
    for (const Case &c : {Case{10, 1000, 60, 60, Rule::Perimeter},
                          Case{60, 200, 20, 200, Rule::Shape}, Case{60, 200, 40, 40, Rule::Root}}) {
        const Term q1 = rc::punchingPerimeterRule(c.d, c.per, 250);
        const Term q2 = rc::punchingShapeRule(c.tc, c.bc, 250);
        const Term q3 = rc::punchingRoot(250);
        const std::array<double, 3> rules{q1.value(), q2.value(), q3.value()};
        const double governing = rc::punchingStrength(q1, q2, q3).value();
        EXPECT_EQ(rc::governingPunchingRule(q1, q2, q3), c.governing);
        EXPECT_EQ(governing, rules[static_cast<std::size_t>(c.governing)]);
        EXPECT_LT(governing, std::max({q1.value(), q2.value(), q3.value()}));
        // Without the shape rule the lesser of the other two governs.
        const double lesser = rc::punchingStrength(q1, q3).value();
        EXPECT_EQ(lesser, std::min(q1.value(), q3.value()));
        EXPECT_EQ(rc::governingPunchingRule(q1, q3),
                  q3.value() < q1.value() ? Rule::Root : Rule::Perimeter);
    }
}

TEST(ConcreteStrength, OfEqualPunchingRulesTheFirstIsNamed)
{
    using Rule = rc::PunchingRule;
    struct Case {
        double q1, q2, q3;
        Rule named;
    };
    for (const Case &c : {Case{5, 5, 5, Rule::Perimeter}, Case{5, 5, 9, Rule::Perimeter},
                          Case{9, 5, 5, Rule::Shape}, Case{5, 9, 5, Rule::Perimeter},
                          Case{9, 7, 5, Rule::Root}, Case{5, 7, 9, Rule::Perimeter}}) {
        EXPECT_EQ(rc::governingPunchingRule(c.q1, c.q2, c.q3), c.named) << c.q1 << c.q2 << c.q3;
        EXPECT_EQ(rc::punchingStrength(c.q1, c.q2, c.q3).value(), std::min({c.q1, c.q2, c.q3}));
    }
    EXPECT_EQ(rc::governingPunchingRule(5, 5), Rule::Perimeter);
    EXPECT_EQ(rc::governingPunchingRule(5, 4.99), Rule::Root);
    EXPECT_EQ(rc::governingPunchingRule(4.99, 5), Rule::Perimeter);
    EXPECT_EQ(rc::punchingRuleSymbol(Rule::Perimeter), "qcup1");
    EXPECT_EQ(rc::punchingRuleSymbol(Rule::Shape), "qcup2");
    EXPECT_EQ(rc::punchingRuleSymbol(Rule::Root), "qcup3");
}

TEST(BeamShear, StressOverTheLeverArm)
{
    // Qd = 70.92 t on a footing 250 cm wide and 55 deep: 70920 / (0.87 × 250 × 55) = 5.929.
    EXPECT_NEAR(rc::beamShearStress(70920, 250, 55).value(), 5.929, 5e-4);
    // Width and depth enter alike; the load in kg, not in t.
    EXPECT_EQ(rc::beamShearStress(70920, 55, 250).value(),
              rc::beamShearStress(70920, 250, 55).value());
    EXPECT_EQ(rc::beamShearStress(sym("Q", 1), sym("b", 30), sym("d", 55)).formula(),
              "Q / (0.87 × b × d)");
}

TEST(Depth, RequiredDepthAndBothBranchesOfTheChoice)
{
    // M = 5097447 kg.cm per metre, fcu = 250, b = 100: 3 √(203.9) = 42.84.
    EXPECT_NEAR(rc::requiredDepth(5097447, 250, 100).value(), 42.84, 5e-3);
    struct Case {
        double dr, t, cover;
        double d, thickness;
        bool stands;
    };
    for (const Case &c : {Case{45, 60, 5, 55, 60, true}, Case{55, 60, 5, 55, 60, true},
                          Case{60, 60, 5, 60, 65, false}, Case{80, 60, 7.5, 80, 87.5, false}}) {
        const rc::Depth depth = rc::chooseDepth(c.dr, c.t, c.cover);
        EXPECT_DOUBLE_EQ(depth.d.value(), c.d) << c.dr;
        EXPECT_DOUBLE_EQ(depth.thickness.value(), c.thickness) << c.dr;
        EXPECT_EQ(depth.assumedStands, c.stands) << c.dr;
    }
}

TEST(PlainFooting, AreaFromTheWorkingOrTheUltimateLoad)
{
    // 275 t on 1.25 kg/cm2: 275000 / (1.5 × 1.25) = 146667 cm2, as from its working load.
    EXPECT_NEAR(rc::pcAreaOfUltimateLoad(275000, 1.25).value(), 146666.67, 5e-3);
    EXPECT_NEAR(rc::pcAreaOfWorkingLoad(66000, 1.25).value(), 52800.0, 1e-9);
    // The two forms are the same rule: over loads and stresses across their ranges they agree
    // to the last digits, and a load factor lost or doubled in either shows.
    for (double P = 1; P <= 5000; P *= 3.7) {
        for (double qall = 0.25; qall <= 100; qall *= 2.9) {
            const double ultimate = rc::pcAreaOfUltimateLoad(1000 * P, qall).value();
            const double working = rc::pcAreaOfWorkingLoad(1000 * rc::workingLoad(P), qall).value();
            EXPECT_NEAR(ultimate / working, 1.0, 1e-14) << P << " t on " << qall;
        }
    }
}

TEST(Steel, AreaMinimumsAndBars)
{
    // M = 2000000 kg.cm, fy = 3600, d = 55: 2000000 / (0.8 × 3600 × 55) = 12.626 cm2.
    EXPECT_NEAR(rc::steelArea(2000000, 3600, 55).value(), 12.626, 5e-4);
    EXPECT_DOUBLE_EQ(rc::minimumSteel(260, 55).value(), 28.6);
    // 6.78 cm2 per metre exactly: a mesh of 6.7 or 6.8 shows here.
    EXPECT_DOUBLE_EQ(rc::minimumMesh(100).value(), 6.78);
    EXPECT_DOUBLE_EQ(rc::minimumMesh(470).value(), 6.78 * 470 / 100);
    // Both sides of the larger of the mesh and the 0.2 % rule.
    EXPECT_DOUBLE_EQ(rc::meshSteel(rc::minimumMesh(470), rc::minimumSteel(55, 470)).value(), 51.7);
    EXPECT_DOUBLE_EQ(rc::meshSteel(rc::minimumMesh(470), rc::minimumSteel(30, 470)).value(),
                     31.866);
    // Per metre: 6.78 cm2 up to d = 33.9 cm, 0.2 d beyond.
    EXPECT_DOUBLE_EQ(rc::minimumMeshPerMetre().value(), rc::minimumMesh(100).value());
    EXPECT_DOUBLE_EQ(rc::minimumSteelPerMetre(55).value(), rc::minimumSteel(55, 100).value());
    struct Case {
        double d, mesh;
    };
    for (const Case &c : {Case{55, 11}, Case{30, 6.78}, Case{33, 6.78}, Case{35, 7}})
        EXPECT_DOUBLE_EQ(
            rc::meshSteel(rc::minimumMeshPerMetre(), rc::minimumSteelPerMetre(c.d)).value(), c.mesh)
            << c.d;
    EXPECT_NEAR(rc::barArea(12).value(), 1.130973, 1e-6);
    EXPECT_NEAR(rc::barArea(25).value(), 4.908739, 1e-6);
    // One bar more than the area needs, even at an exact multiple.
    const Term a = rc::barArea(16);
    EXPECT_DOUBLE_EQ(rc::barCount(a * 3.0, a).value(), 4.0);
    EXPECT_DOUBLE_EQ(rc::barCount(a * 3.5, a).value(), 4.0);
    EXPECT_DOUBLE_EQ(rc::barCount(0.1, a).value(), 1.0);
    EXPECT_NEAR(rc::barPerimeter(12, 29).value(), 1.2 * M_PI * 29, 1e-9);
}

TEST(Bond, StressAndTheLimitForEveryFy)
{
    // Q = 100000 kg, d = 55, Σo = 100 cm: 100000 / (0.87 × 55 × 100) = 20.899.
    EXPECT_NEAR(rc::bondStress(100000, 55, 100).value(), 20.899, 5e-4);
    struct Case {
        double fy, limit;
    };
    // Mild steel only at exactly 2400; any other fy, below or above, takes 35.
    for (const Case &c : {Case{2400, 11}, Case{2399.99, 35}, Case{2300, 35}, Case{2400.01, 35},
                          Case{3600, 35}, Case{4000, 35}})
        EXPECT_EQ(rc::bondLimit(c.fy), c.limit) << c.fy;
}

TEST(Checks, PassAtEqualityFailAboveAndNotApplicableWithItsReason)
{
    const Term qsh = sym("qsh", 9.0), qcu = sym("qcu", 9.0);
    const core::Check equal =
        rc::compare("Footing", "One-way shear", qsh, qcu, "kg/cm2", "Label33");
    EXPECT_EQ(equal.passes(), true);
    EXPECT_DOUBLE_EQ(equal.ratio(), 1.0);
    EXPECT_EQ(equal.demandSymbol, "qsh");
    EXPECT_EQ(equal.capacitySymbol, "qcu");
    EXPECT_EQ(equal.control, "Label33");
    const core::Check above = rc::compare("Footing", "One-way shear", sym("qsh", 9.01), qcu, "");
    EXPECT_EQ(above.passes(), false);
    EXPECT_GT(above.ratio(), 1.0);
    const core::Check none =
        rc::notApplicable("Footing", "Punching", sym("qp", 0), sym("qcup", 12), "kg/cm2",
                          "the punching perimeter lies outside the footing");
    EXPECT_FALSE(none.passes().has_value());
    EXPECT_EQ(none.reason, "the punching perimeter lies outside the footing");
}

} // namespace

namespace {

TEST(SoilWithoutTension, ContactLengthFromEitherSideAndThePeakOfTheTriangle)
{
    // A 2 m side with the resultant 50 cm off its middle bears over 3 (100 − 50) = 150 cm,
    // whichever side the resultant is on; 1.2 m off, it falls outside.
    EXPECT_DOUBLE_EQ(rc::contactLength(200, 50).value(), 150.0);
    EXPECT_DOUBLE_EQ(rc::contactLength(200, -50).value(), 150.0);
    EXPECT_LE(rc::contactLength(200, 120).value(), 0.0);
    // 100 t over a 150 cm contact length of a 100 cm strip: 2 × 100000 / (100 × 150).
    EXPECT_NEAR(rc::contactPeak(100000, 100, 150).value(), 13.333, 5e-4);
}

} // namespace

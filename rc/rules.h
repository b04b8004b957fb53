#pragma once

#include "core/calculation.h"
#include "core/term.h"

#include <cstdint>
#include <string_view>

// The reinforced-concrete rules every footing of the program shares, each written once, in the
// units the program works in: loads in t, lengths in cm, moments in kg.cm, stresses in kg/cm2,
// steel areas in cm2, bar diameters in mm. Each rule takes and returns terms, so the design that
// uses it computes exactly the same doubles in the same order as before and its report can
// write the formula and the numbers of every line.
namespace rc {

using core::Term;

// --- named constants of the rules ------------------------------------------------------------

// The column load is raised by 10 % for the weight of the footing and the soil above it.
inline constexpr double kSelfWeightFactor = 1.1;
// Loads are ultimate; the soil is checked under working loads, ultimate / 1.5.
inline constexpr double kLoadFactor = 1.5;
// Material factor of concrete in the shear, punching and depth rules: √(fcu / 1.5).
inline constexpr double kGammaC = 1.5;
// Concrete shear strength qcu = 0.75 √(fcu / γc).
inline constexpr double kShearCoefficient = 0.75;
// Punching strength: qcup1 = 2.5 (4 d / per + 0.2) √(fcu / γc), qcup2 = (0.5 + tc / bc) √(...),
// qcup3 = √(fcu / γc).
inline constexpr double kPunchingCoefficient = 2.5;
inline constexpr double kPunchingDepthRatio = 4.0;
inline constexpr double kPunchingShapeTerm = 0.2;
inline constexpr double kPunchingSidesTerm = 0.5;
// Depth from the moment: d = 3 √(M / (fcu b)).
inline constexpr double kDepthCoefficient = 3.0;
// Lever arm of the steel: As = M / (0.8 fy d).
inline constexpr double kLeverArm = 0.8;
// Lever arm in the bond stress and the beams' shear stress: 0.87 d.
inline constexpr double kBondLeverArm = 0.87;
// Least steel: 0.2 % of the concrete section.
inline constexpr double kMinSteelPercent = 0.2;
// Least secondary steel: 6.78 cm2 per metre (six 12 mm bars).
inline constexpr double kMinMeshPerMetre = 6.78;
// The PC footing projects 30 cm beyond the RC footing on each side: 60 cm in each direction.
inline constexpr double kPcProjection = 60.0;
// Mild steel: its yield strength, and the factor on it for stirrups (2400 / 1.15).
inline constexpr double kMildSteelFy = 2400.0;
inline constexpr double kStirrupSteelFactor = 1.15;
// Allowable flexural bond stress: 11 kg/cm2 for mild steel (fy exactly 2400), 35 for any
// other fy.
inline constexpr double kBondLimitMild = 11.0;
inline constexpr double kBondLimitOther = 35.0;
// Unit changes: t to kg, t.m to kg.cm, m to cm.
inline constexpr double kKgPerTonne = 1000.0;
inline constexpr double kKgCmPerTonneMetre = 100000.0;
inline constexpr double kCmPerMetre = 100.0;

// π = 4 arctan(1), written "π".
Term pi();

// --- loads -----------------------------------------------------------------------------------

// pt = 1.1 P: the ultimate load with the footing's own weight.
Term totalLoad(const Term &P);
// Pw = pt / 1.5: the working load for the soil.
Term workingLoad(const Term &pt);

// --- plain and reinforced footing --------------------------------------------------------------

// The area of PC footing the soil needs at the allowable stress qall, with the load in kg. From
// the working load Pw (workingLoad above): Pw / qall. From the ultimate load P, with the load
// factor divided out last: P / (1.5 qall); the two differ in the last digits, so each footing
// keeps the one its calculation is written with. Over a strip, with a load per cm of its run,
// the area is the width in cm.
Term pcAreaOfWorkingLoad(const Term &Pw, const Term &qall);
Term pcAreaOfUltimateLoad(const Term &P, const Term &qall);

// The RC side from the PC side: `projection` (60 cm, 30 cm on each side) shorter, unless that
// leaves nothing, when it is the PC side itself.
Term rcSide(const Term &pcSide, double projection = kPcProjection);

// --- soil pressure without tension ---------------------------------------------------------------

// The length of a side that bears when the resultant stands e off its middle and the soil takes
// no tension: 3 (side / 2 − |e|); 0 or less when the resultant falls outside the side.
Term contactLength(const Term &side, const Term &e);
// The largest pressure of the triangle of pressure over the contact length Lc of a footing b
// wide under the load Q (kg): 2 Q / (b Lc).
Term contactPeak(const Term &Q, const Term &b, const Term &Lc);

// --- concrete strengths ------------------------------------------------------------------------

// qcu = 0.75 √(fcu / 1.5).
Term shearStrength(const Term &fcu);
// √(fcu / 1.5), the punching strength of the third rule.
Term punchingRoot(const Term &fcu);
// qcup1 = 2.5 (4 d / per + 0.2) √(fcu / 1.5): the perimeter rule.
Term punchingPerimeterRule(const Term &d, const Term &per, const Term &fcu);
// qcup2 = (0.5 + tc / bc) √(fcu / 1.5): the column-shape rule.
Term punchingShapeRule(const Term &tc, const Term &bc, const Term &fcu);

// The punching strength that governs around a column: the least of the three rules,
// qcup = min(min(qcup1, qcup2), qcup3).
Term punchingStrength(const Term &perimeterRule, const Term &shapeRule, const Term &root);
// Along a wall or a beam, where the column-shape rule has no column: the lesser of the
// perimeter rule and the root, qcup = min(qcup1, qcup3).
Term punchingStrength(const Term &perimeterRule, const Term &root);

// The rule that gives the governing punching strength: of equal least values, the first in the
// order qcup1, qcup2, qcup3.
enum class PunchingRule : std::uint8_t { Perimeter, Shape, Root };
PunchingRule governingPunchingRule(const Term &perimeterRule, const Term &shapeRule,
                                   const Term &root);
PunchingRule governingPunchingRule(const Term &perimeterRule, const Term &root);
// The symbol of a rule as the calculations write it: "qcup1", "qcup2", "qcup3".
std::string_view punchingRuleSymbol(PunchingRule rule);

// The shear stress of a beam b wide and d deep over the lever arm 0.87 d, with Q in kg:
// qs = Q / (0.87 b d).
Term beamShearStress(const Term &Q, const Term &b, const Term &d);

// --- depth -------------------------------------------------------------------------------------

// dreq = 3 √(M / (fcu b)), with M in kg.cm and b in cm.
Term requiredDepth(const Term &M, const Term &fcu, const Term &b);

// The depth that stands: the assumed thickness t when up5(dreq) fits in t − cover, otherwise
// up5(dreq) with the cover added.
struct Depth {
    Term dr;            // up5(dreq)
    Term d;             // effective depth, cm
    Term thickness;     // total thickness, cm
    bool assumedStands; // the assumed thickness t is deep enough
};
Depth chooseDepth(const Term &dr, const Term &t, const Term &cover);

// --- steel -------------------------------------------------------------------------------------

// As = M / (0.8 fy d), with M in kg.cm.
Term steelArea(const Term &M, const Term &fy, const Term &d);
// 0.2 % of the section x y: 0.2 x y / 100, in the order of the two sides given.
Term minimumSteel(const Term &x, const Term &y);
// 6.78 cm2 per metre over a width in cm: 6.78 B / 100.
Term minimumMesh(const Term &width);
// The same mesh and the same 0.2 % for one metre of width, in cm2 a metre: 6.78, and 0.2 d of a
// section d deep.
Term minimumMeshPerMetre();
Term minimumSteelPerMetre(const Term &d);
// The mesh that stands: the least mesh, or the least steel of the section where that is more,
// max(mesh, least steel).
Term meshSteel(const Term &mesh, const Term &leastSteel);
// The area of one bar of diameter φ mm, in cm2: (π / 4) (φ / 10)².
Term barArea(const Term &phi);
// The bars that give at least As: ⌊As / a⌋ + 1 (always one more than the area needs).
Term barCount(const Term &As, const Term &a);
// The perimeter of n bars of diameter φ mm, in cm: (φ / 10) π n.
Term barPerimeter(const Term &phi, const Term &n);

// --- bond --------------------------------------------------------------------------------------

// qb = Q / (0.87 d Σo), with Q in kg.
Term bondStress(const Term &Q, const Term &d, const Term &So);
// The allowable bond stress for this fy (kg/cm2).
double bondLimit(double fy);

// --- checks ------------------------------------------------------------------------------------

// A check that passes when demand ≤ capacity, as the window's messages decide.
core::Check compare(std::string_view footing, std::string_view name, const Term &demand,
                    const Term &capacity, std::string_view unit, std::string_view control = {});
// A check that does not apply, with the reason.
core::Check notApplicable(std::string_view footing, std::string_view name, const Term &demand,
                          const Term &capacity, std::string_view unit, std::string_view reason,
                          std::string_view control = {});

} // namespace rc

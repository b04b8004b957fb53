#include "rc/rules.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace rc {

Term pi()
{
    static const double value = 4.0 * std::atan(1.0);
    return Term::constant("π", value);
}

Term totalLoad(const Term &P)
{
    return kSelfWeightFactor * P;
}

Term workingLoad(const Term &pt)
{
    return pt / kLoadFactor;
}

Term pcAreaOfWorkingLoad(const Term &Pw, const Term &qall)
{
    return Pw / qall;
}

Term pcAreaOfUltimateLoad(const Term &P, const Term &qall)
{
    return P / (kLoadFactor * qall);
}

Term rcSide(const Term &pcSide, double projection)
{
    const Term side = pcSide - projection;
    return side.value() <= 0 ? pcSide : side;
}

Term contactLength(const Term &side, const Term &e)
{
    return e.value() >= 0 ? 3.0 * (side / 2.0 - e) : 3.0 * (side / 2.0 + e);
}

Term contactPeak(const Term &Q, const Term &b, const Term &Lc)
{
    return 2.0 * Q / (b * Lc);
}

Term shearStrength(const Term &fcu)
{
    return kShearCoefficient * sqrt(fcu / kGammaC);
}

Term punchingRoot(const Term &fcu)
{
    return sqrt(fcu / kGammaC);
}

Term punchingPerimeterRule(const Term &d, const Term &per, const Term &fcu)
{
    return kPunchingCoefficient * (kPunchingDepthRatio * d / per + kPunchingShapeTerm) *
           punchingRoot(fcu);
}

Term punchingShapeRule(const Term &tc, const Term &bc, const Term &fcu)
{
    return (kPunchingSidesTerm + tc / bc) * punchingRoot(fcu);
}

Term punchingStrength(const Term &perimeterRule, const Term &shapeRule, const Term &root)
{
    return min(perimeterRule, shapeRule, root);
}

Term punchingStrength(const Term &perimeterRule, const Term &root)
{
    return min(perimeterRule, root);
}

PunchingRule governingPunchingRule(const Term &perimeterRule, const Term &shapeRule,
                                   const Term &root)
{
    const bool shape = shapeRule.value() < perimeterRule.value();
    const double least = shape ? shapeRule.value() : perimeterRule.value();
    if (root.value() < least)
        return PunchingRule::Root;
    return shape ? PunchingRule::Shape : PunchingRule::Perimeter;
}

PunchingRule governingPunchingRule(const Term &perimeterRule, const Term &root)
{
    return root.value() < perimeterRule.value() ? PunchingRule::Root : PunchingRule::Perimeter;
}

std::string_view punchingRuleSymbol(PunchingRule rule)
{
    static constexpr std::array<std::string_view, 3> symbols{"qcup1", "qcup2", "qcup3"};
    return symbols[static_cast<std::size_t>(rule)];
}

Term beamShearStress(const Term &Q, const Term &b, const Term &d)
{
    return Q / (kBondLeverArm * b * d);
}

Term requiredDepth(const Term &M, const Term &fcu, const Term &b)
{
    return kDepthCoefficient * sqrt(M / (fcu * b));
}

Depth chooseDepth(const Term &dr, const Term &t, const Term &cover)
{
    const Term available = t - cover;
    if (dr.value() <= available.value())
        return {dr, available, t, true};
    return {dr, dr, dr + cover, false};
}

Term steelArea(const Term &M, const Term &fy, const Term &d)
{
    return M / (kLeverArm * fy * d);
}

Term minimumSteel(const Term &x, const Term &y)
{
    return kMinSteelPercent * x * y / 100.0;
}

Term minimumMesh(const Term &width)
{
    return kMinMeshPerMetre * width / kCmPerMetre;
}

Term minimumMeshPerMetre()
{
    return Term(kMinMeshPerMetre);
}

Term minimumSteelPerMetre(const Term &d)
{
    return kMinSteelPercent * d;
}

Term meshSteel(const Term &mesh, const Term &leastSteel)
{
    return max(mesh, leastSteel);
}

Term barArea(const Term &phi)
{
    return (pi() / 4.0) * square(phi / 10.0);
}

Term barCount(const Term &As, const Term &a)
{
    return floor(As / a) + 1.0;
}

Term barPerimeter(const Term &phi, const Term &n)
{
    return (phi / 10.0) * pi() * n;
}

Term bondStress(const Term &Q, const Term &d, const Term &So)
{
    return Q / (kBondLeverArm * d * So);
}

double bondLimit(double fy)
{
    return fy == kMildSteelFy ? kBondLimitMild : kBondLimitOther;
}

namespace {

core::Check checkOf(std::string_view footing, std::string_view name, const Term &demand,
                    const Term &capacity, std::string_view unit, std::string_view control)
{
    core::Check check;
    check.footing = std::string(footing);
    check.name = std::string(name);
    check.demandSymbol = demand.formula();
    check.capacitySymbol = capacity.formula();
    check.demand = demand.value();
    check.capacity = capacity.value();
    check.unit = std::string(unit);
    check.control = std::string(control);
    return check;
}

} // namespace

core::Check compare(std::string_view footing, std::string_view name, const Term &demand,
                    const Term &capacity, std::string_view unit, std::string_view control)
{
    core::Check check = checkOf(footing, name, demand, capacity, unit, control);
    check.outcome = demand.value() <= capacity.value() ? core::Check::Outcome::Pass
                                                       : core::Check::Outcome::Fail;
    return check;
}

core::Check notApplicable(std::string_view footing, std::string_view name, const Term &demand,
                          const Term &capacity, std::string_view unit, std::string_view reason,
                          std::string_view control)
{
    core::Check check = checkOf(footing, name, demand, capacity, unit, control);
    check.outcome = core::Check::Outcome::NotApplicable;
    check.reason = std::string(reason);
    return check;
}

} // namespace rc

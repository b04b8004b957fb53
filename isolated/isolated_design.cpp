#include "isolated/isolated_design.h"

#include "core/check_messages.h"
#include "core/notes.h"
#include "core/number_format.h"
#include "core/term.h"
#include "isolated/isolated_tables.h"
#include "rc/rules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

// Units throughout: lengths, depths and dimensions in cm; loads in t; shear forces in kg;
// moments in kg.cm; stresses in kg/cm2; steel areas in cm2; bar diameters in mm. Every
// formula is evaluated in the order it is written, so the results match hand calculation
// digit for digit, and every quantity is noted with its formula for the report.

namespace isolated {

namespace {

using core::Term;
using rc::kCmPerMetre;
using rc::kKgPerTonne;

constexpr std::string_view kFooting = "Footing";

using tables::kInput;

// The window's result fields: dimensions in m, steel areas, bar counts and the check texts.
struct ResultFields {
    std::string_view pcLength, pcWidth, pcThickness;
    std::string_view rcLength, rcWidth, rcThickness;
    std::string_view longSteel, longBarCount, shortSteel, shortBarCount;
    std::string_view shearCheck, punchingCheck, bondCheck;
};

constexpr ResultFields kFields{.pcLength = "Label37",
                               .pcWidth = "Label38",
                               .pcThickness = "Label39",
                               .rcLength = "Label40",
                               .rcWidth = "Label41",
                               .rcThickness = "Label42",
                               .longSteel = "Label31",
                               .longBarCount = "Label28",
                               .shortSteel = "Label17",
                               .shortBarCount = "Label27",
                               .shearCheck = "Label33",
                               .punchingCheck = "Label34",
                               .bondCheck = "Label35"};

// The bar notes of a sketch: count and diameter of the long and of the short bars.
struct BarNotes {
    std::string_view longCount, shortCount, longDiameter, shortDiameter;
};

constexpr BarNotes kCentredColumnNotes{"Label46", "Label48", "Label47", "Label49"};
constexpr BarNotes kOffCentreColumnNotes{"Label54", "Label56", "Label55", "Label57"};

// The inputs of one run, read and checked, each a term named by its symbol.
struct Inputs {
    Term P{0.0};       // ultimate column load, t
    Term M{0.0};       // ultimate column moment, t.m (cases with a moment)
    Term t1{0.0};      // assumed PC thickness, cm
    Term t{0.0};       // assumed RC thickness, cm
    Term cover{0.0};   // cm
    Term tc{0.0};      // column side along L, cm
    Term bc{0.0};      // column side along B, cm
    Term fcu{0.0};     // kg/cm2
    Term fy{0.0};      // kg/cm2
    Term qall{0.0};    // allowable soil stress, kg/cm2
    Term L1{0.0};      // assumed PC length, m (assumed-length cases)
    Term phiL{0.0};    // long-direction bars, mm
    Term phiS{0.0};    // short-direction bars, mm
    std::string listL; // the list texts, shown unchanged on the sketch
    std::string listS;
};

// The quantities of one design, filled in as the calculation goes.
struct Calc {
    FootingCase footingCase = kUniformStress;
    Inputs v;
    Term qcu{0.0}, pt{0.0}, Pw{0.0};
    Term e{0.0};                                // eccentricity of the load, cm (0 without a moment)
    Term L1{0.0}, B1{0.0};                      // PC plan, cm
    Term L{0.0}, B{0.0};                        // RC plan, cm
    Term qc{0.0};                               // mean soil pressure under the RC footing
    Term qmax{0.0}, qmin{0.0}, s{0.0}, q1{0.0}; // the linear pressure
    Term c{0.0}; // the cantilever beyond the column face that is designed
    Term ML{0.0}, MS{0.0};
    Term d{0.0}, h{0.0};   // effective depth and thickness of the RC footing, cm
    Term x{0.0}, q2{0.0};  // shear section and its pressure
    Term nL{0.0}, nS{0.0}; // bar counts

    bool linearStress() const
    {
        return footingCase == kJustNoTension || footingCase == kNonUniform;
    }
};

// Reads every input the case uses; a hidden field is not read.
Inputs readInputs(core::FieldReader &in, const core::DesignRequest &request)
{
    const int footingCase = request.footingCase;
    Inputs v;
    v.P = in.positive(kInput.load);
    if (footingCase == kJustNoTension)
        v.M = in.positive(kInput.moment); // M = 0 would give a 5 cm footing of enormous width
    else if (footingCase != kUniformStress)
        v.M = in.number(kInput.moment);
    v.t1 = in.positive(kInput.pcThickness);
    v.t = in.positive(kInput.rcThickness);
    v.cover = in.positive(kInput.cover);
    if (!in.failed() && !(v.t.value() > v.cover.value()))
        in.refuse(kInput.rcThickness, in.quoted(kInput.rcThickness) + " must be greater than " +
                                          in.quoted(kInput.cover) + ".");
    v.tc = in.positive(kInput.columnLength);
    v.bc = in.positive(kInput.columnWidth);
    v.fcu = in.positive(kInput.fcu);
    v.fy = in.positive(kInput.fy);
    v.qall = in.positive(kInput.qall);
    if (footingCase == kUniformWithMoment || footingCase == kNonUniform)
        v.L1 = in.positive(kInput.pcLength);
    v.phiL = in.positive(kInput.longBars);
    v.phiS = in.positive(kInput.shortBars);
    v.listL = core::textOf(request.texts, kInput.longBars);
    v.listS = core::textOf(request.texts, kInput.shortBars);
    return v;
}

// Shear strength of the concrete, and the loads: pt adds 10 % for the weight of the footing
// and the soil on it, Pw is the working load the soil is sized for.
void stepLoads(core::Run &run, Calc &calc)
{
    run.heading("Concrete strength");
    calc.qcu = run.step("qcu", rc::shearStrength(calc.v.fcu), "kg/cm2");
    run.heading("Loads");
    calc.pt =
        run.step("pt", rc::totalLoad(calc.v.P), "t", "the column load with 10 % for self-weight");
    calc.Pw = run.step("Pw", rc::workingLoad(calc.pt), "t", "working load on the soil");
}

// The eccentricity of the load, m turned into cm.
void stepEccentricity(core::Run &run, Calc &calc)
{
    calc.e =
        run.step("e", kCmPerMetre * calc.v.M / calc.pt, "cm", "eccentricity of the load, M / pt");
}

// The area of PC footing the working load needs at the allowable stress.
Term stepPcArea(core::Run &run, const Calc &calc)
{
    return run.step("Apc", rc::pcAreaOfWorkingLoad(kKgPerTonne * calc.Pw, calc.v.qall), "cm2");
}

// Concentric load: equal projections beyond the column in both directions, so B1 is the
// positive root of B1 (B1 + tc − bc) = Apc, and L1 follows from the rounded B1.
void concentricPlan(core::Run &run, Calc &calc)
{
    const Term Apc = stepPcArea(run, calc);
    const Term &tc = calc.v.tc, &bc = calc.v.bc;
    const Term width = up5((-(tc - bc) + sqrt(square(tc - bc) + 4.0 * Apc)) / 2.0);
    calc.L1 = run.step("L1", up5(Apc / width), "cm", "B1 is the root of B1 (B1 + tc − bc) = Apc");
    calc.B1 = run.step("B1", width, "cm", "equal projections beyond the column: L1 − B1 = tc − bc");
}

// Load with a moment, pressure varying linearly: the width for which the larger edge
// pressure 1000 Pw k / (B1 L1) equals qall, with the edge factor k = 1 + 6 e / L1.
void edgePressurePlan(core::Run &run, core::FieldReader &in, Calc &calc, const Term &length,
                      std::string_view lengthNote)
{
    const Term factor = run.step("k", 1.0 + 6.0 * calc.e / length, "", "edge-pressure factor");
    if (!(factor.value() > 0)) {
        in.refuse(kInput.moment, in.quoted(kInput.moment) + " is too far below 0 for " +
                                     in.quoted(kInput.pcLength) +
                                     ": 1 + 6 e / L1 must stay above 0 to give the footing a "
                                     "width. Make M larger or L1 longer.");
        return;
    }
    calc.L1 = run.step("L1", length, "cm", lengthNote);
    calc.B1 = run.step("B1", up5(kKgPerTonne * calc.Pw / ((calc.L1 * calc.v.qall) / factor)), "cm",
                       "the larger edge pressure equals qall");
}

// Off-centre column: the assumed length, and the width for a uniform pressure qall.
void offCentrePlan(core::Run &run, Calc &calc)
{
    const Term Apc = stepPcArea(run, calc);
    stepEccentricity(run, calc);
    calc.L1 = run.step("L1", kCmPerMetre * calc.v.L1, "cm", "the assumed length L1 (m) in cm");
    calc.B1 = run.step("B1", up5(Apc / calc.L1), "cm");
}

// The largest working pressure under the PC footing, as it was sized, against qall.
void checkBearing(core::Run &run, Calc &calc)
{
    const Term uniform = kKgPerTonne * calc.Pw / (calc.L1 * calc.B1);
    Term qPC = uniform;
    std::string note = "uniform pressure under the working load";
    if (calc.linearStress()) {
        const bool towardsEnd = calc.e.value() >= 0;
        qPC = uniform * (towardsEnd ? 1.0 + 6.0 * calc.e / calc.L1 : 1.0 - 6.0 * calc.e / calc.L1);
        note = "the larger edge pressure of the linear distribution under the working load";
    } else if (calc.footingCase == kUniformWithMoment) {
        note = "the column stands off centre by e, so the resultant acts at the centre";
    }
    qPC = run.step("qPC", qPC, "kg/cm2", note);
    run.check(rc::compare(kFooting, "Bearing", qPC, calc.v.qall, "kg/cm2"));
}

// The plan of the PC footing for the case; false when the input gives it no width.
bool pcFooting(core::Run &run, core::FieldReader &in, Calc &calc)
{
    // Where the moment sizes the footing, the eccentricity belongs with the loads.
    if (calc.footingCase != kUniformStress && calc.footingCase != kUniformWithMoment)
        stepEccentricity(run, calc);
    run.heading("Plain-concrete footing");
    switch (calc.footingCase) {
    case kUniformStress:
        concentricPlan(run, calc);
        break;
    case kJustNoTension:
        // The resultant stays inside the middle third: L1 more than 6 e.
        edgePressurePlan(run, in, calc, up5(6.0 * calc.e), "the resultant in the middle third");
        break;
    case kUniformWithMoment:
        offCentrePlan(run, calc);
        break;
    case kNonUniform:
        edgePressurePlan(run, in, calc, kCmPerMetre * calc.v.L1, "the assumed length L1 (m) in cm");
        break;
    }
    if (in.failed())
        return false;
    checkBearing(run, calc);
    run.setNumber(kFields.pcLength, calc.L1 / kCmPerMetre);
    run.setNumber(kFields.pcWidth, calc.B1 / kCmPerMetre);
    run.setNumber(kFields.pcThickness, calc.v.t1 / kCmPerMetre);
    return true;
}

// One side of the RC footing: the PC footing projects 30 cm on each side, unless that would
// leave nothing, when the RC footing takes the PC size.
Term stepRcSide(core::Run &run, std::string_view symbol, const Term &pcSide,
                std::string_view pcSymbol)
{
    const Term side = rc::rcSide(pcSide);
    const double shorter = pcSide.value() - rc::kPcProjection;
    const std::string note = shorter <= 0 ? std::string(pcSymbol) +
                                                " − 60 = " + core::reportNumber(shorter) +
                                                " ≤ 0: the RC footing takes the PC size"
                                          : "the PC footing projects 30 cm on each side";
    return run.step(symbol, side, "cm", note);
}

void rcFooting(core::Run &run, Calc &calc)
{
    run.heading("RC footing");
    calc.L = stepRcSide(run, "L", calc.L1, "L1");
    calc.B = stepRcSide(run, "B", calc.B1, "B1");
    run.setNumber(kFields.rcLength, calc.L / kCmPerMetre);
    run.setNumber(kFields.rcWidth, calc.B / kCmPerMetre);
    // A footing smaller than its column has no cantilever to design: the results stand as the
    // rules give them, and the engineer is told.
    const double tc = calc.v.tc.value(), bc = calc.v.bc.value();
    if (calc.L.value() < tc || calc.B.value() < bc)
        run.warn({std::string(kFooting),
                  "The RC footing (" + core::metres(calc.L.value()) + " × " +
                      core::metres(calc.B.value()) + ") is smaller than the column (" +
                      core::metres(tc) + " × " + core::metres(bc) +
                      "): it has no projection beyond the column to design.",
                  {std::string(kFields.rcLength), std::string(kFields.rcWidth)}});
}

// Where the linear pressure turns negative at one edge, the soil cannot pull: the footing
// touches it over a shorter length and the largest pressure is higher than the linear one.
// The results keep the linear distribution; the run says so and notes the contact pressure.
void partialContact(core::Run &run, Calc &calc)
{
    const bool lowEndNegative = calc.qmin.value() < 0;
    if (!lowEndNegative && !(calc.qmax.value() < 0))
        return;
    // The distance from the resultant to the nearer edge of the RC footing.
    const Term edge = lowEndNegative ? calc.L / 2.0 - calc.e : calc.L / 2.0 + calc.e;
    const std::string low = lowEndNegative ? "qmin = " + core::reportNumber(calc.qmin.value())
                                           : "qmax = " + core::reportNumber(calc.qmax.value());
    if (!(edge.value() > 0)) {
        run.warn({std::string(kFooting),
                  "The resultant of the load falls outside the RC footing (|e| = " +
                      core::reportNumber(std::abs(calc.e.value())) +
                      " cm ≥ L / 2 = " + core::reportNumber(calc.L.value() / 2) +
                      " cm), so no soil pressure can hold it and the footing would overturn.",
                  {std::string(kFields.rcLength), std::string(kFields.rcWidth)}});
        return;
    }
    const Term Lc = run.step("Lc", rc::contactLength(calc.L, calc.e), "cm",
                             low + " < 0: the soil is in contact over this length only");
    const Term qmaxContact =
        run.step("qmax'", rc::contactPeak(kKgPerTonne * calc.pt, calc.B, Lc), "kg/cm2",
                 "largest pressure over the contact length, under the load 1000 pt kg as "
                 "qmax; the design keeps the linear qmax");
    run.warn({std::string(kFooting),
              "Part of the RC footing has no contact with the soil (" + low +
                  " kg/cm2 < 0): the soil touches it over Lc = " + core::reportNumber(Lc.value()) +
                  " cm with a largest pressure of " + core::reportNumber(qmaxContact.value()) +
                  " kg/cm2, more than the linear distribution the design uses gives.",
              {std::string(kFields.rcLength), std::string(kFields.rcWidth)}});
}

// The soil pressure under the RC footing from the ultimate load, uniform or linear along L.
void soilPressure(core::Run &run, Calc &calc)
{
    run.heading("Soil pressure");
    calc.qc = run.step("qc", kKgPerTonne * calc.pt / (calc.L * calc.B), "kg/cm2", "mean pressure");
    if (!calc.linearStress())
        return;
    calc.qmax = run.step("qmax", calc.qc * (1.0 + 6.0 * calc.e / calc.L), "kg/cm2");
    calc.qmin = run.step("qmin", calc.qc * (1.0 - 6.0 * calc.e / calc.L), "kg/cm2");
    partialContact(run, calc);
    calc.s =
        run.step("s", (calc.qmax - calc.qmin) / calc.L, "kg/cm3", "change of pressure along L");
}

// The moments at the column faces, for the long and the short steel.
void moments(core::Run &run, Calc &calc)
{
    run.heading("Moments");
    const Term &L = calc.L, &B = calc.B, &tc = calc.v.tc, &bc = calc.v.bc;
    if (calc.footingCase == kUniformWithMoment) {
        calc.c = run.step("c'", L / 2.0 + calc.e - tc / 2.0, "cm",
                          "the longer cantilever, the column standing off centre by e");
        calc.ML = run.step("ML", calc.qc * square(calc.c) * B / 2.0, "kg.cm");
    } else {
        calc.c = run.step("c", (L - tc) / 2.0, "cm", "cantilever beyond the column face");
        if (calc.linearStress()) {
            calc.q1 = run.step("q1", calc.qmax - calc.s * calc.c, "kg/cm2",
                               "pressure at the column face");
            // The uniform part with lever arm c / 2 and the triangular part with 2 c / 3.
            calc.ML = run.step("ML",
                               calc.q1 * square(calc.c) * B / 2.0 +
                                   (calc.qmax - calc.q1) * square(calc.c) * B / 3.0,
                               "kg.cm");
        } else {
            calc.ML = run.step("ML", calc.qc * square(L - tc) * B / 8.0, "kg.cm");
        }
    }
    if (calc.linearStress())
        calc.MS = run.step("MS", ((calc.qmax + calc.qmin) / 2.0) * L * square(B - bc) / 8.0,
                           "kg.cm", "under the mean of the edge pressures");
    else
        calc.MS = run.step("MS", calc.qc * square(B - bc) * L / 8.0, "kg.cm");
}

// The depth the long moment needs, and the thickness that stands; false when the moment is
// negative and no depth exists.
bool depth(core::Run &run, core::FieldReader &in, Calc &calc)
{
    run.heading("Depth");
    // Only a negative edge pressure large enough to turn the long moment can make the root
    // negative: a strongly negative M in the trapezoidal case.
    if ((calc.ML / (calc.v.fcu * calc.B)).value() < 0) {
        in.refuse(kInput.moment, in.quoted(kInput.moment) +
                                     " makes the long-direction moment negative, so no depth "
                                     "can be found. Make M larger or " +
                                     in.quoted(kInput.pcLength) + " longer.");
        return false;
    }
    const Term dreq = run.step("dreq", rc::requiredDepth(calc.ML, calc.v.fcu, calc.B), "cm");
    const Term dr = run.step("dr", up5(dreq), "cm");
    const rc::Depth chosen = rc::chooseDepth(dr, calc.v.t, calc.v.cover);
    const std::string compared =
        "dr = " + core::reportNumber(dr.value()) + (chosen.assumedStands ? " ≤ " : " > ") +
        "t − cover = " + core::reportNumber(calc.v.t.value() - calc.v.cover.value());
    calc.d = run.step("d", chosen.d, "cm",
                      compared + (chosen.assumedStands ? ": the assumed thickness stands"
                                                       : ": the depth is dr, the cover added"));
    calc.h = run.step("h", chosen.thickness, "cm", "thickness of the RC footing");
    run.setNumber(kFields.rcThickness, calc.h / kCmPerMetre);
    run.check(rc::compare(kFooting, "Depth", dreq, calc.d, "cm", kFields.rcThickness));
    return true;
}

// Where the shear section lies: x is measured from it to the edge of the footing.
std::string sectionNote(const Calc &calc, const Term &x)
{
    if (calc.footingCase == kUniformWithMoment && !(calc.c.value() > 0))
        return "c' = " + core::reportNumber(calc.c.value()) +
               " ≤ 0: no cantilever, no shear section";
    if (calc.footingCase != kUniformWithMoment && !(x.value() > 0))
        return "x = " + core::reportNumber(x.value()) +
               " ≤ 0: the section lies beyond the edge, no shear";
    return "from the shear section d / 2 from the column face to the edge";
}

// One-way shear at d / 2 from the column face along L.
void oneWayShear(core::Run &run, Calc &calc)
{
    run.heading("One-way shear");
    const Term &B = calc.B;
    const Term x = calc.c - calc.d / 2.0;
    Term qsh{0.0};
    if (calc.linearStress()) {
        calc.q2 = run.step("q2", calc.qmax - calc.s * x, "kg/cm2", "pressure at the shear section");
        calc.x = run.step("x", x, "cm", sectionNote(calc, x));
        qsh = run.step(
            "qsh", (calc.q2 * calc.x * B + 0.5 * (calc.qmax - calc.q2) * calc.x * B) / (calc.d * B),
            "kg/cm2");
    } else {
        calc.x = run.step("x", x, "cm", sectionNote(calc, x));
        qsh = run.step("qsh", calc.qc * calc.x * B / (calc.d * B), "kg/cm2");
    }
    // With the column off centre the section is looked for while the cantilever c' exists.
    const bool offCentre = calc.footingCase == kUniformWithMoment;
    const double reach = offCentre ? calc.c.value() : calc.x.value();
    core::Check check;
    if (reach <= 0) {
        check = rc::notApplicable(
            kFooting, "One-way shear", qsh, calc.qcu, "kg/cm2",
            offCentre
                ? "c' = " + core::reportNumber(reach) + " cm ≤ 0: no cantilever"
                : "x = " + core::reportNumber(reach) + " cm ≤ 0: the section lies beyond the edge",
            kFields.shearCheck);
        run.setText(kFields.shearCheck, core::check::kNoShear);
    } else {
        check = rc::compare(kFooting, "One-way shear", qsh, calc.qcu, "kg/cm2", kFields.shearCheck);
        run.setText(kFields.shearCheck,
                    check.passes().value() ? core::check::kSafeShear : core::check::kUnsafeShear);
    }
    run.check(std::move(check));
}

// The punching strength: the least of the perimeter rule, the column-shape rule and the
// plain root.
Term punchingStrength(core::Run &run, const Calc &calc, const Term &per)
{
    const Term qcup1 =
        run.step("qcup1", rc::punchingPerimeterRule(calc.d, per, calc.v.fcu), "kg/cm2");
    const Term qcup2 =
        run.step("qcup2", rc::punchingShapeRule(calc.v.tc, calc.v.bc, calc.v.fcu), "kg/cm2");
    const Term qcup3 = run.step("qcup3", rc::punchingRoot(calc.v.fcu), "kg/cm2");
    const rc::PunchingRule governs = rc::governingPunchingRule(qcup1, qcup2, qcup3);
    return run.step("qcup", rc::punchingStrength(qcup1, qcup2, qcup3), "kg/cm2",
                    std::string(rc::punchingRuleSymbol(governs)) + " governs");
}

// Punching on the perimeter at d / 2 around the column.
void punching(core::Run &run, Calc &calc)
{
    run.heading("Punching");
    const Term &tc = calc.v.tc, &bc = calc.v.bc, &d = calc.d;
    const Term ApTerm = (tc + d) * (bc + d);
    const double outside = calc.L.value() * calc.B.value() - ApTerm.value();
    const Term Ap = run.step("Ap", ApTerm, "cm2",
                             outside <= 0 ? "L × B − Ap = " + core::reportNumber(outside) +
                                                " ≤ 0: the perimeter encloses the whole footing"
                                          : std::string("area inside the perimeter"));
    Term Qp{0.0};
    if (calc.linearStress()) {
        const Term qa = run.step("qa", calc.qmin + calc.s * calc.x, "kg/cm2",
                                 "pressure at the perimeter on the qmin side");
        // The column load less the soil reaction inside the perimeter.
        Qp = run.step("Qp", kKgPerTonne * calc.pt - Ap * (qa + calc.q2) / 2.0, "kg");
    } else {
        Qp = run.step("Qp", calc.qc * (calc.L * calc.B - Ap), "kg");
    }
    const Term per = run.step("per", 2.0 * tc + 2.0 * bc + 4.0 * d, "cm", "punching perimeter");
    const Term qp = run.step("qp", Qp / (per * d), "kg/cm2");
    const Term qcup = punchingStrength(run, calc, per);
    core::Check check;
    if (outside <= 0) {
        check = rc::notApplicable(kFooting, "Punching", qp, qcup, "kg/cm2",
                                  "L × B − Ap = " + core::reportNumber(outside) +
                                      " cm2 ≤ 0: the perimeter encloses the whole footing",
                                  kFields.punchingCheck);
        run.setText(kFields.punchingCheck, core::check::kNoPunch);
    } else {
        check = rc::compare(kFooting, "Punching", qp, qcup, "kg/cm2", kFields.punchingCheck);
        run.setText(kFields.punchingCheck,
                    check.passes().value() ? core::check::kSafePunch : core::check::kUnsafePunch);
    }
    run.check(std::move(check));
}

// A direction of the steel: its moment, the width the least steel is taken over, the bars
// and where the results go.
struct SteelDirection {
    std::string_view heading;
    std::string_view tag; // "L" or "S", in the symbols
    const Term &moment;
    const Term &width;
    const Term &phi;
    std::string_view areaField, countField;
};

struct BarSet {
    Term As; // steel required
    Term n;  // bars of the chosen diameter
};

// The steel of one direction: the moment's steel with the lever arm 0.8 d, at least 0.2 % of
// the section, and the bars that give it.
BarSet steel(core::Run &run, const Calc &calc, const SteelDirection &dir)
{
    run.heading(dir.heading);
    const std::string tag(dir.tag);
    const Term fromMoment =
        run.step("As" + tag + ",calc", rc::steelArea(dir.moment, calc.v.fy, calc.d), "cm2");
    const Term least = run.step("As" + tag + ",min", rc::minimumSteel(dir.width, calc.d), "cm2");
    const bool momentGoverns = fromMoment.value() > least.value();
    const Term As =
        run.step("As" + tag, momentGoverns ? fromMoment : least, "cm2",
                 "As" + tag + ",calc = " + core::reportNumber(fromMoment.value()) +
                     (momentGoverns ? " > " : " ≤ ") + "As" + tag +
                     ",min = " + core::reportNumber(least.value()) +
                     (momentGoverns ? ": the moment governs" : ": the least steel governs"));
    run.setNumber(dir.areaField, core::roundHalfEven(As.value(), 2));
    const Term a = run.step("a" + tag, rc::barArea(dir.phi), "cm2", "area of one bar");
    const Term n = run.step("n" + tag, rc::barCount(As, a), "", "bars");
    run.setNumber(dir.countField, n);
    run.check(rc::compare(kFooting, dir.heading, As, n * a, "cm2", dir.countField));
    return {As, n};
}

// The bar notes of the sketch the case shows.
void barNotes(core::Run &run, const Calc &calc)
{
    const BarNotes &notes =
        calc.footingCase == kUniformWithMoment ? kOffCentreColumnNotes : kCentredColumnNotes;
    run.setNumber(notes.longCount, calc.nL);
    run.setNumber(notes.shortCount, calc.nS);
    run.setText(notes.longDiameter, calc.v.listL);
    run.setText(notes.shortDiameter, calc.v.listS);
}

// Flexural bond of the long bars at the column face.
void bond(core::Run &run, const Calc &calc)
{
    run.heading("Bond");
    const Term &B = calc.B, &c = calc.c;
    Term Qb{0.0};
    if (calc.footingCase == kNonUniform)
        Qb = calc.q1 * c * B + 0.5 * (calc.qmax - calc.q1) * c * B;
    else
        Qb = calc.qc * c * B;
    Qb = run.step("Qb", Qb, "kg", "soil force on the cantilever beyond the column face");
    const Term So =
        run.step("Σo", rc::barPerimeter(calc.v.phiL, calc.nL), "cm", "perimeter of the long bars");
    const Term qb = run.step("qb", rc::bondStress(Qb, calc.d, So), "kg/cm2");
    const double fy = calc.v.fy.value();
    const Term limit =
        run.step("qb,all", rc::bondLimit(fy), "kg/cm2",
                 fy == rc::kMildSteelFy ? "fy = 2400: mild steel"
                                        : "fy = " + core::reportNumber(fy) + " ≠ 2400");
    const core::Check check =
        rc::compare(kFooting, "Flexural bond", qb, limit, "kg/cm2", kFields.bondCheck);
    run.setText(kFields.bondCheck,
                check.passes().value() ? core::check::kSafeBond : core::check::kUnsafeBond);
    run.check(check);
}

// The concrete to order and the bar schedule, in m.
void quantities(core::Run &run, const Calc &calc)
{
    const double L1 = calc.L1.value(), B1 = calc.B1.value(), L = calc.L.value(), B = calc.B.value();
    const double cover = calc.v.cover.value();
    run.concrete({std::string(kFooting), "PC footing", L1 / kCmPerMetre, B1 / kCmPerMetre,
                  calc.v.t1.value() / kCmPerMetre});
    run.concrete({std::string(kFooting), "RC footing", L / kCmPerMetre, B / kCmPerMetre,
                  calc.h.value() / kCmPerMetre});
    run.assume("Bars are straight, each as long as the RC footing less the cover at both ends "
               "(L − 2 cover, B − 2 cover), with no hooks or laps.");
    const auto barLength = [&](double side) {
        return std::max(side - 2.0 * cover, 0.0) / kCmPerMetre;
    };
    run.bars({std::string(kFooting), "1", "long direction, bottom", calc.v.phiL.value(), "straight",
              calc.nL.value(), barLength(L)});
    run.bars({std::string(kFooting), "2", "short direction, bottom", calc.v.phiS.value(),
              "straight", calc.nS.value(), barLength(B)});
}

using Shape = core::SketchShape;

// Plan (x along L, y along B) and section along L of the designed footing, in cm.
void sketch(core::Run &run, const Calc &calc)
{
    const double L1 = calc.L1.value(), B1 = calc.B1.value(), L = calc.L.value(), B = calc.B.value();
    const double tc = calc.v.tc.value(), bc = calc.v.bc.value(), h = calc.h.value();
    const double t1 = calc.v.t1.value(), cover = calc.v.cover.value();
    const double x0 = (L1 - L) / 2, y0 = (B1 - B) / 2;
    // The off-centre column stands e from the middle, towards the shorter cantilever.
    const double offset = calc.footingCase == kUniformWithMoment ? calc.e.value() : 0.0;
    const double xc = x0 + L / 2 + offset, yc = y0 + B / 2;
    const std::string longBars = core::barsText(calc.nL, calc.v.phiL),
                      shortBars = core::barsText(calc.nS, calc.v.phiS);
    core::Sketch plan{"Footing, plan", {}};
    plan.shapes = {
        {Shape::Kind::PlainConcrete, 0, 0, L1, B1, {}},
        {Shape::Kind::ReinforcedConcrete, x0, y0, x0 + L, y0 + B, {}},
        {Shape::Kind::Column, xc - tc / 2, yc - bc / 2, xc + tc / 2, yc + bc / 2, {}},
        {Shape::Kind::Bars, x0 + cover, y0 + B / 4, x0 + L - cover, y0 + B / 4, longBars},
        {Shape::Kind::Bars, x0 + L / 4, y0 + cover, x0 + L / 4, y0 + B - cover, shortBars},
        {Shape::Kind::Dimension, 0, B1 + 20, L1, B1 + 20, core::metres(L1)},
        {Shape::Kind::Dimension, L1 + 20, 0, L1 + 20, B1, core::metres(B1)},
        {Shape::Kind::Dimension, x0, -20, x0 + L, -20, core::metres(L)},
        {Shape::Kind::Dimension, -20, y0, -20, y0 + B, core::metres(B)},
    };
    core::Sketch section{"Footing, section along L", {}};
    section.shapes = {
        {Shape::Kind::ReinforcedConcrete, x0, 0, x0 + L, h, {}},
        {Shape::Kind::PlainConcrete, 0, h, L1, h + t1, {}},
        {Shape::Kind::Column, xc - tc / 2, -50, xc + tc / 2, 0, {}},
        {Shape::Kind::Bars, x0 + cover, h - cover, x0 + L - cover, h - cover, longBars},
        {Shape::Kind::Dimension, L1 + 20, 0, L1 + 20, h, core::metres(h)},
        {Shape::Kind::Dimension, L1 + 20, h, L1 + 20, h + t1, core::metres(t1)},
        {Shape::Kind::Dimension, x0, h + t1 + 20, x0 + L, h + t1 + 20, core::metres(L)},
    };
    run.sketch(std::move(plan));
    run.sketch(std::move(section));
}

} // namespace

core::DesignResult design(const core::DesignRequest &request)
{
    if (request.footingCase < kUniformStress || request.footingCase > kNonUniform)
        return {};
    core::FieldReader in(request.texts, tables::kInputs);
    Calc calc;
    calc.footingCase = static_cast<FootingCase>(request.footingCase);
    calc.v = readInputs(in, request);
    if (in.failed())
        return in.refused();

    core::Run run;
    run.setInputsRead(in.readControls());
    stepLoads(run, calc);
    if (!pcFooting(run, in, calc))
        return in.refused();
    rcFooting(run, calc);
    soilPressure(run, calc);
    moments(run, calc);
    if (!depth(run, in, calc))
        return in.refused();
    oneWayShear(run, calc);
    punching(run, calc);
    const BarSet longSet = steel(run, calc,
                                 {"Steel, long direction", "L", calc.ML, calc.B, calc.v.phiL,
                                  kFields.longSteel, kFields.longBarCount});
    calc.nL = longSet.n;
    const BarSet shortSet = steel(run, calc,
                                  {"Steel, short direction", "S", calc.MS, calc.L, calc.v.phiS,
                                   kFields.shortSteel, kFields.shortBarCount});
    calc.nS = shortSet.n;
    barNotes(run, calc);
    bond(run, calc);
    quantities(run, calc);
    sketch(run, calc);
    return core::finish(std::move(run), tables::kInputs);
}

const core::DesignWindowInfo &windowInfo()
{
    static const core::DesignWindowInfo window{.command = "isolated",
                                               .title = "Design Of Isolated Footing",
                                               .controls = tables::kIsolated,
                                               .inputs = tables::kInputs,
                                               .caseNames = tables::kCaseNames,
                                               .design = design};
    return window;
}

} // namespace isolated

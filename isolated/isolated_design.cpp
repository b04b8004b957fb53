#include "isolated/isolated_design.h"

#include "core/check_messages.h"
#include "core/number_format.h"
#include "isolated/isolated_tables.h"

#include <algorithm>
#include <cmath>
#include <string>

// Units throughout: lengths, depths and dimensions in cm; loads in t; shear forces in kg;
// moments in kg.cm; stresses in kg/cm2; steel areas in cm2; bar diameters in mm. Every
// formula is evaluated in the order it is written, so the results match hand calculation
// digit for digit.

namespace isolated {

namespace {

double sq(double x)
{
    return x * x;
}

// The inputs of one run, read and checked.
struct Inputs {
    double P = 0;      // ultimate column load, t
    double M = 0;      // ultimate column moment, t.m (cases 1 to 3)
    double t1 = 0;     // assumed PC thickness, cm
    double t = 0;      // assumed RC thickness, cm
    double cover = 0;  // cm
    double tc = 0;     // column side along L, cm
    double bc = 0;     // column side along B, cm
    double fcu = 0;    // kg/cm2
    double fy = 0;     // kg/cm2
    double qall = 0;   // allowable soil stress, kg/cm2
    double L1m = 0;    // assumed PC length, m (cases 2 and 3)
    double phiL = 0;   // long-direction bars, mm
    double phiS = 0;   // short-direction bars, mm
    std::string listL; // the list texts, shown unchanged on the sketch
    std::string listS;
};

std::string textOf(const core::FieldTexts &texts, std::string_view control)
{
    const auto found = texts.find(control);
    return found == texts.end() ? std::string{} : found->second;
}

// Reads every input the case uses; a hidden field is not read.
Inputs readInputs(core::FieldReader &in, const core::DesignRequest &request)
{
    const int footingCase = request.footingCase;
    Inputs v;
    v.P = in.positive("Text1").value();
    if (footingCase == kJustNoTension)
        v.M = in.positive("Text10").value(); // M = 0 would give a 5 cm footing of enormous width
    else if (footingCase != kUniformStress)
        v.M = in.number("Text10").value();
    v.t1 = in.positive("Text2").value();
    v.t = in.positive("Text3").value();
    v.cover = in.positive("Text4").value();
    if (!in.failed() && !(v.t > v.cover))
        in.refuse("Text3",
                  in.quoted("Text3") + " must be greater than " + in.quoted("Text4") + ".");
    v.tc = in.positive("Text5").value();
    v.bc = in.positive("Text6").value();
    v.fcu = in.positive("Text7").value();
    v.fy = in.positive("Text8").value();
    v.qall = in.positive("Text9").value();
    if (footingCase == kUniformWithMoment || footingCase == kNonUniform)
        v.L1m = in.positive("Text11").value();
    v.phiL = in.positive("Combo2").value();
    v.phiS = in.positive("Combo1").value();
    v.listL = textOf(request.texts, "Combo2");
    v.listS = textOf(request.texts, "Combo1");
    return v;
}

std::string_view shearMessage(bool noShear, double qsh, double qcu)
{
    if (noShear)
        return core::check::kNoShear;
    return qsh <= qcu ? core::check::kSafeShear : core::check::kUnsafeShear;
}

std::string_view punchMessage(bool noPunch, double qp, double qcup)
{
    if (noPunch)
        return core::check::kNoPunch;
    return qp <= qcup ? core::check::kSafePunch : core::check::kUnsafePunch;
}

} // namespace

core::DesignResult design(const core::DesignRequest &request)
{
    const int footingCase = request.footingCase;
    if (footingCase < kUniformStress || footingCase > kNonUniform)
        return {};
    const bool linearStress = footingCase == kJustNoTension || footingCase == kNonUniform;

    core::FieldReader in(request.texts, tables::kInputs);
    const Inputs v = readInputs(in, request);
    if (in.failed())
        return in.refused();
    const double P = v.P, M = v.M, tc = v.tc, bc = v.bc, t = v.t, cover = v.cover;
    const double fcu = v.fcu, fy = v.fy, qall = v.qall;

    core::Run run;

    // Shear strength of concrete and the loads: pt adds 10 % for the footing's own weight,
    // Pw is the working load.
    const double qcu = 0.75 * std::sqrt(fcu / 1.5);
    const double pt = 1.1 * P;
    const double Pw = pt / 1.5;
    run.note("qcu", qcu, "kg/cm2");
    run.note("pt", pt, "t");
    run.note("Pw", Pw, "t");

    // Plan of the PC footing.
    double e = 0; // eccentricity of the load, cm
    double L1 = 0, B1 = 0;
    switch (footingCase) {
    case kUniformStress: {
        const double Apc = 1000 * Pw / qall;
        run.note("Apc", Apc, "cm2");
        // The positive root of B1 (B1 + tc - bc) = Apc: equal projections beyond the column.
        B1 = core::up5((-(tc - bc) + std::sqrt(sq(tc - bc) + 4 * Apc)) / 2);
        L1 = core::up5(Apc / B1);
        break;
    }
    case kJustNoTension: {
        e = 100 * M / pt;
        run.note("e", e, "cm");
        // The resultant stays inside the middle third: L1 at least 6 e.
        L1 = core::up5(6 * e);
        const double k = 1 + 6 * e / L1;
        run.note("k", k);
        B1 = core::up5(1000 * Pw / ((L1 * qall) / k));
        break;
    }
    case kUniformWithMoment: {
        const double Apc = 1000 * Pw / qall;
        run.note("Apc", Apc, "cm2");
        e = 100 * M / pt;
        run.note("e", e, "cm");
        L1 = 100 * v.L1m;
        B1 = core::up5(Apc / L1);
        break;
    }
    case kNonUniform: {
        e = 100 * M / pt;
        run.note("e", e, "cm");
        L1 = 100 * v.L1m;
        const double k = 1 + 6 * e / L1;
        run.note("k", k);
        if (!(k > 0)) {
            in.refuse("Text10", in.quoted("Text10") + " is too far below 0 for " +
                                    in.quoted("Text11") +
                                    ": 1 + 6 e / L1 must stay above 0 to give the footing a "
                                    "width. Make M larger or L1 longer.");
            return in.refused();
        }
        B1 = core::up5(1000 * Pw / ((L1 * qall) / k));
        break;
    }
    }
    run.note("L1", L1, "cm");
    run.note("B1", B1, "cm");
    run.setNumber("Label37", L1 / 100);
    run.setNumber("Label38", B1 / 100);
    run.setNumber("Label39", v.t1 / 100);

    // Plan of the RC footing: the PC footing projects 30 cm on every side, unless that would
    // leave nothing, when the RC footing takes the PC size.
    double L = L1 - 60;
    double B = B1 - 60;
    if (L <= 0)
        L = L1;
    if (B <= 0)
        B = B1;
    run.setNumber("Label40", L / 100);
    run.setNumber("Label41", B / 100);

    // Soil pressure and the moments at the column faces.
    const double qc = 1000 * pt / (L * B);
    const double c = (L - tc) / 2; // cantilever beyond the column face
    run.note("qc", qc, "kg/cm2");
    double ML = 0, MS = 0;
    double qmax = 0, qmin = 0, s = 0, q1 = 0; // linearly varying pressure
    double cLong = c;                         // the longer cantilever of the off-centre column
    if (linearStress) {
        qmax = qc * (1 + 6 * e / L);
        qmin = qc * (1 - 6 * e / L);
        s = (qmax - qmin) / L;
        q1 = qmax - s * c;
        ML = q1 * sq(c) * B / 2 + (qmax - q1) * sq(c) * B / 3;
        MS = ((qmax + qmin) / 2) * L * sq(B - bc) / 8;
        run.note("qmax", qmax, "kg/cm2");
        run.note("qmin", qmin, "kg/cm2");
        run.note("s", s, "kg/cm3");
        run.note("q1", q1, "kg/cm2");
    } else if (footingCase == kUniformWithMoment) {
        cLong = L / 2 + e - tc / 2;
        run.note("c'", cLong, "cm");
        ML = qc * sq(cLong) * B / 2;
        MS = qc * sq(B - bc) * L / 8;
    } else {
        ML = qc * sq(L - tc) * B / 8;
        MS = qc * sq(B - bc) * L / 8;
    }
    run.note("ML", ML, "kg.cm");
    run.note("MS", MS, "kg.cm");

    // Depth. Only a negative edge pressure large enough to turn the long moment can make the
    // root negative: a strongly negative M in the trapezoidal case.
    const double depthRatio = ML / (fcu * B);
    if (depthRatio < 0) {
        in.refuse("Text10", in.quoted("Text10") +
                                " makes the long-direction moment negative, so no depth can be "
                                "found. Make M larger or " +
                                in.quoted("Text11") + " longer.");
        return in.refused();
    }
    const double dreq = 3 * std::sqrt(depthRatio);
    const double dr = core::up5(dreq);
    run.note("dreq", dreq, "cm");
    double d = 0;
    if (dr <= t - cover) {
        run.setNumber("Label42", t / 100);
        d = t - cover;
    } else {
        run.setNumber("Label42", (dr + cover) / 100);
        d = dr;
    }
    run.note("d", d, "cm");

    // Shear at d/2 from the column face.
    double x = 0, qsh = 0, q2 = 0;
    bool noShear = false;
    if (linearStress) {
        x = c - d / 2;
        q2 = qmax - s * x;
        qsh = (q2 * x * B + 0.5 * (qmax - q2) * x * B) / (d * B);
        noShear = x <= 0;
        run.note("q2", q2, "kg/cm2");
    } else if (footingCase == kUniformWithMoment) {
        x = cLong - d / 2;
        qsh = qc * x * B / (d * B);
        noShear = cLong <= 0;
    } else {
        x = c - d / 2;
        qsh = qc * x * B / (B * d);
        noShear = x <= 0;
    }
    run.note("x", x, "cm");
    run.note("qsh", qsh, "kg/cm2");
    run.setText("Label33", shearMessage(noShear, qsh, qcu));

    // Punching on the perimeter d/2 around the column.
    const double Ap = (tc + d) * (bc + d);
    double Qp = 0;
    if (linearStress) {
        const double qa = qmin + s * x;
        run.note("qa", qa, "kg/cm2");
        Qp = 1000 * pt - Ap * (qa + q2) / 2;
    } else {
        Qp = qc * (L * B - Ap);
    }
    const double per = 2 * tc + 2 * bc + 4 * d;
    const double qp = Qp / (per * d);
    const double r = std::sqrt(fcu / 1.5);
    const double qcup1 = 2.5 * (4 * d / per + 0.2) * r;
    const double qcup2 = (0.5 + tc / bc) * r;
    const double qcup3 = r;
    const double qcup = std::min({qcup1, qcup2, qcup3});
    run.note("Qp", Qp, "kg");
    run.note("qp", qp, "kg/cm2");
    run.note("qcup", qcup, "kg/cm2");
    run.setText("Label34", punchMessage(L * B - Ap <= 0, qp, qcup));

    // Long-direction steel and bars (the lever arm is 0.8 d).
    const double AsLcalc = ML / (0.8 * fy * d);
    const double AsLmin = 0.2 * B * d / 100;
    const double AsL = AsLcalc > AsLmin ? AsLcalc : AsLmin;
    run.setNumber("Label31", core::roundHalfEven(AsL, 2));
    const double pi = 4 * std::atan(1.0);
    const double aL = (pi / 4) * sq(v.phiL / 10);
    const double nL = std::floor(AsL / aL) + 1;
    run.setNumber("Label28", nL);

    // Short-direction steel and bars.
    const double AsScalc = MS / (0.8 * fy * d);
    const double AsSmin = 0.2 * L * d / 100;
    const double AsS = AsScalc > AsSmin ? AsScalc : AsSmin;
    run.setNumber("Label17", core::roundHalfEven(AsS, 2));
    const double aS = (pi / 4) * sq(v.phiS / 10);
    const double nS = std::floor(AsS / aS) + 1;
    run.setNumber("Label27", nS);
    run.note("AsL", AsL, "cm2");
    run.note("AsS", AsS, "cm2");

    // The bar notes of the sketch the case shows.
    if (footingCase == kUniformWithMoment) {
        run.setNumber("Label54", nL);
        run.setNumber("Label56", nS);
        run.setText("Label55", v.listL);
        run.setText("Label57", v.listS);
    } else {
        run.setNumber("Label46", nL);
        run.setNumber("Label48", nS);
        run.setText("Label47", v.listL);
        run.setText("Label49", v.listS);
    }

    // Flexural bond of the long bars at the column face.
    double Qb = 0;
    if (footingCase == kNonUniform)
        Qb = q1 * c * B + 0.5 * (qmax - q1) * c * B;
    else if (footingCase == kUniformWithMoment)
        Qb = qc * cLong * B;
    else
        Qb = qc * c * B;
    const double perimeter = (v.phiL / 10) * pi * nL;
    const double qb = Qb / (0.87 * d * perimeter);
    run.note("Qb", Qb, "kg");
    run.note("qb", qb, "kg/cm2");
    run.setText("Label35", qb <= core::check::bondLimit(fy) ? core::check::kSafeBond
                                                            : core::check::kUnsafeBond);

    return core::finish(std::move(run), "the loads, sizes and strengths");
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

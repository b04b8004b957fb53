#include "strap/strap_design.h"

#include "core/check_messages.h"
#include "core/number_format.h"
#include "strap/strap_tables.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace strap {

namespace {

using core::formatNumber;
using core::roundHalfEven;
using core::up5;

constexpr double kSelfWeight = 1.1;      // on each column load, for the footings' own weight
constexpr double kEccentricity = 0.75;   // m, from the centre line of C1 to footing 1's centre
constexpr double kUltimateSoil = 1.5;    // allowable to ultimate soil stress
constexpr double kPcWider = 60.0;        // cm, the PC footing projects 30 cm on each side
constexpr double kDepthFactor = 3.0;     // d = 3 * sqrt(M / (fcu * b))
constexpr double kShearFactor = 0.75;    // concrete shear strength 0.75 * sqrt(fcu / 1.5)
constexpr double kLeastSecondary = 6.78; // cm2 per metre across the strap
constexpr double kLeastRatio = 0.2;      // percent of the concrete section
constexpr double kLeverArm = 0.8;        // steel formula
constexpr double kBondLeverArm = 0.87;   // bond and stirrup formulas
constexpr double kStirrupSteel = 2400.0; // kg/cm2, mild-steel stirrups

const double pi = 4.0 * std::atan(1.0);

// Cross-section of one bar of diameter phi (mm), in cm2.
double barArea(double phi)
{
    const double cm = phi / 10;
    return (pi / 4) * (cm * cm);
}

double cm2m(double cm)
{
    return cm / 100;
}

// Where one footing's results go, and which lists it reads.
struct FootingFields {
    std::string_view title; // the message-box title
    std::string_view tag;   // suffix of the trace symbols
    std::array<std::string_view, 3> pc;
    std::array<std::string_view, 3> rc;
    std::string_view secondaryArea, secondaryCount, mainArea, mainCount;
    // The reinforcement drawing: the two counts, then the diameter written beside each.
    std::string_view drawnSecondaryCount, drawnMainCount;
    std::string_view firstDiameter, firstDiameterList;
    std::string_view secondDiameter, secondDiameterList;
};

constexpr FootingFields kFooting1{
    .title = "Footing -1-",
    .tag = " (1)",
    .pc = {"Label95", "Label96", "Label97"},
    .rc = {"Label98", "Label99", "Label100"},
    .secondaryArea = "Label52",
    .secondaryCount = "Label53",
    .mainArea = "Label45",
    .mainCount = "Label48",
    .drawnSecondaryCount = "Label111",
    .drawnMainCount = "Label109",
    .firstDiameter = "Label110",
    .firstDiameterList = "Combo1",
    .secondDiameter = "Label112",
    .secondDiameterList = "Combo2",
};

// The drawing of footing 2 is the mirror of footing 1: the secondary bars are marked at its
// inner end (Label123, diameter beside it in Label124) and the main bars at its outer end
// (Label125, diameter in Label126), so each count is followed by its own list's diameter.
constexpr FootingFields kFooting2{
    .title = "Footing -2-",
    .tag = " (2)",
    .pc = {"Label101", "Label102", "Label103"},
    .rc = {"Label104", "Label105", "Label106"},
    .secondaryArea = "Label63",
    .secondaryCount = "Label64",
    .mainArea = "Label58",
    .mainCount = "Label59",
    .drawnSecondaryCount = "Label123",
    .drawnMainCount = "Label125",
    .firstDiameter = "Label124",
    .firstDiameterList = "Combo4",
    .secondDiameter = "Label126",
    .secondDiameterList = "Combo3",
};

// What the strap beam needs from one RC footing.
struct Footing {
    double qc = 0; // net ultimate soil pressure, kg/cm2
    double L = 0;  // along the strap, cm
    double B = 0;  // across the strap, cm
};

// The common inputs and values of the run.
struct Inputs {
    double P1, P2, bc1, tc1, bc2, tc2, tpc, trc, tsb, cover, fcu, fy, qall, S;
    double phi1, phi2, phi3, phi4, phi5;
};

class StrapDesign
{
public:
    StrapDesign(const core::DesignRequest &request, core::FieldReader &reader)
        : m_texts(request.texts), m_reader(reader)
    {}

    bool read();
    bool run();
    core::Run take() { return std::move(m_run); }

private:
    const std::string &text(std::string_view control) const
    {
        return m_texts.find(control)->second;
    }
    void note(std::string_view symbol, std::string_view tag, double value, std::string_view unit)
    {
        m_run.note(std::string(symbol) + std::string(tag), value, unit);
    }
    bool refuse(std::string_view control, std::string message)
    {
        m_reader.refuse(control, std::move(message));
        return false;
    }
    std::string q(std::string_view control) const { return m_reader.quoted(control); }

    bool footingOne(Footing &out);
    bool footingTwo(Footing &out);
    bool checkWidth(const FootingFields &f, std::string_view control, double B);
    void designFooting(const FootingFields &f, double R, double L, double B, double phiMain,
                       double phiSecondary, Footing &out);
    bool strapBeam(const Footing &f1, const Footing &f2);

    const core::FieldTexts &m_texts;
    core::FieldReader &m_reader;
    core::Run m_run;
    Inputs in{};
    double bs = 0, qcu = 0, pt1 = 0, pt2 = 0, R1 = 0, R2 = 0;
};

bool StrapDesign::read()
{
    core::FieldReader &r = m_reader;
    in.P1 = r.positive("Text1").value();
    in.P2 = r.positive("Text2").value();
    in.bc1 = r.positive("Text3").value();
    in.tc1 = r.positive("Text4").value();
    in.bc2 = r.positive("Text5").value();
    in.tc2 = r.positive("Text6").value();
    in.tpc = r.positive("Text7").value();
    in.cover = r.positive("Text10").value();
    const std::string coverWords = q("Text10") + " (" + formatNumber(in.cover) + ")";
    in.trc = r.greaterThan("Text8", in.cover, coverWords).value();
    in.tsb = r.greaterThan("Text9", in.cover, coverWords).value();
    in.fcu = r.positive("Text11").value();
    in.fy = r.positive("Text12").value();
    in.qall = r.positive("Text13").value();
    in.S = r.greaterThan("Text14", kEccentricity,
                         "0.75 m, the distance from the centre of C1 to the centre of its footing")
               .value();
    in.phi1 = r.positive("Combo1").value();
    in.phi2 = r.positive("Combo2").value();
    in.phi3 = r.positive("Combo3").value();
    in.phi4 = r.positive("Combo4").value();
    in.phi5 = r.positive("Combo5").value();
    return !r.failed();
}

bool StrapDesign::run()
{
    // Values shared by both footings and the strap.
    bs = std::min(in.bc1, in.bc2);
    qcu = kShearFactor * std::sqrt(in.fcu / 1.5);
    pt1 = kSelfWeight * in.P1;
    pt2 = kSelfWeight * in.P2;
    R1 = pt1 * in.S / (in.S - kEccentricity);
    const double Ptot = pt1 + pt2;
    R2 = Ptot - R1;
    m_run.note("bs", bs, "cm");
    m_run.note("qcu", qcu, "kg/cm2");
    m_run.note("pt1", pt1, "t");
    m_run.note("pt2", pt2, "t");
    m_run.note("R1", R1, "t");
    m_run.note("R2", R2, "t");

    Footing f1, f2;
    return footingOne(f1) && footingTwo(f2) && strapBeam(f1, f2);
}

// The RC footing must be at least as wide as the strap it carries, or it has no projection to
// design.
bool StrapDesign::checkWidth(const FootingFields &f, std::string_view load, double B)
{
    if (B >= bs)
        return true;
    return refuse(load, "The RC footing of " + std::string(f.title) + " comes out " +
                            formatNumber(cm2m(B)) + " m wide, narrower than the strap (" +
                            formatNumber(cm2m(bs)) + " m, the smaller column side b). Raise " +
                            q(load) + " or lower " + q("Text13") + ", or make " + q("Text3") +
                            " or " + q("Text5") + " smaller.");
}

bool StrapDesign::footingOne(Footing &out)
{
    const FootingFields &f = kFooting1;
    // C1 stands at the property line: the footing reaches e beyond its centre and as far again.
    const double L1 = (in.tc1 / 200 + 0.75) * 200;
    const double Apc = R1 * 1000 / (kUltimateSoil * in.qall);
    const double B1 = up5(Apc / L1);
    note("L1", f.tag, L1, "cm");
    note("B1", f.tag, B1, "cm");
    if (!(B1 > kPcWider))
        return refuse("Text1", "The PC footing of Footing -1- comes out only " +
                                   formatNumber(cm2m(B1)) +
                                   " m wide, so its RC footing (0.6 m narrower) has no width. "
                                   "Raise " +
                                   q("Text1") + " or lower " + q("Text13") + ".");
    const double L = L1;
    const double B = B1 - kPcWider;
    if (!checkWidth(f, "Text1", B))
        return false;
    m_run.setNumber(f.pc[0], cm2m(L1));
    m_run.setNumber(f.pc[1], cm2m(B1));
    m_run.setNumber(f.pc[2], cm2m(in.tpc));
    m_run.setNumber(f.rc[0], cm2m(L));
    m_run.setNumber(f.rc[1], cm2m(B));
    designFooting(f, R1, L, B, in.phi1, in.phi2, out);
    return true;
}

bool StrapDesign::footingTwo(Footing &out)
{
    const FootingFields &f = kFooting2;
    if (!(R2 > 0))
        return refuse("Text14",
                      "The soil reaction under Footing -2- comes out " +
                          formatNumber(roundHalfEven(R2, 2)) +
                          " t, not upwards: the columns are too close for these loads. Raise " +
                          q("Text14") + " or " + q("Text2") + ".");
    const double Apc = R2 * 1000 / (kUltimateSoil * in.qall);
    // Equal projections around C2: the positive root of B * (B + tc2 - bc2) = Apc.
    const double k = in.tc2 - in.bc2;
    const double Bq = (-k + std::sqrt(k * k + 4 * Apc)) / 2;
    const double B1 = up5(Bq);
    const double L1 = up5(Apc / B1);
    note("Bq", f.tag, Bq, "cm");
    note("L1", f.tag, L1, "cm");
    note("B1", f.tag, B1, "cm");
    if (!(B1 > kPcWider && L1 > kPcWider))
        return refuse("Text2", "The PC footing of Footing -2- comes out only " +
                                   formatNumber(cm2m(L1)) + " m by " + formatNumber(cm2m(B1)) +
                                   " m, so its RC footing (0.6 m smaller each way) has no area. "
                                   "Raise " +
                                   q("Text2") + " or lower " + q("Text13") + ".");
    const double L = L1 - kPcWider;
    const double B = B1 - kPcWider;
    if (!checkWidth(f, "Text2", B))
        return false;
    m_run.setNumber(f.pc[0], cm2m(L1));
    m_run.setNumber(f.pc[1], cm2m(B1));
    m_run.setNumber(f.pc[2], cm2m(in.tpc));
    m_run.setNumber(f.rc[0], cm2m(L));
    m_run.setNumber(f.rc[1], cm2m(B));
    designFooting(f, R2, L, B, in.phi3, in.phi4, out);
    return true;
}

// Depth, checks and steel of one RC footing of L along and B across the strap under the
// reaction R; the footing cantilevers across the strap from the strap's faces.
void StrapDesign::designFooting(const FootingFields &f, double R, double L, double B,
                                double phiMain, double phiSecondary, Footing &out)
{
    const double qc = R * 1000 / (L * B);
    const double c = (B - bs) / 2;
    const double M = qc * (c * c) * L / 2;
    note("qc", f.tag, qc, "kg/cm2");
    note("c", f.tag, c, "cm");
    note("M", f.tag, M, "kg.cm");

    const double dreq = kDepthFactor * std::sqrt(M / (in.fcu * L));
    const double dr = up5(dreq);
    double d = 0;
    if (dr <= in.trc - in.cover) {
        d = in.trc - in.cover;
        m_run.setNumber(f.rc[2], cm2m(in.trc));
    } else {
        d = dr;
        m_run.setNumber(f.rc[2], cm2m(dr + in.cover));
    }
    note("dreq", f.tag, dreq, "cm");
    note("d", f.tag, d, "cm");

    const double qsh = qc * (c - d / 2) * L / (L * d);
    note("qsh", f.tag, qsh, "kg/cm2");
    if (qsh > qcu)
        m_run.messageBox(core::check::kUnsafeShear, f.title);

    const double Qp = qc * (L * B - (bs + d) * L);
    const double per = 2 * L;
    const double qp = Qp / (per * d);
    const double r = std::sqrt(in.fcu / 1.5);
    const double qcup1 = 2.5 * (4 * d / per + 0.2) * r;
    const double qcup3 = r;
    const double qcup = std::min(qcup1, qcup3);
    note("qp", f.tag, qp, "kg/cm2");
    note("qcup", f.tag, qcup, "kg/cm2");
    if (qp > qcup)
        m_run.messageBox(core::check::kUnsafePunch, f.title);

    // Secondary steel spread over the width B; main steel, for M, spread over the length L.
    const double AsSecondary = std::max(kLeastSecondary * B / 100, kLeastRatio * d * B / 100);
    m_run.setNumber(f.secondaryArea, roundHalfEven(AsSecondary, 2));
    const double ns = std::floor(AsSecondary / barArea(phiSecondary)) + 1;
    m_run.setNumber(f.secondaryCount, ns);

    const double AsMain = std::max(M / (kLeverArm * in.fy * d), kLeastRatio * d * L / 100);
    m_run.setNumber(f.mainArea, roundHalfEven(AsMain, 2));
    const double nm = std::floor(AsMain / barArea(phiMain)) + 1;
    m_run.setNumber(f.mainCount, nm);
    note("As secondary", f.tag, AsSecondary, "cm2");
    note("As main", f.tag, AsMain, "cm2");

    m_run.setNumber(f.drawnSecondaryCount, ns);
    m_run.setNumber(f.drawnMainCount, nm);
    m_run.setText(f.firstDiameter, text(f.firstDiameterList));
    m_run.setText(f.secondDiameter, text(f.secondDiameterList));

    const double Qb = qc * c * L;
    const double sumO = nm * pi * (phiMain / 10);
    const double qb = Qb / (kBondLeverArm * d * sumO);
    note("qb", f.tag, qb, "kg/cm2");
    if (qb > core::check::bondLimit(in.fy))
        m_run.messageBox(core::check::kUnsafeBond, f.title);

    out = {qc, L, B};
}

bool StrapDesign::strapBeam(const Footing &f1, const Footing &f2)
{
    const double tc1 = in.tc1;
    const double tc2 = in.tc2;
    const double Lf1 = f1.L;
    const double Lf2 = f2.L;
    // Soil reaction per metre of strap under each footing (t/m).
    const double w1 = f1.qc * f1.B / 10;
    const double w2 = f2.qc * f2.B / 10;
    m_run.note("w1", w1, "t/m");
    m_run.note("w2", w2, "t/m");
    if (!(w1 > 0))
        return refuse("Text1", "The soil load under Footing -1- comes out zero, so the strap "
                               "has no point of zero shear. Raise " +
                                   q("Text1") + ".");

    // Shear forces (t).
    const double V76 = pt1 - tc1 * w1 / 100;
    m_run.setNumber("Label76", roundHalfEven(V76, 2));
    m_run.setNumber("Label77", roundHalfEven(w1 * Lf1 / 100 - pt1, 2));
    m_run.setNumber("Label78", roundHalfEven(pt2 - Lf2 * w2 / 100, 2));
    m_run.setNumber("Label79", roundHalfEven(pt2 - ((Lf2 - tc2) / 2 + tc2) * w2 / 100, 2));
    m_run.setNumber("Label80", roundHalfEven(((Lf2 - tc2) / 200) * w2, 2));

    // Moments (t.m). At the inner face of C1 the soil under the column width acts at half
    // that width: w1 * tc1^2 / 2, in t.m with tc1 in cm, is w1 * tc1^2 / 20000.
    m_run.setNumber("Label81", roundHalfEven(pt1 * tc1 / 200 - w1 * (tc1 * tc1) / 20000, 2));
    m_run.setNumber("Label84",
                    roundHalfEven(pt1 * (Lf1 - tc1 / 2) / 100 - w1 * (Lf1 * Lf1) / 20000, 2));
    m_run.setNumber("Label83", roundHalfEven(pt2 * (Lf2 / 200) - w2 * (Lf2 * Lf2) / 20000, 2));
    m_run.setNumber("Label86", roundHalfEven(w2 * (Lf2 / 200 + tc2 / 200) - pt2 * (tc2 / 200), 2));
    const double overhang = Lf2 - tc2;
    m_run.setNumber("Label85", roundHalfEven(w2 * (overhang * overhang) / 20000, 2));

    // The largest moment, at the point of zero shear x0 from the outer edge of footing 1.
    const double x0 = pt1 / w1;
    const double Mmax = pt1 * (x0 - tc1 / 200) - w1 * (x0 * x0) / 2;
    m_run.note("x0", x0, "m");
    m_run.note("Mmax", Mmax, "t.m");
    if (Mmax < 0)
        return refuse("Text14", "The largest strap moment comes out negative (" +
                                    formatNumber(roundHalfEven(Mmax, 2)) +
                                    " t.m): the columns are too close for footing 1 to act as "
                                    "designed. Raise " +
                                    q("Text14") + ".");
    m_run.setNumber("Label82", roundHalfEven(Mmax, 2));

    // Depth and width.
    const double dreq = kDepthFactor * std::sqrt(Mmax * 100000 / (in.fcu * bs));
    const double dr = up5(dreq);
    double d = 0;
    if (dr <= in.tsb - in.cover) {
        d = in.tsb - in.cover;
        m_run.setNumber("Label68", in.tsb / 100);
    } else {
        d = dr;
        m_run.setNumber("Label68", (dr + in.cover) / 100);
    }
    m_run.note("dreq strap", dreq, "cm");
    m_run.note("d strap", d, "cm");
    m_run.setNumber("Label67", bs / 100);

    // Main steel and its bars.
    const double Ast =
        std::max(Mmax * 100000 / (kLeverArm * in.fy * d), kLeastRatio * d * bs / 100);
    m_run.setNumber("Label71", roundHalfEven(Ast, 2));
    const double ns = std::floor(Ast / barArea(in.phi5)) + 1;
    m_run.note("Ast", Ast, "cm2");
    const std::string &phi5 = text("Combo5");
    m_run.setNumber("Label73", ns);
    m_run.setNumber("Label107", ns);
    m_run.setText("Label108", phi5);
    m_run.setNumber("Label121", ns);
    m_run.setText("Label114", phi5);

    // Stirrups of 8 mm, counted per metre, from the shear at d / 2 from the face of C1.
    const double Q = V76 - w1 * (d / 200);
    const double qsu = Q * 1000 / (kBondLeverArm * bs * d);
    m_run.note("Q", Q, "t");
    m_run.note("qsu", qsu, "kg/cm2");
    if (qsu <= qcu) {
        m_run.setText("Label127", "6");
    } else {
        const double qs = qsu - 0.5 * qcu;
        const double s = kStirrupSteel / (bs * qs);
        m_run.note("qs", qs, "kg/cm2");
        m_run.note("s", s, "cm");
        m_run.setNumber("Label127", std::floor(100 / s) + 1);
    }
    m_run.setText("Label128", "8");

    // The other face's steel.
    const double Atop = std::max(kLeastRatio * bs * d / 100, 0.3 * Ast);
    const double nt = std::floor(Atop / barArea(in.phi5)) + 1;
    m_run.note("Atop", Atop, "cm2");
    m_run.setNumber("Label113", nt);
    m_run.setNumber("Label122", nt);
    return true;
}

} // namespace

core::DesignResult design(const core::DesignRequest &request)
{
    core::FieldReader reader(request.texts, tables::kInputs);
    StrapDesign strap(request, reader);
    if (!strap.read())
        return reader.refused();
    const bool finished = strap.run();
    core::Run run = strap.take();
    // A quantity that overflowed is the first thing to report, before any check it upset.
    if (finished || !run.allFinite())
        return core::finish(std::move(run),
                            "the loads, column sizes, spacing and bearing capacity");
    return reader.refused();
}

const core::DesignWindowInfo &windowInfo()
{
    static const core::DesignWindowInfo window{.command = "strap",
                                               .title = "Design Of Strap Footing",
                                               .controls = kControls,
                                               .inputs = tables::kInputs,
                                               .design = design};
    return window;
}

} // namespace strap

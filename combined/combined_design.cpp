#include "combined/combined_design.h"

#include "combined/combined_tables.h"
#include "core/notes.h"
#include "core/number_format.h"
#include "rc/rules.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

namespace combined {

namespace {

using core::Term;
using tables::kInput;

// Unit changes of the formulas: loads in t, S, Lo and x0 in m, every other length in cm.
constexpr double kCm = rc::kCmPerMetre;  // cm in a metre
constexpr double kCm2 = kCm * kCm;       // cm2 in a m2
constexpr double kHalfSide = 2 * kCm;    // tc / 200: half a side given in cm, in m
constexpr double kHalfSquare = 2 * kCm2; // tc² / 20000: half the square of a side in cm, in m2
// The bar of the minimum mesh (mm) and the text the sections show beside its counts.
constexpr double kMeshBar = 12.0;
constexpr std::string_view kMeshText = "12 \\ m";

// The result fields every run writes, whatever its layout.
struct Fields {
    std::string_view pcLength, pcWidth, pcThickness;
    std::string_view rcLength, rcWidth, rcThickness;
    std::string_view shearCheck, punchingCheck, bondCheck;
    std::string_view topArea, topCount, bottomArea, bottomCount;
    // The bar annotations of both reinforcement sections.
    std::array<std::string_view, 4> meshCounts, meshDiameters;
    std::array<std::string_view, 2> topCounts, topDiameters, bottomCounts, bottomDiameters;
};

constexpr Fields kFields{
    .pcLength = "Label75",
    .pcWidth = "Label76",
    .pcThickness = "Label77",
    .rcLength = "Label78",
    .rcWidth = "Label79",
    .rcThickness = "Label80",
    .shearCheck = "Label36",
    .punchingCheck = "Label37",
    .bondCheck = "Label38",
    .topArea = "Label29",
    .topCount = "Label30",
    .bottomArea = "Label34",
    .bottomCount = "Label35",
    .meshCounts = {"Label95", "Label99", "Label103", "Label106"},
    .meshDiameters = {"Label96", "Label100", "Label104", "Label105"},
    .topCounts = {"Label97", "Label107"},
    .topDiameters = {"Label98", "Label108"},
    .bottomCounts = {"Label101", "Label109"},
    .bottomDiameters = {"Label102", "Label110"},
};

// The output fields of a transverse beam, and its annotations on the section of a layout.
struct BeamFields {
    std::string_view width, area, count;
};
struct DrawnBeam {
    std::string_view width, count, diameter;
};

// Beam 1 lies under C1, beam 2 under C2.
constexpr std::array<BeamFields, 2> kBeamFields{{
    {.width = "Label50", .area = "Label40", .count = "Label43"},
    {.width = "Label52", .area = "Label46", .count = "Label48"},
}};

// Where a run writes what depends on its layout.
struct LayoutLabels {
    LayoutPictures shown;
    LayoutPictures hidden;
    // Straining actions on the diagrams.
    std::string_view Q1, Q2, Qo, M1, Mmax, M2, Mo;
    // Beam annotations on the section, under C1 and under C2.
    std::array<DrawnBeam, 2> beams;
};

constexpr LayoutLabels kC1FlushLabels{
    .shown = kC1Flush,
    .hidden = kC2Flush,
    .Q1 = "Label81",
    .Q2 = "Label82",
    .Qo = "Label83",
    .M1 = "Label84",
    .Mmax = "Label85",
    .M2 = "Label86",
    .Mo = "Label87",
    .beams = {{{"Label118", "Label123", "Label124"}, {"Label121", "Label125", "Label126"}}},
};
constexpr LayoutLabels kC2FlushLabels{
    .shown = kC2Flush,
    .hidden = kC1Flush,
    .Q1 = "Label89",
    .Q2 = "Label90",
    .Qo = "Label88",
    .M1 = "Label92",
    .Mmax = "Label93",
    .M2 = "Label94",
    .Mo = "Label91",
    .beams = {{{"Label112", "Label127", "Label128"}, {"Label115", "Label129", "Label130"}}},
};

// Why max(As, Asmin) takes the value it takes, in numbers.
std::string governing(std::string_view symbol, const Term &As, const Term &Asmin)
{
    const std::string both = std::string(symbol) + " = " + core::noteNumber(As);
    return As.value() > Asmin.value()
               ? both + " > Asmin = " + core::noteNumber(Asmin) + ": the moment governs"
               : both + " ≤ Asmin = " + core::noteNumber(Asmin) + ": the least steel governs";
}

// One column, its inputs and what the design finds for it.
struct Column {
    std::string_view name;            // "C1"
    std::string_view number;          // "1", the suffix of its symbols
    Term P = 0.0, bc = 0.0, tc = 0.0; // load; sides across and along the footing
    Term phiBeam = 0.0;               // bar of the transverse beam under it
    std::string_view beamList;        // the list of its beam's bar diameter
    Term pt = 0.0;                    // load with the footing's own weight
    Term Q = 0.0, M = 0.0;            // shear and moment at its inner face
    bool flush = false;               // the footing ends flush with its outer face
    Term wb = 0.0, nb = 0.0;          // width and bar count of the transverse beam under it
    double left = 0;                  // from the left end of the footing to its left face, cm
};

// One set of bars: the area of a bar and how many of them give the steel required.
struct BarSet {
    Term area = 0.0, count = 0.0;
};

class CombinedDesign
{
public:
    explicit CombinedDesign(const core::DesignRequest &request)
        : texts(request.texts), reader(request.texts, tables::kInputs)
    {}

    core::DesignResult design();

private:
    bool readInputs();
    void loads();
    void layout();
    bool plainConcreteFooting();
    void rcFooting();
    bool beamActions();
    void innerFaceActions(Column &c);
    void depth();
    void oneWayShear();
    bool punchingAt(const Column &c);
    void minimumMesh();
    BarSet barsFor(std::string_view part, std::string_view symbol, const Term &As, const Term &phi,
                   std::string_view footing, std::string_view check);
    void topSteel();
    void bottomSteel();
    void transverseBeam(Column &c, const BeamFields &fields, const DrawnBeam &drawn);
    void bond();
    void quantities();
    void placeColumns();
    std::pair<double, double> beamExtent(const Column &c) const;
    void planSketch();
    void sectionSketch();

    const core::FieldTexts &texts;
    core::FieldReader reader;
    core::Run run;
    const LayoutLabels *at = &kC1FlushLabels;

    // Inputs.
    Term fcu = 0.0, fy = 0.0, qall = 0.0, cover = 0.0, S = 0.0, t1 = 0.0, t = 0.0;
    Term phiTop = 0.0, phiBot = 0.0;
    Column c1, c2;
    // Results the later steps use.
    Term pt = 0.0, qcu = 0.0, Lc = 0.0, Lf = 0.0, L1 = 0.0, B1 = 0.0, L = 0.0, B = 0.0;
    Term qc = 0.0, w = 0.0, Lo = 0.0, Qo = 0.0, Mo = 0.0, Mmax = 0.0;
    Term d = 0.0, h = 0.0, Qmax = 0.0, Asmin = 0.0, nm = 0.0;
    BarSet top, bottom;
};

// The inputs in the order the window lists them; a column too close to the other or a
// thickness within the cover is refused here.
bool CombinedDesign::readInputs()
{
    core::FieldReader &r = reader;
    const Term P1 = r.positive(kInput.load1);
    const Term P2 = r.positive(kInput.load2);
    const Term bc1 = r.positive(kInput.c1Width);
    const Term tc1 = r.positive(kInput.c1Length);
    const Term bc2 = r.positive(kInput.c2Width);
    const Term tc2 = r.positive(kInput.c2Length);
    fcu = r.positive(kInput.fcu);
    fy = r.positive(kInput.fy);
    qall = r.positive(kInput.qall);
    cover = r.positive(kInput.cover);
    // Column centres closer than half the two sides would put one column inside the other.
    const double touching = (tc1.value() + tc2.value()) / kHalfSide;
    S = r.greaterThan(kInput.spacing, touching,
                      core::formatNumber(touching) + " m, half the two column sides together");
    t1 = r.positive(kInput.pcThickness);
    t = r.greaterThan(kInput.rcThickness, cover.value(),
                      "the cover, " + core::formatNumber(cover.value()) + " cm");
    phiTop = r.positive(kInput.topBars);
    phiBot = r.positive(kInput.bottomBars);
    const Term phiB1 = r.positive(kInput.beam1Bars);
    const Term phiB2 = r.positive(kInput.beam2Bars);
    if (r.failed())
        return false;
    c1 = Column{.name = "C1",
                .number = "1",
                .P = P1,
                .bc = bc1,
                .tc = tc1,
                .phiBeam = phiB1,
                .beamList = kInput.beam1Bars};
    c2 = Column{.name = "C2",
                .number = "2",
                .P = P2,
                .bc = bc2,
                .tc = tc2,
                .phiBeam = phiB2,
                .beamList = kInput.beam2Bars};
    run.setInputsRead(r.readControls());
    return true;
}

// The column loads with the footing's own weight, and the concrete's shear strength.
void CombinedDesign::loads()
{
    run.heading("Loads");
    for (Column *c : {&c1, &c2}) {
        c->pt = run.step("pt" + std::string(c->number), rc::totalLoad(c->P), "t",
                         "the ultimate column load with 10 % for the footing and the soil on it");
    }
    pt = run.step("pt", c1.pt + c2.pt, "t");
    run.heading("Concrete strength");
    qcu = run.step("qcu", rc::shearStrength(fcu), "kg/cm2", "the one-way shear strength");
}

// The footing is centred under the resultant of the loads with one end flush with the outer
// face of C1, unless that footing would stop short of the outer face of C2; then it ends
// flush with C2 and projects beyond C1.
void CombinedDesign::layout()
{
    run.heading("Layout");
    const Term xr = run.step("xr", c2.pt * S / pt, "m", "from the centre of C1 to the resultant");
    Lc = run.step("Lc", S + c1.tc / kHalfSide + c2.tc / kHalfSide, "m",
                  "from the outer face of C1 to the outer face of C2");
    const Term Lf1 = run.step("Lf(C1 flush)", 2.0 * (xr + c1.tc / kHalfSide), "m",
                              "a footing under the resultant, flush with the outer face of C1");
    c1.flush = !(Lf1.value() < Lc.value());
    c2.flush = !c1.flush;
    if (c1.flush) {
        Lf =
            run.step("Lf", Lf1, "m",
                     "Lf(C1 flush) = " + core::noteNumber(Lf1) + " ≥ Lc = " + core::noteNumber(Lc) +
                         ": the footing reaches C2, ends flush with C1 and projects beyond C2");
    } else {
        Lf =
            run.step("Lf", 2.0 * ((S - xr) + c2.tc / kHalfSide), "m",
                     "Lf(C1 flush) = " + core::noteNumber(Lf1) + " < Lc = " + core::noteNumber(Lc) +
                         ": that footing stops short of C2, so it ends flush with the outer "
                         "face of C2 and projects beyond C1");
    }
    run.note("layout", c1.flush ? 1 : 2);
    at = c1.flush ? &kC1FlushLabels : &kC2FlushLabels;
    run.show(at->shown.diagrams);
    run.show(at->shown.section);
    run.hide(at->hidden.diagrams);
    run.hide(at->hidden.section);
}

// The PC footing carries the working load on qall; each side is raised to the next 5 cm.
bool CombinedDesign::plainConcreteFooting()
{
    run.heading("Plain-concrete footing");
    const Term Apc = run.step("Apc", rc::pcAreaOfUltimateLoad(rc::kKgPerTonne * pt, qall), "cm2",
                              "the working load pt / 1.5 over qall");
    L1 = run.step("L1", up5(kCm * Lf), "cm", "the next 5 cm above the footing length Lf");
    B1 = run.step("B1", up5(Apc / L1), "cm", "the next 5 cm above Apc / L1");
    if (!(B1.value() > rc::kPcProjection)) {
        reader.refuse(kInput.qall, "The PC footing comes out only " +
                                       core::formatNumber(B1.value() / kCm) +
                                       " m wide, and the RC footing must be 60 cm narrower than "
                                       "it. Lower " +
                                       reader.quoted(kInput.qall) + " or raise the column loads.");
        return false;
    }
    const Term Pw = run.step("Pw", rc::workingLoad(pt), "t", "the working load on the soil");
    const Term qs = run.step("qs", rc::kKgPerTonne * Pw / (L1 * B1), "kg/cm2",
                             "the soil pressure under the PC footing");
    run.check(rc::compare("Footing", "Bearing", qs, qall, "kg/cm2"));
    run.setNumber(kFields.pcLength, L1 / kCm);
    run.setNumber(kFields.pcWidth, B1 / kCm);
    run.setNumber(kFields.pcThickness, t1 / kCm);
    return true;
}

// The RC footing is as long as the PC footing and 30 cm inside it on each side; the net
// soil pressure under it is the ultimate load over its area.
void CombinedDesign::rcFooting()
{
    run.heading("RC footing");
    L = run.step("L", L1, "cm", "as long as the PC footing");
    B = run.step("B", rc::rcSide(B1), "cm", "30 cm inside the PC footing on each side");
    run.setNumber(kFields.rcLength, L / kCm);
    run.setNumber(kFields.rcWidth, B / kCm);
    for (const Column *c : {&c1, &c2}) {
        if (c->bc.value() > B.value()) {
            run.warn({"Footing",
                      "The RC footing, B = " + core::noteNumber(B) + " cm, is narrower than " +
                          std::string(c->name) + ", " + core::noteNumber(c->bc) +
                          " cm: the column overhangs its sides and the beam under it has no "
                          "cantilever to carry.",
                      {std::string(kFields.rcWidth),
                       std::string(c == &c1 ? kInput.c1Width : kInput.c2Width)}});
        }
    }
    run.heading("Soil pressure");
    qc = run.step("qc", kCm2 * pt / (L * B), "t/m2", "net ultimate pressure under the RC footing");
    w = run.step("w", qc * B / kCm, "t/m", "the pressure over the width B, per metre of length");
}

// Shear and moment at the inner face of a column: from the flush end over the column, or
// from the projecting end over the overhang and the column. The load acts at its centre.
void CombinedDesign::innerFaceActions(Column &c)
{
    const std::string n(c.number);
    const Term Q = c.flush ? c.pt - w * c.tc / kCm : c.pt - w * (Lo + c.tc / kCm);
    const Term M = c.flush ? c.pt * c.tc / kHalfSide - w * square(c.tc) / kHalfSquare
                           : c.pt * c.tc / kHalfSide - w * square(Lo + c.tc / kCm) / 2.0;
    const std::string from = c.flush ? "from the end flush with " + std::string(c.name)
                                     : "from the end projecting beyond " + std::string(c.name);
    c.Q = run.step("Q" + n, Q, "t", "inner face of " + std::string(c.name) + ", " + from);
    c.M = run.step("M" + n, M, "t.m", "inner face of " + std::string(c.name) + ", " + from);
}

// Shear forces and moments along the footing; the largest moment between the columns must
// sag, or the soil under the flush column outweighs its load.
bool CombinedDesign::beamActions()
{
    run.heading("Beam actions");
    const Column &overhang = c1.flush ? c2 : c1;
    const Column &flush = c1.flush ? c1 : c2;
    Lo = run.step("Lo", L / kCm - Lc, "m",
                  "the overhang beyond the outer face of " + std::string(overhang.name));
    innerFaceActions(c1);
    innerFaceActions(c2);
    const std::string outer = "outer face of " + std::string(overhang.name);
    Qo = run.step("Qo", w * Lo, "t", outer);
    Mo = run.step("Mo", w * square(Lo) / 2.0, "t.m", outer);
    const Term x0 = run.step("x0", flush.pt / w, "m",
                             "zero shear, from the end flush with " + std::string(flush.name));
    Mmax = run.step("Mmax", flush.pt * (x0 - flush.tc / kHalfSide) - w * square(x0) / 2.0, "t.m",
                    "the largest moment between the columns, at x0");
    if (Mmax.value() < 0) {
        const std::string_view load = c1.flush ? kInput.load1 : kInput.load2;
        const std::string_view side = c1.flush ? kInput.c1Length : kInput.c2Length;
        reader.refuse(load, "The largest moment between the columns comes out negative (" +
                                core::formatNumber(core::roundHalfEven(Mmax.value(), 2)) +
                                " t.m): the soil pressure under the column flush with the end "
                                "outweighs its load. Raise " +
                                reader.quoted(load) + " or lower " + reader.quoted(side) + ".");
        return false;
    }
    const std::array<std::pair<std::string_view, Term>, 7> shown{{{at->Q1, c1.Q},
                                                                  {at->Q2, c2.Q},
                                                                  {at->Qo, Qo},
                                                                  {at->M1, c1.M},
                                                                  {at->Mmax, Mmax},
                                                                  {at->M2, c2.M},
                                                                  {at->Mo, Mo}}};
    for (const auto &[label, value] : shown)
        run.setNumber(label, core::roundHalfEven(value.value(), 2));
    return true;
}

// The depth for Mmax, raised to the next 5 cm; the assumed thickness stands when it holds it.
void CombinedDesign::depth()
{
    run.heading("Depth");
    const Term dreq = run.step("dreq", rc::requiredDepth(Mmax * rc::kKgCmPerTonneMetre, fcu, B),
                               "cm", "for Mmax in kg.cm over the width B");
    const Term dr = run.step("dr", up5(dreq), "cm", "the next 5 cm above dreq");
    const rc::Depth choice = rc::chooseDepth(dr, t, cover);
    const std::string room = core::noteNumber(t - cover);
    d = run.step("d", choice.d, "cm",
                 choice.assumedStands ? "dr = " + core::noteNumber(dr) + " ≤ t − cover = " + room +
                                            ": the assumed thickness stands"
                                      : "dr = " + core::noteNumber(dr) + " > t − cover = " + room +
                                            ": the depth is dr");
    h = run.step("h", choice.thickness, "cm", "the thickness of the RC footing");
    run.setNumber(kFields.rcThickness, h / kCm);
    run.check(rc::compare("Footing", "Depth", dreq, d, "cm"));
}

// One-way shear at d / 2 from the inner face of the column with the larger shear.
void CombinedDesign::oneWayShear()
{
    run.heading("One-way shear");
    const bool atC1 = !(c1.Q.value() < c2.Q.value());
    Qmax = run.step("Qmax", max(c1.Q, c2.Q), "t",
                    atC1 ? "Q1 = " + core::noteNumber(c1.Q) + " ≥ Q2 = " + core::noteNumber(c2.Q) +
                               ": C1 governs"
                         : "Q2 = " + core::noteNumber(c2.Q) + " > Q1 = " + core::noteNumber(c1.Q) +
                               ": C2 governs");
    const Term Qd = run.step("Qd", Qmax - w * d / kHalfSide, "t", "at d / 2 from the column face");
    const Term qsh = run.step("qsh", rc::beamShearStress(rc::kKgPerTonne * Qd, B, d), "kg/cm2");
    const core::Check check =
        rc::compare("Footing", "One-way shear", qsh, qcu, "kg/cm2", kFields.shearCheck);
    const bool safe = check.outcome == core::Check::Outcome::Pass;
    run.check(check);
    run.setText(kFields.shearCheck, safe ? core::check::kSafeShear : core::check::kUnsafeShear);
}

// Punching of one column on the section at d / 2 from its faces, cut short by the end of the
// footing where the column is flush with it or its overhang is shorter than d / 2. The
// perimeter counts the four sides of the section.
bool CombinedDesign::punchingAt(const Column &c)
{
    const std::string of = "(" + std::string(c.name) + ")";
    int section = 1;
    Term a = c.tc + d / 2.0;
    std::string why = std::string(c.name) + " is flush with the end: tc + d / 2 along the footing";
    if (!c.flush && d.value() / 2 < kCm * Lo.value()) {
        section = 2;
        a = c.tc + d;
        why = "d / 2 = " + core::noteNumber(d / 2.0) + " < 100 Lo = " + core::noteNumber(kCm * Lo) +
              ": the whole section";
    } else if (!c.flush) {
        section = 3;
        a = c.tc + d / 2.0 + kCm * Lo;
        why = "d / 2 = " + core::noteNumber(d / 2.0) + " ≥ 100 Lo = " + core::noteNumber(kCm * Lo) +
              ": the section stops at the end of the overhang";
    }
    run.note("section" + of, section);
    const Term side = run.step("a" + of, a, "cm", why);
    const Term Ap = run.step("Ap" + of, side * (c.bc + d) / kCm2, "m2", "area inside the section");
    const Term per = run.step("per" + of, 2.0 * (side + (c.bc + d)), "cm");
    const Term Qp = run.step("Qp" + of, c.pt - qc * Ap, "t");
    const Term qp = run.step("qp" + of, rc::kKgPerTonne * Qp / (per * d), "kg/cm2");
    const Term q1 = run.step("qcup1" + of, rc::punchingPerimeterRule(d, per, fcu), "kg/cm2");
    const Term q2 = run.step("qcup2" + of, rc::punchingShapeRule(c.tc, c.bc, fcu), "kg/cm2");
    const Term q3 = run.step("qcup3" + of, rc::punchingRoot(fcu), "kg/cm2");
    const rc::PunchingRule rule = rc::governingPunchingRule(q1, q2, q3);
    const Term &least = rule == rc::PunchingRule::Perimeter ? q1
                        : rule == rc::PunchingRule::Shape   ? q2
                                                            : q3;
    const std::string governs =
        std::string(rc::punchingRuleSymbol(rule)) + " = " + core::noteNumber(least);
    const Term qcup = run.step("qcup" + of, rc::punchingStrength(q1, q2, q3), "kg/cm2",
                               governs + " is the least");
    const core::Check check = rc::compare("Footing, " + std::string(c.name), "Punching", qp, qcup,
                                          "kg/cm2", kFields.punchingCheck);
    run.check(check);
    return check.outcome == core::Check::Outcome::Pass;
}

// The bars of one set for the steel required, and the check of the steel they provide.
BarSet CombinedDesign::barsFor(std::string_view part, std::string_view symbol, const Term &As,
                               const Term &phi, std::string_view footing, std::string_view check)
{
    BarSet bars;
    bars.area = run.step("a" + std::string(symbol), rc::barArea(phi), "cm2",
                         "one bar of the " + std::string(part));
    bars.count = run.step("n" + std::string(symbol), rc::barCount(As, bars.area), "",
                          "bars of the " + std::string(part) + ", one more than the area needs");
    run.check(rc::compare(footing, check, As, bars.count * bars.area, "cm2"));
    return bars;
}

// The least mesh of 12 mm bars per metre, top and bottom.
void CombinedDesign::minimumMesh()
{
    run.heading("Minimum mesh");
    const Term least = rc::minimumSteelPerMetre(d);
    const Term Asm =
        run.step("Asm", rc::meshSteel(rc::minimumMeshPerMetre(), least), "cm2/m",
                 least.value() > rc::kMinMeshPerMetre
                     ? "0.2 d = " + core::noteNumber(least) + " > 6.78: 0.2 % of the section"
                     : "0.2 d = " + core::noteNumber(least) + " ≤ 6.78: the least mesh governs");
    const Term a12 = run.step("a12", rc::barArea(kMeshBar), "cm2", "one 12 mm bar");
    nm = run.step("nm", rc::barCount(Asm, a12), "", "12 mm bars per metre");
    run.check(rc::compare("Footing", "Steel, minimum mesh", Asm, nm * a12, "cm2/m"));
    for (std::string_view count : kFields.meshCounts)
        run.setNumber(count, nm);
    for (std::string_view diameter : kFields.meshDiameters)
        run.setText(diameter, kMeshText);
}

// The top bars along the footing carry the largest moment between the columns.
void CombinedDesign::topSteel()
{
    run.heading("Steel, top");
    const Term As = run.step("As(top)", rc::steelArea(Mmax * rc::kKgCmPerTonneMetre, fy, d), "cm2",
                             "for Mmax in kg.cm");
    Asmin = run.step("Asmin", rc::minimumSteel(d, B), "cm2", "0.2 % of the section d × B");
    const Term Astop = run.step("Astop", max(As, Asmin), "cm2", governing("As(top)", As, Asmin));
    top = barsFor("top", "top", Astop, phiTop, "Footing", "Steel, top");
    run.setNumber(kFields.topArea, core::roundHalfEven(Astop.value(), 2));
    run.setNumber(kFields.topCount, top.count);
    for (std::string_view count : kFields.topCounts)
        run.setNumber(count, top.count);
    for (std::string_view diameter : kFields.topDiameters)
        run.setText(diameter, texts.at(std::string(kInput.topBars)));
}

// The bottom bars along the footing carry the moment at the outer face of the overhang.
void CombinedDesign::bottomSteel()
{
    run.heading("Steel, bottom");
    const Term As = run.step("As(bottom)", rc::steelArea(Mo * rc::kKgCmPerTonneMetre, fy, d), "cm2",
                             "for Mo in kg.cm");
    const Term Asbot = run.step("Asbot", max(As, Asmin), "cm2", governing("As(bottom)", As, Asmin));
    bottom = barsFor("bottom", "bot", Asbot, phiBot, "Footing", "Steel, bottom");
    run.setNumber(kFields.bottomArea, core::roundHalfEven(Asbot.value(), 2));
    run.setNumber(kFields.bottomCount, bottom.count);
    for (std::string_view count : kFields.bottomCounts)
        run.setNumber(count, bottom.count);
    for (std::string_view diameter : kFields.bottomDiameters)
        run.setText(diameter, texts.at(std::string(kInput.bottomBars)));
}

// A transverse beam under a column carries the column load across the width of the footing
// as two cantilevers from the column faces. It is the column side wide with d on each side,
// or on its inner side only where the footing ends flush with the column.
void CombinedDesign::transverseBeam(Column &c, const BeamFields &fields, const DrawnBeam &drawn)
{
    const std::string n(c.number);
    run.heading("Transverse beam under " + std::string(c.name));
    c.wb = run.step("wb" + n, c.flush ? c.tc + d : c.tc + 2.0 * d, "cm",
                    c.flush ? "flush with the end: d on the inner side only"
                            : "d on each side of the column");
    const Term pb = run.step("pb" + n, kCm * c.pt / B, "t/m", "the column load over the width B");
    const Term Mb = run.step("Mb" + n, pb * square((B - c.bc) / kCm) / 8.0, "t.m",
                             "two cantilevers of (B − bc) / 2 at the column faces");
    const Term As = run.step("Asbeam" + n, rc::steelArea(Mb * rc::kKgCmPerTonneMetre, fy, d), "cm2",
                             "for Mb in kg.cm, with no least steel");
    const BarSet bars = barsFor("beam under " + std::string(c.name), "b" + n, As, c.phiBeam,
                                "Transverse beam under " + std::string(c.name), "Steel");
    c.nb = bars.count;
    run.setNumber(fields.width, c.wb / kCm);
    run.setNumber(drawn.width, c.wb / kCm);
    run.setNumber(fields.area, core::roundHalfEven(As.value(), 2));
    run.setNumber(fields.count, bars.count);
    run.setNumber(drawn.count, bars.count);
    run.setText(drawn.diameter, texts.at(std::string(c.beamList)));
}

// Flexural bond on the top bars for the larger shear at a column face.
void CombinedDesign::bond()
{
    run.heading("Bond");
    const Term so =
        run.step("so", rc::barPerimeter(phiTop, top.count), "cm", "the perimeter of the top bars");
    const Term qb = run.step("qb", rc::bondStress(rc::kKgPerTonne * Qmax, d, so), "kg/cm2");
    const bool mild = fy.value() == rc::kMildSteelFy;
    const Term allowed =
        run.step("qb allowed", Term(rc::bondLimit(fy.value())), "kg/cm2",
                 mild ? "fy = 2400: mild steel"
                      : "fy = " + core::noteNumber(fy) + " ≠ 2400: high-tensile steel");
    const core::Check check =
        rc::compare("Footing", "Flexural bond", qb, allowed, "kg/cm2", kFields.bondCheck);
    const bool safe = check.outcome == core::Check::Outcome::Pass;
    run.check(check);
    run.setText(kFields.bondCheck, safe ? core::check::kSafeBond : core::check::kUnsafeBond);
}

// The concrete and the bar schedule of the footing.
void CombinedDesign::quantities()
{
    const double Lm = L.value() / kCm, Bm = B.value() / kCm;
    run.concrete({"Footing", "PC footing", L1.value() / kCm, B1.value() / kCm, t1.value() / kCm});
    run.concrete({"Footing", "RC footing", Lm, Bm, h.value() / kCm});
    run.assume("The transverse beams are strips of the RC footing under the columns, as thick as "
               "the footing: they add no concrete of their own and have no stirrups.");
    run.assume("Straight bars are the footing's dimension less the cover at each end: L − 2 × "
               "cover along the footing, B − 2 × cover across it.");
    run.assume("The mesh of 12 mm bars runs across the footing, top and bottom, over its whole "
               "length: nm × L / 100 bars in each layer, rounded up to whole bars.");
    const double along = (L.value() - 2 * cover.value()) / kCm;
    const double across = (B.value() - 2 * cover.value()) / kCm;
    const double meshCount = std::ceil(nm.value() * Lm);
    using Line = core::BarLine;
    run.bars(Line{"Footing", "1", "along the footing, top", phiTop.value(), "straight",
                  top.count.value(), along});
    run.bars(Line{"Footing", "2", "along the footing, bottom", phiBot.value(), "straight",
                  bottom.count.value(), along});
    run.bars(Line{"Footing", "3", "mesh across the footing, top", kMeshBar, "straight", meshCount,
                  across});
    run.bars(Line{"Footing", "4", "mesh across the footing, bottom", kMeshBar, "straight",
                  meshCount, across});
    for (const Column *c : {&c1, &c2}) {
        run.bars(Line{"Transverse beam under " + std::string(c->name), "1",
                      "across the footing, bottom", c->phiBeam.value(), "straight", c->nb.value(),
                      across});
    }
}

// Where the columns stand along the footing, from its left end, for the sketches.
void CombinedDesign::placeColumns()
{
    const double span = kCm * S.value();
    c1.left = 0;
    c2.left = c1.tc.value() / 2 + span - c2.tc.value() / 2;
    if (c2.flush) {
        c2.left = L.value() - c2.tc.value();
        c1.left = c2.left + c2.tc.value() / 2 - span - c1.tc.value() / 2;
    }
}

// Where the transverse beam under a column lies along the footing, from its left end (cm).
// A beam d beyond an overhang shorter than d is drawn to the end of the footing.
std::pair<double, double> CombinedDesign::beamExtent(const Column &c) const
{
    double from = c.left - d.value();
    if (c.flush)
        from = &c == &c1 ? 0.0 : L.value() - c.wb.value();
    return {std::max(from, 0.0), std::min(from + c.wb.value(), L.value())};
}

// The plan: PC and RC footings, the columns, the transverse beams and the bars.
void CombinedDesign::planSketch()
{
    using Shape = core::SketchShape;
    using K = Shape::Kind;
    const double Lv = L.value(), Bv = B.value();
    const double edge = (B1.value() - Bv) / 2;
    core::Sketch plan{"Footing, plan", {}};
    plan.shapes.push_back({K::PlainConcrete, 0, -edge, L1.value(), Bv + edge, "PC footing"});
    plan.shapes.push_back({K::ReinforcedConcrete, 0, 0, Lv, Bv, "RC footing"});
    for (const Column *c : {&c1, &c2}) {
        const double x1 = c->left, x2 = c->left + c->tc.value();
        const auto [from, to] = beamExtent(*c);
        plan.shapes.push_back({K::Beam, from, 0, to, Bv, "beam under " + std::string(c->name)});
        plan.shapes.push_back({K::Column, x1, (Bv - c->bc.value()) / 2, x2,
                               (Bv + c->bc.value()) / 2, std::string(c->name)});
        const double mid = (from + to) / 2;
        plan.shapes.push_back({K::Bars, mid, cover.value(), mid, Bv - cover.value(),
                               core::barsText(c->nb.value(), c->phiBeam.value())});
    }
    const double inner = cover.value();
    plan.shapes.push_back({K::Bars, inner, Bv / 4, Lv - inner, Bv / 4,
                           core::barsText(top.count.value(), phiTop.value()) + " top"});
    plan.shapes.push_back({K::Bars, inner, 3 * Bv / 4, Lv - inner, 3 * Bv / 4,
                           core::barsText(bottom.count.value(), phiBot.value()) + " bottom"});
    const double c1Centre = c1.left + c1.tc.value() / 2, c2Centre = c2.left + c2.tc.value() / 2;
    plan.shapes.push_back({K::Bars, (c1Centre + c2Centre) / 2, inner, (c1Centre + c2Centre) / 2,
                           Bv - inner,
                           core::barsText(nm.value(), kMeshBar) + " / m, top and bottom"});
    plan.shapes.push_back({K::Dimension, 0, Bv + edge + 40, Lv, Bv + edge + 40, core::metres(Lv)});
    plan.shapes.push_back({K::Dimension, -edge - 40, 0, -edge - 40, Bv, core::metres(Bv)});
    plan.shapes.push_back(
        {K::Dimension, -edge - 80, -edge, -edge - 80, Bv + edge, core::metres(B1.value())});
    plan.shapes.push_back(
        {K::Dimension, c1Centre, -edge - 40, c2Centre, -edge - 40, core::metres(kCm * S.value())});
    run.sketch(std::move(plan));
}

// The section along the footing: RC on its PC blinding, the columns, the beams and the bars.
void CombinedDesign::sectionSketch()
{
    using Shape = core::SketchShape;
    using K = Shape::Kind;
    const double Lv = L.value(), hv = h.value(), cv = cover.value();
    core::Sketch section{"Footing, section along its length", {}};
    section.shapes.push_back({K::ReinforcedConcrete, 0, 0, Lv, hv, "RC footing"});
    section.shapes.push_back({K::PlainConcrete, 0, hv, L1.value(), hv + t1.value(), "PC footing"});
    for (const Column *c : {&c1, &c2}) {
        const double x1 = c->left, x2 = c->left + c->tc.value();
        const auto [from, to] = beamExtent(*c);
        section.shapes.push_back({K::Column, x1, -60, x2, 0, std::string(c->name)});
        section.shapes.push_back(
            {K::Beam, from, 0, to, hv, core::barsText(c->nb.value(), c->phiBeam.value())});
        section.shapes.push_back({K::Dimension, from, hv + t1.value() + 40, to,
                                  hv + t1.value() + 40, core::metres(to - from)});
    }
    section.shapes.push_back(
        {K::Bars, cv, cv, Lv - cv, cv, core::barsText(top.count.value(), phiTop.value())});
    section.shapes.push_back({K::Bars, cv, hv - cv, Lv - cv, hv - cv,
                              core::barsText(bottom.count.value(), phiBot.value())});
    section.shapes.push_back(
        {K::Dimension, 0, hv + t1.value() + 80, Lv, hv + t1.value() + 80, core::metres(Lv)});
    section.shapes.push_back({K::Dimension, Lv + 40, 0, Lv + 40, hv, core::metres(hv)});
    section.shapes.push_back(
        {K::Dimension, Lv + 40, hv, Lv + 40, hv + t1.value(), core::metres(t1.value())});
    run.sketch(std::move(section));
}

core::DesignResult CombinedDesign::design()
{
    if (!readInputs())
        return reader.refused();
    loads();
    layout();
    if (!plainConcreteFooting())
        return reader.refused();
    rcFooting();
    if (!beamActions())
        return reader.refused();
    depth();
    oneWayShear();
    run.heading("Punching");
    const bool c1Safe = punchingAt(c1);
    const bool c2Safe = punchingAt(c2);
    // The one field reports a failure at either column.
    run.setText(kFields.punchingCheck,
                c1Safe && c2Safe ? core::check::kSafePunch : core::check::kUnsafePunch);
    minimumMesh();
    topSteel();
    bottomSteel();
    transverseBeam(c1, kBeamFields[0], at->beams[0]);
    transverseBeam(c2, kBeamFields[1], at->beams[1]);
    bond();
    // Cyan checks in red text; the blink timer takes over the unsafe ones.
    for (std::string_view check : {kFields.shearCheck, kFields.punchingCheck, kFields.bondCheck})
        run.setColours(check, 0x00FFFF, 0xFF0000);

    placeColumns();
    quantities();
    planSketch();
    sectionSketch();
    return core::finish(std::move(run), tables::kInputs);
}

} // namespace

core::DesignResult design(const core::DesignRequest &request)
{
    return CombinedDesign(request).design();
}

const core::DesignWindowInfo &windowInfo()
{
    static const core::DesignWindowInfo window{.command = "combined",
                                               .title = "Design Of Combined Footing",
                                               .controls = tables::kControls,
                                               .inputs = tables::kInputs,
                                               .design = design};
    return window;
}

} // namespace combined

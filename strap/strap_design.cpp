#include "strap/strap_design.h"

#include "core/check_messages.h"
#include "core/notes.h"
#include "core/number_format.h"
#include "rc/rules.h"
#include "strap/strap_tables.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace strap {

namespace {

using core::formatNumber;
using core::roundHalfEven;
using core::Term;
using tables::kInput;

// C1 stands at the property line, so its footing is placed off its centre: the centre of
// footing 1 lies this far (m) beyond the centre line of C1.
constexpr double kEccentricity = 0.75;
Term eccentricity()
{
    return Term::constant("e", kEccentricity);
}
// Unit changes of the strap's actions: a length in cm, halved and taken in m (tc1 / 200); the
// moment of a line load in t/m over a length in cm, in t.m (w L² / 20000); a soil pressure in
// kg/cm2 over a width in cm, as a line load in t/m (qc B / 10).
constexpr double kHalfInMetres = 2 * rc::kCmPerMetre;
constexpr double kHalfSquareInMetres = 2 * rc::kCmPerMetre * rc::kCmPerMetre;
constexpr double kLineLoadDivisor = rc::kKgPerTonne / rc::kCmPerMetre;
// The strap's other face carries at least this share of its main steel.
constexpr double kOtherFaceShare = 0.3;
// Where the concrete alone carries the strap's shear, nominal stirrups: six of 8 mm a metre.
constexpr double kNominalStirrups = 6;
constexpr double kStirrupDiameter = 8;
// Where stirrups are needed the concrete keeps half its shear strength and the stirrups carry
// the rest; a stirrup of two 8 mm legs (about 1 cm2) of mild steel takes 2400 kg.
constexpr double kConcreteShareWithStirrups = 0.5;
constexpr double kStirrupForce = rc::kMildSteelFy;
// The side bars of the strap, as the reinforcement drawing shows them: three rows of two.
constexpr double kSideBars = 6;
constexpr double kSideBarDiameter = 12;

double cm2m(double cm)
{
    return cm / rc::kCmPerMetre;
}

Term cm2m(const Term &cm)
{
    return cm / rc::kCmPerMetre;
}

// Why min(a, b) is what it is, in numbers, with what each side governing means.
std::string lesser(const Term &a, std::string_view aMeans, const Term &b, std::string_view bMeans)
{
    if (b.value() < a.value())
        return core::shown(b) + " < " + core::shown(a) + ": " + std::string(bMeans);
    return core::shown(a) + " ≤ " + core::shown(b) + ": " + std::string(aMeans);
}

// Why max(a, b) is what it is, in numbers, with what each side governing means.
std::string greater(const Term &a, std::string_view aMeans, const Term &b, std::string_view bMeans)
{
    if (a.value() < b.value())
        return core::shown(b) + " > " + core::shown(a) + ": " + std::string(bMeans);
    return core::shown(a) + " ≥ " + core::shown(b) + ": " + std::string(aMeans);
}

// Where one footing's results go, and which lists its drawing echoes.
struct FootingFields {
    std::string_view title; // the message-box title and the footing of its checks
    std::string_view tag;   // suffix of its symbols: "qc (1)"
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
    .firstDiameterList = kInput.footing1MainBars,
    .secondDiameter = "Label112",
    .secondDiameterList = kInput.footing1SecondaryBars,
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
    .firstDiameterList = kInput.footing2SecondaryBars,
    .secondDiameter = "Label126",
    .secondDiameterList = kInput.footing2MainBars,
};

// Where the strap beam's results go: the values on the shear and moment diagrams, the beam's
// size and steel, and the marks of the reinforcement drawing and its section.
struct StrapFields {
    std::string_view shearAtC1, shearAtFooting1End, shearAtFooting2End, shearAtC2Inner,
        shearAtC2Outer;
    std::string_view momentAtC1, momentAtFooting1End, momentAtFooting2End, momentAtC2Inner,
        momentAtC2Outer, largestMoment;
    std::string_view thickness, width, mainArea, mainCount;
    std::string_view drawnMainCount, drawnMainDiameter, sectionMainCount, drawnOtherDiameter;
    std::string_view stirrupsPerMetre, stirrupDiameter, drawnOtherCount, sectionOtherCount;
};

constexpr StrapFields kStrap{
    .shearAtC1 = "Label76",
    .shearAtFooting1End = "Label77",
    .shearAtFooting2End = "Label78",
    .shearAtC2Inner = "Label79",
    .shearAtC2Outer = "Label80",
    .momentAtC1 = "Label81",
    .momentAtFooting1End = "Label84",
    .momentAtFooting2End = "Label83",
    .momentAtC2Inner = "Label86",
    .momentAtC2Outer = "Label85",
    .largestMoment = "Label82",
    .thickness = "Label68",
    .width = "Label67",
    .mainArea = "Label71",
    .mainCount = "Label73",
    .drawnMainCount = "Label107",
    .drawnMainDiameter = "Label108",
    .sectionMainCount = "Label121",
    .drawnOtherDiameter = "Label114",
    .stirrupsPerMetre = "Label127",
    .stirrupDiameter = "Label128",
    .drawnOtherCount = "Label113",
    .sectionOtherCount = "Label122",
};

constexpr std::string_view kStrapBeam = "Strap beam";

// One footing as designed: what the strap beam, the quantities and the sketch need of it.
struct Footing {
    Term L1 = 0.0, B1 = 0.0;        // PC footing, cm
    Term L = 0.0, B = 0.0, h = 0.0; // RC footing along and across the strap, thickness, cm
    Term qc = 0.0;                  // net ultimate soil pressure, kg/cm2
    Term nMain = 0.0, nSecondary = 0.0;
    Term phiMain = 0.0, phiSecondary = 0.0;
};

// The strap beam as designed.
struct Beam {
    Term d = 0.0, h = 0.0; // effective depth and thickness, cm
    Term a5 = 0.0;         // area of one bar, cm2
    Term nMain = 0.0, nOther = 0.0, stirrupsPerMetre = 0.0;
};

using Shape = core::SketchShape;

// One footing in the plan: its PC and RC outlines about their centre x, the sizes outside them
// (B on the side `outwards`, -1 or +1), its bars and its name.
void footingPlan(core::Sketch &plan, const Footing &f, double x, double outwards, double cover,
                 std::string_view title)
{
    const double L1 = f.L1.value(), B1 = f.B1.value(), L = f.L.value(), B = f.B.value();
    const double side = x + outwards * (L1 / 2 + 40);
    plan.shapes.push_back({Shape::Kind::PlainConcrete, x - L1 / 2, -B1 / 2, x + L1 / 2, B1 / 2});
    plan.shapes.push_back({Shape::Kind::ReinforcedConcrete, x - L / 2, -B / 2, x + L / 2, B / 2});
    plan.shapes.push_back({Shape::Kind::Dimension, x - L1 / 2, B1 / 2 + 40, x + L1 / 2, B1 / 2 + 40,
                           core::metres(L1)});
    plan.shapes.push_back({Shape::Kind::Dimension, side, -B1 / 2, side, B1 / 2, core::metres(B1)});
    if (L != L1)
        plan.shapes.push_back({Shape::Kind::Dimension, x - L / 2, B1 / 2 + 80, x + L / 2,
                               B1 / 2 + 80, core::metres(L)});
    plan.shapes.push_back({Shape::Kind::Dimension, side + outwards * 40, -B / 2,
                           side + outwards * 40, B / 2, core::metres(B)});
    // Main bars across the strap, a quarter along; secondary bars along it, a quarter across.
    plan.shapes.push_back({Shape::Kind::Bars, x - L / 4, -B / 2 + cover, x - L / 4, B / 2 - cover,
                           core::barsText(f.nMain, f.phiMain)});
    plan.shapes.push_back({Shape::Kind::Bars, x - L / 2 + cover, B / 4, x + L / 2 - cover, B / 4,
                           core::barsText(f.nSecondary, f.phiSecondary)});
    plan.shapes.push_back({Shape::Kind::Text, x - L1 / 2, -B1 / 2 - 30, 0, 0, std::string(title)});
}

// The inputs, each a term named by its symbol.
struct Inputs {
    Term P1 = 0.0, P2 = 0.0, bc1 = 0.0, tc1 = 0.0, bc2 = 0.0, tc2 = 0.0;
    Term tpc = 0.0, trc = 0.0, tsb = 0.0, cover = 0.0, fcu = 0.0, fy = 0.0, qall = 0.0, S = 0.0;
    Term phi1 = 0.0, phi2 = 0.0, phi3 = 0.0, phi4 = 0.0, phi5 = 0.0;
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
    bool refuse(std::string_view control, std::string message)
    {
        m_reader.refuse(control, std::move(message));
        return false;
    }
    std::string q(std::string_view control) const { return m_reader.quoted(control); }
    void heading(const FootingFields &f, std::string_view title)
    {
        m_run.heading(std::string(f.title) + ": " + std::string(title));
    }
    Term step(const FootingFields &f, std::string_view symbol, const Term &value,
              std::string_view unit, std::string_view note = {})
    {
        return m_run.step(std::string(symbol) + std::string(f.tag), value, unit, note);
    }

    void commonValues();
    bool footingOne(Footing &out);
    bool footingTwo(Footing &out);
    void bearing(const FootingFields &f, const Term &R, const Footing &footing);
    bool checkWidth(const FootingFields &f, std::string_view load, const Term &B);
    void writeSizes(const FootingFields &f, const Footing &footing);
    void designFooting(const FootingFields &f, const Term &R, Footing &footing);
    rc::Depth chosenDepth(std::string_view owner, std::string_view tag, const Term &dreq,
                          const Term &assumed);
    Term footingDepth(const FootingFields &f, const Term &M, Footing &footing);
    void oneWayShear(const FootingFields &f, const Term &qc, const Term &c, const Term &d,
                     const Term &L);
    void punching(const FootingFields &f, const Term &qc, const Term &d, const Footing &footing);
    void footingSteel(const FootingFields &f, const Term &M, const Term &d, Footing &footing);
    void bond(const FootingFields &f, const Term &c, const Term &d, const Footing &footing);
    void footingQuantities(const FootingFields &f, const Footing &footing);

    bool strapBeam(const Footing &f1, const Footing &f2, Beam &beam);
    Term shears(const Footing &f1, const Footing &f2, const Term &w1, const Term &w2);
    void moments(const Footing &f1, const Footing &f2, const Term &w1, const Term &w2);
    bool largestMoment(const Term &w1, Term &Mmax);
    void beamDepth(const Term &Mmax, Beam &beam);
    Term mainSteel(const Term &Mmax, Beam &beam);
    void stirrups(const Term &shearAtC1, const Term &w1, Beam &beam);
    void otherFaceSteel(const Term &Ast, Beam &beam);
    double strapLength() const;
    void strapQuantities(const Beam &beam);
    void overlapWarning(const Footing &f1, const Footing &f2);
    void assumptions();
    void sketches(const Footing &f1, const Footing &f2, const Beam &beam);

    const core::FieldTexts &m_texts;
    core::FieldReader &m_reader;
    core::Run m_run;
    Inputs in{};
    Term bs = 0.0, qcu = 0.0, qbu = 0.0, pt1 = 0.0, pt2 = 0.0, R1 = 0.0, R2 = 0.0;
};

bool StrapDesign::read()
{
    core::FieldReader &r = m_reader;
    in.P1 = r.positive(kInput.load1);
    in.P2 = r.positive(kInput.load2);
    in.bc1 = r.positive(kInput.c1Width);
    in.tc1 = r.positive(kInput.c1Length);
    in.bc2 = r.positive(kInput.c2Width);
    in.tc2 = r.positive(kInput.c2Length);
    in.tpc = r.positive(kInput.pcThickness);
    in.cover = r.positive(kInput.cover);
    const std::string coverWords = q(kInput.cover) + " (" + formatNumber(in.cover.value()) + ")";
    in.trc = r.greaterThan(kInput.rcThickness, in.cover.value(), coverWords);
    in.tsb = r.greaterThan(kInput.strapThickness, in.cover.value(), coverWords);
    in.fcu = r.positive(kInput.fcu);
    in.fy = r.positive(kInput.fy);
    in.qall = r.positive(kInput.qall);
    in.S = r.greaterThan(kInput.spacing, kEccentricity,
                         formatNumber(kEccentricity) +
                             " m, the distance from the centre of C1 to the centre of its footing");
    in.phi1 = r.positive(kInput.footing1MainBars);
    in.phi2 = r.positive(kInput.footing1SecondaryBars);
    in.phi3 = r.positive(kInput.footing2MainBars);
    in.phi4 = r.positive(kInput.footing2SecondaryBars);
    in.phi5 = r.positive(kInput.strapBars);
    m_run.setInputsRead(r.readControls());
    return !r.failed();
}

bool StrapDesign::run()
{
    commonValues();
    Footing f1, f2;
    Beam beam;
    if (!footingOne(f1) || !footingTwo(f2) || !strapBeam(f1, f2, beam))
        return false;
    strapQuantities(beam);
    overlapWarning(f1, f2);
    assumptions();
    sketches(f1, f2, beam);
    return true;
}

// The strap's width, the concrete strengths, and the soil reactions under the two footings:
// the strap balances the eccentricity of footing 1, so it takes more than C1's load.
void StrapDesign::commonValues()
{
    m_run.heading("Strap width and concrete strengths");
    bs = m_run.step("bs", min(in.bc1, in.bc2), "cm",
                    lesser(in.bc1, "the strap is as wide as C1", in.bc2,
                           "the strap is as wide as C2, the narrower column"));
    qcu = m_run.step("qcu", rc::shearStrength(in.fcu), "kg/cm2", "concrete shear strength");
    const bool mild = in.fy.value() == rc::kMildSteelFy;
    qbu = m_run.step("qbu", rc::bondLimit(in.fy.value()), "kg/cm2",
                     "allowable flexural bond stress: fy = " + core::noteNumber(in.fy) +
                         (mild ? ", mild steel" : ", not mild steel (2400)"));

    m_run.heading("Loads");
    pt1 = m_run.step("pt1", rc::totalLoad(in.P1), "t", "C1's load with the footings' own weight");
    pt2 = m_run.step("pt2", rc::totalLoad(in.P2), "t", "C2's load with the footings' own weight");
    const Term e = eccentricity();
    R1 = m_run.step("R1", pt1 * in.S / (in.S - e), "t",
                    "moments about C2: footing 1's centre lies e = 0.75 m beyond C1's");
    const Term Ptot = m_run.step("Ptot", pt1 + pt2, "t");
    R2 = m_run.step("R2", Ptot - R1, "t", "the rest of the loads");
}

// Footing 1 reaches from the property line e beyond C1's centre line and as far again, so its
// reaction acts at its centre; its width follows from the bearing capacity.
bool StrapDesign::footingOne(Footing &out)
{
    const FootingFields &f = kFooting1;
    heading(f, "Plain-concrete footing");
    const Term e = eccentricity();
    out.L1 = step(f, "L1", (in.tc1 / kHalfInMetres + e) * kHalfInMetres, "cm",
                  "from the property line to e beyond C1's centre, and as far again");
    const Term Apc = step(f, "Apc", rc::pcAreaOfUltimateLoad(R1 * rc::kKgPerTonne, in.qall), "cm2",
                          "area under the working reaction");
    out.B1 = step(f, "B1", up5(Apc / out.L1), "cm", "rounded up to the next 5 cm");
    if (!(out.B1.value() > rc::kPcProjection))
        return refuse(kInput.load1, "The PC footing of Footing -1- comes out only " +
                                        formatNumber(cm2m(out.B1.value())) +
                                        " m wide, so its RC footing (0.6 m narrower) has no width. "
                                        "Raise " +
                                        q(kInput.load1) + " or lower " + q(kInput.qall) + ".");
    bearing(f, R1, out);

    heading(f, "RC footing");
    out.L = step(f, "L", out.L1, "cm", "flush with the PC footing along the strap");
    out.B = step(f, "B", rc::rcSide(out.B1), "cm", "the PC footing projects 30 cm each side");
    if (!checkWidth(f, kInput.load1, out.B))
        return false;
    writeSizes(f, out);
    out.phiMain = in.phi1;
    out.phiSecondary = in.phi2;
    designFooting(f, R1, out);
    return true;
}

// Footing 2 is centred on C2 with equal projections beyond its four faces.
bool StrapDesign::footingTwo(Footing &out)
{
    const FootingFields &f = kFooting2;
    if (!(R2.value() > 0))
        return refuse(kInput.spacing,
                      "The soil reaction under Footing -2- comes out " +
                          formatNumber(roundHalfEven(R2.value(), 2)) +
                          " t, not upwards: the columns are too close for these loads. Raise " +
                          q(kInput.spacing) + " or " + q(kInput.load2) + ".");
    heading(f, "Plain-concrete footing");
    const Term Apc = step(f, "Apc", rc::pcAreaOfUltimateLoad(R2 * rc::kKgPerTonne, in.qall), "cm2",
                          "area under the working reaction");
    const Term k = step(f, "k", in.tc2 - in.bc2, "cm", "C2's long side less its short side");
    const Term Bq = step(f, "Bq", (-k + sqrt(square(k) + 4.0 * Apc)) / 2.0, "cm",
                         "equal projections: the positive root of B (B + k) = Apc");
    out.L1 = step(f, "L1", up5(Apc / up5(Bq)), "cm", "the area over the rounded width, rounded");
    out.B1 = step(f, "B1", up5(Bq), "cm", "rounded up to the next 5 cm");
    if (!(out.B1.value() > rc::kPcProjection && out.L1.value() > rc::kPcProjection))
        return refuse(kInput.load2,
                      "The PC footing of Footing -2- comes out only " +
                          formatNumber(cm2m(out.L1.value())) + " m by " +
                          formatNumber(cm2m(out.B1.value())) +
                          " m, so its RC footing (0.6 m smaller each way) has no area. "
                          "Raise " +
                          q(kInput.load2) + " or lower " + q(kInput.qall) + ".");
    bearing(f, R2, out);

    heading(f, "RC footing");
    out.L = step(f, "L", rc::rcSide(out.L1), "cm", "the PC footing projects 30 cm each side");
    out.B = step(f, "B", rc::rcSide(out.B1), "cm", "the PC footing projects 30 cm each side");
    if (!checkWidth(f, kInput.load2, out.B))
        return false;
    writeSizes(f, out);
    out.phiMain = in.phi3;
    out.phiSecondary = in.phi4;
    designFooting(f, R2, out);
    return true;
}

// The soil pressure under the PC footing from the working reaction, as it was sized.
void StrapDesign::bearing(const FootingFields &f, const Term &R, const Footing &footing)
{
    const Term qpc =
        step(f, "qpc", rc::workingLoad(R) * rc::kKgPerTonne / (footing.L1 * footing.B1), "kg/cm2",
             "working reaction over the PC footing");
    m_run.check(rc::compare(f.title, "Bearing", qpc, in.qall, "kg/cm2"));
}

// The RC footing must be at least as wide as the strap it carries, or it has no projection to
// design.
bool StrapDesign::checkWidth(const FootingFields &f, std::string_view load, const Term &B)
{
    if (B.value() >= bs.value())
        return true;
    return refuse(load, "The RC footing of " + std::string(f.title) + " comes out " +
                            formatNumber(cm2m(B.value())) + " m wide, narrower than the strap (" +
                            formatNumber(cm2m(bs.value())) +
                            " m, the smaller column side b). Raise " + q(load) + " or lower " +
                            q(kInput.qall) + ", or make " + q(kInput.c1Width) + " or " +
                            q(kInput.c2Width) + " smaller.");
}

void StrapDesign::writeSizes(const FootingFields &f, const Footing &footing)
{
    m_run.setNumber(f.pc[0], cm2m(footing.L1));
    m_run.setNumber(f.pc[1], cm2m(footing.B1));
    m_run.setNumber(f.pc[2], cm2m(in.tpc));
    m_run.setNumber(f.rc[0], cm2m(footing.L));
    m_run.setNumber(f.rc[1], cm2m(footing.B));
}

// One RC footing of L along and B across the strap under the reaction R: it cantilevers
// across the strap from the strap's faces.
void StrapDesign::designFooting(const FootingFields &f, const Term &R, Footing &footing)
{
    heading(f, "Soil pressure");
    footing.qc = step(f, "qc", R * rc::kKgPerTonne / (footing.L * footing.B), "kg/cm2",
                      "net ultimate pressure under the RC footing");

    heading(f, "Moments");
    const Term c = step(f, "c", (footing.B - bs) / 2.0, "cm", "projection beyond the strap");
    const Term M = step(f, "M", footing.qc * square(c) * footing.L / 2.0, "kg.cm",
                        "at the strap's face, over the footing's length");

    const Term d = footingDepth(f, M, footing);
    oneWayShear(f, footing.qc, c, d, footing.L);
    punching(f, footing.qc, d, footing);
    footingSteel(f, M, d, footing);
    bond(f, c, d, footing);
    footingQuantities(f, footing);
}

// The depth that stands: the assumed thickness when the rounded required depth fits in it,
// else the rounded depth with the cover added. `owner` names the footing or beam of its check;
// `tag` ends the symbols: "dr (1)", "d strap".
rc::Depth StrapDesign::chosenDepth(std::string_view owner, std::string_view tag, const Term &dreq,
                                   const Term &assumed)
{
    const std::string t(tag);
    rc::Depth depth = rc::chooseDepth(m_run.step("dr" + t, up5(dreq), "cm", "rounded up to 5 cm"),
                                      assumed, in.cover);
    const std::string available =
        assumed.formula() + " − cover = " + core::noteNumber(assumed - in.cover);
    const std::string dr = "dr" + t + " = " + core::noteNumber(depth.dr);
    depth.d = m_run.step("d" + t, depth.d, "cm",
                         depth.assumedStands
                             ? dr + " ≤ " + available + ": the assumed thickness stands"
                             : dr + " > " + available + ": the assumed thickness is too thin");
    depth.thickness = m_run.step("h" + t, depth.thickness, "cm", "total thickness");
    m_run.check(rc::compare(owner, "Depth", dreq, depth.d, "cm"));
    return depth;
}

Term StrapDesign::footingDepth(const FootingFields &f, const Term &M, Footing &footing)
{
    heading(f, "Depth");
    const Term dreq = step(f, "dreq", rc::requiredDepth(M, in.fcu, footing.L), "cm");
    const rc::Depth depth = chosenDepth(f.title, f.tag, dreq, in.trc);
    m_run.setNumber(f.rc[2], cm2m(depth.thickness));
    footing.h = depth.thickness;
    return depth.d;
}

// One-way shear at d / 2 from the strap's face, against the concrete's shear strength. Where
// the projection is no longer than d / 2 the section lies beyond the footing's edge.
void StrapDesign::oneWayShear(const FootingFields &f, const Term &qc, const Term &c, const Term &d,
                              const Term &L)
{
    heading(f, "One-way shear");
    const Term halfDepth = d / 2.0;
    const bool beyondEdge = c.value() - halfDepth.value() <= 0;
    const std::string why = core::shown(c) + " ≤ " + core::shown(halfDepth) +
                            ": the section lies beyond the footing's edge";
    const Term qsh = step(f, "qsh", qc * (c - d / 2.0) * L / (L * d), "kg/cm2",
                          beyondEdge ? why : "at d / 2 from the strap's face");
    core::Check check = beyondEdge
                            ? rc::notApplicable(f.title, "One-way shear", qsh, qcu, "kg/cm2", why)
                            : rc::compare(f.title, "One-way shear", qsh, qcu, "kg/cm2");
    if (check.outcome == core::Check::Outcome::Fail)
        m_run.messageBox(core::check::kUnsafeShear, f.title);
    m_run.check(std::move(check));
}

// Punching on the section d / 2 from both faces of the strap, along the footing's length;
// where the strap and d take the footing's whole width there is no section.
void StrapDesign::punching(const FootingFields &f, const Term &qc, const Term &d,
                           const Footing &footing)
{
    const Term &L = footing.L, &B = footing.B;
    heading(f, "Punching");
    const Term width = bs + d;
    const bool wholeWidth = width.value() >= B.value();
    const std::string why = core::shown(width) + " ≥ " + core::shown(B) +
                            ": the section takes the footing's whole width";
    const Term Qp = step(f, "Qp", qc * (L * B - (bs + d) * L), "kg",
                         wholeWidth ? why : "the soil load outside d / 2 from the strap's faces");
    const Term per = step(f, "per", 2.0 * L, "cm", "the section's two sides, each the length L");
    const Term qp = step(f, "qp", Qp / (per * d), "kg/cm2");
    const Term qcup1 =
        step(f, "qcup1", rc::punchingPerimeterRule(d, per, in.fcu), "kg/cm2", "perimeter rule");
    const Term qcup3 = step(f, "qcup3", rc::punchingRoot(in.fcu), "kg/cm2", "upper limit");
    const Term qcup =
        step(f, "qcup", rc::punchingStrength(qcup1, qcup3), "kg/cm2",
             lesser(qcup1, "the perimeter rule governs", qcup3, "the upper limit governs"));
    core::Check check = wholeWidth ? rc::notApplicable(f.title, "Punching", qp, qcup, "kg/cm2", why)
                                   : rc::compare(f.title, "Punching", qp, qcup, "kg/cm2");
    if (check.outcome == core::Check::Outcome::Fail)
        m_run.messageBox(core::check::kUnsafePunch, f.title);
    m_run.check(std::move(check));
}

// Secondary steel along the strap, spread over the width B, and main steel across it, for M,
// spread over the length L; then the counts and diameters on the reinforcement drawing.
void StrapDesign::footingSteel(const FootingFields &f, const Term &M, const Term &d,
                               Footing &footing)
{
    const Term &L = footing.L, &B = footing.B;
    heading(f, "Steel, secondary");
    const Term mesh = rc::minimumMesh(B);
    const Term least = rc::minimumSteel(d, B);
    const Term AsS = step(f, "As secondary", rc::meshSteel(mesh, least), "cm2",
                          greater(mesh, "the least mesh governs", least, "0.2 % governs"));
    m_run.setNumber(f.secondaryArea, roundHalfEven(AsS.value(), 2));
    const Term aS = m_run.step("a(" + footing.phiSecondary.formula() + ")",
                               rc::barArea(footing.phiSecondary), "cm2", "one bar");
    footing.nSecondary = step(f, "ns", rc::barCount(AsS, aS), "", "one more than the area needs");
    m_run.setNumber(f.secondaryCount, footing.nSecondary);
    m_run.check(rc::compare(f.title, "Secondary steel", AsS, footing.nSecondary * aS, "cm2"));

    heading(f, "Steel, main");
    const Term flexure = rc::steelArea(M, in.fy, d);
    const Term leastL = rc::minimumSteel(d, L);
    const Term AsM = step(f, "As main", max(flexure, leastL), "cm2",
                          greater(flexure, "the moment governs", leastL, "0.2 % governs"));
    m_run.setNumber(f.mainArea, roundHalfEven(AsM.value(), 2));
    const Term aM = m_run.step("a(" + footing.phiMain.formula() + ")", rc::barArea(footing.phiMain),
                               "cm2", "one bar");
    footing.nMain = step(f, "nm", rc::barCount(AsM, aM), "", "one more than the area needs");
    m_run.setNumber(f.mainCount, footing.nMain);
    m_run.check(rc::compare(f.title, "Main steel", AsM, footing.nMain * aM, "cm2"));

    m_run.setNumber(f.drawnSecondaryCount, footing.nSecondary);
    m_run.setNumber(f.drawnMainCount, footing.nMain);
    m_run.setText(f.firstDiameter, text(f.firstDiameterList));
    m_run.setText(f.secondDiameter, text(f.secondDiameterList));
}

// Flexural bond of the main bars at the strap's face.
void StrapDesign::bond(const FootingFields &f, const Term &c, const Term &d, const Footing &footing)
{
    heading(f, "Bond");
    const Term Qb =
        step(f, "Qb", footing.qc * c * footing.L, "kg", "the soil load on the projection");
    const Term So = step(f, "Σo", footing.nMain * rc::pi() * (footing.phiMain / 10.0), "cm",
                         "perimeter of the main bars");
    const Term qb = step(f, "qb", rc::bondStress(Qb, d, So), "kg/cm2");
    core::Check check = rc::compare(f.title, "Flexural bond", qb, qbu, "kg/cm2");
    if (check.outcome == core::Check::Outcome::Fail)
        m_run.messageBox(core::check::kUnsafeBond, f.title);
    m_run.check(std::move(check));
}

// The concrete blocks and straight bars of one footing.
void StrapDesign::footingQuantities(const FootingFields &f, const Footing &footing)
{
    const std::string title(f.title);
    m_run.concrete({title, "PC footing", cm2m(footing.L1.value()), cm2m(footing.B1.value()),
                    cm2m(in.tpc.value())});
    m_run.concrete({title, "RC footing", cm2m(footing.L.value()), cm2m(footing.B.value()),
                    cm2m(footing.h.value())});
    const double cover = in.cover.value();
    m_run.bars({title, "1", "main bars, across the strap, bottom", footing.phiMain.value(),
                "straight", footing.nMain.value(), cm2m(footing.B.value() - 2 * cover)});
    m_run.bars({title, "2", "secondary bars, along the strap, bottom", footing.phiSecondary.value(),
                "straight", footing.nSecondary.value(), cm2m(footing.L.value() - 2 * cover)});
}

// The strap beam: the soil's line loads under the footings, the shear and moment values of the
// diagram, the largest moment, the depth, the main steel, the stirrups and the other face.
bool StrapDesign::strapBeam(const Footing &f1, const Footing &f2, Beam &beam)
{
    m_run.heading("Beam actions");
    const Term w1 = m_run.step("w1", f1.qc * f1.B / kLineLoadDivisor, "t/m",
                               "soil reaction under footing 1, per metre of strap");
    const Term w2 = m_run.step("w2", f2.qc * f2.B / kLineLoadDivisor, "t/m",
                               "soil reaction under footing 2, per metre of strap");
    if (!(w1.value() > 0))
        return refuse(kInput.load1, "The soil load under Footing -1- comes out zero, so the strap "
                                    "has no point of zero shear. Raise " +
                                        q(kInput.load1) + ".");
    const Term shearAtC1 = shears(f1, f2, w1, w2);
    moments(f1, f2, w1, w2);
    Term Mmax = 0.0;
    if (!largestMoment(w1, Mmax))
        return false;
    beamDepth(Mmax, beam);
    const Term Ast = mainSteel(Mmax, beam);
    stirrups(shearAtC1, w1, beam);
    otherFaceSteel(Ast, beam);
    return true;
}

// The shear values of the diagram (t); the one at the inner face of C1 is returned for the
// stirrups.
Term StrapDesign::shears(const Footing &f1, const Footing &f2, const Term &w1, const Term &w2)
{
    const Term &tc1 = in.tc1, &tc2 = in.tc2, &L1 = f1.L, &L2 = f2.L;
    const double cm = rc::kCmPerMetre;
    const Term atC1 = m_run.step("Qc1", pt1 - tc1 * w1 / cm, "t", "at the inner face of C1");
    const Term atEnd1 = m_run.step("Qf1", w1 * L1 / cm - pt1, "t", "at the inner end of footing 1");
    const Term atEnd2 = m_run.step("Qf2", pt2 - L2 * w2 / cm, "t", "at the near end of footing 2");
    const Term atC2Inner = m_run.step("Qc2i", pt2 - ((L2 - tc2) / 2.0 + tc2) * w2 / cm, "t",
                                      "at the face of C2 towards C1");
    const Term atC2Outer =
        m_run.step("Qc2o", ((L2 - tc2) / kHalfInMetres) * w2, "t", "at the outer face of C2");
    m_run.setNumber(kStrap.shearAtC1, roundHalfEven(atC1.value(), 2));
    m_run.setNumber(kStrap.shearAtFooting1End, roundHalfEven(atEnd1.value(), 2));
    m_run.setNumber(kStrap.shearAtFooting2End, roundHalfEven(atEnd2.value(), 2));
    m_run.setNumber(kStrap.shearAtC2Inner, roundHalfEven(atC2Inner.value(), 2));
    m_run.setNumber(kStrap.shearAtC2Outer, roundHalfEven(atC2Outer.value(), 2));
    return atC1;
}

// The moment values of the diagram (t.m). At the inner face of C1 the soil under the column
// acts at half its width: w1 tc1² / 2, in t.m with tc1 in cm, is w1 tc1² / 20000.
void StrapDesign::moments(const Footing &f1, const Footing &f2, const Term &w1, const Term &w2)
{
    const Term &tc1 = in.tc1, &tc2 = in.tc2, &L1 = f1.L, &L2 = f2.L;
    const double half = kHalfInMetres, halfSquare = kHalfSquareInMetres;
    const Term atC1 = m_run.step("Mc1", pt1 * tc1 / half - w1 * square(tc1) / halfSquare, "t.m",
                                 "at the inner face of C1");
    const Term atEnd1 =
        m_run.step("Mf1", pt1 * (L1 - tc1 / 2.0) / rc::kCmPerMetre - w1 * square(L1) / halfSquare,
                   "t.m", "at the inner end of footing 1");
    const Term atEnd2 = m_run.step("Mf2", pt2 * (L2 / half) - w2 * square(L2) / halfSquare, "t.m",
                                   "at the near end of footing 2");
    // C2 stands in the middle of footing 2: from the far end of the footing, the soil acts over
    // (L2 + tc2) / 2 to the face towards C1, and over the projection (L2 − tc2) / 2 to the
    // outer face; the column's load, spread over its width, acts at tc2 / 2 from the inner face.
    const Term atC2Inner =
        m_run.step("Mc2i", w2 * square((L2 + tc2) / half) / 2.0 - pt2 * (tc2 / half), "t.m",
                   "at the face of C2 towards C1");
    const Term atC2Outer =
        m_run.step("Mc2o", w2 * square((L2 - tc2) / half) / 2.0, "t.m", "at the outer face of C2");
    m_run.setNumber(kStrap.momentAtC1, roundHalfEven(atC1.value(), 2));
    m_run.setNumber(kStrap.momentAtFooting1End, roundHalfEven(atEnd1.value(), 2));
    m_run.setNumber(kStrap.momentAtFooting2End, roundHalfEven(atEnd2.value(), 2));
    m_run.setNumber(kStrap.momentAtC2Inner, roundHalfEven(atC2Inner.value(), 2));
    m_run.setNumber(kStrap.momentAtC2Outer, roundHalfEven(atC2Outer.value(), 2));
}

// The largest moment, at the point of zero shear x0 from the property line.
bool StrapDesign::largestMoment(const Term &w1, Term &Mmax)
{
    const Term x0 = m_run.step("x0", pt1 / w1, "m", "the point of zero shear");
    Mmax = m_run.step("Mmax", pt1 * (x0 - in.tc1 / kHalfInMetres) - w1 * square(x0) / 2.0, "t.m",
                      "at the point of zero shear");
    if (Mmax.value() < 0)
        return refuse(kInput.spacing,
                      "The largest strap moment comes out negative (" +
                          formatNumber(roundHalfEven(Mmax.value(), 2)) +
                          " t.m): the columns are too close for footing 1 to act as "
                          "designed. Raise " +
                          q(kInput.spacing) + ".");
    m_run.setNumber(kStrap.largestMoment, roundHalfEven(Mmax.value(), 2));
    return true;
}

// The strap's depth from the largest moment, over the strap's width.
void StrapDesign::beamDepth(const Term &Mmax, Beam &beam)
{
    m_run.heading("Strap beam: Depth");
    const Term dreq =
        m_run.step("dreq strap", rc::requiredDepth(Mmax * rc::kKgCmPerTonneMetre, in.fcu, bs), "cm",
                   "the largest moment in kg.cm");
    const rc::Depth depth = chosenDepth(kStrapBeam, " strap", dreq, in.tsb);
    m_run.setNumber(kStrap.thickness, cm2m(depth.thickness));
    m_run.setNumber(kStrap.width, cm2m(bs));
    beam.d = depth.d;
    beam.h = depth.thickness;
}

// The main steel, in the top face where the strap hogs, and its bars.
Term StrapDesign::mainSteel(const Term &Mmax, Beam &beam)
{
    m_run.heading("Strap beam: Steel, main");
    const Term flexure = rc::steelArea(Mmax * rc::kKgCmPerTonneMetre, in.fy, beam.d);
    const Term least = rc::minimumSteel(beam.d, bs);
    const Term Ast = m_run.step("Ast", max(flexure, least), "cm2",
                                greater(flexure, "the moment governs", least, "0.2 % governs"));
    m_run.setNumber(kStrap.mainArea, roundHalfEven(Ast.value(), 2));
    beam.a5 = m_run.step("a(" + in.phi5.formula() + ")", rc::barArea(in.phi5), "cm2", "one bar");
    beam.nMain =
        m_run.step("n strap", rc::barCount(Ast, beam.a5), "", "one more than the area needs");
    m_run.check(rc::compare(kStrapBeam, "Main steel", Ast, beam.nMain * beam.a5, "cm2"));
    const std::string &phi5 = text(kInput.strapBars);
    m_run.setNumber(kStrap.mainCount, beam.nMain);
    m_run.setNumber(kStrap.drawnMainCount, beam.nMain);
    m_run.setText(kStrap.drawnMainDiameter, phi5);
    m_run.setNumber(kStrap.sectionMainCount, beam.nMain);
    m_run.setText(kStrap.drawnOtherDiameter, phi5);
    return Ast;
}

// Stirrups of 8 mm, counted per metre, from the shear at d / 2 from the inner face of C1:
// nominal ones where the concrete carries it alone, else spaced for what the concrete leaves.
void StrapDesign::stirrups(const Term &shearAtC1, const Term &w1, Beam &beam)
{
    m_run.heading("Strap beam: Shear");
    const Term Q = m_run.step("Q", shearAtC1 - w1 * (beam.d / kHalfInMetres), "t",
                              "at d / 2 from the inner face of C1");
    const Term qsu = m_run.step("qsu", rc::beamShearStress(Q * rc::kKgPerTonne, bs, beam.d),
                                "kg/cm2", "over the lever arm 0.87 d");
    if (qsu.value() <= qcu.value()) {
        beam.stirrupsPerMetre = m_run.step("nst", kNominalStirrups, "",
                                           core::shown(qsu) + " ≤ " + core::shown(qcu) +
                                               ": the concrete carries the shear; nominal "
                                               "stirrups a metre");
        m_run.setNumber(kStrap.stirrupsPerMetre, kNominalStirrups);
        m_run.check(rc::compare(kStrapBeam, "Shear", qsu, qcu, "kg/cm2"));
    } else {
        const Term qs = m_run.step("qs", qsu - kConcreteShareWithStirrups * qcu, "kg/cm2",
                                   core::shown(qsu) + " > " + core::shown(qcu) +
                                       ": stirrups carry what half qcu leaves");
        const Term s = m_run.step("s", kStirrupForce / (bs * qs), "cm",
                                  "spacing of stirrups of two 8 mm legs (about 1 cm2) of mild "
                                  "steel, 2400 kg");
        beam.stirrupsPerMetre = m_run.step("nst", floor(rc::kCmPerMetre / s) + 1.0, "",
                                           "stirrups a metre, one more than 100 / s");
        m_run.setNumber(kStrap.stirrupsPerMetre, beam.stirrupsPerMetre);
        const Term qsp =
            m_run.step("qsp", kStirrupForce * beam.stirrupsPerMetre / (bs * rc::kCmPerMetre),
                       "kg/cm2", "carried by nst stirrups a metre");
        m_run.check(rc::compare(kStrapBeam, "Shear", qsu, kConcreteShareWithStirrups * qcu + qsp,
                                "kg/cm2"));
    }
    m_run.setNumber(kStrap.stirrupDiameter, kStirrupDiameter);
}

// The bottom face's steel: the 0.2 % minimum, or a share of the main steel where that is more.
void StrapDesign::otherFaceSteel(const Term &Ast, Beam &beam)
{
    m_run.heading("Strap beam: Steel, other face");
    const Term least = rc::minimumSteel(bs, beam.d);
    const Term share = kOtherFaceShare * Ast;
    const Term Atop =
        m_run.step("Atop", max(least, share), "cm2",
                   greater(least, "0.2 % governs", share, "the share of the main steel governs"));
    beam.nOther = m_run.step("nt", rc::barCount(Atop, beam.a5), "", "one more than the area needs");
    m_run.check(rc::compare(kStrapBeam, "Other-face steel", Atop, beam.nOther * beam.a5, "cm2"));
    m_run.setNumber(kStrap.drawnOtherCount, beam.nOther);
    m_run.setNumber(kStrap.sectionOtherCount, beam.nOther);
}

// The strap's length in cm: from the property line to the far face of C2.
double StrapDesign::strapLength() const
{
    return in.tc1.value() / 2 + rc::kCmPerMetre * in.S.value() + in.tc2.value() / 2;
}

// The strap's concrete and bars: main, other-face and side bars straight over its length less
// the cover, and closed stirrups around the section less the cover.
void StrapDesign::strapQuantities(const Beam &beam)
{
    const std::string title(kStrapBeam);
    const double length = strapLength(), cover = in.cover.value();
    const double width = bs.value(), h = beam.h.value(), phi5 = in.phi5.value();
    m_run.concrete({title, title, cm2m(length), cm2m(width), cm2m(h)});
    const double barLength = cm2m(length - 2 * cover);
    m_run.bars({title, "1", "main bars, top", phi5, "straight", beam.nMain.value(), barLength});
    m_run.bars(
        {title, "2", "other-face bars, bottom", phi5, "straight", beam.nOther.value(), barLength});
    m_run.bars({title, "3", "side bars, three rows of two", kSideBarDiameter, "straight", kSideBars,
                barLength});
    // A count a metre over a length that holds a whole number of metres stays whole.
    const double stirrups = std::ceil(beam.stirrupsPerMetre.value() * cm2m(length) - 1e-9);
    m_run.bars({title, "4", "stirrups", kStirrupDiameter, "closed stirrup", stirrups,
                cm2m(2 * ((width - 2 * cover) + (h - 2 * cover)))});
}

// Footings that run into each other make no strap footing; the design still stands on its own
// terms, so it is said rather than refused.
void StrapDesign::overlapWarning(const Footing &f1, const Footing &f2)
{
    const double centreOfC2 = in.tc1.value() / 2 + rc::kCmPerMetre * in.S.value();
    const double gap = centreOfC2 - f2.L1.value() / 2 - f1.L1.value();
    if (gap >= 0)
        return;
    m_run.warn({"Strap footing",
                "The PC footings overlap by " + formatNumber(roundHalfEven(cm2m(-gap), 2)) +
                    " m: the columns are too close for two footings; a combined footing suits "
                    "them.",
                {std::string(kFooting1.pc[0]), std::string(kFooting2.pc[0])}});
}

void StrapDesign::assumptions()
{
    m_run.assume("Footing bars are straight, each the footing's size less the cover at both "
                 "ends: main bars B − 2 cover across the strap, secondary bars L − 2 cover along "
                 "it.");
    m_run.assume("The strap beam runs from the property line to the far face of C2, "
                 "S + (tc1 + tc2) / 2, bs wide and its full thickness above the footings, as the "
                 "reinforcement drawing shows; its main, other-face and side bars (three rows of "
                 "two 12 mm bars) are straight over that length less the cover at both ends.");
    m_run.assume("Stirrups of 8 mm: the count a metre times the strap's length, rounded up; each "
                 "closed around the section less the cover, 2 ((bs − 2 cover) + (h strap − 2 "
                 "cover)), hooks not counted.");
}

// The plan of both footings, the columns and the strap, with the sizes and the bars; and the
// strap's cross-section with its bars.
void StrapDesign::sketches(const Footing &f1, const Footing &f2, const Beam &beam)
{
    const double tc1 = in.tc1.value(), bc1 = in.bc1.value(), tc2 = in.tc2.value();
    const double bc2 = in.bc2.value(), width = bs.value(), cover = in.cover.value();
    const double centreOfC2 = tc1 / 2 + rc::kCmPerMetre * in.S.value();
    const double end = strapLength();
    const double top = -std::max(f1.B1.value(), f2.B1.value()) / 2 - 70;

    core::Sketch plan{"Strap footing, plan", {}};
    footingPlan(plan, f1, f1.L.value() / 2, -1, cover, kFooting1.title);
    footingPlan(plan, f2, centreOfC2, 1, cover, kFooting2.title);
    plan.shapes.push_back(
        {Shape::Kind::Beam, 0, -width / 2, end, width / 2, std::string(kStrapBeam)});
    plan.shapes.push_back({Shape::Kind::Column, 0, -bc1 / 2, tc1, bc1 / 2, "C1"});
    plan.shapes.push_back(
        {Shape::Kind::Column, centreOfC2 - tc2 / 2, -bc2 / 2, centreOfC2 + tc2 / 2, bc2 / 2, "C2"});
    plan.shapes.push_back({Shape::Kind::Bars, cover, 0, end - cover, 0,
                           core::barsText(beam.nMain, in.phi5) + " top"});
    plan.shapes.push_back({Shape::Kind::Dimension, tc1 / 2, top, centreOfC2, top,
                           core::metres(centreOfC2 - tc1 / 2)});
    plan.shapes.push_back({Shape::Kind::Text, 0, top - 30, 0, 0, "property line"});
    m_run.sketch(std::move(plan));

    const double h = beam.h.value();
    core::Sketch section{"Strap beam, section", {}};
    section.shapes.push_back({Shape::Kind::ReinforcedConcrete, 0, 0, width, h});
    section.shapes.push_back({Shape::Kind::Bars, cover, cover, width - cover, cover,
                              core::barsText(beam.nMain, in.phi5)});
    section.shapes.push_back({Shape::Kind::Bars, cover, h - cover, width - cover, h - cover,
                              core::barsText(beam.nOther, in.phi5)});
    section.shapes.push_back({Shape::Kind::Text, width + 10, h / 2, 0, 0,
                              "3 × 2 Φ " + formatNumber(kSideBarDiameter) + " side bars"});
    section.shapes.push_back({Shape::Kind::Text, width + 10, h / 4, 0, 0,
                              formatNumber(beam.stirrupsPerMetre.value()) + " Φ " +
                                  formatNumber(kStirrupDiameter) + " stirrups a metre"});
    section.shapes.push_back(
        {Shape::Kind::Dimension, 0, h + 20, width, h + 20, core::metres(width)});
    section.shapes.push_back({Shape::Kind::Dimension, -20, 0, -20, h, core::metres(h)});
    m_run.sketch(std::move(section));
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
        return core::finish(std::move(run), tables::kInputs);
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

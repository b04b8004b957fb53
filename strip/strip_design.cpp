#include "strip/strip_design.h"

#include "core/check_messages.h"
#include "core/notes.h"
#include "core/number_format.h"
#include "rc/rules.h"
#include "strip/strip_tables.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace strip {

namespace {

using core::Term;
using tables::kInput;

constexpr std::string_view kNoLength = "-----"; // a strip has no length of its own

// The names the record gives the two members a run designs.
constexpr std::string_view kFooting = "Strip footing";
constexpr std::string_view kBeam = "Beam";

// Under a linearly varying stress the PC footing projects 15 cm on each side, not 30.
constexpr double kNarrowPcProjection = 30.0;
// The wall's load acts at the middle of the RC width: a sixth of the width either side of it
// keeps the whole width in compression (qmin = qc (1 − 6 e / B)).
constexpr double kKernDivisor = 6.0;
// Under a row of columns the beam is taken as continuous over them: w S² / 12, w S / 2.
constexpr double kContinuousMomentDivisor = 12.0;
// Where the concrete carries the beam's shear alone, six nominal stirrups a metre; where it
// does not, the stirrups carry the excess over half the concrete's strength.
constexpr double kNominalStirrupsPerMetre = 6.0;
constexpr double kConcreteShareWithStirrups = 0.5;
// Beams narrower than 40 cm take two-legged stirrups, wider ones four legs.
constexpr double kFourLegWidth = 40.0;
// A column drawn above the beam in the section sketch, cm.
constexpr double kSketchColumnHeight = 60.0;

// The window's result fields.
struct ResultFields {
    std::string_view pcLength, pcWidth, pcThickness;
    std::string_view rcLength, rcWidth, rcThickness;
    std::string_view shearCheck, punchCheck, bondCheck;
    std::string_view secondaryArea, secondaryCount, mainArea, mainCount;
};

constexpr ResultFields kFields{.pcLength = "Label37",
                               .pcWidth = "Label38",
                               .pcThickness = "Label39",
                               .rcLength = "Label40",
                               .rcWidth = "Label41",
                               .rcThickness = "Label42",
                               .shearCheck = "Label45",
                               .punchCheck = "Label44",
                               .bondCheck = "Label43",
                               .secondaryArea = "Label31",
                               .secondaryCount = "Label28",
                               .mainArea = "Label17",
                               .mainCount = "Label27"};

// The beam's result row and its annotations on the beam sketch.
struct BeamFields {
    std::string_view width, thickness, steelArea, topBars, bottomBars, stirrupsPerMetre;
};

constexpr BeamFields kBeamFields{.width = "Label57",
                                 .thickness = "Label59",
                                 .steelArea = "Label70",
                                 .topBars = "Label71",
                                 .bottomBars = "Label72",
                                 .stirrupsPerMetre = "Label73"};

// The bar annotations of a sketch: count and diameter of the main and the secondary bars.
struct SketchFields {
    std::string_view mainCount, mainDiameter, secondaryCount, secondaryDiameter;
};

constexpr SketchFields kCentredWall{"Label33", "Label34", "Label35", "Label60"};
constexpr SketchFields kOffCentreWall{"Label61", "Label62", "Label63", "Label64"};
constexpr SketchFields kBeamAndColumns{"Label65", "Label66", "Label67", "Label68"};

// The inputs of one run; the list texts are echoed unchanged in the sketches.
struct Inputs {
    Term P = 0.0, M = 0.0;                // load (t/m of wall, or t per column), moment (t.m/m)
    Term tw = 0.0;                        // wall thickness (cm)
    Term b = 0.0, S = 0.0, tb = 0.0;      // column width (cm), spacing (m), beam thickness (cm)
    Term t1 = 0.0, t = 0.0, cover = 0.0;  // cm
    Term fcu = 0.0, fy = 0.0, qall = 0.0; // kg/cm2
    Term phiMain = 0.0, phiSec = 0.0;     // mm
    Term phiSt = 0.0, phiB = 0.0;         // mm
    bool brick = true;
    std::string mainText, secText;
};

void mustExceedCover(core::FieldReader &in, std::string_view control, const Term &value,
                     const Term &cover)
{
    if (!in.failed() && !(value.value() > cover.value()))
        in.refuse(control, in.quoted(control) + " must be greater than the cover (\"Cover\").");
}

// Reads the inputs the case uses, in the order they stand on the window.
Inputs readInputs(core::FieldReader &in, const core::DesignRequest &request)
{
    const int footingCase = request.footingCase;
    const bool columns = footingCase == kSeriesOfColumn;
    Inputs v;
    v.P = in.positive(kInput.load);
    if (footingCase == kUniformWithMoment || footingCase == kNonUniformStress)
        v.M = in.number(kInput.moment);
    v.t1 = in.positive(kInput.pcThickness);
    v.t = in.positive(kInput.rcThickness);
    v.cover = in.positive(kInput.cover);
    mustExceedCover(in, kInput.rcThickness, v.t, v.cover);
    if (columns) {
        v.b = in.positive(kInput.columnWidth);
        in.positive(
            kInput.columnLength); // the column thickness: checked, but no result depends on it
        v.S = in.positive(kInput.spacing);
    } else {
        v.tw = in.positive(kInput.wallThickness);
    }
    v.fcu = in.positive(kInput.fcu);
    v.fy = in.positive(kInput.fy);
    v.qall = in.positive(kInput.qall);
    if (columns) {
        v.tb = in.positive(kInput.beamThickness);
        mustExceedCover(in, kInput.beamThickness, v.tb, v.cover);
    }
    v.phiMain = in.positive(kInput.mainBars);
    v.phiSec = in.positive(kInput.secondaryBars);
    if (columns) {
        v.phiSt = in.positive(kInput.stirrupBars);
        v.phiB = in.positive(kInput.beamBars);
    }
    if (!columns)
        v.brick = in.selected(kInput.brickWall);
    v.mainText = core::textOf(request.texts, kInput.mainBars);
    v.secText = core::textOf(request.texts, kInput.secondaryBars);
    return v;
}

// Two quantities compared in numbers, for the note of a choice: "qcup3 = 12.91 < qcup1 = 41.96".
std::string comparison(const Term &a, const Term &b)
{
    return a.formula() + " = " + core::noteNumber(a) + (a.value() < b.value() ? " < " : " ≥ ") +
           b.formula() + " = " + core::noteNumber(b);
}

// What the slab's steps hand on to the bond, the quantities and the sketch.
struct Slab {
    Term B1 = 0.0, B = 0.0; // PC and RC width, cm
    Term h = 0.0, d = 0.0;  // RC thickness and effective depth, cm
    Term nMain = 0.0, nSec = 0.0;
};

// The beam of a row of columns, for the quantities and the sketch.
struct Beam {
    Term hb = 0.0;       // thickness, cm
    Term nb = 0.0;       // bars top and bottom
    Term stirrups = 0.0; // a metre
    double legs = 2;     // of each stirrup position
};

// The steps every strip shares: one metre of slab under a wall or a beam.
class StripSteps
{
public:
    StripSteps(const Inputs &inputs, core::Run &run) : v(inputs), run(run) {}

    Term concreteShear();
    Term perMetre();
    void wallLoads(bool withMoment);
    void bearing(const Term &B1);
    void writePcFooting(const Term &B1);
    Term rcWidth(const Term &B1, double projection, const Term &carried, std::string_view what);
    Term wallSection(const Term &B, const Term &e, bool offCentre);
    rc::Depth depth(const Term &M);
    void shearCheck(const Term &xs, const Term &qsh);
    void punchCheck(const Term &B, const Term &support, const Term &qp, const Term &d,
                    const Term &per);
    Term secondarySteel(const Term &B, const Term &d);
    Term mainSteel(const Term &M, const Term &d);
    void annotate(const SketchFields &labels, const Slab &slab);
    void bondCheck(const Term &Qb, const Term &d, const Term &nMain);
    void slabQuantities(const Slab &slab, std::string_view support);

    const Inputs &v;
    core::Run &run;
    Term qcu = 0.0, bm = 0.0, pt = 0.0, Pw = 0.0, e = 0.0;
};

// The shear strength of the concrete, for the footing's and the beam's shear.
Term StripSteps::concreteShear()
{
    run.heading("Concrete");
    qcu = run.step("qcu", rc::shearStrength(v.fcu), "kg/cm2", "shear strength of the concrete");
    return qcu;
}

// The strip is designed over one metre of its run.
Term StripSteps::perMetre()
{
    bm = run.step("bm", Term(rc::kCmPerMetre), "cm",
                  "the strip is designed per metre run: every load, moment, volume and bar "
                  "count is per metre");
    return bm;
}

// The wall's ultimate load with the footing's weight, its working load, and for a moment the
// eccentricity of the load.
void StripSteps::wallLoads(bool withMoment)
{
    run.heading("Loads");
    perMetre();
    pt = run.step("pt", rc::totalLoad(v.P), "t/m", "ultimate wall load with the footing's weight");
    Pw = run.step("Pw", rc::workingLoad(pt), "t/m", "working load for the soil");
    if (withMoment)
        e = run.step("e", rc::kCmPerMetre * v.M / pt, "cm", "eccentricity of the wall load");
}

// The pressure of the working load on a PC footing of width B1 under uniform stress.
void StripSteps::bearing(const Term &B1)
{
    const Term qw = run.step("qw", rc::kKgPerTonne * Pw / (bm * B1), "kg/cm2",
                             "working pressure under the PC footing, uniform");
    run.check(rc::compare(kFooting, "Bearing", qw, v.qall, "kg/cm2"));
}

// The PC footing's row of the dimension table.
void StripSteps::writePcFooting(const Term &B1)
{
    run.setText(kFields.pcLength, kNoLength);
    run.setNumber(kFields.pcWidth, B1 / rc::kCmPerMetre);
    run.setNumber(kFields.pcThickness, v.t1 / rc::kCmPerMetre);
}

// The RC footing is `projection` narrower than the PC footing, unless that leaves nothing. A
// footing narrower than the wall or beam it carries has no cantilever to design: the results
// stand as the rules give them, and the engineer is told.
Term StripSteps::rcWidth(const Term &B1, double projection, const Term &carried,
                         std::string_view what)
{
    run.heading("RC footing");
    const double reduced = (B1 - projection).value();
    const std::string note =
        reduced > 0
            ? "the PC footing projects " + core::reportNumber(projection / 2) + " cm on each side"
            : "B1 − " + core::reportNumber(projection) + " = " + core::reportNumber(reduced) +
                  " ≤ 0: the RC footing takes the PC width";
    const Term B = run.step("B", rc::rcSide(B1, projection), "cm", note);
    run.setText(kFields.rcLength, kNoLength);
    run.setNumber(kFields.rcWidth, B / rc::kCmPerMetre);
    if (B.value() < carried.value())
        run.warn({std::string(kFooting),
                  "The RC footing (" + core::metres(B.value()) + " wide) is narrower than the " +
                      std::string(what) + " it carries (" + core::metres(carried.value()) +
                      "): it has no projection to design.",
                  {std::string(kFields.rcWidth)}});
    return B;
}

// The critical section for the moment: the wall's face, or for a brick wall a quarter of its
// thickness further in; off the middle by e, on the long side of the wall.
Term StripSteps::wallSection(const Term &B, const Term &e, bool offCentre)
{
    const Term face = offCentre ? B / 2.0 + e - v.tw / 2.0 : (B - v.tw) / 2.0;
    if (v.brick)
        return run.step("x", face + v.tw / 4.0, "cm",
                        "brick wall: the section a quarter of the wall inside its face");
    return run.step("x", face, "cm", "concrete wall: the section at the wall's face");
}

// The depth the moment needs over one metre, and the thickness that stands.
rc::Depth StripSteps::depth(const Term &M)
{
    run.heading("Depth");
    const Term dreq = run.step("dreq", rc::requiredDepth(M, v.fcu, bm), "cm");
    const Term dr = run.step("dr", up5(dreq), "cm");
    rc::Depth chosen = rc::chooseDepth(dr, v.t, v.cover);
    const std::string room = "dr = " + core::noteNumber(dr) +
                             (chosen.assumedStands ? " ≤ " : " > ") +
                             "t − cover = " + core::noteNumber(v.t - v.cover);
    chosen.d = run.step("d", chosen.d, "cm",
                        room + (chosen.assumedStands ? ": the assumed thickness stands"
                                                     : ": the thickness is dr + cover"));
    chosen.thickness = run.step("h", chosen.thickness, "cm", "thickness of the RC footing");
    run.setNumber(kFields.rcThickness, chosen.thickness / rc::kCmPerMetre);
    run.check(rc::compare(kFooting, "Depth", dreq, chosen.d, "cm"));
    return chosen;
}

// One-way shear at d / 2 from the section: none when that falls beyond the footing's edge.
void StripSteps::shearCheck(const Term &xs, const Term &qsh)
{
    if (xs.value() <= 0) {
        run.setText(kFields.shearCheck, core::check::kNoShear);
        run.check(rc::notApplicable(kFooting, "One-way shear", qsh, qcu, "kg/cm2",
                                    "xs = " + core::noteNumber(xs) +
                                        " ≤ 0: the shear section lies beyond the footing's edge",
                                    kFields.shearCheck));
        return;
    }
    const core::Check check =
        rc::compare(kFooting, "One-way shear", qsh, qcu, "kg/cm2", kFields.shearCheck);
    run.setText(kFields.shearCheck,
                *check.passes() ? core::check::kSafeShear : core::check::kUnsafeShear);
    run.check(check);
}

// The punching strength along the two punching lines of one metre, and the check: none when
// the lines at d / 2 from the wall's (or beam's) faces fall beyond the footing.
void StripSteps::punchCheck(const Term &B, const Term &support, const Term &qp, const Term &d,
                            const Term &per)
{
    const Term qcup1 = run.step("qcup1", rc::punchingPerimeterRule(d, per, v.fcu), "kg/cm2");
    const Term qcup3 = run.step("qcup3", rc::punchingRoot(v.fcu), "kg/cm2");
    const rc::PunchingRule governs = rc::governingPunchingRule(qcup1, qcup3);
    const Term qcup = run.step("qcup", rc::punchingStrength(qcup1, qcup3), "kg/cm2",
                               comparison(qcup3, qcup1) + ": " +
                                   std::string(rc::punchingRuleSymbol(governs)) + " governs");
    const Term outside = bm * B - bm * (d + support);
    if (outside.value() <= 0) {
        run.setText(kFields.punchCheck, core::check::kNoPunch);
        run.check(rc::notApplicable(kFooting, "Punching", qp, qcup, "kg/cm2",
                                    "B = " + core::noteNumber(B) + " ≤ " + (d + support).formula() +
                                        " = " + core::noteNumber(d + support) +
                                        ": the punching lines fall beyond the footing",
                                    kFields.punchCheck));
        return;
    }
    const core::Check check =
        rc::compare(kFooting, "Punching", qp, qcup, "kg/cm2", kFields.punchCheck);
    run.setText(kFields.punchCheck,
                *check.passes() ? core::check::kSafePunch : core::check::kUnsafePunch);
    run.check(check);
}

// Secondary steel along the strip, over the whole width B, and its bar count.
Term StripSteps::secondarySteel(const Term &B, const Term &d)
{
    run.heading("Steel, secondary");
    const Term mesh = run.step("AsMesh", rc::minimumMesh(B), "cm2", "6.78 cm2 a metre of B");
    const Term least = run.step("AsSecMin", rc::minimumSteel(d, B), "cm2", "0.2 % of d × B");
    const Term AsSec = run.step("AsSec", rc::meshSteel(mesh, least), "cm2",
                                comparison(mesh, least) + (mesh.value() < least.value()
                                                               ? ": 0.2 % of the section governs"
                                                               : ": the 6.78 cm2 a metre governs"));
    run.setNumber(kFields.secondaryArea, core::roundHalfEven(AsSec.value(), 2));
    const Term a = run.step("aSec", rc::barArea(v.phiSec), "cm2", "area of one secondary bar");
    const Term nSec = run.step("nSec", rc::barCount(AsSec, a), "bars");
    run.setNumber(kFields.secondaryCount, nSec);
    const Term provided = run.step("AsSecProv", nSec * a, "cm2");
    run.check(rc::compare(kFooting, "Secondary steel", AsSec, provided, "cm2"));
    return nSec;
}

// Main steel across the strip for the moment M on one metre, and its bar count per metre.
Term StripSteps::mainSteel(const Term &M, const Term &d)
{
    run.heading("Steel, main");
    const Term As = run.step("As", rc::steelArea(M, v.fy, d), "cm2");
    const Term least = run.step("AsMin", rc::minimumSteel(bm, d), "cm2", "0.2 % of bm × d");
    const Term AsMain =
        run.step("AsMain", max(As, least), "cm2",
                 comparison(As, least) + (As.value() < least.value() ? ": the least steel governs"
                                                                     : ": the moment governs"));
    run.setNumber(kFields.mainArea, core::roundHalfEven(AsMain.value(), 2));
    const Term a = run.step("aMain", rc::barArea(v.phiMain), "cm2", "area of one main bar");
    const Term nMain = run.step("nMain", rc::barCount(AsMain, a), "bars", "a metre of the strip");
    run.setNumber(kFields.mainCount, nMain);
    const Term provided = run.step("AsMainProv", nMain * a, "cm2");
    run.check(rc::compare(kFooting, "Main steel", AsMain, provided, "cm2"));
    return nMain;
}

// The bar counts and diameters written on the case's sketch.
void StripSteps::annotate(const SketchFields &labels, const Slab &slab)
{
    run.setNumber(labels.secondaryCount, slab.nSec);
    run.setNumber(labels.mainCount, slab.nMain);
    run.setText(labels.secondaryDiameter, v.secText);
    run.setText(labels.mainDiameter, v.mainText);
}

// Flexural bond of the main bars at the critical section, for the shear Qb there.
void StripSteps::bondCheck(const Term &Qb, const Term &d, const Term &nMain)
{
    run.heading("Bond");
    const Term Q = run.step("Qb", Qb, "kg", "shear at the critical section");
    const Term So =
        run.step("So", rc::barPerimeter(v.phiMain, nMain), "cm", "perimeter of the main bars");
    const Term qb = run.step("qb", rc::bondStress(Q, d, So), "kg/cm2");
    const bool mild = v.fy.value() == rc::kMildSteelFy;
    const Term limit = run.step("qba", Term(rc::bondLimit(v.fy.value())), "kg/cm2",
                                "fy = " + core::noteNumber(v.fy) +
                                    (mild ? ": mild steel" : " ≠ 2400: high-tensile steel"));
    const core::Check check =
        rc::compare(kFooting, "Flexural bond", qb, limit, "kg/cm2", kFields.bondCheck);
    run.setText(kFields.bondCheck,
                *check.passes() ? core::check::kSafeBond : core::check::kUnsafeBond);
    run.check(check);
}

// Concrete and bars of one metre of the strip.
void StripSteps::slabQuantities(const Slab &slab, std::string_view support)
{
    const double runLength = 1.0; // m
    run.concrete({std::string(kFooting), "PC footing", runLength, slab.B1.value() / rc::kCmPerMetre,
                  v.t1.value() / rc::kCmPerMetre});
    run.concrete({std::string(kFooting), "RC footing", runLength, slab.B.value() / rc::kCmPerMetre,
                  slab.h.value() / rc::kCmPerMetre});
    const double across = std::max(0.0, slab.B.value() - 2.0 * v.cover.value());
    run.bars({std::string(kFooting), "1", "main, across the width, bottom", v.phiMain.value(),
              "straight", slab.nMain.value(), across / rc::kCmPerMetre});
    run.bars({std::string(kFooting), "2", "secondary, along the " + std::string(support),
              v.phiSec.value(), "straight", slab.nSec.value(), runLength});
    run.assume("The design is per metre run of the " + std::string(support) +
               ": loads, moments, concrete volumes and bar counts are per metre run.");
    run.assume("Main bars run across the width, each B − 2 × cover long; secondary bars run "
               "along the " +
               std::string(support) + ", counted 1 m long per metre run, laps not included.");
    run.assume("Flexural bond is checked with the main bars.");
}

// --- the section sketch -----------------------------------------------------------------------

using Shape = core::SketchShape;

// What stands on the RC footing in the section: the wall, or the beam with a column on it and
// the texts of its bars (top, bottom) and stirrups.
struct Support {
    double centre = 0; // from the PC footing's left edge, cm
    double width = 0;
    double height = 0;
    bool beam = false;
    std::string topBars = {}, bottomBars = {}, stirrups = {};
};

// The beam over the slab: its outline, bars, stirrups and thickness, with the column above it.
void sketchBeam(const Support &beam, double cover, std::vector<Shape> &shapes)
{
    const double left = beam.centre - beam.width / 2.0, right = left + beam.width;
    const double top = -beam.height;
    shapes.push_back({Shape::Kind::Beam, left, top, right, 0, {}});
    shapes.push_back({Shape::Kind::Column, left, top - kSketchColumnHeight, right, top, {}});
    shapes.push_back(
        {Shape::Kind::Bars, left + cover, top + cover, right - cover, top + cover, beam.topBars});
    shapes.push_back(
        {Shape::Kind::Bars, left + cover, -cover, right - cover, -cover, beam.bottomBars});
    shapes.push_back({Shape::Kind::Text, right + 10, top / 2.0, 0, 0, beam.stirrups});
    shapes.push_back(
        {Shape::Kind::Dimension, left - 20, top, left - 20, 0, core::metres(beam.height)});
}

// The section across one metre of the strip: PC and RC footing, what stands on them, the
// bars and the dimensions, in cm with y downwards from the top of the RC footing.
void sketchSection(const Slab &slab, const Inputs &v, const Support &support,
                   std::string_view title, core::Run &run)
{
    const double B1 = slab.B1.value(), B = slab.B.value(), h = slab.h.value();
    const double t1 = v.t1.value(), c = v.cover.value();
    const double left = (B1 - B) / 2.0, right = left + B;
    const double wallLeft = support.centre - support.width / 2.0;
    const double wallRight = wallLeft + support.width;
    core::Sketch sketch{std::string(title), {}};
    auto add = [&sketch](Shape::Kind kind, double x1, double y1, double x2, double y2,
                         std::string text = {}) {
        sketch.shapes.push_back({kind, x1, y1, x2, y2, std::move(text)});
    };
    add(Shape::Kind::PlainConcrete, 0, h, B1, h + t1);
    add(Shape::Kind::ReinforcedConcrete, left, 0, right, h);
    if (support.beam)
        sketchBeam(support, c, sketch.shapes);
    else
        add(Shape::Kind::Wall, wallLeft, -support.height, wallRight, 0);
    const double secondaryLevel = h - c - v.phiMain.value() / 10.0;
    add(Shape::Kind::Bars, left + c, h - c, right - c, h - c,
        core::barsText(slab.nMain, v.phiMain) + " / m");
    add(Shape::Kind::Bars, left + c, secondaryLevel, right - c, secondaryLevel,
        core::barsText(slab.nSec, v.phiSec));
    add(Shape::Kind::Dimension, 0, h + t1 + 20, B1, h + t1 + 20, core::metres(B1));
    add(Shape::Kind::Dimension, left, h + t1 + 40, right, h + t1 + 40, core::metres(B));
    add(Shape::Kind::Dimension, right + 20, 0, right + 20, h, core::metres(h));
    add(Shape::Kind::Dimension, B1 + 20, h, B1 + 20, h + t1, core::metres(t1));
    const double above = -support.height - (support.beam ? kSketchColumnHeight : 0.0) - 20;
    add(Shape::Kind::Dimension, wallLeft, above, wallRight, above, core::metres(support.width));
    run.sketch(std::move(sketch));
}

// --- a wall on uniform stress -----------------------------------------------------------------

// The PC footing wide enough for the working load on qall.
Term uniformPcWidth(StripSteps &s)
{
    core::Run &run = s.run;
    run.heading("Plain-concrete footing");
    const Term Apc = run.step("Apc", rc::pcAreaOfWorkingLoad(rc::kKgPerTonne * s.Pw, s.v.qall),
                              "cm2", "area on qall per metre run");
    const Term B1 = run.step("B1", up5(Apc / s.bm), "cm");
    s.writePcFooting(B1);
    s.bearing(B1);
    return B1;
}

// The punching line on the short side of an off-centre wall stops at the footing's edge.
Term offCentrePunchingWidth(StripSteps &s, const Term &B, const Term &d)
{
    core::Run &run = s.run;
    const Term c2 = run.step("c2", (B / 2.0 - s.e) - s.v.tw / 2.0, "cm",
                             "cantilever on the short side of the wall");
    const Term ext =
        run.step("a2", min(d / 2.0, c2), "cm",
                 c2.value() < (d / 2.0).value()
                     ? comparison(c2, d / 2.0) + ": the punching line stops at the edge"
                     : comparison(c2, d / 2.0) + ": the punching line stands d / 2 from the face");
    return run.step("w", ext + d / 2.0, "cm", "width the punching lines add to the wall");
}

// A wall with a uniform soil stress: centred ("Uniform Stress") or off the middle by the
// eccentricity of the load ("Uniform Stress With Moment"), so that the stress stays uniform.
void wallUniform(const Inputs &v, bool withMoment, core::Run &run)
{
    StripSteps s(v, run);
    s.concreteShear();
    s.wallLoads(withMoment);
    Slab slab;
    slab.B1 = uniformPcWidth(s);
    slab.B = s.rcWidth(slab.B1, rc::kPcProjection, s.v.tw, "wall");
    run.heading("Soil pressure");
    const Term qc = run.step("qc", rc::kKgPerTonne * s.pt / (slab.B * s.bm), "kg/cm2",
                             withMoment ? "uniform: the wall stands e off the middle"
                                        : "uniform under the centred wall");

    run.heading("Moments");
    const Term x = s.wallSection(slab.B, s.e, withMoment);
    const Term M = run.step("M", qc * square(x) * s.bm / 2.0, "kg.cm");
    const rc::Depth depth = s.depth(M);
    slab.d = depth.d;
    slab.h = depth.thickness;
    const Term &d = slab.d;

    run.heading("One-way shear");
    const Term xs = run.step("xs", x - d / 2.0, "cm", "from the shear section to the edge");
    const Term Q = run.step("Q", qc * xs * s.bm, "kg");
    s.shearCheck(xs, run.step("qsh", Q / (s.bm * d), "kg/cm2"));

    run.heading("Punching");
    Term outside = 0.0;
    if (withMoment) {
        const Term w = offCentrePunchingWidth(s, slab.B, d);
        outside = qc * (s.bm * slab.B - s.bm * (w + v.tw));
    } else {
        outside = qc * (s.bm * slab.B - s.bm * (v.tw + d));
    }
    const Term Qp = run.step("Qp", outside, "kg", "soil reaction outside the punching lines");
    const Term per = run.step("per", 2.0 * s.bm, "cm", "two punching lines a metre long");
    const Term qp = run.step("qp", Qp / (per * d), "kg/cm2");
    s.punchCheck(slab.B, v.tw, qp, d, per);

    slab.nSec = s.secondarySteel(slab.B, d);
    slab.nMain = s.mainSteel(M, d);
    s.annotate(withMoment ? kOffCentreWall : kCentredWall, slab);
    s.bondCheck(qc * x * s.bm, d, slab.nMain);

    s.slabQuantities(slab, "wall");
    const double centre = slab.B1.value() / 2.0 - s.e.value();
    sketchSection(slab, v, {centre, v.tw.value(), v.tw.value(), false},
                  "Strip footing, section (one metre run)", run);
}

// --- a centred wall on linearly varying stress ------------------------------------------------

// The PC footing for the load with its eccentricity: refused when it comes out at 0 or less.
bool eccentricPcWidth(core::FieldReader &in, StripSteps &s, Slab &slab)
{
    core::Run &run = s.run;
    const Term k = run.step("k", 1.0 + kKernDivisor * s.e / rc::kCmPerMetre, "",
                            "width factor for the eccentricity, e in m");
    run.heading("Plain-concrete footing");
    slab.B1 = run.step("B1", up5(rc::kKgPerTonne * s.Pw * k / (s.bm * s.v.qall)), "cm");
    if (slab.B1.value() <= 0) {
        in.refuse(kInput.moment, in.quoted(kInput.moment) +
                                     " is a negative moment too large for the load " +
                                     in.quoted(kInput.load) +
                                     ": the footing width comes out at 0 or less. Keep M above "
                                     "-1.1 x P / 6.");
        return false;
    }
    s.writePcFooting(slab.B1);
    return true;
}

// The largest working pressure under the PC footing: linear while the whole width bears,
// otherwise over the length in contact (3 (B1 / 2 − |e|)).
// The length of a width that bears when the load stands e off its middle and the soil takes no
// tension: 3 (width / 2 − |e|), 0 or less when the load falls outside the width.
Term contactLength(core::Run &run, std::string_view symbol, const Term &width, const Term &e)
{
    const Term length = rc::contactLength(width, e);
    const std::string half = "|e| = " + core::reportNumber(std::fabs(e.value()));
    return run.step(symbol, length, "cm",
                    length.value() > 0
                        ? "6 |e| > " + width.formula() + ": only this length bears, per metre"
                        : half + " ≥ " + width.formula() + " / 2: the load falls outside it");
}

void eccentricBearing(StripSteps &s, const Term &B1)
{
    core::Run &run = s.run;
    const Term qw = run.step("qw", rc::kKgPerTonne * s.Pw / (s.bm * B1), "kg/cm2",
                             "mean working pressure under the PC footing");
    const bool positive = s.e.value() >= 0;
    const double eAbs = std::fabs(s.e.value());
    if (kKernDivisor * eAbs <= B1.value()) {
        const Term qwmax = run.step("qwmax",
                                    positive ? qw * (1.0 + kKernDivisor * s.e / B1)
                                             : qw * (1.0 - kKernDivisor * s.e / B1),
                                    "kg/cm2", "6 |e| ≤ B1: the whole width bears, linearly");
        run.check(rc::compare(kFooting, "Bearing", qwmax, s.v.qall, "kg/cm2"));
        return;
    }
    const Term Lc1 = contactLength(run, "Lc1", B1, s.e);
    if (Lc1.value() > 0) {
        const Term qwmax = run.step("qwmax", rc::contactPeak(rc::kKgPerTonne * s.Pw, s.bm, Lc1),
                                    "kg/cm2", "peak of the triangle over the contact length");
        run.check(rc::compare(kFooting, "Bearing", qwmax, s.v.qall, "kg/cm2"));
        return;
    }
    core::Check check = rc::compare(kFooting, "Bearing", qw, s.v.qall, "kg/cm2");
    check.outcome = core::Check::Outcome::Fail;
    check.reason = "|e| ≥ B1 / 2: the load falls outside the PC footing, which would overturn";
    run.check(std::move(check));
}

// Where the smaller edge pressure is below zero the soil would have to pull on the footing:
// the linear distribution the design uses does not exist. Records the length that bears and
// the peak pressure of the distribution over it, beside the linear qmax.
void partialContact(StripSteps &s, const Term &B, const Term &qmax, const Term &qmin)
{
    if (std::min(qmax.value(), qmin.value()) >= 0)
        return;
    core::Run &run = s.run;
    const Term Lc = contactLength(run, "Lc", B, s.e);
    std::string text = "The soil pressure under the RC footing changes sign (6 |e| = " +
                       core::reportNumber(kKernDivisor * std::fabs(s.e.value())) +
                       " cm > B = " + core::noteNumber(B) + " cm): ";
    if (Lc.value() > 0) {
        const Term peak =
            run.step("q'max", rc::contactPeak(rc::kKgPerTonne * s.pt, s.bm, Lc), "kg/cm2",
                     "peak pressure over the contact length, per metre of wall");
        text += "with no tension between soil and footing only " + core::metres(Lc.value()) +
                " of the width bears, at up to " + core::noteNumber(peak) +
                " kg/cm2 against the largest linear edge pressure " +
                core::reportNumber(std::max(qmax.value(), qmin.value())) +
                " kg/cm2 that the results use.";
    } else {
        text += "the load falls outside the footing's width and no soil pressure balances it.";
    }
    run.warn({std::string(kFooting), std::move(text), {std::string(kFields.rcWidth)}});
}

// The moment at the section x under the trapezoid of pressure: the uniform part qx at x / 2
// and the triangle above it at 2 x / 3. Refused when it comes out negative.
bool trapezoidMoment(core::FieldReader &in, StripSteps &s, const Term &x, const Term &qmax,
                     const Term &qx, Term &M)
{
    M = s.run.step("M'",
                   qx * square(x) * s.bm / 2.0 + s.bm * x * 0.5 * (qmax - qx) * (2.0 * x / 3.0),
                   "kg.cm");
    if (M.value() < 0) {
        in.refuse(kInput.moment,
                  in.quoted(kInput.moment) +
                      " is a negative moment so large against the load that the soil "
                      "pulls on the footing and no depth can be found. Use a smaller "
                      "negative moment.");
        return false;
    }
    return true;
}

// Shear and punching under the linearly varying pressure: the shear from the section to the
// edge of qmax; the punching load is the wall load less the soil reaction between the two
// punching lines.
void nonUniformShearAndPunching(StripSteps &s, const Term &x, const Term &d, const Term &B,
                                const Term &qmax, const Term &qmin, const Term &dq)
{
    core::Run &run = s.run;
    run.heading("One-way shear");
    const Term xs = run.step("xs", x - d / 2.0, "cm", "from the shear section to the edge");
    const Term qs = run.step("qs", qmax - dq * xs, "kg/cm2", "pressure at the shear section");
    const Term Q = run.step("Q", s.bm * xs * qs + s.bm * xs * 0.5 * (qmax - qs), "kg");
    s.shearCheck(xs, run.step("qsh", Q / (s.bm * d), "kg/cm2"));

    run.heading("Punching");
    const Term q2 = run.step("q2", qmin + dq * xs, "kg/cm2", "pressure at the other punching line");
    const Term wd = run.step("wd", s.v.tw + d, "cm", "between the two punching lines");
    const Term Qp = run.step("Qp", rc::kKgPerTonne * s.pt - s.bm * wd * (q2 + qs) / 2.0, "kg");
    const Term per = run.step("per", 2.0 * (s.bm + wd), "cm");
    const Term qp = run.step("qp", Qp / (d * per), "kg/cm2");
    s.punchCheck(B, s.v.tw, qp, d, per);
}

// A centred wall whose load comes with a moment: the soil stress varies linearly across the
// width, from qmax to qmin.
void wallNonUniform(core::FieldReader &in, const Inputs &v, core::Run &run)
{
    StripSteps s(v, run);
    s.concreteShear();
    s.wallLoads(true);
    Slab slab;
    if (!eccentricPcWidth(in, s, slab))
        return;
    eccentricBearing(s, slab.B1);
    slab.B = s.rcWidth(slab.B1, kNarrowPcProjection, s.v.tw, "wall");

    run.heading("Soil pressure");
    const Term qc = run.step("qc", rc::kKgPerTonne * s.pt / (slab.B * s.bm), "kg/cm2", "mean");
    const Term qmax = run.step("qmax", qc * (1.0 + kKernDivisor * s.e / slab.B), "kg/cm2");
    const Term qmin = run.step("qmin", qc * (1.0 - kKernDivisor * s.e / slab.B), "kg/cm2");
    partialContact(s, slab.B, qmax, qmin);
    const Term dq =
        run.step("Δq", (qmax - qmin) / slab.B, "kg/cm2 per cm", "slope of the pressure");

    run.heading("Moments");
    const Term x = s.wallSection(slab.B, 0.0, false);
    const Term qx = run.step("qx", qmax - dq * x, "kg/cm2", "pressure at the section");
    Term M = 0.0;
    if (!trapezoidMoment(in, s, x, qmax, qx, M))
        return;
    const rc::Depth depth = s.depth(M);
    slab.d = depth.d;
    slab.h = depth.thickness;

    nonUniformShearAndPunching(s, x, slab.d, slab.B, qmax, qmin, dq);
    slab.nSec = s.secondarySteel(slab.B, slab.d);
    slab.nMain = s.mainSteel(M, slab.d);
    s.annotate(kCentredWall, slab);
    s.bondCheck(s.bm * x * qx + s.bm * x * 0.5 * (qmax - qx), slab.d, slab.nMain);

    s.slabQuantities(slab, "wall");
    sketchSection(slab, v, {slab.B1.value() / 2.0, v.tw.value(), v.tw.value(), false},
                  "Strip footing, section (one metre run)", run);
}

// --- a row of columns on a beam over a strip slab ---------------------------------------------

// The beam's load per metre and its actions as a beam continuous over the columns.
Term beamActions(StripSteps &s, Term &Mb, Term &Vb)
{
    core::Run &run = s.run;
    const Inputs &v = s.v;
    run.heading("Beam actions");
    const Term w = run.step("w", v.P / v.S, "t/m", "column load spread over the spacing");
    Mb = run.step("Mb", w * square(v.S) / kContinuousMomentDivisor, "t.m",
                  "continuous over the columns");
    Vb = run.step("Vb", w * v.S / 2.0, "t");
    return w;
}

// The beam's depth and its bars, top and bottom alike.
Term beamDepthAndSteel(StripSteps &s, const Term &Mb, Beam &beam)
{
    core::Run &run = s.run;
    const Inputs &v = s.v;
    run.heading("Beam depth");
    const Term M = rc::kKgCmPerTonneMetre * Mb;
    const Term dbreq = run.step("dbreq", rc::requiredDepth(M, v.fcu, v.b), "cm");
    const Term dbr = run.step("dbr", up5(dbreq), "cm");
    const rc::Depth chosen = rc::chooseDepth(dbr, v.tb, v.cover);
    const std::string room = "dbr = " + core::noteNumber(dbr) +
                             (chosen.assumedStands ? " ≤ " : " > ") +
                             "tb − cover = " + core::noteNumber(v.tb - v.cover);
    const Term db = run.step("db", chosen.d, "cm",
                             room + (chosen.assumedStands ? ": the assumed thickness stands"
                                                          : ": the thickness is dbr + cover"));
    beam.hb = run.step("hb", chosen.thickness, "cm", "thickness of the beam");
    run.setNumber(kBeamFields.thickness, beam.hb / rc::kCmPerMetre);
    run.check(rc::compare(kBeam, "Depth", dbreq, db, "cm"));

    run.heading("Beam steel");
    const Term As = run.step("AsbM", rc::steelArea(M, v.fy, db), "cm2");
    const Term least = run.step("AsbMin", rc::minimumSteel(db, v.b), "cm2", "0.2 % of db × b");
    const Term Asb =
        run.step("Asb", max(As, least), "cm2",
                 comparison(As, least) + (As.value() < least.value() ? ": the least steel governs"
                                                                     : ": the moment governs"));
    run.setNumber(kBeamFields.steelArea, core::roundHalfEven(Asb.value(), 2));
    const Term ab = run.step("ab", rc::barArea(v.phiB), "cm2", "area of one beam bar");
    beam.nb = run.step("nb", rc::barCount(Asb, ab), "bars", "top and bottom alike");
    run.setNumber(kBeamFields.topBars, beam.nb);
    run.setNumber(kBeamFields.bottomBars, beam.nb);
    run.check(rc::compare(kBeam, "Steel", Asb, run.step("AsbProv", beam.nb * ab, "cm2"), "cm2"));
    return db;
}

// Designed stirrups: the legs carry qs' at a spacing s; the count a metre follows from it.
Term designedStirrups(StripSteps &s, const Term &qsb, Beam &beam)
{
    core::Run &run = s.run;
    const Inputs &v = s.v;
    const Term qsd =
        run.step("qs'", qsb - kConcreteShareWithStirrups * s.qcu, "kg/cm2",
                 comparison(qsb, s.qcu) + ": stirrups carry the excess over half of qcu");
    const bool two = v.b.value() < kFourLegWidth;
    beam.legs = two ? 2.0 : 4.0;
    const Term legs = run.step("legs", Term(beam.legs), "",
                               "b = " + core::noteNumber(v.b) +
                                   (two ? " < 40 cm: two legs" : " ≥ 40 cm: four legs"));
    const Term ast = run.step("ast", rc::barArea(v.phiSt), "cm2", "area of one leg");
    const Term spacing =
        run.step("s", legs * ast * rc::kMildSteelFy / rc::kStirrupSteelFactor / (v.b * qsd), "cm",
                 "mild steel at 2400 / 1.15 over the legs' area");
    const Term n =
        run.step("ns", floor(rc::kCmPerMetre / spacing) + 1.0, "stirrups/m", "designed for qs'");
    const Term provided = run.step("sp", rc::kCmPerMetre / n, "cm", "spacing of ns a metre");
    const Term qst =
        run.step("qst", legs * ast * rc::kMildSteelFy / rc::kStirrupSteelFactor / (v.b * provided),
                 "kg/cm2", "shear the stirrups provided carry");
    run.check(rc::compare(kBeam, "Stirrups", qsd, qst, "kg/cm2"));
    return n;
}

// The beam's shear stress: nominal stirrups where the concrete carries it, designed ones
// where it does not.
void beamShear(StripSteps &s, const Term &Vb, const Term &db, Beam &beam)
{
    core::Run &run = s.run;
    const Inputs &v = s.v;
    run.heading("Beam shear");
    const Term qsb = run.step("qsb", rc::kKgPerTonne * Vb / (db * v.b), "kg/cm2");
    if (qsb.value() < s.qcu.value()) {
        beam.legs = v.b.value() < kFourLegWidth ? 2.0 : 4.0;
        beam.stirrups =
            run.step("ns", Term(kNominalStirrupsPerMetre), "stirrups/m",
                     "qsb = " + core::noteNumber(qsb) + " < qcu = " + core::noteNumber(s.qcu) +
                         ": the concrete carries the shear, nominal stirrups");
        run.setText(kBeamFields.stirrupsPerMetre, core::formatNumber(kNominalStirrupsPerMetre));
        run.check(rc::compare(kBeam, "Shear by concrete", qsb, s.qcu, "kg/cm2"));
        return;
    }
    beam.stirrups = designedStirrups(s, qsb, beam);
    run.setNumber(kBeamFields.stirrupsPerMetre, beam.stirrups);
}

// The beam's concrete a metre, its bars and stirrups over one span S.
void beamQuantities(const StripSteps &s, const Beam &beam, core::Run &run)
{
    const Inputs &v = s.v;
    const double c = v.cover.value();
    const double span = v.S.value();
    run.concrete({std::string(kBeam), "Beam", 1.0, v.b.value() / rc::kCmPerMetre,
                  beam.hb.value() / rc::kCmPerMetre});
    run.bars({std::string(kBeam), "1", "beam, bottom, one span S", v.phiB.value(), "straight",
              beam.nb.value(), span});
    run.bars({std::string(kBeam), "2", "beam, top, one span S", v.phiB.value(), "straight",
              beam.nb.value(), span});
    const double outline =
        2.0 * (std::max(0.0, v.b.value() - 2.0 * c) + std::max(0.0, beam.hb.value() - 2.0 * c));
    const double positions = std::ceil(beam.stirrups.value() * span);
    run.bars({std::string(kBeam), "3", "beam stirrups, one span S", v.phiSt.value(),
              "closed stirrup", positions * beam.legs / 2.0, outline / rc::kCmPerMetre});
    run.assume("The beam is continuous over the columns at spacing S: moment w S² / 12 and "
               "shear w S / 2; its concrete is counted per metre run, apart from the slab.");
    run.assume("The beam's bars, top and bottom alike, are counted over one span S, each S "
               "long, laps not included.");
    run.assume("Beam stirrups over one span S: the count a metre times S, rounded up; each a "
               "closed stirrup around the beam less the cover on every side, 2 ((b − 2 × cover) "
               "+ (hb − 2 × cover)) long, hooks not included; with four legs, two such "
               "stirrups at each place.");
    run.assume("The stirrup spacing uses the area of the legs.");
}

// The slab, one metre of it, under the beam's load per metre w.
void slabUnderBeam(StripSteps &s, const Term &w, Slab &slab)
{
    core::Run &run = s.run;
    const Inputs &v = s.v;
    run.heading("Loads");
    s.perMetre();
    s.pt = run.step("pt", rc::totalLoad(w), "t/m", "beam load with the footing's weight");
    s.Pw = run.step("Pw", rc::workingLoad(s.pt), "t/m", "working load for the soil");
    run.heading("Plain-concrete footing");
    // The beam's ultimate load with the footing's weight, in kg per cm of the strip's run.
    const Term load = Term(rc::kKgPerTonne / rc::kCmPerMetre) * rc::kSelfWeightFactor * w;
    slab.B1 = run.step("B1", up5(rc::pcAreaOfUltimateLoad(load, v.qall)), "cm",
                       "width for the working load 1.1 w / 1.5 on qall");
    s.writePcFooting(slab.B1);
    s.bearing(slab.B1);
    slab.B = s.rcWidth(slab.B1, rc::kPcProjection, s.v.b, "beam");
}

// A row of columns at spacing S on a longitudinal beam of the columns' width, over a strip
// slab: first the beam, then one metre of the slab with the beam in the place of the wall.
void seriesOfColumns(const Inputs &v, core::Run &run)
{
    StripSteps s(v, run);
    s.concreteShear();
    run.setNumber(kBeamFields.width, v.b / rc::kCmPerMetre);
    Term Mb = 0.0, Vb = 0.0;
    const Term w = beamActions(s, Mb, Vb);
    Beam beam;
    const Term db = beamDepthAndSteel(s, Mb, beam);
    beamShear(s, Vb, db, beam);

    Slab slab;
    slabUnderBeam(s, w, slab);
    run.heading("Soil pressure");
    const Term qc = run.step("qc", rc::kKgPerTonne * rc::kSelfWeightFactor * w / (slab.B * s.bm),
                             "kg/cm2", "uniform under the beam");
    run.heading("Moments");
    const Term x = run.step("x", (slab.B - v.b) / 2.0, "cm", "at the beam's face");
    const Term M = run.step("M", qc * square(x) * s.bm / 2.0, "kg.cm");
    const rc::Depth depth = s.depth(M);
    slab.d = depth.d;
    slab.h = depth.thickness;
    const Term &d = slab.d;

    run.heading("One-way shear");
    const Term xs = run.step("xs", x - d / 2.0, "cm", "from the shear section to the edge");
    const Term Q = run.step("Q", qc * xs * s.bm, "kg");
    s.shearCheck(xs, run.step("qsh", Q / (s.bm * d), "kg/cm2"));

    run.heading("Punching");
    const Term Qp = run.step("Qp", qc * (s.bm * slab.B - s.bm * (v.b + d)), "kg",
                             "soil reaction outside the punching lines");
    const Term per = run.step("per", 2.0 * s.bm, "cm", "two punching lines a metre long");
    s.punchCheck(slab.B, v.b, run.step("qp", Qp / (per * d), "kg/cm2"), d, per);

    slab.nSec = s.secondarySteel(slab.B, d);
    slab.nMain = s.mainSteel(M, d);
    s.annotate(kBeamAndColumns, slab);
    s.bondCheck(qc * x * s.bm, d, slab.nMain);

    s.slabQuantities(slab, "beam");
    beamQuantities(s, beam, run);
    const Support onSlab{.centre = slab.B1.value() / 2.0,
                         .width = v.b.value(),
                         .height = beam.hb.value(),
                         .beam = true,
                         .topBars = core::barsText(beam.nb, v.phiB) + " top",
                         .bottomBars = core::barsText(beam.nb, v.phiB) + " bottom",
                         .stirrups = core::barsText(beam.stirrups, v.phiSt) + " stirrups / m"};
    sketchSection(slab, v, onSlab, "Strip footing under a row of columns, section (one metre run)",
                  run);
}

} // namespace

core::DesignResult design(const core::DesignRequest &request)
{
    const int footingCase = request.footingCase;
    if (footingCase < kUniformStress || footingCase > kSeriesOfColumn)
        return {};

    const std::span<const core::InputField> captions =
        footingCase == kSeriesOfColumn ? std::span<const core::InputField>(tables::kColumnInputs)
                                       : std::span<const core::InputField>(tables::kInputs);
    core::FieldReader in(request.texts, captions);
    const Inputs v = readInputs(in, request);
    if (in.failed())
        return in.refused();

    core::Run run;
    run.setInputsRead(in.readControls());
    switch (footingCase) {
    case kUniformStress:
        wallUniform(v, false, run);
        break;
    case kUniformWithMoment:
        wallUniform(v, true, run);
        break;
    case kNonUniformStress:
        wallNonUniform(in, v, run);
        break;
    case kSeriesOfColumn:
        seriesOfColumns(v, run);
        break;
    }
    if (in.failed())
        return in.refused();
    return core::finish(std::move(run), captions);
}

const core::DesignWindowInfo &windowInfo()
{
    static const core::DesignWindowInfo window{.command = "strip",
                                               .title = "Design Of Strip Footing",
                                               .controls = tables::kDesign,
                                               .inputs = tables::kInputs,
                                               .caseNames = tables::kCaseNames,
                                               .wallOption = kInput.brickWall,
                                               .design = design};
    return window;
}

} // namespace strip

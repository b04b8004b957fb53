#include "strip/strip_design.h"

#include "core/check_messages.h"
#include "core/number_format.h"
#include "strip/strip_tables.h"

#include <cmath>
#include <string>

namespace strip {

namespace {

constexpr std::string_view kNoLength = "-----"; // a strip has no length of its own
constexpr std::string_view kBlame =
    "that every load, size, strength and bar diameter is a number of ordinary size";

double square(double x)
{
    return x * x;
}

// The inputs of one run, as numbers; the list texts are echoed unchanged in the sketches.
struct Inputs {
    double P = 0, M = 0;              // load (t/m of wall, or t per column), moment (t.m/m)
    double tw = 0;                    // wall thickness (cm)
    double b = 0, S = 0, tb = 0;      // column width (cm), spacing (m), beam thickness (cm)
    double t1 = 0, t = 0, cover = 0;  // cm
    double fcu = 0, fy = 0, qall = 0; // kg/cm2
    double phiMain = 0, phiSec = 0, phiSt = 0, phiB = 0; // mm
    bool brick = true;
    std::string mainText, secText;
};

std::string textOf(const core::FieldTexts &texts, std::string_view control)
{
    const auto text = texts.find(control);
    return text == texts.end() ? std::string() : text->second;
}

void mustExceedCover(core::FieldReader &in, std::string_view control, double value, double cover)
{
    if (!in.failed() && !(value > cover))
        in.refuse(control, in.quoted(control) + " must be greater than the cover (\"Cover\").");
}

// Reads the inputs the case uses, in the order they stand on the window.
Inputs readInputs(core::FieldReader &in, const core::DesignRequest &request)
{
    const int footingCase = request.footingCase;
    const bool columns = footingCase == kSeriesOfColumn;
    Inputs v;
    v.P = in.positive("Text1").value();
    if (footingCase == kUniformWithMoment || footingCase == kNonUniformStress)
        v.M = in.number("Text10").value();
    v.t1 = in.positive("Text2").value();
    v.t = in.positive("Text3").value();
    v.cover = in.positive("Text4").value();
    mustExceedCover(in, "Text3", v.t, v.cover);
    if (columns) {
        v.b = in.positive("Text6").value();
        in.positive("Text11").value(); // the column thickness: checked, but no result depends on it
        v.S = in.positive("Text12").value();
    } else {
        v.tw = in.positive("Text5").value();
    }
    v.fcu = in.positive("Text7").value();
    v.fy = in.positive("Text8").value();
    v.qall = in.positive("Text9").value();
    if (columns) {
        v.tb = in.positive("Text13").value();
        mustExceedCover(in, "Text13", v.tb, v.cover);
    }
    v.phiMain = in.positive("Combo1").value();
    v.phiSec = in.positive("Combo2").value();
    if (columns) {
        v.phiSt = in.positive("Combo3").value();
        v.phiB = in.positive("Combo4").value();
    }
    if (!columns)
        v.brick = in.selected("Option1");
    v.mainText = textOf(request.texts, "Combo1");
    v.secText = textOf(request.texts, "Combo2");
    return v;
}

const double kPi = 4.0 * std::atan(1.0);

// The area of one bar (cm2) of a diameter in mm.
double barArea(double phi)
{
    return (kPi / 4.0) * square(phi / 10.0);
}

// Step 1: shear strength of concrete.
double shearStrength(const Inputs &v, core::Run &run)
{
    const double qcu = 0.75 * std::sqrt(v.fcu / 1.5);
    run.note("qcu", qcu, "kg/cm2");
    return qcu;
}

// Step 5: the PC footing's row of the dimension table.
void writePcFooting(double B1, const Inputs &v, core::Run &run)
{
    run.note("B1", B1, "cm");
    run.setText("Label37", kNoLength);
    run.setNumber("Label38", B1 / 100.0);
    run.setNumber("Label39", v.t1 / 100.0);
}

// Step 6: the RC footing is `offset` narrower than the PC footing, unless that leaves nothing.
double rcWidth(double B1, double offset, core::Run &run)
{
    double B = B1 - offset;
    if (B <= 0)
        B = B1;
    run.note("B", B, "cm");
    run.setText("Label40", kNoLength);
    run.setNumber("Label41", B / 100.0);
    return B;
}

// Steps 10 and 11: the depth the moment needs, and the thickness that stands.
double effectiveDepth(double M, const Inputs &v, core::Run &run)
{
    const double dreq = 3.0 * std::sqrt(M / (100.0 * v.fcu));
    const double dr = core::up5(dreq);
    run.note("dreq", dreq, "cm");
    run.note("dr", dr, "cm");
    double d = 0;
    if (dr <= v.t - v.cover) {
        run.setNumber("Label42", v.t / 100.0);
        d = v.t - v.cover;
    } else {
        run.setNumber("Label42", (v.cover + dr) / 100.0);
        d = dr;
    }
    run.note("d", d, "cm");
    return d;
}

// Step 12's messages: no shear section when it falls beyond the footing's edge.
void shearCheck(double beyondSection, double qsh, double qcu, core::Run &run)
{
    run.note("qsh", qsh, "kg/cm2");
    if (beyondSection <= 0)
        run.setText("Label45", core::check::kNoShear);
    else if (qsh <= qcu)
        run.setText("Label45", core::check::kSafeShear);
    else
        run.setText("Label45", core::check::kUnsafeShear);
}

// Step 13's allowable stress and messages: no punching when the punching lines fall beyond
// the footing.
void punchCheck(double outside, double qp, double d, double per, const Inputs &v, core::Run &run)
{
    const double r = std::sqrt(v.fcu / 1.5);
    const double qcup1 = 2.5 * (4.0 * d / per + 0.2) * r;
    const double qcup3 = r;
    const double qcup = qcup1 < qcup3 ? qcup1 : qcup3;
    run.note("qp", qp, "kg/cm2");
    run.note("qcup1", qcup1, "kg/cm2");
    run.note("qcup3", qcup3, "kg/cm2");
    if (outside <= 0)
        run.setText("Label44", core::check::kNoPunch);
    else if (qp <= qcup)
        run.setText("Label44", core::check::kSafePunch);
    else
        run.setText("Label44", core::check::kUnsafePunch);
}

// Steps 14 and 15: secondary steel over the whole width B and its bar count.
double secondarySteel(double B, double d, const Inputs &v, core::Run &run)
{
    const double AsW = 6.78 * B / 100.0;
    const double AsR = 0.2 * d * B / 100.0;
    const double AsSec = AsW > AsR ? AsW : AsR;
    run.note("AsSec", AsSec, "cm2");
    run.setNumber("Label31", core::roundHalfEven(AsSec, 2));
    const double nSec = std::floor(AsSec / barArea(v.phiSec)) + 1.0;
    run.note("nSec", nSec, "bars");
    run.setNumber("Label28", nSec);
    return nSec;
}

// Steps 16 and 17: main steel per metre of wall for the moment M, and its bar count.
double mainSteel(double M, double d, const Inputs &v, core::Run &run)
{
    const double As = M / (0.8 * v.fy * d);
    const double Asmin = 0.2 * 100.0 * d / 100.0;
    const double AsMain = As > Asmin ? As : Asmin;
    run.note("AsMain", AsMain, "cm2");
    run.setNumber("Label17", core::roundHalfEven(AsMain, 2));
    const double nMain = std::floor(AsMain / barArea(v.phiMain)) + 1.0;
    run.note("nMain", nMain, "bars");
    run.setNumber("Label27", nMain);
    return nMain;
}

// The bar annotations of a sketch: count and diameter of the main and the secondary bars.
struct Annotations {
    std::string_view mainCount, mainDiameter, secCount, secDiameter;
};

constexpr Annotations kCentredWall{"Label33", "Label34", "Label35", "Label60"};
constexpr Annotations kOffCentreWall{"Label61", "Label62", "Label63", "Label64"};
constexpr Annotations kBeamAndColumns{"Label65", "Label66", "Label67", "Label68"};

// Step 18.
void annotate(const Annotations &labels, double nMain, double nSec, const Inputs &v, core::Run &run)
{
    run.setNumber(labels.secCount, nSec);
    run.setNumber(labels.mainCount, nMain);
    run.setText(labels.secDiameter, v.secText);
    run.setText(labels.mainDiameter, v.mainText);
}

// Step 19: flexural bond of the main bars at the critical section, for the shear Qb there.
void bondCheck(double Qb, double d, double nMain, const Inputs &v, core::Run &run)
{
    const double So = (v.phiMain / 10.0) * kPi * nMain;
    const double qb = Qb / (0.87 * d * So);
    run.note("Qb", Qb, "kg");
    run.note("So", So, "cm");
    run.note("qb", qb, "kg/cm2");
    if (qb <= core::check::bondLimit(v.fy))
        run.setText("Label43", core::check::kSafeBond);
    else
        run.setText("Label43", core::check::kUnsafeBond);
}

// A wall with a uniform soil stress: centred ("Uniform Stress") or off the middle by the
// eccentricity of the load ("Uniform Stress With Moment").
void wallUniform(const Inputs &v, bool withMoment, core::Run &run)
{
    const double qcu = shearStrength(v, run);
    const double pt = 1.1 * v.P;
    const double Pw = pt / 1.5;
    double e = 0;
    if (withMoment) {
        e = 100.0 * v.M / pt;
        run.note("e", e, "cm");
    }
    const double Apc = 1000.0 * Pw / v.qall;
    const double B1 = core::up5(Apc / 100.0);
    writePcFooting(B1, v, run);
    const double B = rcWidth(B1, 60.0, run);
    const double qc = 1000.0 * pt / (B * 100.0);
    run.note("qc", qc, "kg/cm2");

    // The critical section: the wall's face, or for a brick wall a quarter of it further in.
    double x = 0;
    if (!withMoment)
        x = v.brick ? (B - v.tw) / 2.0 + v.tw / 4.0 : (B - v.tw) / 2.0;
    else
        x = v.brick ? B / 2.0 + e - v.tw / 2.0 + v.tw / 4.0 : B / 2.0 + e - v.tw / 2.0;
    run.note("x", x, "cm");
    const double M = qc * square(x) * 100.0 / 2.0;
    run.note("M", M, "kg.cm");
    const double d = effectiveDepth(M, v, run);

    const double Q = qc * (x - d / 2.0) * 100.0;
    const double qsh = Q / (100.0 * d);
    shearCheck(x - d / 2.0, qsh, qcu, run);

    double Qp = 0;
    if (!withMoment) {
        Qp = qc * (100.0 * B - 100.0 * (v.tw + d));
    } else {
        // The shorter cantilever limits the punching line on that side.
        const double c2 = (B / 2.0 - e) - v.tw / 2.0;
        const double ext = c2 > d / 2.0 ? d / 2.0 : c2;
        const double w = ext + d / 2.0;
        run.note("c2", c2, "cm");
        run.note("w", w, "cm");
        Qp = qc * (100.0 * B - 100.0 * (w + v.tw));
    }
    const double per = 200.0;
    const double qp = Qp / (per * d);
    punchCheck(100.0 * B - 100.0 * (d + v.tw), qp, d, per, v, run);

    const double nSec = secondarySteel(B, d, v, run);
    const double nMain = mainSteel(qc * square(x) * 100.0 / 2.0, d, v, run);
    annotate(withMoment ? kOffCentreWall : kCentredWall, nMain, nSec, v, run);
    bondCheck(qc * x * 100.0, d, nMain, v, run);
}

// A centred wall whose load comes with a moment: the soil stress varies linearly across the
// width, from qmax to qmin.
void wallNonUniform(core::FieldReader &in, const Inputs &v, core::Run &run)
{
    const double qcu = shearStrength(v, run);
    const double pt = 1.1 * v.P;
    const double Pw = pt / 1.5;
    const double e = 100.0 * v.M / pt;
    const double k = 1.0 + 6.0 * e / 100.0;
    run.note("e", e, "cm");
    run.note("k", k);
    const double B1 = core::up5(1000.0 * Pw * k / (100.0 * v.qall));
    if (B1 <= 0) {
        in.refuse("Text10", in.quoted("Text10") + " is a negative moment too large for the load " +
                                in.quoted("Text1") +
                                ": the footing width comes out at 0 or less. Keep M above "
                                "-1.1 x P / 6.");
        return;
    }
    writePcFooting(B1, v, run);
    const double B = rcWidth(B1, 30.0, run);

    const double qc = 1000.0 * pt / (B * 100.0);
    const double qmax = qc * (1.0 + 6.0 * e / B);
    const double qmin = qc * (1.0 - 6.0 * e / B);
    const double s = (qmax - qmin) / B;
    run.note("qc", qc, "kg/cm2");
    run.note("qmax", qmax, "kg/cm2");
    run.note("qmin", qmin, "kg/cm2");

    const double x = v.brick ? (B - v.tw) / 2.0 + v.tw / 4.0 : (B - v.tw) / 2.0;
    const double qx = qmax - s * x;
    run.note("x", x, "cm");
    run.note("qx", qx, "kg/cm2");
    // The uniform part of the pressure at x / 2 and the triangle above qx at 2x / 3.
    const double Mx =
        qx * square(x) * 100.0 / 2.0 + (100.0 * x * 0.5 * (qmax - qx)) * (2.0 * x / 3.0);
    run.note("M'", Mx, "kg.cm");
    if (Mx < 0) {
        in.refuse("Text10", in.quoted("Text10") +
                                " is a negative moment so large against the load that the soil "
                                "pulls on the footing and no depth can be found. Use a smaller "
                                "negative moment.");
        return;
    }
    const double d = effectiveDepth(Mx, v, run);

    const double xs = x - d / 2.0;
    const double qs = qmax - s * xs;
    const double Q = 100.0 * xs * qs + 100.0 * xs * 0.5 * (qmax - qs);
    const double qsh = Q / (100.0 * d);
    shearCheck(xs, qsh, qcu, run);

    // The wall load less the soil reaction between the two punching lines.
    const double q2 = qmin + s * xs;
    const double wd = v.tw + d;
    const double Qp = 1000.0 * pt - 100.0 * wd * (q2 + qs) / 2.0;
    const double per = 2.0 * (100.0 + wd);
    const double qp = Qp / (d * per);
    punchCheck(100.0 * B - 100.0 * (d + v.tw), qp, d, per, v, run);

    const double nSec = secondarySteel(B, d, v, run);
    const double nMain = mainSteel(Mx, d, v, run);
    annotate(kCentredWall, nMain, nSec, v, run);
    const double Qb = 100.0 * x * qx + 100.0 * x * 0.5 * (qmax - qx);
    bondCheck(Qb, d, nMain, v, run);
}

// A row of columns at spacing S on a longitudinal beam of the columns' width, over a strip
// slab: first the beam, then one metre of the slab with the beam in the place of the wall.
void seriesOfColumns(const Inputs &v, core::Run &run)
{
    // The beam.
    const double qcu = shearStrength(v, run);
    run.setNumber("Label57", v.b / 100.0);
    const double w = v.P / v.S;
    const double Mb = w * square(v.S) / 12.0;
    const double Vb = w * v.S / 2.0;
    run.note("w", w, "t/m");
    run.note("Mb", Mb, "t.m");
    run.note("Vb", Vb, "t");

    const double dbreq = 3.0 * std::sqrt(100000.0 * Mb / (v.b * v.fcu));
    const double db1 = core::up5(dbreq);
    run.note("dbreq", dbreq, "cm");
    double db = 0;
    if (db1 <= v.tb - v.cover) {
        run.setNumber("Label59", v.tb / 100.0);
        db = v.tb - v.cover;
    } else {
        run.setNumber("Label59", (v.cover + db1) / 100.0);
        db = db1;
    }
    run.note("db", db, "cm");

    const double Asbeam = 100000.0 * Mb / (0.8 * v.fy * db);
    const double Asmin = 0.2 * db * v.b / 100.0;
    const double Asb = Asbeam > Asmin ? Asbeam : Asmin;
    run.note("Asb", Asb, "cm2");
    run.setNumber("Label70", core::roundHalfEven(Asb, 2));
    const double nb = std::floor(Asb / barArea(v.phiB)) + 1.0;
    run.setNumber("Label71", nb);
    run.setNumber("Label72", nb);

    const double qsb = 1000.0 * Vb / (db * v.b);
    run.note("qsb", qsb, "kg/cm2");
    if (qsb < qcu) {
        run.setText("Label73", "6");
    } else {
        const double qsd = qsb - 0.5 * qcu;
        const double legs = v.b < 40 ? 2.0 : 4.0;
        // The stirrups carry qs' with the area of their legs, mild steel at 2400 / 1.15.
        const double spacing = (legs * barArea(v.phiSt) * 2400.0 / 1.15) / (v.b * qsd);
        const double N = std::floor(100.0 / spacing) + 1.0;
        run.note("qs'", qsd, "kg/cm2");
        run.note("s", spacing, "cm");
        run.setNumber("Label73", N);
    }

    // The slab, one metre of it, under the beam's load per metre w.
    const double B1 = core::up5(10.0 * 1.1 * w / (1.5 * v.qall));
    writePcFooting(B1, v, run);
    const double B = rcWidth(B1, 60.0, run);
    const double qc = 1000.0 * 1.1 * w / (B * 100.0);
    const double x = (B - v.b) / 2.0;
    run.note("qc", qc, "kg/cm2");
    run.note("x", x, "cm");
    const double M = qc * square(x) * 100.0 / 2.0;
    run.note("M", M, "kg.cm");
    const double d = effectiveDepth(M, v, run);

    const double Q = qc * (x - d / 2.0) * 100.0;
    const double qsh = Q / (100.0 * d);
    shearCheck(x - d / 2.0, qsh, qcu, run);

    const double Qp = qc * (100.0 * B - 100.0 * (v.b + d));
    const double per = 200.0;
    const double qp = Qp / (per * d);
    punchCheck(100.0 * B - 100.0 * (d + v.b), qp, d, per, v, run);

    const double nSec = secondarySteel(B, d, v, run);
    const double nMain = mainSteel(qc * square(x) * 100.0 / 2.0, d, v, run);
    annotate(kBeamAndColumns, nMain, nSec, v, run);
    bondCheck(qc * x * 100.0, d, nMain, v, run);
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
    return core::finish(std::move(run), kBlame);
}

const core::DesignWindowInfo &windowInfo()
{
    static const core::DesignWindowInfo window{.command = "strip",
                                               .title = "Design Of Strip Footing",
                                               .controls = tables::kDesign,
                                               .inputs = tables::kInputs,
                                               .caseNames = tables::kCaseNames,
                                               .wallOption = "Option1",
                                               .design = design};
    return window;
}

} // namespace strip

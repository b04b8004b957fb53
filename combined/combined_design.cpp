#include "combined/combined_design.h"

#include "combined/combined_tables.h"
#include "core/number_format.h"

#include <algorithm>
#include <cmath>

namespace combined {

namespace {

// Where a run writes what depends on its layout.
struct LayoutLabels {
    LayoutPictures shown;
    LayoutPictures hidden;
    // Straining actions on the diagrams.
    std::string_view Q1, Q2, Qo, M1, Mmax, M2, Mo;
    // Beam annotations on the section.
    std::string_view beam1Width, beam1Count, beam1Diameter;
    std::string_view beam2Width, beam2Count, beam2Diameter;
};

constexpr LayoutLabels kC1FlushLabels{
    kC1Flush,  kC2Flush,   "Label81",  "Label82",  "Label83",  "Label84",  "Label85",  "Label86",
    "Label87", "Label118", "Label123", "Label124", "Label121", "Label125", "Label126",
};
constexpr LayoutLabels kC2FlushLabels{
    kC2Flush,  kC1Flush,   "Label89",  "Label90",  "Label88",  "Label92",  "Label93",  "Label94",
    "Label91", "Label112", "Label127", "Label128", "Label115", "Label129", "Label130",
};

const double pi = 4.0 * std::atan(1.0);

// Area of one bar of diameter D mm, in cm2.
double barArea(double D)
{
    return (pi / 4) * ((D / 10) * (D / 10));
}

// Bars of diameter D mm that give at least As cm2 (always one more than the area needs).
double barCount(double As, double D)
{
    return std::floor(As / barArea(D)) + 1;
}

// Punching of one column: the critical section at d/2 from its faces, cut short by the end
// of the footing where the column is flush with it or its overhang is shorter than d/2.
struct Punching {
    int section = 0; // 1 flush with the end, 2 full perimeter, 3 cut by the overhang
    double Ap = 0, per = 0, Qp = 0, qp = 0, qcup1 = 0, qcup2 = 0, qcup3 = 0, qcup = 0;
    bool safe() const { return qp <= qcup; }
};

Punching punching(double tc, double bc, double ptc, bool flush, double d, double Lo, double qc,
                  double fcu)
{
    Punching p;
    if (flush) {
        p.section = 1;
        p.Ap = (tc + d / 2) * (bc + d) / 10000;
        p.per = 2 * ((tc + d / 2) + (bc + d));
    } else if (d / 2 < 100 * Lo) {
        p.section = 2;
        p.Ap = (tc + d) * (bc + d) / 10000;
        p.per = 2 * ((tc + d) + (bc + d));
    } else {
        p.section = 3;
        const double a = tc + d / 2 + 100 * Lo;
        p.Ap = a * (bc + d) / 10000;
        p.per = 2 * (a + (bc + d));
    }
    p.Qp = ptc - qc * p.Ap;
    p.qp = 1000 * p.Qp / (p.per * d);
    p.qcup1 = 2.5 * (4 * d / p.per + 0.2) * std::sqrt(fcu / 1.5);
    p.qcup2 = (0.5 + tc / bc) * std::sqrt(fcu / 1.5);
    p.qcup3 = std::sqrt(fcu / 1.5);
    p.qcup = std::min({p.qcup1, p.qcup2, p.qcup3});
    return p;
}

void notePunching(core::Run &run, const Punching &p, std::string_view column)
{
    const std::string at = "(" + std::string(column) + ")";
    run.note("section" + at, p.section);
    run.note("Ap" + at, p.Ap, "m2");
    run.note("per" + at, p.per, "cm");
    run.note("Qp" + at, p.Qp, "t");
    run.note("qp" + at, p.qp, "kg/cm2");
    run.note("qcup1" + at, p.qcup1, "kg/cm2");
    run.note("qcup2" + at, p.qcup2, "kg/cm2");
    run.note("qcup3" + at, p.qcup3, "kg/cm2");
    run.note("qcup" + at, p.qcup, "kg/cm2");
}

} // namespace

core::DesignResult design(const core::DesignRequest &request)
{
    core::FieldReader reader(request.texts, tables::kInputs);
    const double P1 = reader.positive("Text1").value();
    const double P2 = reader.positive("Text2").value();
    const double bc1 = reader.positive("Text6").value();
    const double tc1 = reader.positive("Text7").value();
    const double bc2 = reader.positive("Text8").value();
    const double tc2 = reader.positive("Text9").value();
    const double fcu = reader.positive("Text10").value();
    const double fy = reader.positive("Text11").value();
    const double qall = reader.positive("Text12").value();
    const double cover = reader.positive("Text5").value();
    // Column centres closer than half the two sides would put one column inside the other.
    const double S = reader
                         .greaterThan("Text13", (tc1 + tc2) / 200,
                                      core::formatNumber((tc1 + tc2) / 200) +
                                          " m, half the two column sides together")
                         .value();
    const double t1 = reader.positive("Text3").value();
    const double ta =
        reader.greaterThan("Text4", cover, "the cover, " + core::formatNumber(cover) + " cm")
            .value();
    const double Dtop = reader.positive("Combo1").value();
    const double Dbot = reader.positive("Combo2").value();
    const double Db1 = reader.positive("Combo3").value();
    const double Db2 = reader.positive("Combo4").value();
    if (reader.failed())
        return reader.refused();
    const std::string &topText = request.texts.at("Combo1");
    const std::string &bottomText = request.texts.at("Combo2");
    const std::string &beam1Text = request.texts.at("Combo3");
    const std::string &beam2Text = request.texts.at("Combo4");

    core::Run run;

    // 1. Loads, with the footing's own weight, and the shear strength.
    const double pt1 = 1.1 * P1;
    const double pt2 = 1.1 * P2;
    const double pt = pt1 + pt2;
    const double qcu = 0.75 * std::sqrt(fcu / 1.5);
    run.note("pt1", pt1, "t");
    run.note("pt2", pt2, "t");
    run.note("pt", pt, "t");
    run.note("qcu", qcu, "kg/cm2");

    // 2. Layout: the footing is centred under the resultant with one end flush with the outer
    //    face of C1, unless that footing would stop short of C2's outer face.
    const double xr = pt2 * S / pt;
    double Lf = 2 * (xr + tc1 / 200);
    run.note("xr", xr, "m");
    run.note("Lf(C1 flush)", Lf, "m");
    const bool c1Flush = !(Lf < S + tc1 / 200 + tc2 / 200);
    if (!c1Flush) {
        Lf = 2 * ((S - xr) + tc2 / 200);
    }
    run.note("Lf", Lf, "m");
    run.note("layout", c1Flush ? 1 : 2);
    const LayoutLabels &at = c1Flush ? kC1FlushLabels : kC2FlushLabels;
    run.show(at.shown.diagrams);
    run.show(at.shown.section);
    run.hide(at.hidden.diagrams);
    run.hide(at.hidden.section);

    // 3. PC footing.
    const double Apc = 1000 * pt / (1.5 * qall);
    const double L1 = 5 * (std::floor(100 * Lf / 5) + 1);
    const double B1 = 5 * (std::floor(Apc / L1 / 5) + 1);
    run.note("Apc", Apc, "cm2");
    run.note("L1", L1, "cm");
    run.note("B1", B1, "cm");
    if (!(B1 > 60)) {
        reader.refuse("Text12",
                      "The PC footing comes out only " + core::formatNumber(B1 / 100) +
                          " m wide, and the RC footing must be 60 cm narrower than it. Lower " +
                          reader.quoted("Text12") + " or raise the column loads.");
        return reader.refused();
    }
    run.setNumber("Label75", L1 / 100);
    run.setNumber("Label76", B1 / 100);
    run.setNumber("Label77", t1 / 100);

    // 4. RC footing, net soil pressure and the overhang beyond the column not flush with an end.
    const double L = L1;
    const double B = B1 - 60;
    const double qc = 10000 * pt / (L * B);
    const double w = qc * B / 100;
    run.note("L", L, "cm");
    run.note("B", B, "cm");
    run.note("qc", qc, "t/m2");
    run.note("w", w, "t/m");
    run.setNumber("Label78", L / 100);
    run.setNumber("Label79", B / 100);
    const double Lo = L / 100 - (S + tc1 / 200 + tc2 / 200);
    run.note("Lo", Lo, "m");

    // 5. Straining actions.
    double Q1 = 0, M1 = 0, Q2 = 0, M2 = 0, x0 = 0, Mmax = 0;
    if (c1Flush) {
        Q1 = pt1 - w * tc1 / 100;
        M1 = pt1 * tc1 / 200 - w * (tc1 * tc1) / 20000;
        Q2 = pt2 - w * (Lo + tc2 / 100);
        M2 = pt2 * tc2 / 200 - w * ((Lo + tc2 / 100) * (Lo + tc2 / 100)) / 2;
        x0 = pt1 / w;
        Mmax = pt1 * (x0 - tc1 / 200) - w * (x0 * x0) / 2;
    } else {
        Q1 = pt1 - w * (Lo + tc1 / 100);
        M1 = pt1 * tc1 / 200 - w * ((Lo + tc1 / 100) * (Lo + tc1 / 100)) / 2;
        Q2 = pt2 - w * tc2 / 100;
        M2 = pt2 * tc2 / 200 - w * (tc2 * tc2) / 20000;
        x0 = pt2 / w;
        Mmax = pt2 * (x0 - tc2 / 200) - w * (x0 * x0) / 2;
    }
    const double Qo = w * Lo;
    const double Mo = w * (Lo * Lo) / 2;
    run.note("Q1", Q1, "t");
    run.note("M1", M1, "t.m");
    run.note("Q2", Q2, "t");
    run.note("M2", M2, "t.m");
    run.note("Qo", Qo, "t");
    run.note("Mo", Mo, "t.m");
    run.note("x0", x0, "m");
    run.note("Mmax", Mmax, "t.m");
    if (Mmax < 0) {
        // The soil pressure under the flush column outweighs its load: no sagging span.
        const std::string_view load = c1Flush ? "Text1" : "Text2";
        const std::string_view side = c1Flush ? "Text7" : "Text9";
        reader.refuse(load, "The largest moment between the columns comes out negative (" +
                                core::formatNumber(core::roundHalfEven(Mmax, 2)) +
                                " t.m): the soil pressure under the column flush with the end "
                                "outweighs its load. Raise " +
                                reader.quoted(load) + " or lower " + reader.quoted(side) + ".");
        return reader.refused();
    }
    run.setNumber(at.Q1, core::roundHalfEven(Q1, 2));
    run.setNumber(at.Q2, core::roundHalfEven(Q2, 2));
    run.setNumber(at.Qo, core::roundHalfEven(Qo, 2));
    run.setNumber(at.M1, core::roundHalfEven(M1, 2));
    run.setNumber(at.Mmax, core::roundHalfEven(Mmax, 2));
    run.setNumber(at.M2, core::roundHalfEven(M2, 2));
    run.setNumber(at.Mo, core::roundHalfEven(Mo, 2));

    // 6. Depth: the assumed thickness stands when it is deep enough.
    const double dreq = 3 * std::sqrt(Mmax * 100000 / (fcu * B));
    const double dr = 5 * (std::floor(dreq / 5) + 1);
    double d = 0;
    if (dr <= ta - cover) {
        run.setNumber("Label80", ta / 100);
        d = ta - cover;
    } else {
        run.setNumber("Label80", (dr + cover) / 100);
        d = dr;
    }
    run.note("dreq", dreq, "cm");
    run.note("dr", dr, "cm");
    run.note("d", d, "cm");

    // 7. Shear at d/2 from the face of the more heavily loaded column.
    const double Qmax = std::max(Q1, Q2);
    const double Qd = Qmax - w * d / 200;
    const double qsh = 1000 * Qd / (0.87 * B * d);
    run.note("Qmax", Qmax, "t");
    run.note("Qd", Qd, "t");
    run.note("qsh", qsh, "kg/cm2");
    run.setText("Label36", qsh <= qcu ? core::check::kSafeShear : core::check::kUnsafeShear);

    // 8. Punching at C1, then at C2. The one field reports a failure at either column.
    const Punching atC1 = punching(tc1, bc1, pt1, c1Flush, d, Lo, qc, fcu);
    const Punching atC2 = punching(tc2, bc2, pt2, !c1Flush, d, Lo, qc, fcu);
    notePunching(run, atC1, "C1");
    notePunching(run, atC2, "C2");
    run.setText("Label37",
                atC1.safe() && atC2.safe() ? core::check::kSafePunch : core::check::kUnsafePunch);

    // 9. Minimum mesh of 12 mm bars per metre, top and bottom.
    const double Asm = std::max(6.78, 0.2 * d);
    const double a12 = (pi / 4) * (1.2 * 1.2);
    const double nm = std::floor(Asm / a12) + 1;
    run.note("Asm", Asm, "cm2/m");
    run.note("a12", a12, "cm2");
    run.note("nm", nm);
    for (std::string_view count : {"Label95", "Label99", "Label103", "Label106"})
        run.setNumber(count, nm);
    for (std::string_view diameter : {"Label96", "Label100", "Label104", "Label105"})
        run.setText(diameter, "12 \\ m");

    // 10. Top steel for the largest moment between the columns.
    const double AsTop = Mmax * 100000 / (0.8 * fy * d);
    const double Asmin = 0.2 * d * B / 100;
    const double Astop = std::max(AsTop, Asmin);
    const double ntop = barCount(Astop, Dtop);
    run.note("As(top)", AsTop, "cm2");
    run.note("Asmin", Asmin, "cm2");
    run.note("Astop", Astop, "cm2");
    run.note("ntop", ntop);
    run.setNumber("Label29", core::roundHalfEven(Astop, 2));
    run.setNumber("Label30", ntop);
    run.setNumber("Label97", ntop);
    run.setNumber("Label107", ntop);
    run.setText("Label98", topText);
    run.setText("Label108", topText);

    // 11. Bottom steel for the moment at the outer face of the overhang column.
    const double AsBot = Mo * 100000 / (0.8 * fy * d);
    const double Asbot = std::max(AsBot, Asmin);
    const double nbot = barCount(Asbot, Dbot);
    run.note("As(bottom)", AsBot, "cm2");
    run.note("Asbot", Asbot, "cm2");
    run.note("nbot", nbot);
    run.setNumber("Label34", core::roundHalfEven(Asbot, 2));
    run.setNumber("Label35", nbot);
    run.setNumber("Label101", nbot);
    run.setNumber("Label109", nbot);
    run.setText("Label102", bottomText);
    run.setText("Label110", bottomText);

    // 12. Transverse beams under C1 and C2; the beam of the flush column extends d on one side.
    const double wb1 = c1Flush ? tc1 + d : tc1 + 2 * d;
    const double wb2 = c1Flush ? tc2 + 2 * d : tc2 + d;
    const double pb1 = 100 * pt1 / B;
    const double Mb1 = pb1 * (((B - bc1) / 100) * ((B - bc1) / 100)) / 8;
    const double Asbeam1 = Mb1 * 100000 / (0.8 * fy * d);
    const double nb1 = barCount(Asbeam1, Db1);
    run.note("wb1", wb1, "cm");
    run.note("pb1", pb1, "t/m");
    run.note("Mb1", Mb1, "t.m");
    run.note("Asbeam1", Asbeam1, "cm2");
    run.note("nb1", nb1);
    run.setNumber("Label50", wb1 / 100);
    run.setNumber(at.beam1Width, wb1 / 100);
    run.setNumber("Label40", core::roundHalfEven(Asbeam1, 2));
    run.setNumber("Label43", nb1);
    run.setNumber(at.beam1Count, nb1);
    run.setText(at.beam1Diameter, beam1Text);

    const double pb2 = 100 * pt2 / B;
    const double Mb2 = pb2 * (((B - bc2) / 100) * ((B - bc2) / 100)) / 8;
    const double Asbeam2 = Mb2 * 100000 / (0.8 * fy * d);
    const double nb2 = barCount(Asbeam2, Db2);
    run.note("wb2", wb2, "cm");
    run.note("pb2", pb2, "t/m");
    run.note("Mb2", Mb2, "t.m");
    run.note("Asbeam2", Asbeam2, "cm2");
    run.note("nb2", nb2);
    run.setNumber("Label52", wb2 / 100);
    run.setNumber(at.beam2Width, wb2 / 100);
    run.setNumber("Label46", core::roundHalfEven(Asbeam2, 2));
    run.setNumber("Label48", nb2);
    run.setNumber(at.beam2Count, nb2);
    run.setText(at.beam2Diameter, beam2Text);

    // 13. Flexural bond on the top bars.
    const double so = (Dtop / 10) * pi * ntop;
    const double qb = 1000 * Qmax / (0.87 * d * so);
    const double qbAllowed = core::check::bondLimit(fy);
    run.note("so", so, "cm");
    run.note("qb", qb, "kg/cm2");
    run.note("qb allowed", qbAllowed, "kg/cm2");
    run.setText("Label38", qb <= qbAllowed ? core::check::kSafeBond : core::check::kUnsafeBond);

    // 14. Check colours; the blink timer takes over the unsafe ones.
    for (std::string_view check : {"Label36", "Label37", "Label38"})
        run.setColours(check, 0x00FFFF, 0xFF0000);
    return core::finish(std::move(run), "the loads, the column sizes and the material properties");
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

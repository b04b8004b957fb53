#include "tests/report/fake_design.h"

#include "core/check_messages.h"
#include "rc/rules.h"

#include <array>
#include <string>

namespace fake {

namespace {

using core::Term;

constexpr std::array kControls{
    core::Control{.name = "Text1", .kind = core::Kind::TextBox, .text = "90"},
    core::Control{.name = "Text2", .kind = core::Kind::TextBox, .text = "250"},
    core::Control{.name = "Text3", .kind = core::Kind::TextBox, .text = "1.5"},
    core::Control{.name = "Text4", .kind = core::Kind::TextBox, .text = "2.6"},
    core::Control{.name = "Text5", .kind = core::Kind::TextBox, .text = "50"},
    core::Control{.name = "Text6", .kind = core::Kind::TextBox, .text = "5"},
    core::Control{.name = "Text7", .kind = core::Kind::TextBox, .text = "60"},
    core::Control{.name = "Combo1", .kind = core::Kind::ComboBox, .text = "12"},
    core::Control{.name = "Option1", .kind = core::Kind::OptionButton, .text = core::kCleared},
    core::Control{.name = "Label1"},
    core::Control{.name = "Label2"},
    core::Control{.name = "Label3"},
};

constexpr std::array kInputs{
    core::InputField{"Text1", "P (ton)", "P", "t", 1, 1000},
    core::InputField{"Text2", "fcu (kg\\cm2)", "fcu", "kg/cm2", 150, 450},
    core::InputField{"Text3", "qall (kg\\cm2)", "qall", "kg/cm2", 0.5, 5},
    core::InputField{"Text4", "B (m)", "B", "m", 1, 6},
    core::InputField{"Text5", "Assume RC Footing Thickness", "t", "cm", 30, 120},
    core::InputField{"Text6", "Cover", "cover", "cm", 3, 10},
    core::InputField{"Text7", "e (cm)", "e", "cm", 0, 100},
    core::InputField{"Combo1", "Diam. Of Used Bars(mm)", "φ", "mm", 10, 25},
    core::InputField{"Option1", "Brick Wall"},
};

constexpr std::array<std::string_view, 2> kCases{"Centred", "Eccentric"};

core::DesignResult design(const core::DesignRequest &request, bool broken)
{
    core::FieldReader in(request.texts, kInputs);
    const Term P = in.positive(kLoad);
    const Term fcu = in.positive(kStrength);
    const Term qall = in.positive(kSoil);
    const Term B = in.positive(kSide);
    const Term t = in.positive(kThick);
    const Term cover = in.positive(kCover);
    const Term e = request.footingCase == kEccentric ? in.number(kEccent) : Term(0.0);
    const Term phi = in.positive(kBars);
    const bool wall = in.selected(kWall);
    if (in.failed())
        return in.refused();

    core::Run run;
    run.setInputsRead(in.readControls());

    run.heading("Loads");
    const Term pt = run.step("pt", rc::totalLoad(P), "t");
    const Term Pw = run.step("Pw", rc::workingLoad(pt), "t");
    run.note("k", 1, ""); // noted without its formula

    run.heading("Soil pressure");
    const Term Bc = run.step("Bc", B * rc::kCmPerMetre, "cm");
    const Term A = run.step("A", square(Bc), "cm2", "a square footing");
    const Term q = run.step("q", Pw * rc::kKgPerTonne / A, "kg/cm2");
    Term qmax = q;
    if (request.footingCase == kEccentric) {
        qmax = run.step("qmax", q * (1 + 6 * e / Bc), "kg/cm2");
        const Term qmin = run.step("qmin", q * (1 - 6 * e / Bc), "kg/cm2",
                                   "e = " + core::reportNumber(e.value()) + " > B / 6");
        if (qmin.value() < 0)
            run.warn({"Footing",
                      "Part of the footing has no contact with the soil (qmin < 0).",
                      {"Label2"}});
    }
    run.check(rc::compare("Footing", "Bearing", qmax, qall, "kg/cm2", "Label2"));

    run.heading("One-way shear");
    const Term d = run.step("d", t - cover, "cm", "the assumed thickness stands");
    const Term qcu = run.step("qcu", rc::shearStrength(fcu), "kg/cm2");
    const Term x = run.step("x", (Bc - 30) / 2 - d, "cm");
    const Term qsh = run.step("qsh", q * x / d, "kg/cm2");
    run.check(rc::compare("Footing", "One-way shear", qsh, qcu, "kg/cm2", "Label1"));
    run.setText("Label1",
                qsh.value() <= qcu.value() ? core::check::kSafeShear : core::check::kUnsafeShear);

    run.heading("Punching");
    const Term qcup = run.step("qcup", rc::punchingRoot(fcu), "kg/cm2");
    run.check(rc::notApplicable("Footing", "Punching", Term(0.0), qcup, "kg/cm2",
                                "the punching perimeter lies outside the footing", "Label3"));
    run.setText("Label3", core::check::kNoPunch);

    run.heading("Steel");
    const Term a = run.step("a", rc::barArea(phi), "cm2");
    const Term n = run.step("n", rc::barCount(Term(20.0), a), "bars");
    const Term So = run.step("So", rc::barPerimeter(phi, n), "cm");
    const Term ghost = Term::symbol("ghost", 2);
    const Term qb = run.step("qb", broken ? q * ghost : q * 1000 * x / (d * So) * 2, "kg/cm2");
    run.check(rc::compare("Footing", "Flexural bond", qb, Term(rc::kBondLimitOther), "kg/cm2"));
    if (qb.value() > rc::kBondLimitOther)
        run.messageBox(core::check::kUnsafeBond, "Bond");

    const double side = B.value(), thick = t.value() / 100, c = cover.value() / 100;
    run.concrete({"Footing", "PC footing", side + 0.6, side + 0.6, 0.4});
    run.concrete({"Footing", "RC footing", side, side, thick});
    if (wall)
        run.concrete({"Footing", "Brick wall plinth", side, 0.25, 0.5});
    run.bars({"Footing", "1", "long direction, bottom", phi.value(), "straight", n.value(),
              side - 2 * c});
    run.bars({"Footing", "2", "short direction, bottom", phi.value(), "straight", n.value(),
              side - 2 * c});
    run.bars({"Footing", "3", "starter bars of the column", 16, "L-bar", 8, 1.2});
    run.assume("Straight bars are as long as the footing less the cover at both ends.");

    const double w = Bc.value();
    const std::string barText =
        core::reportNumber(n.value()) + " Φ " + core::reportNumber(phi.value());
    using K = core::SketchShape::Kind;
    run.sketch({"Footing, plan",
                {{K::PlainConcrete, -30, -30, w + 30, w + 30, ""},
                 {K::ReinforcedConcrete, 0, 0, w, w, ""},
                 {K::Column, w / 2 - 15, w / 2 - 15, w / 2 + 15, w / 2 + 15, ""},
                 {K::Bars, 10, w * 0.75, w - 10, w * 0.75, barText},
                 {K::Dimension, 0, w + 50, w, w + 50, core::reportNumber(side) + " m"},
                 {K::Dimension, w + 50, 0, w + 50, w, core::reportNumber(side) + " m"},
                 {K::Text, 5, -45, 0, 0, "F1"}}});
    run.sketch({"Footing, section",
                {{K::PlainConcrete, -30, t.value(), w + 30, t.value() + 40, ""},
                 {K::ReinforcedConcrete, 0, 0, w, t.value(), ""},
                 {wall ? K::Wall : K::Column, w / 2 - 15, -80, w / 2 + 15, 0, ""},
                 {K::Beam, 0, -20, w, 0, ""},
                 {K::Bars, 5, t.value() - 7, w - 5, t.value() - 7, barText},
                 {K::Dimension, -60, 0, -60, t.value(), core::reportNumber(thick) + " m"}}});

    run.setNumber("Label2", qmax);
    run.show("Picture1");
    run.setColours("Label1", 0x00FFFF, 0xFF0000);
    return core::finish(std::move(run), "the loads and sizes");
}

core::DesignResult sound(const core::DesignRequest &request)
{
    return design(request, false);
}

core::DesignResult broken(const core::DesignRequest &request)
{
    return design(request, true);
}

} // namespace

const core::DesignWindowInfo &padWindow()
{
    static const core::DesignWindowInfo window{.command = "pad",
                                               .title = "Design Of Pad Footing",
                                               .controls = kControls,
                                               .inputs = kInputs,
                                               .caseNames = kCases,
                                               .wallOption = "Option1",
                                               .design = sound};
    return window;
}

const core::DesignWindowInfo &brokenWindow()
{
    static const core::DesignWindowInfo window{.command = "broken",
                                               .title = "Design Of Broken Footing",
                                               .controls = kControls,
                                               .inputs = kInputs,
                                               .caseNames = kCases,
                                               .design = broken};
    return window;
}

} // namespace fake

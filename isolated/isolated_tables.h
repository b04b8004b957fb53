#pragma once

#include "core/case_table.h"
#include "core/check_messages.h"
#include "core/control_table.h"
#include "core/design.h"
#include "core/input_ranges.h"
#include "isolated/isolated_design.h"

#include <array>
#include <span>
#include <string_view>

// The two windows of the isolated footing as constant data: the case chooser, the design
// window, what each loading case changes on the design window, and the blinking check fields.
namespace isolated::tables {

using namespace core;

// --- the case chooser ------------------------------------------------------------------------

inline constexpr Look kChooserPicture{.back = colours::white};
inline constexpr Font kChooserCaption = fonts::largeBold;

// Sketch boxes of the four loading cases, each with the caption that names its case.
inline constexpr std::array kForm3{
    picture("Picture1(0)", {}, {240, 240, 2970, 2610}, kChooserPicture),
    label("Label1", {"Picture1(0)"}, "Uniform Stress", {240, 720, 855, 495},
          {.font = kChooserCaption, .align = Align::Centre}),
    picture("Picture1(1)", {}, {3480, 240, 2970, 2610}, kChooserPicture),
    label("Label2", {"Picture1(1)"}, "Just No Tention", {120, 480, 975, 495},
          {.font = kChooserCaption}),
    picture("Picture1(2)", {}, {240, 3120, 2970, 2610}, kChooserPicture),
    label("Label3", {"Picture1(2)"}, "Uniform With Moment", {1440, 480, 1455, 495},
          {.font = kChooserCaption, .align = Align::Centre}),
    picture("Picture1(3)", {}, {3480, 3120, 2970, 2610}, kChooserPicture),
    label("Label4", {"Picture1(3)"}, "Non Uniform", {1920, 360, 855, 495},
          {.font = kChooserCaption, .align = Align::Centre}),
    // The dashed 2 x 2 grid around the sketches.
    line("Line1", {}, 120, 120, 6600, 120, colours::red, Pen::Dash),
    line("Line2", {}, 6600, 120, 6600, 5880, colours::red, Pen::Dash),
    line("Line3", {}, 6600, 5880, 120, 5880, colours::red, Pen::Dash),
    line("Line4", {}, 120, 5880, 120, 120, colours::red, Pen::Dash),
    line("Line5", {}, 3360, 120, 3360, 5880, colours::red, Pen::Dash),
    line("Line6", {}, 120, 3000, 6600, 3000, colours::red, Pen::Dash),
};

// --- the design window -----------------------------------------------------------------------

inline constexpr Font kText = fonts::bold;       // captions, headings, inputs
inline constexpr Font kLarge = fonts::largeBold; // results, checks, Design
inline constexpr Font kPlain = fonts::regular;   // the material captions

inline constexpr Look kSectionHeading{.back = colours::green, .font = kLarge};
inline constexpr Look kInputFrame{.back = colours::yellow, .font = kText};
inline constexpr Look kOutputFrame{.back = colours::lightOrange, .font = kText};
inline constexpr Look kInputCaption{.fore = colours::blue, .font = kText};
inline constexpr Look kMaterialCaption{.fore = colours::blue, .font = kPlain};
inline constexpr Look kInputText{.font = kText};
inline constexpr Look kRedHeading{.fore = colours::red, .font = kText};
inline constexpr Look kDimension{.fore = colours::blue, .font = kLarge, .align = Align::Centre};
inline constexpr Look kSteelCaption{.back = colours::green, .fore = colours::red, .font = kText};
inline constexpr Look kSteelResult{
    .back = colours::yellow, .fore = colours::blue, .font = kLarge, .align = Align::Centre};
inline constexpr Look kBarNote{.fore = colours::orange, .font = kLarge};
inline constexpr Look kCheck{
    .back = colours::green, .fore = colours::red, .font = kLarge, .align = Align::Centre};
inline constexpr Look kDesignButton{.back = colours::green, .font = kLarge};
inline constexpr Look kButton{.back = colours::lightOrange, .font = kText};

inline constexpr std::string_view kBarSizes = "12|16|18|22|25";

// A heading of a dimension table, in red.
constexpr Control tableHead(std::string_view name, std::string_view parent, std::string_view text,
                            int left)
{
    return label(name, {parent}, text, {left, 360, 735, 255}, kRedHeading);
}

// A dimension result in its table cell, empty until Design.
constexpr Control dimension(std::string_view name, std::string_view parent, int left)
{
    return label(name, {parent}, {}, {left, 840, 855, 375}, kDimension);
}

// The caption of a reinforcement result, and the result beside it.
constexpr Control steelCaption(std::string_view name, std::string_view parent,
                               std::string_view text, int top)
{
    return label(name, {parent}, text, {120, top, 2175, 375}, kSteelCaption);
}

constexpr Control steelResult(std::string_view name, std::string_view parent, int top)
{
    return label(name, {parent}, {}, {2400, top, 975, 375}, kSteelResult);
}

constexpr Control bars(std::string_view name, std::string_view parent)
{
    return barList(name, {parent}, "12", {2400, 720, 975, 315}, kBarSizes, kInputText);
}

// A bar annotation of a sketch, sized to its text.
constexpr Control barNote(std::string_view name, std::string_view parent, std::string_view text,
                          int left, int top)
{
    return autoSized(label(name, {parent}, text, {left, top}, kBarNote));
}

constexpr Control checkField(std::string_view name, std::string_view text, int top)
{
    return label(name, {}, text, {7560, top, 3495, 375}, kCheck);
}

constexpr Control outputFrame(std::string_view name, std::string_view text, int left, int top,
                              int height)
{
    return frame(name, {}, text, {left, top, 3495, height}, kOutputFrame);
}

constexpr Control sketchBox(std::string_view name)
{
    return hidden(picture(name, {}, {6840, 120, 4260, 3945}, {.back = colours::white}));
}

// The blue dashed grid of a dimension table: two rows (headings, values) of three cells.
constexpr Control gridBox(std::string_view name, std::string_view parent)
{
    return rectangle(name, {parent}, {120, 240, 3240, 960},
                     {.border = colours::blue, .pen = Pen::Dash});
}

inline constexpr std::array kIsolated{
    // Input side.
    label("Label1", {}, "# Input Data", {120, 120, 1695, 255}, kSectionHeading),
    frame("Frame1", {}, "Column Loads", {120, 480, 2175, 1575}, kInputFrame),
    label("Label2", {"Frame1"}, "Ultimate Loads", {120, 240, 1455, 255}, kRedHeading),
    label("Label3", {"Frame1"}, "P (ton)", {240, 600, 735, 375}, kInputCaption),
    textBox("Text1", {"Frame1"}, "90", {1200, 600, 735, 375}, kInputText),
    hidden(label("Label36", {"Frame1"}, "M (t.m)", {240, 1080, 855, 255}, kInputCaption)),
    hidden(textBox("Text10", {"Frame1"}, "5", {1200, 1080, 735, 405}, kInputText)),
    frame("Frame2", {}, "Footing Depth", {2640, 480, 3735, 1575}, kInputFrame),
    label("Label4", {"Frame2"}, "Assume PC Footing Thickness", {0, 360, 2775, 255}, kInputCaption),
    textBox("Text2", {"Frame2"}, "40", {2760, 360, 615, 285}, kInputText),
    label("Label7", {"Frame2"}, "cm", {3360, 360, 375, 255}, kInputCaption),
    label("Label5", {"Frame2"}, "Assume RC Footing Thickness", {0, 720, 2775, 255}, kInputCaption),
    textBox("Text3", {"Frame2"}, "60", {2760, 720, 615, 285}, kInputText),
    label("Label9", {"Frame2"}, "cm", {3360, 720, 375, 255}, kInputCaption),
    label("Label6", {"Frame2"}, "Cover", {1800, 1080, 735, 255}, kInputCaption),
    textBox("Text4", {"Frame2"}, "5", {2760, 1080, 615, 285}, kInputText),
    label("Label10", {"Frame2"}, "cm", {3360, 1080, 375, 255}, kInputCaption),
    frame("Frame3", {}, "Column Dimentions", {120, 2280, 2175, 1695}, kInputFrame),
    label("Label11", {"Frame3"}, "t (cm)", {240, 480, 615, 375}, kInputCaption),
    textBox("Text5", {"Frame3"}, "60", {1200, 480, 735, 375}, kInputText),
    label("Label12", {"Frame3"}, "b (cm)", {240, 1080, 735, 375}, kInputCaption),
    textBox("Text6", {"Frame3"}, "30", {1200, 1080, 735, 375}, kInputText),
    frame("Frame4", {}, "Material Properties", {2640, 2280, 2175, 1695}, kInputFrame),
    label("Label13", {"Frame4"}, " fcu (kg\\cm2)", {0, 360, 1215, 255}, kMaterialCaption),
    textBox("Text7", {"Frame4"}, "250", {1440, 360, 615, 285}, kInputText),
    label("Label14", {"Frame4"}, " fy (kg\\cm2)", {0, 840, 1215, 255}, kMaterialCaption),
    textBox("Text8", {"Frame4"}, "3600", {1440, 840, 615, 285}, kInputText),
    label("Label15", {"Frame4"}, "qall (kg\\cm2)", {120, 1320, 1215, 255}, kMaterialCaption),
    textBox("Text9", {"Frame4"}, "1.25", {1440, 1320, 615, 285}, kInputText),
    hidden(label("Label44", {}, "Assume L1 (m)", {4920, 2400, 1695, 255},
                 {.back = colours::yellow, .font = kText})),
    hidden(textBox("Text11", {}, "3.2", {5400, 2760, 735, 405}, kInputText)),
    button("Command1", {}, "Design", {5280, 3360, 975, 495}, kDesignButton, Action::Design,
           "ابدا التصميم"),

    // Sketch side: the centred and the off-centre column, each with its bar annotations.
    sketchBox("Picture1"),
    barNote("Label46", "Picture1", "0", 300, 360),
    barNote("Label47", "Picture1", "12", 840, 360),
    barNote("Label48", "Picture1", "0", 3180, 240),
    barNote("Label49", "Picture1", "12", 3720, 240),
    sketchBox("Picture2"),
    barNote("Label54", "Picture2", "0", 2625, 0),
    barNote("Label55", "Picture2", "12", 3210, 0),
    barNote("Label56", "Picture2", "0", 3345, 360),
    barNote("Label57", "Picture2", "12", 3930, 360),

    // Output side.
    label("Label19", {}, "# Output Data", {120, 4320, 1695, 255}, kSectionHeading),
    outputFrame("Frame5", "Dimentions Of PC Footing", 120, 4800, 1335),
    gridBox("Shape1", "Frame5"),
    line("Line3", "Frame5", 120, 720, 3360, 720, colours::blue, Pen::Dash),
    line("Line4", "Frame5", 1200, 240, 1200, 1200, colours::blue, Pen::Dash),
    line("Line5", "Frame5", 2280, 240, 2280, 1200, colours::blue, Pen::Dash),
    tableHead("Label20", "Frame5", "L1(m)", 240),
    tableHead("Label21", "Frame5", "B1(m)", 1440),
    tableHead("Label22", "Frame5", "t1(m)", 2520),
    dimension("Label37", "Frame5", 240),
    dimension("Label38", "Frame5", 1320),
    dimension("Label39", "Frame5", 2400),
    outputFrame("Frame6", "Dimentions Of RC Footing", 3840, 4800, 1335),
    gridBox("Shape2", "Frame6"),
    line("Line6", "Frame6", 120, 720, 3360, 720, colours::blue, Pen::Dash),
    line("Line7", "Frame6", 1200, 240, 1200, 1200, colours::blue, Pen::Dash),
    line("Line8", "Frame6", 2280, 240, 2280, 1200, colours::blue, Pen::Dash),
    tableHead("Label23", "Frame6", "L(m)", 360),
    tableHead("Label24", "Frame6", "B(m)", 1440),
    tableHead("Label25", "Frame6", "t(m)", 2520),
    dimension("Label40", "Frame6", 240),
    dimension("Label41", "Frame6", 1320),
    dimension("Label42", "Frame6", 2400),
    outputFrame("Frame8", "Long Rienforcement", 120, 6360, 1815),
    steelCaption("Label32", "Frame8", "Required As (cm2) =", 240),
    steelResult("Label31", "Frame8", 240),
    steelCaption("Label30", "Frame8", "Diam. Of Used Bars(mm)", 720),
    bars("Combo2", "Frame8"),
    steelCaption("Label29", "Frame8", "No. Of Used Bars \\ B", 1200),
    steelResult("Label28", "Frame8", 1200),
    outputFrame("Frame7", "Short Rienforcement", 3960, 6360, 1815),
    steelCaption("Label16", "Frame7", "Required As (cm2) =", 240),
    steelResult("Label17", "Frame7", 240),
    steelCaption("Label18", "Frame7", "Diam. Of Used Bars(mm)", 720),
    bars("Combo1", "Frame7"),
    steelCaption("Label26", "Frame7", "No. Of Used Bars \\ L", 1200),
    steelResult("Label27", "Frame7", 1200),
    checkField("Label33", "Check Of Shear Stress", 4920),
    checkField("Label34", "Check Of Punch", 5520),
    checkField("Label35", "Check Of Flexural Bond", 6120),
    button("Command3", {}, "Print", {8040, 6840, 1095, 375}, kButton, Action::Print,
           "طباعة هذه الواجهه "),
    button("Command2", {}, "Back", {9600, 6840, 1095, 375}, kButton, Action::Back,
           "الرجوع للشاشه الرئيسية"),
    button("Command4", {}, "Exit", {8760, 7440, 1215, 375}, kButton, Action::Exit,
           "انهاء البرنامج"),

    // The dashed lines between input, sketch and output.
    line("Line1", {}, 6720, 0, 6720, 4200, colours::red, Pen::Dash),
    line("Line2", {}, 0, 4200, 12000, 4200, colours::red, Pen::Dash),
};

// The inputs the design reads, by what they hold.
struct InputControls {
    std::string_view load, moment, pcThickness, rcThickness, cover, columnLength, columnWidth;
    std::string_view fcu, fy, qall, pcLength, longBars, shortBars;
};

inline constexpr InputControls kInput{.load = "Text1",
                                      .moment = "Text10",
                                      .pcThickness = "Text2",
                                      .rcThickness = "Text3",
                                      .cover = "Text4",
                                      .columnLength = "Text5",
                                      .columnWidth = "Text6",
                                      .fcu = "Text7",
                                      .fy = "Text8",
                                      .qall = "Text9",
                                      .pcLength = "Text11",
                                      .longBars = "Combo2",
                                      .shortBars = "Combo1"};

// Every input, list and option the design reads: its control, the caption the user knows it
// by, the symbol the calculation writes for it, its unit and the range of plausible numbers.
inline constexpr std::array kInputs{
    ranged({kInput.load, "P (ton)", "P", "t"}, ranges::kColumnLoad),
    ranged({kInput.moment, "M (t.m)", "M", "t.m"}, ranges::kColumnMoment),
    ranged({kInput.pcThickness, "Assume PC Footing Thickness", "t1", "cm"},
           ranges::kPlainConcreteThickness),
    ranged({kInput.rcThickness, "Assume RC Footing Thickness", "t", "cm"},
           ranges::kReinforcedThickness),
    ranged({kInput.cover, "Cover", "cover", "cm"}, ranges::kCover),
    ranged({kInput.columnLength, "t (cm)", "tc", "cm"}, ranges::kColumnSide),
    ranged({kInput.columnWidth, "b (cm)", "bc", "cm"}, ranges::kColumnSide),
    ranged({kInput.fcu, "fcu (kg\\cm2)", "fcu", "kg/cm2"}, ranges::kConcreteStrength),
    ranged({kInput.fy, "fy (kg\\cm2)", "fy", "kg/cm2"}, ranges::kSteelYield),
    ranged({kInput.qall, "qall (kg\\cm2)", "qall", "kg/cm2"}, ranges::kSoilStress),
    ranged({kInput.pcLength, "Assume L1 (m)", "L1", "m"}, ranges::kFootingLength),
    ranged({kInput.longBars, "Long Rienforcement: Diam. Of Used Bars(mm)", "φL", "mm"},
           ranges::kBarDiameter),
    ranged({kInput.shortBars, "Short Rienforcement: Diam. Of Used Bars(mm)", "φS", "mm"},
           ranges::kBarDiameter),
};

inline constexpr std::array<std::string_view, 4> kCaseNames{"Uniform Stress", "Just No Tention",
                                                            "Uniform With Moment", "Non Uniform"};

// --- what each loading case changes on a fresh design window -----------------------------------

inline constexpr std::array kUniformStressChanges{
    show("Picture1"),
    hide("Picture2"),
    setTop("Command1", 2900),
};
inline constexpr std::array kJustNoTensionChanges{
    show("Picture1"), hide("Picture2"), setTop("Command1", 2900), show("Label36"), show("Text10"),
};
inline constexpr std::array kUniformWithMomentChanges{
    show("Picture2"), hide("Picture1"), show("Label44"),
    show("Text11"),   show("Label36"),  show("Text10"),
};
inline constexpr std::array kNonUniformChanges{
    show("Picture1"), hide("Picture2"), show("Label44"),
    show("Text11"),   show("Label36"),  show("Text10"),
};

// The changes for a loading case; none for a case the chooser does not offer.
constexpr std::span<const CaseChange> caseChanges(int footingCase)
{
    switch (footingCase) {
    case kUniformStress:
        return kUniformStressChanges;
    case kJustNoTension:
        return kJustNoTensionChanges;
    case kUniformWithMoment:
        return kUniformWithMomentChanges;
    case kNonUniform:
        return kNonUniformChanges;
    default:
        return {};
    }
}

// The check fields the blink timer visits, in its order, with the text that makes each flash.
inline constexpr std::array kBlinkFields{
    BlinkField{"Label35", check::kUnsafeBond},
    BlinkField{"Label33", check::kUnsafeShear},
    BlinkField{"Label34", check::kUnsafePunch},
};

} // namespace isolated::tables

#pragma once

#include "core/case_table.h"
#include "core/control_table.h"
#include "core/design.h"
#include "core/input_ranges.h"

#include <array>
#include <span>

// The control tables of the strip case chooser and the strip design window, and the changes
// the chooser makes to the design window for each case.
namespace strip::tables {

using namespace core;

// --- the case chooser -------------------------------------------------------------------------

inline constexpr Look kCaseCaption{
    .fore = colours::blue, .font = fonts::bold, .align = Align::Centre};

inline constexpr std::array kChooser{
    picture("Picture1(0)", {}, {240, 240, 2970, 2610}),
    label("Label1", {"Picture1(0)"}, "Uniform Stress", {120, 600, 855, 375}, kCaseCaption),
    picture("Picture1(1)", {}, {3480, 240, 2970, 2610}),
    label("Label2", {"Picture1(1)"}, "Uniform Stress With Moment", {1440, 480, 1335, 495},
          kCaseCaption),
    picture("Picture1(2)", {}, {240, 3120, 2970, 2610}),
    label("Label3", {"Picture1(2)"}, "Non Uniform Stress", {0, 360, 1095, 495}, kCaseCaption),
    picture("Picture1(3)", {}, {3480, 3120, 2970, 2610}),
    label("Label4", {"Picture1(3)"}, "Series Of Column", {120, 360, 975, 375}, kCaseCaption),
    // A dashed 2 x 2 grid around the four sketches.
    line("Line1", {}, 120, 120, 6600, 120, colours::red, Pen::Dash),
    line("Line2", {}, 6600, 120, 6600, 5880, colours::red, Pen::Dash),
    line("Line3", {}, 6600, 5880, 120, 5880, colours::red, Pen::Dash),
    line("Line4", {}, 120, 5880, 120, 120, colours::red, Pen::Dash),
    line("Line5", {}, 3360, 120, 3360, 5880, colours::red, Pen::Dash),
    line("Line6", {}, 120, 3000, 6600, 3000, colours::red, Pen::Dash),
};

// --- the design window ------------------------------------------------------------------------

inline constexpr Font kText = fonts::largeBold;    // captions: 9.75 pt bold
inline constexpr Font kTextRegular = fonts::large; // input fields and "regular" captions
inline constexpr Font kSmall = fonts::bold;        // 8.25 pt bold
inline constexpr Font kCheck = fonts::largeBoldItalicUnderlined; // check fields

// Captions are centred unless a row says otherwise.
inline constexpr Look kSectionHeading{
    .back = colours::green, .font = kText, .align = Align::Centre};
inline constexpr Look kInputFrame{.back = colours::yellow, .font = kText};
inline constexpr Look kOutputFrame{.back = colours::lightOrange, .font = kSmall};
inline constexpr Look kBlueCaption{.fore = colours::blue, .font = kText, .align = Align::Centre};
inline constexpr Look kBlueSmall{.fore = colours::blue, .font = kSmall, .align = Align::Centre};
inline constexpr Look kBlueRegular{
    .fore = colours::blue, .font = kTextRegular, .align = Align::Centre};
inline constexpr Look kRedCaption{.fore = colours::red, .font = kText, .align = Align::Centre};
inline constexpr Look kRedSmall{.fore = colours::red, .font = kSmall, .align = Align::Centre};
inline constexpr Look kOptionCaption{.fore = colours::red, .font = kText};
inline constexpr Look kInputText{.font = kTextRegular};
inline constexpr Look kBeamCaption{
    .back = colours::yellow, .fore = colours::blue, .font = kSmall, .align = Align::Centre};
inline constexpr Look kAnnotation{.fore = colours::orange, .font = kText, .align = Align::Centre};
inline constexpr Look kSteelResult{
    .back = colours::yellow, .fore = colours::blue, .font = kText, .align = Align::Centre};
inline constexpr Look kCheckField{
    .back = colours::green, .fore = colours::red, .font = kCheck, .align = Align::Centre};
inline constexpr Look kButton{.back = colours::lightOrange, .font = kText};

inline constexpr std::string_view kBarSizes = "12|16|18|22|25";

// A result field inside a dimension table: blue text, centred, empty until Design.
constexpr Control dimension(std::string_view name, std::string_view parent, int left)
{
    return label(name, {parent}, {}, {left, 840, 855, 375}, kBlueCaption);
}

// A labelled row of a reinforcement frame: green background, red text, centred unless stated.
constexpr Control steelHeading(std::string_view name, std::string_view parent,
                               std::string_view text, Box box, Font font,
                               Align align = Align::Centre)
{
    return label(name, {parent}, text, box,
                 {.back = colours::green, .fore = colours::red, .font = font, .align = align});
}

// The value beside a heading of a reinforcement frame.
constexpr Control steelResult(std::string_view name, std::string_view parent, int top)
{
    return label(name, {parent}, {}, {2400, top, 975, 375}, kSteelResult);
}

constexpr Control bars(std::string_view name, std::string_view parent, std::string_view text,
                       std::string_view items, int left, int top, int width)
{
    return barList(name, {parent}, text, {left, top, width, 360}, items, kInputText);
}

// A bar annotation of a sketch.
constexpr Control annotation(std::string_view name, std::string_view parent, std::string_view text,
                             int left, int top, int width)
{
    return label(name, {parent}, text, {left, top, width, 255}, kAnnotation);
}

// A row of the beam results, shown for the column case: light orange caption or green value.
constexpr Control beamRow(std::string_view name, std::string_view text, int left, int width,
                          Colour back)
{
    return hidden(label(name, {}, text, {left, 4200, width, 255},
                        {.back = back, .font = kTextRegular, .align = Align::Centre}));
}

constexpr Control checkField(std::string_view name, std::string_view text, int top)
{
    return label(name, {}, text, {7320, top, 3735, 375}, kCheckField);
}

constexpr Control sketchBox(std::string_view name)
{
    return hidden(picture(name, {}, {6960, 120, 4095, 3855}));
}

constexpr Control tableLine(std::string_view name, std::string_view parent, int x1, int y1, int x2,
                            int y2)
{
    return line(name, parent, x1, y1, x2, y2, colours::blue, Pen::Dash);
}

inline constexpr std::array kDesign{
    label("Label1", {}, "# Input Data", {120, 0, 1695, 255}, kSectionHeading),
    // Loads.
    frame("Frame1", {}, "Loads", {120, 360, 2175, 1575}, kInputFrame),
    label("Label2", {"Frame1"}, "Ultimate Loads", {120, 240, 1455, 255}, kRedSmall),
    label("Label3", {"Frame1"}, "P (ton\\m)", {0, 600, 1215, 615}, kBlueCaption),
    textBox("Text1", {"Frame1"}, "90", {1200, 600, 735, 375}, kInputText),
    hidden(label("Label36", {"Frame1"}, "M (t.m)", {240, 1080, 855, 255}, kBlueCaption)),
    hidden(textBox("Text10", {"Frame1"}, "5", {1200, 1080, 735, 405}, kInputText)),
    // Footing depth.
    frame("Frame2", {}, "Footing Depth", {2400, 360, 3855, 1575}, kInputFrame),
    label("Label4", {"Frame2"}, "Assume PC Footing Thickness", {0, 360, 2775, 255}, kBlueSmall),
    textBox("Text2", {"Frame2"}, "40", {2760, 360, 615, 285}, kInputText),
    label("Label7", {"Frame2"}, "cm", {3360, 360, 375, 255}, kBlueCaption),
    label("Label5", {"Frame2"}, "Assume RC Footing Thickness", {0, 720, 2775, 255}, kBlueSmall),
    textBox("Text3", {"Frame2"}, "60", {2760, 720, 615, 285}, kInputText),
    label("Label9", {"Frame2"}, "cm", {3360, 720, 375, 255}, kBlueCaption),
    label("Label6", {"Frame2"}, "Cover", {1800, 1080, 735, 255},
          {.fore = colours::blue, .font = kSmall}),
    textBox("Text4", {"Frame2"}, "5", {2760, 1080, 615, 285}, kInputText),
    label("Label10", {"Frame2"}, "cm", {3360, 1080, 375, 255}, kBlueCaption),
    // The wall.
    frame("Frame3", {}, "Wall Dimention", {120, 2040, 2175, 1815}, kInputFrame),
    label("Label11", {"Frame3"}, "Thickness (cm)", {0, 480, 1215, 615}, kBlueCaption),
    textBox("Text5", {"Frame3"}, "60", {1200, 480, 735, 375}, kInputText),
    option("Option1", {"Frame3"}, kSelected, {120, 1080, 255, 255},
           {.back = colours::yellow}), // a brick wall
    label("Label8", {"Frame3"}, "Brick Wall", {360, 1080, 1455, 255}, kOptionCaption),
    option("Option2", {"Frame3"}, {}, {120, 1440, 255, 255}, {.back = colours::yellow}),
    label("Label12", {"Frame3"}, "Concrete Wall", {360, 1440, 1455, 255}, kOptionCaption),
    // The columns; in front of the wall frame when shown.
    hidden(frame("Frame9", {}, "Column Dimention", {120, 2040, 2175, 1935}, kInputFrame)),
    label("Label47", {"Frame9"}, "b (cm)", {120, 360, 735, 375}, kBlueCaption),
    textBox("Text6", {"Frame9"}, "30", {1080, 360, 735, 330}, kInputText),
    label("Label48", {"Frame9"}, "t (cm)", {120, 720, 735, 375}, kBlueCaption),
    textBox("Text11", {"Frame9"}, "60", {1080, 720, 735, 375}, kInputText),
    label("Label49", {"Frame9"}, "Column Spacing", {120, 1080, 1935, 255}, kBlueCaption),
    textBox("Text12", {"Frame9"}, "4", {600, 1455, 615, 360}, kInputText),
    label("Label46", {"Frame9"}, "m", {1200, 1440, 495, 375}, kBlueCaption),
    // Materials.
    frame("Frame4", {}, "Material Properties", {2400, 2040, 2295, 1935}, kInputFrame),
    label("Label13", {"Frame4"}, " fcu (kg\\cm2)", {0, 360, 1215, 255}, kBlueRegular),
    textBox("Text7", {"Frame4"}, "250", {1440, 360, 615, 285}, kInputText),
    label("Label14", {"Frame4"}, " fy (kg\\cm2)", {0, 840, 1215, 255}, kBlueRegular),
    textBox("Text8", {"Frame4"}, "3600", {1440, 840, 615, 285}, kInputText),
    label("Label15", {"Frame4"}, "qall (kg\\cm2)", {120, 1320, 1215, 255}, kBlueRegular),
    textBox("Text9", {"Frame4"}, "1.25", {1440, 1320, 615, 285}, kInputText),
    // The beam of the column case.
    hidden(label("Label50", {}, "Assume Beam Thickness", {4800, 2160, 1455, 495}, kBeamCaption)),
    hidden(textBox("Text13", {}, "120", {5040, 2760, 735, 375}, kInputText)),
    hidden(label("Label51", {}, "cm", {5880, 2760, 375, 375},
                 {.back = colours::yellow, .font = kText, .align = Align::Centre})),
    button("Command1", {}, "Design", {4920, 3240, 1215, 495}, kButton, Action::Design),
    // The three sketches, one per kind of footing, each with its bar annotations.
    sketchBox("Picture1"),
    annotation("Label33", "Picture1", "0", 480, 240, 255),
    annotation("Label34", "Picture1", "12", 1080, 240, 255),
    annotation("Label35", "Picture1", "0", 2880, 240, 255),
    annotation("Label60", "Picture1", "12", 3600, 240, 255),
    sketchBox("Picture2"),
    annotation("Label61", "Picture2", "0", 2160, 0, 375),
    annotation("Label62", "Picture2", "12", 2880, 0, 375),
    annotation("Label63", "Picture2", "0", 2880, 360, 375),
    annotation("Label64", "Picture2", "12", 3480, 360, 375),
    sketchBox("Picture3"),
    annotation("Label65", "Picture3", "0", 360, 240, 375),
    annotation("Label66", "Picture3", "12", 1080, 240, 375),
    annotation("Label67", "Picture3", "0", 2880, 240, 375),
    annotation("Label68", "Picture3", "12", 3480, 240, 375),
    annotation("Label71", "Picture3", {}, 1800, 120, 495),
    annotation("Label72", "Picture3", {}, 1800, 1080, 495),
    annotation("Label73", "Picture3", "6", 2400, 120, 495),
    line("Line2", "Picture3", 2160, 600, 2520, 360, colours::orange),
    line("Line17", "Picture3", 2520, 360, 2880, 360, colours::orange),
    // Outputs.
    line("Line1", {}, 0, 4080, 11520, 4080, colours::red, Pen::Dash),
    label("Label19", {}, "# Output Data", {120, 4200, 1695, 255}, kSectionHeading),
    beamRow("Label56", "Beam Width (m)", 1920, 1575, colours::lightOrange),
    beamRow("Label57", "0.30", 3600, 615, colours::green),
    beamRow("Label58", "Beam Thickness (m)", 4560, 2055, colours::lightOrange),
    beamRow("Label59", "1.20", 6720, 615, colours::green),
    beamRow("Label69", "Required As (cm2)", 7560, 1695, colours::lightOrange),
    beamRow("Label70", "6.9", 9360, 735, colours::green),
    // Dimensions of the PC footing: a dashed table of two rows and three columns.
    frame("Frame5", {}, "Dimentions Of PC Footing", {120, 4560, 3495, 1335}, kOutputFrame),
    tableLine("Line3", "Frame5", 120, 240, 120, 1200),
    tableLine("Line4", "Frame5", 1200, 240, 1200, 1200),
    tableLine("Line5", "Frame5", 2280, 240, 2280, 1200),
    tableLine("Line6", "Frame5", 3360, 240, 3360, 1200),
    tableLine("Line7", "Frame5", 120, 240, 3360, 240),
    tableLine("Line8", "Frame5", 120, 720, 3360, 720),
    tableLine("Line9", "Frame5", 120, 1200, 3360, 1200),
    label("Label20", {"Frame5"}, "L1(m)", {240, 360, 735, 255}, kRedCaption),
    label("Label21", {"Frame5"}, "B1(m)", {1440, 360, 735, 255}, kRedCaption),
    label("Label22", {"Frame5"}, "t1(m)", {2520, 360, 735, 255}, kRedCaption),
    dimension("Label37", "Frame5", 240),
    dimension("Label38", "Frame5", 1320),
    dimension("Label39", "Frame5", 2400),
    // Dimensions of the RC footing.
    frame("Frame6", {}, "Dimentions Of RC Footing", {3720, 4560, 3495, 1335}, kOutputFrame),
    tableLine("Line10", "Frame6", 120, 240, 120, 1200),
    tableLine("Line11", "Frame6", 1200, 240, 1200, 1200),
    tableLine("Line12", "Frame6", 2280, 240, 2280, 1200),
    tableLine("Line13", "Frame6", 3360, 240, 3360, 1200),
    tableLine("Line14", "Frame6", 120, 240, 3360, 240),
    tableLine("Line15", "Frame6", 120, 720, 3360, 720),
    tableLine("Line16", "Frame6", 120, 1200, 3360, 1200),
    label("Label23", {"Frame6"}, "L(m)", {360, 360, 735, 255}, kRedCaption),
    label("Label24", {"Frame6"}, "B(m)", {1440, 360, 735, 255}, kRedCaption),
    label("Label25", {"Frame6"}, "t(m)", {2520, 360, 735, 255}, kRedCaption),
    dimension("Label40", "Frame6", 240),
    dimension("Label41", "Frame6", 1320),
    dimension("Label42", "Frame6", 2400),
    // The three checks.
    checkField("Label45", "Check Of Shear Stress", 4560),
    checkField("Label44", "Check Of Punch", 5160),
    checkField("Label43", "Check Of Flexural Bond", 5760),
    // Main and secondary reinforcement of the footing.
    frame("Frame7", {}, "Main Rienforcement", {120, 6000, 3495, 1815}, kOutputFrame),
    steelHeading("Label16", "Frame7", "Required As (cm2) =", {120, 240, 2175, 375}, kText),
    steelResult("Label17", "Frame7", 240),
    steelHeading("Label18", "Frame7", "Diam. Of Used Bars(mm)", {120, 720, 2175, 375}, kSmall),
    bars("Combo1", "Frame7", "12", kBarSizes, 2400, 720, 975),
    steelHeading("Label26", "Frame7", "No. Of Used Bars \\ m", {120, 1200, 2175, 375}, kSmall),
    steelResult("Label27", "Frame7", 1200),
    frame("Frame8", {}, "Secondary Rienforcement", {3720, 6000, 3495, 1815}, kOutputFrame),
    steelHeading("Label32", "Frame8", "Required As (cm2) =", {120, 240, 2175, 375}, kText),
    steelResult("Label31", "Frame8", 240),
    steelHeading("Label30", "Frame8", "Diam. Of Used Bars(mm)", {120, 720, 2175, 375}, kSmall),
    bars("Combo2", "Frame8", "12", kBarSizes, 2400, 720, 975),
    steelHeading("Label29", "Frame8", "No. Of Used Bars \\ B", {120, 1200, 2175, 375}, kSmall),
    steelResult("Label28", "Frame8", 1200),
    // The beam reinforcement of the column case.
    hidden(frame("Frame10", {}, "Beam Rienf.", {7320, 6240, 2535, 1575},
                 {.back = colours::lightOrange, .font = kText})),
    steelHeading("Label52", "Frame10", "Stirrup Diam.", {120, 360, 1215, 375}, kTextRegular,
                 Align::Left),
    bars("Combo3", "Frame10", "8", "8|10|12|16", 1440, 360, 615),
    steelHeading("Label54", "Frame10", "mm", {2040, 360, 375, 375}, kTextRegular, Align::Left),
    steelHeading("Label53", "Frame10", "Bar Diam. For Beam", {120, 960, 1215, 495}, kTextRegular,
                 Align::Left),
    bars("Combo4", "Frame10", "16", "10|12|16|18|22|25", 1440, 1080, 615),
    steelHeading("Label55", "Frame10", "mm", {2040, 1080, 375, 375}, kTextRegular, Align::Left),
    button("Command3", {}, "Print", {8040, 6600, 1095, 375}, kButton, Action::Print,
           "طباعة هذه الواجهه "),
    button("Command2", {}, "Back", {9720, 6600, 1095, 375}, kButton, Action::Back,
           "الرجوع للشاشه الرئيسية"),
    button("Command4", {}, "Exit", {8880, 7200, 1095, 375}, kButton, Action::Exit,
           "انهاء البرنامج"),
};

// --- what the chooser changes for each case, in order -----------------------------------------

inline constexpr std::array kUniformChanges{
    setCaption("Frame1", "Wall Load"), setTop("Label3", 800), setTop("Text1", 800),
    setTop("Command1", 2700),          show("Picture1"),
};

inline constexpr std::array kMomentChanges{
    setCaption("Frame1", "Wall Load"), show("Text10"),   show("Label36"),
    setTop("Command1", 2700),          show("Picture2"),
};

inline constexpr std::array kNonUniformChanges{
    setCaption("Frame1", "Wall Load"), show("Text10"),   show("Label36"),
    setTop("Command1", 2700),          show("Picture1"),
};

inline constexpr std::array kColumnChanges{
    setCaption("Frame1", "Column Load"),
    setCaption("Label3", "P (ton)"),
    setTop("Label3", 800),
    setTop("Text1", 800),
    show("Frame9"),
    show("Label50"),
    show("Label51"),
    show("Text13"),
    show("Frame10"),
    setTop("Command2", 6240),
    setLeft("Command2", 9960),
    setTop("Command3", 6720),
    setLeft("Command3", 9960),
    setTop("Command4", 7200),
    setLeft("Command4", 9960),
    show("Label56"),
    show("Label57"),
    show("Label58"),
    show("Label59"),
    show("Picture3"),
    show("Label69"),
    show("Label70"),
};

// The changes for footingCase 0 to 3; empty for any other value.
constexpr std::span<const CaseChange> caseChanges(int footingCase)
{
    switch (footingCase) {
    case 0:
        return kUniformChanges;
    case 1:
        return kMomentChanges;
    case 2:
        return kNonUniformChanges;
    case 3:
        return kColumnChanges;
    default:
        return {};
    }
}

// The inputs the design reads, by what they hold.
struct InputControls {
    std::string_view load, moment, pcThickness, rcThickness, cover, wallThickness;
    std::string_view columnWidth, columnLength, spacing, fcu, fy, qall, beamThickness;
    std::string_view mainBars, secondaryBars, stirrupBars, beamBars, brickWall;
};

inline constexpr InputControls kInput{.load = "Text1",
                                      .moment = "Text10",
                                      .pcThickness = "Text2",
                                      .rcThickness = "Text3",
                                      .cover = "Text4",
                                      .wallThickness = "Text5",
                                      .columnWidth = "Text6",
                                      .columnLength = "Text11",
                                      .spacing = "Text12",
                                      .fcu = "Text7",
                                      .fy = "Text8",
                                      .qall = "Text9",
                                      .beamThickness = "Text13",
                                      .mainBars = "Combo1",
                                      .secondaryBars = "Combo2",
                                      .stirrupBars = "Combo3",
                                      .beamBars = "Combo4",
                                      .brickWall = "Option1"};

// Every input, list and option the design reads: its control, the caption the user knows it
// by, the symbol the calculation writes for it, its unit and the range of plausible numbers.
inline constexpr std::array kInputs{
    ranged({kInput.load, "P (ton\\m)", "P", "t/m"}, ranges::kWallLoad),
    ranged({kInput.moment, "M (t.m)", "M", "t.m/m"}, ranges::kWallMoment),
    ranged({kInput.pcThickness, "Assume PC Footing Thickness", "t1", "cm"},
           ranges::kPlainConcreteThickness),
    ranged({kInput.rcThickness, "Assume RC Footing Thickness", "t", "cm"},
           ranges::kReinforcedThickness),
    ranged({kInput.cover, "Cover", "cover", "cm"}, ranges::kCover),
    ranged({kInput.wallThickness, "Thickness (cm)", "tw", "cm"}, ranges::kWallThickness),
    ranged({kInput.columnWidth, "b (cm)", "b", "cm"}, ranges::kColumnSide),
    ranged({kInput.columnLength, "t (cm)", "tcol", "cm"}, ranges::kColumnSide),
    ranged({kInput.spacing, "Column Spacing", "S", "m"}, ranges::kColumnSpacing),
    ranged({kInput.fcu, "fcu (kg\\cm2)", "fcu", "kg/cm2"}, ranges::kConcreteStrength),
    ranged({kInput.fy, "fy (kg\\cm2)", "fy", "kg/cm2"}, ranges::kSteelYield),
    ranged({kInput.qall, "qall (kg\\cm2)", "qall", "kg/cm2"}, ranges::kSoilStress),
    ranged({kInput.beamThickness, "Assume Beam Thickness", "tb", "cm"},
           ranges::kReinforcedThickness),
    ranged({kInput.mainBars, "Main Rienforcement: Diam. Of Used Bars(mm)", "φmain", "mm"},
           ranges::kBarDiameter),
    ranged({kInput.secondaryBars, "Secondary Rienforcement: Diam. Of Used Bars(mm)", "φsec", "mm"},
           ranges::kBarDiameter),
    ranged({kInput.stirrupBars, "Stirrup Diam.", "φst", "mm"}, ranges::kBarDiameter),
    ranged({kInput.beamBars, "Bar Diam. For Beam", "φb", "mm"}, ranges::kBarDiameter),
    InputField{kInput.brickWall, "Brick Wall", "brick wall", ""},
};

// Under a row of columns the load field reads "P (ton)": the load of one column.
inline constexpr std::array kColumnInputs = [] {
    auto inputs = kInputs;
    inputs[0].caption = "P (ton)";
    inputs[0].unit = "t";
    inputs[0].low = ranges::kColumnLoad.low;
    inputs[0].high = ranges::kColumnLoad.high;
    return inputs;
}();

inline constexpr std::array<std::string_view, 4> kCaseNames{
    "Uniform Stress", "Uniform Stress With Moment", "Non Uniform Stress", "Series Of Column"};

} // namespace strip::tables

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

inline constexpr Font kCaseCaption{8.25, true};

inline constexpr std::array kChooser{
    Control{.name = "Picture1(0)",
            .kind = Kind::PictureBox,
            .left = 240,
            .top = 240,
            .width = 2970,
            .height = 2610},
    Control{.name = "Label1",
            .parent = "Picture1(0)",
            .text = "Uniform Stress",
            .left = 120,
            .top = 600,
            .width = 855,
            .height = 375,
            .fore = colours::blue,
            .font = kCaseCaption,
            .align = Align::Centre},
    Control{.name = "Picture1(1)",
            .kind = Kind::PictureBox,
            .left = 3480,
            .top = 240,
            .width = 2970,
            .height = 2610},
    Control{.name = "Label2",
            .parent = "Picture1(1)",
            .text = "Uniform Stress With Moment",
            .left = 1440,
            .top = 480,
            .width = 1335,
            .height = 495,
            .fore = colours::blue,
            .font = kCaseCaption,
            .align = Align::Centre},
    Control{.name = "Picture1(2)",
            .kind = Kind::PictureBox,
            .left = 240,
            .top = 3120,
            .width = 2970,
            .height = 2610},
    Control{.name = "Label3",
            .parent = "Picture1(2)",
            .text = "Non Uniform Stress",
            .left = 0,
            .top = 360,
            .width = 1095,
            .height = 495,
            .fore = colours::blue,
            .font = kCaseCaption,
            .align = Align::Centre},
    Control{.name = "Picture1(3)",
            .kind = Kind::PictureBox,
            .left = 3480,
            .top = 3120,
            .width = 2970,
            .height = 2610},
    Control{.name = "Label4",
            .parent = "Picture1(3)",
            .text = "Series Of Column",
            .left = 120,
            .top = 360,
            .width = 975,
            .height = 375,
            .fore = colours::blue,
            .font = kCaseCaption,
            .align = Align::Centre},
    // A dashed 2 x 2 grid around the four sketches.
    line("Line1", {}, 120, 120, 6600, 120, colours::red, Pen::Dash),
    line("Line2", {}, 6600, 120, 6600, 5880, colours::red, Pen::Dash),
    line("Line3", {}, 6600, 5880, 120, 5880, colours::red, Pen::Dash),
    line("Line4", {}, 120, 5880, 120, 120, colours::red, Pen::Dash),
    line("Line5", {}, 3360, 120, 3360, 5880, colours::red, Pen::Dash),
    line("Line6", {}, 120, 3000, 6600, 3000, colours::red, Pen::Dash),
};

// --- the design window ------------------------------------------------------------------------

inline constexpr Font kText = fonts::largeBold;       // captions: 9.75 pt bold
inline constexpr Font kTextRegular = fonts::large;    // input fields and "regular" captions
inline constexpr Font kSmall = fonts::bold;           // 8.25 pt bold
inline constexpr Font kCheck{9.75, true, true, true}; // check fields: bold italic underlined

// A caption label: bold 9.75 pt, transparent, centred unless stated.
constexpr Control label(std::string_view name, std::string_view parent, std::string_view text,
                        int left, int top, int width, int height, Colour fore, Font font = kText,
                        Align align = Align::Centre)
{
    return Control{.name = name,
                   .parent = parent,
                   .text = text,
                   .left = left,
                   .top = top,
                   .width = width,
                   .height = height,
                   .fore = fore,
                   .font = font,
                   .align = align};
}

// An input field: regular 9.75 pt.
constexpr Control input(std::string_view name, std::string_view parent, std::string_view text,
                        int left, int top, int width, int height, bool visible = true)
{
    return Control{.name = name,
                   .kind = Kind::TextBox,
                   .parent = parent,
                   .text = text,
                   .left = left,
                   .top = top,
                   .width = width,
                   .height = height,
                   .font = kTextRegular,
                   .visible = visible};
}

// A frame with a background colour.
constexpr Control frame(std::string_view name, std::string_view text, int left, int top, int width,
                        int height, Colour back, Font font = kText, bool visible = true)
{
    return Control{.name = name,
                   .kind = Kind::Frame,
                   .text = text,
                   .left = left,
                   .top = top,
                   .width = width,
                   .height = height,
                   .back = back,
                   .font = font,
                   .visible = visible};
}

// A result field inside a dimension table: blue text, centred, empty until Design.
constexpr Control dimension(std::string_view name, std::string_view parent, int left)
{
    return label(name, parent, {}, left, 840, 855, 375, colours::blue);
}

// A labelled row of a reinforcement frame: green background, red text.
constexpr Control heading(std::string_view name, std::string_view parent, std::string_view text,
                          int top, Font font)
{
    Control row = label(name, parent, text, 120, top, 2175, 375, colours::red, font);
    row.back = colours::green;
    return row;
}

// The value beside a heading of a reinforcement frame: yellow background, blue text.
constexpr Control steelResult(std::string_view name, std::string_view parent, int top)
{
    Control row = label(name, parent, {}, 2400, top, 975, 375, colours::blue);
    row.back = colours::yellow;
    return row;
}

constexpr Control barList(std::string_view name, std::string_view parent, std::string_view text,
                          std::string_view items, int left, int top, int width)
{
    return Control{.name = name,
                   .kind = Kind::ComboBox,
                   .parent = parent,
                   .text = text,
                   .left = left,
                   .top = top,
                   .width = width,
                   .height = 360,
                   .font = kTextRegular,
                   .items = items,
                   .action = Action::Design};
}

// A bar annotation of a sketch: orange text.
constexpr Control annotation(std::string_view name, std::string_view parent, std::string_view text,
                             int left, int top, int width)
{
    return label(name, parent, text, left, top, width, 255, colours::orange);
}

// A row of the beam results: light orange caption or green value, regular type.
constexpr Control beamRow(std::string_view name, std::string_view text, int left, int width,
                          Colour back)
{
    Control row = label(name, {}, text, left, 4200, width, 255, {}, kTextRegular);
    row.back = back;
    row.visible = false;
    return row;
}

constexpr Control checkField(std::string_view name, std::string_view text, int top)
{
    Control row = label(name, {}, text, 7320, top, 3735, 375, colours::red, kCheck);
    row.back = colours::green;
    return row;
}

constexpr Control command(std::string_view name, std::string_view text, int left, int top,
                          int width, int height, Action action, std::string_view tooltip = {})
{
    return Control{.name = name,
                   .kind = Kind::Button,
                   .text = text,
                   .left = left,
                   .top = top,
                   .width = width,
                   .height = height,
                   .back = colours::lightOrange,
                   .font = kText,
                   .tooltip = tooltip,
                   .action = action};
}

constexpr Control tableLine(std::string_view name, std::string_view parent, int x1, int y1, int x2,
                            int y2)
{
    return line(name, parent, x1, y1, x2, y2, colours::blue, Pen::Dash);
}

inline constexpr Colour kNone{};

inline constexpr std::array kDesign{
    [] {
        Control row = label("Label1", {}, "# Input Data", 120, 0, 1695, 255, kNone);
        row.back = colours::green;
        return row;
    }(),
    // Loads.
    frame("Frame1", "Loads", 120, 360, 2175, 1575, colours::yellow),
    label("Label2", "Frame1", "Ultimate Loads", 120, 240, 1455, 255, colours::red, kSmall),
    label("Label3", "Frame1", "P (ton\\m)", 0, 600, 1215, 615, colours::blue),
    input("Text1", "Frame1", "90", 1200, 600, 735, 375),
    [] {
        Control row = label("Label36", "Frame1", "M (t.m)", 240, 1080, 855, 255, colours::blue);
        row.visible = false;
        return row;
    }(),
    input("Text10", "Frame1", "5", 1200, 1080, 735, 405, false),
    // Footing depth.
    frame("Frame2", "Footing Depth", 2400, 360, 3855, 1575, colours::yellow),
    label("Label4", "Frame2", "Assume PC Footing Thickness", 0, 360, 2775, 255, colours::blue,
          kSmall),
    input("Text2", "Frame2", "40", 2760, 360, 615, 285),
    label("Label7", "Frame2", "cm", 3360, 360, 375, 255, colours::blue),
    label("Label5", "Frame2", "Assume RC Footing Thickness", 0, 720, 2775, 255, colours::blue,
          kSmall),
    input("Text3", "Frame2", "60", 2760, 720, 615, 285),
    label("Label9", "Frame2", "cm", 3360, 720, 375, 255, colours::blue),
    label("Label6", "Frame2", "Cover", 1800, 1080, 735, 255, colours::blue, kSmall, Align::Left),
    input("Text4", "Frame2", "5", 2760, 1080, 615, 285),
    label("Label10", "Frame2", "cm", 3360, 1080, 375, 255, colours::blue),
    // The wall.
    frame("Frame3", "Wall Dimention", 120, 2040, 2175, 1815, colours::yellow),
    label("Label11", "Frame3", "Thickness (cm)", 0, 480, 1215, 615, colours::blue),
    input("Text5", "Frame3", "60", 1200, 480, 735, 375),
    Control{.name = "Option1",
            .kind = Kind::OptionButton,
            .parent = "Frame3",
            .text = "1", // selected: a brick wall
            .left = 120,
            .top = 1080,
            .width = 255,
            .height = 255,
            .back = colours::yellow},
    label("Label8", "Frame3", "Brick Wall", 360, 1080, 1455, 255, colours::red, kText, Align::Left),
    Control{.name = "Option2",
            .kind = Kind::OptionButton,
            .parent = "Frame3",
            .left = 120,
            .top = 1440,
            .width = 255,
            .height = 255,
            .back = colours::yellow},
    label("Label12", "Frame3", "Concrete Wall", 360, 1440, 1455, 255, colours::red, kText,
          Align::Left),
    // The columns; in front of the wall frame when shown.
    frame("Frame9", "Column Dimention", 120, 2040, 2175, 1935, colours::yellow, kText, false),
    label("Label47", "Frame9", "b (cm)", 120, 360, 735, 375, colours::blue),
    input("Text6", "Frame9", "30", 1080, 360, 735, 330),
    label("Label48", "Frame9", "t (cm)", 120, 720, 735, 375, colours::blue),
    input("Text11", "Frame9", "60", 1080, 720, 735, 375),
    label("Label49", "Frame9", "Column Spacing", 120, 1080, 1935, 255, colours::blue),
    input("Text12", "Frame9", "4", 600, 1455, 615, 360),
    label("Label46", "Frame9", "m", 1200, 1440, 495, 375, colours::blue),
    // Materials.
    frame("Frame4", "Material Properties", 2400, 2040, 2295, 1935, colours::yellow),
    label("Label13", "Frame4", " fcu (kg\\cm2)", 0, 360, 1215, 255, colours::blue, kTextRegular),
    input("Text7", "Frame4", "250", 1440, 360, 615, 285),
    label("Label14", "Frame4", " fy (kg\\cm2)", 0, 840, 1215, 255, colours::blue, kTextRegular),
    input("Text8", "Frame4", "3600", 1440, 840, 615, 285),
    label("Label15", "Frame4", "qall (kg\\cm2)", 120, 1320, 1215, 255, colours::blue, kTextRegular),
    input("Text9", "Frame4", "1.25", 1440, 1320, 615, 285),
    // The beam of the column case.
    [] {
        Control row = label("Label50", {}, "Assume Beam Thickness", 4800, 2160, 1455, 495,
                            colours::blue, kSmall);
        row.back = colours::yellow;
        row.visible = false;
        return row;
    }(),
    input("Text13", {}, "120", 5040, 2760, 735, 375, false),
    [] {
        Control row = label("Label51", {}, "cm", 5880, 2760, 375, 375, kNone);
        row.back = colours::yellow;
        row.visible = false;
        return row;
    }(),
    command("Command1", "Design", 4920, 3240, 1215, 495, Action::Design),
    // The three sketches, one per kind of footing, each with its bar annotations.
    Control{.name = "Picture1",
            .kind = Kind::PictureBox,
            .left = 6960,
            .top = 120,
            .width = 4095,
            .height = 3855,
            .visible = false},
    annotation("Label33", "Picture1", "0", 480, 240, 255),
    annotation("Label34", "Picture1", "12", 1080, 240, 255),
    annotation("Label35", "Picture1", "0", 2880, 240, 255),
    annotation("Label60", "Picture1", "12", 3600, 240, 255),
    Control{.name = "Picture2",
            .kind = Kind::PictureBox,
            .left = 6960,
            .top = 120,
            .width = 4095,
            .height = 3855,
            .visible = false},
    annotation("Label61", "Picture2", "0", 2160, 0, 375),
    annotation("Label62", "Picture2", "12", 2880, 0, 375),
    annotation("Label63", "Picture2", "0", 2880, 360, 375),
    annotation("Label64", "Picture2", "12", 3480, 360, 375),
    Control{.name = "Picture3",
            .kind = Kind::PictureBox,
            .left = 6960,
            .top = 120,
            .width = 4095,
            .height = 3855,
            .visible = false},
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
    [] {
        Control row = label("Label19", {}, "# Output Data", 120, 4200, 1695, 255, kNone);
        row.back = colours::green;
        return row;
    }(),
    beamRow("Label56", "Beam Width (m)", 1920, 1575, colours::lightOrange),
    beamRow("Label57", "0.30", 3600, 615, colours::green),
    beamRow("Label58", "Beam Thickness (m)", 4560, 2055, colours::lightOrange),
    beamRow("Label59", "1.20", 6720, 615, colours::green),
    beamRow("Label69", "Required As (cm2)", 7560, 1695, colours::lightOrange),
    beamRow("Label70", "6.9", 9360, 735, colours::green),
    // Dimensions of the PC footing: a dashed table of two rows and three columns.
    frame("Frame5", "Dimentions Of PC Footing", 120, 4560, 3495, 1335, colours::lightOrange,
          kSmall),
    tableLine("Line3", "Frame5", 120, 240, 120, 1200),
    tableLine("Line4", "Frame5", 1200, 240, 1200, 1200),
    tableLine("Line5", "Frame5", 2280, 240, 2280, 1200),
    tableLine("Line6", "Frame5", 3360, 240, 3360, 1200),
    tableLine("Line7", "Frame5", 120, 240, 3360, 240),
    tableLine("Line8", "Frame5", 120, 720, 3360, 720),
    tableLine("Line9", "Frame5", 120, 1200, 3360, 1200),
    label("Label20", "Frame5", "L1(m)", 240, 360, 735, 255, colours::red),
    label("Label21", "Frame5", "B1(m)", 1440, 360, 735, 255, colours::red),
    label("Label22", "Frame5", "t1(m)", 2520, 360, 735, 255, colours::red),
    dimension("Label37", "Frame5", 240),
    dimension("Label38", "Frame5", 1320),
    dimension("Label39", "Frame5", 2400),
    // Dimensions of the RC footing.
    frame("Frame6", "Dimentions Of RC Footing", 3720, 4560, 3495, 1335, colours::lightOrange,
          kSmall),
    tableLine("Line10", "Frame6", 120, 240, 120, 1200),
    tableLine("Line11", "Frame6", 1200, 240, 1200, 1200),
    tableLine("Line12", "Frame6", 2280, 240, 2280, 1200),
    tableLine("Line13", "Frame6", 3360, 240, 3360, 1200),
    tableLine("Line14", "Frame6", 120, 240, 3360, 240),
    tableLine("Line15", "Frame6", 120, 720, 3360, 720),
    tableLine("Line16", "Frame6", 120, 1200, 3360, 1200),
    label("Label23", "Frame6", "L(m)", 360, 360, 735, 255, colours::red),
    label("Label24", "Frame6", "B(m)", 1440, 360, 735, 255, colours::red),
    label("Label25", "Frame6", "t(m)", 2520, 360, 735, 255, colours::red),
    dimension("Label40", "Frame6", 240),
    dimension("Label41", "Frame6", 1320),
    dimension("Label42", "Frame6", 2400),
    // The three checks.
    checkField("Label45", "Check Of Shear Stress", 4560),
    checkField("Label44", "Check Of Punch", 5160),
    checkField("Label43", "Check Of Flexural Bond", 5760),
    // Main and secondary reinforcement of the footing.
    frame("Frame7", "Main Rienforcement", 120, 6000, 3495, 1815, colours::lightOrange, kSmall),
    heading("Label16", "Frame7", "Required As (cm2) =", 240, kText),
    steelResult("Label17", "Frame7", 240),
    heading("Label18", "Frame7", "Diam. Of Used Bars(mm)", 720, kSmall),
    barList("Combo1", "Frame7", "12", "12|16|18|22|25", 2400, 720, 975),
    heading("Label26", "Frame7", "No. Of Used Bars \\ m", 1200, kSmall),
    steelResult("Label27", "Frame7", 1200),
    frame("Frame8", "Secondary Rienforcement", 3720, 6000, 3495, 1815, colours::lightOrange,
          kSmall),
    heading("Label32", "Frame8", "Required As (cm2) =", 240, kText),
    steelResult("Label31", "Frame8", 240),
    heading("Label30", "Frame8", "Diam. Of Used Bars(mm)", 720, kSmall),
    barList("Combo2", "Frame8", "12", "12|16|18|22|25", 2400, 720, 975),
    heading("Label29", "Frame8", "No. Of Used Bars \\ B", 1200, kSmall),
    steelResult("Label28", "Frame8", 1200),
    // The beam reinforcement of the column case.
    frame("Frame10", "Beam Rienf.", 7320, 6240, 2535, 1575, colours::lightOrange, kText, false),
    [] {
        Control row = heading("Label52", "Frame10", "Stirrup Diam.", 360, kTextRegular);
        row.width = 1215;
        row.align = Align::Left;
        return row;
    }(),
    barList("Combo3", "Frame10", "8", "8|10|12|16", 1440, 360, 615),
    [] {
        Control row = heading("Label54", "Frame10", "mm", 360, kTextRegular);
        row.left = 2040;
        row.width = 375;
        row.align = Align::Left;
        return row;
    }(),
    [] {
        Control row = heading("Label53", "Frame10", "Bar Diam. For Beam", 960, kTextRegular);
        row.width = 1215;
        row.height = 495;
        row.align = Align::Left;
        return row;
    }(),
    barList("Combo4", "Frame10", "16", "10|12|16|18|22|25", 1440, 1080, 615),
    [] {
        Control row = heading("Label55", "Frame10", "mm", 1080, kTextRegular);
        row.left = 2040;
        row.width = 375;
        row.align = Align::Left;
        return row;
    }(),
    command("Command3", "Print", 8040, 6600, 1095, 375, Action::Print, "طباعة هذه الواجهه "),
    command("Command2", "Back", 9720, 6600, 1095, 375, Action::Back, "الرجوع للشاشه الرئيسية"),
    command("Command4", "Exit", 8880, 7200, 1095, 375, Action::Exit, "انهاء البرنامج"),
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

// Every input, list and option the design reads: its control, the caption the user knows it
// by, the symbol the calculation writes for it, its unit and the range of plausible numbers.
inline constexpr std::array kInputs{
    ranged({"Text1", "P (ton\\m)", "P", "t/m"}, ranges::kWallLoad),
    ranged({"Text10", "M (t.m)", "M", "t.m/m"}, ranges::kWallMoment),
    ranged({"Text2", "Assume PC Footing Thickness", "t1", "cm"}, ranges::kPlainConcreteThickness),
    ranged({"Text3", "Assume RC Footing Thickness", "t", "cm"}, ranges::kReinforcedThickness),
    ranged({"Text4", "Cover", "cover", "cm"}, ranges::kCover),
    ranged({"Text5", "Thickness (cm)", "tw", "cm"}, ranges::kWallThickness),
    ranged({"Text6", "b (cm)", "b", "cm"}, ranges::kColumnSide),
    ranged({"Text11", "t (cm)", "tcol", "cm"}, ranges::kColumnSide),
    ranged({"Text12", "Column Spacing", "S", "m"}, ranges::kColumnSpacing),
    ranged({"Text7", "fcu (kg\\cm2)", "fcu", "kg/cm2"}, ranges::kConcreteStrength),
    ranged({"Text8", "fy (kg\\cm2)", "fy", "kg/cm2"}, ranges::kSteelYield),
    ranged({"Text9", "qall (kg\\cm2)", "qall", "kg/cm2"}, ranges::kSoilStress),
    ranged({"Text13", "Assume Beam Thickness", "tb", "cm"}, ranges::kReinforcedThickness),
    ranged({"Combo1", "Main Rienforcement: Diam. Of Used Bars(mm)", "φmain", "mm"},
           ranges::kBarDiameter),
    ranged({"Combo2", "Secondary Rienforcement: Diam. Of Used Bars(mm)", "φsec", "mm"},
           ranges::kBarDiameter),
    ranged({"Combo3", "Stirrup Diam.", "φst", "mm"}, ranges::kBarDiameter),
    ranged({"Combo4", "Bar Diam. For Beam", "φb", "mm"}, ranges::kBarDiameter),
    InputField{"Option1", "Brick Wall", "brick wall", ""},
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

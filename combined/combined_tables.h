#pragma once

// The combined-footing window as designed: one tab control holding the inputs, the numeric
// results, the straining-action diagrams and the reinforcement details. Positions are twips,
// relative to the tab control for the controls on a tab and to their frame or picture box
// otherwise.

#include "combined/combined_design.h"
#include "core/control_table.h"
#include "core/design.h"
#include "core/input_ranges.h"

#include <array>
#include <string_view>

namespace combined::tables {

using namespace core;

inline constexpr Place kOnInputTab{kTabControl, kInputTab};
inline constexpr Place kOnOutputTab{kTabControl, kOutputTab};
inline constexpr Place kOnDiagramsTab{kTabControl, kDiagramsTab};
inline constexpr Place kOnDetailsTab{kTabControl, kDetailsTab};

// Looks of the working tabs.
inline constexpr Look kYellowFrame{
    .back = colours::yellow, .fore = colours::blue, .font = fonts::bold};
inline constexpr Look kYellowFrameLarge{
    .back = colours::yellow, .fore = colours::blue, .font = fonts::largeBold};
inline constexpr Look kOrangeFrame{
    .back = colours::lightOrange, .fore = colours::blue, .font = fonts::bold};
inline constexpr Look kBeamFrame{.back = colours::lightGreen, .font = fonts::largeBold};
inline constexpr Look kRedCaption{.fore = colours::red, .font = fonts::bold};
inline constexpr Look kRedCaptionCentred{
    .fore = colours::red, .font = fonts::bold, .align = Align::Centre};
inline constexpr Look kRedCaptionLarge{.fore = colours::red, .font = fonts::largeBold};
inline constexpr Look kRedCaptionLargeCentred{
    .fore = colours::red, .font = fonts::largeBold, .align = Align::Centre};
inline constexpr Look kCyanCaption{
    .back = colours::cyan, .fore = colours::red, .font = fonts::bold};
inline constexpr Look kCyanCaptionCentred{
    .back = colours::cyan, .fore = colours::red, .font = fonts::bold, .align = Align::Centre};
inline constexpr Look kCyanCaptionLargeCentred{
    .back = colours::cyan, .fore = colours::red, .font = fonts::largeBold, .align = Align::Centre};
inline constexpr Look kBlueResult{
    .fore = colours::blue, .font = fonts::bold, .align = Align::Centre};
inline constexpr Look kGreenResult{.back = colours::lightGreen,
                                   .fore = colours::blue,
                                   .font = fonts::bold,
                                   .align = Align::Centre};
inline constexpr Look kCheckLabel{
    .back = colours::lightCyan, .fore = colours::red, .font = fonts::bold, .align = Align::Centre};
inline constexpr Look kBeamCaption{.back = colours::lightOrange, .align = Align::Centre};
inline constexpr Look kBeamResult{.back = colours::yellow, .align = Align::Centre};
inline constexpr Look kPicture{.back = colours::white};
inline constexpr Look kButton{
    .back = colours::lightOrange, .fore = colours::blue, .font = fonts::bold};

// Looks of the input sketch and the drawings.
inline constexpr Look kBlueBold{.fore = colours::blue, .font = fonts::bold};
inline constexpr Look kBlueBoldCentred{
    .fore = colours::blue, .font = fonts::bold, .align = Align::Centre};
inline constexpr Look kTitle{
    .fore = colours::red, .font = fonts::largeBoldUnderlined, .align = Align::Centre};
inline constexpr Look kItalicTitle{
    .fore = colours::red, .font = fonts::largeBoldItalicUnderlined, .align = Align::Centre};
inline constexpr Look kValueCentred{
    .fore = colours::red, .font = fonts::bold, .align = Align::Centre};
inline constexpr Look kValueLeft{.fore = colours::red, .font = fonts::bold};
// Bar texts are sized to their text.
inline constexpr Look kBarText{.fore = colours::black};
// A bar count that ends just before its bar symbol, so a longer text to its left ("12 \ m")
// never runs into it.
inline constexpr Look kBarCount{.fore = colours::black, .align = Align::Right};
// A beam width ends just before its unit (sized to its text), so the two read as one dimension
// whatever the width of the figures.
inline constexpr Look kBeamWidth{
    .fore = colours::red, .font = fonts::largeBold, .align = Align::Right};

// Shapes: a plain outline, and the hatches of the columns, the RC and the PC footing.
inline constexpr Outline kOutline{.border = colours::black};
inline constexpr Outline kColumnHatch{
    .border = colours::black, .fill = Fill::DiagonalCross, .hatch = colours::red};
inline constexpr Outline kReinforcedHatch{
    .border = colours::black, .fill = Fill::DownwardDiagonal, .hatch = colours::red};
inline constexpr Outline kPlainHatch{
    .border = colours::black, .fill = Fill::Cross, .hatch = colours::darkRed};

inline constexpr std::string_view kDesignTip = "ابدا التصميم";
inline constexpr std::string_view kBackTip = "الرجوع للشاشه الرئيسيه";
inline constexpr std::string_view kPrintTip = "طباعة هذه الواجهه";
inline constexpr std::string_view kExitTip = "انهاء البرنامج";

inline constexpr std::string_view kTopBars = "10|12|16|18|22";
inline constexpr std::string_view kBeamBars = "12|16|18|22";

inline constexpr std::array kControls{
    tabControl(kTabControl, {}, {120, 120, 9015, 5055},
               "Input Data|Output Data|S.F + B.M Ds|Rienf. Details", {.font = fonts::bold}),

    // "Input Data"
    frame("Frame1", kOnInputTab, "Ultimate Column Loads", {120, 600, 2175, 1815}, kYellowFrame),
    label("Label1", {"Frame1"}, "P1 (ton)", {240, 480, 855, 375}, kRedCaptionLargeCentred),
    textBox("Text1", {"Frame1"}, "100", {1320, 480, 615, 375}),
    label("Label2", {"Frame1"}, "P2 (ton)", {240, 1200, 855, 375}, kRedCaptionLargeCentred),
    textBox("Text2", {"Frame1"}, "150", {1320, 1200, 615, 375}),
    frame("Frame2", kOnInputTab, "Footing Depthes", {2400, 600, 3975, 1815}, kYellowFrameLarge),
    label("Label3", {"Frame2"}, "Assume PC Depth (cm)", {120, 360, 2535, 255}, kRedCaptionLarge),
    textBox("Text3", {"Frame2"}, "40", {2880, 360, 735, 285}),
    label("Label4", {"Frame2"}, "Assume RC Depth (cm)", {120, 840, 2535, 255}, kRedCaptionLarge),
    textBox("Text4", {"Frame2"}, "60", {2880, 840, 735, 285}),
    label("Label5", {"Frame2"}, "Cover (cm)", {120, 1320, 2295, 255}, kRedCaptionLarge),
    textBox("Text5", {"Frame2"}, "5", {2880, 1320, 735, 285}),
    frame("Frame3", kOnInputTab, "Column Dimentions", {120, 2640, 2175, 2175}, kYellowFrameLarge),
    label("Label10", {"Frame3"}, "C1", {120, 480, 375, 375}, kRedCaptionCentred),
    label("Label6", {"Frame3"}, "b (cm)", {600, 360, 735, 255}, kRedCaptionCentred),
    textBox("Text6", {"Frame3"}, "30", {1440, 360, 615, 285}),
    label("Label7", {"Frame3"}, "t (cm)", {600, 720, 735, 255}, kRedCaptionCentred),
    textBox("Text7", {"Frame3"}, "50", {1440, 720, 615, 285}),
    label("Label11", {"Frame3"}, "C2", {120, 1440, 375, 375}, kRedCaptionCentred),
    label("Label8", {"Frame3"}, "b (cm)", {600, 1320, 735, 255}, kRedCaptionCentred),
    textBox("Text8", {"Frame3"}, "30", {1440, 1320, 615, 285}),
    label("Label9", {"Frame3"}, "t (cm)", {600, 1680, 735, 255}, kRedCaptionCentred),
    textBox("Text9", {"Frame3"}, "70", {1440, 1680, 615, 285}),
    frame("Frame4", kOnInputTab, "Material Properties", {2400, 2640, 2535, 2175},
          kYellowFrameLarge),
    label("Label12", {"Frame4"}, "fcu (kg\\cm2)", {120, 480, 1335, 255}, kRedCaption),
    textBox("Text10", {"Frame4"}, "250", {1560, 480, 735, 285}),
    label("Label13", {"Frame4"}, "fy (kg\\cm2)", {120, 1080, 1335, 255}, kRedCaption),
    textBox("Text11", {"Frame4"}, "3600", {1560, 1080, 735, 285}),
    label("Label14", {"Frame4"}, "B \\ C (kg\\cm2)", {120, 1680, 1335, 255}, kRedCaption),
    textBox("Text12", {"Frame4"}, "1.25", {1560, 1680, 735, 285}),
    label("Label15", kOnInputTab, "Column Spacing (L)", {6720, 600, 2055, 255},
          kCyanCaptionCentred),
    textBox("Text13", kOnInputTab, "3.5", {7200, 960, 735, 375}),
    label("Label16", kOnInputTab, "m", {8040, 960, 495, 375}, kCyanCaptionLargeCentred),
    button("Command1", kOnInputTab, "Design", {6600, 1560, 975, 375}, kButton, Action::Design,
           kDesignTip),
    button("Command2", kOnInputTab, "Back", {7800, 1560, 975, 375}, kButton, Action::Back,
           kBackTip),
    button("Command3", kOnInputTab, "Print", {6600, 2040, 975, 375}, kButton, Action::Print,
           kPrintTip),
    button("Command4", kOnInputTab, "Exit", {7800, 2040, 975, 375}, kButton, Action::Exit,
           kExitTip),
    picture("Picture1", kOnInputTab, {5040, 2640, 3855, 2175}, kPicture),

    // The input sketch: plan of the two columns with the symbols of the inputs.
    rectangle("Shape1", {"Picture1"}, {360, 960, 735, 375}, kColumnHatch),
    rectangle("Shape2", {"Picture1"}, {2640, 960, 735, 375}, kColumnHatch),
    line("Line1", "Picture1", 720, 360, 720, 1560, colours::blue, Pen::Solid, 2),
    line("Line2", "Picture1", 3000, 360, 3000, 1560, colours::blue, Pen::Solid, 2),
    line("Line3", "Picture1", 3120, 480, 600, 480, colours::black, Pen::Solid, 3),
    line("Line4", "Picture1", 3120, 360, 2880, 600, colours::orange, Pen::Solid, 2),
    line("Line5", "Picture1", 840, 360, 600, 600, colours::orange, Pen::Solid, 2),
    label("Label21", {"Picture1"}, "L (m)", {1560, 240, 615, 255}, kBlueBoldCentred),
    label("Label19", {"Picture1"}, "C1", {0, 960, 375, 255}, kRedCaption),
    label("Label20", {"Picture1"}, "C2", {3480, 960, 255, 255}, kRedCaption),
    label("Label17", {"Picture1"}, "P1", {720, 1440, 375, 255}, kBlueBold),
    label("Label18", {"Picture1"}, "P2", {2520, 1440, 375, 255}, kBlueBold),
    autoSized(label("Label22", {"Picture1"}, "t(cm)", {720, 720, 375, 255})),
    autoSized(label("Label24", {"Picture1"}, "t(cm)", {3000, 720, 375, 255})),
    autoSized(label("Label23", {"Picture1"}, "b(cm)", {1200, 1080, 375, 255})),
    autoSized(label("Label25", {"Picture1"}, "b(cm)", {2160, 1080, 375, 255})),

    // "Output Data"
    frame("Frame5", kOnOutputTab, "PC Footing", {120, 480, 3135, 1575}, kYellowFrameLarge),
    line("Line6", "Frame5", 120, 360, 3000, 360, colours::black),
    line("Line7", "Frame5", 120, 1440, 3000, 1440, colours::black),
    line("Line8", "Frame5", 120, 360, 120, 1440, colours::black),
    line("Line9", "Frame5", 3000, 360, 3000, 1440, colours::black),
    line("Line10", "Frame5", 120, 840, 3000, 840, colours::black),
    line("Line11", "Frame5", 1080, 360, 1080, 1440, colours::black),
    line("Line12", "Frame5", 2040, 360, 2040, 1440, colours::black),
    label("Label69", {"Frame5"}, "L1 (m)", {240, 480, 735, 255}, kRedCaptionLargeCentred),
    label("Label70", {"Frame5"}, "B1 (m)", {1200, 480, 735, 255}, kRedCaptionLargeCentred),
    label("Label71", {"Frame5"}, "t1 (m)", {2280, 480, 615, 255}, kRedCaptionLargeCentred),
    label("Label75", {"Frame5"}, {}, {240, 960, 735, 375}, kBlueResult),
    label("Label76", {"Frame5"}, {}, {1200, 960, 735, 375}, kBlueResult),
    label("Label77", {"Frame5"}, {}, {2160, 960, 735, 375}, kBlueResult),
    frame("Frame6", kOnOutputTab, "RC Footing", {120, 2280, 3135, 1575}, kYellowFrameLarge),
    line("Line13", "Frame6", 120, 360, 3000, 360, colours::black),
    line("Line14", "Frame6", 120, 1440, 3000, 1440, colours::black),
    line("Line15", "Frame6", 120, 360, 120, 1440, colours::black),
    line("Line16", "Frame6", 3000, 360, 3000, 1440, colours::black),
    line("Line17", "Frame6", 120, 840, 3000, 840, colours::black),
    line("Line18", "Frame6", 1080, 360, 1080, 1440, colours::black),
    line("Line19", "Frame6", 2040, 360, 2040, 1440, colours::black),
    label("Label72", {"Frame6"}, "L (m)", {240, 480, 735, 255}, kRedCaptionLargeCentred),
    label("Label73", {"Frame6"}, "B (m)", {1200, 480, 735, 255}, kRedCaptionLargeCentred),
    label("Label74", {"Frame6"}, "t (m)", {2160, 480, 735, 255}, kRedCaptionLargeCentred),
    label("Label78", {"Frame6"}, {}, {240, 960, 735, 375}, kBlueResult),
    label("Label79", {"Frame6"}, {}, {1200, 960, 735, 375}, kBlueResult),
    label("Label80", {"Frame6"}, {}, {2160, 960, 735, 375}, kBlueResult),
    frame("Frame7", kOnOutputTab, "Rienforcement", {3480, 480, 3135, 3375}, kYellowFrameLarge),
    frame("Frame8", {"Frame7"}, "Top Rienf.", {120, 240, 2895, 1455}, kOrangeFrame),
    label("Label26", {"Frame8"}, "As (cm2)", {120, 240, 1455, 255}, kCyanCaption),
    label("Label27", {"Frame8"}, "Diam. (mm)", {120, 600, 1455, 255}, kCyanCaption),
    label("Label28", {"Frame8"}, "No. Of Bars \\ B", {120, 1080, 1455, 255}, kCyanCaption),
    label("Label29", {"Frame8"}, {}, {1920, 240, 855, 255}, kGreenResult),
    barList("Combo1", {"Frame8"}, "16", {1920, 600, 855, 315}, kTopBars),
    label("Label30", {"Frame8"}, {}, {1920, 1080, 855, 255}, kGreenResult),
    frame("Frame9", {"Frame7"}, "Bott. Rienf.", {120, 1800, 2895, 1455}, kOrangeFrame),
    label("Label31", {"Frame9"}, "As (cm2)", {120, 240, 1455, 255}, kCyanCaption),
    label("Label32", {"Frame9"}, "Diam. (mm)", {120, 600, 1455, 255}, kCyanCaption),
    label("Label33", {"Frame9"}, "No. Of Bars \\ B", {120, 1080, 1455, 255}, kCyanCaption),
    label("Label34", {"Frame9"}, {}, {1920, 240, 855, 255}, kGreenResult),
    barList("Combo2", {"Frame9"}, "12", {1920, 600, 855, 315}, kTopBars),
    label("Label35", {"Frame9"}, {}, {1920, 1080, 855, 255}, kGreenResult),
    label("Label36", kOnOutputTab, "Check Of Shear", {6720, 600, 2175, 255}, kCheckLabel),
    label("Label37", kOnOutputTab, "Check Of Punch", {6720, 1200, 2175, 255}, kCheckLabel),
    label("Label38", kOnOutputTab, "Check Of Flexure  Bond", {6720, 1800, 2175, 255}, kCheckLabel),
    button("Command5", kOnOutputTab, "Print", {6720, 2640, 975, 375}, kButton, Action::Print,
           kPrintTip),
    button("Command6", kOnOutputTab, "Back", {7800, 2640, 975, 375}, kButton, Action::Back,
           kBackTip),
    button("Command7", kOnOutputTab, "Exit", {7320, 3120, 975, 375}, kButton, Action::Exit,
           kExitTip),
    frame("Frame10", kOnOutputTab, "Beam -1-", {240, 3960, 4095, 975}, kBeamFrame),
    line("Line20", "Frame10", 2040, 120, 2040, 960, colours::red, Pen::Dash),
    label("Label49", {"Frame10"}, "Beam Width(m)", {120, 240, 1170, 255}, kBeamCaption),
    label("Label39", {"Frame10"}, "As (cm2) \\ b1", {120, 600, 1095, 255}, kBeamCaption),
    label("Label50", {"Frame10"}, {}, {1320, 240, 615, 255}, kBeamResult),
    label("Label40", {"Frame10"}, {}, {1320, 600, 615, 255}, kBeamResult),
    label("Label41", {"Frame10"}, "Diam. (mm)", {2160, 240, 1095, 255}, kBeamCaption),
    label("Label42", {"Frame10"}, "No. \\ b1", {2160, 600, 1095, 255}, kBeamCaption),
    barList("Combo3", {"Frame10"}, "16", {3360, 240, 615, 315}, kBeamBars),
    label("Label43", {"Frame10"}, {}, {3360, 600, 615, 255}, kBeamResult),
    frame("Frame11", kOnOutputTab, "Beam -2-", {4680, 3960, 4095, 975}, kBeamFrame),
    line("Line21", "Frame11", 2040, 120, 2040, 960, colours::red, Pen::Dash),
    label("Label51", {"Frame11"}, "Beam Width(m)", {120, 240, 1170, 255}, kBeamCaption),
    label("Label44", {"Frame11"}, "As (cm2) \\ b2", {120, 600, 1095, 255}, kBeamCaption),
    label("Label52", {"Frame11"}, {}, {1320, 240, 615, 255}, kBeamResult),
    label("Label46", {"Frame11"}, {}, {1320, 600, 615, 255}, kBeamResult),
    label("Label45", {"Frame11"}, "Diam. (mm)", {2160, 240, 1095, 255}, kBeamCaption),
    label("Label47", {"Frame11"}, "No. \\ b2", {2160, 600, 1095, 255}, kBeamCaption),
    barList("Combo4", {"Frame11"}, "16", {3360, 240, 615, 315}, kBeamBars),
    label("Label48", {"Frame11"}, {}, {3360, 600, 615, 255}, kBeamResult),

    // "S.F + B.M Ds", C1-flush layout.
    picture("Picture2", kOnDiagramsTab, {120, 360, 8775, 4575}, kPicture),
    label("Label62", {"Picture2"}, "Straining Action", {3360, 120, 1695, 375}, kTitle),
    rectangle("Shape5", {"Picture2"}, {480, 480, 495, 615}, kOutline),
    label("Label53", {"Picture2"}, "C1", {600, 600, 375, 375}, kRedCaptionLargeCentred),
    rectangle("Shape6", {"Picture2"}, {6120, 480, 495, 615}, kOutline),
    label("Label54", {"Picture2"}, "C2", {6120, 600, 495, 375}, kRedCaptionLargeCentred),
    line("Line22", "Picture2", 840, 480, 1080, 480, colours::black),
    line("Line23", "Picture2", 600, 480, 360, 480, colours::black),
    line("Line24", "Picture2", 6120, 480, 6000, 480, colours::black),
    line("Line25", "Picture2", 6600, 480, 6720, 480, colours::black),
    rectangle("Shape4", {"Picture2"}, {480, 1080, 7095, 375}, kReinforcedHatch),
    rectangle("Shape3", {"Picture2"}, {480, 1440, 7095, 255}, kPlainHatch),
    line("Line31", "Picture2", 480, 2520, 7560, 2520, colours::blue, Pen::Dash),
    label("Label55", {"Picture2"}, "S.F.D", {7680, 2400, 975, 255}, kRedCaptionLargeCentred),
    line("Line36", "Picture2", 480, 2520, 1080, 2880, colours::black),
    line("Line35", "Picture2", 1080, 2880, 6000, 2040, colours::black),
    line("Line34", "Picture2", 6000, 2040, 6600, 2760, colours::black),
    line("Line33", "Picture2", 6600, 2760, 7560, 2520, colours::black),
    line("Line32", "Picture2", 480, 3720, 7560, 3720, colours::blue, Pen::Dash),
    label("Label56", {"Picture2"}, "B.M.D", {7680, 3600, 975, 255}, kRedCaptionLargeCentred),
    line("Line42", "Picture2", 480, 3720, 1080, 3360, colours::black),
    line("Line41", "Picture2", 1080, 3360, 3240, 3120, colours::black),
    line("Line40", "Picture2", 3240, 3120, 6000, 3480, colours::black),
    line("Line38", "Picture2", 6000, 3480, 6600, 4080, colours::black),
    line("Line37", "Picture2", 6600, 4080, 7560, 3720, colours::black),
    button("Command10", {"Picture2"}, "Print", {7680, 4080, 975, 375}, kButton, Action::Print,
           kPrintTip),
    label("Label81", {"Picture2"}, {}, {1200, 2880, 735, 255}, kValueCentred),
    label("Label82", {"Picture2"}, {}, {5520, 1800, 735, 255}, kValueCentred),
    label("Label83", {"Picture2"}, {}, {6120, 2760, 735, 255}, kValueCentred),
    label("Label84", {"Picture2"}, {}, {480, 3120, 735, 255}, kValueCentred),
    label("Label85", {"Picture2"}, {}, {2880, 2880, 735, 255}, kValueCentred),
    label("Label86", {"Picture2"}, {}, {5520, 3240, 735, 255}, kValueCentred),
    label("Label87", {"Picture2"}, {}, {6120, 4080, 735, 255}, kValueCentred),

    // "S.F + B.M Ds", C2-flush layout.
    picture("Picture3", kOnDiagramsTab, {120, 360, 8775, 4575}, kPicture),
    label("Label61", {"Picture3"}, "Straining Action", {2880, 120, 2535, 375}, kItalicTitle),
    rectangle("Shape9", {"Picture3"}, {1320, 480, 495, 735}, kOutline),
    label("Label57", {"Picture3"}, "C1", {1440, 720, 255, 255}, kRedCaptionLargeCentred),
    rectangle("Shape10", {"Picture3"}, {6960, 480, 495, 735}, kOutline),
    label("Label58", {"Picture3"}, "C2", {7080, 720, 255, 255}, kRedCaptionLargeCentred),
    rectangle("Shape8", {"Picture3"}, {360, 1200, 7095, 495}, kReinforcedHatch),
    rectangle("Shape7", {"Picture3"}, {360, 1680, 7095, 255}, kPlainHatch),
    line("Line39", "Picture3", 360, 2760, 7440, 2760, colours::blue, Pen::Dash),
    label("Label59", {"Picture3"}, "S.F.D", {7560, 2640, 1095, 255}, kRedCaptionLargeCentred),
    line("Line44", "Picture3", 360, 2760, 1320, 2400, colours::black),
    line("Line45", "Picture3", 1320, 2400, 1800, 3120, colours::black),
    line("Line46", "Picture3", 1800, 3120, 6960, 2280, colours::black),
    line("Line47", "Picture3", 6960, 2280, 7440, 2760, colours::black),
    line("Line43", "Picture3", 360, 3840, 7440, 3840, colours::blue, Pen::Dash),
    label("Label60", {"Picture3"}, "B.M.D", {7560, 3720, 1095, 255}, kRedCaptionLargeCentred),
    line("Line48", "Picture3", 360, 3840, 1320, 4080, colours::black),
    line("Line49", "Picture3", 1320, 4080, 1800, 3600, colours::black),
    line("Line51", "Picture3", 1800, 3600, 4080, 3240, colours::black),
    line("Line52", "Picture3", 4080, 3240, 6960, 3480, colours::black),
    line("Line53", "Picture3", 6960, 3480, 7440, 3840, colours::black),
    button("Command9", {"Picture3"}, "Print", {7680, 4080, 975, 375}, kButton, Action::Print,
           kPrintTip),
    label("Label89", {"Picture3"}, {}, {1320, 3120, 735, 255}, kValueLeft),
    label("Label90", {"Picture3"}, {}, {6720, 2040, 735, 255}, kValueLeft),
    label("Label88", {"Picture3"}, {}, {960, 2160, 735, 255}, kValueLeft),
    label("Label92", {"Picture3"}, {}, {1320, 3360, 735, 255}, kValueLeft),
    label("Label93", {"Picture3"}, {}, {3720, 3000, 735, 255}, kValueLeft),
    label("Label94", {"Picture3"}, {}, {6720, 3240, 735, 255}, kValueLeft),
    label("Label91", {"Picture3"}, {}, {960, 4200, 735, 255}, kValueLeft),

    // "Rienf. Details", C1-flush layout: section drawn by the window, texts and dimensions here.
    picture("Picture4", kOnDetailsTab, {120, 360, 8775, 4575}, kPicture),
    label("Label63", {"Picture4"}, "Rienforcement Details", {3000, 120, 2415, 375}, kTitle),
    label("Label66", {"Picture4"}, "Footing Cross Section", {2760, 3720, 2895, 375}, kItalicTitle),
    label("Label64", {"Picture4"}, "C1", {360, 120, 375, 255}, kRedCaptionLargeCentred),
    label("Label65", {"Picture4"}, "C2", {5880, 120, 495, 255}, kRedCaptionLargeCentred),
    line("Line56", "Picture4", 240, 3600, 1800, 3600, colours::black, Pen::Solid, 3),
    line("Line54", "Picture4", 240, 3480, 240, 3720, colours::black, Pen::Solid, 2),
    line("Line55", "Picture4", 1800, 3480, 1800, 3720, colours::black, Pen::Solid, 2),
    label("Label117", {"Picture4"}, "Beam -1-", {705, 3600, 765, 195}, kValueCentred),
    label("Label118", {"Picture4"}, {}, {585, 3360, 600, 255}, kBeamWidth),
    autoSized(label("Label119", {"Picture4"}, "m", {1230, 3360, 195, 255}, kRedCaptionLarge)),
    line("Line59", "Picture4", 4800, 3600, 7800, 3600, colours::black, Pen::Solid, 3),
    line("Line57", "Picture4", 4800, 3480, 4800, 3720, colours::black, Pen::Solid, 2),
    line("Line58", "Picture4", 7800, 3480, 7800, 3720, colours::black, Pen::Solid, 2),
    label("Label120", {"Picture4"}, "Beam -2-", {5985, 3600, 765, 195}, kValueCentred),
    label("Label121", {"Picture4"}, {}, {5865, 3360, 600, 255}, kBeamWidth),
    autoSized(label("Label122", {"Picture4"}, "m", {6510, 3360, 195, 255}, kRedCaptionLarge)),
    button("Command8", {"Picture4"}, "Print", {120, 4080, 975, 375}, kButton, Action::Print,
           kPrintTip),
    autoSized(label("Label103", {"Picture4"}, {}, {2490, 960, 180, 195}, kBarText)),
    autoSized(label("Label104", {"Picture4"}, {}, {3045, 960, 180, 195}, kBarText)),
    label("Label107", {"Picture4"}, {}, {3525, 960, 360, 225}, kBarCount),
    autoSized(label("Label108", {"Picture4"}, {}, {4230, 960, 180, 195}, kBarText)),
    autoSized(label("Label123", {"Picture4"}, {}, {390, 3000, 180, 195}, kBarText)),
    autoSized(label("Label124", {"Picture4"}, {}, {870, 3000, 180, 195}, kBarText)),
    autoSized(label("Label109", {"Picture4"}, {}, {2790, 3000, 180, 195}, kBarText)),
    autoSized(label("Label110", {"Picture4"}, {}, {3390, 3000, 180, 195}, kBarText)),
    autoSized(label("Label106", {"Picture4"}, {}, {4470, 3000, 180, 195}, kBarText)),
    autoSized(label("Label105", {"Picture4"}, {}, {5040, 3000, 180, 195}, kBarText)),
    autoSized(label("Label125", {"Picture4"}, {}, {6510, 3000, 180, 195}, kBarText)),
    autoSized(label("Label126", {"Picture4"}, {}, {6960, 3000, 180, 195}, kBarText)),

    // "Rienf. Details", C2-flush layout.
    picture("Picture5", kOnDetailsTab, {120, 360, 8775, 4575}, kPicture),
    label("Label67", {"Picture5"}, "Rienforcement Details", {3360, 120, 2655, 375}, kTitle),
    label("Label68", {"Picture5"}, "Footing Cross Section", {3480, 3840, 2175, 375}, kItalicTitle),
    line("Line26", "Picture5", 240, 3600, 2880, 3600, colours::black, Pen::Solid, 3),
    line("Line27", "Picture5", 240, 3480, 240, 3720, colours::black, Pen::Solid, 2),
    line("Line28", "Picture5", 2880, 3480, 2880, 3720, colours::black, Pen::Solid, 2),
    label("Label111", {"Picture5"}, "Beam -1-", {1185, 3600, 765, 195}, kValueCentred),
    label("Label112", {"Picture5"}, {}, {1035, 3360, 600, 255}, kBeamWidth),
    autoSized(label("Label113", {"Picture5"}, "m", {1680, 3360, 195, 255}, kRedCaptionLarge)),
    line("Line50", "Picture5", 6240, 3720, 7800, 3720, colours::black, Pen::Solid, 3),
    line("Line29", "Picture5", 6240, 3600, 6240, 3840, colours::black, Pen::Solid, 2),
    line("Line30", "Picture5", 7800, 3600, 7800, 3840, colours::black, Pen::Solid, 2),
    label("Label114", {"Picture5"}, "Beam -2-", {6720, 3720, 735, 255}, kValueCentred),
    label("Label115", {"Picture5"}, {}, {6525, 3480, 600, 255}, kBeamWidth),
    autoSized(label("Label116", {"Picture5"}, "m", {7170, 3480, 195, 255}, kRedCaptionLarge)),
    button("Command11", {"Picture5"}, "Print", {360, 3960, 1215, 375}, kButton, Action::Print,
           "طباعة هذه الواجهة"),
    autoSized(label("Label95", {"Picture5"}, {}, {2520, 960, 180, 195}, kBarText)),
    autoSized(label("Label96", {"Picture5"}, {}, {3060, 960, 180, 195}, kBarText)),
    label("Label97", {"Picture5"}, {}, {3525, 960, 360, 225}, kBarCount),
    autoSized(label("Label98", {"Picture5"}, {}, {4230, 960, 180, 195}, kBarText)),
    autoSized(label("Label127", {"Picture5"}, {}, {360, 3000, 180, 195}, kBarText)),
    autoSized(label("Label128", {"Picture5"}, {}, {870, 3000, 180, 195}, kBarText)),
    autoSized(label("Label101", {"Picture5"}, {}, {2730, 3000, 180, 195}, kBarText)),
    autoSized(label("Label102", {"Picture5"}, {}, {3390, 3000, 180, 195}, kBarText)),
    autoSized(label("Label99", {"Picture5"}, {}, {4470, 3000, 180, 195}, kBarText)),
    autoSized(label("Label100", {"Picture5"}, {}, {5040, 3000, 180, 195}, kBarText)),
    autoSized(label("Label129", {"Picture5"}, {}, {6480, 3000, 180, 195}, kBarText)),
    autoSized(label("Label130", {"Picture5"}, {}, {6990, 3000, 180, 195}, kBarText)),
};

// The inputs the design reads, by what they hold: the sides of a column are b across the
// footing and t along it.
struct InputControls {
    std::string_view load1, load2, c1Width, c1Length, c2Width, c2Length;
    std::string_view fcu, fy, qall, cover, spacing, pcThickness, rcThickness;
    std::string_view topBars, bottomBars, beam1Bars, beam2Bars;
};

inline constexpr InputControls kInput{.load1 = "Text1",
                                      .load2 = "Text2",
                                      .c1Width = "Text6",
                                      .c1Length = "Text7",
                                      .c2Width = "Text8",
                                      .c2Length = "Text9",
                                      .fcu = "Text10",
                                      .fy = "Text11",
                                      .qall = "Text12",
                                      .cover = "Text5",
                                      .spacing = "Text13",
                                      .pcThickness = "Text3",
                                      .rcThickness = "Text4",
                                      .topBars = "Combo1",
                                      .bottomBars = "Combo2",
                                      .beam1Bars = "Combo3",
                                      .beam2Bars = "Combo4"};

// Every input, list and option the design reads: its control, the caption the user knows it
// by, the symbol the calculation writes for it, its unit and the range of plausible numbers.
inline constexpr std::array kInputs{
    ranged({kInput.load1, "P1 (ton)", "P1", "t"}, ranges::kColumnLoad),
    ranged({kInput.load2, "P2 (ton)", "P2", "t"}, ranges::kColumnLoad),
    ranged({kInput.c1Width, "C1 b (cm)", "bc1", "cm"}, ranges::kColumnSide),
    ranged({kInput.c1Length, "C1 t (cm)", "tc1", "cm"}, ranges::kColumnSide),
    ranged({kInput.c2Width, "C2 b (cm)", "bc2", "cm"}, ranges::kColumnSide),
    ranged({kInput.c2Length, "C2 t (cm)", "tc2", "cm"}, ranges::kColumnSide),
    ranged({kInput.fcu, "fcu (kg\\cm2)", "fcu", "kg/cm2"}, ranges::kConcreteStrength),
    ranged({kInput.fy, "fy (kg\\cm2)", "fy", "kg/cm2"}, ranges::kSteelYield),
    ranged({kInput.qall, "B \\ C (kg\\cm2)", "qall", "kg/cm2"}, ranges::kSoilStress),
    ranged({kInput.cover, "Cover (cm)", "cover", "cm"}, ranges::kCover),
    ranged({kInput.spacing, "Column Spacing (L)", "S", "m"}, ranges::kColumnSpacing),
    ranged({kInput.pcThickness, "Assume PC Depth (cm)", "t1", "cm"},
           ranges::kPlainConcreteThickness),
    ranged({kInput.rcThickness, "Assume RC Depth (cm)", "t", "cm"}, ranges::kReinforcedThickness),
    ranged({kInput.topBars, "Top Rienf. Diam. (mm)", "φtop", "mm"}, ranges::kBarDiameter),
    ranged({kInput.bottomBars, "Bott. Rienf. Diam. (mm)", "φbot", "mm"}, ranges::kBarDiameter),
    ranged({kInput.beam1Bars, "Beam -1- Diam. (mm)", "φb1", "mm"}, ranges::kBarDiameter),
    ranged({kInput.beam2Bars, "Beam -2- Diam. (mm)", "φb2", "mm"}, ranges::kBarDiameter),
};

} // namespace combined::tables

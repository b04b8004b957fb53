#pragma once

// The combined-footing window as designed: one tab control holding the inputs, the numeric
// results, the straining-action diagrams and the reinforcement details. Positions are twips,
// relative to the tab control for the controls on a tab and to their frame or picture box
// otherwise.

#include "core/control_table.h"
#include "core/design.h"
#include "core/input_ranges.h"

#include <array>
#include <string_view>

namespace combined::tables {

using core::Align;
using core::Colour;
using core::Control;
using core::Font;
using core::InputField;
using core::Kind;
namespace colours = core::colours;
namespace fonts = core::fonts;

// Where a control sits: its container and, on the tab control, its tab.
struct In {
    std::string_view parent;
    int tab = -1;
};

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr std::string_view kTabs = "SSTab1";
inline constexpr In inputTab{kTabs, 0};
inline constexpr In outputTab{kTabs, 1};
inline constexpr In diagramsTab{kTabs, 2};
inline constexpr In detailsTab{kTabs, 3};

// A look shared by many controls: kind, colours, font and alignment.
constexpr Control look(Kind kind, Colour back, Colour fore, Font font, Align align = Align::Left)
{
    Control row;
    row.kind = kind;
    row.back = back;
    row.fore = fore;
    row.font = font;
    row.align = align;
    return row;
}

// A control of a look, named, placed and captioned.
constexpr Control make(Control row, std::string_view name, In in, std::string_view text, Box box)
{
    row.name = name;
    row.parent = in.parent;
    row.tab = in.tab;
    row.text = text;
    row.left = box.left;
    row.top = box.top;
    row.width = box.width;
    row.height = box.height;
    return row;
}

constexpr Control autoSized(Control row)
{
    row.autoSize = true;
    return row;
}

inline constexpr Font kLargeBoldUnderlined{9.75, true, false, true};
inline constexpr Font kLargeBoldItalicUnderlined{9.75, true, true, true};

inline constexpr Colour kNone{};

// Looks of the working tabs.
inline constexpr Control kYellowFrame =
    look(Kind::Frame, colours::yellow, colours::blue, fonts::bold);
inline constexpr Control kYellowFrameLarge =
    look(Kind::Frame, colours::yellow, colours::blue, fonts::largeBold);
inline constexpr Control kOrangeFrame =
    look(Kind::Frame, colours::lightOrange, colours::blue, fonts::bold);
inline constexpr Control kBeamFrame =
    look(Kind::Frame, colours::lightGreen, kNone, fonts::largeBold);
inline constexpr Control kRedCaption = look(Kind::Label, kNone, colours::red, fonts::bold);
inline constexpr Control kRedCaptionCentred =
    look(Kind::Label, kNone, colours::red, fonts::bold, Align::Centre);
inline constexpr Control kRedCaptionLarge =
    look(Kind::Label, kNone, colours::red, fonts::largeBold);
inline constexpr Control kRedCaptionLargeCentred =
    look(Kind::Label, kNone, colours::red, fonts::largeBold, Align::Centre);
inline constexpr Control kCyanCaption = look(Kind::Label, colours::cyan, colours::red, fonts::bold);
inline constexpr Control kCyanCaptionCentred =
    look(Kind::Label, colours::cyan, colours::red, fonts::bold, Align::Centre);
inline constexpr Control kCyanCaptionLargeCentred =
    look(Kind::Label, colours::cyan, colours::red, fonts::largeBold, Align::Centre);
inline constexpr Control kBlueResult =
    look(Kind::Label, kNone, colours::blue, fonts::bold, Align::Centre);
inline constexpr Control kGreenResult =
    look(Kind::Label, colours::lightGreen, colours::blue, fonts::bold, Align::Centre);
inline constexpr Control kCheckLabel =
    look(Kind::Label, colours::lightCyan, colours::red, fonts::bold, Align::Centre);
inline constexpr Control kBeamCaption =
    look(Kind::Label, colours::lightOrange, kNone, fonts::regular, Align::Centre);
inline constexpr Control kBeamResult =
    look(Kind::Label, colours::yellow, kNone, fonts::regular, Align::Centre);
inline constexpr Control kTextBox = look(Kind::TextBox, kNone, kNone, fonts::regular);
inline constexpr Control kPicture = look(Kind::PictureBox, colours::white, kNone, fonts::regular);

// Looks of the input sketch and the drawings.
inline constexpr Control kBlueBold = look(Kind::Label, kNone, colours::blue, fonts::bold);
inline constexpr Control kBlueBoldCentred =
    look(Kind::Label, kNone, colours::blue, fonts::bold, Align::Centre);
inline constexpr Control kPlain = look(Kind::Label, kNone, kNone, fonts::regular);
inline constexpr Control kTitle =
    look(Kind::Label, kNone, colours::red, kLargeBoldUnderlined, Align::Centre);
inline constexpr Control kItalicTitle =
    look(Kind::Label, kNone, colours::red, kLargeBoldItalicUnderlined, Align::Centre);
inline constexpr Control kValueCentred =
    look(Kind::Label, kNone, colours::red, fonts::bold, Align::Centre);
inline constexpr Control kValueLeft = look(Kind::Label, kNone, colours::red, fonts::bold);
inline constexpr Control kBarText =
    autoSized(look(Kind::Label, kNone, colours::black, fonts::regular));
// A bar count that ends just before its bar symbol, so a longer text to its left ("12 \ m")
// never runs into it.
inline constexpr Control kBarCount =
    look(Kind::Label, kNone, colours::black, fonts::regular, Align::Right);
// A beam width ends just before its unit, so the two read as one dimension whatever the
// width of the figures.
inline constexpr Control kBeamWidth =
    look(Kind::Label, kNone, colours::red, fonts::largeBold, Align::Right);
inline constexpr Control kBeamUnit = autoSized(kRedCaptionLarge);

inline constexpr std::string_view kDesignTip = "ابدا التصميم";
inline constexpr std::string_view kBackTip = "الرجوع للشاشه الرئيسيه";
inline constexpr std::string_view kPrintTip = "طباعة هذه الواجهه";
inline constexpr std::string_view kExitTip = "انهاء البرنامج";

constexpr Control button(std::string_view name, In in, std::string_view text, Box box,
                         std::string_view tooltip, core::Action action)
{
    Control row = make(look(Kind::Button, colours::lightOrange, colours::blue, fonts::bold), name,
                       in, text, box);
    row.tooltip = tooltip;
    row.action = action;
    return row;
}

// A bar-diameter list: picking an entry reruns the design.
constexpr Control barList(std::string_view name, In in, std::string_view text,
                          std::string_view items, Box box)
{
    Control row = make(look(Kind::ComboBox, kNone, kNone, fonts::regular), name, in, text, box);
    row.items = items;
    row.action = core::Action::Design;
    return row;
}

constexpr Control shape(std::string_view name, In in, Box box, core::Fill fill = core::Fill::None,
                        Colour fillColour = {})
{
    Control row =
        make(look(Kind::Rectangle, kNone, colours::black, fonts::regular), name, in, {}, box);
    row.fill = fill;
    row.fillColour = fillColour;
    return row;
}

constexpr Control line(std::string_view name, std::string_view parent, int x1, int y1, int x2,
                       int y2, Colour colour = colours::black, int penWidth = 1,
                       core::Pen pen = core::Pen::Solid)
{
    return core::line(name, parent, x1, y1, x2, y2, colour, pen, penWidth);
}

constexpr Control dashed(std::string_view name, std::string_view parent, int x1, int y1, int x2,
                         int y2, Colour colour)
{
    return core::line(name, parent, x1, y1, x2, y2, colour, core::Pen::Dash, 1);
}

inline constexpr std::string_view kTopBars = "10|12|16|18|22";
inline constexpr std::string_view kBeamBars = "12|16|18|22";

inline constexpr std::array kControls{
    Control{.name = kTabs,
            .kind = Kind::TabControl,
            .left = 120,
            .top = 120,
            .width = 9015,
            .height = 5055,
            .font = fonts::bold,
            .items = "Input Data|Output Data|S.F + B.M Ds|Rienf. Details"},

    // "Input Data"
    make(kYellowFrame, "Frame1", inputTab, "Ultimate Column Loads", {120, 600, 2175, 1815}),
    make(kRedCaptionLargeCentred, "Label1", {"Frame1"}, "P1 (ton)", {240, 480, 855, 375}),
    make(kTextBox, "Text1", {"Frame1"}, "100", {1320, 480, 615, 375}),
    make(kRedCaptionLargeCentred, "Label2", {"Frame1"}, "P2 (ton)", {240, 1200, 855, 375}),
    make(kTextBox, "Text2", {"Frame1"}, "150", {1320, 1200, 615, 375}),
    make(kYellowFrameLarge, "Frame2", inputTab, "Footing Depthes", {2400, 600, 3975, 1815}),
    make(kRedCaptionLarge, "Label3", {"Frame2"}, "Assume PC Depth (cm)", {120, 360, 2535, 255}),
    make(kTextBox, "Text3", {"Frame2"}, "40", {2880, 360, 735, 285}),
    make(kRedCaptionLarge, "Label4", {"Frame2"}, "Assume RC Depth (cm)", {120, 840, 2535, 255}),
    make(kTextBox, "Text4", {"Frame2"}, "60", {2880, 840, 735, 285}),
    make(kRedCaptionLarge, "Label5", {"Frame2"}, "Cover (cm)", {120, 1320, 2295, 255}),
    make(kTextBox, "Text5", {"Frame2"}, "5", {2880, 1320, 735, 285}),
    make(kYellowFrameLarge, "Frame3", inputTab, "Column Dimentions", {120, 2640, 2175, 2175}),
    make(kRedCaptionCentred, "Label10", {"Frame3"}, "C1", {120, 480, 375, 375}),
    make(kRedCaptionCentred, "Label6", {"Frame3"}, "b (cm)", {600, 360, 735, 255}),
    make(kTextBox, "Text6", {"Frame3"}, "30", {1440, 360, 615, 285}),
    make(kRedCaptionCentred, "Label7", {"Frame3"}, "t (cm)", {600, 720, 735, 255}),
    make(kTextBox, "Text7", {"Frame3"}, "50", {1440, 720, 615, 285}),
    make(kRedCaptionCentred, "Label11", {"Frame3"}, "C2", {120, 1440, 375, 375}),
    make(kRedCaptionCentred, "Label8", {"Frame3"}, "b (cm)", {600, 1320, 735, 255}),
    make(kTextBox, "Text8", {"Frame3"}, "30", {1440, 1320, 615, 285}),
    make(kRedCaptionCentred, "Label9", {"Frame3"}, "t (cm)", {600, 1680, 735, 255}),
    make(kTextBox, "Text9", {"Frame3"}, "70", {1440, 1680, 615, 285}),
    make(kYellowFrameLarge, "Frame4", inputTab, "Material Properties", {2400, 2640, 2535, 2175}),
    make(kRedCaption, "Label12", {"Frame4"}, "fcu (kg\\cm2)", {120, 480, 1335, 255}),
    make(kTextBox, "Text10", {"Frame4"}, "250", {1560, 480, 735, 285}),
    make(kRedCaption, "Label13", {"Frame4"}, "fy (kg\\cm2)", {120, 1080, 1335, 255}),
    make(kTextBox, "Text11", {"Frame4"}, "3600", {1560, 1080, 735, 285}),
    make(kRedCaption, "Label14", {"Frame4"}, "B \\ C (kg\\cm2)", {120, 1680, 1335, 255}),
    make(kTextBox, "Text12", {"Frame4"}, "1.25", {1560, 1680, 735, 285}),
    make(kCyanCaptionCentred, "Label15", inputTab, "Column Spacing (L)", {6720, 600, 2055, 255}),
    make(kTextBox, "Text13", inputTab, "3.5", {7200, 960, 735, 375}),
    make(kCyanCaptionLargeCentred, "Label16", inputTab, "m", {8040, 960, 495, 375}),
    button("Command1", inputTab, "Design", {6600, 1560, 975, 375}, kDesignTip,
           core::Action::Design),
    button("Command2", inputTab, "Back", {7800, 1560, 975, 375}, kBackTip, core::Action::Back),
    button("Command3", inputTab, "Print", {6600, 2040, 975, 375}, kPrintTip, core::Action::Print),
    button("Command4", inputTab, "Exit", {7800, 2040, 975, 375}, kExitTip, core::Action::Exit),
    make(kPicture, "Picture1", inputTab, {}, {5040, 2640, 3855, 2175}),

    // The input sketch: plan of the two columns with the symbols of the inputs.
    shape("Shape1", {"Picture1"}, {360, 960, 735, 375}, core::Fill::DiagonalCross, colours::red),
    shape("Shape2", {"Picture1"}, {2640, 960, 735, 375}, core::Fill::DiagonalCross, colours::red),
    line("Line1", "Picture1", 720, 360, 720, 1560, colours::blue, 2),
    line("Line2", "Picture1", 3000, 360, 3000, 1560, colours::blue, 2),
    line("Line3", "Picture1", 3120, 480, 600, 480, colours::black, 3),
    line("Line4", "Picture1", 3120, 360, 2880, 600, colours::orange, 2),
    line("Line5", "Picture1", 840, 360, 600, 600, colours::orange, 2),
    make(kBlueBoldCentred, "Label21", {"Picture1"}, "L (m)", {1560, 240, 615, 255}),
    make(kRedCaption, "Label19", {"Picture1"}, "C1", {0, 960, 375, 255}),
    make(kRedCaption, "Label20", {"Picture1"}, "C2", {3480, 960, 255, 255}),
    make(kBlueBold, "Label17", {"Picture1"}, "P1", {720, 1440, 375, 255}),
    make(kBlueBold, "Label18", {"Picture1"}, "P2", {2520, 1440, 375, 255}),
    autoSized(make(kPlain, "Label22", {"Picture1"}, "t(cm)", {720, 720, 375, 255})),
    autoSized(make(kPlain, "Label24", {"Picture1"}, "t(cm)", {3000, 720, 375, 255})),
    autoSized(make(kPlain, "Label23", {"Picture1"}, "b(cm)", {1200, 1080, 375, 255})),
    autoSized(make(kPlain, "Label25", {"Picture1"}, "b(cm)", {2160, 1080, 375, 255})),

    // "Output Data"
    make(kYellowFrameLarge, "Frame5", outputTab, "PC Footing", {120, 480, 3135, 1575}),
    line("Line6", "Frame5", 120, 360, 3000, 360),
    line("Line7", "Frame5", 120, 1440, 3000, 1440),
    line("Line8", "Frame5", 120, 360, 120, 1440),
    line("Line9", "Frame5", 3000, 360, 3000, 1440),
    line("Line10", "Frame5", 120, 840, 3000, 840),
    line("Line11", "Frame5", 1080, 360, 1080, 1440),
    line("Line12", "Frame5", 2040, 360, 2040, 1440),
    make(kRedCaptionLargeCentred, "Label69", {"Frame5"}, "L1 (m)", {240, 480, 735, 255}),
    make(kRedCaptionLargeCentred, "Label70", {"Frame5"}, "B1 (m)", {1200, 480, 735, 255}),
    make(kRedCaptionLargeCentred, "Label71", {"Frame5"}, "t1 (m)", {2280, 480, 615, 255}),
    make(kBlueResult, "Label75", {"Frame5"}, {}, {240, 960, 735, 375}),
    make(kBlueResult, "Label76", {"Frame5"}, {}, {1200, 960, 735, 375}),
    make(kBlueResult, "Label77", {"Frame5"}, {}, {2160, 960, 735, 375}),
    make(kYellowFrameLarge, "Frame6", outputTab, "RC Footing", {120, 2280, 3135, 1575}),
    line("Line13", "Frame6", 120, 360, 3000, 360),
    line("Line14", "Frame6", 120, 1440, 3000, 1440),
    line("Line15", "Frame6", 120, 360, 120, 1440),
    line("Line16", "Frame6", 3000, 360, 3000, 1440),
    line("Line17", "Frame6", 120, 840, 3000, 840),
    line("Line18", "Frame6", 1080, 360, 1080, 1440),
    line("Line19", "Frame6", 2040, 360, 2040, 1440),
    make(kRedCaptionLargeCentred, "Label72", {"Frame6"}, "L (m)", {240, 480, 735, 255}),
    make(kRedCaptionLargeCentred, "Label73", {"Frame6"}, "B (m)", {1200, 480, 735, 255}),
    make(kRedCaptionLargeCentred, "Label74", {"Frame6"}, "t (m)", {2160, 480, 735, 255}),
    make(kBlueResult, "Label78", {"Frame6"}, {}, {240, 960, 735, 375}),
    make(kBlueResult, "Label79", {"Frame6"}, {}, {1200, 960, 735, 375}),
    make(kBlueResult, "Label80", {"Frame6"}, {}, {2160, 960, 735, 375}),
    make(kYellowFrameLarge, "Frame7", outputTab, "Rienforcement", {3480, 480, 3135, 3375}),
    make(kOrangeFrame, "Frame8", {"Frame7"}, "Top Rienf.", {120, 240, 2895, 1455}),
    make(kCyanCaption, "Label26", {"Frame8"}, "As (cm2)", {120, 240, 1455, 255}),
    make(kCyanCaption, "Label27", {"Frame8"}, "Diam. (mm)", {120, 600, 1455, 255}),
    make(kCyanCaption, "Label28", {"Frame8"}, "No. Of Bars \\ B", {120, 1080, 1455, 255}),
    make(kGreenResult, "Label29", {"Frame8"}, {}, {1920, 240, 855, 255}),
    barList("Combo1", {"Frame8"}, "16", kTopBars, {1920, 600, 855, 315}),
    make(kGreenResult, "Label30", {"Frame8"}, {}, {1920, 1080, 855, 255}),
    make(kOrangeFrame, "Frame9", {"Frame7"}, "Bott. Rienf.", {120, 1800, 2895, 1455}),
    make(kCyanCaption, "Label31", {"Frame9"}, "As (cm2)", {120, 240, 1455, 255}),
    make(kCyanCaption, "Label32", {"Frame9"}, "Diam. (mm)", {120, 600, 1455, 255}),
    make(kCyanCaption, "Label33", {"Frame9"}, "No. Of Bars \\ B", {120, 1080, 1455, 255}),
    make(kGreenResult, "Label34", {"Frame9"}, {}, {1920, 240, 855, 255}),
    barList("Combo2", {"Frame9"}, "12", kTopBars, {1920, 600, 855, 315}),
    make(kGreenResult, "Label35", {"Frame9"}, {}, {1920, 1080, 855, 255}),
    make(kCheckLabel, "Label36", outputTab, "Check Of Shear", {6720, 600, 2175, 255}),
    make(kCheckLabel, "Label37", outputTab, "Check Of Punch", {6720, 1200, 2175, 255}),
    make(kCheckLabel, "Label38", outputTab, "Check Of Flexure  Bond", {6720, 1800, 2175, 255}),
    button("Command5", outputTab, "Print", {6720, 2640, 975, 375}, kPrintTip, core::Action::Print),
    button("Command6", outputTab, "Back", {7800, 2640, 975, 375}, kBackTip, core::Action::Back),
    button("Command7", outputTab, "Exit", {7320, 3120, 975, 375}, kExitTip, core::Action::Exit),
    make(kBeamFrame, "Frame10", outputTab, "Beam -1-", {240, 3960, 4095, 975}),
    line("Line20", "Frame10", 2040, 120, 2040, 960, colours::red, 1, core::Pen::Dash),
    make(kBeamCaption, "Label49", {"Frame10"}, "Beam Width(m)", {120, 240, 1170, 255}),
    make(kBeamCaption, "Label39", {"Frame10"}, "As (cm2) \\ b1", {120, 600, 1095, 255}),
    make(kBeamResult, "Label50", {"Frame10"}, {}, {1320, 240, 615, 255}),
    make(kBeamResult, "Label40", {"Frame10"}, {}, {1320, 600, 615, 255}),
    make(kBeamCaption, "Label41", {"Frame10"}, "Diam. (mm)", {2160, 240, 1095, 255}),
    make(kBeamCaption, "Label42", {"Frame10"}, "No. \\ b1", {2160, 600, 1095, 255}),
    barList("Combo3", {"Frame10"}, "16", kBeamBars, {3360, 240, 615, 315}),
    make(kBeamResult, "Label43", {"Frame10"}, {}, {3360, 600, 615, 255}),
    make(kBeamFrame, "Frame11", outputTab, "Beam -2-", {4680, 3960, 4095, 975}),
    line("Line21", "Frame11", 2040, 120, 2040, 960, colours::red, 1, core::Pen::Dash),
    make(kBeamCaption, "Label51", {"Frame11"}, "Beam Width(m)", {120, 240, 1170, 255}),
    make(kBeamCaption, "Label44", {"Frame11"}, "As (cm2) \\ b2", {120, 600, 1095, 255}),
    make(kBeamResult, "Label52", {"Frame11"}, {}, {1320, 240, 615, 255}),
    make(kBeamResult, "Label46", {"Frame11"}, {}, {1320, 600, 615, 255}),
    make(kBeamCaption, "Label45", {"Frame11"}, "Diam. (mm)", {2160, 240, 1095, 255}),
    make(kBeamCaption, "Label47", {"Frame11"}, "No. \\ b2", {2160, 600, 1095, 255}),
    barList("Combo4", {"Frame11"}, "16", kBeamBars, {3360, 240, 615, 315}),
    make(kBeamResult, "Label48", {"Frame11"}, {}, {3360, 600, 615, 255}),

    // "S.F + B.M Ds", C1-flush layout.
    make(kPicture, "Picture2", diagramsTab, {}, {120, 360, 8775, 4575}),
    make(kTitle, "Label62", {"Picture2"}, "Straining Action", {3360, 120, 1695, 375}),
    shape("Shape5", {"Picture2"}, {480, 480, 495, 615}),
    make(kRedCaptionLargeCentred, "Label53", {"Picture2"}, "C1", {600, 600, 375, 375}),
    shape("Shape6", {"Picture2"}, {6120, 480, 495, 615}),
    make(kRedCaptionLargeCentred, "Label54", {"Picture2"}, "C2", {6120, 600, 495, 375}),
    line("Line22", "Picture2", 840, 480, 1080, 480),
    line("Line23", "Picture2", 600, 480, 360, 480),
    line("Line24", "Picture2", 6120, 480, 6000, 480),
    line("Line25", "Picture2", 6600, 480, 6720, 480),
    shape("Shape4", {"Picture2"}, {480, 1080, 7095, 375}, core::Fill::DownwardDiagonal,
          colours::red),
    shape("Shape3", {"Picture2"}, {480, 1440, 7095, 255}, core::Fill::Cross, colours::darkRed),
    dashed("Line31", "Picture2", 480, 2520, 7560, 2520, colours::blue),
    make(kRedCaptionLargeCentred, "Label55", {"Picture2"}, "S.F.D", {7680, 2400, 975, 255}),
    line("Line36", "Picture2", 480, 2520, 1080, 2880),
    line("Line35", "Picture2", 1080, 2880, 6000, 2040),
    line("Line34", "Picture2", 6000, 2040, 6600, 2760),
    line("Line33", "Picture2", 6600, 2760, 7560, 2520),
    dashed("Line32", "Picture2", 480, 3720, 7560, 3720, colours::blue),
    make(kRedCaptionLargeCentred, "Label56", {"Picture2"}, "B.M.D", {7680, 3600, 975, 255}),
    line("Line42", "Picture2", 480, 3720, 1080, 3360),
    line("Line41", "Picture2", 1080, 3360, 3240, 3120),
    line("Line40", "Picture2", 3240, 3120, 6000, 3480),
    line("Line38", "Picture2", 6000, 3480, 6600, 4080),
    line("Line37", "Picture2", 6600, 4080, 7560, 3720),
    button("Command10", {"Picture2"}, "Print", {7680, 4080, 975, 375}, kPrintTip,
           core::Action::Print),
    make(kValueCentred, "Label81", {"Picture2"}, {}, {1200, 2880, 735, 255}),
    make(kValueCentred, "Label82", {"Picture2"}, {}, {5520, 1800, 735, 255}),
    make(kValueCentred, "Label83", {"Picture2"}, {}, {6120, 2760, 735, 255}),
    make(kValueCentred, "Label84", {"Picture2"}, {}, {480, 3120, 735, 255}),
    make(kValueCentred, "Label85", {"Picture2"}, {}, {2880, 2880, 735, 255}),
    make(kValueCentred, "Label86", {"Picture2"}, {}, {5520, 3240, 735, 255}),
    make(kValueCentred, "Label87", {"Picture2"}, {}, {6120, 4080, 735, 255}),

    // "S.F + B.M Ds", C2-flush layout.
    make(kPicture, "Picture3", diagramsTab, {}, {120, 360, 8775, 4575}),
    make(kItalicTitle, "Label61", {"Picture3"}, "Straining Action", {2880, 120, 2535, 375}),
    shape("Shape9", {"Picture3"}, {1320, 480, 495, 735}),
    make(kRedCaptionLargeCentred, "Label57", {"Picture3"}, "C1", {1440, 720, 255, 255}),
    shape("Shape10", {"Picture3"}, {6960, 480, 495, 735}),
    make(kRedCaptionLargeCentred, "Label58", {"Picture3"}, "C2", {7080, 720, 255, 255}),
    shape("Shape8", {"Picture3"}, {360, 1200, 7095, 495}, core::Fill::DownwardDiagonal,
          colours::red),
    shape("Shape7", {"Picture3"}, {360, 1680, 7095, 255}, core::Fill::Cross, colours::darkRed),
    dashed("Line39", "Picture3", 360, 2760, 7440, 2760, colours::blue),
    make(kRedCaptionLargeCentred, "Label59", {"Picture3"}, "S.F.D", {7560, 2640, 1095, 255}),
    line("Line44", "Picture3", 360, 2760, 1320, 2400),
    line("Line45", "Picture3", 1320, 2400, 1800, 3120),
    line("Line46", "Picture3", 1800, 3120, 6960, 2280),
    line("Line47", "Picture3", 6960, 2280, 7440, 2760),
    dashed("Line43", "Picture3", 360, 3840, 7440, 3840, colours::blue),
    make(kRedCaptionLargeCentred, "Label60", {"Picture3"}, "B.M.D", {7560, 3720, 1095, 255}),
    line("Line48", "Picture3", 360, 3840, 1320, 4080),
    line("Line49", "Picture3", 1320, 4080, 1800, 3600),
    line("Line51", "Picture3", 1800, 3600, 4080, 3240),
    line("Line52", "Picture3", 4080, 3240, 6960, 3480),
    line("Line53", "Picture3", 6960, 3480, 7440, 3840),
    button("Command9", {"Picture3"}, "Print", {7680, 4080, 975, 375}, kPrintTip,
           core::Action::Print),
    make(kValueLeft, "Label89", {"Picture3"}, {}, {1320, 3120, 735, 255}),
    make(kValueLeft, "Label90", {"Picture3"}, {}, {6720, 2040, 735, 255}),
    make(kValueLeft, "Label88", {"Picture3"}, {}, {960, 2160, 735, 255}),
    make(kValueLeft, "Label92", {"Picture3"}, {}, {1320, 3360, 735, 255}),
    make(kValueLeft, "Label93", {"Picture3"}, {}, {3720, 3000, 735, 255}),
    make(kValueLeft, "Label94", {"Picture3"}, {}, {6720, 3240, 735, 255}),
    make(kValueLeft, "Label91", {"Picture3"}, {}, {960, 4200, 735, 255}),

    // "Rienf. Details", C1-flush layout: section drawn by the window, texts and dimensions here.
    make(kPicture, "Picture4", detailsTab, {}, {120, 360, 8775, 4575}),
    make(kTitle, "Label63", {"Picture4"}, "Rienforcement Details", {3000, 120, 2415, 375}),
    make(kItalicTitle, "Label66", {"Picture4"}, "Footing Cross Section", {2760, 3720, 2895, 375}),
    make(kRedCaptionLargeCentred, "Label64", {"Picture4"}, "C1", {360, 120, 375, 255}),
    make(kRedCaptionLargeCentred, "Label65", {"Picture4"}, "C2", {5880, 120, 495, 255}),
    line("Line56", "Picture4", 240, 3600, 1800, 3600, colours::black, 3),
    line("Line54", "Picture4", 240, 3480, 240, 3720, colours::black, 2),
    line("Line55", "Picture4", 1800, 3480, 1800, 3720, colours::black, 2),
    make(kValueCentred, "Label117", {"Picture4"}, "Beam -1-", {705, 3600, 765, 195}),
    make(kBeamWidth, "Label118", {"Picture4"}, {}, {585, 3360, 600, 255}),
    make(kBeamUnit, "Label119", {"Picture4"}, "m", {1230, 3360, 195, 255}),
    line("Line59", "Picture4", 4800, 3600, 7800, 3600, colours::black, 3),
    line("Line57", "Picture4", 4800, 3480, 4800, 3720, colours::black, 2),
    line("Line58", "Picture4", 7800, 3480, 7800, 3720, colours::black, 2),
    make(kValueCentred, "Label120", {"Picture4"}, "Beam -2-", {5985, 3600, 765, 195}),
    make(kBeamWidth, "Label121", {"Picture4"}, {}, {5865, 3360, 600, 255}),
    make(kBeamUnit, "Label122", {"Picture4"}, "m", {6510, 3360, 195, 255}),
    button("Command8", {"Picture4"}, "Print", {120, 4080, 975, 375}, kPrintTip,
           core::Action::Print),
    make(kBarText, "Label103", {"Picture4"}, {}, {2490, 960, 180, 195}),
    make(kBarText, "Label104", {"Picture4"}, {}, {3045, 960, 180, 195}),
    make(kBarCount, "Label107", {"Picture4"}, {}, {3525, 960, 360, 225}),
    make(kBarText, "Label108", {"Picture4"}, {}, {4230, 960, 180, 195}),
    make(kBarText, "Label123", {"Picture4"}, {}, {390, 3000, 180, 195}),
    make(kBarText, "Label124", {"Picture4"}, {}, {870, 3000, 180, 195}),
    make(kBarText, "Label109", {"Picture4"}, {}, {2790, 3000, 180, 195}),
    make(kBarText, "Label110", {"Picture4"}, {}, {3390, 3000, 180, 195}),
    make(kBarText, "Label106", {"Picture4"}, {}, {4470, 3000, 180, 195}),
    make(kBarText, "Label105", {"Picture4"}, {}, {5040, 3000, 180, 195}),
    make(kBarText, "Label125", {"Picture4"}, {}, {6510, 3000, 180, 195}),
    make(kBarText, "Label126", {"Picture4"}, {}, {6960, 3000, 180, 195}),

    // "Rienf. Details", C2-flush layout.
    make(kPicture, "Picture5", detailsTab, {}, {120, 360, 8775, 4575}),
    make(kTitle, "Label67", {"Picture5"}, "Rienforcement Details", {3360, 120, 2655, 375}),
    make(kItalicTitle, "Label68", {"Picture5"}, "Footing Cross Section", {3480, 3840, 2175, 375}),
    line("Line26", "Picture5", 240, 3600, 2880, 3600, colours::black, 3),
    line("Line27", "Picture5", 240, 3480, 240, 3720, colours::black, 2),
    line("Line28", "Picture5", 2880, 3480, 2880, 3720, colours::black, 2),
    make(kValueCentred, "Label111", {"Picture5"}, "Beam -1-", {1185, 3600, 765, 195}),
    make(kBeamWidth, "Label112", {"Picture5"}, {}, {1035, 3360, 600, 255}),
    make(kBeamUnit, "Label113", {"Picture5"}, "m", {1680, 3360, 195, 255}),
    line("Line50", "Picture5", 6240, 3720, 7800, 3720, colours::black, 3),
    line("Line29", "Picture5", 6240, 3600, 6240, 3840, colours::black, 2),
    line("Line30", "Picture5", 7800, 3600, 7800, 3840, colours::black, 2),
    make(kValueCentred, "Label114", {"Picture5"}, "Beam -2-", {6720, 3720, 735, 255}),
    make(kBeamWidth, "Label115", {"Picture5"}, {}, {6525, 3480, 600, 255}),
    make(kBeamUnit, "Label116", {"Picture5"}, "m", {7170, 3480, 195, 255}),
    button("Command11", {"Picture5"}, "Print", {360, 3960, 1215, 375}, "طباعة هذه الواجهة",
           core::Action::Print),
    make(kBarText, "Label95", {"Picture5"}, {}, {2520, 960, 180, 195}),
    make(kBarText, "Label96", {"Picture5"}, {}, {3060, 960, 180, 195}),
    make(kBarCount, "Label97", {"Picture5"}, {}, {3525, 960, 360, 225}),
    make(kBarText, "Label98", {"Picture5"}, {}, {4230, 960, 180, 195}),
    make(kBarText, "Label127", {"Picture5"}, {}, {360, 3000, 180, 195}),
    make(kBarText, "Label128", {"Picture5"}, {}, {870, 3000, 180, 195}),
    make(kBarText, "Label101", {"Picture5"}, {}, {2730, 3000, 180, 195}),
    make(kBarText, "Label102", {"Picture5"}, {}, {3390, 3000, 180, 195}),
    make(kBarText, "Label99", {"Picture5"}, {}, {4470, 3000, 180, 195}),
    make(kBarText, "Label100", {"Picture5"}, {}, {5040, 3000, 180, 195}),
    make(kBarText, "Label129", {"Picture5"}, {}, {6480, 3000, 180, 195}),
    make(kBarText, "Label130", {"Picture5"}, {}, {6990, 3000, 180, 195}),
};

// Every input, list and option the design reads: its control, the caption the user knows it
// by, the symbol the calculation writes for it, its unit and the range of plausible numbers.
inline constexpr std::array kInputs{
    core::ranged({"Text1", "P1 (ton)", "P1", "t"}, core::ranges::kColumnLoad),
    core::ranged({"Text2", "P2 (ton)", "P2", "t"}, core::ranges::kColumnLoad),
    core::ranged({"Text6", "C1 b (cm)", "bc1", "cm"}, core::ranges::kColumnSide),
    core::ranged({"Text7", "C1 t (cm)", "tc1", "cm"}, core::ranges::kColumnSide),
    core::ranged({"Text8", "C2 b (cm)", "bc2", "cm"}, core::ranges::kColumnSide),
    core::ranged({"Text9", "C2 t (cm)", "tc2", "cm"}, core::ranges::kColumnSide),
    core::ranged({"Text10", "fcu (kg\\cm2)", "fcu", "kg/cm2"}, core::ranges::kConcreteStrength),
    core::ranged({"Text11", "fy (kg\\cm2)", "fy", "kg/cm2"}, core::ranges::kSteelYield),
    core::ranged({"Text12", "B \\ C (kg\\cm2)", "qall", "kg/cm2"}, core::ranges::kSoilStress),
    core::ranged({"Text5", "Cover (cm)", "cover", "cm"}, core::ranges::kCover),
    core::ranged({"Text13", "Column Spacing (L)", "S", "m"}, core::ranges::kColumnSpacing),
    core::ranged({"Text3", "Assume PC Depth (cm)", "t1", "cm"},
                 core::ranges::kPlainConcreteThickness),
    core::ranged({"Text4", "Assume RC Depth (cm)", "t", "cm"}, core::ranges::kReinforcedThickness),
    core::ranged({"Combo1", "Top Rienf. Diam. (mm)", "φtop", "mm"}, core::ranges::kBarDiameter),
    core::ranged({"Combo2", "Bott. Rienf. Diam. (mm)", "φbot", "mm"}, core::ranges::kBarDiameter),
    core::ranged({"Combo3", "Beam -1- Diam. (mm)", "φb1", "mm"}, core::ranges::kBarDiameter),
    core::ranged({"Combo4", "Beam -2- Diam. (mm)", "φb2", "mm"}, core::ranges::kBarDiameter),
};

} // namespace combined::tables

#pragma once

#include "core/control_table.h"
#include "core/design.h"
#include "core/input_ranges.h"

#include <array>
#include <cstddef>
#include <string_view>

// The control table of the strap footing window: one tab control with four tabs (inputs,
// footing and strap results, the shear and moment sketch, the reinforcement drawing).
// Positions are twips relative to the tab control, or to the frame or picture holding them.
namespace strap::tables {

using namespace core;

inline constexpr std::string_view kTabControl = "SSTab1";
inline constexpr int kInputTab = 0;
inline constexpr int kOutputTab = 1;
inline constexpr int kDiagramTab = 2;
inline constexpr int kDrawingTab = 3;

inline constexpr std::string_view kBarDiameters = "10|12|16|18|22";
inline constexpr Colour kDarkRed = rgb(0xC00000);

inline constexpr Place kOnInputTab{kTabControl, kInputTab};
inline constexpr Place kOnOutputTab{kTabControl, kOutputTab};
inline constexpr Place kOnDiagramTab{kTabControl, kDiagramTab};
inline constexpr Place kOnDrawingTab{kTabControl, kDrawingTab};

// Frames: yellow with a blue caption; the reinforcement frames light orange.
inline constexpr Look kFrame{
    .back = colours::yellow, .fore = colours::blue, .font = fonts::largeBold};
inline constexpr Look kFrameBold{
    .back = colours::yellow, .fore = colours::blue, .font = fonts::bold};
inline constexpr Look kSteelFrame{
    .back = colours::lightOrange, .fore = colours::blue, .font = fonts::bold};
inline constexpr Look kSteelHeading{
    .back = colours::cyan, .fore = colours::red, .font = fonts::bold};
inline constexpr Look kSpacingCaption{
    .back = colours::cyan, .fore = colours::red, .font = fonts::bold, .align = Align::Centre};
inline constexpr Look kSpacingUnit{
    .back = colours::cyan, .fore = colours::red, .font = fonts::largeBold, .align = Align::Centre};
// Captions.
inline constexpr Look kRed{.fore = colours::red};
inline constexpr Look kRedCentred{.fore = colours::red, .align = Align::Centre};
inline constexpr Look kRedBold{.fore = colours::red, .font = fonts::bold};
inline constexpr Look kRedLargeBold{.fore = colours::red, .font = fonts::largeBold};
inline constexpr Look kRedLargeBoldCentred{
    .fore = colours::red, .font = fonts::largeBold, .align = Align::Centre};
inline constexpr Look kBlueCentred{.fore = colours::blue, .align = Align::Centre};
inline constexpr Look kBlueBoldCentred{
    .fore = colours::blue, .font = fonts::bold, .align = Align::Centre};
inline constexpr Look kPlainCentred{.align = Align::Centre};
// Titles of the drawings.
inline constexpr Look kBlueTitle{.fore = colours::blue, .font = fonts::largeBoldUnderlined};
inline constexpr Look kBlueTitleCentred{
    .fore = colours::blue, .font = fonts::largeBoldUnderlined, .align = Align::Centre};
inline constexpr Look kOrangeTitleCentred{
    .fore = colours::orange, .font = fonts::largeBoldUnderlined, .align = Align::Centre};
inline constexpr Look kRedItalicTitleCentred{
    .fore = colours::red, .font = fonts::largeBoldItalicUnderlined, .align = Align::Centre};
// The shared buttons: light-orange face, bold text and an Arabic tooltip naming the action.
inline constexpr Look kButton{.back = colours::lightOrange, .font = fonts::bold};
inline constexpr Look kLargeButton{.back = colours::lightOrange, .font = fonts::largeBold};
inline constexpr std::string_view kDesignTip = "ابدا التصميم";
inline constexpr std::string_view kBackTip = "الرجوع للشاشه الرئيسيه";
inline constexpr std::string_view kPrintTip = "طباعة هذه الواجهه";
inline constexpr std::string_view kExitTip = "انهاء البرنامج";

// Shapes: a plain outline, and the hatches of the columns, the RC and the PC footings.
inline constexpr Outline kOutline{.border = colours::black};
inline constexpr Outline kColumnHatch{
    .border = colours::black, .fill = Fill::DiagonalCross, .hatch = colours::red};
inline constexpr Outline kReinforcedHatch{
    .border = kDarkRed, .fill = Fill::DownwardDiagonal, .hatch = kDarkRed};
inline constexpr Outline kPlainHatch{
    .border = colours::black, .fill = Fill::DiagonalCross, .hatch = colours::darkRed};

constexpr Control bars(std::string_view name, std::string_view parent, std::string_view text,
                       int left, int top)
{
    return barList(name, {parent}, text, {left, top, 735, 315}, kBarDiameters);
}

// A result field with a background colour, its text centred.
constexpr Control result(std::string_view name, Place place, Box box, Colour back = {})
{
    return label(name, place, {}, box, {.back = back, .align = Align::Centre});
}

// A value written on a sketch: sized to its text, centred.
constexpr Control mark(std::string_view name, int tab, int left, int top, Colour fore = {},
                       Font font = fonts::regular, std::string_view text = {})
{
    return autoSized(label(name, {kTabControl, tab}, text, {left, top},
                           {.fore = fore, .font = font, .align = Align::Centre}));
}

// --- the two footing frames of "Output Data" -----------------------------------------------

// The names and the few differences of one footing frame; both frames share one layout.
struct FootingFrame {
    std::string_view frame, caption;
    int left;
    std::string_view pcHeading, rcHeading;
    int headingWidth, rcHeadingLeft;
    std::array<std::string_view, 6> heads;   // L1, B1, t1, L, B, t
    std::array<std::string_view, 6> results; // PC L1, B1, t1; RC L, B, t
    int resultHeight;
    std::array<std::string_view, 7> pcRules, rcRules; // three horizontal, four vertical
    std::string_view separator, steelHeading;
    std::string_view mainFrame, secondaryFrame;
    // Per reinforcement frame: area caption, area, diameter caption, list, count caption, count.
    std::array<std::string_view, 6> main, secondary;
    std::string_view mainDefault, secondaryDefault;
    Colour resultBack;
};

inline constexpr std::size_t kFootingFrameRows = 45;

constexpr std::array<Control, kFootingFrameRows> footingFrame(const FootingFrame &f)
{
    std::array<Control, kFootingFrameRows> rows{};
    std::size_t n = 0;
    rows[n++] = frame(f.frame, kOnOutputTab, f.caption, {f.left, 360, 4335, 3495}, kFrame);
    rows[n++] =
        label(f.pcHeading, {f.frame}, "PC Footing", {120, 360, f.headingWidth, 255}, kRedBold);
    rows[n++] = label(f.rcHeading, {f.frame}, "RC Footing",
                      {f.rcHeadingLeft, 360, f.headingWidth, 255}, kRedBold);
    constexpr std::array<std::string_view, 6> headTexts{"L1(cm)", "B1(cm)", "t1(cm)",
                                                        "L(cm)",  "B(cm)",  "t(cm)"};
    // Each column head is centred between the rules of its column, clear of them.
    for (std::size_t i = 0; i < 6; ++i) {
        const int column = (i < 3 ? 120 : 2400) + 600 * static_cast<int>(i % 3);
        rows[n++] =
            label(f.heads[i], {f.frame}, headTexts[i], {column, 600, 600, 240}, kBlueCentred);
    }
    constexpr std::array<int, 6> resultLefts{240, 840, 1440, 2520, 3120, 3720};
    for (std::size_t i = 0; i < 6; ++i)
        rows[n++] = result(f.results[i], {f.frame}, {resultLefts[i], 960, 375, f.resultHeight});
    // The ruling of the two little tables: rows at 600, 840 and 1320, columns 600 apart.
    for (int table = 0; table < 2; ++table) {
        const auto &names = table == 0 ? f.pcRules : f.rcRules;
        const int x0 = table == 0 ? 120 : 2400;
        std::size_t k = 0;
        for (int y : {600, 840, 1320})
            rows[n++] = line(names[k++], f.frame, x0, y, x0 + 1800, y, colours::black);
        for (int x = x0; x <= x0 + 1800; x += 600)
            rows[n++] = line(names[k++], f.frame, x, 600, x, 1320, colours::black);
    }
    rows[n++] = line(f.separator, f.frame, 0, 1440, 4320, 1440, colours::blue, Pen::Dash);
    rows[n++] = label(f.steelHeading, {f.frame}, "# Rienforcement :-", {120, 1560, 1575, 255},
                      kSteelHeading);
    for (int which = 0; which < 2; ++which) {
        const bool isMain = which == 0;
        const auto &names = isMain ? f.main : f.secondary;
        const std::string_view box = isMain ? f.mainFrame : f.secondaryFrame;
        rows[n++] = frame(box, {f.frame}, isMain ? "Main Rienf." : "Secondary Rienf.",
                          {isMain ? 120 : 2280, 1920, 1935, 1455}, kSteelFrame);
        rows[n++] = label(names[0], {box}, "As (cm2)", {120, 240, 855, 255}, kRedCentred);
        rows[n++] = result(names[1], {box}, {1080, 240, 735, 255}, f.resultBack);
        rows[n++] = label(names[2], {box}, "Diam.(mm)", {120, 600, 855, 255}, kRedCentred);
        rows[n++] = bars(names[3], box, isMain ? f.mainDefault : f.secondaryDefault, 1080, 600);
        rows[n++] = label(names[4], {box}, isMain ? "No.\\ L" : "No.\\ B", {120, 1080, 855, 255},
                          kRedCentred);
        rows[n++] = result(names[5], {box}, {1080, 1080, 735, 255}, f.resultBack);
    }
    if (n != rows.size())
        throw "a footing frame has a row count other than kFootingFrameRows";
    return rows;
}

inline constexpr FootingFrame kFooting1{
    .frame = "Frame5",
    .caption = "Footing -1-",
    .left = 120,
    .pcHeading = "Label27",
    .rcHeading = "Label28",
    .headingWidth = 975,
    .rcHeadingLeft = 2400,
    .heads = {"Label29", "Label30", "Label31", "Label32", "Label33", "Label34"},
    .results = {"Label95", "Label96", "Label97", "Label98", "Label99", "Label100"},
    .resultHeight = 375,
    .pcRules = {"Line7", "Line8", "Line9", "Line10", "Line11", "Line12", "Line13"},
    .rcRules = {"Line14", "Line15", "Line16", "Line17", "Line18", "Line19", "Line20"},
    .separator = "Line35",
    .steelHeading = "Label43",
    .mainFrame = "Frame7",
    .secondaryFrame = "Frame8",
    .main = {"Label44", "Label45", "Label46", "Combo1", "Label47", "Label48"},
    .secondary = {"Label49", "Label52", "Label50", "Combo2", "Label51", "Label53"},
    .mainDefault = "12",
    .secondaryDefault = "12",
    .resultBack = colours::lightCyan,
};

inline constexpr FootingFrame kFooting2{
    .frame = "Frame6",
    .caption = "Footing -2-",
    .left = 4560,
    .pcHeading = "Label41",
    .rcHeading = "Label42",
    .headingWidth = 1095,
    .rcHeadingLeft = 2520,
    .heads = {"Label35", "Label36", "Label37", "Label38", "Label39", "Label40"},
    .results = {"Label101", "Label102", "Label103", "Label104", "Label105", "Label106"},
    .resultHeight = 255,
    .pcRules = {"Line21", "Line22", "Line23", "Line24", "Line25", "Line26", "Line27"},
    .rcRules = {"Line28", "Line29", "Line30", "Line31", "Line32", "Line33", "Line34"},
    .separator = "Line36",
    .steelHeading = "Label54",
    .mainFrame = "Frame9",
    .secondaryFrame = "Frame10",
    .main = {"Label55", "Label58", "Label56", "Combo3", "Label57", "Label59"},
    .secondary = {"Label60", "Label63", "Label61", "Combo4", "Label62", "Label64"},
    .mainDefault = "12",
    .secondaryDefault = "12",
    .resultBack = colours::cyan,
};

// --- the tabs ---------------------------------------------------------------------------------

inline constexpr std::array kTabRow{
    tabControl(kTabControl, "Input Data", {120, 120, 9015, 5095},
               "Input Data|Output Data|S.F + B.M Ds|Rienforcement", {.font = fonts::bold}),
};

inline constexpr std::array kInputData{
    frame("Frame1", kOnInputTab, "Ultimate Column Loads", {120, 480, 2415, 1935}, kFrameBold),
    label("Label1", {"Frame1"}, "P1 (ton)", {240, 480, 975, 375}, kRedLargeBoldCentred),
    textBox("Text1", {"Frame1"}, "70", {1440, 480, 735, 375}),
    label("Label2", {"Frame1"}, "P2 (ton)", {240, 1200, 975, 375}, kRedLargeBoldCentred),
    textBox("Text2", {"Frame1"}, "100", {1440, 1200, 750, 405}),

    frame("Frame2", kOnInputTab, "Column Dimentions", {120, 2520, 2415, 2415}, kFrame),
    label("Label7", {"Frame2"}, "C1", {120, 600, 495, 375}, kRedLargeBoldCentred),
    label("Label3", {"Frame2"}, "b (cm)", {720, 360, 735, 255}, kRedLargeBoldCentred),
    textBox("Text3", {"Frame2"}, "30", {1560, 360, 615, 285}),
    label("Label4", {"Frame2"}, "t (cm)", {720, 840, 735, 255}, kRedLargeBoldCentred),
    textBox("Text4", {"Frame2"}, "40", {1560, 840, 615, 285}),
    label("Label8", {"Frame2"}, "C2", {120, 1680, 495, 375}, kRedLargeBoldCentred),
    label("Label5", {"Frame2"}, "b (cm)", {720, 1440, 735, 255}, kRedLargeBoldCentred),
    textBox("Text5", {"Frame2"}, "30", {1560, 1440, 615, 285}),
    label("Label6", {"Frame2"}, "t (cm)", {720, 1920, 735, 255}, kRedLargeBoldCentred),
    textBox("Text6", {"Frame2"}, "70", {1560, 1920, 615, 285}),

    frame("Frame3", kOnInputTab, "Footing Depthes", {2640, 480, 4095, 1935}, kFrame),
    label("Label9", {"Frame3"}, "Assume PC Footing (cm)", {120, 480, 2775, 255}, kRedBold),
    textBox("Text7", {"Frame3"}, "40", {3120, 480, 735, 285}),
    label("Label10", {"Frame3"}, "Assume RC Footing (cm)", {120, 840, 2775, 255}, kRedBold),
    textBox("Text8", {"Frame3"}, "60", {3120, 840, 735, 285}),
    label("Label11", {"Frame3"}, "Assume Strap Beam Thick. (cm)", {120, 1200, 2775, 255}, kRedBold),
    textBox("Text9", {"Frame3"}, "120", {3120, 1200, 735, 285}),
    label("Label12", {"Frame3"}, "Cover (cm)", {120, 1560, 2775, 255}, kRedBold),
    textBox("Text10", {"Frame3"}, "5", {3120, 1560, 735, 285}),

    frame("Frame4", kOnInputTab, "Material Properties", {2640, 2520, 2655, 2415}, kFrame),
    label("Label13", {"Frame4"}, "fcu (kg\\cm2)", {120, 600, 1335, 375}, kRedBold),
    textBox("Text11", {"Frame4"}, "250", {1560, 600, 615, 285}),
    label("Label14", {"Frame4"}, "fy (kg\\cm2)", {120, 1200, 1335, 375}, kRedBold),
    textBox("Text12", {"Frame4"}, "3600", {1560, 1200, 615, 285}),
    label("Label15", {"Frame4"}, "B\\C (kg\\cm2)", {120, 1800, 1335, 375}, kRedBold),
    textBox("Text13", {"Frame4"}, "1.25", {1560, 1800, 615, 285}),

    label("Label16", kOnInputTab, "Column Spacing (L)", {6840, 480, 2055, 255}, kSpacingCaption),
    textBox("Text14", kOnInputTab, "4.5", {7440, 840, 855, 285}),
    label("Label18", kOnInputTab, "m", {8400, 840, 375, 255}, kSpacingUnit),
    button("Command4", kOnInputTab, "Design", {6840, 1440, 975, 375}, kButton, Action::Design,
           kDesignTip),
    button("Command1", kOnInputTab, "Back", {7920, 1440, 975, 375}, kButton, Action::Back,
           kBackTip),
    button("Command2", kOnInputTab, "Print", {6840, 1920, 975, 375}, kButton, Action::Print,
           kPrintTip),
    button("Command3", kOnInputTab, "Exit", {7920, 1920, 975, 375}, kButton, Action::Exit,
           kExitTip),

    // The input sketch: the two columns in plan, the property line, the centre lines and the
    // spacing dimension.
    picture("Picture1", kOnInputTab, {5400, 2520, 3495, 2415}),
    rectangle("Shape1", {"Picture1"}, {480, 1080, 495, 375}, kColumnHatch),
    rectangle("Shape2", {"Picture1"}, {2520, 1080, 735, 375}, kColumnHatch),
    line("Line1", "Picture1", 480, 840, 480, 1680, colours::red, Pen::Dot),
    line("Line2", "Picture1", 600, 600, 600, 1680, colours::blue, Pen::Solid, 2),
    line("Line3", "Picture1", 2880, 600, 2880, 1680, colours::blue, Pen::Solid, 2),
    line("Line4", "Picture1", 3000, 720, 480, 720, colours::black, Pen::Solid, 3),
    line("Line5", "Picture1", 3000, 600, 2760, 840, colours::orange),
    line("Line6", "Picture1", 720, 600, 480, 840, colours::orange),
    label("Label17", {"Picture1"}, "L (m)", {1200, 480, 1215, 255}, kBlueBoldCentred),
    label("Label19", {"Picture1"}, "P1", {600, 1560, 375, 375}, kBlueBoldCentred),
    label("Label20", {"Picture1"}, "P2", {2400, 1560, 375, 375}, kBlueBoldCentred),
    label("Label21", {"Picture1"}, "t(cm)", {600, 840, 375, 255}),
    label("Label23", {"Picture1"}, "t(cm)", {3000, 840, 375, 255}),
    label("Label22", {"Picture1"}, "b(cm)", {1080, 1080, 495, 255}),
    label("Label24", {"Picture1"}, "b(cm)", {2040, 1080, 375, 255}),
    label("Label25", {"Picture1"}, "C1", {120, 1080, 255, 375}, kRedBold),
    label("Label26", {"Picture1"}, "C2", {3000, 1560, 375, 255}, kRedBold),
};

inline constexpr std::array kStrapFrame{
    frame("Frame11", kOnOutputTab, "Strap Beam", {120, 3960, 6375, 975}, kFrame),
    button("Command6", kOnOutputTab, "Print", {6720, 4080, 975, 375}, kButton, Action::Print,
           kPrintTip),
    button("Command5", kOnOutputTab, "Back", {7800, 4080, 975, 375}, kButton, Action::Back,
           kBackTip),
    button("Command7", kOnOutputTab, "Exit", {7320, 4560, 975, 375}, kButton, Action::Exit,
           kExitTip),
    label("Label65", {"Frame11"}, "Width (cm)", {120, 240, 1095, 255}, kRedCentred),
    result("Label67", {"Frame11"}, {1320, 240, 615, 255}, colours::cyan),
    label("Label66", {"Frame11"}, "Thickness (cm)", {120, 600, 1095, 255}, kRedCentred),
    result("Label68", {"Frame11"}, {1320, 600, 615, 255}, colours::cyan),
    line("Line37", "Frame11", 2040, 120, 2040, 960, colours::red, Pen::Dash),
    label("Label69", {"Frame11"}, "Required As (cm2)", {2160, 240, 1455, 255}, kRed),
    result("Label71", {"Frame11"}, {3840, 240, 735, 255}, colours::cyan),
    label("Label70", {"Frame11"}, "Diam. Of Bars (mm)", {2160, 600, 1455, 255}, kRed),
    bars("Combo5", "Frame11", "16", 3840, 600),
    line("Line38", "Frame11", 3720, 120, 3720, 960, colours::red, Pen::Dash),
    label("Label72", {"Frame11"}, "No. Of Bars", {4800, 240, 1335, 255}, kRedCentred),
    result("Label73", {"Frame11"}, {5160, 600, 615, 255}, colours::cyan),
};

// The elevation of the two footings and the strap, with the shear and moment diagrams.
inline constexpr std::array kDiagrams{
    label("Label129", kOnDiagramTab, "Strap Beam", {3720, 840, 1215, 255}, kBlueTitle),
    label("Label89", kOnDiagramTab, "C1", {600, 600, 375, 255}, kRedLargeBold),
    label("Label90", kOnDiagramTab, "C2", {6720, 600, 375, 255}, kRedLargeBold),
    rectangle("Shape7", kOnDiagramTab, {600, 480, 375, 495}, kOutline),
    rectangle("Shape8", kOnDiagramTab, {6600, 480, 495, 495}, kOutline),
    rectangle("Shape4", kOnDiagramTab, {600, 960, 2175, 375}, kReinforcedHatch),
    rectangle("Shape6", kOnDiagramTab, {5760, 960, 2175, 375}, kReinforcedHatch),
    rectangle("Shape3", kOnDiagramTab, {600, 1320, 2175, 255}, kPlainHatch),
    rectangle("Shape5", kOnDiagramTab, {5640, 1320, 2415, 255}, kPlainHatch),
    line("Line40", kTabControl, 960, 600, 6600, 600, colours::blue, Pen::Dash, 1, kDiagramTab),
    line("Line41", kTabControl, 7080, 600, 7920, 600, colours::blue, Pen::Dash, 1, kDiagramTab),
    line("Line42", kTabControl, 7920, 960, 7920, 600, colours::blue, Pen::Dash, 1, kDiagramTab),
    line("Line39", kTabControl, 2760, 1320, 5760, 1320, colours::blue, Pen::Dash, 1, kDiagramTab),
    label("Label87", kOnDiagramTab, "Footing -1-", {1200, 1560, 1095, 255}, kBlueTitleCentred),
    label("Label88", kOnDiagramTab, "Footing -2-", {6240, 1560, 1335, 255}, kBlueTitleCentred),
    // Shear-force diagram.
    line("Line50", kTabControl, 7920, 2760, 600, 2760, colours::blue, Pen::Dash, 1, kDiagramTab),
    line("Line55", kTabControl, 600, 2760, 960, 3240, colours::black, Pen::Solid, 1, kDiagramTab),
    line("Line56", kTabControl, 960, 3240, 2760, 2520, colours::black, Pen::Solid, 1, kDiagramTab),
    line("Line57", kTabControl, 2760, 2520, 5760, 2520, colours::black, Pen::Solid, 1, kDiagramTab),
    line("Line54", kTabControl, 5760, 2520, 6600, 2280, colours::black, Pen::Solid, 1, kDiagramTab),
    line("Line53", kTabControl, 6600, 2280, 7080, 3000, colours::black, Pen::Solid, 1, kDiagramTab),
    line("Line52", kTabControl, 7080, 3000, 7920, 2760, colours::black, Pen::Solid, 1, kDiagramTab),
    label("Label74", kOnDiagramTab, "S.F.D", {7920, 2640, 855, 255}, kRedLargeBoldCentred),
    // Bending-moment diagram.
    line("Line51", kTabControl, 7920, 4320, 600, 4320, colours::blue, Pen::Dash, 1, kDiagramTab),
    line("Line63", kTabControl, 600, 4320, 960, 4080, colours::black, Pen::Solid, 1, kDiagramTab),
    line("Line62", kTabControl, 960, 4080, 2040, 3600, colours::black, Pen::Solid, 1, kDiagramTab),
    line("Line61", kTabControl, 2040, 3600, 2760, 3720, colours::black, Pen::Solid, 1, kDiagramTab),
    line("Line44", kTabControl, 2760, 3720, 5760, 4080, colours::black, Pen::Solid, 1, kDiagramTab),
    line("Line60", kTabControl, 5760, 4080, 6600, 4440, colours::black, Pen::Solid, 1, kDiagramTab),
    line("Line59", kTabControl, 6600, 4440, 7080, 4560, colours::black, Pen::Solid, 1, kDiagramTab),
    line("Line58", kTabControl, 7080, 4560, 7920, 4320, colours::black, Pen::Solid, 1, kDiagramTab),
    label("Label75", kOnDiagramTab, "B.M.D", {8040, 4200, 735, 255}, kRedLargeBoldCentred),
    button("Command8", kOnDiagramTab, "Print", {120, 4560, 975, 375}, kLargeButton, Action::Print,
           kPrintTip),
    // The values on the diagrams: shear, then moment.
    mark("Label76", kDiagramTab, 630, 3240, colours::red, fonts::bold),
    mark("Label77", kDiagramTab, 2835, 2280, colours::red, fonts::bold),
    mark("Label78", kDiagramTab, 5475, 2280, colours::red, fonts::bold),
    mark("Label79", kDiagramTab, 6570, 2040, colours::red, fonts::bold),
    mark("Label80", kDiagramTab, 6690, 3000, colours::red, fonts::bold),
    mark("Label81", kDiagramTab, 750, 3840, colours::red, fonts::bold),
    mark("Label82", kDiagramTab, 1890, 3360, colours::red, fonts::bold),
    mark("Label84", kDiagramTab, 2790, 3480, colours::red, fonts::bold),
    mark("Label83", kDiagramTab, 5610, 3840, colours::red, fonts::bold),
    mark("Label86", kDiagramTab, 6390, 4440, colours::red, fonts::bold),
    mark("Label85", kDiagramTab, 7170, 4560, colours::red, fonts::bold),
};

// The reinforcement drawing: a picture with the bar counts and diameters next to its marks.
inline constexpr std::array kDrawing{
    image("Image1", kOnDrawingTab, {600, 480, 7935, 4395}),
    line("Line43", kTabControl, 720, 600, 8400, 600, colours::black, Pen::Solid, 1, kDrawingTab),
    line("Line45", kTabControl, 8400, 600, 8400, 4800, colours::black, Pen::Solid, 1, kDrawingTab),
    line("Line46", kTabControl, 8400, 4800, 720, 4800, colours::black, Pen::Solid, 1, kDrawingTab),
    line("Line47", kTabControl, 720, 4800, 720, 600, colours::black, Pen::Solid, 1, kDrawingTab),
    label("Label91", kOnDrawingTab, "Rienforcement Details", {3480, 720, 2175, 255},
          kRedItalicTitleCentred),
    label("Label92", kOnDrawingTab, "Sec. A-A", {3600, 4440, 1935, 255}, kOrangeTitleCentred),
    label("Label94", kOnDrawingTab, "A", {1560, 1200, 255, 255}, kPlainCentred),
    label("Label93", kOnDrawingTab, "A", {1320, 2880, 615, 375}, kPlainCentred),
    // The side bars of section A-A: two bars of 12 mm in each of three rows, always.
    mark("Label115", kDrawingTab, 4890, 3240, {}, fonts::regular, "2"),
    mark("Label116", kDrawingTab, 4890, 3480, {}, fonts::regular, "2"),
    mark("Label117", kDrawingTab, 4890, 3720, {}, fonts::regular, "2"),
    mark("Label118", kDrawingTab, 5160, 3240, {}, fonts::regular, "12"),
    mark("Label119", kDrawingTab, 5160, 3480, {}, fonts::regular, "12"),
    mark("Label120", kDrawingTab, 5160, 3720, {}, fonts::regular, "12"),
    button("Command9", kOnDrawingTab, "Print", {840, 4320, 975, 375}, kLargeButton, Action::Print,
           kPrintTip),
    mark("Label107", kDrawingTab, 3900, 1320),
    mark("Label108", kDrawingTab, 4500, 1320),
    mark("Label113", kDrawingTab, 3990, 2280),
    mark("Label114", kDrawingTab, 4560, 2280),
    mark("Label109", kDrawingTab, 960, 2640),
    mark("Label110", kDrawingTab, 1410, 2640),
    mark("Label111", kDrawingTab, 2370, 2640),
    mark("Label112", kDrawingTab, 2850, 2640),
    result("Label121", kOnDrawingTab, {4320, 2760, 375, 255}),
    mark("Label122", kDrawingTab, 4470, 3840),
    mark("Label123", kDrawingTab, 6120, 2640),
    mark("Label124", kDrawingTab, 6480, 2640),
    mark("Label125", kDrawingTab, 7200, 2640),
    mark("Label126", kDrawingTab, 7560, 2640),
    mark("Label127", kDrawingTab, 5400, 1200),
    mark("Label128", kDrawingTab, 5895, 1200),
};

template <std::size_t... N> constexpr auto join(const std::array<Control, N> &...parts)
{
    std::array<Control, (N + ...)> all{};
    std::size_t n = 0;
    (([&] {
         for (const Control &row : parts)
             all[n++] = row;
     }()),
     ...);
    return all;
}

// The inputs the design reads, by what they hold: the sides of a column are b across the
// strap and t along it.
struct InputControls {
    std::string_view load1, load2, c1Width, c1Length, c2Width, c2Length;
    std::string_view pcThickness, rcThickness, strapThickness, cover, fcu, fy, qall, spacing;
    std::string_view footing1MainBars, footing1SecondaryBars, footing2MainBars,
        footing2SecondaryBars, strapBars;
};

inline constexpr InputControls kInput{.load1 = "Text1",
                                      .load2 = "Text2",
                                      .c1Width = "Text3",
                                      .c1Length = "Text4",
                                      .c2Width = "Text5",
                                      .c2Length = "Text6",
                                      .pcThickness = "Text7",
                                      .rcThickness = "Text8",
                                      .strapThickness = "Text9",
                                      .cover = "Text10",
                                      .fcu = "Text11",
                                      .fy = "Text12",
                                      .qall = "Text13",
                                      .spacing = "Text14",
                                      .footing1MainBars = "Combo1",
                                      .footing1SecondaryBars = "Combo2",
                                      .footing2MainBars = "Combo3",
                                      .footing2SecondaryBars = "Combo4",
                                      .strapBars = "Combo5"};

// Every input, list and option the design reads: its control, the caption the user knows it
// by, the symbol the calculation writes for it, its unit and the range of plausible numbers.
inline constexpr std::array kInputs{
    ranged({kInput.load1, "P1 (ton)", "P1", "t"}, ranges::kColumnLoad),
    ranged({kInput.load2, "P2 (ton)", "P2", "t"}, ranges::kColumnLoad),
    ranged({kInput.c1Width, "C1 b (cm)", "bc1", "cm"}, ranges::kColumnSide),
    ranged({kInput.c1Length, "C1 t (cm)", "tc1", "cm"}, ranges::kColumnSide),
    ranged({kInput.c2Width, "C2 b (cm)", "bc2", "cm"}, ranges::kColumnSide),
    ranged({kInput.c2Length, "C2 t (cm)", "tc2", "cm"}, ranges::kColumnSide),
    ranged({kInput.pcThickness, "Assume PC Footing (cm)", "t1", "cm"},
           ranges::kPlainConcreteThickness),
    ranged({kInput.rcThickness, "Assume RC Footing (cm)", "t", "cm"}, ranges::kReinforcedThickness),
    ranged({kInput.strapThickness, "Assume Strap Beam Thick. (cm)", "ts", "cm"},
           ranges::kReinforcedThickness),
    ranged({kInput.cover, "Cover (cm)", "cover", "cm"}, ranges::kCover),
    ranged({kInput.fcu, "fcu (kg\\cm2)", "fcu", "kg/cm2"}, ranges::kConcreteStrength),
    ranged({kInput.fy, "fy (kg\\cm2)", "fy", "kg/cm2"}, ranges::kSteelYield),
    ranged({kInput.qall, "B\\C (kg\\cm2)", "qall", "kg/cm2"}, ranges::kSoilStress),
    ranged({kInput.spacing, "Column Spacing (L)", "S", "m"}, ranges::kColumnSpacing),
    ranged({kInput.footing1MainBars, "Footing -1- Main Rienf. Diam.(mm)", "φ1", "mm"},
           ranges::kBarDiameter),
    ranged({kInput.footing1SecondaryBars, "Footing -1- Secondary Rienf. Diam.(mm)", "φ2", "mm"},
           ranges::kBarDiameter),
    ranged({kInput.footing2MainBars, "Footing -2- Main Rienf. Diam.(mm)", "φ3", "mm"},
           ranges::kBarDiameter),
    ranged({kInput.footing2SecondaryBars, "Footing -2- Secondary Rienf. Diam.(mm)", "φ4", "mm"},
           ranges::kBarDiameter),
    ranged({kInput.strapBars, "Strap Beam Diam. Of Bars (mm)", "φ5", "mm"}, ranges::kBarDiameter),
};

} // namespace strap::tables

namespace strap {

// Every control of the window, in the order the window is built.
inline constexpr auto kControls =
    tables::join(tables::kTabRow, tables::kInputData, tables::footingFrame(tables::kFooting1),
                 tables::footingFrame(tables::kFooting2), tables::kStrapFrame, tables::kDiagrams,
                 tables::kDrawing);

} // namespace strap

#pragma once

#include <array>
#include <string_view>

namespace shell {

// The thirteen windows of the program; each has one application-wide instance slot.
enum class WindowKind : int {
    Start,         // the splash window
    MainWindow,    // menu bar and the way into the foundation types
    TypeChooser,   // isolated, strip, combined or strap
    IsolatedCases, // the isolated footing's four loading cases
    StripCases,    // the strip footing's four loading cases
    Isolated,
    Strip,
    Combined,
    Strap,
    Equation,
    Help,
    Pictures,
    TheDesigner,
};
inline constexpr int kWindowKindCount = 13;

enum class FrameStyle {
    Normal,      // sizeable, minimise but no maximise button
    FixedSingle, // fixed size, no minimise or maximise button
    FixedDialog, // fixed size dialog frame
    None,        // no border, no title bar
};

// The window catalogue: object name, caption, designed client size in twips, frame, and the
// outer size (twips) at which the window's opener opens it (0 when it shows at its designed
// size).
struct WindowInfo {
    WindowKind kind;
    std::string_view name;
    std::string_view caption;
    int clientWidth;
    int clientHeight;
    FrameStyle frame;
    bool menuBar = false;
    int openWidth = 0;
    int openHeight = 0;
};

inline constexpr std::array<WindowInfo, kWindowKindCount> kCatalogue{{
    {WindowKind::Start, "start", "", 9000, 6900, FrameStyle::None},
    // Opened at its designed size by the splash window, at 7800 x 6060 by every Back.
    {WindowKind::MainWindow, "Form1", "Design Of Foundations", 7680, 5250, FrameStyle::Normal, true,
     7800, 6060},
    {WindowKind::TypeChooser, "Form2", "Shoosing Of Foundation Type", 7875, 8835,
     FrameStyle::Normal, false, 7300, 9400},
    {WindowKind::IsolatedCases, "Form3", "Shoosing Of Isolated Footing Cases", 6705, 5955,
     FrameStyle::Normal, false, 6800, 6500},
    {WindowKind::StripCases, "choosestrip", "Shoosing Of Strip Footing Cases", 7365, 6210,
     FrameStyle::Normal, false, 6800, 6500},
    {WindowKind::Isolated, "isolated", "Design Of Isolated Footing", 15240, 11010,
     FrameStyle::Normal, false, 11400, 8800},
    {WindowKind::Strip, "designstrip", "Design Of Strip Footing", 15240, 8010, FrameStyle::Normal,
     false, 11400, 8500},
    {WindowKind::Combined, "combined", "Design Of Combined Footing", 9330, 10620,
     FrameStyle::Normal, false, 9350, 5800},
    {WindowKind::Strap, "strap", "Design Of Strap Footing", 9180, 5505, FrameStyle::Normal, false,
     9350, 5800},
    {WindowKind::Equation, "equation", "Design Equations", 7080, 7635, FrameStyle::FixedSingle},
    {WindowKind::Help, "help", "Help", 8040, 6690, FrameStyle::FixedDialog},
    {WindowKind::Pictures, "pictures", "", 9600, 7170, FrameStyle::None},
    {WindowKind::TheDesigner, "thedesigner", "", 8880, 9315, FrameStyle::None},
}};

constexpr const WindowInfo &info(WindowKind kind)
{
    return kCatalogue[static_cast<size_t>(kind)];
}

} // namespace shell

#pragma once

#include <array>
#include <string_view>

namespace shell {

// The thirteen windows of the program; each has one application-wide instance slot.
enum class WindowKind : int {
    Start,
    Form1,
    Form2,
    Form3,
    ChooseStrip,
    Isolated,
    DesignStrip,
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

// The window catalogue: caption, designed client size in twips, frame.
struct WindowInfo {
    WindowKind kind;
    std::string_view name;
    std::string_view caption;
    int clientWidth;
    int clientHeight;
    FrameStyle frame;
    bool menuBar = false;
};

inline constexpr std::array<WindowInfo, kWindowKindCount> kCatalogue{{
    {WindowKind::Start, "start", "", 9000, 6900, FrameStyle::None},
    {WindowKind::Form1, "Form1", "Design Of Foundations", 7680, 5250, FrameStyle::Normal, true},
    {WindowKind::Form2, "Form2", "Shoosing Of Foundation Type", 7875, 8835, FrameStyle::Normal},
    {WindowKind::Form3, "Form3", "Shoosing Of Isolated Footing Cases", 6705, 5955,
     FrameStyle::Normal},
    {WindowKind::ChooseStrip, "choosestrip", "Shoosing Of Strip Footing Cases", 7365, 6210,
     FrameStyle::Normal},
    {WindowKind::Isolated, "isolated", "Design Of Isolated Footing", 15240, 11010,
     FrameStyle::Normal},
    {WindowKind::DesignStrip, "designstrip", "Design Of Strip Footing", 15240, 8010,
     FrameStyle::Normal},
    {WindowKind::Combined, "combined", "Design Of Combined Footing", 9330, 10620,
     FrameStyle::Normal},
    {WindowKind::Strap, "strap", "Design Of Strap Footing", 9180, 5505, FrameStyle::Normal},
    {WindowKind::Equation, "equation", "Design Equations", 7080, 7635, FrameStyle::FixedSingle},
    {WindowKind::Help, "help", "Help", 8040, 6690, FrameStyle::FixedDialog},
    {WindowKind::Pictures, "pictures", "", 9600, 7170, FrameStyle::None},
    {WindowKind::TheDesigner, "thedesigner", "", 8880, 9315, FrameStyle::None},
}};

constexpr const WindowInfo &info(WindowKind kind)
{
    return kCatalogue[static_cast<size_t>(kind)];
}

// Sizes at which windows are opened (outer size, twips).
inline constexpr int kMainWidthFromBack = 7800;
inline constexpr int kMainHeightFromBack = 6060;

} // namespace shell

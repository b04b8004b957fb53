// The row builders of the control tables: each gives the row its designated initialiser would,
// every field it is given in its place and every other field at the row's default.
#include "core/control_table.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace core;

// Every field of a row, so two rows compare whole and a difference names its field.
std::string fields(const Control &r)
{
    const auto colour = [](Colour c) {
        return c.isSet ? std::to_string(c.rgb) : std::string("unset");
    };
    return std::string(r.name) + " kind " + std::to_string(int(r.kind)) + " in " +
           std::string(r.parent) + " tab " + std::to_string(r.tab) + " text " +
           std::string(r.text) + " box " + std::to_string(r.left) + " " + std::to_string(r.top) +
           " " + std::to_string(r.width) + " " + std::to_string(r.height) + " back " +
           colour(r.back) + " fore " + colour(r.fore) + " font " + std::to_string(r.font.points) +
           (r.font.bold ? " bold" : "") + (r.font.italic ? " italic" : "") +
           (r.font.underline ? " underline" : "") + " align " + std::to_string(int(r.align)) +
           (r.visible ? "" : " hidden") + (r.autoSize ? " auto-sized" : "") + " tip " +
           std::string(r.tooltip) + " items " + std::string(r.items) + " pen " +
           std::to_string(int(r.pen)) + "/" + std::to_string(r.penWidth) + " fill " +
           std::to_string(int(r.fill)) + " " + colour(r.fillColour) + " action " +
           std::to_string(int(r.action)) + (r.border ? "" : " borderless");
}

constexpr Place kOnTab{"SSTab1", 2};
constexpr Box kBox{120, 240, 975, 375};
constexpr Look kLook{.back = colours::yellow,
                     .fore = colours::blue,
                     .font = fonts::largeBold,
                     .align = Align::Centre};

struct Case {
    const char *what;
    Control built;
    Control expected;
};

class RowBuilder : public ::testing::TestWithParam<Case>
{
};

TEST_P(RowBuilder, GivesTheRowOfItsInitialiser)
{
    EXPECT_EQ(fields(GetParam().built), fields(GetParam().expected)) << GetParam().what;
}

// The rows as the tables wrote them before the builders, field by field.
constexpr Control kLabel{.name = "Label1",
                         .parent = "SSTab1",
                         .tab = 2,
                         .text = "P (ton)",
                         .left = 120,
                         .top = 240,
                         .width = 975,
                         .height = 375,
                         .back = colours::yellow,
                         .fore = colours::blue,
                         .font = fonts::largeBold,
                         .align = Align::Centre};

constexpr Control with(Control row, Kind kind)
{
    row.kind = kind;
    return row;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RowBuilder,
    ::testing::Values(
        Case{"label", label("Label1", kOnTab, "P (ton)", kBox, kLook), kLabel},
        Case{"text box", textBox("Label1", kOnTab, "P (ton)", kBox, kLook),
             with(kLabel, Kind::TextBox)},
        Case{"frame", frame("Label1", kOnTab, "P (ton)", kBox, kLook), with(kLabel, Kind::Frame)},
        Case{"option", option("Label1", kOnTab, "P (ton)", kBox, kLook),
             with(kLabel, Kind::OptionButton)},
        Case{"picture", picture("Picture1", {"Frame1"}, kBox, {.back = colours::white}),
             Control{.name = "Picture1",
                     .kind = Kind::PictureBox,
                     .parent = "Frame1",
                     .left = 120,
                     .top = 240,
                     .width = 975,
                     .height = 375,
                     .back = colours::white}},
        Case{"image", image("Image1", kOnTab, kBox),
             Control{.name = "Image1",
                     .kind = Kind::Image,
                     .parent = "SSTab1",
                     .tab = 2,
                     .left = 120,
                     .top = 240,
                     .width = 975,
                     .height = 375}},
        Case{"button",
             button("Command1", {}, "Design", kBox, {.back = colours::lightOrange}, Action::Design,
                    "tip"),
             Control{.name = "Command1",
                     .kind = Kind::Button,
                     .text = "Design",
                     .left = 120,
                     .top = 240,
                     .width = 975,
                     .height = 375,
                     .back = colours::lightOrange,
                     .tooltip = "tip",
                     .action = Action::Design}},
        Case{"bar list", barList("Combo1", {"Frame7"}, "12", kBox, "12|16", {.font = fonts::bold}),
             Control{.name = "Combo1",
                     .kind = Kind::ComboBox,
                     .parent = "Frame7",
                     .text = "12",
                     .left = 120,
                     .top = 240,
                     .width = 975,
                     .height = 375,
                     .font = fonts::bold,
                     .items = "12|16",
                     .action = Action::Design}},
        Case{"rectangle",
             rectangle("Shape1", {"Frame5"}, kBox,
                       {.border = colours::blue,
                        .pen = Pen::Dash,
                        .fill = Fill::DiagonalCross,
                        .hatch = colours::red}),
             Control{.name = "Shape1",
                     .kind = Kind::Rectangle,
                     .parent = "Frame5",
                     .left = 120,
                     .top = 240,
                     .width = 975,
                     .height = 375,
                     .fore = colours::blue,
                     .pen = Pen::Dash,
                     .fill = Fill::DiagonalCross,
                     .fillColour = colours::red}},
        Case{"tab control", tabControl("SSTab1", "Input Data", kBox, "Input Data|Output Data"),
             Control{.name = "SSTab1",
                     .kind = Kind::TabControl,
                     .text = "Input Data",
                     .left = 120,
                     .top = 240,
                     .width = 975,
                     .height = 375,
                     .items = "Input Data|Output Data"}},
        Case{"hidden, auto-sized",
             hidden(autoSized(label("Label1", kOnTab, "P (ton)", kBox, kLook))), [] {
                 Control row = kLabel;
                 row.visible = false;
                 row.autoSize = true;
                 return row;
             }()}));

} // namespace

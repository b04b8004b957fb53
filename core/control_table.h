#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace core {

// Positions and sizes of windows and controls are kept in twips, as designed; 15 twips make
// one pixel at 96 dpi. This is the one place where twips become pixels.
inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

// An RGB colour that may be unset ("use the default").
struct Colour {
    std::uint32_t rgb = 0;
    bool isSet = false;

    friend constexpr bool operator==(const Colour &, const Colour &) = default;
};

constexpr Colour rgb(std::uint32_t value)
{
    return {value, true};
}

namespace colours {
inline constexpr Colour red = rgb(0xFF0000);
inline constexpr Colour blue = rgb(0x0000FF);
inline constexpr Colour green = rgb(0x00FF00);
inline constexpr Colour yellow = rgb(0xFFFF00);
inline constexpr Colour cyan = rgb(0x00FFFF);
inline constexpr Colour black = rgb(0x000000);
inline constexpr Colour white = rgb(0xFFFFFF);
inline constexpr Colour orange = rgb(0xFF8000);
inline constexpr Colour lightOrange = rgb(0xFFC080);
inline constexpr Colour lightGreen = rgb(0x80FF80);
inline constexpr Colour lightCyan = rgb(0x80FFFF);
inline constexpr Colour lightYellow = rgb(0xFFFF80);
inline constexpr Colour lightPink = rgb(0xFFC0C0);
inline constexpr Colour lavender = rgb(0xC0C0FF);
inline constexpr Colour darkRed = rgb(0x400000);
} // namespace colours

// A font as designed: "MS Sans Serif" at a point size; the face itself is chosen by the
// widget layer (a sans-serif with Arabic coverage).
struct Font {
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    friend constexpr bool operator==(const Font &, const Font &) = default;
};

namespace fonts {
inline constexpr Font regular{8.25, false};
inline constexpr Font bold{8.25, true};
inline constexpr Font large{9.75, false};
inline constexpr Font largeBold{9.75, true};
} // namespace fonts

enum class Kind : std::uint8_t {
    Label,
    TextBox, // single-line input field
    Button,
    Frame,        // captioned group with a background colour
    ComboBox,     // editable bar-diameter list; `items` holds the entries
    OptionButton, // radio button
    PictureBox,   // container with a drawing (set by the window) and an optional border
    Image,        // borderless drawing without children
    Line,         // left/top = first end point, width/height = second end point
    Rectangle,    // shape; `fore` is the border colour, `fill`/`fillColour` the hatch
    Ellipse,
    TabControl, // a row of tabs; children name it as parent and give their `tab`
};

enum class Align : std::uint8_t { Left, Centre, Right };
enum class Pen : std::uint8_t { Solid, Dash, Dot, None };
enum class Fill : std::uint8_t {
    None,
    Solid,
    DownwardDiagonal,
    UpwardDiagonal,
    DiagonalCross,
    Cross,
    Horizontal,
    Vertical
};

// The text of an option button, in its table row (does it start selected) and among the
// input texts of a design run.
inline constexpr std::string_view kSelected = "1";
inline constexpr std::string_view kCleared = "0";

// What a click on a control does, for the controls every design window shares.
enum class Action : std::uint8_t {
    None,
    Design, // buttons: run the design; lists: a pick reruns the design
    Back,   // close this window and open the main window
    Print,  // print this window
    Exit,   // end the program
};

// One row of a window's control table, in the order the window's design lists it.
// Designated initialisers keep rows readable; fields must be given in this order.
struct Control {
    std::string_view name; // becomes the widget's objectName
    Kind kind = Kind::Label;
    std::string_view parent = {}; // container name; empty for the window's client area
    int tab = -1;                 // tab index when `parent` is a tab control
    std::string_view text = {};   // caption or default text
    int left = 0;                 // twips, relative to the container
    int top = 0;
    int width = 0;
    int height = 0;
    Colour back = {}; // background; unset means transparent (labels) or default
    Colour fore = {}; // text or line colour
    Font font = {};
    Align align = Align::Left;
    bool visible = true;
    bool autoSize = false; // labels: size to the text
    std::string_view tooltip = {};
    std::string_view items = {}; // lists: entries separated by '|'
    Pen pen = Pen::Solid;        // lines and shape borders
    int penWidth = 1;            // pixels
    Fill fill = Fill::None;      // shapes
    Colour fillColour = {};
    Action action = Action::None;
    bool border = true; // text boxes and picture boxes: the sunken 3-D border
};

// A line from (x1, y1) to (x2, y2) in twips.
constexpr Control line(std::string_view name, std::string_view parent, int x1, int y1, int x2,
                       int y2, Colour colour, Pen pen = Pen::Solid, int penWidth = 1, int tab = -1)
{
    Control row;
    row.name = name;
    row.kind = Kind::Line;
    row.parent = parent;
    row.tab = tab;
    row.left = x1;
    row.top = y1;
    row.width = x2;
    row.height = y2;
    row.fore = colour;
    row.pen = pen;
    row.penWidth = penWidth;
    return row;
}

// The row of a control by name, or nullptr.
constexpr const Control *findControl(std::span<const Control> table, std::string_view name)
{
    for (const Control &row : table) {
        if (row.name == name)
            return &row;
    }
    return nullptr;
}

} // namespace core

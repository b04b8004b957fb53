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
inline constexpr Font largeBoldUnderlined{9.75, true, false, true};
inline constexpr Font largeBoldItalicUnderlined{9.75, true, true, true};
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

// --- the rows of a table ---------------------------------------------------------------------
//
// Every window's table is written with one vocabulary: a builder per kind of control takes the
// control's name, where it sits, its caption or default text, its box and its look; `hidden` and
// `autoSized` add what a row needs beyond that. A window's tables name their looks
// once (`inline constexpr Look kCaption{...}`) and build every row from them.

// Where a control sits: its container (none for the window's client area) and, on a tab
// control, the tab.
struct Place {
    std::string_view parent = {};
    int tab = -1;
};

// Where a control stands in its container and how large it is, in twips.
struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The colours, font and alignment of a control.
struct Look {
    Colour back = {};
    Colour fore = {};
    Font font = {};
    Align align = Align::Left;
};

// A control of any kind, named, placed, captioned, sized and with its look.
constexpr Control control(Kind kind, std::string_view name, Place place, std::string_view text,
                          Box box, Look look = {})
{
    Control row;
    row.name = name;
    row.kind = kind;
    row.parent = place.parent;
    row.tab = place.tab;
    row.text = text;
    row.left = box.left;
    row.top = box.top;
    row.width = box.width;
    row.height = box.height;
    row.back = look.back;
    row.fore = look.fore;
    row.font = look.font;
    row.align = look.align;
    return row;
}

constexpr Control label(std::string_view name, Place place, std::string_view text, Box box,
                        Look look = {})
{
    return control(Kind::Label, name, place, text, box, look);
}

// A single-line input field with its default text.
constexpr Control textBox(std::string_view name, Place place, std::string_view text, Box box,
                          Look look = {})
{
    return control(Kind::TextBox, name, place, text, box, look);
}

constexpr Control frame(std::string_view name, Place place, std::string_view text, Box box,
                        Look look = {})
{
    return control(Kind::Frame, name, place, text, box, look);
}

// A picture box: a container with a drawing the window sets.
constexpr Control picture(std::string_view name, Place place, Box box, Look look = {})
{
    return control(Kind::PictureBox, name, place, {}, box, look);
}

// A borderless drawing without children.
constexpr Control image(std::string_view name, Place place, Box box)
{
    return control(Kind::Image, name, place, {}, box);
}

// A radio button; its text is kSelected when it starts selected.
constexpr Control option(std::string_view name, Place place, std::string_view text, Box box,
                         Look look = {})
{
    return control(Kind::OptionButton, name, place, text, box, look);
}

constexpr Control button(std::string_view name, Place place, std::string_view text, Box box,
                         Look look, Action action, std::string_view tooltip = {})
{
    Control row = control(Kind::Button, name, place, text, box, look);
    row.tooltip = tooltip;
    row.action = action;
    return row;
}

// An editable list of bar diameters, `items` separated by '|', showing `text`; a pick reruns
// the design.
constexpr Control barList(std::string_view name, Place place, std::string_view text, Box box,
                          std::string_view items, Look look = {})
{
    Control row = control(Kind::ComboBox, name, place, text, box, look);
    row.items = items;
    row.action = Action::Design;
    return row;
}

// How a shape is drawn: its border's colour and pen, and the hatch inside it with its colour.
struct Outline {
    Colour border = {};
    Pen pen = Pen::Solid;
    Fill fill = Fill::None;
    Colour hatch = {};
};

constexpr Control rectangle(std::string_view name, Place place, Box box, Outline outline)
{
    Control row = control(Kind::Rectangle, name, place, {}, box, {.fore = outline.border});
    row.pen = outline.pen;
    row.fill = outline.fill;
    row.fillColour = outline.hatch;
    return row;
}

// A row of tabs, `items` separated by '|'; its controls name it as their parent with their tab.
constexpr Control tabControl(std::string_view name, std::string_view text, Box box,
                             std::string_view items, Look look = {})
{
    Control row = control(Kind::TabControl, name, {}, text, box, look);
    row.items = items;
    return row;
}

// A control that starts hidden, for a case to show.
constexpr Control hidden(Control row)
{
    row.visible = false;
    return row;
}

// A label sized to its text.
constexpr Control autoSized(Control row)
{
    row.autoSize = true;
    return row;
}

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

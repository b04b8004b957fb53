#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace core {

// One check of a design: the demand, the capacity it is held against, and whether it passes,
// by the same comparison the window's message uses (demand ≤ capacity passes), so a "Safe"
// text and a ratio above 1 never disagree. A check the window reports as "No Shear" or
// "No Punch" does not apply, and says why.
struct Check {
    enum class Outcome : std::uint8_t { Pass, Fail, NotApplicable };

    std::string footing;        // the footing or beam it belongs to: "Footing", "Footing -1-"
    std::string name;           // "Bearing", "One-way shear", "Punching", "Flexural bond", ...
    std::string demandSymbol;   // "qsh"
    std::string capacitySymbol; // "qcu"
    double demand = 0;
    double capacity = 0;
    std::string unit;
    Outcome outcome = Outcome::Pass;
    std::string reason;  // why it does not apply
    std::string control; // the window's check label that shows it, if any (for its tooltip)

    // demand / capacity; meaningful only when the check applies.
    double ratio() const { return demand / capacity; }
    bool applies() const { return outcome != Outcome::NotApplicable; }
    std::optional<bool> passes() const
    {
        if (!applies())
            return std::nullopt;
        return outcome == Outcome::Pass;
    }
};

// Something the engineer must know that the window's results do not say: a footing partly
// without contact with the soil, for example.
struct Warning {
    std::string footing;
    std::string text;                  // one sentence
    std::vector<std::string> controls; // the window's fields it concerns (for their tooltips)
};

// A block of concrete to order: length × width × thickness, in m.
struct ConcreteBlock {
    std::string footing;
    std::string part; // "PC footing", "RC footing", "Strap beam", ...
    double length = 0;
    double width = 0;
    double thickness = 0;
    double volume() const { return length * width * thickness; }
};

// One line of the bar schedule: `count` bars of one diameter and shape, each `length` long.
struct BarLine {
    std::string footing;
    std::string mark;        // "1", "2", ... within the footing
    std::string description; // "long direction, bottom", "stirrups of the strap beam"
    double diameter = 0;     // mm
    std::string shape;       // "straight", "closed stirrup"
    double count = 0;        // number of bars
    double length = 0;       // m, one bar
    double totalLength() const { return count * length; }
    // Mass of steel at 0.00617 φ² kg/m with φ in mm (7850 kg/m³ × π / 4 × 10⁻⁶).
    double mass() const { return totalLength() * 0.00617 * diameter * diameter; }
};

// A shape of the footing's vector sketch, in cm. Plan sketches have x along L and y along B;
// section sketches have x across the footing and y downwards from its top.
struct SketchShape {
    enum class Kind : std::uint8_t {
        PlainConcrete,      // rectangle, hatched
        ReinforcedConcrete, // rectangle, outlined
        Column,             // rectangle, filled
        Wall,               // rectangle, filled lighter
        Beam,               // rectangle, dashed outline
        Bars,               // line of bars with its text ("29 Φ 12")
        Dimension,          // measured line with its text ("2.60 m")
        Text,               // text at (x1, y1)
    };
    Kind kind = Kind::ReinforcedConcrete;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // corners, or the two ends of a line
    std::string text;
};

// A sketch of one footing: a title ("Footing -1-, plan") and its shapes.
struct Sketch {
    std::string title;
    std::vector<SketchShape> shapes;
};

} // namespace core

#pragma once

#include "core/design.h"

// The plausible ranges of the design inputs, shared by the four design windows so that the same
// quantity has the same range everywhere. A range is wide enough for every real footing; a
// number outside it is a slip of the keyboard (a missing decimal point, a wrong unit) or an
// attempt to break the program, and is refused with the range in the message. Both ends are
// included.
namespace core::ranges {

struct Range {
    double low;
    double high;
};

// Ultimate load of one column, t: from a canopy post to the heaviest columns of high-rise
// towers (a 60-storey core column carries some 3,000 to 4,000 t factored).
inline constexpr Range kColumnLoad{1, 5000};
// Ultimate load of a wall, t per metre: from a garden wall to a tower's shear wall.
inline constexpr Range kWallLoad{1, 500};
// Ultimate moment at a column base, t.m, either sign.
inline constexpr Range kColumnMoment{-1000, 1000};
// Ultimate moment at a wall base, t.m per metre, either sign.
inline constexpr Range kWallMoment{-300, 300};
// Column sides, cm: from the thinnest columns built (codes ask for 20 cm or more) to the
// widest piers and wall-like columns.
inline constexpr Range kColumnSide{15, 400};
// Wall thickness, cm: from a 10 cm block partition to a massive basement wall.
inline constexpr Range kWallThickness{10, 200};
// Plain-concrete blinding under the footing, cm: from the thinnest layer laid (5 cm) to a
// mass-concrete pad.
inline constexpr Range kPlainConcreteThickness{5, 200};
// Thickness of a reinforced footing or beam, cm: from the thinnest slab cast on the ground
// to the 3.5 to 4 m mats under the tallest towers.
inline constexpr Range kReinforcedThickness{10, 400};
// Concrete cover, cm: from the least any code allows (about 2 cm, bars inside a building)
// to twice the 7.5 cm asked for concrete cast against the soil.
inline constexpr Range kCover{2, 15};
// Characteristic cube strength of concrete, kg/cm2: the weakest and strongest classes of
// EN 206 (C8/10 with a 10 N/mm2 cube, C90/105 with 105 N/mm2), about 100 and 1000.
inline constexpr Range kConcreteStrength{100, 1000};
// Yield strength of the bars, kg/cm2: below the mildest steel made (2400, grade 24/35) to
// above the strongest grade the codes admit (ASTM Grade 100, 690 N/mm2, about 7030).
inline constexpr Range kSteelYield{1800, 8000};
// Allowable soil stress, kg/cm2: from very soft clay (about 25 kN/m2) to sound igneous rock
// (about 10,000 kN/m2 in the presumed bearing values of BS 8004).
inline constexpr Range kSoilStress{0.25, 100};
// Bar diameters, mm: the sizes of BS 4449 and EN 10080, 6 to 50 mm.
inline constexpr Range kBarDiameter{6, 50};
// Distance between column centres, m: from columns almost touching (the reason for a
// combined footing) to longer than any strap or footing beam spans.
inline constexpr Range kColumnSpacing{0.5, 20};
// Assumed length of a footing, m.
inline constexpr Range kFootingLength{0.5, 30};

} // namespace core::ranges

namespace core {

// An input row with its plausible range.
constexpr InputField ranged(InputField field, ranges::Range range)
{
    field.low = range.low;
    field.high = range.high;
    return field;
}

} // namespace core

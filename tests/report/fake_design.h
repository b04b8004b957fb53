#pragma once

#include "core/design.h"

// A small design window for the report's tests: a square pad under one column whose run
// records every kind of calculation record there is (inputs read, headings, steps with terms
// and notes, a value noted without its formula, passing, failing and not-applicable checks, a
// warning, concrete blocks, bar lines, two sketches, assumptions), with events as a window's.
namespace fake {

// Controls of the fake window.
inline constexpr const char *kLoad = "Text1";     // P, t
inline constexpr const char *kStrength = "Text2"; // fcu, kg/cm2
inline constexpr const char *kSoil = "Text3";     // qall, kg/cm2
inline constexpr const char *kSide = "Text4";     // B, m
inline constexpr const char *kThick = "Text5";    // t, cm
inline constexpr const char *kCover = "Text6";    // cover, cm
inline constexpr const char *kEccent = "Text7";   // e, cm (the eccentric case)
inline constexpr const char *kBars = "Combo1";    // φ, mm
inline constexpr const char *kWall = "Option1";   // a brick wall rather than a column

enum Case : int { kCentred = 0, kEccentric = 1 };

// The window, with "pad" as its command. With its default texts the centred case passes
// bearing and shear, fails bond and finds punching not applicable; the eccentric case also
// leaves part of the footing without contact (qmin < 0) and warns about it.
const core::DesignWindowInfo &padWindow();

// The same window whose run, on request, writes a formula with a symbol it never defined
// ("ghost"), for the tests of the test that finds such formulas.
const core::DesignWindowInfo &brokenWindow();

} // namespace fake

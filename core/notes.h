#pragma once

#include "core/term.h"

#include <string>

// How the notes of a calculation and the texts of its sketches write numbers.
namespace core {

// A quantity as a note writes it: "9.682" (see reportNumber).
std::string noteNumber(const Term &value);
// "formula = value", for the notes that say why a branch was taken: "dr = 45".
std::string shown(const Term &value);
// A length in cm written in m with two decimals, as a sketch dimensions it: "2.60 m"; "—" when
// it is not a finite number.
std::string metres(double cm);
// A bar set as a sketch labels it: "25 Φ 16".
std::string barsText(double count, double diameter);
std::string barsText(const Term &count, const Term &diameter);

} // namespace core

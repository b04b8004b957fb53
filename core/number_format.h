#pragma once

#include <string>

namespace core {

// The general number format of every result field: the shortest decimal text of at most
// 15 significant digits, no trailing zeros or point, "0.6" rather than ".6", and a capital-E
// exponent with a sign and at least two digits below 0.0001 and from 1E+15 upwards.
std::string formatNumber(double value);

// Round(x, n): scale by 10^n, round halves to the even neighbour, scale back.
double roundHalfEven(double value, int decimals);

// The next multiple of 5 strictly above x: up5(240) = 245, up5(241) = 245.
double up5(double x);

} // namespace core

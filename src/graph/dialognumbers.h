#pragma once
// Number text of the setup dialogs, which (unlike the engineering-notation fields) show plain
// fixed-point or shortest decimal numbers and read plain decimal numbers without unit letters.

#include "graph/intgeometry.h"

#include <string>
#include <string_view>

namespace norvane {

// x with `decimals` digits after the point, no leading blanks ("-12.35", "0.500"). NaN shows
// as 0 and the infinities as the largest finite double, so a field never reads "nan".
std::string fixedText(double x, int decimals);

// The shortest decimal form with up to 15 significant digits ("10", "0.25", "1e-09").
std::string shortestText(double x);

// A decimal number with optional sign, fraction and exponent, surrounded by nothing but
// blanks; anything else (unit letters included) reads as 0, as do overflowing numbers.
double parsePlainNumber(std::string_view text);

// A dialog of the given size centred over the graph window (halves truncate).
IntPoint centredOver(const IntRect& window, int dialogWidth, int dialogHeight);

} // namespace norvane

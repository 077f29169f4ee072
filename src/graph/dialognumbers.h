#pragma once
// Number text of the setup dialogs, which (unlike the engineering-notation fields) show plain
// fixed-point (FixedText of the results text forms) or shortest decimal numbers and read plain
// decimal numbers without unit letters.

#include "graph/intgeometry.h"

#include <string>
#include <string_view>

namespace norvane {

// The shortest decimal form with up to 15 significant digits ("10", "0.25", "1e-09").
std::string shortestText(double x);

// A decimal number with optional sign, fraction and exponent, surrounded by nothing but
// blanks; anything else (unit letters included) reads as 0, as do overflowing numbers.
double parsePlainNumber(std::string_view text);

// A dialog of the given size centred over the graph window (halves truncate).
IntPoint centredOver(const IntRect& window, int dialogWidth, int dialogHeight);

} // namespace norvane

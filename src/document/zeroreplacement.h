#pragma once
// The harmless values stored instead of an exact zero where the element stamps divide by a
// value: the property dialogs apply them to what the user enters, and the file reader to
// what a file holds, so that no stamp ever divides by zero.

#include "document/schema.h"

namespace norvane {

namespace zeroreplacement {
constexpr double kResistance = 1e-6; // resistor
constexpr double kReactance = 1e-20; // capacitance, inductance, op-amp Ri/Ro, line Zo/length
constexpr double kVelocity = 1.0;    // line phase velocity, m/s
} // namespace zeroreplacement

// `x`, or `replacement` when x is exactly zero.
double replaceZero(double x, double replacement);

// Applies the dialogs' replacements to the nominal values of a component of any kind (a
// resistor's R, a capacitor's C, an inductor's L, an op-amp's Ri and Ro, a line's Zo,
// velocity and length); other kinds and other slots are left as they are.
void ReplaceZeroValues(Tcomponent& comp);

} // namespace norvane

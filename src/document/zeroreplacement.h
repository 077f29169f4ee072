#pragma once
// The harmless values stored instead of an exact zero where the element stamps divide by a
// value: the property dialogs apply them to what the user enters, and the file reader to
// what a file holds, so that no stamp ever divides by zero. Which parameter of which kind takes
// which replacement is in the kind descriptions (componentkinds.h, replaceZeroValues).

namespace norvane {

namespace zeroreplacement {
constexpr double kResistance = 1e-6; // resistor
constexpr double kReactance = 1e-20; // capacitance, inductance, op-amp Ri/Ro, line Zo/length
constexpr double kVelocity = 1.0;    // line phase velocity, m/s
} // namespace zeroreplacement

// `x`, or `replacement` when x is exactly zero.
double replaceZero(double x, double replacement);

} // namespace norvane

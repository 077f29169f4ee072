#pragma once
// The fixed scientific form in which Doubles are written to the schematic and configuration
// files: 23 characters, a sign position (blank or "-"), one digit, a point, 14 decimals, "E",
// the exponent's sign and four exponent digits. -50 is "-5.00000000000000E+0001" and 1000 is
// " 1.00000000000000E+0003". ParseValueText reads it back (it skips the leading blank).

#include <string>

namespace norvane {

// Never writes "nan" or "inf": NaN is written as 0 and the infinities as the largest finite
// double of their sign, so every file stays readable.
std::string formatFileReal(double x);

} // namespace norvane

#pragma once
// The calculations of the RF calculator's pages. Each takes the values of all fields and the
// field the user gave (or, on the resonance page, the locked fields) and returns the fields
// to write, in order, with their new values and texts.
//
// Results are written one after another, and a formula that uses an earlier result reads it
// as its field shows it (rounded to the field's decimals), just as a user re-entering the
// numbers would get. A result that cannot be computed (a zero frequency, the square root of a
// negative number...) is written empty with a message naming the problem; results that do not
// depend on it are still written.

#include "assist/resonancelocks.h"
#include "assist/rffields.h"

#include <optional>
#include <string>
#include <vector>

namespace norvane {

struct RfWrite
{
  RfField field;
  std::optional<double> value; // empty: no valid result, the field is cleared (see text)
  std::string text;            // the field's new text ("" when cleared, "#####" for 0 W)
};

struct RfPageResult
{
  std::vector<RfWrite> writes;
  std::string error;       // the floating-point problem, for an error box ("" if none)
  std::string information; // "number out of range", for an information box ("" if none)

  const RfWrite* find(RfField field) const;
  std::optional<double> value(RfField field) const;
};

// The message of a power of ten whose exponent is out of range (its value is taken as 0).
inline constexpr const char* kNumberOutOfRange = "number out of range";

// "Return Loss/VSWR": `given` is one of its four fields.
RfPageResult calcReturnLossPage(RfField given, const RfFieldValues& values);
// "Signal Level": `given` is dBm, Watts, Volts rms or Volts pk-pk (the system impedance
// counts as dBm).
RfPageResult calcSignalLevelPage(RfField given, const RfFieldValues& values);
// "Resonance/Reactance": computes from the fields whose lock buttons are down.
RfPageResult calcResonancePage(const ResonanceLocks& locks, const RfFieldValues& values);
// "Thermal noise": the power in watts, the bandwidth or temperature, or the power in dBm.
RfPageResult calcThermalNoisePage(RfField given, const RfFieldValues& values);
// "Freq / Wavelength": velocity, length or frequency (all one case), the delay or the phase.
RfPageResult calcFreqWavelengthPage(RfField given, const RfFieldValues& values);

} // namespace norvane

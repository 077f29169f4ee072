#pragma once
// The checks around an Auto Match that keep it from designing from numbers that do not hold:
// the match frequency must lie where the circuit is known (inside the sweep and inside the
// frequency range of every S-parameter data block it uses), a simultaneous conjugate match
// needs a circuit that is unconditionally stable at that frequency, and the matched circuit
// is looked over its whole sweep for ports that would reflect more than they receive.

#include "document/schematic.h"
#include "sim/complex.h"

#include <string>

namespace norvane {

// Why a match at `frequency` (Hz) cannot be computed from this circuit, or an empty text: the
// frequency lies outside the document's sweep, or outside the stored data of a data block in
// the drawing (the block's S-parameters would be extrapolated). A margin of 0.1 % allows for
// the three decimals of the window's frequency field.
std::string matchFrequencyProblem(const Schematic& doc, double frequency);

// Rollett's stability factor K = (1 - |S11|^2 - |S22|^2 + |Delta|^2) / (2 |S12 S21|) and
// |Delta| = |S11 S22 - S12 S21| (Gonzalez, "Microwave Transistor Amplifiers", 3.3). A
// unilateral two-port (S12 S21 = 0) has an infinite K of the numerator's sign.
struct StabilityFactors
{
  double k = 0.0;
  double deltaMagnitude = 0.0;
  // A simultaneous conjugate match with both reflections inside the unit circle exists only
  // for K > 1 together with |Delta| < 1.
  bool unconditionallyStable() const { return k > 1.0 && deltaMagnitude < 1.0; }
};
StabilityFactors rollettStability(Complex s11, Complex s21, Complex s12, Complex s22);

// The largest port reflection of the circuit over its sweep, with nominal values, both
// present ports excited. `magnitude` stays 0 when the circuit cannot be swept.
struct ReflectionPeak
{
  double magnitude = 0.0; // |S11| or |S22|
  double frequency = 0.0; // Hz
  int port = 0;           // 1 for S11, 2 for S22
};
ReflectionPeak largestReflection(const Schematic& doc);

// The warning for a matched circuit that reflects more than it receives somewhere in its
// sweep (it would oscillate there), or an empty text when every |S11| and |S22| is at most 1.
std::string oscillationWarning(const ReflectionPeak& peak);

} // namespace norvane

#include "assist/inductors.h"

#include "assist/calcconstants.h"
#include "assist/fpguard.h"

#include <cmath>

namespace norvane {

using calcconst::kPi;

InductanceResult calcAirCoreInductor(const AirCoreInductorInput& in)
{
  // Wheeler's single-layer solenoid formula, L = d^2 n^2 / (18 d + 40 l) uH in inches,
  // rewritten for millimetres and nanohenry: L = N^2 D^2 / (0.45 D + l) nH.
  const double lengthMm = in.length * 1000.0;
  const double diameterMm = in.diameter * 1000.0;
  FpGuard g;
  const double l = g.div(in.turns * in.turns * diameterMm * diameterMm * 1e-9,
                         0.45 * diameterMm + lengthMm, "the coil length and diameter are 0");
  InductanceResult r;
  r.inductance = g.finish(l, "the inductance");
  r.error = g.message();
  return r;
}

InductanceResult calcSpiralInductor(const SpiralInductorInput& in)
{
  // Square printed spiral with track width equal to the spacing: L ~ 8.5 A N^(5/3) nH with
  // the side A in centimetres. A low-frequency approximation.
  const double sideCm = in.sideLength * 100.0;
  FpGuard g;
  InductanceResult r;
  if (in.turns < 0) g.fail("Invalid floating point operation: the number of turns is negative");
  r.inductance = g.finish(8.5e-9 * sideCm * std::pow(in.turns, 5.0 / 3.0), "the inductance");
  r.error = g.message();
  return r;
}

ShortedStubResult calcShortedStub(const ShortedStubInput& in)
{
  // A lossless line shorted at its far end: Zin = j Zo tan(beta l), beta = 2 pi f / v.
  FpGuard g;
  const double theta =
      g.div(2.0 * kPi * in.length * in.frequency, in.velocity, "the phase velocity is 0");
  const double x = in.impedance * std::tan(theta);
  const double l = g.div(x, 2.0 * kPi * in.frequency, "the frequency is 0");
  ShortedStubResult r;
  r.electricalLength = g.finish(theta, "the electrical length");
  r.reactance = g.finish(x, "the reactance");
  r.inductance = g.finish(l, "the inductance");
  r.error = g.message();
  return r;
}

} // namespace norvane

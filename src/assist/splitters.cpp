#include "assist/splitters.h"

#include "assist/calcconstants.h"
#include "assist/fpguard.h"

#include <numbers>

namespace norvane {

using calcconst::kPi;

ResistiveSplitterResult calcResistiveSplitter(double systemImpedance)
{
  // Three equal arms of Zo / 3 match every port to Zo.
  FpGuard g;
  ResistiveSplitterResult r;
  r.resistance = g.finish(systemImpedance / 3.0, "the resistance");
  r.error = g.message();
  return r;
}

WilkinsonResult calcWilkinson(const WilkinsonInput& in)
{
  FpGuard g;
  const double sqrt2 = std::numbers::sqrt2;
  WilkinsonResult r;
  // L = sqrt(2) Zo / (2 pi f): the reactance of the sqrt(2) Zo quarter-wave arm.
  r.inductance =
      g.finish(g.div(in.systemImpedance, sqrt2 * kPi * in.frequency, "the frequency is 0"),
               "the inductance");
  const double c1 = g.div(1.0, 2.0 * sqrt2 * kPi * in.frequency * in.systemImpedance,
                          "the frequency or the system impedance is 0");
  r.outputCapacitance = g.finish(c1, "the capacitance C1");
  r.inputCapacitance = g.finish(g.div(2.0, 2.0 * sqrt2 * kPi * in.frequency * in.systemImpedance,
                                      "the frequency or the system impedance is 0"),
                                "the capacitance C2");
  r.resistance = g.finish(2.0 * in.systemImpedance, "the resistance");
  r.error = g.message();
  return r;
}

} // namespace norvane

#include "assist/couplers.h"

#include "assist/calcconstants.h"
#include "assist/fpguard.h"
#include "assist/txlines.h"

#include <cmath>

namespace norvane {

using calcconst::kPi;

CouplingResult calcTransformerCoupler(const TransformerCouplerInput& in)
{
  // A transformer of turns ratio n1 : n2 couples 20 log10(n1 / n2) dB. The coupled port of a
  // passive coupler is never above its input, so the coupling is the smaller winding over the
  // larger one whichever way round they are given: 1 : 10 and 10 : 1 (or 1 : 0.5 and 0.5 : 1)
  // both couple 20 (6) dB down.
  FpGuard g;
  const double ratio = g.div(in.primaryTurns, in.secondaryTurns, "the secondary turns are 0");
  CouplingResult r;
  r.couplingDb =
      g.finish(-std::fabs(20.0 * g.log10(ratio, "the turns must be above 0")), "the coupling");
  r.error = g.message();
  return r;
}

namespace {
// The strongest coupling the quarter-wave coupler's approximation covers.
constexpr double kQuarterWaveMaxCouplingDb = -15.0;
// Cohn's thick coupled-strip formulas assume the fringing fields of a strip's two edges do not
// interact: W/(b - t) >= 0.35 (Cohn, "Thickness corrections for capacitive obstacles and strip
// conductors", IRE Trans. MTT-8, 1960).
constexpr double kCoupledStriplineMinWidthRatio = 0.35;

// The coupling of a series capacitor C1 into Zo: |S21| ~ 2 pi f C1 Zo while that is small.
double capacitiveCouplingDb(const CapacitiveCouplerInput& in, FpGuard& g)
{
  return 20.0 * g.log10(2.0 * kPi * in.frequency * in.couplingCap * in.systemImpedance,
                        "the impedance, capacitor and frequency must be above 0");
}
} // namespace

CouplingResult calcQuarterWaveCoupler(const CapacitiveCouplerInput& in)
{
  FpGuard g;
  CouplingResult r;
  r.couplingDb = g.finish(capacitiveCouplingDb(in, g), "the coupling");
  r.error = g.message();
  // |S21| ~ 2 pi f C1 Zo holds only while C1 loads the line lightly: the page's note gives
  // couplings below -15 dB.
  if (r.couplingDb && *r.couplingDb >= kQuarterWaveMaxCouplingDb)
    r.warning = outOfRangeWarning({"coupling " + ratioText(*r.couplingDb) + "dB (below -15dB)"});
  return r;
}

LumpedCouplerResult calcLumpedCoupler(const CapacitiveCouplerInput& in)
{
  FpGuard g;
  LumpedCouplerResult r;
  r.couplingDb = g.finish(capacitiveCouplingDb(in, g), "the coupling");
  // L1 and C2 have the reactance Zo at f.
  r.inductance = g.finish(g.div(in.systemImpedance, 2.0 * kPi * in.frequency, "the frequency is 0"),
                          "the inductance");
  r.capacitance = g.finish(g.div(1.0, 2.0 * kPi * in.frequency * in.systemImpedance,
                                 "the frequency or the system impedance is 0"),
                           "the capacitance");
  r.error = g.message();
  return r;
}

std::optional<double> lumpedCouplerMaxC1Pf(double frequency, double systemImpedance)
{
  const double limit = calcconst::kLumpedCouplerC1Limit / (2.0 * kPi * frequency * systemImpedance);
  if (!(frequency > 0 && systemImpedance > 0) || !std::isfinite(limit)) return std::nullopt;
  return limit;
}

CoupledLineResult calcCoupledStripline(const CoupledStriplineInput& in)
{
  CoupledLineResult r;
  const double b = in.groundSpacing;
  const double t = in.thickness;
  if (!(t > 0 && in.width > 0 && in.spacing > 0)) {
    r.error = "the line thickness, width and spacing must be above 0";
    return r;
  }
  if (!(t < b)) {
    r.error = "the line thickness must be less than the ground plane spacing";
    return r;
  }
  if (!(in.permittivity > 0)) {
    r.error = "the dielectric permittivity must be above 0";
    return r;
  }
  FpGuard g;
  // Cohn's edge-coupled thick striplines: the fringing capacitance Cf of a thick strip, and
  // the even/odd fringing factors Ae, Ao of the gap.
  const double cf = 2.0 * std::log((2.0 * b - t) / (b - t)) -
                    (t / b) * std::log(t * (2.0 * b - t) / ((b - t) * (b - t)));
  const double theta = kPi * in.spacing / (2.0 * b);
  double tanhTheta = 1.0;
  double cothTheta = 1.0;
  // Beyond this e^theta overflows; both are 1 to double precision long before.
  if (theta < 350.0) {
    const double ep = std::exp(theta);
    const double em = std::exp(-theta);
    tanhTheta = (ep - em) / (ep + em);
    cothTheta = (ep + em) / (ep - em);
  }
  const double ae = 1.0 + std::log(1.0 + tanhTheta) / std::log(2.0);
  const double ao = 1.0 + std::log(1.0 + cothTheta) / std::log(2.0);
  const double k = calcconst::kThirtyPi * (b - t) / std::sqrt(in.permittivity);
  const double fringe = b * cf / (2.0 * kPi);
  const double z0e = g.div(k, in.width + fringe * ae, "the even-mode width term is 0");
  const double z0o = g.div(k, in.width + fringe * ao, "the odd-mode width term is 0");
  if (!(z0e > 0 && z0o > 0) && !g.failed()) {
    r.error = "the dimensions are outside the range of the coupled-stripline formula";
    return r;
  }
  if (z0e == z0o) {
    r.error = "the lines are too far apart to couple";
    return r;
  }
  r.evenImpedance = g.finish(z0e, "the even-mode impedance");
  r.oddImpedance = g.finish(z0o, "the odd-mode impedance");
  r.couplingDb =
      g.finish(calcconst::kCouplingDbPerNeper * std::log(std::fabs((z0e - z0o) / (z0e + z0o))),
               "the coupling");
  r.lineImpedance = g.finish(std::sqrt(z0e * z0o), "the line impedance");
  if (g.failed()) return failedResult<CoupledLineResult>(g.message());
  const double widthRatio = in.width / (b - t);
  if (widthRatio < kCoupledStriplineMinWidthRatio)
    r.warning = outOfRangeWarning({"W/(b-t) " + ratioText(widthRatio) + " (0.35 or more)"});
  return r;
}

} // namespace norvane

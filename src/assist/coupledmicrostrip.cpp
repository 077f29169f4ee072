#include "assist/coupledmicrostrip.h"

#include "assist/calcconstants.h"
#include "assist/fpguard.h"
#include "assist/txlines.h"

#include <cmath>
#include <vector>

namespace norvane {

CoupledMicrostripResult calcCoupledMicrostrip(const CoupledMicrostripInput& in)
{
  CoupledMicrostripResult r;
  if (!(in.spacing > 0)) {
    r.error = "the line spacing must be above 0";
    return r;
  }
  // The single line, with the same thickness correction as the microstrip calculator.
  const MicrostripResult single = calcMicrostrip({.width = in.width,
                                                  .thickness = in.thickness,
                                                  .height = in.height,
                                                  .permittivity = in.permittivity});
  if (!single.error.empty()) {
    r.error = single.error;
    return r;
  }
  const double z0 = *single.impedance;
  const double ee = *single.effectivePermittivity;
  const double er = in.permittivity;
  const double u = in.width / in.height;
  const double g = in.spacing / in.height;
  FpGuard guard;

  // Kirschning & Jansen, "Accurate wide-range design equations for the frequency-dependent
  // characteristic of parallel coupled microstrip lines", IEEE MTT-32 (1984), static part.
  // Even- and odd-mode effective permittivities.
  const double v = u * (20.0 + g * g) / (10.0 + g * g) + g * std::exp(-g);
  const double v4 = std::pow(v, 4.0);
  const double ae = 1.0 + std::log((v4 + std::pow(v / 52.0, 2.0)) / (v4 + 0.432)) / 49.0 +
                    std::log(1.0 + std::pow(v / 18.1, 3.0)) / 18.7;
  const double be = 0.564 * std::pow((er - 0.9) / (er + 3.0), 0.053);
  const double eeEven = (er + 1.0) / 2.0 + ((er - 1.0) / 2.0) * std::pow(1.0 + 10.0 / v, -ae * be);
  const double ao = 0.7287 * (ee - (er + 1.0) / 2.0) * (1.0 - std::exp(-0.179 * u));
  const double bo = 0.747 * er / (0.15 + er);
  const double co = bo - (bo - 0.207) * std::exp(-0.414 * u);
  const double dOdd = 0.593 + 0.694 * std::exp(-0.562 * u);
  const double eeOdd = ee + ((er + 1.0) / 2.0 + ao - ee) * std::exp(-co * std::pow(g, dOdd));

  // Even- and odd-mode impedances.
  const double q1 = 0.8695 * std::pow(u, 0.194);
  const double q2 = 1.0 + 0.7519 * g + 0.189 * std::pow(g, 2.31);
  const double q3 = 0.1975 + std::pow(16.6 + std::pow(8.4 / g, 6.0), -0.387) +
                    std::log(std::pow(g, 10.0) / (1.0 + std::pow(g / 3.4, 10.0))) / 241.0;
  const double q4 =
      (2.0 * q1 / q2) / (std::exp(-g) * std::pow(u, q3) + (2.0 - std::exp(-g)) * std::pow(u, -q3));
  const double q5 = 1.794 + 1.14 * std::log(1.0 + 0.638 / (g + 0.517 * std::pow(g, 2.43)));
  const double q6 = 0.2305 + std::log(std::pow(g, 10.0) / (1.0 + std::pow(g / 5.8, 10.0))) / 281.3 +
                    std::log(1.0 + 0.598 * std::pow(g, 1.154)) / 5.1;
  const double q7 = (10.0 + 190.0 * g * g) / (1.0 + 82.3 * g * g * g);
  const double q8 = g < 1.0 ? std::exp(-6.5 - 0.95 * std::log(g) - std::pow(g / 0.15, 5.0)) : 0.0;
  const double q9 = std::log(q7) * (q8 + 1.0 / 16.5);
  const double q10 = q4 - (q5 / q2) * std::exp(q6 * std::log(u) * std::pow(u, -q9));

  const double scale = (z0 / calcconst::kFreeSpaceImpedanceKJ) * std::sqrt(ee);
  const double denEven = 1.0 - scale * q4;
  const double denOdd = 1.0 - scale * q10;
  if (!(denEven > 0 && denOdd > 0 && eeEven > 0 && eeOdd > 0)) {
    r.error = "the dimensions are outside the range of the coupled-microstrip model";
    return r;
  }
  const double z0e = z0 * std::sqrt(ee / eeEven) / denEven;
  const double z0o = z0 * std::sqrt(ee / eeOdd) / denOdd;
  const double y = z0e / z0o;
  if (y == 1.0) {
    r.error = "the lines are too far apart to couple";
    return r;
  }

  r.singleImpedance = guard.finish(z0, "the single-line impedance");
  r.singleEffectivePermittivity = guard.finish(ee, "the effective permittivity");
  r.evenEffectivePermittivity = guard.finish(eeEven, "the even-mode permittivity");
  r.oddEffectivePermittivity = guard.finish(eeOdd, "the odd-mode permittivity");
  r.evenImpedance = guard.finish(z0e, "the even-mode impedance");
  r.oddImpedance = guard.finish(z0o, "the odd-mode impedance");
  r.couplingDb = guard.finish(
      calcconst::kCouplingDbPerNeper * std::log(std::fabs((y - 1.0) / (y + 1.0))), "the coupling");
  r.lineImpedance = guard.finish(std::sqrt(z0e * z0o), "the line impedance");
  if (guard.failed()) return failedResult<CoupledMicrostripResult>(guard.message());

  // The model's stated range: within 1 % for 0.1 <= u <= 10, 0.1 <= g <= 10 and
  // 1 <= Er <= 18 (Kirschning and Jansen, as above); the single line's thickness corrections
  // as on the microstrip page.
  std::vector<std::string> outside;
  if (u < 0.1 || u > 10.0) outside.push_back("W/H " + ratioText(u) + " (0.1 to 10)");
  if (g < 0.1 || g > 10.0) outside.push_back("spacing/H " + ratioText(g) + " (0.1 to 10)");
  if (er > 18.0) outside.push_back("Er " + ratioText(er) + " (up to 18)");
  const std::vector<std::string> thick = microstripThicknessConditions(
      {.width = in.width, .thickness = in.thickness, .height = in.height});
  outside.insert(outside.end(), thick.begin(), thick.end());
  r.warning = outOfRangeWarning(outside);
  return r;
}

} // namespace norvane

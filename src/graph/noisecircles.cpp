#include "graph/noisecircles.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace norvane {

namespace {

using Cx = std::complex<double>;

Cx cx(Complex c)
{
  return {c.re, c.im};
}

Complex fromCx(Cx c)
{
  return {c.real(), c.imag()};
}

double factorOfDb(double db)
{
  return std::pow(10.0, db / 10.0);
}

// Reference impedance of the point's Gamma-opt (as the noise analysis reports it).
constexpr double kGammaOptReference = 50.0;

} // namespace

SourceCircle noiseCircle(double nfminDb, Complex gammaOpt, double rnOhm, double z1, double nfDb)
{
  const Cx g = cx(gammaOpt);
  const double rn = rnOhm / z1;
  const double n = (factorOfDb(nfDb) - factorOfDb(nfminDb)) * std::norm(1.0 + g) / (4.0 * rn);
  SourceCircle c;
  c.valueDb = nfDb;
  c.centre = fromCx(g / (1.0 + n));
  c.radius = std::sqrt(std::max(0.0, n * n + n * (1.0 - std::norm(g)))) / (1.0 + n);
  return c;
}

std::optional<SourceCircle> availableGainCircle(Complex s11, Complex s21, Complex s12, Complex s22,
                                                double gainDb)
{
  const Cx a = cx(s11), b = cx(s21), c = cx(s12), d = cx(s22);
  const Cx delta = a * d - c * b;
  const double loop = std::abs(c * b);
  if (std::norm(b) == 0.0) return std::nullopt;
  const double k =
      loop != 0.0 ? (1.0 - std::norm(a) - std::norm(d) + std::norm(delta)) / (2.0 * loop) : 0.0;
  const double ga = factorOfDb(gainDb) / std::norm(b);
  const Cx c1 = a - delta * std::conj(d);
  const double den = 1.0 + ga * (std::norm(a) - std::norm(delta));
  const double radicand = 1.0 - 2.0 * k * loop * ga + loop * loop * ga * ga;
  if (den == 0.0 || radicand < 0.0) return std::nullopt;
  SourceCircle circle;
  circle.valueDb = gainDb;
  circle.centre = fromCx(ga * std::conj(c1) / den);
  circle.radius = std::sqrt(radicand) / std::fabs(den);
  if (!std::isfinite(circle.centre.re) || !std::isfinite(circle.centre.im) ||
      !std::isfinite(circle.radius)) {
    return std::nullopt;
  }
  return circle;
}

std::optional<NoiseCircleSet> noiseCirclesAt(const SweepPoint& point, double z1)
{
  const PointNoise& pn = point.noise;
  if (!pn.nfminDb || !pn.goptMag || !pn.goptDeg || !pn.rnOhm || !(*pn.rnOhm > 0.0) || !(z1 > 0.0)) {
    return std::nullopt;
  }
  // Gamma-opt from 50 ohm to port 1's reference: through the optimum source impedance.
  const Cx g50 = std::polar(*pn.goptMag, *pn.goptDeg * std::numbers::pi / 180.0);
  if (std::abs(1.0 - g50) == 0.0) return std::nullopt;
  const Cx zopt = kGammaOptReference * (1.0 + g50) / (1.0 - g50);
  const Cx g = (zopt - z1) / (zopt + z1);

  NoiseCircleSet set;
  set.nfminDb = *pn.nfminDb;
  set.gammaOpt = fromCx(g);
  set.rnOhm = *pn.rnOhm;
  for (const double step : kNoiseCircleSteps) {
    set.noise.push_back(noiseCircle(set.nfminDb, set.gammaOpt, set.rnOhm, z1, set.nfminDb + step));
  }
  if (point.excited1 && point.excited2) {
    const Cx s21 = cx(point.s21), s12 = cx(point.s12);
    const Cx s11 = cx(point.s11), s22 = cx(point.s22);
    if (std::abs(s21) > 0.0 && std::abs(s12) > 0.0) {
      const Cx delta = s11 * s22 - s12 * s21;
      const double loop = std::abs(s12 * s21);
      const double k = (1.0 - std::norm(s11) - std::norm(s22) + std::norm(delta)) / (2.0 * loop);
      double gain = std::abs(s21) / std::abs(s12);
      if (k >= 1.0) gain *= k - std::sqrt(k * k - 1.0);
      set.maxGainDb = 10.0 * std::log10(gain);
      for (const double step : kGainCircleSteps) {
        if (auto c = availableGainCircle(point.s11, point.s21, point.s12, point.s22,
                                         *set.maxGainDb - step)) {
          set.gain.push_back(*c);
        }
      }
    }
  }
  return set;
}

} // namespace norvane

// Noise and available-gain circles: every source on a circle gives the circle's noise figure
// (computed by the noise-parameter code of the simulator) or available gain (computed here
// from its definition).

#include "graph/noisecircles.h"

#include "sim/noiseparameters.h"

#include <gtest/gtest.h>

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

std::vector<Cx> pointsOn(const SourceCircle& c)
{
  std::vector<Cx> points;
  for (int i = 0; i < 8; ++i) {
    points.push_back(cx(c.centre) + std::polar(c.radius, i * std::numbers::pi / 4));
  }
  return points;
}

TEST(NoiseCircles, EverySourceOnACircleHasItsNoiseFigure)
{
  constexpr double kT = 1.380649e-23 * 290.0;
  const double z1 = 50.0;
  const Cx gopt = std::polar(0.5, 60.0 * std::numbers::pi / 180.0);
  const NoiseParameters params{std::pow(10.0, 0.1), gopt, 20.0};
  const Matrix2 chain = chainCorrelationOf(params, kT, z1);
  for (const double nf : {1.5, 2.0, 4.0}) {
    const SourceCircle c = noiseCircle(1.0, {gopt.real(), gopt.imag()}, 20.0, z1, nf);
    EXPECT_EQ(c.valueDb, nf);
    ASSERT_GT(c.radius, 0.0);
    EXPECT_LT(std::abs(cx(c.centre)) + c.radius, 1.0); // inside the chart
    for (const Cx g : pointsOn(c)) {
      const Cx ys = (1.0 - g) / (z1 * (1.0 + g));
      const auto f = noiseFactor(chain, ys, kT);
      ASSERT_TRUE(f.has_value());
      EXPECT_NEAR(10.0 * std::log10(*f), nf, 1e-9) << g;
    }
  }
  // NFmin itself: the circle shrinks to Gamma-opt.
  const SourceCircle least = noiseCircle(1.0, {gopt.real(), gopt.imag()}, 20.0, z1, 1.0);
  EXPECT_NEAR(std::abs(cx(least.centre) - gopt), 0.0, 1e-12);
  EXPECT_NEAR(least.radius, 0.0, 1e-12);
}

TEST(NoiseCircles, EverySourceOnAGainCircleHasItsAvailableGain)
{
  // A transistor's S-parameters at 1.5 GHz (potentially unstable there is fine: the
  // available gain is defined for every passive source).
  const Cx s11 = std::polar(0.5264, -137.8 * std::numbers::pi / 180);
  const Cx s21 = std::polar(4.4308, 83.5 * std::numbers::pi / 180);
  const Cx s12 = std::polar(0.0914, 51.6 * std::numbers::pi / 180);
  const Cx s22 = std::polar(0.5076, -49.2 * std::numbers::pi / 180);
  const auto c = [](Cx z) { return Complex{z.real(), z.imag()}; };
  for (const double gain : {10.0, 14.0, 16.0}) {
    const auto circle = availableGainCircle(c(s11), c(s21), c(s12), c(s22), gain);
    ASSERT_TRUE(circle.has_value()) << gain;
    for (const Cx gs : pointsOn(*circle)) {
      if (std::abs(gs) >= 1.0) continue; // only passive sources have an available gain
      const Cx gout = s22 + s12 * s21 * gs / (1.0 - s11 * gs);
      const double ga = std::norm(s21) * (1.0 - std::norm(gs)) /
                        (std::norm(1.0 - s11 * gs) * (1.0 - std::norm(gout)));
      EXPECT_NEAR(10.0 * std::log10(ga), gain, 1e-9) << gs;
    }
  }
}

TEST(NoiseCircles, PointWithoutNoiseParametersHasNone)
{
  SweepPoint p;
  p.excited1 = p.excited2 = p.port1 = p.port2 = true;
  EXPECT_FALSE(noiseCirclesAt(p, 50.0));
  p.noise.nfminDb = 1.0;
  p.noise.goptMag = 0.3;
  p.noise.goptDeg = 45.0;
  p.noise.rnOhm = 10.0;
  // No transfer through the two-port: noise circles yes, gain circles no.
  const auto set = noiseCirclesAt(p, 50.0);
  ASSERT_TRUE(set);
  EXPECT_EQ(set->noise.size(), 4u);
  EXPECT_TRUE(set->gain.empty());
  EXPECT_FALSE(set->maxGainDb);
  // Gamma-opt carried over to a 25 ohm chart: the same optimum source impedance.
  const auto at25 = noiseCirclesAt(p, 25.0);
  ASSERT_TRUE(at25);
  const Cx g50 = std::polar(0.3, std::numbers::pi / 4);
  const Cx zopt = 50.0 * (1.0 + g50) / (1.0 - g50);
  const Cx g25 = cx(at25->gammaOpt);
  EXPECT_NEAR(std::abs(25.0 * (1.0 + g25) / (1.0 - g25) - zopt), 0.0, 1e-9);
}

} // namespace
} // namespace norvane

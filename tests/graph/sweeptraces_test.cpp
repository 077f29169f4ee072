#include "graph/sweeptraces.h"

#include <gtest/gtest.h>

#include <cmath>

namespace norvane {
namespace {

constexpr double kPi = 3.14159265358979323846;

Complex polar(double mag, double deg)
{
  return polarToComplex(mag, deg * kPi / 180.0);
}

TEST(TraceValue, Kinds)
{
  TraceValue t;
  const Complex half{0.5, 0.0};
  EXPECT_NEAR(t.value(tracetype::Log20, measwhat::S21, half, 1e6, 50, 75), -6.0205999, 1e-6);
  EXPECT_DOUBLE_EQ(t.value(tracetype::Linear, measwhat::S21, {0.3, 0.4}, 1e6, 50, 75), 0.5);
  EXPECT_NEAR(t.value(tracetype::Phase, measwhat::S11, {1.0, -1.0}, 1e6, 50, 75), -45.0, 1e-4);
  EXPECT_EQ(t.value(tracetype::Phase, measwhat::S11, {-1.0, 0.0}, 1e6, 50, 75), -180.0);
  // The power ratio between 50 and 75 ohm ports: 10 log10(50/75) = -1.761 dB.
  const double v = t.value(tracetype::Log20, measwhat::S21, half, 1e6, 50, 75);
  EXPECT_NEAR(t.value(tracetype::Log10Power, measwhat::S21, half, 1e6, 50, 75) - v, -1.7609126,
              1e-6);
  EXPECT_NEAR(t.value(tracetype::Log10Power, measwhat::S12, half, 1e6, 50, 75) - v, 1.7609126,
              1e-6);
  EXPECT_EQ(t.value(tracetype::Log10Power, measwhat::S11, half, 1e6, 50, 75), v);
  // A zero magnitude uses the logarithm's sentinel: finite, at the top edge.
  EXPECT_EQ(t.value(tracetype::Log20, measwhat::S11, {0, 0}, 1e6, 50, 50), 20 * 1e30);
}

TEST(TraceValue, GroupDelayOfALinearPhase)
{
  // A pure delay of 2 ns: phase = -360 f tau degrees, wrapping through +-180 every 500 MHz.
  const double tau = 2e-9;
  TraceValue t;
  int checked = 0;
  for (int i = 0; i <= 200; ++i) {
    const double f = 1e6 + i * 20e6; // 14.4 degrees per step
    const double delay =
        t.value(tracetype::GroupDelay, measwhat::S21, polar(1.0, -360.0 * f * tau), f, 50, 50);
    if (i == 0) {
      EXPECT_EQ(delay, 0.0);
    } else {
      // Readings carry the phase formula's 57.29577 approximation of 180/pi.
      EXPECT_NEAR(delay, tau, tau * 1e-5) << "point " << i;
      ++checked;
    }
  }
  EXPECT_EQ(checked, 200);
}

TEST(Stability, CirclesOfAPotentiallyUnstableDevice)
{
  // K = 0.572; centres and radii from the source/load stability circle formulas.
  const Complex s11 = polar(0.7, -120);
  const Complex s21 = polar(4, 90);
  const Complex s12 = polar(0.15, 20);
  const Complex s22 = polar(0.6, -40);
  const StabilityCircle in = stabilityCircle(s11, s21, s12, s22, true);
  EXPECT_NEAR(in.centreRe, 11.546748822465455, 1e-9);
  EXPECT_NEAR(in.centreIm, -4.482314243435956, 1e-9);
  EXPECT_NEAR(in.radius, -12.931034482758605, 1e-9);
  // The chart centre lies inside the circle and |S22| < 1: the inside is the stable side.
  EXPECT_NEAR(in.stability, -0.572, 1e-12);
  const StabilityCircle out = stabilityCircle(s11, s21, s12, s22, false);
  EXPECT_NEAR(out.centreRe, 0.2015940843193831, 1e-12);
  EXPECT_NEAR(out.centreIm, -2.938955071848366, 1e-12);
  EXPECT_NEAR(out.radius, -3.401360544217687, 1e-12);
  EXPECT_LT(out.stability, 0.0);
}

TEST(Stability, StableAndUnilateralDevices)
{
  // Unconditionally stable transistor: K = 2.09, the circles lie outside the unit circle and
  // do not enclose the centre, so the inside is the unstable side.
  const StabilityCircle s =
      stabilityCircle(polar(0.6, -160), polar(2.5, 50), polar(0.05, 40), polar(0.4, -50), true);
  EXPECT_NEAR(s.stability, 2.0929, 1e-4); // positive: the inside is unstable
  // No feedback at all: k would be infinite; the sentinel keeps it finite.
  const StabilityCircle u =
      stabilityCircle(polar(0.5, 0), polar(2, 0), Complex{0, 0}, polar(0.5, 0), true);
  EXPECT_EQ(std::fabs(u.stability), 1e20);
  EXPECT_EQ(u.radius, 0.0);
  // |S11| = |Delta|: the zero denominator is replaced, nothing becomes infinite.
  const StabilityCircle z =
      stabilityCircle(Complex{0, 0}, Complex{1, 0}, Complex{0, 0}, Complex{0, 0}, true);
  EXPECT_TRUE(std::isfinite(z.centreRe) && std::isfinite(z.radius));
}

TEST(SweepPoint, ParametersByCode)
{
  SweepPoint p;
  p.s11 = {1, 0};
  p.s21raw = {2, 0};
  p.s21 = {3, 0};
  p.s12raw = {4, 0};
  p.s12 = {5, 0};
  p.s22 = {6, 0};
  EXPECT_EQ(rawParameter(p, measwhat::S11).re, 1);
  EXPECT_EQ(rawParameter(p, measwhat::S21).re, 2);
  EXPECT_EQ(rawParameter(p, measwhat::S12).re, 4);
  EXPECT_EQ(rawParameter(p, measwhat::S22).re, 6);
  EXPECT_EQ(chartCoefficient(p, measwhat::S21).re, 3);
  EXPECT_EQ(chartCoefficient(p, measwhat::S12).re, 5);
  EXPECT_TRUE(needsPort1(measwhat::S21));
  EXPECT_FALSE(needsPort1(measwhat::S12));
}

} // namespace
} // namespace norvane

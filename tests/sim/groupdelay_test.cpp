// Group delay from sampled phase: central differences inside the sweep, one-sided at its ends.

#include "sim/groupdelay.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace norvane {
namespace {

// The delays of a whole sweep as a plot ends up holding them: each point's first value,
// replaced by the revision its successor brings.
std::vector<double> sweepDelays(const std::vector<double>& f, const std::vector<double>& phase)
{
  GroupDelaySweep sweep;
  std::vector<double> delays;
  for (std::size_t i = 0; i < f.size(); ++i) {
    const GroupDelaySweep::Step s = sweep.add(f[i], phase[i]);
    if (s.revisesPrevious) delays.back() = s.previousDelay;
    delays.push_back(s.delay);
  }
  return delays;
}

TEST(GroupDelay, CentralInsideOneSidedAtTheEnds)
{
  // phi(f) = -360 (tau0 f + a f^2) degrees: the delay tau0 + 2 a f grows along the sweep, as
  // on a filter skirt. A backward difference reads it half a step late (a f step too low);
  // the central difference is exact for a quadratic phase, on equal and unequal steps.
  const double tau0 = 5e-9, a = 2e-17;
  const std::vector<double> f = {100e6, 110e6, 125e6, 130e6, 150e6, 151e6};
  std::vector<double> phase;
  for (double x : f) {
    const double turns = tau0 * x + a * x * x;
    phase.push_back(std::remainder(-360.0 * turns, 360.0)); // as read: -180..180
  }
  const std::vector<double> d = sweepDelays(f, phase);
  for (std::size_t i = 1; i + 1 < f.size(); ++i)
    EXPECT_NEAR(d[i], tau0 + 2 * a * f[i], 1e-6 * tau0) << i;
  // The ends: the slopes between the first two and the last two points.
  EXPECT_NEAR(d.front(), tau0 + a * (f[0] + f[1]), 1e-6 * tau0);
  EXPECT_NEAR(d.back(), tau0 + a * (f[4] + f[5]), 1e-6 * tau0);
}

TEST(GroupDelay, OnePointHasNoneAndWrapsAreTakenTheShortWay)
{
  GroupDelaySweep single;
  EXPECT_EQ(single.add(1e6, 10.0).delay, 0.0);
  EXPECT_DOUBLE_EQ(phaseStepDeg(170.0, -170.0), 20.0);
  EXPECT_DOUBLE_EQ(phaseStepDeg(-170.0, 170.0), -20.0);
  EXPECT_DOUBLE_EQ(phaseStepDeg(10.0, -100.0), -110.0);
}

} // namespace
} // namespace norvane

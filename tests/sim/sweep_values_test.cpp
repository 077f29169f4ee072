#include "sim/sweep.h"

#include <gtest/gtest.h>

#include <cmath>

namespace norvane {
namespace {

TEST(SweepPlan, LinearAndLogarithmicPoints)
{
  SweepAxis x;
  x.min = 1e6;
  x.max = 2e6;
  x.numpoints = 10;
  x.freqmode = 1;
  SweepPlan plan = sanitizeSweep(x);
  ASSERT_EQ(plan.pointCount(), 11);
  for (int i = 0; i <= 10; ++i) {
    EXPECT_NEAR(plan.frequency(i), 1e6 + 1e5 * i, 1e-6) << i;
  }

  x.min = 1e6;
  x.max = 100e6;
  x.numpoints = 2;
  x.freqmode = 2;
  plan = sanitizeSweep(x);
  ASSERT_EQ(plan.pointCount(), 3);
  EXPECT_NEAR(plan.frequency(0), 1e6, 1e-6);
  EXPECT_NEAR(plan.frequency(1), 10e6, 1e-5);
  EXPECT_NEAR(plan.frequency(2), 100e6, 1e-4);
}

TEST(SweepPlan, ImpossibleSettingsAreCorrected)
{
  struct Case
  {
    double min, max;
    int numpoints;
    double wantMin, wantMax;
    int wantPoints;
  };
  const Case cases[] = {
      {0.0, 1e6, 100, 0.001, 1e6, 100},        {-5.0, 1e6, 0, 0.001, 1e6, 1},
      {1e6, 0.0, 1000, 1e6, 1e6 + 0.001, 500}, {2e6, 1e6, -7, 2e6, 2e6 + 0.001, 1},
      {1e6, 1e6, 501, 1e6, 1e6 + 0.001, 500},  {std::nan(""), std::nan(""), 500, 0.001, 0.002, 500},
      {1e3, INFINITY, 5, 1e3, 1e300, 5},
  };
  for (const Case& c : cases) {
    SweepAxis x;
    x.min = c.min;
    x.max = c.max;
    x.numpoints = c.numpoints;
    x.freqmode = 1;
    const SweepPlan plan = sanitizeSweep(x);
    EXPECT_EQ(x.min, c.wantMin);
    EXPECT_EQ(x.max, c.wantMax);
    EXPECT_EQ(x.numpoints, c.wantPoints);
    EXPECT_EQ(plan.intervals, c.wantPoints);
    for (int i = 0; i <= plan.intervals; ++i) {
      ASSERT_TRUE(std::isfinite(plan.frequency(i)));
    }
  }
}

} // namespace
} // namespace norvane

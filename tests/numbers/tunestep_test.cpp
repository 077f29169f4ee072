// Tuning steps: E-series steps land on the series values across decades, values off the
// series step onto it, percentage steps multiply, and unusable values are refused.
#include "numbers/tunestep.h"

#include <gtest/gtest.h>

#include <limits>

namespace norvane {
namespace {

TEST(TuneStep, SeriesStepsLandOnSeriesValues)
{
  struct Case
  {
    double from;
    TuneStep step;
    int steps;
    double to;
  };
  const Case cases[] = {
      {4700, TuneStep::E12, 1, 5600},      {4700, TuneStep::E12, -1, 3900},
      {8200, TuneStep::E12, 1, 10000},     {1000, TuneStep::E12, -1, 820},
      {4800, TuneStep::E12, 1, 5600},      {4800, TuneStep::E12, -1, 4700},
      {100e-12, TuneStep::E6, 1, 150e-12}, {100e-12, TuneStep::E6, -2, 47e-12},
      {6.8e-9, TuneStep::E6, 1, 10e-9},    {47, TuneStep::E24, 1, 51},
      {9.1, TuneStep::E24, 1, 10},         {10, TuneStep::E24, -1, 9.1},
      {49.9, TuneStep::E96, 1, 51.1},      {100, TuneStep::E96, -1, 97.6},
      {1e6, TuneStep::E96, 3, 1.07e6},     {50, TuneStep::E96, 1, 51.1},
      {0.05, TuneStep::E12, 1, 0.056},     {4700, TuneStep::E12, 12, 47000},
  };
  for (const Case& c : cases) {
    const auto v = stepValue(c.from, c.step, c.steps);
    ASSERT_TRUE(v) << c.from;
    EXPECT_DOUBLE_EQ(*v, c.to) << c.from << " " << tuneStepCaption(c.step) << " " << c.steps;
  }
}

TEST(TuneStep, PercentStepsAndRefusals)
{
  EXPECT_DOUBLE_EQ(*stepValue(100, TuneStep::Percent1, 1), 101);
  EXPECT_DOUBLE_EQ(*stepValue(100, TuneStep::Percent5, -1), 95);
  EXPECT_DOUBLE_EQ(*stepValue(100, TuneStep::Percent10, 2), 121);
  EXPECT_DOUBLE_EQ(*stepValue(0.02, TuneStep::Percent10, 1), 0.022);
  EXPECT_DOUBLE_EQ(*stepValue(33, TuneStep::E12, 0), 33);

  EXPECT_FALSE(stepValue(0, TuneStep::E12, 1));
  EXPECT_FALSE(stepValue(-47, TuneStep::E12, 1));
  EXPECT_FALSE(stepValue(std::numeric_limits<double>::infinity(), TuneStep::E12, 1));
  EXPECT_DOUBLE_EQ(*stepValue(9e17, TuneStep::E6, 1), 1e18);
  EXPECT_FALSE(stepValue(1.2e18, TuneStep::E6, 1)); // 1.5e18 is beyond the range
  EXPECT_EQ(tuneStepCaption(TuneStep::E24), "E24");
  EXPECT_EQ(tuneStepCaption(TuneStep::Percent5), "\xB1"
                                                 "5 %");
}

} // namespace
} // namespace norvane

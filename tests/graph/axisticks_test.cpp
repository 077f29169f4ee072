#include "graph/axisticks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace norvane {
namespace {

std::vector<std::string> texts(const std::vector<AxisTick>& ticks, bool majorOnly = false)
{
  std::vector<std::string> out;
  for (const AxisTick& t : ticks)
    if (t.major || !majorOnly) out.push_back(t.text);
  return out;
}

using Texts = std::vector<std::string>;

TEST(AxisTicks, LinearAxesStepInRoundValuesWithTheirUnits)
{
  EXPECT_EQ(texts(linearTicks(-40, 10, AxisUnit::Decibel)),
            (Texts{"-40 dB", "-30 dB", "-20 dB", "-10 dB", "0 dB", "10 dB"}));
  // An odd range: 0.02 steps inside it, not its own ends.
  const std::vector<AxisTick> odd = linearTicks(0.013, 0.087, AxisUnit::Plain);
  EXPECT_EQ(texts(odd), (Texts{"0.02", "0.04", "0.06", "0.08"}));
  EXPECT_DOUBLE_EQ(odd[2].value, 0.06);
  // Reversed limits give the same ticks; no "-0" and no 0.30000000000000004.
  EXPECT_EQ(texts(linearTicks(0.3, -0.3, AxisUnit::Plain)),
            (Texts{"-0.3", "-0.2", "-0.1", "0", "0.1", "0.2", "0.3"}));
  EXPECT_EQ(texts(linearTicks(0, 1, AxisUnit::Plain, 2)), (Texts{"0", "0.5", "1"}));
  // Phase in quarter turns, group delay and frequency in engineering units.
  EXPECT_EQ(texts(linearTicks(-180, 180, AxisUnit::Degree)),
            (Texts{"-180\u00B0", "-90\u00B0", "0\u00B0", "90\u00B0", "180\u00B0"}));
  EXPECT_EQ(texts(linearTicks(0, 2e-8, AxisUnit::Second, 4)),
            (Texts{"0 s", "5 ns", "10 ns", "15 ns", "20 ns"}));
  EXPECT_EQ(texts(linearTicks(400e6, 500e6, AxisUnit::Hertz, 5)),
            (Texts{"400 MHz", "420 MHz", "440 MHz", "460 MHz", "480 MHz", "500 MHz"}));
  EXPECT_EQ(texts(linearTicks(0.8e9, 1.2e9, AxisUnit::Hertz, 4)),
            (Texts{"800 MHz", "900 MHz", "1 GHz", "1.1 GHz", "1.2 GHz"}));
  EXPECT_EQ(tickText(433e6, 1e6, AxisUnit::Hertz), "433 MHz");
  EXPECT_EQ(tickText(2.5e3, 500, AxisUnit::Hertz), "2.5 kHz");
}

TEST(AxisTicks, LogFrequencyAxisLabelsDecadesAndMarksTheirSubdivisions)
{
  const std::vector<AxisTick> ticks = logFrequencyTicks(1e6, 1e9);
  EXPECT_EQ(texts(ticks, true), (Texts{"1 MHz", "10 MHz", "100 MHz", "1 GHz"}));
  // 2, 4, 6 and 8 times each decade inside the range, minor.
  EXPECT_EQ(ticks.size(), 4u + 3u * 4u);
  EXPECT_EQ(ticks[1].text, "2 MHz");
  EXPECT_FALSE(ticks[1].major);
  EXPECT_EQ(ticks[14].text, "800 MHz");
  // Less than two decade lines: 1-2-5 steps, so the axis still shows several values.
  const std::vector<AxisTick> narrow = logFrequencyTicks(400e6, 2e9, 4);
  EXPECT_EQ(texts(narrow), (Texts{"500 MHz", "1 GHz", "1.5 GHz", "2 GHz"}));
}

TEST(AxisTicks, EmptyOrNonFiniteRangesHaveNoTicks)
{
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(linearTicks(3, 3, AxisUnit::Decibel).empty());
  EXPECT_TRUE(linearTicks(0, inf, AxisUnit::Decibel).empty());
  EXPECT_TRUE(linearTicks(nan, 1, AxisUnit::Plain).empty());
  EXPECT_TRUE(logFrequencyTicks(1e6, inf).empty());
  EXPECT_EQ(niceStep(0, 6), 0.0);
  // An absurd but finite span is bounded instead of looping forever.
  EXPECT_LE(linearTicks(-1e300, 1e300, AxisUnit::Plain).size(), 7u);
}

} // namespace
} // namespace norvane

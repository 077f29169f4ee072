// The stability verdict over a sweep: "unconditionally stable" or the potentially unstable
// frequency ranges.

#include "graph/stabilityverdict.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

TwoPortMeasures figures(double k, double delta)
{
  TwoPortMeasures m;
  m.k = k;
  m.delta = delta;
  return m;
}

TEST(StabilityVerdict, NamesEveryRunOfPotentiallyUnstablePoints)
{
  const std::vector<double> f{100e6, 200e6, 450e6, 800e6, 1.2e9, 2e9, 3e9, 3.5e9};
  // Unstable where K <= 1 or |Delta| >= 1, whichever fails.
  const std::vector<TwoPortMeasures> m{figures(0.5, 0.3), figures(0.9, 0.3), figures(1.5, 1.2),
                                       figures(1.5, 0.3), figures(1.0, 0.5), figures(0.2, 0.4),
                                       figures(0.8, 0.4), figures(3, 0.1)};
  EXPECT_EQ(stabilityVerdictText(potentiallyUnstableRanges(f, m)),
            "Potentially unstable: 100 MHz - 450 MHz, 1.2 GHz - 3 GHz");

  // A single point is named alone; without K (a unilateral two-port) mu1 decides.
  TwoPortMeasures unilateral;
  unilateral.mu1 = 1.4;
  const std::vector<TwoPortMeasures> one{figures(2, 0.1), figures(0.7, 0.1), unilateral};
  EXPECT_EQ(stabilityVerdictText(potentiallyUnstableRanges({1e6, 433.92e6, 1e9}, one)),
            "Potentially unstable: 433.9 MHz");

  EXPECT_EQ(
      stabilityVerdictText(potentiallyUnstableRanges({1e6, 2e6}, {figures(1.01, 0.9), unilateral})),
      "unconditionally stable");
  EXPECT_EQ(rangeFrequencyText(999.96e6), "1 GHz");
  EXPECT_EQ(rangeFrequencyText(500e3), "500 kHz");
}

} // namespace
} // namespace norvane

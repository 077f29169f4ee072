#pragma once
// The statistics of a yield run: the fraction of passing boards with its confidence interval,
// which parts the failures follow, and how each goal's worst value spreads. All of it is
// computed from the run records in run order, so equal records give equal bits.

#include <span>
#include <string>
#include <vector>

namespace norvane {

// One random board: its number (from 1), whether every goal held, each goal's worst value and
// whether that goal held, and each varied value's deviation from its nominal as a fraction
// (+0.02 for a capacitor 2 % high).
struct YieldRunRecord
{
  long run = 0;
  bool passed = false;
  std::vector<double> worst;
  std::vector<bool> goalMet;
  std::vector<double> deviation;
};

struct PercentInterval
{
  double low = 0.0;
  double high = 100.0;
};

// The Wilson score interval at 95 % confidence for `passed` of `runs`, in per cent. Unlike
// the plain p +/- 1.96 sigma it stays inside 0..100 and is not empty when every run passed
// (or none did). No runs: the whole range.
PercentInterval wilsonInterval95(long passed, long runs);

// How strongly failing follows each varied value: the correlation between the value's
// deviation and the run failing (the point-biserial coefficient, -1..1; positive when high
// values fail). 0 where it cannot be formed (all runs pass, or the value never varies).
std::vector<double> failureCorrelations(std::span<const YieldRunRecord> records,
                                        std::size_t values);

struct Histogram
{
  double low = 0.0;  // left edge of the first bin
  double high = 0.0; // right edge of the last bin
  std::vector<long> counts;
};

// The worst values of goal `goal` over the runs, in `bins` equal bins from the smallest to the
// largest (one bin when they are all equal). Values that are not finite are left out.
Histogram worstValueHistogram(std::span<const YieldRunRecord> records, std::size_t goal, int bins);

} // namespace norvane

#include "yield/yieldstatistics.h"

#include <algorithm>
#include <cmath>

namespace norvane {

PercentInterval wilsonInterval95(long passed, long runs)
{
  if (runs <= 0) return {};
  constexpr double z = 1.959963984540054; // the two-sided 95 % point of the normal
  const double n = static_cast<double>(runs);
  const double p = static_cast<double>(std::clamp(passed, 0L, runs)) / n;
  const double z2 = z * z;
  const double denominator = 1.0 + z2 / n;
  const double centre = (p + z2 / (2.0 * n)) / denominator;
  const double half = z * std::sqrt(p * (1.0 - p) / n + z2 / (4.0 * n * n)) / denominator;
  return {100.0 * std::max(0.0, centre - half), 100.0 * std::min(1.0, centre + half)};
}

std::vector<double> failureCorrelations(std::span<const YieldRunRecord> records, std::size_t values)
{
  std::vector<double> result(values, 0.0);
  const double n = static_cast<double>(records.size());
  if (records.empty()) return result;
  double failed = 0.0;
  for (const YieldRunRecord& r : records)
    failed += r.passed ? 0.0 : 1.0;
  const double q = failed / n; // fraction failing
  if (q <= 0.0 || q >= 1.0) return result;
  for (std::size_t v = 0; v < values; ++v) {
    // Mean and spread of the deviation over all runs, and its mean over the failing ones.
    double sum = 0.0, sumFailed = 0.0;
    for (const YieldRunRecord& r : records) {
      const double d = v < r.deviation.size() ? r.deviation[v] : 0.0;
      sum += d;
      if (!r.passed) sumFailed += d;
    }
    const double mean = sum / n;
    double squares = 0.0;
    for (const YieldRunRecord& r : records) {
      const double d = (v < r.deviation.size() ? r.deviation[v] : 0.0) - mean;
      squares += d * d;
    }
    const double sigma = std::sqrt(squares / n);
    if (!(sigma > 0.0)) continue;
    const double meanFailed = sumFailed / failed;
    result[v] = (meanFailed - mean) / sigma * std::sqrt(q / (1.0 - q));
  }
  return result;
}

Histogram worstValueHistogram(std::span<const YieldRunRecord> records, std::size_t goal, int bins)
{
  Histogram h;
  bool any = false;
  for (const YieldRunRecord& r : records) {
    if (goal >= r.worst.size() || !std::isfinite(r.worst[goal])) continue;
    const double w = r.worst[goal];
    h.low = any ? std::min(h.low, w) : w;
    h.high = any ? std::max(h.high, w) : w;
    any = true;
  }
  if (!any) return h;
  const int count = h.high > h.low ? std::max(bins, 1) : 1;
  h.counts.assign(static_cast<std::size_t>(count), 0);
  const double width = (h.high - h.low) / count;
  for (const YieldRunRecord& r : records) {
    if (goal >= r.worst.size() || !std::isfinite(r.worst[goal])) continue;
    int bin = width > 0.0 ? static_cast<int>((r.worst[goal] - h.low) / width) : 0;
    bin = std::clamp(bin, 0, count - 1); // the largest value closes the last bin
    ++h.counts[static_cast<std::size_t>(bin)];
  }
  return h;
}

} // namespace norvane

#include "graph/axisticks.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace norvane {
namespace {

// Rounding slack: a tick computed as k·step may land a hair outside the range it bounds.
constexpr double kSlack = 1e-9;
// An axis never gets more lines than this, however absurd its range.
constexpr long long kMaxTicks = 1000;

// Fixed decimals, then trailing zeros (and a bare point) taken off: "1.50" reads "1.5", "2.0"
// reads "2". std::to_chars ignores the user's locale, so a German desktop still shows "0.5".
std::string trimmedFixed(double v, int decimals)
{
  std::array<char, 64> buf{};
  const auto [end, ec] =
      std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed, decimals);
  if (ec != std::errc{}) return {};
  std::string s(buf.data(), end);
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0')
      s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  if (s == "-0") s = "0";
  return s;
}

// Decimals that show a multiple of `step` exactly: 0.02 needs 2, 0.5 needs 1, 20 needs none.
int decimalsFor(double step)
{
  if (!(step > 0.0) || !std::isfinite(step)) return 0;
  return std::clamp(static_cast<int>(-std::floor(std::log10(step) + kSlack)), 0, 15);
}

// Engineering prefix of a value in thousands: the exponent (a multiple of 3) and its letter.
struct Prefix
{
  int exponent;
  const char* letter;
};

constexpr std::array<Prefix, 9> kPrefixes = {{{-15, "f"},
                                              {-12, "p"},
                                              {-9, "n"},
                                              {-6, "u"},
                                              {-3, "m"},
                                              {0, ""},
                                              {3, "k"},
                                              {6, "M"},
                                              {9, "G"}}};

std::string engineeringText(double value, double step, const char* unit, int lowest, int highest)
{
  int exponent = 0;
  if (value != 0.0)
    exponent = static_cast<int>(std::floor(std::log10(std::fabs(value)) / 3.0 + kSlack)) * 3;
  exponent = std::clamp(exponent, lowest, highest);
  const char* letter = "";
  for (const Prefix& p : kPrefixes)
    if (p.exponent == exponent) letter = p.letter;
  const double scale = std::pow(10.0, exponent);
  return trimmedFixed(value / scale, decimalsFor(step / scale)) + " " + letter + unit;
}

} // namespace

double niceStep(double span, int maxIntervals)
{
  span = std::fabs(span);
  if (!(span > 0.0) || !std::isfinite(span)) return 0.0;
  maxIntervals = std::max(maxIntervals, 1);
  const double decade = std::pow(10.0, std::floor(std::log10(span / maxIntervals)));
  for (const double m : {1.0, 2.0, 5.0, 10.0}) {
    const double step = m * decade;
    if (span / step <= maxIntervals + kSlack) return step;
  }
  return 10.0 * decade;
}

std::string tickText(double value, double step, AxisUnit unit)
{
  if (!std::isfinite(value)) return {};
  switch (unit) {
  case AxisUnit::Decibel:
    return trimmedFixed(value, decimalsFor(step)) + " dB";
  case AxisUnit::Degree:
    return trimmedFixed(value, decimalsFor(step)) + "\u00B0";
  case AxisUnit::Second:
    return engineeringText(value, step, "s", -15, 0);
  case AxisUnit::Hertz:
    return engineeringText(value, step, "Hz", 0, 9);
  case AxisUnit::Plain:
    break;
  }
  return trimmedFixed(value, decimalsFor(step));
}

namespace {

// A phase axis reads best in the fractions of a turn an engineer thinks in (45°, 90°), not in
// 1-2-5 steps (a -180..180 axis would show -100°, 0°, 100°). Spans under 30° keep 1-2-5.
double degreeStep(double span, int maxIntervals)
{
  if (!(span >= 30.0) || !std::isfinite(span)) return niceStep(span, maxIntervals);
  for (const double step : {15.0, 30.0, 45.0, 90.0, 180.0})
    if (span / step <= std::max(maxIntervals, 1) + kSlack) return step;
  return niceStep(span, maxIntervals);
}

} // namespace

std::vector<AxisTick> linearTicks(double lo, double hi, AxisUnit unit, int maxIntervals)
{
  std::vector<AxisTick> ticks;
  if (lo > hi) std::swap(lo, hi);
  const double step = unit == AxisUnit::Degree ? degreeStep(hi - lo, maxIntervals)
                                               : niceStep(hi - lo, maxIntervals);
  if (step == 0.0) return ticks;
  const double first = std::ceil(lo / step - kSlack);
  const double last = std::floor(hi / step + kSlack);
  if (!(last - first < kMaxTicks)) return ticks;
  for (double k = first; k <= last; k += 1.0) {
    // k·step rather than a running sum, so 0.1 + 0.1 + 0.1 never shows as 0.30000000000000004.
    const double v = k == 0.0 ? 0.0 : k * step;
    ticks.push_back({v, tickText(v, step, unit), true});
  }
  return ticks;
}

std::vector<AxisTick> logFrequencyTicks(double lo, double hi, int maxIntervals)
{
  if (lo > hi) std::swap(lo, hi);
  if (!(lo > 0.0) || !std::isfinite(hi)) return linearTicks(lo, hi, AxisUnit::Hertz, maxIntervals);
  const double logLo = std::log10(lo);
  const double logHi = std::log10(hi);
  const double firstDecade = std::floor(logLo);
  const double lastDecade = std::floor(logHi + kSlack);
  if (lastDecade - std::ceil(logLo - kSlack) < 1.0 || lastDecade - firstDecade > kMaxTicks)
    return linearTicks(lo, hi, AxisUnit::Hertz, maxIntervals);

  std::vector<AxisTick> ticks;
  for (double e = firstDecade; e <= lastDecade; e += 1.0) {
    const double decade = std::pow(10.0, e);
    for (const double m : {1.0, 2.0, 4.0, 6.0, 8.0}) {
      const double v = m * decade;
      const double logV = std::log10(v);
      if (logV < logLo - kSlack || logV > logHi + kSlack) continue;
      ticks.push_back({v, tickText(v, v, AxisUnit::Hertz), m == 1.0});
    }
  }
  return ticks;
}

} // namespace norvane

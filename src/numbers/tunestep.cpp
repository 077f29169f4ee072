#include "numbers/tunestep.h"

#include <array>
#include <cmath>
#include <span>

namespace norvane {

namespace {

// The IEC 60063 preferred numbers of one decade.
constexpr std::array<double, 6> kE6{1.0, 1.5, 2.2, 3.3, 4.7, 6.8};
constexpr std::array<double, 12> kE12{1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2};
constexpr std::array<double, 24> kE24{1.0, 1.1, 1.2, 1.3, 1.5, 1.6, 1.8, 2.0, 2.2, 2.4, 2.7, 3.0,
                                      3.3, 3.6, 3.9, 4.3, 4.7, 5.1, 5.6, 6.2, 6.8, 7.5, 8.2, 9.1};
constexpr std::array<double, 96> kE96{
    1.00, 1.02, 1.05, 1.07, 1.10, 1.13, 1.15, 1.18, 1.21, 1.24, 1.27, 1.30, 1.33, 1.37, 1.40, 1.43,
    1.47, 1.50, 1.54, 1.58, 1.62, 1.65, 1.69, 1.74, 1.78, 1.82, 1.87, 1.91, 1.96, 2.00, 2.05, 2.10,
    2.15, 2.21, 2.26, 2.32, 2.37, 2.43, 2.49, 2.55, 2.61, 2.67, 2.74, 2.80, 2.87, 2.94, 3.01, 3.09,
    3.16, 3.24, 3.32, 3.40, 3.48, 3.57, 3.65, 3.74, 3.83, 3.92, 4.02, 4.12, 4.22, 4.32, 4.42, 4.53,
    4.64, 4.75, 4.87, 4.99, 5.11, 5.23, 5.36, 5.49, 5.62, 5.76, 5.90, 6.04, 6.19, 6.34, 6.49, 6.65,
    6.81, 6.98, 7.15, 7.32, 7.50, 7.68, 7.87, 8.06, 8.25, 8.45, 8.66, 8.87, 9.09, 9.31, 9.53, 9.76};

constexpr double kLowest = 1e-18;
constexpr double kHighest = 1e18;
// Values this close (relatively) count as equal: "4.7k" typed is 4700 give or take rounding.
constexpr double kSame = 1e-9;

// What the status bar shows for a step, and how the configuration keeps it.
struct TuneStepNames
{
  TuneStep step;
  const char* caption;
  const char* key;
};
constexpr TuneStepNames kTuneStepNames[] = {
    {TuneStep::E6, "E6", "E6"},
    {TuneStep::E12, "E12", "E12"},
    {TuneStep::E24, "E24", "E24"},
    {TuneStep::E96, "E96", "E96"},
    {TuneStep::Percent1,
     "\xB1"
     "1 %",
     "1%"},
    {TuneStep::Percent5,
     "\xB1"
     "5 %",
     "5%"},
    {TuneStep::Percent10,
     "\xB1"
     "10 %",
     "10%"},
};

const TuneStepNames& namesOf(TuneStep step)
{
  for (const TuneStepNames& names : kTuneStepNames)
    if (names.step == step) return names;
  return kTuneStepNames[1]; // E12, the default step
}

std::span<const double> seriesOf(TuneStep step)
{
  switch (step) {
  case TuneStep::E6:
    return kE6;
  case TuneStep::E12:
    return kE12;
  case TuneStep::E24:
    return kE24;
  case TuneStep::E96:
    return kE96;
  default:
    return {};
  }
}

double percentOf(TuneStep step)
{
  switch (step) {
  case TuneStep::Percent1:
    return 0.01;
  case TuneStep::Percent5:
    return 0.05;
  case TuneStep::Percent10:
    return 0.10;
  default:
    return 0.0;
  }
}

// Series value times 10^decade, rounded to the series' own digits so that 4.7 * 1e3 is 4700
// exactly and not 4700.000000000001.
double seriesValue(double mantissa, int decade)
{
  const double scaled = mantissa * 100.0;
  return decade >= 2 ? std::round(scaled) * std::pow(10.0, decade - 2)
                     : std::round(scaled) / std::pow(10.0, 2 - decade);
}

// One place up or down the series from `value`.
double seriesStep(double value, std::span<const double> series, bool up)
{
  const int decade = static_cast<int>(std::floor(std::log10(value)));
  if (up) {
    for (int d = decade - 1; d <= decade + 1; ++d)
      for (double m : series) {
        const double v = seriesValue(m, d);
        if (v > value * (1.0 + kSame)) return v;
      }
  } else {
    for (int d = decade + 1; d >= decade - 1; --d)
      for (auto it = series.rbegin(); it != series.rend(); ++it) {
        const double v = seriesValue(*it, d);
        if (v < value * (1.0 - kSame)) return v;
      }
  }
  return value;
}

} // namespace

std::string tuneStepCaption(TuneStep step)
{
  return namesOf(step).caption;
}

std::optional<double> stepValue(double value, TuneStep step, int steps)
{
  if (!(std::isfinite(value) && value > 0)) return std::nullopt;
  const std::span<const double> series = seriesOf(step);
  const double p = percentOf(step);
  double v = value;
  for (int i = 0; i < std::abs(steps); ++i) {
    const bool up = steps > 0;
    v = series.empty() ? v * (up ? 1.0 + p : 1.0 - p) : seriesStep(v, series, up);
  }
  if (!(v >= kLowest && v <= kHighest)) return std::nullopt;
  return v;
}

std::string tuneStepKey(TuneStep step)
{
  return namesOf(step).key;
}

std::optional<TuneStep> tuneStepFromKey(std::string_view key)
{
  for (TuneStep step : kTuneSteps)
    if (tuneStepKey(step) == key) return step;
  return std::nullopt;
}

} // namespace norvane

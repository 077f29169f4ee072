#include "numbers/tunestep.h"

#include "numbers/preferrednumbers.h"

#include <array>
#include <cmath>
#include <span>

namespace norvane {

namespace {

// The preferred numbers of one decade, from 1 to 10.
constexpr auto kE6 = preferred::decadeValues(preferred::kE6, 10.0);
constexpr auto kE12 = preferred::decadeValues(preferred::kE12, 10.0);
constexpr auto kE24 = preferred::decadeValues(preferred::kE24, 10.0);
constexpr auto kE96 = preferred::decadeValues(preferred::kE96, 100.0);

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

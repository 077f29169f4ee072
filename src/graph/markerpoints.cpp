#include "graph/markerpoints.h"

#include <cmath>

namespace norvane {

namespace {
// The program's stand-ins for overflow start at 1e20 (an open circuit's impedance) and the
// logarithm of zero is 1e30; no circuit gives a trace value this large.
constexpr double kLargestReading = 1e19;
} // namespace

bool isReadableValue(double v)
{
  return std::isfinite(v) && std::abs(v) < kLargestReading;
}

int pointNearestFrequency(const PlotStore& store, double freq, bool logarithmic)
{
  // 0 Hz has no logarithm: such points are then compared in hertz.
  const auto distance = [&](double f) {
    return logarithmic && f > 0 && freq > 0 ? std::abs(std::log(f / freq)) : std::abs(f - freq);
  };
  int best = 0;
  double bestDistance = 0.0;
  for (int i = 1; i <= store.count(); ++i) {
    const double d = distance(store.at(i).freq);
    if (best == 0 || d < bestDistance) {
      best = i;
      bestDistance = d;
    }
  }
  return best;
}

double markedValue(const PlotPoint& point, MarkedValue which)
{
  switch (which) {
  case MarkedValue::Trace1:
    return point.trace1;
  case MarkedValue::Trace2:
    return point.trace2;
  case MarkedValue::ChartMagnitude:
    return std::hypot(point.trace1, point.trace2);
  }
  return point.trace1;
}

int extremePoint(const PlotStore& store, MarkedValue which, Extreme extreme)
{
  int best = 0;
  double bestValue = 0.0;
  for (int i = 1; i <= store.count(); ++i) {
    const double v = markedValue(store.at(i), which);
    if (!isReadableValue(v)) continue;
    const bool better = extreme == Extreme::Maximum ? v > bestValue : v < bestValue;
    if (best == 0 || better) {
      best = i;
      bestValue = v;
    }
  }
  return best;
}

} // namespace norvane

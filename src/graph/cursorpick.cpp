#include "graph/cursorpick.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace norvane {

namespace {

// Index of the smallest distance; non-finite distances (a point at 1e30) never win.
template <typename Distance> int nearestBy(const PlotStore& store, Distance distance)
{
  int best = 0;
  double bestDistance = std::numeric_limits<double>::infinity();
  for (int i = 1; i <= store.count(); ++i) {
    const double d = distance(store.at(i));
    if (std::isfinite(d) && d < bestDistance) {
      best = i;
      bestDistance = d;
    }
  }
  // Every distance unusable (all points far off scale): fall back to the first point.
  return best == 0 && store.count() > 0 ? 1 : best;
}

} // namespace

int nearestPointByFrequency(const PlotStore& store, const FrequencyAxis& axis,
                            const IntRect& area, int x)
{
  const double column = x - area.left;
  return nearestBy(store,
                   [&](const PlotPoint& p) { return std::abs(axis.offset(p.freq) - column); });
}

int nearestPointOnChart(const PlotStore& store, const ChartGeometry& chart, IntPoint pixel)
{
  // Compared unrounded, so two points landing on the same pixel still order correctly.
  return nearestBy(store, [&](const PlotPoint& p) {
    const double dx = chart.cx + chart.u * p.trace1 - pixel.x;
    const double dy = chart.cy - chart.u * p.trace2 - pixel.y;
    return std::hypot(dx, dy);
  });
}

int steppedCursor(int position, int steps, int last)
{
  return std::clamp(position + steps, 1, std::max(1, last));
}

} // namespace norvane

#include "graph/segmentclip.h"

#include <algorithm>
#include <cmath>

namespace norvane {

namespace {

// Far outside any page or window, and small enough that products of two stay exact to well
// below a pixel.
constexpr double kFar = 1e7;

double saturated(double v)
{
  return std::clamp(v, -kFar, kFar);
}

} // namespace

std::optional<PlotSegment> clipSegment(PlotSegment s, double left, double top, double right,
                                       double bottom)
{
  for (double v : {s.x1, s.y1, s.x2, s.y2})
    if (std::isnan(v)) return std::nullopt;
  s = {saturated(s.x1), saturated(s.y1), saturated(s.x2), saturated(s.y2)};
  // Liang and Barsky, "A new concept and method for line clipping", ACM TOG 3(1), 1984: the
  // segment is P(t) = P1 + t·(P2 - P1), 0 <= t <= 1; each edge bounds t from one side.
  const double dx = s.x2 - s.x1;
  const double dy = s.y2 - s.y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {s.x1 - left, right - s.x1, s.y1 - top, bottom - s.y1};
  double t0 = 0.0, t1 = 1.0;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return std::nullopt; // parallel to this edge and outside it
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      if (t > t1) return std::nullopt;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return std::nullopt;
      t1 = std::min(t1, t);
    }
  }
  return PlotSegment{s.x1 + t0 * dx, s.y1 + t0 * dy, s.x1 + t1 * dx, s.y1 + t1 * dy};
}

} // namespace norvane

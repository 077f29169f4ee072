#include "graph/chartgeometry.h"

#include "graph/pixelmath.h"

#include <algorithm>
#include <cmath>

namespace norvane {

double usableChartMagnitude(double magnitude)
{
  if (!std::isfinite(magnitude) || magnitude == 0.0) return 1.0;
  return std::fabs(magnitude);
}

ChartGeometry ChartGeometry::make(const IntRect& area, double magnitude)
{
  ChartGeometry g;
  g.cx = area.left + area.width / 2;
  g.cy = area.top + area.height / 2;
  g.R = std::max(0, (std::min(area.width, area.height) - 20) / 2);
  g.M = usableChartMagnitude(magnitude);
  g.u = g.R / g.M;
  return g;
}

CanvasPoint ChartGeometry::point(double re, double im) const
{
  const int dx = tracePixel(u * re);
  const int dy = tracePixel(u * im);
  return {std::clamp(cx + dx, -kTraceCoordinateLimit, kTraceCoordinateLimit),
          std::clamp(cy - dy, -kTraceCoordinateLimit, kTraceCoordinateLimit)};
}

} // namespace norvane

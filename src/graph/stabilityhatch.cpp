#include "graph/stabilityhatch.h"

#include "graph/pixelmath.h"

#include <algorithm>
#include <cmath>

namespace norvane {
namespace {

bool finite(const StabilityCircle& c)
{
  return std::isfinite(c.centreRe) && std::isfinite(c.centreIm) && std::isfinite(c.radius) &&
         std::isfinite(c.stability);
}

bool within(double v, double limit)
{
  return v >= -limit && v <= limit;
}

} // namespace

StabilityHatchPlan planStabilityHatch(const StabilityCircle& c, const ChartGeometry& g)
{
  StabilityHatchPlan plan;
  if (!finite(c)) return plan;
  const double u = g.u;
  const double x1 = (c.centreRe - c.radius) * u + g.cx;
  const double x2 = (c.centreRe + c.radius) * u + g.cx;
  const double y1 = g.cy - (c.centreIm - c.radius) * u;
  const double y2 = g.cy - (c.centreIm + c.radius) * u;
  const double h = std::fabs(x1 - x2) / 2.0;
  if (!std::isfinite(h)) return plan;
  const bool drawable = h < kStabilityHugeHalfWidth;

  plan.hatchWholeArea = c.stability < 0 && drawable;

  const double L = kStabilityEllipseLimit;
  if (within(x1, L) && within(x2, L) && within(y1, L) && within(y2, L)) {
    plan.ellipse = true;
    plan.x1 = gridPixel(std::min(x1, x2));
    plan.x2 = gridPixel(std::max(x1, x2));
    plan.y1 = gridPixel(std::min(y1, y2));
    plan.y2 = gridPixel(std::max(y1, y2));
    return plan;
  }
  if (!drawable) return plan;

  // Circle centre relative to the chart centre, and its point P0 nearest the chart centre.
  const double mx = (x1 + x2 - 2.0 * g.cx) / 2.0;
  const double my = (y1 + y2 - 2.0 * g.cy) / 2.0;
  const double d = std::hypot(mx, my);
  if (d < 1e-9) {
    // A huge circle centred on the chart centre holds the whole area: its inside is all there
    // is to hatch.
    plan.hatchWholeArea = !plan.hatchWholeArea;
    return plan;
  }
  const double t = 1.0 - h / d;
  const double p0x = g.cx + mx * t;
  const double p0y = g.cy + my * t;
  // A nearest point this far away means the circle does not come near the chart.
  if (!within(p0x, kGridCoordinateLimit / 2.0) || !within(p0y, kGridCoordinateLimit / 2.0))
    return plan;

  // A and B lie on the tangent at P0, as far from P0 as the circle centre is from the chart
  // centre; when that is off the scale they are pulled in toward P0 (their midpoint).
  double ax = p0x - my, ay = p0y + mx;
  double bx = p0x + my, by = p0y - mx;
  const double reach = std::max({std::fabs(bx), std::fabs(ax), std::fabs(by), std::fabs(ay)});
  if (reach > L) {
    const double k = L / reach;
    const double midX = (ax + bx) / 2.0, midY = (ay + by) / 2.0;
    ax = midX + (ax - midX) * k;
    ay = midY + (ay - midY) * k;
    bx = midX + (bx - midX) * k;
    by = midY + (by - midY) * k;
  }
  // The apex is the circle's centre; brought in along P0 -> centre when it is beyond integer
  // reach, which keeps the triangle inside the original one and its shape near the chart.
  double cxAbs = g.cx + mx, cyAbs = g.cy + my;
  const double apexReach = std::max(std::fabs(cxAbs), std::fabs(cyAbs));
  if (apexReach > kGridCoordinateLimit) {
    const double k = (kGridCoordinateLimit / 2.0) / apexReach;
    cxAbs = p0x + (cxAbs - p0x) * k;
    cyAbs = p0y + (cyAbs - p0y) * k;
  }
  plan.triangle = true;
  plan.corners = {CanvasPoint{gridPixel(bx), gridPixel(by)},
                  CanvasPoint{gridPixel(ax), gridPixel(ay)},
                  CanvasPoint{gridPixel(cxAbs), gridPixel(cyAbs)}};
  return plan;
}

void drawStabilityCircle(Canvas& canvas, const IntRect& area, const ChartGeometry& g,
                         const StabilityCircle& circle, Color hatchColor)
{
  const StabilityHatchPlan plan = planStabilityHatch(circle, g);
  canvas.setPenMode(PenMode::Not);
  canvas.setPenStyle(PenStyle::Solid);
  canvas.setBrush({hatchColor, BrushStyle::DiagonalHatch});
  if (plan.hatchWholeArea)
    canvas.ellipse(area.left - area.width, area.top - area.height, area.left + 2 * area.width,
                   area.top + 2 * area.height);
  if (plan.ellipse) canvas.ellipse(plan.x1, plan.y1, plan.x2, plan.y2);
  if (plan.triangle) canvas.polygon({plan.corners.begin(), plan.corners.end()});
  canvas.setPenMode(PenMode::Copy);
  canvas.setBrushStyle(BrushStyle::Clear);
}

} // namespace norvane

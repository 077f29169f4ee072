#pragma once
// Drawing the stability circle of the point under the cursor on a chart. The unstable region
// is hatched by drawing in inverting mode: hatching the same pixels twice restores them, so a
// region "outside the circle" is made by hatching the whole area and then the circle again.
//
// A circle whose box would leave the ±6000 pixel range (very large radius, near-unity |S22|)
// cannot be drawn as an ellipse; near the chart it is indistinguishable from its tangent, so it
// is drawn as a large triangle standing on the tangent at the circle's point nearest the chart
// centre and reaching to the circle's centre.

#include "graph/chartgeometry.h"
#include "graph/intgeometry.h"
#include "graph/sweeptraces.h"
#include "platform/canvas.h"

#include <array>

namespace norvane {

// What will be hatched, decided from the circle alone (kept apart from the drawing so the
// choice can be checked without pixels).
struct StabilityHatchPlan
{
  bool hatchWholeArea = false;          // the outside is unstable: invert the whole area first
  bool ellipse = false;                 // hatch the circle's box
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;   // the box, normalised (x1 ≤ x2, y1 ≤ y2)
  bool triangle = false;                // hatch the tangent triangle instead
  std::array<CanvasPoint, 3> corners{}; // B, A, circle centre
};

// Boxes within this range are drawn as ellipses.
inline constexpr double kStabilityEllipseLimit = 6000.0;
// Circles at least this wide (in half-width pixels) are treated as straight lines at infinity
// and not drawn at all.
inline constexpr double kStabilityHugeHalfWidth = 1e12;

StabilityHatchPlan planStabilityHatch(const StabilityCircle& circle, const ChartGeometry& g);

// Draws the plan over the drawing area with an inverting pen and a diagonal-hatch brush.
void drawStabilityCircle(Canvas& canvas, const IntRect& area, const ChartGeometry& g,
                         const StabilityCircle& circle, Color hatchColor);

} // namespace norvane

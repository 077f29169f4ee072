#include "graph/stabilityhatch.h"

#include "graph/pixelmath.h"

#include "support/recordingcanvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace norvane {
namespace {

const IntRect kArea{0, 0, 420, 320};
const ChartGeometry kChart = ChartGeometry::make(kArea, 1.0); // centre (210, 160), u = 150

TEST(StabilityHatch, HatchingChoiceFollowsTheSignOfTheStabilityFactor)
{
  struct Case
  {
    const char* what;
    StabilityCircle circle;
    bool wholeArea, ellipse, triangle;
  };
  const Case cases[] = {
      // Inside unstable, centre of the chart outside the circle: only the circle is hatched.
      {"inside unstable", {1.5, 0.0, 0.4, 2.0}, false, true, false},
      // Outside unstable: the whole area, then the circle again (which clears it).
      {"outside unstable", {1.5, 0.0, 0.4, -2.0}, true, true, false},
      // A huge circle: the tangent triangle.
      {"huge inside", {200.0, 0.0, 199.2, 1.0}, false, false, true},
      {"huge outside", {200.0, 0.0, 199.2, -1.0}, true, false, true},
      // Effectively a straight line at infinity: nothing.
      {"infinite", {1e12, 0.0, 1e12, -1.0}, false, false, false},
      {"not a number", {NAN, 0.0, 1.0, -1.0}, false, false, false},
  };
  for (const Case& k : cases) {
    const StabilityHatchPlan p = planStabilityHatch(k.circle, kChart);
    EXPECT_EQ(p.hatchWholeArea, k.wholeArea) << k.what;
    EXPECT_EQ(p.ellipse, k.ellipse) << k.what;
    EXPECT_EQ(p.triangle, k.triangle) << k.what;
  }
}

TEST(StabilityHatch, EllipseBoxInPixels)
{
  // Centre 1.5 + j0.5, radius 0.4: x from 1.1·150 + 210 to 1.9·150 + 210, y mirrored.
  const StabilityHatchPlan p = planStabilityHatch({1.5, 0.5, 0.4, 1.0}, kChart);
  ASSERT_TRUE(p.ellipse);
  EXPECT_EQ(p.x1, 375);
  EXPECT_EQ(p.x2, 495);
  EXPECT_EQ(p.y1, 160 - 135);
  EXPECT_EQ(p.y2, 160 - 15);
  // A negative radius gives the same, normalised box.
  const StabilityHatchPlan n = planStabilityHatch({1.5, 0.5, -0.4, 1.0}, kChart);
  EXPECT_EQ(n.x1, p.x1);
  EXPECT_EQ(n.y2, p.y2);
}

TEST(StabilityHatch, HugeCircleBecomesATriangleOnItsTangent)
{
  // Centre at Γ = 200 with radius 199.2: the circle passes Γ = 0.8 on the real axis, the point
  // nearest the chart centre, at pixel 210 + 0.8·150 = 330.
  const StabilityHatchPlan p = planStabilityHatch({200.0, 0.0, 199.2, 1.0}, kChart);
  ASSERT_TRUE(p.triangle);
  const CanvasPoint b = p.corners[0], a = p.corners[1], apex = p.corners[2];
  // The tangent there is vertical: A and B share x = 330, either side of the axis.
  EXPECT_EQ(a.x, 330);
  EXPECT_EQ(b.x, 330);
  EXPECT_EQ(a.y + b.y, 2 * 160);
  EXPECT_GT(std::abs(a.y - 160), 1000);
  // All corners stay in integer-safe range; the apex lies further along the axis.
  EXPECT_EQ(apex.y, 160);
  EXPECT_GT(apex.x, 330);
  for (const CanvasPoint& c : p.corners) {
    EXPECT_LE(std::abs(c.x), kGridCoordinateLimit);
    EXPECT_LE(std::abs(c.y), kGridCoordinateLimit);
  }
  // Tangent corners are pulled in toward P0 to about the ±6000 range.
  EXPECT_LE(std::abs(a.y - 160), 6000);
  EXPECT_GT(std::abs(a.y - 160), 5000);
}

TEST(StabilityHatch, HugeCircleCentredOnTheChartCoversEverything)
{
  // Inside unstable and the area wholly inside: the whole area is hatched.
  const StabilityHatchPlan p = planStabilityHatch({0.0, 0.0, 1000.0, 1.0}, kChart);
  EXPECT_TRUE(p.hatchWholeArea);
  EXPECT_FALSE(p.triangle);
  // Outside unstable: the two inversions cancel, nothing is hatched.
  EXPECT_FALSE(planStabilityHatch({0.0, 0.0, 1000.0, -1.0}, kChart).hatchWholeArea);
}

TEST(StabilityHatch, DrawsWithAnInvertingPenAndHatchedBrush)
{
  RecordingCanvas c;
  drawStabilityCircle(c, kArea, kChart, {1.5, 0.0, 0.4, -2.0}, colors::red);
  const auto e = c.opsOfKind(CanvasOp::Kind::Ellipse);
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(e[0].points[0], (CanvasPoint{-420, -320}));
  EXPECT_EQ(e[0].points[1], (CanvasPoint{840, 640}));
  for (const CanvasOp& op : e) {
    EXPECT_EQ(op.pen.mode, PenMode::Not);
    EXPECT_EQ(op.brush.style, BrushStyle::DiagonalHatch);
  }
  RecordingCanvas t;
  drawStabilityCircle(t, kArea, kChart, {200.0, 0.0, 199.2, 1.0}, colors::red);
  ASSERT_EQ(t.opsOfKind(CanvasOp::Kind::Polygon).size(), 1u);
  EXPECT_EQ(t.opsOfKind(CanvasOp::Kind::Polygon)[0].points.size(), 3u);
  EXPECT_TRUE(t.opsOfKind(CanvasOp::Kind::Ellipse).empty());
}

} // namespace
} // namespace norvane

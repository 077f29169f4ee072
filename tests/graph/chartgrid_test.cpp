#include "graph/chartgrid.h"

#include "support/recordingcanvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace norvane {
namespace {

const GraphColors kColors{};

TEST(ChartGeometry, RadiusAndCentreOfA420By320Area)
{
  const ChartGeometry g = ChartGeometry::make({0, 0, 420, 320}, 1.0);
  EXPECT_EQ(g.R, 150);
  EXPECT_EQ(g.cx, 210);
  EXPECT_EQ(g.cy, 160);
  EXPECT_DOUBLE_EQ(g.u, 150.0);
  EXPECT_EQ(g.point(0, 0), (CanvasPoint{210, 160}));
  EXPECT_EQ(g.point(1, 0), (CanvasPoint{360, 160}));
  EXPECT_EQ(g.point(0, 1), (CanvasPoint{210, 10})); // +j is up
  EXPECT_EQ(g.point(1e20, -1e20), (CanvasPoint{16380, 16380}));

  const ChartGeometry odd = ChartGeometry::make({10, 20, 421, 319}, 10.0);
  EXPECT_EQ(odd.R, 149); // (319 - 20) / 2 truncates
  EXPECT_EQ(odd.cx, 10 + 210);
  EXPECT_EQ(odd.cy, 20 + 159);
  EXPECT_DOUBLE_EQ(odd.u, 14.9);

  EXPECT_EQ(ChartGeometry::make({0, 0, 10, 10}, 1).R, 0);
  EXPECT_DOUBLE_EQ(ChartGeometry::make({0, 0, 420, 320}, 0.0).M, 1.0);
  EXPECT_DOUBLE_EQ(ChartGeometry::make({0, 0, 420, 320}, -2.0).M, 2.0);
  EXPECT_DOUBLE_EQ(ChartGeometry::make({0, 0, 420, 320}, NAN).M, 1.0);
}

// The point where the circle inscribed in the box meets the ray from the box centre through p.
CanvasPoint rayOnCircle(const ChartArc& a, CanvasPoint p)
{
  const double ccx = (a.x1 + a.x2) / 2.0, ccy = (a.y1 + a.y2) / 2.0;
  const double r = (a.x2 - a.x1) / 2.0;
  const double dx = p.x - ccx, dy = p.y - ccy, d = std::hypot(dx, dy);
  return {static_cast<int>(std::lround(ccx + r * dx / d)),
          static_cast<int>(std::lround(ccy + r * dy / d))};
}

TEST(ChartGrid, ReactanceArcsRunFromGammaOneToTheRim)
{
  const int cx = 210, cy = 160, R = 150;
  const std::vector<ChartArc> z = smithZReactanceArcs(cx, cy, R);
  ASSERT_EQ(z.size(), 6u);
  EXPECT_EQ(z[0], (ChartArc{210, 160, 510, 460, {360, 160}, {210, 310}}));
  EXPECT_EQ(z[1], (ChartArc{210, -140, 510, 160, {210, 10}, {360, 160}}));
  EXPECT_EQ(z[2], (ChartArc{285, 160, 435, 310, {360, 160}, {262, 310}})); // 0.35·150 = 52.5
  EXPECT_EQ(z[5], (ChartArc{60, -440, 660, 160, {158, 10}, {360, 160}}));
  // Where each arc reaches the rim: Γ = ∓j for |x| = 1, (0.6, ∓0.8) for 2, (-0.6, ∓0.8) for 0.5.
  const double rim[6][2] = {{0, -1}, {0, 1}, {0.6, -0.8}, {0.6, 0.8}, {-0.6, -0.8}, {-0.6, 0.8}};
  for (int i = 0; i < 6; ++i) {
    const bool lower = i % 2 == 0;
    const CanvasPoint rimEnd = rayOnCircle(z[i], lower ? z[i].end : z[i].start);
    EXPECT_NEAR(rimEnd.x, cx + rim[i][0] * R, 2.0) << "arc " << i;
    EXPECT_NEAR(rimEnd.y, cy - rim[i][1] * R, 2.0) << "arc " << i;
    const CanvasPoint one = rayOnCircle(z[i], lower ? z[i].start : z[i].end);
    EXPECT_EQ(one, (CanvasPoint{cx + R, cy})) << "arc " << i;
  }

  // The admittance arcs are mirror images with start and end exchanged.
  const std::vector<ChartArc> y = smithYSusceptanceArcs(cx, cy, R);
  EXPECT_EQ(y[0], (ChartArc{-90, 160, 210, 460, {210, 310}, {60, 160}}));
  EXPECT_EQ(y[2].end, (CanvasPoint{60, 160}));
  EXPECT_EQ(y[2].start, (CanvasPoint{420 - 262, 310}));
}

TEST(ChartGrid, ResistanceCirclesTouchGammaOne)
{
  const auto r = smithZResistanceCircles(210, 160, 150);
  EXPECT_EQ(r[0], (ChartCircleBox{135, 48, 360, 272})); // r = 1/3: 3R/4 = 112
  EXPECT_EQ(r[1], (ChartCircleBox{210, 85, 360, 235}));
  EXPECT_EQ(r[2], (ChartCircleBox{285, 123, 360, 197}));
  for (const ChartCircleBox& b : r)
    EXPECT_EQ(b.x2, 360);
  for (const ChartCircleBox& b : smithYConductanceCircles(210, 160, 150))
    EXPECT_EQ(b.x1, 60);
}

TEST(ChartGrid, SmithZYDrawsTheAdmittanceGridDotted)
{
  RecordingCanvas c;
  const IntRect area{0, 0, 420, 320};
  drawChartGrid(c, area, ChartGeometry::make(area, 1.0), ChartKind::SmithZY, kColors, 1);
  const auto arcs = c.opsOfKind(CanvasOp::Kind::Arc);
  ASSERT_EQ(arcs.size(), 12u);
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(arcs[i].pen.style, PenStyle::Solid);
  for (int i = 6; i < 12; ++i)
    EXPECT_EQ(arcs[i].pen.style, PenStyle::Dot);
  // Outer circle and three circles for each grid, drawn with a clear brush.
  const auto ellipses = c.opsOfKind(CanvasOp::Kind::Ellipse);
  ASSERT_EQ(ellipses.size(), 8u);
  EXPECT_EQ(ellipses[0].points[0], (CanvasPoint{60, 10}));
  EXPECT_EQ(ellipses[0].points[1], (CanvasPoint{360, 310}));
  for (const CanvasOp& e : ellipses)
    EXPECT_EQ(e.brush.style, BrushStyle::Clear);
  EXPECT_TRUE(c.hasLine(60, 160, 360, 160));

  RecordingCanvas y;
  drawChartGrid(y, area, ChartGeometry::make(area, 1.0), ChartKind::SmithY, kColors, 1);
  for (const CanvasOp& a : y.opsOfKind(CanvasOp::Kind::Arc))
    EXPECT_EQ(a.pen.style, PenStyle::Solid);
}

TEST(ChartGrid, ExpandedChartForMagnitudeTen)
{
  // S21 with its default magnitude 10: the unit circle is a tenth of R.
  RecordingCanvas c;
  const IntRect area{0, 0, 420, 320};
  const ChartGeometry g = ChartGeometry::make(area, 10.0);
  drawChartGrid(c, area, g, ChartKind::SmithZ, kColors, 1);
  EXPECT_TRUE(c.hasLine(0, 160, 420, 160));
  EXPECT_TRUE(c.hasLine(225, 0, 225, 320)); // b = cx + u = 210 + 15
  const auto e = c.opsOfKind(CanvasOp::Kind::Ellipse);
  ASSERT_EQ(e.size(), 10u + 8u + 1u);
  const CanvasOp& unit = e.back();
  EXPECT_EQ(unit.points[0], (CanvasPoint{195, 145}));
  EXPECT_EQ(unit.points[1], (CanvasPoint{225, 175}));
  EXPECT_EQ(unit.pen.color, kColors.majorAxis);
  // r = 0 through the chart centre: radius u, touching b from the left.
  EXPECT_EQ(e[2].points[0], (CanvasPoint{225, 145}));
  EXPECT_EQ(e[3].points[0], (CanvasPoint{195, 145}));
  EXPECT_EQ(e[3].points[1], (CanvasPoint{225, 175}));
  EXPECT_TRUE(c.opsOfKind(CanvasOp::Kind::Arc).empty());

  RecordingCanvas yc;
  drawChartGrid(yc, area, g, ChartKind::SmithY, kColors, 1);
  EXPECT_TRUE(yc.hasLine(195, 0, 195, 320));
  EXPECT_EQ(yc.opsOfKind(CanvasOp::Kind::Ellipse).back().pen.color, kSilver);

  // A tiny magnitude blows the grid up but never past the integer-safe bound.
  RecordingCanvas huge;
  drawChartGrid(huge, area, ChartGeometry::make(area, 1e-30), ChartKind::SmithZY, kColors, 1);
  for (const CanvasOp& op : huge.ops())
    for (const CanvasPoint& p : op.points) {
      EXPECT_LE(std::abs(p.x), 2'100'000);
      EXPECT_LE(std::abs(p.y), 2'100'000);
    }
}

TEST(ChartGrid, PolarGrid)
{
  RecordingCanvas c;
  const IntRect area{0, 0, 420, 320};
  drawChartGrid(c, area, ChartGeometry::make(area, 2.0), ChartKind::Polar, kColors, 1);
  const auto e = c.opsOfKind(CanvasOp::Kind::Ellipse);
  ASSERT_EQ(e.size(), 5u);
  EXPECT_EQ(e[0].pen.style, PenStyle::Solid);
  const int radii[] = {150, 120, 90, 60, 30};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(e[i].points[0], (CanvasPoint{210 - radii[i], 160 - radii[i]}));
    if (i > 0) {
      EXPECT_EQ(e[i].pen.style, PenStyle::Dot);
    }
  }
  EXPECT_TRUE(c.hasLine(60, 160, 360, 160));
  EXPECT_TRUE(c.hasLine(210, 10, 210, 310));
  EXPECT_EQ(chartKindOf(PlotFormat::Polar), ChartKind::Polar);
  EXPECT_EQ(chartKindOf(PlotFormat::SmithZY), ChartKind::SmithZY);
}

} // namespace
} // namespace norvane

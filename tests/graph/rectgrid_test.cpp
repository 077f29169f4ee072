#include "graph/rectgrid.h"

#include "support/recordingcanvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace norvane {
namespace {

const GraphColors kColors{};
const ValueAxis kUnitAxis = ValueAxis::make(0, 1, 300);

// The window's grid: the ticks of trace 1 (both traces on one axis here) and of the frequency.
void gridOf(Canvas& c, const IntRect& area, const FrequencyAxis& x, const ValueAxis& y)
{
  drawRectGrid(c, area, x, y, RectTicks::make(area, x, y, y, AxisUnit::Plain, AxisUnit::Plain),
               kColors, 1);
}

std::vector<int> verticalLineXs(const RecordingCanvas& c, Color color)
{
  std::vector<int> xs;
  for (const CanvasOp& op : c.lines())
    if (op.points[0].x == op.points[1].x && op.pen.color == color) xs.push_back(op.points[0].x);
  return xs;
}

TEST(RectGrid, LinearGridFollowsTheRoundLabels)
{
  // -40..10 dB up 325 pixels: lines at the inner 10 dB steps; 1..2 MHz across 400 pixels:
  // lines at the inner 200 kHz steps. The edges are the border and get no line.
  RecordingCanvas c;
  const IntRect area{10, 20, 400, 325};
  gridOf(c, area, FrequencyAxis::make(1e6, 2e6, false, area.width),
         ValueAxis::make(-40, 10, area.height));
  ASSERT_EQ(c.lines().size(), 8u);
  for (const int y : {85, 150, 215, 280})
    EXPECT_TRUE(c.hasLine(10, y, 410, y)) << "row at " << y;
  for (const int x : {90, 170, 250, 330})
    EXPECT_TRUE(c.hasLine(x, 20, x, 345)) << "column at " << x;
  for (const CanvasOp& op : c.lines()) {
    EXPECT_EQ(op.pen.color, kColors.minorAxis);
    EXPECT_EQ(op.pen.mode, PenMode::Copy);
    EXPECT_EQ(op.pen.style, PenStyle::Solid);
  }
}

TEST(RectGrid, LogAxisHasDecadesAndTheirSubdivisions)
{
  // 1 kHz to 10 GHz: seven decades over 700 pixels, 100 pixels each.
  RecordingCanvas c;
  const IntRect area{0, 0, 700, 300};
  gridOf(c, area, FrequencyAxis::make(1e3, 1e10, true, area.width), kUnitAxis);
  const std::vector<int> major = verticalLineXs(c, kColors.majorAxis);
  // 1 kHz sits on the left edge (x = 0) and is not drawn; 10 kHz .. 10 GHz are.
  EXPECT_EQ(major, (std::vector<int>{100, 200, 300, 400, 500, 600, 700}));
  const std::vector<int> minor = verticalLineXs(c, kColors.minorAxis);
  ASSERT_EQ(minor.size(), 7u * 4u);
  EXPECT_EQ(minor[0], 30);   // 2 kHz
  EXPECT_EQ(minor[1], 60);   // 4 kHz
  EXPECT_EQ(minor[2], 78);   // 6 kHz
  EXPECT_EQ(minor[3], 90);   // 8 kHz
  EXPECT_EQ(minor[27], 690); // 8 GHz
  for (const CanvasOp& op : c.lines()) {
    if (op.points[0].x != op.points[1].x) continue;
    EXPECT_EQ(op.points[0].y, 0);
    EXPECT_EQ(op.points[1].y, 300);
  }
}

TEST(RectGrid, LogAxisStartingBelowOneHertzBeginsAtOneHertz)
{
  RecordingCanvas c;
  const IntRect area{0, 0, 600, 300};
  const FrequencyAxis x = FrequencyAxis::make(0.5, 1000, true, area.width);
  gridOf(c, area, x, kUnitAxis);
  std::vector<int> all;
  for (const CanvasOp& op : c.lines())
    if (op.points[0].x == op.points[1].x) all.push_back(op.points[0].x);
  ASSERT_FALSE(all.empty());
  const int oneHz = static_cast<int>(std::nearbyint(std::log10(2.0) * x.logXScale));
  EXPECT_EQ(all.front(), oneHz);
  EXPECT_EQ(verticalLineXs(c, kColors.majorAxis).front(), oneHz);
}

TEST(RectGrid, LogAxisRaisesZeroStartToTheFloor)
{
  const FrequencyAxis x = FrequencyAxis::make(0.0, 1e3, true, 300);
  EXPECT_DOUBLE_EQ(x.xMin, 1e-12);
  EXPECT_DOUBLE_EQ(x.logXMin, -12.0);
  EXPECT_DOUBLE_EQ(x.logXScale, 300.0 / 15.0);
  RecordingCanvas c;
  gridOf(c, {0, 0, 300, 100}, x, kUnitAxis);
  EXPECT_EQ(verticalLineXs(c, kColors.majorAxis).size(), 15u);
}

TEST(RectGrid, PointMappingClampsOnlyInAFullRedraw)
{
  const IntRect area{5, 7, 400, 300};
  const FrequencyAxis x = FrequencyAxis::make(0, 100, false, area.width);
  const ValueAxis y = ValueAxis::make(-40, 10, area.height);
  EXPECT_EQ(rectPointInArea(area, x, y, 50, -15), (CanvasPoint{205, 157}));
  // Above the top: on the edge in a full redraw, at its true place while sweeping.
  EXPECT_EQ(rectPointInArea(area, x, y, 50, 20), (CanvasPoint{205, 7}));
  EXPECT_EQ(rectPointFree(area, x, y, 50, 20), (CanvasPoint{205, 7 - 60}));
  // The 1e30 of log10(0) saturates instead of overflowing.
  EXPECT_EQ(rectPointFree(area, x, y, 50, 1e30).y, -16380);
  EXPECT_EQ(rectPointInArea(area, x, y, 1e30, 1e30), (CanvasPoint{405, 7}));
  EXPECT_EQ(rectPointFree(area, x, y, -1e30, -1e30), (CanvasPoint{-16380, 16380}));
  // A zero span does not divide by zero.
  const ValueAxis flat = ValueAxis::make(3, 3, area.height);
  EXPECT_EQ(rectPointInArea(area, x, flat, 0, 99), (CanvasPoint{5, 307}));
}

TEST(RectGrid, PrinterPenGrowsWithTheArea)
{
  EXPECT_EQ(graphPenWidth(false, {0, 0, 5000, 3000}), 1);
  EXPECT_EQ(graphPenWidth(true, {0, 0, 1314, 1242}), 2);
  EXPECT_EQ(graphPenWidth(true, {0, 0, 400, 300}), 1);
}

} // namespace
} // namespace norvane

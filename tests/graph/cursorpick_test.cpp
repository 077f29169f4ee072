// Which point a click in the plot picks: nearest along the frequency axis as drawn on the
// rectangular graph (log axes compare in log frequency), nearest in the plane on the charts.
#include "graph/cursorpick.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

PlotStore storeOf(std::initializer_list<PlotPoint> points)
{
  PlotStore s;
  s.reset();
  for (const PlotPoint& p : points)
    s.add(p);
  return s;
}

TEST(CursorPick, RectangularGraphPicksTheNearestFrequency)
{
  // Linear axis 0..400 Hz over 400 pixels starting at x = 10: one pixel per hertz.
  const PlotStore lin = storeOf({{0}, {100}, {200}, {300}, {400}});
  const FrequencyAxis linear = FrequencyAxis::make(0, 400, false, 400);
  const IntRect area{10, 0, 400, 300};
  struct Case
  {
    int x;
    int expected;
  };
  for (const Case c : {Case{10, 1}, Case{0, 1}, Case{59, 1}, Case{60, 1}, Case{61, 2},
                       Case{260, 3}, Case{361, 5}, Case{2000, 5}})
    EXPECT_EQ(nearestPointByFrequency(lin, linear, area, c.x), c.expected) << c.x;

  // Logarithmic 1 MHz .. 100 MHz over 200 pixels: 100 pixels per decade. At x = 140 the
  // log distance to 10 MHz (40 px) is smaller than to 100 MHz (60 px), although in hertz
  // 25 MHz would be nearer 10 MHz too; at x = 175 (56 MHz) the log axis picks 100 MHz.
  const PlotStore dec = storeOf({{1e6}, {1e7}, {1e8}});
  const FrequencyAxis logarithmic = FrequencyAxis::make(1e6, 1e8, true, 200);
  const IntRect logArea{0, 0, 200, 100};
  EXPECT_EQ(nearestPointByFrequency(dec, logarithmic, logArea, 50), 1); // a tie: the earlier
  EXPECT_EQ(nearestPointByFrequency(dec, logarithmic, logArea, 51), 2);
  EXPECT_EQ(nearestPointByFrequency(dec, logarithmic, logArea, 140), 2);
  EXPECT_EQ(nearestPointByFrequency(dec, logarithmic, logArea, 175), 3);

  // Nothing stored: no point.
  EXPECT_EQ(nearestPointByFrequency(storeOf({}), linear, area, 50), 0);
}

TEST(CursorPick, ChartPicksTheNearestPointOfTheLocus)
{
  // Area 220 x 220: centre (110, 110), radius 100 pixels for magnitude 1.
  const ChartGeometry chart = ChartGeometry::make({0, 0, 220, 220}, 1.0);
  ASSERT_EQ(chart.R, 100);
  // The locus passes the centre, then 0.5 to the right, then 0.5 up (trace1 = re, trace2 = im).
  const PlotStore s = storeOf({{1e6, 0, 0}, {2e6, 0.5, 0}, {3e6, 0, 0.5}, {4e6, -0.9, -0.1}});
  EXPECT_EQ(nearestPointOnChart(s, chart, {112, 108}), 1);
  EXPECT_EQ(nearestPointOnChart(s, chart, {160, 110}), 2);
  EXPECT_EQ(nearestPointOnChart(s, chart, {110, 60}), 3);
  EXPECT_EQ(nearestPointOnChart(s, chart, {0, 200}), 4);
  // A point far off scale (1e30 from a zero magnitude) is never picked over a real one.
  const PlotStore wild = storeOf({{1e6, 1e300, 1e300}, {2e6, 0.2, 0.2}});
  EXPECT_EQ(nearestPointOnChart(wild, chart, {500, -500}), 2);
  EXPECT_EQ(nearestPointOnChart(storeOf({}), chart, {0, 0}), 0);
}

TEST(CursorPick, StepsStopAtTheEnds)
{
  EXPECT_EQ(steppedCursor(5, 1, 10), 6);
  EXPECT_EQ(steppedCursor(5, -3, 10), 2);
  EXPECT_EQ(steppedCursor(10, 3, 10), 10);
  EXPECT_EQ(steppedCursor(1, -1, 10), 1);
  EXPECT_EQ(steppedCursor(1, 1, 0), 1);
}

} // namespace
} // namespace norvane

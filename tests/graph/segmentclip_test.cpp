// Cutting trace segments at the edges of the graph box.
#include "graph/segmentclip.h"

#include <gtest/gtest.h>

#include <limits>

namespace norvane {
namespace {

struct ClipCase
{
  const char* what;
  PlotSegment in;
  bool visible;
  PlotSegment out;
};

TEST(SegmentClip, KeepsThePartInsideTheBox)
{
  // The box from (0, 0) to (200, 100).
  const ClipCase cases[] = {
      {"inside", {10, 10, 50, 90}, true, {10, 10, 50, 90}},
      {"on the edge", {0, 100, 200, 100}, true, {0, 100, 200, 100}},
      {"leaves through the foot", {0, 50, 100, 150}, true, {0, 50, 50, 100}},
      {"enters through the top", {100, -100, 100, 50}, true, {100, 0, 100, 50}},
      {"crosses the box", {-100, 50, 300, 50}, true, {0, 50, 200, 50}},
      {"below the foot", {0, 120, 200, 180}, false, {}},
      {"beside the box", {-50, -10, -10, 200}, false, {}},
      {"the logarithm of zero", {100, 50, 110, 1e30}, true, {100, 50, 100.00001, 100}},
  };
  for (const ClipCase& c : cases) {
    SCOPED_TRACE(c.what);
    const auto got = clipSegment(c.in, 0, 0, 200, 100);
    ASSERT_EQ(got.has_value(), c.visible);
    if (!got) continue;
    EXPECT_NEAR(got->x1, c.out.x1, 1e-3);
    EXPECT_NEAR(got->y1, c.out.y1, 1e-3);
    EXPECT_NEAR(got->x2, c.out.x2, 1e-3);
    EXPECT_NEAR(got->y2, c.out.y2, 1e-3);
  }
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(clipSegment({nan, 0, 10, 10}, 0, 0, 200, 100));
}

} // namespace
} // namespace norvane

// The rectangular graph's labelled axes as the window draws them: round values in their units
// on both trace axes, the decades of a logarithmic sweep along the foot, and the legend.

#include "graph_support.h"

#include "graph/graphdrawingarea.h"
#include "graph/graphvaluefield.h"
#include "support/recordingcanvas.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace norvane {
namespace {

using graphtest::GraphWindowTest;

QRgb rgbOf(Color c)
{
  return qRgb(redOf(c), greenOf(c), blueOf(c));
}

// Pixels inside the rectangle [x1, x2) x [y1, y2) that show the colour over the black
// background: the colour itself or, at the anti-aliased edges of letters, at least 60 per cent
// of it (the grey grid is half of white and does not count). The column `skipX` and its
// neighbours, where a grid line of the same colour runs, are skipped.
int colourIn(const QImage& image, QRgb colour, int x1, int y1, int x2, int y2, int skipX = -9)
{
  const double t[3] = {double(qRed(colour)), double(qGreen(colour)), double(qBlue(colour))};
  const double tt = t[0] * t[0] + t[1] * t[1] + t[2] * t[2];
  int n = 0;
  for (int y = std::max(y1, 0); y < std::min(y2, image.height()); ++y)
    for (int x = std::max(x1, 0); x < std::min(x2, image.width()); ++x) {
      if (std::abs(x - skipX) <= 1) continue;
      const QRgb px = image.pixel(x, y);
      const double p[3] = {double(qRed(px)), double(qGreen(px)), double(qBlue(px))};
      const double a = (p[0] * t[0] + p[1] * t[1] + p[2] * t[2]) / tt;
      bool near = a >= 0.6;
      for (int i = 0; i < 3; ++i)
        near = near && std::abs(p[i] - a * t[i]) <= 24.0;
      if (near) ++n;
    }
  return n;
}

TEST_F(GraphWindowTest, AxisLabelsOfKnownRangesSitOnTheirGridLines)
{
  // The low-pass over 1 MHz .. 1 GHz (logarithmic) with S21 shown from -40 to 10 dB.
  load("lowpass3.cct");
  doc.Xax.numpoints = 100;
  GraphWindow& w = window();
  ASSERT_TRUE(w.runSimulation().ran);
  emit w.startField()->committed(1e6);
  emit w.valueField(ValueField::Trace1Max)->committed(10.0);
  emit w.valueField(ValueField::Trace1Min)->committed(-40.0);
  settle();
  ASSERT_TRUE(w.core().logarithmicAxis());
  ASSERT_DOUBLE_EQ(w.core().sweepStart(), 1e6);
  ASSERT_DOUBLE_EQ(w.core().sweepStop(), 1e9);

  // The painter's texts and places on a 600 x 300 area (fixed-pitch model: 11 pixels high,
  // 6 wide per character; three decades of 200 pixels).
  RecordingCanvas canvas;
  w.core().DrawGraph(canvas, 0, 0, 600, 300);
  const std::pair<const char*, int> decades[] = {
      {"1 MHz", 0}, {"10 MHz", 200}, {"100 MHz", 400}, {"1 GHz", 600}};
  for (const auto& [text, x] : decades) {
    const auto op = canvas.findText(text);
    ASSERT_TRUE(op) << text;
    const int width = canvas.textExtent(text).width;
    EXPECT_EQ(op->points[0], (CanvasPoint{std::clamp(x - width / 2, 3, 600 - 3 - width), 288}))
        << text;
  }
  // 6 pixels a dB; centred on the line, the top one held inside.
  const std::pair<const char*, int> levels[] = {
      {"10 dB", 1}, {"0 dB", 55}, {"-10 dB", 115}, {"-20 dB", 175}, {"-30 dB", 235}};
  for (const auto& [text, y] : levels) {
    const auto op = canvas.findText(text);
    ASSERT_TRUE(op) << text;
    EXPECT_EQ(op->points[0], (CanvasPoint{3, y})) << text;
    EXPECT_EQ(op->font.color, env.trace1color);
  }
  EXPECT_TRUE(canvas.findText("S21 dB"));
  EXPECT_TRUE(canvas.findText("S11 dB"));

  // The window's own picture: the -20 dB label in trace 1's colour at the left edge on its
  // line, and nothing of that colour half-way to the next line (the trace itself is at 0 dB
  // there); the decade labels in the major-axis colour beside their lines at the foot.
  const QImage picture = w.plotArea()->picture();
  const int width = picture.width(), height = picture.height();
  ASSERT_GT(height, 200);
  const QRgb trace1 = rgbOf(env.trace1color);
  const int at20 = static_cast<int>(std::lround(height * 30.0 / 50.0));
  const int at25 = static_cast<int>(std::lround(height * 35.0 / 50.0));
  EXPECT_GT(colourIn(picture, trace1, 0, at20 - 4, 50, at20 + 5), 10);
  EXPECT_EQ(colourIn(picture, trace1, 0, at25 - 4, 50, at25 + 5), 0);
  const QRgb major = rgbOf(env.majoraxiscolor);
  for (const int decade : {1, 2}) {
    const int x = static_cast<int>(std::lround(width * decade / 3.0));
    EXPECT_GT(colourIn(picture, major, x - 30, height - 16, x + 30, height, x), 10) << decade;
  }
}

TEST_F(GraphWindowTest, TallNarrowAreaKeepsASquareGraphWhosePhaseGridMeetsItsLabels)
{
  load("lowpass3.cct");
  doc.Xax.numpoints = 50;
  doc.Y1ax = {-180, 180, measwhat::S21, tracetype::Phase};
  GraphWindow& w = window();
  ASSERT_TRUE(w.runSimulation().ran);
  settle();

  // 300 x 700: the graph is the 300 x 300 square in the middle (rows 200..500), framed. A
  // phase axis steps in quarter turns, and its grid lines lie under those labels.
  RecordingCanvas canvas;
  w.core().DrawGraph(canvas, 0, 0, 300, 700);
  EXPECT_TRUE(std::any_of(canvas.ops().begin(), canvas.ops().end(), [](const CanvasOp& op) {
    return op.kind == CanvasOp::Kind::Rectangle && op.points[0] == CanvasPoint{-1, 199};
  }));
  for (const auto& [text, y] : {std::pair{"90\u00B0", 275}, {"0\u00B0", 350}, {"-90\u00B0", 425}}) {
    const auto label = canvas.findText(text);
    ASSERT_TRUE(label) << text;
    EXPECT_EQ(label->points[0].y, y - canvas.textExtent(text).height / 2) << text;
    EXPECT_TRUE(canvas.hasLine(0, y, 300, y)) << text;
  }
  for (const CanvasOp& op : canvas.lines())
    EXPECT_TRUE(op.points[0].y >= 199 && op.points[1].y <= 501) << op.points[0].y;
}

} // namespace
} // namespace norvane

#include "graph/rectlabels.h"

#include "support/recordingcanvas.h"

#include <gtest/gtest.h>

#include <limits>

namespace norvane {
namespace {

TEST(RectLabels, ValuesSitOnTheirLinesInsideTheEdges)
{
  // 96 dpi, 8 points: texts 11 pixels high, 6 per character.
  RecordingCanvas c;
  c.setBrush({colors::white, BrushStyle::Solid});
  const Font pageFont = c.font();
  const GraphColors colours{};
  const IntRect area{0, 0, 600, 300};
  const FrequencyAxis x = FrequencyAxis::make(1e6, 1e9, true, area.width); // 200 px a decade
  const ValueAxis y1 = ValueAxis::make(-40, 10, area.height);              // 6 px a dB
  const ValueAxis y2 = ValueAxis::make(-180, 180, area.height);
  drawRectLabels(c, area, x, y1, y2,
                 RectTicks::make(area, x, y1, y2, AxisUnit::Decibel, AxisUnit::Degree),
                 {AxisUnit::Decibel, AxisUnit::Degree, "S21 dB", "S11 phase"}, colours);

  const auto at = [&](const std::string& text) {
    const auto op = c.findText(text);
    return op ? op->points[0] : CanvasPoint{-1, -1};
  };
  // Frequency row along the bottom (300 - 1 - 11), centred on the decade lines, the ends held
  // inside; "2 MHz" has room, "8 MHz" would touch "10 MHz" and is left out.
  EXPECT_EQ(at("1 MHz"), (CanvasPoint{3, 288}));
  EXPECT_EQ(at("10 MHz"), (CanvasPoint{200 - 18, 288}));
  EXPECT_EQ(at("100 MHz"), (CanvasPoint{400 - 21, 288}));
  EXPECT_EQ(at("1 GHz"), (CanvasPoint{600 - 3 - 30, 288}));
  EXPECT_EQ(at("2 MHz"), (CanvasPoint{60 - 15, 288}));
  EXPECT_FALSE(c.findText("8 MHz"));
  EXPECT_EQ(c.findText("1 MHz")->font.color, colours.majorAxis);

  // Trace 1 up the left edge in dB, centred on its lines; -40 dB at the foot would run into
  // the frequency row and is left out, 10 dB at the top is held inside.
  EXPECT_EQ(at("10 dB"), (CanvasPoint{3, 1}));
  EXPECT_EQ(at("0 dB"), (CanvasPoint{3, 60 - 5}));
  EXPECT_EQ(at("-30 dB"), (CanvasPoint{3, 240 - 5}));
  EXPECT_FALSE(c.findText("-40 dB"));
  EXPECT_EQ(c.findText("0 dB")->font.color, colours.trace1);
  // Trace 2 down the right edge in quarter turns.
  const int w90 = c.textExtent("90\u00B0").width;
  EXPECT_EQ(at("90\u00B0"), (CanvasPoint{600 - 3 - w90, 75 - 5}));
  EXPECT_EQ(c.findText("-90\u00B0")->font.color, colours.trace2);

  // The legend names both traces in their colours; each label stands on the graph's
  // background (the grid line it names does not strike through it), and the caller's font
  // and brush are left as they were.
  EXPECT_EQ(c.findText("S21 dB")->font.color, colours.trace1);
  EXPECT_EQ(c.findText("S11 phase")->font.color, colours.trace2);
  EXPECT_EQ(c.findText("S21 dB")->brush.style, BrushStyle::Solid);
  EXPECT_EQ(c.findText("-20 dB")->brush.color, colours.background);
  EXPECT_EQ(c.font(), pageFont);
  EXPECT_EQ(c.brush().style, BrushStyle::Solid);
}

TEST(RectLabels, NothingIsWrittenOutsideATinyArea)
{
  // A graph shrunk below the size of its texts, and an axis whose limits are not numbers.
  RecordingCanvas c;
  const IntRect area{50, 40, 30, 12};
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const FrequencyAxis x = FrequencyAxis::make(1e6, 2e6, false, area.width);
  const ValueAxis y1 = ValueAxis::make(nan, 10, area.height);
  const ValueAxis y2 = ValueAxis::make(-1, 1, area.height);
  drawRectLabels(c, area, x, y1, y2,
                 RectTicks::make(area, x, y1, y2, AxisUnit::Decibel, AxisUnit::Plain),
                 {AxisUnit::Decibel, AxisUnit::Plain, "S21 dB", "S11 mag"}, GraphColors{});
  for (const CanvasOp& op : c.texts()) {
    EXPECT_GE(op.points[0].x, area.left) << op.text;
    EXPECT_GE(op.points[0].y, area.top) << op.text;
  }
  EXPECT_FALSE(c.findText("S21 dB"));
}

} // namespace
} // namespace norvane

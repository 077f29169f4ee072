#include "support/recordingcanvas.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

TEST(Colors, RedInTheLowByte)
{
  EXPECT_EQ(makeColor(255, 0, 0), 255);
  EXPECT_EQ(makeColor(128, 128, 128), 8421504);
  EXPECT_EQ(makeColor(0, 0, 255), 16711680);
  EXPECT_EQ(redOf(makeColor(1, 2, 3)), 1);
  EXPECT_EQ(greenOf(makeColor(1, 2, 3)), 2);
  EXPECT_EQ(blueOf(makeColor(1, 2, 3)), 3);
}

TEST(RecordingCanvas, RecordsEveryCallWithTheStateInForce)
{
  RecordingCanvas c;
  c.setPenColor(colors::red);
  c.setPenWidth(2);
  c.setPenStyle(PenStyle::Dot);
  c.setPenMode(PenMode::Xor);
  c.moveTo(1, 2);
  c.lineTo(10, 2);
  c.lineTo(10, 20); // continues from the pen position
  c.setBrushStyle(BrushStyle::Clear);
  c.ellipse(0, 0, 20, 10);
  c.setFontName("Arial");
  c.setFontSize(10);
  c.setFontColor(colors::blue);
  c.textOut(5, 6, "50R");
  c.setPixel(3, 4, colors::grey);
  c.arc(0, 0, 10, 10, 10, 5, 0, 5);
  c.polygon({{0, 0}, {5, 0}, {5, 5}});

  ASSERT_EQ(c.ops().size(), 7u);
  const CanvasOp& first = c.ops()[0];
  EXPECT_EQ(first.kind, CanvasOp::Kind::Line);
  EXPECT_EQ(first.pen, (Pen{colors::red, 2, PenStyle::Dot, PenMode::Xor}));
  EXPECT_TRUE(c.hasLine(1, 2, 10, 2));
  EXPECT_TRUE(c.hasLine(10, 20, 10, 2)); // either direction
  EXPECT_FALSE(c.hasLine(1, 2, 10, 20));
  EXPECT_EQ(c.penPosition(), (CanvasPoint{10, 20}));
  EXPECT_EQ(c.ops()[2].brush.style, BrushStyle::Clear);

  auto text = c.findText("50R");
  ASSERT_TRUE(text);
  EXPECT_EQ(text->points[0], (CanvasPoint{5, 6}));
  EXPECT_EQ(text->font.name, "Arial");
  EXPECT_EQ(text->font.size, 10);
  EXPECT_EQ(text->font.color, colors::blue);
  EXPECT_TRUE(c.textAt(5, 6));
  EXPECT_FALSE(c.textAt(6, 5));
  EXPECT_FALSE(c.findText("51R"));

  auto pixels = c.opsOfKind(CanvasOp::Kind::Pixel);
  ASSERT_EQ(pixels.size(), 1u);
  EXPECT_EQ(pixels[0].color, colors::grey);
  EXPECT_EQ(c.opsOfKind(CanvasOp::Kind::Arc)[0].points.size(), 4u);
  EXPECT_EQ(c.opsOfKind(CanvasOp::Kind::Polygon)[0].points.size(), 3u);

  c.clear();
  EXPECT_TRUE(c.ops().empty());
}

TEST(RecordingCanvas, TextExtentFollowsFontSizeAndResolution)
{
  RecordingCanvas screen(96);
  screen.setFontSize(8); // 8 pt at 96 ppi: 11 pixels high, 6 wide per character
  EXPECT_EQ(screen.textExtent("abc"), (TextExtent{18, 11}));
  screen.setFontSize(0);
  EXPECT_EQ(screen.textExtent("abc"), (TextExtent{0, 0}));

  RecordingCanvas printer(600);
  printer.setFontSize(8);
  EXPECT_EQ(printer.pixelsPerInch(), 600);
  EXPECT_EQ(printer.textExtent("a").height, 67);
}

TEST(RecordingCanvas, NegativePenWidthIsThinnest)
{
  RecordingCanvas c;
  c.setPenWidth(-3);
  EXPECT_EQ(c.pen().width, 0);
}

TEST(Canvas, DefaultTilingDrawsEveryPixelFromTheTile)
{
  // A canvas that only implements the primitives: the default drawTiled falls back to pixels.
  struct PixelCounter : RecordingCanvas
  {
    void drawTiled(const PixelImage& t, int x, int y, int w, int h) override
    {
      Canvas::drawTiled(t, x, y, w, h);
    }
  } c;
  PixelImage tile{2, 2, {1, 2, 3, 4}};
  c.drawTiled(tile, 10, 20, 3, 3);
  auto px = c.opsOfKind(CanvasOp::Kind::Pixel);
  ASSERT_EQ(px.size(), 9u);
  EXPECT_EQ(px[0].points[0], (CanvasPoint{10, 20}));
  EXPECT_EQ(px[2].color, 1); // (2, 0) wraps to tile column 0
  EXPECT_EQ(px[4].color, 4); // (1, 1)
  EXPECT_EQ(px[8].color, 1); // (2, 2)
}

} // namespace
} // namespace norvane

// QtCanvas drawing into images: the pixel conventions the core painters rely on.
#include "common/qtcanvas.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace norvane {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

struct Picture
{
  QImage image{60, 40, QImage::Format_RGB32};
  Picture() { image.fill(Qt::white); }
  template <typename Draw> void draw(Draw d)
  {
    QPainter painter(&image);
    QtCanvas canvas(painter, 96);
    d(canvas);
  }
  QRgb at(int x, int y) const { return image.pixel(x, y); }
  int inkCount() const
  {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        n += image.pixel(x, y) != kWhite ? 1 : 0;
      }
    }
    return n;
  }
};

TEST(QtCanvas, ColoursHaveRedInTheLowByte)
{
  EXPECT_EQ(toQColor(255), QColor(255, 0, 0));
  EXPECT_EQ(toQColor(16711680), QColor(0, 0, 255));
  EXPECT_EQ(toQColor(8421504), QColor(128, 128, 128));
  EXPECT_EQ(fromQColor(QColor(1, 2, 3)), makeColor(1, 2, 3));
  Picture p;
  p.draw([](Canvas& c) { c.setPixel(5, 6, colors::red); });
  EXPECT_EQ(p.at(5, 6), qRgb(255, 0, 0));
  EXPECT_EQ(p.inkCount(), 1);
}

TEST(QtCanvas, LinesLeaveOutTheirEndPixel)
{
  Picture p;
  p.draw([](Canvas& c) {
    c.moveTo(10, 10);
    c.lineTo(20, 10);
  });
  EXPECT_NE(p.at(10, 10), kWhite);
  EXPECT_NE(p.at(19, 10), kWhite);
  EXPECT_EQ(p.at(20, 10), kWhite);
  EXPECT_EQ(p.inkCount(), 10);
  // A zero-length line draws nothing.
  Picture q;
  q.draw([](Canvas& c) {
    c.moveTo(3, 3);
    c.lineTo(3, 3);
  });
  EXPECT_EQ(q.inkCount(), 0);
}

TEST(QtCanvas, ExclusiveOrDrawnTwiceRestoresThePicture)
{
  Picture p;
  p.draw([](Canvas& c) {
    c.setBrushColor(colors::grey);
    c.fillRect(0, 0, 60, 40);
  });
  const QImage before = p.image;
  const auto outline = [](Canvas& c) {
    c.setPenMode(PenMode::Xor);
    c.setPenColor(colors::white);
    c.moveTo(5, 5);
    c.lineTo(30, 5);
    c.lineTo(30, 30); // the joint pixel is drawn once, so it is restored too
    c.lineTo(5, 30);
  };
  p.draw(outline);
  EXPECT_NE(p.image, before);
  p.draw(outline);
  EXPECT_EQ(p.image, before);
}

TEST(QtCanvas, SmoothingBlendsCopiedLinesButNotExclusiveOr)
{
  // A shallow black line on white: smoothed, its edges are grey; pixel-exact, only black.
  const auto greys = [](const Picture& p) {
    int n = 0;
    for (int y = 0; y < p.image.height(); ++y)
      for (int x = 0; x < p.image.width(); ++x)
        n += qGray(p.at(x, y)) > 0 && qGray(p.at(x, y)) < 255 ? 1 : 0;
    return n;
  };
  const auto slope = [](Canvas& c) {
    c.setSmoothing(true);
    c.setPenColor(colors::black);
    c.moveTo(5, 5);
    c.lineTo(50, 20);
  };
  Picture smooth;
  smooth.draw(slope);
  EXPECT_GT(greys(smooth), 20);
  // Exclusive-or drawing ignores the smoothing, so drawing it twice still restores the picture.
  Picture p;
  const auto inverted = [&](Canvas& c) {
    c.setPenMode(PenMode::Xor);
    c.setPenColor(colors::white);
    slope(c);
  };
  p.draw(inverted);
  EXPECT_EQ(greys(p), 0);
  p.draw(inverted);
  EXPECT_EQ(p.inkCount(), 0);
}

TEST(QtCanvas, RectanglesCoverExactlyTheirBox)
{
  Picture p;
  p.draw([](Canvas& c) {
    c.setBrushColor(colors::blue);
    c.setPenColor(colors::black);
    c.rectangle(10, 10, 20, 15);
  });
  EXPECT_EQ(p.inkCount(), 10 * 5);
  EXPECT_EQ(p.at(10, 10), qRgb(0, 0, 0));
  EXPECT_EQ(p.at(19, 14), qRgb(0, 0, 0));
  EXPECT_EQ(p.at(15, 12), qRgb(0, 0, 255));
  EXPECT_EQ(p.at(20, 12), kWhite);

  Picture clear;
  clear.draw([](Canvas& c) {
    c.setBrushColor(colors::red);
    c.setBrushStyle(BrushStyle::Clear);
    c.fillRect(0, 0, 60, 40); // a clear brush fills nothing
    c.frameRect(10, 10, 20, 20);
  });
  EXPECT_EQ(clear.inkCount(), 36); // the border of a 10 x 10 box
  EXPECT_EQ(clear.at(10, 10), qRgb(255, 0, 0));
  EXPECT_EQ(clear.at(15, 15), kWhite);
}

TEST(QtCanvas, TextIsMeasuredAndDrawnAtItsTopLeft)
{
  Picture p;
  TextExtent extent;
  p.draw([&](Canvas& c) {
    c.setFontSize(8);
    c.setBrushStyle(BrushStyle::Clear);
    extent = c.textExtent("50R");
    c.textOut(5, 5, "50R");
  });
  EXPECT_GT(extent.width, 8);
  // 8 points at 96 pixels per inch are 11 pixels; the line height is a little more.
  EXPECT_GE(extent.height, 11);
  EXPECT_LE(extent.height, 18);
  EXPECT_GT(p.inkCount(), 10);
  for (int x = 0; x < 60; ++x) {
    EXPECT_EQ(p.at(x, 3), kWhite) << "nothing above the text's top";
  }
  // Scaled drawing (print preview): the size follows the canvas's pixels per inch.
  QImage big(10, 10, QImage::Format_RGB32);
  QPainter painter(&big);
  QtCanvas printer(painter, 600);
  printer.setFontSize(8);
  EXPECT_GT(printer.textExtent("50R").height, extent.height * 5);
}

TEST(QtCanvas, TilesRepeatAcrossTheArea)
{
  PixelImage tile;
  tile.width = 10;
  tile.height = 10;
  tile.pixels.assign(100, colors::white);
  tile.pixels[0] = colors::black; // one dot per tile
  Picture p;
  p.draw([&](Canvas& c) { c.drawTiled(tile, 0, 0, 60, 40); });
  EXPECT_EQ(p.inkCount(), 6 * 4);
  EXPECT_EQ(p.at(30, 20), qRgb(0, 0, 0));
  EXPECT_EQ(p.at(31, 20), kWhite);
}

TEST(QtCanvas, ArcsFollowTheirRays)
{
  // A quarter circle counter-clockwise from the right (3 o'clock) to the top (12 o'clock).
  Picture p;
  p.draw([](Canvas& c) { c.arc(10, 0, 51, 41, 60, 20, 30, 0); });
  EXPECT_GT(p.inkCount(), 20);
  int upperRight = 0;
  int elsewhere = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 60; ++x) {
      if (p.at(x, y) != kWhite) {
        (x >= 29 && y <= 21 ? upperRight : elsewhere)++;
      }
    }
  }
  EXPECT_EQ(elsewhere, 0);
  EXPECT_GT(upperRight, 20);
}

} // namespace
} // namespace norvane

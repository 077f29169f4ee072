// The start notice and the about box show the program's picture: at both sizes used, every
// text stays left of the Smith chart instead of running into it.
#include "common/brandpicture.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

namespace norvane {
namespace {

int widthOf(const char* text, int pixels, bool bold)
{
  QFont font("DejaVu Sans");
  font.setPixelSize(pixels);
  font.setBold(bold);
  return QFontMetrics(font).horizontalAdvance(QString::fromLatin1(text));
}

TEST(BrandPicture, TextsFitLeftOfTheChart)
{
  for (const QSize size : {QSize(420, 220), QSize(400, 200), QSize(300, 150)}) {
    SCOPED_TRACE(std::to_string(size.width()) + " x " + std::to_string(size.height()));
    const BrandLayout layout = brandLayout(size);
    EXPECT_LT(layout.textRight, layout.chart.left());
    EXPECT_GE(layout.chart.left(), 0.0);
    EXPECT_LE(layout.chart.right(), size.width());
    const int room = layout.textRight - layout.textLeft;
    EXPECT_LE(widthOf("Norvane", layout.titlePixels, true), room);
    EXPECT_LE(widthOf("S-parameters from the schematic", layout.linePixels, false), room);
    EXPECT_LE(widthOf("Linear RF circuit simulation", layout.linePixels, false), room);
    EXPECT_GE(layout.linePixels, 8); // still readable
    EXPECT_EQ(brandPicture(size).size(), size);
  }
}

} // namespace
} // namespace norvane

#pragma once
// The program's own picture for the start notice and the about box: a Smith chart motif with
// the program's name, drawn in code so no image file has to travel with the program.

#include <QImage>
#include <QRectF>
#include <QSize>

namespace norvane {

// Where the picture puts its parts: the chart on the right, the texts in the room left of it,
// each font made small enough for its text to fit there.
struct BrandLayout
{
  QRectF chart;      // the chart's unit circle, as its bounding square
  int textLeft = 0;  // left edge of every text
  int textRight = 0; // texts end before this, a margin short of the chart
  int titlePixels = 0;
  int linePixels = 0;
  int smallPixels = 0;
};
BrandLayout brandLayout(QSize size);

QImage brandPicture(QSize size);

} // namespace norvane

#pragma once
// Where a schematic point lands on a canvas. The editor draws at 1/1 with no offset; print and
// print preview draw the same schematic shifted and scaled: a document point (x, y) goes to
// (num * (x + xOffset) / den, num * (y + yOffset) / den), integer division as the printed
// layout was designed with.

#include "platform/canvas.h"

namespace norvane {

struct PaintScale
{
  int xOffset = 0;
  int yOffset = 0;
  int num = 1;
  int den = 1;

  // A zero denominator would be a caller's mistake; draw at 1/1 rather than divide by zero.
  int divisor() const { return den == 0 ? 1 : den; }
  int x(int docX) const { return num * (docX + xOffset) / divisor(); }
  int y(int docY) const { return num * (docY + yOffset) / divisor(); }
  CanvasPoint map(int docX, int docY) const { return {x(docX), y(docY)}; }
  // Pen width for lines drawn at this scale (0 is the device's thinnest line).
  int penWidth() const { return num / divisor(); }
};

} // namespace norvane

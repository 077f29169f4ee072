#pragma once
// The sign of a graph marker: a small triangle whose tip touches the marked point (a diamond
// for the reference marker), filled when the marker is selected, with the marker's number
// above it. Everything is drawn with the inverting pen, as the cursor is, so that drawing the
// same sign again at the same place erases it and a marker can move without the graph being
// drawn anew. The number is drawn in strokes for the same reason: text cannot be inverted.
// On a canvas that cannot invert (PDF) the sign is drawn in its colour instead.

#include "graph/intgeometry.h"
#include "platform/canvas.h"

namespace norvane {

struct MarkerGlyph
{
  CanvasPoint at;         // the marked point: the sign's tip
  int number = 1;         // 1..8
  bool reference = false; // a diamond rather than a triangle
  bool selected = false;  // filled
  Color color = 0;        // where the canvas cannot invert
  int scale = 1;          // the sign's size in multiples of its screen size (printer pages)
  int lift = 0;           // raised by this many sign heights (several markers on one point)
  friend bool operator==(const MarkerGlyph&, const MarkerGlyph&) = default;
};

void drawMarkerGlyph(Canvas& canvas, const MarkerGlyph& glyph);

// The pixels the sign covers (a click there takes hold of the marker).
IntRect markerGlyphBox(const MarkerGlyph& glyph);

} // namespace norvane

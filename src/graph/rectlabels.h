#pragma once
// The writing on the rectangular graph: the values of the grid lines along the left (trace 1),
// right (trace 2) and bottom (frequency) edges, each in its own unit, and a legend naming the
// two traces in their colours. Written inside the plot area along its edges, so the traces,
// the cursor and a click keep the pixels they have always had.

#include "graph/axisticks.h"
#include "graph/graphcolors.h"
#include "graph/intgeometry.h"
#include "graph/rectaxes.h"
#include "graph/rectticks.h"
#include "platform/canvas.h"

#include <string>

namespace norvane {

// What the two traces show: the units their ticks are written in and their legend names.
struct RectLabelling
{
  AxisUnit unit1 = AxisUnit::Decibel;
  AxisUnit unit2 = AxisUnit::Decibel;
  std::string legend1; // "S21 dB"
  std::string legend2;
};

// Labels of the trace axes and the frequency axis (the texts of `ticks`) plus the legend, in the
// canvas's current font (the page's print font on paper) and a clear brush (the grid and traces
// show through between the letters); font and brush are left as they were. A label that would
// overlap the one before it on the same edge is left out, as are the minor decade labels where
// there is no room; a trace label that would run into the frequency row is left out too.
void drawRectLabels(Canvas& canvas, const IntRect& area, const FrequencyAxis& x,
                    const ValueAxis& y1, const ValueAxis& y2, const RectTicks& ticks,
                    const RectLabelling& labelling, const GraphColors& colors);

} // namespace norvane

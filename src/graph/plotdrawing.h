#pragma once
// Drawing the stored points: the traces of a full redraw (rectangular graph and charts, with
// the runs of a tolerance multi-sweep underneath), and the square cursor marker.

#include "graph/chartgeometry.h"
#include "graph/graphcolors.h"
#include "graph/intgeometry.h"
#include "graph/plotstore.h"
#include "graph/rectaxes.h"
#include "platform/canvas.h"

namespace norvane {

// The complement of a colour: what a "not-copy" pen draws, so multi-sweep runs stand apart
// from the nominal trace drawn over them.
constexpr Color invertedColor(Color c)
{
  return static_cast<Color>(~c & 0xFFFFFF);
}

// Trace 1 then trace 2 as polylines through all stored points, cut at the edges of the area
// (what lies beyond the axis limits is not drawn); the runs (when given) first, in the
// inverted trace colours.
void drawRectTraces(Canvas& canvas, const IntRect& area, const FrequencyAxis& x,
                    const ValueAxis& y1, const ValueAxis& y2, const PlotStore& store,
                    const MultiSweepRuns* runs, const GraphColors& colors, int penWidth);

// The locus of the plotted coefficient (trace1 + j·trace2) as one polyline in the trace-1
// colour; runs first in the inverted trace-2 colour.
void drawChartTrace(Canvas& canvas, const ChartGeometry& g, const PlotStore& store,
                    const MultiSweepRuns* runs, const GraphColors& colors, int penWidth);

// The cursor square of half-size s around (x, y): inverting pen, clear brush, so drawing it
// again at the same place erases it.
void drawCursorMarker(Canvas& canvas, CanvasPoint at, int s);

} // namespace norvane

#pragma once
// The rectangular graph's grid and the mapping of a (frequency, value) pair to a pixel.

#include "graph/axisticks.h"
#include "graph/graphcolors.h"
#include "graph/intgeometry.h"
#include "graph/rectaxes.h"
#include "graph/rectticks.h"
#include "platform/canvas.h"

namespace norvane {

// Pen width of grid and traces: 1 on the screen, max(width, height)/1000 + 1 on paper so the
// lines stay visible at printer resolution.
int graphPenWidth(bool printing, const IntRect& area);

// The part of a drawing area the rectangular graph takes: all of it, unless the area is taller
// than wide. A tall, narrow window would stretch the traces into a column whose slopes and
// values are hard to read, so the graph is held to a square, centred in the area.
IntRect readableRectArea(const IntRect& area);

// Full redraw: rounded and held inside the drawing area, so values beyond the axis limits run
// along the edge.
CanvasPoint rectPointInArea(const IntRect& area, const FrequencyAxis& x, const ValueAxis& y,
                            double freq, double value);

// Incremental drawing and cursor: rounded and only saturated at ±16380, so values beyond the
// axis limits are drawn where they really are (outside the area).
CanvasPoint rectPointFree(const IntRect& area, const FrequencyAxis& x, const ValueAxis& y,
                          double freq, double value);

// The grid follows the labels: a horizontal line at each inner tick of the left (trace 1)
// axis (`y` is trace 1's axis), then a vertical line at each inner frequency tick (linear axis) or
// the decade lines with their 2, 4, 6 and 8 subdivisions (logarithmic axis; a log axis spanning
// less than two decade lines gets lines at its 1-2-5 labels instead). Solid pen, copy mode.
void drawRectGrid(Canvas& canvas, const IntRect& area, const FrequencyAxis& x, const ValueAxis& y,
                  const RectTicks& ticks, const GraphColors& colors, int penWidth);

// Fractions of a decade where the logarithmic grid puts its lines: 1, 2, 4, 6 and 8 times a
// power of ten (log10 2 = 0.301, log10 4 = 0.602, log10 6 = 0.778, log10 8 = 0.903, rounded).
inline constexpr double kLogGridSteps[5] = {0.0, 0.3, 0.6, 0.78, 0.9};

} // namespace norvane

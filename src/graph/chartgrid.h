#pragma once
// The grids of the charts: Smith impedance (Z), admittance (Y, the mirror image) and both
// overlaid; the expanded form used when the chart magnitude M is not 1; and the polar grid.

#include "document/plotsettings.h"
#include "graph/chartgeometry.h"
#include "graph/graphcolors.h"
#include "graph/intgeometry.h"
#include "platform/canvas.h"

#include <vector>

namespace norvane {

// One arc of constant reactance: the bounding box of its circle and the two points whose rays
// from the box centre delimit it, drawn counter-clockwise from start to end.
struct ChartArc
{
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  CanvasPoint start;
  CanvasPoint end;
  bool operator==(const ChartArc&) const = default;
};

// A circle of constant resistance (or conductance) by its bounding box.
struct ChartCircleBox
{
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool operator==(const ChartCircleBox&) const = default;
};

// The three resistance circles r = 1/3, 1, 3 of the impedance chart, all touching Γ = 1.
std::vector<ChartCircleBox> smithZResistanceCircles(int cx, int cy, int R);
// The six reactance arcs x = -1, +1, -2, +2, -0.5, +0.5 of the impedance chart.
std::vector<ChartArc> smithZReactanceArcs(int cx, int cy, int R);
// The admittance chart's elements: the impedance ones mirrored about x = cx.
std::vector<ChartCircleBox> smithYConductanceCircles(int cx, int cy, int R);
std::vector<ChartArc> smithYSusceptanceArcs(int cx, int cy, int R);

enum class ChartKind { SmithZ, SmithY, SmithZY, Polar };

// ChartKind for plotformat 2..5 (anything else draws as polar).
ChartKind chartKindOf(PlotFormat plotformat);

// Draws the grid of the chart kind into the area: M = 1 gives the classic chart, any other M
// the expanded grid around the point Γ = 1 (Z) or Γ = -1 (Y) with the unit circle.
void drawChartGrid(Canvas& canvas, const IntRect& area, const ChartGeometry& geometry,
                   ChartKind kind, const GraphColors& colors, int penWidth);

} // namespace norvane

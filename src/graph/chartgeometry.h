#pragma once
// Where the Smith and polar charts sit in a drawing area, and how a complex coefficient maps
// to a pixel: centre (cx, cy) in the middle of the area, outer radius R leaving 10 pixels of
// margin, u = R/M pixels per unit so that a coefficient of magnitude M reaches the rim.

#include "graph/intgeometry.h"
#include "platform/canvas.h"

namespace norvane {

struct ChartGeometry
{
  int cx = 0;
  int cy = 0;
  int R = 0;      // outer radius in pixels
  double M = 1.0; // coefficient magnitude at the outer circle
  double u = 0.0; // pixels per unit of coefficient, R/M

  static ChartGeometry make(const IntRect& area, double magnitude);

  // x = cx + round(u·re), y = cy - round(u·im), saturated at ±16380 so that a locus running
  // far outside the chart cannot overflow.
  CanvasPoint point(double re, double im) const;
};

// The magnitude actually used for drawing: a zero, negative or non-finite M (typed into the
// magnitude field) would collapse or mirror the chart; zero and non-finite values read as 1,
// negative ones by their size.
double usableChartMagnitude(double magnitude);

} // namespace norvane

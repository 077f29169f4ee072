#pragma once
// Cutting a straight line to a rectangle, so that traces leaving the graph stop at its edge
// instead of running along it (a value below the bottom limit must not read as a floor).

#include "graph/intgeometry.h"

#include <optional>

namespace norvane {

struct PlotSegment
{
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The part of the segment inside the rectangle from (left, top) to (right, bottom), edges
// included; nothing when it misses the rectangle or a coordinate is not a number. Coordinates
// far beyond the rectangle (the 1e30 of log10(0)) are first brought to a distance at which the
// arithmetic stays exact enough; that does not move the visible part.
std::optional<PlotSegment> clipSegment(PlotSegment s, double left, double top, double right,
                                       double bottom);

} // namespace norvane

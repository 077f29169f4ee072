#pragma once
// Which stored point a mouse click in the plot means. On the rectangular graph the point
// whose frequency lies nearest to the clicked column (measured along the axis as drawn, so on
// a logarithmic axis "nearest" is nearest in log frequency, as the eye sees it); on a Smith or
// polar chart the point of the locus nearest to the clicked pixel.

#include "graph/chartgeometry.h"
#include "graph/intgeometry.h"
#include "graph/plotstore.h"
#include "graph/rectaxes.h"

namespace norvane {

// 1-based index of the point nearest to column `x` of a rectangular graph drawn in `area`;
// 0 when the store is empty. Ties go to the earlier point.
int nearestPointByFrequency(const PlotStore& store, const FrequencyAxis& axis,
                            const IntRect& area, int x);

// 1-based index of the point whose chart position lies nearest to `pixel`; 0 when the store
// is empty. Ties go to the earlier point.
int nearestPointOnChart(const PlotStore& store, const ChartGeometry& chart, IntPoint pixel);

// The cursor position after `steps` points forward (negative: back), held to 1..last.
int steppedCursor(int position, int steps, int last);

} // namespace norvane

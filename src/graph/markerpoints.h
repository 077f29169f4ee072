#pragma once
// Where the graph markers stand on the plotted points: the point nearest to a marker's
// frequency, and the points where a trace (or the charted magnitude) is largest or smallest.

#include "graph/plotstore.h"

namespace norvane {

// What a search for the maximum or minimum looks at: a trace of the rectangular graph, or the
// magnitude of the coefficient a Smith or polar chart plots.
enum class MarkedValue { Trace1, Trace2, ChartMagnitude };
enum class Extreme { Maximum, Minimum };

// 1-based index of the stored point nearest in frequency to `freq`; 0 when the store is
// empty. Ties go to the earlier point. On a logarithmic sweep "nearest" is nearest in log
// frequency, as the points lie on the axis.
int pointNearestFrequency(const PlotStore& store, double freq, bool logarithmic = false);

double markedValue(const PlotPoint& point, MarkedValue which);

// 1-based index of the point with the largest (smallest) value; the first of equal ones.
// Values no graph can show (the 1e30 logarithm of zero, non-finite numbers) are passed over;
// 0 when no point is left.
int extremePoint(const PlotStore& store, MarkedValue which, Extreme extreme);

// Whether a value is a real reading rather than one of the overflow stand-ins.
bool isReadableValue(double v);

} // namespace norvane

#pragma once
// One plotted sweep point and the display codes that the sweep and the graph window share:
// the plot format, measured parameter and trace type (document/plotsettings.h) and the sweep
// spacing, stored in the file as the integer `freqmode`.

#include "document/plotsettings.h"

namespace norvane {

// Seven doubles per sweep point, in this order. On the rectangular graph trace1/trace2 are the
// two trace values; on the Smith and polar charts they are the real and imaginary parts of the
// plotted coefficient. The circle fields describe the point's stability circle in
// reflection-coefficient units; `stability` is the signed stability factor (negative: the
// region outside the circle is unstable).
struct PlotPoint
{
  double freq = 0.0;
  double trace1 = 0.0;
  double trace2 = 0.0;
  double circleCentreRe = 0.0;
  double circleCentreIm = 0.0;
  double circleRadius = 0.0;
  double stability = 0.0;
};

// The point store holds 501 points: at most 500 sweep intervals.
constexpr int kPlotPointCapacity = 501;
constexpr int kMaxSweepIntervals = kPlotPointCapacity - 1;

// `freqmode`: spacing of the sweep points.
namespace freqmode {
constexpr int Linear = 1;
constexpr int Logarithmic = 2;
} // namespace freqmode

} // namespace norvane

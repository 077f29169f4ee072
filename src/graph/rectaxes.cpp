#include "graph/rectaxes.h"

#include <cmath>

namespace norvane {
namespace {

// A zero or non-finite span (start equal to stop, a top equal to the bottom) would give an
// infinite scale; every value then sits on the axis origin instead.
double safeScale(double pixels, double span)
{
  const double s = pixels / span;
  return std::isfinite(s) ? s : 0.0;
}

double log10OrFloor(double v)
{
  return std::log10(v > kLogAxisFloorHz ? v : kLogAxisFloorHz);
}

} // namespace

FrequencyAxis FrequencyAxis::make(double start, double stop, bool logarithmic, int width)
{
  FrequencyAxis a;
  a.logarithmic = logarithmic;
  if (logarithmic) {
    a.xMin = start < kLogAxisFloorHz ? kLogAxisFloorHz : start;
    a.xMax = stop < kLogAxisFloorHz ? kLogAxisFloorHz : stop;
    a.logXMin = std::log10(a.xMin);
    a.logXScale = safeScale(width, std::log10(a.xMax) - a.logXMin);
  } else {
    a.xMin = start;
    a.xMax = stop;
    a.xScale = safeScale(width, stop - start);
  }
  return a;
}

double FrequencyAxis::offset(double freq) const
{
  if (logarithmic) return (log10OrFloor(freq) - logXMin) * logXScale;
  return (freq - xMin) * xScale;
}

ValueAxis ValueAxis::make(double bottom, double top, int height)
{
  ValueAxis a;
  a.min = bottom;
  a.max = top;
  a.yScale = safeScale(height, top - bottom);
  return a;
}

double ValueAxis::offset(double value, int height) const
{
  return height - (value - min) * yScale;
}

} // namespace norvane

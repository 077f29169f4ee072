#pragma once
// The labelled values of the rectangular graph's three axes for one drawing area. The grid
// and the labels both take them from here, so every label names a grid line; a redraw of the
// same ranges at the same size takes them from a cache instead of writing the texts again.

#include "graph/axisticks.h"
#include "graph/intgeometry.h"
#include "graph/rectaxes.h"

#include <vector>

namespace norvane {

// The labelled values of a trace axis `height` pixels high and of the frequency axis `width`
// pixels wide: round 1-2-5 steps, about one every 40 pixels upwards and one every 80 pixels
// across (frequency texts are wider), at most six intervals; decades on a logarithmic axis.
std::vector<AxisTick> rectValueTicks(const ValueAxis& y, AxisUnit unit, int height);
std::vector<AxisTick> rectFrequencyTicks(const FrequencyAxis& x, int width);

struct RectTicks
{
  std::vector<AxisTick> trace1; // left edge, its lines are the horizontal grid
  std::vector<AxisTick> trace2; // right edge
  std::vector<AxisTick> frequency;

  static RectTicks make(const IntRect& area, const FrequencyAxis& x, const ValueAxis& y1,
                        const ValueAxis& y2, AxisUnit unit1, AxisUnit unit2);
};

// The ticks of the last drawing, kept while area size, ranges and units stay the same.
class RectTickCache
{
public:
  const RectTicks& get(const IntRect& area, const FrequencyAxis& x, const ValueAxis& y1,
                       const ValueAxis& y2, AxisUnit unit1, AxisUnit unit2);

private:
  struct Key
  {
    int width = -1;
    int height = -1;
    bool logarithmic = false;
    double xMin = 0, xMax = 0, y1Min = 0, y1Max = 0, y2Min = 0, y2Max = 0;
    AxisUnit unit1 = AxisUnit::Plain;
    AxisUnit unit2 = AxisUnit::Plain;
    friend bool operator==(const Key&, const Key&) = default;
  };
  Key m_key;
  RectTicks m_ticks;
};

} // namespace norvane

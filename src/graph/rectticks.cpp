#include "graph/rectticks.h"

#include <algorithm>

namespace norvane {
namespace {

// Lines per pixel count: one tick about every `spacing` pixels, at least two intervals so a
// small graph still shows both ends, at most six so the labels stay round.
int tickIntervals(int pixels, int spacing)
{
  return std::clamp(pixels / spacing, 2, 6);
}

} // namespace

std::vector<AxisTick> rectValueTicks(const ValueAxis& y, AxisUnit unit, int height)
{
  return linearTicks(y.min, y.max, unit, tickIntervals(height, 40));
}

std::vector<AxisTick> rectFrequencyTicks(const FrequencyAxis& x, int width)
{
  const int intervals = tickIntervals(width, 80);
  if (x.logarithmic) return logFrequencyTicks(x.xMin, x.xMax, intervals);
  return linearTicks(x.xMin, x.xMax, AxisUnit::Hertz, intervals);
}

RectTicks RectTicks::make(const IntRect& area, const FrequencyAxis& x, const ValueAxis& y1,
                          const ValueAxis& y2, AxisUnit unit1, AxisUnit unit2)
{
  return {rectValueTicks(y1, unit1, area.height), rectValueTicks(y2, unit2, area.height),
          rectFrequencyTicks(x, area.width)};
}

const RectTicks& RectTickCache::get(const IntRect& area, const FrequencyAxis& x,
                                    const ValueAxis& y1, const ValueAxis& y2, AxisUnit unit1,
                                    AxisUnit unit2)
{
  const Key key{area.width, area.height, x.logarithmic, x.xMin, x.xMax, y1.min,
                y1.max,     y2.min,      y2.max,        unit1,  unit2};
  if (!(key == m_key)) {
    m_ticks = RectTicks::make(area, x, y1, y2, unit1, unit2);
    m_key = key;
  }
  return m_ticks;
}

} // namespace norvane

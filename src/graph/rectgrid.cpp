#include "graph/rectgrid.h"

#include "graph/pixelmath.h"

#include <algorithm>
#include <cmath>

namespace norvane {

int graphPenWidth(bool printing, const IntRect& area)
{
  if (!printing) return 1;
  return std::max(area.width, area.height) / 1000 + 1;
}

IntRect readableRectArea(const IntRect& area)
{
  if (area.height <= area.width) return area;
  return {area.left, area.top + (area.height - area.width) / 2, area.width, area.width};
}

CanvasPoint rectPointInArea(const IntRect& area, const FrequencyAxis& x, const ValueAxis& y,
                            double freq, double value)
{
  return {area.left + roundClamped(x.offset(freq), 0, area.width),
          area.top + roundClamped(y.offset(value, area.height), 0, area.height)};
}

CanvasPoint rectPointFree(const IntRect& area, const FrequencyAxis& x, const ValueAxis& y,
                          double freq, double value)
{
  return {tracePixel(area.left + x.offset(freq)),
          tracePixel(area.top + y.offset(value, area.height))};
}

namespace {

void verticalLine(Canvas& canvas, const IntRect& area, int x)
{
  canvas.moveTo(x, area.top);
  canvas.lineTo(x, area.bottom());
}

void drawLogVerticals(Canvas& canvas, const IntRect& area, const FrequencyAxis& x,
                      const GraphColors& colors)
{
  // Decades are counted from the power of ten at or below the start (toward zero, so a start
  // of 0.5 Hz counts from 1 Hz and the lines between 0.5 and 1 Hz are not drawn).
  const double logStart = x.logXMin;
  const double t = std::trunc(logStart);
  const double frac = logStart - t;
  const double decades = std::log10(x.xMax) - logStart + 1.0;
  // An absurd span (a start of 1e-12 and a stop of 1e300) still ends at the area's width;
  // the count only bounds the loop.
  const long long n = std::clamp<long long>(std::llround(decades), 0, 1000);
  for (long long count = 0; count <= n; ++count) {
    for (int k = 0; k < 5; ++k) {
      const double pos = (static_cast<double>(count) - frac + kLogGridSteps[k]) * x.logXScale;
      const int px = roundClamped(pos, -1, area.width + 1);
      if (px > area.width) return;
      if (px > 0) {
        canvas.setPenColor(k == 0 ? colors.majorAxis : colors.minorAxis);
        verticalLine(canvas, area, area.left + px);
      }
    }
  }
}

} // namespace

void drawRectGrid(Canvas& canvas, const IntRect& area, const FrequencyAxis& x, const ValueAxis& y,
                  const RectTicks& ticks, const GraphColors& colors, int penWidth)
{
  canvas.setPen({colors.minorAxis, penWidth, PenStyle::Solid, PenMode::Copy});
  // The edges are the graph's border, not grid lines: ticks on them get no line.
  for (const AxisTick& t : ticks.trace1) {
    const int py = static_cast<int>(std::nearbyint(y.offset(t.value, area.height)));
    if (py <= 0 || py >= area.height) continue;
    canvas.moveTo(area.left, area.top + py);
    canvas.lineTo(area.right(), area.top + py);
  }
  const std::vector<AxisTick>& freqTicks = ticks.frequency;
  const bool decades =
      std::any_of(freqTicks.begin(), freqTicks.end(), [](const AxisTick& t) { return !t.major; });
  if (x.logarithmic && decades) {
    drawLogVerticals(canvas, area, x, colors);
    return;
  }
  for (const AxisTick& t : freqTicks) {
    const int px = static_cast<int>(std::nearbyint(x.offset(t.value)));
    if (px <= 0 || px >= area.width) continue;
    verticalLine(canvas, area, area.left + px);
  }
}

} // namespace norvane

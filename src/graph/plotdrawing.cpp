#include "graph/plotdrawing.h"

#include "graph/pixelmath.h"
#include "graph/segmentclip.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace norvane {
namespace {

template <class PointOf> void polyline(Canvas& canvas, int count, PointOf pointOf)
{
  if (count < 2) return;
  const CanvasPoint first = pointOf(1);
  canvas.moveTo(first.x, first.y);
  for (int i = 2; i <= count; ++i) {
    const CanvasPoint p = pointOf(i);
    canvas.lineTo(p.x, p.y);
  }
}

} // namespace

namespace {

// A trace of the rectangular graph as a polyline cut at the edges of the area: the parts
// beyond the axis limits are left out, as the window's edge hides them while sweeping.
template <class ValueOf>
void clippedTrace(Canvas& canvas, const IntRect& area, const FrequencyAxis& x, const ValueAxis& y,
                  const PlotStore& store, int count, ValueOf valueOf)
{
  if (count < 2) return;
  const auto at = [&](int i) {
    return std::pair{area.left + x.offset(store.at(i).freq),
                     area.top + y.offset(valueOf(i), area.height)};
  };
  std::optional<CanvasPoint> pen; // where the last drawn piece ended
  auto [x0, y0] = at(1);
  for (int i = 2; i <= count; ++i) {
    const auto [x1, y1] = at(i);
    const auto piece =
        clipSegment({x0, y0, x1, y1}, area.left, area.top, area.right(), area.bottom());
    x0 = x1;
    y0 = y1;
    if (!piece) continue;
    const CanvasPoint from{tracePixel(piece->x1), tracePixel(piece->y1)};
    const CanvasPoint to{tracePixel(piece->x2), tracePixel(piece->y2)};
    if (!pen || !(*pen == from)) canvas.moveTo(from.x, from.y);
    canvas.lineTo(to.x, to.y);
    pen = to;
  }
}

} // namespace

void drawRectTraces(Canvas& canvas, const IntRect& area, const FrequencyAxis& x,
                    const ValueAxis& y1, const ValueAxis& y2, const PlotStore& store,
                    const MultiSweepRuns* runs, const GraphColors& colors, int penWidth)
{
  const int n = store.count();
  canvas.setSmoothing(true);
  if (runs) {
    for (int r = 1; r <= runs->runs(); ++r) {
      const int m = std::min(runs->pointCount(r), n);
      canvas.setPen({invertedColor(colors.trace1), penWidth, PenStyle::Solid, PenMode::Copy});
      clippedTrace(canvas, area, x, y1, store, m, [&](int i) { return runs->value(r, i)[0]; });
      canvas.setPenColor(invertedColor(colors.trace2));
      clippedTrace(canvas, area, x, y2, store, m, [&](int i) { return runs->value(r, i)[1]; });
    }
  }
  canvas.setPen({colors.trace1, penWidth, PenStyle::Solid, PenMode::Copy});
  clippedTrace(canvas, area, x, y1, store, n, [&](int i) { return store.at(i).trace1; });
  canvas.setPenColor(colors.trace2);
  clippedTrace(canvas, area, x, y2, store, n, [&](int i) { return store.at(i).trace2; });
  canvas.setSmoothing(false);
}

void drawChartTrace(Canvas& canvas, const ChartGeometry& g, const PlotStore& store,
                    const MultiSweepRuns* runs, const GraphColors& colors, int penWidth)
{
  const int n = store.count();
  canvas.setSmoothing(true);
  if (runs) {
    canvas.setPen({invertedColor(colors.trace2), penWidth, PenStyle::Solid, PenMode::Copy});
    for (int r = 1; r <= runs->runs(); ++r) {
      const int m = std::min(runs->pointCount(r), n);
      polyline(canvas, m, [&](int i) {
        const auto v = runs->value(r, i);
        return g.point(v[0], v[1]);
      });
    }
  }
  canvas.setPen({colors.trace1, penWidth, PenStyle::Solid, PenMode::Copy});
  polyline(canvas, n, [&](int i) { return g.point(store.at(i).trace1, store.at(i).trace2); });
  canvas.setSmoothing(false);
}

void drawCursorMarker(Canvas& canvas, CanvasPoint at, int s)
{
  canvas.setPenMode(PenMode::Not);
  canvas.setPenStyle(PenStyle::Solid);
  canvas.setBrushStyle(BrushStyle::Clear);
  canvas.rectangle(at.x - s, at.y - s, at.x + s + 1, at.y + s + 1);
  canvas.setPenMode(PenMode::Copy);
}

} // namespace norvane

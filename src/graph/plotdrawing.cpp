#include "graph/plotdrawing.h"

#include "graph/rectgrid.h"

#include <algorithm>

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

void drawRectTraces(Canvas& canvas, const IntRect& area, const FrequencyAxis& x,
                    const ValueAxis& y1, const ValueAxis& y2, const PlotStore& store,
                    const MultiSweepRuns* runs, const GraphColors& colors, int penWidth)
{
  const int n = store.count();
  if (runs) {
    for (int r = 1; r <= runs->runs(); ++r) {
      const int m = std::min(runs->pointCount(r), n);
      canvas.setPen({invertedColor(colors.trace1), penWidth, PenStyle::Solid, PenMode::Copy});
      polyline(canvas, m, [&](int i) {
        return rectPointInArea(area, x, y1, store.at(i).freq, runs->value(r, i)[0]);
      });
      canvas.setPenColor(invertedColor(colors.trace2));
      polyline(canvas, m, [&](int i) {
        return rectPointInArea(area, x, y2, store.at(i).freq, runs->value(r, i)[1]);
      });
    }
  }
  canvas.setPen({colors.trace1, penWidth, PenStyle::Solid, PenMode::Copy});
  polyline(canvas, n, [&](int i) {
    return rectPointInArea(area, x, y1, store.at(i).freq, store.at(i).trace1);
  });
  canvas.setPenColor(colors.trace2);
  polyline(canvas, n, [&](int i) {
    return rectPointInArea(area, x, y2, store.at(i).freq, store.at(i).trace2);
  });
}

void drawChartTrace(Canvas& canvas, const ChartGeometry& g, const PlotStore& store,
                    const MultiSweepRuns* runs, const GraphColors& colors, int penWidth)
{
  const int n = store.count();
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

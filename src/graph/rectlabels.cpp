#include "graph/rectlabels.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace norvane {
namespace {

// Room kept between a label and the edge of the area or its neighbour.
constexpr int kGap = 3;

enum class Edge { Left, Right };

// v held between lo and hi; on an area too small for the text, at lo (std::clamp would be
// undefined there).
int heldInside(int v, int lo, int hi)
{
  return std::max(lo, std::min(v, hi));
}

// The trace axis labels up one side, centred on their lines and kept inside the area; bottom
// is the top of the frequency row, which they must not run into.
void valueLabels(Canvas& canvas, const IntRect& area, const ValueAxis& y,
                 const std::vector<AxisTick>& ticks, Edge edge, int bottom)
{
  std::vector<std::pair<int, int>> taken; // vertical spans already written
  for (const AxisTick& t : ticks) {
    const TextExtent e = canvas.textExtent(t.text);
    const int centre = area.top + static_cast<int>(std::nearbyint(y.offset(t.value, area.height)));
    const int top =
        heldInside(centre - e.height / 2, area.top + kGap / 2, area.bottom() - e.height);
    if (top + e.height > bottom) continue;
    const bool overlaps = std::any_of(taken.begin(), taken.end(), [&](const auto& span) {
      return top < span.second && top + e.height > span.first;
    });
    if (overlaps) continue;
    const int left = edge == Edge::Left ? area.left + kGap : area.right() - kGap - e.width;
    canvas.textOut(left, top, t.text);
    taken.emplace_back(top, top + e.height);
  }
}

// The frequency labels along the bottom, centred under their lines and kept inside the area.
// Decades first, so a minor label only takes room the decades leave free.
void frequencyLabels(Canvas& canvas, const IntRect& area, const FrequencyAxis& x,
                     const std::vector<AxisTick>& ticks, int top)
{
  std::vector<std::pair<int, int>> taken; // horizontal spans already written
  const auto place = [&](const AxisTick& t) {
    const TextExtent e = canvas.textExtent(t.text);
    const int centre = area.left + static_cast<int>(std::nearbyint(x.offset(t.value)));
    const int left =
        heldInside(centre - e.width / 2, area.left + kGap, area.right() - kGap - e.width);
    const int right = left + e.width;
    for (const auto& [a, b] : taken)
      if (left < b + 2 * kGap && right + 2 * kGap > a) return;
    canvas.textOut(left, top, t.text);
    taken.emplace_back(left, right);
  };
  for (const AxisTick& t : ticks)
    if (t.major) place(t);
  for (const AxisTick& t : ticks)
    if (!t.major) place(t);
}

} // namespace

void drawRectLabels(Canvas& canvas, const IntRect& area, const FrequencyAxis& x,
                    const ValueAxis& y1, const ValueAxis& y2, const RectTicks& ticks,
                    const RectLabelling& labelling, const GraphColors& colors)
{
  // The labels take the canvas's font as the caller set it (the window's, or the page's scaled
  // to the print), only in their own colours; a font too small to read writes nothing.
  const Font font = canvas.font();
  const Brush brush = canvas.brush();
  if (font.size < 1) return;
  // Each label on the graph's background, so that the grid line it names does not strike
  // through it.
  canvas.setBrush({colors.background, BrushStyle::Solid});
  const int rowHeight = canvas.textExtent("0 Hz").height;
  const int freqTop = area.bottom() - kGap / 2 - rowHeight;

  canvas.setFontColor(colors.majorAxis);
  frequencyLabels(canvas, area, x, ticks.frequency, freqTop);
  canvas.setFontColor(colors.trace1);
  valueLabels(canvas, area, y1, ticks.trace1, Edge::Left, freqTop);
  canvas.setFontColor(colors.trace2);
  valueLabels(canvas, area, y2, ticks.trace2, Edge::Right, freqTop);

  // The legend at the top, centred: trace 1's name, a space, trace 2's name; left out when
  // the graph is too narrow to hold it.
  const TextExtent e1 = canvas.textExtent(labelling.legend1);
  const TextExtent e2 = canvas.textExtent(labelling.legend2);
  const int space = 4 * kGap;
  const int legendWidth = e1.width + space + e2.width;
  if (legendWidth <= area.width - 2 * kGap) {
    const int left = area.left + (area.width - legendWidth) / 2;
    canvas.setFontColor(colors.trace1);
    canvas.textOut(left, area.top + kGap, labelling.legend1);
    canvas.setFontColor(colors.trace2);
    canvas.textOut(left + e1.width + space, area.top + kGap, labelling.legend2);
  }
  canvas.setFont(font);
  canvas.setBrush(brush);
}

} // namespace norvane

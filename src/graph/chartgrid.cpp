#include "graph/chartgrid.h"

#include "graph/pixelmath.h"

#include <cmath>

namespace norvane {
namespace {

int roundInt(double v)
{
  return gridPixel(v);
}

int mirrorX(int cx, int x)
{
  return 2 * cx - x;
}

ChartArc mirrored(int cx, const ChartArc& a)
{
  // Mirroring reverses the drawing direction, so the start and end rays change places.
  return {mirrorX(cx, a.x2),
          a.y1,
          mirrorX(cx, a.x1),
          a.y2,
          {mirrorX(cx, a.end.x), a.end.y},
          {mirrorX(cx, a.start.x), a.start.y}};
}

void circle(Canvas& canvas, int cx, int cy, int radius)
{
  canvas.ellipse(cx - radius, cy - radius, cx + radius, cy + radius);
}

void line(Canvas& canvas, int x1, int y1, int x2, int y2)
{
  canvas.moveTo(x1, y1);
  canvas.lineTo(x2, y2);
}

void drawSmithGrid(Canvas& canvas, const ChartGeometry& g, bool admittance)
{
  circle(canvas, g.cx, g.cy, g.R);
  line(canvas, g.cx - g.R, g.cy, g.cx + g.R, g.cy);
  const auto circles = admittance ? smithYConductanceCircles(g.cx, g.cy, g.R)
                                  : smithZResistanceCircles(g.cx, g.cy, g.R);
  for (const ChartCircleBox& c : circles)
    canvas.ellipse(c.x1, c.y1, c.x2, c.y2);
  const auto arcs =
      admittance ? smithYSusceptanceArcs(g.cx, g.cy, g.R) : smithZReactanceArcs(g.cx, g.cy, g.R);
  for (const ChartArc& a : arcs)
    canvas.arc(a.x1, a.y1, a.x2, a.y2, a.start.x, a.start.y, a.end.x, a.end.y);
}

// The expanded chart magnifies (M < 1) or shrinks (M > 1) the neighbourhood of the point
// where all resistance circles of an impedance chart meet (Γ = 1; Γ = -1 for admittance).
// Around that tangent point b the circles of a Smith chart become circles touching the two
// axes through b; a set of them at radii proportional to u keeps the picture readable at
// every scale, with the unit circle |Γ| = 1 drawn on top as the reference.
void drawExpandedGrid(Canvas& canvas, const IntRect& area, const ChartGeometry& g, bool admittance,
                      Color gridColor, Color unitCircleColor)
{
  const double u = g.u;
  const int b = roundInt(admittance ? g.cx - u : g.cx + u);
  canvas.setPenColor(gridColor);
  line(canvas, area.left, g.cy, area.right(), g.cy);
  line(canvas, b, area.top, b, area.bottom());

  for (double k : {2.0, 1.0, 0.75, 0.5, 0.25}) {
    const int rho = roundInt(k * u);
    const int diam = roundInt(2.0 * k * u);
    canvas.ellipse(b, g.cy - rho, b + diam, g.cy + rho);
    canvas.ellipse(b - diam, g.cy - rho, b, g.cy + rho);
  }
  for (double k : {2.0, 1.0, 0.5, 0.25}) {
    const int rho = roundInt(k * u);
    const int diam = roundInt(2.0 * k * u);
    canvas.ellipse(b - rho, g.cy - diam, b + rho, g.cy);
    canvas.ellipse(b - rho, g.cy, b + rho, g.cy + diam);
  }
  canvas.setPenColor(unitCircleColor);
  circle(canvas, g.cx, g.cy, roundInt(g.R / g.M));
}

void drawPolarGrid(Canvas& canvas, const ChartGeometry& g)
{
  circle(canvas, g.cx, g.cy, g.R);
  canvas.setPenStyle(PenStyle::Dot);
  for (double k : {0.8, 0.6, 0.4, 0.2})
    circle(canvas, g.cx, g.cy, roundInt(k * g.R));
  line(canvas, g.cx - g.R, g.cy, g.cx + g.R, g.cy);
  line(canvas, g.cx, g.cy - g.R, g.cx, g.cy + g.R);
}

} // namespace

std::vector<ChartCircleBox> smithZResistanceCircles(int cx, int cy, int R)
{
  return {{cx - R / 2, cy - 3 * R / 4, cx + R, cy + 3 * R / 4},
          {cx, cy - R / 2, cx + R, cy + R / 2},
          {cx + R / 2, cy - R / 4, cx + R, cy + R / 4}};
}

std::vector<ChartArc> smithZReactanceArcs(int cx, int cy, int R)
{
  // The 0.35·R rays pass through the points where |x| = 2 and |x| = 0.5 meet the rim,
  // (0.6, ±0.8) and (-0.6, ±0.8), seen from the centres of those reactance circles.
  const int k = static_cast<int>(std::nearbyint(0.35 * R));
  return {
      {cx, cy, cx + 2 * R, cy + 2 * R, {cx + R, cy}, {cx, cy + R}},             // x = -1
      {cx, cy - 2 * R, cx + 2 * R, cy, {cx, cy - R}, {cx + R, cy}},             // x = +1
      {cx + R / 2, cy, cx + 3 * R / 2, cy + R, {cx + R, cy}, {cx + k, cy + R}}, // x = -2
      {cx + R / 2, cy - R, cx + 3 * R / 2, cy, {cx + k, cy - R}, {cx + R, cy}}, // x = +2
      {cx - R, cy, cx + 3 * R, cy + 4 * R, {cx + R, cy}, {cx - k, cy + R}},     // x = -0.5
      {cx - R, cy - 4 * R, cx + 3 * R, cy, {cx - k, cy - R}, {cx + R, cy}},     // x = +0.5
  };
}

std::vector<ChartCircleBox> smithYConductanceCircles(int cx, int cy, int R)
{
  std::vector<ChartCircleBox> boxes = smithZResistanceCircles(cx, cy, R);
  for (ChartCircleBox& b : boxes)
    b = {mirrorX(cx, b.x2), b.y1, mirrorX(cx, b.x1), b.y2};
  return boxes;
}

std::vector<ChartArc> smithYSusceptanceArcs(int cx, int cy, int R)
{
  std::vector<ChartArc> arcs = smithZReactanceArcs(cx, cy, R);
  for (ChartArc& a : arcs)
    a = mirrored(cx, a);
  return arcs;
}

ChartKind chartKindOf(PlotFormat plotformat)
{
  switch (plotformat) {
  case PlotFormat::SmithZ:
    return ChartKind::SmithZ;
  case PlotFormat::SmithY:
    return ChartKind::SmithY;
  case PlotFormat::SmithZY:
    return ChartKind::SmithZY;
  default:
    return ChartKind::Polar;
  }
}

void drawChartGrid(Canvas& canvas, const IntRect& area, const ChartGeometry& g, ChartKind kind,
                   const GraphColors& colors, int penWidth)
{
  canvas.setPen({colors.minorAxis, penWidth, PenStyle::Solid, PenMode::Copy});
  canvas.setBrushStyle(BrushStyle::Clear);
  if (kind == ChartKind::Polar) {
    drawPolarGrid(canvas, g);
    return;
  }
  const bool drawZ = kind == ChartKind::SmithZ || kind == ChartKind::SmithZY;
  const bool drawY = kind == ChartKind::SmithY || kind == ChartKind::SmithZY;
  const bool expanded = g.M != 1.0;
  if (drawZ) {
    if (expanded)
      drawExpandedGrid(canvas, area, g, false, colors.minorAxis, colors.majorAxis);
    else
      drawSmithGrid(canvas, g, false);
  }
  if (drawY) {
    // Overlaid on the impedance grid, the admittance grid is dotted so the two can be told
    // apart; alone it is solid.
    canvas.setPen({colors.minorAxis, penWidth,
                   kind == ChartKind::SmithZY ? PenStyle::Dot : PenStyle::Solid, PenMode::Copy});
    if (expanded)
      drawExpandedGrid(canvas, area, g, true, colors.minorAxis, kSilver);
    else
      drawSmithGrid(canvas, g, true);
  }
}

} // namespace norvane

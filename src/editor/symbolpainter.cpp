#include "editor/symbolpainter.h"

#include "editor/symbolgeometry.h"

#include <algorithm>

namespace norvane {

namespace {

struct SymbolColors
{
  Color pen;
  Color label;
};

SymbolColors colorsFor(int drawClass, bool highlighted, const Environment& env)
{
  Color pen;
  if (drawClass == kClassPort1 || drawClass == kClassPort2)
    pen = highlighted ? env.selectedportcolor : env.portcolor;
  else if (drawClass == kClassGround)
    pen = highlighted ? env.selectedgndcolor : env.gndcolor;
  else
    pen = highlighted ? env.selectedcompcolor : env.compcolor;
  return {pen, highlighted ? env.selectedcomptextcolor : env.comptextcolor};
}

void drawMarks(Canvas& canvas, const SymbolDefinition& symbol, int crot, Point at,
               const PaintScale& scale)
{
  for (const SymbolText& mark : symbol.marks) {
    const CanvasPoint p = scale.map(at.x + mark.x, at.y + mark.y);
    canvas.textOut(p.x, p.y, crot == 2 ? mark.mirroredText : mark.text);
  }
}

} // namespace

int symbolFontSize(const PaintScale& scale, int pixelsPerInch)
{
  const long long den =
      static_cast<long long>(pixelsPerInch > 0 ? pixelsPerInch : 96) * scale.divisor();
  const long long size = 768LL * scale.num / den;
  return size > 0 ? static_cast<int>(size) : 0;
}

void drawSymbol(Canvas& canvas, const SymbolDefinition& symbol, int crot, const PaintScale& scale,
                const LabelLines& labels, bool highlighted, Point at, const Environment& env,
                const SymbolPaintOptions& options)
{
  const SymbolColors colors = colorsFor(symbol.drawClass, highlighted, env);
  const int fontSize = symbolFontSize(scale, canvas.pixelsPerInch());

  canvas.setPenStyle(PenStyle::Solid);
  canvas.setPenMode(PenMode::Copy);
  canvas.setPenWidth(scale.penWidth());
  canvas.setPenColor(colors.pen);
  canvas.setFontName(options.fontName);
  canvas.setFontSize(fontSize);
  canvas.setFontColor(colors.pen);
  canvas.setBrushStyle(BrushStyle::Clear);

  auto place = [&](int x, int y) {
    const Point p = orientSymbolPoint(symbol.drawClass, crot, {x, y});
    return scale.map(at.x + p.x, at.y + p.y);
  };

  for (const SymbolSegment& s : symbol.segments) {
    const CanvasPoint a = place(s.x1, s.y1);
    const CanvasPoint b = place(s.x2, s.y2);
    if (s.type == kSegmentEllipse) {
      // A turned box has its corners exchanged; the ellipse wants them in order.
      canvas.ellipse(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                     std::max(a.y, b.y));
    } else {
      canvas.moveTo(a.x, a.y);
      canvas.lineTo(b.x, b.y);
    }
  }
  if (symbol.drawClass == kClassPort1 || symbol.drawClass == kClassPort2) {
    const PortLead lead = portLeadFor(symbol.drawClass, crot);
    const CanvasPoint a = scale.map(at.x + lead.from.x, at.y + lead.from.y);
    const CanvasPoint b = scale.map(at.x + lead.to.x, at.y + lead.to.y);
    canvas.moveTo(a.x, a.y);
    canvas.lineTo(b.x, b.y);
  }

  if (!options.withLabels || fontSize == 0) return;

  if (!(options.moving && highlighted)) {
    const LabelPositions pos = labelLinePositions(symbol.drawClass, crot, symbol.labelAnchor, at);
    canvas.setFontColor(colors.label);
    for (int i = 0; i < pos.count; ++i) {
      const std::string& line = labels[static_cast<std::size_t>(i)];
      if (line.empty()) continue;
      const CanvasPoint p =
          scale.map(pos.at[static_cast<std::size_t>(i)].x, pos.at[static_cast<std::size_t>(i)].y);
      canvas.textOut(p.x, p.y, line);
    }
  }
  if (!highlighted) {
    canvas.setFontColor(colors.pen);
    drawMarks(canvas, symbol, crot, at, scale);
  }
}

void paintComponent(Canvas& canvas, const Component& comp, const DataSets& dataSets,
                    const PaintScale& scale, const Environment& env,
                    const SymbolPaintOptions& options)
{
  const SymbolDefinition* symbol = symbolFor(comp.ctype);
  if (symbol == nullptr) return;
  drawSymbol(canvas, *symbol, comp.crot, scale, componentLabelLines(comp, dataSets), comp.selected,
             comp.position, env, options);
}

void paintPort(Canvas& canvas, int portNumber, const Port& port, const PaintScale& scale,
               const Environment& env, const SymbolPaintOptions& options)
{
  if (port.pos.x < 0 || port.pos.y < 0) return;
  const SymbolDefinition* symbol = symbolFor(portNumber == 1 ? ckPort1 : ckPort2);
  if (symbol == nullptr) return;
  drawSymbol(canvas, *symbol, port.crot, scale, {portLabelText(port), "", ""}, port.selected,
             port.pos, env, options);
}

} // namespace norvane

#include "editor/previewpainter.h"

#include "document/componentkinds.h"
#include "editor/labeltext.h"
#include "editor/schematicpainter.h"
#include "editor/symbolgeometry.h"
#include "editor/symbolpainter.h"

#include <algorithm>
#include <vector>

namespace norvane {

namespace {

struct LabelBox
{
  int left, top, right, bottom;
  bool overlaps(const LabelBox& o) const
  {
    return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
  }
};

// The box a symbol's outline covers on the canvas.
LabelBox symbolBox(const SymbolDefinition& symbol, int crot, Point at, const PaintScale& scale)
{
  LabelBox box{1 << 30, 1 << 30, -(1 << 30), -(1 << 30)};
  for (const SymbolSegment& seg : symbol.segments) {
    for (const Point p : {Point{seg.x1, seg.y1}, Point{seg.x2, seg.y2}}) {
      const Point o = orientSymbolPoint(symbol.drawClass, crot, p);
      const CanvasPoint c = scale.map(at.x + o.x, at.y + o.y);
      box = {std::min(box.left, c.x), std::min(box.top, c.y), std::max(box.right, c.x + 1),
             std::max(box.bottom, c.y + 1)};
    }
  }
  return box;
}

// Where a preview label goes: the first place that covers neither a label placed before it
// nor another part's symbol. Tried in turn: the symbol's label line, the same line mirrored to
// the other side of the part, then each a line further down. The band-pass ladders put their
// shunt parts 60 units apart, less than a value label is wide: beside each other the labels
// ran into the neighbouring part and its label ("195.699pF690.362pH").
CanvasPoint freeLabelPlace(Canvas& canvas, const LabelPositions& lines, CanvasPoint part,
                           const PaintScale& scale, const std::string& text,
                           const std::vector<LabelBox>& symbols, size_t own,
                           std::vector<LabelBox>& taken)
{
  const TextExtent extent = canvas.textExtent(text);
  const Point first = lines.at[0];
  const Point step =
      lines.count > 1 ? Point{lines.at[1].x - first.x, lines.at[1].y - first.y} : Point{0, 12};
  const auto isFree = [&](const LabelBox& box) {
    for (const LabelBox& other : taken)
      if (box.overlaps(other)) return false;
    for (size_t i = 0; i < symbols.size(); ++i)
      if (i != own && box.overlaps(symbols[i])) return false;
    return true;
  };
  constexpr int kLines = 6;
  for (int i = 0; i < kLines; ++i) {
    const Point doc = i < lines.count ? lines.at[static_cast<size_t>(i)]
                                      : Point{first.x + i * step.x, first.y + i * step.y};
    const CanvasPoint right = scale.map(doc.x, doc.y);
    // The mirror image about the part's reference point: as far to its left as the label
    // line is to its right.
    const CanvasPoint left{2 * part.x - right.x - extent.width, right.y};
    for (const CanvasPoint p : {right, left}) {
      const LabelBox box{p.x, p.y, p.x + extent.width, p.y + extent.height};
      if (isFree(box)) {
        taken.push_back(box);
        return p;
      }
    }
  }
  // Crowded everywhere: the symbol's own label line.
  const CanvasPoint p = scale.map(first.x, first.y);
  taken.push_back({p.x, p.y, p.x + extent.width, p.y + extent.height});
  return p;
}

} // namespace

std::string previewLabelText(const Component& comp)
{
  const ComponentKind* kind = findComponentKind(comp.ctype);
  if (kind == nullptr || kind->previewParameter.empty()) return {};
  const ParameterDescription* shown = kind->parameter(kind->previewParameter);
  const double value = parameterValue(comp, *shown);
  if (value == kNoValueMark) return "?";
  return engText(value, 3) + std::string(shown->unit);
}

void paintPreviewCircuit(Canvas& canvas, const PreviewCircuitView& circuit, int xOffset,
                         int yOffset, const Environment& env, const std::string& fontName)
{
  const PaintScale scale{xOffset, yOffset, 1, 1};
  SymbolPaintOptions options;
  options.fontName = fontName;

  // Every part's outline first: a label must keep clear of the parts drawn after it too.
  std::vector<LabelBox> symbols;
  for (const Component& comp : circuit.components) {
    const SymbolDefinition* symbol = symbolFor(comp.ctype);
    symbols.push_back(symbol != nullptr ? symbolBox(*symbol, comp.crot, comp.position, scale)
                                        : LabelBox{0, 0, 0, 0});
  }
  std::vector<LabelBox> taken;
  for (size_t i = 0; i < circuit.components.size(); ++i) {
    const Component& comp = circuit.components[i];
    const SymbolDefinition* symbol = symbolFor(comp.ctype);
    if (symbol == nullptr) continue;
    drawSymbol(canvas, *symbol, comp.crot, scale, {"", "", ""}, comp.selected, comp.position, env,
               options);
    const std::string label = previewLabelText(comp);
    const int fontSize = symbolFontSize(scale, canvas.pixelsPerInch());
    if (label.empty() || fontSize == 0) continue;
    canvas.setFontName(fontName);
    canvas.setFontSize(fontSize);
    canvas.setFontColor(comp.selected ? env.selectedcomptextcolor : env.comptextcolor);
    canvas.setBrushStyle(BrushStyle::Clear);
    const LabelPositions lines =
        labelLinePositions(symbol->drawClass, comp.crot, symbol->labelAnchor, comp.position);
    if (lines.count < 1) continue;
    const CanvasPoint at =
        freeLabelPlace(canvas, lines, scale.map(comp.position.x, comp.position.y), scale, label,
                       symbols, i, taken);
    canvas.textOut(at.x, at.y, label);
  }
  for (const Wire& wire : circuit.wires)
    paintWire(canvas, wire, env.wirecolor, scale);

  auto port = [&](int number, const Port* p) {
    if (p == nullptr) return;
    Port shown = *p;
    if (shown.crot != 1 && shown.crot != 2) shown.crot = 1;
    shown.selected = false;
    paintPort(canvas, number, shown, scale, env, options);
  };
  port(1, circuit.P1);
  port(2, circuit.P2);
}

} // namespace norvane

#include "editor/previewpainter.h"

#include "document/componentkinds.h"
#include "editor/labeltext.h"
#include "editor/schematicpainter.h"
#include "editor/symbolpainter.h"

namespace norvane {

std::string PreviewLabelText(const Tcomponent& comp)
{
  const ComponentKind* kind = findComponentKind(comp.ctype);
  if (kind == nullptr || kind->previewParameter.empty()) return {};
  const ParameterDescription* shown = kind->parameter(kind->previewParameter);
  const double value = parameterValue(comp, *shown);
  if (value == kNoValueMark) return "?";
  return EngText(value, 3) + std::string(shown->unit);
}

void PaintPreviewCircuit(Canvas& canvas, const PreviewCircuitView& circuit, int xOffset,
                         int yOffset, const TenvironmentProps& env, const std::string& fontName)
{
  const PaintScale scale{xOffset, yOffset, 1, 1};
  SymbolPaintOptions options;
  options.fontName = fontName;

  for (const Tcomponent& comp : circuit.components) {
    const Tcomp* symbol = symbolFor(comp.ctype);
    if (symbol == nullptr) continue;
    DrawSymbol(canvas, *symbol, comp.crot, scale, {PreviewLabelText(comp), "", ""}, comp.selected,
               comp.position, env, options);
  }
  for (const Tshort& wire : circuit.wires)
    PaintWire(canvas, wire, env.wirecolor, scale);

  auto port = [&](int number, const Tport* p) {
    if (p == nullptr) return;
    Tport shown = *p;
    if (shown.crot != 1 && shown.crot != 2) shown.crot = 1;
    shown.selected = false;
    PaintPort(canvas, number, shown, scale, env, options);
  };
  port(1, circuit.P1);
  port(2, circuit.P2);
}

} // namespace norvane

#include "editor/previewpainter.h"

#include "editor/labeltext.h"
#include "editor/schematicpainter.h"
#include "editor/symbolpainter.h"

namespace norvane {

std::string PreviewLabelText(const Tcomponent& comp)
{
  const char* unit = nullptr;
  switch (comp.ctype) {
  case ckResistor:
    unit = "R";
    break;
  case ckCapacitor:
    unit = "F";
    break;
  case ckInductor:
    unit = "H";
    break;
  default:
    return {};
  }
  if (comp.value[1].nom == kNoValueMark) return "?";
  return EngText(comp.value[1].nom, 3) + unit;
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

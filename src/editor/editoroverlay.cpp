#include "editor/editoroverlay.h"

#include "document/symboltable.h"
#include "editor/symbolgeometry.h"
#include "editor/symbolpainter.h"

#include <algorithm>
#include <array>
#include <optional>

namespace norvane {

void paintEditorOverlay(Canvas& canvas, const EditorOverlay& overlay, const Schematic& doc,
                        const Environment& env, const PaintScale& scale,
                        const std::string& fontName)
{
  if (overlay.outline) {
    if (const SymbolDefinition* symbol = symbolFor(overlay.outline->kind)) {
      SymbolPaintOptions options;
      options.fontName = fontName;
      options.withLabels = false;
      drawSymbol(canvas, *symbol, overlay.outline->crot, scale, {}, true, overlay.outline->at, env,
                 options);
    }
  }

  canvas.setPenMode(PenMode::Copy);
  canvas.setPenWidth(1);
  canvas.setBrushStyle(BrushStyle::Clear);

  if (overlay.rubberLine) {
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenColor(colors::grey);
    const CanvasPoint a = scale.map(overlay.rubberLine->first.x, overlay.rubberLine->first.y);
    const CanvasPoint b = scale.map(overlay.rubberLine->second.x, overlay.rubberLine->second.y);
    canvas.moveTo(a.x, a.y);
    canvas.lineTo(b.x, b.y);
  }

  if (overlay.rubberBand) {
    canvas.setPenStyle(PenStyle::Dot);
    canvas.setPenColor(colors::black);
    const CanvasPoint a = scale.map(overlay.rubberBand->first.x, overlay.rubberBand->first.y);
    const CanvasPoint b = scale.map(overlay.rubberBand->second.x, overlay.rubberBand->second.y);
    canvas.rectangle(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                     std::max(a.y, b.y));
  }

  const Drawing& d = doc.drawdat;
  if (overlay.tunedComponent >= 1 && overlay.tunedComponent <= d.components.count()) {
    // A frame round the value labels of the component being tuned, in the selected text
    // colour, so the user sees which value the arrows and the wheel step.
    const Component& c = d.components[overlay.tunedComponent];
    const SymbolDefinition* symbol = symbolFor(c.ctype);
    const int fontSize = symbolFontSize(scale, canvas.pixelsPerInch());
    if (symbol != nullptr && fontSize > 0) {
      const LabelLines lines = componentLabelLines(c, doc.datasets);
      const LabelPositions pos =
          labelLinePositions(symbol->drawClass, c.crot, symbol->labelAnchor, c.position);
      canvas.setFontName(fontName);
      canvas.setFontSize(fontSize);
      std::optional<std::array<int, 4>> box; // left, top, right, bottom
      for (int i = 0; i < pos.count; ++i) {
        const std::string& line = lines[static_cast<size_t>(i)];
        if (line.empty()) continue;
        const Point at = pos.at[static_cast<size_t>(i)];
        const CanvasPoint p = scale.map(at.x, at.y);
        const TextExtent e = canvas.textExtent(line);
        const std::array<int, 4> r{p.x, p.y, p.x + e.width, p.y + e.height};
        box = box ? std::array<int, 4>{std::min((*box)[0], r[0]), std::min((*box)[1], r[1]),
                                       std::max((*box)[2], r[2]), std::max((*box)[3], r[3])}
                  : r;
      }
      if (box) {
        canvas.setPenStyle(PenStyle::Solid);
        canvas.setPenColor(env.selectedcomptextcolor);
        canvas.rectangle((*box)[0] - 2, (*box)[1] - 1, (*box)[2] + 2, (*box)[3] + 1);
      }
    }
  }

  if (overlay.frameSelectedTexts) {
    canvas.setPenStyle(PenStyle::Dot);
    canvas.setPenColor(colors::grey);
    canvas.setFontName(fontName);
    for (const TextItem& t : doc.drawdat.texts) {
      if (!t.selected) continue;
      canvas.setFontSize(textItemFontSize(t.size, scale, canvas.pixelsPerInch()));
      const TextExtent e = canvas.textExtent(t.text);
      const CanvasPoint p = scale.map(t.pos.x, t.pos.y);
      canvas.rectangle(p.x, p.y, p.x + e.width, p.y + e.height);
    }
  }
}

} // namespace norvane

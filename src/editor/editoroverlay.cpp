#include "editor/editoroverlay.h"

#include "document/symboltable.h"
#include "editor/symbolpainter.h"

#include <algorithm>

namespace norvane {

void PaintEditorOverlay(Canvas& canvas, const EditorOverlay& overlay, const Tschema& doc,
                        const TenvironmentProps& env, const PaintScale& scale,
                        const std::string& fontName)
{
  if (overlay.outline) {
    if (const Tcomp* symbol = symbolFor(overlay.outline->kind)) {
      SymbolPaintOptions options;
      options.fontName = fontName;
      options.withLabels = false;
      DrawSymbol(canvas, *symbol, overlay.outline->crot, scale, {}, true, overlay.outline->at, env,
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

  if (overlay.frameSelectedTexts) {
    canvas.setPenStyle(PenStyle::Dot);
    canvas.setPenColor(colors::grey);
    canvas.setFontName(fontName);
    for (const Ttextitem& t : doc.drawdat.texts) {
      if (!t.selected) continue;
      canvas.setFontSize(TextItemFontSize(t.size, scale, canvas.pixelsPerInch()));
      const TextExtent e = canvas.textExtent(t.text);
      const CanvasPoint p = scale.map(t.pos.x, t.pos.y);
      canvas.rectangle(p.x, p.y, p.x + e.width, p.y + e.height);
    }
  }
}

} // namespace norvane

#include "editor/editorview.h"

namespace norvane {

void PaintEditorView(Canvas& canvas, const SchematicEditor& editor, const Schematic& doc,
                     const Environment& env, const std::string& fontName, GridTileCache* gridTile)
{
  const PaintScale scale{0, 0, doc.scaleNum, doc.scaleDen};
  SchematicPaintOptions options;
  options.fontName = fontName;
  options.moving = editor.moving();
  options.gridTile = gridTile;
  PaintSchematic(canvas, doc, env, scale, options);
  PaintEditorOverlay(canvas, editor.overlay(), doc, env, scale, fontName);
}

} // namespace norvane

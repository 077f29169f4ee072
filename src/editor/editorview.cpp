#include "editor/editorview.h"

namespace norvane {

void paintEditorView(Canvas& canvas, const SchematicEditor& editor, const Schematic& doc,
                     const Environment& env, const std::string& fontName, GridTileCache* gridTile)
{
  const PaintScale scale{0, 0, doc.scaleNum, doc.scaleDen};
  SchematicPaintOptions options;
  options.fontName = fontName;
  options.moving = editor.moving();
  options.gridTile = gridTile;
  paintSchematic(canvas, doc, env, scale, options);
  paintEditorOverlay(canvas, editor.overlay(), doc, env, scale, fontName);
}

} // namespace norvane

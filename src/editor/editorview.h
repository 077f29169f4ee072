#pragma once
// The editor window's paint handler in one call: the schematic at the document's drawing
// scale, then the editing feedback of the editor state on top.

#include "editor/schematiceditor.h"
#include "editor/schematicpainter.h"

namespace norvane {

void paintEditorView(Canvas& canvas, const SchematicEditor& editor, const Schematic& doc,
                     const Environment& env, const std::string& fontName,
                     GridTileCache* gridTile = nullptr);

} // namespace norvane

#pragma once
// Feedback drawn over the schematic while editing: the outline of the symbol being placed,
// the rubber line of a wire or drawing line, the rubber band of a block selection, and frames
// around texts being dragged. It is painted after the schematic on every repaint rather than
// drawn and erased with exclusive-or, so it also works where exclusive-or does not.

#include "config/environment.h"
#include "document/schematic.h"
#include "editor/paintscale.h"
#include "editor/schematicpainter.h"
#include "platform/canvas.h"

#include <optional>
#include <string>

namespace norvane {

struct PlacementOutline
{
  int kind = 0; // symbol code: the placed kind's code (placingMode), or ckPort1 / ckPort2
  int crot = 1;
  Point at;
};

struct EditorOverlay
{
  std::optional<PlacementOutline> outline;
  std::optional<std::pair<Point, Point>> rubberLine; // grey line while drawing
  std::optional<std::pair<Point, Point>> rubberBand; // dotted rectangle, block select
  bool frameSelectedTexts = false;                   // a selection is being dragged
  int tunedComponent = 0; // live tuning: this component's labels are framed
};

void paintEditorOverlay(Canvas& canvas, const EditorOverlay& overlay, const Schematic& doc,
                        const Environment& env, const PaintScale& scale = {},
                        const std::string& fontName = kDefaultSchematicFont);

} // namespace norvane

#pragma once
// Drawing one symbol, with its label lines and kind marks, onto a canvas. Used for the
// components and ports of the document, for the outline that follows the mouse while placing,
// and for the small circuit pictures of the design assistants.

#include "config/environment.h"
#include "document/schematic.h"
#include "document/symboltable.h"
#include "editor/labeltext.h"
#include "editor/paintscale.h"
#include "platform/canvas.h"

#include <string>

namespace norvane {

// Font family of the main window, used for every text of the schematic.
inline constexpr const char* kDefaultSchematicFont = "Sans Serif";

struct SymbolPaintOptions
{
  std::string fontName = kDefaultSchematicFont;
  // A selection is being dragged: highlighted symbols leave out their label lines, which
  // would otherwise trail behind at every step.
  bool moving = false;
  // The placement outline draws the bare symbol: no labels and no kind marks.
  bool withLabels = true;
};

// Font size in points of symbol labels: 8 points at 96 pixels per inch and 1/1, following the
// scale so that printed labels keep their size relative to the symbols. 0 means "too small to
// draw"; labels are then skipped.
int symbolFontSize(const PaintScale& scale, int pixelsPerInch);

// Draws `symbol` in orientation `crot` with its reference point at document point `at`.
// `highlighted` selects the "selected" colours. Leaves the canvas pen, brush and font changed.
void drawSymbol(Canvas& canvas, const SymbolDefinition& symbol, int crot, const PaintScale& scale,
                const LabelLines& labels, bool highlighted, Point at, const Environment& env,
                const SymbolPaintOptions& options = {});

// One document component with its value labels (nothing for an unknown kind).
void paintComponent(Canvas& canvas, const Component& comp, const DataSets& dataSets,
                    const PaintScale& scale, const Environment& env,
                    const SymbolPaintOptions& options = {});

// Measurement port 1 or 2 (portNumber) with its impedance label. A port that is not placed
// (a negative coordinate) is not drawn.
void paintPort(Canvas& canvas, int portNumber, const Port& port, const PaintScale& scale,
               const Environment& env, const SymbolPaintOptions& options = {});

} // namespace norvane

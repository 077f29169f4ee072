#pragma once
// Painting the whole schematic document onto a canvas, in this order: grid, components,
// wires, ports, free texts, drawing lines, unconnected-node markers. The editor window paints
// at 1/1 without offset; print and print preview pass their own offset and ratio.

#include "config/environment.h"
#include "document/schematic.h"
#include "editor/gridtile.h"
#include "editor/paintscale.h"
#include "editor/symbolpainter.h"
#include "platform/canvas.h"

#include <optional>
#include <string>

namespace norvane {

// The editor's drawing area, in drawing units (one unit one pixel on screen).
constexpr int kDrawingAreaWidth = 1500;
constexpr int kDrawingAreaHeight = 1000;

// The grid tile kept between paints; rebuilt only when the paper or dot colour changes.
class GridTileCache
{
public:
  const PixelImage& tile(Color paper, Color dots);

private:
  std::optional<Color> m_paper;
  std::optional<Color> m_dots;
  PixelImage m_tile;
};

struct SchematicPaintOptions
{
  std::string fontName = kDefaultSchematicFont;
  // A selection is being dragged (the editor's "moving" state).
  bool moving = false;
  // The grid is drawn when this is set and the environment's "Show Grid" is on; printing
  // usually leaves it out.
  bool allowGrid = true;
  int areaWidth = kDrawingAreaWidth;
  int areaHeight = kDrawingAreaHeight;
  // Optional cache of the grid tile; without one the tile is built for this paint.
  GridTileCache* gridTile = nullptr;
};

// Paints the document. A document point (x, y) is drawn at scale.map(x, y).
void paintSchematic(Canvas& canvas, const Schematic& doc, const Environment& env,
                    const PaintScale& scale, const SchematicPaintOptions& options = {});

// The pieces, for callers that draw parts of a schematic (the assistants' previews).
void paintGrid(Canvas& canvas, const Environment& env, const SchematicPaintOptions& options);
void paintWire(Canvas& canvas, const Wire& wire, Color color, const PaintScale& scale);
void paintTextItem(Canvas& canvas, const TextItem& text, const PaintScale& scale,
                   const std::string& fontName);
void paintLine(Canvas& canvas, const DrawingLine& line, const PaintScale& scale);
void paintUnconnectedMarkers(Canvas& canvas, const Drawing& drawing);

// Font size in points of a free text of `sizeText` ("8") at this scale and resolution:
// size * num * 96 / (den * ppi), rounded. An unreadable or non-positive size counts as the
// editor's default of 8 points so that the text stays visible.
int textItemFontSize(const std::string& sizeText, const PaintScale& scale, int pixelsPerInch);

} // namespace norvane

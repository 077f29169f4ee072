#include "editor/schematicpainter.h"

#include <cmath>
#include <cstdlib>

namespace norvane {

const PixelImage& GridTileCache::tile(Color paper, Color dots)
{
  if (m_paper != paper || m_dots != dots) {
    m_tile = buildGridTile(paper, dots);
    m_paper = paper;
    m_dots = dots;
  }
  return m_tile;
}

void paintGrid(Canvas& canvas, const Environment& env, const SchematicPaintOptions& options)
{
  if (!options.allowGrid || !env.gridon) return;
  if (options.gridTile != nullptr) {
    canvas.drawTiled(options.gridTile->tile(env.papercolor, env.griddotscolor), 0, 0,
                     options.areaWidth, options.areaHeight);
  } else {
    canvas.drawTiled(buildGridTile(env.papercolor, env.griddotscolor), 0, 0, options.areaWidth,
                     options.areaHeight);
  }
}

void paintWire(Canvas& canvas, const Wire& wire, Color color, const PaintScale& scale)
{
  canvas.setPenMode(PenMode::Copy);
  canvas.setPenStyle(PenStyle::Solid);
  canvas.setPenWidth(scale.penWidth());
  canvas.setPenColor(color);
  const CanvasPoint a = scale.map(wire.start.x, wire.start.y);
  const CanvasPoint b = scale.map(wire.finish.x, wire.finish.y);
  canvas.moveTo(a.x, a.y);
  canvas.lineTo(b.x, b.y);
  // A small square marks each end, so that ends meeting a wire's middle can be told from
  // wires that merely cross.
  canvas.setBrushStyle(BrushStyle::Solid);
  canvas.setBrushColor(color);
  canvas.fillRect(a.x - 1, a.y - 1, a.x + 2, a.y + 2);
  canvas.fillRect(b.x - 1, b.y - 1, b.x + 2, b.y + 2);
}

int textItemFontSize(const std::string& sizeText, const PaintScale& scale, int pixelsPerInch)
{
  char* end = nullptr;
  long size = std::strtol(sizeText.c_str(), &end, 10);
  if (end == sizeText.c_str() || size <= 0) size = 8;
  const double ppi = pixelsPerInch > 0 ? pixelsPerInch : 96;
  return static_cast<int>(
      std::lround(static_cast<double>(size) * scale.num * 96.0 / (scale.divisor() * ppi)));
}

void paintTextItem(Canvas& canvas, const TextItem& text, const PaintScale& scale,
                   const std::string& fontName)
{
  const CanvasPoint p = scale.map(text.pos.x, text.pos.y);
  const int size = textItemFontSize(text.size, scale, canvas.pixelsPerInch());
  if (size > 0) {
    canvas.setFontName(fontName);
    canvas.setFontSize(size);
    canvas.setFontColor(text.selected ? colors::grey : colors::black);
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.textOut(p.x, p.y, text.text);
  }
  // The grey dot shows where the text is anchored, also for texts too small to draw.
  canvas.setPixel(p.x, p.y, colors::grey);
}

void paintLine(Canvas& canvas, const DrawingLine& line, const PaintScale& scale)
{
  canvas.setPenMode(PenMode::Copy);
  canvas.setPenStyle(PenStyle::Solid);
  canvas.setPenWidth(scale.penWidth());
  canvas.setPenColor(line.selected ? colors::grey : colors::black);
  const CanvasPoint a = scale.map(line.start.x, line.start.y);
  const CanvasPoint b = scale.map(line.finish.x, line.finish.y);
  canvas.moveTo(a.x, a.y);
  canvas.lineTo(b.x, b.y);
}

void paintUnconnectedMarkers(Canvas& canvas, const Drawing& drawing)
{
  // The markers are screen feedback of the last circuit check: drawn at the document point
  // itself, neither shifted nor scaled.
  canvas.setPenMode(PenMode::Copy);
  canvas.setPenStyle(PenStyle::Solid);
  canvas.setPenWidth(1);
  canvas.setPenColor(colors::red);
  canvas.setBrushStyle(BrushStyle::Clear);
  for (const Point& p : drawing.UnconnectedMarkers)
    canvas.ellipse(p.x - 5, p.y - 5, p.x + 5, p.y + 5);
}

void paintSchematic(Canvas& canvas, const Schematic& doc, const Environment& env,
                    const PaintScale& scale, const SchematicPaintOptions& options)
{
  const Drawing& d = doc.drawdat;
  paintGrid(canvas, env, options);

  SymbolPaintOptions symbolOptions;
  symbolOptions.fontName = options.fontName;
  symbolOptions.moving = options.moving;
  for (const Component& comp : d.components)
    paintComponent(canvas, comp, doc.datasets, scale, env, symbolOptions);

  for (const Wire& wire : d.wires) {
    const bool selected = wire.startselected || wire.finishselected;
    paintWire(canvas, wire, selected ? env.selectedwirecolor : env.wirecolor, scale);
  }

  paintPort(canvas, 1, d.P1, scale, env, symbolOptions);
  paintPort(canvas, 2, d.P2, scale, env, symbolOptions);

  for (const TextItem& text : d.texts)
    paintTextItem(canvas, text, scale, options.fontName);
  for (const DrawingLine& line : d.lines)
    paintLine(canvas, line, scale);
  paintUnconnectedMarkers(canvas, d);
}

} // namespace norvane

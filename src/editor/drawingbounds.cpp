#include "editor/drawingbounds.h"

#include "editor/schematicpainter.h"

#include <algorithm>

namespace norvane {

namespace {

// A canvas that draws nothing and remembers the extent of every operation. The pen width
// widens lines; texts are measured with the caller's font metrics.
class BoundsCanvas : public Canvas
{
public:
  explicit BoundsCanvas(const FontTextMeasure& measure) : m_measure(measure) {}

  std::optional<DrawingBox> box() const { return m_box; }

  int pixelsPerInch() const override { return 96; }
  void rectangle(int x1, int y1, int x2, int y2) override { add(x1, y1, x2, y2); }
  void fillRect(int x1, int y1, int x2, int y2) override { add(x1, y1, x2, y2); }
  void frameRect(int x1, int y1, int x2, int y2) override { add(x1, y1, x2, y2); }
  void ellipse(int x1, int y1, int x2, int y2) override { add(x1, y1, x2, y2); }
  void arc(int x1, int y1, int x2, int y2, int, int, int, int) override { add(x1, y1, x2, y2); }
  void polygon(const std::vector<CanvasPoint>& points) override
  {
    for (const CanvasPoint& p : points)
      addLine(p, p);
  }
  void setPixel(int x, int y, Color) override { add(x, y, x + 1, y + 1); }
  void textOut(int x, int y, const std::string& text) override
  {
    const TextExtent e = textExtent(text);
    add(x, y, x + e.width, y + e.height);
  }
  TextExtent textExtent(const std::string& text) override
  {
    return m_measure ? m_measure(font(), text) : TextExtent{};
  }
  // The grid is the sheet, not the drawing.
  void drawTiled(const PixelImage&, int, int, int, int) override {}

protected:
  void drawLine(CanvasPoint from, CanvasPoint to) override { addLine(from, to); }

private:
  void addLine(CanvasPoint from, CanvasPoint to)
  {
    const int half = std::max(1, pen().width) / 2;
    add(std::min(from.x, to.x) - half, std::min(from.y, to.y) - half,
        std::max(from.x, to.x) + half + 1, std::max(from.y, to.y) + half + 1);
  }
  void add(int x1, int y1, int x2, int y2)
  {
    const DrawingBox b{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    if (!m_box) {
      m_box = b;
      return;
    }
    m_box->left = std::min(m_box->left, b.left);
    m_box->top = std::min(m_box->top, b.top);
    m_box->right = std::max(m_box->right, b.right);
    m_box->bottom = std::max(m_box->bottom, b.bottom);
  }

  const FontTextMeasure& m_measure;
  std::optional<DrawingBox> m_box;
};

} // namespace

std::optional<DrawingBox> drawingBounds(const Schematic& doc, const Environment& env,
                                        const PaintScale& scale, const FontTextMeasure& measure,
                                        const std::string& fontName)
{
  BoundsCanvas canvas(measure);
  SchematicPaintOptions options;
  options.fontName = fontName;
  options.allowGrid = false;
  paintSchematic(canvas, doc, env, scale, options);
  return canvas.box();
}

} // namespace norvane

#pragma once
// A canvas that draws nothing and remembers every drawing call with the pen, brush and font in
// force at the time, so tests can assert what a painter produced ("text '50R' at (110, 85)").
// Text extents follow a simple fixed-pitch model so that layouts are reproducible.

#include "platform/canvas.h"

#include <optional>
#include <string>
#include <vector>

namespace norvane {

struct CanvasOp
{
  enum class Kind {
    Line,
    Rectangle,
    FillRect,
    FrameRect,
    Ellipse,
    Arc,
    Polygon,
    Pixel,
    Text,
    Tiled
  };
  Kind kind = Kind::Line;
  // Line: from, to. Rectangle, FillRect, FrameRect, Ellipse: the two corners. Arc: the two
  // corners, the start and the end point. Polygon: the vertices. Pixel, Text: the point.
  // Tiled: the top-left corner, then (width, height) of the covered area.
  std::vector<CanvasPoint> points;
  std::string text; // Text
  Color color = 0;  // Pixel
  PixelImage tile;  // Tiled
  Pen pen;
  Brush brush;
  Font font;
};

class RecordingCanvas : public Canvas
{
public:
  explicit RecordingCanvas(int pixelsPerInch = 96) : m_ppi(pixelsPerInch) {}

  int pixelsPerInch() const override { return m_ppi; }
  void rectangle(int x1, int y1, int x2, int y2) override;
  void fillRect(int x1, int y1, int x2, int y2) override;
  void frameRect(int x1, int y1, int x2, int y2) override;
  void ellipse(int x1, int y1, int x2, int y2) override;
  void arc(int x1, int y1, int x2, int y2, int startX, int startY, int endX, int endY) override;
  void polygon(const std::vector<CanvasPoint>& points) override;
  void setPixel(int x, int y, Color c) override;
  void textOut(int x, int y, const std::string& text) override;
  // Fixed pitch: the font's pixel height is round(size * ppi / 72); each character is half
  // of that wide (rounded up). A font size of 0 or less measures as 0 x 0.
  TextExtent textExtent(const std::string& text) override;
  void drawTiled(const PixelImage& tile, int x, int y, int width, int height) override;

  const std::vector<CanvasOp>& ops() const { return m_ops; }
  void clear() { m_ops.clear(); }

  // Queries used by tests.
  std::vector<CanvasOp> opsOfKind(CanvasOp::Kind kind) const;
  std::vector<CanvasOp> texts() const { return opsOfKind(CanvasOp::Kind::Text); }
  std::vector<CanvasOp> lines() const { return opsOfKind(CanvasOp::Kind::Line); }
  // The first text op with exactly this text.
  std::optional<CanvasOp> findText(const std::string& text) const;
  // The first text op at (x, y).
  std::optional<CanvasOp> textAt(int x, int y) const;
  // Whether a line joins the two points, in either direction.
  bool hasLine(int x1, int y1, int x2, int y2) const;

protected:
  void drawLine(CanvasPoint from, CanvasPoint to) override;

private:
  CanvasOp begin(CanvasOp::Kind kind) const;
  int m_ppi;
  std::vector<CanvasOp> m_ops;
};

} // namespace norvane

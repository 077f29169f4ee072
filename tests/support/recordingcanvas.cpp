#include "support/recordingcanvas.h"

#include <cmath>

namespace norvane {

CanvasOp RecordingCanvas::begin(CanvasOp::Kind kind) const
{
  CanvasOp op;
  op.kind = kind;
  op.pen = pen();
  op.brush = brush();
  op.font = font();
  return op;
}

void RecordingCanvas::drawLine(CanvasPoint from, CanvasPoint to)
{
  CanvasOp op = begin(CanvasOp::Kind::Line);
  op.points = {from, to};
  m_ops.push_back(std::move(op));
}

void RecordingCanvas::rectangle(int x1, int y1, int x2, int y2)
{
  CanvasOp op = begin(CanvasOp::Kind::Rectangle);
  op.points = {{x1, y1}, {x2, y2}};
  m_ops.push_back(std::move(op));
}

void RecordingCanvas::fillRect(int x1, int y1, int x2, int y2)
{
  CanvasOp op = begin(CanvasOp::Kind::FillRect);
  op.points = {{x1, y1}, {x2, y2}};
  m_ops.push_back(std::move(op));
}

void RecordingCanvas::frameRect(int x1, int y1, int x2, int y2)
{
  CanvasOp op = begin(CanvasOp::Kind::FrameRect);
  op.points = {{x1, y1}, {x2, y2}};
  m_ops.push_back(std::move(op));
}

void RecordingCanvas::ellipse(int x1, int y1, int x2, int y2)
{
  CanvasOp op = begin(CanvasOp::Kind::Ellipse);
  op.points = {{x1, y1}, {x2, y2}};
  m_ops.push_back(std::move(op));
}

void RecordingCanvas::arc(int x1, int y1, int x2, int y2, int startX, int startY, int endX,
                          int endY)
{
  CanvasOp op = begin(CanvasOp::Kind::Arc);
  op.points = {{x1, y1}, {x2, y2}, {startX, startY}, {endX, endY}};
  m_ops.push_back(std::move(op));
}

void RecordingCanvas::polygon(const std::vector<CanvasPoint>& points)
{
  CanvasOp op = begin(CanvasOp::Kind::Polygon);
  op.points = points;
  m_ops.push_back(std::move(op));
}

void RecordingCanvas::setPixel(int x, int y, Color c)
{
  CanvasOp op = begin(CanvasOp::Kind::Pixel);
  op.points = {{x, y}};
  op.color = c;
  m_ops.push_back(std::move(op));
}

void RecordingCanvas::textOut(int x, int y, const std::string& text)
{
  CanvasOp op = begin(CanvasOp::Kind::Text);
  op.points = {{x, y}};
  op.text = text;
  m_ops.push_back(std::move(op));
}

TextExtent RecordingCanvas::textExtent(const std::string& text)
{
  if (font().size <= 0) return {};
  const int height = static_cast<int>(std::lround(font().size * m_ppi / 72.0));
  const int charWidth = (height + 1) / 2;
  return {charWidth * static_cast<int>(text.size()), height};
}

void RecordingCanvas::drawTiled(const PixelImage& tile, int x, int y, int width, int height)
{
  CanvasOp op = begin(CanvasOp::Kind::Tiled);
  op.points = {{x, y}, {width, height}};
  op.tile = tile;
  m_ops.push_back(std::move(op));
}

std::vector<CanvasOp> RecordingCanvas::opsOfKind(CanvasOp::Kind kind) const
{
  std::vector<CanvasOp> out;
  for (const CanvasOp& op : m_ops)
    if (op.kind == kind) out.push_back(op);
  return out;
}

std::optional<CanvasOp> RecordingCanvas::findText(const std::string& text) const
{
  for (const CanvasOp& op : m_ops)
    if (op.kind == CanvasOp::Kind::Text && op.text == text) return op;
  return std::nullopt;
}

std::optional<CanvasOp> RecordingCanvas::textAt(int x, int y) const
{
  for (const CanvasOp& op : m_ops)
    if (op.kind == CanvasOp::Kind::Text && op.points[0] == CanvasPoint{x, y}) return op;
  return std::nullopt;
}

bool RecordingCanvas::hasLine(int x1, int y1, int x2, int y2) const
{
  const CanvasPoint a{x1, y1}, b{x2, y2};
  for (const CanvasOp& op : m_ops) {
    if (op.kind != CanvasOp::Kind::Line) continue;
    if ((op.points[0] == a && op.points[1] == b) || (op.points[0] == b && op.points[1] == a))
      return true;
  }
  return false;
}

} // namespace norvane

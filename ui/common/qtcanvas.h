#pragma once
// The core's Canvas on a QPainter: the schematic window, images (icons, the saved window
// bitmap) and the printer all draw through it. Drawing is pixel-exact like the classic device
// contexts the painters are written for: no antialiasing (unless a painter asks for smooth
// lines in copy mode), one-pixel lines exclude their end
// pixel (so exclusive-or polylines leave no holes at the joints), right and bottom edges of
// rectangles and ellipses are exclusive.
//
// Fonts are sized in pixels from the canvas's pixels per inch, so a painter that scales the
// QPainter (print preview, high-resolution output) still gets text of the intended size.

#include "platform/canvas.h"

#include <QColor>
#include <QFont>

class QPainter;

namespace norvane {

QColor toQColor(Color c);
Color fromQColor(const QColor& c);

class QtCanvas : public Canvas
{
public:
  // `pixelsPerInch` 0 takes the resolution of the painter's device.
  explicit QtCanvas(QPainter& painter, int pixelsPerInch = 0);

  int pixelsPerInch() const override { return m_ppi; }
  void rectangle(int x1, int y1, int x2, int y2) override;
  void fillRect(int x1, int y1, int x2, int y2) override;
  void frameRect(int x1, int y1, int x2, int y2) override;
  void ellipse(int x1, int y1, int x2, int y2) override;
  void arc(int x1, int y1, int x2, int y2, int startX, int startY, int endX, int endY) override;
  void polygon(const std::vector<CanvasPoint>& points) override;
  void setPixel(int x, int y, Color c) override;
  void textOut(int x, int y, const std::string& text) override;
  TextExtent textExtent(const std::string& text) override;
  void drawTiled(const PixelImage& tile, int x, int y, int width, int height) override;

  // The QFont the canvas would use for the current font state (pixel-sized).
  QFont currentQFont() const;

protected:
  void drawLine(CanvasPoint from, CanvasPoint to) override;

private:
  // Sets the QPainter's pen, brush and composition mode from the canvas state.
  void applyPen();
  void applyBrush();
  void applyMode();
  QColor invertingColor(Color c) const;
  // Smoothing asked for and the pen copies (see Canvas::setSmoothing).
  bool smoothNow() const { return smoothing() && pen().mode == PenMode::Copy; }
  QPainter& m_painter;
  int m_ppi;
  bool m_rasterOps; // the device can combine with the destination (not PDF or printers)
};

} // namespace norvane

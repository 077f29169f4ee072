#pragma once
// The drawing area of the graph window. Its picture is an off-screen image: a full redraw
// paints the whole image through the graph core and shows it in one copy, so the plot never
// flickers; while a sweep runs the core draws each new segment (and the cursor markers)
// straight into the same image, and the widget shows the image again.

#include "graph/intgeometry.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

class QPainter;

namespace norvane {

class Canvas;
class QtCanvas;

class GraphDrawingArea : public QWidget
{
  Q_OBJECT
public:
  explicit GraphDrawingArea(QWidget* parent = nullptr);
  ~GraphDrawingArea() override;

  // Paints the whole picture anew: `paint` receives the picture's canvas and its area.
  using Painter = std::function<void(Canvas&, const IntRect&)>;
  void setPainter(Painter painter) { m_painter = std::move(painter); }
  void repaintPicture();

  // The picture's canvas for drawing between repaints; the widget shows the result at its
  // next paint. nullptr before the first repaint.
  Canvas* liveCanvas();
  IntRect area() const { return {0, 0, pictureSize().width(), pictureSize().height()}; }
  // The picture's size in the widget's units (its pixels divided by the device pixel ratio).
  QSize pictureSize() const;

  // The picture as it is now (for tests and the bitmap file).
  QImage picture();

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void endDrawing();

  Painter m_painter;
  QImage m_picture;
  std::unique_ptr<QPainter> m_qpainter;
  std::unique_ptr<QtCanvas> m_canvas;
};

} // namespace norvane

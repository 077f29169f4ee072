#include "graph/graphdrawingarea.h"

#include "qtcanvas.h"

#include <QPaintEvent>
#include <QPainter>

namespace norvane {

GraphDrawingArea::GraphDrawingArea(QWidget* parent) : QWidget(parent)
{
  // The picture covers every pixel: Qt need not clear the widget first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(120, 90);
}

GraphDrawingArea::~GraphDrawingArea()
{
  endDrawing();
}

void GraphDrawingArea::endDrawing()
{
  m_canvas.reset();
  if (m_qpainter) {
    m_qpainter->end();
    m_qpainter.reset();
  }
}

Canvas* GraphDrawingArea::liveCanvas()
{
  if (m_picture.isNull()) return nullptr;
  if (!m_qpainter) {
    m_qpainter = std::make_unique<QPainter>(&m_picture);
    m_canvas = std::make_unique<QtCanvas>(*m_qpainter, logicalDpiY());
  }
  // Whatever is drawn now shows at the next paint of the widget.
  update();
  return m_canvas.get();
}

void GraphDrawingArea::repaintPicture()
{
  const QSize want = size().expandedTo(QSize(1, 1));
  if (m_picture.size() != want) {
    endDrawing();
    m_picture = QImage(want, QImage::Format_RGB32);
    m_picture.fill(Qt::black);
  }
  if (Canvas* canvas = liveCanvas(); canvas && m_painter) m_painter(*canvas, area());
  update();
}

QImage GraphDrawingArea::picture()
{
  endDrawing();
  return m_picture;
}

void GraphDrawingArea::paintEvent(QPaintEvent* event)
{
  if (m_picture.size() != size()) repaintPicture();
  // The picture must not be open for drawing while it is copied to the screen.
  endDrawing();
  QPainter p(this);
  p.drawImage(event->rect(), m_picture, event->rect());
}

void GraphDrawingArea::resizeEvent(QResizeEvent* event)
{
  QWidget::resizeEvent(event);
  repaintPicture();
}

} // namespace norvane

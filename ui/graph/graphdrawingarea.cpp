#include "graph/graphdrawingarea.h"

#include "common/qtcanvas.h"

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
  // The picture has as many pixels as the screen shows, so a high-density screen gets a
  // sharp graph rather than an enlarged one; the core draws in the widget's own units.
  const qreal ratio = devicePixelRatioF();
  const QSize want = size().expandedTo(QSize(1, 1));
  if (pictureSize() != want || m_picture.devicePixelRatio() != ratio) {
    endDrawing();
    m_picture = QImage(want * ratio, QImage::Format_RGB32);
    m_picture.setDevicePixelRatio(ratio);
    m_picture.fill(Qt::black);
  }
  if (Canvas* canvas = liveCanvas(); canvas && m_painter) m_painter(*canvas, area());
  update();
}

QSize GraphDrawingArea::pictureSize() const
{
  return m_picture.isNull() ? QSize() : m_picture.deviceIndependentSize().toSize();
}

QImage GraphDrawingArea::picture()
{
  endDrawing();
  return m_picture;
}

void GraphDrawingArea::paintEvent(QPaintEvent* event)
{
  if (pictureSize() != size() || m_picture.devicePixelRatio() != devicePixelRatioF())
    repaintPicture();
  // The picture must not be open for drawing while it is copied to the screen.
  endDrawing();
  QPainter p(this);
  const qreal ratio = m_picture.devicePixelRatio();
  const QRectF source(QPointF(event->rect().topLeft()) * ratio,
                      QSizeF(event->rect().size()) * ratio);
  p.drawImage(QRectF(event->rect()), m_picture, source);
}

void GraphDrawingArea::resizeEvent(QResizeEvent* event)
{
  QWidget::resizeEvent(event);
  repaintPicture();
}

} // namespace norvane

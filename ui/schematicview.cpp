#include "schematicview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <QKeyEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace norvane {

SchematicView::SchematicView(QWidget* parent) : QAbstractScrollArea(parent)
{
  setObjectName("SchematicView");
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  viewport()->setMouseTracking(true); // the placement outline follows the mouse
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
    bar->setRange(kScrollStart, 0);
    bar->setPageStep(kPageStep);
    bar->setSingleStep(10);
    bar->setValue(kScrollStart);
  }
  updateScrollRanges();
}

QPoint SchematicView::scrollOffset() const
{
  return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

QPoint SchematicView::toUnits(QPoint viewportPixel) const
{
  const QPoint screen = viewportPixel + scrollOffset();
  if (m_zoom == 1.0) return screen;
  // Floor, so that each screen pixel belongs to the drawing unit it shows.
  return {static_cast<int>(std::floor(screen.x() / m_zoom)),
          static_cast<int>(std::floor(screen.y() / m_zoom))};
}

QPoint SchematicView::toViewport(QPoint units) const
{
  if (m_zoom == 1.0) return units - scrollOffset();
  return QPoint(static_cast<int>(std::lround(units.x() * m_zoom)),
                static_cast<int>(std::lround(units.y() * m_zoom))) -
         scrollOffset();
}

namespace {
// The zoom ladder of the zoom steps and the wheel.
constexpr double kZoomSteps[] = {0.25, 0.33, 0.5, 0.67, 0.75, 1.0, 1.25,
                                 1.5,  2.0,  3.0, 4.0,  6.0,  8.0};
constexpr int kWheelNotch = 120;
} // namespace

void SchematicView::setZoom(double zoom, QPoint anchor)
{
  zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
  if (zoom == m_zoom) return;
  // The drawing point under the anchor, unrounded, stays under it.
  const QPointF screen = QPointF(anchor + scrollOffset());
  const QPointF units = screen / m_zoom;
  m_zoom = zoom;
  updateScrollRanges();
  const QPointF offset = units * m_zoom - QPointF(anchor);
  horizontalScrollBar()->setValue(static_cast<int>(std::lround(offset.x())));
  verticalScrollBar()->setValue(static_cast<int>(std::lround(offset.y())));
  repaintSheet();
}

void SchematicView::setZoom(double zoom)
{
  setZoom(zoom, viewport()->rect().center());
}

void SchematicView::zoomStep(int steps, QPoint anchor)
{
  double zoom = m_zoom;
  for (; steps > 0; --steps) {
    const auto* next = std::upper_bound(std::begin(kZoomSteps), std::end(kZoomSteps), zoom + 1e-9);
    zoom = next == std::end(kZoomSteps) ? kMaxZoom : *next;
  }
  for (; steps < 0; ++steps) {
    const auto* next = std::lower_bound(std::begin(kZoomSteps), std::end(kZoomSteps), zoom - 1e-9);
    zoom = next == std::begin(kZoomSteps) ? kMinZoom : *(next - 1);
  }
  setZoom(zoom, anchor);
}

void SchematicView::zoomIn()
{
  zoomStep(1, viewport()->rect().center());
}

void SchematicView::zoomOut()
{
  zoomStep(-1, viewport()->rect().center());
}

void SchematicView::fitToWindow()
{
  const QSize visible = viewport()->size();
  // The sheet with the start margin on both sides.
  const double zoom = std::min((visible.width() - 2.0 * -kScrollStart) / kSheetWidth,
                               (visible.height() - 2.0 * -kScrollStart) / kSheetHeight);
  setZoom(zoom, {0, 0});
  horizontalScrollBar()->setValue(kScrollStart);
  verticalScrollBar()->setValue(kScrollStart);
}

void SchematicView::fitUnits(const QRect& units, int margin)
{
  const QSize visible = viewport()->size();
  const QRect framed = units.adjusted(-margin, -margin, margin, margin);
  const double zoom = std::min(static_cast<double>(visible.width()) / framed.width(),
                               static_cast<double>(visible.height()) / framed.height());
  setZoom(zoom);
  centreOn(QRectF(units).center());
}

void SchematicView::centreOn(QPointF units)
{
  const QPointF middle = QRectF(viewport()->rect()).center();
  const QPointF offset = units * m_zoom - middle;
  const std::pair<QScrollBar*, double> bars[] = {{horizontalScrollBar(), offset.x()},
                                                 {verticalScrollBar(), offset.y()}};
  for (const auto& [bar, wanted] : bars) {
    const int value = static_cast<int>(std::lround(wanted));
    // The bars reach past the sheet's edges as far as centring needs.
    if (value < bar->minimum()) bar->setMinimum(value);
    if (value > bar->maximum()) bar->setMaximum(value);
    bar->setValue(value);
  }
  repaintSheet();
}

void SchematicView::scrollToStart()
{
  for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
    bar->setMinimum(kScrollStart);
    bar->setValue(kScrollStart);
  }
  repaintSheet();
}

bool SchematicView::showsWhole(const QRect& units) const
{
  const QRect seen(toUnits(QPoint(0, 0)), toUnits(viewport()->rect().bottomRight()));
  return seen.contains(units);
}

void SchematicView::setPaperColor(const QColor& color)
{
  m_paper = color;
  repaintSheet();
}

void SchematicView::repaintSheet()
{
  viewport()->update();
}

void SchematicView::updateScrollRanges()
{
  // The far limit is the sheet size less the visible size, so the sheet's right and bottom
  // edges can just be reached; a window larger than the sheet has nothing to scroll to.
  const QSize visible = viewport()->size();
  const int width = static_cast<int>(std::lround(kSheetWidth * m_zoom));
  const int height = static_cast<int>(std::lround(kSheetHeight * m_zoom));
  horizontalScrollBar()->setMaximum(std::max(0, width - visible.width()));
  verticalScrollBar()->setMaximum(std::max(0, height - visible.height()));
  // Centring on a drawing near the sheet's edge may have scrolled past the start margin; the
  // bars keep that reach only while they are there.
  for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()})
    bar->setMinimum(std::min(kScrollStart, bar->value()));
}

void SchematicView::resizeEvent(QResizeEvent* event)
{
  QAbstractScrollArea::resizeEvent(event);
  updateScrollRanges();
}

void SchematicView::scrollContentsBy(int, int)
{
  repaintSheet();
}

void SchematicView::paintEvent(QPaintEvent* event)
{
  QPainter painter(viewport());
  // Outside the sheet (the margin and beyond the far edges) the window shows a neutral grey,
  // so the edge of the drawing area is visible.
  painter.fillRect(event->rect(), palette().color(QPalette::Mid));
  const QPoint offset = scrollOffset();
  painter.translate(-offset);
  painter.scale(m_zoom, m_zoom);
  const QRect sheet(0, 0, kSheetWidth, kSheetHeight);
  // The exposed pixels in drawing units, widened to whole units.
  const QRectF exposed = QRectF(event->rect().translated(offset));
  const QRect units(QPoint(static_cast<int>(std::floor(exposed.left() / m_zoom)),
                           static_cast<int>(std::floor(exposed.top() / m_zoom))),
                    QPoint(static_cast<int>(std::ceil(exposed.right() / m_zoom)),
                           static_cast<int>(std::ceil(exposed.bottom() / m_zoom))));
  const QRect visible = units.intersected(sheet);
  painter.setClipRect(visible);
  painter.fillRect(visible, m_paper);
  if (m_client != nullptr) {
    m_client->paintSheet(painter, visible);
  }
}

void SchematicView::mousePressEvent(QMouseEvent* event)
{
  setFocus(Qt::MouseFocusReason);
  if (m_client != nullptr) {
    m_client->sheetMousePress(toUnits(event->position().toPoint()), event->button());
  }
}

void SchematicView::mouseMoveEvent(QMouseEvent* event)
{
  if (m_client != nullptr) {
    m_client->sheetMouseMove(toUnits(event->position().toPoint()));
  }
}

void SchematicView::mouseReleaseEvent(QMouseEvent* event)
{
  if (m_client != nullptr) {
    m_client->sheetMouseRelease(toUnits(event->position().toPoint()), event->button());
  }
}

void SchematicView::wheelEvent(QWheelEvent* event)
{
  m_wheelRest += event->angleDelta().y();
  const int notches = m_wheelRest / kWheelNotch;
  m_wheelRest %= kWheelNotch;
  if (event->modifiers() & Qt::ControlModifier) {
    // Zoom about the point under the mouse.
    if (notches != 0) zoomStep(notches, event->position().toPoint());
    event->accept();
    return;
  }
  if (m_client != nullptr && m_client->sheetWheel(notches)) {
    event->accept();
    return;
  }
  QAbstractScrollArea::wheelEvent(event);
}

void SchematicView::keyPressEvent(QKeyEvent* event)
{
  // Arrow keys may arrive flagged as keypad keys; that flag is no modifier the user pressed.
  const Qt::KeyboardModifiers held = event->modifiers() & ~Qt::KeypadModifier;
  if (m_client != nullptr && held == Qt::NoModifier &&
      m_client->sheetKey(event->key(), event->isAutoRepeat())) {
    event->accept();
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

void SchematicView::mouseDoubleClickEvent(QMouseEvent* event)
{
  if (m_client != nullptr && event->button() == Qt::LeftButton) {
    m_client->sheetDoubleClick(toUnits(event->position().toPoint()));
  }
}

} // namespace norvane

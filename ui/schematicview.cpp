#include "schematicview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

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
  return viewportPixel + scrollOffset();
}

QPoint SchematicView::toViewport(QPoint units) const
{
  return units - scrollOffset();
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
  horizontalScrollBar()->setMaximum(std::max(0, kSheetWidth - visible.width()));
  verticalScrollBar()->setMaximum(std::max(0, kSheetHeight - visible.height()));
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
  const QRect sheet(0, 0, kSheetWidth, kSheetHeight);
  const QRect visible = event->rect().translated(offset).intersected(sheet);
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

void SchematicView::mouseDoubleClickEvent(QMouseEvent* event)
{
  if (m_client != nullptr && event->button() == Qt::LeftButton) {
    m_client->sheetDoubleClick(toUnits(event->position().toPoint()));
  }
}

} // namespace norvane

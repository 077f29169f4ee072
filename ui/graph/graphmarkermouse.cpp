#include "graph/graphmarkermouse.h"

#include "graph/graphwindowcore.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace norvane {

GraphMarkerMouse::GraphMarkerMouse(QWidget* plot, QWidget* cursorBar, QWidget* table,
                                   GraphWindowCore& core, QObject* parent)
    : QObject(parent), m_plot(plot), m_bar(cursorBar), m_core(core)
{
  for (QWidget* w : {plot, cursorBar, table})
    w->installEventFilter(this);
}

bool GraphMarkerMouse::eventFilter(QObject* watched, QEvent* event)
{
  switch (event->type()) {
  case QEvent::KeyPress: {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Delete && m_core.selectedMarker() != 0) {
      m_core.deleteSelectedMarker();
      return true;
    }
    break;
  }
  case QEvent::MouseButtonPress: {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (watched != m_plot) break;
    const QPoint at = mouse->position().toPoint();
    if (mouse->button() == Qt::RightButton) {
      // The context menu that follows then acts on the marker under the mouse.
      if (const int number = m_core.markerAtPixel({at.x(), at.y()}); number != 0)
        m_core.selectMarker(number);
      break;
    }
    if (mouse->button() != Qt::LeftButton) break;
    if (mouse->modifiers() & Qt::ShiftModifier) {
      m_core.addMarkerAtPixel({at.x(), at.y()});
      return true;
    }
    if (const int number = m_core.markerAtPixel({at.x(), at.y()}); number != 0) {
      m_core.selectMarker(number);
      m_dragged = number;
      if (m_bar->isVisible()) m_bar->setFocus(Qt::MouseFocusReason); // Delete removes it now
      return true;
    }
    break;
  }
  case QEvent::MouseMove: {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (watched != m_plot || m_dragged == 0) break;
    if (!(mouse->buttons() & Qt::LeftButton)) {
      m_dragged = 0;
      break;
    }
    const QPoint at = mouse->position().toPoint();
    m_core.moveMarkerToPixel(m_dragged, {at.x(), at.y()});
    return true;
  }
  case QEvent::MouseButtonRelease:
    if (watched == m_plot && m_dragged != 0) {
      m_dragged = 0;
      return true;
    }
    break;
  default:
    break;
  }
  return QObject::eventFilter(watched, event);
}

} // namespace norvane

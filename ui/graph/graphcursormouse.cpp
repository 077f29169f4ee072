#include "graph/graphcursormouse.h"

#include "graph/cursorpick.h"
#include "graph/graphwindowcore.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>

namespace norvane {

namespace {
// One notch of an ordinary mouse wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;
} // namespace

GraphCursorMouse::GraphCursorMouse(QWidget* plot, QScrollBar* cursorBar,
                                   const GraphWindowCore& core, QObject* parent)
    : QObject(parent), m_plot(plot), m_bar(cursorBar), m_core(core)
{
  m_plot->installEventFilter(this);
  m_bar->installEventFilter(this);
}

bool GraphCursorMouse::cursorKey(int key)
{
  // The bar's own key handling follows its platform style (some styles invert the arrows of
  // a horizontal scroll bar); the cursor always moves right with Right.
  switch (key) {
  case Qt::Key_Left:
  case Qt::Key_Right:
    m_bar->setValue(steppedCursor(m_bar->value(), key == Qt::Key_Right ? 1 : -1, m_bar->maximum()));
    return true;
  case Qt::Key_Home:
    m_bar->setValue(m_bar->minimum());
    return true;
  case Qt::Key_End:
    m_bar->setValue(m_bar->maximum());
    return true;
  default:
    return false;
  }
}

void GraphCursorMouse::moveToPixel(QPoint pixel)
{
  const int index = m_core.pointAtPixel({pixel.x(), pixel.y()});
  if (index >= 1) m_bar->setValue(index);
}

bool GraphCursorMouse::eventFilter(QObject* watched, QEvent* event)
{
  if (event->type() == QEvent::KeyPress && (watched == m_bar || watched == m_plot)) {
    if (cursorKey(static_cast<QKeyEvent*>(event)->key())) return true;
  }
  if (watched != m_plot) return QObject::eventFilter(watched, event);
  switch (event->type()) {
  case QEvent::MouseButtonPress:
  case QEvent::MouseMove: {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const bool held = event->type() == QEvent::MouseButtonPress
                          ? mouse->button() == Qt::LeftButton
                          : (mouse->buttons() & Qt::LeftButton) != 0;
    if (!held) break;
    moveToPixel(mouse->position().toPoint());
    // The arrows and Home/End then move on from here.
    if (m_bar->isVisible()) m_bar->setFocus(Qt::MouseFocusReason);
    return true;
  }
  case QEvent::Wheel: {
    auto* wheel = static_cast<QWheelEvent*>(event);
    // Turning the wheel towards the user moves on to higher frequencies; fine-grained wheels
    // collect their small deltas until a whole notch is reached.
    m_wheelRest += wheel->angleDelta().y();
    const int steps = -(m_wheelRest / kWheelNotch);
    m_wheelRest %= kWheelNotch;
    if (steps != 0)
      m_bar->setValue(steppedCursor(m_bar->value(), steps, m_bar->maximum()));
    return true;
  }
  default:
    break;
  }
  return QObject::eventFilter(watched, event);
}

} // namespace norvane

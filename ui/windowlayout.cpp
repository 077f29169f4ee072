#include "windowlayout.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace norvane {

namespace {
// A title bar and a thin border, as most window managers draw them.
const QMargins kTypicalDecoration(4, 30, 4, 4);
} // namespace

FirstStartLayout firstStartLayout(const QRect& available, QSize graphTidy)
{
  const int total = available.width();
  int graphWidth = total * 9 / 20;
  const int wanted = graphTidy.width() + kTypicalDecoration.left() + kTypicalDecoration.right();
  if (graphWidth < wanted) graphWidth = std::min(wanted, total / 2);
  const int mainWidth = total - graphWidth;

  // The help goes along the foot of the screen, across its width, below the two windows; on a
  // screen too low to leave them a useful height above it, it has to share the graph window's
  // place (the graph window appears only with the first simulation).
  constexpr int kLeastHelpHeight = 220;
  constexpr int kMostHelpHeight = 420;
  constexpr int kLeastWindowHeight = 480;
  const int helpHeight = std::clamp(available.height() * 3 / 10, kLeastHelpHeight, kMostHelpHeight);
  const bool helpBelow = available.height() - helpHeight >= kLeastWindowHeight;
  const int windowHeight = helpBelow ? available.height() - helpHeight : available.height();

  FirstStartLayout layout;
  layout.main = QRect(available.left(), available.top(), mainWidth, windowHeight);
  layout.graph = QRect(available.left() + mainWidth, available.top(), graphWidth, windowHeight);
  layout.help = helpBelow
                    ? QRect(available.left(), available.top() + windowHeight, total, helpHeight)
                    : layout.graph;
  return layout;
}

QRect fitFrame(const QRect& frame, const QRect& available)
{
  if (available.isEmpty()) return frame;
  QRect fitted(frame.topLeft(), frame.size().boundedTo(available.size()));
  // Coordinates from a hand-edited file can be anything: compute in 64 bits.
  const auto clampInto = [](qint64 position, int length, int first, int space) {
    return static_cast<int>(std::clamp<qint64>(position, first, qint64(first) + space - length));
  };
  fitted.moveTo(clampInto(frame.left(), fitted.width(), available.left(), available.width()),
                clampInto(frame.top(), fitted.height(), available.top(), available.height()));
  return fitted;
}

QMargins decorationOf(const QWidget& window)
{
  if (window.isVisible()) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    const QMargins measured(client.left() - frame.left(), client.top() - frame.top(),
                            frame.right() - client.right(), frame.bottom() - client.bottom());
    if (!measured.isNull()) return measured;
  }
  return kTypicalDecoration;
}

QRect availableAreaFor(const QRect& frame)
{
  QScreen* screen = QGuiApplication::screenAt(frame.center());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect();
}

void placeFrame(QWidget& window, const QRect& frame)
{
  const QMargins decoration = decorationOf(window);
  window.resize(frame.marginsRemoved(decoration).size().expandedTo(QSize(1, 1)));
  // The position is that of the frame, title bar included. QWidget::move() on a window that
  // is already on the screen turns it into a client position with the decoration known at
  // that moment; just after the window is mapped the window manager may not have said yet
  // how large its title bar is, and the client area landed at the frame's place with the
  // title bar above the screen's top edge. Until the decoration is known, the frame position
  // goes to the window manager as such (north-west gravity), after the resize, which would
  // otherwise turn it back into a client position.
  QWindow* handle = window.windowHandle();
  const bool decorationKnown = window.isVisible() && window.frameGeometry() != window.geometry();
  if (window.testAttribute(Qt::WA_WState_Created) && handle != nullptr && !decorationKnown) {
    handle->setFramePosition(frame.topLeft());
  } else {
    // Not created yet (taken as the frame's position when it is), or the decoration is known.
    window.move(frame.topLeft());
  }
}

} // namespace norvane

#include "windowlayout.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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
  FirstStartLayout layout;
  layout.main = QRect(available.left(), available.top(), mainWidth, available.height());
  layout.graph = QRect(available.left() + mainWidth, available.top(), graphWidth,
                       available.height());
  layout.help = layout.graph;
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
  // For a top-level window the position is that of its frame, the size that of its client.
  window.move(frame.topLeft());
  window.resize(frame.marginsRemoved(decoration).size().expandedTo(QSize(1, 1)));
}

} // namespace norvane

#include "dialogs/dialogplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace norvane {

QPoint keepOnScreen(QPoint wanted, QSize frame, const QRect& screen)
{
  int x = wanted.x();
  int y = wanted.y();
  if (x + frame.width() > screen.right() + 1) x = screen.right() + 1 - frame.width();
  if (y + frame.height() > screen.bottom() + 1) y = screen.bottom() + 1 - frame.height();
  // A window wider than the screen keeps its left edge (and title bar) visible.
  x = std::max(x, screen.left());
  y = std::max(y, screen.top());
  return {x, y};
}

void placeDialogAt(QWidget* dialog, QPoint wanted)
{
  QScreen* screen = QGuiApplication::screenAt(wanted);
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) {
    dialog->move(wanted);
    return;
  }
  dialog->adjustSize();
  const QSize frame = dialog->frameGeometry().size().expandedTo(dialog->size());
  dialog->move(keepOnScreen(wanted, frame, screen->availableGeometry()));
}

} // namespace norvane

#include "programcursors.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace norvane {

namespace {

// Black strokes with a white halo, so the cursor shows on any paper colour.
template <typename Draw> QCursor drawnCursor(Draw draw, int hotX, int hotY)
{
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(Qt::white, 3.0));
  draw(p);
  p.setPen(QPen(Qt::black, 1.2));
  draw(p);
  return QCursor(pixmap, hotX, hotY);
}

} // namespace

QCursor tuneCursor()
{
  return drawnCursor(
      [](QPainter& p) {
        // Cross-hair at the hot spot and a trimmer screwdriver coming in from the lower right.
        p.drawLine(0, 6, 12, 6);
        p.drawLine(6, 0, 6, 12);
        p.drawEllipse(QPointF(18, 18), 6, 6);
        p.drawLine(QPointF(14, 22), QPointF(22, 14));
        p.drawLine(QPointF(22, 22), QPointF(30, 30));
      },
      6, 6);
}

QCursor textCursor()
{
  return drawnCursor(
      [](QPainter& p) {
        p.drawLine(0, 6, 12, 6);
        p.drawLine(6, 0, 6, 12);
        QFont f("DejaVu Sans");
        f.setPixelSize(14);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRect(12, 12, 18, 18), Qt::AlignCenter, "T");
      },
      6, 6);
}

} // namespace norvane

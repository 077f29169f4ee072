#include "graph/graphtoolicons.h"

#include "graph/graphwindow.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace norvane {

namespace {

constexpr int kSize = 20;

void letter(QPainter& p, const QString& text, const QColor& colour)
{
  QFont f = p.font();
  f.setPixelSize(11);
  f.setBold(true);
  p.setFont(f);
  p.setPen(colour);
  p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, text);
}

void drawTool(QPainter& p, GraphTool tool)
{
  const QColor ink(40, 40, 40);
  p.setPen(QPen(ink, 1));
  p.setBrush(Qt::NoBrush);
  switch (tool) {
  case GraphTool::SaveResults: // a floppy disk with "S"
    p.setBrush(QColor(70, 90, 160));
    p.drawRect(3, 3, 14, 14);
    p.setBrush(Qt::white);
    p.drawRect(6, 3, 8, 5);
    p.drawRect(5, 11, 10, 6);
    break;
  case GraphTool::Print: // a printer
    p.setBrush(Qt::white);
    p.drawRect(6, 2, 8, 7);
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(2, 8, 16, 7);
    p.setBrush(Qt::white);
    p.drawRect(5, 13, 10, 5);
    break;
  case GraphTool::SquareGrid:
    for (int i = 3; i <= 17; i += 7) {
      p.drawLine(3, i, 17, i);
      p.drawLine(i, 3, i, 17);
    }
    p.setPen(QPen(Qt::red, 1.5));
    p.drawPolyline(QPolygon({QPoint(3, 14), QPoint(8, 6), QPoint(12, 10), QPoint(17, 4)}));
    break;
  case GraphTool::Smith:
    p.setRenderHint(QPainter::Antialiasing);
    p.drawEllipse(QPointF(10, 10), 8, 8);
    p.drawLine(2, 10, 18, 10);
    p.drawEllipse(QPointF(14, 10), 4, 4);
    p.drawEllipse(QPointF(12, 10), 6, 6);
    break;
  case GraphTool::Polar:
    p.setRenderHint(QPainter::Antialiasing);
    p.drawEllipse(QPointF(10, 10), 8, 8);
    p.drawEllipse(QPointF(10, 10), 4, 4);
    p.drawLine(2, 10, 18, 10);
    p.drawLine(10, 2, 10, 18);
    break;
  case GraphTool::DataList:
    p.setBrush(Qt::white);
    p.drawRect(2, 3, 16, 14);
    for (int y = 7; y < 17; y += 3)
      p.drawLine(2, y, 18, y);
    p.drawLine(8, 3, 8, 17);
    break;
  case GraphTool::LinSweep:
    for (int x = 3; x <= 17; x += 2)
      p.drawLine(x, 12, x, 16);
    p.drawLine(2, 16, 18, 16);
    p.drawText(QRect(0, 0, kSize, 11), Qt::AlignCenter, "lin");
    break;
  case GraphTool::LogSweep:
    for (int x : {3, 9, 12, 14, 15, 16, 17})
      p.drawLine(x, 12, x, 16);
    p.drawLine(2, 16, 18, 16);
    p.drawText(QRect(0, 0, kSize, 11), Qt::AlignCenter, "log");
    break;
  case GraphTool::Lower:
    letter(p, "L", QColor(0, 0, 160));
    break;
  case GraphTool::Nominal:
    letter(p, "N", QColor(0, 110, 0));
    break;
  case GraphTool::Upper:
    letter(p, "U", QColor(160, 0, 0));
    break;
  case GraphTool::Random:
    letter(p, "R", QColor(120, 0, 120));
    break;
  case GraphTool::MultiSweep:
    p.setPen(QPen(Qt::red, 1));
    for (int k = 0; k < 4; ++k)
      p.drawPolyline(QPolygon(
          {QPoint(2, 14 - k), QPoint(8, 6 - k / 2), QPoint(12, 9 + k), QPoint(18, 5 + k)}));
    break;
  case GraphTool::StabilityCircles: {
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QBrush(ink, Qt::BDiagPattern));
    p.drawEllipse(QPointF(12, 9), 6, 6);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(9, 11), 7, 7);
    break;
  }
  case GraphTool::AutoMatch:
    letter(p, "AM", QColor(0, 90, 120));
    break;
  case GraphTool::Count:
    break;
  }
}

} // namespace

QIcon graphToolIcon(GraphTool tool)
{
  // A picture for ordinary screens and one at twice the pixels for high-density ones, both
  // drawn in the same coordinates, so the buttons stay sharp at every scale.
  QIcon icon;
  for (int scale : {1, 2}) {
    QPixmap pm(kSize * scale, kSize * scale);
    pm.setDevicePixelRatio(scale);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    QFont f = p.font();
    f.setPixelSize(8);
    p.setFont(f);
    drawTool(p, tool);
    p.end();
    icon.addPixmap(pm);
  }
  return icon;
}

} // namespace norvane

#include "common/brandpicture.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace norvane {

namespace {

const char* const kTitle = "Norvane";
const char* const kLines[2] = {"Linear RF circuit simulation", "S-parameters from the schematic"};

QFont brandFont(int pixels, bool bold = false)
{
  QFont font("DejaVu Sans");
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// The largest size up to `wanted` (but not below `smallest`) at which every text fits `room`.
int fittingPixels(int wanted, int smallest, bool bold, std::initializer_list<const char*> texts,
                  int room)
{
  int pixels = wanted;
  for (; pixels > smallest; --pixels) {
    const QFontMetrics metrics(brandFont(pixels, bold));
    bool fits = true;
    for (const char* text : texts) {
      fits = fits && metrics.horizontalAdvance(QString::fromLatin1(text)) <= room;
    }
    if (fits) {
      break;
    }
  }
  return pixels;
}

} // namespace

BrandLayout brandLayout(QSize size)
{
  const int w = size.width();
  const int h = size.height();
  BrandLayout layout;
  const double r = h * 0.42;
  const QPointF c(w - r - h * 0.08, h / 2.0);
  layout.chart = QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r);
  layout.textLeft = h / 10;
  layout.textRight = static_cast<int>(layout.chart.left()) - h / 20;
  const int room = layout.textRight - layout.textLeft;
  layout.titlePixels = fittingPixels(std::max(12, h / 5), 8, true, {kTitle}, room);
  layout.linePixels = fittingPixels(std::max(8, h / 16), 6, false, {kLines[0], kLines[1]}, room);
  layout.smallPixels = std::max(7, h / 22);
  return layout;
}

QImage brandPicture(QSize size)
{
  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  const int h = size.height();

  QLinearGradient sky(0, 0, 0, h);
  sky.setColorAt(0.0, QColor(18, 36, 74));
  sky.setColorAt(1.0, QColor(6, 14, 32));
  p.fillRect(image.rect(), sky);

  // A Smith chart on the right: the unit circle, constant-resistance circles (all touching the
  // right-hand point) and constant-reactance arcs, clipped to the unit circle.
  const BrandLayout layout = brandLayout(size);
  const double r = layout.chart.width() / 2.0;
  const QPointF c = layout.chart.center();
  QPainterPath unit;
  unit.addEllipse(c, r, r);
  p.save();
  p.setClipPath(unit);
  p.setPen(QPen(QColor(90, 140, 210, 150), 1.0));
  for (double rn : {0.2, 0.5, 1.0, 2.0, 5.0}) {
    const double rr = r / (1.0 + rn);
    p.drawEllipse(QPointF(c.x() + r - rr, c.y()), rr, rr);
  }
  for (double xn : {0.2, 0.5, 1.0, 2.0, 5.0}) {
    const double rr = r / xn;
    p.drawEllipse(QPointF(c.x() + r, c.y() - rr), rr, rr);
    p.drawEllipse(QPointF(c.x() + r, c.y() + rr), rr, rr);
  }
  p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
  p.restore();
  p.setPen(QPen(QColor(150, 190, 240), 2.0));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, r, r);

  // A matching trace spiralling towards the centre, in the trace colour of the graphs.
  QPainterPath trace;
  for (int i = 0; i <= 120; ++i) {
    const double t = i / 120.0;
    const double rho = 0.85 * (1.0 - 0.8 * t);
    const double phi = 0.6 + 7.0 * t;
    const QPointF pt(c.x() + r * rho * std::cos(phi), c.y() - r * rho * std::sin(phi));
    if (i == 0) {
      trace.moveTo(pt);
    } else {
      trace.lineTo(pt);
    }
  }
  p.setPen(QPen(QColor(235, 70, 60), 2.5));
  p.drawPath(trace);

  // The name and a line on what the program does, left of the chart.
  const int left = layout.textLeft;
  const int room = layout.textRight - left;
  p.setFont(brandFont(layout.titlePixels, true));
  p.setPen(QColor(240, 245, 255));
  p.drawText(QRect(left, h / 6, room, h / 3), Qt::AlignLeft | Qt::AlignVCenter, kTitle);
  p.setFont(brandFont(layout.linePixels));
  p.setPen(QColor(170, 195, 230));
  p.drawText(QRect(left, h / 2, room, h / 8), Qt::AlignLeft | Qt::AlignVCenter, kLines[0]);
  p.drawText(QRect(left, h / 2 + h / 8, room, h / 8), Qt::AlignLeft | Qt::AlignVCenter, kLines[1]);
  p.setFont(brandFont(layout.smallPixels));
  p.setPen(QColor(120, 145, 185));
  p.drawText(QRect(left, h - h / 6, room, h / 10), Qt::AlignLeft | Qt::AlignVCenter,
             QString("Version %1").arg(NORVANE_VERSION));
  return image;
}

} // namespace norvane

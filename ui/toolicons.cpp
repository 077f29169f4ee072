#include "toolicons.h"

#include "common/qtcanvas.h"

#include "config/environment.h"
#include "document/symboltable.h"
#include "editor/symbolpainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>

namespace norvane {

namespace {

constexpr int kIconSize = 24;
// Every icon carries a picture for ordinary screens and one drawn at twice the pixels for
// high-density screens, so that no icon is ever shown as a blown-up bitmap.
constexpr int kIconScales[] = {1, 2};

// The symbol is drawn at full size on a generous white square, then cropped to what was drawn
// and scaled down smoothly, so that every symbol fills its button whatever its extent.
QImage renderSymbol(int kind, const Environment& env, int scale = 1)
{
  const SymbolDefinition* symbol = symbolFor(kind);
  QImage big(120, 120, QImage::Format_ARGB32);
  big.fill(Qt::white);
  if (symbol == nullptr) {
    return big;
  }
  {
    QPainter painter(&big);
    QtCanvas canvas(painter, 96);
    SymbolPaintOptions options;
    options.withLabels = false;
    Environment colours = env;
    colours.compcolor = colours.portcolor = colours.gndcolor = makeColor(20, 30, 60);
    drawSymbol(canvas, *symbol, 1, PaintScale{}, LabelLines{}, false, Point{60, 60}, colours,
               options);
  }
  QRect used;
  for (int y = 0; y < big.height(); ++y) {
    for (int x = 0; x < big.width(); ++x) {
      if (big.pixel(x, y) != qRgb(255, 255, 255)) {
        used |= QRect(x, y, 1, 1);
      }
    }
  }
  if (used.isEmpty()) {
    return big;
  }
  // Square crop around the drawing with a small margin; small symbols (ground) are not blown
  // up beyond a little more than their own size.
  const int side = std::max(std::max(used.width(), used.height()) + 4, 18);
  if (side > 36) {
    // One-pixel lines would fade to a faint grey when scaled down this much: each line is
    // thickened by a pixel on every side first.
    const QImage thin = big.copy();
    for (int y = 1; y + 1 < big.height(); ++y) {
      for (int x = 1; x + 1 < big.width(); ++x) {
        const QRgb ink = thin.pixel(x, y);
        if (ink == qRgb(255, 255, 255)) {
          continue;
        }
        for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
          big.setPixel(x + d.x(), y + d.y(), ink);
        }
      }
    }
  }
  const QPoint centre = used.center();
  QImage crop(side, side, QImage::Format_ARGB32);
  crop.fill(Qt::white);
  {
    QPainter p(&crop);
    p.drawImage(QPoint(side / 2 - centre.x(), side / 2 - centre.y()), big);
  }
  QImage icon = crop.scaled(kIconSize * scale, kIconSize * scale, Qt::KeepAspectRatio,
                            Qt::SmoothTransformation);
  // White becomes transparent so the icon sits on the toolbar's own colour.
  icon = icon.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < icon.height(); ++y) {
    for (int x = 0; x < icon.width(); ++x) {
      const QColor c = icon.pixelColor(x, y);
      const int darkness = 255 - std::min({c.red(), c.green(), c.blue()});
      icon.setPixelColor(x, y, QColor(20, 30, 60, darkness));
    }
  }
  icon.setDevicePixelRatio(scale);
  return icon;
}

QIcon symbolIcon(int kind, const Environment& env)
{
  QIcon icon;
  for (int scale : kIconScales)
    icon.addPixmap(QPixmap::fromImage(renderSymbol(kind, env, scale)));
  return icon;
}

// A small drawing on a transparent 24 x 24 pixmap.
template <typename Draw> QIcon drawnIcon(Draw draw)
{
  QIcon icon;
  for (int scale : kIconScales) {
    // Drawn in the same 24 x 24 coordinates at every density.
    QPixmap pixmap(kIconSize * scale, kIconSize * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(30, 40, 70), 1.4));
    draw(p);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

void page(QPainter& p, QRectF r, QColor fill = Qt::white)
{
  QPainterPath path;
  path.moveTo(r.left(), r.top());
  path.lineTo(r.right() - 5, r.top());
  path.lineTo(r.right(), r.top() + 5);
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  p.setBrush(fill);
  p.drawPath(path);
}

QIcon textIcon(const QString& text, int pixelSize, bool bold)
{
  return drawnIcon([&](QPainter& p) {
    QFont f("DejaVu Sans");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    p.setFont(f);
    p.drawText(QRect(0, 0, kIconSize, kIconSize), Qt::AlignCenter, text);
  });
}

} // namespace

QImage symbolIconImage(int kind, const Environment& env)
{
  return renderSymbol(kind, env);
}

namespace {

// The pictures of the file and clipboard commands; a null icon for any other command.
QIcon fileIcon(Command command)
{
  switch (command) {
  case Command::New:
    return drawnIcon([](QPainter& p) { page(p, QRectF(5, 3, 14, 18)); });
  case Command::Open:
    return drawnIcon([](QPainter& p) {
      p.setBrush(QColor(240, 200, 90));
      p.drawRect(QRectF(3, 7, 18, 13));
      p.drawRect(QRectF(3, 5, 8, 3));
    });
  case Command::Save:
    return drawnIcon([](QPainter& p) {
      p.setBrush(QColor(70, 100, 170));
      p.drawRoundedRect(QRectF(4, 4, 16, 16), 2, 2);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(7, 4, 10, 6));
      p.drawRect(QRectF(8, 14, 8, 6));
    });
  case Command::Cut:
    return drawnIcon([](QPainter& p) {
      p.drawLine(QPointF(7, 4), QPointF(15, 15));
      p.drawLine(QPointF(17, 4), QPointF(9, 15));
      p.drawEllipse(QPointF(7, 18), 3, 3);
      p.drawEllipse(QPointF(17, 18), 3, 3);
    });
  case Command::Copy:
    return drawnIcon([](QPainter& p) {
      page(p, QRectF(3, 3, 12, 14));
      page(p, QRectF(9, 7, 12, 14));
    });
  case Command::Paste:
    return drawnIcon([](QPainter& p) {
      p.setBrush(QColor(200, 160, 100));
      p.drawRoundedRect(QRectF(4, 4, 14, 17), 2, 2);
      page(p, QRectF(10, 9, 11, 13));
    });
  case Command::Print:
    return drawnIcon([](QPainter& p) {
      page(p, QRectF(7, 3, 10, 8));
      p.setBrush(QColor(180, 185, 195));
      p.drawRoundedRect(QRectF(3, 10, 18, 8), 2, 2);
      page(p, QRectF(7, 15, 10, 6));
    });
  case Command::Delete:
    return drawnIcon([](QPainter& p) {
      p.setPen(QPen(QColor(190, 30, 30), 2.6));
      p.drawLine(QPointF(6, 6), QPointF(18, 18));
      p.drawLine(QPointF(18, 6), QPointF(6, 18));
    });
  default:
    return {};
  }
}

// The pictures of the text and line tools, the calculator and the assistants; a null icon
// for any other command.
QIcon assistantIcon(Command command)
{
  switch (command) {
  case Command::DrawText:
    return textIcon("A", 17, true);
  case Command::DrawLine:
    return drawnIcon([](QPainter& p) {
      p.setPen(QPen(QColor(30, 40, 70), 2.0));
      p.drawLine(QPointF(4, 19), QPointF(20, 5));
    });
  case Command::RfCalculator:
    return drawnIcon([](QPainter& p) {
      p.setBrush(QColor(200, 205, 215));
      p.drawRoundedRect(QRectF(5, 2, 14, 20), 2, 2);
      p.setBrush(QColor(150, 200, 150));
      p.drawRect(QRectF(7, 4, 10, 5));
      p.setBrush(Qt::white);
      for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
          p.drawRect(QRectF(7 + c * 3.5, 11 + r * 3.5, 2.5, 2.5));
        }
      }
    });
  case Command::MatchAssistant:
    return drawnIcon([](QPainter& p) {
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(12, 12), 9, 9);
      p.drawEllipse(QPointF(16.5, 12), 4.5, 4.5);
      p.drawLine(QPointF(3, 12), QPointF(21, 12));
      p.setPen(QPen(QColor(200, 40, 40), 1.8));
      p.drawLine(QPointF(6, 7), QPointF(12, 12));
    });
  case Command::AttenuatorAssistant:
    return drawnIcon([](QPainter& p) {
      p.drawRect(QRectF(7, 4, 10, 5));
      p.drawRect(QRectF(3, 12, 5, 9));
      p.drawRect(QRectF(16, 12, 5, 9));
      p.drawLine(QPointF(2, 6.5), QPointF(7, 6.5));
      p.drawLine(QPointF(17, 6.5), QPointF(22, 6.5));
    });
  case Command::FilterAssistant:
    return drawnIcon([](QPainter& p) {
      QPainterPath curve;
      curve.moveTo(2, 8);
      curve.lineTo(12, 8);
      curve.cubicTo(16, 8, 16, 20, 22, 20);
      p.setPen(QPen(QColor(30, 40, 70), 2.0));
      p.drawPath(curve);
    });
  default:
    return {};
  }
}

// The pictures of the selection cursor, the wire and the orientation; a null icon for any
// other command.
QIcon toolIcon(Command command)
{
  const QColor ink(30, 40, 70);
  switch (command) {
  case Command::SelectCursor:
    return drawnIcon([](QPainter& p) {
      QPainterPath arrow;
      arrow.moveTo(7, 3);
      arrow.lineTo(7, 19);
      arrow.lineTo(11, 15);
      arrow.lineTo(14, 21);
      arrow.lineTo(16, 20);
      arrow.lineTo(13, 14);
      arrow.lineTo(18, 14);
      arrow.closeSubpath();
      p.setBrush(Qt::white);
      p.drawPath(arrow);
    });
  case Command::Wire:
    return drawnIcon([ink](QPainter& p) {
      p.setPen(QPen(ink, 1.6));
      p.drawLine(QPointF(4, 18), QPointF(4, 6));
      p.drawLine(QPointF(4, 6), QPointF(20, 6));
      p.setBrush(ink);
      p.drawRect(QRectF(2.5, 16.5, 3, 3));
      p.drawRect(QRectF(18.5, 4.5, 3, 3));
    });
  case Command::Orientation:
    return drawnIcon([ink](QPainter& p) {
      p.setPen(QPen(ink, 1.8));
      p.drawArc(QRectF(5, 5, 14, 14), 90 * 16, 270 * 16);
      QPainterPath head;
      head.moveTo(12, 2);
      head.lineTo(16, 5);
      head.lineTo(12, 8);
      head.closeSubpath();
      p.setBrush(ink);
      p.drawPath(head);
    });
  default:
    return {};
  }
}

} // namespace

QIcon commandIcon(Command command, const Environment& env)
{
  const int kind = commandInfo(command).mode();
  if (symbolFor(kind) != nullptr && command != Command::Wire) {
    return symbolIcon(kind, env);
  }
  if (command == Command::PortButton) {
    return symbolIcon(ckPort1, env);
  }
  for (QIcon (*drawn)(Command) : {fileIcon, assistantIcon, toolIcon}) {
    const QIcon icon = drawn(command);
    if (!icon.isNull()) {
      return icon;
    }
  }
  return {};
}

} // namespace norvane

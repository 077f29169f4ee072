#include "common/qtcanvas.h"

#include "common/latin1text.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace norvane {

namespace {

// Anti-aliasing for the drawing calls of one scope (the canvas otherwise draws pixel-exact).
class Antialiased
{
public:
  Antialiased(QPainter& painter, bool on) : m_painter(on ? &painter : nullptr)
  {
    if (m_painter) m_painter->setRenderHint(QPainter::Antialiasing, true);
  }
  ~Antialiased()
  {
    if (m_painter) m_painter->setRenderHint(QPainter::Antialiasing, false);
  }
  Antialiased(const Antialiased&) = delete;
  Antialiased& operator=(const Antialiased&) = delete;

private:
  QPainter* m_painter;
};

} // namespace

QColor toQColor(Color c)
{
  return QColor(redOf(c), greenOf(c), blueOf(c));
}

Color fromQColor(const QColor& c)
{
  return makeColor(c.red(), c.green(), c.blue());
}

namespace {

QRect boxOf(int x1, int y1, int x2, int y2)
{
  // Right and bottom exclusive, corners in any order.
  const int left = std::min(x1, x2);
  const int top = std::min(y1, y2);
  return QRect(left, top, std::abs(x2 - x1), std::abs(y2 - y1));
}

// The outline of an aliased QPainter rectangle covers one pixel more than its size; the
// device-context convention covers exactly the box, so outlines are drawn one pixel smaller.
QRect outlineBox(const QRect& box)
{
  return box.adjusted(0, 0, -1, -1);
}

// The tile prepared last, kept across paint events: the grid is repainted with every
// refresh and converting it each time would cost more than the painting.
// A QImage rather than a QPixmap, so that the cache may outlive the application object.
struct TileCache
{
  PixelImage source;
  QImage image;
};

const QImage& tileImage(const PixelImage& tile)
{
  static TileCache cache;
  if (cache.image.isNull() || cache.source.width != tile.width ||
      cache.source.height != tile.height || cache.source.pixels != tile.pixels) {
    QImage image(tile.width, tile.height, QImage::Format_RGB32);
    for (int y = 0; y < tile.height; ++y) {
      for (int x = 0; x < tile.width; ++x) {
        const Color c = tile.at(x, y);
        image.setPixel(x, y, qRgb(redOf(c), greenOf(c), blueOf(c)));
      }
    }
    cache.source = tile;
    cache.image = image;
  }
  return cache.image;
}

} // namespace

QtCanvas::QtCanvas(QPainter& painter, int pixelsPerInch)
    : m_painter(painter), m_ppi(pixelsPerInch), m_rasterOps(false)
{
  QPaintDevice* device = painter.device();
  if (m_ppi <= 0) {
    m_ppi = device != nullptr ? device->logicalDpiY() : 96;
  }
  if (m_ppi <= 0) {
    m_ppi = 96;
  }
  const QPaintEngine* engine = painter.paintEngine();
  m_rasterOps = engine != nullptr && engine->hasFeature(QPaintEngine::RasterOpModes);
  m_painter.setRenderHint(QPainter::Antialiasing, false);
  m_painter.setRenderHint(QPainter::TextAntialiasing, true);
  m_painter.setRenderHint(QPainter::NonCosmeticBrushPatterns, true);
}

void QtCanvas::applyMode()
{
  QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
  if (m_rasterOps) {
    if (pen().mode == PenMode::Xor) {
      mode = QPainter::RasterOp_SourceXorDestination;
    } else if (pen().mode == PenMode::Not) {
      // Inverting is drawn as exclusive-or with white (see invertingColor): the same for
      // solid pixels, and a hatched brush then inverts only its lines, not the gaps between
      // them as RasterOp_NotDestination would.
      mode = QPainter::RasterOp_SourceXorDestination;
    }
  }
  m_painter.setCompositionMode(mode);
}

// The colour a pen or brush draws in: white while inverting (exclusive-or with white).
QColor QtCanvas::invertingColor(Color c) const
{
  return m_rasterOps && pen().mode == PenMode::Not ? QColor(Qt::white) : toQColor(c);
}

void QtCanvas::applyPen()
{
  const Pen& p = pen();
  QPen qpen(invertingColor(p.color));
  if (p.width <= 1) {
    qpen.setWidth(0); // cosmetic: one device pixel whatever the painter's scale
    qpen.setCosmetic(true);
  } else {
    qpen.setWidth(p.width);
    qpen.setCapStyle(Qt::RoundCap);
    qpen.setJoinStyle(Qt::RoundJoin);
  }
  qpen.setStyle(p.style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
  m_painter.setPen(qpen);
  applyMode();
}

void QtCanvas::applyBrush()
{
  const Brush& b = brush();
  switch (b.style) {
  case BrushStyle::Solid:
    m_painter.setBrush(QBrush(invertingColor(b.color), Qt::SolidPattern));
    break;
  case BrushStyle::Clear:
    m_painter.setBrush(Qt::NoBrush);
    break;
  case BrushStyle::DiagonalHatch:
    m_painter.setBrush(QBrush(invertingColor(b.color), Qt::BDiagPattern));
    break;
  }
}

void QtCanvas::drawLine(CanvasPoint from, CanvasPoint to)
{
  if (from == to) {
    return; // the end pixel is excluded, so a zero-length line draws nothing
  }
  applyPen();
  if (smoothNow()) {
    // Centre to centre of the end pixels; a thin line drawn on the pixel edges would spread
    // over two rows at half strength.
    const double centre = pen().width > 1 ? 0.0 : 0.5;
    const Antialiased smooth(m_painter, true);
    m_painter.drawLine(QPointF(from.x + centre, from.y + centre),
                       QPointF(to.x + centre, to.y + centre));
    return;
  }
  if (pen().width > 1) {
    m_painter.drawLine(from.x, from.y, to.x, to.y);
    return;
  }
  // Step the end back by one pixel along the major axis so the end pixel stays undrawn.
  const int dx = to.x - from.x;
  const int dy = to.y - from.y;
  double endX = to.x;
  double endY = to.y;
  if (std::abs(dx) >= std::abs(dy)) {
    const int step = dx > 0 ? 1 : -1;
    endX = to.x - step;
    endY = from.y + static_cast<double>(dy) * (endX - from.x) / dx;
  } else {
    const int step = dy > 0 ? 1 : -1;
    endY = to.y - step;
    endX = from.x + static_cast<double>(dx) * (endY - from.y) / dy;
  }
  const QPoint end(static_cast<int>(std::lround(endX)), static_cast<int>(std::lround(endY)));
  if (end == QPoint(from.x, from.y)) {
    m_painter.drawPoint(from.x, from.y);
  } else {
    m_painter.drawLine(QPoint(from.x, from.y), end);
  }
}

void QtCanvas::rectangle(int x1, int y1, int x2, int y2)
{
  const QRect box = boxOf(x1, y1, x2, y2);
  if (box.isEmpty()) {
    return;
  }
  applyPen();
  applyBrush();
  m_painter.drawRect(outlineBox(box));
}

void QtCanvas::fillRect(int x1, int y1, int x2, int y2)
{
  const QRect box = boxOf(x1, y1, x2, y2);
  if (box.isEmpty() || brush().style == BrushStyle::Clear) {
    return;
  }
  m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  const Qt::BrushStyle pattern =
      brush().style == BrushStyle::Solid ? Qt::SolidPattern : Qt::BDiagPattern;
  m_painter.fillRect(box, QBrush(toQColor(brush().color), pattern));
}

void QtCanvas::frameRect(int x1, int y1, int x2, int y2)
{
  const QRect box = boxOf(x1, y1, x2, y2);
  if (box.isEmpty()) {
    return;
  }
  m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  QPen framePen(toQColor(brush().color));
  framePen.setWidth(0);
  framePen.setCosmetic(true);
  m_painter.setPen(framePen);
  m_painter.setBrush(Qt::NoBrush);
  m_painter.drawRect(outlineBox(box));
}

void QtCanvas::ellipse(int x1, int y1, int x2, int y2)
{
  const QRect box = boxOf(x1, y1, x2, y2);
  if (box.isEmpty()) {
    return;
  }
  applyPen();
  applyBrush();
  const Antialiased smooth(m_painter, smoothNow());
  m_painter.drawEllipse(outlineBox(box));
}

void QtCanvas::arc(int x1, int y1, int x2, int y2, int startX, int startY, int endX, int endY)
{
  const QRect box = boxOf(x1, y1, x2, y2);
  if (box.isEmpty()) {
    return;
  }
  // Traced as a polyline so that the start and end follow the rays exactly: the ray's angle is
  // turned into the ellipse's parameter, which differs from the ray angle on a flat ellipse.
  const double cx = (box.left() + box.right()) / 2.0; // right() is left + width - 1
  const double cy = (box.top() + box.bottom()) / 2.0;
  const double a = std::max(0.5, (box.width() - 1) / 2.0);
  const double b = std::max(0.5, (box.height() - 1) / 2.0);
  const auto parameter = [&](int px, int py) {
    // Screen y grows downwards; counter-clockwise on the screen means increasing angle here.
    return std::atan2(-(py - cy) / b, (px - cx) / a);
  };
  constexpr double twoPi = 2.0 * std::numbers::pi;
  const double t0 = parameter(startX, startY);
  double sweep = parameter(endX, endY) - t0;
  while (sweep <= 0.0) {
    sweep += twoPi; // equal rays give the whole ellipse
  }
  const int steps = std::clamp(static_cast<int>(sweep * std::max(a, b) / 2.0), 8, 720);
  QPolygonF path;
  path.reserve(steps + 1);
  for (int i = 0; i <= steps; ++i) {
    const double t = t0 + sweep * i / steps;
    path << QPointF(cx + a * std::cos(t), cy - b * std::sin(t));
  }
  applyPen();
  m_painter.setBrush(Qt::NoBrush);
  const Antialiased smooth(m_painter, smoothNow());
  m_painter.drawPolyline(path);
}

void QtCanvas::polygon(const std::vector<CanvasPoint>& points)
{
  if (points.empty()) {
    return;
  }
  QPolygon poly;
  poly.reserve(static_cast<qsizetype>(points.size()));
  for (const CanvasPoint& p : points) {
    poly << QPoint(p.x, p.y);
  }
  applyPen();
  applyBrush();
  m_painter.drawPolygon(poly);
}

void QtCanvas::setPixel(int x, int y, Color c)
{
  m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  m_painter.fillRect(QRect(x, y, 1, 1), toQColor(c));
}

QFont QtCanvas::currentQFont() const
{
  QFont f(toQt(font().name));
  const int pixels = static_cast<int>(std::lround(font().size * m_ppi / 72.0));
  f.setPixelSize(std::max(1, pixels));
  f.setBold(font().bold);
  f.setStyleStrategy(QFont::PreferDefault);
  return f;
}

void QtCanvas::textOut(int x, int y, const std::string& text)
{
  if (text.empty() || font().size <= 0) {
    return;
  }
  const QFont f = currentQFont();
  const QFontMetrics metrics(f);
  const QString s = toQt(text);
  m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (brush().style == BrushStyle::Solid) {
    m_painter.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()),
                       toQColor(brush().color));
  }
  m_painter.setFont(f);
  m_painter.setPen(toQColor(font().color));
  m_painter.drawText(QPoint(x, y + metrics.ascent()), s);
}

TextExtent QtCanvas::textExtent(const std::string& text)
{
  if (font().size <= 0) {
    return {};
  }
  const QFontMetrics metrics(currentQFont());
  return {metrics.horizontalAdvance(toQt(text)), metrics.height()};
}

void QtCanvas::drawTiled(const PixelImage& tile, int x, int y, int width, int height)
{
  if (tile.width <= 0 || tile.height <= 0 || width <= 0 || height <= 0 ||
      tile.pixels.size() != static_cast<size_t>(tile.width) * static_cast<size_t>(tile.height)) {
    return;
  }
  m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  const QPoint oldOrigin = m_painter.brushOrigin();
  m_painter.setBrushOrigin(x, y);
  m_painter.fillRect(QRect(x, y, width, height), QBrush(tileImage(tile)));
  m_painter.setBrushOrigin(oldOrigin);
}

} // namespace norvane

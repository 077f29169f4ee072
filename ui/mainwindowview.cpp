// What the main window shows of the sheet: Fit to Window and Actual Size centre the drawing,
// and an opened file is shown where its drawing is, whatever the scroll position before.
#include "mainwindow.h"

#include "common/qtcanvas.h"

#include "document/schematic.h"
#include "editor/drawingbounds.h"

#include <QImage>
#include <QPainter>

namespace norvane {

namespace {
// Room around the drawing when it is fitted to the window, in drawing units (two grid steps).
constexpr int kFitMargin = 20;
} // namespace

std::optional<QRect> MainWindow::drawingBox() const
{
  // Texts are measured with the screen's own font metrics, as they are painted.
  QImage scratch(1, 1, QImage::Format_RGB32);
  QPainter painter(&scratch);
  QtCanvas canvas(painter, m_view->logicalDpiY());
  const FontTextMeasure measure = [&canvas](const Font& font, const std::string& text) {
    canvas.setFont(font);
    return canvas.textExtent(text);
  };
  const PaintScale scale{0, 0, m_doc.scaleNum, m_doc.scaleDen};
  const std::optional<DrawingBox> box = drawingBounds(m_doc, m_env, scale, measure);
  if (!box) return std::nullopt;
  return QRect(box->left, box->top, std::max(1, box->width()), std::max(1, box->height()));
}

void MainWindow::fitDrawing()
{
  if (const std::optional<QRect> box = drawingBox()) {
    m_view->fitUnits(*box, kFitMargin);
  } else {
    m_view->fitToWindow(); // an empty sheet: the sheet itself
  }
}

void MainWindow::actualSize()
{
  m_view->setZoom(1.0);
  if (const std::optional<QRect> box = drawingBox()) m_view->centreOn(QRectF(*box).center());
}

void MainWindow::showDrawing()
{
  // At actual size when the drawing fits the window: where it was drawn if the usual start
  // position shows it, else centred. A drawing larger than the window is fitted to it.
  const std::optional<QRect> box = drawingBox();
  m_view->setZoom(1.0);
  m_view->scrollToStart();
  if (!box || m_view->showsWhole(*box)) return;
  const QSize visible = m_view->viewport()->size();
  if (box->width() + 2 * kFitMargin <= visible.width() &&
      box->height() + 2 * kFitMargin <= visible.height()) {
    m_view->centreOn(QRectF(*box).center());
  } else {
    m_view->fitUnits(*box, kFitMargin);
  }
}

} // namespace norvane

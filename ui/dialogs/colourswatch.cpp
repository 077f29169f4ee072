#include "dialogs/colourswatch.h"

#include "platform/canvas.h"

#include <QColorDialog>
#include <QMouseEvent>
#include <QPalette>

namespace norvane {
namespace {

QColor qtColour(int colour)
{
  return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

} // namespace

std::optional<int> chooseColourWithQt(int current, QWidget* parent)
{
  const QColor chosen = QColorDialog::getColor(qtColour(current), parent);
  if (!chosen.isValid()) return std::nullopt;
  return makeColor(chosen.red(), chosen.green(), chosen.blue());
}

ColourSwatch::ColourSwatch(QWidget* parent) : QFrame(parent)
{
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setAutoFillBackground(true);
  setFixedSize(40, 18);
  setCursor(Qt::PointingHandCursor);
  setColour(0);
}

void ColourSwatch::setColour(int colour)
{
  m_colour = colour;
  QPalette pal = palette();
  pal.setColor(QPalette::Window, qtColour(colour));
  setPalette(pal);
  update();
}

void ColourSwatch::mousePressEvent(QMouseEvent* event)
{
  event->accept();
  emit clicked();
}

} // namespace norvane

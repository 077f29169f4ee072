// Zooming the schematic: Ctrl+wheel about the mouse, Ctrl+plus and Ctrl+minus, actual size and
// fit to window. Editing works at every zoom because the mouse is turned into drawing units
// before the editor sees it; the document never sees the zoom.
#include "mainwindow_support.h"

#include <QAction>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <tuple>

namespace norvane::test {
namespace {

class ZoomTest : public MainWindowTest
{
protected:
  SchematicView* view() const { return window->view(); }

  void ctrlWheel(QPoint pixelAt, int notches)
  {
    QWheelEvent event(pixelAt, area()->mapToGlobal(pixelAt), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area(), &event);
  }
};

TEST_F(ZoomTest, PlacingAtZoomTwoLandsOnTheSameGridPoint)
{
  // At zoom 1 a resistor placed by a click at (300, 200).
  key(Qt::Key_R);
  click(300, 200);
  ASSERT_EQ(drawing().components.count(), 1);
  EXPECT_EQ(drawing().components[1].position, (Point{300, 200}));

  // Ctrl+wheel one notch away from the user over drawing point (400, 300): zoom 1.25; the
  // drawing point under the mouse stays under it.
  const QPoint at = pixel(400, 300);
  ctrlWheel(at, 1);
  EXPECT_DOUBLE_EQ(view()->zoom(), 1.25);
  EXPECT_EQ(view()->toUnits(at), QPoint(400, 300));
  // Two more notches: 1.5, then 2.
  ctrlWheel(at, 2);
  EXPECT_DOUBLE_EQ(view()->zoom(), 2.0);
  EXPECT_EQ(view()->toUnits(at), QPoint(400, 300));

  // A capacitor placed at zoom 2 by a click on the pixel of (440, 260): same grid point as the
  // same click at zoom 1, and a click 4 screen pixels off (2 units) still snaps there.
  key(Qt::Key_C);
  const QPoint capacitor = pixel(440, 260) + QPoint(4, -3);
  for (const auto& [type, button, held] :
       {std::tuple{QEvent::MouseMove, Qt::NoButton, Qt::MouseButtons(Qt::NoButton)},
        std::tuple{QEvent::MouseButtonPress, Qt::LeftButton, Qt::MouseButtons(Qt::LeftButton)},
        std::tuple{QEvent::MouseButtonRelease, Qt::LeftButton, Qt::MouseButtons(Qt::NoButton)}}) {
    QMouseEvent event(type, QPointF(capacitor), area()->mapToGlobal(QPointF(capacitor)), button,
                      held, Qt::NoModifier);
    QApplication::sendEvent(area(), &event);
  }
  ASSERT_EQ(drawing().components.count(), 2);
  EXPECT_EQ(drawing().components[2].position, (Point{440, 260}));

  // Selecting and dragging work in drawing units too: the resistor moves by 50 units.
  drag(300, 200, 350, 200);
  EXPECT_EQ(drawing().components[1].position, (Point{350, 200}));

  // Ctrl+minus twice: 1.5, 1.25; Ctrl+0 back to 1, where pixels and units agree again.
  key(Qt::Key_Minus, Qt::ControlModifier);
  key(Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(view()->zoom(), 1.25);
  key(Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(view()->zoom(), 1.5);
  key(Qt::Key_0, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(view()->zoom(), 1.0);
  EXPECT_EQ(view()->toViewport(QPoint(10, 10)) - view()->toViewport(QPoint(0, 0)), QPoint(10, 10));

  // Fit to window: the drawing (the two parts) fills the window, not the empty sheet.
  window->action(Command::FitToWindow)->trigger();
  const QSize visible = area()->size();
  EXPECT_GT(view()->zoom(), 1.0);
  for (const QPoint part : {QPoint(350, 200), QPoint(440, 260)})
    EXPECT_TRUE(QRect(QPoint(0, 0), visible).contains(view()->toViewport(part)));

  // The zoom is the screen's only: the document holds no trace of it, and the drawing's own
  // keys still place components.
  EXPECT_EQ(doc->scaleNum, 1);
  key(Qt::Key_G);
  click(600, 600);
  EXPECT_EQ(drawing().components[3].position, (Point{600, 600}));
}

} // namespace
} // namespace norvane::test

// The graph cursor moved with the mouse and the keys: a click in the plot picks the nearest
// point (by frequency on the rectangular graph, by distance on a chart), the wheel and the
// arrow keys step point by point, Home and End go to the ends; the readouts follow.
#include "graph_support.h"

#include "graph/chartgeometry.h"
#include "graph/graphdrawingarea.h"
#include "numbers/valuetext.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <cmath>

namespace norvane {
namespace {

using graphtest::GraphWindowTest;

void turnWheel(QWidget* widget, QPoint at, int notches)
{
  // Positive notches turn the wheel towards the user (negative angle delta).
  QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &event);
}

TEST_F(GraphWindowTest, ClickWheelAndKeysMoveTheCursor)
{
  load("lowpass3.cct"); // logarithmic, 10 MHz to 1 GHz
  doc.Xax.numpoints = 100;
  GraphWindow& w = window();
  ASSERT_TRUE(w.runSimulation().ran) << prompts.lastText();
  settle();
  GraphDrawingArea* plot = w.plotArea();
  QScrollBar* bar = w.cursorScrollBar();
  const int width = plot->width();

  // Half-way across a two-decade log axis is 100 MHz, point 51.
  QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, QPoint(width / 2, 40));
  EXPECT_EQ(bar->value(), 51);
  EXPECT_EQ(w.core().cursorPosition(), 51);
  EXPECT_EQ(w.readout(0)->text(), "f=100MHz");
  EXPECT_EQ(w.readout(1)->text().toStdString(),
            formatEngineering(2, w.core().points().at(51).trace1) + "dB");
  // The left edge is the first point, the right edge the last.
  QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, QPoint(0, 40));
  EXPECT_EQ(bar->value(), 1);
  QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, QPoint(width - 1, 40));
  EXPECT_EQ(bar->value(), 101);

  // The wheel steps point by point and stops at the ends.
  QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, QPoint(width / 2, 40));
  turnWheel(plot, QPoint(10, 10), 1);
  EXPECT_EQ(bar->value(), 52);
  turnWheel(plot, QPoint(10, 10), -3);
  EXPECT_EQ(bar->value(), 49);
  EXPECT_EQ(w.readout(0)->text().toStdString(),
            "f=" + formatEngineering(3, w.core().points().at(49).freq) + "Hz");

  // After a click the cursor bar has the focus: arrows step, Home and End jump.
  ASSERT_EQ(w.focusWidget(), bar);
  QTest::keyClick(bar, Qt::Key_Right);
  EXPECT_EQ(bar->value(), 50);
  QTest::keyClick(bar, Qt::Key_Left);
  QTest::keyClick(bar, Qt::Key_Left);
  EXPECT_EQ(w.core().cursorPosition(), 48);
  QTest::keyClick(bar, Qt::Key_End);
  EXPECT_EQ(w.core().cursorPosition(), 101);
  QTest::keyClick(bar, Qt::Key_Home);
  EXPECT_EQ(w.core().cursorPosition(), 1);
  EXPECT_EQ(w.readout(0)->text(), "f=10MHz");
  EXPECT_EQ(simulations, 1); // moving the cursor never simulates

  // On the Smith chart a click picks the point of the locus nearest to it.
  w.runCommand(GraphCommand::SmithZ);
  settle();
  const IntRect area = plot->area();
  const ChartGeometry chart = ChartGeometry::make(area, w.core().chartMagnitude());
  for (int k : {20, 70, 95}) {
    const PlotPoint& p = w.core().points().at(k);
    const QPoint at(static_cast<int>(std::lround(chart.cx + chart.u * p.trace1)),
                    static_cast<int>(std::lround(chart.cy - chart.u * p.trace2)));
    QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, at);
    // Another point may share the clicked pixel; then it is at least as near.
    const PlotPoint& got = w.core().points().at(bar->value());
    const double dGot = std::hypot(chart.cx + chart.u * got.trace1 - at.x(),
                                   chart.cy - chart.u * got.trace2 - at.y());
    const double dWant =
        std::hypot(chart.cx + chart.u * p.trace1 - at.x(), chart.cy - chart.u * p.trace2 - at.y());
    EXPECT_LE(dGot, dWant) << k;
    EXPECT_EQ(w.core().cursorPosition(), bar->value());
  }
}

} // namespace
} // namespace norvane

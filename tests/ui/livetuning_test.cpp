// Live tuning on the real main window: in tune mode a click chooses a component (its dialog
// still opens, as before), then Up/Down and the wheel step its main value along the chosen
// series, simulating after each step; every step of one component is one undo step.
#include "mainwindow_support.h"

#include "graph/graphwindow.h"
#include "tunerbar.h"

#include <QAction>
#include <QComboBox>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <vector>

namespace norvane::test {
namespace {

class LiveTuningTest : public MainWindowTest
{
protected:
  void SetUp() override
  {
    MainWindowTest::SetUp();
    drawResistorToGround();
    key(Qt::Key_R); // a second resistor, in parallel with the first
    click(400, 200);
    key(Qt::Key_W);
    drag(200, 180, 400, 180);
    drag(400, 220, 200, 220);
    key(Qt::Key_Escape);
    doc->Xax.numpoints = 10;
    GraphWindow* graph = window->graphWindow();
    GraphWindowLinks links = graph->links();
    auto after = links.afterSimulation;
    links.afterSimulation = [this, after](const SimulateResult& result) {
      ++runs;
      if (after) after(result);
    };
    graph->setLinks(links);
    // In tune mode every dialog is cancelled: the click only chooses.
    dialogsShown.clear();
    window->editorConnection().componentDialogs().setModalRunner([this](QDialog& dialog) {
      dialogsShown << dialog.windowTitle();
      return static_cast<int>(QDialog::Rejected);
    });
    window->action(Command::TuneToggle)->trigger();
  }

  double r(int index) const { return drawing().components[index].value[1].nom; }
  SchematicEditor& editor() { return window->editorConnection().editor(); }

  // A key typed into the sheet, which has the focus after a click.
  void sheetKey(Qt::Key k) { QTest::keyClick(window->view(), k); }

  void wheel(int x, int y, int notches)
  {
    const QPointF at = pixel(x, y);
    QWheelEvent event(at, area()->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area(), &event);
  }

  int runs = 0;
};

TEST_F(LiveTuningTest, KeysAndWheelStepAlongTheSeriesAndSimulate)
{
  ASSERT_EQ(editor().mode(), emTune);
  ASSERT_EQ(runs, 1); // entering tune mode simulates
  ASSERT_EQ(r(3), 50);
  EXPECT_EQ(window->tunerBar()->stepList()->currentText(), "E12");

  // The click opens the dialog as before (cancelled here) and chooses the resistor.
  click(204, 197);
  EXPECT_EQ(dialogsShown.size(), 1);
  EXPECT_EQ(editor().mode(), emTune);
  EXPECT_TRUE(window->view()->hasFocus());
  EXPECT_EQ(editor().tunedComponent(), 1);
  EXPECT_EQ(editor().overlay().tunedComponent, 1); // its labels are framed
  EXPECT_TRUE(window->tunerBar()->tunedText().contains("50R"));

  // Up, Up, Down along E12: 56, 68, 56; each step simulates once.
  sheetKey(Qt::Key_Up);
  EXPECT_EQ(r(1), 56);
  sheetKey(Qt::Key_Up);
  EXPECT_EQ(r(1), 68);
  sheetKey(Qt::Key_Down);
  EXPECT_EQ(r(1), 56);
  EXPECT_EQ(runs, 4);
  EXPECT_TRUE(window->graphWindow()->lastResult().ran);
  EXPECT_TRUE(window->tunerBar()->tunedText().contains("56R"));

  // E96 from the tuner: the wheel away from the user steps up, towards steps down.
  window->tunerBar()->stepList()->setCurrentIndex(3);
  ASSERT_EQ(editor().tuneStep(), TuneStep::E96);
  wheel(300, 300, 1);
  EXPECT_DOUBLE_EQ(r(1), 56.2);
  wheel(300, 300, 2);
  EXPECT_DOUBLE_EQ(r(1), 59.0);
  wheel(300, 300, -1);
  EXPECT_DOUBLE_EQ(r(1), 57.6);

  // A held key repeats: every auto-repeated press is one more step.
  for (int i = 0; i < 3; ++i) {
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(window->view(), &repeat);
  }
  EXPECT_DOUBLE_EQ(r(1), 61.9);

  // ±10 %: down multiplies by 0.9.
  window->tunerBar()->stepList()->setCurrentIndex(6);
  sheetKey(Qt::Key_Down);
  EXPECT_DOUBLE_EQ(r(1), 61.9 * 0.9);
  EXPECT_EQ(runs, 11);
  EXPECT_EQ(r(3), 50); // the other resistor never moved
}

TEST_F(LiveTuningTest, OneUndoStepPerTunedComponent)
{
  click(200, 200);
  sheetKey(Qt::Key_Up);
  sheetKey(Qt::Key_Up);
  EXPECT_EQ(r(1), 68);
  click(400, 200); // the second resistor
  EXPECT_EQ(editor().tunedComponent(), 3);
  sheetKey(Qt::Key_Up);
  sheetKey(Qt::Key_Up);
  sheetKey(Qt::Key_Up);
  EXPECT_EQ(r(3), 82);

  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(r(3), 50);
  EXPECT_EQ(r(1), 68);
  EXPECT_FALSE(window->tunerBar()->tunedText().isEmpty()); // undo keeps tuning it
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(r(1), 50);
  key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(r(1), 68);

  // Without a chosen component (Esc leaves tune mode) the keys and the wheel do what they
  // did before.
  key(Qt::Key_Escape);
  const int before = runs;
  sheetKey(Qt::Key_Up);
  wheel(300, 300, 1);
  EXPECT_EQ(runs, before);
  EXPECT_EQ(r(1), 68);
}

} // namespace
} // namespace norvane::test

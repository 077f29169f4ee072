// The drawing, not the sheet, is what the view brings into sight: Fit to Window fits the
// drawing's box with a margin and centres it, Actual Size (Ctrl+0) centres it at zoom 1, and
// an opened file is shown wherever the view was scrolled before.
#include "mainwindow_support.h"

#include <QAction>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace norvane::test {
namespace {

class ViewDrawingTest : public MainWindowTest
{
protected:
  SchematicView* view() const { return window->view(); }
  QRect visible() const { return QRect(QPoint(0, 0), area()->size()); }
  // Distance on screen from the middle of the window to a drawing point.
  QPoint offCentre(QPoint units) const { return view()->toViewport(units) - visible().center(); }
  void scrollFarAway()
  {
    view()->horizontalScrollBar()->setValue(view()->horizontalScrollBar()->maximum());
    view()->verticalScrollBar()->setValue(view()->verticalScrollBar()->maximum());
  }
};

TEST_F(ViewDrawingTest, FitAndActualSizeCentreTheDrawing)
{
  // A small circuit in the top-left corner of the sheet; its middle is near (160, 215).
  drawResistorToGround();
  const QPoint middle(160, 215);

  window->action(Command::FitToWindow)->trigger();
  EXPECT_GT(view()->zoom(), 2.0) << "the circuit, not the empty sheet, fills the window";
  for (const QPoint corner : {QPoint(100, 170), QPoint(200, 260)})
    EXPECT_TRUE(visible().contains(view()->toViewport(corner)));
  EXPECT_LE(offCentre(middle).manhattanLength(), 30 * view()->zoom());

  scrollFarAway();
  ASSERT_FALSE(visible().contains(view()->toViewport(middle)));
  key(Qt::Key_0, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(view()->zoom(), 1.0);
  EXPECT_LE(offCentre(middle).manhattanLength(), 30);

  // An empty sheet has nothing to centre on: Fit shows the whole sheet.
  window->setModified(false);
  ASSERT_TRUE(window->fileNew());
  window->action(Command::FitToWindow)->trigger();
  EXPECT_LT(view()->zoom(), 1.0);
  EXPECT_TRUE(visible().contains(view()->toViewport(QPoint(1500, 1000))));
}

TEST_F(ViewDrawingTest, AnOpenedFileShowsItsDrawing)
{
  // A circuit far down the sheet, saved.
  key(Qt::Key_R);
  click(1300, 900);
  ASSERT_EQ(drawing().components.count(), 1);
  const std::string path = tempPath("far.cct");
  prompts.fileNames.push_back(path);
  ASSERT_TRUE(window->fileSaveAs());

  // Scrolled back to the start, zoomed: the circuit is out of sight; opening brings it in.
  ASSERT_TRUE(window->fileNew());
  view()->setZoom(2.0);
  view()->horizontalScrollBar()->setValue(view()->horizontalScrollBar()->minimum());
  view()->verticalScrollBar()->setValue(view()->verticalScrollBar()->minimum());
  ASSERT_TRUE(window->openFile(path));
  EXPECT_DOUBLE_EQ(view()->zoom(), 1.0);
  EXPECT_TRUE(visible().contains(view()->toViewport(QPoint(1300, 900))));
}

} // namespace
} // namespace norvane::test

// The graph follows the drawing through Undo and Redo: in tune mode they simulate again and
// tune mode stays on; otherwise a graph that no longer matches the schematic says so in its
// caption until the next run.
#include "mainwindow_support.h"

#include "graph/graphwindow.h"

#include <QAction>

#include <gtest/gtest.h>

#include <vector>

namespace norvane::test {
namespace {

class UndoResultsTest : public MainWindowTest
{
protected:
  void SetUp() override
  {
    MainWindowTest::SetUp();
    drawResistorToGround();
    doc->Xax.numpoints = 10;
    // The resistance every run used.
    GraphWindow* graph = window->graphWindow();
    GraphWindowLinks links = graph->links();
    auto after = links.afterSimulation;
    links.afterSimulation = [this, after](const SimulateResult& result) {
      ranWith.push_back(drawing().components[1].value[1].nom);
      if (after) after(result);
    };
    graph->setLinks(links);
    // Tune mode reopens a dialog after every OK: these are cancelled.
    window->editorConnection().componentDialogs().setModalRunner(
        [](QDialog&) { return static_cast<int>(QDialog::Rejected); });
  }

  GraphWindow* graph() const { return window->graphWindow(); }

  std::vector<double> ranWith;
};

TEST_F(UndoResultsTest, InTuneModeUndoAndRedoSimulateAndKeepTuning)
{
  QAction* tune = window->action(Command::TuneToggle);
  tune->trigger();
  ASSERT_TRUE(tune->isChecked());
  click(200, 200); // the resistor is chosen for tuning
  const double designed = drawing().components[1].value[1].nom;
  QTest::keyClick(window->view(), Qt::Key_Up);
  const double stepped = drawing().components[1].value[1].nom;
  ASSERT_NE(stepped, designed);
  ASSERT_EQ(ranWith.back(), stepped);

  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(drawing().components[1].value[1].nom, designed);
  EXPECT_EQ(ranWith.back(), designed) << "the graph shows the state undone to";
  EXPECT_TRUE(tune->isChecked());
  EXPECT_EQ(window->editorConnection().editor().mode(), emTune);
  EXPECT_FALSE(graph()->resultsOutOfDate());

  key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(ranWith.back(), stepped);
  EXPECT_TRUE(tune->isChecked());

  // Tuning goes on from there: the same component steps again.
  QTest::keyClick(window->view(), Qt::Key_Up);
  EXPECT_GT(drawing().components[1].value[1].nom, stepped);
}

TEST_F(UndoResultsTest, AGraphThatNoLongerMatchesTheSchematicSaysSo)
{
  key(Qt::Key_F5);
  ASSERT_TRUE(graph()->isVisible());
  const QString caption = graph()->windowTitle();
  EXPECT_FALSE(graph()->resultsOutOfDate());

  key(Qt::Key_G); // any change to the drawing
  click(400, 400);
  EXPECT_TRUE(graph()->resultsOutOfDate());
  EXPECT_NE(graph()->windowTitle(), caption);
  EXPECT_TRUE(graph()->windowTitle().contains("out of date"));

  key(Qt::Key_F5);
  EXPECT_FALSE(graph()->resultsOutOfDate());
  EXPECT_EQ(graph()->windowTitle(), caption);

  key(Qt::Key_Z, Qt::ControlModifier); // an undo changes the drawing too
  EXPECT_TRUE(graph()->resultsOutOfDate());
  EXPECT_EQ(window->editorConnection().editor().mode(), emSelect);
  click(700, 700); // a click that changes nothing leaves the mark as it is
  key(Qt::Key_F5);
  EXPECT_FALSE(graph()->resultsOutOfDate());
  click(700, 700);
  EXPECT_FALSE(graph()->resultsOutOfDate());

  // Selecting a part after a run (the run left node numbers in its pins), or confirming its
  // dialog unchanged, is no change either.
  window->setModified(false);
  click(200, 200);
  window->editorConnection().componentDialogs().setModalRunner(
      [](QDialog&) { return static_cast<int>(QDialog::Accepted); });
  doubleClick(200, 200);
  EXPECT_FALSE(window->isModified());
  EXPECT_FALSE(graph()->resultsOutOfDate());
}

} // namespace
} // namespace norvane::test

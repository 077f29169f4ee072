// Simulate and Netlist from the main window: the engine runs on the drawn circuit and the
// results reach the windows; a file saved simulated is simulated again when opened.
#include "uitestsupport.h"

#include "netlistwindow.h"
#include "resultswindow.h"

#include <QAction>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace norvane::test {
namespace {

class SimulateTest : public MainWindowTest
{
protected:
  // Port 1 into a resistor to ground.
  void drawLoad()
  {
    key(Qt::Key_R);
    click(200, 200);
    key(Qt::Key_1);
    click(100, 180);
    key(Qt::Key_G);
    click(200, 260);
    key(Qt::Key_W);
    drag(120, 180, 200, 180);
    drag(200, 220, 200, 250);
    key(Qt::Key_Escape);
  }
};

TEST_F(SimulateTest, SimulateButtonRunsTheSweepAndListsTheResults)
{
  drawLoad();
  doc->Xax.numpoints = 20;
  window->action(Command::Simulate)->trigger();
  ResultsWindow* results = window->resultsWindow();
  EXPECT_TRUE(results->isVisible());
  EXPECT_EQ(results->table()->rowCount(), 21);
  EXPECT_EQ(results->table()->columnCount(), 9);
  EXPECT_TRUE(window->lastSimulationSummary().startsWith("21 frequency points"));
  EXPECT_TRUE(doc->simulated);
  // A one-port: S11 is filled, S21 is empty.
  EXPECT_FALSE(results->table()->item(0, 1)->text().isEmpty());
  EXPECT_TRUE(results->table()->item(0, 3)->text().isEmpty());
  EXPECT_TRUE(prompts.messages.empty()) << prompts.lastText();
}

TEST_F(SimulateTest, AnUnconnectedCircuitIsRefusedWithItsMessage)
{
  key(Qt::Key_R);
  click(200, 200);
  key(Qt::Key_1);
  click(100, 180);
  window->action(Command::Simulate)->trigger();
  EXPECT_FALSE(prompts.messages.empty());
  EXPECT_FALSE(window->resultsWindow()->isVisible());
  EXPECT_GT(doc->drawdat.UnconnectedMarkers.count(), 0);
  // The next press in the drawing clears the markers.
  click(700, 700);
  EXPECT_EQ(doc->drawdat.UnconnectedMarkers.count(), 0);
}

TEST_F(SimulateTest, NetlistListsPortAndComponent)
{
  drawLoad();
  window->action(Command::Netlist)->trigger();
  NetlistWindow* netlist = window->netlistWindow();
  EXPECT_TRUE(netlist->isVisible());
  const QStringList lines = netlist->lines();
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[0], "P1=1");
  EXPECT_TRUE(lines[1].startsWith("res 1 0 R=")) << lines[1].toStdString();
}

TEST_F(SimulateTest, NetlistRemovesItemsOffTheSheetAsOneUndoStep)
{
  drawLoad();
  Tcomponent stray = doc->drawdat.components[1];
  stray.position = {-200, 300};
  doc->drawdat.components.append(stray);
  window->action(Command::Netlist)->trigger();
  EXPECT_EQ(doc->drawdat.components.count(), 2);
  window->action(Command::Undo)->trigger();
  EXPECT_EQ(doc->drawdat.components.count(), 3);
}

TEST_F(SimulateTest, FileSavedSimulatedIsSimulatedWhenOpened)
{
  drawLoad();
  doc->Xax.numpoints = 10;
  window->action(Command::Simulate)->trigger();
  const std::string path = tempPath("load.cct");
  prompts.fileNames.push_back(path);
  ASSERT_TRUE(window->fileSaveAs());
  window->resultsWindow()->hide();
  window->fileNew();

  prompts.fileNames.push_back(path);
  ASSERT_TRUE(window->fileOpen());
  EXPECT_TRUE(window->resultsWindow()->isVisible());
  EXPECT_EQ(window->resultsWindow()->table()->rowCount(), 11);
}

} // namespace
} // namespace norvane::test

// Simulate and Netlist from the main window: the engine runs on the drawn circuit and the
// results reach the windows; a file saved simulated is simulated again when opened.
#include "mainwindow_support.h"

#include "graph/graphwindow.h"
#include "netlistwindow.h"
#include "sim/netlist.h"

#include <QAction>
#include <QListWidget>

#include <gtest/gtest.h>

namespace norvane::test {
namespace {

using SimulateTest = MainWindowTest;

TEST_F(SimulateTest, SimulateButtonRunsTheSweepIntoTheGraphWindow)
{
  drawResistorToGround();
  doc->Xax.numpoints = 20;
  key(Qt::Key_R); // placing: a simulation ends it
  window->action(Command::Simulate)->trigger();
  GraphWindow* graph = window->graphWindow();
  EXPECT_TRUE(graph->isVisible());
  EXPECT_TRUE(graph->lastResult().ran);
  EXPECT_EQ(graph->lastResult().points, 21);
  EXPECT_TRUE(doc->simulated);
  EXPECT_TRUE(prompts.messages.empty()) << prompts.lastText();
  EXPECT_EQ(window->editorConnection().editor().mode(), emSelect);
  // The Analyse menu's Tune runs the same simulation.
  graph->hide();
  window->action(Command::Tune)->trigger();
  EXPECT_TRUE(graph->isVisible());
}

TEST_F(SimulateTest, TuneToggleSimulatesAndStaysInTuneMode)
{
  drawResistorToGround();
  doc->Xax.numpoints = 10;
  window->action(Command::TuneToggle)->trigger();
  EXPECT_TRUE(window->action(Command::TuneToggle)->isChecked());
  EXPECT_EQ(window->editorConnection().editor().mode(), emTune);
  EXPECT_TRUE(window->graphWindow()->lastResult().ran);
  key(Qt::Key_Escape);
  EXPECT_FALSE(window->action(Command::TuneToggle)->isChecked());
}

TEST_F(SimulateTest, AnUnconnectedCircuitIsRefusedWithItsMessage)
{
  key(Qt::Key_R);
  click(200, 200);
  key(Qt::Key_1);
  click(100, 180);
  window->action(Command::Simulate)->trigger();
  EXPECT_FALSE(prompts.messages.empty());
  EXPECT_FALSE(window->graphWindow()->lastResult().ran);
  EXPECT_GT(doc->drawdat.UnconnectedMarkers.count(), 0);
  // The next press in the drawing clears the markers.
  click(700, 700);
  EXPECT_EQ(doc->drawdat.UnconnectedMarkers.count(), 0);
}

TEST_F(SimulateTest, NetlistListsPortAndComponent)
{
  drawResistorToGround();
  window->action(Command::Netlist)->trigger();
  NetlistWindow* netlist = window->netlistWindow();
  EXPECT_TRUE(netlist->isVisible());
  QStringList lines;
  for (int i = 0; i < netlist->list()->count(); ++i) {
    lines << netlist->list()->item(i)->text();
  }
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[0], "P1=1");
  EXPECT_TRUE(lines[1].startsWith("res 1 0 R=")) << lines[1].toStdString();
}

TEST_F(SimulateTest, NetlistChecksTheWholeDrawingAsASimulationDoes)
{
  drawResistorToGround();
  Component stray = doc->drawdat.components[1];
  stray.position = {-200, 300};
  doc->drawdat.components.append(stray);
  window->action(Command::Netlist)->trigger();
  // Nothing is deleted: the item off the sheet is part of the circuit a simulation checks,
  // so the listing shows it and refuses the circuit with the simulation's message.
  EXPECT_EQ(doc->drawdat.components.count(), 3);
  EXPECT_EQ(window->netlistWindow()->list()->count(), 3);
  EXPECT_EQ(prompts.lastText(), kMsgUnconnected);
  prompts.messages.clear();
  window->action(Command::Simulate)->trigger();
  EXPECT_EQ(prompts.lastText(), kMsgUnconnected);
  EXPECT_FALSE(window->graphWindow()->lastResult().ran);
}

TEST_F(SimulateTest, FileSavedSimulatedIsSimulatedWhenOpened)
{
  drawResistorToGround();
  doc->Xax.numpoints = 10;
  window->action(Command::Simulate)->trigger();
  const std::string path = tempPath("load.cct");
  prompts.fileNames.push_back(path);
  ASSERT_TRUE(window->fileSaveAs());
  window->fileNew();
  EXPECT_FALSE(window->graphWindow()->isVisible()) << "New closes the graph window";

  doc->Xax.numpoints = 50;
  prompts.fileNames.push_back(path);
  ASSERT_TRUE(window->fileOpen());
  EXPECT_TRUE(window->graphWindow()->isVisible());
  EXPECT_EQ(window->graphWindow()->lastResult().points, 11);
}

} // namespace
} // namespace norvane::test

// A run that sweeps a data block beyond its data names the block and the frequencies in the
// graph window's status bar, in every view, and a run inside the data clears it.
#include "mainwindow_support.h"

#include "graph/graphwindow.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QStatusBar>

#include <gtest/gtest.h>

namespace norvane::test {
namespace {

using GraphExtrapolation = MainWindowTest;

TEST_F(GraphExtrapolation, StatusBarNamesTheExtrapolatedBlock)
{
  // The attenuator example's block "ATT1" holds data from 1 MHz to 1 GHz.
  ASSERT_TRUE(window->openFile(std::string(NORVANE_SOURCE_DIR) + "/examples/attenuator_block.cct"));
  GraphWindow* graph = window->graphWindow();
  doc->Xax.min = 500e3;
  doc->Xax.max = 10e9;
  window->action(Command::Simulate)->trigger();
  ASSERT_TRUE(graph->lastResult().ran);
  EXPECT_TRUE(prompts.saw("Simulation frequency range outside S parameter file range, Autoscale?"));
  const QString note = "ATT1 (att6db.s2p, data 1MHz to 1GHz) is extrapolated from 500kHz to "
                       "1MHz and from 1GHz to 10GHz";
  EXPECT_EQ(graph->runNote()->text(), note);
  EXPECT_TRUE(graph->runNote()->isVisible());

  // The next run says it again (the question is not repeated); the data list keeps the
  // status bar for it, without the cursor.
  prompts.messages.clear();
  doc->plotformat = plotformat::DataList;
  window->action(Command::Simulate)->trigger();
  EXPECT_TRUE(prompts.messages.empty()) << prompts.lastText();
  EXPECT_EQ(graph->runNote()->text(), note);
  EXPECT_TRUE(graph->statusBar()->isVisible());
  EXPECT_TRUE(graph->runNote()->isVisible());
  EXPECT_FALSE(graph->cursorScrollBar()->isVisible());

  // Inside the data: no note.
  doc->Xax.min = 2e6;
  doc->Xax.max = 500e6;
  window->action(Command::Simulate)->trigger();
  EXPECT_EQ(graph->runNote()->text(), "");
  EXPECT_FALSE(graph->runNote()->isVisible());
  EXPECT_FALSE(graph->statusBar()->isVisible());
}

} // namespace
} // namespace norvane::test

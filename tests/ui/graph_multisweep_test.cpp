// The tolerance multi-sweep of the graph window: runs with random values drawn under the
// final nominal trace.

#include "graph_support.h"

#include "graph/graphdrawingarea.h"
#include "graph/sweepsetupdialog.h"

#include <QAction>
#include <QLineEdit>
#include <QTimer>

namespace norvane {
namespace {

using graphtest::GraphWindowTest;

TEST_F(GraphWindowTest, MultiSweepOfFiveRuns)
{
  load("lowpass3.cct"); // its parts carry 2 % and 5 % tolerances
  doc.Xax.numpoints = 40;
  GraphWindow& w = window();
  w.runSimulation();
  const int before = simulations;
  const int made = w.runMultiSweep(5);
  EXPECT_EQ(made, 5);
  // Five random runs and the final nominal one.
  EXPECT_EQ(simulations, before + 6);
  EXPECT_EQ(session.toleranceMode, tolerancemode::Nominal);
  EXPECT_TRUE(w.toolAction(GraphTool::Nominal)->isChecked());
  EXPECT_FALSE(w.toolAction(GraphTool::MultiSweep)->isChecked());
  EXPECT_TRUE(w.core().multiSweepResultShown());

  // The runs are drawn under the nominal trace: many more trace-coloured pixels than one
  // trace alone gives.
  const QImage withRuns = w.plotArea()->picture();
  const int runPixels = graphtest::countColour(withRuns, qRgb(255, 0, 0)) +
                        graphtest::countColour(withRuns, qRgb(0, 255, 255));
  // The next simulation clears them.
  w.runSimulation();
  EXPECT_FALSE(w.core().multiSweepResultShown());
  const QImage plain = w.plotArea()->picture();
  EXPECT_NE(withRuns, plain);
  EXPECT_GT(runPixels, graphtest::countColour(plain, qRgb(255, 0, 0)));
}

TEST_F(GraphWindowTest, MultiSweepStopsOnEscape)
{
  load("lowpass3.cct");
  doc.Xax.numpoints = 10;
  GraphWindow& w = window();
  w.runSimulation();
  // Escape arrives while the second run is being made.
  int runs = 0;
  GraphWindowLinks links;
  links.afterSimulation = [&](const SimulateResult&) {
    if (++runs == 2) w.requestAbort();
  };
  w.setLinks(links);
  const int made = w.runMultiSweep(50);
  EXPECT_EQ(made, 2);
  EXPECT_EQ(runs, 3); // two random runs and the nominal one
  EXPECT_EQ(session.toleranceMode, tolerancemode::Nominal);
}

TEST_F(GraphWindowTest, MultiSweepCommandAsksForTheRunCount)
{
  load("lowpass3.cct");
  doc.Xax.numpoints = 10;
  GraphWindow& w = window();
  w.runSimulation();
  ToleranceSweepDialog& d = w.toleranceSweepDialog();
  EXPECT_EQ(d.windowTitle(), "Tolerance Sweep Setup");
  EXPECT_EQ(d.runsField()->text(), "50");

  // Cancel: nothing runs.
  int before = simulations;
  QTimer::singleShot(0, &d, [&d] { d.reject(); });
  w.runCommand(GraphCommand::ToleranceMultiSweep);
  EXPECT_EQ(simulations, before);

  before = simulations;
  QTimer::singleShot(0, &d, [&d] {
    d.runsField()->setText("3");
    d.accept();
  });
  w.toolAction(GraphTool::MultiSweep)->trigger();
  EXPECT_EQ(simulations, before + 4);
  EXPECT_TRUE(w.core().multiSweepResultShown());

  // Counts below one still make one run.
  d.runsField()->setText("0");
  EXPECT_EQ(d.runs(), 1);
  d.runsField()->setText("abc");
  EXPECT_EQ(d.runs(), 1);
}

} // namespace
} // namespace norvane

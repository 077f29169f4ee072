#include "graph/multisweep.h"

#include "config/environment.h"
#include "document/clearschematic.h"
#include "graph/graph_support.h"
#include "graph/plotdrawing.h"
#include "sim/tolerance.h"

#include <gtest/gtest.h>

#include <vector>

namespace norvane {
namespace {

TEST(MultiSweep, RunsModesAndEarlyStop)
{
  Environment env;
  Schematic doc;
  clearSchematic(doc, env);
  doc.Xax.numpoints = 3;
  TestHost host;
  GraphWindowCore graph(doc, env, host);
  host.core = &graph;

  int mode = tolerancemode::Nominal;
  std::vector<int> modes;
  std::vector<bool> inProgress;
  int runsSeen = 0;
  host.onSimulate = [&] {
    modes.push_back(mode);
    inProgress.push_back(graph.multiSweepRunInProgress());
    ++runsSeen;
    graph.SetSweepLimits(1e6, 4e6);
    graph.SetTrace1Limits(-40, 10);
    graph.SetTrace2Limits(-40, 10);
    graph.BeginPlot(plotformat::Rectangular, freqmode::Linear);
    for (int i = 0; i < 4; ++i)
      graph.AddPoint({1e6 * (i + 1), -1.0 * runsSeen, -2.0, 0, 0, 0, 0});
    if (mode != tolerancemode::MultiSweep) graph.DrawCursor();
  };
  int polls = 0;
  MultiSweepHooks hooks;
  hooks.simulate = [&] { host.simulate(); };
  hooks.abortRequested = [&] { return ++polls > 3; }; // Escape while run 5 is pending
  hooks.repaint = [&] { host.repaintGraph(); };

  const int done = runToleranceMultiSweep(graph, mode, 50, hooks);
  EXPECT_EQ(done, 4);
  EXPECT_EQ(mode, tolerancemode::Nominal);
  ASSERT_EQ(modes.size(), 5u);
  EXPECT_EQ(modes[0], tolerancemode::Random);
  EXPECT_EQ(modes[1], tolerancemode::MultiSweep);
  EXPECT_EQ(modes[3], tolerancemode::MultiSweep);
  EXPECT_EQ(modes[4], tolerancemode::Nominal);
  EXPECT_FALSE(inProgress[0]);
  EXPECT_TRUE(inProgress[2]);
  EXPECT_FALSE(inProgress[4]);
  EXPECT_TRUE(graph.multiSweepResultShown());

  // The final picture: four runs of three segments each under the nominal trace.
  int runSegments = 0;
  for (const CanvasOp& op : host.canvas.lines())
    if (op.pen.color == invertedColor(env.trace1color)) ++runSegments;
  EXPECT_EQ(runSegments, 4 * 3);

  // A count of 0 still makes one run.
  mode = tolerancemode::Nominal;
  modes.clear();
  EXPECT_EQ(runToleranceMultiSweep(graph, mode, 0, hooks), 1);
  EXPECT_EQ(modes.size(), 2u);
}

} // namespace
} // namespace norvane

#include "graph/multisweep.h"

#include "sim/tolerance.h"

#include <algorithm>

namespace norvane {

int runToleranceMultiSweep(GraphWindowCore& graph, int& toleranceMode, int runs,
                           const MultiSweepHooks& hooks)
{
  const int n = std::clamp(runs, 1, kMaxMultiSweepRuns);
  toleranceMode = tolerancemode::Random;
  graph.beginMultiSweep(n);
  hooks.simulate();
  graph.captureMultiSweepRun(1);
  int done = 1;
  for (int run = 2; run <= n; ++run) {
    if (hooks.abortRequested && hooks.abortRequested()) break;
    toleranceMode = tolerancemode::MultiSweep;
    graph.setMultiSweepRunInProgress(true);
    hooks.simulate();
    graph.setMultiSweepRunInProgress(false);
    graph.captureMultiSweepRun(run);
    done = run;
  }
  graph.endMultiSweep();
  toleranceMode = tolerancemode::Nominal;
  hooks.simulate();
  if (hooks.repaint) hooks.repaint();
  return done;
}

} // namespace norvane

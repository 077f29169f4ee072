#pragma once
// The tolerance multi-sweep: N simulation runs with random component values inside their
// tolerances, drawn on top of each other, then one nominal run drawn over them all. The
// window supplies how to simulate and how to let pending input through (so Escape can stop a
// long series); the sequence and the tolerance modes are kept here.

#include "graph/graphwindowcore.h"

#include <functional>

namespace norvane {

// More runs than this would need a run store of hundreds of megabytes for no visible gain;
// a larger count typed into the dialog is reduced to it.
inline constexpr int kMaxMultiSweepRuns = 10000;

struct MultiSweepHooks
{
  // One simulation run with the current tolerance mode (the window's simulate command).
  std::function<void()> simulate;
  // Lets pending window input run and says whether Escape has asked to stop.
  std::function<bool()> abortRequested;
  // Shows the final picture.
  std::function<void()> repaint;
};

// Runs the series and returns the number of random runs made. `toleranceMode` is the
// program's tolerance mode: random for the first run, the multi-sweep mode for the others,
// nominal at the end (the window then shows "Nominal Values" pressed).
int runToleranceMultiSweep(GraphWindowCore& graph, int& toleranceMode, int runs,
                           const MultiSweepHooks& hooks);

} // namespace norvane

#pragma once
// The points of the last simulation run, as the graph window plots them: up to 501 points
// (at most 500 sweep intervals) in sweep order, numbered from 1. Also the store of the
// tolerance multi-sweep, which keeps the two trace values of every point of every run so the
// runs can be drawn again under the final nominal trace.

#include "sim/plotpoint.h"

#include <array>
#include <vector>

namespace norvane {

class PlotStore
{
public:
  static constexpr int kCapacity = kPlotPointCapacity;

  // A new plot: no points; point 1 holds the placeholder frequency 1 Hz and trace values
  // -1e12 until the first real point arrives.
  void reset();

  // Appends a point; returns false (and stores nothing) when all 501 places are taken.
  bool add(const PlotPoint& p);
  // Replaces the point added last (nothing when there is none).
  void replaceLast(const PlotPoint& p);

  int count() const { return m_count; }
  // Point i, 1-based; i outside 1..501 is held to that range.
  const PlotPoint& at(int i) const;

private:
  std::array<PlotPoint, kCapacity> m_points{};
  int m_count = 0;
};

// Trace values of the runs of one tolerance multi-sweep (runs numbered from 1).
class MultiSweepRuns
{
public:
  // Room for `runs` runs of `points` points each (the caller passes numpoints + 2 and N + 2,
  // a little more than used, as the sweep may not fill every run).
  void size(int points, int runs);
  void clear();

  // Copies trace1/trace2 of the stored points into run r. Ignored outside the sized range.
  void capture(int run, const PlotStore& store);

  int runs() const { return m_usedRuns; }
  // Points captured for run r (0 when none).
  int pointCount(int run) const;
  // The (trace1, trace2) pair of point i of run r.
  std::array<double, 2> value(int run, int i) const;

private:
  int m_points = 0;
  int m_runs = 0;
  int m_usedRuns = 0;
  std::vector<std::array<double, 2>> m_values;
  std::vector<int> m_counts;
};

} // namespace norvane

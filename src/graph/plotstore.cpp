#include "graph/plotstore.h"

#include <algorithm>

namespace norvane {

void PlotStore::reset()
{
  m_count = 0;
  m_points[0] = PlotPoint{};
  m_points[0].freq = 1.0;
  m_points[0].trace1 = -1e12;
  m_points[0].trace2 = -1e12;
}

bool PlotStore::add(const PlotPoint& p)
{
  if (m_count >= kCapacity) return false;
  m_points[static_cast<size_t>(m_count)] = p;
  ++m_count;
  return true;
}

void PlotStore::replaceLast(const PlotPoint& p)
{
  if (m_count > 0) m_points[static_cast<size_t>(m_count - 1)] = p;
}

const PlotPoint& PlotStore::at(int i) const
{
  return m_points[static_cast<size_t>(std::clamp(i, 1, kCapacity) - 1)];
}

void MultiSweepRuns::size(int points, int runs)
{
  m_points = std::clamp(points, 0, PlotStore::kCapacity + 1);
  m_runs = std::max(runs, 0);
  m_usedRuns = 0;
  m_values.assign(static_cast<size_t>(m_points) * static_cast<size_t>(m_runs), {0.0, 0.0});
  m_counts.assign(static_cast<size_t>(m_runs), 0);
}

void MultiSweepRuns::clear()
{
  size(0, 0);
}

void MultiSweepRuns::capture(int run, const PlotStore& store)
{
  if (run < 1 || run > m_runs) return;
  const int n = std::min(store.count(), m_points);
  const size_t base = static_cast<size_t>(run - 1) * static_cast<size_t>(m_points);
  for (int i = 1; i <= n; ++i) {
    const PlotPoint& p = store.at(i);
    m_values[base + static_cast<size_t>(i - 1)] = {p.trace1, p.trace2};
  }
  m_counts[static_cast<size_t>(run - 1)] = n;
  m_usedRuns = std::max(m_usedRuns, run);
}

int MultiSweepRuns::pointCount(int run) const
{
  if (run < 1 || run > m_runs) return 0;
  return m_counts[static_cast<size_t>(run - 1)];
}

std::array<double, 2> MultiSweepRuns::value(int run, int i) const
{
  if (run < 1 || run > m_runs || i < 1 || i > m_points) return {0.0, 0.0};
  return m_values[static_cast<size_t>(run - 1) * static_cast<size_t>(m_points) +
                  static_cast<size_t>(i - 1)];
}

} // namespace norvane

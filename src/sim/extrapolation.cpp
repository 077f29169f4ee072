#include "sim/extrapolation.h"

#include "document/componentkinds.h"
#include "document/placement.h"
#include "numbers/valuetext.h"

#include <algorithm>

namespace norvane {

namespace {

// A sweep end this close to a data edge (relative) lies on it.
constexpr double kEdgeTolerance = 1e-9;

std::string hertz(double f)
{
  return formatEngineering(3, f) + "Hz";
}

struct DataEdges
{
  std::string name;
  int count = 0;
  double first = 0.0;
  double last = 0.0;
};

template <class Set> DataEdges edgesOf(const Set& set)
{
  DataEdges e;
  e.name = set.name;
  e.count = set.numpoints();
  if (e.count > 0) {
    e.first = set.points[1].freq;
    e.last = set.points[e.count].freq;
  }
  return e;
}

} // namespace

std::vector<std::string> extrapolatedDataBlocks(const Schematic& doc, const SweepPlan& plan)
{
  // The sweep's ends as set (its points lie between them; a logarithmic sweep's last point
  // may differ from the stop by a rounding step, which the edge tolerance absorbs).
  const double lowest = std::min(plan.start, plan.stop);
  const double highest = std::max(plan.start, plan.stop);
  std::vector<std::string> lines;
  for (const Component& c : doc.drawdat.components) {
    const DataBlock kind = dataBlockOf(c.ctype);
    const int set = blockDataSetIndex(c);
    if (kind == DataBlock::None || set < 1 || set > kMaxDataSets) {
      continue;
    }
    const bool twoPort = kind == DataBlock::TwoPort;
    const DataEdges data =
        twoPort ? edgesOf(doc.datasets.twoPort[set]) : edgesOf(doc.datasets.onePort[set]);
    // One point is held at every frequency, not extrapolated.
    if (data.count < 2) {
      continue;
    }
    const bool below = lowest < data.first * (1.0 - kEdgeTolerance);
    const bool above = highest > data.last * (1.0 + kEdgeTolerance);
    if (!below && !above) {
      continue;
    }
    std::string line = !c.name.empty() ? c.name
                                       : std::string(twoPort ? "2-port" : "1-port") + " block " +
                                             std::to_string(set);
    line += " (" + (data.name.empty() ? std::string() : data.name + ", ") + "data " +
            hertz(data.first) + " to " + hertz(data.last) + ") is extrapolated";
    if (below) {
      line += " from " + hertz(lowest) + " to " + hertz(data.first);
    }
    if (above) {
      line +=
          std::string(below ? " and" : "") + " from " + hertz(data.last) + " to " + hertz(highest);
    }
    lines.push_back(line);
  }
  return lines;
}

} // namespace norvane

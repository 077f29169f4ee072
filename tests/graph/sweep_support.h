#pragma once
// A RunDisplay that records what a simulation run hands to the graph window, and the chores
// it asks of the main window.

#include "graph/simulationrun.h"

#include <string>
#include <vector>

namespace norvane::testing {

class RecordingOutput : public RunDisplay
{
public:
  RecordingOutput()
  {
    chores.repaintDrawing = [this] { ++repaints; };
    chores.clearNetlistListing = [this] { calls.push_back("clearNetlistListing"); };
    chores.sweepPoint = [this](int, const SweepPoint& p) { points.push_back(p); };
  }
  RecordingOutput(const RecordingOutput&) = delete;
  RecordingOutput& operator=(const RecordingOutput&) = delete;

  void beginRun(const RunLayout& layout) override
  {
    sDataWarning = layout.sDataWarning;
    port1Buttons = layout.port1;
    port2Buttons = layout.port2;
    calls.push_back("SetSweepLimits");
    sweepStart = layout.sweepStart;
    sweepStop = layout.sweepStop;
    calls.push_back("SetTrace1Limits");
    calls.push_back("SetTrace2Limits");
    calls.push_back("showGraphWindow");
    if (layout.newPlot) {
      calls.push_back("BeginPlot");
      plotformat = layout.plotformat;
      freqmode = layout.freqmode;
    }
    if (layout.listRows > 0) {
      listRows = layout.listRows;
    }
  }
  void AddPoint(const PlotPoint& p) override { plotted.push_back(p); }
  bool stabilityCircles() const override { return circles; }
  void turnOffStabilityCircles() override
  {
    circles = false;
    calls.push_back("turnOffStabilityCircles");
  }
  void dataListRow(int row, const SweepPoint& p) override
  {
    listed.push_back(p);
    listRowNumbers.push_back(row);
  }
  void endRun(bool list, bool cursor) override
  {
    if (list) {
      calls.push_back("endDataList");
    }
    if (cursor) {
      calls.push_back("DrawCursor");
    }
  }

  // The main window's part of a run.
  MainWindowChores chores;
  std::vector<std::string> calls;
  PlotFormat plotformat{};
  int freqmode = 0;
  double sweepStart = 0.0;
  double sweepStop = 0.0;
  std::vector<PlotPoint> plotted;
  std::vector<SweepPoint> points;
  std::vector<SweepPoint> listed;
  std::vector<int> listRowNumbers;
  int listRows = 0;
  bool port1Buttons = false;
  bool port2Buttons = false;
  bool sDataWarning = false;
  bool circles = false;
  int repaints = 0;

  int count(const std::string& call) const
  {
    int n = 0;
    for (const auto& c : calls) {
      n += c == call;
    }
    return n;
  }
};

} // namespace norvane::testing

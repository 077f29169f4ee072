#pragma once
// A SweepOutput that records what a simulation run hands to the graph window.

#include "sim/sweepoutput.h"

#include <string>
#include <vector>

namespace norvane::testing {

class RecordingOutput : public SweepOutput
{
public:
  void BeginPlot(int format, int mode) override
  {
    calls.push_back("BeginPlot");
    plotformat = format;
    freqmode = mode;
  }
  void SetSweepLimits(double start, double stop) override
  {
    calls.push_back("SetSweepLimits");
    sweepStart = start;
    sweepStop = stop;
  }
  void SetTrace1Limits(double, double) override { calls.push_back("SetTrace1Limits"); }
  void SetTrace2Limits(double, double) override { calls.push_back("SetTrace2Limits"); }
  void AddPoint(const PlotPoint& p) override { plotted.push_back(p); }
  void DrawCursor() override { calls.push_back("DrawCursor"); }
  void showGraphWindow() override { calls.push_back("showGraphWindow"); }
  void enableParameterButtons(bool p1, bool p2) override
  {
    port1Buttons = p1;
    port2Buttons = p2;
  }
  void setSDataWarning(bool on) override { sDataWarning = on; }
  bool stabilityCircles() const override { return circles; }
  void turnOffStabilityCircles() override
  {
    circles = false;
    calls.push_back("turnOffStabilityCircles");
  }
  void beginDataList(int rows) override { listRows = rows; }
  void dataListRow(int row, const SweepPoint& p) override
  {
    listed.push_back(p);
    listRowNumbers.push_back(row);
  }
  void endDataList() override { calls.push_back("endDataList"); }
  void sweepPoint(int, const SweepPoint& p) override { points.push_back(p); }
  void repaintDrawing() override { ++repaints; }
  void clearNetlistListing() override { calls.push_back("clearNetlistListing"); }

  std::vector<std::string> calls;
  int plotformat = 0;
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

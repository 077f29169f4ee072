#pragma once
// The output of one simulation run in the desktop program: the plotting calls and the data
// list go to the graph window's core, the chores the run asks of the main window (repaint
// the drawing with the circuit check's markers, empty the netlist listing) to the main
// window through plain callbacks.

#include "graph/graphwindowcore.h"
#include "sim/sweepoutput.h"

#include <functional>

namespace norvane {

struct MainWindowChores
{
  std::function<void()> repaintDrawing;
  std::function<void()> clearNetlistListing;
  // Each point's S-parameters as computed (the main window's results list).
  std::function<void(int, const SweepPoint&)> sweepPoint;
};

class GraphRunOutput : public SweepOutput
{
public:
  GraphRunOutput(GraphWindowCore& graph, const MainWindowChores& chores)
      : m_graph(graph), m_chores(chores)
  {
  }

  void BeginPlot(int plotformat, int freqmode) override { m_graph.BeginPlot(plotformat, freqmode); }
  void SetSweepLimits(double start, double stop) override { m_graph.SetSweepLimits(start, stop); }
  void SetTrace1Limits(double min, double max) override { m_graph.SetTrace1Limits(min, max); }
  void SetTrace2Limits(double min, double max) override { m_graph.SetTrace2Limits(min, max); }
  void AddPoint(const PlotPoint& point) override { m_graph.AddPoint(point); }
  void DrawCursor() override { m_graph.DrawCursor(); }
  void showGraphWindow() override { m_graph.showGraphWindow(); }
  void enableParameterButtons(bool port1, bool port2) override
  {
    m_graph.enableParameterButtons(port1, port2);
  }
  void setSDataWarning(bool on) override { m_graph.setSDataWarning(on); }
  bool stabilityCircles() const override { return m_graph.stabilityCircles(); }
  void turnOffStabilityCircles() override { m_graph.turnOffStabilityCircles(); }
  void beginDataList(int rows) override { m_graph.beginDataList(rows); }
  void dataListRow(int row, const SweepPoint& point) override { m_graph.dataListRow(row, point); }
  void endDataList() override { m_graph.endDataList(); }
  void sweepPoint(int index, const SweepPoint& point) override
  {
    m_graph.sweepPoint(index, point);
    if (m_chores.sweepPoint) m_chores.sweepPoint(index, point);
  }
  void repaintDrawing() override
  {
    if (m_chores.repaintDrawing) m_chores.repaintDrawing();
  }
  void clearNetlistListing() override
  {
    if (m_chores.clearNetlistListing) m_chores.clearNetlistListing();
  }

private:
  GraphWindowCore& m_graph;
  const MainWindowChores& m_chores;
};

} // namespace norvane

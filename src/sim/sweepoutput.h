#pragma once
// Where a simulation run sends what it produces: the graph window's plotting calls, the data
// list, and the few window chores the run asks for. The desktop program implements this with
// its graph and main windows; the command-line tool and the tests with plain recorders.
// Every member has a do-nothing default, so an implementation overrides only what it shows.
//
// Calling order within one run: showGraphWindow, enableParameterButtons, setSDataWarning,
// SetSweepLimits, SetTrace1Limits, SetTrace2Limits, BeginPlot (not for the result file),
// clearNetlistListing, beginDataList (list only), then per point in sweep order sweepPoint and
// either AddPoint (graph and charts) or dataListRow (list), and at the end endDataList and
// DrawCursor (not during a multi-sweep run).

#include "sim/plotpoint.h"
#include "sim/sweeppoint.h"

namespace norvane {

class SweepOutput
{
public:
  virtual ~SweepOutput() = default;

  // ---- Graph window plotting --------------------------------------------------------------
  // A new plot: empties the point store. Not called when writing the result file, so the
  // plotted points survive an export.
  virtual void BeginPlot(int plotformat, int freqmode)
  {
    (void)plotformat;
    (void)freqmode;
  }
  virtual void SetSweepLimits(double start, double stop)
  {
    (void)start;
    (void)stop;
  }
  virtual void SetTrace1Limits(double min, double max)
  {
    (void)min;
    (void)max;
  }
  virtual void SetTrace2Limits(double min, double max)
  {
    (void)min;
    (void)max;
  }
  // One point, in sweep order (graph and chart modes only).
  virtual void AddPoint(const PlotPoint& point) { (void)point; }
  // After the last point (not during a multi-sweep run): cursor markers and read-outs.
  virtual void DrawCursor() {}

  // ---- Graph window state -----------------------------------------------------------------
  virtual void showGraphWindow() {}
  // The S11/S21/S12/S22 buttons follow the ports present in the circuit.
  virtual void enableParameterButtons(bool port1, bool port2)
  {
    (void)port1;
    (void)port2;
  }
  // The blinking "S data freq" notice: on while the sweep lies outside the stored data and
  // the user declined to autoscale.
  virtual void setSDataWarning(bool on) { (void)on; }
  // The stability-circle toggle of the graph window, and its release when circles cannot be
  // computed.
  virtual bool stabilityCircles() const { return false; }
  virtual void turnOffStabilityCircles() {}

  // ---- Data list --------------------------------------------------------------------------
  // A list of `rows` rows: the heading row and one per sweep point.
  virtual void beginDataList(int rows) { (void)rows; }
  // Row `row` (1-based, the heading is row 0) shows this point; FormatDataListRow gives the
  // nine cell texts.
  virtual void dataListRow(int row, const SweepPoint& point)
  {
    (void)row;
    (void)point;
  }
  virtual void endDataList() {}

  // ---- Every mode -------------------------------------------------------------------------
  // Each point's S-parameters as computed (index 0..N), before it is plotted, listed or
  // written.
  virtual void sweepPoint(int index, const SweepPoint& point)
  {
    (void)index;
    (void)point;
  }

  // ---- Main window chores -----------------------------------------------------------------
  // The drawing shows the outcome of the circuit check (markers of an earlier run vanish).
  virtual void repaintDrawing() {}
  // The netlist window's list is emptied at the start of every run.
  virtual void clearNetlistListing() {}
};

} // namespace norvane

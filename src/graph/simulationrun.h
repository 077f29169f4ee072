#pragma once
// A simulation run as the program's windows and the command line carry it out around the
// simulator (sim/simulate.h): the circuit check, the autoscale question, the display of the
// run (rectangular graph, charts or data list), the choice and writing of the S-parameter
// result file, and the closing messages, in that order.

#include "document/schematic.h"
#include "platform/prompts.h"
#include "sim/plotpoint.h"
#include "sim/simulate.h"
#include "sim/twoportmeasures.h"

#include <functional>

namespace norvane {

inline constexpr const char* kMsgAutoscale =
    "Simulation frequency range outside S parameter file range, Autoscale?";
inline constexpr const char* kMsgCirclesOneport =
    "Cannot calculate stability circles with only 1 measurement port. Stability circles "
    "turned off";
inline constexpr const char* kResultFileDialogTitle = "Save results as S Parameter File";
inline constexpr const char* kResultFileDialogFilter =
    "S parameter files (*.S2P)|*.s2p|All S parameter files "
    "(*.S2P,*.S1P,*.D1,*.D2)|*.s2p;*.s1p;*.d1;*.d2|All Files (*.*)|*.*";
inline constexpr const char* kResultFileDialogDefault = "*.S2P";

// What the window shows of a run before its first point.
struct RunLayout
{
  bool port1 = true; // the parameter buttons follow the ports present
  bool port2 = true;
  // The blinking "S data freq" notice: the sweep lies outside the stored data and the user
  // declined to autoscale.
  bool sDataWarning = false;
  double sweepStart = 0.0, sweepStop = 0.0;
  double trace1Min = 0.0, trace1Max = 0.0;
  double trace2Min = 0.0, trace2Max = 0.0;
  // A new plot (empties the point store); not when writing the result file, so the plotted
  // points survive an export.
  bool newPlot = true;
  PlotFormat plotformat = PlotFormat::Rectangular;
  int freqmode = freqmode::Linear;
  int listRows = 0; // data list: the heading row and one per sweep point; 0 for no list
};

// The graph window as a run sees it (GraphWindowCore in the program, recorders in tests).
class RunDisplay
{
public:
  virtual ~RunDisplay() = default;
  // The window shows itself and takes on the run's layout.
  virtual void beginRun(const RunLayout& layout) = 0;
  // The "Stability Circles" toggle, and its release when circles cannot be computed.
  virtual bool stabilityCircles() const = 0;
  virtual void turnOffStabilityCircles() = 0;
  // The stability and gain figures of the point that the next AddPoint plots (graph and
  // chart modes; empty figures where the circuit lacks a port).
  virtual void pointMeasures(const TwoPortMeasures&) {}
  // Whether this run's display uses those figures at all (they are not worked out otherwise).
  virtual bool wantsMeasures() const { return false; }
  // The "Noise Circles" toggle: a chart run then computes noise and excites both ports.
  virtual bool noiseCircles() const { return false; }
  // The sweep point that the next AddPoint plots (graph and chart modes), with its noise
  // figures when the run computed them.
  virtual void pointSwept(const SweepPoint&) {}
  // One plotted point, in sweep order (graph and chart modes).
  virtual void AddPoint(const PlotPoint& point) = 0;
  // The point added last has better values (a group delay made central by the point after
  // it); comes before the next AddPoint.
  virtual void reviseLastPoint(const PlotPoint&) {}
  // Row `row` (1-based, the heading is row 0) of the data list shows this point.
  virtual void dataListRow(int row, const SweepPoint& point) = 0;
  // After the last point: the list is shown anew (`list`), the cursor markers and read-outs
  // are drawn (`cursor`, not during a multi-sweep run).
  virtual void endRun(bool list, bool cursor) = 0;
};

// A run that shows nothing (the command line, and exports whose file is all that matters).
class NoRunDisplay final : public RunDisplay
{
public:
  void beginRun(const RunLayout&) override {}
  bool stabilityCircles() const override { return false; }
  void turnOffStabilityCircles() override {}
  void AddPoint(const PlotPoint&) override {}
  void dataListRow(int, const SweepPoint&) override {}
  void endRun(bool, bool) override {}
};

// What a run asks of the main window.
struct MainWindowChores
{
  // The drawing shows the outcome of the circuit check (markers of an earlier run vanish).
  std::function<void()> repaintDrawing;
  // The netlist window's list is emptied at the start of every run.
  std::function<void()> clearNetlistListing;
  // Each point's S-parameters as computed (the main window's results list).
  std::function<void(int, const SweepPoint&)> sweepPoint;
};

// Asks once whether to fit the sweep into the stored S-parameter data's frequency range (the
// common range of every data set that holds points); `session.warned` keeps the question from
// repeating until a sweep lies inside the range again. Returns the "S data freq" notice: on
// while the sweep lies outside and the user declined.
bool askAutoscale(Schematic& doc, SimulationSession& session, Prompts& prompts);

// Both traces and the chart show what the ports can deliver: S11 without port 2, S22
// without port 1.
void defaultParameterChoices(Schematic& doc, bool port1, bool port2);

// The simulate command of the graph window: the output is the document's plotformat (1
// rectangular graph, 2-5 charts, 6 data list; anything else becomes 1), or with `resultFile`
// the S-parameter result file, whose name is asked through `prompts` (cancelling falls back
// to the data list). Writes the corrected sweep and the defaulted parameter choices into the
// document, and each toleranced value's `actual`. The result names the data blocks the sweep
// extrapolates (`extrapolated`), for the window to show with the run.
//
// The caller shows the busy cursor around the call and, afterwards, puts the editor back
// into select mode unless it is tuning.
SimulateResult simulateForDisplay(Schematic& doc, SimulationSession& session, RunDisplay& display,
                                  const MainWindowChores& chores, Prompts& prompts,
                                  bool resultFile = false);

// The export command: refuses with kMsgResultFilePorts unless both ports are 50 ohm;
// otherwise a run in result-file mode.
SimulateResult exportSParameterFile(Schematic& doc, SimulationSession& session, RunDisplay& display,
                                    const MainWindowChores& chores, Prompts& prompts);

// A run with every present port excited, its points to `sink`, showing nothing (the command
// line and the Touchstone export): circuit check, autoscale question, sweep, closing
// messages. The result names the data blocks the sweep extrapolates.
// With `noise` each point also carries its noise figures (SweepPoint::noise).
SimulateResult simulateEveryPort(Schematic& doc, SimulationSession& session, SweepSink& sink,
                                 Prompts& prompts, bool noise = false);

} // namespace norvane

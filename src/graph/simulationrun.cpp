#include "graph/simulationrun.h"

#include "document/atomicwrite.h"
#include "document/measureranges.h"
#include "graph/measuretraces.h"
#include "graph/sweeptraces.h"
#include "sim/extrapolation.h"
#include "sim/netlist.h"
#include "sim/results.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace norvane {

namespace {

// Tolerances of the check of the sweep against the stored S-parameter data.
constexpr double kRangeLowFactor = 0.99;
constexpr double kRangeHighFactor = 1.01;
constexpr double kNoDataLow = -1e34;
constexpr double kNoDataHigh = 1e34;

// The common frequency range of every stored data set that holds points (whether or not a
// block uses it): the largest first frequency and the smallest last one.
struct DataRange
{
  double lo = kNoDataLow;
  double hi = kNoDataHigh;
};

DataRange storedDataRange(const DataSets& sets)
{
  DataRange r;
  for (const TwoPortDataSet& s : sets.twoPort) {
    if (s.inUse()) {
      r.lo = std::max(r.lo, s.points[1].freq);
      r.hi = std::min(r.hi, s.points[s.numpoints()].freq);
    }
  }
  for (const OnePortDataSet& s : sets.onePort) {
    if (s.inUse()) {
      r.lo = std::max(r.lo, s.points[1].freq);
      r.hi = std::min(r.hi, s.points[s.numpoints()].freq);
    }
  }
  return r;
}

void call(const std::function<void()>& chore)
{
  if (chore) {
    chore();
  }
}

// Every point of a display run: to the main window's results list, then to the data list,
// the result file or the plot.
class DisplayFeed final : public SweepSink
{
public:
  DisplayFeed(const Schematic& doc, PlotFormat output, bool circles, RunDisplay& display,
              const MainWindowChores& chores, std::vector<SweepPoint>& file)
      : m_output(output), m_display(display), m_chores(chores), m_file(file),
        m_values(doc, plotformat::isChart(output), circles), m_z1(doc.drawdat.P1.Zo),
        m_z2(doc.drawdat.P2.Zo), m_measures(display.wantsMeasures()),
        m_swept(display.noiseCircles())
  {
  }

  void point(int index, const SweepPoint& point) override
  {
    if (m_chores.sweepPoint) {
      m_chores.sweepPoint(index, point);
    }
    if (m_output == plotformat::DataList) {
      m_display.dataListRow(index + 1, point);
    } else if (m_output == plotformat::ResultFile) {
      m_file.push_back(point);
    } else {
      if (m_measures) m_display.pointMeasures(twoPortMeasures(point, m_z1, m_z2));
      if (m_swept) m_display.pointSwept(point);
      const PlotPoint plotted = m_values.next(point);
      if (const auto& revised = m_values.revisedPrevious()) m_display.reviseLastPoint(*revised);
      m_display.AddPoint(plotted);
    }
  }

private:
  const PlotFormat m_output;
  RunDisplay& m_display;
  const MainWindowChores& m_chores;
  std::vector<SweepPoint>& m_file;
  PlotValues m_values;
  const double m_z1;
  const double m_z2;
  const bool m_measures; // the display asked for the stability and gain figures
  const bool m_swept;    // and for the whole points (the noise circles at the cursor)
};

// The excitations the output needs: the traces' or the chart's parameters, every port for
// the list and the file; both for stability circles and for the matcher's analysis.
SweepRequest requestFor(const Schematic& doc, const SweepPlan& plan, PlotFormat output,
                        bool bothPorts)
{
  SweepRequest request;
  request.plan = plan;
  if (output == plotformat::Rectangular) {
    const TraceExcitations t1 = traceExcitations(doc.Y1ax);
    const TraceExcitations t2 = traceExcitations(doc.Y2ax);
    request.excite1 = t1.port1 || t2.port1;
    request.excite2 = t1.port2 || t2.port2;
  } else if (plotformat::isChart(output)) {
    request.excite1 = needsPort1(doc.polarmeaswhat);
    request.excite2 = !request.excite1;
  }
  if (bothPorts) {
    request.excite1 = request.excite2 = true;
  }
  return request;
}

// Noise is computed only when something shows it: an NF or NFmin trace on the graph (every
// run of a multi-sweep too), or the noise circles of the cursor's point on a chart (not
// while a multi-sweep overlays its runs).
bool runNeedsNoise(const Schematic& doc, PlotFormat output, bool noiseCircles, bool multiSweep)
{
  if (output == plotformat::Rectangular) {
    return isNoiseTraceType(doc.Y1ax.tracetype) || isNoiseTraceType(doc.Y2ax.tracetype);
  }
  return plotformat::isChart(output) && noiseCircles && !multiSweep;
}

// The result file's name; cancelling the dialog gives none.
std::optional<std::string> chooseResultFile(Prompts& prompts)
{
  auto name = prompts.saveFileName(kResultFileDialogTitle, kResultFileDialogFilter,
                                   kResultFileDialogDefault);
  if (!name || name->empty()) {
    return std::nullopt;
  }
  return name;
}

// The stability circles need both ports; otherwise the toggle is released with a warning.
bool circlesPossible(RunDisplay& display, const SimulateResult& checked, Prompts& prompts)
{
  if (!display.stabilityCircles()) {
    return false;
  }
  if (checked.netlist.port1Connected && checked.netlist.port2Connected) {
    return true;
  }
  prompts.warning(kMsgCirclesOneport);
  display.turnOffStabilityCircles();
  return false;
}

RunLayout layoutOf(const Schematic& doc, const SimulateResult& checked, const SweepPlan& plan)
{
  RunLayout layout;
  layout.port1 = checked.netlist.port1Connected;
  layout.port2 = checked.netlist.port2Connected;
  layout.sweepStart = doc.Xax.min;
  layout.sweepStop = doc.Xax.max;
  layout.trace1Min = doc.Y1ax.min;
  layout.trace1Max = doc.Y1ax.max;
  layout.trace2Min = doc.Y2ax.min;
  layout.trace2Max = doc.Y2ax.max;
  layout.plotformat = doc.plotformat;
  layout.freqmode = plan.freqmode;
  return layout;
}

// The sweep of a display run and the writing of its result file.
void sweepForDisplay(Schematic& doc, SimulationSession& session, RunDisplay& display,
                     const MainWindowChores& chores, Prompts& prompts, SimulateResult& result,
                     const SweepPlan& plan, PlotFormat output, const std::string& fileName)
{
  const bool multiSweep = session.toleranceMode == tolerancemode::MultiSweep;
  const bool matching = session.match.mode != matchmode::None;
  const bool circles = circlesPossible(display, result, prompts);
  const bool noise = runNeedsNoise(doc, output, display.noiseCircles(), multiSweep);
  SweepRequest request =
      requestFor(doc, plan, output,
                 ((matching || circles) && !multiSweep) || (noise && plotformat::isChart(output)));
  request.noise = noise;
  request.noiseKelvin = session.noiseKelvin;
  std::vector<SweepPoint> file;
  if (output == plotformat::ResultFile) {
    file.reserve(static_cast<std::size_t>(plan.pointCount()));
  }
  DisplayFeed feed(doc, output, circles && !multiSweep, display, chores, file);
  simulateCircuit(doc, session, request, feed, prompts, result);
  if (output == plotformat::ResultFile) {
    // Written in one piece through a temporary file: a failed write keeps the file the name
    // had before.
    const FileResult saved = writeFileAtomically(fileName, resultFileText(file));
    if (!saved) {
      prompts.error(saved.error);
    }
    result.fileWritten = saved.ok();
  }
  display.endRun(output == plotformat::DataList, !multiSweep);
}

} // namespace

bool askAutoscale(Schematic& doc, SimulationSession& session, Prompts& prompts)
{
  const DataRange r = storedDataRange(doc.datasets);
  SweepAxis& x = doc.Xax;
  if (r.lo * kRangeLowFactor < x.min && r.hi * kRangeHighFactor > x.max) {
    session.warned = false;
  }
  if ((r.lo * kRangeLowFactor > x.min || r.hi * kRangeHighFactor < x.max) && !session.warned) {
    session.warned = true;
    if (prompts.question(kMsgAutoscale) == Answer::Yes) {
      x.min = r.lo;
      x.max = r.hi;
      session.warned = false;
    }
  }
  return session.warned;
}

void defaultParameterChoices(Schematic& doc, bool port1, bool port2)
{
  if (!port2) {
    doc.Y1ax.measwhat = doc.Y2ax.measwhat = doc.polarmeaswhat = measwhat::S11;
  }
  if (!port1) {
    doc.Y1ax.measwhat = doc.Y2ax.measwhat = doc.polarmeaswhat = measwhat::S22;
  }
}

SimulateResult simulateForDisplay(Schematic& doc, SimulationSession& session, RunDisplay& display,
                                  const MainWindowChores& chores, Prompts& prompts, bool resultFile)
{
  SimulateResult result = checkCircuit(doc, session, prompts);
  // The drawing shows the check: junction wires, node numbers, unconnected markers.
  applyNetlistToDrawing(doc, result.netlist);
  if (!result.checked) {
    if (!result.netlist.ok && !doc.drawdat.UnconnectedMarkers.empty()) {
      call(chores.repaintDrawing);
    }
    return result;
  }
  if (session.toleranceMode != tolerancemode::MultiSweep) {
    call(chores.repaintDrawing);
  }
  const bool sDataWarning = askAutoscale(doc, session, prompts);
  defaultParameterChoices(doc, result.netlist.port1Connected, result.netlist.port2Connected);
  const SweepPlan plan = planSweep(doc);
  result.extrapolated = extrapolatedDataBlocks(doc, plan);
  // (An export leaves the document's format as it is, whatever it holds.)
  if (!resultFile &&
      (doc.plotformat < plotformat::Rectangular || doc.plotformat > plotformat::ResultFile)) {
    doc.plotformat = plotformat::Rectangular;
  }
  PlotFormat output = resultFile ? plotformat::ResultFile : doc.plotformat;
  RunLayout layout = layoutOf(doc, result, plan);
  layout.sDataWarning = sDataWarning;
  layout.newPlot = output != plotformat::ResultFile;
  call(chores.clearNetlistListing);
  std::string fileName;
  if (output == plotformat::ResultFile) {
    const auto name = chooseResultFile(prompts);
    output = name ? plotformat::ResultFile : plotformat::DataList;
    fileName = name.value_or("");
  }
  layout.listRows = output == plotformat::DataList ? plan.intervals + 2 : 0;
  display.beginRun(layout);
  sweepForDisplay(doc, session, display, chores, prompts, result, plan, output, fileName);
  reportSweepProblems(result, prompts);
  return result;
}

SimulateResult exportSParameterFile(Schematic& doc, SimulationSession& session, RunDisplay& display,
                                    const MainWindowChores& chores, Prompts& prompts)
{
  if (!resultFilePortsOk(doc.drawdat.P1.Zo, doc.drawdat.P2.Zo)) {
    prompts.error(kMsgResultFilePorts);
    return {};
  }
  return simulateForDisplay(doc, session, display, chores, prompts, true);
}

SimulateResult simulateEveryPort(Schematic& doc, SimulationSession& session, SweepSink& sink,
                                 Prompts& prompts, bool noise)
{
  SimulateResult result = checkCircuit(doc, session, prompts);
  applyNetlistToDrawing(doc, result.netlist); // as the desktop's run leaves the drawing
  if (!result.checked) {
    return result;
  }
  askAutoscale(doc, session, prompts);
  defaultParameterChoices(doc, result.netlist.port1Connected, result.netlist.port2Connected);
  SweepRequest request;
  request.plan = planSweep(doc);
  request.noise = noise;
  request.noiseKelvin = session.noiseKelvin;
  result.extrapolated = extrapolatedDataBlocks(doc, request.plan);
  simulateCircuit(doc, session, request, sink, prompts, result);
  reportSweepProblems(result, prompts);
  return result;
}

} // namespace norvane

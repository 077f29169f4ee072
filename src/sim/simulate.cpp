#include "sim/simulate.h"

#include "document/atomicwrite.h"
#include "sim/complexmatrix.h"
#include "sim/lusolver.h"
#include "sim/lusolverorder.h"
#include "sim/results.h"
#include "sim/stamps.h"
#include "sim/sweep.h"
#include "sim/sweeptraces.h"
#include "sim/valuecheck.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

namespace norvane {

namespace {

// Tolerances of the check of the sweep against the stored S-parameter data.
constexpr double kRangeLowFactor = 0.99;
constexpr double kRangeHighFactor = 1.01;
constexpr double kNoDataLow = -1e34;
constexpr double kNoDataHigh = 1e34;
// The substitute for a zero port impedance, as the port dialog enters it.
constexpr double kZeroPortImpedance = 1e-6;

// The common frequency range of every stored data set that holds points (whether or not a
// block uses it): the largest first frequency and the smallest last one.
struct DataRange
{
  double lo = kNoDataLow;
  double hi = kNoDataHigh;
};

DataRange storedDataRange(const TDataSets& sets)
{
  DataRange r;
  for (const T2pdatarray& s : sets.twoPort) {
    if (s.inUse()) {
      r.lo = std::max(r.lo, s.points[1].freq);
      r.hi = std::min(r.hi, s.points[s.numpoints()].freq);
    }
  }
  for (const T1pdatarray& s : sets.onePort) {
    if (s.inUse()) {
      r.lo = std::max(r.lo, s.points[1].freq);
      r.hi = std::min(r.hi, s.points[s.numpoints()].freq);
    }
  }
  return r;
}

// Asks once whether to fit the sweep into the stored data's range; the warned flag keeps the
// question from repeating until a sweep lies inside the range again.
void checkDataRange(Tschema& doc, SimulationSession& session, SweepOutput& out, Prompts& prompts)
{
  const DataRange r = storedDataRange(doc.datasets);
  Txaxis& x = doc.Xax;
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
  out.setSDataWarning(session.warned);
}

// A present port needs a usable reference impedance: zero is taken as the dialogs take it,
// anything else that is not a positive number refuses the run.
bool checkPortImpedance(Tport& port, int number, Prompts& prompts)
{
  if (port.Zo == 0.0) {
    port.Zo = kZeroPortImpedance;
  }
  if (!(port.Zo > 0.0) || !std::isfinite(port.Zo)) {
    prompts.error("Port " + std::to_string(number) + " impedance Zo must be a positive number");
    return false;
  }
  return true;
}

// The port-node voltages of the two excitations; each keeps its last solved value.
struct PortVoltages
{
  Complex v1, v2;   // port 1 driven
  Complex v1x, v2x; // port 2 driven
};

void fillSParameters(SweepPoint& p, const PortVoltages& v, double z1, double z2)
{
  const Complex one{1.0, 0.0};
  p.s11 = 2.0 * v.v1 - one;
  p.s21raw = 2.0 * v.v2;
  p.s12raw = 2.0 * v.v1x;
  p.s22 = 2.0 * v.v2x - one;
  if (p.port1 && p.port2) {
    p.s21 = std::sqrt(z1 / z2) * p.s21raw;
    p.s12 = std::sqrt(z2 / z1) * p.s12raw;
  }
}

bool finite(const Complex& c)
{
  return std::isfinite(c.re) && std::isfinite(c.im);
}

// A value the graph can place: NaN (from a degenerate circuit, e.g. a zero inductance) as 0,
// an infinity as the 1e30 sentinel of the guarded logarithm.
double finiteValue(double x)
{
  if (std::isnan(x)) {
    return 0.0;
  }
  if (std::isinf(x)) {
    return x > 0 ? 1e30 : -1e30;
  }
  return x;
}

PlotPoint finitePoint(PlotPoint p)
{
  for (double* v : {&p.freq, &p.trace1, &p.trace2, &p.circleCentreRe, &p.circleCentreIm,
                    &p.circleRadius, &p.stability}) {
    *v = finiteValue(*v);
  }
  return p;
}

// The result file of an export run: its lines are collected during the sweep and written
// at the end in one piece, through a temporary file, so a failed write keeps the file the
// name had before.
class ResultFile
{
public:
  void writeLine(const std::string& line)
  {
    m_text += line;
    m_text += kResultFileLineEnd;
  }
  FileResult save(const std::string& name) const { return writeFileAtomically(name, m_text); }

private:
  std::string m_text;
};

} // namespace

SimulateResult Simulate(Tschema& doc, SimulationSession& session, SweepOutput& out,
                        Prompts& prompts)
{
  SimulateResult result;
  ComplexErrors errors;
  doc.simulated = false;
  const bool multiSweep = session.toleranceMode == tolerancemode::MultiSweep;

  result.netlist = BuildNetlist(doc, prompts);
  const NetlistResult& net = result.netlist;
  if (!net.ok) {
    if (!doc.drawdat.UnconnectedMarkers.empty()) {
      out.repaintDrawing();
    }
    return result;
  }
  const bool port1 = net.port1Connected;
  const bool port2 = net.port2Connected;
  TDrawData& drawing = doc.drawdat;
  if ((port1 && !checkPortImpedance(drawing.P1, 1, prompts)) ||
      (port2 && !checkPortImpedance(drawing.P2, 2, prompts))) {
    return result;
  }
  // Every value as this run uses it: the tolerance rule first, then the check that no
  // stamp meets a zero divisor or a value that is not a finite number.
  ApplyTolerances(drawing, session.toleranceMode, session.random);
  if (const std::string problem = CheckComponentValues(drawing); !problem.empty()) {
    prompts.error(problem);
    return result;
  }
  doc.simulated = true;
  if (!multiSweep) {
    out.repaintDrawing();
  }

  checkDataRange(doc, session, out, prompts);

  // Parameters the ports can deliver.
  if (!port2) {
    doc.Y1ax.measwhat = doc.Y2ax.measwhat = doc.polarmeaswhat = measwhat::S11;
  }
  if (!port1) {
    doc.Y1ax.measwhat = doc.Y2ax.measwhat = doc.polarmeaswhat = measwhat::S22;
  }
  out.enableParameterButtons(port1, port2);

  const SweepPlan plan = SanitizeSweep(doc.Xax);
  if (plan.freqmode == freqmode::Logarithmic) {
    doc.Xax.centspan = false;
  }

  // Output.
  if (doc.plotformat < plotformat::Rectangular || doc.plotformat > plotformat::ResultFile) {
    doc.plotformat = plotformat::Rectangular;
  }
  int output = doc.plotformat;
  out.SetSweepLimits(doc.Xax.min, doc.Xax.max);
  out.SetTrace1Limits(doc.Y1ax.min, doc.Y1ax.max);
  out.SetTrace2Limits(doc.Y2ax.min, doc.Y2ax.max);
  out.showGraphWindow();
  if (output != plotformat::ResultFile) {
    out.BeginPlot(doc.plotformat, plan.freqmode);
  }
  out.clearNetlistListing();
  ResultFile file;
  std::string fileName;
  if (output == plotformat::ResultFile) {
    const auto name = prompts.saveFileName(kResultFileDialogTitle, kResultFileDialogFilter,
                                           kResultFileDialogDefault);
    if (!name || name->empty()) {
      output = plotformat::DataList;
    } else {
      fileName = *name;
      file.writeLine(kResultFileHeader);
      file.writeLine(kResultFileOptions);
    }
  }
  if (output == plotformat::DataList) {
    out.beginDataList(plan.intervals + 2);
  }

  // Which excitations the output needs.
  const bool chart = plotformat::isChart(output);
  bool need1 = false;
  bool need2 = false;
  if (output == plotformat::Rectangular) {
    need1 = needsPort1(doc.Y1ax.measwhat) || needsPort1(doc.Y2ax.measwhat);
    need2 = !needsPort1(doc.Y1ax.measwhat) || !needsPort1(doc.Y2ax.measwhat);
  } else if (chart) {
    need1 = needsPort1(doc.polarmeaswhat);
    need2 = !need1;
  } else {
    need1 = need2 = true;
  }
  bool circles = out.stabilityCircles();
  if (circles && !(port1 && port2)) {
    prompts.warning(kMsgCirclesOneport);
    out.turnOffStabilityCircles();
    circles = false;
  }
  const bool matching = session.match.mode != matchmode::None;
  if ((matching || circles) && !multiSweep) {
    need1 = need2 = true;
  }
  need1 = need1 && port1;
  need2 = need2 && port2;
  const bool computeCircles = circles && !multiSweep;

  // The sweep.
  const int n = net.nodeCount;
  const double z1 = drawing.P1.Zo;
  const double z2 = drawing.P2.Zo;
  auto matrix = std::make_unique<ComplexMatrix>();
  ComplexVector b;  // port 1 driven
  ComplexVector b2; // port 2 driven
  LUDecomposition lu;
  PortVoltages volts;
  TraceValue traceValue1;
  TraceValue traceValue2;
  PlotPoint plotted; // trace values kept from point to point when a solve fails
  const int pointCount = matching ? 1 : plan.pointCount();
  double matchFrequency = session.match.frequency;
  if (!(matchFrequency > 0.0) || !std::isfinite(matchFrequency)) {
    matchFrequency = kMinSweepFrequency;
  }

  int nonFinitePoints = 0;

  // The solver's node order: one stamping of the first point gives the pattern. It also tells
  // whether the circuit has ideal elements, whose solutions get a step of refinement from a
  // copy of the stamped matrix.
  std::unique_ptr<ComplexMatrix> stamped;
  if (pointCount > 1) {
    for (const Tcomponent& comp : drawing.components) {
      StampComponent(*matrix, comp, plan.frequency(0), doc.datasets, errors);
    }
    StampPorts(*matrix, drawing);
    const ComplexMatrix::NodeOrder order = FillReducingOrder(*matrix, n);
    if (WorthRefining(*matrix, n)) {
      stamped = std::make_unique<ComplexMatrix>();
    }
    matrix->clearTouched();
    matrix->setNodeOrder(order);
  }

  for (int i = 0; i < pointCount; ++i) {
    const double f = matching ? matchFrequency : plan.frequency(i);
    matrix->clearTouched(); // what the last point's stamps and elimination wrote
    for (const Tcomponent& comp : drawing.components) {
      StampComponent(*matrix, comp, f, doc.datasets, errors);
    }
    StampPorts(*matrix, drawing);

    if (stamped) {
      stamped->clearTouched();
      stamped->copyTouched(*matrix);
    }

    // One decomposition serves both excitations.
    const bool factored = (need1 || need2) && LUDecomposeStamped(*matrix, n, lu, errors);
    SweepPoint point;
    point.freq = f;
    point.port1 = port1;
    point.port2 = port2;
    if (factored) {
      // Both excitations from the one decomposition, in one pass over the factors.
      auto load = [&](ComplexVector& v, int node, double zo) {
        v.clear(n);
        v[matrix->position(node)] = Complex{1.0 / zo, 0.0};
      };
      auto read = [&](const ComplexVector& v, Complex& atPort1, Complex& atPort2) {
        atPort1 = port1 ? v[matrix->position(net.port1Node)] : Complex{};
        atPort2 = port2 ? v[matrix->position(net.port2Node)] : Complex{};
      };
      if (need1) {
        load(b, net.port1Node, z1);
      }
      if (need2) {
        load(b2, net.port2Node, z2);
      }
      if (need1 && need2) {
        LUBackSubstitute(*matrix, lu, b, b2, errors);
      } else if (need1 || need2) {
        LUBackSubstitute(*matrix, lu, need1 ? b : b2, errors);
      }
      if (stamped) {
        ComplexVector rhs;
        if (need1) {
          load(rhs, net.port1Node, z1);
          LURefine(*stamped, *matrix, lu, rhs, b, errors);
        }
        if (need2) {
          load(rhs, net.port2Node, z2);
          LURefine(*stamped, *matrix, lu, rhs, b2, errors);
        }
      }
      if (need1) {
        read(b, volts.v1, volts.v2);
      }
      if (need2) {
        read(b2, volts.v1x, volts.v2x);
      }
      point.excited1 = need1;
      point.excited2 = need2;
    } else {
      for (const bool needed : {need1, need2}) {
        if (needed) {
          prompts.information(kMsgIllConditioned + std::to_string(i));
        }
      }
    }
    if (!point.excited1 && !point.excited2 && (need1 || need2)) {
      ++result.failedPoints;
    }
    fillSParameters(point, volts, z1, z2);
    ++result.points;
    if ((point.excited1 && !(finite(point.s11) && finite(point.s21raw))) ||
        (point.excited2 && !(finite(point.s22) && finite(point.s12raw)))) {
      ++nonFinitePoints;
    }

    if (matching) {
      MatchInput input;
      input.request = session.match;
      input.request.frequency = f;
      input.s11 = point.s11;
      input.s21 = point.s21raw;
      input.s12 = point.s12raw;
      input.s22 = point.s22;
      input.zo1 = z1;
      input.zo2 = z2;
      session.match.mode = matchmode::None;
      // A point that could not be solved gives the matcher nothing to work from.
      result.matchAnalysed = point.excited1 || point.excited2;
      result.match = input;
    }

    out.sweepPoint(i, point);
    if (output == plotformat::DataList) {
      out.dataListRow(i + 1, point);
      continue;
    }
    if (output == plotformat::ResultFile) {
      file.writeLine(FormatResultFileLine(point));
      continue;
    }
    // Graph and charts: a value is recomputed only when its excitation was solved here.
    auto solved = [&point](int measwhat) {
      return needsPort1(measwhat) ? point.excited1 : point.excited2;
    };
    plotted.freq = f;
    if (chart) {
      if (solved(doc.polarmeaswhat)) {
        const Complex c = chartCoefficient(point, doc.polarmeaswhat);
        plotted.trace1 = c.re;
        plotted.trace2 = c.im;
      }
    } else {
      if (solved(doc.Y1ax.measwhat)) {
        plotted.trace1 = traceValue1.value(doc.Y1ax.tracetype, doc.Y1ax.measwhat,
                                           rawParameter(point, doc.Y1ax.measwhat), f, z1, z2);
      }
      if (solved(doc.Y2ax.measwhat)) {
        plotted.trace2 = traceValue2.value(doc.Y2ax.tracetype, doc.Y2ax.measwhat,
                                           rawParameter(point, doc.Y2ax.measwhat), f, z1, z2);
      }
    }
    if (computeCircles && point.excited1 && point.excited2) {
      const StabilityCircle sc = stabilityCircle(point.s11, point.s21raw, point.s12raw, point.s22,
                                                 doc.polarmeaswhat == measwhat::S11);
      plotted.circleCentreRe = sc.centreRe;
      plotted.circleCentreIm = sc.centreIm;
      plotted.circleRadius = sc.radius;
      plotted.stability = sc.stability;
    }
    out.AddPoint(finitePoint(plotted));
  }

  if (output == plotformat::ResultFile) {
    const FileResult saved = file.save(fileName);
    if (!saved) {
      prompts.error(saved.error);
    }
    result.fileWritten = saved.ok() && result.points == pointCount;
  }
  if (output == plotformat::DataList) {
    out.endDataList();
  }
  if (!multiSweep) {
    out.DrawCursor();
  }
  result.ran = true;
  result.complexOverflow = errors.ComplexOverflow;
  result.singular = errors.LUSingular;
  if (nonFinitePoints > 0) {
    // Never a silent row of zeros: the graph shows such points as 0, so say so.
    prompts.error(std::to_string(nonFinitePoints) + " of " + std::to_string(result.points) +
                  " frequency points gave no finite result (shown as 0)");
    result.failedPoints += nonFinitePoints;
  }
  if (errors.ComplexOverflow) {
    prompts.information(kMsgOverflow);
  }
  if (errors.LUSingular) {
    prompts.information(kMsgSingular);
  }
  return result;
}

SimulateResult ExportSParameterFile(Tschema& doc, SimulationSession& session, SweepOutput& out,
                                    Prompts& prompts)
{
  if (!resultFilePortsOk(doc.drawdat.P1.Zo, doc.drawdat.P2.Zo)) {
    prompts.error(kMsgResultFilePorts);
    return {};
  }
  const int saved = doc.plotformat;
  doc.plotformat = plotformat::ResultFile;
  SimulateResult r = Simulate(doc, session, out, prompts);
  doc.plotformat = saved;
  return r;
}

} // namespace norvane

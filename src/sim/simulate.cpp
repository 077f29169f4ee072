#include "sim/simulate.h"

#include "sim/complexmatrix.h"
#include "sim/lusolver.h"
#include "sim/lusolvercareful.h"
#include "sim/lusolverorder.h"
#include "sim/noiseanalysis.h"
#include "sim/stamps.h"
#include "sim/valuecheck.h"

#include <cmath>
#include <memory>
#include <string>

namespace norvane {

namespace {

bool finite(const Complex& c)
{
  return std::isfinite(c.re) && std::isfinite(c.im);
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

// The linear algebra of one sweep. The matrix, its factors and the excitation vectors live
// from point to point, so that no point allocates.
class PointSolver
{
public:
  PointSolver(const Schematic& doc, const Netlist& net, bool need1, bool need2)
      : m_doc(doc), m_net(net), m_stamps(doc, net), m_need1(need1), m_need2(need2),
        m_z1(doc.drawdat.P1.Zo), m_z2(doc.drawdat.P2.Zo),
        m_matrix(std::make_unique<ComplexMatrix>())
  {
  }

  // The solver's node order: one stamping at the first frequency gives the pattern. It also
  // tells whether the circuit has ideal elements, whose solutions get a step of refinement
  // from a copy of the stamped matrix.
  void chooseOrder(double f)
  {
    stamp(*m_matrix, f);
    m_order = fillReducingOrder(*m_matrix, m_net.nodeCount);
    if (worthRefining(*m_matrix, m_net.nodeCount)) {
      m_stamped = std::make_unique<ComplexMatrix>();
    }
    m_matrix->clearTouched(m_net.nodeCount);
    m_matrix->setNodeOrder(m_order);
  }

  // Stamps and solves at `f` and fills the point's S-parameters (an excitation that could not
  // be solved keeps the values of its last solved point). False: the matrix is singular.
  bool solve(double f, SweepPoint& point)
  {
    m_matrix->clearTouched(m_net.nodeCount); // what the last point's stamps and elimination wrote
    stamp(*m_matrix, f);
    if (m_stamped) {
      m_stamped->clearTouched(m_net.nodeCount);
      m_stamped->copyTouched(*m_matrix);
    }
    // One decomposition serves both excitations.
    const bool factored =
        (m_need1 || m_need2) && luDecomposeStamped(*m_matrix, m_net.nodeCount, m_lu, errors);
    if (factored) {
      substitute();
      point.excited1 = m_need1;
      point.excited2 = m_need2;
      if (m_noise) {
        m_noise->gather(m_sources, f, errors);
        point.noise = analyseNoise(*m_matrix, m_lu, m_net, m_sources, m_z1, m_z2, errors);
      }
    }
    const bool solved = factored || solveRefusedPoint(f, point);
    fillSParameters(point, m_volts, m_z1, m_z2);
    return solved;
  }

  // Noise analysis at every point from here on, at `kelvin`.
  void analyseNoiseToo(double kelvin)
  {
    m_noise = std::make_unique<CircuitNoise>(m_doc, m_net);
    m_sources = NoiseSources(kelvin);
  }
  const NoiseSources& noiseSources() const { return m_sources; }

  ComplexErrors errors;

private:
  void stamp(ComplexMatrix& m, double f)
  {
    m_stamps.stamp(m, f, errors);
    stampPorts(m, m_doc.drawdat, m_net);
  }

  void load(ComplexVector& v, int node, double zo)
  {
    v.clear(m_net.nodeCount);
    v[m_matrix->position(node)] = Complex{1.0 / zo, 0.0};
  }

  void read(const ComplexVector& v, Complex& atPort1, Complex& atPort2) const
  {
    atPort1 = m_net.port1Connected ? v[m_matrix->position(m_net.port1Node)] : Complex{};
    atPort2 = m_net.port2Connected ? v[m_matrix->position(m_net.port2Node)] : Complex{};
  }

  // A point the fast decomposition refused: the careful solve (lusolvercareful.h) from the
  // matrix stamped afresh, which the refused elimination has overwritten. Runs only at such
  // points, and out of line, so a sound sweep never pays for it.
  [[gnu::noinline]] bool solveRefusedPoint(double f, SweepPoint& point)
  {
    if (!m_need1 && !m_need2) {
      return false;
    }
    const bool solved = solveCarefully(f);
    if (solved) {
      point.excited1 = m_need1;
      point.excited2 = m_need2;
    }
    // The flag reports points that stay unsolved, not the fast decomposition's refusals.
    m_anyRefused = m_anyRefused || !solved;
    errors.LUSingular = m_anyRefused;
    return solved;
  }

  bool solveCarefully(double f)
  {
    if (!m_careful) {
      m_careful = std::make_unique<ComplexMatrix>();
      m_careful->setNodeOrder(m_order);
    }
    m_careful->clearTouched(m_net.nodeCount);
    stamp(*m_careful, f);
    if (m_need1) {
      load(m_b, m_net.port1Node, m_z1);
    }
    if (m_need2) {
      load(m_b2, m_net.port2Node, m_z2);
    }
    if (!carefulSolve(*m_careful, m_net.nodeCount, m_need1 ? &m_b : nullptr,
                      m_need2 ? &m_b2 : nullptr)) {
      return false;
    }
    readVoltages();
    return true;
  }

  void readVoltages()
  {
    if (m_need1) {
      read(m_b, m_volts.v1, m_volts.v2);
    }
    if (m_need2) {
      read(m_b2, m_volts.v1x, m_volts.v2x);
    }
  }

  // Both excitations from the one decomposition, in one pass over the factors.
  void substitute()
  {
    if (m_need1) {
      load(m_b, m_net.port1Node, m_z1);
    }
    if (m_need2) {
      load(m_b2, m_net.port2Node, m_z2);
    }
    if (m_need1 && m_need2) {
      luBackSubstitute(*m_matrix, m_lu, m_b, m_b2, errors);
    } else {
      luBackSubstitute(*m_matrix, m_lu, m_need1 ? m_b : m_b2, errors);
    }
    if (m_stamped) {
      if (m_need1) {
        load(m_rhs, m_net.port1Node, m_z1);
        luRefine(*m_stamped, *m_matrix, m_lu, m_rhs, m_b, errors);
      }
      if (m_need2) {
        load(m_rhs, m_net.port2Node, m_z2);
        luRefine(*m_stamped, *m_matrix, m_lu, m_rhs, m_b2, errors);
      }
    }
    readVoltages();
  }

  const Schematic& m_doc;
  const Netlist& m_net;
  CircuitStamps m_stamps;
  const bool m_need1;
  const bool m_need2;
  const double m_z1;
  const double m_z2;
  std::unique_ptr<ComplexMatrix> m_matrix;
  std::unique_ptr<ComplexMatrix> m_stamped; // only for circuits worth refining
  ComplexVector m_b;                        // port 1 driven
  ComplexVector m_b2;                       // port 2 driven
  ComplexVector m_rhs;                      // the refinement's right-hand side
  LUDecomposition m_lu;
  PortVoltages m_volts;
  // For the points the fast decomposition refuses.
  ComplexMatrix::NodeOrder m_order = ComplexMatrix::naturalOrder();
  std::unique_ptr<ComplexMatrix> m_careful; // allocated at the first such point
  bool m_anyRefused = false;                // a point that neither solve could take
  std::unique_ptr<CircuitNoise> m_noise;    // only for a run with noise analysis
  NoiseSources m_sources;
};

// The matcher's input from the point at the match frequency; the request is used up.
void deliverMatch(SimulationSession& session, const SweepPoint& point, const Schematic& doc,
                  SimulateResult& result)
{
  MatchInput input;
  input.request = session.match;
  input.request.frequency = point.freq;
  input.s11 = point.s11;
  input.s21 = point.s21raw;
  input.s12 = point.s12raw;
  input.s22 = point.s22;
  input.zo1 = doc.drawdat.P1.Zo;
  input.zo2 = doc.drawdat.P2.Zo;
  session.match.mode = matchmode::None;
  // A point that could not be solved gives the matcher nothing to work from.
  result.matchAnalysed = point.excited1 || point.excited2;
  result.match = input;
}

double matchFrequencyOf(const MatchRequest& match)
{
  const double f = match.frequency;
  return f > 0.0 && std::isfinite(f) ? f : kMinSweepFrequency;
}

} // namespace

SimulateResult checkCircuit(Schematic& doc, SimulationSession& session, Prompts& prompts)
{
  SimulateResult result;
  doc.simulated = false;
  result.netlist = buildNetlist(doc, prompts);
  const Netlist& net = result.netlist;
  if (!net.ok) {
    return result;
  }
  if (!checkCircuitValues(doc.drawdat, net, session.toleranceMode, session.random, prompts)) {
    return result;
  }
  doc.simulated = true;
  result.checked = true;
  return result;
}

void simulateCircuit(const Schematic& doc, SimulationSession& session, const SweepRequest& request,
                     SweepSink& sink, Prompts& prompts, SimulateResult& result)
{
  const Netlist& net = result.netlist;
  const bool need1 = request.excite1 && net.port1Connected;
  const bool need2 = request.excite2 && net.port2Connected;
  const bool matching = session.match.mode != matchmode::None;
  const int pointCount = matching ? 1 : request.plan.pointCount();
  PointSolver solver(doc, net, need1, need2);
  const bool noise = request.noise && net.port1Connected && net.port2Connected;
  if (noise) {
    solver.analyseNoiseToo(request.noiseKelvin);
  }
  if (pointCount > 1) {
    solver.chooseOrder(request.plan.frequency(0));
  }
  for (int i = 0; i < pointCount; ++i) {
    SweepPoint point;
    point.freq = matching ? matchFrequencyOf(session.match) : request.plan.frequency(i);
    point.port1 = net.port1Connected;
    point.port2 = net.port2Connected;
    if (!solver.solve(point.freq, point)) {
      for (const bool needed : {need1, need2}) {
        if (needed) {
          prompts.information(kMsgIllConditioned + std::to_string(i));
        }
      }
    }
    if (!point.excited1 && !point.excited2 && (need1 || need2)) {
      ++result.failedPoints;
    }
    ++result.points;
    if ((point.excited1 && !(finite(point.s11) && finite(point.s21raw))) ||
        (point.excited2 && !(finite(point.s22) && finite(point.s12raw)))) {
      ++result.nonFinitePoints;
    }
    if (matching) {
      deliverMatch(session, point, doc, result);
    }
    sink.point(i, point);
  }
  result.ran = true;
  if (noise) {
    result.noiseNotice = noiselessNotice(solver.noiseSources());
  }
  result.complexOverflow = solver.errors.ComplexOverflow;
  result.singular = solver.errors.LUSingular;
}

void reportSweepProblems(SimulateResult& result, Prompts& prompts)
{
  if (result.nonFinitePoints > 0) {
    // Never a silent row of zeros: the graph shows such points as 0, so say so.
    prompts.error(std::to_string(result.nonFinitePoints) + " of " + std::to_string(result.points) +
                  " frequency points gave no finite result (shown as 0)");
    result.failedPoints += result.nonFinitePoints;
  }
  if (result.complexOverflow) {
    prompts.information(kMsgOverflow);
  }
  if (result.singular) {
    prompts.information(kMsgSingular);
  }
}

} // namespace norvane

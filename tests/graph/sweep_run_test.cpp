// Whole simulation runs compared with closed-form results worked out here, independently of
// the engine's complex arithmetic (std::complex, two-port ABCD algebra).

#include "sim/simulate.h"

#include "graph/datalist.h"
#include "graph/sweep_support.h"
#include "sim/lusolver.h"
#include "sim/netlist_support.h"
#include "sim/results.h"
#include "sim/stamps.h"
#include "support/scriptedprompts.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <fstream>
#include <sstream>

namespace norvane {
namespace {

using testing::Circuit;
using testing::RecordingOutput;
using cd = std::complex<double>;

constexpr double kPi = 3.14159265358979323846;

void expectNear(Complex got, cd want, double tol, const std::string& what)
{
  EXPECT_NEAR(got.re, want.real(), tol) << what;
  EXPECT_NEAR(got.im, want.imag(), tol) << what;
}

void setSweep(Schematic& doc, double start, double stop, int intervals, int mode)
{
  doc.Xax.min = start;
  doc.Xax.max = stop;
  doc.Xax.numpoints = intervals;
  doc.Xax.freqmode = mode;
}

struct Run
{
  SimulateResult result;
  RecordingOutput out;
  ScriptedPrompts prompts;
};

std::unique_ptr<Run> simulate(Schematic& doc, PlotFormat format = plotformat::DataList,
                              SimulationSession* session = nullptr)
{
  auto run = std::make_unique<Run>();
  SimulationSession local;
  doc.plotformat = format;
  run->result =
      simulateForDisplay(doc, session ? *session : local, run->out, run->out.chores, run->prompts);
  return run;
}

// Two-port of ABCD parameters between ports of impedance z1 and z2.
struct SParams
{
  cd s11, s21, s12, s22;
};
SParams fromAbcd(cd a, cd b, cd c, cd d, double z1, double z2)
{
  const cd den = a * z2 + b + c * z1 * z2 + d * z1;
  SParams s;
  s.s11 = (a * z2 + b - c * z1 * z2 - d * z1) / den;
  s.s21 = 2.0 * std::sqrt(z1 * z2) / den;
  s.s12 = 2.0 * std::sqrt(z1 * z2) * (a * d - b * c) / den;
  s.s22 = (-a * z2 + b - c * z1 * z2 + d * z1) / den;
  return s;
}

void expectPoint(const SweepPoint& p, const SParams& s, double tol)
{
  const std::string at = " at f=" + std::to_string(p.freq);
  ASSERT_TRUE(p.excited1 && p.excited2) << at;
  expectNear(p.s11, s.s11, tol, "S11" + at);
  expectNear(p.s21, s.s21, tol, "S21" + at);
  expectNear(p.s12, s.s12, tol, "S12" + at);
  expectNear(p.s22, s.s22, tol, "S22" + at);
}

TEST(SweepRun, SeriesResistorResultLine)
{
  Circuit c = Circuit::series(ComponentType::Resistor, 25.0);
  setSweep(c.doc, 100e6, 200e6, 1, freqmode::Linear);
  auto run = simulate(c.doc);
  ASSERT_TRUE(run->result.ran);
  ASSERT_EQ(run->out.points.size(), 2u);
  EXPECT_EQ(formatResultFileLine(run->out.points[0]),
            "100.000000 0.200 0.000 0.800 0.000 0.800 0.000 0.200 0.000 ");
  EXPECT_TRUE(run->prompts.messages.empty());
}

TEST(SweepRun, MatchedLoadReflectsNothing)
{
  Circuit c = Circuit::shuntToGround(ComponentType::Resistor, 50.0);
  setSweep(c.doc, 1e3, 1e10, 100, freqmode::Logarithmic);
  auto run = simulate(c.doc);
  ASSERT_EQ(run->out.points.size(), 101u);
  for (const SweepPoint& p : run->out.points) {
    EXPECT_EQ(complexAbs(p.s11), 0.0);
    EXPECT_TRUE(p.excited1);
    EXPECT_FALSE(p.excited2); // only port 1 is present
    EXPECT_FALSE(p.hasS21() || p.hasS12() || p.hasS22());
  }
  const auto cells = formatDataListRow(run->out.listed.front());
  EXPECT_EQ(cells[1], "0.000");
  EXPECT_EQ(cells[3], "");
  EXPECT_EQ(cells[8], "");
  EXPECT_EQ(run->out.listRows, 102);
  // Both traces default to S11 when port 2 is missing.
  EXPECT_EQ(c.doc.Y1ax.measwhat, measwhat::S11);
  EXPECT_EQ(c.doc.Y2ax.measwhat, measwhat::S11);
  EXPECT_TRUE(run->out.port1Buttons);
  EXPECT_FALSE(run->out.port2Buttons);
}

TEST(SweepRun, SeriesRlcAgainstClosedForm)
{
  // R = 10, L = 100 nH, C = 10 pF in series between 50 ohm ports (resonance near 159 MHz).
  Circuit c;
  c.port1(100, 100);
  c.add(ComponentType::Resistor, 140, 100, 2, 10.0);
  c.add(ComponentType::Inductor, 180, 100, 2, 100e-9);
  c.add(ComponentType::Capacitor, 220, 100, 2, 10e-12);
  c.port2(260, 100);
  setSweep(c.doc, 10e6, 1e9, 200, freqmode::Logarithmic);
  auto run = simulate(c.doc);
  ASSERT_TRUE(run->result.ran) << run->prompts.lastText();
  ASSERT_EQ(run->out.points.size(), 201u);
  for (const SweepPoint& p : run->out.points) {
    const double w = 2 * kPi * p.freq;
    const cd z = 10.0 + cd(0, w * 100e-9) + 1.0 / cd(0, w * 10e-12);
    expectPoint(p, fromAbcd(1.0, z, 0.0, 1.0, 50, 50), 1e-9);
  }
}

TEST(SweepRun, ShuntResonatorAgainstClosedForm)
{
  // Parallel L and C from the common port node to ground, ports 50 and 75 ohm.
  Circuit c;
  c.port1(100, 100);        // terminal (120, 100)
  c.port2(140, 100, 1, 75); // terminal (120, 100): the same node
  c.add(ComponentType::Inductor, 120, 120, 1, 50e-9);
  c.add(ComponentType::Ground, 120, 150);
  c.add(ComponentType::Capacitor, 160, 120, 1, 20e-12);
  c.add(ComponentType::Ground, 160, 150);
  c.wire(120, 100, 160, 100);
  setSweep(c.doc, 50e6, 500e6, 90, freqmode::Linear);
  auto run = simulate(c.doc);
  ASSERT_TRUE(run->result.ran) << run->prompts.lastText();
  for (const SweepPoint& p : run->out.points) {
    const double w = 2 * kPi * p.freq;
    const cd y = 1.0 / cd(0, w * 50e-9) + cd(0, w * 20e-12);
    expectPoint(p, fromAbcd(1.0, 0.0, y, 1.0, 50, 75), 1e-9);
  }
}

TEST(SweepRun, TransmissionLineAgainstClosedForm)
{
  // A 75 ohm line, 0.3 m long at 2e8 m/s, between 50 ohm ports. The sweep avoids the
  // half-wave points where sin(theta) is exactly zero.
  Circuit c = Circuit::series(ComponentType::TxLine, 75.0);
  Component& line = c.doc.drawdat.components[1];
  line.value[2].nom = 2e8;
  line.value[3].nom = 0.3;
  setSweep(c.doc, 7e6, 997e6, 99, freqmode::Linear);
  auto run = simulate(c.doc);
  ASSERT_TRUE(run->result.ran) << run->prompts.lastText();
  ASSERT_EQ(run->out.points.size(), 100u);
  for (const SweepPoint& p : run->out.points) {
    const double theta = 2 * kPi * p.freq * 0.3 / 2e8;
    const cd a = std::cos(theta);
    const cd b = cd(0, 75.0 * std::sin(theta));
    const cd cc = cd(0, std::sin(theta) / 75.0);
    expectPoint(p, fromAbcd(a, b, cc, a, 50, 50), 1e-9);
  }
}

TEST(SweepRun, GroupDelayOfAMatchedLine)
{
  // A matched line is a pure delay: tau = length / velocity = 1.5 ns.
  Circuit c = Circuit::series(ComponentType::TxLine, 50.0);
  c.doc.drawdat.components[1].value[2].nom = 2e8;
  c.doc.drawdat.components[1].value[3].nom = 0.3;
  c.doc.Y1ax.measwhat = measwhat::S21;
  c.doc.Y1ax.tracetype = tracetype::GroupDelay;
  c.doc.Y2ax.measwhat = measwhat::S21;
  c.doc.Y2ax.tracetype = tracetype::Phase;
  setSweep(c.doc, 10e6, 1e9, 100, freqmode::Linear);
  auto run = simulate(c.doc, plotformat::Rectangular);
  ASSERT_EQ(run->out.plotted.size(), 101u);
  EXPECT_EQ(run->out.plotted[0].trace1, 0.0);
  for (std::size_t i = 1; i < run->out.plotted.size(); ++i) {
    EXPECT_NEAR(run->out.plotted[i].trace1, 1.5e-9, 1.5e-9 * 1e-5) << i;
  }
  EXPECT_NEAR(run->out.plotted[0].trace2, -360.0 * 10e6 * 1.5e-9, 1e-4);
  EXPECT_EQ(run->out.count("BeginPlot"), 1);
  EXPECT_EQ(run->out.plotformat, plotformat::Rectangular);
  EXPECT_EQ(run->out.count("DrawCursor"), 1);
  EXPECT_TRUE(run->out.listed.empty());
}

TEST(SweepRun, UnequalPortImpedances)
{
  // 25 ohm series between 50 and 75 ohm: S21 normalised by sqrt(Z1/Z2) in the list; the
  // rectangular 10Log(P) trace lies 1.761 dB below 20Log(V) of the raw coefficient.
  Circuit c = Circuit::series(ComponentType::Resistor, 25.0);
  c.doc.drawdat.P2.Zo = 75.0;
  setSweep(c.doc, 1e6, 2e6, 1, freqmode::Linear);
  auto run = simulate(c.doc);
  const SParams want = fromAbcd(1.0, 25.0, 0.0, 1.0, 50, 75);
  expectPoint(run->out.points[0], want, 1e-12);
  EXPECT_NEAR(run->out.points[0].s21raw.re, 2 * 75.0 / 150.0, 1e-12);

  c.doc.Y1ax.measwhat = measwhat::S21;
  c.doc.Y1ax.tracetype = tracetype::Log20;
  c.doc.Y2ax.measwhat = measwhat::S21;
  c.doc.Y2ax.tracetype = tracetype::Log10Power;
  auto graph = simulate(c.doc, plotformat::Rectangular);
  const PlotPoint& p = graph->out.plotted[0];
  EXPECT_NEAR(p.trace1, 20 * std::log10(1.0), 1e-9);
  EXPECT_NEAR(p.trace2 - p.trace1, 10 * std::log10(50.0 / 75.0), 1e-9);

  // The result file refuses such ports.
  SimulationSession session;
  RecordingOutput out;
  ScriptedPrompts prompts;
  prompts.fileNames.push_back("never-written.s2p");
  const SimulateResult r = exportSParameterFile(c.doc, session, out, out.chores, prompts);
  EXPECT_FALSE(r.ran);
  EXPECT_TRUE(prompts.saw(kMsgResultFilePorts));
  EXPECT_EQ(prompts.fileNames.size(), 1u);
}

TEST(SweepRun, PortsOnOneNode)
{
  // Both ports on one node with a 1e12 ohm resistor to ground: a through connection.
  Circuit c;
  c.port1(100, 100);
  c.port2(140, 100);
  c.add(ComponentType::Resistor, 120, 120, 1, 1e12);
  c.add(ComponentType::Ground, 120, 150);
  setSweep(c.doc, 1e6, 2e6, 1, freqmode::Linear);
  auto run = simulate(c.doc);
  const SweepPoint& p = run->out.points[0];
  EXPECT_NEAR(p.s11.re, 0.0, 1e-9);
  EXPECT_NEAR(p.s21.re, 1.0, 1e-9);
}

TEST(SweepRun, PortTwoAlone)
{
  Circuit c;
  c.port2(100, 100);                                 // terminal (80, 100)
  c.add(ComponentType::Resistor, 80, 120, 1, 150.0); // S22 = 0.5
  c.add(ComponentType::Ground, 80, 150);
  setSweep(c.doc, 1e6, 1e6 + 1, 1, freqmode::Linear);
  auto run = simulate(c.doc);
  ASSERT_TRUE(run->result.ran);
  const SweepPoint& p = run->out.points[0];
  EXPECT_FALSE(p.excited1);
  EXPECT_NEAR(p.s22.re, 0.5, 1e-12);
  EXPECT_EQ(formatResultFileLine(p), "1.000000 0.500 0.000 ");
  const auto cells = formatDataListRow(p);
  EXPECT_EQ(cells[1], "");
  EXPECT_EQ(cells[7], "0.500");
  EXPECT_EQ(c.doc.Y1ax.measwhat, measwhat::S22);
  EXPECT_EQ(c.doc.polarmeaswhat, measwhat::S22);
}

TEST(SweepRun, OneFactorisationServesBothPorts)
{
  // The sweep factors each point's matrix once; the answers equal solving each excitation
  // on its own copy of the matrix, bit for bit.
  Circuit c;
  c.port1(100, 100);
  c.add(ComponentType::Resistor, 140, 100, 2, 33.0);
  c.add(ComponentType::Inductor, 180, 100, 2, 47e-9);
  c.add(ComponentType::Capacitor, 200, 120, 1, 4.7e-12);
  c.add(ComponentType::Ground, 200, 150);
  c.wire(200, 100, 220, 100);
  c.add(ComponentType::TxLine, 240, 100, 2, 60.0);
  c.doc.drawdat.components.last().value[2].nom = 2.5e8;
  c.doc.drawdat.components.last().value[3].nom = 0.05;
  c.port2(280, 100, 1, 50.0);
  setSweep(c.doc, 1e6, 3e9, 50, freqmode::Logarithmic);
  auto run = simulate(c.doc);
  ASSERT_TRUE(run->result.ran) << run->prompts.lastText();
  const int n = run->result.netlist.nodeCount;
  const int n1 = run->result.netlist.port1Node;
  const int n2 = run->result.netlist.port2Node;
  for (const SweepPoint& p : run->out.points) {
    ComplexMatrix m;
    ComplexErrors errors;
    m.clear(n);
    stampComponents(m, c.doc, run->result.netlist, p.freq, errors);
    stampPorts(m, c.doc.drawdat, run->result.netlist);
    ComplexMatrix copy = m;
    ComplexVector b;
    b.clear(n);
    b[n1] = {1.0 / 50.0, 0.0};
    ASSERT_TRUE(solveComplexSystem(m, n, b, errors));
    EXPECT_EQ(p.s11.re, 2.0 * b[n1].re - 1.0);
    EXPECT_EQ(p.s11.im, 2.0 * b[n1].im);
    EXPECT_EQ(p.s21raw.re, 2.0 * b[n2].re);
    ComplexVector b2;
    b2.clear(n);
    b2[n2] = {1.0 / 50.0, 0.0};
    ASSERT_TRUE(solveComplexSystem(copy, n, b2, errors));
    EXPECT_EQ(p.s12raw.re, 2.0 * b2[n1].re);
    EXPECT_EQ(p.s12raw.im, 2.0 * b2[n1].im);
    EXPECT_EQ(p.s22.re, 2.0 * b2[n2].re - 1.0);
    EXPECT_EQ(p.s22.im, 2.0 * b2[n2].im);
  }
}

TEST(SweepRun, SingularMatrixIsReportedPerPointAndExcitation)
{
  // Node 3 lies between two 1-port blocks whose data sets are empty: they stamp nothing, so
  // its matrix row is zero at every frequency.
  Circuit c = Circuit::series(ComponentType::Resistor, 50.0); // ports on nodes 1 and 2
  c.add(ComponentType::SParam1, 160, 120, 1, 7.0);            // (160, 100) to (160, 140)
  c.add(ComponentType::SParam1, 160, 160, 1, 8.0);            // (160, 140) to (160, 180)
  c.add(ComponentType::Ground, 160, 190);
  setSweep(c.doc, 1e6, 2e6, 2, freqmode::Linear);
  auto run = simulate(c.doc);
  ASSERT_TRUE(run->result.ran);
  EXPECT_EQ(run->result.failedPoints, 3);
  EXPECT_TRUE(run->result.singular);
  std::vector<std::string> texts;
  for (const auto& m : run->prompts.messages) {
    texts.push_back(m.text);
  }
  const std::vector<std::string> want = {"matrix ill conditioned\rfreq point0",
                                         "matrix ill conditioned\rfreq point0",
                                         "matrix ill conditioned\rfreq point1",
                                         "matrix ill conditioned\rfreq point1",
                                         "matrix ill conditioned\rfreq point2",
                                         "matrix ill conditioned\rfreq point2",
                                         "cLUmatherror"};
  EXPECT_EQ(texts, want);
  // The list and the file get no values for such points.
  for (const SweepPoint& p : run->out.listed) {
    EXPECT_EQ(formatResultFileLine(p), "");
    EXPECT_EQ(formatDataListRow(p)[1], "");
  }
}

TEST(SweepRun, RefusedCircuitDoesNotSweep)
{
  Circuit c;
  c.add(ComponentType::Resistor, 200, 120, 1, 50.0);
  RecordingOutput out;
  ScriptedPrompts prompts;
  SimulationSession session;
  c.doc.simulated = true;
  const SimulateResult r = simulateForDisplay(c.doc, session, out, out.chores, prompts);
  EXPECT_FALSE(r.ran);
  EXPECT_FALSE(c.doc.simulated);
  EXPECT_TRUE(prompts.saw(kMsgPlacePort));
  EXPECT_TRUE(out.points.empty());
  EXPECT_EQ(out.count("BeginPlot"), 0);
  EXPECT_EQ(out.repaints, 1); // the markers are shown
}

TEST(SweepRun, SweepLimitsAreCorrectedAndClamped)
{
  Circuit c = Circuit::shuntToGround(ComponentType::Resistor, 50.0);
  setSweep(c.doc, 0.0, 1e6, 1000, freqmode::Linear);
  auto run = simulate(c.doc);
  EXPECT_EQ(c.doc.Xax.min, 0.001);
  EXPECT_EQ(c.doc.Xax.numpoints, 500);
  EXPECT_EQ(run->out.points.size(), 501u);
  EXPECT_EQ(run->out.points.front().freq, 0.001);
  EXPECT_EQ(run->out.listRows, 502);
  EXPECT_EQ(run->out.listRowNumbers.back(), 501);
  EXPECT_EQ(run->out.sweepStart, 0.001);
}

TEST(SweepRun, AutoscaleQuestionAsksOnce)
{
  Circuit c = Circuit::series(ComponentType::Resistor, 25.0);
  TwoPortDataSet& set = c.doc.datasets.twoPort[1];
  TwoPortPoint a;
  a.freq = 1e9;
  TwoPortPoint b;
  b.freq = 2e9;
  set.points.append(a);
  set.points.append(b);
  setSweep(c.doc, 0.5e9, 2e9, 10, freqmode::Linear);
  SimulationSession session;
  auto first = simulate(c.doc, plotformat::DataList, &session);
  EXPECT_TRUE(first->prompts.saw(kMsgAutoscale));
  EXPECT_TRUE(session.warned);
  EXPECT_TRUE(first->out.sDataWarning);
  EXPECT_EQ(c.doc.Xax.min, 0.5e9); // answered No
  auto second = simulate(c.doc, plotformat::DataList, &session);
  EXPECT_FALSE(second->prompts.saw(kMsgAutoscale));
  EXPECT_TRUE(second->out.sDataWarning);
  setSweep(c.doc, 1.1e9, 1.9e9, 10, freqmode::Linear);
  auto inside = simulate(c.doc, plotformat::DataList, &session);
  EXPECT_FALSE(session.warned);
  EXPECT_FALSE(inside->out.sDataWarning);
  // Out of range again: asked again; Yes fits the sweep to the data.
  setSweep(c.doc, 0.5e9, 2e9, 10, freqmode::Linear);
  RecordingOutput out;
  ScriptedPrompts prompts;
  prompts.answers.push_back(Answer::Yes);
  simulateForDisplay(c.doc, session, out, out.chores, prompts);
  EXPECT_TRUE(prompts.saw(kMsgAutoscale));
  EXPECT_EQ(c.doc.Xax.min, 1e9);
  EXPECT_EQ(c.doc.Xax.max, 2e9);
  EXPECT_FALSE(out.sDataWarning);
}

TEST(SweepRun, StabilityCirclesNeedBothPorts)
{
  Circuit c = Circuit::shuntToGround(ComponentType::Resistor, 50.0);
  setSweep(c.doc, 1e6, 2e6, 1, freqmode::Linear);
  RecordingOutput out;
  out.circles = true;
  ScriptedPrompts prompts;
  SimulationSession session;
  c.doc.plotformat = plotformat::SmithZ;
  simulateForDisplay(c.doc, session, out, out.chores, prompts);
  EXPECT_TRUE(prompts.saw(kMsgCirclesOneport));
  EXPECT_EQ(out.count("turnOffStabilityCircles"), 1);
  EXPECT_EQ(out.plotted.size(), 2u);
}

TEST(SweepRun, ChartCoefficientAndCircles)
{
  // The chart plots S21 normalised by the port impedances.
  Circuit c = Circuit::series(ComponentType::Resistor, 25.0);
  c.doc.drawdat.P2.Zo = 75.0;
  setSweep(c.doc, 1e6, 2e6, 1, freqmode::Linear);
  c.doc.polarmeaswhat = measwhat::S21;
  auto chart = simulate(c.doc, plotformat::Polar);
  ASSERT_EQ(chart->out.plotted.size(), 2u);
  const SParams want = fromAbcd(1.0, 25.0, 0.0, 1.0, 50, 75);
  EXPECT_NEAR(chart->out.plotted[0].trace1, want.s21.real(), 1e-12);
  EXPECT_NEAR(chart->out.plotted[0].trace2, want.s21.imag(), 1e-12);

  // An L-pad (25 ohm series, 100 ohm shunt) is passive and lossy: unconditionally stable,
  // k > 1. Here |S11| < |Delta|, so the circle (radius negative) encloses the chart centre,
  // which is a stable source: the region outside the circle is the unstable one (negative).
  Circuit pad = Circuit::series(ComponentType::Resistor, 25.0);
  pad.add(ComponentType::Resistor, 180, 120, 1, 100.0);
  pad.add(ComponentType::Ground, 180, 150);
  setSweep(pad.doc, 1e6, 2e6, 1, freqmode::Linear);
  pad.doc.polarmeaswhat = measwhat::S11;
  RecordingOutput out;
  out.circles = true;
  ScriptedPrompts prompts;
  SimulationSession session;
  pad.doc.plotformat = plotformat::SmithZ;
  simulateForDisplay(pad.doc, session, out, out.chores, prompts);
  ASSERT_EQ(out.plotted.size(), 2u);
  const SParams s = fromAbcd(1.25, 25.0, 0.01, 1.0, 50, 50);
  const cd delta = s.s11 * s.s22 - s.s12 * s.s21;
  const double k =
      (1 - std::norm(s.s11) - std::norm(s.s22) + std::norm(delta)) / (2 * std::abs(s.s12 * s.s21));
  EXPECT_GT(k, 1.0);
  EXPECT_NEAR(out.plotted[0].stability, -k, 1e-12);
  EXPECT_LT(out.plotted[0].circleRadius, 0.0);
  EXPECT_NEAR(out.plotted[0].trace1, s.s11.real(), 1e-12);
}

TEST(SweepRun, ToleranceModeChangesTheValues)
{
  Circuit c = Circuit::shuntToGround(ComponentType::Resistor, 100.0);
  ToleranceValue& r = c.doc.drawdat.components[1].value[1];
  r.TolEn = true;
  r.TolPercent = true;
  r.mintol = -50;
  r.maxtol = 50;
  setSweep(c.doc, 1e6, 2e6, 1, freqmode::Linear);
  SimulationSession session;
  session.toleranceMode = tolerancemode::Lower; // 50 ohm: matched
  auto low = simulate(c.doc, plotformat::DataList, &session);
  EXPECT_NEAR(complexAbs(low->out.points[0].s11), 0.0, 1e-12);
  session.toleranceMode = tolerancemode::Upper; // 150 ohm: S11 = 0.5
  auto high = simulate(c.doc, plotformat::DataList, &session);
  EXPECT_NEAR(high->out.points[0].s11.re, 0.5, 1e-12);
  EXPECT_EQ(r.actual, 150.0);
  // Random runs with the same seed repeat.
  session.toleranceMode = tolerancemode::Random;
  session.random.setSeed(99);
  auto r1 = simulate(c.doc, plotformat::DataList, &session);
  session.random.setSeed(99);
  auto r2 = simulate(c.doc, plotformat::DataList, &session);
  EXPECT_EQ(r1->out.points[0].s11.re, r2->out.points[0].s11.re);
  // A multi-sweep run neither repaints nor draws the cursor.
  session.toleranceMode = tolerancemode::MultiSweep;
  auto multi = simulate(c.doc, plotformat::Rectangular, &session);
  EXPECT_EQ(multi->out.repaints, 0);
  EXPECT_EQ(multi->out.count("DrawCursor"), 0);
}

TEST(SweepRun, MatchRequestAnalysesOneFrequency)
{
  // The run honours the request at the match frequency only and hands the S-parameters there
  // back to the matcher; inserting the network is the matcher's (assist/automatch), so the
  // drawing is left as it was.
  Circuit c = Circuit::shuntToGround(ComponentType::Resistor, 100.0);
  setSweep(c.doc, 10e6, 1e9, 100, freqmode::Logarithmic);
  SimulationSession session;
  session.match.mode = matchmode::Port1;
  session.match.frequency = 100e6;
  auto matching = simulate(c.doc, plotformat::Rectangular, &session);
  EXPECT_EQ(matching->out.points.size(), 1u);
  EXPECT_EQ(matching->out.points[0].freq, 100e6);
  EXPECT_EQ(session.match.mode, matchmode::None);
  ASSERT_TRUE(matching->result.matchAnalysed);
  EXPECT_EQ(matching->result.match.request.mode, matchmode::Port1);
  EXPECT_EQ(matching->result.match.request.frequency, 100e6);
  EXPECT_NEAR(matching->result.match.s11.re, 1.0 / 3.0, 1e-12); // 100 ohm in 50 ohm
  EXPECT_EQ(matching->result.match.zo1, 50.0);
  EXPECT_EQ(c.doc.drawdat.components.count(), 2);

  // Without a request nothing is handed back.
  auto plain = simulate(c.doc, plotformat::DataList, &session);
  EXPECT_FALSE(plain->result.matchAnalysed);
}

TEST(SweepRun, ExportWritesTheResultFile)
{
  Circuit c = Circuit::series(ComponentType::Resistor, 25.0);
  setSweep(c.doc, 100e6, 1.5e9, 2, freqmode::Linear);
  const testing::TestFolder scratch("SweepRun.ExportWritesTheResultFile");
  const std::string path = scratch.file("engine_export.s2p");
  SimulationSession session;
  RecordingOutput out;
  ScriptedPrompts prompts;
  prompts.fileNames.push_back(path);
  c.doc.plotformat = plotformat::SmithZ;
  const SimulateResult r = exportSParameterFile(c.doc, session, out, out.chores, prompts);
  EXPECT_TRUE(r.fileWritten);
  EXPECT_EQ(c.doc.plotformat, plotformat::SmithZ);
  EXPECT_EQ(out.count("BeginPlot"), 0); // the plotted points survive an export
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "! Kestrel S parameter simulation result\r\n"
                        "# MHz MA\r\n"
                        "100.000000 0.200 0.000 0.800 0.000 0.800 0.000 0.200 0.000 \r\n"
                        "800.000000 0.200 0.000 0.800 0.000 0.800 0.000 0.200 0.000 \r\n"
                        "1500.000000 0.200 0.000 0.800 0.000 0.800 0.000 0.200 0.000 \r\n");

  // Cancelling the file dialog fills the data list instead.
  RecordingOutput out2;
  ScriptedPrompts cancel;
  exportSParameterFile(c.doc, session, out2, out2.chores, cancel);
  EXPECT_EQ(out2.listed.size(), 3u);

  // A file that cannot be created ends the export with the file error.
  RecordingOutput out3;
  ScriptedPrompts bad;
  bad.fileNames.push_back(scratch.file("no-such-dir/x.s2p"));
  const SimulateResult r3 = exportSParameterFile(c.doc, session, out3, out3.chores, bad);
  EXPECT_FALSE(r3.fileWritten);
  EXPECT_TRUE(bad.saw("Path not found"));
}

TEST(SweepRun, BadPortImpedance)
{
  Circuit c = Circuit::series(ComponentType::Resistor, 25.0);
  c.doc.drawdat.P2.Zo = -50.0;
  auto run = simulate(c.doc);
  EXPECT_FALSE(run->result.ran);
  EXPECT_TRUE(run->prompts.saw("Port 2 impedance Zo must be a positive number"));
  c.doc.drawdat.P2.Zo = 0.0; // taken as 1e-6 ohm, as the port dialog would
  auto shorted = simulate(c.doc);
  EXPECT_TRUE(shorted->result.ran);
  EXPECT_EQ(c.doc.drawdat.P2.Zo, 1e-6);
}

} // namespace
} // namespace norvane

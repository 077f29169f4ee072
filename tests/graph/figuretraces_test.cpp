// The stability, gain and port-figure traces (K, |Delta|, Mu, MAG/MSG, VSWR, Re Z, Im Z) and
// the stability read-out of the charts, fed by real simulation runs of an S-parameter block.

#include "graph/graphwindowcore.h"

#include "document/pins.h"
#include "document/placement.h"
#include "graph/graph_support.h"
#include "graph/tracekinds.h"
#include "numbers/valuetext.h"
#include "sim/simulate.h"
#include "sim/twoportmeasures.h"
#include "support/scriptedprompts.h"
#include "support/transistorblock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <memory>
#include <optional>
#include <vector>

namespace norvane {
namespace {

class FigureTraces : public ::testing::Test
{
protected:
  void use(Schematic circuit)
  {
    doc = std::move(circuit);
    core = std::make_unique<GraphWindowCore>(doc, env, host);
    host.core = core.get();
  }

  // One display run; the sweep points as the simulation computed them.
  void run()
  {
    swept.clear();
    MainWindowChores chores;
    chores.sweepPoint = [this](int, const SweepPoint& p) { swept.push_back(p); };
    result = simulateForDisplay(doc, session, *core, chores, prompts);
    ASSERT_TRUE(result.ran);
    ASSERT_EQ(core->points().count(), static_cast<int>(swept.size()));
  }

  Environment env;
  Schematic doc;
  TestHost host;
  std::unique_ptr<GraphWindowCore> core;
  SimulationSession session;
  ScriptedPrompts prompts;
  SimulateResult result;
  std::vector<SweepPoint> swept;
};

// What a trace of this kind must show, port 1 (S11, S21) or port 2 (S12, S22).
std::optional<double> expectedFigure(TraceType kind, int port, const TwoPortMeasures& m)
{
  const std::optional<Complex>& z = port == 1 ? m.zin : m.zout;
  switch (kind) {
  case tracetype::StabilityK:
    return m.k;
  case tracetype::DeltaMagnitude:
    return m.delta;
  case tracetype::Mu:
    return port == 1 ? m.mu1 : m.mu2;
  case tracetype::MaxGain:
    return m.gainDb;
  case tracetype::Vswr:
    return port == 1 ? m.vswr1 : m.vswr2;
  case tracetype::ResistanceZ:
    return z->re;
  case tracetype::ReactanceZ:
    return z->im;
  default:
    return std::nullopt;
  }
}

TEST_F(FigureTraces, TransistorTracesAreItsTwoPortFigures)
{
  use(testing::transistorCircuit());
  doc.plotformat = plotformat::Rectangular;
  int stable = 0, unstable = 0;
  for (int code = static_cast<int>(tracetype::StabilityK);
       code <= static_cast<int>(tracetype::ReactanceZ); ++code) {
    const auto kind = static_cast<TraceType>(code);
    // Trace 1 on S21 (port 1), trace 2 on S22 (port 2): the run must solve both excitations
    // even for the port figures, each of which alone needs only its own.
    doc.Y1ax = {0, 10, measwhat::S21, kind};
    doc.Y2ax = {0, 10, measwhat::S22, kind};
    run();
    for (std::size_t i = 0; i < swept.size(); ++i) {
      const TwoPortMeasures m = twoPortMeasures(swept[i], 50, 50);
      const PlotPoint& p = core->points().at(static_cast<int>(i) + 1);
      ASSERT_TRUE(expectedFigure(kind, 1, m) && expectedFigure(kind, 2, m));
      EXPECT_DOUBLE_EQ(p.trace1, *expectedFigure(kind, 1, m)) << code << " at " << p.freq;
      EXPECT_DOUBLE_EQ(p.trace2, *expectedFigure(kind, 2, m)) << code << " at " << p.freq;
      if (kind == tracetype::StabilityK) (*m.k > 1 && *m.delta < 1 ? stable : unstable)++;
    }
  }
  // The band holds both: the figures were checked where the two-port is stable and not.
  EXPECT_GT(stable, 3);
  EXPECT_GT(unstable, 3);
  EXPECT_EQ(traceLegendText(doc.Y1ax), "Im Zin (ohm)");
  EXPECT_EQ(traceLegendText(doc.Y2ax), "Im Zout (ohm)");

  // Both traces on S11: the two-port figure alone asks for port 2's excitation as well.
  doc.Y1ax = {0, 4, measwhat::S11, tracetype::StabilityK};
  doc.Y2ax = {-40, 10, measwhat::S11, tracetype::Log20};
  run();
  for (std::size_t i = 0; i < swept.size(); ++i) {
    ASSERT_TRUE(swept[i].excited2);
    EXPECT_DOUBLE_EQ(core->points().at(static_cast<int>(i) + 1).trace1,
                     *twoPortMeasures(swept[i], 50, 50).k);
  }

  // MAG/MSG: MSG at the low end where K < 1, MAG at the top; the read-out says which.
  doc.Y1ax = {-10, 40, measwhat::S21, tracetype::MaxGain};
  doc.Y2ax = {0, 2, measwhat::S22, tracetype::Mu};
  run();
  core->cursorChanged(1);
  EXPECT_EQ(core->readouts().value1.substr(0, 4), "MSG ");
  core->cursorChanged(core->cursorMaximum());
  EXPECT_EQ(core->readouts().value1.substr(0, 4), "MAG ");
  EXPECT_EQ(core->readouts().value1,
            "MAG " + traceValueText(tracetype::MaxGain,
                                    *twoPortMeasures(swept.back(), 50, 50).gainDb, 2));
  // The legend of the run's own picture, drawn again once every point is in.
  EXPECT_TRUE(host.canvas.findText("MAG/MSG").has_value());
  EXPECT_TRUE(host.canvas.findText("mu2").has_value());
}

TEST_F(FigureTraces, MatchedPadIsStableAndItsMaximumGainIsItsInsertionLoss)
{
  use(testing::matchedPadCircuit());
  doc.plotformat = plotformat::Rectangular;
  doc.Y1ax = {-10, 10, measwhat::S21, tracetype::MaxGain};
  doc.Y2ax = {0, 4, measwhat::S21, tracetype::StabilityK};
  run();
  for (int i = 1; i <= core->points().count(); ++i) {
    const PlotPoint& p = core->points().at(i);
    EXPECT_NEAR(p.trace1, 20 * std::log10(0.5), 1e-9) << p.freq;
    EXPECT_GT(p.trace2, 1.0);
  }
  EXPECT_TRUE(host.canvas.findText("MAG").has_value());
  EXPECT_FALSE(host.canvas.findText("MAG/MSG").has_value());

  // On a Smith chart with stability circles the read-out says so.
  doc.plotformat = plotformat::SmithZ;
  doc.polarmeaswhat = measwhat::S11;
  core->setStabilityCircles(true);
  run();
  EXPECT_EQ(core->readouts().stabilityVerdict, "unconditionally stable");
}

TEST_F(FigureTraces, ChartReadoutNamesTheUnstableBandAndTheFiguresAtTheCursor)
{
  use(testing::transistorCircuit());
  doc.plotformat = plotformat::SmithZ;
  doc.polarmeaswhat = measwhat::S22;
  core->setStabilityCircles(true);
  run();
  // The last potentially unstable point, worked out here from the S-parameters.
  double lastUnstable = 0;
  for (const SweepPoint& p : swept) {
    using C = std::complex<double>;
    const C s11{p.s11.re, p.s11.im}, s21{p.s21.re, p.s21.im}, s12{p.s12.re, p.s12.im},
        s22{p.s22.re, p.s22.im};
    const C d = s11 * s22 - s12 * s21;
    const double k =
        (1 - std::norm(s11) - std::norm(s22) + std::norm(d)) / (2 * std::abs(s12 * s21));
    if (!(k > 1 && std::abs(d) < 1)) lastUnstable = p.freq;
  }
  ASSERT_GT(lastUnstable, 100e6);
  ASSERT_LT(lastUnstable, 2e9);
  char hz[32];
  std::snprintf(hz, sizeof hz, "%.4g MHz", lastUnstable / 1e6);
  EXPECT_EQ(core->readouts().stabilityVerdict,
            std::string("Potentially unstable: 100 MHz - ") + hz);
  // The figures at the cursor: the port-2 chart shows mu2.
  core->cursorChanged(1);
  const TwoPortMeasures m = twoPortMeasures(swept.front(), 50, 50);
  const std::vector<std::string>& lines = core->readouts().stabilityLines;
  EXPECT_EQ(lines,
            (std::vector<std::string>{"Potentially", "unstable:", "100 MHz -", hz,
                                      "K=" + formatLevel(*m.k, 3), "mu2=" + formatLevel(*m.mu2, 3),
                                      "MSG=" + formatLevel(*m.gainDb, 3) + "dB"}));
}

TEST_F(FigureTraces, OnePortCircuitLeavesTwoPortTracesAtZeroWithANotice)
{
  // Port 1, 25 ohm to ground: S11 = -1/3.
  Schematic oneport;
  clearSchematic(oneport, env);
  oneport.drawdat.P1 = {{100, 100}, {}, 50, false, 1};
  oneport.drawdat.P1.node = portConnectionPoint(1, oneport.drawdat.P1);
  const PlacementResult r = placeComponent(oneport, ComponentType::Resistor, 2, {140, 100});
  oneport.drawdat.components[r.index].value[1].nom = 25;
  placeComponent(oneport, ComponentType::Ground, 1, {160, 110});
  oneport.Xax = {1e6, 1e8, 10, false, freqmode::Linear};
  use(oneport);
  doc.plotformat = plotformat::Rectangular;
  doc.Y1ax = {0, 4, measwhat::S11, tracetype::StabilityK};
  doc.Y2ax = {1, 10, measwhat::S11, tracetype::Vswr};
  run();
  ASSERT_GT(core->points().count(), 1);
  for (int i = 1; i <= core->points().count(); ++i) {
    const PlotPoint& p = core->points().at(i);
    EXPECT_EQ(p.trace1, 0.0);
    EXPECT_NEAR(p.trace2, 2.0, 1e-9); // port 1's VSWR needs only port 1
  }
  host.repaintGraph();
  EXPECT_TRUE(host.canvas.findText("K (needs both ports)").has_value());
  EXPECT_TRUE(host.canvas.findText("VSWR1").has_value());
}

} // namespace
} // namespace norvane

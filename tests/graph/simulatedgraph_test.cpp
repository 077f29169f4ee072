// The graph window fed by real simulation runs: a 25 ohm resistor in series between two
// 50 ohm ports has S11 = S22 = 0.2 and S21 = S12 = 0.8 at every frequency.

#include "graph/graphwindowcore.h"

#include "config/environment.h"
#include "document/clearschematic.h"
#include "document/pins.h"
#include "graph/graph_support.h"
#include "numbers/valuetext.h"
#include "sim/simulate.h"
#include "support/scriptedprompts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace norvane {
namespace {

class SimulatedGraph : public ::testing::Test
{
protected:
  SimulatedGraph()
  {
    clearSchematic(doc, env);
    doc.drawdat.P1.pos = {100, 100}; // connects at (120, 100)
    doc.drawdat.P1.crot = 1;
    doc.drawdat.P2.pos = {180, 100}; // connects at (160, 100)
    doc.drawdat.P2.crot = 1;
    Component r;
    r.ctype = ComponentType::Resistor;
    r.crot = 2; // pins (120, 100) and (160, 100)
    r.position = {140, 100};
    r.value[1].nom = r.value[1].actual = 25.0;
    computePinPositions(r);
    doc.drawdat.components.append(r);
    doc.Xax = {1e6, 1e8, 10, false, freqmode::Linear};
    core = std::make_unique<GraphWindowCore>(doc, env, host);
    host.core = core.get();
    host.onSimulate = [this] { result = simulateForDisplay(doc, session, *core, {}, prompts); };
  }

  Environment env;
  Schematic doc;
  TestHost host;
  std::unique_ptr<GraphWindowCore> core;
  SimulationSession session;
  ScriptedPrompts prompts;
  SimulateResult result;
};

TEST_F(SimulatedGraph, RectangularTracesAndReadouts)
{
  doc.plotformat = plotformat::Rectangular;
  doc.Y1ax = {-40, 10, measwhat::S21, tracetype::Log20};
  doc.Y2ax = {-40, 10, measwhat::S11, tracetype::Log20};
  host.simulate();
  ASSERT_TRUE(result.ran);
  EXPECT_EQ(core->points().count(), 11);
  EXPECT_EQ(core->cursorMaximum(), 11);
  EXPECT_TRUE(core->port1Present());
  EXPECT_TRUE(core->port2Present());
  EXPECT_EQ(core->readouts().frequency, "f=1MHz");
  EXPECT_EQ(core->readouts().value1, formatFixed(20 * std::log10(0.8), 2) + "dB");
  EXPECT_EQ(core->readouts().value2, formatFixed(20 * std::log10(0.2), 2) + "dB");
  // The traces are flat: trace 1 at -1.94 dB of a -40..10 dB axis 300 pixels high.
  const int y1 = static_cast<int>(std::nearbyint(300 - (20 * std::log10(0.8) + 40) * 6));
  EXPECT_TRUE(host.canvas.hasLine(0, y1, 40, y1) || host.canvas.hasLine(0, y1, 40, y1 + 1) ||
              host.canvas.hasLine(0, y1, 40, y1 - 1));
  core->cursorChanged(11);
  EXPECT_EQ(core->readouts().frequency, "f=100MHz");
}

TEST_F(SimulatedGraph, SmithChartOfPortTwo)
{
  doc.plotformat = plotformat::SmithZ;
  doc.polarmeaswhat = measwhat::S22;
  host.simulate();
  ASSERT_TRUE(result.ran);
  const GraphReadouts& r = core->readouts();
  EXPECT_EQ(r.value1, "0.2");
  EXPECT_EQ(r.value2, "0.00Deg");
  EXPECT_EQ(r.impedance.resistance, " 75R"); // 25 ohm in series with the 50 ohm port 1
  EXPECT_EQ(r.impedance.reactance, "+j0R");
  EXPECT_EQ(r.chartZo, "50R");
  // Γ = 0.2 sits 0.2·R right of the centre: 200 + 0.2·140 = 228.
  bool found = false;
  for (const CanvasOp& op : host.canvas.opsOfKind(CanvasOp::Kind::Rectangle))
    if (op.pen.mode == PenMode::Not && op.points[0] == CanvasPoint{226, 148}) found = true;
  EXPECT_TRUE(found);

  // Circles on: a passive network is stable everywhere; the run supplies the circle values.
  core->setStabilityCircles(true);
  ASSERT_TRUE(result.ran);
  EXPECT_TRUE(core->readouts().legendVisible);
  EXPECT_EQ(core->readouts().legendPort, "Port 2");
  EXPECT_NE(core->points().at(1).stability, 0.0);
}

TEST_F(SimulatedGraph, OnePortCircuitTurnsCirclesOffAndDisablesButtons)
{
  doc.drawdat.P2.pos = kPortNotPlaced;
  Component g;
  g.ctype = ComponentType::Ground;
  g.crot = 1;
  g.position = {160, 110}; // pin at (160, 100)
  computePinPositions(g);
  doc.drawdat.components.append(g);
  doc.plotformat = plotformat::SmithZ;
  doc.polarmeaswhat = measwhat::S11;
  core->setStabilityCircles(true);
  ASSERT_TRUE(result.ran);
  EXPECT_FALSE(core->stabilityCircles());
  EXPECT_EQ(core->panelState().parameterEnabled, (std::array<bool, 4>{true, false, false, false}));
  EXPECT_EQ(core->readouts().impedance.resistance, " 25R");
}

TEST_F(SimulatedGraph, DataListRowsForTheWindowAndThePrintout)
{
  doc.plotformat = plotformat::DataList;
  host.simulate();
  ASSERT_TRUE(result.ran);
  EXPECT_EQ(core->points().count(), 0); // no plotting in list mode
  ASSERT_EQ(core->dataListRows().size(), 11u);
  const DataListRow& first = core->dataListRows().front();
  EXPECT_EQ(first[0], "1MHz");
  EXPECT_EQ(first[1], "0.200");
  EXPECT_EQ(first[3], "0.800");
  EXPECT_EQ(core->dataListRows().back()[0], "100MHz");
  EXPECT_EQ(core->panelState().view, GraphView::List);

  // A later graph run leaves the list as it was.
  doc.plotformat = plotformat::Rectangular;
  host.simulate();
  EXPECT_EQ(core->dataListRows().size(), 11u);
}

} // namespace
} // namespace norvane

// The graph's noise traces and noise circles on the low-noise amplifier example, against the
// command line's noise figures of the same file.

#include "cli_support.h"
#include "graph/graph_support.h"

#include "config/environment.h"
#include "document/clearschematic.h"
#include "document/schematicreader.h"
#include "graph/graphwindowcore.h"
#include "graph/measuretraces.h"
#include "sim/simulate.h"
#include "support/scriptedprompts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace norvane {
namespace {

const std::string kLna = std::string(NORVANE_SOURCE_DIR) + "/examples/lna.cct";

// The nf_db and nfmin_db columns of `simulate --format csv --measures nf_db,nfmin_db`.
std::vector<std::vector<double>> cliNoise()
{
  const testing::CliRun run =
      testing::runCli({"simulate", kLna, "--format", "csv", "--measures", "nf_db,nfmin_db"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  std::vector<std::vector<double>> rows;
  std::istringstream in(run.out);
  std::string line;
  std::getline(in, line);
  EXPECT_TRUE(line.ends_with(",nf_db,nfmin_db")) << line;
  while (std::getline(in, line)) {
    const std::size_t last = line.rfind(',');
    const std::size_t before = line.rfind(',', last - 1);
    rows.push_back(
        {std::stod(line.substr(before + 1, last - before - 1)), std::stod(line.substr(last + 1))});
  }
  return rows;
}

class LnaGraph : public ::testing::Test
{
protected:
  void SetUp() override
  {
    clearSchematic(doc, env);
    ASSERT_TRUE(loadSchematic(doc, kLna).ok());
    core = std::make_unique<GraphWindowCore>(doc, env, host);
    host.core = core.get();
  }
  void run() { ASSERT_TRUE(simulateForDisplay(doc, session, *core, {}, prompts).ran); }

  Environment env;
  Schematic doc;
  TestHost host;
  std::unique_ptr<GraphWindowCore> core;
  SimulationSession session;
  ScriptedPrompts prompts;
};

TEST_F(LnaGraph, NoiseTracesShowTheCommandLinesNoiseFigures)
{
  // The example opens with NF on trace 1; trace 2 is switched to NFmin here.
  ASSERT_EQ(doc.Y1ax.tracetype, tracetype::NoiseFigure);
  doc.Y2ax.tracetype = tracetype::MinNoiseFigure;
  run();
  const std::vector<std::vector<double>> cli = cliNoise();
  ASSERT_EQ(static_cast<int>(cli.size()), core->points().count());
  ASSERT_EQ(cli.size(), 101u);
  for (std::size_t i = 0; i < cli.size(); ++i) {
    const PlotPoint& p = core->points().at(static_cast<int>(i) + 1);
    EXPECT_NEAR(p.trace1, cli[i][0], 1e-9) << p.freq;
    EXPECT_NEAR(p.trace2, cli[i][1], 1e-9) << p.freq;
    // The matching makes the noise figure no lower than the transistor's least.
    EXPECT_GE(p.trace1, p.trace2 - 1e-9) << p.freq;
  }
  // Noise match near 1.5 GHz: NF within a few hundredths of a dB of NFmin there.
  const PlotPoint& mid = core->points().at(50);
  EXPECT_NEAR(mid.trace1, mid.trace2, 0.05) << mid.freq;
}

TEST_F(LnaGraph, OnePortCircuitSaysTheNoiseTraceNeedsBothPorts)
{
  EXPECT_EQ(missingPortNotice(doc.Y1ax, true, false), " (needs both ports)");
  EXPECT_EQ(measureLegendText(doc.Y1ax), "NF dB");
}

TEST_F(LnaGraph, NoiseCirclesAtTheCursorWithTheirReadouts)
{
  doc.plotformat = plotformat::SmithZ;
  core->setNoiseCircles(true);
  host.onSimulate = [this] { run(); };
  run();
  core->cursorChanged(51); // 1.5 GHz
  const auto set = core->noiseCirclesAtCursor();
  ASSERT_TRUE(set.has_value());
  // Lossless matching keeps the transistor's NFmin (its file's 0.89 dB at 1.5 GHz) and, being
  // designed for it, brings the amplifier's Gamma-opt near the chart's centre.
  EXPECT_NEAR(set->nfminDb, 0.89, 1e-3);
  EXPECT_LT(std::hypot(set->gammaOpt.re, set->gammaOpt.im), 0.1);
  EXPECT_EQ(set->noise.size(), 4u);
  EXPECT_FALSE(set->gain.empty());
  const GraphReadouts& r = core->readouts();
  ASSERT_TRUE(r.noiseVisible);
  ASSERT_GE(r.noiseLines.size(), 8u);
  EXPECT_EQ(r.noiseLines[0], "NFmin=0.89dB");
  EXPECT_EQ(r.noiseLines[4], "NF 1.39dB");
  // Off again: the read-out panel goes and no circles are computed.
  core->setNoiseCircles(false);
  EXPECT_FALSE(core->noiseCirclesAtCursor());
  EXPECT_FALSE(core->readouts().noiseVisible);
}

} // namespace
} // namespace norvane

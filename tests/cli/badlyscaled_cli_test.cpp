// A circuit whose nodal matrix is well defined but badly scaled: a chain of 28 nodes of
// resistors, inductors and capacitors with shunts to ground, a current-controlled current
// source and a current-controlled voltage source whose sensing branches (1e9 and 1e7 S) join
// nodes that see only 100 pF to ground. Near 1.5 MHz the sweep's decomposition meets, at three
// points, a pivot that cancels to within its own rounding and gives up, although the matrix
// (condition number about 5e11 once its rows and columns are scaled) has a well determined
// solution. "simulate" must solve every point, and its S-parameters must agree with a plain
// long double solve with full pivoting of the same stamped matrices.

#include "cli_support.h"
#include "sim/lusolver_support.h"

#include "document/schematicreader.h"
#include "sim/simulate.h"
#include "sim/stamps.h"
#include "support/scriptedprompts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <complex>
#include <iostream>
#include <memory>
#include <vector>

namespace norvane {
namespace {

using testing::readSimulateCsv;
using testing::runCli;
using testing::SParameterPoint;
using LC = lutest::LC;

const std::string kCircuit =
    std::string(NORVANE_SOURCE_DIR) + "/tests/data/solver/sources_badly_scaled.cct";

TEST(BadlyScaledCircuit, EveryPointIsSolvedAndAgreesWithALongDoubleSolve)
{
  const testing::CliRun run = runCli({"simulate", kCircuit, "--format", "csv"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err.find("ill conditioned"), std::string::npos) << run.err;
  const std::vector<SParameterPoint> rows = readSimulateCsv(run.out);

  // The reference: the same circuit stamped at every point and solved independently.
  auto doc = std::make_unique<Schematic>();
  ASSERT_TRUE(loadSchematic(*doc, kCircuit));
  SimulationSession session;
  ScriptedPrompts prompts;
  const SimulateResult checked = checkCircuit(*doc, session, prompts);
  ASSERT_TRUE(checked.checked);
  const int n = checked.netlist.nodeCount;
  const int p1 = checked.netlist.port1Node;
  const int p2 = checked.netlist.port2Node;
  ASSERT_EQ(n, 28);
  const SweepPlan plan = planSweep(*doc);
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(plan.pointCount()));

  double worst = 0.0;
  for (int i = 0; i < plan.pointCount(); ++i) {
    const double f = plan.frequency(i);
    auto m = std::make_unique<ComplexMatrix>();
    ComplexErrors errors;
    stampComponents(*m, *doc, checked.netlist, f, errors);
    stampPorts(*m, doc->drawdat, checked.netlist);
    const double z[2] = {doc->drawdat.P1.Zo, doc->drawdat.P2.Zo};
    LC v[2][2]; // v[driven port][at port]
    for (int driven = 0; driven < 2; ++driven) {
      ComplexVector b;
      b[driven == 0 ? p1 : p2] = Complex{1.0 / z[driven], 0.0};
      const std::vector<LC> x = lutest::referenceSolve(*m, n, b);
      ASSERT_FALSE(x.empty()) << i;
      v[driven][0] = x[static_cast<std::size_t>(p1 - 1)];
      v[driven][1] = x[static_cast<std::size_t>(p2 - 1)];
    }
    const LC want[4] = {2.0L * v[0][0] - 1.0L, 2.0L * v[0][1] * std::sqrt(LC(z[0] / z[1])),
                        2.0L * v[1][0] * std::sqrt(LC(z[1] / z[0])), 2.0L * v[1][1] - 1.0L};
    const SParameterPoint& got = rows[static_cast<std::size_t>(i)];
    EXPECT_NEAR(got.f, f, 1e-12 * f);
    for (int k = 0; k < 4; ++k) {
      const LC ours(got.s[k].real(), got.s[k].imag());
      // To 1e-9 of the parameter, or of 0.01 (-40 dB) for the smaller ones: S21 falls to
      // 1e-14 here, where the last digits of the node voltages decide it.
      const double error =
          static_cast<double>(std::abs(ours - want[k]) / std::max(std::abs(want[k]), 1e-2L));
      worst = std::max(worst, error);
      EXPECT_LT(error, 1e-9) << "point " << i << " f " << f << " S"
                             << "1212"[k] << "1122"[k];
    }
  }
  std::cout << "largest relative difference " << worst << "\n";
}

} // namespace
} // namespace norvane

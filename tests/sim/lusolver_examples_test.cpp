// The solver on the nodal matrices of real drawings: every example schematic at every point of
// its sweep, the pattern solver against the dense transcription (bit for bit), and the solver
// in a fill-reducing node order against the drawing's order (to rounding).

#include "config/environment.h"
#include "document/clearschematic.h"
#include "document/schematicreader.h"
#include "sim/lusolver.h"
#include "sim/lusolverdense.h"
#include "sim/lusolverorder.h"
#include "sim/netlist.h"
#include "sim/stamps.h"
#include "sim/sweep.h"
#include "sim/tolerance.h"
#include "support/scriptedprompts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>

namespace norvane {
namespace {

bool sameBits(Complex x, Complex y)
{
  return std::memcmp(&x, &y, sizeof x) == 0;
}

TEST(LUSolverExamples, EveryExampleAgreesBitForBitWithTheDenseSolver)
{
  int files = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::string(NORVANE_SOURCE_DIR) + "/examples")) {
    if (entry.path().extension() != ".cct") {
      continue;
    }
    ++files;
    const std::string name = entry.path().filename().string();
    auto doc = std::make_unique<Schematic>();
    Environment env;
    fillBuiltInDefaults(env);
    clearSchematic(*doc, env);
    ASSERT_TRUE(loadSchematic(*doc, entry.path().string())) << name;
    ScriptedPrompts prompts;
    const Netlist net = buildNetlist(*doc, prompts);
    ASSERT_TRUE(net.ok) << name;
    ToleranceRandom random;
    applyTolerances(doc->drawdat, tolerancemode::Nominal, random);
    const SweepPlan plan = sanitizeSweep(doc->Xax);
    const int n = net.nodeCount;
    auto m = std::make_unique<ComplexMatrix>();
    for (int i = 0; i < plan.pointCount(); ++i) {
      ComplexErrors errors;
      m->clearTouched();
      stampComponents(*m, *doc, net, plan.frequency(i), errors);
      stampPorts(*m, doc->drawdat, net);
      auto dense = std::make_unique<ComplexMatrix>(*m);
      LUDecomposition lu;
      LUDecomposition luDense;
      ComplexErrors denseErrors;
      const bool ok = luDecomposeStamped(*m, n, lu, errors);
      ASSERT_EQ(ok, luDecomposeDense(*dense, n, luDense, denseErrors)) << name << " point " << i;
      if (!ok) {
        continue;
      }
      for (int node : {net.port1Node, net.port2Node}) {
        if (node == 0) {
          continue;
        }
        ComplexVector b;
        b[node] = Complex{0.02, 0};
        ComplexVector bDense = b;
        luBackSubstitute(*m, lu, b, errors);
        luBackSubstituteDense(*dense, luDense, bDense, denseErrors);
        for (int k = 1; k <= n; ++k) {
          ASSERT_TRUE(sameBits(b[k], bDense[k])) << name << " point " << i << " node " << k;
        }
      }
    }
  }
  EXPECT_GE(files, 4);
}

TEST(LUSolverExamples, FillReducingOrderAgreesWithTheDrawingsOrder)
{
  // Passive circuits with bridging branches between random nodes (a pattern the drawing's
  // order fills badly): solved in the natural order and in the fill-reducing one.
  std::mt19937 rng(11);
  auto uniform = [&rng](double lo, double hi) {
    return std::uniform_real_distribution<>(lo, hi)(rng);
  };
  int reordered = 0;
  for (int trial = 0; trial < 60; ++trial) {
    const int n = 10 + static_cast<int>(rng() % 90);
    struct Branch
    {
      int a, b;
      Complex y;
    };
    std::vector<Branch> branches;
    for (int k = 1; k <= n; ++k) {
      branches.push_back({k, k == 1 ? 0 : k - 1, Complex{uniform(1e-3, 1), uniform(-1, 1)}});
      if (k % 4 == 0) {
        branches.push_back({k, 0, Complex{uniform(1e-3, 1e-1), uniform(-1, 1)}});
      }
    }
    for (int e = 0; e < n / 5; ++e) {
      branches.push_back({1 + static_cast<int>(rng() % n), 1 + static_cast<int>(rng() % n),
                          Complex{uniform(1e-3, 1e-1), uniform(-1e-1, 1e-1)}});
    }
    auto build = [&](ComplexMatrix& m) {
      for (const Branch& br : branches) {
        stamp2(m, br.a, br.b, br.y);
      }
      m.add(1, 1, Complex{0.02, 0});
    };
    auto natural = std::make_unique<ComplexMatrix>();
    build(*natural);
    const ComplexMatrix::NodeOrder order = fillReducingOrder(*natural, n);
    auto ordered = std::make_unique<ComplexMatrix>();
    ordered->setNodeOrder(order);
    build(*ordered);
    reordered += order != ComplexMatrix::naturalOrder() ? 1 : 0;
    ComplexErrors errors;
    LUDecomposition lu1;
    LUDecomposition lu2;
    ASSERT_TRUE(luDecomposeStamped(*natural, n, lu1, errors));
    ASSERT_TRUE(luDecomposeStamped(*ordered, n, lu2, errors));
    ComplexVector b1;
    ComplexVector b2;
    b1[1] = Complex{0.02, 0};
    b2[ordered->position(1)] = Complex{0.02, 0};
    luBackSubstitute(*natural, lu1, b1, errors);
    luBackSubstitute(*ordered, lu2, b2, errors);
    double size = 0;
    for (int k = 1; k <= n; ++k) {
      size = std::max(size, complexAbs(b1[k]));
    }
    for (int k = 1; k <= n; ++k) {
      EXPECT_LE(complexAbs(b1[k] - b2[ordered->position(k)]), 1e-13 * size)
          << "trial " << trial << " node " << k;
    }
  }
  EXPECT_GT(reordered, 40);
}

} // namespace
} // namespace norvane

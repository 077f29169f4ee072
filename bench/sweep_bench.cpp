// Benchmarks of the simulation engine on LC ladders of 5, 20, 50 and 100 nodes:
//   BM_Sweep  a whole run of the simulate command over 501 points with both ports excited,
//             in data-list mode (circuit check, stamping, one factorisation and two
//             substitutions per point; the output does nothing).
//   BM_Solve  one frequency point's linear algebra: the matrix copied in, decomposed, and
//             solved for both ports.
// The "dense_flops" counters give the rate as if every product of a dense complex LU were
// formed (8 n^3 / 3 real operations per decomposition, 8 n^2 per substitution). The solver
// skips exact zeros, and the factors of a ladder stay within a band of two, so the arithmetic
// actually done grows only linearly with n; the time of the large cases goes mostly into the
// passes over the n x n matrix (clearing, copying, the row scaling scan).

#include "ladder.h"

#include "platform/scriptedprompts.h"
#include "sim/complexmatrix.h"
#include "sim/lusolver.h"
#include "sim/netlist.h"
#include "sim/simulate.h"
#include "sim/stamps.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace norvane::bench {
namespace {

double denseFlops(int n)
{
  return 8.0 * n * n * n / 3.0 + 2 * 8.0 * n * n;
}

class NullOutput : public SweepOutput
{
};

void BM_Sweep(benchmark::State& state)
{
  const int nodes = static_cast<int>(state.range(0));
  auto doc = ladderCircuit(nodes);
  SimulationSession session;
  NullOutput out;
  ScriptedPrompts prompts;
  int points = 0;
  for (auto _ : state) {
    const SimulateResult r = Simulate(*doc, session, out, prompts);
    points = r.points;
    benchmark::DoNotOptimize(r);
    if (!r.ran || r.netlist.nodeCount != nodes || r.failedPoints != 0) {
      state.SkipWithError("the ladder did not simulate");
      break;
    }
  }
  state.counters["points"] = points;
  state.counters["dense_flops"] =
      benchmark::Counter(points * denseFlops(nodes), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_Sweep)->Arg(5)->Arg(20)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_Solve(benchmark::State& state)
{
  const int nodes = static_cast<int>(state.range(0));
  auto doc = ladderCircuit(nodes);
  ScriptedPrompts prompts;
  const NetlistResult net = BuildNetlist(*doc, prompts);
  auto stamped = std::make_unique<ComplexMatrix>();
  auto work = std::make_unique<ComplexMatrix>();
  ComplexErrors errors;
  const int n = net.nodeCount;
  stamped->clear(n);
  for (const Tcomponent& c : doc->drawdat.components) {
    StampComponent(*stamped, c, 100e6, doc->datasets, errors);
  }
  StampPorts(*stamped, doc->drawdat);
  LUDecomposition lu;
  ComplexVector b;
  for (auto _ : state) {
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j) {
        (*work)[i][j] = (*stamped)[i][j];
      }
    }
    LUDecompose(*work, n, lu, errors);
    b.clear(n);
    b[net.port1Node] = Complex{0.02, 0.0};
    LUBackSubstitute(*work, lu, b, errors);
    benchmark::DoNotOptimize(b[net.port2Node]);
    b.clear(n);
    b[net.port2Node] = Complex{0.02, 0.0};
    LUBackSubstitute(*work, lu, b, errors);
    benchmark::DoNotOptimize(b[net.port1Node]);
  }
  state.counters["dense_flops"] =
      benchmark::Counter(denseFlops(n), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_Solve)->Arg(5)->Arg(20)->Arg(50)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace norvane::bench

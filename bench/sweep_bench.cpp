// Benchmarks of the simulation engine on LC ladders of 10, 30, 60 and 100 nodes and on the
// irregular 100-node circuit (benchcircuits.h):
//   BM_Sweep       a whole run of the simulate command over 501 points with both ports
//                  excited, as the command line runs it (circuit check, stamping, one factorisation
//                  and two substitutions per point; the output does nothing). "us_per_point" is the
//                  time per frequency point.
//   BM_SweepNoise  the same run with noise analysis at every point (the noise sources gathered,
//                  two transposed substitutions from the point's factors, NF and the noise
//                  parameters): its per_point next to BM_Sweep's is the cost of the noise.
//   BM_Solve       one frequency point's linear algebra: the matrix copied in, decomposed, and
//                  solved for both ports.
//   BM_MultiSweep  the tolerance multi-sweep of the irregular circuit: 50 runs with random
//                  values within the components' tolerances.
// The "dense_flops" counters give the rate as if every product of a dense complex LU were
// formed (8 n^3 / 3 real operations per decomposition, 8 n^2 per substitution). The solver
// visits only the entries its pattern holds, so the work actually done grows with the
// circuit's non-zeros and fill-in.

#include "benchcircuits.h"
#include "ladder.h"

#include "graph/simulationrun.h"
#include "sim/complexmatrix.h"
#include "sim/lusolver.h"
#include "sim/netlist.h"
#include "sim/simulate.h"
#include "sim/stamps.h"
#include "support/scriptedprompts.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace norvane::bench {
namespace {

double denseFlops(int n)
{
  return 8.0 * n * n * n / 3.0 + 2 * 8.0 * n * n;
}

class NullOutput : public SweepSink
{
public:
  void point(int, const SweepPoint&) override {}
};

// Argument 0 means the irregular 100-node circuit, any other n the n-node ladder.
BenchCircuit circuitOf(const benchmark::State& state)
{
  const int n = static_cast<int>(state.range(0));
  return n == 0 ? irregular() : ladder(n);
}

void sweep(benchmark::State& state, bool noise)
{
  const BenchCircuit circuit = circuitOf(state);
  const int nodes = circuit.nodes;
  auto doc = drawCircuit(circuit);
  SimulationSession session;
  NullOutput out;
  ScriptedPrompts prompts;
  int points = 0;
  for (auto _ : state) {
    const SimulateResult r = simulateEveryPort(*doc, session, out, prompts, noise);
    points = r.points;
    benchmark::DoNotOptimize(r);
    if (!r.ran || r.netlist.nodeCount != nodes || r.failedPoints != 0) {
      state.SkipWithError("the circuit did not simulate");
      break;
    }
  }
  state.counters["points"] = points;
  // Seconds per frequency point (shown with its SI prefix, e.g. "12.7u").
  state.counters["per_point"] = benchmark::Counter(
      points, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["dense_flops"] =
      benchmark::Counter(points * denseFlops(nodes), benchmark::Counter::kIsIterationInvariantRate);
}
void BM_Sweep(benchmark::State& state)
{
  sweep(state, false);
}
BENCHMARK(BM_Sweep)->Arg(10)->Arg(30)->Arg(60)->Arg(100)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_SweepNoise(benchmark::State& state)
{
  sweep(state, true);
}
BENCHMARK(BM_SweepNoise)
    ->Arg(10)
    ->Arg(30)
    ->Arg(60)
    ->Arg(100)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);

void BM_MultiSweep(benchmark::State& state)
{
  auto doc = drawCircuit(irregular());
  SimulationSession session;
  session.toleranceMode = tolerancemode::MultiSweep;
  session.random.setSeed(1);
  NullOutput out;
  ScriptedPrompts prompts;
  for (auto _ : state) {
    for (int run = 0; run < 50; ++run) {
      const SimulateResult r = simulateEveryPort(*doc, session, out, prompts);
      benchmark::DoNotOptimize(r);
      if (!r.ran || r.failedPoints != 0) {
        state.SkipWithError("the circuit did not simulate");
        return;
      }
    }
  }
}
BENCHMARK(BM_MultiSweep)->Unit(benchmark::kMillisecond);

void BM_Solve(benchmark::State& state)
{
  auto doc = drawCircuit(circuitOf(state));
  ScriptedPrompts prompts;
  const Netlist net = buildNetlist(*doc, prompts);
  auto stamped = std::make_unique<ComplexMatrix>();
  auto work = std::make_unique<ComplexMatrix>();
  ComplexErrors errors;
  const int n = net.nodeCount;
  stamped->clear(n);
  stampComponents(*stamped, *doc, net, 100e6, errors);
  stampPorts(*stamped, doc->drawdat, net);
  LUDecomposition lu;
  ComplexVector b;
  for (auto _ : state) {
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j) {
        (*work)[i][j] = (*stamped)[i][j];
      }
    }
    luDecompose(*work, n, lu, errors); // the pattern from the values: an O(n^2) scan
    b.clear(n);
    b[net.port1Node] = Complex{0.02, 0.0};
    luBackSubstitute(*work, lu, b, errors);
    benchmark::DoNotOptimize(b[net.port2Node]);
    b.clear(n);
    b[net.port2Node] = Complex{0.02, 0.0};
    luBackSubstitute(*work, lu, b, errors);
    benchmark::DoNotOptimize(b[net.port1Node]);
  }
  state.counters["dense_flops"] =
      benchmark::Counter(denseFlops(n), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_Solve)->Arg(10)->Arg(30)->Arg(60)->Arg(100)->Arg(0)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace norvane::bench

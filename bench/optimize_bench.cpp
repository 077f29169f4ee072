// Benchmarks of the optimiser on the 5-pole 0.5 dB Chebyshev low pass of the filter
// assistant (cut-off 100 MHz, 50 ohm), swept from 1 MHz to 1 GHz in 201 points, with the goals
//   S21 dB >= -0.5 from 0 to 100MHz,  S21 dB <= -30 from 200MHz to 1GHz:
//   BM_OptimizeEvaluation  one evaluation (write the values, sweep, check the goals) with
//                          goals covering every sweep point; "points" is the points swept.
//   BM_OptimizeFilterBack  the filter with its five values 30 % off, in turn up and down,
//                          brought back onto its goals by the method (0 local, 1 global,
//                          2 auto); "met" is 1 when every goal is met.
//   BM_OptimizeRandomStarts  100 starts with every value drawn within +-30 % of the design
//                          (seeded), each optimised by auto; "met" counts those that end
//                          with every goal met.

#include "chebyshevfilter.h"

#include "config/environment.h"
#include "document/componentkinds.h"
#include "optimize/optimizer.h"
#include "optimize/prng.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace norvane {
namespace {

std::vector<Goal> goals(std::initializer_list<const char*> texts)
{
  std::vector<Goal> g;
  for (const char* t : texts) {
    g.push_back(*parseGoal(t).goal);
  }
  return g;
}

const std::vector<Goal> kFilterGoals =
    goals({"S21 dB >= -0.5 from 0 to 100MHz", "S21 dB <= -30 from 200MHz to 1GHz"});

std::vector<double> designValues(const std::vector<Variable>& vars)
{
  std::vector<double> x;
  for (const Variable& v : vars) {
    x.push_back(v.start);
  }
  return x;
}

void BM_OptimizeEvaluation(benchmark::State& state)
{
  const auto doc = bench::chebyshevLowPass(5);
  const std::vector<Variable> vars = defaultVariables(*doc);
  CircuitEvaluator evaluator(
      *doc, goals({"S21 dB >= -0.5 from 1MHz to 100MHz", "S21 dB <= -30 from 100MHz to 1GHz"}),
      vars);
  const std::vector<double> x = designValues(vars);
  for (auto _ : state) {
    benchmark::DoNotOptimize(evaluator.evaluate(x).cost);
  }
  state.counters["points"] = evaluator.pointsPerEvaluation();
  state.counters["evals_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_OptimizeEvaluation)->Unit(benchmark::kMicrosecond);

void BM_OptimizeFilterBack(benchmark::State& state)
{
  const auto doc = bench::chebyshevLowPass(5);
  const std::vector<Variable> vars = defaultVariables(*doc);
  std::vector<double> start = designValues(vars);
  for (std::size_t i = 0; i < start.size(); ++i) {
    start[i] *= i % 2 == 0 ? 1.3 : 0.7;
  }
  OptimizeSettings settings;
  settings.method = static_cast<OptimizeMethod>(state.range(0));
  OptimizeResult result;
  for (auto _ : state) {
    CircuitEvaluator evaluator(*doc, kFilterGoals, vars);
    result = optimize(evaluator, start, settings);
  }
  state.counters["met"] = result.best.allMet ? 1 : 0;
  state.counters["evaluations"] = result.evaluations;
}
BENCHMARK(BM_OptimizeFilterBack)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_OptimizeRandomStarts(benchmark::State& state)
{
  const auto doc = bench::chebyshevLowPass(5);
  const std::vector<Variable> vars = defaultVariables(*doc);
  const std::vector<double> design = designValues(vars);
  int met = 0;
  long long evaluations = 0;
  for (auto _ : state) {
    met = 0;
    evaluations = 0;
    OptimizerRandom random(2026);
    for (int run = 0; run < 100; ++run) {
      std::vector<double> start = design;
      for (double& x : start) {
        x *= 0.7 + 0.6 * random.uniform();
      }
      CircuitEvaluator evaluator(*doc, kFilterGoals, vars);
      const OptimizeResult r = optimize(evaluator, start, OptimizeSettings{});
      met += r.best.allMet ? 1 : 0;
      evaluations += r.evaluations;
    }
  }
  state.counters["met"] = met;
  state.counters["mean_evaluations"] = static_cast<double>(evaluations) / 100.0;
}
BENCHMARK(BM_OptimizeRandomStarts)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace norvane

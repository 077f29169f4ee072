// Benchmark of the yield analysis: 10,000 random boards of the 7-pole 0.5 dB Chebyshev low
// pass of the filter assistant (cut-off 100 MHz, 50 ohm, 5 % inductors, 2 % capacitors),
// swept from 1 MHz to 1 GHz in 201 points, with goals covering every point:
//   S21 dB >= -1 from 1MHz to 100MHz,  S21 dB <= -40 from 150MHz to 1GHz.
//   BM_Yield/T  the whole analysis on T worker threads (wall time); "yield_percent" is the
//               figure it finds, "runs_per_s" the rate.

#include "chebyshevfilter.h"

#include "config/environment.h"
#include "yield/yieldengine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace norvane {
namespace {

constexpr long kRuns = 10000;

void BM_Yield(benchmark::State& state)
{
  const auto doc = bench::chebyshevLowPass(7);
  const std::vector<Goal> goals = {*parseGoal("S21 dB >= -1 from 1MHz to 100MHz").goal,
                                   *parseGoal("S21 dB <= -40 from 150MHz to 1GHz").goal};
  YieldSettings settings;
  settings.runs = kRuns;
  settings.threads = static_cast<int>(state.range(0));
  long passed = 0;
  for (auto _ : state) {
    const YieldOutcome outcome = runYield(*doc, goals, settings);
    passed = static_cast<long>(std::count_if(outcome.records.begin(), outcome.records.end(),
                                             [](const YieldRunRecord& r) { return r.passed; }));
    benchmark::DoNotOptimize(passed);
  }
  state.counters["yield_percent"] = 100.0 * static_cast<double>(passed) / kRuns;
  state.counters["runs_per_s"] =
      benchmark::Counter(static_cast<double>(kRuns) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Yield)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
} // namespace norvane

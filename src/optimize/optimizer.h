#pragma once
// The optimiser: brings a circuit's variables to values that meet its goals.
//
// Methods
// - local: Levenberg-Marquardt on the goals' residuals, the Jacobian by forward differences.
//   Variables are searched on a log scale (a capacitor's 1 pF matters as much as 1 nF's) and
//   held inside their ranges.
// - global: differential evolution (rand/1/bin, Storn and Price 1997) over the log ranges,
//   the starting values one member of the first population.
// - auto: global, then local from the best point found.
// Every method stops as soon as all goals are met or the evaluation budget is spent.
// Variables with a standard series are then snapped to it and a discrete search steps each
// one up or down the series while the cost falls.
//
// Seeded and single-threaded: the same seed gives the same result on every machine.

#include "optimize/circuitevaluator.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace norvane {

enum class OptimizeMethod { Local, Global, Auto };

struct OptimizeSettings
{
  OptimizeMethod method = OptimizeMethod::Auto;
  std::uint64_t seed = 1;
  int maxEvaluations = 20000;
  // Asked before each evaluation; once it answers true the search ends, keeping the best point
  // found so far (a window's Stop button). Without it the search runs to its end.
  std::function<bool()> stopRequested;
  // Told of every new best point with the number of evaluations so far (a live display).
  std::function<void(const Evaluation& best, int evaluations)> improved;
};

struct OptimizeResult
{
  Evaluation best; // the values and how they meet the goals
  int evaluations = 0;
};

// `start`: the variables' first values (within their ranges).
OptimizeResult optimize(CircuitEvaluator& evaluator, const std::vector<double>& start,
                        const OptimizeSettings& settings);

} // namespace norvane

// The optimiser's stop request and its report of each new best point, as a window uses them.

#include "document/schematicreader.h"
#include "optimize/optimizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace norvane {
namespace {

struct LowPass
{
  LowPass()
  {
    const FileResult r =
        loadSchematic(doc, std::string(NORVANE_SOURCE_DIR) + "/examples/lowpass3.cct");
    EXPECT_TRUE(r.ok()) << r.error;
    vars = defaultVariables(doc);
    for (const Variable& v : vars)
      start.push_back(v.start);
  }
  OptimizeResult run(const OptimizeSettings& settings) const
  {
    CircuitEvaluator evaluator(doc,
                               {*parseGoal("S21 dB >= -3 at 150MHz").goal,
                                *parseGoal("S21 dB <= -20 from 500MHz to 1GHz").goal},
                               vars);
    EXPECT_TRUE(evaluator.ok()) << evaluator.problem();
    return optimize(evaluator, start, settings);
  }
  Schematic doc;
  std::vector<Variable> vars;
  std::vector<double> start;
};

TEST(OptimizerStop, StopsAtOnceKeepingTheBestPointAndListeningChangesNothing)
{
  const LowPass lp;
  OptimizeSettings settings;
  settings.method = OptimizeMethod::Global;
  settings.maxEvaluations = 100000;
  const OptimizeResult plain = lp.run(settings);

  // Listening to every new best point leaves the seeded search exactly as it was.
  std::vector<double> lastBest;
  int improvements = 0;
  settings.improved = [&](const Evaluation& best, int evaluations) {
    EXPECT_GT(evaluations, 0);
    lastBest = best.values;
    ++improvements;
  };
  const OptimizeResult listened = lp.run(settings);
  EXPECT_EQ(listened.best.values, plain.best.values);
  EXPECT_EQ(listened.evaluations, plain.evaluations);
  EXPECT_EQ(lastBest, plain.best.values);
  EXPECT_GT(improvements, 0);

  // A stop asked after a few evaluations ends the search there with the best point seen.
  int asked = 0;
  settings.stopRequested = [&] { return ++asked > 5; };
  const OptimizeResult stopped = lp.run(settings);
  EXPECT_LE(stopped.evaluations, 6);
  EXPECT_EQ(stopped.best.values, lastBest);
  EXPECT_EQ(stopped.best.values.size(), lp.vars.size());
}

} // namespace
} // namespace norvane

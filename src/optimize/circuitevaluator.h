#pragma once
// One evaluation of the optimiser: the circuit with a set of variable values, simulated at
// the goals' frequencies and checked against the goals. The circuit is checked and its nodes
// numbered once (GoalSimulator); an evaluation only writes the varied values and sweeps.

#include "document/schematic.h"
#include "optimize/goalcheck.h"
#include "optimize/goalsimulator.h"
#include "optimize/variables.h"

#include <string>
#include <vector>

namespace norvane {

struct Evaluation
{
  std::vector<double> values;    // the variables' values
  std::vector<double> residuals; // with the optimiser's margin
  double cost = 0.0;             // sum of the squared residuals
  std::vector<GoalOutcome> goals;
  bool allMet = false;
};

class CircuitEvaluator
{
public:
  // Copies the document and runs the circuit check on the copy; ok() tells whether it passed,
  // problem() then holds the check's messages.
  CircuitEvaluator(const Schematic& doc, std::vector<Goal> goals, std::vector<Variable> vars);
  ~CircuitEvaluator();

  bool ok() const { return m_sim.ok(); }
  const std::string& problem() const { return m_sim.problem(); }
  const std::vector<Variable>& variables() const { return m_vars; }
  const std::vector<Goal>& goals() const { return m_sim.goals(); }
  int evaluations() const { return m_evaluations; }
  int pointsPerEvaluation() const { return m_sim.pointCount(); }

  Evaluation evaluate(const std::vector<double>& values);

private:
  GoalSimulator m_sim;
  std::vector<Variable> m_vars;
  int m_evaluations = 0;
};

// How much more than asked the optimiser aims for on "<=" and ">=" goals (see checkGoals).
constexpr double kGoalMargin = 2e-3;

} // namespace norvane

#include "optimize/circuitevaluator.h"

namespace norvane {

CircuitEvaluator::CircuitEvaluator(const Schematic& doc, std::vector<Goal> goals,
                                   std::vector<Variable> vars)
    : m_sim(doc, std::move(goals)), m_vars(std::move(vars))
{
}

CircuitEvaluator::~CircuitEvaluator() = default;

Evaluation CircuitEvaluator::evaluate(const std::vector<double>& values)
{
  ++m_evaluations;
  applyVariables(m_sim.drawing(), m_vars, values);
  Evaluation e;
  e.values = values;
  e.goals = m_sim.check(kGoalMargin, e.residuals);
  for (const double r : e.residuals) {
    e.cost += r * r;
  }
  e.allMet = true;
  for (const GoalOutcome& g : e.goals) {
    e.allMet = e.allMet && g.met;
  }
  return e;
}

} // namespace norvane

#pragma once
// A circuit simulated over and over at its goals' frequencies: the document is copied, checked
// and its nodes numbered once; each check only sweeps the drawing as it stands (its values'
// `actual`, which the caller sets) and judges the goals. The optimiser changes the varied
// values between checks, the yield analysis draws random boards. One per thread: a check
// writes nothing outside its own object.

#include "document/schematic.h"
#include "optimize/goalcheck.h"
#include "sim/simulate.h"

#include <memory>
#include <string>
#include <vector>

namespace norvane {

class GoalSimulator
{
public:
  // Copies the document and runs the circuit check on the copy; ok() tells whether it passed,
  // problem() then holds the check's messages.
  GoalSimulator(const Schematic& doc, std::vector<Goal> goals);
  ~GoalSimulator();

  bool ok() const { return m_ok; }
  const std::string& problem() const { return m_problem; }
  const std::vector<Goal>& goals() const { return m_goals; }
  int pointCount() const { return static_cast<int>(m_request.plan.pointCount()); }

  // The copy's drawing, whose values the caller changes between checks.
  Drawing& drawing() { return m_doc->drawdat; }
  const Drawing& drawing() const { return m_doc->drawdat; }

  // Sweeps and checks every goal (see checkGoals for `margin` and `residuals`). A point that
  // cannot be solved counts as a missed goal.
  std::vector<GoalOutcome> check(double margin, std::vector<double>& residuals);

private:
  std::unique_ptr<Schematic> m_doc;
  std::vector<Goal> m_goals;
  SimulationSession m_session;
  SimulateResult m_check;
  SweepRequest m_request;
  GoalPlan m_plan;
  bool m_ok = false;
  std::string m_problem;
};

} // namespace norvane

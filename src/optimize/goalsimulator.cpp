#include "optimize/goalsimulator.h"

#include "platform/prompts.h"

#include <algorithm>

namespace norvane {
namespace {

// The simulator's messages, kept for the caller to show (the check's refusal) or dropped.
class KeptMessages : public Prompts
{
public:
  void error(const std::string& text) override { keep(text); }
  void warning(const std::string& text) override { keep(text); }
  void information(const std::string& text) override { keep(text); }
  Answer question(const std::string&, bool) override { return Answer::No; }
  std::optional<std::string> openFileName(const std::string&, const std::string&) override
  {
    return std::nullopt;
  }
  std::optional<std::string> saveFileName(const std::string&, const std::string&,
                                          const std::string&) override
  {
    return std::nullopt;
  }
  std::string kept;

private:
  void keep(const std::string& t)
  {
    if (kept.size() < 4096) {
      kept += (kept.empty() ? "" : "\n") + t;
    }
  }
};

class Collect : public SweepSink
{
public:
  void point(int, const SweepPoint& p) override { points.push_back(p); }
  std::vector<SweepPoint> points;
};

} // namespace

GoalSimulator::GoalSimulator(const Schematic& doc, std::vector<Goal> goals)
    : m_doc(std::make_unique<Schematic>(doc)), m_goals(std::move(goals))
{
  KeptMessages messages;
  m_check = checkCircuit(*m_doc, m_session, messages);
  m_ok = m_check.checked;
  m_problem = messages.kept;
  for (char& c : m_problem) {
    c = c == '\r' ? '\n' : c;
  }
  const SweepPlan sweep = planSweep(*m_doc);
  m_plan = planGoals(m_goals, sweep);
  m_request.plan.listed = m_plan.frequencies;
  m_request.excite1 = true;
  m_request.excite2 = true;
  // Noise analysis costs a third more per point: only for a noise figure goal.
  m_request.noise = std::any_of(m_goals.begin(), m_goals.end(),
                                [](const Goal& g) { return g.measure == GoalMeasure::Nf; });
}

GoalSimulator::~GoalSimulator() = default;

std::vector<GoalOutcome> GoalSimulator::check(double margin, std::vector<double>& residuals)
{
  KeptMessages dropped;
  Collect collect;
  collect.points.reserve(m_plan.frequencies.size());
  // The check's result carries the numbered nodes; the sweep only adds its counts to it.
  simulateCircuit(*m_doc, m_session, m_request, collect, dropped, m_check);
  return checkGoals(m_goals, m_plan, collect.points, m_doc->drawdat.P1.Zo, m_doc->drawdat.P2.Zo,
                    margin, residuals);
}

} // namespace norvane

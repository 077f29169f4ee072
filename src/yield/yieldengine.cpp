#include "yield/yieldengine.h"

#include "document/componentkinds.h"
#include "optimize/goalsimulator.h"
#include "optimize/variables.h"
#include "sim/tolerance.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <thread>

namespace norvane {
namespace {

// Where a varied value lives: drawdat.components[component].value[slot] (both from 1).
struct ValueSlot
{
  int component = 1;
  int slot = 0;
};

// The short names of values whose kind varies more than one.
std::string shortName(std::string_view parameter)
{
  if (parameter == "impedance") {
    return "Zo";
  }
  if (parameter == "length") {
    return "l";
  }
  if (parameter == "magnitudeTolerance") {
    return "mag";
  }
  if (parameter == "angleTolerance") {
    return "ang";
  }
  return std::string(parameter);
}

// The values applyTolerances draws a number for, in its order, that have a tolerance (the
// others stay at their nominal and tell nothing).
template <typename Visit> void forEachVariedValue(const Drawing& drawing, Visit visit)
{
  for (int i = 1; i <= drawing.components.count(); ++i) {
    const Component& c = drawing.components[i];
    const ComponentKind* kind = findComponentKind(c.ctype);
    if (kind == nullptr) {
      continue;
    }
    const auto varied = std::count_if(kind->parameters.begin(), kind->parameters.end(),
                                      [](const ParameterDescription& p) { return p.varied; });
    for (const ParameterDescription& p : kind->parameters) {
      if (p.varied && c.value[p.slot].TolEn) {
        visit(ValueSlot{i, p.slot}, varied > 1 ? shortName(p.name) : std::string());
      }
    }
  }
}

std::vector<ValueSlot> variedSlots(const Drawing& drawing)
{
  std::vector<ValueSlot> slots;
  forEachVariedValue(drawing, [&](ValueSlot s, const std::string&) { slots.push_back(s); });
  return slots;
}

// A value's deviation from its nominal: as a fraction, or as a difference when the nominal
// is 0.
double deviation(const ToleranceValue& v)
{
  return v.nom != 0.0 ? v.actual / v.nom - 1.0 : v.actual - v.nom;
}

// One worker's simulator and the nominal values it starts every run from.
class RunEvaluator
{
public:
  RunEvaluator(const Schematic& doc, const std::vector<Goal>& goals) : m_sim(doc, goals)
  {
    const Drawing& drawing = m_sim.drawing();
    for (int i = 1; i <= drawing.components.count(); ++i) {
      m_nominal.push_back(drawing.components[i].value);
    }
    m_slots = variedSlots(m_sim.drawing());
  }

  bool ok() const { return m_sim.ok(); }
  const std::string& problem() const { return m_sim.problem(); }

  YieldRunRecord run(std::uint64_t seed, long run)
  {
    Drawing& drawing = m_sim.drawing();
    for (int i = 1; i <= drawing.components.count(); ++i) {
      drawing.components[i].value = m_nominal[static_cast<std::size_t>(i - 1)];
    }
    ToleranceRandom random(yieldRunSeed(seed, run));
    applyTolerances(drawing, tolerancemode::Random, random);
    std::vector<double> residuals;
    const std::vector<GoalOutcome> outcomes = m_sim.check(0.0, residuals);
    YieldRunRecord r;
    r.run = run;
    r.passed = true;
    for (const GoalOutcome& o : outcomes) {
      r.worst.push_back(o.worst ? *o.worst : std::nan(""));
      r.goalMet.push_back(o.met);
      r.passed = r.passed && o.met;
    }
    for (const ValueSlot& s : m_slots) {
      r.deviation.push_back(deviation(drawing.components[s.component].value[s.slot]));
    }
    return r;
  }

private:
  GoalSimulator m_sim;
  std::vector<decltype(Component::value)> m_nominal;
  std::vector<ValueSlot> m_slots;
};

} // namespace

std::vector<std::string> yieldValueNames(const Schematic& doc)
{
  std::vector<std::string> names;
  forEachVariedValue(doc.drawdat, [&](ValueSlot s, const std::string& suffix) {
    const std::string& name = doc.drawdat.components[s.component].name;
    std::string text =
        name.empty() ? "#" + std::to_string(listingNumber(doc.drawdat, s.component)) : name;
    names.push_back(suffix.empty() ? text : text + " " + suffix);
  });
  return names;
}

YieldOutcome runYield(const Schematic& doc, const std::vector<Goal>& goals,
                      const YieldSettings& settings,
                      const std::function<void(long done, long total)>& progress,
                      const std::atomic<bool>* cancel)
{
  YieldOutcome outcome;
  // The shard's runs: index, index + count, ... up to the analysis's runs.
  std::vector<long> runs;
  for (long run = settings.shard.index; run <= settings.runs; run += settings.shard.count) {
    runs.push_back(run);
  }
  const int threads = std::max(
      1, std::min(settings.threads, static_cast<int>(std::max<std::size_t>(1, runs.size()))));
  // The calling thread's simulator tells whether the circuit can be simulated at all; each
  // further worker copies and checks the document in its own thread.
  RunEvaluator first(doc, goals);
  if (!first.ok()) {
    outcome.problem = first.problem();
    return outcome;
  }
  outcome.ok = true;

  std::vector<YieldRunRecord> records(runs.size());
  std::vector<char> done(runs.size(), 0);
  std::atomic<std::size_t> next{0};
  std::mutex progressMutex;
  long finished = 0;
  const long total = static_cast<long>(runs.size());
  auto work = [&](RunEvaluator& evaluator) {
    for (;;) {
      if (cancel != nullptr && cancel->load()) {
        return;
      }
      const std::size_t j = next.fetch_add(1);
      if (j >= runs.size()) {
        return;
      }
      records[j] = evaluator.run(settings.seed, runs[j]);
      done[j] = 1;
      if (progress) {
        const std::lock_guard lock(progressMutex);
        progress(++finished, total);
      }
    }
  };
  std::vector<std::thread> workers;
  for (int t = 1; t < threads; ++t) {
    workers.emplace_back([&] {
      RunEvaluator own(doc, goals);
      work(own);
    });
  }
  work(first);
  for (std::thread& w : workers) {
    w.join();
  }

  for (std::size_t j = 0; j < runs.size(); ++j) {
    if (done[j] != 0) {
      outcome.records.push_back(std::move(records[j]));
    } else {
      outcome.cancelled = true;
    }
  }
  return outcome;
}

} // namespace norvane

#include "optimize/goalcheck.h"

#include "sim/twoportmeasures.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace norvane {
namespace {

std::optional<Complex> sParameter(GoalMeasure m, const SweepPoint& p)
{
  switch (m) {
  case GoalMeasure::S11:
    return p.hasS11() ? std::optional(p.s11) : std::nullopt;
  case GoalMeasure::S21:
    return p.hasS21() ? std::optional(p.s21) : std::nullopt;
  case GoalMeasure::S12:
    return p.hasS12() ? std::optional(p.s12) : std::nullopt;
  case GoalMeasure::S22:
    return p.hasS22() ? std::optional(p.s22) : std::nullopt;
  default:
    return std::nullopt;
  }
}

double magnitude(const Complex& c)
{
  return std::hypot(c.re, c.im);
}

double degrees(const Complex& c)
{
  return std::atan2(c.im, c.re) * 180.0 / std::numbers::pi;
}

// 20 log10 |s|, with a floor at -300 dB for a parameter that is exactly zero.
double decibels(double mag)
{
  return 20.0 * std::log10(std::max(mag, 1e-15));
}

// The deviation of a value from the target, phases taken on the circle.
double deviation(const Goal& g, double value)
{
  const double d = value - g.target;
  return g.unit == GoalUnit::Deg ? std::remainder(d, 360.0) : d;
}

} // namespace

GoalPlan planGoals(const std::vector<Goal>& goals, const SweepPlan& sweep)
{
  std::vector<std::vector<double>> wanted(goals.size());
  std::map<double, int> all;
  auto edge = [](double f) { return std::max(f, kMinSweepFrequency); };
  for (std::size_t g = 0; g < goals.size(); ++g) {
    const Goal& goal = goals[g];
    const double lo = edge(goal.from);
    const double hi = edge(goal.to);
    std::vector<double>& fs = wanted[g];
    fs.push_back(lo);
    if (!goal.single) {
      for (int i = 0; i < sweep.pointCount(); ++i) {
        const double f = sweep.frequency(i);
        if (f > lo && f < hi) {
          fs.push_back(f);
        }
      }
      if (hi > lo) {
        fs.push_back(hi);
      }
    }
    if (goal.measure == GoalMeasure::Gd21) {
      std::vector<double> paired;
      for (const double f : fs) {
        paired.push_back(f);
        paired.push_back(f * (1.0 + kGroupDelayStep));
      }
      fs = std::move(paired);
    }
    for (const double f : fs) {
      all.emplace(f, 0);
    }
  }
  GoalPlan plan;
  for (auto& [f, index] : all) {
    index = static_cast<int>(plan.frequencies.size());
    plan.frequencies.push_back(f);
  }
  for (const std::vector<double>& fs : wanted) {
    std::vector<int> idx;
    for (const double f : fs) {
      idx.push_back(all.at(f));
    }
    plan.points.push_back(std::move(idx));
  }
  return plan;
}

std::optional<double> goalValue(const Goal& goal, const SweepPoint& p, const SweepPoint* companion,
                                double z1, double z2)
{
  if (const std::optional<Complex> s = sParameter(goal.measure, p)) {
    if (goal.unit == GoalUnit::Deg) {
      return degrees(*s);
    }
    const double mag = magnitude(*s);
    return goal.unit == GoalUnit::Db ? decibels(mag) : mag;
  }
  if (goal.measure == GoalMeasure::Gd21) {
    if (companion == nullptr || !p.hasS21() || !companion->hasS21()) {
      return std::nullopt;
    }
    // tau = -d(phase)/d(omega), the phase step taken on the circle.
    const double dphi = std::remainder(std::atan2(companion->s21.im, companion->s21.re) -
                                           std::atan2(p.s21.im, p.s21.re),
                                       2.0 * std::numbers::pi);
    return -dphi / (2.0 * std::numbers::pi * (companion->freq - p.freq));
  }
  if (goal.measure == GoalMeasure::Nf) {
    // Worked out by the sweep's noise analysis; absent where no gain reaches port 2.
    return p.noise.nfDb;
  }
  const TwoPortMeasures m = twoPortMeasures(p, z1, z2);
  std::optional<double> v;
  switch (goal.measure) {
  case GoalMeasure::Vswr1:
    v = m.vswr1;
    break;
  case GoalMeasure::Vswr2:
    v = m.vswr2;
    break;
  case GoalMeasure::K:
    v = m.k;
    break;
  case GoalMeasure::Mu1:
    v = m.mu1;
    break;
  case GoalMeasure::Mu2:
    v = m.mu2;
    break;
  case GoalMeasure::Mag:
    v = m.gainDb;
    break;
  default:
    break;
  }
  if (v && !std::isfinite(*v)) {
    return std::nullopt;
  }
  return v;
}

double equalTolerance(const Goal& goal)
{
  return std::max(0.01, 0.01 * std::fabs(goal.target));
}

std::vector<GoalOutcome> checkGoals(const std::vector<Goal>& goals, const GoalPlan& plan,
                                    const std::vector<SweepPoint>& points, double z1, double z2,
                                    double margin, std::vector<double>& residuals)
{
  std::vector<GoalOutcome> outcomes(goals.size());
  for (std::size_t g = 0; g < goals.size(); ++g) {
    const Goal& goal = goals[g];
    const std::vector<int>& idx = plan.points[g];
    const bool paired = goal.measure == GoalMeasure::Gd21;
    const double push = margin * std::max(1.0, std::fabs(goal.target));
    GoalOutcome& out = outcomes[g];
    out.met = true;
    double worstDeviation = 0.0;
    for (std::size_t k = 0; k < idx.size(); k += paired ? 2 : 1) {
      const SweepPoint& p = points[static_cast<std::size_t>(idx[k])];
      const SweepPoint* companion =
          paired ? &points[static_cast<std::size_t>(idx[k + 1])] : nullptr;
      const std::optional<double> value = goalValue(goal, p, companion, z1, z2);
      if (!value) {
        out.met = false;
        residuals.push_back(kMissingValue * goal.weight);
        continue;
      }
      const double d = deviation(goal, *value);
      double r = 0.0;   // the residual, with the margin
      double bad = 0.0; // how far the goal itself is missed
      switch (goal.relation) {
      case GoalRelation::AtMost:
        r = std::max(0.0, d + push);
        bad = d;
        break;
      case GoalRelation::AtLeast:
        r = std::max(0.0, push - d);
        bad = -d;
        break;
      case GoalRelation::Equal:
        r = d;
        bad = std::fabs(d);
        break;
      }
      residuals.push_back(r * goal.weight);
      // An inequality holds to the last digits of the arithmetic: the K of a lossless
      // two-port computes as 0.99999999999999989 and still meets K >= 1.
      const bool holds = bad <= (goal.relation == GoalRelation::Equal
                                     ? equalTolerance(goal)
                                     : kInequalitySlack * std::max(1.0, std::fabs(goal.target)));
      out.met = out.met && holds;
      if (!out.worst || bad > worstDeviation) {
        worstDeviation = bad;
        out.worst = *value;
      }
    }
  }
  return outcomes;
}

} // namespace norvane

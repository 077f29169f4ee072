#include "optimize/optimizer.h"

#include "optimize/prng.h"

#include <algorithm>
#include <cmath>

namespace norvane {
namespace {

// The search runs on u = ln(value), each variable held to [ln min, ln max].
class Search
{
public:
  Search(CircuitEvaluator& evaluator, int budget, const OptimizeSettings& settings)
      : m_eval(evaluator), m_budget(budget), m_settings(settings)
  {
    for (const Variable& v : evaluator.variables()) {
      m_lo.push_back(std::log(v.min));
      m_hi.push_back(std::log(v.max));
    }
  }

  std::size_t size() const { return m_lo.size(); }
  bool spent() const
  {
    if (!m_stopped && m_settings.stopRequested && m_settings.stopRequested()) m_stopped = true;
    return m_stopped || m_used >= m_budget;
  }
  bool done() const { return spent() || (m_haveBest && m_best.allMet); }
  const Evaluation& best() const { return m_best; }
  // The best values found, or `fallback` when nothing was evaluated (a budget of nothing).
  std::vector<double> bestValuesOr(const std::vector<double>& fallback) const
  {
    return m_haveBest ? m_best.values : fallback;
  }
  double lo(std::size_t i) const { return m_lo[i]; }
  double hi(std::size_t i) const { return m_hi[i]; }

  std::vector<double> clamped(std::vector<double> u) const
  {
    for (std::size_t i = 0; i < u.size(); ++i) {
      u[i] = std::clamp(u[i], m_lo[i], m_hi[i]);
    }
    return u;
  }

  Evaluation evaluateLog(const std::vector<double>& u)
  {
    std::vector<double> x(u.size());
    for (std::size_t i = 0; i < u.size(); ++i) {
      x[i] = std::exp(u[i]);
    }
    return evaluate(x);
  }

  Evaluation evaluate(const std::vector<double>& x)
  {
    ++m_used;
    Evaluation e = m_eval.evaluate(x);
    // Met goals first, then the lower cost.
    if (!m_haveBest || (e.allMet && !m_best.allMet) ||
        (e.allMet == m_best.allMet && e.cost < m_best.cost)) {
      m_best = e;
      m_haveBest = true;
      if (m_settings.improved) m_settings.improved(m_best, m_eval.evaluations());
    }
    return e;
  }

private:
  CircuitEvaluator& m_eval;
  int m_budget;
  const OptimizeSettings& m_settings;
  mutable bool m_stopped = false;
  int m_used = 0;
  std::vector<double> m_lo, m_hi;
  Evaluation m_best;
  bool m_haveBest = false;
};

std::vector<double> logOf(const std::vector<double>& x)
{
  std::vector<double> u(x.size());
  for (std::size_t i = 0; i < x.size(); ++i) {
    u[i] = std::log(x[i]);
  }
  return u;
}

// Solves the small dense system A d = b by Gaussian elimination with partial pivoting.
// False when A is singular.
bool solveDense(std::vector<std::vector<double>> a, std::vector<double> b, std::vector<double>& d)
{
  const std::size_t n = b.size();
  for (std::size_t c = 0; c < n; ++c) {
    std::size_t pivot = c;
    for (std::size_t r = c + 1; r < n; ++r) {
      if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) {
        pivot = r;
      }
    }
    if (!(std::fabs(a[pivot][c]) > 0.0)) {
      return false;
    }
    std::swap(a[c], a[pivot]);
    std::swap(b[c], b[pivot]);
    for (std::size_t r = c + 1; r < n; ++r) {
      const double f = a[r][c] / a[c][c];
      for (std::size_t k = c; k < n; ++k) {
        a[r][k] -= f * a[c][k];
      }
      b[r] -= f * b[c];
    }
  }
  d.assign(n, 0.0);
  for (std::size_t c = n; c-- > 0;) {
    double s = b[c];
    for (std::size_t k = c + 1; k < n; ++k) {
      s -= a[c][k] * d[k];
    }
    d[c] = s / a[c][c];
  }
  return std::all_of(d.begin(), d.end(), [](double v) { return std::isfinite(v); });
}

// Levenberg-Marquardt (K. Madsen, H. B. Nielsen and O. Tingleff, "Methods for non-linear
// least squares problems", 2004, section 3.2).
void levenbergMarquardt(Search& s, std::vector<double> u)
{
  constexpr double kStep = 1e-6; // forward-difference step in ln(value)
  const std::size_t n = s.size();
  if (s.done()) {
    return;
  }
  u = s.clamped(u);
  Evaluation at = s.evaluateLog(u);
  double lambda = 1e-3;
  while (!s.done() && at.cost > 0.0) {
    const std::size_t m = at.residuals.size();
    std::vector<std::vector<double>> jac(n, std::vector<double>(m));
    for (std::size_t j = 0; j < n && !s.spent(); ++j) {
      std::vector<double> v = u;
      // Step inward at the upper bound so the difference stays inside the range.
      const double h = v[j] + kStep > s.hi(j) ? -kStep : kStep;
      v[j] += h;
      const Evaluation e = s.evaluateLog(v);
      for (std::size_t i = 0; i < m; ++i) {
        jac[j][i] = (e.residuals[i] - at.residuals[i]) / h;
      }
    }
    if (s.done()) {
      return;
    }
    std::vector<std::vector<double>> a(n, std::vector<double>(n, 0.0));
    std::vector<double> g(n, 0.0);
    for (std::size_t j = 0; j < n; ++j) {
      for (std::size_t k = 0; k <= j; ++k) {
        double sum = 0.0;
        for (std::size_t i = 0; i < m; ++i) {
          sum += jac[j][i] * jac[k][i];
        }
        a[j][k] = a[k][j] = sum;
      }
      for (std::size_t i = 0; i < m; ++i) {
        g[j] -= jac[j][i] * at.residuals[i];
      }
    }
    // Levenberg's damping, lambda times the mean of the diagonal on every variable: a large
    // lambda turns the step towards steepest descent. Marquardt's per-variable scaling would
    // instead blow up the step of a variable the goals hardly feel, which on a curved valley
    // (an L-section near its match) only climbs the valley's wall.
    double scale = 0.0;
    for (std::size_t j = 0; j < n; ++j) {
      scale += a[j][j] / static_cast<double>(n);
    }
    scale = std::max(scale, 1e-30);
    bool improved = false;
    while (!s.done() && lambda < 1e10) {
      std::vector<std::vector<double>> damped = a;
      for (std::size_t j = 0; j < n; ++j) {
        damped[j][j] += lambda * scale;
      }
      std::vector<double> d;
      if (solveDense(damped, g, d)) {
        std::vector<double> next = u;
        for (std::size_t j = 0; j < n; ++j) {
          next[j] += d[j];
        }
        next = s.clamped(next);
        const Evaluation e = s.evaluateLog(next);
        if (e.cost < at.cost) {
          const double gain = at.cost - e.cost;
          u = next;
          at = e;
          lambda = std::max(lambda / 3.0, 1e-9);
          improved = gain > 1e-14 * (1.0 + at.cost);
          break;
        }
      }
      lambda *= 4.0;
    }
    if (!improved) {
      return; // no downhill step left: a (local) minimum
    }
  }
}

// Differential evolution, rand/1/bin (R. Storn and K. Price, J. Global Optimization 11, 1997).
std::vector<double> differentialEvolution(Search& s, const std::vector<double>& start,
                                          OptimizerRandom& random, int budget)
{
  constexpr double kWeight = 0.7;    // F
  constexpr double kCrossover = 0.9; // CR
  const std::size_t n = s.size();
  const std::size_t count = std::max<std::size_t>(12, 8 * n);
  std::vector<std::vector<double>> members(count, std::vector<double>(n));
  std::vector<double> costs(count);
  members[0] = s.clamped(start);
  for (std::size_t p = 1; p < count; ++p) {
    for (std::size_t j = 0; j < n; ++j) {
      members[p][j] = s.lo(j) + random.uniform() * (s.hi(j) - s.lo(j));
    }
  }
  int used = 0;
  for (std::size_t p = 0; p < count && !s.done(); ++p, ++used) {
    costs[p] = s.evaluateLog(members[p]).cost;
  }
  while (!s.done() && used < budget) {
    for (std::size_t p = 0; p < count && !s.done() && used < budget; ++p, ++used) {
      std::size_t a, b, c;
      do {
        a = static_cast<std::size_t>(random.below(static_cast<int>(count)));
      } while (a == p);
      do {
        b = static_cast<std::size_t>(random.below(static_cast<int>(count)));
      } while (b == p || b == a);
      do {
        c = static_cast<std::size_t>(random.below(static_cast<int>(count)));
      } while (c == p || c == a || c == b);
      const std::size_t forced = static_cast<std::size_t>(random.below(static_cast<int>(n)));
      std::vector<double> trial = members[p];
      for (std::size_t j = 0; j < n; ++j) {
        if (j == forced || random.uniform() < kCrossover) {
          trial[j] = members[a][j] + kWeight * (members[b][j] - members[c][j]);
          // A coordinate thrown outside its range lands between its old value and the bound.
          if (trial[j] < s.lo(j)) {
            trial[j] = s.lo(j) + random.uniform() * (members[p][j] - s.lo(j));
          } else if (trial[j] > s.hi(j)) {
            trial[j] = s.hi(j) - random.uniform() * (s.hi(j) - members[p][j]);
          }
        }
      }
      const double cost = s.evaluateLog(trial).cost;
      if (cost <= costs[p]) {
        members[p] = std::move(trial);
        costs[p] = cost;
      }
    }
  }
  std::vector<double> startValues(n);
  for (std::size_t j = 0; j < n; ++j) {
    startValues[j] = std::exp(start[j]);
  }
  return s.clamped(logOf(s.bestValuesOr(startValues)));
}

bool anySeries(const std::vector<Variable>& vars)
{
  return std::any_of(vars.begin(), vars.end(), [](const Variable& v) { return v.series; });
}

// The series member nearest to x inside the variable's range (the range's nearest end where
// no member lies inside it).
double snapInside(const Variable& v, double x)
{
  double y = snapToSeries(x, *v.series);
  if (y < v.min) {
    y = seriesNeighbour(y, *v.series, 1);
  } else if (y > v.max) {
    y = seriesNeighbour(y, *v.series, -1);
  }
  return std::clamp(y, v.min, v.max);
}

// Snaps the series variables and steps each up or down its series while that lowers the
// cost; the result holds series values only, even where a point between them cost less.
Evaluation seriesSearch(Search& s, const std::vector<Variable>& vars, std::vector<double> x)
{
  for (std::size_t i = 0; i < vars.size(); ++i) {
    if (vars[i].series) {
      x[i] = snapInside(vars[i], x[i]);
    }
  }
  Evaluation at = s.evaluate(x);
  bool moved = true;
  while (moved && !at.allMet && !s.spent()) {
    moved = false;
    for (std::size_t i = 0; i < vars.size() && !s.spent(); ++i) {
      if (!vars[i].series) {
        continue;
      }
      for (const int step : {-1, 1}) {
        std::vector<double> y = x;
        y[i] = seriesNeighbour(x[i], *vars[i].series, step);
        if (y[i] < vars[i].min * (1 - 1e-12) || y[i] > vars[i].max * (1 + 1e-12)) {
          continue;
        }
        const Evaluation e = s.evaluate(y);
        if (e.cost < at.cost) {
          x = y;
          at = e;
          moved = true;
          break;
        }
      }
    }
  }
  return at;
}

} // namespace

OptimizeResult optimize(CircuitEvaluator& evaluator, const std::vector<double>& start,
                        const OptimizeSettings& settings)
{
  const std::vector<Variable>& vars = evaluator.variables();
  const bool series = anySeries(vars);
  // A fifth of the budget, at least the one evaluation of the snapped values, is kept for
  // the series search.
  const int continuous = series ? settings.maxEvaluations - std::max(1, settings.maxEvaluations / 5)
                                : settings.maxEvaluations;
  Search s(evaluator, continuous, settings);
  OptimizerRandom random(settings.seed);
  const std::vector<double> u0 = s.clamped(logOf(start));
  switch (settings.method) {
  case OptimizeMethod::Local:
    levenbergMarquardt(s, u0);
    break;
  case OptimizeMethod::Global:
    differentialEvolution(s, u0, random, continuous);
    break;
  case OptimizeMethod::Auto:
    levenbergMarquardt(s, differentialEvolution(s, u0, random, continuous / 2));
    break;
  }
  if (!series) {
    return {s.best(), evaluator.evaluations()};
  }
  Search discrete(evaluator, settings.maxEvaluations - continuous, settings);
  Evaluation snapped = seriesSearch(discrete, vars, s.bestValuesOr(start));
  return {std::move(snapped), evaluator.evaluations()};
}

} // namespace norvane

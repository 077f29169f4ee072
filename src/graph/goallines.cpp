#include "graph/goallines.h"

#include "optimize/goalcheck.h"

#include <algorithm>
#include <cmath>

namespace norvane {
namespace {

bool portOne(MeasuredParameter p)
{
  return p == MeasuredParameter::S11 || p == MeasuredParameter::S21;
}

std::optional<GoalMeasure> sParameterMeasure(MeasuredParameter p)
{
  switch (p) {
  case MeasuredParameter::S11:
    return GoalMeasure::S11;
  case MeasuredParameter::S21:
    return GoalMeasure::S21;
  case MeasuredParameter::S12:
    return GoalMeasure::S12;
  case MeasuredParameter::S22:
    return GoalMeasure::S22;
  }
  return std::nullopt;
}

// The trace's value at a frequency, straight between the stored points around it.
std::optional<double> valueAt(const PlotStore& store, int n, double freq, bool second)
{
  const auto value = [&](int i) { return second ? store.at(i).trace2 : store.at(i).trace1; };
  for (int i = 1; i <= n; ++i) {
    const PlotPoint& p = store.at(i);
    if (p.freq == freq) return value(i);
    if (i > 1 && store.at(i - 1).freq < freq && freq < p.freq) {
      const double f0 = store.at(i - 1).freq;
      const double t = (freq - f0) / (p.freq - f0);
      return value(i - 1) + t * (value(i) - value(i - 1));
    }
  }
  return std::nullopt;
}

struct Piece
{
  double from = 0.0; // Hz
  double to = 0.0;
  bool met = false;
};

// The pieces of a banded goal: each sweep point inside the band owns the stretch halfway to
// its neighbours, cut at the band's edges.
std::vector<Piece> bandPieces(const Goal& goal, const PlotStore& store, int n, bool second)
{
  std::vector<Piece> pieces;
  for (int i = 1; i <= n; ++i) {
    const double f = store.at(i).freq;
    if (f < goal.from || f > goal.to) continue;
    const double lo = i > 1 ? 0.5 * (store.at(i - 1).freq + f) : f;
    const double hi = i < n ? 0.5 * (f + store.at(i + 1).freq) : f;
    const double value = second ? store.at(i).trace2 : store.at(i).trace1;
    pieces.push_back({std::max(lo, goal.from), std::min(hi, goal.to), goalMetBy(goal, value)});
  }
  if (pieces.empty()) {
    // A band narrower than the point spacing: judged on the trace at its middle.
    const double mid = 0.5 * (goal.from + goal.to);
    if (const auto v = valueAt(store, n, mid, second))
      pieces.push_back({goal.from, goal.to, goalMetBy(goal, *v)});
  }
  return pieces;
}

void drawGoal(Canvas& canvas, const IntRect& area, const FrequencyAxis& x, const ValueAxis& y,
              const Goal& goal, const PlotStore& store, int n, bool second, int penWidth)
{
  const double yPixel = area.top + y.offset(goal.target, area.height);
  if (!std::isfinite(yPixel) || yPixel < area.top || yPixel > area.bottom()) return;
  const int row = static_cast<int>(std::lround(yPixel));
  const auto column = [&](double f) {
    const double px = std::clamp(area.left + x.offset(f), static_cast<double>(area.left),
                                 static_cast<double>(area.right()));
    return static_cast<int>(std::lround(px));
  };
  const auto line = [&](int x1, int x2, bool met) {
    canvas.setPen(
        {met ? kGoalMetColor : kGoalMissedColor, penWidth, PenStyle::Solid, PenMode::Copy});
    canvas.moveTo(x1, row);
    canvas.lineTo(x2, row);
  };
  if (goal.single) {
    const auto v = valueAt(store, n, goal.from, second);
    if (!v) return;
    const int c = column(goal.from);
    const int half = std::max(4, 3 * penWidth);
    line(std::max(area.left, c - half), std::min(area.right(), c + half), goalMetBy(goal, *v));
    return;
  }
  for (const Piece& piece : bandPieces(goal, store, n, second)) {
    const int x1 = column(piece.from);
    const int x2 = column(piece.to);
    line(x1, x2 == x1 ? x1 + 1 : x2, piece.met);
  }
}

} // namespace

bool goalMatchesTrace(const Goal& goal, const TraceAxis& axis)
{
  const GoalMeasure m = goal.measure;
  const bool port1 = portOne(axis.measwhat);
  switch (axis.tracetype) {
  case TraceType::Log20:
    return goal.unit == GoalUnit::Db && sParameterMeasure(axis.measwhat) == m;
  case TraceType::Linear:
    return goal.unit == GoalUnit::Mag && sParameterMeasure(axis.measwhat) == m;
  case TraceType::Phase:
    return goal.unit == GoalUnit::Deg && sParameterMeasure(axis.measwhat) == m;
  case TraceType::GroupDelay:
    return m == GoalMeasure::Gd21 && axis.measwhat == MeasuredParameter::S21;
  case TraceType::StabilityK:
    return m == GoalMeasure::K;
  case TraceType::Mu:
    return m == (port1 ? GoalMeasure::Mu1 : GoalMeasure::Mu2);
  case TraceType::MaxGain:
    return m == GoalMeasure::Mag;
  case TraceType::Vswr:
    return m == (port1 ? GoalMeasure::Vswr1 : GoalMeasure::Vswr2);
  case TraceType::NoiseFigure:
    return m == GoalMeasure::Nf;
  default:
    return false; // 10Log(P) includes the ports' impedance ratio: not a goal's dB
  }
}

bool goalMetBy(const Goal& goal, double value)
{
  if (!std::isfinite(value)) return false;
  double diff = value - goal.target;
  if (goal.unit == GoalUnit::Deg) diff = std::remainder(diff, 360.0);
  const double slack = kInequalitySlack * std::max(1.0, std::abs(goal.target));
  switch (goal.relation) {
  case GoalRelation::AtMost:
    return diff <= slack;
  case GoalRelation::AtLeast:
    return diff >= -slack;
  case GoalRelation::Equal:
    return std::abs(diff) <= equalTolerance(goal);
  }
  return false;
}

std::vector<Goal> readableGoals(const std::vector<std::string>& texts)
{
  std::vector<Goal> goals;
  for (const std::string& text : texts)
    if (auto reading = parseGoal(text); reading.goal) goals.push_back(*reading.goal);
  return goals;
}

void drawGoalLines(Canvas& canvas, const IntRect& area, const FrequencyAxis& x, const ValueAxis& y1,
                   const ValueAxis& y2, const Schematic& doc, const PlotStore& store, int penWidth)
{
  const int n = store.count();
  if (n < 1 || doc.goals.empty()) return;
  for (const Goal& goal : readableGoals(doc.goals)) {
    if (goalMatchesTrace(goal, doc.Y1ax))
      drawGoal(canvas, area, x, y1, goal, store, n, false, penWidth);
    if (goalMatchesTrace(goal, doc.Y2ax))
      drawGoal(canvas, area, x, y2, goal, store, n, true, penWidth);
  }
}

} // namespace norvane

#pragma once
// Checking goals against a circuit's response. A goal is checked at the sweep's points inside
// its band and at the band's two edges, which are simulated exactly (not interpolated): the
// optimiser simulates only these frequencies, so the edges cost two points each.
//
// Each checked point gives a residual, the goal's shortfall there times its weight: for
// "<=" the amount above the value, for ">=" the amount below it (0 where the goal holds), for
// "=" the signed deviation. Phases compare on the circle (350 deg lies 20 deg from 10 deg).
// A point where the measure cannot be formed (no such port, a matrix that could not be
// solved, K of a circuit without transmission) counts as missing the goal by kMissingValue.

#include "optimize/goal.h"
#include "sim/sweep.h"
#include "sim/sweeppoint.h"

#include <optional>
#include <vector>

namespace norvane {

// The shortfall given to a point whose measure cannot be formed.
constexpr double kMissingValue = 100.0;

// How far, relative to the target (at least 1), a "<=" or ">=" goal may miss through rounding
// alone and still count as met.
constexpr double kInequalitySlack = 1e-9;

// Group delay is the phase slope over a step of this relative size above each point.
constexpr double kGroupDelayStep = 1e-6;

// The frequencies where a set of goals is checked, and which of them belong to each goal.
struct GoalPlan
{
  std::vector<double> frequencies; // ascending, each once; Hz
  // Per goal, the indices of its points in `frequencies`; for GD21 goals each point is
  // followed by the index of its companion point kGroupDelayStep above.
  std::vector<std::vector<int>> points;
};

// The sweep's points inside each goal's band, the band's edges (raised to the simulator's
// lowest frequency where they lie below it) and the group-delay companions.
GoalPlan planGoals(const std::vector<Goal>& goals, const SweepPlan& sweep);

struct GoalOutcome
{
  bool met = false;
  std::optional<double> worst; // the value farthest on the wrong side; none where never formed
};

// The value of a goal's measure at one point; nullopt where it cannot be formed. z1, z2: the
// ports' reference impedances. `companion` is the point above, for the group delay.
std::optional<double> goalValue(const Goal& goal, const SweepPoint& p, const SweepPoint* companion,
                                double z1, double z2);

// How far "=" may miss and still count as met: 1 % of the target, at least 0.01.
double equalTolerance(const Goal& goal);

// The residuals of every goal at its points, appended to `residuals`, and each goal's outcome.
// `margin` asks each "<=" and ">=" goal to hold by that much more (a fraction of the target's
// size, at least its value in the goal's unit) so that an optimum lands inside the goal rather
// than on its edge; outcomes are judged without it.
std::vector<GoalOutcome> checkGoals(const std::vector<Goal>& goals, const GoalPlan& plan,
                                    const std::vector<SweepPoint>& points, double z1, double z2,
                                    double margin, std::vector<double>& residuals);

} // namespace norvane

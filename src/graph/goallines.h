#pragma once
// The optimiser's goals drawn on the rectangular graph: each goal whose measure is what a
// trace shows becomes a horizontal limit line over its band on that trace's axis (a short tick
// where it holds at one frequency), green where the trace meets it and red where it does not.

#include "document/schematic.h"
#include "graph/intgeometry.h"
#include "graph/plotstore.h"
#include "graph/rectaxes.h"
#include "optimize/goal.h"
#include "platform/canvas.h"

#include <optional>
#include <string>
#include <vector>

namespace norvane {

inline constexpr Color kGoalMetColor = makeColor(0, 160, 0);
inline constexpr Color kGoalMissedColor = makeColor(230, 0, 0);

// Whether the goal measures what a trace with these settings shows: "S21 dB" on S21 in
// 20Log(V), "S21 mag" on Linear V, "S21 deg" on Phase, "GD21 s" on the group delay of S21, K,
// MU1/MU2, MAG dB and VSWR1/VSWR2 on their figures (port 1 for S11 and S21, port 2 else).
bool goalMatchesTrace(const Goal& goal, const TraceAxis& axis);

// Whether a value shown by the trace meets the goal (phases compare on the circle).
bool goalMetBy(const Goal& goal, double value);

// The goal texts that read as goals, in order; the others are left out.
std::vector<Goal> readableGoals(const std::vector<std::string>& texts);

// The limit lines of every matching goal over the stored points: each piece of the line
// around a sweep point inside the band takes that point's verdict; a single frequency is
// judged on the trace interpolated there. Nothing is drawn before a run.
void drawGoalLines(Canvas& canvas, const IntRect& area, const FrequencyAxis& x, const ValueAxis& y1,
                   const ValueAxis& y2, const Schematic& doc, const PlotStore& store, int penWidth);

} // namespace norvane

#pragma once
// S-parameters of a stored data set at any frequency: linear interpolation between the two
// neighbouring points, linear extrapolation from the end intervals outside the data (a
// magnitude never below zero; sim/extrapolation.h names the blocks a sweep extrapolates).
// Angles take the shorter way round, so +170 deg to -170 deg passes through 180 deg, not 0.

#include "document/schematic.h"

namespace norvane {

// The four (magnitude, angle) pairs of a 2-port set at f, in stored order P1..P4 (for a
// Touchstone 2-port file S11, S21, S12, S22), with freq = f. An empty set gives zeros; a
// one-point set gives its single point at every frequency.
TwoPortPoint interpolateTwoPort(const TwoPortDataSet& set, double f);

// S11 of a 1-port set at f, under the same rules.
MagnitudeAngle interpolateOnePort(const OnePortDataSet& set, double f);

} // namespace norvane

#pragma once
// What the two data-block kinds share: their parameters (which stored data set they show,
// and the tolerances on the magnitudes and angles of its S-parameters) and how a block reads
// its set.

#include "kinds/kindunit.h"

namespace norvane::kinds {

// Tolerances in percent, in maxtol (the dialog stores -x and +x).
inline constexpr ParameterDescription kDataBlockParameters[] = {
    {"dataSet", 1, F::Nom, "", false, 0, 0, 1, kMaxDataSets, unset()},
    {"magnitudeTolerance", 2, F::Whole, "%", true, 0, 2, 0, 100, unset()},
    {"angleTolerance", 3, F::Whole, "%", true, 0, 2, 0, 100, unset()},
};

// The data set a block names: its "dataSet" rounded, 1..50; 0 when out of range.
int dataSetIndex(const Component& block);

// A stored S-parameter with the block's tolerance factors applied (only when enabled).
Complex withFactors(const MagnitudeAngle& s, const Component& block);

// The name of the data set a block shows, for its listing line; empty when none.
std::string dataSetName(const Schematic& doc, const Component& block);

} // namespace norvane::kinds

#pragma once
// Data blocks swept beyond their data. Outside its first and last point a block's
// S-parameters are extrapolated along the end intervals (sim/interpolate.h), which the user
// has to know: a run names every such block and the frequencies concerned.

#include "document/schematic.h"
#include "sim/sweep.h"

#include <string>
#include <vector>

namespace norvane {

// One line per data block of the drawing whose data (at least two points) do not cover the
// sweep, e.g. "ATT1 (att6db.s2p, data 1MHz to 2GHz) is extrapolated from 500kHz to 1MHz and
// from 2GHz to 10GHz". A block without a name is called "2-port block 3" or "1-port block 3"
// after its data set. Empty when every block's data cover the sweep.
std::vector<std::string> extrapolatedDataBlocks(const Schematic& doc, const SweepPlan& plan);

} // namespace norvane

#pragma once
// The noise parameters of a stored 2-port data set at any frequency, interpolated as its
// S-parameters are (linearly in NFmin dB, |Gamma-opt|, its angle the shorter way round, and
// Rn; from the end intervals outside the data), kept physical where an extrapolation would
// leave the range: NFmin not below 0 dB, |Gamma-opt| below 1, Rn not below 0.

#include "document/schematic.h"
#include "sim/noiseparameters.h"

namespace norvane {

// Absent when the set holds no noise parameters.
std::optional<NoiseParameters> interpolateNoise(const TwoPortDataSet& set, double f);

} // namespace norvane

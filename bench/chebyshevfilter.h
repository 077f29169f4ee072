#pragma once
// The filter the optimiser and yield benchmarks work on: a Chebyshev low-pass of 0.5 dB ripple
// and 100 MHz cut-off as the filter assistant writes it, swept logarithmically from 1 MHz to
// 1 GHz in 201 points.

#include "document/schematic.h"

#include <memory>

namespace norvane::bench {

std::unique_ptr<Schematic> chebyshevLowPass(int poles);

} // namespace norvane::bench

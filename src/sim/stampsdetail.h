#pragma once
// What the kinds' stamps (src/kinds/) share: the node numbers of a component's pins.

#include "document/schematic.h"
#include "sim/complex.h"
#include "sim/complexmatrix.h"
#include "sim/netlist.h"

#include <array>

namespace norvane::stampdetail {

// 2 pi, as the angular frequency w = 2 pi f is formed everywhere.
constexpr double kTwoPi = complexconst::kTwoPi;

// Node numbers of pins 1..5 (index 0 unused).
using Pins = std::array<int, 6>;

// Reads the node numbers of pins 1..wanted; false when the component has fewer pins or one
// of them lies outside the matrix.
bool resolvePins(const PinNodes& nodes, int wanted, Pins& p);

} // namespace norvane::stampdetail

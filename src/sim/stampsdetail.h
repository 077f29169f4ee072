#pragma once
// What the kinds' stamps (src/kinds/) share: the node numbers of a component's pins.

#include "document/schematic.h"
#include "sim/complex.h"
#include "sim/complexmatrix.h"

#include <array>

namespace norvane::stampdetail {

// y of a pin or port terminal that holds a node number in x (see netlist.h).
constexpr int kResolvedY = -1;
// 2 pi, as the angular frequency w = 2 pi f is formed everywhere.
constexpr double kTwoPi = complexconst::kTwoPi;

// Node numbers of pins 1..5 (index 0 unused).
using Pins = std::array<int, 6>;

// Reads the node numbers of pins 1..wanted; false when one of them holds no node reference.
bool resolvePins(const Component& c, int wanted, Pins& p);

} // namespace norvane::stampdetail

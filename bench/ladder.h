#pragma once
// LC ladder circuits of a chosen size for the benchmarks: n nodes in a row between port 1
// (node 1) and port 2 (node n), a shunt capacitor to ground at every node and a series
// inductor between neighbours. The nodal matrix is tridiagonal, as for most drawn filters.

#include "document/schematic.h"

#include <memory>

namespace norvane::bench {

std::unique_ptr<Schematic> ladderCircuit(int nodes);

} // namespace norvane::bench

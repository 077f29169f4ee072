#pragma once
// The circuits of the benchmarks and of the comparison with ngspice, described once as a list
// of elements between numbered nodes and turned into either a drawn Norvane schematic or a
// SPICE deck, so that both simulators see the same circuit:
//   ladder(n)       an LC ladder of n nodes (series L, shunt C), port 1 at the first node,
//                   port 2 at the last;
//   irregular(100)  100 nodes: a chain of series R-L-C sections and line sections, traps
//                   (series L-C) and R-C branches to ground, bridging resistors and capacitors
//                   across three sections, and mutual inductances between distant nodes.

#include "document/schematic.h"

#include <memory>
#include <string>
#include <vector>

namespace norvane::bench {

struct BenchElement
{
  ComponentType ctype{}; // Resistor, Capacitor, Inductor, TxLine or Mutual
  int a = 0;     // nodes (0 ground); for ComponentType::Mutual a, b are the two windings' hot ends
  int b = 0;
  double value = 0.0; // ohm, farad, henry; line: impedance; mutual: inductance of each winding
  double extra = 0.0; // line: delay in seconds; mutual: coupling factor
};

struct BenchCircuit
{
  std::string name;
  int nodes = 0;
  std::vector<BenchElement> elements;
  int port1 = 1;
  int port2 = 1;
};

BenchCircuit ladder(int nodes);
BenchCircuit irregular();

// The drawn schematic: component symbols, wires and ground symbols on the grid, sweep 1 MHz to
// 1 GHz in 500 intervals, linear, both ports 50 Ohm.
std::unique_ptr<Schematic> drawCircuit(const BenchCircuit& c);

// The same circuit for ngspice's S-parameter analysis (.sp, port sources with portnum and z0),
// over the same 501 frequencies.
std::string spiceDeck(const BenchCircuit& c);

} // namespace norvane::bench

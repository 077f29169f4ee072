#pragma once
// The simulator's side of each component kind: how it is stamped into the admittance matrix
// how the netlist listing shows it, what the value check must find nonzero and how the
// SPICE exporter writes it. One entry per kind (ground has no stamp); the kind's
// parameters themselves are described in document/componentkinds.h.

#include "document/componentkinds.h"
#include "document/schematic.h"
#include "sim/complex.h"
#include "sim/complexmatrix.h"
#include "sim/netlist.h"

#include <span>
#include <string>
#include <vector>

namespace norvane {

namespace spicedetail {
class Deck;
}

struct Device
{
  ComponentType type = ComponentType::Ground;
  // Adds the component's contribution at f (Hz) between its pin nodes; nullptr: contributes
  // nothing (ground).
  void (*stamp)(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f,
                const DataSets& data, ComplexErrors& errors) = nullptr;
  // The component's line of the netlist listing; nullptr: not listed (ground).
  std::string (*listing)(const Schematic& doc, const Component& c, const PinNodes& nodes) = nullptr;
  // The values the stamp divides by (1/R, 1/(wL), Q/(wC), 1/Zo, l/v, (Np/Ns)^2 and the
  // like), which the value check refuses when zero; nullptr: none.
  std::vector<double> (*divisors)(const Component& c) = nullptr;
  // Writes the component's SPICE element lines; false when its values give no valid
  // element. nullptr: the kind has no SPICE element (ground needs none, the data blocks
  // cannot be exported).
  bool (*spice)(spicedetail::Deck& deck) = nullptr;
};

// Every kind's device, in code order.
std::span<const Device> devices();

// The device of a kind code; nullptr for a code that names no kind.
const Device* findDevice(ComponentType type);

} // namespace norvane

#pragma once
// The simulator's side of a component kind: how it is stamped into the admittance matrix,
// how the netlist listing shows it, what the value check must find nonzero, how the SPICE
// exporter writes it and what noise it makes. Each kind's unit (src/kinds/) fills one in and points
// its description (document/componentkinds.h) at it; ground has none.

#include "document/componentkinds.h"
#include "document/schematic.h"
#include "sim/complex.h"
#include "sim/complexmatrix.h"
#include "sim/netlist.h"

#include <string>
#include <vector>

namespace norvane {

namespace spicedetail {
class Deck;
}
class NoiseSources;

struct DeviceModel
{
  // Adds the component's contribution at f (Hz) between its pin nodes; nullptr: contributes
  // nothing.
  void (*stamp)(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f,
                const DataSets& data, ComplexErrors& errors) = nullptr;
  // The component's line of the netlist listing; nullptr: not listed.
  std::string (*listing)(const Schematic& doc, const Component& c, const PinNodes& nodes) = nullptr;
  // The values the stamp divides by (1/R, 1/(wL), Q/(wC), 1/Zo, l/v, (Np/Ns)^2 and the
  // like), which the value check refuses when zero; nullptr: none.
  std::vector<double> (*divisors)(const Component& c) = nullptr;
  // Writes the component's SPICE element lines; false when its values give no valid
  // element. nullptr: the kind has no SPICE element (the data blocks cannot be exported).
  bool (*spice)(spicedetail::Deck& deck) = nullptr;
  // Adds the component's noise currents at f (Hz) between its pin nodes (sim/noisesources.h),
  // or notes that the model takes it as noiseless; nullptr: the kind makes no noise (lossless
  // parts).
  void (*noise)(NoiseSources& sources, const Component& c, const PinNodes& nodes, double f,
                const DataSets& data, ComplexErrors& errors) = nullptr;
};

// The device model of a kind; nullptr for ground and for a value that names no kind.
const DeviceModel* findDevice(ComponentType type);

// ---- Pieces of the listing lines --------------------------------------------------------

// A value as the listing shows it: engineering notation, three decimals.
std::string listingValue(double x);
// "N1 N2 ... Nk": the nodes of the component's first k pins.
std::string listingNodes(const PinNodes& nodes, int count);

} // namespace norvane

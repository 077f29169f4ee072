#pragma once
// Stamping: what the components add to the nodal admittance matrix at one frequency (each
// kind's own model is in its unit under src/kinds/).
//
// Everything is linear, small-signal and in the frequency domain. There are no voltage-source
// rows: every source is modelled by admittances (Norton form), with very large or very small
// conductances where an ideal element is meant. Node 0 is ground; its row and column are
// stamped like any other and simply never solved.
//
// Each component is stamped between the node numbers the netlist gave its pins
// (buildNetlist); the tolerance rule has set `actual` of the values it governs before the
// first point. A component with fewer pins than its model needs, or a node outside 0..100,
// stamps nothing.
//
// All additions go through ComplexMatrix::add, in the order each model lists them, so the
// rounding of every matrix entry is fixed by the component order of the document.

#include "document/schematic.h"
#include "sim/complexmatrix.h"
#include "sim/netlist.h"

#include <vector>

namespace norvane {

namespace stampconst {
// Conductance of the ideal controlled sources' output and sensing branches, S.
constexpr double kVcvsOutput = 1e7;        // VCVS output conductance G0
constexpr double kCcvsBranch = 1e7;        // CCVS sensing and output branches (0.1 uOhm)
constexpr double kCcvsTransfer = 1e14;     // CCVS transresistance scale (kCcvsBranch squared)
constexpr double kCccsSense = 1e9;         // CCCS sensing branch (1 nOhm)
constexpr double kSourceLeak = 1e-9;       // small conductance that keeps source nodes solvable
constexpr double kIdealWinding = 1e9;      // susceptance magnitude of an ideal winding, S
constexpr double kTransformerLeak = 1e-20; // leak to ground at the transformer's pins 2 and 4
constexpr double kShortedPort = 1e18;      // port conductance when Zo is exactly 0
constexpr double kDataReference = 50.0;    // reference impedance of all stored S-parameters
} // namespace stampconst

// Adds one component's contribution at frequency f (Hz). S-parameter blocks read their data
// set from `data`; a block whose set is out of range or empty stamps nothing. Complex
// divisions by zero (a 2-port block whose data make its admittance infinite) give the
// 1e20 + j1e20 sentinel and set errors.ComplexOverflow.
// `nodes` are the component's pin nodes.
void stampComponent(ComplexMatrix& m, const Component& component, const PinNodes& nodes, double f,
                    const DataSets& data, ComplexErrors& errors);

// Every component of the drawing in document order (the matrix is not cleared first);
// `netlist` was built from `doc`.
void stampComponents(ComplexMatrix& m, const Schematic& doc, const Netlist& netlist, double f,
                     ComplexErrors& errors);

// The components' stamps looked up once, for a sweep that stamps the same circuit at every
// point: each component's stamp function with its pin nodes, in document order. Stamps
// exactly what stampComponents does.
class CircuitStamps
{
public:
  CircuitStamps(const Schematic& doc, const Netlist& netlist);
  void stamp(ComplexMatrix& m, double f, ComplexErrors& errors) const;

private:
  using StampFunction = void (*)(ComplexMatrix&, const Component&, const PinNodes&, double,
                                 const DataSets&, ComplexErrors&);
  struct Call
  {
    StampFunction stamp;
    const Component* component;
    const PinNodes* nodes;
  };
  std::vector<Call> m_calls;
  const DataSets& m_data;
};

// The port terminations: 1/Zo (1e18 when Zo is exactly 0) on the diagonal of each port
// whose terminal reached a node in `netlist`. Port 1 first, then port 2.
void stampPorts(ComplexMatrix& m, const Drawing& drawing, const Netlist& netlist);

// Building blocks, public for the tests and for anyone who must stamp by hand.
// stamp2: admittance y between nodes a and b, in the order aa, bb, ab, ba.
void stamp2(ComplexMatrix& m, int a, int b, Complex y);

} // namespace norvane

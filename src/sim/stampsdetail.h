#pragma once
// Shared by the element model files (stamps*.cpp); not part of the public interface.

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

void stampResistor(ComplexMatrix& m, const Component& c, const PinNodes& nodes);
void stampCapacitor(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f);
void stampInductor(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f);
void stampTxLine(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f);
void stampOpAmp(ComplexMatrix& m, const Component& c, const PinNodes& nodes);
void stampBipolar(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f,
                  ComplexErrors& errors);
void stampVCVS(ComplexMatrix& m, const Component& c, const PinNodes& nodes);
void stampVCCS(ComplexMatrix& m, const Component& c, const PinNodes& nodes);
void stampCCVS(ComplexMatrix& m, const Component& c, const PinNodes& nodes);
void stampCCCS(ComplexMatrix& m, const Component& c, const PinNodes& nodes);
// The transformer and the mutual inductance share their model; the transformer's secondary
// goes with the square of the turns ratio (the mutual inductance's dialog gives a linear
// ratio) and it has a tiny leak to ground at pins 2 and 4.
enum class WindingKind { Transformer, Mutual };
void stampCoupledWindings(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f,
                          WindingKind kind);
inline void stampTransformer(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f)
{
  stampCoupledWindings(m, c, nodes, f, WindingKind::Transformer);
}
inline void stampMutual(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f)
{
  stampCoupledWindings(m, c, nodes, f, WindingKind::Mutual);
}
void stampTwoPortBlock(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f,
                       const DataSets& data, ComplexErrors& errors);
void stampOnePortBlock(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f,
                       const DataSets& data, ComplexErrors& errors);

} // namespace norvane::stampdetail

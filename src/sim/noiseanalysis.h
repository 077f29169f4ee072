#pragma once
// Noise analysis of one frequency point, from the nodal matrix the sweep has already
// factorised there.
//
// The sources (sim/noisesources.h) are noise currents into the nodes with correlation C.
// Two solves of the transposed (adjoint) system, A^T t_k = e_k at the port nodes p1 and p2,
// give the rows t_k of A^-1: the voltage at port k caused by a current at any node. Then,
// with the ports terminated in their reference resistances Z1 and Z2 as the matrix has them,
//   the port voltages' correlation   Cv = [t_k C t_l^H],
//   the ports' impedance matrix      Zt = [t_k(p_l)],
// and the circuit's two-port (without the terminations) has Y = Zt^-1 - diag(1/Z1, 1/Z2)
// and the noise currents at its ports C_Y = Zt^-1 Cv Zt^-H, whose chain form gives the
// noise parameters (sim/noiseparameters.h). The noise figure for a source of Z1 is the
// output noise over the part of it that the source's own 4kT/Z1 causes:
//   F = 1 + t_2 C t_2^H / (|t_2(p1)|^2 4kT/Z1).
// The source is at the standard 290 K (the definition of F), the circuit's sources at the
// temperature they were gathered at. The load's noise is not counted (the noise figure is a
// property of the two-port and its source). No transfer to port 2 (t_2(p1) = 0): NF and the noise
// parameters are absent.

#include "document/schematic.h"
#include "sim/complexmatrix.h"
#include "sim/lusolver.h"
#include "sim/netlist.h"
#include "sim/noisesources.h"
#include "sim/sweeppoint.h"

namespace norvane {

// The components' noise functions looked up once, as CircuitStamps does for the stamps.
class CircuitNoise
{
public:
  CircuitNoise(const Schematic& doc, const Netlist& netlist);
  // Clears `sources` and adds every component's noise at f.
  void gather(NoiseSources& sources, double f, ComplexErrors& errors) const;

private:
  using NoiseFunction = void (*)(NoiseSources&, const Component&, const PinNodes&, double,
                                 const DataSets&, ComplexErrors&);
  struct Call
  {
    NoiseFunction noise;
    const Component* component;
    const PinNodes* nodes;
  };
  std::vector<Call> m_calls;
  const DataSets& m_data;
};

// `factors`: the matrix after a successful decomposition `lu` (node order as the matrix has
// it), with the port terminations stamped. z1, z2: the ports' reference resistances. Both
// ports must be connected.
PointNoise analyseNoise(const ComplexMatrix& factors, const LUDecomposition& lu, const Netlist& net,
                        const NoiseSources& sources, double z1, double z2, ComplexErrors& errors);

} // namespace norvane

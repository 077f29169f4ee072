#pragma once
// A tiny test bench for the element models: components with their pins already numbered,
// stamped and solved the way a sweep does it, giving the four S-parameters. The expected
// values in the tests come from textbook two-port formulas in std::complex, not from the code
// under test.

#include "document/schematic.h"
#include "sim/lusolver.h"
#include "sim/netlist.h"
#include "sim/stamps.h"

#include <complex>
#include <initializer_list>
#include <memory>

namespace norvane::stamptest {

using C = std::complex<double>;

inline C toStd(Complex z)
{
  return C{z.re, z.im};
}

// A component of `ctype` whose pins hold the given node numbers.
inline Component part(ComponentType ctype, std::initializer_list<int> nodes)
{
  Component c;
  c.ctype = ctype;
  c.crot = 1;
  int k = 1;
  for (int n : nodes) {
    c.pins.nodes[k++] = Point{n, -1};
  }
  c.pins.count = k - 1;
  return c;
}

// Sets nom and actual of a value slot.
inline void setValue(Component& c, int slot, double v)
{
  c.value[slot].nom = v;
  c.value[slot].actual = v;
}

struct SParams
{
  C s11, s21, s12, s22;
};

// A circuit with `nodes` nodes, port 1 at node 1 and port 2 at node `port2Node` (0: absent).
// Its netlist takes each component's nodes from its pins; a pin that holds no node reference
// gets a node outside the matrix, which its stamp refuses.
class Bench
{
public:
  explicit Bench(int nodes, int port2Node = 2, double z1 = 50, double z2 = 50)
      : m_doc(std::make_unique<Schematic>()), m_nodes(nodes)
  {
    Drawing& d = m_doc->drawdat;
    d.P1.pos = Point{0, 0};
    d.P1.node = Point{1, -1};
    d.P1.Zo = z1;
    d.P2.pos = port2Node > 0 ? Point{100, 0} : Point{-100, -100};
    d.P2.node = port2Node > 0 ? Point{port2Node, -1} : Point{-120, -100};
    d.P2.Zo = z2;
    m_net.nodeCount = nodes;
    m_net.port1Connected = true;
    m_net.port1Node = 1;
    m_net.port2Connected = port2Node > 0;
    m_net.port2Node = port2Node;
  }

  Schematic& doc() { return *m_doc; }
  void add(const Component& c)
  {
    m_doc->drawdat.components.append(c);
    PinNodes pins;
    pins.count = c.pins.count;
    for (int k = 1; k <= c.pins.count; ++k) {
      const Point p = c.pins.nodes[k];
      pins.node[static_cast<std::size_t>(k)] = p.y == kResolvedMarker ? p.x : -1;
    }
    m_net.pins.push_back(pins);
  }

  // The matrix after stamping everything (components, then ports) at f.
  std::unique_ptr<ComplexMatrix> matrix(double f)
  {
    auto m = std::make_unique<ComplexMatrix>();
    m->clear(m_nodes);
    stampComponents(*m, *m_doc, m_net, f, errors);
    stampPorts(*m, m_doc->drawdat, m_net);
    return m;
  }

  SParams solve(double f)
  {
    auto m = matrix(f);
    LUDecomposition lu;
    SParams s;
    if (!luDecompose(*m, m_nodes, lu, errors)) {
      return s;
    }
    const Drawing& d = m_doc->drawdat;
    const int p1 = d.P1.node.x;
    const int p2 = d.P2.pos.x >= 0 ? d.P2.node.x : 0;
    const double z1 = d.P1.Zo;
    const double z2 = d.P2.Zo;
    ComplexVector b1;
    b1[p1] = Complex{1.0 / z1, 0};
    luBackSubstitute(*m, lu, b1, errors);
    s.s11 = 2.0 * toStd(b1[p1]) - 1.0;
    if (p2 > 0) {
      s.s21 = 2.0 * toStd(b1[p2]) * std::sqrt(z1 / z2);
      ComplexVector b2;
      b2[p2] = Complex{1.0 / z2, 0};
      luBackSubstitute(*m, lu, b2, errors);
      s.s12 = 2.0 * toStd(b2[p1]) * std::sqrt(z2 / z1);
      s.s22 = 2.0 * toStd(b2[p2]) - 1.0;
    }
    return s;
  }

  ComplexErrors errors;

private:
  std::unique_ptr<Schematic> m_doc;
  int m_nodes;
  Netlist m_net;
};

// S-parameters of a two-port from its ABCD matrix, both ports at z0.
inline SParams fromAbcd(C A, C B, C Cc, C D, double z0 = 50)
{
  const C den = A + B / z0 + Cc * z0 + D;
  SParams s;
  s.s11 = (A + B / z0 - Cc * z0 - D) / den;
  s.s21 = 2.0 / den;
  s.s12 = 2.0 * (A * D - B * Cc) / den;
  s.s22 = (-A + B / z0 - Cc * z0 + D) / den;
  return s;
}

} // namespace norvane::stamptest

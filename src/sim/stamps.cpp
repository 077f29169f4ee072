#include "sim/stamps.h"

#include "sim/devicemodel.h"
#include "sim/netlist.h"
#include "sim/stampsdetail.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

// The stamping of a whole circuit: each component through its kind's device model, and the
// port terminations.

namespace norvane {

namespace stampdetail {

bool resolvePins(const PinNodes& nodes, int wanted, Pins& p)
{
  if (nodes.count < wanted) {
    return false;
  }
  for (int k = 1; k <= wanted; ++k) {
    const int node = nodes.node[static_cast<std::size_t>(k)];
    if (node < 0 || node > kMaxSystemSize) {
      return false;
    }
    p[static_cast<std::size_t>(k)] = node;
  }
  return true;
}

} // namespace stampdetail

using namespace stampdetail;

void stamp2(ComplexMatrix& m, int a, int b, Complex y)
{
  m.add(a, a, y);
  m.add(b, b, y);
  m.add(a, b, -y);
  m.add(b, a, -y);
}

void stampComponent(ComplexMatrix& m, const Component& component, const PinNodes& nodes, double f,
                    const DataSets& data, ComplexErrors& errors)
{
  // Ground and anything unknown add nothing.
  const DeviceModel* device = findDevice(component.ctype);
  if (device != nullptr && device->stamp != nullptr) {
    device->stamp(m, component, nodes, f, data, errors);
  }
}

void stampComponents(ComplexMatrix& m, const Schematic& doc, const Netlist& netlist, double f,
                     ComplexErrors& errors)
{
  const auto& components = doc.drawdat.components;
  const int count = std::min(components.count(), static_cast<int>(netlist.pins.size()));
  for (int i = 1; i <= count; ++i) {
    stampComponent(m, components[i], netlist.pins[static_cast<std::size_t>(i - 1)], f, doc.datasets,
                   errors);
  }
}

CircuitStamps::CircuitStamps(const Schematic& doc, const Netlist& netlist) : m_data(doc.datasets)
{
  const auto& components = doc.drawdat.components;
  const int count = std::min(components.count(), static_cast<int>(netlist.pins.size()));
  for (int i = 1; i <= count; ++i) {
    const DeviceModel* device = findDevice(components[i].ctype);
    if (device != nullptr && device->stamp != nullptr) {
      m_calls.push_back(
          {device->stamp, &components[i], &netlist.pins[static_cast<std::size_t>(i - 1)]});
    }
  }
}

void CircuitStamps::stamp(ComplexMatrix& m, double f, ComplexErrors& errors) const
{
  for (const Call& call : m_calls) {
    call.stamp(m, *call.component, *call.nodes, f, m_data, errors);
  }
}

void stampPorts(ComplexMatrix& m, const Drawing& drawing, const Netlist& netlist)
{
  const bool connected[2] = {netlist.port1Connected, netlist.port2Connected};
  const int nodes[2] = {netlist.port1Node, netlist.port2Node};
  const Port* ports[2] = {&drawing.P1, &drawing.P2};
  for (int p = 0; p < 2; ++p) {
    const int node = nodes[p];
    if (!connected[p] || node < 0 || node > kMaxSystemSize) {
      continue;
    }
    const double y = ports[p]->Zo == 0.0 ? stampconst::kShortedPort : 1.0 / ports[p]->Zo;
    m.add(node, node, Complex{y, 0.0});
  }
}

} // namespace norvane

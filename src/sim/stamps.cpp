#include "sim/stamps.h"

#include "sim/devicemodel.h"
#include "sim/netlist.h"
#include "sim/stampsdetail.h"

#include <cmath>

// The stamping of a whole circuit: each component through its kind's device model, and the
// port terminations.

namespace norvane {

namespace stampdetail {

bool resolvePins(const Component& c, int wanted, Pins& p)
{
  if (c.pins.count < wanted) {
    return false;
  }
  for (int k = 1; k <= wanted; ++k) {
    const Point pin = c.pins.nodes[k];
    if (pin.y != kResolvedY || pin.x < 0 || pin.x > kMaxSystemSize) {
      return false;
    }
    p[k] = pin.x;
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

void StampComponent(ComplexMatrix& m, const Component& component, double f, const DataSets& data,
                    ComplexErrors& errors)
{
  // Ground and anything unknown add nothing.
  const DeviceModel* device = findDevice(component.ctype);
  if (device != nullptr && device->stamp != nullptr) {
    device->stamp(m, component, f, data, errors);
  }
}

void StampComponents(ComplexMatrix& m, const Schematic& doc, double f, ComplexErrors& errors)
{
  for (const Component& c : doc.drawdat.components) {
    StampComponent(m, c, f, doc.datasets, errors);
  }
}

void StampPorts(ComplexMatrix& m, const Drawing& drawing)
{
  for (const Port* port : {&drawing.P1, &drawing.P2}) {
    const Point t = port->node;
    if (!portIsPlaced(*port) || t.y != kResolvedY || t.x < 0 || t.x > kMaxSystemSize) {
      continue;
    }
    const double y = port->Zo == 0.0 ? stampconst::kShortedPort : 1.0 / port->Zo;
    m.add(t.x, t.x, Complex{y, 0.0});
  }
}

} // namespace norvane

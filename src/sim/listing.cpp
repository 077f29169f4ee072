#include "sim/listing.h"

#include "sim/devicemodel.h"
#include "sim/results.h"
#include "sim/simulate.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace norvane {

std::string netlistListingLine(const Schematic& doc, const Component& c, const PinNodes& nodes)
{
  const DeviceModel* device = findDevice(c.ctype);
  if (device == nullptr || device->listing == nullptr) {
    return "unknown component type " + std::to_string(kindCode(c.ctype));
  }
  return device->listing(doc, c, nodes);
}

std::vector<std::string> netlistListingLines(const Schematic& doc, const Netlist& netlist)
{
  std::vector<std::string> lines;
  if (netlist.port1Connected) {
    lines.push_back("P1=" + std::to_string(netlist.port1Node));
  }
  const auto& components = doc.drawdat.components;
  const int count = std::min(components.count(), static_cast<int>(netlist.pins.size()));
  for (int i = 1; i <= count; ++i) {
    const Component& c = components[i];
    if (!isGround(c)) {
      lines.push_back(netlistListingLine(doc, c, netlist.pins[static_cast<std::size_t>(i - 1)]));
    }
  }
  if (netlist.port2Connected) {
    lines.push_back("P2=" + std::to_string(netlist.port2Node));
  }
  return lines;
}

NetlistListing checkAndListNetlist(Schematic& doc, Prompts& prompts)
{
  // A session of its own: nominal values, and nothing of the program's session (its match
  // request, its random sequence) is touched by a listing.
  SimulationSession session;
  const bool wasSimulated = doc.simulated;
  const SimulateResult checked = checkCircuit(doc, session, prompts);
  doc.simulated = wasSimulated;
  return {netlistListingLines(doc, checked.netlist), checked.checked, checked.netlist};
}

std::vector<std::string> listNetlist(Schematic& doc, Prompts& prompts)
{
  return checkAndListNetlist(doc, prompts).lines;
}

} // namespace norvane

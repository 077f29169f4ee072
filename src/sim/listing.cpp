#include "sim/listing.h"

#include "sim/devicemodel.h"
#include "sim/results.h"
#include "sim/simulate.h"

#include <cmath>

namespace norvane {

std::string NetlistListingLine(const Schematic& doc, const Component& c)
{
  const DeviceModel* device = findDevice(c.ctype);
  if (device == nullptr || device->listing == nullptr) {
    return "unknown component type " + std::to_string(kindCode(c.ctype));
  }
  return device->listing(doc, c);
}

std::vector<std::string> NetlistListingLines(const Schematic& doc, const NetlistResult& netlist)
{
  std::vector<std::string> lines;
  if (netlist.port1Connected) {
    lines.push_back("P1=" + std::to_string(netlist.port1Node));
  }
  for (const Component& c : doc.drawdat.components) {
    if (!isGround(c)) {
      lines.push_back(NetlistListingLine(doc, c));
    }
  }
  if (netlist.port2Connected) {
    lines.push_back("P2=" + std::to_string(netlist.port2Node));
  }
  return lines;
}

NetlistListing CheckAndListNetlist(Schematic& doc, Prompts& prompts)
{
  // A session of its own: nominal values, and nothing of the program's session (its match
  // request, its random sequence) is touched by a listing.
  SimulationSession session;
  const bool wasSimulated = doc.simulated;
  const SimulateResult checked = CheckCircuit(doc, session, prompts);
  doc.simulated = wasSimulated;
  return {NetlistListingLines(doc, checked.netlist), checked.checked};
}

std::vector<std::string> ListNetlist(Schematic& doc, Prompts& prompts)
{
  return CheckAndListNetlist(doc, prompts).lines;
}

} // namespace norvane

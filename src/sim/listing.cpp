#include "sim/listing.h"

#include "sim/devices.h"
#include "sim/results.h"

#include <cmath>

namespace norvane {

std::string NetlistListingLine(const Tschema& doc, const Tcomponent& c)
{
  const Device* device = findDevice(c.ctype);
  if (device == nullptr || device->listing == nullptr) {
    return "unknown component type " + std::to_string(kindCode(c.ctype));
  }
  return device->listing(doc, c);
}

bool isOffSheet(TPoint p)
{
  return p.x < kSheetMinX || p.y < kSheetMinY || p.x > kSheetMaxX || p.y > kSheetMaxY;
}

int RemoveOffSheetItems(TDrawData& drawing)
{
  int removed =
      drawing.components.removeIf([](const Tcomponent& c) { return isOffSheet(c.position); });
  removed += drawing.wires.removeIf(
      [](const Tshort& w) { return isOffSheet(w.start) || isOffSheet(w.finish); });
  return removed;
}

std::vector<std::string> NetlistListingLines(const Tschema& doc, const NetlistResult& netlist)
{
  std::vector<std::string> lines;
  if (netlist.port1Connected) {
    lines.push_back("P1=" + std::to_string(netlist.port1Node));
  }
  for (const Tcomponent& c : doc.drawdat.components) {
    if (!isGround(c)) {
      lines.push_back(NetlistListingLine(doc, c));
    }
  }
  if (netlist.port2Connected) {
    lines.push_back("P2=" + std::to_string(netlist.port2Node));
  }
  return lines;
}

std::vector<std::string> ListNetlist(Tschema& doc, Prompts& prompts)
{
  const NetlistResult netlist = BuildNetlist(doc, prompts);
  return NetlistListingLines(doc, netlist);
}

} // namespace norvane

#include "sim/listing.h"

#include "numbers/valuetext.h"
#include "sim/complex.h"
#include "sim/results.h"

#include <cmath>

namespace norvane {

namespace {

std::string v(double x)
{
  return FormatEngineering(3, x);
}

// "N1 N2 ... Nk" of the component's first k pins.
std::string nodes(const Tcomponent& comp, int count)
{
  std::string text;
  for (int k = 1; k <= count; ++k) {
    if (k > 1) {
      text += ' ';
    }
    text += std::to_string(comp.pins.nodes[k].x);
  }
  return text;
}

std::string dataSetName(const Tschema& doc, const Tcomponent& block)
{
  const double index = std::round(block.value[1].nom);
  if (!(index >= 1 && index <= kMaxDataSets)) {
    return std::string();
  }
  const int i = static_cast<int>(index);
  return block.ctype == ckSParam2 ? doc.datasets.twoPort[i].name : doc.datasets.onePort[i].name;
}

} // namespace

std::string NetlistListingLine(const Tschema& doc, const Tcomponent& c)
{
  switch (c.ctype) {
  case ckResistor:
    return "res " + nodes(c, 2) + " R=" + v(c.value[1].nom) + "R";
  case ckCapacitor:
    return "cap " + nodes(c, 2) + " C=" + v(c.value[1].nom) + "F";
  case ckInductor:
    return "ind " + nodes(c, 2) + " L=" + v(c.value[1].nom) + "H";
  case ckOpAmp:
    return "opamp " + nodes(c, 3) + " Ri=" + v(c.value[1].nom) + "R" + " Ro=" + v(c.value[2].nom) +
           "R" + " G=" + FixedText(20.0 * Log10(c.value[3].nom), 3) + "dB";
  case ckTxLine:
    return "txln " + nodes(c, 2) + " Zo=" + v(c.value[1].nom) + "R" + " Vel=" + v(c.value[2].nom) +
           "m/s" + " Len=" + v(c.value[3].nom) + "m";
  case ckSParam2:
    return "2Port " + nodes(c, 3) + " " + dataSetName(doc, c);
  case ckSParam1:
    return "1Port " + nodes(c, 2) + " " + dataSetName(doc, c);
  case ckTransformer:
    return "transformer " + nodes(c, 4) +
           " Primary turns=" + FormatEngineering(1, c.value[1].mintol) +
           " Secondary Turns=" + FormatEngineering(1, c.value[1].nom);
  case ckMutual: {
    // Primary inductance and the secondary inductance it implies: L2 = L1 Ns/Np, the linear
    // turns ratio this element uses.
    const double lp = c.value[2].nom;
    const double np = c.value[1].mintol;
    const double ns = c.value[1].nom;
    const std::string l2 = np != 0.0 ? v(lp * ns / np) : std::string("?");
    return "mutual inductance " + nodes(c, 4) + " L1=" + v(lp) + "H" + " L2=" + l2 + "H";
  }
  case ckBipolar:
    return "bipolar transistor " + nodes(c, 4);
  case ckVCVS:
    return "vcvs " + nodes(c, 4) + " G=" + v(c.value[1].nom) + "V/V";
  case ckVCCS:
    return "vccs " + nodes(c, 4) + " Gm=" + v(c.value[1].nom) + "S";
  case ckCCVS:
    return "ccvs " + nodes(c, 4) + " Rm=" + v(c.value[1].nom) + "R";
  case ckCCCS:
    return "cccs " + nodes(c, 4) + " B=" + v(c.value[1].nom) + "A/A";
  default:
    return "unknown component type " + std::to_string(c.ctype);
  }
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
    if (c.ctype != ckGround) {
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

#include "sim/spiceexport.h"

#include "sim/devicemodel.h"
#include "sim/listing.h"
#include "sim/netlist.h"
#include "sim/plotpoint.h"
#include "sim/spicedeck.h"
#include "sim/sweep.h"
#include "sim/tolerance.h"
#include "sim/valuecheck.h"

#include <cmath>
#include <cstdio>
#include <sstream>

// The netlist: title line, one commented group of lines per component, the port sources,
// the analysis, a control section that runs it and writes the S-parameters, the
// sub-circuits the components use, and ".end".

namespace norvane {

namespace spicedetail {

std::string num(double x)
{
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.17g", x);
  return buffer;
}

std::string Deck::pin(int k) const
{
  return std::to_string(m_nodes.node[static_cast<std::size_t>(k)]);
}

std::string Deck::inner(const std::string& tag) const
{
  return "c" + std::to_string(m_index) + "_" + tag;
}

std::string Deck::name(char letter, const std::string& suffix) const
{
  return std::string(1, letter) + std::to_string(m_index) + suffix;
}

void Deck::leakToGround(const std::string& node, const std::string& suffix, double ohms)
{
  if (node != "0") {
    line(name('R', suffix) + ' ' + node + " 0 " + num(ohms));
  }
}

} // namespace spicedetail

using namespace spicedetail;

namespace {

// A name or title on a comment line: control characters would end the line.
std::string printable(std::string text)
{
  for (char& ch : text) {
    if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7f) {
      ch = ' ';
    }
  }
  return text;
}

std::string componentLabel(const Component& c, int index)
{
  std::string label = "component " + std::to_string(index);
  if (!c.name.empty()) {
    label += " \"" + printable(c.name) + "\"";
  }
  return label;
}

bool writeElements(Deck& d)
{
  const DeviceModel* device = findDevice(d.component().ctype);
  return device != nullptr && device->spice != nullptr && device->spice(d);
}

// False when a line holds a number that is not finite (num() writes "inf" or "nan"): a
// model's derived value (a self-resonance's inductance, a sensing product) that left the
// double range. ngspice stops at such a word, so the component is refused instead.
bool writesOnlyFiniteNumbers(const std::string& text)
{
  std::string words = text;
  for (char& ch : words) {
    if (ch == '=') {
      ch = ' ';
    }
  }
  std::istringstream in(words);
  std::string word;
  while (in >> word) {
    if (!word.empty() && (word.front() == '-' || word.front() == '+')) {
      word.erase(0, 1);
    }
    if (word == "inf" || word == "nan") {
      return false;
    }
  }
  return true;
}

std::string refusal(const Component& c, int index)
{
  const std::string who = "Cannot write " + componentLabel(c, index) + " to SPICE: ";
  if (dataBlockOf(c.ctype) != DataBlock::None) {
    return who + "S-parameter data blocks have no SPICE element";
  }
  return who + "its values give no valid SPICE element";
}

// ngspice's .sp takes whole points per decade; a logarithmic sweep whose interval count is
// not a whole multiple of its decades is run one point at a time instead. So is a sweep over
// a tiny fraction of a decade, whose count per decade would not even fit an int.
int wholePointsPerDecade(const SweepPlan& plan)
{
  constexpr double kMostPointsPerDecade = 1e6;
  const double perDecade = plan.intervals / std::log10(plan.stop / plan.start);
  const double whole = std::nearbyint(perDecade);
  if (whole >= 1.0 && whole <= kMostPointsPerDecade &&
      std::fabs(perDecade - whole) <= 1e-9 * whole) {
    return static_cast<int>(whole);
  }
  return 0;
}

void writeAnalysis(std::string& out, const SweepPlan& plan, const std::string& vectors,
                   const std::string& dataFileName)
{
  const bool linear = plan.freqmode != freqmode::Logarithmic;
  const int perDecade = linear ? 0 : wholePointsPerDecade(plan);
  // ngspice 39 returns a single point for "lin 2", so two-point sweeps go point by point.
  const bool oneCard = linear ? plan.pointCount() >= 3 : perDecade > 0;
  out += "* sweep: " + std::to_string(plan.pointCount()) + " points, " +
         (linear ? "linear" : "logarithmic") + ", " + num(plan.start) + " Hz to " + num(plan.stop) +
         " Hz\n";
  if (oneCard) {
    out += linear ? ".sp lin " + std::to_string(plan.pointCount())
                  : ".sp dec " + std::to_string(perDecade);
    out += ' ' + num(plan.start) + ' ' + num(plan.stop) + "\n";
  } else {
    out += "* (run point by point in the control section: ngspice's .sp takes a whole number\n"
           "* of points per decade)\n";
  }
  out += "\n.control\n"
         "* frequency, then real and imaginary parts of " +
         vectors + "\n";
  out += "set wr_singlescale\noption numdgt=17\n";
  const std::string write = "wrdata " + dataFileName + ' ' + vectors + "\n";
  if (oneCard) {
    out += "run\n" + write;
  } else {
    for (int i = 0; i < plan.pointCount(); ++i) {
      const std::string f = num(plan.frequency(i));
      out += "sp lin 1 " + f + ' ' + f + "\n" + write;
      if (i == 0) {
        out += "set appendwrite\n";
      }
    }
  }
  // In batch mode (ngspice -b) ngspice would go on to look for .print lines of its own and,
  // finding none, end with exit status 1 although everything was written; the run is over
  // here. An interactive session stays open for plotting.
  out += "if $?batchmode\n  quit 0\nend\n";
  out += ".endc\n";
}

} // namespace

SpiceExportResult exportSpiceNetlist(Schematic& doc, const std::string& title,
                                     const std::string& dataFileName, Prompts& prompts)
{
  SpiceExportResult result;
  result.netlist = buildNetlist(doc, prompts);
  const Netlist& netlist = result.netlist;
  if (!netlist.ok) {
    return result;
  }
  // The values as a nominal run uses them, refused where the simulator refuses them.
  ToleranceRandom unused;
  if (!checkCircuitValues(doc.drawdat, netlist, tolerancemode::Nominal, unused, prompts)) {
    return result;
  }
  if (const std::string problem = sweepLimitsProblem(doc.Xax); !problem.empty()) {
    prompts.error("Cannot write the sweep to SPICE: " + problem);
    return result;
  }
  SweepAxis axis = doc.Xax; // the export does not correct the document's sweep
  const SweepPlan plan = sanitizeSweep(axis);

  std::string& out = result.text;
  out = "Norvane circuit " + printable(title) + "\n";
  out += "* Written by Norvane: the circuit with its measurement ports as ngspice S-parameter\n"
         "* ports and an .sp analysis over its sweep. Nodes are numbered as Norvane's netlist\n"
         "* listing numbers them (0 is ground); component values are the nominal ones.\n";
  std::string subcircuits;
  std::vector<std::string> definitions;
  for (int index = 1; index <= doc.drawdat.components.count(); ++index) {
    const Component& c = doc.drawdat.components[index];
    const PinNodes& nodes = netlist.pins[static_cast<std::size_t>(index - 1)];
    if (isGround(c)) {
      continue;
    }
    Deck deck(c, nodes, index);
    if (!writeElements(deck) || !writesOnlyFiniteNumbers(deck.text())) {
      result.refused.push_back(refusal(c, index));
      continue;
    }
    out += "\n* " + componentLabel(c, index) + ": " + printable(netlistListingLine(doc, c, nodes)) +
           "\n";
    out += deck.text();
    for (const std::string& definition : deck.subcircuits()) {
      if (subcircuits.find(definition) == std::string::npos) {
        subcircuits += "\n" + definition;
      }
    }
  }
  for (const std::string& message : result.refused) {
    prompts.error(message);
  }
  if (!result.refused.empty()) {
    result.text.clear();
    return result;
  }

  // Ports: a source of 1 V behind Zo (ngspice's port source), as the sweep excites them.
  out += "\n* measurement ports\n";
  std::string vectors;
  const auto port = [&](const char* label, int node, double zo, int number) {
    out += std::string("V") + label + ' ' + std::to_string(node) + " 0 dc 0 ac " +
           (number == 1 ? "1" : "0") + " portnum " + std::to_string(number) + " z0 " + num(zo) +
           "\n";
  };
  if (netlist.port1Connected && netlist.port2Connected) {
    port("P1", netlist.port1Node, doc.drawdat.P1.Zo, 1);
    port("P2", netlist.port2Node, doc.drawdat.P2.Zo, 2);
    vectors = "S_1_1 S_2_1 S_1_2 S_2_2";
  } else {
    if (netlist.port1Connected) {
      port("P1", netlist.port1Node, doc.drawdat.P1.Zo, 1);
    } else {
      out += "* (port 2 is the only port: ngspice numbers it 1, so S_1_1 is its S22)\n";
      port("P2", netlist.port2Node, doc.drawdat.P2.Zo, 1);
    }
    // ngspice 39's .sp fails with a single port; a second one on a node of its own
    // changes nothing of S_1_1.
    out += "Vopen open 0 dc 0 ac 0 portnum 2 z0 50\n";
    vectors = "S_1_1";
  }
  out += "\n";
  writeAnalysis(out, plan, vectors, dataFileName);
  out += subcircuits;
  out += "\n.end\n";
  result.ok = true;
  return result;
}

} // namespace norvane

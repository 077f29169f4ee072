#pragma once
// The netlist listing: the circuit as the simulator sees it, one text line per component
// with its node numbers and main values, and the node of each measurement port. A checking
// aid for the user; nothing of it is stored.

#include "document/schematic.h"
#include "platform/prompts.h"
#include "sim/netlist.h"

#include <string>
#include <vector>

namespace norvane {

// The listing lines of the netlist built from `doc`: "P1=" and the node of port 1 when
// connected; one line per component other than ground, in document order, with the nominal
// values ("res 1 0 R=50R", "cap 1 2 C=10pF", ...); "P2=" and its node when connected.
std::vector<std::string> netlistListingLines(const Schematic& doc, const Netlist& netlist);

// The listing line of one component between its pin nodes ("res 1 0 R=50R"); ground gives an
// "unknown" line.
std::string netlistListingLine(const Schematic& doc, const Component& c, const PinNodes& nodes);

struct NetlistListing
{
  std::vector<std::string> lines;
  bool ok = false; // the circuit check passed: a simulation would run
  Netlist netlist; // what the check found, for the drawing to show (applyNetlistToDrawing)
};

// The circuit check a simulation runs (checkCircuit with the nominal values: nodes, port
// impedances, component values; its messages may appear), then the lines, whatever it found.
// The listing checks the very circuit a simulation does, the whole drawing: nothing is left
// out, so that listing and simulation never disagree on whether a circuit can be simulated.
// The document's `simulated` flag is left as it was, and its drawing too: the caller that shows
// the check applies `netlist` to it.
NetlistListing checkAndListNetlist(Schematic& doc, Prompts& prompts);

// The lines of checkAndListNetlist.
std::vector<std::string> listNetlist(Schematic& doc, Prompts& prompts);

} // namespace norvane

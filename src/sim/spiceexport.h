#pragma once
// SPICE export: the drawn circuit as an ngspice netlist with the two measurement ports as
// ngspice S-parameter port sources and an `.sp` analysis over the schematic's sweep, so
// that the circuit can be taken on to a general simulator (more nodes, noise, non-linear or
// time-domain work) and our results can be checked against an independent engine.
//
// Every element is written as the model Norvane simulates, not as an idealisation of it:
// the physical capacitor and inductor with their loss and self-resonance, the windings with
// their exact coupling, the small sensing resistances and leaks of the controlled sources.
// ngspice then solves the same network and its S-parameters agree with ours to rounding.
// Node numbers are those of the netlist listing (0 is ground); internal nodes of a
// component's model are named after the component's place in the document ("c3_m").

#include "document/fileresult.h"
#include "document/schematic.h"
#include "platform/prompts.h"
#include "sim/netlist.h"

#include <string>
#include <vector>

namespace norvane {

struct SpiceExportResult
{
  bool ok = false;  // the netlist is complete
  std::string text; // the netlist, line-feed line ends
  // One message per component SPICE cannot express (shown through the prompts as well).
  std::vector<std::string> refused;
  // What the circuit check found, for the drawing to show (applyNetlistToDrawing).
  Netlist netlist;
};

// Checks and numbers the circuit (buildNetlist, into `netlist` of the result, the drawing
// left as it is; its messages go to `prompts`), makes the
// value check of a nominal run (checkCircuitValues: the same refusals and messages as
// `simulate`), and writes the netlist. `title` names the schematic on the netlist's first
// line; `dataFileName` is the file the netlist's control section writes the S-parameters to
// when run in ngspice (frequency, then real and imaginary parts of S11, S21, S12, S22, as
// ngspice's `wrdata` writes them); run with `ngspice -b` the netlist ends with exit status 0.
// Fails when the circuit check or the value check refuses the circuit, when the sweep's start
// does not lie below its stop (sweepLimitsProblem), or when a component cannot be expressed
// (an S-parameter data block, or a model value that leaves the double range): each such
// component is named in an error message. No number written is ever inf or nan.
SpiceExportResult exportSpiceNetlist(Schematic& doc, const std::string& title,
                                     const std::string& dataFileName, Prompts& prompts);

// Texts of the export.
inline constexpr const char* kSpiceDialogTitle = "Export SPICE netlist";
inline constexpr const char* kSpiceDialogFilter =
    "SPICE netlists (*.cir)|*.cir|All Files (*.*)|*.*";

} // namespace norvane

namespace norvane {

// Writes the netlist text to `path` as every output file is written (writeFileAtomically):
// a failed write leaves any previous file intact.
FileResult saveSpiceNetlist(const std::string& text, const std::string& path);

// The ngspice data file a netlist saved at `netlistPath` writes: the netlist's file name
// with its extension replaced by ".sp.txt" ("filter.cir" gives "filter.sp.txt").
std::string spiceDataFileName(const std::string& netlistPath);

} // namespace norvane

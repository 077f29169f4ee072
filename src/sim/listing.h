#pragma once
// The netlist listing: the circuit as the simulator sees it, one text line per component
// with its node numbers and main values, and the node of each measurement port. A checking
// aid for the user; nothing of it is stored.

#include "document/schema.h"
#include "platform/prompts.h"
#include "sim/netlist.h"

#include <string>
#include <vector>

namespace norvane {

// The drawing sheet: items outside it cannot be seen or reached.
constexpr int kSheetMinX = 1;
constexpr int kSheetMinY = 1;
constexpr int kSheetMaxX = 1499;
constexpr int kSheetMaxY = 999;

bool isOffSheet(TPoint p);

// Deletes every component whose position lies off the sheet and every wire with an end off
// the sheet (the listing command does this before it lists). Returns how many were removed.
int RemoveOffSheetItems(TDrawData& drawing);

// The listing lines after a BuildNetlist run: "P1=" and the node of port 1 when connected;
// one line per component other than ground, in document order, with the nominal values
// ("res 1 0 R=50R", "cap 1 2 C=10pF", ...); "P2=" and its node when connected. Pins that
// were not resolved show their raw x coordinate.
std::vector<std::string> NetlistListingLines(const Tschema& doc, const NetlistResult& netlist);

// The listing line of one component ("res 1 0 R=50R"); ground gives an "unknown" line.
std::string NetlistListingLine(const Tschema& doc, const Tcomponent& c);

// BuildNetlist (its messages may appear), then the lines, whatever its result.
std::vector<std::string> ListNetlist(Tschema& doc, Prompts& prompts);

} // namespace norvane

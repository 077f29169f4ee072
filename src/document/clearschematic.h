#pragma once
// Resetting the document to a new, empty schematic.

#include "config/environment.h"
#include "document/schematic.h"

namespace norvane {

// Gives the document the defaults of a new schematic: both ports unplaced with Zo 50; no
// wires, components, lines, texts or markers; the 2-port block counter 0; every data set
// emptied (names kept); the display settings and the component templates at their
// defaults; the sweep and both trace ranges from the environment's defaults; drawing scale
// 1/1.
//
// Left as they are, because they outlive a "New": the 1-port block counter, cursorpos,
// circleson, simulated, the data sets' names and indexes, the template fields that have no
// default (lastMutual entirely), and the port fields other than pos, Zo and selected.
void clearSchematic(Schematic& doc, const Environment& env);

} // namespace norvane

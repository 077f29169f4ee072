#pragma once
// Placing a new component into the drawing, with the values of its kind's template, and the
// data-set indexes handed to new S-parameter blocks.

#include "document/componentkinds.h"
#include "document/schematic.h"

#include <string>

namespace norvane {

enum class PlacementStatus {
  Placed,        // appended as the last component
  PositionTaken, // another component already sits there; silently nothing placed
  Full,          // 1000 components exist (message)
  NoFreeDataSet, // 50 data blocks of this kind exist (message)
  UnknownKind,   // kind names no component kind
};

struct PlacementResult
{
  PlacementStatus status = PlacementStatus::UnknownKind;
  int index = 0;       // number of the new component (1-based) when placed
  std::string message; // error text for the user, empty when there is nothing to show
  bool placed() const { return status == PlacementStatus::Placed; }
};

// The template whose values a new component of `kind` receives, or nullptr for the kinds
// without one (ground and the two data blocks).
const Component* templateFor(const Schematic& doc, ComponentType kind);
Component* templateFor(Schematic& doc, ComponentType kind);

// How many of the template's values (value[1] upward) a new component copies: 3 for the
// resistor, op-amp and transmission line, 1 for the controlled sources, 5 for the others
// with a template, 0 for ground and the data blocks.
int templateValueCount(ComponentType kind);

// Appends a component of `kind` at `position` (already snapped) in orientation `crot`,
// unselected, with the template's values; its pins are computed. A 2-port or 1-port data
// block gets the next data-set index in its "dataSet" parameter and advances its block
// counter. The caller deselects everything first, opens the property dialog, and on Cancel
// removes the component again (drawdat.components.removeLast()).
PlacementResult placeComponent(Schematic& doc, ComponentType kind, int crot, Point position);

// The data-set index a new data block (2-port or 1-port) receives: the block
// counter + 1, unless that is above 50 or already used by a block of the drawing; then the
// lowest index no block uses, preferring one whose data set is empty. 0 when every index
// 1..50 is taken by a block.
int nextBlockIndex(const Schematic& doc, ComponentType kind);

// The data-set index a block refers to (its "dataSet" parameter), or 0 when that is not
// 1..50 or the component is no data block.
int blockDataSetIndex(const Component& block);

// Sets both block counters to the highest index used by a block of their kind in the
// drawing (0 when there is none), so that the next block does not share a loaded block's
// data set. Run after loading a file.
void deriveBlockCounters(Schematic& doc);

} // namespace norvane

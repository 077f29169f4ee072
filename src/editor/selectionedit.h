#pragma once
// Changes applied to the selected items: moving, turning, deleting.

#include "document/schematic.h"

#include <vector>

namespace norvane {

// Data-set indexes (1..50) referred to by blocks, split by kind.
struct BlockSetIndexes
{
  std::vector<int> twoPort;
  std::vector<int> onePort;
};

// The data sets referred to by the selected 2-port and 1-port blocks.
BlockSetIndexes selectedBlockSets(const Drawing& d);

// Before a drag: the wire ends lying on pins of selected components are selected too, so the
// attached wires stretch with them. Pins of the selected components are recomputed first.
void selectWireEndsOnSelectedPins(Drawing& d);

// Moves every selected item by (dx, dy): component positions, selected wire ends (a wire with
// one end selected stretches), selected ports, texts, and both ends of selected lines.
void moveSelection(Drawing& d, int dx, int dy);

// Toggles the orientation of selected components and ports (1 becomes 2, anything else 1)
// and recomputes their pins and connection points. True when anything turned.
bool toggleSelectedOrientation(Drawing& d);

// Deletes the selected components, wires with either end selected, selected texts and lines,
// and unplaces selected ports. A deleted data block frees its data set (its points are
// dropped) unless another remaining block of its kind still uses that set. True when anything
// was deleted.
bool deleteSelectedItems(Schematic& doc);

} // namespace norvane

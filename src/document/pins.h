#pragma once
// Geometry of placed objects: the grid, the absolute pin positions of a component, and the
// connection point of a measurement port.

#include "document/schematic.h"

namespace norvane {

constexpr int kGridStep = 10;

// The largest coordinate a file may give (either sign); the reader holds larger ones to it.
// The sheet is 1500 x 1000 units; a million leaves room for any drawing while pin offsets,
// differences and print scales of up to 1000 stay far inside an int.
constexpr int kMaxCoordinate = 1000000;

// Nearest multiple of 10; a coordinate exactly between two takes the even multiple
// (15 and 25 both give 20, -15 gives -20). Used for every placed point except texts.
int snapToGrid(int c);
Point snapToGrid(Point p);

// Recomputes comp.pins from the symbol of comp.ctype, its orientation and its position.
// Orientation 2 turns or mirrors the pins by kind; an unknown kind gets no pins.
void computePinPositions(Component& comp);

// The pins computePinPositions gives `comp`, leaving it as it is.
PinSet pinPositionsOf(const Component& comp);

// The point where a measurement port connects: 20 units beside its symbol. Port 1 (number 1)
// reaches right in orientation 1 and left otherwise; port 2 the other way round.
Point portConnectionPoint(int portNumber, const Port& port);

} // namespace norvane

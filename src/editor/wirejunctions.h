#pragma once
// Keeping the wire list explicit about its junctions. Wires connect only at their ends, so
// where a wire end or a component pin lands on the middle of another (axis-parallel) wire, that
// wire is cut in two at the point. Pins of two components that touch directly get a wire of
// zero length, and wires drawn twice are removed.
//
// Only wires with both ends unselected are cut: selected ends belong to items being moved.
// No function here appends beyond the wire capacity; a split that finds the list full is left
// out (the circuit check makes the same junctions before every simulation).

#include "document/schematic.h"

namespace norvane {

// Appends a wire from a to b unless one with the same two ends (in either order) exists.
// False when it exists already or the list is full.
bool appendWireUnlessPresent(Drawing& d, Point a, Point b);

// Cuts the first wire (in list order) whose interior holds the start or the finish of wire
// `index` (1-based): that wire's start moves to the point and a wire for the other piece is
// appended. At most one cut. True when a wire was cut.
bool splitWiresAtWireEnds(Drawing& d, int index);

// Cuts the first wire whose interior holds `pin`: its finish moves to the pin and a wire from
// the pin to the old finish is appended. True when a wire was cut.
bool splitWireAtPin(Drawing& d, Point pin);

// splitWireAtPin for every pin of one component, or of all components. The pin tables must be
// current (recomputeAllPins).
void splitWiresAtComponentPins(Drawing& d, const Component& comp);
void splitWiresAtAllPins(Drawing& d);

// Where a pin of component `index` coincides with a pin of another component and no wire ends
// there, a zero-length wire marks the junction.
void addPinJunctions(Drawing& d, int index);

// Deletes every wire with the same two ends (in either order) as an earlier wire, keeping the
// earlier one; then every wire whose finish is selected gets its start selected too. Returns
// the number of wires removed.
int removeDuplicateWires(Drawing& d);

// computePinPositions for every component. The circuit check leaves node numbers in the pin
// tables, so the editor refreshes them before any geometric use.
void recomputeAllPins(Drawing& d);

} // namespace norvane

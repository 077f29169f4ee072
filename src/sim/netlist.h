#pragma once
// Netlist extraction: turns the drawn schematic into numbered circuit nodes.
//
// There is no stored netlist. Connectivity is recomputed before every simulation from the
// geometry alone: pin positions, wire end points, ground symbols and the two measurement
// ports, all on the integer grid. Points connect when they coincide exactly; a wire connects
// at its two ends and wherever a pin or another wire's end lies inside it (axis-parallel
// wires only; such junctions are made explicit by adding wires to the document); crossing
// wires do not connect; a pin on a ground symbol's pin is node 0.
//
// After BuildNetlist every component pin, and every port terminal that landed on a node,
// holds the point (n, -1): x is the node number, y the marker -1. Ground is (0, -1).

#include "document/schematic.h"
#include "platform/prompts.h"

namespace norvane {

// The largest circuit the solver takes: nodes 1..100 besides ground.
constexpr int kMaxNodes = 100;

// The marker value in y of a pin or port terminal that holds a node number in x.
constexpr int kResolvedMarker = -1;

struct NetlistResult
{
  bool ok = false;             // the circuit may be simulated
  int nodeCount = 0;           // N: the matrix has rows and columns 0..N
  bool port1Connected = false; // the port's terminal resolved to a node
  bool port2Connected = false;
  int port1Node = 0; // valid when the port is connected
  int port2Node = 0;
  int unconnectedCount = 0; // unconnected points found (markers keep at most 50 of them)
};

// Messages shown by BuildNetlist (error boxes).
inline constexpr const char* kMsgPlacePort = "You must place at least one measurement port";
inline constexpr const char* kMsgUnconnected = "Unconnected Node(s) - Check Circuit";
inline constexpr const char* kMsgPlaceComponent = "You must place at least one component";

// Checks and numbers the circuit of `doc`: recomputes every pin position, makes implicit
// wire junctions explicit (adding wires to the document), merges coincident points into
// nodes, writes the node numbers into the pins and port terminals, and fills the document's
// UnconnectedMarkers. Refusals are shown through `prompts`; the numbering is written even
// when the result is not ok. The caller repaints the drawing when markers were recorded.
NetlistResult BuildNetlist(Schematic& doc, Prompts& prompts);

// Appends a wire from a to b unless a wire with the same two end points (in either order)
// exists already. Returns true when such a wire exists afterwards, false when the wire list
// is full and nothing could be added.
bool AppendShort(Drawing& drawing, Point a, Point b);

// A port is on the sheet unless one of its coordinates is negative (unplaced ports sit at
// (-100, -100)).
bool portIsPlaced(const Port& port);

// True when a pin or port terminal holds a node number (the point (n, -1)).
inline bool isResolved(Point p)
{
  return p.y == kResolvedMarker;
}

} // namespace norvane

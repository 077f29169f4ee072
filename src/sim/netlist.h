#pragma once
// Netlist extraction: turns the drawn schematic into numbered circuit nodes.
//
// There is no stored netlist. Connectivity is recomputed before every simulation from the
// geometry alone: pin positions, wire end points, ground symbols and the two measurement
// ports, all on the integer grid. Points connect when they coincide exactly; a wire connects
// at its two ends and wherever a pin or another wire's end lies inside it (axis-parallel
// wires only; such junctions are drawn as wires of their own); crossing wires do not
// connect; a pin on a ground symbol's pin is node 0.
//
// Building the netlist only reads the document. What the drawing shows of a check (the
// junction wires, the node numbers in pins and port terminals, the unconnected markers) is
// written by applyNetlistToDrawing, which the command that owns the document calls: a pin or
// port terminal that holds a node then holds the point (n, -1), x the node number, y the
// marker -1, ground (0, -1). That is what a later Save writes.

#include "document/schematic.h"
#include "platform/prompts.h"

#include <array>
#include <vector>

namespace norvane {

// The largest circuit the solver takes: nodes 1..100 besides ground.
constexpr int kMaxNodes = 100;

// The marker value in y of a pin or port terminal that holds a node number in x.
constexpr int kResolvedMarker = -1;

// The node numbers of one component's pins: node[1] .. node[count] (index 0 unused), ground 0.
struct PinNodes
{
  int count = 0;
  std::array<int, kMaxPins + 1> node{};
  friend bool operator==(const PinNodes&, const PinNodes&) = default;
};

// The circuit as the simulator sees it.
struct Netlist
{
  bool ok = false;             // the circuit may be simulated
  int nodeCount = 0;           // N: the matrix has rows and columns 0..N
  bool port1Connected = false; // the port's terminal resolved to a node
  bool port2Connected = false;
  int port1Node = 0; // valid when the port is connected
  int port2Node = 0;
  int unconnectedCount = 0; // unconnected points found (the drawing keeps 50 markers)

  // Per component, in document order (component i at pins[i - 1]).
  std::vector<PinNodes> pins;
  // Where each port connects (its terminal beside the symbol), port 1 first.
  std::array<Point, 2> portTerminals{};
  // The drawing's wires with every junction drawn: wires cut where a pin lies inside them,
  // wires added from a free end lying inside a wire to that wire's start.
  BoundedList<Wire, kMaxWires> wires;
  // The unconnected points, in the order found: lone pins, then port terminals.
  std::vector<Point> unconnected;
};

// Messages shown by buildNetlist (error boxes).
inline constexpr const char* kMsgPlacePort = "You must place at least one measurement port";
inline constexpr const char* kMsgUnconnected = "Unconnected Node(s) - Check Circuit";
inline constexpr const char* kMsgPlaceComponent = "You must place at least one component";

// Checks and numbers the circuit of `doc`, which it only reads: the pin positions from each
// component's kind, orientation and position, the implicit wire junctions, the nodes made of
// coincident points, and the checks. Refusals are shown through `prompts`; the numbering is
// complete even when the result is not ok.
Netlist buildNetlist(const Schematic& doc, Prompts& prompts);

// Shows a check in the drawing `doc`, whose components and wires are those the netlist was
// built from: the junction wires, the node numbers in every pin (pin positions recomputed
// first) and in each port terminal that reached a node (the others hold their terminal's
// position), and the unconnected markers. The caller repaints the drawing when markers were
// recorded.
void applyNetlistToDrawing(Schematic& doc, const Netlist& netlist);

// Appends a wire from a to b unless a wire with the same two end points (in either order)
// exists already. Returns true when such a wire exists afterwards, false when the wire list
// is full and nothing could be added.
bool appendShort(Drawing& drawing, Point a, Point b);

// A port is on the sheet unless one of its coordinates is negative (unplaced ports sit at
// (-100, -100)).
bool portIsPlaced(const Port& port);

// True when a pin or port terminal holds a node number (the point (n, -1)).
inline bool isResolved(Point p)
{
  return p.y == kResolvedMarker;
}

} // namespace norvane

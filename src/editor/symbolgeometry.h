#pragma once
// How a symbol's outline and its label lines move with the component's orientation. Symbols are
// defined in orientation 1 relative to the component's reference point; orientation 2 turns,
// mirrors or flips them according to the symbol's drawing class:
//   class 1 (two-terminal parts, 1-port block, transformer): quarter turn, (x, y) -> (y, -x)
//   class 2 (op-amp, 2-port block, transistor, controlled sources): mirror, (x, y) -> (-x, y)
//   class 3 (ground): flipped upwards, (x, y) -> (x, -y - 10)
//   classes 0, 4, 5 (ports): unchanged; the ports only move their connecting lead.
// Only orientation 2 changes anything; any other stored value draws as defined.

#include "document/symboltable.h"
#include "platform/canvas.h"

#include <array>

namespace norvane {

// A symbol point (relative to the reference point) as drawn in the given orientation.
Point orientSymbolPoint(int drawingClass, int crot, Point p);

// The lead from a port symbol to its connection point, relative to the reference point; the
// lead always points at the side where the port connects.
struct PortLead
{
  Point from;
  Point to;
};
PortLead portLeadFor(int drawingClass, int crot);

// Positions (in document units) of the three label lines of a symbol with label anchor
// `anchor` at reference point `ref`. Classes with a single label line (ground and the ports)
// fill only the first entry; `count` says how many lines the class has.
struct LabelPositions
{
  std::array<Point, 3> at{};
  int count = 0;
};
LabelPositions labelLinePositions(int drawingClass, int crot, Point anchor, Point ref);

} // namespace norvane

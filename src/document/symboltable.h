#pragma once
// The component symbols: for each kind the line segments and ellipses of its picture, its
// pins, the anchor of its label lines and its drawing class, all in drawing units relative
// to the component's reference point, in orientation 1, y downwards.
//
// This is pure data. Each kind's symbol is defined in its own unit (src/kinds/) as part of
// the kind's description; the ports' symbols are here. computePinPositions (pins.h) reads
// the pin tables; the schematic painter reads the segments, the label anchor and the
// drawing class.

#include "document/schematic.h"

#include <initializer_list>
#include <span>

namespace norvane {

constexpr int kSegmentLine = 1;    // straight line from (x1, y1) to (x2, y2)
constexpr int kSegmentEllipse = 2; // ellipse inscribed in the box with corners 1 and 2

struct SymbolSegment
{
  int type = kSegmentLine;
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  friend constexpr bool operator==(const SymbolSegment&, const SymbolSegment&) = default;
};

constexpr int kMaxSegments = 40;

// How orientation 2 changes a symbol and where its label lines go:
//   0 no change, one label line (supported, used by no symbol)
//   1 quarter turn: (x, y) drawn at (y, -x); three label lines (the two-terminal kinds, the
//     transformer and the mutual inductance)
//   2 mirrored: (x, y) drawn at (-x, y); three label lines (op-amp, 2-port block, transistor,
//     controlled sources)
//   3 flipped upwards: (x, y) drawn at (x, -y - 10); no label (ground)
//   4 port 1: lead (20,0)-(10,0) in orientation 1, else (-20,0)-(-10,0); one label line
//   5 port 2: lead (20,0)-(10,0) in orientation 2, else (-20,0)-(-10,0); one label line
constexpr int kClassFixed = 0;
constexpr int kClassQuarterTurn = 1;
constexpr int kClassMirrored = 2;
constexpr int kClassGround = 3;
constexpr int kClassPort1 = 4;
constexpr int kClassPort2 = 5;

// A text drawn as part of a symbol (the data blocks' terminal numbers and their name), at an
// offset from the reference point; in orientation 2 the mirrored text is drawn instead.
struct SymbolText
{
  int x = 0;
  int y = 0;
  const char* text = "";
  const char* mirroredText = "";
};

// One symbol definition.
struct SymbolDefinition
{
  int kind = 0; // symbol code: the kind's code, or ckPort1 (-4) / ckPort2 (-5)
  PinSet pins;  // pin count and up to five points, relative to the reference point
  Point labelAnchor;
  int drawClass = kClassFixed;
  std::span<const SymbolSegment> segments; // at most kMaxSegments
  std::span<const SymbolText> marks = {};
};

// The two measurement ports' symbols (a kind's symbol is part of its description,
// componentkinds.h).
const SymbolDefinition& portSymbol(int portCode);

// The symbol of a kind; nullptr for a value that names no kind.
const SymbolDefinition* symbolFor(ComponentType kind);
// The symbol of a symbol code (a kind's code, ckPort1, ckPort2); nullptr for any other code.
const SymbolDefinition* symbolFor(int code);

// Builds a pin table from its points (pin 1 first), for the symbol definitions.
constexpr PinSet pinTable(std::initializer_list<Point> points)
{
  PinSet pins;
  int i = 1;
  for (const Point& p : points) {
    pins.nodes[i++] = p;
  }
  pins.count = static_cast<int>(points.size());
  return pins;
}

// The symbol segments, written as the picture is drawn.
constexpr SymbolSegment lineSegment(int x1, int y1, int x2, int y2)
{
  return {kSegmentLine, x1, y1, x2, y2};
}
constexpr SymbolSegment ellipseSegment(int x1, int y1, int x2, int y2)
{
  return {kSegmentEllipse, x1, y1, x2, y2};
}

} // namespace norvane

#include "document/pins.h"

#include "document/symboltable.h"

namespace norvane {

int snapToGrid(int c)
{
  // Floor division, so negative coordinates round the same way as positive ones.
  int q = c / kGridStep;
  int r = c % kGridStep;
  if (r < 0) {
    r += kGridStep;
    --q;
  }
  const int half = kGridStep / 2;
  if (r > half || (r == half && q % 2 != 0)) {
    ++q;
  }
  return q * kGridStep;
}

Point snapToGrid(Point p)
{
  return {snapToGrid(p.x), snapToGrid(p.y)};
}

namespace {

// Orientation 2 of a symbol, applied to its pin table the way the symbol is drawn.
void turnPins(PinSet& pins, int drawClass)
{
  switch (drawClass) {
  case kClassQuarterTurn:
    for (Point& p : pins.nodes) {
      p = {p.y, -p.x};
    }
    break;
  case kClassMirrored:
    // Left to right; pins on the centre line (the transistor's internal nodes) stay put.
    for (Point& p : pins.nodes) {
      p.x = -p.x;
    }
    break;
  case kClassGround:
    // The earth symbol is flipped upwards; its pin moves from the top to the bottom.
    pins.nodes[1].y += 10;
    break;
  default:
    break;
  }
}

} // namespace

PinSet pinPositionsOf(const Component& comp)
{
  const SymbolDefinition* symbol = symbolFor(comp.ctype);
  if (symbol == nullptr) {
    PinSet none = comp.pins;
    none.count = 0;
    return none;
  }
  PinSet pins = symbol->pins;
  pins.scratch = comp.pins.scratch;
  if (comp.crot == 2) {
    turnPins(pins, symbol->drawClass);
  }
  for (Point& p : pins.nodes) {
    p.x += comp.position.x;
    p.y += comp.position.y;
  }
  return pins;
}

void computePinPositions(Component& comp)
{
  comp.pins = pinPositionsOf(comp);
}

Point portConnectionPoint(int portNumber, const Port& port)
{
  const bool towardsRight = (portNumber == 1) == (port.crot == 1);
  return {port.pos.x + (towardsRight ? 20 : -20), port.pos.y};
}

} // namespace norvane

#include "document/pins.h"

#include "document/symboltable.h"

namespace norvane {

int SnapToGrid(int c)
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

TPoint SnapToGrid(TPoint p)
{
  return {SnapToGrid(p.x), SnapToGrid(p.y)};
}

void ComputePinPositions(Tcomponent& comp)
{
  const Tcomp* symbol = symbolFor(comp.ctype);
  if (symbol == nullptr || !isComponentKind(comp.ctype)) {
    comp.pins.count = 0;
    return;
  }
  Tpinset pins = symbol->pins;
  pins.scratch = comp.pins.scratch;

  if (comp.crot == 2) {
    switch (comp.ctype) {
    case ckResistor:
    case ckCapacitor:
    case ckInductor:
    case ckTxLine:
    case ckSParam1:
    case ckTransformer:
    case ckMutual:
      // A quarter turn, as the symbol is drawn.
      for (TPoint& p : pins.nodes) {
        p = {p.y, -p.x};
      }
      break;
    case ckGround:
      // The earth symbol is flipped upwards; its pin moves from the top to the bottom.
      pins.nodes[1].y += 10;
      break;
    case ckOpAmp:
    case ckSParam2:
    case ckBipolar:
      // Mirrored left to right; the bipolar's internal-node pins 4 and 5 stay on the centre.
      for (int i = 1; i <= 3; ++i) {
        pins.nodes[i].x = -pins.nodes[i].x;
      }
      break;
    case ckVCVS:
    case ckVCCS:
    case ckCCVS:
    case ckCCCS:
      for (int i = 1; i <= 4; ++i) {
        pins.nodes[i].x = -pins.nodes[i].x;
      }
      break;
    default:
      break;
    }
  }

  for (TPoint& p : pins.nodes) {
    p.x += comp.position.x;
    p.y += comp.position.y;
  }
  comp.pins = pins;
}

TPoint portConnectionPoint(int portNumber, const Tport& port)
{
  const bool towardsRight = (portNumber == 1) == (port.crot == 1);
  return {port.pos.x + (towardsRight ? 20 : -20), port.pos.y};
}

} // namespace norvane

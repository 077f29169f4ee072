#include "editor/symbolgeometry.h"

namespace norvane {

Point orientSymbolPoint(int drawingClass, int crot, Point p)
{
  if (crot != 2) return p;
  switch (drawingClass) {
  case kClassQuarterTurn:
    return {p.y, -p.x};
  case kClassMirrored:
    return {-p.x, p.y};
  case kClassGround:
    return {p.x, -p.y - 10};
  default:
    return p;
  }
}

PortLead portLeadFor(int drawingClass, int crot)
{
  // Port 1 connects 20 units to the right in orientation 1 and to the left otherwise; port 2
  // the other way round. The lead follows the connection point so that the drawn line always
  // ends where wires must attach, whatever value the orientation holds.
  bool right = false;
  if (drawingClass == kClassPort1)
    right = crot == 1;
  else if (drawingClass == kClassPort2)
    right = crot != 1;
  if (right) return {{20, 0}, {10, 0}};
  return {{-20, 0}, {-10, 0}};
}

LabelPositions labelLinePositions(int drawingClass, int crot, Point a, Point r)
{
  LabelPositions out;
  switch (drawingClass) {
  case kClassQuarterTurn:
    out.count = 3;
    if (crot == 2) {
      // The label moves above the now horizontal body, anchor coordinates exchanged.
      out.at = {Point{r.x + a.y - 15, r.y + a.x - 3}, Point{r.x + a.y - 15, r.y + a.x + 9},
                Point{r.x + a.y - 15, r.y + a.x + 21}};
    } else {
      out.at = {Point{r.x + a.x, r.y + a.y - 15}, Point{r.x + a.x, r.y + a.y - 3},
                Point{r.x + a.x, r.y + a.y + 9}};
    }
    break;
  case kClassMirrored:
    out.count = 3;
    out.at = {Point{r.x + a.x, r.y + a.y}, Point{r.x + a.x, r.y + a.y + 15},
              Point{r.x + a.x, r.y + a.y + 30}};
    break;
  default:
    out.count = 1;
    out.at[0] = {r.x + a.x, r.y + a.y};
    break;
  }
  return out;
}

} // namespace norvane

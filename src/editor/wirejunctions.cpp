#include "editor/wirejunctions.h"

#include "document/pins.h"
#include "editor/hittest.h"

namespace norvane {

namespace {

bool sameEnds(const Wire& w, Point a, Point b)
{
  return (w.start == a && w.finish == b) || (w.start == b && w.finish == a);
}

bool bothEndsFree(const Wire& w)
{
  return !w.startselected && !w.finishselected;
}

} // namespace

bool appendWireUnlessPresent(Drawing& d, Point a, Point b)
{
  for (const Wire& w : d.wires)
    if (sameEnds(w, a, b)) return false;
  return d.wires.append(Wire{false, false, a, b});
}

bool splitWiresAtWireEnds(Drawing& d, int index)
{
  if (index < 1 || index > d.wires.count()) return false;
  const Point ends[2] = {d.wires[index].start, d.wires[index].finish};
  const int n = d.wires.count();
  for (int q = 1; q <= n; ++q) {
    if (q == index || !bothEndsFree(d.wires[q])) continue;
    for (const Point& p : ends) {
      if (!liesInsideWire(d.wires[q], p)) continue;
      if (d.wires.full()) return false;
      const Point oldStart = d.wires[q].start;
      d.wires[q].start = p;
      d.wires.append(Wire{false, false, oldStart, p});
      return true;
    }
  }
  return false;
}

bool splitWireAtPin(Drawing& d, Point pin)
{
  const int n = d.wires.count();
  for (int q = 1; q <= n; ++q) {
    if (!bothEndsFree(d.wires[q]) || !liesInsideWire(d.wires[q], pin)) continue;
    if (d.wires.full()) return false;
    const Point oldFinish = d.wires[q].finish;
    d.wires[q].finish = pin;
    d.wires.append(Wire{false, false, pin, oldFinish});
    return true;
  }
  return false;
}

void splitWiresAtComponentPins(Drawing& d, const Component& comp)
{
  const PinSet pins = comp.pins; // a copy: appending wires never touches components
  for (int i = 1; i <= pins.count && i <= kMaxPins; ++i)
    splitWireAtPin(d, pins.nodes[i]);
}

void splitWiresAtAllPins(Drawing& d)
{
  for (int c = 1; c <= d.components.count(); ++c)
    splitWiresAtComponentPins(d, d.components[c]);
}

void addPinJunctions(Drawing& d, int index)
{
  if (index < 1 || index > d.components.count()) return;
  const PinSet pins = d.components[index].pins;
  for (int i = 1; i <= pins.count && i <= kMaxPins; ++i) {
    const Point p = pins.nodes[i];
    bool touchesOther = false;
    for (int k = 1; k <= d.components.count() && !touchesOther; ++k) {
      if (k == index) continue;
      const PinSet& other = d.components[k].pins;
      for (int j = 1; j <= other.count && j <= kMaxPins; ++j)
        if (other.nodes[j] == p) touchesOther = true;
    }
    if (!touchesOther) continue;
    bool wireEndsHere = false;
    for (const Wire& w : d.wires)
      if (w.start == p || w.finish == p) wireEndsHere = true;
    if (!wireEndsHere) appendWireUnlessPresent(d, p, p);
  }
}

int removeDuplicateWires(Drawing& d)
{
  int removed = 0;
  for (int i = 1; i <= d.wires.count(); ++i) {
    const Point a = d.wires[i].start;
    const Point b = d.wires[i].finish;
    for (int j = d.wires.count(); j > i; --j) {
      if (sameEnds(d.wires[j], a, b)) {
        d.wires.removeAt(j);
        ++removed;
      }
    }
  }
  for (Wire& w : d.wires)
    if (w.finishselected) w.startselected = true;
  return removed;
}

void recomputeAllPins(Drawing& d)
{
  for (Component& c : d.components)
    computePinPositions(c);
}

} // namespace norvane

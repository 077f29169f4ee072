#include "editor/wirejunctions.h"

#include "document/pins.h"
#include "editor/hittest.h"

namespace norvane {

namespace {

bool sameEnds(const Tshort& w, TPoint a, TPoint b)
{
  return (w.start == a && w.finish == b) || (w.start == b && w.finish == a);
}

bool bothEndsFree(const Tshort& w)
{
  return !w.startselected && !w.finishselected;
}

} // namespace

bool AppendWireUnlessPresent(TDrawData& d, TPoint a, TPoint b)
{
  for (const Tshort& w : d.wires)
    if (sameEnds(w, a, b)) return false;
  return d.wires.append(Tshort{false, false, a, b});
}

bool SplitWiresAtWireEnds(TDrawData& d, int index)
{
  if (index < 1 || index > d.wires.count()) return false;
  const TPoint ends[2] = {d.wires[index].start, d.wires[index].finish};
  const int n = d.wires.count();
  for (int q = 1; q <= n; ++q) {
    if (q == index || !bothEndsFree(d.wires[q])) continue;
    for (const TPoint& p : ends) {
      if (!LiesInsideWire(d.wires[q], p)) continue;
      if (d.wires.full()) return false;
      const TPoint oldStart = d.wires[q].start;
      d.wires[q].start = p;
      d.wires.append(Tshort{false, false, oldStart, p});
      return true;
    }
  }
  return false;
}

bool SplitWireAtPin(TDrawData& d, TPoint pin)
{
  const int n = d.wires.count();
  for (int q = 1; q <= n; ++q) {
    if (!bothEndsFree(d.wires[q]) || !LiesInsideWire(d.wires[q], pin)) continue;
    if (d.wires.full()) return false;
    const TPoint oldFinish = d.wires[q].finish;
    d.wires[q].finish = pin;
    d.wires.append(Tshort{false, false, pin, oldFinish});
    return true;
  }
  return false;
}

void SplitWiresAtComponentPins(TDrawData& d, const Tcomponent& comp)
{
  const Tpinset pins = comp.pins; // a copy: appending wires never touches components
  for (int i = 1; i <= pins.count && i <= kMaxPins; ++i)
    SplitWireAtPin(d, pins.nodes[i]);
}

void SplitWiresAtAllPins(TDrawData& d)
{
  for (int c = 1; c <= d.components.count(); ++c)
    SplitWiresAtComponentPins(d, d.components[c]);
}

void AddPinJunctions(TDrawData& d, int index)
{
  if (index < 1 || index > d.components.count()) return;
  const Tpinset pins = d.components[index].pins;
  for (int i = 1; i <= pins.count && i <= kMaxPins; ++i) {
    const TPoint p = pins.nodes[i];
    bool touchesOther = false;
    for (int k = 1; k <= d.components.count() && !touchesOther; ++k) {
      if (k == index) continue;
      const Tpinset& other = d.components[k].pins;
      for (int j = 1; j <= other.count && j <= kMaxPins; ++j)
        if (other.nodes[j] == p) touchesOther = true;
    }
    if (!touchesOther) continue;
    bool wireEndsHere = false;
    for (const Tshort& w : d.wires)
      if (w.start == p || w.finish == p) wireEndsHere = true;
    if (!wireEndsHere) AppendWireUnlessPresent(d, p, p);
  }
}

int RemoveDuplicateWires(TDrawData& d)
{
  int removed = 0;
  for (int i = 1; i <= d.wires.count(); ++i) {
    const TPoint a = d.wires[i].start;
    const TPoint b = d.wires[i].finish;
    for (int j = d.wires.count(); j > i; --j) {
      if (sameEnds(d.wires[j], a, b)) {
        d.wires.removeAt(j);
        ++removed;
      }
    }
  }
  for (Tshort& w : d.wires)
    if (w.finishselected) w.startselected = true;
  return removed;
}

void RecomputeAllPins(TDrawData& d)
{
  for (Tcomponent& c : d.components)
    ComputePinPositions(c);
}

} // namespace norvane

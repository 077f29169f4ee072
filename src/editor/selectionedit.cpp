#include "editor/selectionedit.h"

#include "document/pins.h"
#include "document/placement.h"

#include <algorithm>

namespace norvane {

namespace {

bool usedByBlock(const Drawing& d, DataBlock block, int index)
{
  return std::any_of(d.components.begin(), d.components.end(), [&](const Component& c) {
    return dataBlockOf(c.ctype) == block && blockDataSetIndex(c) == index;
  });
}

void movePoint(Point& p, int dx, int dy)
{
  p.x += dx;
  p.y += dy;
}

} // namespace

BlockSetIndexes selectedBlockSets(const Drawing& d)
{
  BlockSetIndexes out;
  for (const Component& c : d.components) {
    if (!c.selected) continue;
    const int n = blockDataSetIndex(c);
    if (n == 0) continue;
    if (dataBlockOf(c.ctype) == DataBlock::TwoPort) out.twoPort.push_back(n);
    if (dataBlockOf(c.ctype) == DataBlock::OnePort) out.onePort.push_back(n);
  }
  return out;
}

void selectWireEndsOnSelectedPins(Drawing& d)
{
  for (Component& c : d.components) {
    if (!c.selected) continue;
    computePinPositions(c);
    for (int i = 1; i <= c.pins.count && i <= kMaxPins; ++i) {
      const Point p = c.pins.nodes[i];
      for (Wire& w : d.wires) {
        if (w.start == p) w.startselected = true;
        if (w.finish == p) w.finishselected = true;
      }
    }
  }
}

void moveSelection(Drawing& d, int dx, int dy)
{
  for (Component& c : d.components)
    if (c.selected) movePoint(c.position, dx, dy);
  for (Wire& w : d.wires) {
    if (w.startselected) movePoint(w.start, dx, dy);
    if (w.finishselected) movePoint(w.finish, dx, dy);
  }
  int number = 1;
  for (Port* port : {&d.P1, &d.P2}) {
    if (port->selected) {
      movePoint(port->pos, dx, dy);
      port->node = portConnectionPoint(number, *port);
    }
    ++number;
  }
  for (TextItem& t : d.texts)
    if (t.selected) movePoint(t.pos, dx, dy);
  for (DrawingLine& l : d.lines) {
    if (!l.selected) continue;
    movePoint(l.start, dx, dy);
    movePoint(l.finish, dx, dy);
  }
}

bool toggleSelectedOrientation(Drawing& d)
{
  bool any = false;
  for (Component& c : d.components) {
    if (!c.selected) continue;
    c.crot = c.crot == 1 ? 2 : 1;
    computePinPositions(c);
    any = true;
  }
  int number = 1;
  for (Port* port : {&d.P1, &d.P2}) {
    if (port->selected) {
      port->crot = port->crot == 1 ? 2 : 1;
      port->node = portConnectionPoint(number, *port);
      any = true;
    }
    ++number;
  }
  return any;
}

bool deleteSelectedItems(Schematic& doc)
{
  Drawing& d = doc.drawdat;
  const BlockSetIndexes freed = selectedBlockSets(d);
  int removed = d.components.removeIf([](const Component& c) { return c.selected; });
  removed += d.wires.removeIf([](const Wire& w) { return w.startselected || w.finishselected; });
  removed += d.texts.removeIf([](const TextItem& t) { return t.selected; });
  removed += d.lines.removeIf([](const DrawingLine& l) { return l.selected; });
  int number = 1;
  for (Port* port : {&d.P1, &d.P2}) {
    if (port->selected) {
      port->pos = kPortNotPlaced;
      port->node = portConnectionPoint(number, *port);
      port->selected = false;
      ++removed;
    }
    ++number;
  }
  // Two blocks can share a data set (a paste that found no free set, or a file written so);
  // the data stays as long as any block still shows it.
  for (int n : freed.twoPort)
    if (!usedByBlock(d, DataBlock::TwoPort, n)) doc.datasets.twoPort[n].points.clear();
  for (int n : freed.onePort)
    if (!usedByBlock(d, DataBlock::OnePort, n)) doc.datasets.onePort[n].points.clear();
  return removed > 0;
}

} // namespace norvane

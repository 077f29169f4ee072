#include "editor/hittest.h"

#include <algorithm>
#include <cstdlib>

namespace norvane {

namespace {

struct Rect
{
  int left, top, right, bottom;
  bool contains(Point p) const
  {
    return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
  }
  Rect widened(int by) const { return {left - by, top - by, right + by, bottom + by}; }
};

Rect normalised(Point a, Point b)
{
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

bool strictlyBetween(int v, int a, int b)
{
  return v > std::min(a, b) && v < std::max(a, b);
}

bool selectPorts(Drawing& d, const Rect& r)
{
  bool any = false;
  for (Port* port : {&d.P1, &d.P2}) {
    // A port parked off the sheet (negative coordinates) is not placed and cannot be picked.
    const bool placed = port->pos.x >= 0 && port->pos.y >= 0;
    if (placed && r.widened(10).contains(port->pos)) {
      port->selected = true;
      any = true;
    }
  }
  return any;
}

bool selectWireEnds(Drawing& d, const Rect& r)
{
  bool any = false;
  for (Wire& w : d.wires) {
    if (r.contains(w.start)) {
      w.startselected = true;
      any = true;
    }
    if (r.contains(w.finish)) {
      w.finishselected = true;
      any = true;
    }
  }
  return any;
}

bool selectLines(Drawing& d, const Rect& r)
{
  bool any = false;
  for (DrawingLine& l : d.lines) {
    if (r.contains(l.start) || r.contains(l.finish)) {
      l.selected = true;
      any = true;
    }
  }
  return any;
}

} // namespace

bool liesInsideWire(const Wire& w, Point p)
{
  if (w.start.x == w.finish.x && w.start.x == p.x)
    return strictlyBetween(p.y, w.start.y, w.finish.y);
  if (w.start.y == w.finish.y && w.start.y == p.y)
    return strictlyBetween(p.x, w.start.x, w.finish.x);
  return false;
}

void deselectAll(Drawing& d)
{
  for (Component& c : d.components)
    c.selected = false;
  for (Wire& w : d.wires) {
    w.startselected = false;
    w.finishselected = false;
  }
  for (TextItem& t : d.texts)
    t.selected = false;
  for (DrawingLine& l : d.lines)
    l.selected = false;
  d.P1.selected = false;
  d.P2.selected = false;
}

bool selectEverything(Drawing& d)
{
  for (Component& c : d.components)
    c.selected = true;
  for (Wire& w : d.wires) {
    w.startselected = true;
    w.finishselected = true;
  }
  for (TextItem& t : d.texts)
    t.selected = true;
  for (DrawingLine& l : d.lines)
    l.selected = true;
  // A port parked off the sheet (negative position) is not placed.
  for (Port* p : {&d.P1, &d.P2})
    p->selected = p->pos.x >= 0 && p->pos.y >= 0;
  return anythingSelected(d);
}

bool anythingSelected(const Drawing& d)
{
  return std::any_of(d.components.begin(), d.components.end(),
                     [](const Component& c) { return c.selected; }) ||
         std::any_of(d.wires.begin(), d.wires.end(),
                     [](const Wire& w) { return w.startselected || w.finishselected; }) ||
         std::any_of(d.texts.begin(), d.texts.end(),
                     [](const TextItem& t) { return t.selected; }) ||
         std::any_of(d.lines.begin(), d.lines.end(),
                     [](const DrawingLine& l) { return l.selected; }) ||
         d.P1.selected || d.P2.selected;
}

bool selectAtPoint(Drawing& d, Point p, const TextMeasure& measure)
{
  bool any = false;
  for (Component& c : d.components) {
    if (std::abs(c.position.x - p.x) <= 10 && std::abs(c.position.y - p.y) <= 10) {
      c.selected = true;
      any = true;
    }
  }
  const Rect point{p.x, p.y, p.x, p.y};
  any = selectWireEnds(d, point) || any;
  for (Wire& w : d.wires) {
    if (!w.startselected && !w.finishselected && liesInsideWire(w, p)) {
      w.startselected = true;
      w.finishselected = true;
      any = true;
    }
  }
  any = selectPorts(d, point) || any;
  for (TextItem& t : d.texts) {
    const TextExtent e = measure ? measure(t) : TextExtent{};
    if (Rect{t.pos.x, t.pos.y, t.pos.x + e.width, t.pos.y + e.height}.contains(p)) {
      t.selected = true;
      any = true;
    }
  }
  any = selectLines(d, point) || any;
  return any;
}

bool selectInRect(Drawing& d, Point a, Point b)
{
  const Rect r = normalised(a, b);
  bool any = false;
  for (Component& c : d.components) {
    if (r.contains(c.position)) {
      c.selected = true;
      any = true;
    }
  }
  any = selectWireEnds(d, r) || any;
  any = selectPorts(d, r) || any;
  for (TextItem& t : d.texts) {
    if (r.contains(t.pos)) {
      t.selected = true;
      any = true;
    }
  }
  any = selectLines(d, r) || any;
  return any;
}

} // namespace norvane

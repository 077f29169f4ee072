#include "sim/netlist.h"

#include "document/pins.h"

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

namespace norvane {

namespace {

bool strictlyBetween(int v, int a, int b)
{
  return (v > a && v < b) || (v > b && v < a);
}

// True when p lies inside the axis-parallel wire w, not on one of its ends. Diagonal
// wires have no inside in this sense: they connect at their ends only.
bool liesInside(TPoint p, const Tshort& w)
{
  if (w.start.x == w.finish.x && w.start.x == p.x) {
    return strictlyBetween(p.y, w.start.y, w.finish.y);
  }
  if (w.start.y == w.finish.y && w.start.y == p.y) {
    return strictlyBetween(p.x, w.start.x, w.finish.x);
  }
  return false;
}

// Junctions that could not be drawn because the wire list is full. They still connect.
using Joins = std::vector<std::pair<TPoint, TPoint>>;

// Pins on wire interiors: the wire is cut at the pin, the cut-off part becoming a new wire
// from the pin to the old finish. Wires with a selected end are being dragged and are left
// alone.
void splitWiresAtPins(TDrawData& drawing, Joins& undrawn)
{
  for (const Tcomponent& comp : drawing.components) {
    for (int k = 1; k <= comp.pins.count; ++k) {
      const TPoint pin = comp.pins.nodes[k];
      for (int w = 1; w <= drawing.wires.count(); ++w) {
        const Tshort wire = drawing.wires[w];
        if (wire.startselected || wire.finishselected || !liesInside(pin, wire)) {
          continue;
        }
        // Shorten the wire only when its other half exists, so a full wire list never
        // loses a connection.
        if (AppendShort(drawing, pin, wire.finish)) {
          drawing.wires[w].finish = pin;
        } else {
          undrawn.emplace_back(pin, wire.start);
        }
        break;
      }
    }
  }
}

bool isEndOfOtherWire(const TDrawData& drawing, int self, TPoint p)
{
  for (int j = 1; j <= drawing.wires.count(); ++j) {
    if (j != self && (drawing.wires[j].start == p || drawing.wires[j].finish == p)) {
      return true;
    }
  }
  return false;
}

// Wire ends on wire interiors: a free end (one that no other wire shares) lying inside
// another wire is joined to that wire's start by a new wire; the touched wire stays whole.
void joinFreeWireEnds(TDrawData& drawing, Joins& undrawn)
{
  for (int i = 1; i <= drawing.wires.count(); ++i) {
    for (int end = 0; end < 2; ++end) {
      const TPoint p = end == 0 ? drawing.wires[i].start : drawing.wires[i].finish;
      if (isEndOfOtherWire(drawing, i, p)) {
        continue;
      }
      for (int q = 1; q <= drawing.wires.count(); ++q) {
        if (liesInside(p, drawing.wires[q])) {
          const TPoint target = drawing.wires[q].start;
          if (!AppendShort(drawing, p, target)) {
            undrawn.emplace_back(p, target);
          }
        }
      }
    }
  }
}

// The points of the circuit, merged by a union-find over their identities. Every wire joins
// its two ends; chains merge completely whatever order their wires are listed in.
class PointSets
{
public:
  int add(TPoint p)
  {
    m_points.push_back(p);
    return static_cast<int>(m_points.size()) - 1;
  }

  // Gives coincident points one identity each; call once after every add().
  void finishAdding()
  {
    const std::size_t n = m_points.size();
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [this](int a, int b) { return less(a, b); });
    m_id.assign(n, 0);
    int id = -1;
    for (std::size_t k = 0; k < n; ++k) {
      const int cur = order[k];
      if (k == 0 || m_points[static_cast<std::size_t>(order[k - 1])] !=
                        m_points[static_cast<std::size_t>(cur)]) {
        ++id;
      }
      m_id[static_cast<std::size_t>(cur)] = id;
    }
    m_parent.resize(static_cast<std::size_t>(id + 1));
    std::iota(m_parent.begin(), m_parent.end(), 0);
  }

  void join(int a, int b)
  {
    const int ra = root(m_id[static_cast<std::size_t>(a)]);
    const int rb = root(m_id[static_cast<std::size_t>(b)]);
    if (ra != rb) {
      m_parent[static_cast<std::size_t>(std::max(ra, rb))] = std::min(ra, rb);
    }
  }

  // The connected set a point (by its add() handle) belongs to.
  int setOf(int handle) { return root(m_id[static_cast<std::size_t>(handle)]); }

  int setCount() const { return static_cast<int>(m_parent.size()); }

private:
  bool less(int a, int b) const
  {
    const TPoint& p = m_points[static_cast<std::size_t>(a)];
    const TPoint& q = m_points[static_cast<std::size_t>(b)];
    return p.x != q.x ? p.x < q.x : p.y < q.y;
  }

  int root(int s)
  {
    while (m_parent[static_cast<std::size_t>(s)] != s) {
      auto& up = m_parent[static_cast<std::size_t>(s)];
      up = m_parent[static_cast<std::size_t>(up)];
      s = up;
    }
    return s;
  }

  std::vector<TPoint> m_points;
  std::vector<int> m_id;
  std::vector<int> m_parent;
};

} // namespace

bool portIsPlaced(const Tport& port)
{
  return port.pos.x >= 0 && port.pos.y >= 0;
}

bool AppendShort(TDrawData& drawing, TPoint a, TPoint b)
{
  for (const Tshort& w : drawing.wires) {
    if ((w.start == a && w.finish == b) || (w.start == b && w.finish == a)) {
      return true;
    }
  }
  Tshort wire;
  wire.start = a;
  wire.finish = b;
  return drawing.wires.append(wire);
}

NetlistResult BuildNetlist(Tschema& doc, Prompts& prompts)
{
  TDrawData& drawing = doc.drawdat;
  NetlistResult result;

  // 1. Pin positions from kind, orientation and position.
  for (Tcomponent& comp : drawing.components) {
    ComputePinPositions(comp);
  }

  // 2. Implicit junctions become explicit wires in the document.
  Joins undrawn;
  splitWiresAtPins(drawing, undrawn);
  joinFreeWireEnds(drawing, undrawn);

  // 3.-6. Port terminals, then the union of all coincident points. The document's wires are
  // only read from here on.
  Tport* ports[2] = {&drawing.P1, &drawing.P2};
  bool placed[2];
  for (int p = 0; p < 2; ++p) {
    ports[p]->node = portConnectionPoint(p + 1, *ports[p]);
    placed[p] = portIsPlaced(*ports[p]);
  }

  PointSets sets;
  struct PinRef
  {
    int comp;
    int pin;
    int handle;
  };
  std::vector<PinRef> pins;
  for (int c = 1; c <= drawing.components.count(); ++c) {
    const Tcomponent& comp = drawing.components[c];
    for (int k = 1; k <= comp.pins.count; ++k) {
      pins.push_back({c, k, sets.add(comp.pins.nodes[k])});
    }
  }
  std::vector<int> wireHandles;
  for (const Tshort& w : drawing.wires) {
    wireHandles.push_back(sets.add(w.start));
    wireHandles.push_back(sets.add(w.finish));
  }
  for (const auto& [a, b] : undrawn) {
    wireHandles.push_back(sets.add(a));
    wireHandles.push_back(sets.add(b));
  }
  int portHandle[2];
  for (int p = 0; p < 2; ++p) {
    portHandle[p] = sets.add(ports[p]->node);
  }
  sets.finishAdding();
  for (std::size_t w = 0; w + 1 < wireHandles.size(); w += 2) {
    sets.join(wireHandles[w], wireHandles[w + 1]);
  }

  // 7.-8. Ground: every set that holds the pin of a ground symbol.
  std::vector<char> isGround(static_cast<std::size_t>(sets.setCount()), 0);
  for (const PinRef& ref : pins) {
    if (drawing.components[ref.comp].ctype == ckGround) {
      isGround[static_cast<std::size_t>(sets.setOf(ref.handle))] = 1;
    }
  }

  // 9. Node table in component and pin order, with the number of pins on each node.
  std::vector<int> nodeOfSet(static_cast<std::size_t>(sets.setCount()), 0);
  struct NodeEntry
  {
    int set;
    int uses;
    TPoint firstPin;
  };
  std::vector<NodeEntry> table;
  for (const PinRef& ref : pins) {
    const int s = sets.setOf(ref.handle);
    if (isGround[static_cast<std::size_t>(s)]) {
      continue;
    }
    int& node = nodeOfSet[static_cast<std::size_t>(s)];
    if (node == 0) {
      table.push_back({s, 0, drawing.components[ref.comp].pins.nodes[ref.pin]});
      node = static_cast<int>(table.size());
    }
    ++table[static_cast<std::size_t>(node - 1)].uses;
  }

  // 10.-11. Unconnected: a node touched by one pin only, and no port terminal. The marker
  // goes on that pin, where the user has to look.
  result.nodeCount = static_cast<int>(table.size());
  drawing.UnconnectedMarkers.clear();
  auto mark = [&](TPoint at) {
    ++result.unconnectedCount;
    drawing.UnconnectedMarkers.append(at); // surplus markers are dropped
  };
  int portSet[2];
  for (int p = 0; p < 2; ++p) {
    portSet[p] = placed[p] ? sets.setOf(portHandle[p]) : -1;
  }
  for (const NodeEntry& e : table) {
    if (e.uses <= 1 && e.set != portSet[0] && e.set != portSet[1]) {
      mark(e.firstPin);
    }
  }

  // 12. Numbering of pins and port terminals.
  for (const PinRef& ref : pins) {
    const int s = sets.setOf(ref.handle);
    const int node =
        isGround[static_cast<std::size_t>(s)] ? 0 : nodeOfSet[static_cast<std::size_t>(s)];
    drawing.components[ref.comp].pins.nodes[ref.pin] = {node, kResolvedMarker};
  }
  bool resolved[2] = {false, false};
  for (int p = 0; p < 2; ++p) {
    if (portSet[p] < 0 || isGround[static_cast<std::size_t>(portSet[p])]) {
      continue; // a terminal on ground alone never reaches a node
    }
    const int node = nodeOfSet[static_cast<std::size_t>(portSet[p])];
    if (node > 0) {
      ports[p]->node = {node, kResolvedMarker};
      resolved[p] = true;
    }
  }
  result.port1Connected = resolved[0];
  result.port2Connected = resolved[1];
  result.port1Node = resolved[0] ? drawing.P1.node.x : 0;
  result.port2Node = resolved[1] ? drawing.P2.node.x : 0;

  // 13. Checks, every one evaluated.
  bool ok = true;
  if (!resolved[0] && !resolved[1] && !placed[0] && !placed[1]) {
    prompts.error(kMsgPlacePort);
    ok = false;
  }
  for (int p = 0; p < 2; ++p) {
    if (placed[p] && !resolved[p]) {
      // The marker sits on the terminal, on whichever side the port's orientation puts it.
      mark(portConnectionPoint(p + 1, *ports[p]));
    }
  }
  if (result.unconnectedCount > 0) {
    prompts.error(kMsgUnconnected);
    ok = false;
  }
  if (drawing.components.empty()) {
    prompts.error(kMsgPlaceComponent);
    ok = false;
  }
  if (result.nodeCount > kMaxNodes) {
    prompts.error("Circuit too large: " + std::to_string(result.nodeCount) +
                  " nodes, the simulator handles at most " + std::to_string(kMaxNodes));
    ok = false;
  }
  result.ok = ok;
  return result;
}

} // namespace norvane

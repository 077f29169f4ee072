#include "sim/netlist.h"

#include "document/componentkinds.h"
#include "document/pins.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <string>
#include <unordered_map>
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
bool liesInside(Point p, const Wire& w)
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
using Joins = std::vector<std::pair<Point, Point>>;

std::uint64_t pointKey(Point p)
{
  return (std::uint64_t{static_cast<std::uint32_t>(p.x)} << 32) | static_cast<std::uint32_t>(p.y);
}

struct PairKey
{
  std::uint64_t a, b; // the two end points' keys, smaller first
  friend bool operator==(const PairKey&, const PairKey&) = default;
};
struct PairKeyHash
{
  std::size_t operator()(const PairKey& k) const
  {
    return std::hash<std::uint64_t>{}(k.a * 0x9E3779B97F4A7C15ULL ^ k.b);
  }
};
PairKey pairKey(Point p, Point q)
{
  const std::uint64_t a = pointKey(p);
  const std::uint64_t b = pointKey(q);
  return a < b ? PairKey{a, b} : PairKey{b, a};
}

// The wires being made explicit.
using Wires = BoundedList<Wire, kMaxWires>;

// The wires indexed three ways, kept up to date while the junction steps add and
// shorten wires: by the grid line an axis-parallel wire lies on (so that the wires that may
// hold a point inside are found without scanning them all), by end point (how many wire ends
// lie on a point) and by pair of end points (whether a wire between two points exists). Each
// lookup gives what the scan over the whole list gave, in list order, so the drawing and the
// node numbering come out the same; a drawing of hundreds of wires no longer costs a scan of
// every wire for every pin and every wire end.
class WireIndex
{
public:
  explicit WireIndex(Wires& wires) : m_wires(wires)
  {
    for (int w = 1; w <= wires.count(); ++w) {
      enter(w);
    }
  }

  // Calls f(w) for the axis-parallel wires on p's two grid lines, in list order (including
  // wires appended meanwhile), until f returns true.
  template <class F> void scanLinesThrough(Point p, F&& f)
  {
    const std::vector<int>* vertical = find(m_vertical, p.x);
    const std::vector<int>* horizontal = find(m_horizontal, p.y);
    std::size_t iv = 0;
    std::size_t ih = 0;
    for (;;) {
      const int v = vertical && iv < vertical->size() ? (*vertical)[iv] : -1;
      const int h = horizontal && ih < horizontal->size() ? (*horizontal)[ih] : -1;
      if (v < 0 && h < 0) {
        return;
      }
      int w = 0;
      if (h < 0 || (v >= 0 && v < h)) {
        w = v;
        ++iv;
      } else {
        w = h;
        ++ih;
      }
      if (f(w)) {
        return;
      }
      // A wire appended on a line not looked up before: look again.
      if (!vertical) {
        vertical = find(m_vertical, p.x);
      }
      if (!horizontal) {
        horizontal = find(m_horizontal, p.y);
      }
    }
  }

  // appendShort through the index.
  bool append(Point a, Point b)
  {
    if (m_pairs.count(pairKey(a, b)) != 0) {
      return true;
    }
    Wire wire;
    wire.start = a;
    wire.finish = b;
    if (!m_wires.append(wire)) {
      return false;
    }
    enter(m_wires.count());
    return true;
  }

  // Moves the finish of wire w along its own line.
  void moveFinish(int w, Point to)
  {
    Wire& wire = m_wires[w];
    forget(wire.start, wire.finish);
    wire.finish = to;
    remember(wire.start, wire.finish);
  }

  // True when p is an end of some wire other than `self`.
  bool isEndOfOtherWire(int self, Point p) const
  {
    const auto it = m_ends.find(pointKey(p));
    const int all = it == m_ends.end() ? 0 : it->second;
    const Wire& own = m_wires[self];
    return all - (own.start == p ? 1 : 0) - (own.finish == p ? 1 : 0) > 0;
  }

private:
  using Lines = std::unordered_map<int, std::vector<int>>;
  static const std::vector<int>* find(const Lines& lines, int at)
  {
    const auto it = lines.find(at);
    return it == lines.end() ? nullptr : &it->second;
  }

  void enter(int w)
  {
    const Wire& wire = m_wires[w];
    if (wire.start.x == wire.finish.x) {
      m_vertical[wire.start.x].push_back(w);
    } else if (wire.start.y == wire.finish.y) {
      m_horizontal[wire.start.y].push_back(w);
    }
    remember(wire.start, wire.finish);
  }
  void remember(Point a, Point b)
  {
    ++m_pairs[pairKey(a, b)];
    ++m_ends[pointKey(a)];
    ++m_ends[pointKey(b)];
  }
  void forget(Point a, Point b)
  {
    if (--m_pairs[pairKey(a, b)] == 0) {
      m_pairs.erase(pairKey(a, b));
    }
    --m_ends[pointKey(a)];
    --m_ends[pointKey(b)];
  }

  Wires& m_wires;
  Lines m_vertical;   // wires with start.x == finish.x, by that x
  Lines m_horizontal; // other wires with start.y == finish.y, by that y
  std::unordered_map<std::uint64_t, int> m_ends;
  std::unordered_map<PairKey, int, PairKeyHash> m_pairs;
};

// Pins on wire interiors: the wire is cut at the pin, the cut-off part becoming a new wire
// from the pin to the old finish. Wires with a selected end are being dragged and are left
// alone.
void splitWiresAtPins(const std::vector<PinSet>& pinsAt, Wires& wires, WireIndex& index,
                      Joins& undrawn)
{
  for (const PinSet& pins : pinsAt) {
    for (int k = 1; k <= pins.count; ++k) {
      const Point pin = pins.nodes[k];
      index.scanLinesThrough(pin, [&](int w) {
        const Wire wire = wires[w];
        if (wire.startselected || wire.finishselected || !liesInside(pin, wire)) {
          return false;
        }
        // Shorten the wire only when its other half exists, so a full wire list never
        // loses a connection.
        if (index.append(pin, wire.finish)) {
          index.moveFinish(w, pin);
        } else {
          undrawn.emplace_back(pin, wire.start);
        }
        return true;
      });
    }
  }
}

// Wire ends on wire interiors: a free end (one that no other wire shares) lying inside
// another wire is joined to that wire's start by a new wire; the touched wire stays whole.
void joinFreeWireEnds(const Wires& wires, WireIndex& index, Joins& undrawn)
{
  for (int i = 1; i <= wires.count(); ++i) {
    for (int end = 0; end < 2; ++end) {
      const Point p = end == 0 ? wires[i].start : wires[i].finish;
      if (index.isEndOfOtherWire(i, p)) {
        continue;
      }
      index.scanLinesThrough(p, [&](int q) {
        if (liesInside(p, wires[q])) {
          const Point target = wires[q].start;
          if (!index.append(p, target)) {
            undrawn.emplace_back(p, target);
          }
        }
        return false;
      });
    }
  }
}

// The points of the circuit, merged by a union-find over their identities. Every wire joins
// its two ends; chains merge completely whatever order their wires are listed in.
class PointSets
{
public:
  int add(Point p)
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
    const Point& p = m_points[static_cast<std::size_t>(a)];
    const Point& q = m_points[static_cast<std::size_t>(b)];
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

  std::vector<Point> m_points;
  std::vector<int> m_id;
  std::vector<int> m_parent;
};

} // namespace

bool portIsPlaced(const Port& port)
{
  return port.pos.x >= 0 && port.pos.y >= 0;
}

bool appendShort(Drawing& drawing, Point a, Point b)
{
  for (const Wire& w : drawing.wires) {
    if ((w.start == a && w.finish == b) || (w.start == b && w.finish == a)) {
      return true;
    }
  }
  Wire wire;
  wire.start = a;
  wire.finish = b;
  return drawing.wires.append(wire);
}

namespace {

struct PinRef
{
  int comp;
  int pin;
  int handle;
};

// Every pin, wire end, undrawn join and port terminal as a point, and the points joined
// along the wires: each connected set is a node to be.
struct ConnectedPoints
{
  PointSets sets;
  std::vector<PinRef> pins;
  int portHandle[2] = {0, 0};
};

void connectPoints(const std::vector<PinSet>& pinsAt, const Netlist& net, const Joins& undrawn,
                   ConnectedPoints& cp)
{
  PointSets& sets = cp.sets;
  for (std::size_t c = 0; c < pinsAt.size(); ++c) {
    const PinSet& pins = pinsAt[c];
    for (int k = 1; k <= pins.count; ++k) {
      cp.pins.push_back({static_cast<int>(c), k, sets.add(pins.nodes[k])});
    }
  }
  std::vector<int> wireHandles;
  for (const Wire& w : net.wires) {
    wireHandles.push_back(sets.add(w.start));
    wireHandles.push_back(sets.add(w.finish));
  }
  for (const auto& [a, b] : undrawn) {
    wireHandles.push_back(sets.add(a));
    wireHandles.push_back(sets.add(b));
  }
  cp.portHandle[0] = sets.add(net.portTerminals[0]);
  cp.portHandle[1] = sets.add(net.portTerminals[1]);
  sets.finishAdding();
  for (std::size_t w = 0; w + 1 < wireHandles.size(); w += 2) {
    sets.join(wireHandles[w], wireHandles[w + 1]);
  }
}

// 7.-8. Ground: every set that holds the pin of a ground symbol.
std::vector<char> groundSets(const Drawing& drawing, ConnectedPoints& cp)
{
  std::vector<char> isGround(static_cast<std::size_t>(cp.sets.setCount()), 0);
  for (const PinRef& ref : cp.pins) {
    if (norvane::isGround(drawing.components[ref.comp + 1])) {
      isGround[static_cast<std::size_t>(cp.sets.setOf(ref.handle))] = 1;
    }
  }
  return isGround;
}

struct NodeEntry
{
  int set;
  int uses;
  Point firstPin;
};

// 9. Node table in component and pin order, with the number of pins on each node;
// nodeOfSet[s] is the node of set s (1-based), 0 for none.
struct NodeTable
{
  std::vector<int> nodeOfSet;
  std::vector<NodeEntry> table;
};

NodeTable numberNodes(const std::vector<PinSet>& pinsAt, ConnectedPoints& cp,
                      const std::vector<char>& isGround)
{
  NodeTable nodes;
  nodes.nodeOfSet.assign(static_cast<std::size_t>(cp.sets.setCount()), 0);
  for (const PinRef& ref : cp.pins) {
    const int s = cp.sets.setOf(ref.handle);
    if (isGround[static_cast<std::size_t>(s)]) {
      continue;
    }
    int& node = nodes.nodeOfSet[static_cast<std::size_t>(s)];
    if (node == 0) {
      nodes.table.push_back({s, 0, pinsAt[static_cast<std::size_t>(ref.comp)].nodes[ref.pin]});
      node = static_cast<int>(nodes.table.size());
    }
    ++nodes.table[static_cast<std::size_t>(node - 1)].uses;
  }
  return nodes;
}

// An unconnected point, counted; the marker goes where the user has to look.
void markUnconnected(Netlist& net, Point at)
{
  ++net.unconnectedCount;
  net.unconnected.push_back(at);
}

// 13. Checks, every one evaluated; false when any fails (each says why).
bool checkNetlist(const Drawing& drawing, Netlist& net, const bool placed[2],
                  const bool resolved[2], Prompts& prompts)
{
  bool ok = true;
  if (!resolved[0] && !resolved[1] && !placed[0] && !placed[1]) {
    prompts.error(kMsgPlacePort);
    ok = false;
  }
  for (int p = 0; p < 2; ++p) {
    if (placed[p] && !resolved[p]) {
      // The marker sits on the terminal, on whichever side the port's orientation puts it.
      markUnconnected(net, net.portTerminals[static_cast<std::size_t>(p)]);
    }
  }
  if (net.unconnectedCount > 0) {
    prompts.error(kMsgUnconnected);
    ok = false;
  }
  if (drawing.components.empty()) {
    prompts.error(kMsgPlaceComponent);
    ok = false;
  }
  if (net.nodeCount > kMaxNodes) {
    prompts.error("Circuit too large: " + std::to_string(net.nodeCount) +
                  " nodes, the simulator handles at most " + std::to_string(kMaxNodes));
    ok = false;
  }
  return ok;
}

} // namespace

Netlist buildNetlist(const Schematic& doc, Prompts& prompts)
{
  const Drawing& drawing = doc.drawdat;
  Netlist net;

  // 1. Pin positions from kind, orientation and position.
  std::vector<PinSet> pinsAt;
  pinsAt.reserve(static_cast<std::size_t>(drawing.components.count()));
  for (const Component& comp : drawing.components) {
    pinsAt.push_back(pinPositionsOf(comp));
  }

  // 2. Implicit junctions become wires of their own.
  net.wires = drawing.wires;
  Joins undrawn;
  {
    WireIndex index(net.wires);
    splitWiresAtPins(pinsAt, net.wires, index, undrawn);
    joinFreeWireEnds(net.wires, index, undrawn);
  }

  // 3.-6. Port terminals, then the union of all coincident points. The wires are only read
  // from here on.
  const Port* ports[2] = {&drawing.P1, &drawing.P2};
  bool placed[2];
  for (int p = 0; p < 2; ++p) {
    net.portTerminals[static_cast<std::size_t>(p)] = portConnectionPoint(p + 1, *ports[p]);
    placed[p] = portIsPlaced(*ports[p]);
  }
  ConnectedPoints cp;
  connectPoints(pinsAt, net, undrawn, cp);
  const std::vector<char> isGround = groundSets(drawing, cp);
  const NodeTable nodes = numberNodes(pinsAt, cp, isGround);

  // 10.-11. Unconnected: a node touched by one pin only, and no port terminal. The marker
  // goes on that pin, where the user has to look.
  net.nodeCount = static_cast<int>(nodes.table.size());
  int portSet[2];
  for (int p = 0; p < 2; ++p) {
    portSet[p] = placed[p] ? cp.sets.setOf(cp.portHandle[p]) : -1;
  }
  for (const NodeEntry& e : nodes.table) {
    if (e.uses <= 1 && e.set != portSet[0] && e.set != portSet[1]) {
      markUnconnected(net, e.firstPin);
    }
  }

  // 12. Numbering of pins and port terminals.
  net.pins.resize(pinsAt.size());
  for (std::size_t c = 0; c < pinsAt.size(); ++c) {
    net.pins[c].count = pinsAt[c].count;
  }
  for (const PinRef& ref : cp.pins) {
    const int s = cp.sets.setOf(ref.handle);
    const int node =
        isGround[static_cast<std::size_t>(s)] ? 0 : nodes.nodeOfSet[static_cast<std::size_t>(s)];
    net.pins[static_cast<std::size_t>(ref.comp)].node[static_cast<std::size_t>(ref.pin)] = node;
  }
  bool resolved[2] = {false, false};
  int portNode[2] = {0, 0};
  for (int p = 0; p < 2; ++p) {
    if (portSet[p] < 0 || isGround[static_cast<std::size_t>(portSet[p])]) {
      continue; // a terminal on ground alone never reaches a node
    }
    portNode[p] = nodes.nodeOfSet[static_cast<std::size_t>(portSet[p])];
    resolved[p] = portNode[p] > 0;
  }
  net.port1Connected = resolved[0];
  net.port2Connected = resolved[1];
  net.port1Node = resolved[0] ? portNode[0] : 0;
  net.port2Node = resolved[1] ? portNode[1] : 0;
  net.ok = checkNetlist(drawing, net, placed, resolved, prompts);
  return net;
}

void applyNetlistToDrawing(Schematic& doc, const Netlist& netlist)
{
  Drawing& drawing = doc.drawdat;
  drawing.wires = netlist.wires;
  const std::size_t known =
      std::min(netlist.pins.size(), static_cast<std::size_t>(drawing.components.count()));
  for (std::size_t c = 0; c < known; ++c) {
    Component& comp = drawing.components[static_cast<int>(c) + 1];
    computePinPositions(comp);
    const PinNodes& nodes = netlist.pins[c];
    for (int k = 1; k <= nodes.count && k <= comp.pins.count; ++k) {
      comp.pins.nodes[k] = {nodes.node[static_cast<std::size_t>(k)], kResolvedMarker};
    }
  }
  const bool connected[2] = {netlist.port1Connected, netlist.port2Connected};
  const int node[2] = {netlist.port1Node, netlist.port2Node};
  Port* ports[2] = {&drawing.P1, &drawing.P2};
  for (std::size_t p = 0; p < 2; ++p) {
    ports[p]->node = connected[p] ? Point{node[p], kResolvedMarker} : netlist.portTerminals[p];
  }
  drawing.UnconnectedMarkers.clear();
  for (const Point at : netlist.unconnected) {
    drawing.UnconnectedMarkers.append(at); // surplus markers are dropped
  }
}

} // namespace norvane

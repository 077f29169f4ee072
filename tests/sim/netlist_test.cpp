#include "sim/netlist.h"

#include "netlist_support.h"
#include "support/scriptedprompts.h"

#include <gtest/gtest.h>

#include <vector>

namespace norvane {
namespace {

using testing::Circuit;
using testing::numberDrawing;

Point node(int n)
{
  return {n, kResolvedMarker};
}

TEST(Netlist, ResistorFromPortToGroundIsOneNode)
{
  Circuit c;
  c.port1(100, 100);                                 // terminal (120, 100)
  c.add(ComponentType::Resistor, 200, 120, 1, 50.0); // pins (200, 100), (200, 140)
  c.add(ComponentType::Ground, 200, 150);            // pin (200, 140)
  c.wire(120, 100, 200, 100);
  ScriptedPrompts prompts;
  const Netlist r = numberDrawing(c.doc, prompts);
  EXPECT_TRUE(r.ok);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(r.nodeCount, 1);
  EXPECT_TRUE(r.port1Connected);
  EXPECT_FALSE(r.port2Connected);
  EXPECT_EQ(r.port1Node, 1);
  EXPECT_EQ(c.doc.drawdat.P1.node, node(1));
  const Component& res = c.doc.drawdat.components[1];
  EXPECT_EQ(res.pins.nodes[1], node(1));
  EXPECT_EQ(res.pins.nodes[2], node(0));
  EXPECT_EQ(c.doc.drawdat.components[2].pins.nodes[1], node(0));
  EXPECT_EQ(c.doc.drawdat.UnconnectedMarkers.count(), 0);
}

TEST(Netlist, PinInsideWireSplitsItOnce)
{
  Circuit c;
  c.port1(100, 100);                                 // terminal (120, 100)
  c.port2(320, 100);                                 // terminal (300, 100)
  c.add(ComponentType::Resistor, 200, 120, 1, 50.0); // upper pin (200, 100) inside the wire
  c.add(ComponentType::Ground, 200, 150);
  c.wire(120, 100, 300, 100);
  ScriptedPrompts prompts;
  Netlist r = numberDrawing(c.doc, prompts);
  ASSERT_TRUE(r.ok) << prompts.lastText();
  ASSERT_EQ(c.doc.drawdat.wires.count(), 2);
  EXPECT_EQ(c.doc.drawdat.wires[1].start, (Point{120, 100}));
  EXPECT_EQ(c.doc.drawdat.wires[1].finish, (Point{200, 100}));
  EXPECT_EQ(c.doc.drawdat.wires[2].start, (Point{200, 100}));
  EXPECT_EQ(c.doc.drawdat.wires[2].finish, (Point{300, 100}));
  EXPECT_EQ(r.nodeCount, 1);
  EXPECT_EQ(r.port1Node, 1);
  EXPECT_EQ(r.port2Node, 1);

  r = numberDrawing(c.doc, prompts);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(c.doc.drawdat.wires.count(), 2);
}

TEST(Netlist, WireWithSelectedEndIsNotSplit)
{
  Circuit c;
  c.port1(100, 100);
  c.port2(320, 100);
  c.add(ComponentType::Resistor, 200, 120, 1, 50.0);
  c.add(ComponentType::Ground, 200, 150);
  c.wire(120, 100, 300, 100);
  c.doc.drawdat.wires[1].finishselected = true;
  ScriptedPrompts prompts;
  const Netlist r = numberDrawing(c.doc, prompts);
  EXPECT_EQ(c.doc.drawdat.wires.count(), 1);
  EXPECT_FALSE(r.ok); // the resistor's upper pin now touches nothing
  EXPECT_TRUE(prompts.saw(kMsgUnconnected));
}

TEST(Netlist, WireEndInsideAnotherWireJoinsIt)
{
  // A T junction: a vertical wire ends in the middle of the horizontal one.
  Circuit c;
  c.port1(100, 100); // terminal (120, 100)
  c.port2(320, 100); // terminal (300, 100)
  c.wire(120, 100, 300, 100);
  c.wire(200, 100, 200, 160);                        // start inside the first wire
  c.add(ComponentType::Resistor, 200, 180, 1, 50.0); // pins (200, 160), (200, 200)
  c.add(ComponentType::Ground, 200, 210);
  ScriptedPrompts prompts;
  const Netlist r = numberDrawing(c.doc, prompts);
  ASSERT_TRUE(r.ok) << prompts.lastText();
  ASSERT_EQ(c.doc.drawdat.wires.count(), 3);
  // The touched wire stays whole; the free end is joined to its start.
  EXPECT_EQ(c.doc.drawdat.wires[1].finish, (Point{300, 100}));
  EXPECT_EQ(c.doc.drawdat.wires[3].start, (Point{200, 100}));
  EXPECT_EQ(c.doc.drawdat.wires[3].finish, (Point{120, 100}));
  EXPECT_EQ(r.nodeCount, 1);
  EXPECT_EQ(r.port1Node, r.port2Node);
  numberDrawing(c.doc, prompts);
  EXPECT_EQ(c.doc.drawdat.wires.count(), 3);
}

TEST(Netlist, BuildingLeavesTheDrawingAsItIsUntilApplied)
{
  // The T junction above without its junction wire, and a loose resistor.
  Circuit c;
  c.port1(100, 100); // terminal (120, 100)
  c.port2(320, 100); // terminal (300, 100)
  c.wire(120, 100, 300, 100);
  c.wire(200, 100, 200, 160);
  c.add(ComponentType::Resistor, 200, 180, 1, 50.0); // pins (200, 160), (200, 200)
  c.add(ComponentType::Ground, 200, 210);
  c.add(ComponentType::Resistor, 400, 400, 1, 10.0); // pins (400, 380), (400, 420)
  const Drawing drawn = c.doc.drawdat;
  ScriptedPrompts prompts;
  const Schematic& doc = c.doc;
  const Netlist net = buildNetlist(doc, prompts);
  EXPECT_EQ(c.doc.drawdat, drawn);

  EXPECT_FALSE(net.ok);
  EXPECT_TRUE(prompts.saw(kMsgUnconnected));
  EXPECT_EQ(net.nodeCount, 3);
  EXPECT_EQ(net.port1Node, 1);
  EXPECT_EQ(net.port2Node, 1);
  ASSERT_EQ(net.pins.size(), 3u);
  EXPECT_EQ(net.pins[0].count, 2);
  EXPECT_EQ(net.pins[0].node[1], 1);
  EXPECT_EQ(net.pins[0].node[2], 0);
  EXPECT_EQ(net.pins[1].node[1], 0);
  EXPECT_EQ(net.pins[2].node[1], 2);
  EXPECT_EQ(net.pins[2].node[2], 3);
  ASSERT_EQ(net.wires.count(), 3);
  EXPECT_EQ(net.wires[3].start, (Point{200, 100}));
  EXPECT_EQ(net.wires[3].finish, (Point{120, 100}));
  EXPECT_EQ(net.unconnected, (std::vector<Point>{{400, 380}, {400, 420}}));

  applyNetlistToDrawing(c.doc, net);
  const Drawing& shown = c.doc.drawdat;
  EXPECT_EQ(shown.wires.count(), 3);
  EXPECT_EQ(shown.wires[3], net.wires[3]);
  EXPECT_EQ(shown.P1.node, node(1));
  EXPECT_EQ(shown.P2.node, node(1));
  EXPECT_EQ(shown.components[1].pins.nodes[1], node(1));
  EXPECT_EQ(shown.components[3].pins.nodes[2], node(3));
  ASSERT_EQ(shown.UnconnectedMarkers.count(), 2);
  EXPECT_EQ(shown.UnconnectedMarkers[2], (Point{400, 420}));
}

TEST(Netlist, CrossingWiresDoNotConnect)
{
  Circuit c;
  c.port1(100, 100);                                 // terminal (120, 100)
  c.wire(120, 100, 300, 100);                        // horizontal, to a resistor to ground
  c.add(ComponentType::Resistor, 300, 120, 1, 50.0); // pins (300, 100), (300, 140)
  c.add(ComponentType::Ground, 300, 150);
  c.wire(200, 40, 200, 160);                         // vertical, crossing it at (200, 100)
  c.add(ComponentType::Resistor, 200, 180, 1, 50.0); // pins (200, 160), (200, 200)
  c.add(ComponentType::Ground, 200, 210);
  c.add(ComponentType::Resistor, 200, 20, 1, 50.0); // pins (200, 0), (200, 40)
  c.add(ComponentType::Ground, 200, 10);            // pin (200, 0)
  ScriptedPrompts prompts;
  const Netlist r = numberDrawing(c.doc, prompts);
  ASSERT_TRUE(r.ok) << prompts.lastText();
  EXPECT_EQ(c.doc.drawdat.wires.count(), 2);
  EXPECT_EQ(r.nodeCount, 2);
  EXPECT_EQ(r.port1Node, 1);
  EXPECT_EQ(c.doc.drawdat.components[3].pins.nodes[1], node(2));
}

TEST(Netlist, ChainsMergeWhateverTheirWireOrder)
{
  // Port 1 -> four wires in a row -> resistor to ground; the wires are listed out of order,
  // and some are drawn backwards.
  Circuit c;
  c.port1(100, 100); // terminal (120, 100)
  c.wire(180, 100, 160, 100);
  c.wire(200, 100, 220, 100);
  c.wire(140, 100, 120, 100);
  c.wire(160, 100, 140, 100);
  c.wire(200, 100, 180, 100);
  c.add(ComponentType::Resistor, 220, 120, 1, 50.0); // pin (220, 100)
  c.add(ComponentType::Ground, 220, 150);
  ScriptedPrompts prompts;
  const Netlist r = numberDrawing(c.doc, prompts);
  ASSERT_TRUE(r.ok) << prompts.lastText();
  EXPECT_EQ(r.nodeCount, 1);
  EXPECT_EQ(r.port1Node, 1);
}

TEST(Netlist, DanglingPinIsMarkedAtThePin)
{
  Circuit c = Circuit::shuntToGround(ComponentType::Resistor, 50.0);
  c.add(ComponentType::Capacitor, 300, 300, 1, 1e-12); // pins (300, 280), (300, 320): touch nothing
  ScriptedPrompts prompts;
  const Netlist r = numberDrawing(c.doc, prompts);
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(prompts.saw(kMsgUnconnected));
  ASSERT_EQ(c.doc.drawdat.UnconnectedMarkers.count(), 2);
  EXPECT_EQ(c.doc.drawdat.UnconnectedMarkers[1], (Point{300, 280}));
  EXPECT_EQ(c.doc.drawdat.UnconnectedMarkers[2], (Point{300, 320}));
  EXPECT_EQ(r.nodeCount, 3);
  // The numbering is written all the same.
  EXPECT_EQ(c.doc.drawdat.components[3].pins.nodes[1], node(2));
  EXPECT_EQ(c.doc.drawdat.components[3].pins.nodes[2], node(3));
}

TEST(Netlist, TransistorHasItsOwnInternalNode)
{
  // Collector to port 2, base to port 1, emitter to ground.
  Circuit c;
  c.add(ComponentType::Bipolar, 300,
        200);        // pins C (310, 180), B (290, 200), E (310, 220), b' (300, 200) x2
  c.port1(250, 200); // terminal (270, 200)
  c.wire(270, 200, 290, 200);
  c.port2(350, 180); // terminal (330, 180)
  c.wire(310, 180, 330, 180);
  c.add(ComponentType::Ground, 310, 230); // pin (310, 220)
  ScriptedPrompts prompts;
  const Netlist r = numberDrawing(c.doc, prompts);
  ASSERT_TRUE(r.ok) << prompts.lastText();
  EXPECT_EQ(r.nodeCount, 3);
  const Component& q = c.doc.drawdat.components[1];
  EXPECT_EQ(q.pins.nodes[1], node(1));
  EXPECT_EQ(q.pins.nodes[2], node(2));
  EXPECT_EQ(q.pins.nodes[3], node(0));
  EXPECT_EQ(q.pins.nodes[4], node(3));
  EXPECT_EQ(q.pins.nodes[5], node(3));
  EXPECT_EQ(r.port1Node, 2);
  EXPECT_EQ(r.port2Node, 1);
}

TEST(Netlist, RefusalMessages)
{
  {
    SCOPED_TRACE("no port");
    Circuit c;
    c.add(ComponentType::Resistor, 200, 120, 1, 50.0);
    c.add(ComponentType::Ground, 200, 150);
    ScriptedPrompts prompts;
    EXPECT_FALSE(numberDrawing(c.doc, prompts).ok);
    EXPECT_TRUE(prompts.saw(kMsgPlacePort));
  }
  {
    SCOPED_TRACE("only ports");
    Circuit c;
    c.port1(100, 100);
    c.port2(300, 100);
    ScriptedPrompts prompts;
    EXPECT_FALSE(numberDrawing(c.doc, prompts).ok);
    EXPECT_TRUE(prompts.saw(kMsgPlaceComponent));
    EXPECT_FALSE(prompts.saw(kMsgPlacePort));
    // Both placed terminals lead nowhere and are marked.
    EXPECT_EQ(c.doc.drawdat.UnconnectedMarkers.count(), 2);
  }
  {
    SCOPED_TRACE("empty sheet");
    Circuit c;
    ScriptedPrompts prompts;
    EXPECT_FALSE(numberDrawing(c.doc, prompts).ok);
    EXPECT_TRUE(prompts.saw(kMsgPlacePort));
    EXPECT_TRUE(prompts.saw(kMsgPlaceComponent));
  }
}

TEST(Netlist, PortOnGroundOnlyIsUnconnected)
{
  Circuit c;
  c.port1(100, 100, 2); // orientation 2: terminal (80, 100)
  c.add(ComponentType::Ground, 80, 110);
  c.add(ComponentType::Resistor, 300, 120, 1, 50.0);
  c.add(ComponentType::Ground, 300, 150);
  c.add(ComponentType::Ground, 300, 110); // the resistor's upper pin (300, 100) grounded too
  ScriptedPrompts prompts;
  const Netlist r = numberDrawing(c.doc, prompts);
  EXPECT_FALSE(r.ok);
  EXPECT_FALSE(r.port1Connected);
  EXPECT_TRUE(prompts.saw(kMsgUnconnected));
  // The marker sits on the terminal, on the side the orientation puts it.
  ASSERT_EQ(c.doc.drawdat.UnconnectedMarkers.count(), 1);
  EXPECT_EQ(c.doc.drawdat.UnconnectedMarkers[1], (Point{80, 100}));
}

TEST(Netlist, MarkersAreCappedButTheMessageStays)
{
  Circuit c = Circuit::shuntToGround(ComponentType::Resistor, 50.0);
  for (int k = 0; k < 40; ++k) {
    c.add(ComponentType::Resistor, 1000, 100 + 100 * k, 1, 1.0); // 80 loose pins
  }
  ScriptedPrompts prompts;
  const Netlist r = numberDrawing(c.doc, prompts);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.unconnectedCount, 80);
  EXPECT_EQ(c.doc.drawdat.UnconnectedMarkers.count(), kMaxMarkers);
  EXPECT_TRUE(prompts.saw(kMsgUnconnected));
}

TEST(Netlist, NodeLimitOfTheSolver)
{
  // A ladder of series resistors: n nodes between port 1 and port 2, every node shunted.
  auto ladder = [](int nodes) {
    Circuit c;
    c.port1(0, 100); // terminal (20, 100)
    for (int k = 0; k < nodes; ++k) {
      const int x = 20 + 40 * k;
      if (k > 0) {
        c.add(ComponentType::Resistor, x - 20, 100, 2, 10.0); // from (x - 40, 100) to (x, 100)
      }
      c.add(ComponentType::Resistor, x, 120, 1, 100.0); // (x, 100) to (x, 140)
      c.add(ComponentType::Ground, x, 150);
    }
    c.port2(20 + 40 * (nodes - 1) + 20, 100); // terminal on the last node
    return c;
  };
  {
    Circuit c = ladder(kMaxNodes);
    ScriptedPrompts prompts;
    const Netlist r = numberDrawing(c.doc, prompts);
    EXPECT_TRUE(r.ok) << prompts.lastText();
    EXPECT_EQ(r.nodeCount, kMaxNodes);
    EXPECT_EQ(r.port2Node, kMaxNodes);
  }
  {
    Circuit c = ladder(kMaxNodes + 1);
    ScriptedPrompts prompts;
    const Netlist r = numberDrawing(c.doc, prompts);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.nodeCount, kMaxNodes + 1);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.lastText().find("at most 100"), std::string::npos);
  }
}

TEST(Netlist, AppendShortNeverExceedsTheWireCapacity)
{
  Drawing d;
  EXPECT_TRUE(appendShort(d, {0, 0}, {10, 0}));
  EXPECT_TRUE(appendShort(d, {10, 0}, {0, 0})); // the same wire reversed: nothing added
  EXPECT_EQ(d.wires.count(), 1);
  for (int k = 1; k < kMaxWires; ++k) {
    EXPECT_TRUE(appendShort(d, {0, 10 * k}, {10, 10 * k}));
  }
  EXPECT_EQ(d.wires.count(), kMaxWires);
  EXPECT_FALSE(appendShort(d, {0, -10}, {10, -10}));
  EXPECT_TRUE(appendShort(d, {0, 10}, {10, 10})); // exists: fine even when full
  EXPECT_EQ(d.wires.count(), kMaxWires);
}

TEST(Netlist, FullWireListKeepsTheWireWhole)
{
  // The pin lies inside a wire but the list is full: the wire is not cut in half, so the
  // far end stays on it, and the junction still connects.
  Circuit c;
  c.port1(100, 100);
  c.port2(320, 100);
  c.add(ComponentType::Resistor, 200, 120, 1, 50.0);
  c.add(ComponentType::Ground, 200, 150);
  c.wire(120, 100, 300, 100);
  while (c.doc.drawdat.wires.count() < kMaxWires) {
    c.wire(2000, 10 * c.doc.drawdat.wires.count(), 2010, 10 * c.doc.drawdat.wires.count());
  }
  ScriptedPrompts prompts;
  const Netlist r = numberDrawing(c.doc, prompts);
  EXPECT_EQ(c.doc.drawdat.wires.count(), kMaxWires);
  EXPECT_EQ(c.doc.drawdat.wires[1].finish, (Point{300, 100}));
  EXPECT_TRUE(r.port1Connected && r.port2Connected);
  EXPECT_EQ(r.port1Node, r.port2Node);
}

} // namespace
} // namespace norvane

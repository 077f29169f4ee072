#include "editor_support.h"

#include "editor/wirejunctions.h"

namespace norvane {
namespace {

TEST_F(EditorTest, WireEndOnAnotherWireSplitsIt)
{
  d.wires.append(Wire{false, false, {0, 0}, {100, 0}});
  wire(50, 50, 50, 0);
  ASSERT_EQ(d.wires.count(), 3);
  EXPECT_TRUE(hasWire({0, 0}, {50, 0}));
  EXPECT_TRUE(hasWire({50, 0}, {100, 0}));
  EXPECT_TRUE(hasWire({50, 50}, {50, 0}));
}

TEST_F(EditorTest, ClickTwiceThenElsewhereDrawsOneWire)
{
  ed.keyPress('W');
  EXPECT_EQ(ed.mode(), emWire);
  EXPECT_EQ(host.cursor, EditorCursor::CrossHair);
  click(100, 100);
  EXPECT_EQ(ed.chainPoint(), (Point{100, 100}));
  click(100, 100);
  EXPECT_EQ(d.wires.count(), 0);
  ed.mouseMove(200, 100);
  ASSERT_TRUE(ed.overlay().rubberLine); // follows the mouse from the chain point
  EXPECT_EQ(ed.overlay().rubberLine->first, (Point{100, 100}));
  click(200, 100);
  ASSERT_EQ(d.wires.count(), 1);
  EXPECT_TRUE(hasWire({100, 100}, {200, 100}));
  EXPECT_FALSE(ed.chainPoint());
  click(200, 200); // starts a new chain, draws nothing
  EXPECT_EQ(d.wires.count(), 1);
}

TEST_F(EditorTest, ChainConnectingWiresDrawsAPolyline)
{
  env.chainshorts = true;
  ed.enterWireMode();
  click(100, 100);
  click(200, 100);
  click(200, 200);
  click(300, 200);
  ASSERT_EQ(d.wires.count(), 3);
  EXPECT_TRUE(hasWire({100, 100}, {200, 100}));
  EXPECT_TRUE(hasWire({200, 100}, {200, 200}));
  EXPECT_TRUE(hasWire({200, 200}, {300, 200}));
  // A right click ends the chain and stays in wire mode.
  ed.mousePress(MouseButton::Right, 300, 200); // while the chain drags: no popup
  EXPECT_TRUE(host.popups.empty());
  ed.mouseRelease(MouseButton::Right, 300, 200);
  EXPECT_FALSE(ed.chainPoint());
  EXPECT_EQ(ed.mode(), emWire);
  // A right press when not dragging returns to select mode.
  rightClick(300, 200);
  EXPECT_EQ(ed.mode(), emSelect);
}

TEST_F(EditorTest, PinOnWireInteriorSplitsTheWire)
{
  d.wires.append(Wire{false, false, {100, 0}, {100, 200}});
  place(ComponentType::Resistor, 200, 100); // pins (200, 80) and (200, 120): not on the wire
  EXPECT_EQ(d.wires.count(), 1);
  place(ComponentType::Resistor, 120, 80); // turned to lie across? no: pins (120, 60), (120, 100)
  EXPECT_EQ(d.wires.count(), 1);
  ed.keyPress(kKeySpace); // orientation 2 for the next one
  ed.mouseMove(120, 100);
  ed.startPlacing(ComponentType::Capacitor);
  click(120, 150); // pins (100, 150) and (140, 150): the left one on the wire
  ASSERT_EQ(d.wires.count(), 2);
  EXPECT_TRUE(hasWire({100, 0}, {100, 150}));
  EXPECT_TRUE(hasWire({100, 150}, {100, 200}));
}

TEST(WireJunctions, DuplicatesAndSelectionRepair)
{
  Drawing d;
  d.wires.append(Wire{false, false, {0, 0}, {10, 0}});
  d.wires.append(Wire{false, true, {10, 0}, {0, 0}}); // same wire reversed
  d.wires.append(Wire{false, true, {0, 0}, {0, 10}});
  d.wires.append(Wire{false, false, {0, 0}, {10, 0}});
  EXPECT_EQ(removeDuplicateWires(d), 2);
  ASSERT_EQ(d.wires.count(), 2);
  EXPECT_TRUE(d.wires[2].startselected); // finish selected: start follows

  // At most one cut per wire; selected wires are never cut.
  Drawing e;
  e.wires.append(Wire{true, false, {0, 0}, {100, 0}});
  e.wires.append(Wire{false, false, {50, 0}, {50, 50}});
  EXPECT_FALSE(splitWiresAtWireEnds(e, 2));
  e.wires[1].startselected = false;
  EXPECT_TRUE(splitWiresAtWireEnds(e, 2));
  EXPECT_EQ(e.wires.count(), 3);
  EXPECT_FALSE(splitWiresAtWireEnds(e, 2)); // already explicit
  // Diagonal wires are never cut.
  Drawing f;
  f.wires.append(Wire{false, false, {0, 0}, {100, 100}});
  EXPECT_FALSE(splitWireAtPin(f, {50, 50}));

  EXPECT_TRUE(appendWireUnlessPresent(f, {1, 1}, {2, 2}));
  EXPECT_FALSE(appendWireUnlessPresent(f, {2, 2}, {1, 1}));
}

TEST_F(EditorTest, SplittingStopsAtTheWireCapacity)
{
  for (int i = 0; i < kMaxWires - 1; ++i)
    d.wires.append(Wire{false, false, {10 * i, 6000}, {10 * i, 6010}});
  d.wires.append(Wire{false, false, {0, 0}, {100, 0}});
  // A new wire would be the 1001st: refused with the message, nothing split.
  ed.enterWireMode();
  drag(50, 50, 50, 0);
  EXPECT_TRUE(prompts.saw("maximum of 1000 shorts"));
  EXPECT_EQ(d.wires.count(), kMaxWires);
  EXPECT_EQ(splitWireAtPin(d, {50, 0}), false); // full: the cut is left to the netlist
}

} // namespace
} // namespace norvane

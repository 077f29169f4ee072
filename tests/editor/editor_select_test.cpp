#include "editor_support.h"

#include "editor/hittest.h"

namespace norvane {
namespace {

// A resistor at (100, 100) with wires on both pins and port 1 feeding it.
class WiredResistor : public EditorTest
{
protected:
  WiredResistor()
  {
    place(ComponentType::Resistor, 100, 100);
    placePort(1, 20, 80);
    wire(40, 80, 100, 80);
    wire(100, 120, 100, 200);
  }
};

TEST_F(WiredResistor, DragStretchesAttachedWiresAndEndsWithNothingSelected)
{
  ed.mouseMove(100, 100);
  ed.mousePress(MouseButton::Left, 100, 100);
  EXPECT_TRUE(d.components[1].selected);
  ed.mouseMove(120, 100);
  EXPECT_TRUE(ed.moving());
  EXPECT_TRUE(ed.overlay().frameSelectedTexts);
  ed.mouseMove(150, 100);
  EXPECT_EQ(d.components[1].position, (Point{150, 100}));
  ed.mouseRelease(MouseButton::Left, 150, 100);

  EXPECT_FALSE(ed.moving());
  EXPECT_FALSE(anythingSelected(d));
  EXPECT_EQ(d.components[1].pins.nodes[1], (Point{150, 80}));
  EXPECT_EQ(d.components[1].pins.nodes[2], (Point{150, 120}));
  ASSERT_EQ(d.wires.count(), 2);
  EXPECT_TRUE(hasWire({40, 80}, {150, 80}));    // stretched, still on the pin
  EXPECT_TRUE(hasWire({150, 120}, {100, 200})); // now diagonal
  EXPECT_EQ(d.P1.pos, (Point{20, 80}));         // not selected, not moved

  // The drag is one undo step.
  ASSERT_TRUE(ed.undo());
  EXPECT_EQ(d.components[1].position, (Point{100, 100}));
  EXPECT_TRUE(hasWire({40, 80}, {100, 80}));
  EXPECT_EQ(d.components[1].pins.nodes[1], (Point{100, 80}));
  ASSERT_TRUE(ed.redo());
  EXPECT_EQ(d.components[1].position, (Point{150, 100}));
}

TEST_F(WiredResistor, DragStretchesWiresEvenAfterASimulationOverwrotePins)
{
  // The circuit check leaves node numbers in the pin tables.
  d.components[1].pins.nodes[1] = {1, -1};
  d.components[1].pins.nodes[2] = {0, -1};
  drag(100, 100, 100, 160);
  EXPECT_TRUE(hasWire({40, 80}, {100, 140}));
  EXPECT_TRUE(hasWire({100, 180}, {100, 200}));
}

TEST_F(WiredResistor, ClickSelectsAndRotateTurns)
{
  click(100, 100);
  EXPECT_TRUE(d.components[1].selected);
  ed.keyPress(kKeySpace);
  EXPECT_EQ(d.components[1].crot, 2);
  EXPECT_EQ(d.components[1].pins.nodes[1], (Point{80, 100}));
  EXPECT_EQ(d.components[1].pins.nodes[2], (Point{120, 100}));
  EXPECT_EQ(ed.orientation(), 2);
  ed.keyPress(kKeySpace);
  EXPECT_EQ(d.components[1].crot, 1);
  ASSERT_TRUE(ed.undo());
  EXPECT_EQ(d.components[1].crot, 2);
  ASSERT_TRUE(ed.undo());
  EXPECT_EQ(d.components[1].crot, 1);
  EXPECT_FALSE(d.components[1].selected); // undo leaves nothing selected

  // A selected port turns too.
  click(20, 80);
  EXPECT_TRUE(d.P1.selected);
  ed.keyPress(kKeySpace);
  EXPECT_EQ(d.P1.crot, 2);
  EXPECT_EQ(d.P1.node, (Point{0, 80}));
}

TEST_F(WiredResistor, ClickOnWireInteriorSelectsTheWholeWire)
{
  click(70, 80);
  EXPECT_TRUE(d.wires[1].startselected);
  EXPECT_TRUE(d.wires[1].finishselected);
  EXPECT_FALSE(d.wires[2].startselected);
  // A click on a start selects that end only; a click on a finish takes the start along
  // (a finish is never dragged without its start).
  click(100, 120);
  EXPECT_TRUE(d.wires[2].startselected);
  EXPECT_FALSE(d.wires[2].finishselected);
  click(100, 200);
  EXPECT_TRUE(d.wires[2].startselected);
  EXPECT_TRUE(d.wires[2].finishselected);
}

TEST_F(WiredResistor, BlockSelectThenDragMovesTheGroup)
{
  d.texts.append(TextItem{{55, 95}, "8", false, "R1"});
  ed.mouseMove(0, 50);
  ed.mousePress(MouseButton::Left, 0, 50); // empty sheet: block select
  EXPECT_EQ(ed.mode(), emBlockSelect);
  ed.mouseMove(110, 130);
  ASSERT_TRUE(ed.overlay().rubberBand);
  EXPECT_EQ(ed.overlay().rubberBand->first, (Point{0, 50}));
  EXPECT_EQ(ed.overlay().rubberBand->second, (Point{110, 130}));
  ed.mouseRelease(MouseButton::Left, 110, 130);
  EXPECT_EQ(ed.mode(), emSelect);
  EXPECT_TRUE(ed.keepSelection());
  EXPECT_TRUE(d.components[1].selected);
  EXPECT_TRUE(d.P1.selected);
  EXPECT_TRUE(d.texts[1].selected);
  EXPECT_TRUE(d.wires[1].startselected && d.wires[1].finishselected);
  EXPECT_TRUE(d.wires[2].startselected);
  EXPECT_FALSE(d.wires[2].finishselected);

  // The next press keeps the selection, so the group can be dragged anywhere.
  drag(300, 300, 320, 340);
  EXPECT_EQ(d.components[1].position, (Point{120, 140}));
  EXPECT_EQ(d.P1.pos, (Point{40, 120}));
  EXPECT_EQ(d.P1.node, (Point{60, 120}));
  EXPECT_EQ(d.texts[1].pos, (Point{75, 135}));
  EXPECT_TRUE(hasWire({60, 120}, {120, 120}));
  EXPECT_TRUE(hasWire({120, 160}, {100, 200}));
  EXPECT_FALSE(ed.keepSelection());
  EXPECT_FALSE(anythingSelected(d));
}

TEST_F(WiredResistor, DeleteSelection)
{
  click(100, 100);
  ed.keyPress(kKeyDelete);
  EXPECT_EQ(d.components.count(), 0);
  EXPECT_EQ(d.wires.count(), 2); // wires are only deleted with a selected end
  click(20, 80);
  ed.keyPress(kKeyDelete);
  EXPECT_EQ(d.P1.pos, kPortNotPlaced);
  EXPECT_FALSE(d.P1.selected);
  ASSERT_TRUE(ed.undo());
  EXPECT_EQ(d.P1.pos, (Point{20, 80}));
  ASSERT_TRUE(ed.undo());
  EXPECT_EQ(d.components.count(), 1);
}

TEST_F(EditorTest, DoubleClickEditsAndSwallowsTheSecondPress)
{
  place(ComponentType::Resistor, 100, 100);
  d.P1.pos = {300, 100};
  d.P1.crot = 1;
  d.texts.append(TextItem{{500, 500}, "8", false, "hello"});
  host.editedComponents.clear();
  host.onEditComponent = [&](int i) { d.components[i].value[1].nom = 220; };

  ed.mousePress(MouseButton::Left, 104, 96);
  ed.mouseRelease(MouseButton::Left, 104, 96);
  ed.doubleClick(104, 96);
  EXPECT_EQ(host.editedComponents, std::vector<int>{1});
  EXPECT_DOUBLE_EQ(d.components[1].value[1].nom, 220);
  ed.mousePress(MouseButton::Left, 104, 96); // the second press of the double click
  ed.mouseRelease(MouseButton::Left, 104, 96);
  EXPECT_EQ(host.editedComponents.size(), 1u);
  ASSERT_TRUE(ed.undo()); // the dialog's change is one undo step
  EXPECT_DOUBLE_EQ(d.components[1].value[1].nom, 50);

  // On the port: its impedance dialog with 2 decimals; 0 becomes 1e-6.
  host.portAnswers.push_back("0");
  ed.doubleClick(300, 100);
  ASSERT_EQ(host.portDialogs.size(), 1u);
  EXPECT_EQ(host.portDialogs[0].first, "Test Port 1 Zo");
  EXPECT_EQ(host.portDialogs[0].second, "50R");
  EXPECT_DOUBLE_EQ(d.P1.Zo, 1e-6);

  // On a text: the "Edit text" dialog with its text and size.
  host.textAnswers.push_back(TextItemEntry{"bye", "10"});
  ed.mousePress(MouseButton::Left, 0, 0); // swallowed
  ed.doubleClick(510, 505);
  ASSERT_EQ(host.textDialogs.size(), 1u);
  EXPECT_EQ(host.textDialogs[0], (TextItemEntry{"hello", "8"}));
  EXPECT_EQ(d.texts[1].text, "bye");
  EXPECT_EQ(d.texts[1].size, "10");
}

TEST_F(EditorTest, PopupMenus)
{
  place(ComponentType::Resistor, 100, 100);
  rightClick(400, 400);
  ASSERT_EQ(host.popups.size(), 1u);
  const PopupMenu& sheet = host.popups[0];
  EXPECT_EQ(sheet.kind, PopupKind::Sheet);
  std::vector<std::string> captions;
  for (const PopupItem& i : sheet.items)
    captions.push_back(i.caption);
  EXPECT_EQ(captions,
            (std::vector<std::string>{"&Paste", "&Cancel", "&Wire", "&Gnd", "&Resistor",
                                      "&Capacitor", "&Inductor", "&TxLine", "Measurement Port "}));
  EXPECT_FALSE(sheet.items[0].enabled); // nothing to paste yet

  host.popupAnswers.push_back(EditorCommand::Copy);
  rightClick(100, 100);
  EXPECT_EQ(host.popups.back().kind, PopupKind::Item);
  EXPECT_EQ(host.popups.back().items.size(), 7u);
  EXPECT_EQ(host.popups.back().items[6].caption, "&Delete");
  EXPECT_EQ(ed.clipboard().components.size(), 1u);

  rightClick(400, 400);
  EXPECT_TRUE(host.popups.back().items[0].enabled);

  // While placing: the drag menu; choosing Orientation turns the outline.
  ed.mouseMove(300, 300);
  ed.startPlacing(ComponentType::Capacitor);
  host.popupAnswers.push_back(EditorCommand::Orientation);
  rightClick(300, 300);
  EXPECT_EQ(host.popups.back().kind, PopupKind::Drag);
  EXPECT_EQ(host.popups.back().items.size(), 2u);
  EXPECT_EQ(ed.orientation(), 2);
  host.popupAnswers.push_back(EditorCommand::Cancel);
  rightClick(300, 300);
  EXPECT_EQ(ed.mode(), emSelect);

  // The sheet menu places parts; a disabled item cannot be chosen.
  host.popupAnswers.push_back(EditorCommand::Inductor);
  rightClick(400, 400);
  EXPECT_EQ(ed.mode(), placingMode(ComponentType::Inductor));
  ed.keyPress(kKeyEscape);
  host.popupAnswers.push_back(EditorCommand::Delete); // not on the sheet menu
  rightClick(400, 400);
  EXPECT_EQ(d.components.count(), 1);

  // Item menu Delete.
  host.popupAnswers.push_back(EditorCommand::Delete);
  rightClick(102, 103);
  EXPECT_EQ(d.components.count(), 0);
}

TEST_F(EditorTest, TuneModeReopensTheDialogUntilCancel)
{
  place(ComponentType::Resistor, 100, 100);
  place(ComponentType::Ground, 100, 130);
  d.P1.pos = {20, 80};
  d.P1.crot = 1;
  ed.setTuneMode(true);
  EXPECT_EQ(ed.mode(), emTune);
  EXPECT_EQ(host.cursor, EditorCursor::Tune);
  EXPECT_EQ(host.simulations, 1);

  host.editedComponents.clear();
  host.componentAnswers = {true, true, false};
  double r = 50;
  host.onEditComponent = [&](int i) { d.components[i].value[1].nom = (r += 10); };
  click(100, 110); // the ground at (100, 130) is out of reach and never edited
  EXPECT_EQ(host.editedComponents, (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(host.simulations, 3);
  EXPECT_EQ(ed.mode(), emTune);
  EXPECT_TRUE(d.components[1].selected);

  host.portAnswers.push_back("75");
  click(20, 80);
  ASSERT_EQ(host.portDialogs.size(), 1u);
  EXPECT_EQ(host.portDialogs[0].first, "Test Port 1 Zo");
  EXPECT_EQ(host.portDialogs[0].second, "50R");
  EXPECT_DOUBLE_EQ(d.P1.Zo, 75);
  EXPECT_EQ(host.simulations, 4);
  host.portAnswers.push_back(std::nullopt);
  click(20, 80);
  EXPECT_DOUBLE_EQ(d.P1.Zo, 75);

  // A click on nothing leaves tune mode and releases the toggle.
  click(600, 600);
  EXPECT_EQ(ed.mode(), emSelect);
  EXPECT_EQ(host.tuneButton, std::optional<bool>(false));

  // Dragging in tune mode turns into a block selection.
  ed.setTuneMode(true);
  ed.mousePress(MouseButton::Left, 0, 0);
  ed.mouseMove(0, 200);
  EXPECT_EQ(ed.mode(), emTune);
  ed.mouseMove(200, 200);
  EXPECT_EQ(ed.mode(), emBlockSelect);
  ed.mouseRelease(MouseButton::Left, 200, 200);
  EXPECT_TRUE(d.components[1].selected);
}

TEST_F(EditorTest, OnlyChangesMarkModifiedAndAPressClearsMarkers)
{
  d.UnconnectedMarkers.append({10, 10});
  ed.mousePress(MouseButton::Left, 500, 500);
  ed.mouseRelease(MouseButton::Left, 500, 500);
  EXPECT_FALSE(ed.modified()) << "a click on the empty sheet changes nothing";
  EXPECT_TRUE(d.UnconnectedMarkers.empty());
  place(ComponentType::Ground, 100, 100);
  ed.setModified(false);
  click(100, 100); // selecting is no change
  click(100, 100);
  EXPECT_FALSE(ed.modified());
  EXPECT_EQ(host.documentChanges, 1); // the placement
  drag(100, 100, 200, 100);           // moving is
  EXPECT_TRUE(ed.modified());
  EXPECT_EQ(host.documentChanges, 2);
  ed.resetForNewDocument();
  EXPECT_FALSE(ed.modified());
  EXPECT_EQ(ed.mode(), emSelect);
  EXPECT_EQ(ed.orientation(), 1);
}

TEST(HitTest, RectanglesAndPorts)
{
  Drawing d;
  Component c;
  c.position = {100, 100};
  d.components.append(c);
  d.P1.pos = {-100, -100}; // not placed: never selected
  d.P2.pos = {150, 150};
  d.lines.append(DrawingLine{1, false, {90, 90}, {300, 300}});
  d.texts.append(TextItem{{95, 95}, "8", false, "x"});
  EXPECT_TRUE(selectInRect(d, {140, 140}, {90, 90})); // corners in any order
  EXPECT_TRUE(d.components[1].selected);
  EXPECT_TRUE(d.P2.selected); // within the rectangle widened by 10
  EXPECT_TRUE(d.lines[1].selected);
  EXPECT_TRUE(d.texts[1].selected);
  deselectAll(d);
  EXPECT_FALSE(anythingSelected(d));
  EXPECT_FALSE(selectInRect(d, {-200, -200}, {-50, -50}));
  EXPECT_FALSE(d.P1.selected);
  EXPECT_FALSE(selectInRect(d, {101, 101}, {120, 120}));
  EXPECT_TRUE(selectAtPoint(d, {110, 90}, {})); // within 10 of the component
  EXPECT_TRUE(d.components[1].selected);
}

} // namespace
} // namespace norvane

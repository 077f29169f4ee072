#include "editor_support.h"

namespace norvane {
namespace {

TEST_F(EditorTest, StartsInSelectModeUnmodified)
{
  EXPECT_EQ(ed.mode(), emSelect);
  EXPECT_EQ(ed.orientation(), 1);
  EXPECT_FALSE(ed.chainPoint());
  EXPECT_FALSE(ed.modified());
  EXPECT_FALSE(ed.canUndo());
}

TEST_F(EditorTest, ResistorWiredToPortAndGround)
{
  const int r = place(ComponentType::Resistor, 102, 98); // snapped to (100, 100)
  ASSERT_EQ(r, 1);
  const Component& res = d.components[1];
  EXPECT_EQ(res.ctype, ComponentType::Resistor);
  EXPECT_EQ(res.position, (Point{100, 100}));
  EXPECT_EQ(res.crot, 1);
  EXPECT_DOUBLE_EQ(res.value[1].nom, 50); // from the template
  EXPECT_EQ(res.pins.nodes[1], (Point{100, 80}));
  EXPECT_EQ(res.pins.nodes[2], (Point{100, 120}));
  EXPECT_EQ(host.editedComponents, std::vector<int>{1});
  EXPECT_EQ(ed.mode(), emSelect);
  EXPECT_FALSE(res.selected);

  placePort(1, 20, 80);
  EXPECT_EQ(d.P1.pos, (Point{20, 80}));
  EXPECT_EQ(d.P1.crot, 1);
  EXPECT_EQ(d.P1.node, (Point{40, 80}));
  EXPECT_EQ(ed.mode(), emSelect);

  wire(40, 80, 100, 80);
  ASSERT_EQ(d.wires.count(), 1);
  EXPECT_TRUE(hasWire({40, 80}, {100, 80}));

  // The ground's pin lands on the resistor's lower pin: no dialog, and a zero-length wire
  // records the junction.
  place(ComponentType::Ground, 100, 130);
  ASSERT_EQ(d.components.count(), 2);
  EXPECT_EQ(d.components[2].pins.nodes[1], (Point{100, 120}));
  EXPECT_EQ(host.editedComponents.size(), 1u);
  ASSERT_EQ(d.wires.count(), 2);
  EXPECT_TRUE(hasWire({100, 120}, {100, 120}));
  EXPECT_TRUE(ed.modified());
}

TEST_F(EditorTest, CancelledDialogRemovesTheNewComponent)
{
  host.defaultComponentAnswer = false;
  place(ComponentType::Capacitor, 100, 100);
  EXPECT_EQ(d.components.count(), 0);
  EXPECT_FALSE(ed.canUndo()); // nothing changed, nothing to undo
  EXPECT_EQ(ed.mode(), emSelect);
}

TEST_F(EditorTest, PlacingOnAnotherComponentIsIgnored)
{
  place(ComponentType::Resistor, 100, 100);
  ed.startPlacing(ComponentType::Inductor);
  click(100, 100);
  EXPECT_EQ(d.components.count(), 1);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(ed.mode(), placingMode(ComponentType::Inductor)); // still placing
}

TEST_F(EditorTest, OutlineStartsOffSheetNearTheEdge)
{
  ed.mouseMove(5, 300);
  ed.keyPress('R');
  EXPECT_EQ(ed.mode(), placingMode(ComponentType::Resistor));
  ASSERT_TRUE(ed.overlay().outline);
  EXPECT_EQ(ed.overlay().outline->at, kNoPoint);
  ed.mouseMove(203, 296);
  ASSERT_TRUE(ed.overlay().outline);
  EXPECT_EQ(ed.overlay().outline->at, (Point{200, 300}));
  EXPECT_EQ(ed.overlay().outline->kind, kindCode(ComponentType::Resistor));

  // Space while placing flips the outline and the next component's orientation.
  ed.keyPress(kKeySpace);
  EXPECT_EQ(ed.orientation(), 2);
  EXPECT_EQ(ed.overlay().outline->crot, 2);
  click(200, 300);
  EXPECT_EQ(d.components[1].crot, 2);
  EXPECT_EQ(d.components[1].pins.nodes[1], (Point{180, 300}));
  EXPECT_FALSE(ed.overlay().outline);
}

TEST_F(EditorTest, RememberLastComponentKeepsPlacing)
{
  env.rememberlastcomp = true;
  place(ComponentType::Resistor, 100, 100);
  EXPECT_EQ(ed.mode(), placingMode(ComponentType::Resistor));
  ASSERT_TRUE(ed.overlay().outline);
  EXPECT_EQ(ed.overlay().outline->at, kNoPoint); // restarted off-sheet
  click(200, 100);
  EXPECT_EQ(d.components.count(), 2);
}

TEST_F(EditorTest, PortOutlineAppearsAtFirstMovement)
{
  ed.keyPress('2');
  EXPECT_EQ(ed.mode(), emPort2);
  ed.mousePress(MouseButton::Left, 300, 100);
  EXPECT_FALSE(ed.overlay().outline);
  ed.mouseMove(310, 100);
  ASSERT_TRUE(ed.overlay().outline);
  EXPECT_EQ(ed.overlay().outline->kind, ckPort2);
  ed.mouseRelease(MouseButton::Left, 310, 100);
  EXPECT_EQ(d.P2.pos, (Point{310, 100}));
  EXPECT_EQ(d.P2.node, (Point{290, 100}));

  // Placing it again moves it.
  placePort(2, 400, 200);
  EXPECT_EQ(d.P2.pos, (Point{400, 200}));

  // "Measurement Port ": port 1 while it is not placed, then port 2.
  ed.enterNextPortMode();
  EXPECT_EQ(ed.mode(), emPort1);
  click(100, 100);
  ed.enterNextPortMode();
  EXPECT_EQ(ed.mode(), emPort2);
}

TEST_F(EditorTest, ToolbarDragPlacesOnlyOnTheSheet)
{
  ed.beginToolbarDrag(ComponentType::Inductor);
  EXPECT_EQ(ed.overlay().outline->at, kNoPoint);
  ed.mouseMove(-20, 50);
  ed.toolbarRelease(-20, 50);
  EXPECT_EQ(d.components.count(), 0);
  ed.mouseMove(150, 150);
  ed.toolbarRelease(150, 150);
  ASSERT_EQ(d.components.count(), 1);
  EXPECT_EQ(d.components[1].ctype, ComponentType::Inductor);
}

TEST_F(EditorTest, DataBlocksGetSuccessiveDataSets)
{
  place(ComponentType::SParam2, 100, 100);
  place(ComponentType::SParam2, 200, 100);
  place(ComponentType::SParam1, 300, 100);
  EXPECT_DOUBLE_EQ(d.components[1].value[1].nom, 1);
  EXPECT_DOUBLE_EQ(d.components[2].value[1].nom, 2);
  EXPECT_DOUBLE_EQ(d.components[3].value[1].nom, 1);
}

TEST_F(EditorTest, CapacityMessages)
{
  Component filler;
  filler.ctype = ComponentType::Resistor;
  filler.crot = 1;
  for (int i = 0; i < kMaxComponents; ++i) {
    filler.position = {10 * i, 5000};
    d.components.append(filler);
  }
  place(ComponentType::Resistor, 100, 100);
  EXPECT_TRUE(prompts.saw("maximum of 1000 components"));
  EXPECT_EQ(prompts.messages.back().kind, ScriptedPrompts::Kind::Error);
  EXPECT_EQ(d.components.count(), kMaxComponents);

  for (int i = 0; i < kMaxWires; ++i)
    d.wires.append(Wire{false, false, {10 * i, 6000}, {10 * i, 6010}});
  ed.enterWireMode();
  drag(100, 100, 200, 100);
  EXPECT_TRUE(prompts.saw("maximum of 1000 shorts"));
  EXPECT_EQ(d.wires.count(), kMaxWires);

  for (int i = 0; i < kMaxLines; ++i)
    d.lines.append(DrawingLine{1, false, {0, 0}, {10, 10}});
  ed.enterLineMode();
  drag(100, 100, 200, 200);
  EXPECT_TRUE(prompts.saw("maximum of 500 lines"));
  EXPECT_EQ(d.lines.count(), kMaxLines);
  EXPECT_EQ(ed.mode(), emSelect);

  for (int i = 0; i < kMaxTexts; ++i)
    d.texts.append(TextItem{{0, 0}, "8", false, "t"});
  ed.enterTextMode();
  click(100, 100);
  EXPECT_TRUE(prompts.saw("Maximum number of text items reached"));
  EXPECT_EQ(prompts.messages.back().kind, ScriptedPrompts::Kind::Information);
  EXPECT_TRUE(host.textDialogs.empty());
  EXPECT_EQ(d.texts.count(), kMaxTexts);
}

TEST_F(EditorTest, TextsKeepTheirUnsnappedPointAndFieldLimits)
{
  ed.enterTextMode();
  EXPECT_EQ(host.cursor, EditorCursor::Text);
  host.textAnswers.push_back(TextItemEntry{std::string(80, 'x'), "123"});
  click(123, 127);
  ASSERT_EQ(host.textDialogs.size(), 1u);
  EXPECT_EQ(host.textDialogs[0], (TextItemEntry{"", "8"}));
  ASSERT_EQ(d.texts.count(), 1);
  EXPECT_EQ(d.texts[1].pos, (Point{123, 127}));
  EXPECT_EQ(d.texts[1].text.size(), 64u);
  EXPECT_EQ(d.texts[1].size, "12");
  EXPECT_EQ(ed.mode(), emSelect);

  // Cancelled dialog: nothing added.
  ed.enterTextMode();
  click(300, 300);
  EXPECT_EQ(d.texts.count(), 1);
}

TEST_F(EditorTest, LinesFromPressToRelease)
{
  ed.enterLineMode();
  ed.mousePress(MouseButton::Left, 100, 100);
  ed.mouseMove(150, 160);
  ASSERT_TRUE(ed.overlay().rubberLine);
  EXPECT_EQ(ed.overlay().rubberLine->first, (Point{100, 100}));
  EXPECT_EQ(ed.overlay().rubberLine->second, (Point{150, 160}));
  ed.mouseRelease(MouseButton::Left, 151, 162);
  ASSERT_EQ(d.lines.count(), 1);
  EXPECT_EQ(d.lines[1].shapetype, 1);
  EXPECT_EQ(d.lines[1].start, (Point{100, 100}));
  EXPECT_EQ(d.lines[1].finish, (Point{150, 160}));
  EXPECT_EQ(ed.mode(), emSelect);
  EXPECT_FALSE(ed.overlay().rubberLine);
}

} // namespace
} // namespace norvane

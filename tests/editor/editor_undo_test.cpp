#include "editor_support.h"

#include "editor/undohistory.h"

namespace norvane {
namespace {

TEST_F(EditorTest, EveryKindOfChangeUndoesAndRedoes)
{
  struct Step
  {
    const char* what;
    std::function<void()> act;
  };
  const std::vector<Step> steps = {
      {"place", [&] { place(ComponentType::Resistor, 100, 100); }},
      {"wire", [&] { wire(100, 120, 100, 200); }},
      {"move", [&] { drag(100, 100, 200, 100); }},
      {"rotate",
       [&] {
         click(200, 100);
         ed.toggleOrientation();
       }},
      {"port", [&] { placePort(1, 20, 80); }},
      {"line",
       [&] {
         ed.enterLineMode();
         drag(300, 300, 400, 300);
       }},
      {"text",
       [&] {
         host.textAnswers.push_back(TextItemEntry{"note", "8"});
         ed.enterTextMode();
         click(305, 305);
       }},
      {"paste",
       [&] {
         click(200, 100);
         ed.duplicate();
       }},
      {"delete",
       [&] {
         click(200, 100);
         ed.deleteSelection();
       }},
      {"dialog",
       [&] {
         host.onEditComponent = [&](int i) { d.components[i].value[1].nom = 1000; };
         ed.doubleClick(220, 120);
         ed.mousePress(MouseButton::Left, 220, 120);
         ed.mouseRelease(MouseButton::Left, 220, 120);
         host.onEditComponent = nullptr;
       }},
      {"port Zo",
       [&] {
         host.portAnswers.push_back("100");
         ed.doubleClick(20, 80);
       }},
  };
  std::vector<Drawing> states{d};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    s.act();
    ed.enterSelectMode();
    EXPECT_TRUE(ed.canUndo());
    EXPECT_FALSE(ed.canRedo());
    EXPECT_NE(d, states.back()) << "the step changed nothing";
    states.push_back(d);
  }
  // Back through every step, then forward again; selection flags are not part of the
  // comparison (undo leaves nothing selected).
  auto same = [](Drawing a, Drawing b) {
    for (Drawing* x : {&a, &b}) {
      for (auto& c : x->components)
        c.selected = false;
      for (auto& w : x->wires)
        w.startselected = w.finishselected = false;
      for (auto& t : x->texts)
        t.selected = false;
      for (auto& l : x->lines)
        l.selected = false;
      x->P1.selected = x->P2.selected = false;
    }
    return a.P1 == b.P1 && a.P2 == b.P2 && a.components == b.components && a.wires == b.wires &&
           a.texts == b.texts && a.lines == b.lines;
  };
  for (std::size_t i = steps.size(); i > 0; --i) {
    SCOPED_TRACE(steps[i - 1].what);
    ASSERT_TRUE(ed.undo());
    EXPECT_TRUE(same(d, states[i - 1]));
  }
  EXPECT_FALSE(ed.undo());
  for (std::size_t i = 1; i <= steps.size(); ++i) {
    SCOPED_TRACE(steps[i - 1].what);
    ASSERT_TRUE(ed.redo());
    EXPECT_TRUE(same(d, states[i]));
  }
  EXPECT_FALSE(ed.redo());
  EXPECT_TRUE(ed.keyPress('Z', true));
  EXPECT_TRUE(ed.keyPress('Y', true));
}

TEST_F(EditorTest, ANewChangeDropsTheRedoSteps)
{
  place(ComponentType::Resistor, 100, 100);
  ASSERT_TRUE(ed.undo());
  EXPECT_TRUE(ed.canRedo());
  place(ComponentType::Capacitor, 200, 100);
  EXPECT_FALSE(ed.canRedo());
}

TEST_F(EditorTest, ClicksAndCancelledDialogsLeaveNoUndoStep)
{
  place(ComponentType::Resistor, 100, 100);
  ASSERT_TRUE(ed.undo());
  ASSERT_TRUE(ed.redo());
  click(100, 100);
  click(500, 500);
  host.defaultComponentAnswer = false;
  ed.doubleClick(100, 100);
  ASSERT_TRUE(ed.undo());
  EXPECT_EQ(d.components.count(), 0);
  EXPECT_FALSE(ed.canUndo());
}

TEST_F(EditorTest, NewDocumentClearsTheHistory)
{
  place(ComponentType::Resistor, 100, 100);
  ed.resetForNewDocument();
  EXPECT_FALSE(ed.canUndo());
  EXPECT_FALSE(ed.canRedo());
}

TEST_F(EditorTest, ChangesMadeOutsideTheEditor)
{
  // The automatic matcher edits the drawing in place after recording an undo point.
  ed.recordUndoPoint();
  d.wires.append(Wire{false, false, {0, 0}, {10, 0}});
  ASSERT_TRUE(ed.undo());
  EXPECT_EQ(d.wires.count(), 0);
  ed.clearUndoHistory();
  EXPECT_FALSE(ed.canUndo());
  EXPECT_FALSE(ed.canRedo());
}

TEST(UndoHistory, IsBounded)
{
  Schematic doc;
  UndoHistory h(5);
  for (int i = 0; i < 8; ++i) {
    h.push(captureSnapshot(doc));
    doc.drawdat.wires.append(Wire{false, false, {i, 0}, {i, 10}});
  }
  EXPECT_EQ(h.undoCount(), 5u);
  while (h.undo(doc)) {
  }
  EXPECT_EQ(doc.drawdat.wires.count(), 3); // the three oldest steps are gone
  EXPECT_EQ(h.redoCount(), 5u);
}

TEST(UndoHistory, SnapshotsCopyOnlyEmptyAndListedDataSets)
{
  Schematic doc;
  doc.datasets.twoPort[4].points.append(TwoPortPoint{});
  doc.datasets.onePort[7].points.append(OnePortPoint{});
  const DrawingSnapshot s = captureSnapshot(doc, {}, {7});
  EXPECT_EQ(s.twoPortSets.size(), 49u); // set 4 holds data and was not listed
  EXPECT_EQ(s.onePortSets.size(), 50u);
  doc.drawdat.UnconnectedMarkers.append({1, 1});
  EXPECT_TRUE(snapshotMatches(doc, s)); // markers are not part of the drawing state
  doc.datasets.onePort[7].points.clear();
  EXPECT_FALSE(snapshotMatches(doc, s));
  restoreSnapshot(doc, s);
  EXPECT_EQ(doc.datasets.onePort[7].numpoints(), 1);
  EXPECT_TRUE(doc.drawdat.UnconnectedMarkers.empty());
}

TEST_F(EditorTest, UndoInTuneModeKeepsTuningAndSimulates)
{
  const int r = place(ComponentType::Resistor, 100, 100);
  ed.setTuneMode(true);
  const int runs = host.simulations;
  host.componentAnswers = {false};
  click(100, 100); // chooses the resistor, its dialog cancelled
  ASSERT_EQ(ed.tunedComponent(), r);
  const double before = d.components[r].value[1].nom;
  ASSERT_TRUE(ed.stepTunedValue(1));
  ASSERT_NE(d.components[r].value[1].nom, before);

  host.tuneButton.reset();
  ASSERT_TRUE(ed.undo());
  EXPECT_EQ(d.components[r].value[1].nom, before);
  EXPECT_EQ(ed.mode(), emTune);
  EXPECT_FALSE(host.tuneButton.has_value()) << "the Tune button stays down";
  EXPECT_EQ(ed.tunedComponent(), r) << "the same component is tuned on";
  EXPECT_EQ(host.simulations, runs + 2) << "the step and the undo each simulate";
  ASSERT_TRUE(ed.redo());
  EXPECT_EQ(ed.mode(), emTune);
  EXPECT_EQ(host.simulations, runs + 3);

  // Outside tune mode an undo does not simulate; the host hears the drawing changed.
  ed.enterSelectMode();
  const int changes = host.documentChanges;
  ASSERT_TRUE(ed.undo());
  EXPECT_EQ(ed.mode(), emSelect);
  EXPECT_EQ(host.simulations, runs + 3);
  EXPECT_EQ(host.documentChanges, changes + 1);
}

TEST_F(EditorTest, SelectAllSelectsEverythingForTheNextDrag)
{
  place(ComponentType::Ground, 100, 100);
  wire(200, 200, 300, 200);
  placePort(1, 50, 50);
  ed.selectAll();
  EXPECT_TRUE(d.components[1].selected);
  EXPECT_TRUE(d.wires[1].startselected && d.wires[1].finishselected);
  EXPECT_TRUE(d.P1.selected);
  EXPECT_FALSE(d.P2.selected); // not placed
  drag(400, 400, 420, 410);
  EXPECT_EQ(d.components[1].position, (Point{120, 110}));
  EXPECT_EQ(d.P1.pos, (Point{70, 60}));
}

} // namespace
} // namespace norvane

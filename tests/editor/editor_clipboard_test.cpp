#include "editor_support.h"

#include "editor/clipboard.h"
#include "editor/hittest.h"

namespace norvane {
namespace {

TEST_F(EditorTest, CopyThenPasteTwiceGivesTwoCopiesAtTheSameOffset)
{
  place(ComponentType::Resistor, 100, 100);
  wire(100, 120, 100, 200);
  d.texts.append(TextItem{{130, 95}, "8", false, "R1"});
  d.lines.append(DrawingLine{1, false, {0, 0}, {50, 50}});
  ed.mousePress(MouseButton::Left, -10, -10); // nothing there: block select
  ed.mouseRelease(MouseButton::Left, 200, 210);
  ed.keyPress('C', true);
  EXPECT_EQ(ed.clipboard().components.size(), 1u);
  EXPECT_EQ(ed.clipboard().wires.size(), 1u);
  EXPECT_EQ(ed.clipboard().texts.size(), 1u);
  EXPECT_EQ(ed.clipboard().lines.size(), 1u);

  ed.keyPress('V', true);
  ASSERT_EQ(d.components.count(), 2);
  EXPECT_EQ(d.components[2].position, (Point{120, 120}));
  EXPECT_TRUE(d.components[2].selected);
  EXPECT_FALSE(d.components[1].selected);
  EXPECT_EQ(d.components[2].pins.nodes[1], (Point{120, 100}));
  EXPECT_TRUE(hasWire({120, 140}, {120, 220}));
  EXPECT_TRUE(d.wires[2].startselected && d.wires[2].finishselected);
  EXPECT_EQ(d.texts[2].pos, (Point{150, 115}));
  EXPECT_EQ(d.lines[2].finish, (Point{70, 70}));
  EXPECT_TRUE(ed.keepSelection());
  EXPECT_EQ(ed.mode(), emSelect);

  ed.keyPress('V', true);
  ASSERT_EQ(d.components.count(), 3);
  EXPECT_EQ(d.components[3].position, (Point{120, 120}));
  EXPECT_FALSE(d.components[2].selected);
  EXPECT_EQ(d.texts.count(), 3);

  // The pasted group is dragged by the next press.
  drag(500, 500, 540, 500);
  EXPECT_EQ(d.components[3].position, (Point{160, 120}));
  EXPECT_EQ(d.components[2].position, (Point{120, 120}));
}

TEST_F(EditorTest, DuplicateAndCut)
{
  place(ComponentType::Capacitor, 100, 100);
  click(100, 100);
  ed.keyPress('D', true);
  ASSERT_EQ(d.components.count(), 2);
  EXPECT_EQ(d.components[2].position, (Point{120, 120}));
  EXPECT_EQ(d.components[2].ctype, ComponentType::Capacitor);

  click(100, 100);
  ed.keyPress('X', true);
  ASSERT_EQ(d.components.count(), 1);
  EXPECT_EQ(d.components[1].position, (Point{120, 120}));
  EXPECT_FALSE(ed.keepSelection());
  ed.paste();
  ASSERT_EQ(d.components.count(), 2);
  EXPECT_EQ(d.components[2].position, (Point{120, 120}));
}

TEST_F(EditorTest, CopyReplacesEveryCategory)
{
  // Copying only a component must not leave wires of an earlier copy in the clipboard, even
  // when the drawing has no wires left.
  place(ComponentType::Resistor, 100, 100);
  wire(100, 120, 100, 200);
  ed.mousePress(MouseButton::Left, 0, 0);
  ed.mouseRelease(MouseButton::Left, 300, 300);
  ed.copySelection();
  EXPECT_EQ(ed.clipboard().wires.size(), 1u);
  d.wires.clear();
  click(100, 100);
  ed.copySelection();
  EXPECT_TRUE(ed.clipboard().wires.empty());
  EXPECT_EQ(ed.clipboard().components.size(), 1u);
}

class DataBlockTest : public EditorTest
{
protected:
  // A 2-port block at (100, 100) whose dialog loaded a file into its data set.
  DataBlockTest()
  {
    host.onEditComponent = [this](int i) {
      const int n = static_cast<int>(d.components[i].value[1].nom);
      if (d.components[i].ctype != ComponentType::SParam2) return;
      doc.datasets.twoPort[n].name = "amp" + std::to_string(n) + ".s2p";
      doc.datasets.twoPort[n].points.append(point2(1e9));
      doc.datasets.twoPort[n].points.append(point2(2e9));
    };
    place(ComponentType::SParam2, 100, 100);
    host.onEditComponent = nullptr;
  }
  TwoPortDataSet& set(int n) { return doc.datasets.twoPort[n]; }
};

TEST_F(DataBlockTest, DeletingABlockFreesItsDataSetAndUndoBringsItBack)
{
  ASSERT_EQ(set(1).numpoints(), 2);
  click(100, 100);
  ed.keyPress(kKeyDelete);
  EXPECT_EQ(d.components.count(), 0);
  EXPECT_EQ(set(1).numpoints(), 0);

  ASSERT_TRUE(ed.undo());
  ASSERT_EQ(d.components.count(), 1);
  EXPECT_EQ(set(1).numpoints(), 2);
  EXPECT_EQ(set(1).name, "amp1.s2p");
  ASSERT_TRUE(ed.redo());
  EXPECT_EQ(d.components.count(), 0);
  EXPECT_EQ(set(1).numpoints(), 0);

  // The freed set is reused by the next paste of another block.
  ASSERT_TRUE(ed.undo());
  click(100, 100);
  ed.copySelection();
  ed.keyPress(kKeyDelete);
  ed.paste();
  ASSERT_EQ(d.components.count(), 1);
  EXPECT_DOUBLE_EQ(d.components[1].value[1].nom, 1);
  EXPECT_EQ(set(1).numpoints(), 2); // the copy kept in the clipboard
}

TEST_F(DataBlockTest, EachPastedBlockGetsItsOwnDataSet)
{
  click(100, 100);
  ed.copySelection();
  ed.paste();
  ed.paste();
  ASSERT_EQ(d.components.count(), 3);
  EXPECT_DOUBLE_EQ(d.components[2].value[1].nom, 2);
  EXPECT_DOUBLE_EQ(d.components[3].value[1].nom, 3);
  EXPECT_EQ(set(2).numpoints(), 2);
  EXPECT_EQ(set(3).name, "amp1.s2p");
  EXPECT_EQ(set(3).index, 3);

  // Undoing the second paste empties its set again; the first stays.
  ASSERT_TRUE(ed.undo());
  EXPECT_EQ(d.components.count(), 2);
  EXPECT_EQ(set(3).numpoints(), 0);
  EXPECT_EQ(set(2).numpoints(), 2);
  ASSERT_TRUE(ed.redo());
  EXPECT_EQ(set(3).numpoints(), 2);
}

TEST_F(DataBlockTest, PasteWithoutAFreeSetKeepsTheIndex)
{
  for (int n = 2; n <= kMaxDataSets; ++n)
    set(n).points.append(point2(1e6));
  click(100, 100);
  ed.duplicate();
  ASSERT_EQ(d.components.count(), 2);
  EXPECT_DOUBLE_EQ(d.components[2].value[1].nom, 1);

  // Two blocks now share set 1: deleting one must not take the other's data.
  click(100, 100);
  ed.deleteSelection();
  EXPECT_EQ(d.components.count(), 1);
  EXPECT_EQ(set(1).numpoints(), 2);
}

TEST(Clipboard, PasteRespectsCapacities)
{
  Schematic doc;
  Environment env;
  clearSchematic(doc, env);
  EditorClipboard clip;
  clip.lines.assign(3, DrawingLine{1, false, {0, 0}, {10, 10}});
  for (int i = 0; i < kMaxLines - 1; ++i)
    doc.drawdat.lines.append(DrawingLine{});
  EXPECT_EQ(pasteClipboard(doc, clip), 1);
  EXPECT_EQ(doc.drawdat.lines.count(), kMaxLines);
}

} // namespace
} // namespace norvane

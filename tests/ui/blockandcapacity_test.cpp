// Editing on the real main window, the cases the other editing tests leave out: pasting twice
// gives two copies at (+20, +20); deleting a 2-port block frees its data set and Undo
// brings both back; a drag and a wire are undone and redone; and a full drawing answers a
// placement with its capacity message.
#include "mainwindow_support.h"

#include "document/placement.h"

#include <QAction>

#include <gtest/gtest.h>

namespace norvane::test {
namespace {

const Component* componentAt(const Drawing& d, Point at)
{
  for (const Component& c : d.components) {
    if (c.position == at) {
      return &c;
    }
  }
  return nullptr;
}

TEST_F(MainWindowTest, PastingTwiceGivesTwoCopiesAtTheSameOffset)
{
  key(Qt::Key_C);
  click(200, 200);
  click(200, 200);
  key(Qt::Key_C, Qt::ControlModifier);
  key(Qt::Key_V, Qt::ControlModifier);
  key(Qt::Key_V, Qt::ControlModifier);
  // The clipboard keeps its items: each paste puts a copy at (+20, +20) from the original.
  ASSERT_EQ(drawing().components.count(), 3);
  EXPECT_EQ(drawing().components[2].position, (Point{220, 220}));
  EXPECT_EQ(drawing().components[3].position, (Point{220, 220}));
  // Each paste is one step of the history.
  window->action(Command::Undo)->trigger();
  EXPECT_EQ(drawing().components.count(), 2);
  window->action(Command::Redo)->trigger();
  EXPECT_EQ(drawing().components.count(), 3);
}

TEST_F(MainWindowTest, DeletingATwoPortBlockFreesItsDataSet)
{
  key(Qt::Key_S);
  click(300, 300);
  ASSERT_EQ(drawing().components.count(), 1);
  const Component& block = drawing().components[1];
  ASSERT_EQ(block.ctype, ComponentType::SParam2);
  const int set = static_cast<int>(block.value[1].nom);
  ASSERT_GE(set, 1);
  // The data a loaded file would have given it.
  TwoPortDataSet& data = doc->datasets.twoPort[set];
  data.name = "amp.s2p";
  TwoPortPoint point;
  point.freq = 1e9;
  point.s21 = {2.0, 45.0};
  data.points.append(point);
  ASSERT_TRUE(data.inUse());

  click(300, 300);
  ASSERT_TRUE(drawing().components[1].selected);
  key(Qt::Key_Delete);
  EXPECT_EQ(drawing().components.count(), 0);
  EXPECT_FALSE(doc->datasets.twoPort[set].inUse());

  key(Qt::Key_Z, Qt::ControlModifier);
  ASSERT_EQ(drawing().components.count(), 1);
  ASSERT_TRUE(doc->datasets.twoPort[set].inUse());
  EXPECT_EQ(doc->datasets.twoPort[set].points[1].s21.mag, 2.0);
  key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(drawing().components.count(), 0);
  EXPECT_FALSE(doc->datasets.twoPort[set].inUse());
}

TEST_F(MainWindowTest, DragAndWireAreUndoneAndRedone)
{
  key(Qt::Key_R);
  click(200, 200);
  key(Qt::Key_W);
  drag(200, 220, 200, 300);
  key(Qt::Key_Escape);
  ASSERT_EQ(drawing().wires.count(), 1);
  drag(200, 200, 400, 200);
  ASSERT_NE(componentAt(drawing(), {400, 200}), nullptr);
  EXPECT_EQ(drawing().wires[1].start, (Point{400, 220})); // stretched with it

  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_NE(componentAt(drawing(), {200, 200}), nullptr);
  EXPECT_EQ(drawing().wires[1].start, (Point{200, 220}));
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(drawing().wires.count(), 0);
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(drawing().components.count(), 0);
  for (int i = 0; i < 3; ++i) {
    key(Qt::Key_Y, Qt::ControlModifier);
  }
  EXPECT_NE(componentAt(drawing(), {400, 200}), nullptr);
  EXPECT_EQ(drawing().wires.count(), 1);
}

TEST_F(MainWindowTest, AFullDrawingRefusesAnotherComponentWithItsMessage)
{
  for (int i = 0; i < kMaxComponents; ++i) {
    const Point at{500 + 10 * (i % 100), 500 + 10 * (i / 100)};
    ASSERT_TRUE(placeComponent(*doc, ComponentType::Resistor, 1, at).placed()) << i;
  }
  key(Qt::Key_R);
  click(200, 200);
  EXPECT_TRUE(prompts.saw("maximum of 1000 components"));
  EXPECT_EQ(drawing().components.count(), kMaxComponents);
  EXPECT_EQ(componentAt(drawing(), {200, 200}), nullptr);
}

} // namespace
} // namespace norvane::test

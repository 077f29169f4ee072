// Editing on the real window: keys and mouse events go through Qt to the core editor, and
// the document shows the result. The editor's own rules are tested in the core; these tests
// check that the window delivers the events and commands faithfully.
#include "mainwindow_support.h"

#include <QAction>

#include <gtest/gtest.h>

namespace norvane::test {
namespace {

class EditingTest : public MainWindowTest
{
protected:
  const Component* componentAt(int x, int y) const
  {
    for (const Component& c : drawing().components) {
      if (c.position == Point{x, y}) {
        return &c;
      }
    }
    return nullptr;
  }

  // Presses a component toolbar button, drags across the sheet through `via` and lets go
  // at `to` (drawing units). The button holds the mouse all the while, as Qt arranges it.
  void dragFromToolbar(Command command, QPoint via, QPoint to)
  {
    QToolButton* button = window->toolButton(command);
    ASSERT_NE(button, nullptr);
    const QPoint onButton = button->rect().center();
    QMouseEvent pressEvent(QEvent::MouseButtonPress, onButton, button->mapToGlobal(onButton),
                           Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &pressEvent);
    for (const QPoint units : {via, to}) {
      const QPoint global = area()->mapToGlobal(pixel(units.x(), units.y()));
      QMouseEvent moveEvent(QEvent::MouseMove, button->mapFromGlobal(global), global, Qt::NoButton,
                            Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(button, &moveEvent);
    }
    const QPoint global = area()->mapToGlobal(pixel(to.x(), to.y()));
    QMouseEvent releaseEvent(QEvent::MouseButtonRelease, button->mapFromGlobal(global), global,
                             Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &releaseEvent);
  }

  bool hasWire(Point a, Point b) const
  {
    for (const Wire& w : drawing().wires) {
      if ((w.start == a && w.finish == b) || (w.start == b && w.finish == a)) {
        return true;
      }
    }
    return false;
  }
};

TEST_F(EditingTest, ResistorPlacedWithTheKeyAndAClick)
{
  key(Qt::Key_R);
  EXPECT_EQ(window->action(Command::Resistor)->shortcut(), QKeySequence("R"));
  moveTo(203, 198); // snapped to the grid
  click(203, 198);
  ASSERT_EQ(drawing().components.count(), 1);
  const Component& r = drawing().components[1];
  EXPECT_EQ(r.ctype, ComponentType::Resistor);
  EXPECT_EQ(r.crot, 1);
  EXPECT_EQ(r.position, (Point{200, 200}));
  EXPECT_TRUE(window->isModified());
  // Back in select mode: a further click places nothing.
  click(400, 400);
  EXPECT_EQ(drawing().components.count(), 1);
}

TEST_F(EditingTest, CircuitWiredToPortAndGround)
{
  drawResistorToGround();
  ASSERT_NE(componentAt(200, 200), nullptr);
  ASSERT_NE(componentAt(200, 260), nullptr);
  EXPECT_EQ(componentAt(200, 260)->ctype, ComponentType::Ground);
  EXPECT_EQ(drawing().P1.pos, (Point{100, 180}));
  EXPECT_EQ(drawing().P2.pos, kPortNotPlaced);
  EXPECT_TRUE(hasWire({120, 180}, {200, 180}));
  EXPECT_TRUE(hasWire({200, 220}, {200, 250}));
  EXPECT_EQ(drawing().wires.count(), 2);
}

TEST_F(EditingTest, DraggingAComponentStretchesItsWires)
{
  drawResistorToGround();
  drag(200, 200, 300, 200);
  ASSERT_NE(componentAt(300, 200), nullptr);
  EXPECT_EQ(componentAt(200, 200), nullptr);
  EXPECT_TRUE(hasWire({120, 180}, {300, 180}));
  EXPECT_TRUE(hasWire({300, 220}, {200, 250}));
  for (const Component& c : drawing().components) {
    EXPECT_FALSE(c.selected);
  }
}

TEST_F(EditingTest, RotateCopyPasteDeleteUndoRedo)
{
  drawResistorToGround();
  click(200, 200);
  ASSERT_TRUE(componentAt(200, 200)->selected);
  key(Qt::Key_Space);
  EXPECT_EQ(componentAt(200, 200)->crot, 2);

  key(Qt::Key_C, Qt::ControlModifier);
  key(Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(drawing().components.count(), 3);
  const Component* copy = componentAt(220, 220);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->ctype, ComponentType::Resistor);
  EXPECT_EQ(copy->crot, 2);
  EXPECT_TRUE(copy->selected);

  key(Qt::Key_Delete);
  EXPECT_EQ(drawing().components.count(), 2);
  EXPECT_EQ(componentAt(220, 220), nullptr);

  EXPECT_TRUE(window->action(Command::Undo)->isEnabled());
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(drawing().components.count(), 3);
  EXPECT_NE(componentAt(220, 220), nullptr);
  EXPECT_TRUE(window->action(Command::Redo)->isEnabled());
  key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(drawing().components.count(), 2);
  // Undo through the menu items as well: the paste, then the turn.
  window->action(Command::Undo)->trigger();
  window->action(Command::Undo)->trigger();
  EXPECT_EQ(drawing().components.count(), 2);
  window->action(Command::Undo)->trigger();
  EXPECT_EQ(componentAt(200, 200)->crot, 1);
}

TEST_F(EditingTest, CutAndDuplicateFromTheMenu)
{
  drawResistorToGround();
  click(200, 200);
  window->action(Command::Duplicate)->trigger();
  EXPECT_EQ(drawing().components.count(), 3);
  EXPECT_NE(componentAt(220, 220), nullptr);
  window->action(Command::Cut)->trigger();
  EXPECT_EQ(drawing().components.count(), 2);
  window->action(Command::Paste)->trigger();
  EXPECT_EQ(drawing().components.count(), 3);
}

TEST_F(EditingTest, ToolbarButtonDraggedOntoTheSheet)
{
  dragFromToolbar(Command::Capacitor, {150, 150}, {300, 300});
  const Component* c = componentAt(300, 300);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->ctype, ComponentType::Capacitor);

  // The port button places port 1 while it is off the sheet, then port 2.
  dragFromToolbar(Command::PortButton, {400, 150}, {500, 200});
  EXPECT_EQ(drawing().P1.pos, (Point{500, 200}));
  dragFromToolbar(Command::PortButton, {700, 150}, {800, 200});
  EXPECT_EQ(drawing().P2.pos, (Point{800, 200}));
  EXPECT_EQ(drawing().P1.pos, (Point{500, 200}));
}

TEST_F(EditingTest, AddedKindsArePlacedFromTheirCommands)
{
  const std::pair<Command, ComponentType> kinds[] = {
      {Command::Mutual, ComponentType::Mutual}, {Command::Bipolar, ComponentType::Bipolar}, {Command::VCVS, ComponentType::VCVS},
      {Command::VCCS, ComponentType::VCCS},     {Command::CCVS, ComponentType::CCVS},       {Command::CCCS, ComponentType::CCCS}};
  int x = 100;
  for (const auto& [command, kind] : kinds) {
    window->action(command)->trigger();
    click(x, 300);
    const Component* c = componentAt(x, 300);
    ASSERT_NE(c, nullptr) << kindCode(kind);
    EXPECT_EQ(c->ctype, kind);
    x += 100;
  }
}

TEST_F(EditingTest, DoubleClickAsksForTheComponentDialog)
{
  drawResistorToGround();
  dialogsShown.clear();
  doubleClick(200, 200);
  EXPECT_EQ(dialogsShown, QStringList{"Edit Resistor"});
  EXPECT_EQ(drawing().components.count(), 2); // nothing placed or lost
}

TEST_F(EditingTest, TextPlacedThroughItsDialog)
{
  window->editorConnection().setTextEntryHook([](const TextItemEntry& initial) {
    EXPECT_EQ(initial.size, "8");
    return std::optional<TextItemEntry>(TextItemEntry{"Lowpass 1\xB5H", "12"});
  });
  window->action(Command::DrawText)->trigger();
  click(403, 507);
  ASSERT_EQ(drawing().texts.count(), 1);
  EXPECT_EQ(drawing().texts[1].text, "Lowpass 1\xB5H");
  EXPECT_EQ(drawing().texts[1].size, "12");
  EXPECT_EQ(drawing().texts[1].pos, (Point{403, 507})); // texts are not snapped
}

TEST_F(EditingTest, PopupMenuChoicesReachTheEditor)
{
  std::vector<std::string> offered;
  window->setPopupChooser([&](const std::vector<std::string>& items) {
    offered = items;
    for (size_t i = 0; i < items.size(); ++i) {
      if (items[i] == "&Resistor") {
        return static_cast<int>(i);
      }
    }
    return -1;
  });
  press(500, 500, Qt::RightButton);
  release(500, 500, Qt::RightButton);
  ASSERT_FALSE(offered.empty());
  EXPECT_EQ(offered.front(), "&Paste");
  click(500, 500);
  const Component* c = componentAt(500, 500);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->ctype, ComponentType::Resistor);
}

} // namespace
} // namespace norvane::test

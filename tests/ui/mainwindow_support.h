#pragma once
// A main window on real widgets for the tests: its own document, environment record and
// scripted prompts (so no modal box ever waits), and helpers that drive the drawing area
// with genuine Qt mouse and key events in drawing units.

#include "editorconnection.h"
#include "mainwindow.h"

#include "config/environment.h"
#include "document/schematic.h"
#include "support/scriptedprompts.h"
#include "support/testfolder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace norvane::test {

// A window's caption without the "[*]" placeholder, where the platform shows whether the
// document is modified.
inline QString captionText(const QWidget& window)
{
  return QString(window.windowTitle()).remove("[*]");
}

class MainWindowTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    doc = std::make_unique<Schematic>();
    window = std::make_unique<MainWindow>(*doc, env, prompts);
    // Property, port and text dialogs are confirmed as they open, unchanged, and recorded.
    window->editorConnection().componentDialogs().setModalRunner([this](QDialog& dialog) {
      dialogsShown << dialog.windowTitle();
      return static_cast<int>(QDialog::Accepted);
    });
    window->resize(1000, 760);
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }

  void TearDown() override
  {
    // Nothing must ask anything when the test's window goes away.
    window->setModified(false);
    window.reset();
  }

  QWidget* area() const { return window->view()->viewport(); }

  QPoint pixel(int x, int y) const { return window->view()->toViewport(QPoint(x, y)); }

  void mouse(QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons held)
  {
    const QPointF local = pixel(x, y);
    QMouseEvent event(type, local, area()->mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(area(), &event);
  }
  void press(int x, int y, Qt::MouseButton b = Qt::LeftButton)
  {
    mouse(QEvent::MouseButtonPress, x, y, b, b);
  }
  void moveTo(int x, int y, Qt::MouseButtons held = Qt::NoButton)
  {
    mouse(QEvent::MouseMove, x, y, Qt::NoButton, held);
  }
  void release(int x, int y, Qt::MouseButton b = Qt::LeftButton)
  {
    mouse(QEvent::MouseButtonRelease, x, y, b, Qt::NoButton);
  }
  void click(int x, int y, Qt::MouseButton b = Qt::LeftButton)
  {
    moveTo(x, y);
    press(x, y, b);
    release(x, y, b);
  }
  void drag(int x0, int y0, int x1, int y1)
  {
    moveTo(x0, y0);
    press(x0, y0);
    // Intermediate steps as a real mouse would produce them.
    moveTo((x0 + x1) / 2, (y0 + y1) / 2, Qt::LeftButton);
    moveTo(x1, y1, Qt::LeftButton);
    release(x1, y1);
  }
  // Port 1 into a resistor to ground, drawn with keys and the mouse: a resistor at (200, 200)
  // (pins at (200, 180) and (200, 220)), port 1 at (100, 180) whose terminal is at (120, 180),
  // a ground at (200, 260) (pin at (200, 250)), and wires from the port to the resistor and
  // from the resistor to the ground.
  void drawResistorToGround()
  {
    key(Qt::Key_R);
    click(200, 200);
    key(Qt::Key_1);
    click(100, 180);
    key(Qt::Key_G);
    click(200, 260);
    key(Qt::Key_W);
    drag(120, 180, 200, 180);
    drag(200, 220, 200, 250);
    key(Qt::Key_Escape);
  }
  void doubleClick(int x, int y)
  {
    click(x, y);
    mouse(QEvent::MouseButtonDblClick, x, y, Qt::LeftButton, Qt::LeftButton);
    release(x, y);
  }
  // A key as the user types it into the window (shortcuts included).
  void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier)
  {
    QTest::keyClick(window.get(), k, mods);
  }

  const Drawing& drawing() const { return doc->drawdat; }
  // A file in the test's own folder.
  std::string tempPath(const std::string& name) const { return scratch.file(name); }

  // First, so that it goes last, after the window and anything the window still writes.
  norvane::testing::TestFolder scratch{"main_window"};
  std::unique_ptr<Schematic> doc;
  Environment env;
  ScriptedPrompts prompts;
  std::unique_ptr<MainWindow> window;
  QStringList dialogsShown; // captions of the property dialogs opened
};

} // namespace norvane::test

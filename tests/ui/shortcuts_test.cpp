// The standard desktop shortcuts of the main window, typed as real keys: each runs the
// command of its menu item, and none of them disturbs the drawing's own keys.
#include "mainwindow_support.h"

#include "graph/graphwindow.h"

#include <QAction>

#include <gtest/gtest.h>

#include <filesystem>

namespace norvane::test {
namespace {

using ShortcutsTest = MainWindowTest;

TEST_F(ShortcutsTest, FileKeysAndF5RunTheirCommands)
{
  drawResistorToGround();
  doc->Xax.numpoints = 10;

  // F5 simulates.
  ASSERT_FALSE(window->graphWindow()->lastResult().ran);
  key(Qt::Key_F5);
  EXPECT_TRUE(window->graphWindow()->lastResult().ran) << prompts.lastText();

  // Ctrl+S on an unnamed document asks for a name (Save As) and writes the file.
  const std::string path = tempPath("keys.cct");
  prompts.fileNames.push_back(path);
  key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(window->currentFileName(), path);
  EXPECT_FALSE(window->isModified());
  EXPECT_EQ(drawing().components.count(), 2); // "S" alone would have started an S block

  // Ctrl+Shift+S always asks; cancelling keeps the name.
  prompts.fileNames.push_back(std::nullopt);
  const auto asked = prompts.fileNames.size();
  key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(prompts.fileNames.size(), asked - 1);
  EXPECT_EQ(window->currentFileName(), path);

  // Ctrl+N on a modified document asks "Save Changes to: ", then empties the sheet.
  key(Qt::Key_G);
  click(600, 600);
  ASSERT_TRUE(window->isModified());
  prompts.answers.push_back(Answer::No);
  key(Qt::Key_N, Qt::ControlModifier);
  EXPECT_TRUE(prompts.saw("Save Changes to: " + path));
  EXPECT_EQ(drawing().components.count(), 0);

  // Ctrl+O opens the file chosen in its dialog.
  prompts.fileNames.push_back(path);
  key(Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(drawing().components.count(), 2);
  EXPECT_EQ(window->currentFileName(), path);

  // Ctrl+P and Ctrl+Q are the Print and Exit items' keys.
  EXPECT_EQ(window->action(Command::Print)->shortcut(), QKeySequence("Ctrl+P"));
  EXPECT_EQ(window->action(Command::Exit)->shortcut(), QKeySequence("Ctrl+Q"));
  window->setModified(false);
  key(Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(window->isVisible());
}

} // namespace
} // namespace norvane::test

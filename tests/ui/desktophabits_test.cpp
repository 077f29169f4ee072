// Habits of desktop programs on the main window: Edit > Select All (Ctrl+A), the File menu's
// recent files, the tune step kept between runs, the graph window's caption following Save
// As, and the right button in wire mode (ends a chain; without one, leaves wire mode).
#include "mainwindow_support.h"

#include "graph/graphwindow.h"
#include "tunerbar.h"

#include "config/configfile.h"
#include "editor/hittest.h"

#include <QAction>
#include <QComboBox>

#include <gtest/gtest.h>

namespace norvane::test {
namespace {

using DesktopHabitsTest = MainWindowTest;

TEST_F(DesktopHabitsTest, SelectAllTakesEverythingAlongInTheNextDrag)
{
  drawResistorToGround();
  EXPECT_EQ(window->action(Command::SelectAll)->shortcut(), QKeySequence("Ctrl+A"));
  key(Qt::Key_A, Qt::ControlModifier);
  const Drawing& d = drawing();
  for (const Component& c : d.components)
    EXPECT_TRUE(c.selected);
  for (const Wire& w : d.wires)
    EXPECT_TRUE(w.startselected && w.finishselected);
  EXPECT_TRUE(d.P1.selected);
  drag(600, 600, 650, 620);
  EXPECT_EQ(d.components[1].position, (Point{250, 220}));
  EXPECT_EQ(d.P1.pos, (Point{150, 200}));
  EXPECT_FALSE(anythingSelected(d));
}

TEST_F(DesktopHabitsTest, RecentFilesAreOfferedAndKept)
{
  drawResistorToGround();
  const std::string first = tempPath("first.cct");
  const std::string second = tempPath("second.cct");
  for (const std::string& path : {first, second}) {
    prompts.fileNames.push_back(path);
    ASSERT_TRUE(window->fileSaveAs());
  }
  QAction* newest = window->action(Command::RecentFile1);
  QAction* older = window->action(Command::RecentFile2);
  EXPECT_TRUE(newest->isVisible());
  EXPECT_EQ(newest->text(), "&1 " + QString::fromStdString(second));
  EXPECT_EQ(older->text(), "&2 " + QString::fromStdString(first));
  EXPECT_FALSE(window->action(Command::RecentFile3)->isVisible());

  ASSERT_TRUE(window->fileNew());
  older->trigger();
  EXPECT_EQ(window->currentFileName(), first);
  EXPECT_EQ(drawing().components.count(), 2);
  EXPECT_EQ(newest->text(), "&1 " + QString::fromStdString(first));

  // They go into the configuration, after its usual keys.
  const std::string text = configFileText(env);
  EXPECT_NE(text.find("recentfile1= " + first + "\r\nrecentfile2= " + second + "\r\n"),
            std::string::npos);

  // A file gone since is reported and no longer offered.
  std::filesystem::remove(second);
  window->action(Command::RecentFile2)->trigger();
  EXPECT_EQ(window->currentFileName(), first);
  EXPECT_TRUE(prompts.saw("File not found: " + second));
  EXPECT_FALSE(window->action(Command::RecentFile2)->isVisible());
}

TEST_F(DesktopHabitsTest, TheTuneStepIsRemembered)
{
  QComboBox* steps = window->tunerBar()->stepList();
  steps->setCurrentIndex(steps->findData(static_cast<int>(TuneStep::Percent5)));
  EXPECT_EQ(env.tunestep, "5%");
  EXPECT_EQ(window->editorConnection().editor().tuneStep(), TuneStep::Percent5);

  // The next run starts with the step its configuration names.
  StartupOptions options;
  options.configPath = tempPath("Norvane.cfg");
  Environment stored;
  stored.autoopen = false;
  stored.tunestep = "E24";
  ASSERT_TRUE(writeConfig(stored, options.configPath).ok);
  window->startUp(options);
  EXPECT_EQ(window->tunerBar()->step(), TuneStep::E24);
  EXPECT_EQ(window->editorConnection().editor().tuneStep(), TuneStep::E24);
}

TEST_F(DesktopHabitsTest, TheGraphCaptionFollowsSaveAs)
{
  drawResistorToGround();
  doc->Xax.numpoints = 10;
  key(Qt::Key_F5);
  GraphWindow* graph = window->graphWindow();
  ASSERT_TRUE(graph->isVisible());
  EXPECT_EQ(graph->windowTitle(), "Norvane - unnamed.cct");
  const std::string path = tempPath("named.cct");
  prompts.fileNames.push_back(path);
  ASSERT_TRUE(window->fileSaveAs());
  EXPECT_EQ(graph->windowTitle(), QString::fromStdString("Norvane - " + path));
}

TEST_F(DesktopHabitsTest, RightClickInWireModeEndsTheChainThenLeavesTheMode)
{
  SchematicEditor& editor = window->editorConnection().editor();
  key(Qt::Key_W);
  click(300, 300); // a chain starts here
  ASSERT_TRUE(editor.chainPoint().has_value());
  click(400, 300, Qt::RightButton);
  EXPECT_FALSE(editor.chainPoint().has_value());
  EXPECT_EQ(editor.mode(), emWire) << "the chain ends, wire mode goes on";
  EXPECT_EQ(drawing().wires.count(), 0);
  click(400, 300, Qt::RightButton);
  EXPECT_EQ(editor.mode(), emSelect) << "with no chain the right button leaves wire mode";
}

} // namespace
} // namespace norvane::test

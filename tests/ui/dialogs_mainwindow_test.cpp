// The main window's menus open the preference windows, and their changes reach the sheet.
#include "dialogs/preferencewindows.h"
#include "mainwindow_support.h"

#include <QAction>
#include <QCheckBox>
#include <gtest/gtest.h>

namespace norvane::test {
namespace {

TEST_F(MainWindowTest, PreferenceWindowsOpenFromTheOptionsMenu)
{
  window->action(Command::SchematicPreferences)->trigger();
  SchematicPreferencesWindow* schematic = window->schematicPreferences();
  ASSERT_NE(schematic, nullptr);
  EXPECT_TRUE(schematic->isVisible());
  EXPECT_EQ(schematic->windowTitle(), "Schematic Editor Preferences");
  schematic->showGridBox()->click();
  EXPECT_FALSE(env.gridon);

  // A black paper colour becomes the drawing area's background.
  schematic->setColourChooser([](int, QWidget*) { return std::optional<int>(0); });
  QTest::mouseClick(schematic->swatch(&Environment::papercolor), Qt::LeftButton);
  EXPECT_EQ(env.papercolor, 0);
  EXPECT_EQ(window->view()->paperColor(), QColor(Qt::black));

  window->action(Command::GraphPreferences)->trigger();
  GraphPreferencesWindow* graph = window->graphPreferences();
  ASSERT_NE(graph, nullptr);
  EXPECT_TRUE(graph->isVisible());
  EXPECT_EQ(graph->windowTitle(), "Graph Output Preferences");
  EXPECT_TRUE(prompts.messages.empty());
}

} // namespace
} // namespace norvane::test

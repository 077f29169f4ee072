// A colour chosen in the schematic preferences shows in the very next paint of the sheet,
// is written to Norvane.cfg when the main window closes, and is back, on screen and in the
// preferences window, when the program starts again with that file.
#include "mainwindow_support.h"

#include "common/qtcanvas.h"
#include "dialogs/preferencewindows.h"

#include "config/configfile.h"

#include <QAction>
#include <QImage>

#include <gtest/gtest.h>

namespace norvane::test {
namespace {

constexpr Color kMagenta = makeColor(255, 0, 255);
constexpr Color kPaper = makeColor(255, 255, 200);

// Pixels of exactly this colour in what the drawing area paints now.
int pixelsOf(MainWindow& window, QColor colour)
{
  const QImage image =
      window.view()->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      count += image.pixelColor(x, y) == colour ? 1 : 0;
    }
  }
  return count;
}

TEST_F(MainWindowTest, PreferenceColoursShowAtOnceAndSurviveARestart)
{
  StartupOptions options;
  options.configPath = tempPath("Norvane.cfg");
  options.currentDir = scratch.path().string();
  window->startUp(options);
  // A first start shows the help beside the window; the user comes back to the drawing.
  QApplication::setActiveWindow(window.get());
  key(Qt::Key_R);
  click(200, 200);
  key(Qt::Key_Escape);
  click(700, 600); // nothing selected: the body is drawn in the normal colour
  ASSERT_EQ(drawing().components.count(), 1);
  const std::string file = tempPath("one resistor.cct");
  prompts.fileNames.push_back(file);
  ASSERT_TRUE(window->fileSaveAs());
  ASSERT_EQ(pixelsOf(*window, toQColor(kMagenta)), 0);

  window->action(Command::SchematicPreferences)->trigger();
  SchematicPreferencesWindow* prefs = window->schematicPreferences();
  std::vector<Color> answers{kMagenta, kPaper};
  prefs->setColourChooser([&answers](int, QWidget*) {
    const Color next = answers.front();
    answers.erase(answers.begin());
    return std::optional<int>(next);
  });
  QTest::mouseClick(prefs->swatch(&Environment::compcolor), Qt::LeftButton);
  QTest::mouseClick(prefs->swatch(&Environment::papercolor), Qt::LeftButton);
  EXPECT_EQ(env.compcolor, kMagenta);
  // The next paint draws the resistor's body in the new colour on the new paper.
  EXPECT_GT(pixelsOf(*window, toQColor(kMagenta)), 10);
  EXPECT_GT(pixelsOf(*window, toQColor(kPaper)), 1000);

  ASSERT_TRUE(window->close());
  Environment written;
  ASSERT_TRUE(readConfig(written, options.configPath).ok);
  EXPECT_EQ(written.compcolor, kMagenta);
  EXPECT_EQ(written.papercolor, kPaper);

  // The next start reads the file, opens the last circuit and paints it the same way.
  Schematic doc2;
  Environment env2;
  ScriptedPrompts prompts2;
  MainWindow again(doc2, env2, prompts2);
  again.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
  again.startUp(options);
  EXPECT_EQ(env2.compcolor, kMagenta);
  EXPECT_EQ(again.currentFileName(), file);
  ASSERT_EQ(doc2.drawdat.components.count(), 1);
  EXPECT_GT(pixelsOf(again, toQColor(kMagenta)), 10);
  EXPECT_GT(pixelsOf(again, toQColor(kPaper)), 1000);
  again.action(Command::SchematicPreferences)->trigger();
  EXPECT_EQ(again.schematicPreferences()->swatch(&Environment::compcolor)->colour(), kMagenta);
  EXPECT_TRUE(prompts2.messages.empty()) << prompts2.lastText();
  again.setModified(false);
}

} // namespace
} // namespace norvane::test

// Where the windows open: laid out for the screen on a first start, stored placements fitted
// to the screen (the test screen is 1920 x 1200, see main.cpp).
#include "mainwindow_support.h"

#include "graph/graphwindow.h"
#include "helpwindow.h"
#include "windowlayout.h"

#include "config/configfile.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

namespace norvane::test {
namespace {

class WindowPlacementTest : public MainWindowTest
{
protected:
  QRect screenArea() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
  StartupOptions withConfig(const Environment& stored)
  {
    StartupOptions options;
    options.configPath = tempPath("Norvane.cfg");
    EXPECT_TRUE(writeConfig(stored, options.configPath).ok);
    return options;
  }
};

TEST_F(WindowPlacementTest, FirstStartPutsSchematicAndGraphSideBySide)
{
  ASSERT_EQ(screenArea().size(), QSize(1920, 1200));
  StartupOptions options;
  options.configPath = tempPath("Norvane.cfg"); // none yet: a first start
  window->startUp(options);
  GraphWindow* graph = window->graphWindow();
  graph->show();
  QApplication::processEvents();

  const QRect main = window->frameGeometry();
  const QRect results = graph->frameGeometry();
  const QRect help = window->helpWindow()->frameGeometry();
  // Together they fill the screen's width, the schematic on the left, neither hiding the other.
  EXPECT_TRUE(screenArea().contains(main)) << main.x() << "," << main.width();
  EXPECT_TRUE(screenArea().contains(results)) << results.x() << "," << results.width();
  EXPECT_FALSE(main.intersects(results));
  EXPECT_LT(main.left(), results.left());
  EXPECT_GE(main.width() + results.width(), screenArea().width() - 20);
  EXPECT_GE(main.height(), screenArea().height() * 2 / 3);
  EXPECT_GE(results.height(), screenArea().height() * 2 / 3);
  EXPECT_GE(window->width(), 900);
  EXPECT_GE(graph->width(), graph->smallestTidySize().width());
  // The help is on the screen too, and covers neither the schematic nor the results.
  EXPECT_TRUE(window->helpWindow()->isVisible());
  EXPECT_TRUE(screenArea().contains(help)) << help.y() << "," << help.height();
  EXPECT_FALSE(help.intersects(main));
  EXPECT_FALSE(help.intersects(results)) << help.y() << " " << results.bottom();
  EXPECT_GE(help.height(), 220);
  // Each frame is where it was put: its title bar is on the screen.
  EXPECT_EQ(main.topLeft(), screenArea().topLeft());
  EXPECT_EQ(results.top(), screenArea().top());
}

TEST_F(WindowPlacementTest, LowScreenStillKeepsTheHelpOffTheSchematic)
{
  // A 1024 x 600 netbook screen has no room below the windows: the help shares the place
  // of the results, which appear only with a simulation.
  const FirstStartLayout low = firstStartLayout(QRect(0, 0, 1024, 600), QSize(400, 300));
  EXPECT_FALSE(low.help.intersects(low.main));
  EXPECT_TRUE(QRect(0, 0, 1024, 600).contains(low.help));
  // A common laptop screen has the room.
  const QRect laptop(0, 24, 1366, 744);
  const FirstStartLayout l = firstStartLayout(laptop, QSize(400, 300));
  for (const QRect& r : {l.main, l.graph, l.help})
    EXPECT_TRUE(laptop.contains(r));
  EXPECT_FALSE(l.help.intersects(l.main));
  EXPECT_FALSE(l.help.intersects(l.graph));
  EXPECT_GE(l.main.height(), 480);
}

TEST_F(WindowPlacementTest, StoredPositionFromALargerMonitorComesOntoThisScreen)
{
  // Saved on a 2560 x 1440 monitor at its lower right (lower than the window may be: it
  // cannot be shorter than its tool bars), and a title bar pushed above the top.
  Environment stored;
  stored.autoopen = false;
  stored.schemawinpos = {1900, 1000, 600, 400};
  stored.graphwinpos = {300, -20, 700, 500};
  window->startUp(withConfig(stored));
  GraphWindow* graph = window->graphWindow();
  graph->show();
  QApplication::processEvents();
  const QRect main = window->frameGeometry();
  EXPECT_TRUE(screenArea().contains(main))
      << main.x() << "," << main.y() << " " << main.width() << "x" << main.height() << " client "
      << window->geometry().x() << "," << window->geometry().y() << " "
      << window->geometry().width() << "x" << window->geometry().height() << " state "
      << int(window->windowState());
  EXPECT_TRUE(screenArea().contains(graph->frameGeometry()));
  EXPECT_EQ(graph->frameGeometry().top(), screenArea().top());
  EXPECT_EQ(graph->frameGeometry().left(), 300);
}

TEST_F(WindowPlacementTest, StoredPlacementsLargerThanTheScreenAreShrunkToFit)
{
  Environment stored;
  stored.autoopen = false;
  stored.schemawinpos = {0, 0, 99999999, 99999999};
  stored.graphwinpos = {-2000000000, 2000000000, 99999999, 300};
  window->startUp(withConfig(stored));
  QApplication::processEvents();
  EXPECT_TRUE(screenArea().contains(window->frameGeometry()));
  EXPECT_LE(window->width(), 1920);
  EXPECT_LE(window->height(), 1200);
  // It paints: the picture of the window is there and of the window's size.
  const QImage picture = window->grab().toImage();
  EXPECT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), window->size());

  // The graph window likewise, from far off the screen, keeping the height that fits.
  GraphWindow* graph = window->graphWindow();
  graph->show();
  QApplication::processEvents();
  EXPECT_TRUE(screenArea().contains(graph->frameGeometry()));
  EXPECT_EQ(graph->height(), 300);
  EXPECT_FALSE(graph->grab().toImage().isNull());
}

} // namespace
} // namespace norvane::test

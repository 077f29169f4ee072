// The two preference windows change the environment record at once and tell the schematic
// and graph windows what to redraw; the colour chooser's answer is injected.
#include "config/environment.h"
#include "dialogs/preferencewindows.h"
#include "dialogs/realedit.h"
#include "dialogs_support.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>

namespace norvane {
namespace {

constexpr int kGreen = 0x00FF00;
constexpr int kBlack = 0;

// A chooser that records the colour it was preset to and answers from a script.
struct FakeChooser
{
  std::optional<int> answer;
  std::optional<int> presetTo;

  ColourChooser function()
  {
    return [this](int current, QWidget*) {
      presetTo = current;
      return answer;
    };
  }
};

TEST(SchematicPrefsWindow, CheckBoxesAreStoredAtOnce)
{
  Environment env;
  SchematicPreferencesWindow window(env);
  EXPECT_EQ(window.windowTitle(), "Schematic Editor Preferences");
  QSignalSpy tile(&window, &SchematicPreferencesWindow::gridTileChanged);
  QSignalSpy repaint(&window, &SchematicPreferencesWindow::schematicChanged);
  window.show();
  EXPECT_TRUE(window.autoOpenBox()->isChecked());
  EXPECT_TRUE(window.showGridBox()->isChecked());
  EXPECT_FALSE(window.chainBox()->isChecked());

  // Showing the grid off and on rebuilds the tile both times.
  window.showGridBox()->click();
  EXPECT_FALSE(env.gridon);
  window.showGridBox()->click();
  EXPECT_TRUE(env.gridon);
  EXPECT_EQ(tile.count(), 2);
  EXPECT_EQ(repaint.count(), 2);

  window.autoOpenBox()->click();
  window.rememberBox()->click();
  window.chainBox()->click();
  EXPECT_FALSE(env.autoopen);
  EXPECT_TRUE(env.rememberlastcomp);
  EXPECT_TRUE(env.chainshorts);
  EXPECT_EQ(window.autoOpenBox()->text(), "Auto Open last file");

  // Showing again reads the record, without counting as a change.
  window.hide();
  env.chainshorts = false;
  env.gridon = false;
  window.show();
  EXPECT_FALSE(window.chainBox()->isChecked());
  EXPECT_FALSE(window.showGridBox()->isChecked());
  EXPECT_EQ(tile.count(), 2);
}

TEST(SchematicPrefsWindow, ColourSwatches)
{
  Environment env;
  SchematicPreferencesWindow window(env);
  FakeChooser chooser;
  window.setColourChooser(chooser.function());
  QSignalSpy tile(&window, &SchematicPreferencesWindow::gridTileChanged);
  QSignalSpy paper(&window, &SchematicPreferencesWindow::paperColourChanged);
  QSignalSpy repaint(&window, &SchematicPreferencesWindow::schematicChanged);
  ASSERT_TRUE(showActive(window));

  // Every colour field of the schematic has its swatch, preset from the record.
  const ColourField fields[] = {
      &Environment::compcolor,
      &Environment::wirecolor,
      &Environment::portcolor,
      &Environment::papercolor,
      &Environment::comptextcolor,
      &Environment::gndcolor,
      &Environment::griddotscolor,
      &Environment::selectedcompcolor,
      &Environment::selectedwirecolor,
      &Environment::selectedportcolor,
      &Environment::selectedcomptextcolor,
      &Environment::selectedgndcolor,
      &Environment::printercompcolor,
      &Environment::printerwirecolor,
      &Environment::printerportcolor,
      &Environment::printerpapercolor,
      &Environment::printercomptextcolor,
      &Environment::printergndcolor,
  };
  for (ColourField field : fields) {
    ColourSwatch* swatch = window.swatch(field);
    ASSERT_NE(swatch, nullptr);
    EXPECT_EQ(swatch->colour(), env.*field);
  }
  EXPECT_EQ(window.swatch(&Environment::trace1color), nullptr);

  // A cancelled chooser changes nothing.
  QTest::mouseClick(window.swatch(&Environment::wirecolor), Qt::LeftButton);
  EXPECT_EQ(chooser.presetTo, env.wirecolor);
  EXPECT_EQ(env.wirecolor, colours::kBlack);
  EXPECT_EQ(repaint.count(), 0);

  // Any mouse button opens it; the colour reaches record and swatch.
  chooser.answer = kGreen;
  QTest::mouseClick(window.swatch(&Environment::selectedwirecolor), Qt::RightButton);
  EXPECT_EQ(env.selectedwirecolor, kGreen);
  EXPECT_EQ(window.swatch(&Environment::selectedwirecolor)->colour(), kGreen);
  EXPECT_EQ(repaint.count(), 1);
  EXPECT_EQ(tile.count(), 0);

  // Black paper with grey dots: background changed and the tile rebuilt twice.
  chooser.answer = kBlack;
  QTest::mouseClick(window.swatch(&Environment::papercolor), Qt::LeftButton);
  chooser.answer = colours::kGrey;
  QTest::mouseClick(window.swatch(&Environment::griddotscolor), Qt::LeftButton);
  EXPECT_EQ(env.papercolor, kBlack);
  EXPECT_EQ(env.griddotscolor, colours::kGrey);
  ASSERT_EQ(paper.count(), 1);
  EXPECT_EQ(paper.at(0).at(0).toInt(), kBlack);
  EXPECT_EQ(tile.count(), 2);

  chooser.answer = kGreen;
  QTest::mouseClick(window.swatch(&Environment::printerpapercolor), Qt::LeftButton);
  EXPECT_EQ(env.printerpapercolor, kGreen);
  EXPECT_EQ(paper.count(), 1); // the printer's paper is not the screen's
}

TEST(GraphPrefsWindow, ColoursAndTheirEffects)
{
  Environment env;
  GraphPreferencesWindow window(env);
  EXPECT_EQ(window.windowTitle(), "Graph Output Preferences");
  FakeChooser chooser;
  window.setColourChooser(chooser.function());
  QSignalSpy graph(&window, &GraphPreferencesWindow::graphChanged);
  QSignalSpy background(&window, &GraphPreferencesWindow::graphBackgroundChanged);
  QSignalSpy trace(&window, &GraphPreferencesWindow::traceColourChanged);
  ASSERT_TRUE(showActive(window));

  chooser.answer = kGreen;
  QTest::mouseClick(window.swatch(&Environment::trace2color), Qt::LeftButton);
  EXPECT_EQ(env.trace2color, kGreen);
  ASSERT_EQ(trace.count(), 1);
  EXPECT_EQ(trace.at(0).at(0).toInt(), 2);
  EXPECT_EQ(trace.at(0).at(1).toInt(), kGreen);
  EXPECT_EQ(graph.count(), 1);

  QTest::mouseClick(window.swatch(&Environment::graphbackgroundcolor), Qt::LeftButton);
  EXPECT_EQ(env.graphbackgroundcolor, kGreen);
  ASSERT_EQ(background.count(), 1);
  EXPECT_EQ(graph.count(), 2);

  // Printer colours are stored but show only when printing.
  QTest::mouseClick(window.swatch(&Environment::printerminoraxiscolor), Qt::LeftButton);
  EXPECT_EQ(env.printerminoraxiscolor, kGreen);
  EXPECT_EQ(graph.count(), 2);

  // The printing background shows the printer paper and cannot be changed here.
  chooser.presetTo.reset();
  EXPECT_EQ(window.printerBackgroundSwatch()->colour(), env.printerpapercolor);
  QTest::mouseClick(window.printerBackgroundSwatch(), Qt::LeftButton);
  EXPECT_FALSE(chooser.presetTo.has_value());
  EXPECT_EQ(env.printerpapercolor, colours::kWhite);
}

TEST(GraphPrefsWindow, DefaultValuesStoredOnClose)
{
  Environment env;
  GraphPreferencesWindow window(env);
  ASSERT_TRUE(showActive(window));
  EXPECT_EQ(window.dBLowEdit()->text(), "-50dB");
  EXPECT_EQ(window.dBHighEdit()->text(), "50dB");
  EXPECT_EQ(window.freqLowEdit()->text(), "1kHz");
  EXPECT_EQ(window.freqHighEdit()->text(), "10GHz");
  EXPECT_EQ(window.pointsEdit()->text(), "100");

  const auto retype = [](QLineEdit* field, const char* text) {
    field->selectAll();
    QTest::keyClicks(field, text);
  };
  retype(window.pointsEdit(), "250");
  retype(window.dBLowEdit(), "-80");
  retype(window.freqLowEdit(), "100k");
  retype(window.freqHighEdit(), "3G");
  EXPECT_EQ(env.numpoints, 100); // not while the user is still typing

  // Turning to another window keeps what was typed: it is stored, and shown again when the
  // window comes back.
  QWidget other;
  ASSERT_TRUE(showActive(other));
  EXPECT_EQ(env.numpoints, 250);
  ASSERT_TRUE(showActive(window));
  EXPECT_EQ(window.pointsEdit()->text(), "250");
  EXPECT_EQ(window.freqHighEdit()->text(), "3GHz");
  other.hide();

  retype(window.dBHighEdit(), "30");
  window.close();
  EXPECT_EQ(env.maxdB, 30);
  EXPECT_EQ(env.numpoints, 250);
  EXPECT_EQ(env.mindB, -80);
  EXPECT_EQ(env.lowfreq, 1e5);
  EXPECT_EQ(env.highfreq, 3e9);

  // Opened again, it shows the record; a point count beyond the sweep store is limited.
  env.maxdB = 20;
  ASSERT_TRUE(showActive(window));
  EXPECT_EQ(window.dBHighEdit()->text(), "20dB");
  EXPECT_EQ(window.pointsEdit()->text(), "250");
  retype(window.pointsEdit(), "1M");
  window.close();
  EXPECT_EQ(env.numpoints, 500);
}

} // namespace
} // namespace norvane

// The Yield window on real widgets: a run in its worker thread gives the same figure as the
// engine the command line uses, Stop ends a long run early and keeps its runs, and a schematic
// without goals says how to add them.

#include "mainwindow_support.h"

#include "dialogs/yieldhistogram.h"
#include "dialogs/yieldwindow.h"

#include "assist/assistantcircuit.h"
#include "assist/filterdesign.h"
#include "yield/yieldengine.h"
#include "yield/yieldresult.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include <cstdio>
#include <string>

namespace norvane::test {
namespace {

class YieldWindowTest : public MainWindowTest
{
protected:
  // The 7-pole Butterworth low pass (10 MHz, 5 % inductors, 2 % capacitors) with a pass-band
  // and a stop-band goal that some boards miss.
  void loadFilter()
  {
    FilterInput in;
    in.poles = 7;
    const FilterResult r = designFilter(in);
    ASSERT_TRUE(r.built);
    writeAssistantSchematic(*doc, env, r.circuit, filterWriteSettings(in));
    doc->goals = {"S21 dB >= -0.5 from 1MHz to 8MHz", "S21 dB <= -28 from 16MHz to 100MHz"};
  }

  YieldWindow* open()
  {
    window->action(Command::Yield)->trigger();
    YieldWindow* yield = window->yieldWindow();
    EXPECT_TRUE(yield != nullptr && yield->isVisible());
    return yield;
  }

  static bool waitUntilIdle(YieldWindow& yield, int ms)
  {
    QElapsedTimer timer;
    timer.start();
    while (yield.running() && timer.elapsed() < ms) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    QCoreApplication::processEvents();
    return !yield.running();
  }
};

TEST_F(YieldWindowTest, RunGivesTheEngineFigureAndStopKeepsTheRunsDone)
{
  loadFilter();
  YieldWindow* yield = open();
  ASSERT_NE(yield, nullptr);
  EXPECT_EQ(yield->runsBox()->value(), 1000);
  EXPECT_EQ(yield->seedBox()->value(), 1);
  yield->runsBox()->setValue(200);
  yield->seedBox()->setValue(7);
  yield->threadsBox()->setValue(2);
  yield->startButton()->click();
  ASSERT_TRUE(waitUntilIdle(*yield, 60000));

  // The same runs through the engine and the result file the command line writes.
  std::vector<Goal> goals;
  for (const std::string& text : doc->goals) {
    goals.push_back(*parseGoal(text).goal);
  }
  YieldSettings settings;
  settings.seed = 7;
  settings.runs = 200;
  const YieldOutcome outcome = runYield(*doc, goals, settings);
  ASSERT_TRUE(outcome.ok);
  YieldSetup setup;
  setup.seed = 7;
  setup.runs = 200;
  setup.values = yieldValueNames(*doc);
  for (const Goal& g : goals) {
    setup.goals.push_back(formatGoal(g));
  }
  const std::string json = yieldResultJson(setup, outcome.records, YieldShard{});
  const auto at = json.find("\"yield_percent\":");
  ASSERT_NE(at, std::string::npos);
  const double percent = std::stod(json.substr(at + 16));
  long passed = 0;
  for (const auto& r : outcome.records) {
    passed += r.passed ? 1 : 0;
  }
  ASSERT_GT(passed, 0);
  ASSERT_LT(passed, 200); // the goals must part the boards for the test to mean anything
  char expected[64];
  std::snprintf(expected, sizeof expected, "Yield %.1f %% (", percent);
  const QString figure = yield->figureLabel()->text();
  EXPECT_TRUE(figure.startsWith(expected)) << figure.toStdString() << " vs " << expected;
  EXPECT_TRUE(figure.endsWith(QString(", %1 of 200 passed").arg(passed))) << figure.toStdString();

  // Failures per goal, the ranking of every varied value, one histogram per goal.
  ASSERT_EQ(yield->failuresTable()->rowCount(), 2);
  for (int g = 0; g < 2; ++g) {
    long failed = 0;
    for (const auto& r : outcome.records) {
      failed += r.goalMet[static_cast<std::size_t>(g)] ? 0 : 1;
    }
    EXPECT_EQ(yield->failuresTable()->item(g, 1)->text(), QString::number(failed));
  }
  EXPECT_EQ(yield->rankingTable()->rowCount(), static_cast<int>(setup.values.size()));
  ASSERT_EQ(yield->histograms().size(), 2u);
  EXPECT_EQ(yield->histograms()[1]->limit(), -28.0);
  long counted = 0;
  for (long c : yield->histograms()[0]->histogram().counts) {
    counted += c;
  }
  EXPECT_EQ(counted, 200);

  // A long run stopped at once ends early with the runs done so far in the figures.
  yield->runsBox()->setValue(400000);
  yield->threadsBox()->setValue(1);
  yield->startButton()->click();
  ASSERT_TRUE(yield->running());
  EXPECT_FALSE(yield->startButton()->isEnabled());
  QElapsedTimer timer;
  timer.start();
  while (yield->progressBar()->value() <= 0 && timer.elapsed() < 30000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  ASSERT_GT(yield->progressBar()->value(), 0);
  yield->stopButton()->click();
  ASSERT_TRUE(waitUntilIdle(*yield, 20000));
  EXPECT_GT(yield->runsDone(), 0);
  EXPECT_LT(yield->runsDone(), 400000);
  EXPECT_TRUE(
      yield->figureLabel()->text().endsWith(QString(" of %1 passed").arg(yield->runsDone())));
  EXPECT_TRUE(yield->startButton()->isEnabled());
}

TEST_F(YieldWindowTest, WithoutGoalsTheWindowSaysHowToAddThem)
{
  loadFilter();
  doc->goals.clear();
  YieldWindow* yield = open();
  ASSERT_NE(yield, nullptr);
  EXPECT_TRUE(yield->goalsLabel()->text().contains("no goals"));
  EXPECT_TRUE(yield->goalsLabel()->text().contains("Tools -> Optimize"));
  EXPECT_FALSE(yield->startButton()->isEnabled());
}

} // namespace
} // namespace norvane::test

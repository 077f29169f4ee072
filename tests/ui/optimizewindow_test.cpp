// Tools -> Optimize on real widgets: goals typed and checked, a run stopped early, a run to
// its end, Apply as one undo step, and the values back after Undo.
#include "mainwindow_support.h"

#include "dialogs/optimizewindow.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>

namespace norvane::test {
namespace {

std::string lowpassPath()
{
  return std::string(NORVANE_SOURCE_DIR) + "/examples/lowpass3.cct";
}

double valueOf(const Schematic& doc, const std::string& name)
{
  for (int i = 1; i <= doc.drawdat.components.count(); ++i)
    if (doc.drawdat.components[i].name == name) return doc.drawdat.components[i].value[1].nom;
  return 0.0;
}

void typeGoal(QTableWidget& goals, int row, const QString& text)
{
  goals.item(row, 0)->setText(text);
}

using OptimizeWindowTest = MainWindowTest;

TEST_F(OptimizeWindowTest, GoalsTypedRunStoppedAndAppliedUndoRestores)
{
  ASSERT_TRUE(window->openFile(lowpassPath()));
  const double c1 = valueOf(*doc, "C1");
  const double l2 = valueOf(*doc, "L2");
  ASSERT_GT(c1, 0.0);
  window->runCommand(Command::Optimize);
  OptimizeWindow* opt = window->optimizer();
  ASSERT_NE(opt, nullptr);
  ASSERT_TRUE(opt->isVisible());
  QTableWidget& goals = *opt->goalsTable();
  ASSERT_EQ(goals.rowCount(), 1); // the file has no goals: one empty row to type in
  EXPECT_GE(opt->variablesTable()->rowCount(), 3);

  // A refused goal shows the reader's message; a good one reads "ok" and opens a new row.
  typeGoal(goals, 0, "S21 dB >= banana at 150MHz");
  EXPECT_NE(goals.item(0, 1)->text(), "ok");
  EXPECT_FALSE(goals.item(0, 1)->text().isEmpty());
  opt->startButton()->click();
  EXPECT_FALSE(opt->running());
  EXPECT_TRUE(opt->messageLabel()->text().contains("Goal 1"));
  typeGoal(goals, 0, "S21 dB >= -3 at 150MHz");
  EXPECT_EQ(goals.item(0, 1)->text(), "ok");
  ASSERT_EQ(goals.rowCount(), 2);
  typeGoal(goals, 1, "S21 dB <= -20 from 500MHz to 1GHz");

  // A global search that cannot meet a third goal (a gain above 0 dB) runs until stopped;
  // Stop keeps the best point the window has shown.
  typeGoal(goals, 2, "S21 dB >= 1 from 0 to 1GHz");
  QSignalSpy finished(opt, &OptimizeWindow::runFinished);
  opt->setEvaluationBudget(10000000);
  opt->methodBox()->setCurrentText("Global");
  opt->startButton()->click();
  EXPECT_TRUE(opt->running());
  EXPECT_FALSE(opt->startButton()->isEnabled());
  for (int i = 0; i < 2000 && opt->costLabel()->text().isEmpty(); ++i)
    QTest::qWait(10);
  ASSERT_FALSE(opt->costLabel()->text().isEmpty());
  EXPECT_TRUE(opt->running());
  opt->stopButton()->click();
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_FALSE(opt->running());
  EXPECT_GT(opt->evaluationsLabel()->text().toInt(), 0);
  EXPECT_LT(opt->evaluationsLabel()->text().toInt(), 10000000);
  EXPECT_EQ(opt->messageLabel()->text(), "Some goals are not met; the best point is shown.");
  typeGoal(goals, 2, "");

  // A local search to its end meets the goals (the cut-off moves from 100 to 150 MHz).
  opt->setEvaluationBudget(5000);
  opt->methodBox()->setCurrentText("Local");
  opt->startButton()->click();
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_EQ(opt->messageLabel()->text(), "All goals are met.");
  EXPECT_EQ(doc->goals, (std::vector<std::string>{"S21 dB >= -3 at 150MHz",
                                                  "S21 dB <= -20 from 500MHz to 1GHz"}));
  // The drawing shows the result before it is applied.
  EXPECT_NE(valueOf(*doc, "C1"), c1);

  opt->applyButton()->click();
  const double c1New = valueOf(*doc, "C1");
  EXPECT_LT(c1New, c1);
  EXPECT_LT(valueOf(*doc, "L2"), l2);
  EXPECT_TRUE(window->isModified());
  const QString listed = opt->resultText()->toPlainText();
  EXPECT_TRUE(listed.contains("C1: ")) << listed.toStdString();
  EXPECT_TRUE(listed.contains("L2: ")) << listed.toStdString();
  EXPECT_TRUE(listed.contains(" -> ")) << listed.toStdString();

  // One Undo takes every value back.
  window->runCommand(Command::Undo);
  EXPECT_EQ(valueOf(*doc, "C1"), c1);
  EXPECT_EQ(valueOf(*doc, "L2"), l2);
  window->runCommand(Command::Redo);
  EXPECT_EQ(valueOf(*doc, "C1"), c1New);
  opt->close();
}

TEST_F(OptimizeWindowTest, ClosingWithoutApplyPutsTheOldValuesBack)
{
  ASSERT_TRUE(window->openFile(lowpassPath()));
  doc->goals = {"S21 dB >= -3 at 150MHz"};
  const double c1 = valueOf(*doc, "C1");
  window->runCommand(Command::Optimize);
  OptimizeWindow* opt = window->optimizer();
  ASSERT_EQ(opt->goalsTable()->item(0, 0)->text(), "S21 dB >= -3 at 150MHz");
  QSignalSpy finished(opt, &OptimizeWindow::runFinished);
  opt->setEvaluationBudget(2000);
  opt->startButton()->click();
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_NE(valueOf(*doc, "C1"), c1);
  opt->close();
  EXPECT_EQ(valueOf(*doc, "C1"), c1);
}

} // namespace
} // namespace norvane::test

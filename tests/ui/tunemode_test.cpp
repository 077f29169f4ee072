// Tune mode on the real main window: the "Tune" toggle simulates once, a click on a
// component reopens its property dialog after every OK (each OK simulating anew) until
// Cancel, a click on port 1 opens its impedance dialog and simulates once whatever the
// answer, and a click on empty paper leaves the mode and releases the button.
#include "mainwindow_support.h"

#include "dialogs/generatedcomponentdialog.h"
#include "dialogs/realedit.h"
#include "dialogs/smalldialogs.h"
#include "graph/graphwindow.h"

#include <QAction>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace norvane::test {
namespace {

class TuneModeTest : public MainWindowTest
{
protected:
  void SetUp() override
  {
    MainWindowTest::SetUp();
    drawResistorToGround();
    doc->Xax.numpoints = 10;
    dialogsShown.clear(); // the resistor's dialog when it was placed

    // Count the runs of the real graph window without changing what happens after them.
    GraphWindow* graph = window->graphWindow();
    GraphWindowLinks links = graph->links();
    auto after = links.afterSimulation;
    links.afterSimulation = [this, after](const SimulateResult& result) {
      ranWith.push_back(drawing().components[1].value[1].nom);
      if (after) {
        after(result);
      }
    };
    graph->setLinks(links);

    // One scripted answer per dialog opened; an exhausted script cancels.
    window->editorConnection().componentDialogs().setModalRunner([this](QDialog& dialog) {
      dialogsShown << dialog.windowTitle();
      if (answers.empty()) {
        return static_cast<int>(QDialog::Rejected);
      }
      const bool ok = answers.front()(dialog);
      answers.erase(answers.begin());
      return static_cast<int>(ok ? QDialog::Accepted : QDialog::Rejected);
    });
  }

  static std::function<bool(QDialog&)> typeResistance(const QString& text)
  {
    return [text](QDialog& dialog) {
      auto& d = dynamic_cast<GeneratedComponentDialog&>(dialog);
      d.numericField("resistance")->selectAll();
      QTest::keyClicks(d.numericField("resistance"), text);
      return true;
    };
  }

  QAction* tune() const { return window->action(Command::TuneToggle); }

  std::vector<double> ranWith; // the resistor's value at every simulation
  std::vector<std::function<bool(QDialog&)>> answers;
};

TEST_F(TuneModeTest, OkThreeTimesSimulatesThreeTimesAndEmptyPaperLeaves)
{
  ASSERT_EQ(drawing().components[1].ctype, ComponentType::Resistor);
  ASSERT_EQ(drawing().components[1].position, (Point{200, 200}));

  // The toolbar button goes down and the circuit is simulated once.
  QToolButton* button = window->toolButton(Command::TuneToggle);
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_TRUE(tune()->isChecked());
  EXPECT_EQ(window->editorConnection().editor().mode(), emTune);
  ASSERT_EQ(ranWith.size(), 1u);
  EXPECT_TRUE(prompts.messages.empty()) << prompts.lastText();

  // A click near the resistor: OK three times (each run sees the new value), then Cancel.
  answers = {typeResistance("60"), typeResistance("4k7"), typeResistance("75"),
             [](QDialog&) { return false; }};
  click(204, 197);
  ASSERT_EQ(dialogsShown.size(), 4);
  for (const QString& caption : dialogsShown) {
    EXPECT_EQ(caption, dialogsShown.front());
  }
  EXPECT_EQ(ranWith, (std::vector<double>{50, 60, 4700, 75}));
  EXPECT_EQ(drawing().components[1].value[1].nom, 75);
  EXPECT_EQ(window->editorConnection().editor().mode(), emTune);
  EXPECT_TRUE(tune()->isChecked());
  EXPECT_TRUE(window->graphWindow()->lastResult().ran);

  // Port 1: its impedance dialog; Cancel still simulates once, OK reads the new Zo.
  dialogsShown.clear();
  click(100, 180);
  ASSERT_EQ(dialogsShown.size(), 1);
  EXPECT_EQ(dialogsShown.front(), "Test Port 1 Zo");
  EXPECT_EQ(ranWith.size(), 5u);
  answers = {[](QDialog& dialog) {
    auto& d = dynamic_cast<PortDialog&>(dialog);
    d.zoEdit()->selectAll();
    QTest::keyClicks(d.zoEdit(), "75R");
    return true;
  }};
  click(100, 180);
  EXPECT_EQ(doc->drawdat.P1.Zo, 75);
  EXPECT_EQ(ranWith.size(), 6u);

  // Empty paper: no dialog, no run, the mode ends and the button comes up.
  dialogsShown.clear();
  click(700, 600);
  EXPECT_TRUE(dialogsShown.isEmpty());
  EXPECT_EQ(ranWith.size(), 6u);
  EXPECT_EQ(window->editorConnection().editor().mode(), emSelect);
  EXPECT_FALSE(tune()->isChecked());
  EXPECT_FALSE(button->isChecked());
}

TEST_F(TuneModeTest, ButtonPressedAgainLeavesTheMode)
{
  QToolButton* button = window->toolButton(Command::TuneToggle);
  QTest::mouseClick(button, Qt::LeftButton);
  ASSERT_EQ(window->editorConnection().editor().mode(), emTune);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_FALSE(tune()->isChecked());
  EXPECT_EQ(window->editorConnection().editor().mode(), emSelect);
  EXPECT_EQ(ranWith.size(), 1u); // only entering simulates
  // A click on the resistor now only selects it.
  click(200, 200);
  EXPECT_TRUE(dialogsShown.isEmpty());
}

} // namespace
} // namespace norvane::test

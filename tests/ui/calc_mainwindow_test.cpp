// The calculators reached from the main window: the Tools menu items and the "RF Calculator"
// tool button open the windows the main window created at start.

#include "mainwindow_support.h"

#include "calc_support.h"

#include "calculators/calculatorwindows.h"
#include "calculators/capacitorcalculatorwindow.h"
#include "calculators/couplercalculatorwindow.h"
#include "calculators/inductorcalculatorwindow.h"
#include "calculators/rfcalculatorwindow.h"
#include "calculators/rfentryfield.h"
#include "calculators/splittercalculatorwindow.h"
#include "calculators/txlinecalculatorwindow.h"

#include "dialogs/componentdialog.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace norvane::test {
namespace {

using namespace calctest;

// The menu item at "Top/Sub/Item" (captions with their access letters).
QAction* menuItem(QMainWindow& window, const QString& path)
{
  QList<QAction*> actions = window.menuBar()->actions();
  QAction* found = nullptr;
  for (const QString& caption : path.split('/')) {
    found = nullptr;
    for (QAction* a : actions)
      if (a->text() == caption) found = a;
    if (!found) return nullptr;
    actions = found->menu() ? found->menu()->actions() : QList<QAction*>{};
  }
  return found;
}

TEST_F(MainWindowTest, ToolsMenuOpensEachCalculator)
{
  CalculatorWindows* calculators = window->calculators();
  ASSERT_NE(calculators, nullptr);
  struct Entry
  {
    const char* path;
    QWidget* calculator;
  };
  const Entry entries[] = {
      {"&Tools/Com&ponent /&Inductor", calculators->inductorCalculator()},
      {"&Tools/Com&ponent /&Capacitor", calculators->capacitorCalculator()},
      {"&Tools/Com&ponent /&Transmission Line", calculators->txLineCalculator()},
      {"&Tools/Com&ponent /Cou&pler", calculators->couplerCalculator()},
      {"&Tools/Com&ponent /&Splitter", calculators->splitterCalculator()},
      {"&Tools/&Calculator", calculators->rfCalculator()},
  };
  for (const Entry& e : entries) {
    QAction* a = menuItem(*window, e.path);
    ASSERT_NE(a, nullptr) << e.path;
    ASSERT_NE(e.calculator, nullptr) << e.path;
    EXPECT_FALSE(e.calculator->isVisible()) << e.path;
    a->trigger();
    EXPECT_TRUE(e.calculator->isVisible()) << e.path;
    e.calculator->hide();
  }
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(MainWindowTest, RfCalculatorButtonOpensTheCalculatorCentredOverTheWindow)
{
  RfCalculatorWindow* rf = window->calculators()->rfCalculator();
  QToolButton* button = window->toolButton(Command::RfCalculator);
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton);
  ASSERT_TRUE(rf->isVisible());
  EXPECT_EQ(rf->currentPage(), RfPage::Resonance);
  EXPECT_LE((rf->frameGeometry().center() - window->frameGeometry().center()).manhattanLength(), 4);

  // The window works as a calculator and keeps its values when opened again.
  typeInto(rf->field(RfField::ReturnLoss), "20");
  QTest::mouseClick(rf->okButton(), Qt::LeftButton);
  EXPECT_EQ(text(rf->field(RfField::Vswr)), "1.222 : 1");
  rf->close();
  window->action(Command::RfCalculator)->trigger();
  EXPECT_TRUE(rf->isVisible());
  EXPECT_EQ(text(rf->field(RfField::Vswr)), "1.222 : 1");

  // A component dialog asks for a page.
  rf->hide();
  window->calculators()->showRfCalculator(RfPage::FreqWavelength);
  EXPECT_EQ(rf->currentPage(), RfPage::FreqWavelength);
}

TEST_F(MainWindowTest, CalculatorFromTheMenuReportsAnImpossibleCable)
{
  menuItem(*window, "&Tools/Com&ponent /&Transmission Line")->trigger();
  TxLineCalculatorWindow* txLine = window->calculators()->txLineCalculator();
  ASSERT_TRUE(txLine->isVisible());
  typeInto(txLine->input(&CoaxFields::conductorDiameter), "3");
  QTest::mouseClick(txLine->calculateButton(), Qt::LeftButton);
  ASSERT_FALSE(prompts.messages.empty());
  EXPECT_EQ(prompts.messages.back().kind, ScriptedPrompts::Kind::Error);
  EXPECT_EQ(text(txLine->result(&TxLineTexts::coaxImpedance)), "");
  EXPECT_TRUE(showsNoNanOrInf(txLine));
}

// Records whether a window was last blocked or unblocked by a modal window.
class ModalityWatch : public QObject
{
public:
  bool blocked = false;

protected:
  bool eventFilter(QObject*, QEvent* event) override
  {
    if (event->type() == QEvent::WindowBlocked) blocked = true;
    if (event->type() == QEvent::WindowUnblocked) blocked = false;
    return false;
  }
};

QPushButton* buttonCaptioned(QWidget* dialog, const QString& caption)
{
  for (QPushButton* button : dialog->findChildren<QPushButton*>())
    if (button->text() == caption) return button;
  return nullptr;
}

TEST_F(MainWindowTest, PropertyDialogButtonsOpenUsableCalculators)
{
  ComponentDialog* dialog =
      window->editorConnection().componentDialogs().dialogFor(ComponentType::Capacitor);
  ASSERT_NE(dialog, nullptr);
  RfCalculatorWindow* rf = window->calculators()->rfCalculator();
  CapacitorCalculatorWindow* capacitor = window->calculators()->capacitorCalculator();
  rf->showPage(RfPage::SignalLevel);
  rf->hide();
  ModalityWatch watch;
  rf->installEventFilter(&watch);

  // While the dialog runs modally, as it does in the program, its buttons open the calculators.
  bool rfShown = false;
  bool rfBlocked = true;
  QTimer::singleShot(0, dialog, [&] {
    QPushButton* rfButton = buttonCaptioned(dialog, "RF Calculator");
    QPushButton* capButton = buttonCaptioned(dialog, "Capacitor Calculator");
    if (rfButton && capButton) {
      rfButton->click();
      capButton->click();
      QTest::qWait(50);
      rfShown = rf->isVisible();
      rfBlocked = watch.blocked;
    }
    dialog->reject();
  });
  dialog->exec();
  EXPECT_TRUE(rfShown);
  EXPECT_FALSE(rfBlocked);
  EXPECT_EQ(rf->currentPage(), RfPage::Resonance);
  EXPECT_TRUE(capacitor->isVisible());

  // The transmission line dialog asks for the "Freq / Wavelength" page.
  ComponentDialog* line =
      window->editorConnection().componentDialogs().dialogFor(ComponentType::TxLine);
  ASSERT_NE(line, nullptr);
  QPushButton* wavelength = buttonCaptioned(line, "RF Calculator");
  ASSERT_NE(wavelength, nullptr);
  wavelength->click();
  EXPECT_EQ(rf->currentPage(), RfPage::FreqWavelength);
  QPushButton* lineCalc = buttonCaptioned(line, "Transmission Line Calculator");
  ASSERT_NE(lineCalc, nullptr);
  lineCalc->click();
  EXPECT_TRUE(window->calculators()->txLineCalculator()->isVisible());
  EXPECT_TRUE(prompts.messages.empty());
}

} // namespace
} // namespace norvane::test

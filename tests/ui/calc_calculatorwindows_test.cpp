// The owner of the calculator windows: each window is made once and every request shows the
// same window again, with the values the user left in it.

#include "calc_support.h"

#include "calculators/calculatorwindows.h"
#include "calculators/capacitorcalculatorwindow.h"
#include "calculators/couplercalculatorwindow.h"
#include "calculators/inductorcalculatorwindow.h"
#include "calculators/rfcalculatorwindow.h"
#include "calculators/rfentryfield.h"
#include "calculators/splittercalculatorwindow.h"
#include "calculators/txlinecalculatorwindow.h"
#include "support/scriptedprompts.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

using namespace calctest;

TEST(CalculatorWindows, CreatedOnceAndShownOnRequest)
{
  ScriptedPrompts prompts;
  QWidget mainWindow;
  mainWindow.resize(800, 600);
  CalculatorWindows windows(&mainWindow, prompts);

  struct Entry
  {
    void (CalculatorWindows::*show)();
    QWidget* window;
    const char* caption;
  };
  const Entry entries[] = {
      {&CalculatorWindows::showTxLineCalculator, windows.txLineCalculator(), "Transmission Line"},
      {&CalculatorWindows::showInductorCalculator, windows.inductorCalculator(), "Inductor"},
      {&CalculatorWindows::showCapacitorCalculator, windows.capacitorCalculator(), "Capacitor"},
      {&CalculatorWindows::showCouplerCalculator, windows.couplerCalculator(),
       "Directional Coupler"},
      {&CalculatorWindows::showSplitterCalculator, windows.splitterCalculator(), "Splitter"},
  };
  for (const Entry& e : entries) {
    ASSERT_NE(e.window, nullptr) << e.caption;
    EXPECT_FALSE(e.window->isVisible()) << e.caption;
    EXPECT_EQ(e.window->parentWidget(), &mainWindow);
    (windows.*e.show)();
    EXPECT_TRUE(e.window->isVisible()) << e.caption;
    EXPECT_EQ(e.window->windowTitle(), e.caption);
    EXPECT_FALSE(e.window->isModal()) << e.caption;
  }

  // Closed and opened again: the same window, with the user's values kept.
  RfCalculatorWindow* rf = windows.rfCalculator();
  windows.showRfCalculator();
  EXPECT_EQ(rf->currentPage(), RfPage::Resonance);
  typeInto(rf->field(RfField::ReturnLoss), "20");
  rf->close();
  windows.showRfCalculator(RfPage::FreqWavelength);
  EXPECT_EQ(windows.rfCalculator(), rf);
  EXPECT_TRUE(rf->isVisible());
  EXPECT_EQ(rf->currentPage(), RfPage::FreqWavelength);
  EXPECT_EQ(text(rf->field(RfField::ReturnLoss)), "20");
  windows.showRfCalculator(RfPage::Resonance);
  EXPECT_EQ(rf->currentPage(), RfPage::Resonance);
  EXPECT_TRUE(prompts.messages.empty());
}

} // namespace
} // namespace norvane

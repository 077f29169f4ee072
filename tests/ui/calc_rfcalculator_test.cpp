// The RF calculator window driven as the user drives it: typing into its fields, the lock
// buttons of the resonance page, the OK button.

#include "calc_support.h"

#include "calculators/rfcalculatorwindow.h"
#include "calculators/rfentryfield.h"
#include "support/scriptedprompts.h"

#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

namespace norvane {
namespace {

using namespace calctest;
using F = RfField;

class RfCalculatorWindowTest : public ::testing::Test
{
protected:
  void SetUp() override { window = std::make_unique<RfCalculatorWindow>(prompts); }

  RfEntryField* field(F f) { return window->field(f); }
  std::string shown(F f) { return text(field(f)); }
  void type(F f, const QString& entry) { typeInto(field(f), entry); }
  void ok() { QTest::mouseClick(window->okButton(), Qt::LeftButton); }
  void clickLock(F f) { QTest::mouseClick(window->lockButton(f), Qt::LeftButton); }
  bool down(F f) { return window->lockButton(f)->isChecked(); }

  ScriptedPrompts prompts;
  std::unique_ptr<RfCalculatorWindow> window;
};

TEST_F(RfCalculatorWindowTest, OpensOnTheResonancePageWithItsInitialValues)
{
  EXPECT_EQ(window->windowTitle(), "RF Calculator");
  EXPECT_EQ(window->currentPage(), RfPage::Resonance);
  ASSERT_EQ(window->pages()->count(), 5);
  EXPECT_EQ(window->pages()->tabText(0), "Return Loss/VSWR");
  EXPECT_EQ(window->pages()->tabText(4), "Freq / Wavelength");
  EXPECT_EQ(shown(F::ReturnLoss), "10dB");
  EXPECT_EQ(shown(F::Vswr), "1.925 : 1");
  EXPECT_EQ(shown(F::TransmissionLoss), "0.458dB");
  EXPECT_EQ(shown(F::ReflectionCoeff), "0.316");
  EXPECT_EQ(shown(F::Dbm), "10dBm");
  EXPECT_EQ(shown(F::VoltsPkPk), "2Vpk-pk");
  EXPECT_EQ(shown(F::ResonantFrequency), "100MHz");
  // The resonance page opens worked out from its frequency and reactance (50 ohm at 100 MHz),
  // with every lock button up.
  EXPECT_EQ(shown(F::Inductance), "79.577nH");
  EXPECT_EQ(shown(F::Capacitance), "31.831pF");
  EXPECT_FALSE(window->lockButton(F::Inductance)->isChecked());
  EXPECT_FALSE(window->lockButton(F::ResonantFrequency)->isChecked());
  EXPECT_EQ(shown(F::NoisePowerDbm), "-173.83dBm");
  EXPECT_EQ(shown(F::Delay), "33.3333ps");
  EXPECT_EQ(shown(F::PhaseShift), "1.2 Deg");
  EXPECT_TRUE(prompts.messages.empty());

  // OK before any edit has no page to calculate.
  RfCalculatorWindow fresh(prompts);
  QTest::mouseClick(fresh.okButton(), Qt::LeftButton);
  EXPECT_EQ(text(fresh.field(F::Capacitance)), "31.831pF");
  EXPECT_FALSE(fresh.state().lastPage().has_value());
}

TEST_F(RfCalculatorWindowTest, ReturnLossPageFromEachGivenField)
{
  type(F::ReturnLoss, "20");
  ok();
  EXPECT_EQ(shown(F::ReflectionCoeff), "0.1");
  EXPECT_EQ(shown(F::Vswr), "1.222 : 1");
  EXPECT_EQ(shown(F::TransmissionLoss), "0.044dB");

  // Recalculating from the last field written gives the same values.
  ok();
  EXPECT_EQ(shown(F::ReturnLoss), "20dB");
  EXPECT_EQ(shown(F::Vswr), "1.222 : 1");

  type(F::Vswr, "1");
  ok();
  EXPECT_EQ(shown(F::ReflectionCoeff), "0");
  EXPECT_DOUBLE_EQ(number(shown(F::ReturnLoss)), 1e38);
  EXPECT_EQ(shown(F::TransmissionLoss), "0dB");

  type(F::ReflectionCoeff, "1");
  ok();
  EXPECT_DOUBLE_EQ(number(shown(F::Vswr)), 1e38);
  EXPECT_NE(shown(F::Vswr).find(" : 1"), std::string::npos);
  EXPECT_DOUBLE_EQ(number(shown(F::TransmissionLoss)), 1e38);
  EXPECT_TRUE(showsNoNanOrInf(window.get()));
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(RfCalculatorWindowTest, OkCalculatesThePageEditedLastNotThePageShown)
{
  ASSERT_EQ(window->currentPage(), RfPage::Resonance);
  type(F::Dbm, "0");
  ok();
  EXPECT_EQ(shown(F::Watts), "1mW");
  EXPECT_EQ(shown(F::VoltsRms), "0.224Vrms");
  // The resonance fields were not touched.
  EXPECT_EQ(shown(F::Inductance), "79.577nH");

  // Editing the system impedance recalculates from the dBm.
  type(F::SystemImpedance, "75");
  ok();
  EXPECT_NEAR(number(shown(F::Dbm)), 0.0, 1e-9);
  EXPECT_EQ(shown(F::VoltsRms), "0.274Vrms");

  type(F::Watts, "0");
  ok();
  EXPECT_EQ(shown(F::Dbm), "#####");
  EXPECT_EQ(shown(F::VoltsPkPk), "0Vpk-pk");
}

TEST_F(RfCalculatorWindowTest, LockButtonsKeepTheTwoLatestLocksAndDecideTheResult)
{
  ASSERT_TRUE(showActive(window.get()));
  for (F f : {F::ResonantFrequency, F::Reactance, F::Capacitance, F::Inductance})
    EXPECT_FALSE(down(f));

  clickLock(F::ResonantFrequency);
  clickLock(F::Reactance);
  EXPECT_TRUE(down(F::ResonantFrequency));
  EXPECT_TRUE(down(F::Reactance));
  EXPECT_EQ(window->lockButton(F::Reactance)->text(), "Locked");
  EXPECT_EQ(window->lockButton(F::Capacitance)->text(), "Lock");
  EXPECT_EQ(window->state().lastPage(), RfPage::Resonance);
  ok();
  EXPECT_EQ(shown(F::Inductance), "79.577nH");
  EXPECT_EQ(shown(F::Capacitance), "31.831pF");

  // A third lock releases the oldest of the three.
  clickLock(F::Capacitance);
  EXPECT_FALSE(down(F::ResonantFrequency));
  EXPECT_TRUE(down(F::Reactance));
  EXPECT_TRUE(down(F::Capacitance));
  type(F::Capacitance, "10p"); // a key in a locked field keeps the locks as they are
  EXPECT_TRUE(down(F::Reactance));
  EXPECT_TRUE(down(F::Capacitance));
  ok(); // reactance and capacitance: f = 1 / (2 pi C X), then L = X / (2 pi f)
  EXPECT_NEAR(number(shown(F::ResonantFrequency)), 318.31e6, 0.01e6);
  EXPECT_NEAR(number(shown(F::Inductance)), 25.0e-9, 0.001e-9);

  // Raising a button unlocks its field; one lock alone is treated as frequency or reactance.
  clickLock(F::Capacitance);
  EXPECT_FALSE(down(F::Capacitance));
  EXPECT_EQ(window->state().locks().list(), (std::vector<F>{F::Reactance, F::ResonantFrequency}));

  // A key typed into the inductance locks it, next to the reactance.
  type(F::Inductance, "100n");
  EXPECT_TRUE(down(F::Inductance));
  EXPECT_TRUE(down(F::Reactance));
  EXPECT_FALSE(down(F::ResonantFrequency));
  ok(); // reactance and inductance: f = X / (2 pi L), then C = 1 / (2 pi f X)
  EXPECT_EQ(shown(F::ResonantFrequency), "79.577MHz");
  EXPECT_EQ(shown(F::Capacitance), "40pF");
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(RfCalculatorWindowTest, ThermalNoiseAndLinePages)
{
  type(F::Temperature, "27");
  type(F::Bandwidth, "1M");
  ok();
  EXPECT_NEAR(number(shown(F::NoisePowerW)), 4.14e-15, 1e-18);
  EXPECT_EQ(shown(F::NoisePowerDbm), "-113.83dBm");

  type(F::PhysicalLength, "0.02");
  ok();
  EXPECT_EQ(shown(F::Delay), "66.6667ps");
  EXPECT_EQ(shown(F::PhaseShift), "2.4 Deg");
  type(F::PhaseShift, "90");
  ok();
  EXPECT_EQ(shown(F::PhysicalLength), "0.75 m");
}

TEST_F(RfCalculatorWindowTest, PowerOfTenOutOfRangeIsReported)
{
  type(F::ReturnLoss, "-20000");
  ok();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].kind, ScriptedPrompts::Kind::Information);
  EXPECT_EQ(prompts.messages[0].text, "number out of range");
  EXPECT_TRUE(showsNoNanOrInf(window.get()));
  // The window goes on working.
  type(F::ReturnLoss, "10");
  ok();
  EXPECT_EQ(shown(F::Vswr), "1.925 : 1");
}

TEST_F(RfCalculatorWindowTest, DivisionByZeroClearsTheResultsAndReportsOnce)
{
  ASSERT_TRUE(showActive(window.get()));
  clickLock(F::ResonantFrequency);
  clickLock(F::Reactance);
  type(F::ResonantFrequency, "0");
  ok();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].kind, ScriptedPrompts::Kind::Error);
  EXPECT_NE(prompts.messages[0].text.find("division by zero"), std::string::npos)
      << prompts.messages[0].text;
  // Both results depend on the zero frequency: neither shows an old number.
  EXPECT_EQ(shown(F::Inductance), "");
  EXPECT_EQ(shown(F::Capacitance), "");
  EXPECT_TRUE(showsNoNanOrInf(window.get()));

  type(F::ResonantFrequency, "100M");
  ok();
  EXPECT_EQ(shown(F::Inductance), "79.577nH");
  EXPECT_EQ(shown(F::Capacitance), "31.831pF");
  EXPECT_EQ(prompts.messages.size(), 1u);
}

TEST_F(RfCalculatorWindowTest, FieldsReformatOnLeavingAndVswrKeepsItsSuffix)
{
  ASSERT_TRUE(showActive(window.get()));
  window->pages()->setCurrentIndex(static_cast<int>(RfPage::ReturnLoss));
  field(F::Vswr)->setFocus(Qt::TabFocusReason);
  type(F::Vswr, "2");
  EXPECT_EQ(shown(F::Vswr), "2");
  field(F::ReturnLoss)->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(shown(F::Vswr), "2 : 1");
  // Leaving re-formats; it is not an edit, so VSWR stays the given field.
  type(F::ReturnLoss, "3.5k");
  field(F::Vswr)->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(shown(F::ReturnLoss), "3.5kdB");
  type(F::Vswr, "3");
  ok();
  EXPECT_EQ(shown(F::ReflectionCoeff), "0.5");
  EXPECT_EQ(shown(F::Vswr), "3 : 1");
}

TEST(RfCalculatorPlacement, OpensOnTheAskedPageCentredOverItsParent)
{
  ScriptedPrompts prompts;
  QWidget mainWindow;
  mainWindow.setGeometry(100, 80, 900, 700);
  mainWindow.show();
  auto* window = new RfCalculatorWindow(prompts, &mainWindow);
  window->showPage(RfPage::FreqWavelength);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->currentPage(), RfPage::FreqWavelength);
  const QPoint centre = window->frameGeometry().center();
  const QPoint over = mainWindow.frameGeometry().center();
  EXPECT_LE((centre - over).manhattanLength(), 4);

  // Shown again after the main window moved: centred again, on the page shown last.
  window->hide();
  mainWindow.move(300, 200);
  window->showPage(RfPage::Resonance);
  window->hide();
  window->showCalculator();
  EXPECT_EQ(window->currentPage(), RfPage::Resonance);
  EXPECT_LE(
      (window->frameGeometry().center() - mainWindow.frameGeometry().center()).manhattanLength(),
      4);
}

} // namespace
} // namespace norvane

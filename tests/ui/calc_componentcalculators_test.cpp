// The inductor, capacitor, directional coupler and splitter windows: their defaults, typing
// and "Calculate", the moments they calculate on their own, clamping and impossible inputs.

#include "calc_support.h"

#include "calculators/capacitorcalculatorwindow.h"
#include "calculators/couplercalculatorwindow.h"
#include "calculators/inductorcalculatorwindow.h"
#include "calculators/materiallist.h"
#include "calculators/splittercalculatorwindow.h"
#include "support/scriptedprompts.h"

#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <memory>

namespace norvane {
namespace {

using namespace calctest;

void clickCalculate(CalculatorWindow& window)
{
  QTest::mouseClick(window.calculateButton(), Qt::LeftButton);
}

TEST(InductorWindow, DefaultsAndTheStubSign)
{
  ScriptedPrompts prompts;
  InductorCalculatorWindow window(prompts);
  EXPECT_EQ(window.windowTitle(), "Inductor");
  ASSERT_EQ(window.notebook()->count(), 3);
  const auto out = [&window](std::string InductorTexts::*member) { return window.result(member); };
  EXPECT_EQ(text(out(&InductorTexts::airInductance)), "");
  clickCalculate(window);
  EXPECT_EQ(text(out(&InductorTexts::airInductance)), "19.8nH");
  EXPECT_EQ(text(out(&InductorTexts::spiralInductance)), "47.7nH");
  EXPECT_EQ(text(out(&InductorTexts::stubReactance)), "+j41.4R");
  EXPECT_EQ(text(out(&InductorTexts::stubInductance)), "6.6nH");

  // 60 mm of a line with a 160 mm wavelength: between a quarter and a half, capacitive.
  typeInto(window.input(&InductorFields::stubLength), "60");
  clickCalculate(window);
  EXPECT_EQ(text(out(&InductorTexts::stubReactance)).substr(0, 2), "-j");
  EXPECT_NEAR(number(text(out(&InductorTexts::stubReactance)).substr(2)), 100.0, 0.05);
  EXPECT_TRUE(showsNoNanOrInf(&window));
  EXPECT_TRUE(prompts.messages.empty());
}

TEST(InductorWindow, CalculatesOnEnteringTheNotebookAndLeavingAStubInput)
{
  ScriptedPrompts prompts;
  InductorCalculatorWindow window(prompts);
  ASSERT_TRUE(showActive(&window));
  window.closeButton()->setFocus(Qt::TabFocusReason);
  window.input(&InductorFields::airLength)->setFocus(Qt::TabFocusReason);
  settle();
  EXPECT_EQ(text(window.result(&InductorTexts::airInductance)), "19.8nH");

  window.notebook()->setCurrentIndex(2);
  window.input(&InductorFields::stubFrequencyMHz)->setFocus(Qt::TabFocusReason);
  settle();
  typeInto(window.input(&InductorFields::stubFrequencyMHz), "500");
  window.input(&InductorFields::stubLength)->setFocus(Qt::TabFocusReason);
  settle();
  EXPECT_NEAR(number(text(window.result(&InductorTexts::stubReactance)).substr(2)), 19.9, 0.05);

  window.closeButton()->click();
  EXPECT_FALSE(window.isVisible());
}

TEST(CapacitorWindow, CalculatesAtCreationAndOnChoosingAMaterial)
{
  ScriptedPrompts prompts;
  CapacitorCalculatorWindow window(prompts);
  EXPECT_EQ(window.windowTitle(), "Capacitor");
  EXPECT_EQ(window.notebook(), nullptr);
  EXPECT_NEAR(number(text(window.result(&CapacitorTexts::capacitance))), 1.04e-12, 0.06e-12);
  EXPECT_EQ(window.material(&CapacitorFields::permittivity)->shownText(), "Air Er=1");

  // Second item: G10, 4.7.
  QTest::keyClick(window.material(&CapacitorFields::permittivity), Qt::Key_Down);
  EXPECT_EQ(text(window.input(&CapacitorFields::permittivity)), "4.7");
  EXPECT_EQ(text(window.result(&CapacitorTexts::capacitance)), "4.9pF");

  typeInto(window.input(&CapacitorFields::permittivity), "2");
  EXPECT_EQ(window.material(&CapacitorFields::permittivity)->shownText(), "custom");
  // Typing alone does not calculate.
  EXPECT_EQ(text(window.result(&CapacitorTexts::capacitance)), "4.9pF");
  clickCalculate(window);
  EXPECT_EQ(text(window.result(&CapacitorTexts::capacitance)), "2.1pF");

  // Permittivity below its limit of 1 is clamped with a beep.
  typeInto(window.input(&CapacitorFields::permittivity), "0.5");
  clickCalculate(window);
  EXPECT_EQ(text(window.input(&CapacitorFields::permittivity)), "1.0");
  EXPECT_EQ(prompts.beeps, 1);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST(CouplerWindow, DefaultsAtCreation)
{
  ScriptedPrompts prompts;
  CouplerCalculatorWindow window(prompts);
  EXPECT_EQ(window.windowTitle(), "Directional Coupler");
  ASSERT_EQ(window.notebook()->count(), 5);
  EXPECT_EQ(window.notebook()->tabText(3), "lambda/4");
  const auto out = [&window](std::string CouplerTexts::*member) { return window.result(member); };
  EXPECT_EQ(text(out(&CouplerTexts::msCoupling)), "-20.1dB");
  EXPECT_EQ(text(out(&CouplerTexts::msLineZo)), "49.9R");
  EXPECT_EQ(text(out(&CouplerTexts::slCoupling)), "-53.4dB");
  EXPECT_EQ(text(out(&CouplerTexts::slZo)), "18.1R");
  EXPECT_EQ(text(out(&CouplerTexts::lumpedCoupling)), "-16.1dB");
  EXPECT_EQ(text(out(&CouplerTexts::lumpedL1)), "7.96nH");
  EXPECT_EQ(text(out(&CouplerTexts::lumpedC2)), "3.18pF");
  EXPECT_EQ(text(out(&CouplerTexts::quarterCoupling)), "-16.1dB");
  EXPECT_EQ(text(out(&CouplerTexts::transformerCoupling)), "-20.0dB");
  EXPECT_TRUE(prompts.messages.empty());
}

TEST(CouplerWindow, LumpedCapacitorIsLimitedAndImpossibleStriplineIsRefused)
{
  ScriptedPrompts prompts;
  CouplerCalculatorWindow window(prompts);
  typeInto(window.input(&CouplerFields::lumpedC1pF), "1");
  clickCalculate(window);
  EXPECT_EQ(prompts.beeps, 1);
  EXPECT_NEAR(number(text(window.input(&CouplerFields::lumpedC1pF))), 0.573, 0.0005);

  // A strip thicker than the ground plane spacing.
  typeInto(window.input(&CouplerFields::slThickness), "2");
  clickCalculate(window);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].kind, ScriptedPrompts::Kind::Error);
  EXPECT_NE(prompts.messages[0].text.find("Stripline"), std::string::npos)
      << prompts.messages[0].text;
  EXPECT_EQ(text(window.result(&CouplerTexts::slCoupling)), "");
  EXPECT_EQ(text(window.result(&CouplerTexts::slZo)), "");
  EXPECT_EQ(text(window.result(&CouplerTexts::msCoupling)), "-20.1dB");
  EXPECT_TRUE(showsNoNanOrInf(&window));
}

TEST(CouplerWindow, CalculatesOnLeavingATransformerInput)
{
  ScriptedPrompts prompts;
  CouplerCalculatorWindow window(prompts);
  ASSERT_TRUE(showActive(&window));
  window.notebook()->setCurrentIndex(4);
  window.input(&CouplerFields::secondaryTurns)->setFocus(Qt::TabFocusReason);
  typeInto(window.input(&CouplerFields::secondaryTurns), "4");
  window.input(&CouplerFields::primaryTurns)->setFocus(Qt::TabFocusReason);
  settle();
  EXPECT_EQ(text(window.result(&CouplerTexts::transformerCoupling)), "-12.0dB");
}

TEST(SplitterWindow, ResistiveAndWilkinson)
{
  ScriptedPrompts prompts;
  SplitterCalculatorWindow window(prompts);
  EXPECT_EQ(window.windowTitle(), "Splitter");
  clickCalculate(window);
  const auto out = [&window](std::string SplitterTexts::*member) { return window.result(member); };
  EXPECT_EQ(text(out(&SplitterTexts::resistiveR)), "16.7R");
  EXPECT_EQ(text(out(&SplitterTexts::wilkinsonL)), "12.5nH");
  EXPECT_EQ(text(out(&SplitterTexts::wilkinsonC1)), "2.5pF");
  EXPECT_EQ(text(out(&SplitterTexts::wilkinsonC2)), "5pF");
  EXPECT_EQ(text(out(&SplitterTexts::wilkinsonR)), "100R");

  ASSERT_TRUE(showActive(&window));
  window.notebook()->setCurrentIndex(1);
  window.input(&SplitterFields::wilkinsonZo)->setFocus(Qt::TabFocusReason);
  typeInto(window.input(&SplitterFields::wilkinsonZo), "75");
  window.input(&SplitterFields::wilkinsonFrequencyMHz)->setFocus(Qt::TabFocusReason);
  settle();
  EXPECT_EQ(text(out(&SplitterTexts::wilkinsonR)), "150R");
  EXPECT_TRUE(prompts.messages.empty());
}

// Destroying a calculator whose page holds the focus, with another window to take it back:
// the focus moves while the dialog base destroys the pages, and the window's own focus watch
// must be gone by then (an undefined-behaviour sanitizer build reports it otherwise).
TEST(CalculatorWindow, DestroyedWithTheFocusOnAPage)
{
  ScriptedPrompts prompts;
  QWidget other;
  ASSERT_TRUE(showActive(&other));
  auto window = std::make_unique<SplitterCalculatorWindow>(prompts);
  ASSERT_TRUE(showActive(window.get()));
  window->input(&SplitterFields::wilkinsonZo)->setFocus(Qt::TabFocusReason);
  settle();
  ASSERT_TRUE(window->notebook()->isAncestorOf(QApplication::focusWidget()));
  window.reset();
  settle();
  EXPECT_TRUE(prompts.messages.empty());
}

} // namespace
} // namespace norvane

namespace norvane {
namespace {

using namespace calctest;

TEST(CouplerWindow, CouplingIsNeverPositiveAndOutOfRangeLinesAreFlagged)
{
  ScriptedPrompts prompts;
  CouplerCalculatorWindow window(prompts);
  // Fewer secondary than primary turns still couples less than the input.
  typeInto(window.input(&CouplerFields::primaryTurns), "1");
  typeInto(window.input(&CouplerFields::secondaryTurns), "0.5");
  clickCalculate(window);
  EXPECT_EQ(text(window.result(&CouplerTexts::transformerCoupling)), "-6.0dB");
  EXPECT_TRUE(window.warning(&CouplerTexts::msWarning)->isHidden());
  EXPECT_TRUE(window.warning(&CouplerTexts::quarterWarning)->isHidden());

  // Coupled microstrips with 5 mm thick lines on a 1.6 mm board, and a quarter-wave coupler
  // coupling more strongly than its approximation covers: numbers with a warning beside them.
  typeInto(window.input(&CouplerFields::msThickness), "5");
  typeInto(window.input(&CouplerFields::msHeight), "1.6");
  typeInto(window.input(&CouplerFields::quarterC1pF), "5");
  clickCalculate(window);
  EXPECT_FALSE(text(window.result(&CouplerTexts::msLineZo)).empty());
  const QLabel* ms = window.warning(&CouplerTexts::msWarning);
  EXPECT_FALSE(ms->isHidden());
  EXPECT_TRUE(ms->text().contains("T/H")) << ms->text().toStdString();
  EXPECT_FALSE(window.warning(&CouplerTexts::quarterWarning)->isHidden());
  EXPECT_TRUE(window.warning(&CouplerTexts::slWarning)->isHidden());
  EXPECT_TRUE(prompts.messages.empty());
}

} // namespace
} // namespace norvane

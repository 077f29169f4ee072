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
  const auto& out = window.results();
  EXPECT_EQ(text(out.airInductance), "");
  clickCalculate(window);
  EXPECT_EQ(text(out.airInductance), "19.8nH");
  EXPECT_EQ(text(out.spiralInductance), "47.7nH");
  EXPECT_EQ(text(out.stubReactance), "+j41.4R");
  EXPECT_EQ(text(out.stubInductance), "6.6nH");

  // 60 mm of a line with a 160 mm wavelength: between a quarter and a half, capacitive.
  typeInto(window.inputs().stubLength, "60");
  clickCalculate(window);
  EXPECT_EQ(text(out.stubReactance).substr(0, 2), "-j");
  EXPECT_NEAR(number(text(out.stubReactance).substr(2)), 100.0, 0.05);
  EXPECT_TRUE(showsNoNanOrInf(&window));
  EXPECT_TRUE(prompts.messages.empty());
}

TEST(InductorWindow, CalculatesOnEnteringTheNotebookAndLeavingAStubInput)
{
  ScriptedPrompts prompts;
  InductorCalculatorWindow window(prompts);
  ASSERT_TRUE(showActive(&window));
  window.closeButton()->setFocus(Qt::TabFocusReason);
  window.inputs().airLength->setFocus(Qt::TabFocusReason);
  settle();
  EXPECT_EQ(text(window.results().airInductance), "19.8nH");

  window.notebook()->setCurrentIndex(2);
  window.inputs().stubFrequencyMHz->setFocus(Qt::TabFocusReason);
  settle();
  typeInto(window.inputs().stubFrequencyMHz, "500");
  window.inputs().stubLength->setFocus(Qt::TabFocusReason);
  settle();
  EXPECT_NEAR(number(text(window.results().stubReactance).substr(2)), 19.9, 0.05);

  window.closeButton()->click();
  EXPECT_FALSE(window.isVisible());
}

TEST(CapacitorWindow, CalculatesAtCreationAndOnChoosingAMaterial)
{
  ScriptedPrompts prompts;
  CapacitorCalculatorWindow window(prompts);
  EXPECT_EQ(window.windowTitle(), "Capacitor");
  EXPECT_EQ(window.notebook(), nullptr);
  EXPECT_NEAR(number(text(window.capacitance())), 1.04e-12, 0.06e-12);
  EXPECT_EQ(window.dielectric()->shownText(), "Air Er=1");

  // Second item: G10, 4.7.
  QTest::keyClick(window.dielectric(), Qt::Key_Down);
  EXPECT_EQ(text(window.permittivity()), "4.7");
  EXPECT_EQ(text(window.capacitance()), "4.9pF");

  typeInto(window.permittivity(), "2");
  EXPECT_EQ(window.dielectric()->shownText(), "custom");
  EXPECT_EQ(text(window.capacitance()), "4.9pF"); // typing alone does not calculate
  clickCalculate(window);
  EXPECT_EQ(text(window.capacitance()), "2.1pF");

  // Permittivity below its limit of 1 is clamped with a beep.
  typeInto(window.permittivity(), "0.5");
  clickCalculate(window);
  EXPECT_EQ(text(window.permittivity()), "1.0");
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
  const auto& out = window.results();
  EXPECT_EQ(text(out.msCoupling), "-20.1dB");
  EXPECT_EQ(text(out.msLineZo), "49.9R");
  EXPECT_EQ(text(out.slCoupling), "-53.4dB");
  EXPECT_EQ(text(out.slZo), "18.1R");
  EXPECT_EQ(text(out.lumpedCoupling), "-16.1dB");
  EXPECT_EQ(text(out.lumpedL1), "7.96nH");
  EXPECT_EQ(text(out.lumpedC2), "3.18pF");
  EXPECT_EQ(text(out.quarterCoupling), "-16.1dB");
  EXPECT_EQ(text(out.transformerCoupling), "-20.0dB");
  EXPECT_TRUE(prompts.messages.empty());
}

TEST(CouplerWindow, LumpedCapacitorIsLimitedAndImpossibleStriplineIsRefused)
{
  ScriptedPrompts prompts;
  CouplerCalculatorWindow window(prompts);
  typeInto(window.inputs().lumpedC1pF, "1");
  clickCalculate(window);
  EXPECT_EQ(prompts.beeps, 1);
  EXPECT_NEAR(number(text(window.inputs().lumpedC1pF)), 0.573, 0.0005);

  // A strip thicker than the ground plane spacing.
  typeInto(window.inputs().slThickness, "2");
  clickCalculate(window);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].kind, ScriptedPrompts::Kind::Error);
  EXPECT_NE(prompts.messages[0].text.find("Stripline"), std::string::npos)
      << prompts.messages[0].text;
  EXPECT_EQ(text(window.results().slCoupling), "");
  EXPECT_EQ(text(window.results().slZo), "");
  EXPECT_EQ(text(window.results().msCoupling), "-20.1dB");
  EXPECT_TRUE(showsNoNanOrInf(&window));
}

TEST(CouplerWindow, CalculatesOnLeavingATransformerInput)
{
  ScriptedPrompts prompts;
  CouplerCalculatorWindow window(prompts);
  ASSERT_TRUE(showActive(&window));
  window.notebook()->setCurrentIndex(4);
  window.inputs().secondaryTurns->setFocus(Qt::TabFocusReason);
  typeInto(window.inputs().secondaryTurns, "4");
  window.inputs().primaryTurns->setFocus(Qt::TabFocusReason);
  settle();
  EXPECT_EQ(text(window.results().transformerCoupling), "-12.0dB");
}

TEST(SplitterWindow, ResistiveAndWilkinson)
{
  ScriptedPrompts prompts;
  SplitterCalculatorWindow window(prompts);
  EXPECT_EQ(window.windowTitle(), "Splitter");
  clickCalculate(window);
  const auto& out = window.results();
  EXPECT_EQ(text(out.resistiveR), "16.7R");
  EXPECT_EQ(text(out.wilkinsonL), "12.5nH");
  EXPECT_EQ(text(out.wilkinsonC1), "2.5pF");
  EXPECT_EQ(text(out.wilkinsonC2), "5pF");
  EXPECT_EQ(text(out.wilkinsonR), "100R");

  ASSERT_TRUE(showActive(&window));
  window.notebook()->setCurrentIndex(1);
  window.inputs().wilkinsonZo->setFocus(Qt::TabFocusReason);
  typeInto(window.inputs().wilkinsonZo, "75");
  window.inputs().wilkinsonFrequencyMHz->setFocus(Qt::TabFocusReason);
  settle();
  EXPECT_EQ(text(out.wilkinsonR), "150R");
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
  window->inputs().wilkinsonZo->setFocus(Qt::TabFocusReason);
  settle();
  ASSERT_TRUE(window->notebook()->isAncestorOf(QApplication::focusWidget()));
  window.reset();
  settle();
  EXPECT_TRUE(prompts.messages.empty());
}

} // namespace
} // namespace norvane

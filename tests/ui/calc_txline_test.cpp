// The transmission line calculator window: its four pages, the material lists with their
// "custom" rule, clamping, the moments it calculates on its own, and a geometry outside the
// formulas' domain.

#include "calc_support.h"

#include "calculators/materiallist.h"
#include "calculators/txlinecalculatorwindow.h"
#include "support/scriptedprompts.h"

#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace norvane {
namespace {

using namespace calctest;

class TxLineWindowTest : public ::testing::Test
{
protected:
  void calculate() { QTest::mouseClick(window.calculateButton(), Qt::LeftButton); }

  ScriptedPrompts prompts;
  TxLineCalculatorWindow window{prompts};
};

TEST_F(TxLineWindowTest, DefaultsGiveTheKnownLines)
{
  EXPECT_EQ(window.windowTitle(), "Transmission Line");
  ASSERT_EQ(window.notebook()->count(), 4);
  EXPECT_EQ(window.notebook()->tabText(2), "Co-axial cable");
  EXPECT_EQ(window.microstrip().dielectric->shownText(), "G10 FibreGlass Er=3.8~4.8");
  EXPECT_EQ(window.coax().dielectric->shownText(), "Air Er=1");
  // Selecting the lists at creation kept the default texts.
  EXPECT_EQ(text(window.microstrip().permittivity), "4.7");
  EXPECT_EQ(text(window.coax().permittivity), "1");

  calculate();
  EXPECT_EQ(text(window.microstrip().impedance), "49.07R");
  EXPECT_EQ(text(window.microstrip().velocity), "1.61*10^8m/s");
  EXPECT_EQ(text(window.stripline().impedance), "50.47R");
  EXPECT_EQ(text(window.coax().impedance), "49.97R");
  EXPECT_EQ(text(window.coax().velocity), "3.00*10^8m/s");
  EXPECT_FALSE(text(window.coax().loss).empty());
  EXPECT_NE(text(window.coax().loss).find("dB/m"), std::string::npos);
  EXPECT_EQ(text(window.flatTwin().impedance), "131.74R");
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(prompts.beeps, 0);
}

TEST_F(TxLineWindowTest, ChoosingAMaterialWritesItsValueAndCalculates)
{
  MaterialList* list = window.microstrip().dielectric;
  // Down arrow three times: FR4, PTFE, Nylon (each a choice of the user's).
  for (int i = 0; i < 3; ++i)
    QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(list->shownText(), "Nylon Er=3.9");
  EXPECT_EQ(text(window.microstrip().permittivity), "3.9");
  // Calculated without pressing "Calculate": lower permittivity, higher impedance.
  EXPECT_GT(number(text(window.microstrip().impedance)), 49.07);
  EXPECT_EQ(text(window.stripline().permittivity), "4.7");
}

TEST_F(TxLineWindowTest, TypingAPermittivityShowsCustomInItsOwnList)
{
  typeInto(window.flatTwin().permittivity, "2.5");
  EXPECT_EQ(window.flatTwin().dielectric->shownText(), "custom");
  EXPECT_EQ(window.flatTwin().dielectric->currentIndex(), -1);
  EXPECT_EQ(window.flatTwin().dielectric->placeholderText(), "custom");
  EXPECT_EQ(window.flatTwin().magnetic->shownText(), "Air Ur=1");

  typeInto(window.flatTwin().permeability, "3");
  EXPECT_EQ(window.flatTwin().magnetic->shownText(), "custom");

  typeInto(window.coax().permittivity, "2.1");
  EXPECT_EQ(window.coax().dielectric->shownText(), "custom");
  EXPECT_EQ(window.microstrip().dielectric->shownText(), "G10 FibreGlass Er=3.8~4.8");
  // Choosing again replaces "custom" and the typed value.
  QTest::keyClick(window.coax().dielectric, Qt::Key_Down);
  EXPECT_NE(window.coax().dielectric->shownText(), "custom");
  EXPECT_NE(text(window.coax().permittivity), "2.1");
}

TEST_F(TxLineWindowTest, OutOfRangeInputsAreClampedWithABeep)
{
  typeInto(window.microstrip().permittivity, "5k");
  calculate();
  EXPECT_EQ(text(window.microstrip().permittivity), "5k");
  EXPECT_EQ(prompts.beeps, 0);
  typeInto(window.microstrip().permittivity, "20k");
  calculate();
  EXPECT_EQ(text(window.microstrip().permittivity), "10000.0");
  EXPECT_EQ(prompts.beeps, 1);
  EXPECT_FALSE(text(window.microstrip().impedance).empty());
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(TxLineWindowTest, ImpossibleGeometryClearsOnlyItsPageAndSaysWhy)
{
  calculate();
  typeInto(window.coax().shieldDiameter, "0.5"); // inside the 1 mm conductor
  calculate();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].kind, ScriptedPrompts::Kind::Error);
  EXPECT_NE(prompts.messages[0].text.find("Co-axial cable"), std::string::npos)
      << prompts.messages[0].text;
  EXPECT_EQ(text(window.coax().impedance), "");
  EXPECT_EQ(text(window.coax().loss), "");
  // The other pages were calculated as usual.
  EXPECT_EQ(text(window.microstrip().impedance), "49.07R");
  EXPECT_TRUE(showsNoNanOrInf(&window));

  typeInto(window.flatTwin().separation, "0.2"); // wires overlap
  calculate();
  EXPECT_EQ(text(window.flatTwin().impedance), "");
  EXPECT_TRUE(showsNoNanOrInf(&window));

  typeInto(window.coax().shieldDiameter, "2.3");
  typeInto(window.flatTwin().separation, "1");
  calculate();
  EXPECT_EQ(text(window.coax().impedance), "49.97R");
  EXPECT_EQ(text(window.flatTwin().impedance), "131.74R");
}

TEST_F(TxLineWindowTest, UnreadableTextIsRefusedWithAMessage)
{
  typeInto(window.stripline().width, "abc");
  calculate();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].text.find("Track Width (W)"), std::string::npos)
      << prompts.messages[0].text;
  EXPECT_EQ(text(window.stripline().impedance), "");
  EXPECT_EQ(text(window.stripline().velocity), "");
}

TEST_F(TxLineWindowTest, CalculatesOnActivationAndOnLeavingAMicrostripInput)
{
  EXPECT_EQ(text(window.microstrip().impedance), "");
  ASSERT_TRUE(showActive(&window));
  settle();
  EXPECT_EQ(text(window.microstrip().impedance), "49.07R");

  window.microstrip().width->setFocus(Qt::TabFocusReason);
  typeInto(window.microstrip().width, "1.6");
  EXPECT_EQ(text(window.microstrip().impedance), "49.07R");
  window.microstrip().height->setFocus(Qt::TabFocusReason);
  settle();
  EXPECT_NE(text(window.microstrip().impedance), "49.07R");
  EXPECT_GT(number(text(window.microstrip().impedance)), 60.0);

  // Leaving a stripline input does not calculate.
  window.notebook()->setCurrentIndex(1);
  window.stripline().width->setFocus(Qt::TabFocusReason);
  settle(); // the microstrip input was left: that calculation comes first
  EXPECT_EQ(text(window.stripline().impedance), "50.47R");
  typeInto(window.stripline().width, "1");
  window.stripline().thickness->setFocus(Qt::TabFocusReason);
  settle();
  EXPECT_EQ(text(window.stripline().impedance), "50.47R");
}

TEST_F(TxLineWindowTest, AnErrorIsNotRepeatedWhenTheFocusComesBack)
{
  ASSERT_TRUE(showActive(&window));
  settle();
  window.notebook()->setCurrentIndex(2);
  window.coax().shieldDiameter->setFocus(Qt::TabFocusReason);
  typeInto(window.coax().shieldDiameter, "0.5");
  window.coax().conductorDiameter->setFocus(Qt::TabFocusReason);
  settle();
  ASSERT_EQ(prompts.messages.size(), 1u);
  // Moving on through unchanged inputs, or the window being activated again, recalculates
  // nothing and shows no second box; "Calculate" always reports.
  window.coax().permittivity->setFocus(Qt::TabFocusReason);
  window.coax().shieldDiameter->setFocus(Qt::TabFocusReason);
  settle();
  EXPECT_EQ(prompts.messages.size(), 1u);
  calculate();
  EXPECT_EQ(prompts.messages.size(), 2u);
}

} // namespace
} // namespace norvane

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

#include <cmath>

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
  EXPECT_EQ(window.material(&MicrostripFields::permittivity)->shownText(),
            "G10 FibreGlass Er=3.8~4.8");
  EXPECT_EQ(window.material(&CoaxFields::permittivity)->shownText(), "Air Er=1");
  // Selecting the lists at creation kept the default texts.
  EXPECT_EQ(text(window.input(&MicrostripFields::permittivity)), "4.7");
  EXPECT_EQ(text(window.input(&CoaxFields::permittivity)), "1");

  calculate();
  EXPECT_EQ(text(window.result(&TxLineTexts::microstripImpedance)), "49.07R");
  EXPECT_EQ(text(window.result(&TxLineTexts::microstripVelocity)), "1.61*10^8m/s");
  EXPECT_EQ(text(window.result(&TxLineTexts::striplineImpedance)), "50.47R");
  EXPECT_EQ(text(window.result(&TxLineTexts::coaxImpedance)), "49.97R");
  EXPECT_EQ(text(window.result(&TxLineTexts::coaxVelocity)), "3.00*10^8m/s");
  EXPECT_FALSE(text(window.result(&TxLineTexts::coaxLoss)).empty());
  EXPECT_NE(text(window.result(&TxLineTexts::coaxLoss)).find("dB/m"), std::string::npos);
  EXPECT_EQ(text(window.result(&TxLineTexts::flatTwinImpedance)), "131.74R");
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(prompts.beeps, 0);
}

TEST_F(TxLineWindowTest, ChoosingAMaterialWritesItsValueAndCalculates)
{
  MaterialList* list = window.material(&MicrostripFields::permittivity);
  // Down arrow three times: FR4, PTFE, Nylon (each a choice of the user's).
  for (int i = 0; i < 3; ++i)
    QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(list->shownText(), "Nylon Er=3.9");
  EXPECT_EQ(text(window.input(&MicrostripFields::permittivity)), "3.9");
  // Calculated without pressing "Calculate": lower permittivity, higher impedance.
  EXPECT_GT(number(text(window.result(&TxLineTexts::microstripImpedance))), 49.07);
  EXPECT_EQ(text(window.input(&StriplineFields::permittivity)), "4.7");
}

TEST_F(TxLineWindowTest, TypingAPermittivityShowsCustomInItsOwnList)
{
  typeInto(window.input(&FlatTwinFields::permittivity), "2.5");
  EXPECT_EQ(window.material(&FlatTwinFields::permittivity)->shownText(), "custom");
  EXPECT_EQ(window.material(&FlatTwinFields::permittivity)->currentIndex(), -1);
  EXPECT_EQ(window.material(&FlatTwinFields::permittivity)->placeholderText(), "custom");
  EXPECT_EQ(window.material(&FlatTwinFields::permeability)->shownText(), "Air Ur=1");

  typeInto(window.input(&FlatTwinFields::permeability), "3");
  EXPECT_EQ(window.material(&FlatTwinFields::permeability)->shownText(), "custom");

  typeInto(window.input(&CoaxFields::permittivity), "2.1");
  EXPECT_EQ(window.material(&CoaxFields::permittivity)->shownText(), "custom");
  EXPECT_EQ(window.material(&MicrostripFields::permittivity)->shownText(),
            "G10 FibreGlass Er=3.8~4.8");
  // Choosing again replaces "custom" and the typed value.
  QTest::keyClick(window.material(&CoaxFields::permittivity), Qt::Key_Down);
  EXPECT_NE(window.material(&CoaxFields::permittivity)->shownText(), "custom");
  EXPECT_NE(text(window.input(&CoaxFields::permittivity)), "2.1");
}

TEST_F(TxLineWindowTest, OutOfRangeInputsAreClampedWithABeep)
{
  typeInto(window.input(&MicrostripFields::permittivity), "5k");
  calculate();
  EXPECT_EQ(text(window.input(&MicrostripFields::permittivity)), "5k");
  EXPECT_EQ(prompts.beeps, 0);
  typeInto(window.input(&MicrostripFields::permittivity), "20k");
  calculate();
  EXPECT_EQ(text(window.input(&MicrostripFields::permittivity)), "10000.0");
  EXPECT_EQ(prompts.beeps, 1);
  EXPECT_FALSE(text(window.result(&TxLineTexts::microstripImpedance)).empty());
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(TxLineWindowTest, ImpossibleGeometryClearsOnlyItsPageAndSaysWhy)
{
  calculate();
  typeInto(window.input(&CoaxFields::shieldDiameter), "0.5"); // inside the 1 mm conductor
  calculate();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].kind, ScriptedPrompts::Kind::Error);
  EXPECT_NE(prompts.messages[0].text.find("Co-axial cable"), std::string::npos)
      << prompts.messages[0].text;
  EXPECT_EQ(text(window.result(&TxLineTexts::coaxImpedance)), "");
  EXPECT_EQ(text(window.result(&TxLineTexts::coaxLoss)), "");
  // The other pages were calculated as usual.
  EXPECT_EQ(text(window.result(&TxLineTexts::microstripImpedance)), "49.07R");
  EXPECT_TRUE(showsNoNanOrInf(&window));

  typeInto(window.input(&FlatTwinFields::separation), "0.2"); // wires overlap
  calculate();
  EXPECT_EQ(text(window.result(&TxLineTexts::flatTwinImpedance)), "");
  EXPECT_TRUE(showsNoNanOrInf(&window));

  typeInto(window.input(&CoaxFields::shieldDiameter), "2.3");
  typeInto(window.input(&FlatTwinFields::separation), "1");
  calculate();
  EXPECT_EQ(text(window.result(&TxLineTexts::coaxImpedance)), "49.97R");
  EXPECT_EQ(text(window.result(&TxLineTexts::flatTwinImpedance)), "131.74R");
}

TEST_F(TxLineWindowTest, UnreadableTextIsRefusedWithAMessage)
{
  typeInto(window.input(&StriplineFields::width), "abc");
  calculate();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].text.find("Track Width (W)"), std::string::npos)
      << prompts.messages[0].text;
  EXPECT_EQ(text(window.result(&TxLineTexts::striplineImpedance)), "");
  EXPECT_EQ(text(window.result(&TxLineTexts::striplineVelocity)), "");
}

TEST_F(TxLineWindowTest, CalculatesOnActivationAndOnLeavingAMicrostripInput)
{
  EXPECT_EQ(text(window.result(&TxLineTexts::microstripImpedance)), "");
  ASSERT_TRUE(showActive(&window));
  settle();
  EXPECT_EQ(text(window.result(&TxLineTexts::microstripImpedance)), "49.07R");

  window.input(&MicrostripFields::width)->setFocus(Qt::TabFocusReason);
  typeInto(window.input(&MicrostripFields::width), "1.6");
  EXPECT_EQ(text(window.result(&TxLineTexts::microstripImpedance)), "49.07R");
  window.input(&MicrostripFields::height)->setFocus(Qt::TabFocusReason);
  settle();
  EXPECT_NE(text(window.result(&TxLineTexts::microstripImpedance)), "49.07R");
  EXPECT_GT(number(text(window.result(&TxLineTexts::microstripImpedance))), 60.0);

  // Leaving a stripline input does not calculate.
  window.notebook()->setCurrentIndex(1);
  window.input(&StriplineFields::width)->setFocus(Qt::TabFocusReason);
  settle(); // the microstrip input was left: that calculation comes first
  EXPECT_EQ(text(window.result(&TxLineTexts::striplineImpedance)), "50.47R");
  typeInto(window.input(&StriplineFields::width), "1");
  window.input(&StriplineFields::thickness)->setFocus(Qt::TabFocusReason);
  settle();
  EXPECT_EQ(text(window.result(&TxLineTexts::striplineImpedance)), "50.47R");
}

TEST_F(TxLineWindowTest, AnErrorIsNotRepeatedWhenTheFocusComesBack)
{
  ASSERT_TRUE(showActive(&window));
  settle();
  window.notebook()->setCurrentIndex(2);
  window.input(&CoaxFields::shieldDiameter)->setFocus(Qt::TabFocusReason);
  typeInto(window.input(&CoaxFields::shieldDiameter), "0.5");
  window.input(&CoaxFields::conductorDiameter)->setFocus(Qt::TabFocusReason);
  settle();
  ASSERT_EQ(prompts.messages.size(), 1u);
  // Moving on through unchanged inputs, or the window being activated again, recalculates
  // nothing and shows no second box; "Calculate" always reports.
  window.input(&CoaxFields::permittivity)->setFocus(Qt::TabFocusReason);
  window.input(&CoaxFields::shieldDiameter)->setFocus(Qt::TabFocusReason);
  settle();
  EXPECT_EQ(prompts.messages.size(), 1u);
  calculate();
  EXPECT_EQ(prompts.messages.size(), 2u);
}

} // namespace
} // namespace norvane

namespace norvane {
namespace {

using namespace calctest;

TEST_F(TxLineWindowTest, ThickTracesAreFlaggedAndAFlatBoardIsNamed)
{
  calculate();
  EXPECT_TRUE(window.warning(&TxLineTexts::microstripWarning)->isHidden());

  // A 5 mm track on a 1.6 mm board: the thickness correction is far outside its range (the
  // impedance even rises again with thickness). The number stays, with a warning beside it.
  typeInto(window.input(&MicrostripFields::thickness), "5");
  calculate();
  EXPECT_FALSE(text(window.result(&TxLineTexts::microstripImpedance)).empty());
  const QLabel* warning = window.warning(&TxLineTexts::microstripWarning);
  EXPECT_FALSE(warning->isHidden());
  EXPECT_TRUE(warning->text().contains("T/H")) << warning->text().toStdString();
  EXPECT_EQ(warning->toolTip(), warning->text());
  EXPECT_TRUE(prompts.messages.empty());

  // No board at all (0 is held to the smallest thickness, with a beep): the message names
  // the dielectric thickness, not the track's width.
  typeInto(window.input(&MicrostripFields::thickness), "0.1");
  typeInto(window.input(&MicrostripFields::height), "0");
  calculate();
  ASSERT_EQ(prompts.messages.size(), 1u);
  const std::string& said = prompts.messages[0].text;
  EXPECT_NE(said.find("dielectric thickness (H)"), std::string::npos) << said;
  EXPECT_EQ(said.find("for its width"), std::string::npos) << said;
  EXPECT_EQ(text(window.result(&TxLineTexts::microstripImpedance)), "");

  typeInto(window.input(&MicrostripFields::height), "1.6");
  calculate();
  EXPECT_EQ(text(window.result(&TxLineTexts::microstripImpedance)), "49.07R");
  EXPECT_TRUE(window.warning(&TxLineTexts::microstripWarning)->isHidden());
}

TEST_F(TxLineWindowTest, ElectricalAndPhysicalLengthOnEveryLine)
{
  // A quarter wave at 433 MHz on the default 49 ohm FR4 microstrip, whose effective
  // permittivity is 3.466: lambda / 4 = c / (4 f sqrt(3.466)).
  typeInto(window.input(&MicrostripFields::lengthFrequencyMHz), "433");
  typeInto(window.input(&MicrostripFields::electricalDeg), "90");
  calculate();
  const double quarter = 299792458.0 / (4 * 433e6 * std::sqrt(3.466));
  const std::string shown = text(window.result(&TxLineTexts::microstripLength));
  EXPECT_NEAR(number(shown), quarter, quarter * 2e-4) << shown;
  EXPECT_EQ(shown.substr(shown.size() - 2), "mm");

  // And back: the electrical length of that length is 90 degrees.
  typeInto(window.input(&MicrostripFields::lengthMm), QString::number(quarter * 1e3, 'f', 3));
  calculate();
  EXPECT_EQ(text(window.result(&TxLineTexts::microstripAngle)), "90.0\xC2\xB0");

  // Air-spaced coax at 1000 MHz: a wavelength is 299.8 mm, so 10 mm is 12.0 degrees.
  EXPECT_EQ(text(window.result(&TxLineTexts::coaxAngle)), "12.0\xC2\xB0");
  EXPECT_EQ(text(window.result(&TxLineTexts::coaxLength)), "74.95mm"); // 90 degrees
  EXPECT_FALSE(text(window.result(&TxLineTexts::striplineLength)).empty());
  EXPECT_FALSE(text(window.result(&TxLineTexts::flatTwinAngle)).empty());
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_TRUE(showsNoNanOrInf(&window));
}

} // namespace
} // namespace norvane

// Pictures of the calculator windows for the documentation (docs/calc-*.png).

#include "pictures_support.h"
#include "ui/calc_support.h"

#include "calculators/capacitorcalculatorwindow.h"
#include "calculators/couplercalculatorwindow.h"
#include "calculators/inductorcalculatorwindow.h"
#include "calculators/rfcalculatorwindow.h"
#include "calculators/splittercalculatorwindow.h"
#include "calculators/txlinecalculatorwindow.h"
#include "support/scriptedprompts.h"

#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

namespace norvane {
namespace {

using pictures::save;

using namespace calctest;

TEST(CalculatorScreenshots, EveryWindow)
{
  ScriptedPrompts prompts;

  RfCalculatorWindow rf(prompts);
  QTest::mouseClick(rf.lockButton(RfField::ResonantFrequency), Qt::LeftButton);
  QTest::mouseClick(rf.lockButton(RfField::Reactance), Qt::LeftButton);
  rf.calculate();
  save(rf, "calc-rf-resonance.png");
  rf.pages()->setCurrentIndex(static_cast<int>(RfPage::FreqWavelength));
  save(rf, "calc-rf-wavelength.png");
  rf.pages()->setCurrentIndex(static_cast<int>(RfPage::ReturnLoss));
  save(rf, "calc-rf-returnloss.png");

  TxLineCalculatorWindow txLine(prompts);
  save(txLine, "calc-txline-microstrip.png");
  txLine.notebook()->setCurrentIndex(2);
  save(txLine, "calc-txline-coax.png");
  txLine.notebook()->setCurrentIndex(3);
  typeInto(txLine.flatTwin().permittivity, "2.5");
  txLine.calculate();
  save(txLine, "calc-txline-flattwin.png");

  InductorCalculatorWindow inductor(prompts);
  inductor.notebook()->setCurrentIndex(2);
  save(inductor, "calc-inductor.png");

  CapacitorCalculatorWindow capacitor(prompts);
  save(capacitor, "calc-capacitor.png");

  CouplerCalculatorWindow coupler(prompts);
  save(coupler, "calc-coupler.png");
  coupler.notebook()->setCurrentIndex(2);
  save(coupler, "calc-coupler-lumped.png");

  SplitterCalculatorWindow splitter(prompts);
  splitter.notebook()->setCurrentIndex(1);
  save(splitter, "calc-splitter.png");
}

} // namespace
} // namespace norvane

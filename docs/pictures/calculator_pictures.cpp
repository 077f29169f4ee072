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

using pictures::savePicture;

using namespace calctest;

TEST(CalculatorScreenshots, EveryWindow)
{
  ScriptedPrompts prompts;

  RfCalculatorWindow rf(prompts);
  QTest::mouseClick(rf.lockButton(RfField::ResonantFrequency), Qt::LeftButton);
  QTest::mouseClick(rf.lockButton(RfField::Reactance), Qt::LeftButton);
  rf.calculate();
  savePicture(rf, "calc-rf-resonance.png");
  rf.pages()->setCurrentIndex(static_cast<int>(RfPage::FreqWavelength));
  savePicture(rf, "calc-rf-wavelength.png");
  rf.pages()->setCurrentIndex(static_cast<int>(RfPage::ReturnLoss));
  savePicture(rf, "calc-rf-returnloss.png");

  TxLineCalculatorWindow txLine(prompts);
  savePicture(txLine, "calc-txline-microstrip.png");
  txLine.notebook()->setCurrentIndex(2);
  savePicture(txLine, "calc-txline-coax.png");
  txLine.notebook()->setCurrentIndex(3);
  typeInto(txLine.flatTwin().permittivity, "2.5");
  txLine.calculate();
  savePicture(txLine, "calc-txline-flattwin.png");

  InductorCalculatorWindow inductor(prompts);
  inductor.notebook()->setCurrentIndex(2);
  savePicture(inductor, "calc-inductor.png");

  CapacitorCalculatorWindow capacitor(prompts);
  savePicture(capacitor, "calc-capacitor.png");

  CouplerCalculatorWindow coupler(prompts);
  savePicture(coupler, "calc-coupler.png");
  coupler.notebook()->setCurrentIndex(2);
  savePicture(coupler, "calc-coupler-lumped.png");

  SplitterCalculatorWindow splitter(prompts);
  splitter.notebook()->setCurrentIndex(1);
  savePicture(splitter, "calc-splitter.png");
}

} // namespace
} // namespace norvane

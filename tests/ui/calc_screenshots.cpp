// Pictures of the calculator windows for the documentation. Runs only when
// NORVANE_SCREENSHOT_DIR names a folder, on a real display (for example under xvfb-run with
// QT_QPA_PLATFORM=xcb); otherwise it is skipped.

#include "calc_support.h"

#include "calculators/capacitorcalculatorwindow.h"
#include "calculators/couplercalculatorwindow.h"
#include "calculators/inductorcalculatorwindow.h"
#include "calculators/rfcalculatorwindow.h"
#include "calculators/splittercalculatorwindow.h"
#include "calculators/txlinecalculatorwindow.h"
#include "platform/scriptedprompts.h"

#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

#include <cstdlib>

namespace norvane {
namespace {

using namespace calctest;

QString screenshotDir()
{
  const char* dir = std::getenv("NORVANE_SCREENSHOT_DIR");
  return dir ? QString::fromLocal8Bit(dir) : QString();
}

void save(QWidget& window, const QString& name)
{
  ASSERT_TRUE(showActive(&window));
  settle();
  QTest::qWait(100);
  const QString path = QDir(screenshotDir()).filePath(name);
  EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
}

TEST(CalculatorScreenshots, EveryWindow)
{
  if (screenshotDir().isEmpty()) GTEST_SKIP() << "NORVANE_SCREENSHOT_DIR is not set";
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

#include "calculators/calculatorwindows.h"

#include "calculators/capacitorcalculatorwindow.h"
#include "calculators/couplercalculatorwindow.h"
#include "calculators/inductorcalculatorwindow.h"
#include "calculators/rfcalculatorwindow.h"
#include "calculators/splittercalculatorwindow.h"
#include "calculators/txlinecalculatorwindow.h"

namespace norvane {

CalculatorWindows::CalculatorWindows(QWidget* mainWindow, Prompts& prompts)
    : m_rf(new RfCalculatorWindow(prompts, mainWindow)),
      m_txLine(new TxLineCalculatorWindow(prompts, mainWindow)),
      m_inductor(new InductorCalculatorWindow(prompts, mainWindow)),
      m_capacitor(new CapacitorCalculatorWindow(prompts, mainWindow)),
      m_coupler(new CouplerCalculatorWindow(prompts, mainWindow)),
      m_splitter(new SplitterCalculatorWindow(prompts, mainWindow))
{
}

RfCalculatorWindow* CalculatorWindows::rfCalculator() const
{
  return m_rf;
}

TxLineCalculatorWindow* CalculatorWindows::txLineCalculator() const
{
  return m_txLine;
}

InductorCalculatorWindow* CalculatorWindows::inductorCalculator() const
{
  return m_inductor;
}

CapacitorCalculatorWindow* CalculatorWindows::capacitorCalculator() const
{
  return m_capacitor;
}

CouplerCalculatorWindow* CalculatorWindows::couplerCalculator() const
{
  return m_coupler;
}

SplitterCalculatorWindow* CalculatorWindows::splitterCalculator() const
{
  return m_splitter;
}

void CalculatorWindows::showRfCalculator()
{
  if (m_rf) m_rf->showCalculator();
}

void CalculatorWindows::showRfCalculator(RfPage page)
{
  if (m_rf) m_rf->showPage(page);
}

void CalculatorWindows::showTxLineCalculator()
{
  if (m_txLine) m_txLine->showCalculator();
}

void CalculatorWindows::showInductorCalculator()
{
  if (m_inductor) m_inductor->showCalculator();
}

void CalculatorWindows::showCapacitorCalculator()
{
  if (m_capacitor) m_capacitor->showCalculator();
}

void CalculatorWindows::showCouplerCalculator()
{
  if (m_coupler) m_coupler->showCalculator();
}

void CalculatorWindows::showSplitterCalculator()
{
  if (m_splitter) m_splitter->showCalculator();
}

} // namespace norvane

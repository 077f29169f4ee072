#include "calculators/calculatorwindows.h"

#include "calculators/capacitorcalculatorwindow.h"
#include "calculators/couplercalculatorwindow.h"
#include "calculators/inductorcalculatorwindow.h"
#include "calculators/rfcalculatorwindow.h"
#include "calculators/splittercalculatorwindow.h"
#include "calculators/txlinecalculatorwindow.h"

#include <QApplication>
#include <QWindow>

namespace norvane {

CalculatorWindows::CalculatorWindows(QWidget* mainWindow, Prompts& prompts)
    : m_mainWindow(mainWindow), m_rf(new RfCalculatorWindow(prompts, mainWindow)),
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
  if (m_rf) present(m_rf, [this] { m_rf->showCalculator(); });
}

void CalculatorWindows::showRfCalculator(RfPage page)
{
  if (m_rf) present(m_rf, [this, page] { m_rf->showPage(page); });
}

void CalculatorWindows::showTxLineCalculator()
{
  if (m_txLine) present(m_txLine, [this] { m_txLine->showCalculator(); });
}

void CalculatorWindows::showInductorCalculator()
{
  if (m_inductor) present(m_inductor, [this] { m_inductor->showCalculator(); });
}

void CalculatorWindows::showCapacitorCalculator()
{
  if (m_capacitor) present(m_capacitor, [this] { m_capacitor->showCalculator(); });
}

void CalculatorWindows::showCouplerCalculator()
{
  if (m_coupler) present(m_coupler, [this] { m_coupler->showCalculator(); });
}

void CalculatorWindows::showSplitterCalculator()
{
  if (m_splitter) present(m_splitter, [this] { m_splitter->showCalculator(); });
}

void CalculatorWindows::present(QWidget* window, const std::function<void()>& show)
{
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == window) modal = nullptr;
  show();
  // Transient for the modal dialog while one is open (so not blocked by it), else for the
  // main window again, so that a closed dialog does not keep the calculator tied to it.
  QWidget* owner = modal ? modal->window() : m_mainWindow.data();
  if (owner && owner->windowHandle() && window->windowHandle()) {
    window->windowHandle()->setTransientParent(owner->windowHandle());
    window->raise();
    window->activateWindow();
  }
}

} // namespace norvane

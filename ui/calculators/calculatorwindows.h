#pragma once
// The calculator windows of the program, created once (at start, with the other windows) and
// shown on request: the RF calculator, and the transmission line, inductor, capacitor,
// directional coupler and splitter calculators. The main window holds one of these; its
// Tools menu, its "RF Calculator" tool button and the component dialogs' calculator buttons
// open the windows through it. The windows are children of the main window and close with it.
//
// A property dialog runs modally, and a modal dialog blocks every other window; a calculator
// opened from a dialog's button is therefore made a transient of that dialog (which Qt does
// not block), so the user can work in it before closing the dialog.

#include "assist/rffields.h"

#include <QPointer>

#include <functional>

class QWidget;

namespace norvane {

class Prompts;
class RfCalculatorWindow;
class TxLineCalculatorWindow;
class InductorCalculatorWindow;
class CapacitorCalculatorWindow;
class CouplerCalculatorWindow;
class SplitterCalculatorWindow;

class CalculatorWindows
{
public:
  // `mainWindow` owns the windows (and the RF calculator centres itself over it); messages go
  // to `prompts`.
  CalculatorWindows(QWidget* mainWindow, Prompts& prompts);

  // Tools, "&Calculator" and the "RF Calculator" tool button: the page it showed last.
  void showRfCalculator();
  // The component dialogs: "Resonance/Reactance" (inductor, capacitor) or "Freq / Wavelength"
  // (transmission line).
  void showRfCalculator(RfPage page);
  // Tools, "Com&ponent ".
  void showTxLineCalculator();
  void showInductorCalculator();
  void showCapacitorCalculator();
  void showCouplerCalculator();
  void showSplitterCalculator();

  RfCalculatorWindow* rfCalculator() const;
  TxLineCalculatorWindow* txLineCalculator() const;
  InductorCalculatorWindow* inductorCalculator() const;
  CapacitorCalculatorWindow* capacitorCalculator() const;
  CouplerCalculatorWindow* couplerCalculator() const;
  SplitterCalculatorWindow* splitterCalculator() const;

private:
  // Shows the window raised and active, usable even while a modal dialog is open.
  void present(QWidget* window, const std::function<void()>& show);

  QPointer<QWidget> m_mainWindow;
  QPointer<RfCalculatorWindow> m_rf;
  QPointer<TxLineCalculatorWindow> m_txLine;
  QPointer<InductorCalculatorWindow> m_inductor;
  QPointer<CapacitorCalculatorWindow> m_capacitor;
  QPointer<CouplerCalculatorWindow> m_coupler;
  QPointer<SplitterCalculatorWindow> m_splitter;
};

} // namespace norvane

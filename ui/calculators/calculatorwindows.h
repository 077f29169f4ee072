#pragma once
// The calculator windows of the program, created once (at start, with the other windows) and
// shown on request: the RF calculator, and the transmission line, inductor, capacitor,
// directional coupler and splitter calculators. The main window holds one of these; its
// Tools menu, its "RF Calculator" tool button and the component dialogs' calculator buttons
// open the windows through it. The windows are children of the main window and close with it.

#include "assist/rffields.h"

#include <QPointer>

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
  QPointer<RfCalculatorWindow> m_rf;
  QPointer<TxLineCalculatorWindow> m_txLine;
  QPointer<InductorCalculatorWindow> m_inductor;
  QPointer<CapacitorCalculatorWindow> m_capacitor;
  QPointer<CouplerCalculatorWindow> m_coupler;
  QPointer<SplitterCalculatorWindow> m_splitter;
};

} // namespace norvane

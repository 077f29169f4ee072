#pragma once
// "RF Calculator": five pages of everyday RF conversions (return loss and VSWR, signal
// level, resonance and reactance, thermal noise, frequency / length / delay / phase). The
// window holds the fields, the resonance page's lock buttons and the OK button; RfCalculator
// keeps which page OK calculates, which field of each page was given last and the locks, and
// does every calculation. The window forwards the user's typing, keys and button clicks to it
// and shows the texts it returns.
//
// The window is created once, keeps its values and centres itself over its parent (the main
// window) every time it is shown.

#include "assist/rfcalculator.h"

#include <QDialog>

#include <array>

class QPushButton;
class QTabWidget;
class QToolButton;

namespace norvane {

class Prompts;
class RfEntryField;

class RfCalculatorWindow : public QDialog
{
  Q_OBJECT

public:
  RfCalculatorWindow(Prompts& prompts, QWidget* parent = nullptr);

  // Shows the window (centred, raised, active) on the page it showed last...
  void showCalculator();
  // ...or on `page` (the component dialogs ask for "Resonance/Reactance" or "Freq / Wavelength").
  void showPage(RfPage page);

  // What the OK button does: the calculation of the page edited last.
  void calculate();

  RfEntryField* field(RfField field) const { return m_fields[rfIndex(field)]; }
  // The lock button beside a resonance field (nullptr for other fields).
  QToolButton* lockButton(RfField field) const;
  QPushButton* okButton() const { return m_ok; }
  QTabWidget* pages() const { return m_pages; }
  RfPage currentPage() const;
  const RfCalculator& state() const { return m_calc; }

protected:
  void showEvent(QShowEvent* event) override;

private:
  QWidget* buildPage(RfPage page);
  RfFieldValues readValues() const;
  void apply(const RfPageResult& result);
  void showLocks();
  void centreOverParent();

  Prompts& m_prompts;
  RfCalculator m_calc;
  QTabWidget* m_pages = nullptr;
  QPushButton* m_ok = nullptr;
  std::array<RfEntryField*, kRfFieldCount> m_fields{};
  std::array<QToolButton*, 4> m_locks{};
};

} // namespace norvane

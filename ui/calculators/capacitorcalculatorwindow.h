#pragma once
// "Capacitor": a parallel-plate capacitor from its plate area, spacing and dielectric,
// calculated by calculateCapacitor. The window calculates on "Calculate", at creation and
// after a material is chosen from its list.

#include "calculators/calculatorwindow.h"

class QLineEdit;

namespace norvane {

class MaterialList;
class ResultPanel;

class CapacitorCalculatorWindow : public CalculatorWindow
{
  Q_OBJECT

public:
  CapacitorCalculatorWindow(Prompts& prompts, QWidget* parent = nullptr);

  QLineEdit* area() const { return m_area; }
  QLineEdit* spacing() const { return m_spacing; }
  QLineEdit* permittivity() const { return m_permittivity; }
  MaterialList* dielectric() const { return m_dielectric; }
  ResultPanel* capacitance() const { return m_capacitance; }

protected:
  CalcNotices runCalculation() override;

private:
  QLineEdit* m_area = nullptr;
  QLineEdit* m_spacing = nullptr;
  QLineEdit* m_permittivity = nullptr;
  MaterialList* m_dielectric = nullptr;
  ResultPanel* m_capacitance = nullptr;
};

} // namespace norvane

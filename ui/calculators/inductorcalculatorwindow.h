#pragma once
// "Inductor": an air-cored coil, a printed spiral and a printed short-circuited stub, all
// calculated at once by calculateInductors. The window calculates on "Calculate", when the
// focus enters the notebook and when it leaves an input of the stub page.

#include "calculators/calculatorwindow.h"

class QLineEdit;

namespace norvane {

class ResultPanel;

class InductorCalculatorWindow : public CalculatorWindow
{
  Q_OBJECT

public:
  InductorCalculatorWindow(Prompts& prompts, QWidget* parent = nullptr);

  struct Inputs
  {
    QLineEdit* airLength;
    QLineEdit* airDiameter;
    QLineEdit* airTurns;
    QLineEdit* spiralSide;
    QLineEdit* spiralTurns;
    QLineEdit* stubImpedance;
    QLineEdit* stubLength;
    QLineEdit* stubVelocity;
    QLineEdit* stubFrequencyMHz;
  };
  struct Results
  {
    ResultPanel* airInductance;
    ResultPanel* spiralInductance;
    ResultPanel* stubReactance;
    ResultPanel* stubInductance;
  };

  const Inputs& inputs() const { return m_in; }
  const Results& results() const { return m_out; }

protected:
  CalcNotices runCalculation() override;

private:
  Inputs m_in{};
  Results m_out{};
};

} // namespace norvane

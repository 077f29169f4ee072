#pragma once
// "Directional Coupler": coupled microstrips, coupled striplines, a lumped coupler, a
// lambda/4 coupler and a transformer coupler, all calculated at once by calculateCouplers.
// The window calculates on "Calculate", at creation and when the focus leaves an input of
// the "lambda/4" or "Transformer" page.

#include "calculators/calculatorwindow.h"

class QLineEdit;

namespace norvane {

class ResultPanel;

class CouplerCalculatorWindow : public CalculatorWindow
{
  Q_OBJECT

public:
  CouplerCalculatorWindow(Prompts& prompts, QWidget* parent = nullptr);

  struct Inputs
  {
    QLineEdit* msWidth;
    QLineEdit* msSpacing;
    QLineEdit* msThickness;
    QLineEdit* msHeight;
    QLineEdit* msPermittivity;
    QLineEdit* slGroundSpacing;
    QLineEdit* slThickness;
    QLineEdit* slPermittivity;
    QLineEdit* slWidth;
    QLineEdit* slSpacing;
    QLineEdit* lumpedZo;
    QLineEdit* lumpedC1pF;
    QLineEdit* lumpedFrequencyMHz;
    QLineEdit* quarterZo;
    QLineEdit* quarterC1pF;
    QLineEdit* quarterFrequencyMHz;
    QLineEdit* primaryTurns;
    QLineEdit* secondaryTurns;
  };
  struct Results
  {
    ResultPanel* msCoupling;
    ResultPanel* msLineZo;
    ResultPanel* slCoupling;
    ResultPanel* slZo;
    ResultPanel* lumpedCoupling;
    ResultPanel* lumpedL1;
    ResultPanel* lumpedC2;
    ResultPanel* quarterCoupling;
    ResultPanel* transformerCoupling;
  };

  const Inputs& inputs() const { return m_in; }
  const Results& results() const { return m_out; }

protected:
  CalcNotices runCalculation() override;

private:
  void buildCoupledLines();
  void buildLumpedAndQuarterWave();
  void buildTransformer();

  Inputs m_in{};
  Results m_out{};
};

} // namespace norvane

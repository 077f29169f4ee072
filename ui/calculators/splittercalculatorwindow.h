#pragma once
// "Splitter": the resistive splitter and the lumped Wilkinson, both calculated at once by
// calculateSplitters. The window calculates on "Calculate", when the focus enters the
// notebook and when it leaves either Wilkinson input.

#include "calculators/calculatorwindow.h"

class QLineEdit;

namespace norvane {

class ResultPanel;

class SplitterCalculatorWindow : public CalculatorWindow
{
  Q_OBJECT

public:
  SplitterCalculatorWindow(Prompts& prompts, QWidget* parent = nullptr);

  struct Inputs
  {
    QLineEdit* resistiveZo;
    QLineEdit* wilkinsonZo;
    QLineEdit* wilkinsonFrequencyMHz;
  };
  struct Results
  {
    ResultPanel* resistiveR;
    ResultPanel* wilkinsonL;
    ResultPanel* wilkinsonC1;
    ResultPanel* wilkinsonC2;
    ResultPanel* wilkinsonR;
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

#pragma once
// "Splitter": the resistive splitter and the lumped Wilkinson, both calculated at once by
// calculateSplitters. The window calculates on "Calculate", when the focus enters the
// notebook and when it leaves either Wilkinson input.

#include "assist/splittercalculator.h"
#include "calculators/pagedcalculatorwindow.h"

namespace norvane {

class SplitterCalculatorWindow : public PagedCalculatorWindow<SplitterFields, SplitterTexts>
{
public:
  explicit SplitterCalculatorWindow(Prompts& prompts, QWidget* parent = nullptr)
      : PagedCalculatorWindow(tr("Splitter"), prompts, parent, splitterPages(), calculateSplitters)
  {
    calculateOnEnteringNotebook();
  }
};

} // namespace norvane

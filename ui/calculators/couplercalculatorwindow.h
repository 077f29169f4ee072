#pragma once
// "Directional Coupler": coupled microstrips, coupled striplines, a lumped coupler, a
// lambda/4 coupler and a transformer coupler, all calculated at once by calculateCouplers.
// The window calculates on "Calculate", at creation and when the focus leaves an input of
// the "lambda/4" or "Transformer" page.

#include "assist/couplercalculator.h"
#include "calculators/pagedcalculatorwindow.h"

namespace norvane {

class CouplerCalculatorWindow : public PagedCalculatorWindow<CouplerFields, CouplerTexts>
{
public:
  explicit CouplerCalculatorWindow(Prompts& prompts, QWidget* parent = nullptr)
      : PagedCalculatorWindow(tr("Directional Coupler"), prompts, parent, couplerPages(),
                              calculateCouplers)
  {
    calculate();
  }
};

} // namespace norvane

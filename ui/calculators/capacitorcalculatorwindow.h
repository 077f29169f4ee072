#pragma once
// "Capacitor": a parallel-plate capacitor from its plate area, spacing and dielectric,
// calculated by calculateCapacitor. The window calculates on "Calculate", at creation and
// after a material is chosen from its list.

#include "assist/capacitorcalculator.h"
#include "calculators/pagedcalculatorwindow.h"

namespace norvane {

class CapacitorCalculatorWindow : public PagedCalculatorWindow<CapacitorFields, CapacitorTexts>
{
public:
  explicit CapacitorCalculatorWindow(Prompts& prompts, QWidget* parent = nullptr)
      : PagedCalculatorWindow(tr("Capacitor"), prompts, parent, capacitorPages(),
                              calculateCapacitor)
  {
    calculate();
  }
};

} // namespace norvane

#pragma once
// "Inductor": an air-cored coil, a printed spiral and a printed short-circuited stub, all
// calculated at once by calculateInductors. The window calculates on "Calculate", when the
// focus enters the notebook and when it leaves an input of the stub page.

#include "assist/inductorcalculator.h"
#include "calculators/pagedcalculatorwindow.h"

namespace norvane {

class InductorCalculatorWindow : public PagedCalculatorWindow<InductorFields, InductorTexts>
{
public:
  explicit InductorCalculatorWindow(Prompts& prompts, QWidget* parent = nullptr)
      : PagedCalculatorWindow(tr("Inductor"), prompts, parent, inductorPages(), calculateInductors)
  {
    calculateOnEnteringNotebook();
  }
};

} // namespace norvane

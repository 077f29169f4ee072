#pragma once
// "Transmission Line": impedance and phase velocity of a microstrip, a stripline, a coaxial
// cable (with its copper loss) and a parallel two-wire line, all four calculated at once by
// calculateTxLines. The window calculates on "Calculate", on activation, when the focus
// leaves a microstrip input or the cable's diameters and permittivity, and after a material
// is chosen.

#include "assist/txlinesynthesis.h"
#include "calculators/calcpagewidgets.h"
#include "calculators/calculatorwindow.h"
#include "calculators/synthesisrow.h"

#include <array>
#include <tuple>

namespace norvane {

class TxLineCalculatorWindow : public CalculatorWindow
{
  Q_OBJECT

public:
  TxLineCalculatorWindow(Prompts& prompts, QWidget* parent = nullptr);

  // The field of an input, by its member in the page's record (&CoaxFields::permittivity),
  // the material list below it, and the panel of a result.
  template <class PageFields> QLineEdit* input(std::string PageFields::*text) const
  {
    return std::get<LinePage<PageFields>>(m_pages).input(text);
  }
  template <class PageFields> MaterialList* material(std::string PageFields::*text) const
  {
    return std::get<LinePage<PageFields>>(m_pages).material(text);
  }
  ResultPanel* result(std::string TxLineTexts::*text) const;
  // The range warning beside a page's results.
  QLabel* warning(std::string TxLineTexts::*text) const;

  // "Synthesize" on a page: its free dimension for the "Wanted Zo", then Calculate.
  const SynthesisRow& synthesisRow(TxLinePage page) const
  {
    return m_synthesis[static_cast<size_t>(page)];
  }
  void synthesize(TxLinePage page);

protected:
  CalcNotices runCalculation() override;

private:
  template <class PageFields> using LinePage = CalcPageWidgets<PageFields, TxLineTexts>;

  void addSynthesis(PageGrid& grid, TxLinePage page);
  TxLineFields fieldsShown() const;
  void showFields(const TxLineFields& fields);

  std::tuple<LinePage<MicrostripFields>, LinePage<StriplineFields>, LinePage<CoaxFields>,
             LinePage<FlatTwinFields>>
      m_pages;
  std::array<SynthesisRow, 4> m_synthesis{};
  Prompts& m_prompts;
};

} // namespace norvane

#pragma once
// A calculator window whose pages share one input record (inductor, capacitor, coupler,
// splitter): laid out from the pages' descriptions, one page as the window's body or more as
// a notebook. Every calculation hands all the field texts to the core's calculation and shows
// what comes back; choosing a material calculates.

#include "calculators/calcpagewidgets.h"
#include "calculators/calculatorwindow.h"

#include <span>

namespace norvane {

template <class Fields, class Texts> class PagedCalculatorWindow : public CalculatorWindow
{
public:
  QLineEdit* input(std::string Fields::*text) const { return m_pages.input(text); }
  ResultPanel* result(std::string Texts::*text) const { return m_pages.result(text); }
  QLabel* warning(std::string Texts::*text) const { return m_pages.warning(text); }
  MaterialList* material(std::string Fields::*text) const { return m_pages.material(text); }

protected:
  using Calculation = Texts (*)(const Fields&);

  PagedCalculatorWindow(const QString& caption, Prompts& prompts, QWidget* parent,
                        std::span<const CalcPage<Fields, Texts>> pages, Calculation calculation)
      : CalculatorWindow(caption, prompts, parent), m_calculation(calculation)
  {
    for (const CalcPage<Fields, Texts>& page : pages)
      m_pages.build(pages.size() == 1 ? singlePage() : addPage(qtText(page.caption)), page);
    finishLayout();
    for (MaterialList* list : m_pages.materials())
      connect(list, &MaterialList::chosen, this, [this] { recalculate(Trigger::User); });
    calculateWhenLeft(m_pages.leaveCalculates());
    registerInputs(m_pages.inputs());
  }

  CalcNotices runCalculation() override
  {
    Fields in;
    m_pages.collect(in);
    const Texts out = m_calculation(in);
    m_pages.show(out.fields);
    m_pages.showResults(out);
    return out.notices;
  }

private:
  CalcPageWidgets<Fields, Texts> m_pages;
  Calculation m_calculation;
};

} // namespace norvane

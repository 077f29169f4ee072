#include "calculators/txlinecalculatorwindow.h"

#include "assist/txlinecalculator.h"
#include "platform/prompts.h"

#include <QPushButton>

namespace norvane {

namespace {
// The pages in the order of their tabs and of TxLinePage, with their place in the records.
constexpr auto kRecords = std::make_tuple(&TxLineFields::microstrip, &TxLineFields::stripline,
                                          &TxLineFields::coax, &TxLineFields::flatTwin);
constexpr auto kDescriptions = std::make_tuple(&TxLinePages::microstrip, &TxLinePages::stripline,
                                               &TxLinePages::coax, &TxLinePages::flatTwin);

// Calls fn(widgets, description, record member, page) for every page.
template <class Pages, class Fn> void forEachPage(Pages& pages, Fn fn)
{
  [&]<std::size_t... I>(std::index_sequence<I...>)
  {
    (fn(std::get<I>(pages), txLinePages().*std::get<I>(kDescriptions), std::get<I>(kRecords),
        static_cast<TxLinePage>(I)),
     ...);
  }
  (std::make_index_sequence<4>{});
}
} // namespace

TxLineCalculatorWindow::TxLineCalculatorWindow(Prompts& prompts, QWidget* parent)
    : CalculatorWindow(tr("Transmission Line"), prompts, parent), m_prompts(prompts)
{
  forEachPage(m_pages, [this](auto& widgets, const auto& page, auto, TxLinePage which) {
    widgets.build(addPage(qtText(page.caption)), page,
                  [this, which](PageGrid& grid) { addSynthesis(grid, which); });
  });
  finishLayout();

  calculateOnActivation();
  forEachPage(m_pages, [this](const auto& widgets, const auto&, auto, TxLinePage) {
    for (MaterialList* list : widgets.materials())
      connect(list, &MaterialList::chosen, this, [this] { recalculate(Trigger::User); });
    calculateWhenLeft(widgets.leaveCalculates());
    registerInputs(widgets.inputs());
  });
}

ResultPanel* TxLineCalculatorWindow::result(std::string TxLineTexts::*text) const
{
  ResultPanel* found = nullptr;
  forEachPage(m_pages, [&](const auto& widgets, const auto&, auto, TxLinePage) {
    if (!found) found = widgets.result(text);
  });
  return found;
}

QLabel* TxLineCalculatorWindow::warning(std::string TxLineTexts::*text) const
{
  QLabel* found = nullptr;
  forEachPage(m_pages, [&](const auto& widgets, const auto&, auto, TxLinePage) {
    if (!found) found = widgets.warning(text);
  });
  return found;
}

void TxLineCalculatorWindow::addSynthesis(PageGrid& grid, TxLinePage page)
{
  SynthesisRow& row = m_synthesis[static_cast<size_t>(page)];
  row = addSynthesisRow(grid, qtText(synthesizedFieldLabel(page)));
  connect(row.button, &QPushButton::clicked, this, [this, page] { synthesize(page); });
}

void TxLineCalculatorWindow::synthesize(TxLinePage page)
{
  const TxLineSynthesis out =
      synthesizeTxLine(page, fieldsShown(), fieldText(synthesisRow(page).target));
  showFields(out.fields);
  showNotices(out.notices, m_prompts);
  // The solved dimension is calculated at once, so the panels show what it gives.
  if (out.dimensionMm) calculate();
}

TxLineFields TxLineCalculatorWindow::fieldsShown() const
{
  TxLineFields in;
  forEachPage(m_pages, [&in](const auto& widgets, const auto&, auto record, TxLinePage) {
    widgets.collect(in.*record);
  });
  return in;
}

void TxLineCalculatorWindow::showFields(const TxLineFields& read)
{
  forEachPage(m_pages, [&read](const auto& widgets, const auto&, auto record, TxLinePage) {
    widgets.show(read.*record);
  });
}

CalcNotices TxLineCalculatorWindow::runCalculation()
{
  const TxLineTexts out = calculateTxLines(fieldsShown());
  showFields(out.fields);
  forEachPage(m_pages, [&out](const auto& widgets, const auto&, auto, TxLinePage) {
    widgets.showResults(out);
  });
  return out.notices;
}

} // namespace norvane

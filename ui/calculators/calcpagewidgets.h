#pragma once
// The widgets of calculator pages laid out from their descriptions (assist/calculatorpages.h),
// for the pages that share one input record: the labelled inputs with their material lists,
// the result panels, the notes; and the copying of texts between them and the records.

#include "assist/calculatorpages.h"
#include "calculators/calcwidgets.h"
#include "calculators/materiallist.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace norvane {

template <class Fields, class Texts> class CalcPageWidgets
{
public:
  using Page = CalcPage<Fields, Texts>;

  // Lays the page out on `body`: its inputs (each with its material list below it), a gap,
  // its results, the rows `more` adds, and its notes after a gap.
  void build(QWidget* body, const Page& page, const std::function<void(PageGrid&)>& more = {})
  {
    PageGrid grid(body);
    const Fields defaults{};
    for (const CalcInput<Fields>& in : page.inputs) {
      if (std::ranges::any_of(page.results, [&](const auto& r) { return r.input == in.text; }))
        continue;
      QLineEdit* field = grid.addInput(qtText(in.caption), defaults.*in.text, qtText(in.unit));
      m_inputs.emplace_back(in.text, field);
      if (page.calculateOnLeaving) m_leaveCalculates.push_back(field);
      if (const CalcMaterial* m = in.material) {
        auto* list = new MaterialList(m->items, m->selected, field);
        grid.addWide(qtText(m->caption), list);
        m_materials.emplace_back(in.text, list);
      }
    }
    grid.addSpacing();
    for (const CalcResult<Fields, Texts>& r : page.results)
      m_results.emplace_back(r.text, r.input ? addInputRow(grid, page, r, defaults)
                                             : grid.addResult(qtText(r.caption)));
    if (page.warning) {
      // Right under the results it qualifies; hidden while the inputs are in range.
      QLabel* warning = grid.addNote({});
      warning->setObjectName("rangeWarning");
      warning->setWordWrap(true);
      warning->setStyleSheet("QLabel { color: #a00000; }");
      warning->hide();
      m_warnings.emplace_back(page.warning, warning);
    }
    if (more) more(grid);
    if (!page.notes.empty()) grid.addSpacing();
    for (std::string_view note : page.notes)
      grid.addNote(qtText(note));
    grid.finish();
  }

  void collect(Fields& fields) const
  {
    for (const auto& [text, field] : m_inputs)
      fields.*text = fieldText(field);
  }
  // Writes the texts that changed (the reader rewrote them).
  void show(const Fields& fields) const
  {
    for (const auto& [text, field] : m_inputs)
      setFieldText(field, fields.*text);
  }
  void showResults(const Texts& texts) const
  {
    for (const auto& [text, panel] : m_results)
      panel->setResult(texts.*text);
    for (const auto& [text, label] : m_warnings) {
      label->setText(qtText(texts.*text));
      label->setToolTip(label->text());
      label->setVisible(!label->text().isEmpty());
    }
  }

  QLineEdit* input(std::string Fields::*text) const { return find(m_inputs, text); }
  ResultPanel* result(std::string Texts::*text) const { return find(m_results, text); }
  // The range warning of a page, by its text member.
  QLabel* warning(std::string Texts::*text) const { return find(m_warnings, text); }
  // The material list below the input.
  MaterialList* material(std::string Fields::*text) const { return find(m_materials, text); }

  std::vector<QLineEdit*> inputs() const { return widgets(m_inputs); }
  const std::vector<QLineEdit*>& leaveCalculates() const { return m_leaveCalculates; }
  std::vector<MaterialList*> materials() const { return widgets(m_materials); }

private:
  template <class Member, class Widget> using Pairs = std::vector<std::pair<Member, Widget*>>;

  // "<caption> [<input caption> <field> <input unit> <panel>]"
  ResultPanel* addInputRow(PageGrid& grid, const Page& page, const CalcResult<Fields, Texts>& r,
                           const Fields& defaults)
  {
    const auto in = std::ranges::find(page.inputs, r.input, &CalcInput<Fields>::text);
    auto* field = new QLineEdit(qtText(defaults.*r.input));
    field->setMaximumWidth(80);
    m_inputs.emplace_back(r.input, field);
    auto* panel = new ResultPanel;
    grid.addRow(qtText(r.caption),
                {new QLabel(qtText(in->caption)), field, new QLabel(qtText(in->unit)), panel});
    return panel;
  }

  template <class Member, class Widget>
  static Widget* find(const Pairs<Member, Widget>& pairs, Member member)
  {
    const auto it = std::ranges::find(pairs, member, &std::pair<Member, Widget*>::first);
    return it == pairs.end() ? nullptr : it->second;
  }
  template <class Member, class Widget>
  static std::vector<Widget*> widgets(const Pairs<Member, Widget>& pairs)
  {
    std::vector<Widget*> all;
    for (const auto& pair : pairs)
      all.push_back(pair.second);
    return all;
  }

  Pairs<std::string Fields::*, QLineEdit> m_inputs;
  Pairs<std::string Texts::*, ResultPanel> m_results;
  Pairs<std::string Texts::*, QLabel> m_warnings;
  Pairs<std::string Fields::*, MaterialList> m_materials;
  std::vector<QLineEdit*> m_leaveCalculates;
};

} // namespace norvane

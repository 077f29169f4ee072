#include "calculators/splittercalculatorwindow.h"

#include "assist/splittercalculator.h"
#include "calculators/calcwidgets.h"

#include <QLineEdit>

namespace norvane {

SplitterCalculatorWindow::SplitterCalculatorWindow(Prompts& prompts, QWidget* parent)
    : CalculatorWindow(tr("Splitter"), prompts, parent)
{
  const SplitterFields d;
  {
    PageGrid grid(addPage(tr("Resistive")));
    m_in.resistiveZo = grid.addInput(tr("System Zo"), d.resistiveZo, tr("R"));
    grid.addSpacing();
    m_out.resistiveR = grid.addResult(tr("R="));
    grid.addSpacing();
    grid.addNote(tr("Insertion loss 6dB"));
    grid.finish();
  }
  {
    PageGrid grid(addPage(tr("Wilkinson")));
    m_in.wilkinsonZo = grid.addInput(tr("System Zo"), d.wilkinsonZo, tr("R"));
    m_in.wilkinsonFrequencyMHz = grid.addInput(tr("Frequency"), d.wilkinsonFrequencyMHz, tr("MHz"));
    grid.addSpacing();
    m_out.wilkinsonL = grid.addResult(tr("L="));
    m_out.wilkinsonC1 = grid.addResult(tr("C1="));
    m_out.wilkinsonC2 = grid.addResult(tr("C2="));
    m_out.wilkinsonR = grid.addResult(tr("R="));
    grid.finish();
  }
  finishLayout();

  calculateOnEnteringNotebook();
  calculateWhenLeft({m_in.wilkinsonZo, m_in.wilkinsonFrequencyMHz});
  registerInputs({m_in.resistiveZo, m_in.wilkinsonZo, m_in.wilkinsonFrequencyMHz});
}

CalcNotices SplitterCalculatorWindow::runCalculation()
{
  const SplitterTexts out =
      calculateSplitters({fieldText(m_in.resistiveZo), fieldText(m_in.wilkinsonZo),
                          fieldText(m_in.wilkinsonFrequencyMHz)});
  setFieldText(m_in.resistiveZo, out.fields.resistiveZo);
  setFieldText(m_in.wilkinsonZo, out.fields.wilkinsonZo);
  setFieldText(m_in.wilkinsonFrequencyMHz, out.fields.wilkinsonFrequencyMHz);

  m_out.resistiveR->setResult(out.resistiveR);
  m_out.wilkinsonL->setResult(out.wilkinsonL);
  m_out.wilkinsonC1->setResult(out.wilkinsonC1);
  m_out.wilkinsonC2->setResult(out.wilkinsonC2);
  m_out.wilkinsonR->setResult(out.wilkinsonR);
  return out.notices;
}

} // namespace norvane

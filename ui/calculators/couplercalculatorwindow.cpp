#include "calculators/couplercalculatorwindow.h"

#include "assist/couplercalculator.h"
#include "calculators/calcwidgets.h"

#include <QLineEdit>

namespace norvane {

CouplerCalculatorWindow::CouplerCalculatorWindow(Prompts& prompts, QWidget* parent)
    : CalculatorWindow(tr("Directional Coupler"), prompts, parent)
{
  buildCoupledLines();
  buildLumpedAndQuarterWave();
  buildTransformer();
  finishLayout();

  calculateWhenLeft({m_in.quarterZo, m_in.quarterC1pF, m_in.quarterFrequencyMHz, m_in.primaryTurns,
                     m_in.secondaryTurns});
  registerInputs({m_in.msWidth, m_in.msSpacing, m_in.msThickness, m_in.msHeight,
                  m_in.msPermittivity, m_in.slGroundSpacing, m_in.slThickness, m_in.slPermittivity,
                  m_in.slWidth, m_in.slSpacing, m_in.lumpedZo, m_in.lumpedC1pF,
                  m_in.lumpedFrequencyMHz, m_in.quarterZo, m_in.quarterC1pF,
                  m_in.quarterFrequencyMHz, m_in.primaryTurns, m_in.secondaryTurns});
  calculate();
}

void CouplerCalculatorWindow::buildCoupledLines()
{
  const CouplerFields d;
  const QString mm = QStringLiteral("mm");
  {
    PageGrid grid(addPage(tr("Microstrip")));
    m_in.msWidth = grid.addInput(tr("Line width"), d.msWidth, mm);
    m_in.msSpacing = grid.addInput(tr("Line spacing (A)"), d.msSpacing, mm);
    m_in.msThickness = grid.addInput(tr("Line thickness"), d.msThickness, mm);
    m_in.msHeight = grid.addInput(tr("Dielectric thickness"), d.msHeight, mm);
    m_in.msPermittivity = grid.addInput(tr("Dielectric Er"), d.msPermittivity);
    grid.addSpacing();
    m_out.msCoupling = grid.addResult(tr("Coupling"));
    m_out.msLineZo = grid.addResult(tr("Zo of line"));
    grid.finish();
  }
  {
    PageGrid grid(addPage(tr("Stripline")));
    m_in.slGroundSpacing = grid.addInput(tr("Gnd plane spacing"), d.slGroundSpacing, mm);
    m_in.slThickness = grid.addInput(tr("Line thickness"), d.slThickness, mm);
    m_in.slPermittivity = grid.addInput(tr("Dielectric Er"), d.slPermittivity);
    m_in.slWidth = grid.addInput(tr("Line width"), d.slWidth, mm);
    m_in.slSpacing = grid.addInput(tr("Line spacing"), d.slSpacing, mm);
    grid.addSpacing();
    m_out.slCoupling = grid.addResult(tr("Coupling"));
    m_out.slZo = grid.addResult(tr("Zo"));
    grid.finish();
  }
}

void CouplerCalculatorWindow::buildLumpedAndQuarterWave()
{
  const CouplerFields d;
  {
    PageGrid grid(addPage(tr("Lumped")));
    m_in.lumpedZo = grid.addInput(tr("System Zo"), d.lumpedZo, tr("R"));
    m_in.lumpedC1pF = grid.addInput(tr("Coupling Cap (C1)"), d.lumpedC1pF, tr("pF"));
    m_in.lumpedFrequencyMHz = grid.addInput(tr("Frequency"), d.lumpedFrequencyMHz, tr("MHz"));
    grid.addSpacing();
    m_out.lumpedCoupling = grid.addResult(tr("Approx Coupling"));
    m_out.lumpedL1 = grid.addResult(tr("Inductor (L1)"));
    m_out.lumpedC2 = grid.addResult(tr("Capacitor (C2)"));
    grid.finish();
  }
  {
    PageGrid grid(addPage(tr("lambda/4")));
    m_in.quarterZo = grid.addInput(tr("System Zo"), d.quarterZo, tr("R"));
    m_in.quarterC1pF = grid.addInput(tr("Coupling Cap (C1)"), d.quarterC1pF, tr("pF"));
    m_in.quarterFrequencyMHz = grid.addInput(tr("Frequency"), d.quarterFrequencyMHz, tr("MHz"));
    grid.addSpacing();
    m_out.quarterCoupling = grid.addResult(tr("Approx Coupling"));
    grid.addSpacing();
    grid.addNote(tr("Note: coupling < -15dB"));
    grid.finish();
  }
}

void CouplerCalculatorWindow::buildTransformer()
{
  const CouplerFields d;
  PageGrid grid(addPage(tr("Transformer")));
  m_in.primaryTurns = grid.addInput(tr("Primary Turns (n1)"), d.primaryTurns);
  m_in.secondaryTurns = grid.addInput(tr("Secondary Turns(n2)"), d.secondaryTurns);
  grid.addSpacing();
  m_out.transformerCoupling = grid.addResult(tr("Coupling="));
  grid.addSpacing();
  grid.addNote(tr("Construct on two hole ferrite"));
  grid.addNote(tr("with multifilar windings."));
  grid.finish();
}

CalcNotices CouplerCalculatorWindow::runCalculation()
{
  CouplerFields in;
  in.msWidth = fieldText(m_in.msWidth);
  in.msSpacing = fieldText(m_in.msSpacing);
  in.msThickness = fieldText(m_in.msThickness);
  in.msHeight = fieldText(m_in.msHeight);
  in.msPermittivity = fieldText(m_in.msPermittivity);
  in.slGroundSpacing = fieldText(m_in.slGroundSpacing);
  in.slThickness = fieldText(m_in.slThickness);
  in.slPermittivity = fieldText(m_in.slPermittivity);
  in.slWidth = fieldText(m_in.slWidth);
  in.slSpacing = fieldText(m_in.slSpacing);
  in.lumpedZo = fieldText(m_in.lumpedZo);
  in.lumpedC1pF = fieldText(m_in.lumpedC1pF);
  in.lumpedFrequencyMHz = fieldText(m_in.lumpedFrequencyMHz);
  in.quarterZo = fieldText(m_in.quarterZo);
  in.quarterC1pF = fieldText(m_in.quarterC1pF);
  in.quarterFrequencyMHz = fieldText(m_in.quarterFrequencyMHz);
  in.primaryTurns = fieldText(m_in.primaryTurns);
  in.secondaryTurns = fieldText(m_in.secondaryTurns);

  const CouplerTexts out = calculateCouplers(in);

  const CouplerFields& read = out.fields;
  setFieldText(m_in.msWidth, read.msWidth);
  setFieldText(m_in.msSpacing, read.msSpacing);
  setFieldText(m_in.msThickness, read.msThickness);
  setFieldText(m_in.msHeight, read.msHeight);
  setFieldText(m_in.msPermittivity, read.msPermittivity);
  setFieldText(m_in.slGroundSpacing, read.slGroundSpacing);
  setFieldText(m_in.slThickness, read.slThickness);
  setFieldText(m_in.slPermittivity, read.slPermittivity);
  setFieldText(m_in.slWidth, read.slWidth);
  setFieldText(m_in.slSpacing, read.slSpacing);
  setFieldText(m_in.lumpedZo, read.lumpedZo);
  setFieldText(m_in.lumpedC1pF, read.lumpedC1pF);
  setFieldText(m_in.lumpedFrequencyMHz, read.lumpedFrequencyMHz);
  setFieldText(m_in.quarterZo, read.quarterZo);
  setFieldText(m_in.quarterC1pF, read.quarterC1pF);
  setFieldText(m_in.quarterFrequencyMHz, read.quarterFrequencyMHz);
  setFieldText(m_in.primaryTurns, read.primaryTurns);
  setFieldText(m_in.secondaryTurns, read.secondaryTurns);

  m_out.msCoupling->setResult(out.msCoupling);
  m_out.msLineZo->setResult(out.msLineZo);
  m_out.slCoupling->setResult(out.slCoupling);
  m_out.slZo->setResult(out.slZo);
  m_out.lumpedCoupling->setResult(out.lumpedCoupling);
  m_out.lumpedL1->setResult(out.lumpedL1);
  m_out.lumpedC2->setResult(out.lumpedC2);
  m_out.quarterCoupling->setResult(out.quarterCoupling);
  m_out.transformerCoupling->setResult(out.transformerCoupling);
  return out.notices;
}

} // namespace norvane

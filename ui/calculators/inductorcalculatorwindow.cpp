#include "calculators/inductorcalculatorwindow.h"

#include "assist/inductorcalculator.h"
#include "calculators/calcwidgets.h"

#include <QLineEdit>

namespace norvane {

InductorCalculatorWindow::InductorCalculatorWindow(Prompts& prompts, QWidget* parent)
    : CalculatorWindow(tr("Inductor"), prompts, parent)
{
  const InductorFields defaults;
  const QString mm = QStringLiteral("mm");
  {
    PageGrid grid(addPage(tr("Air Cored Inductor")));
    m_in.airLength = grid.addInput(tr("Length"), defaults.airLength, mm);
    m_in.airDiameter = grid.addInput(tr("Diameter"), defaults.airDiameter, mm);
    m_in.airTurns = grid.addInput(tr("Number of turns"), defaults.airTurns);
    grid.addSpacing();
    m_out.airInductance = grid.addResult(tr("L="));
    grid.finish();
  }
  {
    PageGrid grid(addPage(tr("Printed Spiral Inductor")));
    m_in.spiralSide = grid.addInput(tr("Side Length (A)"), defaults.spiralSide, mm);
    m_in.spiralTurns = grid.addInput(tr("Number of turns"), defaults.spiralTurns);
    grid.addSpacing();
    m_out.spiralInductance = grid.addResult(tr("Low Freq Inductance="));
    grid.addSpacing();
    grid.addNote(tr("1/ Track width = track spacing (B)"));
    grid.addNote(tr("2/ Inductance is approximate"));
    grid.finish();
  }
  {
    PageGrid grid(addPage(tr("Printed Short cct stub")));
    m_in.stubImpedance = grid.addInput(tr("Tx Line Zo "), defaults.stubImpedance, tr("R"));
    m_in.stubLength = grid.addInput(tr("Length (L)"), defaults.stubLength, mm);
    m_in.stubVelocity = grid.addInput(tr("Phase velocity"), defaults.stubVelocity, tr("x10^8 m/s"));
    m_in.stubFrequencyMHz = grid.addInput(tr("Frequency"), defaults.stubFrequencyMHz, tr("MHz"));
    grid.addSpacing();
    m_out.stubReactance = grid.addResult(tr("Zin="));
    m_out.stubInductance = grid.addResult(tr("L="));
    grid.finish();
  }
  finishLayout();

  calculateOnEnteringNotebook();
  calculateWhenLeft(
      {m_in.stubImpedance, m_in.stubLength, m_in.stubVelocity, m_in.stubFrequencyMHz});
  registerInputs({m_in.airLength, m_in.airDiameter, m_in.airTurns, m_in.spiralSide,
                  m_in.spiralTurns, m_in.stubImpedance, m_in.stubLength, m_in.stubVelocity,
                  m_in.stubFrequencyMHz});
}

CalcNotices InductorCalculatorWindow::runCalculation()
{
  const InductorFields in{
      fieldText(m_in.airLength),  fieldText(m_in.airDiameter),  fieldText(m_in.airTurns),
      fieldText(m_in.spiralSide), fieldText(m_in.spiralTurns),  fieldText(m_in.stubImpedance),
      fieldText(m_in.stubLength), fieldText(m_in.stubVelocity), fieldText(m_in.stubFrequencyMHz)};
  const InductorTexts out = calculateInductors(in);

  const InductorFields& read = out.fields;
  setFieldText(m_in.airLength, read.airLength);
  setFieldText(m_in.airDiameter, read.airDiameter);
  setFieldText(m_in.airTurns, read.airTurns);
  setFieldText(m_in.spiralSide, read.spiralSide);
  setFieldText(m_in.spiralTurns, read.spiralTurns);
  setFieldText(m_in.stubImpedance, read.stubImpedance);
  setFieldText(m_in.stubLength, read.stubLength);
  setFieldText(m_in.stubVelocity, read.stubVelocity);
  setFieldText(m_in.stubFrequencyMHz, read.stubFrequencyMHz);

  m_out.airInductance->setResult(out.airInductance);
  m_out.spiralInductance->setResult(out.spiralInductance);
  m_out.stubReactance->setResult(out.stubReactance);
  m_out.stubInductance->setResult(out.stubInductance);
  return out.notices;
}

} // namespace norvane

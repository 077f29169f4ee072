#include "calculators/capacitorcalculatorwindow.h"

#include "assist/capacitorcalculator.h"
#include "calculators/calcwidgets.h"
#include "calculators/materiallist.h"

#include <QLineEdit>

namespace norvane {

CapacitorCalculatorWindow::CapacitorCalculatorWindow(Prompts& prompts, QWidget* parent)
    : CalculatorWindow(tr("Capacitor"), prompts, parent)
{
  const CapacitorFields defaults;
  PageGrid grid(singlePage());
  m_area = grid.addInput(tr("Plate Area (A)"), defaults.area, tr("sq mm"));
  m_spacing = grid.addInput(tr("Plate Spacing (S)"), defaults.spacing, tr("mm"));
  m_permittivity = grid.addInput(tr("Dielectric  Er    (D)"), defaults.permittivity);
  m_dielectric = new MaterialList(kDielectricMaterials, kCapacitorMaterialDefault, m_permittivity);
  grid.addWide(tr("Dielectric"), m_dielectric);
  grid.addSpacing();
  m_capacitance = grid.addResult(tr("Capacitance ="));
  grid.finish();
  finishLayout();

  connect(m_dielectric, &MaterialList::chosen, this, [this] { recalculate(Trigger::User); });
  registerInputs({m_area, m_spacing, m_permittivity});
  calculate();
}

CalcNotices CapacitorCalculatorWindow::runCalculation()
{
  const CapacitorTexts out =
      calculateCapacitor({fieldText(m_area), fieldText(m_spacing), fieldText(m_permittivity)});
  setFieldText(m_area, out.fields.area);
  setFieldText(m_spacing, out.fields.spacing);
  setFieldText(m_permittivity, out.fields.permittivity);
  m_capacitance->setResult(out.capacitance);
  return out.notices;
}

} // namespace norvane

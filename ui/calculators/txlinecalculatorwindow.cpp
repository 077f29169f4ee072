#include "calculators/txlinecalculatorwindow.h"

#include "assist/txlinecalculator.h"
#include "calculators/calcwidgets.h"
#include "calculators/materiallist.h"
#include "platform/prompts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace norvane {

namespace {
const QString kMm = QStringLiteral("mm");
} // namespace

TxLineCalculatorWindow::TxLineCalculatorWindow(Prompts& prompts, QWidget* parent)
    : CalculatorWindow(tr("Transmission Line"), prompts, parent), m_prompts(prompts)
{
  buildMicrostrip();
  buildStripline();
  buildCoax();
  buildFlatTwin();
  finishLayout();

  for (MaterialList* list : {m_microstrip.dielectric, m_stripline.dielectric, m_coax.dielectric,
                             m_flatTwin.magnetic, m_flatTwin.dielectric})
    connect(list, &MaterialList::chosen, this, [this] { recalculate(Trigger::User); });

  calculateOnActivation();
  calculateWhenLeft({m_microstrip.width, m_microstrip.thickness, m_microstrip.height,
                     m_microstrip.permittivity, m_coax.shieldDiameter, m_coax.conductorDiameter,
                     m_coax.permittivity});
  registerInputs({m_microstrip.width, m_microstrip.thickness, m_microstrip.height,
                  m_microstrip.permittivity, m_stripline.width, m_stripline.thickness,
                  m_stripline.separation, m_stripline.permittivity, m_coax.shieldDiameter,
                  m_coax.conductorDiameter, m_coax.permittivity, m_coax.frequencyMHz,
                  m_flatTwin.separation, m_flatTwin.conductorDiameter, m_flatTwin.permeability,
                  m_flatTwin.permittivity});
}

void TxLineCalculatorWindow::buildMicrostrip()
{
  const MicrostripFields defaults;
  PageGrid grid(addPage(tr("Microstrip")));
  Microstrip& m = m_microstrip;
  m.width = grid.addInput(tr("Track Width (W)"), defaults.width, kMm);
  m.thickness = grid.addInput(tr("Track Thickness (T)"), defaults.thickness, kMm);
  m.height = grid.addInput(tr("Dielectric Thickness (H)"), defaults.height, kMm);
  m.permittivity = grid.addInput(tr("Dielectric Permittivity (Er)"), defaults.permittivity);
  m.dielectric =
      new MaterialList(kDielectricMaterials, TxLineMaterialDefaults::microstrip, m.permittivity);
  grid.addWide(tr("Dielectric"), m.dielectric);
  grid.addSpacing();
  m.impedance = grid.addResult(tr("Characteristic Impedance="));
  m.velocity = grid.addResult(tr("Phase Velocity ="));
  addSynthesis(grid, TxLinePage::Microstrip);
  grid.addSpacing();
  grid.addNote(tr("Notes:"));
  grid.addNote(tr("Zo Accuracy <5% "));
  grid.finish();
}

void TxLineCalculatorWindow::buildStripline()
{
  const StriplineFields defaults;
  PageGrid grid(addPage(tr("Stripline")));
  Stripline& s = m_stripline;
  s.width = grid.addInput(tr("Track Width (W)"), defaults.width, kMm);
  s.thickness = grid.addInput(tr("Track Thickness (T)"), defaults.thickness, kMm);
  s.separation = grid.addInput(tr("Gnd Plane Separation (S)"), defaults.separation, kMm);
  s.permittivity = grid.addInput(tr("Dielectric Permittivity (Er)"), defaults.permittivity);
  s.dielectric =
      new MaterialList(kDielectricMaterials, TxLineMaterialDefaults::stripline, s.permittivity);
  grid.addWide(tr("Dielectric"), s.dielectric);
  grid.addSpacing();
  s.impedance = grid.addResult(tr("Characteristic Impedance="));
  s.velocity = grid.addResult(tr("Phase Velocity ="));
  addSynthesis(grid, TxLinePage::Stripline);
  grid.addSpacing();
  grid.addNote(tr("Notes:"));
  grid.addNote(tr("Zo Accuracy <5% "));
  grid.finish();
}

void TxLineCalculatorWindow::buildCoax()
{
  const CoaxFields defaults;
  PageGrid grid(addPage(tr("Co-axial cable")));
  Coax& c = m_coax;
  c.shieldDiameter = grid.addInput(tr("Shield Diameter (D)"), defaults.shieldDiameter, kMm);
  c.conductorDiameter =
      grid.addInput(tr("Conductor Diameter (d)"), defaults.conductorDiameter, kMm);
  c.permittivity = grid.addInput(tr("Dielectric Permittivity (Er)"), defaults.permittivity);
  c.dielectric =
      new MaterialList(kDielectricMaterials, TxLineMaterialDefaults::coax, c.permittivity);
  grid.addWide(tr("Dielectric"), c.dielectric);
  grid.addSpacing();
  c.impedance = grid.addResult(tr("Characteristic Impedance="));
  c.frequencyMHz = new QLineEdit(QString::fromLatin1(defaults.frequencyMHz.c_str()));
  c.frequencyMHz->setMaximumWidth(80);
  c.loss = new ResultPanel;
  grid.addRow(tr("For copper"),
              {new QLabel(tr("Atten @")), c.frequencyMHz, new QLabel(tr("MHz = ")), c.loss});
  c.velocity = grid.addResult(tr("Phase Velocity ="));
  addSynthesis(grid, TxLinePage::Coax);
  grid.finish();
}

void TxLineCalculatorWindow::buildFlatTwin()
{
  const FlatTwinFields defaults;
  PageGrid grid(addPage(tr("Flat-twin")));
  FlatTwin& f = m_flatTwin;
  f.separation = grid.addInput(tr("Separation (s)"), defaults.separation, kMm);
  f.conductorDiameter =
      grid.addInput(tr("Conductor diameter (d)"), defaults.conductorDiameter, kMm);
  f.permeability = grid.addInput(tr("relative permeability"), defaults.permeability);
  f.magnetic = new MaterialList(kMagneticMaterials, TxLineMaterialDefaults::flatTwinMagnetic,
                                f.permeability);
  grid.addWide(tr("magnetic medium"), f.magnetic);
  f.permittivity = grid.addInput(tr("relative permittivity"), defaults.permittivity);
  f.dielectric = new MaterialList(kDielectricMaterials, TxLineMaterialDefaults::flatTwinDielectric,
                                  f.permittivity);
  grid.addWide(tr("dielectric"), f.dielectric);
  grid.addSpacing();
  f.impedance = grid.addResult(tr("Characteristic Impedance="));
  addSynthesis(grid, TxLinePage::FlatTwin);
  grid.finish();
}

void TxLineCalculatorWindow::addSynthesis(PageGrid& grid, TxLinePage page)
{
  SynthesisRow& row = m_synthesis[static_cast<size_t>(page)];
  row = addSynthesisRow(grid, tr(synthesizedFieldLabel(page)));
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
  in.microstrip = {fieldText(m_microstrip.width), fieldText(m_microstrip.thickness),
                   fieldText(m_microstrip.height), fieldText(m_microstrip.permittivity)};
  in.stripline = {fieldText(m_stripline.width), fieldText(m_stripline.thickness),
                  fieldText(m_stripline.separation), fieldText(m_stripline.permittivity)};
  in.coax = {fieldText(m_coax.shieldDiameter), fieldText(m_coax.conductorDiameter),
             fieldText(m_coax.permittivity), fieldText(m_coax.frequencyMHz)};
  in.flatTwin = {fieldText(m_flatTwin.separation), fieldText(m_flatTwin.conductorDiameter),
                 fieldText(m_flatTwin.permeability), fieldText(m_flatTwin.permittivity)};
  return in;
}

void TxLineCalculatorWindow::showFields(const TxLineFields& read)
{
  setFieldText(m_microstrip.width, read.microstrip.width);
  setFieldText(m_microstrip.thickness, read.microstrip.thickness);
  setFieldText(m_microstrip.height, read.microstrip.height);
  setFieldText(m_microstrip.permittivity, read.microstrip.permittivity);
  setFieldText(m_stripline.width, read.stripline.width);
  setFieldText(m_stripline.thickness, read.stripline.thickness);
  setFieldText(m_stripline.separation, read.stripline.separation);
  setFieldText(m_stripline.permittivity, read.stripline.permittivity);
  setFieldText(m_coax.shieldDiameter, read.coax.shieldDiameter);
  setFieldText(m_coax.conductorDiameter, read.coax.conductorDiameter);
  setFieldText(m_coax.permittivity, read.coax.permittivity);
  setFieldText(m_coax.frequencyMHz, read.coax.frequencyMHz);
  setFieldText(m_flatTwin.separation, read.flatTwin.separation);
  setFieldText(m_flatTwin.conductorDiameter, read.flatTwin.conductorDiameter);
  setFieldText(m_flatTwin.permeability, read.flatTwin.permeability);
  setFieldText(m_flatTwin.permittivity, read.flatTwin.permittivity);
}

CalcNotices TxLineCalculatorWindow::runCalculation()
{
  const TxLineTexts out = calculateTxLines(fieldsShown());
  showFields(out.fields);

  m_microstrip.impedance->setResult(out.microstripImpedance);
  m_microstrip.velocity->setResult(out.microstripVelocity);
  m_stripline.impedance->setResult(out.striplineImpedance);
  m_stripline.velocity->setResult(out.striplineVelocity);
  m_coax.impedance->setResult(out.coaxImpedance);
  m_coax.loss->setResult(out.coaxLoss);
  m_coax.velocity->setResult(out.coaxVelocity);
  m_flatTwin.impedance->setResult(out.flatTwinImpedance);
  return out.notices;
}

} // namespace norvane

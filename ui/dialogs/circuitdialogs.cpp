#include "dialogs/circuitdialogs.h"

#include "dialogs/realedit.h"
#include "dialogs/tolerancegroup.h"
#include "editor/propertymapping.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace norvane {

// ---- Op-amp --------------------------------------------------------------------------------

OpAmpDialog::OpAmpDialog(QWidget* parent)
    : ComponentDialog(tr("Edit Op-Amp"), parent),
      m_ri(makeParameterEdit(ComponentType::OpAmp, "inputResistance", "0R", this)),
      m_ro(makeParameterEdit(ComponentType::OpAmp, "outputResistance", "0R", this)),
      m_gain(makeParameterEdit(ComponentType::OpAmp, "gain", "0dB", this))
{
  auto* grid = new QGridLayout;
  addFieldRow(grid, tr("Input Resistance"), m_ri);
  addFieldRow(grid, tr("Output Resistance"), m_ro);
  addFieldRow(grid, tr("Open Loop Gain"), m_gain);
  body()->addLayout(grid);
}

void OpAmpDialog::loadFrom(const Component& comp, const Schematic&)
{
  const OpAmpForm form = readOpAmpForm(comp);
  m_ri->Setvalue(form.inputResistance);
  m_ro->Setvalue(form.outputResistance);
  m_gain->Setvalue(form.gainDb);
}

void OpAmpDialog::storeInto(Component& comp, Schematic&)
{
  storeOpAmpForm({m_ri->Getvalue(), m_ro->Getvalue(), m_gain->Getvalue()}, comp);
}

QWidget* OpAmpDialog::firstField() const
{
  return m_ri;
}

// ---- Transmission line -----------------------------------------------------------------------

TransmissionLineDialog::TransmissionLineDialog(QWidget* parent)
    : ComponentDialog(tr("Edit Transmission Line Element"), parent),
      m_zo(makeParameterToleranceEdit(ComponentType::TxLine, "impedance", "50R", this)),
      m_velocity(makeParameterEdit(ComponentType::TxLine, "velocity", "300M m/s", this)),
      m_length(makeParameterToleranceEdit(ComponentType::TxLine, "length", "0 m", this)),
      m_zoGroup(new ToleranceGroup(tr("Zo Tolerance"), QStringLiteral("R"), m_zo, this)),
      m_lengthGroup(new ToleranceGroup(tr("Length Tolerance"), QStringLiteral("m"), m_length, this))
{
  auto* grid = new QGridLayout;
  addFieldRow(grid, tr("Line Zo"), m_zo);
  addFieldRow(grid, tr("Phase Velocity"), m_velocity);
  addFieldRow(grid, tr("Length"), m_length);
  body()->addLayout(grid);
  auto* groups = new QHBoxLayout;
  groups->addWidget(m_zoGroup);
  groups->addWidget(m_lengthGroup);
  body()->addLayout(groups);
  auto* calculators = new QHBoxLayout;
  calculators->addWidget(
      calculatorButton(tr("Transmission Line Calculator"), CalculatorRequest::TransmissionLine));
  calculators->addWidget(calculatorButton(tr("RF Calculator"), CalculatorRequest::RfWavelength));
  body()->addLayout(calculators);
}

void TransmissionLineDialog::loadFrom(const Component& comp, const Schematic&)
{
  const TxLineForm form = readTxLineForm(comp);
  m_zo->settol(form.zo);
  m_velocity->Setvalue(form.velocity);
  m_length->settol(form.length);
  m_zoGroup->showFromField();
  m_lengthGroup->showFromField();
}

void TransmissionLineDialog::storeInto(Component& comp, Schematic&)
{
  TxLineForm form{parameterSlot(comp, "impedance"), 0.0, parameterSlot(comp, "length")};
  m_zo->gettol(form.zo);
  form.velocity = m_velocity->Getvalue();
  m_length->gettol(form.length);
  storeTxLineForm(form, comp);
}

QWidget* TransmissionLineDialog::firstField() const
{
  return m_zo;
}

// ---- Transformer and mutual inductance --------------------------------------------------------

CoupledCoilsDialog::CoupledCoilsDialog(const QString& caption, const QString& modelCheck,
                                       QWidget* parent)
    : ComponentDialog(caption, parent),
      m_primary(makeParameterEdit(ComponentType::Transformer, "primaryTurns", "1", this)),
      m_secondary(makeParameterEdit(ComponentType::Transformer, "secondaryTurns", "1", this)),
      m_useModel(new QCheckBox(modelCheck, this)),
      m_model(new QGroupBox(tr("Physical Model"), this)),
      m_inductance(makeParameterEdit(ComponentType::Transformer, "primaryInductance", "1uH", this)),
      m_coupling(makeParameterEdit(ComponentType::Transformer, "coupling", "1", this))
{
  auto* grid = new QGridLayout;
  addFieldRow(grid, tr("Primary Turns"), m_primary);
  addFieldRow(grid, tr("Secondary Turns"), m_secondary);
  body()->addLayout(grid);
  body()->addWidget(m_useModel);
  auto* modelGrid = new QGridLayout(m_model);
  addFieldRow(modelGrid, tr("Primary Inductance"), m_inductance);
  addFieldRow(modelGrid, tr("Coupling Factor (k)"), m_coupling);
  body()->addWidget(m_model);
  // The model's figures mean something only while the model is used.
  connect(m_useModel, &QCheckBox::toggled, m_model, &QWidget::setEnabled);
  m_model->setEnabled(false);
}

void CoupledCoilsDialog::loadFrom(const Component& comp, const Schematic&)
{
  const CoupledCoilsForm form = readCoupledCoilsForm(comp);
  m_primary->Setvalue(form.primaryTurns);
  m_secondary->Setvalue(form.secondaryTurns);
  m_inductance->Setvalue(form.primaryInductance);
  m_coupling->Setvalue(form.coupling);
  m_useModel->setChecked(form.physicalModel);
  m_model->setEnabled(form.physicalModel);
}

void CoupledCoilsDialog::storeInto(Component& comp, Schematic&)
{
  CoupledCoilsForm form;
  form.primaryTurns = m_primary->Getvalue();
  form.secondaryTurns = m_secondary->Getvalue();
  form.physicalModel = m_useModel->isChecked();
  form.primaryInductance = m_inductance->Getvalue();
  form.coupling = m_coupling->Getvalue();
  storeCoupledCoilsForm(form, comp);
}

QWidget* CoupledCoilsDialog::firstField() const
{
  return m_primary;
}

TransformerDialog::TransformerDialog(QWidget* parent)
    : CoupledCoilsDialog(tr("Transformer Properties"), tr("Enable Physical Model"), parent)
{
}

MutualInductanceDialog::MutualInductanceDialog(QWidget* parent)
    : CoupledCoilsDialog(tr("Mulual inductance properties"), tr("Use Physical Model"), parent)
{
}

} // namespace norvane

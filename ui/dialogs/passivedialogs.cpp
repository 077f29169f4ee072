#include "dialogs/passivedialogs.h"

#include "dialogs/realedit.h"
#include "dialogs/tolerancegroup.h"
#include "editor/propertymapping.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace norvane {

// ---- Capacitor and inductor ------------------------------------------------------------------

ReactiveDialog::ReactiveDialog(const ReactiveDialogTexts& texts, QWidget* parent)
    : ComponentDialog(QString::fromLatin1(texts.caption), parent),
      m_value(makeParameterToleranceEdit(texts.kind, texts.valueName, texts.defaultText, this)),
      m_group(new ToleranceGroup(
          QString::fromLatin1(texts.toleranceTitle),
          QString::fromLatin1(componentKind(texts.kind).parameter(texts.valueName)->unit), m_value,
          this)),
      m_useModel(new QCheckBox(QString::fromLatin1(texts.modelCheck), this)),
      m_model(new QGroupBox(tr("Physical Model"), this)),
      m_q(makeParameterEdit(texts.kind, "q", "0", this)),
      m_qFreq(makeParameterEdit(texts.kind, "qFrequency", "0Hz", this)),
      m_srf(makeParameterEdit(texts.kind, "selfResonance", "0Hz", this))
{
  auto* grid = new QGridLayout;
  addFieldRow(grid, QString::fromLatin1(texts.valueCaption), m_value);
  body()->addLayout(grid);
  body()->addWidget(m_group);
  body()->addWidget(m_useModel);

  auto* modelLayout = new QVBoxLayout(m_model);
  auto* modelGrid = new QGridLayout;
  addFieldRow(modelGrid, QString::fromLatin1(texts.qCaption), m_q);
  addFieldRow(modelGrid, tr("at "), m_qFreq);
  addFieldRow(modelGrid, tr("self resonant frequency"), m_srf);
  modelLayout->addLayout(modelGrid);
  auto* modeBox = new QGroupBox(tr("Q Mode"), m_model);
  auto* modeLayout = new QVBoxLayout(modeBox);
  for (std::size_t i = 0; i < m_qModes.size(); ++i) {
    m_qModes[i] = new QRadioButton(QString::fromLatin1(texts.qModes[i]), modeBox);
    modeLayout->addWidget(m_qModes[i]);
  }
  modelLayout->addWidget(modeBox);
  auto* calculators = new QHBoxLayout;
  calculators->addWidget(
      calculatorButton(QString::fromLatin1(texts.calculatorCaption), texts.calculator));
  calculators->addWidget(calculatorButton(tr("RF Calculator"), CalculatorRequest::RfResonance));
  modelLayout->addLayout(calculators);
  body()->addWidget(m_model);

  connect(m_useModel, &QCheckBox::toggled, this, &ReactiveDialog::showModel);
  showModel(false);
}

QRadioButton* ReactiveDialog::qModeButton(int mode) const
{
  if (mode < 1 || mode > static_cast<int>(m_qModes.size())) return nullptr;
  return m_qModes[static_cast<std::size_t>(mode - 1)];
}

void ReactiveDialog::showModel(bool shown)
{
  m_model->setVisible(shown);
  adjustSize();
}

void ReactiveDialog::loadFrom(const Component& comp, const Schematic&)
{
  const ReactiveForm form = readReactiveForm(comp);
  m_value->settol(form.value);
  m_group->showFromField();
  m_q->Setvalue(form.q);
  m_qFreq->Setvalue(form.qFrequency);
  m_srf->Setvalue(form.selfResonance);
  qModeButton(form.qMode)->setChecked(true);
  m_useModel->setChecked(form.physicalModel);
  showModel(form.physicalModel);
}

void ReactiveDialog::storeInto(Component& comp, Schematic&)
{
  ReactiveForm form;
  form.value = readReactiveForm(comp).value;
  m_value->gettol(form.value);
  form.physicalModel = m_useModel->isChecked();
  form.q = m_q->Getvalue();
  form.qFrequency = m_qFreq->Getvalue();
  form.selfResonance = m_srf->Getvalue();
  for (int mode = 1; mode <= kQModeCount; ++mode) {
    if (qModeButton(mode)->isChecked()) form.qMode = mode;
  }
  storeReactiveForm(form, comp);
}

QWidget* ReactiveDialog::firstField() const
{
  return m_value;
}

namespace {

const ReactiveDialogTexts kCapacitorTexts{
    "Edit Capacitor",
    "Capacitance",
    ComponentType::Capacitor,
    "capacitance",
    "0F",
    "Tolerances",
    "Use Physical Model",
    "Capacitor Q",
    {"Q(f)=Q(F)*F/f (Q decreases with frequency, resistive losses constant)",
     "Q(f)=Q(F)*sqrt(F/f) (Q varies as sqrt with frequency)",
     "Q(f)=Q(F)  (Q remains constant over freq, resistive losses track Xc)"},
    "Capacitor Calculator",
    CalculatorRequest::Capacitor};

const ReactiveDialogTexts kInductorTexts{
    "Edit Inductor ",
    "Inductance",
    ComponentType::Inductor,
    "inductance",
    "0H",
    "Tolerance",
    "Use Physical Model ",
    "Inductor Q",
    {"Q(f)=Q(F)*f/F (Q increases with frequency, resistive losses constant)",
     "Q(f)=Q(F)*sqrt(f/F)  ( Q increases as sqrt with frequency)",
     "Q(f)=Q(F) (Q remains constant over freq, resistive losses track XL)"},
    "Inductor Calculator",
    CalculatorRequest::Inductor};

} // namespace

CapacitorDialog::CapacitorDialog(QWidget* parent) : ReactiveDialog(kCapacitorTexts, parent) {}

InductorDialog::InductorDialog(QWidget* parent) : ReactiveDialog(kInductorTexts, parent) {}

} // namespace norvane

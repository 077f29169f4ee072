#include "assistants/attenuatorwindow.h"

#include "assistants/assistantfield.h"
#include "assistants/assistantpreview.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace norvane {

AttenuatorWindow::AttenuatorWindow(const Environment& env, Prompts& prompts, QWidget* parent)
    : AssistantWindow("Attenuator", env, prompts, parent)
{
  setObjectName("AttenuatorAssistant");
  m_topology = new QComboBox;
  for (const char* name : kAttenuatorTopologyNames)
    m_topology->addItem(name);
  m_topology->setCurrentIndex(static_cast<int>(AttenuatorTopology::Pi));
  m_zin = new QLineEdit("50");
  m_zout = new QLineEdit("50");
  m_attenuation = new QLineEdit("10");
  m_tolerance = new QLineEdit("5%");

  auto* form = new QFormLayout;
  form->addRow("Topology", m_topology);
  form->addRow("Input Impedance", m_zin);
  form->addRow("Output Impedance", m_zout);
  form->addRow("Attenuation", m_attenuation);
  form->addRow("Resistor Tolerance +/-", m_tolerance);
  auto* inputs = new QVBoxLayout;
  inputs->addLayout(form);
  inputs->addStretch(1);

  m_preview->setMinimumSize(260, 160);
  auto* row = new QHBoxLayout;
  row->addLayout(inputs);
  row->addWidget(m_preview, 1);
  auto* column = new QVBoxLayout(this);
  column->addLayout(row, 1);
  column->addLayout(buttonRow());

  connect(m_topology, &QComboBox::currentIndexChanged, this, &AttenuatorWindow::topologyChanged);
  calculate();
}

void AttenuatorWindow::topologyChanged()
{
  // The bridged Tee is built for one impedance on both sides.
  const bool bridged =
      m_topology->currentIndex() == static_cast<int>(AttenuatorTopology::BridgedTee);
  m_zout->setEnabled(!bridged);
  if (bridged) m_zout->setText(m_zin->text());
  calculate();
}

AssistantWindow::Design AttenuatorWindow::design()
{
  AttenuatorInput in;
  in.topology = static_cast<AttenuatorTopology>(m_topology->currentIndex());
  FieldTexts fields;
  const auto zin = fields.read(m_zin, "Input Impedance", "R");
  const auto zout = fields.read(m_zout, "Output Impedance", "R");
  const auto a = fields.read(m_attenuation, "Attenuation", "dB");
  const auto t = fields.read(m_tolerance, "Resistor Tolerance", "%");
  if (fields.failed()) return {false, fields.error(), {}};
  in.zin = *zin;
  in.zout = *zout;
  in.attenuationDb = *a;
  in.resistorTol = *t;
  AttenuatorResult r = designAttenuator(in);
  return {r.built, r.error, std::move(r.circuit)};
}

QString AttenuatorWindow::inputSnapshot() const
{
  return QStringList{QString::number(m_topology->currentIndex()), m_zin->text(), m_zout->text(),
                     m_attenuation->text(), m_tolerance->text()}
      .join('\n');
}

} // namespace norvane

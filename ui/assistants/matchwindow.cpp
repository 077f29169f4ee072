#include "assistants/matchwindow.h"

#include "assistants/assistantpreview.h"
#include "dialogs/realedit.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QMetaObject>
#include <QVBoxLayout>

namespace norvane {

namespace {

RealEdit* field(const char* units, double value, double min, double max)
{
  auto* f = new RealEdit;
  f->setUnits(units);
  f->setDecimalPlaces(2);
  f->setLimits(min, max);
  f->Setvalue(value);
  return f;
}

} // namespace

MatchWindow::MatchWindow(const Environment& env, Prompts& prompts, QWidget* parent)
    : AssistantWindow("Match", env, prompts, parent)
{
  setObjectName("MatchAssistant");
  m_topology = new QComboBox;
  for (const char* name : kMatchTopologyNames)
    m_topology->addItem(name);
  const MatchingInput defaults;
  m_topology->setCurrentIndex(static_cast<int>(defaults.topology));
  m_zin = field("R", defaults.zin, 1, 1e7);
  m_zout = field("R", defaults.zout, 1, 1e7);
  m_frequency = field("Hz", defaults.frequency, 1, 1e12);
  m_bandwidth = field("Hz", defaults.bandwidth, 1, 1e12);
  m_ltol = field("%", defaults.inductorTol, 0, 100);
  m_ctol = field("%", defaults.capacitorTol, 0, 100);
  m_rtol = field("%", defaults.resistorTol, 0, 100);

  auto* form = new QFormLayout;
  form->addRow("Topology", m_topology);
  form->addRow("Zin", m_zin);
  form->addRow("Zout", m_zout);
  form->addRow("Frequency", m_frequency);
  form->addRow("Bandwidth", m_bandwidth);
  form->addRow("Inductors +/-", m_ltol);
  form->addRow("Capacitors +/-", m_ctol);
  form->addRow("Resistors +/-", m_rtol);

  m_preview->setMinimumSize(300, 160);
  auto* column = new QVBoxLayout(this);
  column->addWidget(m_preview, 1);
  column->addLayout(form);
  column->addLayout(buttonRow());

  connect(m_topology, &QComboBox::currentIndexChanged, this, [this] { calculate(); });
  calculate();
}

void MatchWindow::enableFields()
{
  const auto t = static_cast<MatchTopology>(m_topology->currentIndex());
  m_frequency->setEnabled(matchUsesFrequency(t));
  m_bandwidth->setEnabled(matchUsesBandwidth(t));
}

AssistantWindow::Design MatchWindow::design()
{
  enableFields();
  MatchingInput in;
  in.topology = static_cast<MatchTopology>(m_topology->currentIndex());
  in.zin = m_zin->Getvalue();
  in.zout = m_zout->Getvalue();
  in.frequency = m_frequency->Getvalue();
  in.bandwidth = m_bandwidth->Getvalue();
  in.inductorTol = m_ltol->Getvalue();
  in.capacitorTol = m_ctol->Getvalue();
  in.resistorTol = m_rtol->Getvalue();
  MatchingResult r = designMatchingNetwork(in);
  if (r.built && r.bandwidth != in.bandwidth) {
    m_bandwidth->Setvalue(r.bandwidth); // the L network's own bandwidth, f / Q
  }
  return {r.built, r.error, std::move(r.circuit)};
}

AssistantWriteSettings MatchWindow::writeSettings() const
{
  return matchingWriteSettings(m_frequency->value(), m_bandwidth->value());
}

QString MatchWindow::inputSnapshot() const
{
  QStringList texts{QString::number(m_topology->currentIndex())};
  for (const RealEdit* f : {m_zin, m_zout, m_frequency, m_bandwidth, m_ltol, m_ctol, m_rtol})
    texts << f->text();
  return texts.join('\n');
}

bool MatchWindow::event(QEvent* event)
{
  if (event->type() == QEvent::WindowActivate) {
    // After the activation is handled: an error box must not open from inside it.
    QMetaObject::invokeMethod(
        this, [this] { calculateIfChanged(); }, Qt::QueuedConnection);
  }
  return AssistantWindow::event(event);
}

} // namespace norvane

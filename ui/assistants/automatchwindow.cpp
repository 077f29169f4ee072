#include "assistants/automatchwindow.h"

#include "dialogs/realedit.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace norvane {

namespace {

RealEdit* resistanceField()
{
  auto* f = new RealEdit;
  f->setUnits("R");
  f->setDecimalPlaces(2);
  f->setLimits(1e-3, 1e7);
  return f;
}

QGroupBox* makePortGroup(const QString& title, const QString& label, RealEdit* target,
                         QComboBox* topology)
{
  auto* group = new QGroupBox(title);
  auto* form = new QFormLayout(group);
  form->addRow(label, target);
  topology->addItems({"Low Pass", "High Pass"});
  form->addRow("match topology", topology);
  return group;
}

} // namespace

AutoMatchWindow::AutoMatchWindow(QWidget* parent) : QDialog(parent)
{
  setObjectName("AutoMatch");
  setWindowTitle("Auto Match");
  setModal(false);
  m_frequency = new RealEdit;
  m_frequency->setUnits("Hz");
  m_frequency->setDecimalPlaces(3);
  m_frequency->setLimits(1e-3, 1e12);
  m_r1 = resistanceField();
  m_r2 = resistanceField();
  m_top1 = new QComboBox;
  m_top2 = new QComboBox;

  auto* column = new QVBoxLayout(this);
  column->addWidget(new QLabel("Note:Schematic will be modified to include\n"
                               "automatically generated match networks."));
  auto* freq = new QFormLayout;
  freq->addRow("Calculate match at ", m_frequency);
  column->addLayout(freq);

  auto* typeBox = new QGroupBox("Match type");
  auto* typeColumn = new QVBoxLayout(typeBox);
  m_modes = new QButtonGroup(this);
  const struct
  {
    int mode;
    const char* caption;
  } modes[] = {{matchmode::Port1, "Port 1 only"},
               {matchmode::Port2, "Port 2 only"},
               {matchmode::Simultaneous, "Simultaneous Conjugate"}};
  for (const auto& m : modes) {
    auto* button = new QRadioButton(m.caption);
    m_modes->addButton(button, m.mode);
    typeColumn->addWidget(button);
  }
  modeButton(matchmode::Simultaneous)->setChecked(true);
  column->addWidget(typeBox);

  m_group1 = makePortGroup("Port 1 Parameters", "match to port 1 Zo of", m_r1, m_top1);
  m_group2 = makePortGroup("Port 2 Parameters", "match to port 2 Zo of", m_r2, m_top2);
  m_top1->setCurrentIndex(matchtopology::LowPass);
  m_top2->setCurrentIndex(matchtopology::HighPass);
  column->addWidget(m_group1);
  column->addWidget(m_group2);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &AutoMatchWindow::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  column->addWidget(buttons);
}

QRadioButton* AutoMatchWindow::modeButton(int matchMode) const
{
  return qobject_cast<QRadioButton*>(m_modes->button(matchMode));
}

void AutoMatchWindow::refill()
{
  if (!m_source) return;
  const AutoMatchState s = m_source();
  m_frequency->Setvalue(s.frequency);
  m_r1->Setvalue(s.zo1);
  m_r2->Setvalue(s.zo2);
  const bool both = s.port1Connected && s.port2Connected;
  modeButton(matchmode::Port1)->setEnabled(s.port1Connected);
  modeButton(matchmode::Port2)->setEnabled(s.port2Connected);
  modeButton(matchmode::Simultaneous)->setEnabled(both);
  m_group1->setEnabled(s.port1Connected);
  m_group2->setEnabled(s.port2Connected);
  // The widest match the last check allows.
  if (both) {
    modeButton(matchmode::Simultaneous)->setChecked(true);
  } else if (s.port2Connected) {
    modeButton(matchmode::Port2)->setChecked(true);
  } else if (s.port1Connected) {
    modeButton(matchmode::Port1)->setChecked(true);
  }
}

MatchRequest AutoMatchWindow::request() const
{
  MatchRequest r;
  r.mode = m_modes->checkedId() > 0 ? m_modes->checkedId() : matchmode::None;
  r.frequency = m_frequency->value();
  r.r1 = m_r1->value();
  r.r2 = m_r2->value();
  r.topology1 = m_top1->currentIndex();
  r.topology2 = m_top2->currentIndex();
  return r;
}

void AutoMatchWindow::accept()
{
  // The fields' last typing counts.
  m_frequency->validate();
  m_r1->validate();
  m_r2->validate();
  const MatchRequest r = request();
  const QAbstractButton* checked = m_modes->checkedButton();
  hide();
  QDialog::accept();
  if (m_run && checked != nullptr && checked->isEnabled()) m_run(r);
}

bool AutoMatchWindow::event(QEvent* event)
{
  if (event->type() == QEvent::Show) refill();
  return QDialog::event(event);
}

} // namespace norvane

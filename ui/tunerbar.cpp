#include "tunerbar.h"

#include "common/latin1text.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace norvane {

TunerBar::TunerBar(QWidget* parent) : QWidget(parent)
{
  setObjectName("TunerBar");
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  m_tuned = new QLabel(this);
  m_tuned->setObjectName("TunedValue");
  m_steps = new QComboBox(this);
  m_steps->setObjectName("TuneStepList");
  m_steps->setToolTip("Step of the Up/Down keys and the wheel in tune mode");
  // The list never takes the focus from the sheet, where the arrow keys tune.
  m_steps->setFocusPolicy(Qt::NoFocus);
  for (TuneStep s : kTuneSteps)
    m_steps->addItem(toQt(tuneStepCaption(s)), static_cast<int>(s));
  m_steps->setCurrentIndex(static_cast<int>(TuneStep::E12));
  row->addWidget(m_tuned);
  row->addWidget(new QLabel("Tune step:", this));
  row->addWidget(m_steps);
  connect(m_steps, &QComboBox::currentIndexChanged, this, [this] { emit stepChosen(step()); });
}

TuneStep TunerBar::step() const
{
  return static_cast<TuneStep>(m_steps->currentData().toInt());
}

void TunerBar::showTuned(const QString& text)
{
  m_tuned->setText(text);
}

QString TunerBar::tunedText() const
{
  return m_tuned->text();
}

} // namespace norvane

#include "dialogs/sparamfileerrordialog.h"

#include "common/latin1text.h"
#include "sim/sparamfile.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace norvane {

SParamFileErrorDialog::SParamFileErrorDialog(QWidget* parent)
    : QDialog(parent), m_units(new QComboBox(this)),
      m_magAngle(new QRadioButton(tr("Magnitude/Angle"), this)),
      m_realImag(new QRadioButton(tr("Real/Imaginary"), this))
{
  setModal(true);
  setWindowTitle(QString::fromLatin1(sparamfile::kErrorCaption));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QString::fromLatin1(sparamfile::kErrorText), this));
  layout->addWidget(new QLabel(QString::fromLatin1(sparamfile::kErrorPrompt), this));

  auto* row = new QHBoxLayout;
  auto* unitsGroup = new QGroupBox(tr("Frequency units"), this);
  auto* unitsLayout = new QVBoxLayout(unitsGroup);
  m_units->addItems({"Hz", "kHz", "MHz", "GHz", "THz"});
  unitsLayout->addWidget(m_units);
  row->addWidget(unitsGroup);
  auto* formatGroup = new QGroupBox(tr("Data Format"), this);
  auto* formatLayout = new QVBoxLayout(formatGroup);
  formatLayout->addWidget(m_magAngle);
  formatLayout->addWidget(m_realImag);
  row->addWidget(formatGroup);
  layout->addLayout(row);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  preset(SParameterFormatChoice{});
}

void SParamFileErrorDialog::preset(const SParameterFormatChoice& choice)
{
  const int index = m_units->findText(toQt(choice.units));
  m_units->setCurrentIndex(index >= 0 ? index : m_units->findText("MHz"));
  (choice.magnitudeAngle ? m_magAngle : m_realImag)->setChecked(true);
}

SParameterFormatChoice SParamFileErrorDialog::choice() const
{
  return {fromQt(m_units->currentText()), m_magAngle->isChecked()};
}

SParameterFormatChoice askSParameterFormat(QWidget* parent)
{
  SParamFileErrorDialog dialog(parent);
  dialog.exec();
  // Closing the window counts as OK with what it shows: the reader needs an answer.
  return dialog.choice();
}

} // namespace norvane

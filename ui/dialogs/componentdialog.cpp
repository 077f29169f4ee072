#include "dialogs/componentdialog.h"

#include "dialogs/realedit.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

namespace norvane {

ComponentDialog::ComponentDialog(const QString& caption, QWidget* parent)
    : QDialog(parent), m_body(new QVBoxLayout),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
  setWindowTitle(caption);
  setModal(true);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(m_body);
  outer->addWidget(m_buttons);
  outer->setSizeConstraint(QLayout::SetFixedSize);
  connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QPushButton* ComponentDialog::okButton() const
{
  return m_buttons->button(QDialogButtonBox::Ok);
}

QPushButton* ComponentDialog::cancelButton() const
{
  return m_buttons->button(QDialogButtonBox::Cancel);
}

QPushButton* ComponentDialog::calculatorButton(const QString& caption, CalculatorRequest which)
{
  auto* button = new QPushButton(caption, this);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, [this, which] { emit calculatorRequested(which); });
  return button;
}

RealEdit* makeRealEdit(const std::string& units, int decimals, double minvalue, double maxvalue,
                       const char* defaultText, QWidget* parent)
{
  auto* edit = new RealEdit(parent);
  edit->setUnits(units);
  edit->setDecimalPlaces(decimals);
  edit->setLimits(minvalue, maxvalue);
  edit->setText(QString::fromLatin1(defaultText));
  return edit;
}

ToleranceEdit* makeToleranceEdit(const std::string& units, int decimals, double minvalue,
                                 double maxvalue, const char* defaultText, QWidget* parent)
{
  auto* edit = new ToleranceEdit(parent);
  edit->setUnits(units);
  edit->setDecimalPlaces(decimals);
  edit->setLimits(minvalue, maxvalue);
  edit->setText(QString::fromLatin1(defaultText));
  return edit;
}

namespace {

const ParameterDescription& describedParameter(ComponentType kind, std::string_view name)
{
  const ParameterDescription* p = componentKind(kind).parameter(name);
  if (p == nullptr) throw std::out_of_range("no parameter " + std::string(name));
  return *p;
}

} // namespace

RealEdit* makeParameterEdit(ComponentType kind, std::string_view name, const char* defaultText,
                            QWidget* parent)
{
  const ParameterDescription& p = describedParameter(kind, name);
  return makeRealEdit(std::string(p.unit), p.decimals, p.low, p.high, defaultText, parent);
}

ToleranceEdit* makeParameterToleranceEdit(ComponentType kind, std::string_view name,
                                          const char* defaultText, QWidget* parent)
{
  const ParameterDescription& p = describedParameter(kind, name);
  return makeToleranceEdit(std::string(p.unit), p.decimals, p.low, p.high, defaultText, parent);
}

void addFieldRow(QGridLayout* grid, const QString& caption, QWidget* field)
{
  // An empty grid still reports one row.
  const int row = grid->count() == 0 ? 0 : grid->rowCount();
  auto* label = new QLabel(caption);
  label->setBuddy(field);
  grid->addWidget(label, row, 0);
  grid->addWidget(field, row, 1);
}

} // namespace norvane

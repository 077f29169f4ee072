#include "calculators/rfentryfield.h"

#include "calculators/calcwidgets.h"
#include "common/latin1text.h"
#include "dialogs/realedit.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace norvane {

RfEntryField::RfEntryField(RfField field, QWidget* parent) : QLineEdit(parent), m_field(field)
{
  const RfFieldInfo& info = rfFieldInfo(field);
  m_logic.Units = std::string(info.unit);
  m_logic.DecimalPlaces = info.decimals;
  setText(toQt(rfFieldText(field, info.initial)));
}

double RfEntryField::value() const
{
  std::string typed = fieldText(this);
  // The VSWR's " : 1" is the field's decoration, not part of the number.
  if (m_field == RfField::Vswr) typed = typed.substr(0, typed.find(':'));
  m_logic.setText(typed);
  m_logic.validate();
  return m_logic.value();
}

void RfEntryField::showText(const std::string& text)
{
  setFieldText(this, text);
}

bool RfEntryField::holdsNumber() const
{
  const QString shown = text().trimmed();
  return !shown.isEmpty() && shown != toQt(std::string(kNoSignalText));
}

void RfEntryField::validate()
{
  if (!holdsNumber()) return;
  const double x = value();
  reportEntryProblem(*this, m_logic.problem());
  // rfFieldText is the logic's own format plus, for the VSWR, the " : 1".
  setFieldText(this, rfFieldText(m_field, x));
  const TextSelection number = m_logic.selection();
  setSelection(static_cast<int>(number.start), static_cast<int>(number.length));
}

void RfEntryField::focusInEvent(QFocusEvent* event)
{
  QLineEdit::focusInEvent(event);
  validate();
}

void RfEntryField::focusOutEvent(QFocusEvent* event)
{
  validate();
  QLineEdit::focusOutEvent(event);
}

void RfEntryField::keyPressEvent(QKeyEvent* event)
{
  const bool movesOn = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
  if (!movesOn && (!event->text().isEmpty() || event->key() == Qt::Key_Delete))
    emit keyPressed(m_field);
  const bool confirms = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (confirms) validate();
  QLineEdit::keyPressEvent(event);
}

} // namespace norvane

#include "graph/graphvaluefield.h"

#include "common/latin1text.h"
#include "dialogs/realedit.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace norvane {

GraphValueField::GraphValueField(QWidget* parent) : QLineEdit(parent) {}

void GraphValueField::setFormat(const std::string& units, int decimals)
{
  m_logic.Units = units;
  m_logic.DecimalPlaces = decimals;
}

void GraphValueField::setLimits(double minvalue, double maxvalue)
{
  m_logic.minvalue = minvalue;
  m_logic.maxvalue = maxvalue;
}

void GraphValueField::showValue(double x)
{
  m_logic.Setvalue(x);
  const QString text = toQt(m_logic.text());
  if (text != QLineEdit::text()) setText(text);
  setModified(false);
}

double GraphValueField::value()
{
  m_logic.setText(fromQt(text()));
  m_logic.validate();
  setText(toQt(m_logic.text()));
  reportEntryProblem(*this, m_logic.problem());
  return m_logic.value();
}

void GraphValueField::commit()
{
  const double v = value();
  setModified(false);
  emit committed(v);
}

void GraphValueField::focusOutEvent(QFocusEvent* event)
{
  QLineEdit::focusOutEvent(event);
  if (isModified()) commit();
}

void GraphValueField::keyPressEvent(QKeyEvent* event)
{
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    commit();
    selectAll();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

} // namespace norvane

#include "dialogs/realedit.h"

#include "common/latin1text.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QVariant>

#include <algorithm>

namespace norvane {

RealEdit::RealEdit(QWidget* parent) : RealEdit(std::make_unique<RealEditLogic>(), parent) {}

RealEdit::RealEdit(std::unique_ptr<RealEditLogic> logic, QWidget* parent)
    : QLineEdit(parent), m_logic(std::move(logic))
{
}

RealEdit::~RealEdit() = default;

void RealEdit::setUnits(const std::string& units)
{
  m_logic->Units = units;
}

const std::string& RealEdit::units() const
{
  return m_logic->Units;
}

void RealEdit::setDecimalPlaces(int decimals)
{
  m_logic->DecimalPlaces = decimals;
}

int RealEdit::decimalPlaces() const
{
  return m_logic->DecimalPlaces;
}

void RealEdit::setLimits(double minvalue, double maxvalue)
{
  m_logic->minvalue = minvalue;
  m_logic->maxvalue = maxvalue;
}

double RealEdit::minValue() const
{
  return m_logic->minvalue;
}

double RealEdit::maxValue() const
{
  return m_logic->maxvalue;
}

void RealEdit::takeTypedText()
{
  m_logic->setText(fromQt(text()));
}

void RealEdit::showLogicText()
{
  const QString shown = toQt(m_logic->text());
  if (shown != text()) setText(shown);
  // Latin-1 text: one byte is one character, so the logic's byte offsets are Qt's positions.
  // Only the field being typed in shows its selection; the others would all be highlighted
  // (entering a field validates it and selects its number then).
  if (hasFocus()) {
    const TextSelection& sel = m_logic->selection();
    setSelection(static_cast<int>(sel.start), static_cast<int>(sel.length));
  } else {
    setCursorPosition(0);
  }
  emit validated();
}

void RealEdit::validate()
{
  takeTypedText();
  m_logic->validate();
  showLogicText();
  reportProblem();
}

namespace {

// Properties the field keeps for its problem display: the label, and the tip the field had
// before (a hint), given back when the text is read again.
constexpr const char* kProblemLabelProperty = "norvaneEntryProblemLabel";
constexpr const char* kHintProperty = "norvaneEntryHint";
constexpr const char* kProblemTint = "background-color: #ffd0d0;";

// Places the label under the field, inside the field's window: above the field when there is
// no room below, moved left when it would run off the right edge.
void placeProblemLabel(QLabel& label, const QLineEdit& field)
{
  QWidget* window = label.parentWidget();
  label.adjustSize();
  QPoint at = field.mapTo(window, QPoint(0, field.height()));
  if (at.y() + label.height() > window->height())
    at.setY(field.mapTo(window, QPoint(0, 0)).y() - label.height());
  if (at.x() + label.width() > window->width())
    at.setX(std::max(0, window->width() - label.width()));
  label.move(at);
  label.raise();
}

} // namespace

QLabel* entryProblemLabel(const QLineEdit& field)
{
  return field.property(kProblemLabelProperty).value<QLabel*>();
}

void reportEntryProblem(QLineEdit& field, const std::string& problem)
{
  // A refused text: a beep, the reason beside the field and as its tip, and the field tinted
  // until a number is read again. The field already shows its previous value again.
  QLabel* label = entryProblemLabel(field);
  if (problem.empty()) {
    if (field.styleSheet() == kProblemTint) {
      field.setToolTip(field.property(kHintProperty).toString());
      field.setStyleSheet({});
    }
    if (label) label->hide();
    return;
  }
  const QString text = toQt(problem);
  QApplication::beep();
  if (field.styleSheet() != kProblemTint) field.setProperty(kHintProperty, field.toolTip());
  field.setToolTip(text);
  field.setStyleSheet(kProblemTint);
  if (!label) {
    // A child of the window, not of the field's layout, so it shows beside the field without
    // moving the other controls.
    label = new QLabel(field.window());
    label->setObjectName("entryProblem");
    label->setStyleSheet("QLabel { color: #a00000; background-color: #fff4d0;"
                         " border: 1px solid #d0a000; padding: 1px 3px; }");
    QFont small = label->font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() * 0.85));
    label->setFont(small);
    field.setProperty(kProblemLabelProperty, QVariant::fromValue(label));
  }
  label->setText(text);
  placeProblemLabel(*label, field);
  label->show();
}

void RealEdit::reportProblem()
{
  reportEntryProblem(*this, m_logic->problem());
}

const std::string& RealEdit::problem() const
{
  return m_logic->problem();
}

double RealEdit::Getvalue()
{
  validate();
  return m_logic->value();
}

void RealEdit::Setvalue(double x)
{
  m_logic->Setvalue(x);
  showLogicText();
}

double RealEdit::value() const
{
  return m_logic->value();
}

void RealEdit::focusInEvent(QFocusEvent* event)
{
  QLineEdit::focusInEvent(event);
  validate();
}

void RealEdit::focusOutEvent(QFocusEvent* event)
{
  QLineEdit::focusOutEvent(event);
  validate();
}

void RealEdit::keyPressEvent(QKeyEvent* event)
{
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    validate();
    // Enter on a refused text only reports it: the dialog stays open to correct it.
    if (!problem().empty()) {
      event->accept();
      return;
    }
  }
  // The base class passes Enter on, so a dialog's default button still answers it.
  QLineEdit::keyPressEvent(event);
}

ToleranceEdit::ToleranceEdit(QWidget* parent)
    : RealEdit(std::make_unique<ToleranceEditLogic>(), parent)
{
}

ToleranceEditLogic& ToleranceEdit::tolLogic()
{
  return static_cast<ToleranceEditLogic&>(logic());
}

const ToleranceEditLogic& ToleranceEdit::tolLogic() const
{
  return const_cast<ToleranceEdit*>(this)->tolLogic();
}

void ToleranceEdit::settol(const ToleranceValue& record)
{
  tolLogic().settol(record);
  showLogicText();
}

bool ToleranceEdit::gettol(ToleranceValue& record)
{
  takeTypedText();
  const bool enabled = tolLogic().gettol(record);
  showLogicText();
  reportProblem();
  return enabled;
}

bool ToleranceEdit::toleranceEnabled() const
{
  return tolLogic().toleranceenabled();
}

void ToleranceEdit::setToleranceEnabled(bool enabled)
{
  takeTypedText();
  tolLogic().setToleranceEnabled(enabled);
  showLogicText();
}

bool ToleranceEdit::tolerancePercent() const
{
  return tolLogic().tolerancepercent();
}

void ToleranceEdit::setTolerancePercent(bool percent)
{
  takeTypedText();
  tolLogic().setTolerancePercent(percent);
  showLogicText();
}

double ToleranceEdit::mintol() const
{
  return tolLogic().mintol;
}

double ToleranceEdit::maxtol() const
{
  return tolLogic().maxtol;
}

} // namespace norvane

#pragma once
// The program's numeric entry fields. RealEdit holds one number with a unit, limits and a
// fixed number of decimals; ToleranceEdit adds a lower and an upper tolerance shown in
// brackets after the value ("100R (+5,-5%)"). Both re-format their text when the user enters
// or leaves them or presses Enter, so the field always shows the value that will be used, and
// then select the number so that typing replaces it and keeps the unit. The text rules live
// in RealEditLogic and ToleranceEditLogic; these widgets only move text and selection.

#include "document/schematic.h"
#include "numbers/realeditlogic.h"
#include "numbers/toleranceeditlogic.h"

#include <QLabel>
#include <QLineEdit>
#include <memory>
#include <string>

namespace norvane {

// Shows why a field refused its text (a beep, a tinted field, the reason in a small label
// beside the field and as its tip), or clears that display when `problem` is empty. Used by
// every numeric field of the program.
void reportEntryProblem(QLineEdit& field, const std::string& problem);

// The label beside `field` that shows its reason; nullptr until the field first refused a text.
QLabel* entryProblemLabel(const QLineEdit& field);

class RealEdit : public QLineEdit
{
  Q_OBJECT

public:
  explicit RealEdit(QWidget* parent = nullptr);
  ~RealEdit() override;

  // Published properties. Changing them does not re-format the text; Setvalue or the next
  // validation does.
  void setUnits(const std::string& units);
  const std::string& units() const;
  void setDecimalPlaces(int decimals);
  int decimalPlaces() const;
  void setLimits(double minvalue, double maxvalue);
  double minValue() const;
  double maxValue() const;

  // Reads the typed text, clamps it silently to the limits, re-formats it and selects the
  // number. Text that is not a number is refused: the previous value is shown again, with a
  // beep, the reason as a tip and a tinted field until the next number is read.
  void validate();
  // Why the last validation refused the text; empty when it was read.
  const std::string& problem() const;
  // Validates and returns the value.
  double Getvalue();
  // Shows x in the field's format and validates it.
  void Setvalue(double x);
  // The value of the last validation.
  double value() const;

signals:
  // After every validation (the ball-park transistor page recomputes its texts on it).
  void validated();

protected:
  RealEdit(std::unique_ptr<RealEditLogic> logic, QWidget* parent);

  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

  RealEditLogic& logic() { return *m_logic; }
  // The user's text into the logic, before the logic reads it.
  void takeTypedText();
  // The logic's text and selection onto the screen.
  void showLogicText();
  // Beeps and shows the logic's problem when it refused the text.
  void reportProblem();

private:
  std::unique_ptr<RealEditLogic> m_logic;
};

class ToleranceEdit : public RealEdit
{
  Q_OBJECT

public:
  explicit ToleranceEdit(QWidget* parent = nullptr);

  // Loads a value record: tolerances, value, percent flag, then the enabled flag.
  void settol(const ToleranceValue& record);
  // Validates and stores the field into a record (its `actual` is left alone); returns
  // whether the tolerance is enabled.
  bool gettol(ToleranceValue& record);

  bool toleranceEnabled() const;
  void setToleranceEnabled(bool enabled);
  bool tolerancePercent() const;
  // Converts the tolerances between percent of the value and the value's unit.
  void setTolerancePercent(bool percent);
  double mintol() const;
  double maxtol() const;

private:
  ToleranceEditLogic& tolLogic();
  const ToleranceEditLogic& tolLogic() const;
};

} // namespace norvane

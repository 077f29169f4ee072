#pragma once
// One numeric entry field of the RF calculator: a number with its unit and decimals
// ("100MHz", "1.925 : 1"). Entering or leaving the field, or pressing Enter, re-formats the
// typed text to the value that will be used (RealEditLogic) and selects the number, so that
// typing replaces it and keeps the unit. The VSWR field's text always ends in " : 1".
//
// The field reports the user's own typing (textEdited) and every key pressed in it; a text
// the program writes is never reported as an edit.

#include "assist/rffields.h"
#include "numbers/realeditlogic.h"

#include <QLineEdit>

#include <string>

namespace norvane {

class RfEntryField : public QLineEdit
{
  Q_OBJECT

public:
  explicit RfEntryField(RfField field, QWidget* parent = nullptr);

  RfField field() const { return m_field; }
  // The value the text stands for, read as the field reads it (without re-formatting).
  double value() const;
  // Shows a text written by a calculation ("" for no result, "#####" for no signal).
  void showText(const std::string& text);
  // Re-formats the text to its value and selects the number.
  void validate();

signals:
  // A key that types, deletes or confirms was pressed in the field (Tab only moves on).
  void keyPressed(norvane::RfField field);

protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  // A text that stands for "no value" is left as it is rather than turned into a 0.
  bool holdsNumber() const;

  RfField m_field;
  mutable RealEditLogic m_logic;
};

} // namespace norvane

#pragma once
// The text logic of the numeric entry field (`RealEdit`): a single-line field holding one
// number with a unit, lower and upper limits and a fixed number of decimals. The widget that
// wraps this class copies the user's typing in with setText(), calls validate() when the
// field is entered, left or Enter is pressed, and then shows text() with selection().
// A unit that starts with a prefix letter is given with a leading blank (" m/s", " m"), since
// the parser reads the letter right after the digits as a prefix.
// Text that does not read as a number under readNumber's Entry rules ("abc", "1,5p", "0x10")
// is refused: the field keeps its previous value, shows it again and names the problem in
// problem(), which the widget reports (a beep and a short message). Values are silently clamped to
// the limits, so the field always shows the value that will be used.
// The field shows a value rounded to its decimals, but it holds the value exactly: as long as
// the number the field last showed has not been edited, validation keeps the held value
// instead of reading the rounded text back. A designed 1.01098438890283 uH shown as "1.01uH"
// stays 1.01098438890283 uH through OK; only typing a new number replaces it.

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

namespace norvane {

// A run of characters in the field's text (start index and length, in bytes).
struct TextSelection
{
  std::size_t start = 0;
  std::size_t length = 0;

  bool operator==(const TextSelection&) const = default;
};

class RealEditLogic
{
public:
  virtual ~RealEditLogic() = default;

  // Published properties, as a dialog sets them up.
  std::string Units;     // appended to the number: "R", "F", "Hz", "dB", "m/s" or empty
  int DecimalPlaces = 2; // decimals given to formatEngineering
  double maxvalue = std::numeric_limits<double>::max();
  double minvalue = -std::numeric_limits<double>::max();

  // The text as the user left it; setText() does not validate.
  const std::string& text() const { return m_text; }
  void setText(std::string text) { m_text = std::move(text); }

  // Which part of text() to select after validation: the number with its prefix letter, so
  // that typing replaces the number and keeps the unit.
  const TextSelection& selection() const { return m_selection; }

  // The value of the last validation, without validating again.
  double value() const { return m_value; }

  // Why the last validation refused the typed text ("\"abc\" is not a number"); empty when
  // it was read.
  const std::string& problem() const { return m_problem; }

  // Reads the text, clamps it to the limits (maxvalue first, then minvalue) and rewrites the
  // text as formatEngineering(DecimalPlaces, value) followed by Units.
  virtual void validate();

  // Validates and returns the value.
  double Getvalue();
  // Holds x (clamped to the limits, not rounded) and shows it in the field's format.
  void Setvalue(double x);

  // The moments the field re-formats its text.
  void focusIn() { validate(); }
  void focusOut() { validate(); }
  void returnPressed() { validate(); }

protected:
  // Reads `numberText` (the number part of the text) into the value unless it is refused or
  // is still the number the field showed, then rewrites the text as the formatted value and
  // its unit.
  void validateNumber(std::string_view numberText);
  // Whether `typed` is, blanks aside, the text `shown` the field itself put there.
  static bool unedited(std::string_view typed, const std::string& shown);
  // Records a refused text; a text the field itself showed is never reported.
  void refuse(std::string_view typed, const char* problem);

  std::string m_text;
  std::string m_shown;       // the text as the last validation left it
  std::string m_shownNumber; // its number with the unit, as formatted from the held value
  std::string m_problem;
  TextSelection m_selection;
  double m_value = 0.0;
};

} // namespace norvane

#pragma once
// Reading the free-text fields of the attenuator and filter windows: the text is read as
// engineering number text and rewritten in normalised form ("10MHz", "0.1dB", "50R");
// text that is not a number is refused with a message naming the field.

#include <QString>

#include <optional>
#include <string>

class QLineEdit;

namespace norvane {

class FieldTexts
{
public:
  // `rewrite` false reads the fields without writing them back (while the user types).
  explicit FieldTexts(bool rewrite = true) : m_rewrite(rewrite) {}

  // The value of the field, its text rewritten with the unit; nothing when the text is not a
  // number (the first such field is remembered, the field keeps its text).
  std::optional<double> read(QLineEdit* field, const char* label, const char* unit);
  bool failed() const { return !m_error.empty(); }
  const std::string& error() const { return m_error; }

private:
  bool m_rewrite = true;
  std::string m_error;
};

} // namespace norvane

#include "assistants/assistantfield.h"

#include "common/latin1text.h"

#include "assist/assistantfields.h"

#include <QLineEdit>

namespace norvane {

std::optional<double> FieldTexts::read(QLineEdit* field, const char* label, const char* unit)
{
  const std::string text = fromQt(field->text());
  const std::optional<double> v = readNumberText(text, unit);
  if (!v) {
    if (m_error.empty()) m_error = notANumberMessage(label, text);
    return std::nullopt;
  }
  if (m_rewrite) field->setText(toQt(assistantFieldText(*v, unit)));
  return v;
}

} // namespace norvane

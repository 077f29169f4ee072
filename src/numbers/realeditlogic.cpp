#include "numbers/realeditlogic.h"

#include "numbers/valuetext.h"

namespace norvane {

void RealEditLogic::validate()
{
  m_problem.clear();
  validateNumber(m_text);
}

void RealEditLogic::refuse(std::string_view typed, const char* problem)
{
  if (m_text == m_shown) return;
  const std::size_t first = typed.find_first_not_of(' ');
  typed = first == std::string_view::npos ? std::string_view() : typed.substr(first);
  typed = typed.substr(0, typed.find_last_not_of(' ') + 1);
  m_problem = "\"" + std::string(typed) + "\" is " + problem;
}

void RealEditLogic::validateNumber(std::string_view numberText)
{
  const NumberReading entered = ReadNumber(numberText, NumberRules::Entry(Units));
  if (entered.ok) {
    m_value = entered.value;
  } else {
    refuse(numberText, entered.problem);
  }
  if (m_value > maxvalue) m_value = maxvalue;
  if (m_value < minvalue) m_value = minvalue;
  const std::string number = FormatEngineering(DecimalPlaces, m_value);
  m_text = number + Units;
  // The formatted number, prefix letter included, is exactly the part a new entry replaces;
  // scanning the text for number characters would also swallow units such as "m/s".
  m_selection = {0, number.size()};
  m_shown = m_text;
}

double RealEditLogic::Getvalue()
{
  validate();
  return m_value;
}

void RealEditLogic::Setvalue(double x)
{
  m_text = FormatEngineering(DecimalPlaces, x) + Units;
  m_shown = m_text; // the program's own text is never reported
  validate();
}

} // namespace norvane

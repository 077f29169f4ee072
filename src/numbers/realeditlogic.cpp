#include "numbers/realeditlogic.h"

#include "numbers/valuetext.h"

#include <cmath>

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

bool RealEditLogic::unedited(std::string_view typed, const std::string& shown)
{
  const auto trim = [](std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::string_view();
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
  };
  return !shown.empty() && trim(typed) == trim(shown);
}

void RealEditLogic::validateNumber(std::string_view numberText)
{
  // The rounded text the field showed stands for the value it holds: reading it back would
  // round a designed value to the decimals shown.
  if (!unedited(numberText, m_shownNumber)) {
    const NumberReading entered = readNumber(numberText, NumberRules::Entry(Units));
    if (entered.ok) {
      m_value = entered.value;
    } else {
      refuse(numberText, entered.problem);
    }
  }
  if (m_value > maxvalue) m_value = maxvalue;
  if (m_value < minvalue) m_value = minvalue;
  const std::string number = formatEngineering(DecimalPlaces, m_value);
  m_text = number + Units;
  m_shownNumber = m_text;
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
  m_text = formatEngineering(DecimalPlaces, x) + Units;
  m_shown = m_text; // the program's own text is never reported
  // A value that is not finite is held as the text shows it (0, or the largest number).
  if (std::isfinite(x)) {
    m_value = x;
    m_shownNumber = m_text;
  } else {
    m_shownNumber.clear();
  }
  validate();
}

} // namespace norvane

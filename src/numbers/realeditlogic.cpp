#include "numbers/realeditlogic.h"

#include "numbers/valuetext.h"

namespace norvane {

void RealEditLogic::validate()
{
  m_value = ParseValueText(m_text);
  if (m_value > maxvalue) m_value = maxvalue;
  if (m_value < minvalue) m_value = minvalue;
  const std::string number = FormatEngineering(DecimalPlaces, m_value);
  m_text = number + Units;
  // The formatted number, prefix letter included, is exactly the part a new entry replaces;
  // scanning the text for number characters would also swallow units such as "m/s".
  m_selection = {0, number.size()};
}

double RealEditLogic::Getvalue()
{
  validate();
  return m_value;
}

void RealEditLogic::Setvalue(double x)
{
  m_text = FormatEngineering(DecimalPlaces, x) + Units;
  validate();
}

} // namespace norvane

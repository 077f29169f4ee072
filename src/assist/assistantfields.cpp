#include "assist/assistantfields.h"

#include "numbers/valuetext.h"

namespace norvane {

std::optional<double> readNumberText(std::string_view text, std::string_view unit)
{
  const NumberReading n = readNumber(text, NumberRules::Entry(unit));
  if (!n.ok) {
    return std::nullopt;
  }
  return n.value;
}

std::string assistantFieldText(double value, std::string_view unit)
{
  return formatEngineering(2, value) + std::string(unit);
}

std::string notANumberMessage(std::string_view label, std::string_view text)
{
  return std::string(label) + ": '" + std::string(text) + "' is not a number";
}

} // namespace norvane

#include "assist/assistantfields.h"

#include "numbers/valuetext.h"

#include <cctype>

namespace norvane {

std::optional<double> readNumberText(std::string_view text)
{
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
    ++i;
  }
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    ++i;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
  }
  if (i >= text.size() || std::isdigit(static_cast<unsigned char>(text[i])) == 0) {
    return std::nullopt;
  }
  return ParseValueText(text);
}

std::string assistantFieldText(double value, std::string_view unit)
{
  return FormatEngineering(2, value) + std::string(unit);
}

std::string notANumberMessage(std::string_view label, std::string_view text)
{
  return std::string(label) + ": '" + std::string(text) + "' is not a number";
}

} // namespace norvane

#include "assist/calctext.h"

#include "numbers/valuetext.h"

#include <cstdio>

namespace norvane {

std::string engineeringText(std::optional<double> x, int decimals, std::string_view unit)
{
  if (!x) return {};
  return formatEngineering(decimals, *x) + std::string(unit);
}

std::string fixedText(std::optional<double> x, int decimals, std::string_view unit)
{
  if (!x) return {};
  // Large enough for the widest finite double in fixed notation.
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, *x);
  std::string text(buffer);
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text + std::string(unit);
}

std::string reactanceText(std::optional<double> ohms, int decimals)
{
  if (!ohms) return {};
  const std::string magnitude = formatEngineering(decimals, *ohms);
  if (!magnitude.empty() && magnitude.front() == '-') return "-j" + magnitude.substr(1) + "R";
  return "+j" + magnitude + "R";
}

std::string velocityText(std::optional<double> velocity1e8)
{
  return fixedText(velocity1e8, 2, "*10^8m/s");
}

} // namespace norvane

#include "numbers/boundedreader.h"

#include <cctype>

namespace norvane {

namespace {

std::string_view trimmed(std::string_view s)
{
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
    s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
    s.remove_suffix(1);
  return s;
}

} // namespace

BoundedReading readBoundedNumber(std::string_view text, NumberBounds bounds)
{
  NumberReading reading = readNumber(text, NumberRules::Bounded(bounds));
  BoundedReading bounded;
  bounded.value = reading.number();
  bounded.text = std::move(reading.text);
  bounded.clamped = reading.clamped;
  if (!reading.ok) bounded.error = "\"" + std::string(trimmed(text)) + "\" is not a valid number";
  return bounded;
}

std::optional<double> FieldReader::read(std::string& text, std::string_view label,
                                        NumberBounds bounds)
{
  BoundedReading reading = readBoundedNumber(text, bounds);
  text = reading.text;
  if (reading.clamped) m_beep = true;
  if (!reading.value && m_error.empty()) {
    m_error = m_page + ", " + std::string(label) + ": " + reading.error + ".";
  }
  return reading.value;
}

} // namespace norvane

#include "assist/boundedreader.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

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

double multiplierOf(char c)
{
  switch (c) {
  case 'T':
    return 1e12;
  case 'G':
    return 1e9;
  case 'M':
    return 1e6;
  case 'k':
    return 1e3;
  case 'm':
    return 1e-3;
  case 'u':
    return 1e-6;
  case 'n':
    return 1e-9;
  case 'p':
    return 1e-12;
  case 'f':
    return 1e-15;
  default:
    return 0.0;
  }
}

bool isDigit(char c)
{
  return c >= '0' && c <= '9';
}

// A plain decimal number: [sign] digits [. digits] [e [sign] digits], with at least one digit
// before the exponent. Words such as "inf" or "nan" are not numbers here.
bool isPlainNumber(std::string_view s, bool& hasNegativeExponent, bool& hasIntegerPart)
{
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  hasIntegerPart = false;
  while (i < s.size() && isDigit(s[i])) {
    if (s[i] != '0') hasIntegerPart = true;
    ++i;
    ++digits;
  }
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) {
      ++i;
      ++digits;
    }
  }
  if (digits == 0) return false;
  hasNegativeExponent = false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) hasNegativeExponent = s[i++] == '-';
    size_t expDigits = 0;
    while (i < s.size() && isDigit(s[i])) {
      ++i;
      ++expDigits;
    }
    if (expDigits == 0) return false;
  }
  return i == s.size();
}

// Locale-independent conversion of a checked plain number; values beyond the range of a
// double become infinity (and are then clamped) or zero.
double toDouble(std::string_view s, bool negativeExponent, bool integerPart)
{
  const bool negative = !s.empty() && s.front() == '-';
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) s.remove_prefix(1);
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  (void)ptr;
  if (ec == std::errc::result_out_of_range) {
    const bool overflow =
        s.find_first_of("eE") != std::string_view::npos ? !negativeExponent : integerPart;
    value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

bool readsBackAs(const char* text, double expected)
{
  bool negExp = false;
  bool intPart = false;
  std::string_view s(text);
  return isPlainNumber(s, negExp, intPart) && toDouble(s, negExp, intPart) == expected;
}

bool readsBackInside(const char* text, NumberBounds bounds)
{
  bool negExp = false;
  bool intPart = false;
  std::string_view s(text);
  if (!isPlainNumber(s, negExp, intPart)) return false;
  const double v = toDouble(s, negExp, intPart);
  return v <= bounds.max && v >= bounds.min;
}

} // namespace

std::string limitText(double limit, NumberBounds bounds)
{
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.1f", limit);
  if (readsBackAs(buffer, limit)) return buffer;

  // Six significant digits, rounded toward the inside of the limits.
  if (limit != 0.0) {
    const double scale = std::pow(10.0, 5.0 - std::floor(std::log10(std::fabs(limit))));
    const bool isUpperLimit = limit >= bounds.max;
    const double scaled = limit * scale;
    const double rounded = (isUpperLimit ? std::floor(scaled) : std::ceil(scaled)) / scale;
    std::snprintf(buffer, sizeof buffer, "%.6g", rounded);
    if (readsBackInside(buffer, bounds)) return buffer;
  }
  std::snprintf(buffer, sizeof buffer, "%.17g", limit);
  return buffer;
}

BoundedReading readBoundedNumber(std::string_view text, NumberBounds bounds)
{
  BoundedReading reading;
  reading.text = std::string(text);
  std::string_view body = trimmed(text);
  if (body == ".") {
    reading.text = "0.";
    body = "0.";
  }

  double multiplier = 1.0;
  if (!body.empty() && multiplierOf(body.back()) != 0.0) {
    multiplier = multiplierOf(body.back());
    body.remove_suffix(1);
    body = trimmed(body);
  }

  bool negativeExponent = false;
  bool integerPart = false;
  if (!isPlainNumber(body, negativeExponent, integerPart)) {
    reading.error = "\"" + std::string(trimmed(text)) + "\" is not a valid number";
    return reading;
  }
  double value = toDouble(body, negativeExponent, integerPart) * multiplier;

  // The upper limit first, then the lower one, as every numeric field of the program does.
  double limit = value;
  if (limit > bounds.max) limit = bounds.max;
  if (limit < bounds.min) limit = bounds.min;
  if (limit != value) {
    reading.clamped = true;
    reading.text = limitText(limit, bounds);
    bool negExp = false;
    bool intPart = false;
    // The value in use is the one the rewritten field holds, so that the next reading of the
    // field gives exactly the same result.
    value = isPlainNumber(reading.text, negExp, intPart) ? toDouble(reading.text, negExp, intPart)
                                                         : limit;
  }
  reading.value = value;
  return reading;
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

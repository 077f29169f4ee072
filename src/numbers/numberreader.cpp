#include "numbers/numbertext.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace norvane {

namespace {

constexpr double kLargest = std::numeric_limits<double>::max();

bool isDigit(char c)
{
  return c >= '0' && c <= '9';
}

bool isBlank(char c)
{
  return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view s)
{
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const std::size_t last = s.find_last_not_of(" \t");
  return s.substr(first, last - first + 1);
}

// Calculator fields come from single-line widgets; any white space around the text goes.
std::string_view trimSpace(std::string_view s)
{
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
    s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
    s.remove_suffix(1);
  return s;
}

// Splits off the next blank-separated token.
std::string_view nextToken(std::string_view& text)
{
  std::size_t begin = 0;
  while (begin < text.size() && isBlank(text[begin]))
    ++begin;
  std::size_t end = begin;
  while (end < text.size() && !isBlank(text[end]))
    ++end;
  const std::string_view token = text.substr(begin, end - begin);
  text.remove_prefix(end);
  return token;
}

// The SI prefix letters; 1 for any other character.
double prefixScale(char c)
{
  switch (c) {
  case 'f':
    return 1e-15;
  case 'p':
    return 1e-12;
  case 'n':
    return 1e-9;
  case 'u':
    return 1e-6;
  case 'm':
    return 1e-3;
  case 'k':
    return 1e3;
  case 'M':
    return 1e6;
  case 'G':
    return 1e9;
  case 'T':
    return 1e12;
  default:
    return 1.0;
  }
}

bool isPrefix(char c)
{
  return prefixScale(c) != 1.0;
}

// Turns an overflowing or infinite result into the largest finite double of its sign.
double saturate(double x)
{
  if (std::isnan(x)) return 0.0;
  if (std::isinf(x)) return x > 0 ? kLargest : -kLargest;
  return x;
}

// The decimal number at the start of a text, as positions into it.
struct Scan
{
  bool found = false;
  bool negative = false;
  std::size_t digitsBegin = 0; // the first character after the sign
  std::size_t intEnd = 0;
  std::size_t fracBegin = 0;
  std::size_t fracEnd = 0;
  std::size_t end = 0; // the first character after the number
  bool hasExponent = false;
  bool negativeExponent = false;
  long exponent = 0; // bounded: "1e99999999999" must not wrap around
};

// Reads the longest decimal number at the start of `s`: optional sign, digits with an
// optional point and fraction (".5" and "5." are numbers), optional exponent. The point is
// always "." whatever the locale. An "E" not followed by digits is not part of the number.
Scan scanDecimal(std::string_view s)
{
  Scan n;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    n.negative = s[i] == '-';
    ++i;
  }
  n.digitsBegin = i;
  while (i < s.size() && isDigit(s[i]))
    ++i;
  n.intEnd = n.fracBegin = n.fracEnd = i;
  if (i < s.size() && s[i] == '.') {
    n.fracBegin = n.fracEnd = i + 1;
    while (n.fracEnd < s.size() && isDigit(s[n.fracEnd]))
      ++n.fracEnd;
  }
  if (n.intEnd == n.digitsBegin && n.fracEnd == n.fracBegin) return {};
  i = std::max(i, n.fracEnd);
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
    std::size_t j = i + 1;
    const bool negative = j < s.size() && s[j] == '-';
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const std::size_t expBegin = j;
    long exponent = 0;
    while (j < s.size() && isDigit(s[j])) {
      if (exponent < 1000000) exponent = exponent * 10 + (s[j] - '0');
      ++j;
    }
    if (j > expBegin) {
      n.hasExponent = true;
      n.negativeExponent = negative;
      n.exponent = negative ? -exponent : exponent;
      i = j;
    }
  }
  n.found = true;
  n.end = i;
  return n;
}

// The decimal order of the number's first significant digit ("123" is 2, "0.05" is -2), to
// tell overflow from underflow when the converter gives up.
long orderOf(std::string_view s, const Scan& n)
{
  long order = n.exponent;
  const std::string_view intDigits = s.substr(n.digitsBegin, n.intEnd - n.digitsBegin);
  const std::size_t firstInt = intDigits.find_first_not_of('0');
  if (firstInt != std::string_view::npos)
    return order + static_cast<long>(intDigits.size() - firstInt) - 1;
  const std::string_view fracDigits = s.substr(n.fracBegin, n.fracEnd - n.fracBegin);
  const std::size_t firstFrac = fracDigits.find_first_not_of('0');
  return order - static_cast<long>(firstFrac == std::string_view::npos ? 0 : firstFrac + 1);
}

// The magnitude of a scanned number through the locale-free converter.
struct Magnitude
{
  double value = 0.0;
  bool outOfRange = false;
  bool whole = true; // the converter took every character of the number
};

Magnitude magnitudeOf(std::string_view s, const Scan& n)
{
  Magnitude m;
  const char* begin = s.data() + n.digitsBegin;
  const char* end = s.data() + n.end;
  const auto [ptr, ec] = std::from_chars(begin, end, m.value);
  m.outOfRange = ec == std::errc::result_out_of_range;
  if (m.outOfRange) m.value = 0.0;
  m.whole = ec == std::errc() && ptr == end;
  return m;
}

// The signed value of a scanned number; beyond the double range the largest finite double
// of its sign, below it zero.
double saturatedValue(std::string_view s, const Scan& n)
{
  const Magnitude m = magnitudeOf(s, n);
  double value = m.value;
  if (m.outOfRange) value = orderOf(s, n) > 0 ? kLargest : 0.0;
  return n.negative ? -value : value;
}

NumberReading accepted(double value)
{
  NumberReading reading;
  reading.ok = true;
  reading.value = value;
  return reading;
}

NumberReading refused(const char* problem = "not a number")
{
  NumberReading reading;
  reading.problem = problem;
  return reading;
}

NumberReading readFileReal(std::string_view text)
{
  const std::string_view token = nextToken(text);
  const Scan n = scanDecimal(token);
  if (!n.found || n.end != token.size()) return refused();
  const Magnitude m = magnitudeOf(token, n);
  if (m.outOfRange) return accepted(saturatedValue(token, n));
  if (!m.whole) return refused();
  return accepted(n.negative ? -m.value : m.value);
}

NumberReading readFileInteger(std::string_view text)
{
  std::string_view token = nextToken(text);
  if (!token.empty() && token.front() == '+') {
    token.remove_prefix(1);
    if (!token.empty() && token.front() == '-') return refused();
  }
  int value = 0;
  const auto [ptr, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (token.empty() || ec != std::errc() || ptr != token.data() + token.size()) return refused();
  return accepted(value);
}

NumberReading readValueText(std::string_view text)
{
  // The sentinel "!" guarantees a character after every number.
  std::string s;
  const std::size_t firstNonBlank = text.find_first_not_of(" \t");
  if (firstNonBlank != std::string_view::npos) s.assign(text.substr(firstNonBlank));
  s += '!';

  Scan n = scanDecimal(s);
  if (!n.found) return refused();
  const char noted = s[n.end];
  if (n.end + 1 < s.size() && isDigit(s[n.end + 1])) {
    // "4k7": the letter between the digits is the decimal point.
    s[n.end] = '.';
    n = scanDecimal(s);
  }
  return accepted(saturate(saturatedValue(s, n) * prefixScale(noted)));
}

bool sameUnit(std::string_view typed, std::string_view unit)
{
  return typed.size() == unit.size() &&
         std::equal(typed.begin(), typed.end(), unit.begin(), [](char a, char b) {
           const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
           return lower(a) == lower(b);
         });
}

// The scale of what follows an entered number: a prefix letter, the unit, both, or nothing;
// empty when anything else follows.
std::optional<double> entryScale(std::string_view rest, std::string_view unit)
{
  const auto fits = [&](std::string_view after) {
    after = trimBlanks(after);
    return after.empty() || (!unit.empty() && sameUnit(after, unit));
  };
  if (!rest.empty() && isPrefix(rest.front()) && fits(rest.substr(1)))
    return prefixScale(rest.front()); // "10p", "10pF"
  if (fits(rest)) return 1.0;         // "10", "10 F", "10 m" in a metre field
  rest = trimBlanks(rest);
  if (rest.empty() || !isPrefix(rest.front()) || !fits(rest.substr(1))) return std::nullopt;
  return prefixScale(rest.front()); // "10 pF"
}

NumberReading readEntry(std::string_view text, std::string_view unit)
{
  const std::string_view wanted = trimBlanks(unit);
  std::string s(trimBlanks(text));
  Scan n = scanDecimal(s);
  if (!n.found) return refused();
  if (n.end + 1 < s.size() && isDigit(s[n.end + 1])) {
    // "4k7", "4R7": a prefix letter or the unit letter between the digits is the decimal
    // point.
    const char letter = s[n.end];
    const bool prefix = isPrefix(letter);
    if (prefix || sameUnit(std::string_view(&letter, 1), wanted)) {
      s[n.end] = '.';
      n = scanDecimal(s);
      if (prefix) s.insert(n.end, 1, letter);
    }
  }
  const std::optional<double> scale = entryScale(std::string_view(s).substr(n.end), wanted);
  if (!scale) return refused();
  const double number = saturatedValue(s, n);
  const double value = number * *scale;
  if (std::isinf(value) || std::fabs(number) == kLargest) return refused("too large");
  return accepted(value);
}

// A bounded field's number: the whole text must be one plain number. Beyond the range of a
// double it becomes infinity (and is then clamped) or zero.
std::optional<double> boundedValue(std::string_view s)
{
  const Scan n = scanDecimal(s);
  if (!n.found || n.end != s.size()) return std::nullopt;
  const Magnitude m = magnitudeOf(s, n);
  double value = m.value;
  if (m.outOfRange) {
    const bool integerPart =
        s.substr(n.digitsBegin, n.intEnd - n.digitsBegin).find_first_not_of('0') !=
        std::string_view::npos;
    const bool overflow = n.hasExponent ? !n.negativeExponent : integerPart;
    value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return n.negative ? -value : value;
}

NumberReading readBounded(std::string_view text, NumberBounds bounds)
{
  NumberReading reading;
  reading.text = std::string(text);
  std::string_view body = trimSpace(text);
  if (body == ".") {
    reading.text = "0.";
    body = "0.";
  }
  double multiplier = 1.0;
  if (!body.empty() && isPrefix(body.back())) {
    multiplier = prefixScale(body.back());
    body.remove_suffix(1);
    body = trimSpace(body);
  }
  const std::optional<double> number = boundedValue(body);
  if (!number) {
    reading.problem = "not a number";
    return reading;
  }
  double value = *number * multiplier;

  // The upper limit first, then the lower one, as every numeric field of the program does.
  double limit = value;
  if (limit > bounds.max) limit = bounds.max;
  if (limit < bounds.min) limit = bounds.min;
  if (limit != value) {
    reading.clamped = true;
    reading.text = formatNumber(limit, NumberFormat::Limit(bounds));
    // The value in use is the one the rewritten field holds, so that the next reading of the
    // field gives exactly the same result.
    value = boundedValue(reading.text).value_or(limit);
  }
  reading.ok = true;
  reading.value = value;
  return reading;
}

NumberReading readPlain(std::string_view text)
{
  text = trimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return refused();
  // A number starts with a digit, a point or a minus sign followed by one of those.
  const char first = text.front() == '-' && text.size() > 1 ? text[1] : text.front();
  if (!(isDigit(first) || first == '.')) return refused();
  const Scan n = scanDecimal(text);
  if (!n.found || n.end != text.size()) return refused();
  const Magnitude m = magnitudeOf(text, n);
  if (!m.whole || !std::isfinite(m.value)) return refused();
  return accepted(n.negative ? -m.value : m.value);
}

} // namespace

NumberReading readNumber(std::string_view text, const NumberRules& rules)
{
  switch (rules.form) {
  case NumberRules::Form::File:
    return readFileReal(text);
  case NumberRules::Form::FileInteger:
    return readFileInteger(text);
  case NumberRules::Form::ValueText:
    return readValueText(text);
  case NumberRules::Form::Entry:
    return readEntry(text, rules.unit);
  case NumberRules::Form::Bounded:
    return readBounded(text, rules.bounds);
  case NumberRules::Form::Plain:
    return readPlain(text);
  }
  return refused();
}

NumberReading takeNumber(std::string_view& text, const NumberRules& rules)
{
  return readNumber(nextToken(text), rules);
}

} // namespace norvane

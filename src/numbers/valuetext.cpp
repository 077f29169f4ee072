#include "numbers/valuetext.h"

#include <algorithm>
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

// Turns an overflowing or infinite result into the largest finite double of its sign, so no
// field, label or file ever shows "inf".
double saturate(double x)
{
  if (std::isnan(x)) return 0.0;
  if (std::isinf(x)) return x > 0 ? kLargest : -kLargest;
  return x;
}

struct ScannedNumber
{
  bool found = false;
  std::size_t end = 0; // index of the first character after the number
  double value = 0.0;
};

// Reads the longest decimal number at the start of `s`: optional sign, digits with an
// optional point and fraction (".5" and "5." are accepted), optional exponent. The point is
// always "." whatever the locale. An "E" not followed by digits is not part of the number.
ScannedNumber scanNumber(std::string_view s)
{
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  const std::size_t intBegin = i;
  while (i < s.size() && isDigit(s[i]))
    ++i;
  const std::size_t intEnd = i;
  std::size_t fracBegin = i;
  std::size_t fracEnd = i;
  if (i < s.size() && s[i] == '.') {
    fracBegin = i + 1;
    fracEnd = fracBegin;
    while (fracEnd < s.size() && isDigit(s[fracEnd]))
      ++fracEnd;
  }
  if (intEnd == intBegin && fracEnd == fracBegin) return {};
  i = std::max(i, fracEnd);

  // The exponent is read into a bounded integer: "1e99999999999" must not wrap around.
  long exponent = 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
    std::size_t j = i + 1;
    bool expNegative = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
      expNegative = s[j] == '-';
      ++j;
    }
    const std::size_t expBegin = j;
    while (j < s.size() && isDigit(s[j])) {
      if (exponent < 100000) exponent = exponent * 10 + (s[j] - '0');
      ++j;
    }
    if (j > expBegin) {
      if (expNegative) exponent = -exponent;
      i = j;
    } else {
      exponent = 0;
    }
  }

  // Rebuild a plain "digits.digitsE±n" form for the locale-free converter.
  std::string plain(s.substr(intBegin, intEnd - intBegin));
  if (plain.empty()) plain = "0";
  if (fracEnd > fracBegin) {
    plain += '.';
    plain.append(s.substr(fracBegin, fracEnd - fracBegin));
  }
  plain += 'e';
  plain += std::to_string(exponent);

  double magnitude = 0.0;
  const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), magnitude);
  if (result.ec == std::errc::result_out_of_range) {
    // Decide between overflow and underflow from the decimal order of the first significant
    // digit: out of range above means too large, below means too small.
    long order = exponent;
    const std::string_view intDigits = s.substr(intBegin, intEnd - intBegin);
    const std::size_t firstInt = intDigits.find_first_not_of('0');
    if (firstInt != std::string_view::npos) {
      order += static_cast<long>(intDigits.size() - firstInt) - 1;
    } else {
      const std::string_view fracDigits = s.substr(fracBegin, fracEnd - fracBegin);
      const std::size_t firstFrac = fracDigits.find_first_not_of('0');
      order -= static_cast<long>(firstFrac == std::string_view::npos ? 0 : firstFrac + 1);
    }
    magnitude = order > 0 ? kLargest : 0.0;
  } else if (result.ec != std::errc()) {
    magnitude = 0.0;
  }
  return {true, i, negative ? -magnitude : magnitude};
}

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

// Decimal point of the engineering groups: factor applied to the mantissa and the suffix.
struct EngineeringGroup
{
  double factor = 1.0;
  std::string suffix;
};

EngineeringGroup groupFor(int e)
{
  static constexpr double kFactors[] = {1.0, 10.0, 100.0};
  static constexpr const char* kPrefixes[] = {"f", "p", "n", "u", "", "k", "M", "G", "T"};
  if (e > 14) return {1.0, "E+" + std::to_string(e)};
  if (e >= 0) return {kFactors[e % 3], kPrefixes[4 + e / 3]};
  if (e == -1) return {0.1, ""};
  if (e == -2) return {0.01, ""};
  if (e == -3) return {1.0, "m"};
  if (e >= -15) {
    // -4..-6 u, -7..-9 n, -10..-12 p, -13..-15 f; within a group 100, 10, 1.
    const int shifted = e + 15; // 0..11
    return {kFactors[shifted % 3], kPrefixes[shifted / 3]};
  }
  // Below the femto range the exponent itself is shown; "E-40" rather than "E+-40" so the
  // text reads back as the same number.
  return {1.0, "E" + std::to_string(e)};
}

} // namespace

double ParseValueText(std::string_view text)
{
  // The sentinel "!" guarantees a character after every number.
  std::string s;
  const std::size_t firstNonBlank = text.find_first_not_of(" \t");
  if (firstNonBlank != std::string_view::npos) s.assign(text.substr(firstNonBlank));
  s += '!';

  ScannedNumber number = scanNumber(s);
  if (!number.found) return 0.0;
  const char noted = s[number.end];
  if (number.end + 1 < s.size() && isDigit(s[number.end + 1])) {
    // "4k7": the letter between the digits is the decimal point.
    s[number.end] = '.';
    number = scanNumber(s);
  }
  return saturate(number.value * prefixScale(noted));
}

namespace {

std::string_view trimBlanks(std::string_view s)
{
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const std::size_t last = s.find_last_not_of(" \t");
  return s.substr(first, last - first + 1);
}

bool sameUnit(std::string_view typed, std::string_view unit)
{
  return typed.size() == unit.size() &&
         std::equal(typed.begin(), typed.end(), unit.begin(), [](char a, char b) {
           const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
           return lower(a) == lower(b);
         });
}

bool isPrefix(char c)
{
  return prefixScale(c) != 1.0;
}

} // namespace

EnteredNumber ParseEnteredValue(std::string_view text, std::string_view unit)
{
  constexpr EnteredNumber kNotANumber{false, 0.0, "not a number"};
  const std::string_view wanted = trimBlanks(unit);
  std::string s(trimBlanks(text));
  ScannedNumber number = scanNumber(s);
  if (!number.found) return kNotANumber;
  if (number.end + 1 < s.size() && isDigit(s[number.end + 1])) {
    // "4k7", "4R7": a prefix letter or the unit letter between the digits is the decimal
    // point.
    const char letter = s[number.end];
    const bool prefix = isPrefix(letter);
    if (prefix || sameUnit(std::string_view(&letter, 1), wanted)) {
      s[number.end] = '.';
      number = scanNumber(s);
      if (prefix) s.insert(number.end, 1, letter);
    }
  }
  std::string_view rest = std::string_view(s).substr(number.end);
  double scale = 1.0;
  const auto fits = [&](std::string_view after) {
    after = trimBlanks(after);
    return after.empty() || (!wanted.empty() && sameUnit(after, wanted));
  };
  if (!rest.empty() && isPrefix(rest.front()) && fits(rest.substr(1))) {
    scale = prefixScale(rest.front()); // "10p", "10pF"
  } else if (fits(rest)) {
    scale = 1.0; // "10", "10 F", "10 m" in a metre field
  } else {
    rest = trimBlanks(rest);
    if (rest.empty() || !isPrefix(rest.front()) || !fits(rest.substr(1))) return kNotANumber;
    scale = prefixScale(rest.front()); // "10 pF"
  }
  const double value = number.value * scale;
  if (std::isinf(value) || std::fabs(number.value) == kLargest) {
    return {false, 0.0, "too large"};
  }
  return {true, value, ""};
}

std::string FormatEngineering(int digits, double x)
{
  x = saturate(x);
  if (x == 0.0) x = 0.0; // no "-0"
  digits = std::clamp(digits, 0, 30);

  // Mantissa and exponent from the scientific form with 15 significant digits.
  char sci[64];
  const auto sciEnd =
      std::to_chars(sci, sci + sizeof sci, x, std::chars_format::scientific, 14).ptr;
  const std::string_view sciText(sci, static_cast<std::size_t>(sciEnd - sci));
  const std::size_t ePos = sciText.find('e');
  double m = 0.0;
  int e = 0;
  std::from_chars(sci, sci + ePos, m);
  const char* expBegin = sci + ePos + 1;
  if (*expBegin == '+') ++expBegin;
  std::from_chars(expBegin, sciEnd, e);
  if (std::fabs(m) >= 10.0) {
    m /= 10.0;
    ++e;
  }

  const EngineeringGroup group = groupFor(e);
  char fixed[400];
  const auto fixedEnd =
      std::to_chars(fixed, fixed + sizeof fixed, m * group.factor, std::chars_format::fixed, digits)
          .ptr;
  std::string out(fixed, fixedEnd);
  if (out.find('.') != std::string::npos) {
    while (out.back() == '0')
      out.pop_back();
    if (out.back() == '.') out.pop_back();
  }
  if (out == "-0") out = "0";
  return out + group.suffix;
}

std::string SignedText(std::string_view text)
{
  if (!text.empty() && text.front() == '-') return std::string(text);
  return "+" + std::string(text);
}

} // namespace norvane

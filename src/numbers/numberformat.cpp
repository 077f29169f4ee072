#include "numbers/numbertext.h"
#include "numbers/valuetext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

namespace norvane {

namespace {

// NaN as 0 and the infinities as the largest finite double of their sign.
double finiteOrClamped(double x)
{
  if (std::isnan(x)) return 0.0;
  if (std::isinf(x))
    return x > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max();
  return x;
}

// Mantissa digits and decimal exponent of x with 15 significant digits, from the locale-free
// converter's "d.ddddddddddddddde+XX" (kept in place: every label and field goes through here).
struct Scientific
{
  char buf[64];
  std::size_t mantissaLength = 0; // "d.dddddddddddddd", signed as x
  int exponent = 0;

  std::string_view mantissa() const { return {buf, mantissaLength}; }
};

void scientific(double x, Scientific& s)
{
  const char* end =
      std::to_chars(s.buf, s.buf + sizeof s.buf, x, std::chars_format::scientific, 14).ptr;
  const std::string_view sci(s.buf, static_cast<std::size_t>(end - s.buf));
  s.mantissaLength = sci.find('e');
  const char* expBegin = s.buf + s.mantissaLength + 1;
  if (*expBegin == '+') ++expBegin;
  std::from_chars(expBegin, end, s.exponent);
}

std::string fileText(double x)
{
  if (x == 0.0) x = 0.0; // no "-0"
  Scientific sci;
  scientific(std::fabs(x), sci);
  std::string out;
  out.reserve(23);
  out += x < 0 ? '-' : ' ';
  out += sci.mantissa();
  out += 'E';
  out += sci.exponent < 0 ? '-' : '+';
  const std::string digits = std::to_string(std::abs(sci.exponent));
  out.append(4 - digits.size(), '0');
  out += digits;
  return out;
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

std::string engineeringText(int digits, double x)
{
  if (x == 0.0) x = 0.0; // no "-0"
  digits = std::clamp(digits, 0, 30);

  // Mantissa and exponent from the scientific form with 15 significant digits.
  Scientific sci;
  scientific(x, sci);
  double m = 0.0;
  std::from_chars(sci.buf, sci.buf + sci.mantissaLength, m);
  int e = sci.exponent;
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

// The characters of printf's "%.<digits>g" or "%.<digits>f" (std::to_chars with a precision
// is specified to give them), without the C locale: the desktop program runs under the user's
// locale, where printf would write "0,25".
std::string printfText(double x, std::chars_format form, int digits)
{
  char buf[400]; // the widest finite double in fixed notation, and decimals besides
  const auto r = std::to_chars(buf, buf + sizeof buf, x, form, digits);
  return std::string(buf, r.ec == std::errc() ? r.ptr : buf);
}

// Stands in for a value that is not finite in the result texts (as the guarded logarithm
// does).
constexpr double kNonFiniteSentinel = 1e30;

std::string fixedText(double x, int decimals)
{
  if (std::isnan(x)) x = 0.0;
  if (std::isinf(x)) x = x > 0 ? kNonFiniteSentinel : -kNonFiniteSentinel;
  // The field width of 4 the result texts once had only ever added leading blanks, which are
  // dropped.
  if (decimals < 0) decimals = 6; // as printf takes a negative precision
  std::string text = printfText(x, std::chars_format::fixed, decimals);
  // "-0.000": a tiny negative number shows as zero, without a sign.
  if (!text.empty() && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
    text.erase(0, 1);
  return text;
}

// Values this large are shown in exponent form by the level format.
constexpr double kLevelExponentFrom = 1e9;

std::string levelText(double x, int decimals)
{
  if (std::fabs(x) >= kLevelExponentFrom) return printfText(x, std::chars_format::general, 3);
  return fixedText(x, decimals);
}

std::string significantText(int figures, double x)
{
  if (x == 0.0) return "0";
  figures = std::clamp(figures, 1, 15);
  // The number rounded to its significant figures first, so the prefix follows the rounded
  // value (999.96 with 3 figures is "1k", not "1000").
  char buf[64];
  const char* end =
      std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, figures - 1).ptr;
  const std::string_view sci(buf, static_cast<std::size_t>(end - buf));
  const std::size_t ePos = sci.find('e');
  double mantissa = 0.0;
  std::from_chars(buf, buf + ePos, mantissa);
  const char* expBegin = buf + ePos + 1;
  if (*expBegin == '+') ++expBegin;
  int e = 0;
  std::from_chars(expBegin, end, e);
  if (e < -15 || e > 14) return engineeringText(figures - 1, x);

  static constexpr const char* kPrefixes[] = {"f", "p", "n", "u", "m", "", "k", "M", "G", "T"};
  const int group = (e >= 0 ? e / 3 : -((-e + 2) / 3)) * 3; // the multiple of 3 at or below e
  const int intDigits = e - group + 1;                      // 1..3 before the point
  const int decimals = std::max(0, figures - intDigits);
  std::string out =
      printfText(mantissa * std::pow(10.0, e - group), std::chars_format::fixed, decimals);
  if (out.find('.') != std::string::npos) {
    while (out.back() == '0')
      out.pop_back();
    if (out.back() == '.') out.pop_back();
  }
  return out + kPrefixes[group / 3 + 5];
}

// A limit text read back as the calculator field will read it.
std::optional<double> readBack(const char* text)
{
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  return readNumber(text, NumberRules::Bounded({-kInfinity, kInfinity})).number();
}

std::string limitText(double limit, NumberBounds bounds)
{
  std::string oneDecimal = printfText(limit, std::chars_format::fixed, 1);
  // At most 63 characters: a longer text is cut there and then (as a rule) no longer reads
  // back as the limit, so the six-digit form below serves.
  oneDecimal.resize(std::min<std::size_t>(oneDecimal.size(), 63));
  if (readBack(oneDecimal.c_str()) == limit) return oneDecimal;

  // Six significant digits, rounded toward the inside of the limits.
  if (limit != 0.0) {
    const double scale = std::pow(10.0, 5.0 - std::floor(std::log10(std::fabs(limit))));
    const bool isUpperLimit = limit >= bounds.max;
    const double scaled = limit * scale;
    const double rounded = (isUpperLimit ? std::floor(scaled) : std::ceil(scaled)) / scale;
    const std::string six = printfText(rounded, std::chars_format::general, 6);
    const std::optional<double> back = readBack(six.c_str());
    if (back && *back <= bounds.max && *back >= bounds.min) return six;
  }
  return printfText(limit, std::chars_format::general, 17);
}

} // namespace

std::string formatNumber(double x, const NumberFormat& format)
{
  if (format.form == NumberFormat::Form::Fixed) return fixedText(x, format.digits);
  x = finiteOrClamped(x);
  switch (format.form) {
  case NumberFormat::Form::File:
    return fileText(x);
  case NumberFormat::Form::Engineering:
    return engineeringText(format.digits, x);
  case NumberFormat::Form::Shortest:
    return printfText(x, std::chars_format::general, 15);
  case NumberFormat::Form::Fixed:
    return fixedText(x, format.digits);
  case NumberFormat::Form::Limit:
    return limitText(x, format.bounds);
  case NumberFormat::Form::Level:
    return levelText(x, format.digits);
  case NumberFormat::Form::Significant:
    return significantText(format.digits, x);
  }
  return fileText(x);
}

std::string signedText(std::string_view text)
{
  if (!text.empty() && text.front() == '-') return std::string(text);
  return "+" + std::string(text);
}

} // namespace norvane

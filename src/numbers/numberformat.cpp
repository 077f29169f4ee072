#include "numbers/numbertext.h"
#include "numbers/valuetext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
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

std::string shortestText(double x)
{
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", x);
  return buf;
}

// A limit text read back as the calculator field will read it.
std::optional<double> readBack(const char* text)
{
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  return ReadNumber(text, NumberRules::Bounded({-kInfinity, kInfinity})).number();
}

std::string limitText(double limit, NumberBounds bounds)
{
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.1f", limit);
  if (readBack(buffer) == limit) return buffer;

  // Six significant digits, rounded toward the inside of the limits.
  if (limit != 0.0) {
    const double scale = std::pow(10.0, 5.0 - std::floor(std::log10(std::fabs(limit))));
    const bool isUpperLimit = limit >= bounds.max;
    const double scaled = limit * scale;
    const double rounded = (isUpperLimit ? std::floor(scaled) : std::ceil(scaled)) / scale;
    std::snprintf(buffer, sizeof buffer, "%.6g", rounded);
    const std::optional<double> back = readBack(buffer);
    if (back && *back <= bounds.max && *back >= bounds.min) return buffer;
  }
  std::snprintf(buffer, sizeof buffer, "%.17g", limit);
  return buffer;
}

} // namespace

std::string FormatNumber(double x, const NumberFormat& format)
{
  x = finiteOrClamped(x);
  switch (format.form) {
  case NumberFormat::Form::File:
    return fileText(x);
  case NumberFormat::Form::Engineering:
    return engineeringText(format.digits, x);
  case NumberFormat::Form::Shortest:
    return shortestText(x);
  case NumberFormat::Form::Limit:
    return limitText(x, format.bounds);
  }
  return fileText(x);
}

std::string SignedText(std::string_view text)
{
  if (!text.empty() && text.front() == '-') return std::string(text);
  return "+" + std::string(text);
}

} // namespace norvane

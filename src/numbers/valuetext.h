#pragma once
// The number texts most of the program uses, by their everyday names: a component's value
// text read as readNumber's ValueText rules, and engineering notation and fixed decimals as
// formatNumber shows them. Both are shorthands; the rules themselves are in numbers/numbertext.h.

#include "numbers/numbertext.h"

#include <string>
#include <string_view>

namespace norvane {

// The value of value text ("4k7" is 4700, "2.2uH" 2.2e-6); 0 when it holds no number.
inline double parseValueText(std::string_view text)
{
  return readNumber(text, NumberRules::ValueText()).value;
}

// `x` in engineering notation with `digits` decimals ("1.5k", "0.047", "1E-20").
inline std::string formatEngineering(int digits, double x)
{
  return formatNumber(x, NumberFormat::Engineering(digits));
}

// `x` with `decimals` decimals ("0.500", "-12.345"), as the result texts show it.
inline std::string formatFixed(double x, int decimals)
{
  return formatNumber(x, NumberFormat::Fixed(decimals));
}

// A decibel or degree value with `decimals` decimals and no prefix letter ("-0.350", "0.000").
inline std::string formatLevel(double x, int decimals)
{
  return formatNumber(x, NumberFormat::Level(decimals));
}

// `x` in engineering notation with at least `figures` significant figures ("15.6m").
inline std::string formatSignificant(double x, int figures)
{
  return formatNumber(x, NumberFormat::Significant(figures));
}

// The text with "+" in front unless it already starts with "-" (tolerance brackets, labels).
std::string signedText(std::string_view text);

} // namespace norvane

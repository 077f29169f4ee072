#pragma once
// The number readers and writers the tests were first written against, each spelled as the
// readNumber rule or formatNumber format that now does its work, so the tests' assertions
// read as they always have.

#include "numbers/numbertext.h"

#include <optional>
#include <string>
#include <string_view>

namespace norvane::testing {

inline std::optional<int> parseFileInteger(std::string_view text)
{
  return readNumber(text, NumberRules::FileInteger()).integer();
}

inline std::optional<double> parseFileReal(std::string_view text)
{
  return readNumber(text, NumberRules::File()).number();
}

inline std::optional<double> takeFileReal(std::string_view& text)
{
  return takeNumber(text, NumberRules::File()).number();
}

inline std::string formatFileReal(double x)
{
  return formatNumber(x, NumberFormat::File());
}

using EnteredNumber = NumberReading;

inline EnteredNumber parseEnteredValue(std::string_view text, std::string_view unit = {})
{
  return readNumber(text, NumberRules::Entry(unit));
}

inline std::string limitText(double limit, NumberBounds bounds)
{
  return formatNumber(limit, NumberFormat::Limit(bounds));
}

inline std::string shortestText(double x)
{
  return formatNumber(x, NumberFormat::Shortest());
}

inline double parsePlainNumber(std::string_view text)
{
  return readNumber(text, NumberRules::Plain()).value;
}

} // namespace norvane::testing

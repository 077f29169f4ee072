#pragma once
// The number readers and writers the tests were first written against, each spelled as the
// ReadNumber rule or FormatNumber format that now does its work, so the tests' assertions
// read as they always have.

#include "numbers/numbertext.h"

#include <optional>
#include <string>
#include <string_view>

namespace norvane::testing {

inline std::optional<int> parseFileInteger(std::string_view text)
{
  return ReadNumber(text, NumberRules::FileInteger()).integer();
}

inline std::optional<double> parseFileReal(std::string_view text)
{
  return ReadNumber(text, NumberRules::File()).number();
}

inline std::optional<double> takeFileReal(std::string_view& text)
{
  return TakeNumber(text, NumberRules::File()).number();
}

inline std::string formatFileReal(double x)
{
  return FormatNumber(x, NumberFormat::File());
}

using EnteredNumber = NumberReading;

inline EnteredNumber ParseEnteredValue(std::string_view text, std::string_view unit = {})
{
  return ReadNumber(text, NumberRules::Entry(unit));
}

inline std::string limitText(double limit, NumberBounds bounds)
{
  return FormatNumber(limit, NumberFormat::Limit(bounds));
}

inline std::string shortestText(double x)
{
  return FormatNumber(x, NumberFormat::Shortest());
}

inline double parsePlainNumber(std::string_view text)
{
  return ReadNumber(text, NumberRules::Plain()).value;
}

} // namespace norvane::testing

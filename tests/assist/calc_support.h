#pragma once
// Shared checks of the calculator tests.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cctype>
#include <string>

namespace norvane::testing {

// No calculator text may show a failed floating-point value.
inline ::testing::AssertionResult isCleanText(const std::string& text)
{
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos)
    return ::testing::AssertionFailure() << "text \"" << text << "\" shows a failed value";
  return ::testing::AssertionSuccess();
}

// |actual - expected| within `relative` of |expected|.
inline ::testing::AssertionResult isNear(double actual, double expected, double relative)
{
  if (std::abs(actual - expected) <= relative * std::abs(expected))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << actual << " is not within " << relative * 100 << "% of " << expected;
}

} // namespace norvane::testing

#include "numbers/numbertext.h"

#include "numbertext_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace norvane {
namespace {

using testing::formatFileReal;
using testing::parseFileInteger;
using testing::parseFileReal;
using testing::takeFileReal;

TEST(FileNumbers, Integers)
{
  struct Case
  {
    const char* text;
    std::optional<int> value;
  };
  const Case cases[] = {
      {"1", 1},
      {"-100", -100},
      {"  42", 42},
      {"\t7", 7},
      {"+3", 3},
      {"0", 0},
      {"12 trailing", 12},
      {"2147483647", 2147483647},
      {"-2147483648", std::numeric_limits<int>::min()},
      {"2147483648", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"abc", std::nullopt},
      {"1.0", std::nullopt},
      {"1x", std::nullopt},
      {"+-1", std::nullopt},
      {"--1", std::nullopt},
      {"- 1", std::nullopt},
      {"0x10", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(parseFileInteger(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST(FileNumbers, Reals)
{
  const double big = std::numeric_limits<double>::max();
  struct Case
  {
    const char* text;
    std::optional<double> value;
  };
  const Case cases[] = {
      {" 5.00000000000000E+0001", 50.0},
      {"-4.00000000000000E+0001", -40.0},
      {"1e-3", 1e-3},
      {"  .5", 0.5},
      {"5.", 5.0},
      {"+2.5E2", 250.0},
      {"7 rest", 7.0},
      {"1e999", big},
      {"-1e999", -big},
      {"1e-999", 0.0},
      {"0.000000000000000000001e-400", 0.0},
      {" 1.79769313486232E+0308", big},
      {"1e99999999999999999", big},
      {"", std::nullopt},
      {"abc", std::nullopt},
      {"1e", std::nullopt},
      {"1e+", std::nullopt},
      {".", std::nullopt},
      {"-", std::nullopt},
      {"inf", std::nullopt},
      {"nan", std::nullopt},
      {"0x1p3", std::nullopt},
      {"4k7", std::nullopt},
      {"1,5", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(parseFileReal(c.text), c.value) << '"' << c.text << '"';
  }

  std::string_view line = "  1.5  -2e3 x";
  EXPECT_EQ(takeFileReal(line), 1.5);
  EXPECT_EQ(takeFileReal(line), -2000.0);
  EXPECT_EQ(takeFileReal(line), std::nullopt);
}

TEST(FileNumbers, WrittenDoublesReadBackTo15Digits)
{
  std::mt19937_64 random(12345);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-300, 300);
  for (int i = 0; i < 20000; ++i) {
    const double x = mantissa(random) * std::pow(10.0, exponent(random));
    const std::string text = formatFileReal(x);
    ASSERT_EQ(text.size(), 23u) << text;
    const auto back = parseFileReal(text);
    ASSERT_TRUE(back.has_value()) << text;
    EXPECT_NEAR(*back, x, std::fabs(x) * 1e-14) << text;
    // Written again, the digits are the same: resaving a file changes nothing.
    EXPECT_EQ(formatFileReal(*back), text);
  }
}

} // namespace
} // namespace norvane

#include "numbers/numbertext.h"
#include "numbers/valuetext.h"

#include "numbertext_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace norvane {
namespace {

using testing::formatFileReal;

TEST(FormatFileReal, WritesTheFixedScientificForm)
{
  struct Case
  {
    double x;
    const char* text;
  };
  const Case cases[] = {
      {-50.0, "-5.00000000000000E+0001"},
      {1000.0, " 1.00000000000000E+0003"},
      {50.0, " 5.00000000000000E+0001"},
      {1e10, " 1.00000000000000E+0010"},
      {0.0, " 0.00000000000000E+0000"},
      {-0.0, " 0.00000000000000E+0000"},
      {1e-20, " 1.00000000000000E-0020"},
      {-2.2e-6, "-2.20000000000000E-0006"},
      {1.0 / 3.0, " 3.33333333333333E-0001"},
      {std::numeric_limits<double>::quiet_NaN(), " 0.00000000000000E+0000"},
      {std::numeric_limits<double>::infinity(), " 1.79769313486232E+0308"},
      {-std::numeric_limits<double>::infinity(), "-1.79769313486232E+0308"},
      {std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-0324"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(formatFileReal(c.x), c.text);
    EXPECT_EQ(formatFileReal(c.x).size(), 23u);
  }
}

TEST(FormatFileReal, ReadsBackThroughTheParser)
{
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-300, 300);
  for (int i = 0; i < 5000; ++i) {
    const double x = mantissa(rng) * std::pow(10.0, exponent(rng));
    EXPECT_NEAR(parseValueText(formatFileReal(x)), x, std::fabs(x) * 1e-14) << x;
  }
}

} // namespace
} // namespace norvane

#include "sim/results.h"
#include "sweeppoint_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

namespace norvane {
namespace {

TEST(Results, FixedText)
{
  struct Case
  {
    double x;
    int decimals;
    const char* text;
  };
  const Case cases[] = {
      {0.5, 3, "0.500"},
      {-12.3454, 3, "-12.345"},
      {100.0, 6, "100.000000"},
      {1500.0, 6, "1500.000000"},
      {0.0, 3, "0.000"},
      {-0.0, 3, "0.000"},
      {-1e-12, 3, "0.000"}, // rounds to zero: no sign
      {-0.0005, 3, "-0.001"},
      {179.9999, 3, "180.000"},
      {std::numeric_limits<double>::quiet_NaN(), 3, "0.000"},
      {std::numeric_limits<double>::infinity(), 0, "1000000000000000019884624838656"},
      {-std::numeric_limits<double>::infinity(), 0, "-1000000000000000019884624838656"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(formatFixed(c.x, c.decimals), c.text) << c.x;
  }
}

using testing::twoPort;

TEST(Results, ResultFileLineOfASeriesResistor)
{
  // 25 ohm in series between two 50 ohm ports: S11 = S22 = 25/125 = 0.2, S21 = S12 = 0.8.
  const SweepPoint p = twoPort(100e6, {0.2, 0.0}, {0.8, 0.0}, {0.8, 0.0}, {0.2, 0.0});
  EXPECT_EQ(formatResultFileLine(p), "100.000000 0.200 0.000 0.800 0.000 0.800 0.000 0.200 0.000 ");
}

TEST(Results, ResultFileLineForms)
{
  SweepPoint p = twoPort(1.5e9, {0.0, -0.5}, {-1.0, 0.0}, {0.0, 1.0}, {0.6, 0.8});
  EXPECT_EQ(formatResultFileLine(p),
            "1500.000000 0.500 -90.000 1.000 180.000 1.000 90.000 1.000 53.130 ");
  // The file holds the raw transmission coefficients.
  p.s21 = {9.0, 9.0};
  EXPECT_EQ(formatResultFileLine(p).substr(0, 32), "1500.000000 0.500 -90.000 1.000 ");

  SweepPoint one = p;
  one.port2 = false;
  EXPECT_EQ(formatResultFileLine(one), "1500.000000 0.500 -90.000 ");

  SweepPoint two = p;
  two.port1 = false; // port 2 alone: the frequency still leads the line
  EXPECT_EQ(formatResultFileLine(two), "1500.000000 1.000 53.130 ");

  SweepPoint failed = p;
  failed.excited1 = failed.excited2 = false;
  EXPECT_EQ(formatResultFileLine(failed), "");
}

TEST(Results, CsvLine)
{
  SweepPoint p = twoPort(1e6, {0.1, -0.2}, {0.3, 0.4}, {0.5, 0.6}, {0.7, 0.8});
  p.s21 = {1.0 / 3.0, 0.0};
  EXPECT_EQ(formatCsvLine(p), "1000000,0.10000000000000001,-0.20000000000000001,"
                              "0.33333333333333331,0,0.5,0.59999999999999998,"
                              "0.69999999999999996,0.80000000000000004");
  p.port2 = false;
  EXPECT_EQ(formatCsvLine(p), "1000000,0.10000000000000001,-0.20000000000000001,,,,,,");
  EXPECT_EQ(std::string(kCsvHeader).substr(0, 15), "freq_hz,s11_re,");
}

TEST(Results, NumberTextAsPrintfWritesIt)
{
  // The text is made without printf; it must be printf's, character for character.
  std::mt19937_64 rng(3);
  for (int trial = 0; trial < 20000; ++trial) {
    double x = std::ldexp(std::uniform_real_distribution<>(-1, 1)(rng),
                          static_cast<int>(rng() % 140) - 70);
    if (trial % 50 == 0) {
      x = std::round(x * 1000) / 1000; // halfway cases of the 3-decimal rounding
    }
    char want[400];
    std::snprintf(want, sizeof want, "%.17g", x);
    SweepPoint p = twoPort(x, {x, -x}, {0, 0}, {0, 0}, {0, 0});
    const std::string line = formatCsvLine(p);
    ASSERT_EQ(line.substr(0, line.find(',')), want) << x;
    for (int decimals : {3, 6}) {
      std::snprintf(want, sizeof want, "%4.*f", decimals, x);
      std::string text(want);
      text.erase(0, text.find_first_not_of(' '));
      if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
      }
      ASSERT_EQ(formatFixed(x, decimals), text) << x;
    }
  }
  EXPECT_EQ(formatFixed(std::numeric_limits<double>::infinity(), 3),
            "1000000000000000019884624838656.000");
}

} // namespace
} // namespace norvane

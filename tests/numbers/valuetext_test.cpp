#include "numbers/valuetext.h"

#include "numbertext_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace norvane {
namespace {

using testing::EnteredNumber;
using testing::parseEnteredValue;

struct ParseCase
{
  const char* text;
  double expected;
};

TEST(ParseValueText, ReadsNumbersWithPrefixLetters)
{
  const ParseCase cases[] = {
      {"100R", 100.0},
      {"4k7", 4700.0},
      {"2.2uH", 2.2e-6},
      {"1E-20F", 1e-20},
      {"10M", 1e7},
      {"10m", 0.01},
      {"5%", 5.0},
      {"abc", 0.0},
      {"", 0.0},
      {"4R7", 4.7}, // a unit letter between digits is also the point
      {"4M7", 4.7e6},
      {"1p5", 1.5e-12},
      {"3f", 3e-15},
      {"3n", 3e-9},
      {"2G", 2e9},
      {"1.5T", 1.5e12},
      {"-4k7", -4700.0},
      {"+10", 10.0},
      {"-5%", -5.0},
      {".5k", 500.0},
      {"5.", 5.0},
      {"2e3", 2000.0},
      {"2E+3k", 2e6},
      {"2e", 2.0}, // "e" without digits is no exponent
      {"2e-", 2.0},
      {"1K", 1.0}, // prefixes are case-sensitive: "K" is no prefix
      {"100R (+5,-5%)", 100.0},
      {"-", 0.0},
      {".", 0.0},
      {"k7", 0.0}, // no leading number at all
      {"1E-20", 1e-20},
      {"100 k", 100.0}, // a blank ends the number and is no prefix
      {"50Hz", 50.0},
      {"0", 0.0},
      {"-0.0047", -0.0047},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_DOUBLE_EQ(parseValueText(c.text), c.expected);
  }
}

TEST(ParseValueText, SkipsLeadingBlanksOfTheFileForm)
{
  // The schematic and configuration files put a blank in the sign position of every
  // positive number; read literally, every positive value in a file would become 0.
  EXPECT_DOUBLE_EQ(parseValueText(" 5.00000000000000E+0001"), 50.0);
  EXPECT_DOUBLE_EQ(parseValueText("-5.00000000000000E+0001"), -50.0);
  EXPECT_DOUBLE_EQ(parseValueText(" 1.00000000000000E+0010"), 1e10);
  EXPECT_DOUBLE_EQ(parseValueText("\t  4k7"), 4700.0);
  EXPECT_DOUBLE_EQ(parseValueText("   "), 0.0);
}

TEST(ParseValueText, StaysFiniteOnExtremeInput)
{
  const double big = std::numeric_limits<double>::max();
  EXPECT_EQ(parseValueText("1e400"), big);
  EXPECT_EQ(parseValueText("-1e400"), -big);
  EXPECT_EQ(parseValueText("1e308T"), big);
  EXPECT_EQ(parseValueText("1e99999999999999999999"), big);
  EXPECT_EQ(parseValueText("0.0000001e-400"), 0.0);
  EXPECT_EQ(parseValueText("1e-400"), 0.0);
  EXPECT_EQ(parseValueText("0e99999"), 0.0);
  EXPECT_EQ(parseValueText("1000000000000000000000e300"), big);
  const std::string longDigits(5000, '9');
  EXPECT_EQ(parseValueText(longDigits), big);
  EXPECT_NEAR(parseValueText("0." + longDigits), 1.0, 1e-12);
}

struct FormatCase
{
  int digits;
  double x;
  const char* expected;
};

TEST(FormatEngineering, ChoosesPrefixAndTrimsZeros)
{
  const FormatCase cases[] = {
      {3, 1500.0, "1.5k"},
      {2, 1e-20, "1E-20"},
      {0, 0.0, "0"},
      {3, 0.0047, "4.7m"},
      {3, 0.047, "0.047"},
      {3, 50.0, "50"},
      {3, 999.9996, "1000"}, // rounds within its factor, no change of prefix
      {2, 50.0, "50"},
      {3, 1e-11, "10p"},
      {2, 4700.0, "4.7k"},
      {2, 0.05, "0.05"},
      {0, 100.0, "100"}, // zeros of an integer are kept
      {0, 1000.0, "1k"},
      {2, 1e10, "10G"},
      {2, 1e14, "100T"},
      {2, 1e15, "1E+15"},
      {2, 2.5e20, "2.5E+20"},
      {2, 1e-15, "1f"},
      {2, 1e-16, "1E-16"},
      {2, 1e-36, "1E-36"},
      {2, 4.7e-6, "4.7u"},
      {2, 1e-4, "100u"},
      {2, 2.2e-8, "22n"},
      {2, -5.0, "-5"}, // negative numbers lose trailing zeros too: "(+5,-5%)"
      {2, -1500.0, "-1.5k"},
      {2, -0.0, "0"},
      {0, -0.004, "-4m"},
      {0, 0.01, "0"},
      {0, -0.01, "0"}, // never "-0"
      {2, 1e5, "100k"},
      {1, 9.96, "10"},
      {4, 0.1234, "0.1234"},
      {2, 1e-40, "1E-40"}, // reads back as the same number (not "E+-40")
  };
  for (const FormatCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.digits) + ", " + std::to_string(c.x));
    EXPECT_EQ(formatEngineering(c.digits, c.x), c.expected);
  }
}

TEST(FormatEngineering, NeverWritesNanOrInfinity)
{
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(formatEngineering(2, std::numeric_limits<double>::quiet_NaN()), "0");
  EXPECT_EQ(formatEngineering(2, inf), "1.8E+308");
  EXPECT_EQ(formatEngineering(2, -inf), "-1.8E+308");
  EXPECT_EQ(formatEngineering(-3, 1500.0), "2k"); // negative digit counts act as 0
  EXPECT_EQ(formatEngineering(1000, 1.5), "1.5");
}

TEST(FormatEngineering, ReadsBackThroughTheParser)
{
  // With enough digits parse(format(x)) gives x back to the shown precision, over the
  // whole range of the notation (prefixes, "E-" and "E+" forms, both signs).
  std::mt19937 rng(12345);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-60, 60);
  for (int i = 0; i < 5000; ++i) {
    const double x = (i % 2 ? -1.0 : 1.0) * mantissa(rng) * std::pow(10.0, exponent(rng));
    const std::string text = formatEngineering(12, x);
    SCOPED_TRACE(text);
    EXPECT_NEAR(parseValueText(text), x, std::fabs(x) * 1e-9);
  }
  // The short forms a dialog shows read back as the same text.
  for (double x : {1500.0, 4.7e-9, 1e-20, 1e15, 0.047, 50.0, 1e10, 3.3e-12}) {
    const std::string text = formatEngineering(3, x);
    EXPECT_EQ(formatEngineering(3, parseValueText(text)), text);
  }
}

TEST(ParseEnteredValue, BlanksBeforeThePrefixAndTheUnitButNothingElse)
{
  struct Case
  {
    const char* text;
    const char* unit;
    double expected;
  };
  const Case read[] = {
      {"10 pF", "F", 10e-12},  {"10pF", "F", 10e-12}, {" 10p ", "F", 10e-12},
      {"1 MHz", "Hz", 1e6},    {"1MHZ", "Hz", 1e6},   {"4k7", "R", 4700},
      {"4R7", "R", 4.7},       {"100R", "R", 100},    {"100", "R", 100},
      {"10 F", "F", 10},       {"10 m", " m", 10},    {"10m m", " m", 0.01},
      {"10m", " m", 0.01},     {"-5%", "%", -5},      {"1E-20F", "F", 1e-20},
      {"2.2 uH", "H", 2.2e-6}, {"0", "", 0},          {"1e-400", "F", 0},
  };
  for (const Case& c : read) {
    SCOPED_TRACE(c.text);
    const EnteredNumber n = parseEnteredValue(c.text, c.unit);
    EXPECT_TRUE(n.ok);
    EXPECT_NEAR(n.value, c.expected, std::fabs(c.expected) * 1e-12);
  }
  for (const char* text :
       {"abc", "1,5p", "1MHzzz", "0x10", "", "  ", "10 pFx", "10 Hz", "1.2.3", "1.5k7"}) {
    SCOPED_TRACE(text);
    const EnteredNumber n = parseEnteredValue(text, "F");
    EXPECT_FALSE(n.ok);
    EXPECT_STREQ(n.problem, "not a number");
  }
  EXPECT_STREQ(parseEnteredValue("1e400", "Hz").problem, "too large");
  EXPECT_STREQ(parseEnteredValue("1e300T", "Hz").problem, "too large");
  // Every text a field shows reads back.
  for (double x : {1500.0, 4.7e-9, 1e-20, 1e15, 0.047, 50.0, -3.3e-12}) {
    const std::string text = formatEngineering(3, x) + " m/s";
    EXPECT_TRUE(parseEnteredValue(text, " m/s").ok) << text;
  }
}

TEST(SignedText, PutsPlusUnlessNegative)
{
  EXPECT_EQ(signedText("5"), "+5");
  EXPECT_EQ(signedText("-5"), "-5");
  EXPECT_EQ(signedText("+5"), "++5"); // only a leading "-" is recognised
  EXPECT_EQ(signedText("0"), "+0");
  EXPECT_EQ(signedText(""), "+");
}

} // namespace
} // namespace norvane

namespace norvane {
namespace {

TEST(LevelText, DecibelsAndDegreesNeverTakeAPrefixLetter)
{
  const struct
  {
    double x;
    int decimals;
    const char* shown;
  } cases[] = {
      {-93.26e-9, 3, "0.000"}, // engineering notation gave "-93.26n"
      {-1.34e-3, 2, "0.00"},   // "-1.34m"
      {4.6e-14, 3, "0.000"},   // "45.929f"
      {-1.34e-3, 4, "-0.0013"},   {-20.0, 2, "-20.00"}, {3500.0, 1, "3500.0"}, // "3.5k"
      {-179.9996, 3, "-180.000"}, {2e31, 2, "2e+31"}, // the sentinel of a zero magnitude stays
                                                      // short
  };
  for (const auto& c : cases)
    EXPECT_EQ(formatLevel(c.x, c.decimals), c.shown) << c.x;
}

TEST(SignificantText, KeepsTheFiguresWithAPrefixForEveryExponent)
{
  const struct
  {
    double x;
    const char* shown;
  } cases[] = {
      {0.0156, "15.6m"}, {0.02, "20m"},  {-0.0104, "-10.4m"}, {0.15649, "156m"},
      {1.0, "1"},        {999.96, "1k"}, {50.0, "50"},        {1234.0, "1.23k"},
      {2.2e-9, "2.2n"},  {0.0, "0"},     {1e-20, "1E-20"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(formatSignificant(c.x, 3), c.shown) << c.x;
}

} // namespace
} // namespace norvane

#include "numbers/numbertext.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <string_view>

namespace norvane {
namespace {

// One text under every rule: each rule accepts exactly its own form and refuses the rest
// with ok false and value 0, never a number made up from part of the text.
TEST(NumberText, EachRuleReadsItsOwnFormAndRefusesTheRest)
{
  struct Case
  {
    const char* text;
    std::optional<double> file, valueText, entry, bounded, plain;
  };
  const std::optional<double> no;
  const Case cases[] = {
      {"4k7", no, 4700.0, 4700.0, no, no},
      {"10p", no, 10e-12, 10e-12, 10e-12, no},
      {" 2.5 ", 2.5, 2.5, 2.5, 2.5, 2.5},
      {"10 pF", 10.0, 10.0, 10e-12, no, no},
      {"1e3", 1000.0, 1000.0, 1000.0, 1000.0, 1000.0},
      {"abc", no, no, no, no, no},
      {"", no, no, no, no, no},
      {"0x10", no, 0.1, no, no, no}, // value text: a letter between digits is the point
      {"inf", no, no, no, no, no},
  };
  for (const Case& c : cases) {
    const auto check = [&](const NumberRules& rules, std::optional<double> want, const char* rule) {
      const NumberReading r = readNumber(c.text, rules);
      EXPECT_EQ(r.number(), want) << rule << " \"" << c.text << '"';
      if (!want) {
        EXPECT_EQ(r.value, 0.0) << rule << " \"" << c.text << '"';
        EXPECT_STREQ(r.problem, "not a number") << rule << " \"" << c.text << '"';
      }
    };
    check(NumberRules::File(), c.file, "File");
    check(NumberRules::ValueText(), c.valueText, "ValueText");
    check(NumberRules::Entry("F"), c.entry, "Entry");
    check(NumberRules::Bounded({1e-15, 1e6}), c.bounded, "Bounded");
    check(NumberRules::Plain(), c.plain, "Plain");
  }

  EXPECT_EQ(readNumber("+3", NumberRules::FileInteger()).integer(), 3);
  EXPECT_EQ(readNumber("3.0", NumberRules::FileInteger()).integer(), std::nullopt);
  std::string_view line = " 1.5 -2 x";
  EXPECT_EQ(takeNumber(line, NumberRules::File()).number(), 1.5);
  EXPECT_EQ(takeNumber(line, NumberRules::File()).number(), -2.0);
  EXPECT_EQ(takeNumber(line, NumberRules::File()).number(), std::nullopt);
  EXPECT_TRUE(line.empty());

  const NumberReading clamped = readNumber(" 5M", NumberRules::Bounded({1.0, 1e4}));
  EXPECT_EQ(clamped.number(), 1e4);
  EXPECT_TRUE(clamped.clamped);
  EXPECT_EQ(clamped.text, "10000.0");
}

// Every format round-trips through its reading rule, and none shows NaN or an infinity.
TEST(NumberText, FormatsReadBackAndStayFinite)
{
  const double big = std::numeric_limits<double>::max();
  for (const double x : {-50.0, 1000.0, 4.7e-9, 0.1, 123456.789}) {
    EXPECT_EQ(readNumber(formatNumber(x, NumberFormat::File()), NumberRules::File()).value, x);
    EXPECT_EQ(readNumber(formatNumber(x, NumberFormat::Shortest()), NumberRules::Plain()).value, x);
    EXPECT_DOUBLE_EQ(
        readNumber(formatNumber(x, NumberFormat::Engineering(12)), NumberRules::ValueText()).value,
        x);
  }
  EXPECT_EQ(formatNumber(1500, NumberFormat::Engineering(3)), "1.5k");
  EXPECT_EQ(formatNumber(-50, NumberFormat::File()), "-5.00000000000000E+0001");
  EXPECT_EQ(formatNumber(0.25, NumberFormat::Shortest()), "0.25");
  for (const double odd :
       {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
    for (const NumberFormat& f :
         {NumberFormat::File(), NumberFormat::Engineering(3), NumberFormat::Shortest(),
          NumberFormat::Fixed(3), NumberFormat::Limit({0.0, big})}) {
      const std::string text = formatNumber(odd, f);
      EXPECT_EQ(text.find_first_of("naif"), std::string::npos) << text;
    }
  }
}

} // namespace
} // namespace norvane

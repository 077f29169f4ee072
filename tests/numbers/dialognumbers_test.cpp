#include "numbertext_support.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

using testing::parsePlainNumber;
using testing::shortestText;

TEST(DialogNumbers, FixedShortestAndPlainParsing)
{
  EXPECT_EQ(shortestText(10), "10");
  EXPECT_EQ(shortestText(0.1), "0.1");
  EXPECT_EQ(shortestText(1.0 / 3.0), "0.333333333333333");

  struct Case
  {
    const char* text;
    double value;
  };
  const Case cases[] = {{"12.5", 12.5}, {" -3e2 ", -300}, {"+4", 4},    {".5", 0.5}, {"10dB", 0},
                        {"abc", 0},     {"", 0},          {"1e999", 0}, {"inf", 0},  {"nan", 0},
                        {"-", 0},       {"1E-3", 0.001},  {"4k7", 0},   {"5.", 5}};
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(parsePlainNumber(c.text), c.value) << c.text;
}

} // namespace
} // namespace norvane

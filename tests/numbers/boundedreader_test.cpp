#include "numbers/boundedreader.h"

#include "numbertext_support.h"

#include <gtest/gtest.h>

#include <string>

namespace norvane {
namespace {

using testing::limitText;

struct ReadCase
{
  const char* text;
  NumberBounds bounds;
  double value;
  bool clamped;
  const char* textAfter;
};

TEST(BoundedReader, ReadsMultipliersAndClampsToTheLimits)
{
  const NumberBounds permittivity{1, 10000};
  const NumberBounds dimension{1e-12, 1e12};
  const ReadCase cases[] = {
      {"5k", permittivity, 5000, false, "5k"},
      {"20k", permittivity, 10000, true, "10000.0"},
      {"2.9", dimension, 2.9, false, "2.9"},
      {" 1.6 ", dimension, 1.6, false, " 1.6 "},
      {"1.5M", {1e-12, 1e15}, 1.5e6, false, "1.5M"},
      {"3m", dimension, 3e-3, false, "3m"},
      {"10 k", dimension, 1e4, false, "10 k"},
      {"2T", dimension, 1e12, true, "1000000000000.0"},
      {"1G", dimension, 1e9, false, "1G"},
      {"4u", dimension, 4e-6, false, "4u"},
      {"7n", dimension, 7e-9, false, "7n"},
      {"1p", dimension, 1e-12, false, "1p"},
      {"2f", dimension, 1e-12, true, "1e-12"},
      {"1e3", dimension, 1000, false, "1e3"},
      {"+2.5E-1k", dimension, 250, false, "+2.5E-1k"},
      {".5", dimension, 0.5, false, ".5"},
      {"5.", dimension, 5, false, "5."},
      {".", {0, 1e12}, 0, false, "0."},
      {".", dimension, 1e-12, true, "1e-12"},
      {"0.5", permittivity, 1, true, "1.0"},
      {"-5", {0, 1e12}, 0, true, "0.0"},
      {"1e999", dimension, 1e12, true, "1000000000000.0"},
      {"1e-999", dimension, 1e-12, true, "1e-12"},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.text);
    const BoundedReading r = readBoundedNumber(c.text, c.bounds);
    ASSERT_TRUE(r.value.has_value()) << r.error;
    EXPECT_DOUBLE_EQ(*r.value, c.value);
    EXPECT_EQ(r.clamped, c.clamped);
    EXPECT_EQ(r.text, c.textAfter);
  }
}

TEST(BoundedReader, RefusesTextThatIsNotANumber)
{
  for (const char* text :
       {"", " ", "abc", "k", "4k7", "1.2.3", "1e", "--1", "inf", "nan", "5K", "1,5", "5kk"}) {
    SCOPED_TRACE(text);
    const BoundedReading r = readBoundedNumber(text, {});
    EXPECT_FALSE(r.value.has_value());
    EXPECT_FALSE(r.clamped);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(r.text, text);
  }
}

TEST(BoundedReader, ARewrittenLimitReadsBackInsideTheLimitsWithoutASecondBeep)
{
  const double oddLimit = 1.8e11 / (2 * 3.14159265358979323846 * 1e9 * 50); // 0.57295...
  const NumberBounds cases[] = {{1e-12, oddLimit}, {1e-12, 1e12}, {1, 10000},
                                {0, 1e12},         {1e-12, 1e15}, {1.0 / 3.0, 2.0 / 3.0}};
  for (const NumberBounds& b : cases) {
    for (const char* text : {"1e30", "-1e30"}) {
      SCOPED_TRACE(std::string(text) + " into [" + std::to_string(b.min) + ", " +
                   std::to_string(b.max) + "]");
      const BoundedReading first = readBoundedNumber(text, b);
      ASSERT_TRUE(first.clamped);
      const BoundedReading again = readBoundedNumber(first.text, b);
      ASSERT_TRUE(again.value.has_value());
      EXPECT_FALSE(again.clamped) << first.text;
      EXPECT_EQ(*again.value, *first.value);
      const double limit = text[0] == '-' ? b.min : b.max;
      EXPECT_NEAR(*first.value, limit, 1e-5 * std::max(limit, 1e-300));
    }
  }
  EXPECT_EQ(limitText(oddLimit, {1e-12, oddLimit}), "0.572957");
}

TEST(BoundedReader, FieldReaderRewritesInPlaceAndNamesTheFirstBadField)
{
  FieldReader reader("Microstrip");
  std::string er = "20k";
  std::string width = "wide";
  std::string height = "x";
  EXPECT_EQ(reader.read(er, "Dielectric Permittivity (Er)", {1, 10000}), 10000.0);
  EXPECT_EQ(er, "10000.0");
  EXPECT_TRUE(reader.beep());
  EXPECT_FALSE(reader.read(width, "Track Width (W)").has_value());
  EXPECT_FALSE(reader.read(height, "Dielectric Thickness (H)").has_value());
  EXPECT_TRUE(reader.failed());
  EXPECT_EQ(reader.error(), "Microstrip, Track Width (W): \"wide\" is not a valid number.");
}

} // namespace
} // namespace norvane

// The reader of "simulate --format csv" that the comparisons rest on: a parameter the circuit
// lacks, or a field that is not a number, must read as NaN, never as a value that could agree.
#include "cli_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace norvane {
namespace {

using testing::readSimulateCsv;

TEST(SimulateCsvReader, NumbersEmptyFieldsAndText)
{
  const auto points = readSimulateCsv("freq_hz,s11_re,s11_im,s21_re,s21_im,s12_re,s12_im,s22_re,"
                                      "s22_im\n"
                                      "1e6,0.5,-0.25,,,,,,\n"
                                      "2e6,1x,0.1,0.2,0.3,0.4,0.5,0.6,0.7\n"
                                      "3e6,0.1\n");
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[0].f, 1e6);
  EXPECT_EQ(points[0].s[0], std::complex<double>(0.5, -0.25));
  for (int k = 1; k < 4; ++k) {
    EXPECT_TRUE(std::isnan(points[0].s[k].real()) && std::isnan(points[0].s[k].imag())) << k;
  }
  EXPECT_TRUE(std::isnan(points[1].s[0].real()));
  EXPECT_EQ(points[1].s[0].imag(), 0.1);
  EXPECT_EQ(points[1].s[3], std::complex<double>(0.6, 0.7));
  EXPECT_EQ(points[2].f, 3e6);
  EXPECT_TRUE(std::isnan(points[2].s[0].imag()) && std::isnan(points[2].s[3].real()));
}

} // namespace
} // namespace norvane

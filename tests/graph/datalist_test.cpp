// The cells of the graph window's data list.

#include "graph/datalist.h"

#include "sim/sweeppoint_support.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

using testing::twoPort;

TEST(Results, DataListRow)
{
  SweepPoint p = twoPort(1.5e9, {0.5, 0.0}, {0.0, 2.0}, {0.0, -0.25}, {-1.0, 0.0});
  const auto cells = formatDataListRow(p);
  EXPECT_EQ(cells[0], "1.5GHz");
  EXPECT_EQ(cells[1], "0.500");
  EXPECT_EQ(cells[2], "0.000\xB0");
  EXPECT_EQ(cells[3], "2.000");
  EXPECT_EQ(cells[4], "90.000\xB0");
  EXPECT_EQ(cells[5], "0.250");
  EXPECT_EQ(cells[6], "-90.000\xB0");
  EXPECT_EQ(cells[7], "1.000");
  EXPECT_EQ(cells[8], "180.000\xB0");

  SweepPoint one = p;
  one.port2 = false;
  const auto c1 = formatDataListRow(one);
  EXPECT_EQ(c1[1], "0.500");
  for (int k = 3; k < 9; ++k) {
    EXPECT_EQ(c1[static_cast<std::size_t>(k)], "") << k;
  }
  SweepPoint two = p;
  two.port1 = false;
  const auto c2 = formatDataListRow(two);
  for (int k = 1; k < 7; ++k) {
    EXPECT_EQ(c2[static_cast<std::size_t>(k)], "") << k;
  }
  EXPECT_EQ(c2[7], "1.000");
  EXPECT_EQ(kDataListHeadings[0], std::string("Freq"));
  EXPECT_EQ(kDataListHeadings[8], std::string("S22 Ang"));
}

} // namespace
} // namespace norvane

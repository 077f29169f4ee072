// The stability and gain figures where they cannot be formed: absent, never an infinity or
// a sentinel standing in for one. (Their values are checked end to end in
// tests/cli/measures_cli_test.cpp.)

#include "sim/twoportmeasures.h"
#include "sweeppoint_support.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

SweepPoint twoPort(Complex s11, Complex s21, Complex s12, Complex s22)
{
  return testing::twoPort(1e6, s11, s21, s12, s22);
}

TEST(TwoPortMeasures, FiguresThatCannotBeFormedAreAbsent)
{
  // A unilateral amplifier (S12 = 0) whose input is an open circuit (S11 = 1) and whose
  // output reflects more than it receives: no K, no MAG/MSG, no input impedance and no
  // VSWR at either port; |Delta| and the mu of the output still exist.
  const TwoPortMeasures m = twoPortMeasures(twoPort({1, 0}, {3, 0}, {0, 0}, {0, -1.5}), 50, 50);
  EXPECT_FALSE(m.k);
  EXPECT_FALSE(m.gainDb);
  EXPECT_FALSE(m.zin);
  EXPECT_FALSE(m.vswr1);
  EXPECT_FALSE(m.vswr2);
  ASSERT_TRUE(m.delta);
  EXPECT_DOUBLE_EQ(*m.delta, 1.5);
  ASSERT_TRUE(m.zout);
  // A through with no transmission back but none forward either: no gain to take a log of.
  EXPECT_FALSE(twoPortMeasures(twoPort({0, 0}, {0, 0}, {0.5, 0}, {0, 0}), 50, 50).gainDb);
  // A lone port 1 gives its own figures only.
  SweepPoint one = twoPort({0.5, 0}, {}, {}, {});
  one.port2 = false;
  const TwoPortMeasures lone = twoPortMeasures(one, 75, 50);
  EXPECT_FALSE(lone.k || lone.delta || lone.mu1 || lone.mu2 || lone.gainDb || lone.vswr2 ||
               lone.zout);
  ASSERT_TRUE(lone.vswr1 && lone.zin);
  EXPECT_DOUBLE_EQ(*lone.vswr1, 3.0);
  EXPECT_DOUBLE_EQ(lone.zin->re, 225.0);
}

} // namespace
} // namespace norvane

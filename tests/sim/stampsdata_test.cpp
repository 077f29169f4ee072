// The S-parameter data blocks and the interpolation they rely on.

#include "sim/interpolate.h"
#include "stamps_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace norvane {
namespace {

using namespace stamptest;
constexpr double kPi = 3.1415926535897932385;
constexpr double kDeg = kPi / 180;

TwoPortPoint point2(double f, MagnitudeAngle s11, MagnitudeAngle s21, MagnitudeAngle s12,
                    MagnitudeAngle s22)
{
  TwoPortPoint p;
  p.freq = f;
  p.s11 = s11;
  p.s21 = s21;
  p.s12 = s12;
  p.s22 = s22;
  return p;
}

C polar(MagnitudeAngle s)
{
  return std::polar(s.mag, s.ang);
}

TEST(Interpolate, LinearBetweenPointsAndThroughOneEighty)
{
  OnePortDataSet set;
  set.points.append(OnePortPoint{100e6, {0.2, 170 * kDeg}});
  set.points.append(OnePortPoint{200e6, {0.6, -170 * kDeg}});
  set.points.append(OnePortPoint{300e6, {0.4, -150 * kDeg}});
  // Halfway between +170 and -170 degrees lies 180 degrees, not 0.
  const MagnitudeAngle mid = interpolateOnePort(set, 150e6);
  EXPECT_NEAR(mid.mag, 0.4, 1e-12);
  EXPECT_NEAR(mid.ang, 180 * kDeg, 1e-12);
  const MagnitudeAngle q = interpolateOnePort(set, 125e6);
  EXPECT_NEAR(q.ang, 175 * kDeg, 1e-12);
  // The other direction wraps too.
  OnePortDataSet back;
  back.points.append(OnePortPoint{1, {1, -170 * kDeg}});
  back.points.append(OnePortPoint{2, {1, 170 * kDeg}});
  EXPECT_NEAR(interpolateOnePort(back, 1.5).ang, -180 * kDeg, 1e-12);
  // On a point exactly.
  EXPECT_NEAR(interpolateOnePort(set, 200e6).mag, 0.6, 1e-15);
  EXPECT_NEAR(interpolateOnePort(set, 300e6).mag, 0.4, 1e-15);
}

TEST(Interpolate, ExtrapolatesFromTheEndIntervals)
{
  OnePortDataSet set;
  set.points.append(OnePortPoint{100, {0.5, 0.1}});
  set.points.append(OnePortPoint{200, {0.6, 0.2}});
  set.points.append(OnePortPoint{300, {0.4, 0.0}});
  const MagnitudeAngle below = interpolateOnePort(set, 50);
  EXPECT_NEAR(below.mag, 0.45, 1e-12);
  EXPECT_NEAR(below.ang, 0.05, 1e-12);
  const MagnitudeAngle above = interpolateOnePort(set, 400);
  EXPECT_NEAR(above.mag, 0.2, 1e-12);
  EXPECT_NEAR(above.ang, -0.2, 1e-12);
  // Further along the falling last interval the magnitude would go below zero: it stops at
  // zero, the angle goes on.
  const MagnitudeAngle far = interpolateOnePort(set, 1000);
  EXPECT_EQ(far.mag, 0.0);
  EXPECT_NEAR(far.ang, -1.4, 1e-12);
  TwoPortDataSet two;
  two.points.append(TwoPortPoint{1e9, {0.5, 0}, {0.7, 0}, {0.7, 0}, {0.5, 0}});
  two.points.append(TwoPortPoint{2e9, {0.3, 0}, {0.7, 0}, {0.7, 0}, {0.3, 0}});
  const TwoPortPoint at10GHz = interpolateTwoPort(two, 10e9);
  EXPECT_EQ(at10GHz.s11.mag, 0.0);
  EXPECT_EQ(at10GHz.s22.mag, 0.0);
  EXPECT_NEAR(at10GHz.s21.mag, 0.7, 1e-12);
}

TEST(Interpolate, OnePointEmptyAndDegenerateSets)
{
  TwoPortDataSet one;
  one.points.append(point2(1e9, {0.3, 0.5}, {2, -1}, {0.1, 0.2}, {0.4, 3}));
  for (double f : {1.0, 1e9, 5e9}) {
    const TwoPortPoint p = interpolateTwoPort(one, f);
    EXPECT_EQ(p.s11, (MagnitudeAngle{0.3, 0.5}));
    EXPECT_EQ(p.s21, (MagnitudeAngle{2, -1}));
    EXPECT_EQ(p.s22, (MagnitudeAngle{0.4, 3}));
    EXPECT_EQ(p.freq, f);
  }
  TwoPortDataSet empty;
  EXPECT_EQ(interpolateTwoPort(empty, 1e9).s21, (MagnitudeAngle{}));
  // Two points at the same frequency: no division by zero, the first point is taken.
  OnePortDataSet twin;
  twin.points.append(OnePortPoint{5, {0.1, 0}});
  twin.points.append(OnePortPoint{5, {0.9, 0}});
  for (double f : {1.0, 5.0, 9.0}) {
    const MagnitudeAngle r = interpolateOnePort(twin, f);
    EXPECT_TRUE(std::isfinite(r.mag));
    EXPECT_EQ(r.mag, 0.1);
  }
}

TEST(Interpolate, TwoPortKeepsTheStoredOrder)
{
  TwoPortDataSet set;
  set.points.append(point2(1, {0.1, 0}, {0.2, 0}, {0.3, 0}, {0.4, 0}));
  set.points.append(point2(3, {0.3, 0}, {0.4, 0}, {0.5, 0}, {0.6, 0}));
  const TwoPortPoint p = interpolateTwoPort(set, 2);
  EXPECT_NEAR(p.s11.mag, 0.2, 1e-15);
  EXPECT_NEAR(p.s21.mag, 0.3, 1e-15);
  EXPECT_NEAR(p.s12.mag, 0.4, 1e-15);
  EXPECT_NEAR(p.s22.mag, 0.5, 1e-15);
}

TEST(DataBlocks, TwoPortAdmittancesOfTheWorkedExample)
{
  // S11 = S22 = 0, S21 = S12 = 0.5: delta = 0.75, y11 = y22 = 5/3, y12 = y21 = -4/3 (times
  // 1/50 S); the common pin at ground collects the rest.
  Bench bench(2);
  TwoPortDataSet& set = bench.doc().datasets.twoPort[4];
  set.points.append(point2(1e9, {0, 0}, {0.5, 0}, {0.5, 0}, {0, 0}));
  Component block = part(ComponentType::SParam2, {1, 2, 0});
  setValue(block, 1, 4);
  bench.add(block);
  auto m = bench.matrix(1e9);
  EXPECT_NEAR((*m)[1][1].re - 0.02, (5.0 / 3) / 50, 1e-15);
  EXPECT_NEAR((*m)[1][2].re, (-4.0 / 3) / 50, 1e-15);
  EXPECT_NEAR((*m)[2][1].re, (-4.0 / 3) / 50, 1e-15);
  EXPECT_NEAR((*m)[2][2].re - 0.02, (5.0 / 3) / 50, 1e-15);
  EXPECT_NEAR((*m)[0][0].re, (5.0 / 3 - 4.0 / 3 - 4.0 / 3 + 5.0 / 3) / 50, 1e-15);
  EXPECT_NEAR((*m)[1][0].re, -(5.0 / 3 - 4.0 / 3) / 50, 1e-15);
  EXPECT_FALSE(bench.errors.ComplexOverflow);
}

TEST(DataBlocks, SingularTwoPortSetsTheOverflowFlag)
{
  // S21 = S12 = 1 with S11 = S22 = 0: delta = 0, the admittances become 1e20 + j1e20.
  Bench bench(2);
  bench.doc().datasets.twoPort[1].points.append(point2(1e9, {0, 0}, {1, 0}, {1, 0}, {0, 0}));
  Component block = part(ComponentType::SParam2, {1, 2, 0});
  setValue(block, 1, 1);
  bench.add(block);
  auto m = bench.matrix(1e9);
  EXPECT_TRUE(bench.errors.ComplexOverflow);
  EXPECT_EQ((*m)[1][2], (Complex{1e20 / 50, 1e20 / 50}));
}

TEST(DataBlocks, SolvedCircuitGivesBackTheStoredSParameters)
{
  // A block between two 50 Ohm ports, common pin grounded: the analysis returns the data,
  // interpolated between the stored points.
  Bench bench(2);
  TwoPortDataSet& set = bench.doc().datasets.twoPort[2];
  set.points.append(
      point2(1e9, {0.3, 40 * kDeg}, {4.0, 120 * kDeg}, {0.05, 60 * kDeg}, {0.5, -30 * kDeg}));
  set.points.append(
      point2(2e9, {0.2, 80 * kDeg}, {2.0, 100 * kDeg}, {0.07, 40 * kDeg}, {0.4, -60 * kDeg}));
  Component block = part(ComponentType::SParam2, {1, 2, 0});
  setValue(block, 1, 2);
  bench.add(block);
  for (double f : {1e9, 1.25e9, 2e9}) {
    const TwoPortPoint want = interpolateTwoPort(set, f);
    const SParams s = bench.solve(f);
    EXPECT_NEAR(std::abs(s.s11 - polar(want.s11)), 0, 1e-12) << f;
    EXPECT_NEAR(std::abs(s.s21 - polar(want.s21)), 0, 1e-12) << f;
    EXPECT_NEAR(std::abs(s.s12 - polar(want.s12)), 0, 1e-12) << f;
    EXPECT_NEAR(std::abs(s.s22 - polar(want.s22)), 0, 1e-12) << f;
  }
  // With the pins mirrored (port 2 side on node 1) the roles swap.
  Bench mirrored(2);
  mirrored.doc().datasets.twoPort[2] = set;
  Component flipped = part(ComponentType::SParam2, {2, 1, 0});
  setValue(flipped, 1, 2);
  mirrored.add(flipped);
  const SParams s = mirrored.solve(1e9);
  EXPECT_NEAR(std::abs(s.s21 - polar(set.points[1].s12)), 0, 1e-12);
  EXPECT_NEAR(std::abs(s.s11 - polar(set.points[1].s22)), 0, 1e-12);
}

TEST(DataBlocks, ToleranceFactors)
{
  // Magnitudes times the magnitude factor; positive angles divided by the angle factor,
  // negative ones multiplied by it; nothing unless enabled.
  Bench bench(2);
  TwoPortDataSet& set = bench.doc().datasets.twoPort[1];
  set.points.append(
      point2(1e9, {0.5, 60 * kDeg}, {2.0, -90 * kDeg}, {0.1, 30 * kDeg}, {0.3, -20 * kDeg}));
  Component block = part(ComponentType::SParam2, {1, 2, 0});
  setValue(block, 1, 1);
  setValue(block, 2, 1);
  block.value[2].actual = 0.9;
  setValue(block, 3, 1);
  block.value[3].actual = 1.2;
  bench.add(block);
  SParams s = bench.solve(1e9);
  EXPECT_NEAR(std::abs(s.s11 - std::polar(0.5, 60 * kDeg)), 0, 1e-12); // not enabled yet
  bench.doc().drawdat.components[1].value[2].TolEn = true;
  s = bench.solve(1e9);
  EXPECT_NEAR(std::abs(s.s11 - std::polar(0.45, 60 * kDeg / 1.2)), 0, 1e-12);
  EXPECT_NEAR(std::abs(s.s21 - std::polar(1.8, -90 * kDeg * 1.2)), 0, 1e-12);
  EXPECT_NEAR(std::abs(s.s12 - std::polar(0.09, 30 * kDeg / 1.2)), 0, 1e-12);
  EXPECT_NEAR(std::abs(s.s22 - std::polar(0.27, -20 * kDeg * 1.2)), 0, 1e-12);
}

TEST(DataBlocks, OnePortBlock)
{
  // A 1-port block from port 1 to ground reads back its reflection coefficient.
  Bench bench(1, 0);
  OnePortDataSet& set = bench.doc().datasets.onePort[7];
  set.points.append(OnePortPoint{100e6, {0.5, 30 * kDeg}});
  set.points.append(OnePortPoint{300e6, {0.7, 90 * kDeg}});
  Component block = part(ComponentType::SParam1, {1, 0});
  setValue(block, 1, 7);
  bench.add(block);
  EXPECT_NEAR(std::abs(bench.solve(200e6).s11 - std::polar(0.6, 60 * kDeg)), 0, 1e-12);
  // An open (S = 1) adds nothing: port 1 then reflects fully.
  Bench open(1, 0);
  open.doc().datasets.onePort[1].points.append(OnePortPoint{1e9, {1, 0}});
  Component o = part(ComponentType::SParam1, {1, 0});
  setValue(o, 1, 1);
  open.add(o);
  EXPECT_NEAR(std::abs(open.solve(1e9).s11 - 1.0), 0, 1e-12);
}

} // namespace
} // namespace norvane

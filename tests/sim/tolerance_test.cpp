#include "sim/tolerance.h"

#include "document/componentkinds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace norvane {
namespace {

ToleranceValue tol(double nom, double mintol, double maxtol, bool enabled, bool percent)
{
  ToleranceValue v;
  v.nom = nom;
  v.mintol = mintol;
  v.maxtol = maxtol;
  v.TolEn = enabled;
  v.TolPercent = percent;
  v.actual = -12345.0;
  return v;
}

TEST(Tolerance, LimitsByMode)
{
  struct Case
  {
    ToleranceValue value;
    int mode;
    double expected;
  };
  const Case cases[] = {
      {tol(100, -5, 5, true, true), tolerancemode::Lower, 95.0},
      {tol(100, -5, 5, true, true), tolerancemode::Nominal, 100.0},
      {tol(100, -5, 5, true, true), tolerancemode::Upper, 105.0},
      {tol(100, -5, 5, false, true), tolerancemode::Lower, 100.0},
      {tol(100, -5, 5, false, true), tolerancemode::Upper, 100.0},
      {tol(100, -5, 5, false, true), tolerancemode::Random, 100.0},
      {tol(100, -2, 3, true, false), tolerancemode::Lower, 98.0},
      {tol(100, -2, 3, true, false), tolerancemode::Upper, 103.0},
      {tol(100, -2, 3, true, false), tolerancemode::Nominal, 100.0},
      {tol(1, -10, 10, true, true), tolerancemode::Lower, 0.9}, // S-block magnitude factor
      {tol(100, -5, 5, true, true), 7, -12345.0},               // unknown mode: unchanged
  };
  ToleranceRandom random(1);
  for (const Case& c : cases) {
    ToleranceValue v = c.value;
    const double got = applyTolerance(v, c.mode, random);
    EXPECT_DOUBLE_EQ(got, c.expected) << "mode " << c.mode << " nom " << c.value.nom;
    EXPECT_EQ(v.actual, got);
  }
}

TEST(Tolerance, RandomValuesStayWithinTheLimits)
{
  ToleranceRandom random(12345);
  for (int mode : {tolerancemode::Random, tolerancemode::MultiSweep}) {
    double lo = 1e9;
    double hi = -1e9;
    for (int i = 0; i < 2000; ++i) {
      ToleranceValue v = tol(100, -5, 5, true, true);
      const double x = applyTolerance(v, mode, random);
      ASSERT_GE(x, 95.0);
      ASSERT_LT(x, 105.0);
      lo = std::min(lo, x);
      hi = std::max(hi, x);
    }
    EXPECT_LT(lo, 95.2); // the draws fill the range
    EXPECT_GT(hi, 104.8);
  }
}

TEST(Tolerance, GeneratorIsTheLinearCongruentialSequence)
{
  // seed' = seed * 134775813 + 1 (mod 2^32); the draw is seed' / 2^32.
  ToleranceRandom random(0);
  EXPECT_EQ(random.next(), 1.0 / 4294967296.0);
  EXPECT_EQ(random.seed(), 1u);
  EXPECT_EQ(random.next(), 134775814.0 / 4294967296.0);
  std::uint32_t s = 134775814u;
  for (int i = 0; i < 100; ++i) {
    s = static_cast<std::uint32_t>(static_cast<std::uint64_t>(s) * 134775813u + 1u);
    EXPECT_EQ(random.next(), s / 4294967296.0);
  }
  // A seed set again repeats the run.
  ToleranceRandom a(42);
  ToleranceRandom b(7);
  b.setSeed(42);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(a.next(), b.next());
  }
}

TEST(Tolerance, OnlyTheVariedKindsChange)
{
  Drawing d;
  auto add = [&d](ComponentType ctype) {
    Component c;
    c.ctype = ctype;
    for (int k = 1; k <= 5; ++k) {
      c.value[k] = tol(10.0 * k, -10, 10, true, true);
    }
    d.components.append(c);
  };
  for (const ComponentKind& kind : componentKinds()) {
    add(kind.type);
  }
  ToleranceRandom random(3);
  applyTolerances(d, tolerancemode::Upper, random);
  // A slot varies exactly when its kind declares a varied parameter there: the resistance,
  // the capacitance, the inductance, a line's impedance and length, a block's tolerances.
  for (const Component& c : d.components) {
    const ComponentKind& kind = componentKind(c.ctype);
    for (int k = 1; k <= 5; ++k) {
      const bool varied =
          std::any_of(kind.parameters.begin(), kind.parameters.end(),
                      [k](const ParameterDescription& p) { return p.slot == k && p.varied; });
      if (varied) {
        EXPECT_DOUBLE_EQ(c.value[k].actual, 11.0 * k)
            << "kind " << kindCode(c.ctype) << " slot " << k;
      } else {
        EXPECT_EQ(c.value[k].actual, -12345.0) << "kind " << kindCode(c.ctype) << " slot " << k;
      }
    }
  }
  const Component& resistor = d.components[kindCode(ComponentType::Resistor)];
  EXPECT_DOUBLE_EQ(resistor.value[1].actual, 11.0);
  const Component& line = d.components[kindCode(ComponentType::TxLine)];
  EXPECT_DOUBLE_EQ(line.value[3].actual, 33.0);
  EXPECT_EQ(line.value[2].actual, -12345.0);
  EXPECT_EQ(d.components[kindCode(ComponentType::OpAmp)].value[1].actual, -12345.0);
}

} // namespace
} // namespace norvane

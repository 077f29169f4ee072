#include "sim/complex.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace norvane {
namespace {

TEST(Complex, BasicOperations)
{
  const Complex a{3, 4};
  const Complex b{1, -2};
  EXPECT_EQ(complexAdd(a, b), (Complex{4, 2}));
  EXPECT_EQ(complexSub(a, b), (Complex{2, 6}));
  EXPECT_EQ(complexMul(a, b), (Complex{11, -2})); // (3+4j)(1-2j) = 3 - 6j + 4j + 8
  EXPECT_EQ(complexConj(a), (Complex{3, -4}));
  EXPECT_EQ(complexAbs(a), 5.0);
  EXPECT_EQ(complexMake(1.5, -2.5), (Complex{1.5, -2.5}));
  EXPECT_EQ(a + b, complexAdd(a, b));
  EXPECT_EQ(a - b, complexSub(a, b));
  EXPECT_EQ(a * b, complexMul(a, b));
  EXPECT_EQ(-a, (Complex{-3, -4}));
}

TEST(Complex, DivisionAndItsZeroSentinel)
{
  ComplexErrors errors;
  const Complex q = complexDiv(Complex{11, -2}, Complex{1, -2}, errors);
  EXPECT_DOUBLE_EQ(q.re, 3.0);
  EXPECT_DOUBLE_EQ(q.im, 4.0);
  EXPECT_FALSE(errors.ComplexOverflow);

  const Complex z = complexDiv(Complex{1, 1}, Complex{0, 0}, errors);
  EXPECT_EQ(z, (Complex{1e20, 1e20}));
  EXPECT_TRUE(errors.ComplexOverflow);
  EXPECT_FALSE(errors.LUSingular);

  // Negative zeros are zeros too, and the flag is never cleared by an operation.
  const Complex z2 = complexDiv(Complex{0, 0}, Complex{-0.0, -0.0}, errors);
  EXPECT_EQ(z2, (Complex{1e20, 1e20}));
  complexDiv(Complex{1, 0}, Complex{2, 0}, errors);
  EXPECT_TRUE(errors.ComplexOverflow);
  errors.clear();
  EXPECT_FALSE(errors.any());
}

TEST(Complex, DivisionAndMagnitudeAtTheEdgesOfTheRange)
{
  ComplexErrors errors;
  // A tiny divisor is not zero: its square underflows in double but the quotient is fine.
  const Complex q = complexDiv(Complex{1e-170, 0}, Complex{1e-170, 1e-170}, errors);
  EXPECT_NEAR(q.re, 0.5, 1e-15);
  EXPECT_NEAR(q.im, -0.5, 1e-15);
  EXPECT_FALSE(errors.ComplexOverflow);
  // A huge divisor, and a huge numerator over a moderate divisor.
  const Complex big = complexDiv(Complex{1e200, 0}, Complex{1e200, 0}, errors);
  EXPECT_NEAR(big.re, 1.0, 1e-15);
  const Complex num = complexDiv(Complex{1e300, 1e300}, Complex{1e-10, 0}, errors);
  EXPECT_TRUE(std::isinf(num.re)); // the true quotient is beyond the double range
  const Complex num2 = complexDiv(Complex{1e300, 0}, Complex{1e10, 1e10}, errors);
  EXPECT_NEAR(num2.re / 5e289, 1.0, 1e-14);
  EXPECT_NEAR(num2.im / -5e289, 1.0, 1e-14);
  EXPECT_FALSE(errors.ComplexOverflow);

  EXPECT_NEAR(complexAbs(Complex{3e-170, 4e-170}) / 5e-170, 1.0, 1e-15);
  EXPECT_NEAR(complexAbs(Complex{3e200, 4e200}) / 5e200, 1.0, 1e-15);
  EXPECT_EQ(complexAbs(Complex{-0.0, 0.0}), 0.0);
  EXPECT_TRUE(std::isnan(complexAbs(Complex{std::nan(""), 1})));
  EXPECT_TRUE(std::isinf(complexAbs(Complex{std::numeric_limits<double>::infinity(), 1})));
}

TEST(Complex, PhaseInRadiansAndDegrees)
{
  const double pi = 3.1415926535897932385;
  EXPECT_DOUBLE_EQ(complexPhase(Complex{0, 1}), pi / 2);
  EXPECT_DOUBLE_EQ(complexPhase(Complex{-1, 0}), pi);
  EXPECT_DOUBLE_EQ(complexPhase(Complex{1, -1}), -pi / 4);

  struct Case
  {
    Complex z;
    double deg;
  };
  // The degree factor is 180/pi to the double, so 90 degrees reads 90 (the atan of 1e25
  // stands in for a right angle).
  const Case cases[] = {
      {{-1, 0}, -180.0},
      {{0, 1}, std::atan(1e25) * (180.0 / pi)},
      {{0, -1}, -std::atan(1e25) * (180.0 / pi)},
      {{1, -1}, -45.0},
      {{1, 1}, 45.0},
      {{-1, 1}, 135.0},
      {{-1, -1}, -135.0},
      {{2, 0}, 0.0},
      {{0, 0}, 0.0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(complexPhaseDeg(c.z), c.deg, 1e-12) << c.z.re << " " << c.z.im;
  }
  EXPECT_NEAR(complexPhaseDeg(Complex{0, 1}), 90.0, 1e-12);
  EXPECT_NEAR(complexPhaseDeg(Complex{1, -1}), -45.0, 1e-12);
}

TEST(Complex, PolarForm)
{
  const double pi = 3.1415926535897932385;
  const Complex z = polarToComplex(2.0, pi / 2);
  EXPECT_NEAR(z.re, 0.0, 1e-15);
  EXPECT_DOUBLE_EQ(z.im, 2.0);
  const Complex w = polarToComplex(0.5, -pi / 4);
  EXPECT_NEAR(complexAbs(w), 0.5, 1e-15);
  EXPECT_NEAR(complexPhase(w), -pi / 4, 1e-15);
}

TEST(Complex, GuardedRealFunctions)
{
  EXPECT_EQ(cot(0.0), 1e25);
  EXPECT_EQ(csc(0.0), 1e25);
  EXPECT_DOUBLE_EQ(cot(0.5), std::cos(0.5) / std::sin(0.5));
  EXPECT_DOUBLE_EQ(csc(0.5), 1.0 / std::sin(0.5));
  EXPECT_DOUBLE_EQ(tangent(0.5), std::sin(0.5) / std::cos(0.5));
  EXPECT_EQ(guardedLog10(0.0), 1e30);
  EXPECT_EQ(guardedLog10(-3.0), 1e30);
  // ln x / 2.30258509299, not the library's log10: 100 gives 2 to about 11 digits.
  EXPECT_NEAR(guardedLog10(100.0), 2.0, 1e-10);
  EXPECT_EQ(guardedLog10(100.0), std::log(100.0) / 2.30258509299);
  EXPECT_NEAR(powerOf(2.0, 10.0), 1024.0, 1e-9);
  EXPECT_NEAR(powerOf(10.0, -0.30103), 0.5, 1e-5);
  EXPECT_TRUE(std::isnan(powerOf(-2.0, 2.0))); // a negative base has no logarithm
  EXPECT_EQ(signOf(0.0), 1.0);
  EXPECT_EQ(signOf(3.0), 1.0);
  EXPECT_EQ(signOf(-1e-300), -1.0);
}

} // namespace
} // namespace norvane

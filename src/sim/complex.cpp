#include "sim/complex.h"

#include <cmath>
#include <limits>

namespace norvane {

namespace {
bool finite(Complex a)
{
  return std::isfinite(a.re) && std::isfinite(a.im);
}
} // namespace

namespace complexdetail {

Complex divideOutsideRange(Complex a, Complex b, ComplexErrors& errors)
{
  if (b.re == 0.0 && b.im == 0.0) {
    errors.ComplexOverflow = true;
    return Complex{complexconst::kOverflowValue, complexconst::kOverflowValue};
  }
  const double den = b.re * b.re + b.im * b.im;
  if (!finite(a) || !finite(b)) {
    // Infinities and NaNs take the plain formula: the result is not finite either way.
    return Complex{(a.re * b.re + a.im * b.im) / den, (b.re * a.im - a.re * b.im) / den};
  }
  // The divisor's square left the double range, or the numerator overflowed although the
  // quotient may not: the same formula in long double, whose exponent range holds every
  // product of two doubles.
  const long double br = b.re;
  const long double bi = b.im;
  const long double ar = a.re;
  const long double ai = a.im;
  const long double wide = br * br + bi * bi;
  return Complex{static_cast<double>((ar * br + ai * bi) / wide),
                 static_cast<double>((br * ai - ar * bi) / wide)};
}

double absOutsideRange(Complex a)
{
  if (a.re == 0.0 && a.im == 0.0) {
    return 0.0;
  }
  if (!finite(a)) {
    return std::sqrt(a.re * a.re + a.im * a.im); // NaN stays NaN, an infinite part gives inf
  }
  const long double r = a.re;
  const long double i = a.im;
  return static_cast<double>(std::sqrt(r * r + i * i));
}

} // namespace complexdetail

double complexPhase(Complex a)
{
  return std::atan2(a.im, a.re);
}

double complexPhaseDeg(Complex a)
{
  const double r = a.re == 0.0 ? complexconst::kPhaseDegZeroRe : a.re;
  double theta = std::atan(a.im / std::fabs(r)) * complexconst::kDegPerRad;
  if (r < 0.0) {
    theta = a.im <= 0.0 ? -180.0 - theta : 180.0 - theta;
  }
  return theta;
}

Complex polarToComplex(double mag, double angle)
{
  return Complex{mag * std::cos(angle), mag * std::sin(angle)};
}

double cot(double x)
{
  const double s = std::sin(x);
  return s == 0.0 ? complexconst::kTrigPole : std::cos(x) / s;
}

double csc(double x)
{
  const double s = std::sin(x);
  return s == 0.0 ? complexconst::kTrigPole : 1.0 / s;
}

double tangent(double x)
{
  return std::sin(x) / std::cos(x);
}

double powerOf(double base, double exponent)
{
  return std::exp(exponent * std::log(base));
}

double guardedLog10(double x)
{
  return x > 0.0 ? std::log(x) / complexconst::kLn10 : complexconst::kLogOfNonPositive;
}

double signOf(double x)
{
  return x >= 0.0 ? 1.0 : -1.0;
}

} // namespace norvane

#pragma once
// Complex arithmetic for the circuit simulator, and the few guarded real functions the element
// models and the result formatting rely on.
//
// `Complex` is a plain pair of doubles passed by value. The operations never throw and never
// stop: a complex division by an exact zero yields the sentinel 1e20 + j1e20 and raises the
// ComplexOverflow flag of the run's `ComplexErrors`, so that one bad point does not abort a sweep
// and the run can report the trouble once at its end.
//
// Rounding: every operation rounds each intermediate product and sum to double. The division
// and the magnitude fall back to long double only where a squared component would leave the
// double range (|x| below about 1e-154 or above 1e154); in that range the result is the exact
// value rounded to double instead of a spurious zero or infinity.

#include <cmath>
#include <limits>

namespace norvane {

struct Complex
{
  double re = 0.0;
  double im = 0.0;
};

// Trouble met by the complex arithmetic and the solver during one simulation run. The run owns
// one of these, clears it before the first point and reports it after the last; the operations
// only ever set the flags.
struct ComplexErrors
{
  bool ComplexOverflow = false; // a complex division met an exact zero divisor
  bool LUSingular = false;      // a matrix row was entirely zero
  void clear() { ComplexOverflow = LUSingular = false; }
  bool any() const { return ComplexOverflow || LUSingular; }
};

namespace complexconst {
// The sentinel that replaces the quotient of a division by zero.
constexpr double kOverflowValue = 1e20;
// Stand-in for an exactly zero real part in complexPhaseDeg, so that a pure imaginary number
// reads +/-90 degrees without dividing by zero.
constexpr double kPhaseDegZeroRe = 1e-25;
// Value of cot and csc where the sine is exactly zero.
constexpr double kTrigPole = 1e25;
// Value of guardedLog10 for a non-positive argument.
constexpr double kLogOfNonPositive = 1e30;
// ln(10) to the precision the decibel conversions have always used.
constexpr double kLn10 = 2.30258509299;
constexpr double kPi = 3.1415926535897932385;
constexpr double kTwoPi = 6.283185307179586477;
// Degrees and radians, exact to the double: a rounded factor would put a relative error on
// every measured angle read from a file and every phase shown.
constexpr double kDegPerRad = 180.0 / kPi;
constexpr double kRadPerDeg = kPi / 180.0;
} // namespace complexconst

inline Complex complexMake(double re, double im)
{
  return Complex{re, im};
}
inline Complex complexAdd(Complex a, Complex b)
{
  return Complex{a.re + b.re, a.im + b.im};
}
inline Complex complexSub(Complex a, Complex b)
{
  return Complex{a.re - b.re, a.im - b.im};
}
inline Complex complexMul(Complex a, Complex b)
{
  return Complex{a.re * b.re - a.im * b.im, b.re * a.im + a.re * b.im};
}
inline Complex complexConj(Complex a)
{
  return Complex{a.re, -a.im};
}

namespace complexdetail {
// The out-of-range and special cases of complexDiv and complexAbs (complex.cpp).
Complex divideOutsideRange(Complex a, Complex b, ComplexErrors& errors);
double absOutsideRange(Complex a);
// A sum of squares is trustworthy in double when it is a normal, finite number.
inline bool squareSumInRange(double s)
{
  return s >= std::numeric_limits<double>::min() && s <= std::numeric_limits<double>::max();
}
} // namespace complexdetail

// a / b. An exactly zero divisor gives 1e20 + j1e20 and sets errors.ComplexOverflow.
inline Complex complexDiv(Complex a, Complex b, ComplexErrors& errors)
{
  const double den = b.re * b.re + b.im * b.im;
  if (complexdetail::squareSumInRange(den)) {
    // a * conj(b) / |b|^2
    const Complex q{(a.re * b.re + a.im * b.im) / den, (b.re * a.im - a.re * b.im) / den};
    if (std::isfinite(q.re) && std::isfinite(q.im)) {
      return q;
    }
  }
  return complexdetail::divideOutsideRange(a, b, errors);
}

// |a| = sqrt(re^2 + im^2); zero exactly when a is zero.
inline double complexAbs(Complex a)
{
  const double s = a.re * a.re + a.im * a.im;
  if (complexdetail::squareSumInRange(s)) {
    return std::sqrt(s);
  }
  return complexdetail::absOutsideRange(a);
}
// Phase in radians, atan2(im, re), range (-pi, pi].
double complexPhase(Complex a);
// Phase in degrees for the read-outs, range [-180, 180]; a negative real number gives -180.
double complexPhaseDeg(Complex a);
// mag * (cos angle + j sin angle), angle in radians.
Complex polarToComplex(double mag, double angle);

// True when both parts are zero (of either sign).
inline bool isZero(Complex a)
{
  return a.re == 0.0 && a.im == 0.0;
}

// Operators with exactly the rounding of the named operations above (there is deliberately no
// operator/: a division must say which run's flags it raises).
inline Complex operator+(Complex a, Complex b)
{
  return complexAdd(a, b);
}
inline Complex operator-(Complex a, Complex b)
{
  return complexSub(a, b);
}
inline Complex operator*(Complex a, Complex b)
{
  return complexMul(a, b);
}
inline Complex operator-(Complex a)
{
  return Complex{-a.re, -a.im};
}
inline Complex operator*(double s, Complex a)
{
  return Complex{s * a.re, s * a.im};
}
inline bool operator==(Complex a, Complex b)
{
  return a.re == b.re && a.im == b.im;
}

// Guarded real functions of the element models.
double cot(double x);                         // cos x / sin x; 1e25 where sin x is exactly 0
double csc(double x);                         // 1 / sin x; 1e25 where sin x is exactly 0
double tangent(double x);                     // sin x / cos x, unguarded
double powerOf(double base, double exponent); // e^(exponent * ln base); NaN for a negative base
double guardedLog10(double x);                // ln x / 2.30258509299 for x > 0, else 1e30
double signOf(double x);                      // +1 for x >= 0, else -1

} // namespace norvane

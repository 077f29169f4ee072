#include "sim/sparamfilereference.h"

#include "sim/complex.h"
#include "sim/sparamfiletext.h"

#include <cmath>
#include <complex>
#include <cstdio>

namespace norvane::sparamfile {

namespace {

using C = std::complex<double>;

C toComplex(const MagnitudeAngle& s)
{
  const Complex c = polarToComplex(s.mag, s.ang);
  return C(c.re, c.im);
}

MagnitudeAngle toMagAngle(C s)
{
  const Complex c{finiteValue(s.real()), finiteValue(s.imag())};
  return MagnitudeAngle{finiteValue(complexAbs(c)), complexPhase(c)};
}

std::string ohms(double z)
{
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.6g ohm", z);
  return buf;
}

} // namespace

TwoPortPoint referredTo(const TwoPortPoint& point, int ports, double z1, double z2, double z)
{
  TwoPortPoint out = point;
  const double r1 = (z - z1) / (z + z1);
  if (ports == 1) {
    const C s = toComplex(point.s11);
    out.s11 = toMagAngle((s - r1) / (1.0 - r1 * s));
    return out;
  }
  const double r2 = (z - z2) / (z + z2);
  const double c1 = (z1 + z) / (2.0 * std::sqrt(z1 * z));
  const double c2 = (z2 + z) / (2.0 * std::sqrt(z2 * z));
  const C s11 = toComplex(point.s11);
  const C s21 = toComplex(point.s21);
  const C s12 = toComplex(point.s12);
  const C s22 = toComplex(point.s22);
  // M = I - R S and its inverse; N = S - R.
  const C m11 = 1.0 - r1 * s11;
  const C m12 = -r1 * s12;
  const C m21 = -r2 * s21;
  const C m22 = 1.0 - r2 * s22;
  const C det = m11 * m22 - m12 * m21;
  const C i11 = m22 / det;
  const C i12 = -m12 / det;
  const C i21 = -m21 / det;
  const C i22 = m11 / det;
  const C n11 = s11 - r1;
  const C n22 = s22 - r2;
  out.s11 = toMagAngle(n11 * i11 + s12 * i21);
  out.s12 = toMagAngle((n11 * i12 + s12 * i22) * (c1 / c2));
  out.s21 = toMagAngle((s21 * i11 + n22 * i21) * (c2 / c1));
  out.s22 = toMagAngle(s21 * i12 + n22 * i22);
  return out;
}

std::string conversionNote(int ports, double z1, double z2, double z)
{
  const std::string from = ports == 1 || z1 == z2 ? ohms(z1) : ohms(z1) + " / " + ohms(z2);
  return "Converted from " + from + " to " + ohms(z);
}

} // namespace norvane::sparamfile

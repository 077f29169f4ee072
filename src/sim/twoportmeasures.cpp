#include "sim/twoportmeasures.h"

#include <cmath>

namespace norvane {

namespace {

std::optional<double> finite(double x)
{
  return std::isfinite(x) ? std::optional<double>(x) : std::nullopt;
}

std::optional<double> quotient(double num, double den)
{
  return den != 0.0 ? finite(num / den) : std::nullopt;
}

std::optional<double> decibelsOfPower(double ratio)
{
  return ratio > 0.0 ? finite(10.0 * std::log10(ratio)) : std::nullopt;
}

// (1 + |s|) / (1 - |s|); a port that reflects all it receives (or more) has no finite VSWR.
std::optional<double> vswrOf(Complex s)
{
  const double m = complexAbs(s);
  return m < 1.0 ? quotient(1.0 + m, 1.0 - m) : std::nullopt;
}

// z (1 + s) / (1 - s): the impedance whose reflection coefficient against z is s.
std::optional<Complex> impedanceOf(Complex s, double z)
{
  const Complex one{1.0, 0.0};
  const Complex den = one - s;
  if (isZero(den)) {
    return std::nullopt;
  }
  ComplexErrors errors;
  const Complex ratio = complexDiv(one + s, den, errors);
  const Complex zs = z * ratio;
  if (errors.any() || !std::isfinite(zs.re) || !std::isfinite(zs.im)) {
    return std::nullopt;
  }
  return zs;
}

// MAG (K >= 1) or MSG in dB. K - sqrt(K^2 - 1) is taken as 1 / (K + sqrt(K-1) sqrt(K+1)):
// the same number without the cancellation of a large K and without squaring it.
void addGain(TwoPortMeasures& m, double mag21, double mag12)
{
  const std::optional<double> msg = quotient(mag21, mag12);
  if (!msg) {
    return;
  }
  m.gainIsMsg = !(m.k && *m.k >= 1.0);
  if (m.gainIsMsg) {
    m.gainDb = decibelsOfPower(*msg);
    return;
  }
  const double kk = *m.k;
  m.gainDb = decibelsOfPower(*msg / (kk + std::sqrt(kk - 1.0) * std::sqrt(kk + 1.0)));
}

} // namespace

TwoPortMeasures twoPortMeasures(const SweepPoint& point, double z1, double z2)
{
  TwoPortMeasures m;
  if (point.hasS11()) {
    m.vswr1 = vswrOf(point.s11);
    m.zin = impedanceOf(point.s11, z1);
  }
  if (point.hasS22()) {
    m.vswr2 = vswrOf(point.s22);
    m.zout = impedanceOf(point.s22, z2);
  }
  if (!(point.hasS11() && point.hasS21() && point.hasS12() && point.hasS22())) {
    return m;
  }
  const Complex s11 = point.s11, s21 = point.s21, s12 = point.s12, s22 = point.s22;
  const Complex det = s11 * s22 - s12 * s21;
  const double a11 = complexAbs(s11), a22 = complexAbs(s22), aDet = complexAbs(det);
  const double loop = complexAbs(s12 * s21);
  m.delta = finite(aDet);
  m.k = quotient(1.0 - a11 * a11 - a22 * a22 + aDet * aDet, 2.0 * loop);
  m.mu1 = quotient(1.0 - a11 * a11, complexAbs(s22 - det * complexConj(s11)) + loop);
  m.mu2 = quotient(1.0 - a22 * a22, complexAbs(s11 - det * complexConj(s22)) + loop);
  addGain(m, complexAbs(s21), complexAbs(s12));
  return m;
}

} // namespace norvane

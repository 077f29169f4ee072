#include "sim/noiseparameters.h"

#include <cmath>

namespace norvane {

namespace {

Matrix2 product(const Matrix2& a, const Matrix2& b)
{
  return {a[0] * b[0] + a[1] * b[2], a[0] * b[1] + a[1] * b[3], a[2] * b[0] + a[3] * b[2],
          a[2] * b[1] + a[3] * b[3]};
}

Matrix2 adjoint(const Matrix2& a)
{
  return {std::conj(a[0]), std::conj(a[2]), std::conj(a[1]), std::conj(a[3])};
}

// T C T^H
Matrix2 transformed(const Matrix2& t, const Matrix2& c)
{
  return product(product(t, c), adjoint(t));
}

} // namespace

Matrix2 chainCorrelationOf(const NoiseParameters& p, double kT, double z0)
{
  const NoiseComplex yopt = (1.0 - p.gammaOpt) / ((1.0 + p.gammaOpt) * z0);
  const double c11 = 4.0 * kT * p.rn;
  const NoiseComplex c12 = 2.0 * kT * (p.fmin - 1.0) - c11 * std::conj(yopt);
  const double c22 = c11 * std::norm(yopt);
  return {c11, c12, std::conj(c12), c22};
}

NoiseFigures noiseParametersOf(const Matrix2& chain, double kT, double z0)
{
  NoiseFigures out;
  const double c11 = chain[0].real();
  const double c22 = chain[3].real();
  const NoiseComplex c12 = chain[1];
  if (!std::isfinite(c11) || !std::isfinite(c22) || !std::isfinite(c12.real()) ||
      !std::isfinite(c12.imag())) {
    return out;
  }
  // G_opt C11: non-negative for any physical correlation; rounding may leave it a hair below.
  const double gc = std::sqrt(std::max(0.0, c11 * c22 - c12.imag() * c12.imag()));
  out.fmin = 1.0 + (c12.real() + gc) / (2.0 * kT);
  out.rn = c11 / (4.0 * kT);
  // Gamma-opt = (Y0 - Yopt) / (Y0 + Yopt), multiplied through by C11 so that C11 = 0 (no
  // series noise voltage: a shorted source is best, Gamma-opt = -1) needs no division by
  // zero. Absent when both vanish: a noiseless two-port, for which every source is optimal.
  const NoiseComplex num = c11 / z0 - NoiseComplex{gc, c12.imag()};
  const NoiseComplex den = c11 / z0 + NoiseComplex{gc, c12.imag()};
  if (std::abs(den) > 0.0) {
    out.gammaOpt = num / den;
  }
  return out;
}

std::optional<Matrix2> chainFromAdmittance(const Matrix2& cy, const Matrix2& y)
{
  if (y[2] == 0.0) {
    return std::nullopt;
  }
  const Matrix2 t{0.0, -1.0 / y[2], 1.0, -y[0] / y[2]};
  return transformed(t, cy);
}

Matrix2 admittanceFromChain(const Matrix2& ca, const Matrix2& y)
{
  // The inverse of T: j2 = -Y21 v, j1 = i - Y11 v.
  const Matrix2 t{-y[0], 1.0, -y[2], 0.0};
  return transformed(t, ca);
}

std::optional<double> noiseFactor(const Matrix2& chain, NoiseComplex ys, double kT)
{
  if (!(ys.real() > 0.0)) {
    return std::nullopt;
  }
  const double added =
      chain[3].real() + std::norm(ys) * chain[0].real() + 2.0 * (ys * chain[1]).real();
  return 1.0 + added / (4.0 * kT * ys.real());
}

Matrix2 admittanceFromS(const Matrix2& s, double z0)
{
  // Y = (I - S)(I + S)^-1 / z0, written out for 2 x 2.
  const NoiseComplex d = (1.0 + s[0]) * (1.0 + s[3]) - s[1] * s[2];
  return {((1.0 - s[0]) * (1.0 + s[3]) + s[1] * s[2]) / (d * z0), -2.0 * s[1] / (d * z0),
          -2.0 * s[2] / (d * z0), ((1.0 + s[0]) * (1.0 - s[3]) + s[1] * s[2]) / (d * z0)};
}

} // namespace norvane

#pragma once
// Two-port noise: the noise parameters (NFmin, Gamma-opt, Rn) and the correlation matrices
// they come from and go to.
//
// A noisy two-port is a noiseless one with noise sources at its ports. In admittance form
// (I = Y V + j) the sources are currents j1, j2 at the two ports, correlation C_Y; in chain
// form ([V1; I1] = ABCD [V2; -I2] + [v; i]) a voltage v in series with and a current i across
// the input, correlation C_A = [<vv*> <vi*>; <iv*> <ii*>]. C_A = T C_Y T^H with
// T = [0 B; 1 D] = [0 -1/Y21; 1 -Y11/Y21] (H. Hillbrand and P. H. Russer, "An efficient method
// for computer aided noise analysis of linear amplifier networks", IEEE Trans. CAS-23, 1976).
//
// With a source admittance Ys (its own noise 4kT Re Ys):
//   F = 1 + (C_A22 + |Ys|^2 C_A11 + 2 Re(Ys C_A12)) / (4kT Re Ys)
// and, minimised over Ys,
//   Rn = C_A11 / 4kT,   Yopt = (sqrt(C_A11 C_A22 - (Im C_A12)^2) + j Im C_A12) / C_A11,
//   Fmin = 1 + (Re C_A12 + sqrt(C_A11 C_A22 - (Im C_A12)^2)) / 2kT,
//   F = Fmin + Rn |Ys - Yopt|^2 / Re Ys.
// Spectral densities are one-sided, per hertz.

#include <array>
#include <complex>
#include <optional>

namespace norvane {

using NoiseComplex = std::complex<double>;
// A 2 x 2 complex matrix, row-major: [0] = (1,1), [1] = (1,2), [2] = (2,1), [3] = (2,2).
using Matrix2 = std::array<NoiseComplex, 4>;

// The noise parameters of a two-port; gammaOpt against `z0` ohm.
struct NoiseParameters
{
  double fmin = 1.0;     // minimum noise factor (linear, not dB)
  NoiseComplex gammaOpt; // optimum source reflection coefficient
  double rn = 0.0;       // equivalent noise resistance, ohm
};

// What a correlation matrix says about the two-port. An item is absent where it is not
// defined: no Gamma-opt for a noiseless two-port (every source is optimal).
struct NoiseFigures
{
  std::optional<double> fmin;
  std::optional<NoiseComplex> gammaOpt;
  std::optional<double> rn;
};

// kT: Boltzmann's constant times the temperature, J. z0: the reference of Gamma-opt, ohm.
Matrix2 chainCorrelationOf(const NoiseParameters& p, double kT, double z0);
NoiseFigures noiseParametersOf(const Matrix2& chain, double kT, double z0);

// Between the two forms, for the two-port of admittance matrix y (S). Absent when Y21 is 0
// (no transfer: the chain form does not exist).
std::optional<Matrix2> chainFromAdmittance(const Matrix2& cy, const Matrix2& y);
Matrix2 admittanceFromChain(const Matrix2& ca, const Matrix2& y);

// The noise factor (linear) with source admittance ys; absent when Re ys is not above 0.
std::optional<double> noiseFactor(const Matrix2& chain, NoiseComplex ys, double kT);

// Y of a two-port from its S-parameters against z0 at both ports.
Matrix2 admittanceFromS(const Matrix2& s, double z0);

} // namespace norvane

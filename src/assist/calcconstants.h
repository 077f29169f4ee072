#pragma once
// Constants of the RF calculators, kept with the decimals the calculators have always used so
// that their results do not drift from earlier releases (several are rounded forms of a closed
// expression, noted beside them; the rounded value is the one in force).

namespace norvane::calcconst {

inline constexpr double kPi = 3.14159265358979323846;

// Free-space wave impedance as used by the wide-strip microstrip formula: 120 pi, rounded.
inline constexpr double kWideStripImpedance = 376.99111843;
// Free-space impedance in the Kirschning-Jansen coupled-line impedance correction.
inline constexpr double kFreeSpaceImpedanceKJ = 377.0;
// 30 pi, the coupled-stripline impedance factor.
inline constexpr double kThirtyPi = 94.2477796;
// Neper-to-decibel factor of the coupled-line coupling. Deliberately this value, not
// 20 / ln 10 = 8.68589: coupler results have always been shown with it.
inline constexpr double kCouplingDbPerNeper = 8.6843247937472861486;
// 8 / pi, the stripline width term of the Wheeler thick-strip formula.
inline constexpr double kEightOverPi = 2.5464790894703253723;
// Peak-to-peak over rms voltage of a sine: 2 sqrt(2).
inline constexpr double kPeakToPeakPerRms = 2.82842712474;
// ln 10: powers of ten are taken as e^(ln10 x).
inline constexpr double kLn10 = 2.30258509299;
// Powers of ten whose exponent reaches this are refused with "number out of range".
inline constexpr double kPowerOfTenExponentLimit = 1000.0;

// Boltzmann's constant and the offset from degrees Celsius to kelvin, as rounded here.
inline constexpr double kBoltzmann = 1.38e-23;
inline constexpr double kCelsiusToKelvin = 273.0;

// Vacuum permittivity and permeability (4 pi 1e-7) for plate capacitors and two-wire lines.
inline constexpr double kEpsilon0 = 8.854e-12;
inline constexpr double kMu0 = 4.0 * kPi * 1e-7;

// Copper conductor loss of a coaxial line: dB/m at 1 GHz for D in metres (sqrt(Er) and the
// sqrt(f / 1 GHz) skin-depth scaling are applied by the formula).
inline constexpr double kCoaxCopperLoss = 1.898e-4;

// Speed of light in units of 1e8 m/s: phase velocities are shown as 3 / sqrt(Er) * 10^8 m/s.
inline constexpr double kLightSpeed1e8 = 3.0;

// Speed of light in vacuum, m/s (exact by the definition of the metre): line lengths from an
// electrical length use it, not the rounded 3e8 of the velocity texts.
inline constexpr double kSpeedOfLight = 299792458.0;

// The lumped coupler's 2 pi f C1 Zo may not exceed 0.18: the limit of C1 in pF is
// this over (2 pi f Zo) with f in Hz.
inline constexpr double kLumpedCouplerC1Limit = 1.8e11;

// Value shown where a result is unbounded (a matched load's return loss, a total
// reflection's VSWR).
inline constexpr double kUnboundedResult = 1e38;
// A logarithm of a value not above 0 on the return-loss page is taken as this.
inline constexpr double kLogOfNonPositive = 1e30;

} // namespace norvane::calcconst

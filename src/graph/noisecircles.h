#pragma once
// Noise and available-gain circles in the source plane of a two-port at one frequency: the
// source reflection coefficients (against port 1's reference resistance) that give the same
// noise figure, and those that give the same available gain. A designer picks the source
// match between the lowest noise (Gamma-opt) and the highest gain, seeing both sets at once.
//
// Constant noise figure F (noise factors linear, rn = Rn / Z1; G. Gonzalez, "Microwave
// Transistor Amplifiers", 2nd ed., section 4.3):
//   N  = (F - Fmin) |1 + Gopt|^2 / (4 rn)
//   centre = Gopt / (1 + N),   radius = sqrt(N^2 + N (1 - |Gopt|^2)) / (1 + N)
// Constant available gain GA (source plane; ga = GA / |S21|^2, Delta = S11 S22 - S12 S21):
//   C1 = S11 - Delta conj(S22)
//   centre = ga conj(C1) / (1 + ga (|S11|^2 - |Delta|^2))
//   radius = sqrt(1 - 2 K |S12 S21| ga + |S12 S21|^2 ga^2) / |1 + ga (|S11|^2 - |Delta|^2)|
// The circles are drawn below the largest available gain: MAG where K >= 1, MSG elsewhere.

#include "sim/complex.h"
#include "sim/sweeppoint.h"

#include <optional>
#include <vector>

namespace norvane {

struct SourceCircle
{
  double valueDb = 0.0; // the NF or available gain the circle stands for
  Complex centre;       // reflection coefficient against port 1's reference resistance
  double radius = 0.0;
};

// The noise figures above NFmin that get a circle, dB.
inline constexpr double kNoiseCircleSteps[] = {0.5, 1.0, 2.0, 3.0};
// The available gains below the maximum that get a circle, dB.
inline constexpr double kGainCircleSteps[] = {1.0, 2.0, 3.0};

struct NoiseCircleSet
{
  double nfminDb = 0.0;
  Complex gammaOpt; // against port 1's reference resistance z1
  double rnOhm = 0.0;
  std::vector<SourceCircle> noise; // NFmin + each step
  std::optional<double> maxGainDb; // MAG or MSG; absent without transfer both ways
  std::vector<SourceCircle> gain;  // maxGainDb - each step, where such a circle exists
};

// The noise circle of noise figure `nfDb` for the noise parameters nfminDb, gammaOpt
// (against z1), rnOhm.
SourceCircle noiseCircle(double nfminDb, Complex gammaOpt, double rnOhm, double z1, double nfDb);

// The available-gain circle of `gainDb` for S-parameters against the ports' own reference
// resistances; absent where no source gives that gain.
std::optional<SourceCircle> availableGainCircle(Complex s11, Complex s21, Complex s12, Complex s22,
                                                double gainDb);

// The circles of a sweep point of a run with noise analysis (both ports solved); absent
// where the point has no noise parameters. z1: port 1's reference resistance. The point's
// Gamma-opt is against 50 ohm and is carried over to z1.
std::optional<NoiseCircleSet> noiseCirclesAt(const SweepPoint& point, double z1);

} // namespace norvane

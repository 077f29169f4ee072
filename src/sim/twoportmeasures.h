#pragma once
// Stability and gain figures of one sweep point, from its S-parameters at the ports' own
// reference impedances (the normalised S21 and S12 of SweepPoint) and those impedances.
//
//   Delta = S11 S22 - S12 S21
//   K     = (1 - |S11|^2 - |S22|^2 + |Delta|^2) / (2 |S12 S21|)          (Rollett)
//   mu1   = (1 - |S11|^2) / (|S22 - Delta conj(S11)| + |S12 S21|)        (Edwards-Sinsky)
//   mu2   = (1 - |S22|^2) / (|S11 - Delta conj(S22)| + |S12 S21|)
//   MAG   = |S21/S12| (K - sqrt(K^2 - 1)) where K >= 1, else MSG = |S21/S12|, in dB
//   VSWR  = (1 + |Sii|) / (1 - |Sii|)
//   Zin   = Z1 (1 + S11) / (1 - S11),  Zout = Z2 (1 + S22) / (1 - S22)
// (G. Gonzalez, "Microwave Transistor Amplifiers", 2nd ed., sections 3.3 and 3.6;
// M. L. Edwards and J. H. Sinsky, IEEE Trans. MTT 40(12), 1992.)
//
// A figure that cannot be formed at a point -- a division by zero, the logarithm of zero,
// the VSWR of a port reflecting all it receives, a parameter the circuit does not have --
// is absent rather than a sentinel or an infinity, so a file never shows a made-up number.

#include "sim/sweeppoint.h"

#include <optional>

namespace norvane {

struct TwoPortMeasures
{
  // Need both ports (S11, S21, S12, S22).
  std::optional<double> k;
  std::optional<double> delta; // |Delta|
  std::optional<double> mu1;
  std::optional<double> mu2;
  std::optional<double> gainDb; // MAG where K >= 1, otherwise MSG
  bool gainIsMsg = false;       // which of the two gainDb holds
  // Need only their own port.
  std::optional<double> vswr1;
  std::optional<double> vswr2;
  std::optional<Complex> zin;  // ohm
  std::optional<Complex> zout; // ohm
};

// z1, z2: the reference impedances of port 1 and port 2 in ohm.
TwoPortMeasures twoPortMeasures(const SweepPoint& point, double z1, double z2);

} // namespace norvane

#include "sim/noisedata.h"

#include "sim/complex.h"

#include <algorithm>
#include <cmath>

namespace norvane {

std::optional<NoiseParameters> interpolateNoise(const TwoPortDataSet& set, double f)
{
  const std::vector<NoisePoint>& n = set.noise;
  if (n.empty()) {
    return std::nullopt;
  }
  NoisePoint at = n.front();
  if (n.size() > 1) {
    // The interval holding f, or the end interval nearest to it.
    std::size_t i = 0;
    while (i + 2 < n.size() && f >= n[i + 1].freq) {
      ++i;
    }
    const NoisePoint& a = n[i];
    const NoisePoint& b = n[i + 1];
    const double t = (f - a.freq) / (b.freq - a.freq);
    double d = b.gammaOpt.ang - a.gammaOpt.ang;
    if (d < -complexconst::kPi) {
      d += 2.0 * complexconst::kPi;
    } else if (d > complexconst::kPi) {
      d -= 2.0 * complexconst::kPi;
    }
    at.nfminDb = a.nfminDb + t * (b.nfminDb - a.nfminDb);
    at.gammaOpt.mag = a.gammaOpt.mag + t * (b.gammaOpt.mag - a.gammaOpt.mag);
    at.gammaOpt.ang = a.gammaOpt.ang + t * d;
    at.rn = a.rn + t * (b.rn - a.rn);
  }
  NoiseParameters p;
  p.fmin = std::pow(10.0, std::max(0.0, at.nfminDb) / 10.0);
  const double mag = std::clamp(at.gammaOpt.mag, 0.0, 1.0 - 1e-12);
  p.gammaOpt = std::polar(mag, at.gammaOpt.ang);
  p.rn = std::max(0.0, at.rn);
  return p;
}

} // namespace norvane

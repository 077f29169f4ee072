#include "sim/valuecheck.h"

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace norvane {
namespace {

const char* kindName(int ctype)
{
  static constexpr std::array<const char*, 16> kNames{"component",
                                                      "resistor",
                                                      "capacitor",
                                                      "inductor",
                                                      "ground",
                                                      "op-amp",
                                                      "line",
                                                      "2-port block",
                                                      "1-port block",
                                                      "transformer",
                                                      "mutual inductance",
                                                      "bipolar transistor",
                                                      "VCVS",
                                                      "VCCS",
                                                      "CCVS",
                                                      "CCCS"};
  return ctype >= 1 && ctype < static_cast<int>(kNames.size())
             ? kNames[static_cast<std::size_t>(ctype)]
             : kNames[0];
}

std::string componentName(const Tcomponent& c, int index)
{
  const std::string name =
      c.name.empty() ? std::string(kindName(c.ctype)) + " " + std::to_string(index) : c.name;
  return name + " at (" + std::to_string(c.position.x) + ", " + std::to_string(c.position.y) + ")";
}

bool usable(double x)
{
  return std::isfinite(x) && std::fabs(x) < std::numeric_limits<double>::max();
}

// The values the kind's stamp divides by: 1/R, 1/(wL), Q/(wC), 1/Zo, l/v, (Np/Ns)^2,
// 1/Lp, f/f_beta, 1/Ro and the like.
std::vector<double> divisors(const Tcomponent& c)
{
  const auto& v = c.value;
  switch (c.ctype) {
  case ckResistor:
    return {v[1].actual};
  case ckCapacitor:
  case ckInductor:
    if (v[5].TolEn) {
      return {v[1].actual, v[2].nom, v[3].nom, v[4].nom}; // value, Q, its frequency, SRF
    }
    return {v[1].actual};
  case ckOpAmp:
    return {v[1].nom, v[2].nom};
  case ckTxLine:
    return {v[1].TolEn ? v[1].actual : v[1].nom, v[2].nom};
  case ckTransformer:
  case ckMutual:
    if (v[1].TolEn) {
      return {v[1].nom, v[1].mintol, v[2].nom}; // turns, primary inductance
    }
    return {v[1].nom, v[1].mintol};
  case ckBipolar:
    return {v[2].maxtol, v[4].mintol}; // Ro, f_beta
  default:
    return {};
  }
}

} // namespace

std::string CheckComponentValues(const TDrawData& drawing)
{
  for (int i = 1; i <= drawing.components.count(); ++i) {
    const Tcomponent& c = drawing.components[i];
    if (c.ctype == ckGround) {
      continue;
    }
    for (int k = 1; k <= kValuesPerComponent; ++k) {
      const Ttolvalue& v = c.value[k];
      for (double x : {v.nom, v.mintol, v.maxtol, v.actual}) {
        if (!usable(x)) {
          return "The value of " + componentName(c, i) +
                 " is not a number or out of range; the circuit cannot be simulated";
        }
      }
    }
    for (double x : divisors(c)) {
      if (x == 0.0) {
        return "A value of " + componentName(c, i) +
               " is 0 where the circuit divides by it; the circuit cannot be simulated";
      }
    }
  }
  return {};
}

} // namespace norvane

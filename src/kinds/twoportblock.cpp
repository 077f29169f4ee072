// The 2-port data block: stored S-parameters (referred to 50 Ohm) turned into admittances.
// It has no SPICE element: a table of measured data is not something ngspice can be given.

#include "kinds/datablock.h"
#include "sim/interpolate.h"
#include "sim/noisedata.h"

#include <algorithm>

namespace norvane::kinds {
namespace {

// Box with an arrow; port 1 left, port 2 right, common terminal below.
constexpr std::array kSymbol{
    L(-20, -20, 20, -20),  L(20, -20, 20, 20),  L(20, 20, -20, 20),
    L(-20, 20, -20, -20),  L(-10, -5, 10, -5),  L(10, -5, 5, -10),
    L(-30, -10, -20, -10), L(30, -10, 20, -10), L(0, 20, 0, 30),
};

// The block numbers its terminals; in orientation 2 it is mirrored, so the "1" and "2"
// exchange places.
constexpr std::array kMarks{
    SymbolText{-30, -25, "1", "2"},
    SymbolText{25, -25, "2", "1"},
    SymbolText{5, 22, "0", "0"},
    SymbolText{-10, -3, "S2P", "S2P"},
};

// Pins 1 port 1, 2 port 2, 3 common. Y from S (normalised to 50 Ohm), with
// D = (1 + S11)(1 + S22) - S12 S21:
//   y11 = ((1 - S11)(1 + S22) + S12 S21) / D     y12 = -2 S12 / D
//   y21 = -2 S21 / D                             y22 = ((1 + S11)(1 - S22) + S12 S21) / D
// then the indefinite 3 x 3 admittance matrix (rows and columns sum to zero), divided by 50.
// The block's indefinite admittance matrix in siemens, rows and columns in pin order.
using Indefinite = std::array<Complex, 9>;

Indefinite admittance(const TwoPortDataSet& set, const Component& c, double f,
                      ComplexErrors& errors)
{
  const TwoPortPoint s = interpolateTwoPort(set, f);
  const Complex S11 = withFactors(s.s11, c);
  const Complex S21 = withFactors(s.s21, c);
  const Complex S12 = withFactors(s.s12, c);
  const Complex S22 = withFactors(s.s22, c);

  const Complex one{1.0, 0.0};
  const Complex s12s21 = S12 * S21;
  const Complex delta = (one + S11) * (one + S22) - s12s21;
  const Complex y11 = complexDiv((one - S11) * (one + S22) + s12s21, delta, errors);
  const Complex y12 = complexDiv(-2.0 * S12, delta, errors);
  const Complex y21 = complexDiv(-2.0 * S21, delta, errors);
  const Complex y22 = complexDiv((one + S11) * (one - S22) + s12s21, delta, errors);

  const Complex T[9] = {
      y11,          y12,          -(y11 + y12),          y21, y22, -(y21 + y22),
      -(y11 + y21), -(y12 + y22), y11 + y12 + y21 + y22,
  };
  constexpr double z0 = stampconst::kDataReference;
  Indefinite t;
  for (int k = 0; k < 9; ++k) {
    t[static_cast<std::size_t>(k)] = Complex{T[k].re / z0, T[k].im / z0};
  }
  return t;
}

void stamp(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f,
           const DataSets& data, ComplexErrors& errors)
{
  Pins p;
  const int set = dataSetIndex(c);
  if (set == 0 || !data.twoPort[set].inUse() || !resolvePins(nodes, 3, p)) {
    return;
  }
  const Indefinite t = admittance(data.twoPort[set], c, f, errors);
  for (int r = 0; r < 3; ++r) {
    for (int col = 0; col < 3; ++col) {
      m.add(p[r + 1], p[col + 1], t[static_cast<std::size_t>(r * 3 + col)]);
    }
  }
}

NoiseComplex toStd(Complex c)
{
  return {c.re, c.im};
}

// Passive: the Hermitian part of Y (the power the block absorbs) is positive semidefinite,
// to within rounding of the largest entry.
bool passive(const Matrix2& y)
{
  const double h11 = y[0].real();
  const double h22 = y[3].real();
  const NoiseComplex h12 = 0.5 * (y[1] + std::conj(y[2]));
  double scale = 0.0;
  for (const NoiseComplex& v : y) {
    scale = std::max(scale, std::abs(v));
  }
  const double tol = 1e-12 * scale;
  return h11 >= -tol && h22 >= -tol && h11 * h22 - std::norm(h12) >= -tol * scale;
}

// Noise of the block: from the file's noise parameters (chain form at 50 ohm, turned into
// the currents j1, j2 at its ports against the common pin); without them, a passive block is
// the thermal noise of its loss (Bosma's theorem, 2kT (Y + Y^H) in admittance form) and an
// active one is taken as noiseless.
void noise(NoiseSources& n, const Component& c, const PinNodes& nodes, double f,
           const DataSets& data, ComplexErrors& errors)
{
  Pins p;
  const int set = dataSetIndex(c);
  if (set == 0 || !data.twoPort[set].inUse() || !resolvePins(nodes, 3, p)) {
    return;
  }
  const Indefinite t = admittance(data.twoPort[set], c, f, errors);
  const Matrix2 y{toStd(t[0]), toStd(t[1]), toStd(t[3]), toStd(t[4])};
  const int pins[3] = {p[1], p[2], p[3]};
  if (const auto params = interpolateNoise(data.twoPort[set], f)) {
    // Noise parameters are stated against a source at the standard temperature.
    const double kT0 = noiseconst::kBoltzmann * noiseconst::kStandardTemperature;
    const Matrix2 ca = chainCorrelationOf(*params, kT0, stampconst::kDataReference);
    const Matrix2 cy = admittanceFromChain(ca, y);
    // Currents j1 into pin 1, j2 into pin 2 and -(j1 + j2) into the common pin.
    constexpr int E[3][2] = {{1, 0}, {0, 1}, {-1, -1}};
    for (int r = 0; r < 3; ++r) {
      for (int col = 0; col < 3; ++col) {
        NoiseComplex v = 0.0;
        for (int a = 0; a < 2; ++a) {
          for (int b = 0; b < 2; ++b) {
            v += static_cast<double>(E[r][a] * E[col][b]) * cy[static_cast<std::size_t>(a * 2 + b)];
          }
        }
        n.add(pins[r], pins[col], Complex{v.real(), v.imag()});
      }
    }
    return;
  }
  if (passive(y)) {
    n.addThermalBlock(pins, 3, t.data());
  } else {
    n.noteNoiseless("active 2-port block without noise data");
  }
}

std::string listing(const Schematic& doc, const Component& c, const PinNodes& nodes)
{
  return "2Port " + listingNodes(nodes, 3) + " " + dataSetName(doc, c);
}

constexpr DeviceModel kDevice{stamp, listing, nullptr, nullptr, noise};

[[maybe_unused]] const bool registered = registerComponentKind({
    .type = T::SParam2,
    .codeName = "ckSParam2",
    .prefix = "S",
    .title = "2-port block",
    .pins = 3,
    .parameters = kDataBlockParameters,
    .dataBlock = DataBlock::TwoPort,
    .symbol = {kindCode(T::SParam2),
               pinTable({{-30, -10}, {30, -10}, {0, 30}}),
               {-25, -35},
               kClassMirrored,
               kSymbol,
               kMarks},
    .device = &kDevice,
});

} // namespace
} // namespace norvane::kinds

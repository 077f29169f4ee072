// The 2-port data block: stored S-parameters (referred to 50 Ohm) turned into admittances.
// It has no SPICE element: a table of measured data is not something ngspice can be given.

#include "kinds/datablock.h"
#include "sim/interpolate.h"

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
void stamp(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f,
           const DataSets& data, ComplexErrors& errors)
{
  Pins p;
  const int set = dataSetIndex(c);
  if (set == 0 || !data.twoPort[set].inUse() || !resolvePins(nodes, 3, p)) {
    return;
  }
  const TwoPortPoint s = interpolateTwoPort(data.twoPort[set], f);
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

  const Complex T[3][3] = {
      {y11, y12, -(y11 + y12)},
      {y21, y22, -(y21 + y22)},
      {-(y11 + y21), -(y12 + y22), y11 + y12 + y21 + y22},
  };
  constexpr double z0 = stampconst::kDataReference;
  for (int r = 0; r < 3; ++r) {
    for (int col = 0; col < 3; ++col) {
      const Complex t = T[r][col];
      m.add(p[r + 1], p[col + 1], Complex{t.re / z0, t.im / z0});
    }
  }
}

std::string listing(const Schematic& doc, const Component& c, const PinNodes& nodes)
{
  return "2Port " + listingNodes(nodes, 3) + " " + dataSetName(doc, c);
}

constexpr DeviceModel kDevice{stamp, listing, nullptr, nullptr};

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

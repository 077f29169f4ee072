// S-parameter data blocks: stored S-parameters (referred to 50 Ohm) turned into admittances.

#include "document/kindparameters.h"
#include "sim/interpolate.h"
#include "sim/stamps.h"
#include "sim/stampsdetail.h"

#include <cmath>

namespace norvane::stampdetail {

namespace {

using kindparameters::kDataBlock;
using kindparameters::slotOf;
constexpr int kDataSetSlot = slotOf(kDataBlock, "dataSet");
constexpr int kMagnitudeSlot = slotOf(kDataBlock, "magnitudeTolerance");
constexpr int kAngleSlot = slotOf(kDataBlock, "angleTolerance");

// The data set a block names: its "dataSet" rounded, 1..50; 0 when out of range.
int dataSetIndex(const Component& c)
{
  const double r = std::nearbyint(c.value[kDataSetSlot].nom);
  return r >= 1.0 && r <= kMaxDataSets ? static_cast<int>(r) : 0;
}

// The tolerance factors of a block, applied only when enabled: magnitude times the magnitude
// factor; a positive angle divided by the angle factor, a negative one multiplied by it.
Complex withFactors(const MagnitudeAngle& s, const Component& c)
{
  double mag = s.mag;
  double ang = s.ang;
  // Both tolerances are switched on and off together, by the magnitude's flag.
  if (c.value[kMagnitudeSlot].TolEn) {
    mag = mag * c.value[kMagnitudeSlot].actual;
    const double angleFactor = c.value[kAngleSlot].actual;
    ang = ang >= 0.0 ? ang / angleFactor : ang * angleFactor;
  }
  return PolarToComplex(mag, ang);
}

} // namespace

// Pins 1 port 1, 2 port 2, 3 common. Y from S (normalised to 50 Ohm), with
// D = (1 + S11)(1 + S22) - S12 S21:
//   y11 = ((1 - S11)(1 + S22) + S12 S21) / D     y12 = -2 S12 / D
//   y21 = -2 S21 / D                             y22 = ((1 + S11)(1 - S22) + S12 S21) / D
// then the indefinite 3 x 3 admittance matrix (rows and columns sum to zero), divided by 50.
void stampTwoPortBlock(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f,
                       const DataSets& data, ComplexErrors& errors)
{
  Pins p;
  const int set = dataSetIndex(c);
  if (set == 0 || !data.twoPort[set].inUse() || !resolvePins(nodes, 3, p)) {
    return;
  }
  const TwoPortPoint s = InterpolateTwoPort(data.twoPort[set], f);
  const Complex S11 = withFactors(s.s11, c);
  const Complex S21 = withFactors(s.s21, c);
  const Complex S12 = withFactors(s.s12, c);
  const Complex S22 = withFactors(s.s22, c);

  const Complex one{1.0, 0.0};
  const Complex s12s21 = S12 * S21;
  const Complex delta = (one + S11) * (one + S22) - s12s21;
  const Complex y11 = ComplexDiv((one - S11) * (one + S22) + s12s21, delta, errors);
  const Complex y12 = ComplexDiv(-2.0 * S12, delta, errors);
  const Complex y21 = ComplexDiv(-2.0 * S21, delta, errors);
  const Complex y22 = ComplexDiv((one + S11) * (one - S22) + s12s21, delta, errors);

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

// Pins 1 and 2: y = (1 - S) / ((1 + S) 50).
void stampOnePortBlock(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f,
                       const DataSets& data, ComplexErrors& errors)
{
  Pins p;
  const int set = dataSetIndex(c);
  if (set == 0 || !data.onePort[set].inUse() || !resolvePins(nodes, 2, p)) {
    return;
  }
  const Complex S = withFactors(InterpolateOnePort(data.onePort[set], f), c);
  const Complex one{1.0, 0.0};
  const Complex y = ComplexDiv(one - S, stampconst::kDataReference * (one + S), errors);
  stamp2(m, p[1], p[2], y);
}

} // namespace norvane::stampdetail

#include "kinds/datablock.h"

#include <cmath>

namespace norvane::kinds {
namespace {

constexpr int kDataSetSlot = slotOf(kDataBlockParameters, "dataSet");
constexpr int kMagnitudeSlot = slotOf(kDataBlockParameters, "magnitudeTolerance");
constexpr int kAngleSlot = slotOf(kDataBlockParameters, "angleTolerance");

} // namespace

int dataSetIndex(const Component& block)
{
  const double r = std::nearbyint(block.value[kDataSetSlot].nom);
  return r >= 1.0 && r <= kMaxDataSets ? static_cast<int>(r) : 0;
}

// Magnitude times the magnitude factor; a positive angle divided by the angle factor, a
// negative one multiplied by it.
Complex withFactors(const MagnitudeAngle& s, const Component& block)
{
  double mag = s.mag;
  double ang = s.ang;
  // Both tolerances are switched on and off together, by the magnitude's flag.
  if (block.value[kMagnitudeSlot].TolEn) {
    mag = mag * block.value[kMagnitudeSlot].actual;
    const double angleFactor = block.value[kAngleSlot].actual;
    ang = ang >= 0.0 ? ang / angleFactor : ang * angleFactor;
  }
  return polarToComplex(mag, ang);
}

std::string dataSetName(const Schematic& doc, const Component& block)
{
  const double index = std::round(block.value[kDataSetSlot].nom);
  if (!(index >= 1 && index <= kMaxDataSets)) {
    return std::string();
  }
  const int i = static_cast<int>(index);
  return dataBlockOf(block.ctype) == DataBlock::TwoPort ? doc.datasets.twoPort[i].name
                                                        : doc.datasets.onePort[i].name;
}

} // namespace norvane::kinds

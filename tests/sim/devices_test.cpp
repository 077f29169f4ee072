// Every kind has a device (a stamp, a listing line and, but for the data blocks, a SPICE
// element), and a stamp reads only the slots
// its kind's description names: slots left undescribed hold NaN and must not reach the
// matrix.

#include "document/componentkinds.h"
#include "sim/devicemodel.h"
#include "sim/listing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace norvane {
namespace {

TEST(Devices, EveryKindHasAStampAndAListingThatReadOnlyDescribedSlots)
{
  Schematic doc;
  for (int i = 1; i <= 3; ++i) {
    TwoPortPoint p2;
    p2.freq = i * 1e8;
    p2.s11 = {0.1, 0.2};
    p2.s21 = {0.9, -0.3};
    p2.s12 = {0.05, 0.1};
    p2.s22 = {0.2, -0.1};
    doc.datasets.twoPort[1].points.append(p2);
    doc.datasets.onePort[1].points.append(OnePortPoint{i * 1e8, {0.5, 0.4}});
  }
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const ComponentKind& kind : componentKinds()) {
    SCOPED_TRACE(kind.codeName);
    const DeviceModel* device = findDevice(kind.type);
    EXPECT_EQ(device, kind.device);
    if (kind.type == ComponentType::Ground) {
      EXPECT_EQ(device, nullptr); // ground takes no part but its node
      continue;
    }
    ASSERT_NE(device, nullptr);
    EXPECT_NE(device->stamp, nullptr);
    EXPECT_NE(device->listing, nullptr);
    // Only the data blocks have no SPICE element.
    EXPECT_EQ(device->spice == nullptr, kind.dataBlock != DataBlock::None);

    Component c;
    c.ctype = kind.type;
    for (int k = 1; k <= kValuesPerComponent; ++k) {
      c.value[k] = ToleranceValue{nan, nan, nan, nan, false, false};
    }
    for (const ParameterDescription& p : kind.parameters) {
      ToleranceValue& v = c.value[p.slot];
      const double x = p.name == "dataSet" ? 1.0 : p.name == "qMode" ? 1.0 : 0.5;
      if (p.field == SlotField::Whole) {
        v = ToleranceValue{x, 0, 0, x, false, false};
      } else if (p.field == SlotField::Nom) {
        v.nom = x;
        v.actual = x;
      } else if (p.field == SlotField::MinTol) {
        v.mintol = x;
      } else if (p.field == SlotField::MaxTol) {
        v.maxtol = x;
      }
    }
    PinNodes nodes;
    nodes.count = kind.pins;
    for (int k = 1; k <= kind.pins; ++k) {
      nodes.node[static_cast<std::size_t>(k)] = k;
    }
    auto m = std::make_unique<ComplexMatrix>();
    m->clear(kMatrixDim - 1);
    ComplexErrors errors;
    device->stamp(*m, c, nodes, 2e8, doc.datasets, errors);
    bool touched = false;
    for (int r = 0; r < kMatrixDim; ++r) {
      for (int col = 0; col < kMatrixDim; ++col) {
        const Complex y = (*m)[r][col];
        EXPECT_TRUE(std::isfinite(y.re) && std::isfinite(y.im)) << "entry " << r << "," << col;
        touched = touched || y.re != 0.0 || y.im != 0.0;
      }
    }
    EXPECT_TRUE(touched);
    EXPECT_EQ(netlistListingLine(doc, c, nodes).find("unknown"), std::string::npos);
  }
}

} // namespace
} // namespace norvane

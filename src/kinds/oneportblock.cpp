// The 1-port data block: a stored reflection coefficient (referred to 50 Ohm) turned into an
// admittance between its two pins. Like the 2-port block it has no SPICE element.

#include "kinds/datablock.h"
#include "sim/interpolate.h"

namespace norvane::kinds {
namespace {

constexpr std::array kSymbol{
    L(-12, -12, 12, -12), L(12, -12, 12, 12), L(12, 12, -12, 12),
    L(-12, 12, -12, -12), L(0, 12, 0, 20),    L(0, -12, 0, -20),
};
constexpr std::array kMarks{SymbolText{-8, -7, "S1P", "S1P"}};

// y = (1 - S) / ((1 + S) 50).
Complex admittance(const OnePortDataSet& set, const Component& c, double f, ComplexErrors& errors)
{
  const Complex S = withFactors(interpolateOnePort(set, f), c);
  const Complex one{1.0, 0.0};
  return complexDiv(one - S, stampconst::kDataReference * (one + S), errors);
}

void stamp(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f,
           const DataSets& data, ComplexErrors& errors)
{
  Pins p;
  const int set = dataSetIndex(c);
  if (set == 0 || !data.onePort[set].inUse() || !resolvePins(nodes, 2, p)) {
    return;
  }
  stamp2(m, p[1], p[2], admittance(data.onePort[set], c, f, errors));
}

// A passive block (|S| <= 1, Re y >= 0) is the thermal noise of its own loss (Bosma's
// theorem: kT (1 - |S|^2) in waves, 4kT Re(y) as a current); an active one has no noise data
// to go by and is taken as noiseless.
void noise(NoiseSources& n, const Component& c, const PinNodes& nodes, double f,
           const DataSets& data, ComplexErrors& errors)
{
  Pins p;
  const int set = dataSetIndex(c);
  if (set == 0 || !data.onePort[set].inUse() || !resolvePins(nodes, 2, p)) {
    return;
  }
  const Complex y = admittance(data.onePort[set], c, f, errors);
  if (y.re >= 0.0) {
    n.addThermal(p[1], p[2], y);
  } else {
    n.noteNoiseless("active 1-port block");
  }
}

std::string listing(const Schematic& doc, const Component& c, const PinNodes& nodes)
{
  return "1Port " + listingNodes(nodes, 2) + " " + dataSetName(doc, c);
}

constexpr DeviceModel kDevice{stamp, listing, nullptr, nullptr, noise};

[[maybe_unused]] const bool registered = registerComponentKind({
    .type = T::SParam1,
    .codeName = "ckSParam1",
    .prefix = "S",
    .title = "1-port block",
    .pins = 2,
    .parameters = kDataBlockParameters,
    .dataBlock = DataBlock::OnePort,
    .symbol = {kindCode(T::SParam1), kTwoPins, {17, 8}, kClassQuarterTurn, kSymbol, kMarks},
    .device = &kDevice,
});

} // namespace
} // namespace norvane::kinds

// The resistor: one resistance with its tolerance, the value the tolerance modes vary.

#include "kinds/kindunit.h"

namespace norvane::kinds {
namespace {

constexpr ParameterDescription kParameters[] = {
    {"resistance", 1, F::Whole, "R", true, zeroreplacement::kResistance, 2, -1e20, 1e20,
     withTolerance(50, -1, 1, true, true)},
};
constexpr int kResistance = slotOf(kParameters, "resistance");

// Drawn vertically: pin 1 on top, pin 2 below.
constexpr std::array kSymbol{
    L(0, -20, 0, -10), L(-5, -10, 5, -10), L(5, -10, 5, 10),
    L(5, 10, -5, 10),  L(-5, 10, -5, -10), L(0, 10, 0, 20),
};

void stamp(ComplexMatrix& m, const Component& c, const PinNodes& nodes)
{
  Pins p;
  if (!resolvePins(nodes, 2, p)) {
    return;
  }
  stamp2(m, p[1], p[2], Complex{1.0 / c.value[kResistance].actual, 0.0});
}

std::string listing(const Schematic&, const Component& c, const PinNodes& nodes)
{
  return "res " + listingNodes(nodes, 2) + " R=" + listingValue(parameterValue(c, "resistance")) +
         "R";
}

std::vector<double> divisors(const Component& c)
{
  return {c.value[kResistance].actual};
}

bool spice(Deck& d)
{
  const Component& c = d.component();
  d.line(d.name('R') + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' + num(c.value[kResistance].actual));
  return true;
}

// Thermal noise of the resistance.
void noise(NoiseSources& n, const Component& c, const PinNodes& nodes, double)
{
  Pins p;
  if (resolvePins(nodes, 2, p)) {
    n.addThermal(p[1], p[2], Complex{1.0 / c.value[kResistance].actual, 0.0});
  }
}

constexpr DeviceModel kDevice{plainStamp<stamp>, listing, divisors, spice, frequencyNoise<noise>};

[[maybe_unused]] const bool registered = registerComponentKind({
    .type = T::Resistor,
    .codeName = "ckResistor",
    .prefix = "R",
    .title = "resistor",
    .pins = 2,
    .templateRecord = &Schematic::lastR,
    .templateValues = 3,
    .parameters = kParameters,
    .tunedParameter = "resistance",
    .previewParameter = "resistance",
    .symbol = {kindCode(T::Resistor), kTwoPins, {10, 0}, kClassQuarterTurn, kSymbol},
    .device = &kDevice,
});

} // namespace
} // namespace norvane::kinds

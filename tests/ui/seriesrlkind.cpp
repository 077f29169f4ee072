// A kind the program does not have: a resistor in series with an inductor. It is registered
// here, in the test program only, exactly as a contributor would add a kind: this one file and
// nothing else. kindconformance_test.cpp places it from the menu, edits it in its generated
// dialog, saves, reads back and simulates it.

#include "kinds/kindunit.h"

namespace norvane::kinds {
namespace {

constexpr ParameterDescription kParameters[] = {
    {"resistance", 1, F::Whole, "R", true, zeroreplacement::kResistance, 2, -1e20, 1e20,
     withTolerance(10, -1, 1, true, true)},
    {"inductance", 2, F::Whole, "H", true, zeroreplacement::kReactance, 2, -1e20, 1e20,
     withTolerance(1e-7, -5, 5, true, true)},
};
constexpr int kResistance = slotOf(kParameters, "resistance");
constexpr int kInductance = slotOf(kParameters, "inductance");

// A resistor box above a three-turn coil.
constexpr std::array kSymbol{
    L(0, -20, 0, -16), L(-4, -16, 4, -16), L(4, -16, 4, -4), L(4, -4, -4, -4), L(-4, -4, -4, -16),
    L(0, -4, 0, 0),    L(0, 0, 5, 2),      L(5, 2, 0, 6),    L(0, 6, 5, 8),    L(5, 8, 0, 12),
    L(0, 12, 5, 14),   L(5, 14, 0, 16),    L(0, 16, 0, 20),
};

// Z = R + jwL between pins 1 and 2.
void stamp(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f)
{
  Pins p;
  if (!resolvePins(nodes, 2, p)) {
    return;
  }
  const double R = c.value[kResistance].actual;
  const double X = kTwoPi * f * c.value[kInductance].actual;
  const double d = R * R + X * X;
  stamp2(m, p[1], p[2], Complex{R / d, -X / d});
}

std::string listing(const Schematic&, const Component& c, const PinNodes& nodes)
{
  return "srl " + listingNodes(nodes, 2) + " R=" + listingValue(c.value[kResistance].nom) +
         "R L=" + listingValue(c.value[kInductance].nom) + "H";
}

std::vector<double> divisors(const Component& c)
{
  return {c.value[kResistance].actual + c.value[kInductance].actual};
}

bool spice(Deck& d)
{
  const Component& c = d.component();
  d.line(d.name('R') + ' ' + d.pin(1) + ' ' + d.inner("m") + ' ' +
         num(c.value[kResistance].actual));
  d.line(d.name('L') + ' ' + d.inner("m") + ' ' + d.pin(2) + ' ' +
         num(c.value[kInductance].actual));
  return true;
}

constexpr DeviceModel kDevice{frequencyStamp<stamp>, listing, divisors, spice};

[[maybe_unused]] const bool registered = registerComponentKind({
    .type = kindOfCode(40),
    .codeName = "ckSeriesRL",
    .prefix = "Z",
    .title = "series RL",
    .pins = 2,
    .parameters = kParameters,
    .tunedParameter = "resistance",
    .previewParameter = "resistance",
    .symbol = {40, kTwoPins, {10, 0}, kClassQuarterTurn, kSymbol},
    .device = &kDevice,
});

} // namespace
} // namespace norvane::kinds

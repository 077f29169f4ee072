// The transmission line: a lossless line of impedance Zo, phase velocity v and length l,
// both ends referred to ground. Tuning steps its length; its impedance stays.

#include "kinds/kindunit.h"

#include <cmath>

namespace norvane::kinds {
namespace {

using zeroreplacement::kReactance;

constexpr ParameterDescription kParameters[] = {
    {"impedance", 1, F::Whole, "R", true, kReactance, 2, -1e8, 1e8,
     withTolerance(50, -5, 5, true, false)},
    {"velocity", 2, F::Nom, " m/s", false, zeroreplacement::kVelocity, 3, -1e20, 1e20, value(3e8)},
    {"length", 3, F::Whole, " m", true, kReactance, 4, -1e8, 1e8,
     withTolerance(0.01, -2, 2, true, true)},
};
constexpr int kImpedance = slotOf(kParameters, "impedance");
constexpr int kVelocity = slotOf(kParameters, "velocity");
constexpr int kLength = slotOf(kParameters, "length");

// A resistor-like box with cross hatching and two side bars.
constexpr std::array kSymbol{
    L(-7, -10, -7, 10), L(7, -10, 7, 10), L(0, -20, 0, -10),  L(-5, -10, 5, -10),
    L(5, -10, 5, 10),   L(5, 10, -5, 10), L(-5, 10, -5, -10), L(0, 10, 0, 20),
    L(-5, -10, 5, -5),  L(-5, -5, 5, 0),  L(-5, 0, 5, 5),     L(-5, 5, 5, 10),
    L(5, -10, -5, -5),  L(5, -5, -5, 0),  L(5, 0, -5, 5),     L(5, 5, -5, 10),
};

// Zo and l with their tolerance applied only while it is switched on.
double impedanceOf(const Component& c)
{
  const ToleranceValue& zv = c.value[kImpedance];
  return zv.TolEn ? zv.actual : zv.nom;
}
double lengthOf(const Component& c)
{
  const ToleranceValue& lv = c.value[kLength];
  return lv.TolEn ? lv.actual : lv.nom;
}

// Y11 = Y22 = -j cot(theta)/Zo, Y12 = Y21 = j csc(theta)/Zo, theta = 2 pi f l / v.
void stamp(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f)
{
  Pins p;
  if (!resolvePins(nodes, 2, p)) {
    return;
  }
  const double Zo = impedanceOf(c);
  const double length = lengthOf(c);
  const double v = c.value[kVelocity].nom;
  const double theta = length * kTwoPi * f / v;
  const Complex self{0.0, -cot(theta) / Zo};
  const Complex mutual{0.0, csc(theta) / Zo};
  m.add(p[1], p[1], self);
  m.add(p[2], p[2], self);
  m.add(p[1], p[2], mutual);
  m.add(p[2], p[1], mutual);
}

std::string listing(const Schematic&, const Component& c, const PinNodes& nodes)
{
  return "txln " + listingNodes(nodes, 2) + " Zo=" + listingValue(parameterValue(c, "impedance")) +
         "R" + " Vel=" + listingValue(parameterValue(c, "velocity")) + "m/s" +
         " Len=" + listingValue(parameterValue(c, "length")) + "m";
}

std::vector<double> divisors(const Component& c)
{
  return {impedanceOf(c), c.value[kVelocity].nom};
}

// The line's electrical length 2 pi f l / v is the delay l / v.
bool spice(Deck& d)
{
  const Component& c = d.component();
  const double Zo = impedanceOf(c);
  const double delay = lengthOf(c) / c.value[kVelocity].nom;
  if (!(delay > 0.0) || !(Zo > 0.0) || !std::isfinite(delay)) {
    return false;
  }
  d.line(d.name('T') + ' ' + d.pin(1) + " 0 " + d.pin(2) + " 0 z0=" + num(Zo) +
         " td=" + num(delay));
  return true;
}

constexpr DeviceModel kDevice{frequencyStamp<stamp>, listing, divisors, spice};

[[maybe_unused]] const bool registered = registerComponentKind({
    .type = T::TxLine,
    .codeName = "ckTxLine",
    .prefix = "TL",
    .title = "line",
    .pins = 2,
    .templateRecord = &Schematic::lasttxln,
    .templateValues = 3,
    .parameters = kParameters,
    .tunedParameter = "length",
    .symbol = {kindCode(T::TxLine), kTwoPins, {10, 0}, kClassQuarterTurn, kSymbol},
    .device = &kDevice,
});

} // namespace
} // namespace norvane::kinds

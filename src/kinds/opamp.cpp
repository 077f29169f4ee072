// The op-amp: input resistance, output resistance and a voltage gain (entered in dB, stored
// as the linear ratio).

#include "kinds/kindunit.h"

namespace norvane::kinds {
namespace {

using zeroreplacement::kReactance;

constexpr ParameterDescription kParameters[] = {
    {"inputResistance", 1, F::Nom, "R", false, kReactance, 2, -1e9, 1e9, value(1e6)},
    {"outputResistance", 2, F::Nom, "R", false, kReactance, 2, -1e9, 1e9, value(0.1)},
    {"gain", 3, F::Nom, "dB", false, 0, 2, -1e9, 1e9, value(1e6)},
};

// Triangle with the inputs on the left, "+" at the upper one (pin 1) and "-" at the lower
// one (pin 2), and the output (pin 3) on the right.
constexpr std::array kSymbol{
    L(-10, -20, 20, 0),    L(20, 0, -10, 20),   L(-10, 20, -10, -20),
    L(-10, -10, -20, -10), L(-10, 10, -20, 10), L(20, 0, 30, 0),
    L(-5, -13, -5, -7),    L(-7, -10, -3, -10), L(-7, 10, -3, 10),
};

double parameter(const Component& c, std::string_view name)
{
  return parameterValue(c, name);
}

// Pins 1 non-inverting input, 2 inverting input, 3 output; all voltages to ground. The output
// is a source A (V1 - V2) behind Ro, the inputs are joined by Ri.
void stamp(ComplexMatrix& m, const Component& c, const PinNodes& nodes)
{
  Pins p;
  if (!resolvePins(nodes, 3, p)) {
    return;
  }
  const double Ri = read(c, describe(kParameters, "inputResistance"));
  const double Ro = read(c, describe(kParameters, "outputResistance"));
  const double A = read(c, describe(kParameters, "gain"));
  stamp2(m, p[1], p[2], Complex{1.0 / Ri, 0.0});
  m.add(p[3], p[3], Complex{1.0 / Ro, 0.0});
  m.add(p[3], p[2], Complex{A / Ro, 0.0});
  m.add(p[3], p[1], Complex{-A / Ro, 0.0});
}

std::string listing(const Schematic&, const Component& c, const PinNodes& nodes)
{
  return "opamp " + listingNodes(nodes, 3) +
         " Ri=" + listingValue(parameter(c, "inputResistance")) + "R" +
         " Ro=" + listingValue(parameter(c, "outputResistance")) + "R" +
         " G=" + formatFixed(20.0 * guardedLog10(parameter(c, "gain")), 3) + "dB";
}

std::vector<double> divisors(const Component& c)
{
  return {parameter(c, "inputResistance"), parameter(c, "outputResistance")};
}

// Ri between the inputs, and the output a source A (V1 - V2) behind Ro.
bool spice(Deck& d)
{
  const Component& c = d.component();
  const std::string o = d.inner("o");
  d.comment("Ri between the inputs; output A (V1 - V2) behind Ro");
  d.line(d.name('R', "i") + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' +
         num(parameter(c, "inputResistance")));
  d.line(d.name('E') + ' ' + o + " 0 " + d.pin(1) + ' ' + d.pin(2) + ' ' +
         num(parameter(c, "gain")));
  d.line(d.name('R', "o") + ' ' + o + ' ' + d.pin(3) + ' ' + num(parameter(c, "outputResistance")));
  return true;
}

constexpr char kNoiselessTitle[] = "op-amp";
constexpr DeviceModel kDevice{plainStamp<stamp>, listing, divisors, spice,
                              noiselessModel<kNoiselessTitle>};

[[maybe_unused]] const bool registered = registerComponentKind({
    .type = T::OpAmp,
    .codeName = "ckOpAmp",
    .prefix = "U",
    .title = "op-amp",
    .pins = 3,
    .templateRecord = &Schematic::lastopamp,
    .templateValues = 3,
    .parameters = kParameters,
    .tunedParameter = "inputResistance",
    .symbol = {kindCode(T::OpAmp),
               pinTable({{-20, -10}, {-20, 10}, {30, 0}}),
               {0, 20},
               kClassMirrored,
               kSymbol},
    .device = &kDevice,
});

} // namespace
} // namespace norvane::kinds

// The voltage-controlled current source: gm (V1 - V2) through the output. Pins 1, 2 control (+, -);
// 3, 4 output (+, -).

#include "kinds/controlledsource.h"

namespace norvane::kinds {
namespace {

using namespace stampconst;

constexpr auto kParameters = gainParameter("A/V", "Voltage Gain");

constexpr std::array kSymbol{
    L(-10, -20, -20, -20), L(-10, 20, -20, 20), L(10, -20, 20, -20), L(10, 20, 20, 20),
    L(10, -20, 10, -15),   L(10, 20, 10, 15),   L(-5, 10, -5, -10),  L(-5, 10, -10, 5),
    E(0, -15, 20, 5),      E(0, 15, 20, -5),
};

// A current gm (V1 - V2) flows out of node 3 through the source into node 4.
void stamp(ComplexMatrix& m, const Component& c, const PinNodes& nodes)
{
  Pins p;
  if (!resolvePins(nodes, 4, p)) {
    return;
  }
  const double gm = read(c, describe(kParameters, "gain"));
  stampTransfer(m, p, -gm);
  m.add(p[3], p[3], Complex{kSourceLeak, 0.0});
  m.add(p[4], p[4], Complex{kSourceLeak, 0.0});
}

std::string listing(const Schematic&, const Component& c, const PinNodes& nodes)
{
  return sourceListing(c, nodes, "vccs", "Gm", "S");
}

// A current gm (V1 - V2) out of pin 3 through the source into pin 4; leaks at both.
bool spice(Deck& d)
{
  d.line(d.name('G') + ' ' + d.pin(3) + ' ' + d.pin(4) + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' +
         num(read(d.component(), describe(kParameters, "gain"))));
  writeLeak(d, 3);
  writeLeak(d, 4);
  return true;
}

constexpr char kNoiselessTitle[] = "VCCS";
constexpr DeviceModel kDevice{plainStamp<stamp>, listing, nullptr, spice,
                              noiselessModel<kNoiselessTitle>};

[[maybe_unused]] const bool registered = registerComponentKind({
    .type = T::VCCS,
    .codeName = "ckVCCS",
    .prefix = "G",
    .title = "VCCS",
    .pins = 4,
    .templateRecord = &Schematic::lastVCCS,
    .templateValues = 1,
    .parameters = kParameters,
    .tunedParameter = "gain",
    .dialogCaption = "VCCS edit",
    .symbol = {kindCode(T::VCCS), kFourPins, {-20, -35}, kClassMirrored, kSymbol},
    .device = &kDevice,
});

} // namespace
} // namespace norvane::kinds

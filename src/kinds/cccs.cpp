// The current-controlled current source: beta I through the output. Pins 1, 2 control (+, -); 3, 4
// output (+, -).

#include "kinds/controlledsource.h"

namespace norvane::kinds {
namespace {

using namespace stampconst;

constexpr auto kParameters = gainParameter("A/A", "Current gain");

constexpr std::array kSymbol{
    L(-10, -20, -20, -20), L(-10, 20, -20, 20), L(10, -20, 20, -20),  L(10, 20, 20, 20),
    L(10, -20, 10, -15),   L(10, 20, 10, 15),   L(-5, 10, -5, -10),   L(-5, 10, -10, 5),
    E(0, -15, 20, 5),      E(0, 15, 20, -5),    L(-10, -20, -10, 20),
};

// The control current is sensed through 1 nOhm between pins 1 and 2; beta times it flows out
// of node 3 through the source into node 4.
void stamp(ComplexMatrix& m, const Component& c, const PinNodes& nodes)
{
  Pins p;
  if (!resolvePins(nodes, 4, p)) {
    return;
  }
  const double gain = read(c, describe(kParameters, "gain")) * kCccsSense;
  stamp2(m, p[1], p[2], Complex{kCccsSense, 0.0});
  stampTransfer(m, p, -gain);
  m.add(p[3], p[3], Complex{kSourceLeak, 0.0});
  m.add(p[4], p[4], Complex{kSourceLeak, 0.0});
}

std::string listing(const Schematic&, const Component& c, const PinNodes& nodes)
{
  return sourceListing(c, nodes, "cccs", "B", "A/A");
}

// The control current is sensed through 1 nOhm between pins 1 and 2; beta times it flows
// out of pin 3 through the source into pin 4.
bool spice(Deck& d)
{
  d.comment("control current sensed through 1 nOhm; output beta I");
  d.line(d.name('R', "s") + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' + num(1.0 / kCccsSense));
  d.line(d.name('G') + ' ' + d.pin(3) + ' ' + d.pin(4) + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' +
         num(read(d.component(), describe(kParameters, "gain")) * kCccsSense));
  writeLeak(d, 3);
  writeLeak(d, 4);
  return true;
}

constexpr char kNoiselessTitle[] = "CCCS";
constexpr DeviceModel kDevice{plainStamp<stamp>, listing, nullptr, spice,
                              noiselessModel<kNoiselessTitle>};

[[maybe_unused]] const bool registered = registerComponentKind({
    .type = T::CCCS,
    .codeName = "ckCCCS",
    .prefix = "F",
    .title = "CCCS",
    .pins = 4,
    .templateRecord = &Schematic::lastCCCS,
    .templateValues = 1,
    .parameters = kParameters,
    .tunedParameter = "gain",
    .dialogCaption = "CCCS edit",
    .symbol = {kindCode(T::CCCS), kFourPins, {-20, -35}, kClassMirrored, kSymbol},
    .device = &kDevice,
});

} // namespace
} // namespace norvane::kinds

// The voltage-controlled voltage source: A (V1 - V2) at the output. Pins 1, 2 control (+, -); 3, 4
// output (+, -).

#include "kinds/controlledsource.h"

namespace norvane::kinds {
namespace {

using namespace stampconst;

constexpr auto kParameters = gainParameter("V/V", "Voltage Gain");

constexpr std::array kSymbol{
    L(-10, -20, -20, -20), L(-10, 20, -20, 20), L(10, -20, 20, -20), L(10, 20, 20, 20),
    L(10, -20, 10, -10),   L(10, 20, 10, 10),   E(0, -10, 20, 10),   L(15, -15, 20, -15),
    L(17, -13, 17, -18),   L(15, 15, 20, 15),
};

// Pins 1, 2 control (+, -); 3, 4 output (+, -). The output is A (V1 - V2) behind 1/G0.
void stamp(ComplexMatrix& m, const Component& c, const PinNodes& nodes)
{
  Pins p;
  if (!resolvePins(nodes, 4, p)) {
    return;
  }
  const double AG = read(c, describe(kParameters, "gain")) * kVcvsOutput;
  stamp2(m, p[3], p[4], Complex{kVcvsOutput, 0.0});
  stampTransfer(m, p, AG);
  m.add(p[3], p[3], Complex{kSourceLeak, 0.0});
}

std::string listing(const Schematic&, const Component& c, const PinNodes& nodes)
{
  return sourceListing(c, nodes, "vcvs", "G", "V/V");
}

// Pins 1, 2 control (+, -); 3, 4 output (+, -): A (V1 - V2) behind 0.1 uOhm, and a leak
// from pin 3 to ground.
bool spice(Deck& d)
{
  const std::string o = d.inner("o");
  d.comment("output A (V1 - V2) behind the model's 0.1 uOhm");
  d.line(d.name('E') + ' ' + o + ' ' + d.pin(4) + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' +
         num(read(d.component(), describe(kParameters, "gain"))));
  d.line(d.name('R', "o") + ' ' + d.pin(3) + ' ' + o + ' ' + num(1.0 / kVcvsOutput));
  writeLeak(d, 3);
  return true;
}

constexpr char kNoiselessTitle[] = "VCVS";
constexpr DeviceModel kDevice{plainStamp<stamp>, listing, nullptr, spice,
                              noiselessModel<kNoiselessTitle>};

[[maybe_unused]] const bool registered = registerComponentKind({
    .type = T::VCVS,
    .codeName = "ckVCVS",
    .prefix = "E",
    .title = "VCVS",
    .pins = 4,
    .templateRecord = &Schematic::lastVCVS,
    .templateValues = 1,
    .parameters = kParameters,
    .tunedParameter = "gain",
    .dialogCaption = "VCVS edit",
    .symbol = {kindCode(T::VCVS), kFourPins, {-20, -35}, kClassMirrored, kSymbol},
    .device = &kDevice,
});

} // namespace
} // namespace norvane::kinds

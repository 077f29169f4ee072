// The current-controlled voltage source: Rm I at the output. Pins 1, 2 control (+, -); 3, 4 output
// (+, -).

#include "kinds/controlledsource.h"

namespace norvane::kinds {
namespace {

using namespace stampconst;

constexpr auto kParameters = gainParameter("V/A", "Transconductance");

constexpr std::array kSymbol{
    L(-10, -20, -20, -20), L(-10, 20, -20, 20), L(10, -20, 20, -20),  L(10, 20, 20, 20),
    L(10, -20, 10, -10),   L(10, 20, 10, 10),   E(0, -10, 20, 10),    L(15, -15, 20, -15),
    L(17, -13, 17, -18),   L(15, 15, 20, 15),   L(-10, -20, -10, 20),
};

// The control current is sensed through 0.1 uOhm between pins 1 and 2; the output is
// Rm I behind 0.1 uOhm between pins 3 and 4.
void stamp(ComplexMatrix& m, const Component& c, const PinNodes& nodes)
{
  Pins p;
  if (!resolvePins(nodes, 4, p)) {
    return;
  }
  const double transfer = read(c, describe(kParameters, "gain")) * kCcvsTransfer;
  stamp2(m, p[1], p[2], Complex{kCcvsBranch, 0.0});
  stamp2(m, p[3], p[4], Complex{kCcvsBranch, 0.0});
  stampTransfer(m, p, transfer);
  m.add(p[4], p[4], Complex{kSourceLeak, 0.0});
}

std::string listing(const Schematic&, const Component& c, const PinNodes& nodes)
{
  return sourceListing(c, nodes, "ccvs", "Rm", "R");
}

// The control current is sensed through 0.1 uOhm between pins 1 and 2; the output Rm I
// (written as the voltage gain Rm / 0.1 uOhm on the sensing voltage) behind 0.1 uOhm.
bool spice(Deck& d)
{
  const std::string o = d.inner("o");
  d.comment("control current sensed through 0.1 uOhm; output Rm I behind 0.1 uOhm");
  d.line(d.name('R', "s") + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' + num(1.0 / kCcvsBranch));
  d.line(d.name('E') + ' ' + o + ' ' + d.pin(4) + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' +
         num(read(d.component(), describe(kParameters, "gain")) * kCcvsTransfer / kCcvsBranch));
  d.line(d.name('R', "o") + ' ' + d.pin(3) + ' ' + o + ' ' + num(1.0 / kCcvsBranch));
  writeLeak(d, 4);
  return true;
}

constexpr char kNoiselessTitle[] = "CCVS";
constexpr DeviceModel kDevice{plainStamp<stamp>, listing, nullptr, spice,
                              noiselessModel<kNoiselessTitle>};

[[maybe_unused]] const bool registered = registerComponentKind({
    .type = T::CCVS,
    .codeName = "ckCCVS",
    .prefix = "H",
    .title = "CCVS",
    .pins = 4,
    .templateRecord = &Schematic::lastCCVS,
    .templateValues = 1,
    .parameters = kParameters,
    .tunedParameter = "gain",
    .dialogCaption = "CCVS",
    .symbol = {kindCode(T::CCVS), kFourPins, {-20, -35}, kClassMirrored, kSymbol},
    .device = &kDevice,
});

} // namespace
} // namespace norvane::kinds

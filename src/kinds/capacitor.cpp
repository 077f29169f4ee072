// The capacitor: a capacitance with its tolerance and, when switched on, a physical model
// (loss under a Q law, self-resonance).

#include "kinds/reactivemodel.h"

namespace norvane::kinds {
namespace {

constexpr ParameterDescription kParameters[] = {
    {"capacitance", 1, F::Whole, "F", true, zeroreplacement::kReactance, 2, -1e25, 1e25,
     withTolerance(1e-11, -2, 2, true, true)},
    NORVANE_REACTIVE_MODEL(200),
};
constexpr int kCapacitance = slotOf(kParameters, "capacitance");
static_assert(kCapacitance == 1 && slotOf(kParameters, "q") == kQSlot &&
              slotOf(kParameters, "physicalModel") == kModelSlot);

constexpr std::array kSymbol{
    L(0, -20, 0, -3), L(-10, -3, 10, -3), L(-10, -2, 10, -2),
    L(-10, 2, 10, 2), L(-10, 3, 10, 3),   L(0, 3, 0, 20),
};

void stamp(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f)
{
  Pins p;
  if (!resolvePins(nodes, 2, p)) {
    return;
  }
  if (c.value[kModelSlot].TolEn) {
    stamp2(m, p[1], p[2], physicalCapacitorAdmittance(physicalModelOf(c), f));
  } else {
    const double w = kTwoPi * f;
    stamp2(m, p[1], p[2], Complex{0.0, w * c.value[kCapacitance].actual});
  }
}

std::string listing(const Schematic&, const Component& c, const PinNodes& nodes)
{
  return "cap " + listingNodes(nodes, 2) + " C=" + listingValue(parameterValue(c, "capacitance")) +
         "F";
}

const char* lawText(QMode mode)
{
  switch (mode) {
  case QMode::ResistiveLossConstant:
    return "Q proportional to 1/f";
  case QMode::SquareRoot:
    return "Q proportional to 1/sqrt(f)";
  case QMode::ConstantQ:
    break;
  }
  return "constant Q";
}

bool spice(Deck& d)
{
  const Component& c = d.component();
  const double C = c.value[kCapacitance].actual;
  if (!c.value[kModelSlot].TolEn) {
    d.line(d.name('C') + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' + num(C));
    return true;
  }
  const PhysicalModel model = physicalModelOf(c);
  const double wr = kTwoPi * model.SRF;
  const double Ls = 1.0 / (wr * wr * C);
  std::string sub;
  d.useSubcircuit(capacitorSubcircuit(model.mode, sub));
  d.comment(physicalModelComment(c, lawText(model.mode)));
  d.line(d.name('X') + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' + sub + " cval=" + num(C) +
         " qval=" + num(model.Q) + " fq=" + num(model.F) + " ls=" + num(Ls));
  return true;
}

// The physical model's loss resistance is thermal noise, 4kT Re(Y) of the whole model
// (Re(Y) is the loss seen at the terminals); the ideal part is noiseless.
void noise(NoiseSources& n, const Component& c, const PinNodes& nodes, double f)
{
  Pins p;
  if (c.value[kModelSlot].TolEn && resolvePins(nodes, 2, p)) {
    n.addThermal(p[1], p[2], physicalCapacitorAdmittance(physicalModelOf(c), f));
  }
}

constexpr DeviceModel kDevice{frequencyStamp<stamp>, listing, reactiveDivisors, spice,
                              frequencyNoise<noise>};

[[maybe_unused]] const bool registered = registerComponentKind({
    .type = T::Capacitor,
    .codeName = "ckCapacitor",
    .prefix = "C",
    .title = "capacitor",
    .pins = 2,
    .templateRecord = &Schematic::lastC,
    .templateValues = 5,
    .parameters = kParameters,
    .tunedParameter = "capacitance",
    .previewParameter = "capacitance",
    .symbol = {kindCode(T::Capacitor), kTwoPins, {10, 0}, kClassQuarterTurn, kSymbol},
    .device = &kDevice,
});

} // namespace
} // namespace norvane::kinds

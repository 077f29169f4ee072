// The inductor: an inductance with its tolerance and, when switched on, a physical model
// (loss under a Q law, self-resonance).

#include "kinds/reactivemodel.h"

namespace norvane::kinds {
namespace {

constexpr ParameterDescription kParameters[] = {
    {"inductance", 1, F::Whole, "H", true, zeroreplacement::kReactance, 2, -1e20, 1e20,
     withTolerance(1e-8, -5, 5, true, true)},
    NORVANE_REACTIVE_MODEL(50),
};
constexpr int kInductance = slotOf(kParameters, "inductance");
static_assert(kInductance == 1 && slotOf(kParameters, "q") == kQSlot &&
              slotOf(kParameters, "physicalModel") == kModelSlot);

constexpr std::array kSymbol{
    L(0, -20, 0, -15), L(0, -15, 5, -15), L(5, -15, 8, -10), L(8, -10, 5, -5),
    L(0, -5, 5, -5),   L(5, -5, 8, 0),    L(8, 0, 5, 5),     L(0, 5, 5, 5),
    L(5, 5, 8, 10),    L(8, 10, 5, 15),   L(5, 15, 0, 15),   L(0, 15, 0, 20),
};

void stamp(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f)
{
  Pins p;
  if (!resolvePins(nodes, 2, p)) {
    return;
  }
  if (c.value[kModelSlot].TolEn) {
    stamp2(m, p[1], p[2], physicalInductorAdmittance(physicalModelOf(c), f));
  } else {
    const double w = kTwoPi * f;
    const double L = c.value[kInductance].actual;
    stamp2(m, p[1], p[2], Complex{0.0, -1.0 / (w * L)});
  }
}

std::string listing(const Schematic&, const Component& c, const PinNodes& nodes)
{
  return "ind " + listingNodes(nodes, 2) + " L=" + listingValue(parameterValue(c, "inductance")) +
         "H";
}

const char* lawText(QMode mode)
{
  switch (mode) {
  case QMode::ResistiveLossConstant:
    return "Q proportional to f";
  case QMode::SquareRoot:
    return "Q proportional to sqrt(f)";
  case QMode::ConstantQ:
    break;
  }
  return "constant Q";
}

bool spice(Deck& d)
{
  const Component& c = d.component();
  const double L = c.value[kInductance].actual;
  if (!c.value[kModelSlot].TolEn) {
    d.line(d.name('L') + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' + num(L));
    return true;
  }
  const PhysicalModel model = physicalModelOf(c);
  const double wr = kTwoPi * model.SRF;
  const double Cp = 1.0 / (wr * wr * L);
  std::string sub;
  d.useSubcircuit(inductorSubcircuit(model.mode, sub));
  d.comment(physicalModelComment(c, lawText(model.mode)));
  d.line(d.name('X') + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' + sub + " lval=" + num(L) +
         " qval=" + num(model.Q) + " fq=" + num(model.F) + " cp=" + num(Cp));
  return true;
}

// The physical model's loss resistance is thermal noise, 4kT Re(Y) of the whole model
// (Re(Y) is the loss seen at the terminals); the ideal part is noiseless.
void noise(NoiseSources& n, const Component& c, const PinNodes& nodes, double f)
{
  Pins p;
  if (c.value[kModelSlot].TolEn && resolvePins(nodes, 2, p)) {
    n.addThermal(p[1], p[2], physicalInductorAdmittance(physicalModelOf(c), f));
  }
}

constexpr DeviceModel kDevice{frequencyStamp<stamp>, listing, reactiveDivisors, spice,
                              frequencyNoise<noise>};

[[maybe_unused]] const bool registered = registerComponentKind({
    .type = T::Inductor,
    .codeName = "ckInductor",
    .prefix = "L",
    .title = "inductor",
    .pins = 2,
    .templateRecord = &Schematic::lastL,
    .templateValues = 5,
    .parameters = kParameters,
    .tunedParameter = "inductance",
    .previewParameter = "inductance",
    .symbol = {kindCode(T::Inductor), kTwoPins, {10, 0}, kClassQuarterTurn, kSymbol},
    .device = &kDevice,
});

} // namespace
} // namespace norvane::kinds
